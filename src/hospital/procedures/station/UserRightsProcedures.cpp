// Stand-ins of the STATION procedures behind the user rights window.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Arguments: station ID, search text (as typed). The active users who may act for the station
// whose code, last name or full name begins with the text (any letter case); all of them for an
// empty text. Columns: EmployeeCode, EmployeeName, Position.
Recordset searchNurseUsers(Connection& c, const ProcedureArgs& a)
{
    Recordset all = c.query(QStringLiteral(
        "SELECT m.EmployeeID AS EmployeeCode, "
        "COALESCE(m.LastName, '') || ', ' || COALESCE(m.FirstName, '') || ' ' || COALESCE(m.MiddleName, '') AS EmployeeName, "
        "m.Position AS Position FROM PASSWORD..tbPasswordMain m "
        "JOIN PASSWORD..tbPasswordDepartment d ON d.EmployeeID = m.EmployeeID "
        "WHERE d.DeptCode = ? AND COALESCE(m.Status, 'A') = 'A' ORDER BY m.LastName, m.FirstName, m.EmployeeID"),
        {a.text(0)});
    const QString text = a.text(1).toUpper();
    Recordset found(all.fieldNames(), {});
    for (int r = 0; r < all.recordCount(); ++r) {
        const QString code = all.textAt(r, QStringLiteral("EmployeeCode")).toUpper();
        const QString name = all.textAt(r, QStringLiteral("EmployeeName")).toUpper();
        if (code.startsWith(text) || name.startsWith(text))
            found.addRow({all.valueAt(r, 0), all.valueAt(r, 1), all.valueAt(r, 2)});
    }
    return found;
}

// Arguments: employee ID, rights text, the user who validated the change. Replaces the employee's
// rights text in one statement.
Recordset saveUserRights(Connection& c, const ProcedureArgs& a)
{
    c.execute(QStringLiteral(
        "INSERT INTO STATION..tbNurseUserRights (EmployeeID, EmployeeRights, UpdatedBy, UpdatedOn) "
        "VALUES (?, ?, ?, GETDATE()) ON CONFLICT (EmployeeID) DO UPDATE SET "
        "EmployeeRights = excluded.EmployeeRights, UpdatedBy = excluded.UpdatedBy, UpdatedOn = excluded.UpdatedOn"),
        {a.text(0), a.text(1), a.text(2)});
    return Recordset();
}

} // namespace

CATHLAB_PROCEDURE("STATION..spNurse_SearchNurseUsers", searchNurseUsers);
CATHLAB_PROCEDURE("STATION..spNurse_SaveUserRights", saveUserRights);
