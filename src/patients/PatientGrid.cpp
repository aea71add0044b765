#include "patients/PatientGrid.h"

#include "platform/db/Recordset.h"
#include "platform/text/Twips.h"
#include "platform/ui/FlexGrid.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHash>
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

// Cells of the grid, header row included. Either every cell is kept as its text (a grid filled
// cell by cell), or the rows are read from a bound result as they are shown, with the cells
// written since kept apart: a list of hundreds of thousands of rows is not held twice. Colours
// are kept by row (a list colours whole rows), with the cells given their own beside them.
class PatientGridModel : public QAbstractTableModel {
public:
    int rows = 2, cols = 2;
    QVector<QString> text{4};          // every cell; only the header row while bound
    bool bound = false;
    Recordset source;                  // while bound: row r of the grid is its record r - 1, column c its field c - 1
    int sourceRows = 0;                // the rows still read from it (a row given up and taken again is empty)
    QHash<qint64, QString> written;    // while bound: cells written since
    QVector<qint64> rowFore{QVector<qint64>(2, -1)}, rowBack{QVector<qint64>(2, -1)}; // columns 1 onward
    QHash<qint64, qint64> cellFore, cellBack;
    bool frozen = false, dirty = false;

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows - 1; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : cols; }

    qint64 at(int r, int c) const { return qint64(r) * cols + c; }
    bool valid(int r, int c) const { return r >= 0 && r < rows && c >= 0 && c < cols; }

    QString cell(int r, int c) const
    {
        if (!bound || r == 0) return text[at(r, c)];
        if (!written.isEmpty()) {
            auto it = written.constFind(at(r, c));
            if (it != written.constEnd()) return it.value();
        }
        if (c < 1 || c > source.fieldCount() || r > sourceRows) return {};
        return DbValue::text(source.valueAt(r - 1, c - 1));
    }
    void setCell(int r, int c, const QString& t)
    {
        if (!bound || r == 0) text[at(r, c)] = t;
        else written.insert(at(r, c), t);
    }
    qint64 colour(const QVector<qint64>& byRow, const QHash<qint64, qint64>& byCell, int r, int c) const
    {
        if (!byCell.isEmpty()) {
            auto it = byCell.constFind(at(r, c));
            if (it != byCell.constEnd()) return it.value();
        }
        return c >= 1 ? byRow[r] : -1;
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const int r = index.row() + 1, c = index.column();
        switch (role) {
        case Qt::DisplayRole: return cell(r, c);
        case Qt::ForegroundRole: {
            const qint64 fore = colour(rowFore, cellFore, r, c);
            return fore < 0 ? QVariant() : QVariant(VbColor(fore));
        }
        case Qt::BackgroundRole: {
            const qint64 back = colour(rowBack, cellBack, r, c);
            return back < 0 ? QVariant() : QVariant(VbColor(back));
        }
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
        if (bound && newCols != cols) unbind();
        auto keep = [&](auto& byCell) {
            if (byCell.isEmpty()) return;
            std::remove_reference_t<decltype(byCell)> kept;
            for (auto it = byCell.cbegin(); it != byCell.cend(); ++it) {
                const int r = int(it.key() / cols), c = int(it.key() % cols);
                if (r < newRows && c < newCols) kept.insert(qint64(r) * newCols + c, it.value());
            }
            byCell = std::move(kept);
        };
        keep(cellFore);
        keep(cellBack);
        if (bound) {
            keep(written);
            sourceRows = qMin(sourceRows, newRows - 1);
        } else {
            QVector<QString> t(qsizetype(newRows) * newCols);
            const int keepR = qMin(rows, newRows), keepC = qMin(cols, newCols);
            for (int r = 0; r < keepR; ++r)
                for (int c = 0; c < keepC; ++c) t[qsizetype(r) * newCols + c] = std::move(text[at(r, c)]);
            text = std::move(t);
        }
        begin();
        rowFore.resize(newRows, -1);
        rowBack.resize(newRows, -1);
        rows = newRows;
        cols = newCols;
        end();
    }
    // Every cell as its own text again.
    void unbind()
    {
        QVector<QString> t(qsizetype(rows) * cols);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) t[at(r, c)] = cell(r, c);
        text = std::move(t);
        bound = false;
        source = Recordset();
        sourceRows = 0;
        written.clear();
    }
    // Binds the rows of a result, keeping the header's captions; no colours.
    void bindRows(const Recordset& rs)
    {
        const int newCols = rs.fieldCount() + 1;
        QVector<QString> header(newCols);
        for (int c = 0; c < newCols && c < cols; ++c) header[c] = text[c];
        begin();
        bound = true;
        source = rs;
        sourceRows = rs.recordCount();
        written.clear();
        text = std::move(header);
        rows = rs.recordCount() + 1;
        cols = newCols;
        clearColours();
        end();
    }
    // Empties every cell and its colours.
    void clearCells()
    {
        begin();
        if (bound) {
            source = Recordset();
            sourceRows = 0;
            written.clear();
            for (int c = 0; c < cols; ++c) text[c].clear();
        } else {
            std::fill(text.begin(), text.end(), QString());
        }
        clearColours();
        end();
    }
    void clearColours()
    {
        rowFore = QVector<qint64>(rows, -1);
        rowBack = QVector<qint64>(rows, -1);
        cellFore.clear();
        cellBack.clear();
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
    void rowChanged(int r)
    {
        if (frozen) { dirty = true; return; }
        if (r > 0) Q_EMIT dataChanged(index(r - 1, 0), index(r - 1, cols - 1));
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
    return m_model->valid(row, col) ? m_model->cell(row, col) : QString();
}

void PatientGrid::setTextMatrix(int row, int col, const QString& text)
{
    if (!m_model->valid(row, col)) return;
    m_model->setCell(row, col, text);
    m_model->cellChanged(row, col);
    widenFor(row, col);
}

qint64 PatientGrid::CellForeColor(int row, int col) const
{
    return m_model->valid(row, col) ? m_model->colour(m_model->rowFore, m_model->cellFore, row, col) : -1;
}

void PatientGrid::setCellForeColor(int row, int col, qint64 colour)
{
    if (!m_model->valid(row, col)) return;
    m_model->cellFore.insert(m_model->at(row, col), colour);
    m_model->cellChanged(row, col);
}

qint64 PatientGrid::CellBackColor(int row, int col) const
{
    return m_model->valid(row, col) ? m_model->colour(m_model->rowBack, m_model->cellBack, row, col) : -1;
}

void PatientGrid::setCellBackColor(int row, int col, qint64 colour)
{
    if (!m_model->valid(row, col)) return;
    m_model->cellBack.insert(m_model->at(row, col), colour);
    m_model->cellChanged(row, col);
}

void PatientGrid::setRowColours(int row, qint64 fore, qint64 back)
{
    if (!m_model->valid(row, 0)) return;
    m_model->rowFore[row] = fore;
    m_model->rowBack[row] = back;
    for (int c = 1; c < Cols() && !(m_model->cellFore.isEmpty() && m_model->cellBack.isEmpty()); ++c) {
        m_model->cellFore.remove(m_model->at(row, c));
        m_model->cellBack.remove(m_model->at(row, c));
    }
    m_model->rowChanged(row);
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
    m_model->clearCells();
    syncView();
}

void PatientGrid::bind(const Recordset& rs)
{
    m_model->bindRows(rs);
    const int newCols = Cols();
    m_widths.resize(newCols);
    for (int c = 0; c < newCols; ++c) {
        if (m_widths[c] == 0) m_widths[c] = 960;
        const bool hide = m_widths[c] <= kTwipsPerPixel;
        setColumnHidden(c, hide);
        if (!hide) setColumnWidth(c, qMax(TwipsToPixels(m_widths[c]), qMax(measuredWidth(c), horizontalHeader()->sectionSizeHint(c))));
    }
    m_row = Rows() > 1 ? 1 : 0;
    syncView();
}

// The width the first rows of a column need (as many as the view measures to fit a column).
// Texts alike but for their digits are measured once, with a pixel or two to spare: the digits of
// the lists' fonts are of one width, and a list repeats its shapes (numbers, dates, names).
int PatientGrid::measuredWidth(int col) const
{
    constexpr int kRowsMeasured = 1000, kDigitSlack = 2;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    QHash<QString, int> byShape;
    int needed = 0;
    const int rows = qMin(Rows() - 1, kRowsMeasured);
    for (int r = 0; r < rows; ++r) {
        QString shape = m_model->cell(r + 1, col);
        bool digits = false;
        for (QChar& ch : shape)
            if (ch >= u'1' && ch <= u'9') {
                ch = u'0';
                digits = true;
            }
        auto it = byShape.constFind(shape);
        if (it == byShape.constEnd())
            it = byShape.insert(shape, itemDelegate()->sizeHint(option, m_model->index(r, col)).width());
        needed = qMax(needed, it.value() + (digits ? kDigitSlack : 0));
    }
    return showGrid() ? needed + 1 : needed;
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
