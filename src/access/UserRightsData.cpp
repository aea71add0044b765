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

QStringList RightsOfText(const QString& rightsText)
{
    QStringList ids;
    const QStringList elements = rightsText.split(QLatin1Char('|'));
    // What stands before the first "|" is no right (HasUserRight reads it so too).
    for (qsizetype i = 1; i < elements.size(); ++i) {
        const QString id = elements[i].trimmed();
        if (!id.isEmpty() && !ids.contains(id)) ids << id;
    }
    return ids;
}

QString BuildRightsText(const QStringList& tickedIds, const QStringList& listedIds, const QString& storedText)
{
    QStringList ids;
    for (const QString& id : tickedIds) ids << id.trimmed();
    QStringList listed;
    for (const QString& id : listedIds) listed << id.trimmed();
    for (const QString& id : RightsOfText(storedText))
        if (!listed.contains(id) && !ids.contains(id)) ids << id;
    QString text;
    for (const QString& id : ids) text += QLatin1Char('|') + id;
    return text;
}
