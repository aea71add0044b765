#pragma once
#include <QList>
#include <QFont>
#include <QHash>
#include <QObject>
#include <QPair>

class QModelIndex;
class QTableView;

// Keeps a table's columns wide enough to show their captions and values whole: a column whose
// width (given in twips by the window) cannot hold what it shows is drawn wider; it never becomes
// narrower than given. A column of width 0 or hidden stays hidden. Installed on every FlexGrid;
// other tables install it with KeepColumnsWhole.
class WholeColumns : public QObject {
    Q_OBJECT
public:
    explicit WholeColumns(QTableView* view);

    // The width in pixels the window last gave the column (what it is drawn at may be more).
    int givenWidth(int col) const;
    // Widens the column to its caption and its values when they need more than it has.
    void fitColumn(int col);
    // While a grid is filled whole, cells written are only noted; the columns they touch are
    // fitted once when the fill ends (a thousand-line list would otherwise measure every cell).
    void deferWhileFilling(bool filling);

private:
    void fitCells(const QModelIndex& topLeft, const QModelIndex& bottomRight);
    void widen(int col, int needed);
    // The width the cell needs; 0 when its text surely fits in width.
    int cellWidth(const QModelIndex& index, int width) const;
    int measure(const QModelIndex& index) const;
    void attachModel();

    QTableView* m_view;
    QList<int> m_given;
    bool m_widening = false;
    bool m_filling = false;
    QList<QPair<int, int>> m_dirtyRows; // per column: first and last row written while filling, or (-1, -1)
    // the widest character of the font last met, and texts already measured, by font
    mutable int m_widest = -1;
    mutable QFont m_widestOf;
    mutable QList<QPair<QFont, QHash<QString, int>>> m_measured;
    mutable QFont m_measuredFont; // the view's font when they were measured
};

WholeColumns* KeepColumnsWhole(QTableView* view);
// A table in a dialog sized for its given widths: asks for room for all its columns as they are
// drawn (within the screen's available width), so the dialog's layout grows to show them.
void AskRoomForColumns(QTableView* view);
