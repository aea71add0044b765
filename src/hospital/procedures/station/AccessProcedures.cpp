// Stand-ins of the STATION procedures that check who may act for a department.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Arguments: user ID, enciphered access code, station ID. A row (LastName, FirstName, MiddleName)
// when the user's code matches and the user may act for the station; no row otherwise.
Recordset checkUserDepartmentAccess(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral(
        "SELECT m.LastName, m.FirstName, m.MiddleName FROM PASSWORD..tbPasswordMain m "
        "JOIN PASSWORD..tbPasswordDepartment d ON d.EmployeeID = m.EmployeeID "
        "WHERE m.EmployeeID = ? AND m.AccessCode = ? AND d.DeptCode = ? AND COALESCE(m.Status, 'A') = 'A'"),
        {a.text(0), a.text(1), a.text(2)});
}

} // namespace

CATHLAB_PROCEDURE("STATION..sp_Check_User_Department_Access", checkUserDepartmentAccess);
