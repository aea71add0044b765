#pragma once
#include <QFont>
#include <QString>
#include <QTableWidget>
#include <memory>

class WholeColumns;

// The windows' flexible grid, addressed as the windows address it: row 0 is the fixed header row
// and column 0 the fixed leading column, both counted in Rows and Cols; TextMatrix reads and
// writes any cell. A cell outside the grid, or removing the last data row, is an error
// (std::out_of_range, std::logic_error), so a caller's mistake never passes silently.
class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    // A grid filled between setUpdatesEnabled(false) and (true) fits its columns to their values
    // once, at the end, instead of after every cell written.
    void setUpdatesEnabled(bool enable);
    explicit FlexGrid(QWidget* parent = nullptr);

    int Rows() const { return rowCount(); }
    void setRows(int rows);
    int Cols() const { return columnCount(); }
    void setCols(int cols);
    int FixedRows() const { return m_fixedRows; }
    void setFixedRows(int rows);
    int FixedCols() const { return m_fixedCols; }
    void setFixedCols(int cols);

    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    // Appends a row; its cells from the text, split at tabs, from column 0.
    void AddItem(const QString& tabSeparated = QString());
    // Removes a data row; the fixed rows and the last data row cannot be removed.
    void RemoveItem(int row);

    // "<" left, "^" centre, ">" right before each caption; "|" between columns. Sets Cols and
    // the header row.
    void setFormatString(const QString& format);
    // Widths in twips, as the windows give them (15 twips a pixel). A column is drawn wider when
    // its caption or a value needs it; ColWidth answers the width given.
    void setColWidth(int col, int twips);
    int ColWidth(int col) const;

private:
    void checkCell(int row, int col) const;
    void styleCell(int row, int col, QTableWidgetItem* it);
    void styleFixed();
    // The font, bold or not.
    const QFont& boldOrPlain(const QFont& font, bool bold);
    // An empty cell styled as a new one at the place is.
    const QTableWidgetItem& styledCell(int row, int col);

    int m_fixedRows = 1;
    int m_fixedCols = 1;
    WholeColumns* m_columns;
    QFont m_styledFrom, m_plain, m_bold; // the last font styled, and its plain and bold forms
    bool m_styled = false;
    std::unique_ptr<QTableWidgetItem> m_styledCells[3];
    QPair<QBrush, QFont> m_styledWith; // the colour of fixed cells and the default font they were styled with
};

class QTableView;
// The width in pixels a column of the grid needs to show its caption and values whole (the rows
// the view measures), never less than the width given.
int WholeColumnWidth(const QTableView* grid, int col, int givenPixels);
