// Stand-in of the request to admit the patient of an out-patient visit.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Arguments: hospital number, admission number of the visit, user ID. Records a pending request
// unless the visit already has one; one row with the number of requests recorded (0 or 1).
Recordset saveAdmittingCommunication(Connection& c, const ProcedureArgs& a)
{
    const int rows = c.execute(QStringLiteral(
        "INSERT INTO PATIENT_DATA..tbER_Admitting_Communication (HospNum, OPDIDNum, RequestedBy, RequestDate, RecordStatus) "
        "SELECT ?, ?, ?, GETDATE(), '' WHERE NOT EXISTS (SELECT 1 FROM PATIENT_DATA..tbER_Admitting_Communication "
        "WHERE OPDIDNum = ? AND COALESCE(RecordStatus, '') = '')"),
        {a.text(0), a.text(1), a.text(2), a.text(1)});
    Recordset rs(QStringList{QStringLiteral("RowsAffected")}, {});
    rs.addRow({rows});
    return rs;
}

} // namespace

CATHLAB_PROCEDURE("PATIENT_DATA..sp_ER_Save_Admitting_Communication", saveAdmittingCommunication);
