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

// A line of the rights list: the description, 120 blanks, the item ID.
QString RightsLine(const QString& description, const QString& itemId);
// The item ID of a line: its last two characters, trimmed.
QString ItemIdOfLine(const QString& line);
// The rights text of the ticked lines, in list order: "|" before each item ID.
QString BuildRightsText(const QStringList& tickedLines);
