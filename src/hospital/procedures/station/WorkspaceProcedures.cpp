// Stand-ins of the STATION procedures behind the procedures workspace's header.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Argument: admission number. One row (Membership, ADMType) when the stay exists: the PHIC member
// type of the stay and its admission type.
Recordset admTypeMembership(Connection& c, const ProcedureArgs& a)
{
    const QString idNum = a.text(0).trimmed();
    if (idNum.endsWith(QLatin1Char('B')))
        return c.query(QStringLiteral("SELECT M.MemberType AS Membership, 'OPD' AS ADMType FROM MEDICARE..tbPHICMembership M "
                                      "WHERE M.IDNum = ?"),
                       {idNum});
    return c.query(QStringLiteral("SELECT M.MemberType AS Membership, P.AdmType AS ADMType FROM PATIENT_DATA..tbPatient P "
                                  "JOIN MEDICARE..tbPHICMembership M ON M.IDNum = P.IDNum WHERE P.IDNum = ?"),
                   {idNum});
}

} // namespace

CATHLAB_PROCEDURE("STATION..sp_Get_Patient_ADMTypeMembership", admTypeMembership);

namespace {
// Arguments: admission number, 1 when clinical assessment needs no validation. Columns: RevenueID,
// ItemName of the clinical departments that may assess the stay.
Recordset clinicalDepartments(Connection& c, const ProcedureArgs& a)
{
    Q_UNUSED(a);
    return c.query(QStringLiteral("SELECT RevenueID, Description AS ItemName FROM STATION..tbCLChargingCodes "
                                  "WHERE COALESCE(Status, 'A') = 'A' ORDER BY RevenueID"));
}
}

CATHLAB_PROCEDURE("STATION..sp_Nurse_Get_Assess_ClinicalDeparment", clinicalDepartments);
