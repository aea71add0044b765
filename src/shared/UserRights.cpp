#include "shared/UserRights.h"

#include "components/login/clsCurrentuser.h"
#include "platform/db/Connection.h"
#include "shared/modGlobals.h"

#include <QStringList>

QString ReadUserRightsText(const QString& employeeID)
{
    Recordset rs = SharedConnection().query(
        QStringLiteral("SELECT EmployeeRights FROM STATION..tbNurseUserRights WHERE EmployeeID = ?"), {employeeID});
    return rs.isEmpty() ? QString() : rs.text(QStringLiteral("EmployeeRights"));
}

bool RightsTextHolds(const QString& rightsText, const QString& rightID)
{
    if (rightsText.size() <= 1) return false;
    const QStringList elements = rightsText.split(QLatin1Char('|'));
    const QString wanted = rightID.trimmed();
    for (int i = 1; i < elements.size(); ++i)
        if (elements[i].trimmed() == wanted) return true;
    return false;
}

bool HasUserRight(const QString& rightID, const QString& employeeID)
{
    QString employee = employeeID.trimmed();
    if (employee.isEmpty() && Session.CurrentUser) employee = Session.CurrentUser->EmployeeCode().trimmed();
    return RightsTextHolds(ReadUserRightsText(c, employee), rightID);
}
