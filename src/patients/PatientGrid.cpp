#include "patients/PatientGrid.h"

#include "platform/db/Recordset.h"
#include "platform/text/Twips.h"
#include "platform/ui/FlexGrid.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QScrollBar>
#include <QStyledItemDelegate>

QColor VbColor(qint64 value)
{
    if (value < 0) return {};
    if (value & 0x80000000) {
        const QPalette pal = QApplication::palette();
        switch (value & 0xFF) {
        case 5: return pal.color(QPalette::Base);
        case 8: return pal.color(QPalette::Text);
        case 0x0D: return pal.color(QPalette::Highlight);
        case 0x0E: return pal.color(QPalette::HighlightedText);
        case 0x0F: return pal.color(QPalette::Button);
        case 0x12: return pal.color(QPalette::ButtonText);
        default: return pal.color(QPalette::WindowText);
        }
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

// Cells of the grid, header row included, in one flat table.
class PatientGridModel : public QAbstractTableModel {
public:
    int rows = 2, cols = 2;
    QVector<QString> text{4};
    QVector<qint64> fore{QVector<qint64>(4, -1)}, back{QVector<qint64>(4, -1)};
    bool frozen = false, dirty = false;

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows - 1; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : cols; }

    int at(int r, int c) const { return r * cols + c; }
    bool valid(int r, int c) const { return r >= 0 && r < rows && c >= 0 && c < cols; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const int i = at(index.row() + 1, index.column());
        switch (role) {
        case Qt::DisplayRole: return text[i];
        case Qt::ForegroundRole: return fore[i] < 0 ? QVariant() : QVariant(VbColor(fore[i]));
        case Qt::BackgroundRole: return back[i] < 0 ? QVariant() : QVariant(VbColor(back[i]));
        case Qt::TextAlignmentRole: return int(Qt::AlignLeft | Qt::AlignVCenter);
        default: return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (o != Qt::Horizontal || section < 0 || section >= cols) return {};
        if (role == Qt::DisplayRole) return text[section];
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
        return {};
    }

    // Changes the shape, keeping what fits.
    void reshape(int newRows, int newCols)
    {
        newRows = qMax(newRows, 1);
        newCols = qMax(newCols, 1);
        if (newRows == rows && newCols == cols) return;
        QVector<QString> t(newRows * newCols);
        QVector<qint64> f(newRows * newCols, -1), b(newRows * newCols, -1);
        const int keepR = qMin(rows, newRows), keepC = qMin(cols, newCols);
        for (int r = 0; r < keepR; ++r)
            for (int c = 0; c < keepC; ++c) {
                t[r * newCols + c] = std::move(text[at(r, c)]);
                f[r * newCols + c] = fore[at(r, c)];
                b[r * newCols + c] = back[at(r, c)];
            }
        begin();
        rows = newRows;
        cols = newCols;
        text = std::move(t);
        fore = std::move(f);
        back = std::move(b);
        end();
    }
    void begin() { if (!frozen) beginResetModel(); }
    void end()
    {
        if (frozen) dirty = true;
        else endResetModel();
    }
    void cellChanged(int r, int c)
    {
        if (frozen) { dirty = true; return; }
        if (r == 0) Q_EMIT headerDataChanged(Qt::Horizontal, c, c);
        else Q_EMIT dataChanged(index(r - 1, c), index(r - 1, c));
    }
    void thaw()
    {
        frozen = false;
        if (dirty) {
            dirty = false;
            beginResetModel();
            endResetModel();
        }
    }
};

namespace {
// The highlighted row takes the grid's selection text colour when one is set; no focus rectangle.
class GridDelegate : public QStyledItemDelegate {
public:
    GridDelegate(PatientGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
        if ((option->state & QStyle::State_Selected) && m_grid->ForeColorSel() >= 0)
            option->palette.setColor(QPalette::HighlightedText, VbColor(m_grid->ForeColorSel()));
    }

private:
    PatientGrid* m_grid;
};
}

PatientGrid::PatientGrid(QWidget* parent) : QTableView(parent), m_model(new PatientGridModel)
{
    m_model->setParent(this);
    setModel(m_model);
    setItemDelegate(new GridDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setAlternatingRowColors(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(17);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setMinimumSectionSize(0);
    // The small type of the station's grids, so that the columns' widths hold their texts.
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);
    horizontalHeader()->setFont(small);
    setStyleSheet(QStringLiteral("QTableView::item { padding: 0px 1px; }"));
    // A pale highlight, so that the blue and red rows stay readable when chosen.
    QPalette pal = palette();
    pal.setColor(QPalette::Highlight, QColor(0xFF, 0xF2, 0xB3));
    pal.setColor(QPalette::HighlightedText, pal.color(QPalette::Text));
    setPalette(pal);
    m_widths = {15, 15};
}

int PatientGrid::Rows() const { return m_model->rows; }
int PatientGrid::Cols() const { return m_model->cols; }

void PatientGrid::setRows(int rows)
{
    m_model->reshape(rows, m_model->cols);
    if (m_row >= Rows()) m_row = Rows() - 1;
    syncView();
}

void PatientGrid::setCols(int cols)
{
    m_model->reshape(m_model->rows, cols);
    m_widths.resize(Cols());
    for (int& w : m_widths)
        if (w == 0) w = 960;
    for (int c = 0; c < Cols(); ++c) setColWidth(c, m_widths[c]);
    syncView();
}

void PatientGrid::setFormatString(const QString& format)
{
    const QStringList parts = format.split(QLatin1Char('|'));
    if (parts.size() > Cols()) setCols(int(parts.size()));
    for (int c = 0; c < parts.size(); ++c) {
        QString caption = parts[c];
        if (caption.startsWith(QLatin1Char('<')) || caption.startsWith(QLatin1Char('^')) || caption.startsWith(QLatin1Char('>')))
            caption.remove(0, 1);
        setTextMatrix(0, c, caption);
        // the caption's length gives the column's first width, as the layout string does
        setColWidth(c, qMax(15, int(caption.size()) * 120));
    }
}

void PatientGrid::setColWidth(int col, int twips)
{
    if (col < 0) return;
    if (col >= m_widths.size()) m_widths.resize(col + 1);
    m_widths[col] = twips;
    if (col >= Cols()) return;
    const bool hide = twips <= kTwipsPerPixel;
    setColumnHidden(col, hide);
    if (!hide) setColumnWidth(col, WholeColumnWidth(this, col, TwipsToPixels(twips)));
}

// A value written into a cell widens its column when the given width cannot show it whole.
void PatientGrid::widenFor(int row, int col)
{
    if (col < 0 || col >= Cols() || isColumnHidden(col)) return;
    int needed = 0;
    if (row == 0) {
        needed = horizontalHeader()->sectionSizeHint(col);
    } else {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        needed = itemDelegate()->sizeHint(option, m_model->index(row - 1, col)).width();
    }
    if (needed > columnWidth(col)) setColumnWidth(col, needed);
}

int PatientGrid::ColWidth(int col) const { return col >= 0 && col < m_widths.size() ? m_widths[col] : 0; }

QString PatientGrid::TextMatrix(int row, int col) const
{
    return m_model->valid(row, col) ? m_model->text[m_model->at(row, col)] : QString();
}

void PatientGrid::setTextMatrix(int row, int col, const QString& text)
{
    if (!m_model->valid(row, col)) return;
    m_model->text[m_model->at(row, col)] = text;
    m_model->cellChanged(row, col);
    widenFor(row, col);
}

qint64 PatientGrid::CellForeColor(int row, int col) const
{
    return m_model->valid(row, col) ? m_model->fore[m_model->at(row, col)] : -1;
}

void PatientGrid::setCellForeColor(int row, int col, qint64 colour)
{
    if (!m_model->valid(row, col)) return;
    m_model->fore[m_model->at(row, col)] = colour;
    m_model->cellChanged(row, col);
}

qint64 PatientGrid::CellBackColor(int row, int col) const
{
    return m_model->valid(row, col) ? m_model->back[m_model->at(row, col)] : -1;
}

void PatientGrid::setCellBackColor(int row, int col, qint64 colour)
{
    if (!m_model->valid(row, col)) return;
    m_model->back[m_model->at(row, col)] = colour;
    m_model->cellChanged(row, col);
}

void PatientGrid::setForeColorSel(qint64 colour)
{
    m_foreColorSel = colour;
    viewport()->update();
}

void PatientGrid::setRow(int row)
{
    if (row < 0 || row >= Rows()) return;
    m_row = row;
    syncView();
}

int PatientGrid::TopRow() const
{
    const int r = QTableView::rowAt(0);
    return r < 0 ? 1 : r + 1;
}

void PatientGrid::setTopRow(int row)
{
    if (row < 1 || row >= Rows()) return;
    verticalScrollBar()->setValue(row - 1);
}

int PatientGrid::dataRowAt(const QPoint& pos) const
{
    const int r = QTableView::rowAt(pos.y());
    return r < 0 ? 0 : r + 1;
}

void PatientGrid::setRedraw(bool on)
{
    m_redraw = on;
    if (on) {
        m_model->thaw();
        syncView();
        setUpdatesEnabled(true);
    } else {
        m_model->frozen = true;
        setUpdatesEnabled(false);
    }
}

void PatientGrid::Clear()
{
    m_model->begin();
    std::fill(m_model->text.begin(), m_model->text.end(), QString());
    std::fill(m_model->fore.begin(), m_model->fore.end(), qint64(-1));
    std::fill(m_model->back.begin(), m_model->back.end(), qint64(-1));
    m_model->end();
    syncView();
}

void PatientGrid::bind(const Recordset& rs)
{
    const int records = rs.recordCount(), fields = rs.fieldCount();
    const int newCols = fields + 1, newRows = records + 1;
    QVector<QString> header(newCols);
    for (int c = 0; c < newCols; ++c) header[c] = TextMatrix(0, c);
    QVector<QString> t(newRows * newCols);
    for (int c = 0; c < newCols; ++c) t[c] = header[c];
    for (int r = 0; r < records; ++r) {
        QString* row = t.data() + (r + 1) * newCols + 1;
        for (int f = 0; f < fields; ++f) row[f] = DbValue::text(rs.valueAt(r, f));
    }
    m_model->begin();
    m_model->rows = newRows;
    m_model->cols = newCols;
    m_model->text = std::move(t);
    m_model->fore = QVector<qint64>(newRows * newCols, -1);
    m_model->back = QVector<qint64>(newRows * newCols, -1);
    m_model->end();
    m_widths.resize(newCols);
    for (int c = 0; c < newCols; ++c) setColWidth(c, m_widths[c] == 0 ? 960 : m_widths[c]);
    m_row = newRows > 1 ? 1 : 0;
    syncView();
}

// Puts the view's highlight on the current row without reporting a move.
void PatientGrid::syncView()
{
    if (m_model->frozen) return;
    m_moving = true;
    if (m_row >= 1 && m_row < Rows()) {
        const QModelIndex idx = m_model->index(m_row - 1, qBound(0, m_col, Cols() - 1));
        selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        selectionModel()->clearSelection();
    }
    m_moving = false;
}

void PatientGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (m_moving || !current.isValid()) return;
    const int row = current.row() + 1, col = current.column();
    if (row == m_row && col == m_col) return;
    m_row = row;
    m_col = col;
    Q_EMIT RowColChange();
}

void PatientGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        Q_EMIT RightButtonDown(event->globalPosition().toPoint(), dataRowAt(event->position().toPoint()));
        return;
    }
    m_pressOnGrid = true;
    QTableView::mousePressEvent(event);
}

void PatientGrid::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && m_pressOnGrid) {
        m_pressOnGrid = false;
        Q_EMIT Click();
    }
}

void PatientGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    m_pressOnGrid = false; // the second press of a double-click is no new click
    Q_EMIT DblClick();
}

void PatientGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT EnterPressed();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool PatientGrid::focusNextPrevChild(bool next)
{
    // A grid disabled while it has the focus gives the focus up instead of passing it on: the
    // next control could be a search box, whose entry empties the other boxes.
    if (!isEnabled()) return false;
    return QTableView::focusNextPrevChild(next);
}
