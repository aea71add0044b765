#pragma once
#include "platform/db/Recordset.h"

class Connection;

#include <QString>
#include <QStringList>

// The database work of the user rights window. Errors reach the caller as DbError.

// The rights items that can be granted (Description, ItemID), active ones only, as they come.
Recordset LoadRightsItems(Connection& c);
// Users of the station to choose from: employee code, employee name, position. The search text
// goes as typed.
Recordset SearchNurseUsers(Connection& c, const QString& stationId, const QString& searchText);
// Replaces the employee's rights text, recording who changed it.
void SaveUserRights(Connection& c, const QString& employeeId, const QString& rightsText, const QString& validatedUser);

// The item IDs of a stored rights text ("|1|99| 3|10" gives 1, 99, 3, 10), trimmed, empty and
// repeated elements left out.
QStringList RightsOfText(const QString& rightsText);
// The rights text to store: "|" before each ID, the ticked IDs first in list order, then the
// stored rights that the list does not show, kept in their order (IDs compared and written trimmed).
QString BuildRightsText(const QStringList& tickedIds, const QStringList& listedIds, const QString& storedText);
