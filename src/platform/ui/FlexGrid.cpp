#include "platform/text/Twips.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/WholeColumns.h"

#include <QHeaderView>
#include <algorithm>
#include <stdexcept>

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent), m_columns(KeepColumnsWhole(this))
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setRowCount(2);
    setColumnCount(2);
    styleFixed();
}

void FlexGrid::setRows(int rows)
{
    if (rows < m_fixedRows) throw std::out_of_range("Invalid Rows value");
    setRowCount(rows);
}

void FlexGrid::setCols(int cols)
{
    if (cols < m_fixedCols) throw std::out_of_range("Invalid Cols value");
    setColumnCount(cols);
}

void FlexGrid::setFixedRows(int rows)
{
    if (rows < 0 || rows > rowCount()) throw std::out_of_range("Invalid FixedRows value");
    m_fixedRows = rows;
    styleFixed();
}

void FlexGrid::setFixedCols(int cols)
{
    if (cols < 0 || cols > columnCount()) throw std::out_of_range("Invalid FixedCols value");
    m_fixedCols = cols;
    styleFixed();
}

void FlexGrid::checkCell(int row, int col) const
{
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount())
        throw std::out_of_range("Subscript out of range");
}

QString FlexGrid::TextMatrix(int row, int col) const
{
    checkCell(row, col);
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}

void FlexGrid::setUpdatesEnabled(bool enable)
{
    m_columns->deferWhileFilling(!enable);
    QTableWidget::setUpdatesEnabled(enable);
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text)
{
    checkCell(row, col);
    QTableWidgetItem* it = item(row, col);
    if (it) return it->setText(text);
    // a new cell is a copy of a styled one of its kind, written before it joins the grid: the
    // grid hears of it once
    it = styledCell(row, col).clone();
    it->setText(text);
    setItem(row, col, it);
}

void FlexGrid::AddItem(const QString& tabSeparated)
{
    const int row = rowCount();
    setRowCount(row + 1);
    if (tabSeparated.isEmpty()) return;
    const QStringList cells = tabSeparated.split(QLatin1Char('\t'));
    for (int c = 0; c < cells.size() && c < columnCount(); ++c) setTextMatrix(row, c, cells[c]);
}

void FlexGrid::RemoveItem(int row)
{
    if (row < m_fixedRows || row >= rowCount()) throw std::out_of_range("Subscript out of range");
    if (rowCount() - m_fixedRows <= 1) throw std::logic_error("Cannot remove last non-fixed row");
    removeRow(row);
}

void FlexGrid::setFormatString(const QString& format)
{
    const QStringList parts = format.section(QLatin1Char(';'), 0, 0).split(QLatin1Char('|'));
    setCols(qMax<int>(parts.size(), m_fixedCols));
    for (int c = 0; c < parts.size(); ++c) {
        QString caption = parts[c];
        Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
        if (!caption.isEmpty()) {
            const QChar a = caption.front();
            if (a == QLatin1Char('<') || a == QLatin1Char('^') || a == QLatin1Char('>')) {
                align = (a == QLatin1Char('<') ? Qt::AlignLeft : a == QLatin1Char('^') ? Qt::AlignHCenter : Qt::AlignRight)
                        | Qt::AlignVCenter;
                caption = caption.mid(1);
            }
        }
        if (m_fixedRows > 0) {
            setTextMatrix(0, c, caption);
            item(0, c)->setTextAlignment(align);
        }
    }
}

void FlexGrid::setColWidth(int col, int twips)
{
    checkCell(0, col);
    setColumnWidth(col, qMax(0, TwipsToPixels(twips)));
}

int FlexGrid::ColWidth(int col) const
{
    checkCell(0, col);
    return PixelsToTwips(m_columns->givenWidth(col));
}

// Fixed cells look like a header: the button colour and bold text.
void FlexGrid::styleCell(int row, int col, QTableWidgetItem* it)
{
    const bool fixed = row < m_fixedRows || col < m_fixedCols;
    it->setBackground(fixed ? palette().button() : QBrush());
    it->setFont(boldOrPlain(it->font(), row < m_fixedRows));
}

const QTableWidgetItem& FlexGrid::styledCell(int row, int col)
{
    // a list writes thousands of cells of three kinds (header row, fixed column, data): each kind
    // is styled once, again when the grid's colours or the default font change
    const int kind = row < m_fixedRows ? 0 : col < m_fixedCols ? 1 : 2;
    const QFont font;
    if (!(m_styledWith.first == palette().button()) || !(m_styledWith.second == font)
        || m_styledWith.second.resolveMask() != font.resolveMask()) {
        for (auto& cell : m_styledCells) cell.reset();
        m_styledWith = {palette().button(), font};
    }
    std::unique_ptr<QTableWidgetItem>& cell = m_styledCells[kind];
    if (!cell) {
        cell = std::make_unique<QTableWidgetItem>(QString());
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        styleCell(row, col, cell.get());
    }
    return *cell;
}

const QFont& FlexGrid::boldOrPlain(const QFont& font, bool bold)
{
    // a list styles thousands of cells, nearly all from one font: its two forms are made once
    if (!(font == m_styledFrom) || font.resolveMask() != m_styledFrom.resolveMask() || !m_styled) {
        m_styledFrom = font;
        m_plain = font;
        m_plain.setBold(false);
        m_bold = font;
        m_bold.setBold(true);
        m_styled = true;
    }
    return bold ? m_bold : m_plain;
}

void FlexGrid::styleFixed()
{
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (QTableWidgetItem* it = item(r, c)) styleCell(r, c, it);
}

int WholeColumnWidth(const QTableView* grid, int col, int givenPixels)
{
    const auto* view = static_cast<const QAbstractItemView*>(grid); // the measure is public there
    return std::max({givenPixels, view->sizeHintForColumn(col), grid->horizontalHeader()->sectionSizeHint(col)});
}
