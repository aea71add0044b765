#include "ordering/OrdersGrid.h"

#include "platform/ui/FlexGrid.h"

namespace OrdersGrid {
namespace {
using namespace OrderRow;

QString* field(Order& o, int col)
{
    QString* const fields[] = {nullptr,     &o.dept,     &o.code,       &o.description, &o.qty,      &o.amount,
                               &o.section,  &o.stat,     &o.remarks,    &o.list,        &o.string,   &o.index,
                               &o.specimen, &o.transplant, &o.dialysis, &o.amPickUp,    &o.portableMachine,
                               &o.reasonOfProcedure};
    return fields[col];
}
} // namespace

void SetUp(FlexGrid& grid, int w, bool showAmount)
{
    grid.clearContents();
    grid.setRows(2);
    grid.setCols(ColumnCount);
    grid.setFormatString(QStringLiteral(" |<DEPT|<CODE|<DESCRIPTION%1|QTY|<AMOUNT|<SECTION|STAT|<REMARKS|LIST|STRING|INDEX|"
                                        "SPECIMEN|TRANSPLANT|DIALYSIS")
                             .arg(QString(38, QLatin1Char(' '))));
    grid.setCols(ColumnCount);
    const int narrow = qRound(w / 13.0) + 500;
    grid.setColWidth(0, 1);
    grid.setColWidth(Description, 4001);
    for (int c : {int(Dept), int(Code), int(Qty), int(Section), int(Stat)}) grid.setColWidth(c, narrow);
    grid.setColWidth(Amount, showAmount ? narrow : 0);
    grid.setColWidth(Remarks, qRound(w / 13.0) + 3000);
    for (int c = List; c < ColumnCount; ++c) grid.setColWidth(c, 0);
    for (int c = 1; c < ColumnCount; ++c) grid.setTextMatrix(1, c, QString());
}

bool IsEmpty(const FlexGrid& grid)
{
    return grid.Rows() <= 2 && grid.TextMatrix(1, Dept).isEmpty();
}

int Place(FlexGrid& grid, const Order& order)
{
    int row = 1;
    if (!grid.TextMatrix(1, Dept).isEmpty()) {
        grid.AddItem(QString());
        row = grid.Rows() - 1;
    }
    Order o = order;
    for (int c = 1; c < ColumnCount; ++c) grid.setTextMatrix(row, c, *field(o, c));
    return row;
}

Order Read(const FlexGrid& grid, int row)
{
    Order o;
    for (int c = 1; c < ColumnCount; ++c) *field(o, c) = grid.TextMatrix(row, c);
    return o;
}

QList<Order> Orders(const FlexGrid& grid)
{
    QList<Order> out;
    if (IsEmpty(grid)) return out;
    for (int r = 1; r < grid.Rows(); ++r) out << Read(grid, r);
    return out;
}

int Find(const FlexGrid& grid, const QString& dept, const QString& code)
{
    if (IsEmpty(grid)) return -1;
    for (int r = 1; r < grid.Rows(); ++r)
        if (grid.TextMatrix(r, Dept).trimmed() == dept.trimmed() && grid.TextMatrix(r, Code).trimmed() == code.trimmed())
            return r;
    return -1;
}

void Remove(FlexGrid& grid, int row)
{
    if (row < 1 || row >= grid.Rows()) return;
    if (grid.Rows() > 2) {
        grid.RemoveItem(row);
        return;
    }
    // The only row is emptied whole, so nothing of the removed order passes to the next one.
    for (int c = 1; c < ColumnCount; ++c) grid.setTextMatrix(row, c, QString());
}

} // namespace OrdersGrid
