#pragma once
#include <QString>

// The registration keeps a person's civil status as the position of its list item ("0" child to
// "5" divorced, "-1" none); older records keep the word. This SQL expression gives the word for
// either, so every reader shows "SINGLE" and never "1".
QString CivilStatusNameSql(const QString& column);
