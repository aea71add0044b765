#include "shared/GridBinding.h"

#include "platform/db/Recordset.h"
#include "platform/ui/FlexGrid.h"

#include <QStringList>

void BindRecordset(FlexGrid* grid, const Recordset& rows)
{
    grid->setCols(rows.fieldCount() + 1);
    grid->setRows(rows.recordCount() + 1);
    for (int f = 0; f < rows.fieldCount(); ++f) grid->setTextMatrix(0, f + 1, rows.fieldName(f));
    for (int r = 0; r < rows.recordCount(); ++r) {
        grid->setTextMatrix(r + 1, 0, QString());
        for (int f = 0; f < rows.fieldCount(); ++f) grid->setTextMatrix(r + 1, f + 1, DbValue::text(rows.valueAt(r, f)));
    }
}

int BindRecordsetUnderLayout(FlexGrid* grid, const Recordset& rows)
{
    QStringList headings;
    for (int c = 0; c < grid->Cols(); ++c) headings << grid->TextMatrix(0, c);
    BindRecordset(grid, rows);
    for (int c = 0; c < grid->Cols(); ++c) grid->setTextMatrix(0, c, c < headings.size() ? headings[c] : QString());
    return int(headings.size());
}
