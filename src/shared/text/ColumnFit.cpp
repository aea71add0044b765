#include "shared/text/ColumnFit.h"

#include "hospital/Schema.h"
#include "platform/ui/TextLimit.h"

#include <QLineEdit>

#include <algorithm>

int ColumnRoom(const QString& houseTable, const QString& column, int reserved)
{
    return std::max(1, HospitalSchema::textWidth(houseTable, column) - reserved);
}

void FitToColumn(QLineEdit* box, const QString& houseTable, const QString& column, int reserved)
{
    box->setMaxLength(ColumnRoom(houseTable, column, reserved));
}

void FitToColumn(QPlainTextEdit* box, const QString& houseTable, const QString& column, int reserved)
{
    SetMaxLength(box, ColumnRoom(houseTable, column, reserved));
}

void FitToColumn(QTextEdit* box, const QString& houseTable, const QString& column, int reserved)
{
    SetMaxLength(box, ColumnRoom(houseTable, column, reserved));
}
