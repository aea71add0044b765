#pragma once
#include "platform/db/Recordset.h"

class Connection;

namespace StaffData {
// The employees of mode "N" (nurses, department 29) or "R" (radiologic technologists) whose last
// name starts with the trimmed text or whose code is the text itself; every one for an empty
// text. Columns CODE and NURSE (or RADTECH): "last ,first middle". Ordered by that name. Another
// mode throws DbError.
Recordset SearchStaff(Connection& c, const QString& mode, const QString& text);
}
