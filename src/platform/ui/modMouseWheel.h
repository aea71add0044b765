#pragma once

class QTableView;
class QWidget;

// Wheel scrolling of a window's grids. No hook is installed (the grids scroll with the wheel by
// themselves); the routines do what they say when a window calls them.
void HookMouseWheel(QWidget* window);
// Leaves the window's own event handling as it is: nothing was ever replaced.
void UnhookMouseWheel(QWidget* window);
// Scrolls the grid one row: up when rotation > 0 (not above row 1), down otherwise (not below the
// last row); the grid does not move when the next row is not visible. Keys and point are unused.
void ScrollGridByWheel(QTableView* grid, int mouseKeys, int rotation, int x, int y);
// Whether the screen point lies in the widget's rectangle on the screen, edges included.
bool IsPointInWindow(QWidget* window, int x, int y);

// The grid's top row (the first row shown) and its move, as the routine above uses them.
int GridTopRow(const QTableView* grid);
void SetGridTopRow(QTableView* grid, int row);
