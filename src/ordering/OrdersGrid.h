#pragma once
#include "shared/orders/OrderRow.h"

#include <QList>
#include <QString>

class FlexGrid;

// The workspace's orders grid (OrderRow rows): its layout, placing an order, finding one by its
// section and code, and taking one out. An empty grid keeps one data row whose DEPT is empty.
namespace OrdersGrid {

// One order as the grid holds it, every cell text.
struct Order {
    QString dept, code, description, qty, amount, section, stat, remarks, list, string, index, specimen, transplant,
        dialysis, amPickUp, portableMachine, reasonOfProcedure;
};

// 2 rows, 18 columns, the headers and the widths for a grid gridWidthTwips wide; AMOUNT is shown
// only when amounts are.
void SetUp(FlexGrid& grid, int gridWidthTwips, bool showAmount);
// No order: one data row with an empty DEPT.
bool IsEmpty(const FlexGrid& grid);
// Step H: row 1 when the grid holds no order, else a new last row. Returns the row written.
int Place(FlexGrid& grid, const Order& order);
Order Read(const FlexGrid& grid, int row);
QList<Order> Orders(const FlexGrid& grid);
// The first row holding that section's exam code (codes compared trimmed), or -1.
int Find(const FlexGrid& grid, const QString& dept, const QString& code);
// Deletes the row, or empties it (columns 1 to 17) when it is the only data row.
void Remove(FlexGrid& grid, int row);

} // namespace OrdersGrid
