#include "procedure_report/GridBinding.h"

#include "platform/db/Recordset.h"
#include "platform/ui/FlexGrid.h"

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
