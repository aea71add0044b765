#include "access/UserRightsData.h"

#include "platform/db/Connection.h"
#include "shared/modGlobals.h"

Recordset LoadRightsItems(Connection& c)
{
    return c.query(
        QStringLiteral("Select Description, ItemID From STATION..tbNurseUserSettings Where Status = 'A'"));
}

Recordset SearchNurseUsers(Connection& c, const QString& stationId, const QString& searchText)
{
    return c.call(QStringLiteral("STATION..spNurse_SearchNurseUsers"), {stationId, searchText});
}

void SaveUserRights(Connection& c, const QString& employeeId, const QString& rightsText, const QString& validatedUser)
{
    c.call(QStringLiteral("STATION..spNurse_SaveUserRights"), {employeeId, rightsText, validatedUser});
}

QString RightsLine(const QString& description, const QString& itemId)
{
    return description + QString(120, QLatin1Char(' ')) + itemId;
}

QString ItemIdOfLine(const QString& line)
{
    return line.right(2).trimmed();
}

QString BuildRightsText(const QStringList& tickedLines)
{
    QString text;
    for (const QString& line : tickedLines) text += QLatin1Char('|') + ItemIdOfLine(line);
    return text;
}
