#pragma once
#include <QTableView>
#include <QVector>

class Recordset;
class PatientGridModel;

// A colour as the windows give it: &HBBGGRR (blue in the high byte), or a system colour
// &H800000nn. -1 means the grid's default.
QColor VbColor(qint64 value);
constexpr qint64 vbWindowText = 0x80000008;

// The list grid of the patient windows, counted the way a flexible grid counts: row 0 is the
// fixed header row and column 0 the fixed (hidden) column; Rows and Cols include them. Texts and
// colours are kept per cell; a whole result can be bound at once.
class PatientGrid : public QTableView {
    Q_OBJECT
public:
    explicit PatientGrid(QWidget* parent = nullptr);

    int Rows() const;
    void setRows(int rows);
    int Cols() const;
    void setCols(int cols);
    // "  |<Hospital #|<ADM. Num." and so on: the header captions, '<' for left-aligned.
    void setFormatString(const QString& format);
    // Widths in twips; a column of one twip is hidden. A column is drawn wider than its width where
    // its values or caption would be cut (ColWidth still answers the width given).
    void setColWidth(int col, int twips);
    int ColWidth(int col) const;

    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    qint64 CellForeColor(int row, int col) const;
    void setCellForeColor(int row, int col, qint64 colour);
    qint64 CellBackColor(int row, int col) const;
    void setCellBackColor(int row, int col, qint64 colour);
    // The text and background colour of a whole row, columns 1 onward (the cells' own go).
    void setRowColours(int row, qint64 fore, qint64 back);
    // Text colour of the highlighted row (-1: the cells' own colours are not kept).
    qint64 ForeColorSel() const { return m_foreColorSel; }
    void setForeColorSel(qint64 colour);

    // The current cell. Setting it moves the highlight; it runs no handler of the window.
    int Row() const { return m_row; }
    void setRow(int row);
    int Col() const { return m_col; }
    void setCol(int col) { m_col = col; }
    int TopRow() const;
    void setTopRow(int row);
    // The data row under a point of the grid (0 when none).
    int dataRowAt(const QPoint& pos) const;

    // Drawing off while a list is rebuilt; on again shows everything at once.
    void setRedraw(bool on);
    bool Redraw() const { return m_redraw; }
    // Empties every cell and its colours; the rows and columns stay.
    void Clear();
    // The result's fields fill columns 1 onward, its records rows 1 onward; the header row keeps
    // its captions. Dates are shown as the result gives them. The grid keeps the result and reads
    // its rows as they are shown.
    void bind(const Recordset& rs);

Q_SIGNALS:
    void Click();
    void DblClick();
    // The user moved the current cell (click or keys).
    void RowColChange();
    void EnterPressed();
    void RightButtonDown(const QPoint& globalPos, int rowUnderPointer);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void syncView();
    void widenFor(int row, int col);
    int measuredWidth(int col) const;
    PatientGridModel* m_model;
    QVector<int> m_widths;
    int m_row = 0, m_col = 0;
    bool m_redraw = true;
    bool m_moving = false;
    qint64 m_foreColorSel = -1;
    bool m_pressOnGrid = false;
};
