#include "platform/ui/modMouseWheel.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

void HookMouseWheel(QWidget* window) { Q_UNUSED(window); }

void UnhookMouseWheel(QWidget* window) { Q_UNUSED(window); }

int GridTopRow(const QTableView* grid)
{
    const int row = grid->rowAt(0);
    return row < 0 ? 0 : row;
}

void SetGridTopRow(QTableView* grid, int row)
{
    if (!grid->model() || row < 0 || row >= grid->model()->rowCount()) return;
    if (grid->verticalScrollMode() == QAbstractItemView::ScrollPerItem)
        grid->verticalScrollBar()->setValue(row);
    else
        grid->scrollTo(grid->model()->index(row, 0), QAbstractItemView::PositionAtTop);
}

namespace {
bool rowVisible(const QTableView* grid, int row)
{
    if (row >= grid->model()->rowCount()) return false;
    const int top = grid->rowViewportPosition(row);
    return top >= 0 && top + grid->rowHeight(row) <= grid->viewport()->height();
}
}

void ScrollGridByWheel(QTableView* grid, int mouseKeys, int rotation, int x, int y)
{
    Q_UNUSED(mouseKeys);
    Q_UNUSED(x);
    Q_UNUSED(y);
    if (!grid || !grid->model()) return;
    const int rows = grid->model()->rowCount();
    int step = 1;
    if (step > rows) return;
    const int top = GridTopRow(grid);
    while (step > 0 && !rowVisible(grid, top + step)) --step;
    const int newTop = rotation > 0 ? qMax(top - step, 1) : qMin(top + step, rows - 1);
    SetGridTopRow(grid, newTop);
}

bool IsPointInWindow(QWidget* window, int x, int y)
{
    const QRect r(window->mapToGlobal(QPoint(0, 0)), window->size());
    return x >= r.left() && x <= r.left() + r.width() && y >= r.top() && y <= r.top() + r.height();
}
