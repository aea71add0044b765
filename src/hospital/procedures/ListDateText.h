#pragma once
#include "platform/db/Recordset.h"

#include <QString>
#include <QVariant>

// The patient-list procedures give their dates as text "mm/dd/yyyy hh:mm:ss AM/PM", the way the
// lists show them; a null date gives an empty text. Fast, because a list can hold thousands of rows.
namespace ListDateText {
QString format(const QVariant& value);
// The same rows with the given columns turned into that text.
Recordset withDateColumns(Recordset rs, std::initializer_list<int> dateColumns);
}
