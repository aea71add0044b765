#include "shared/orders/ProfileGrid.h"

#include "platform/ui/FlexGrid.h"

void SetUpProfileGrid(FlexGrid& grid)
{
    grid.setRows(2);
    grid.setFixedRows(1);
    grid.setFixedCols(1);
    grid.setFormatString(QStringLiteral(
        " |<ExamID|<ExamName                         |<ProfileID|<ProfileName                      "));
    const int widths[] = {1, 700, 2000, 700, 2000};
    for (int c = 0; c < 5; ++c) grid.setColWidth(c, widths[c]);
}
