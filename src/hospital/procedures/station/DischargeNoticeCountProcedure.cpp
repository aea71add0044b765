// Stand-in of the STATION procedure that counts the discharge notices waiting for the department.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// No arguments; one row with RecCount: the notices sent to billing (final "F", or "P" once billing
// printed the processing sheet) whose admission the cath lab has not cleared yet.
Recordset loadDischargeNoticeCount(Connection& c, const ProcedureArgs&)
{
    return c.query(QStringLiteral(
        "SELECT COUNT(*) AS RecCount FROM STATION..TBNURSEDISCHARGENOTICE n "
        "WHERE n.RecordStatus IN ('F', 'P') AND NOT EXISTS (SELECT 1 FROM STATION..tbNurseDeptClearance d "
        "WHERE d.IDNum = n.IDNum AND d.DepartmentID = 'CL' AND d.ClearDate IS NOT NULL)"));
}

} // namespace

CATHLAB_PROCEDURE("STATION..spCL_LoadDischargeNoticeCount", loadDischargeNoticeCount);
