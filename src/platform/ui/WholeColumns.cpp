#include "platform/ui/WholeColumns.h"

#include <QAbstractItemDelegate>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <algorithm>
#include <utility>

namespace {
// A column this narrow is one the window hides.
constexpr int kHiddenWidth = 1;
// What a cell adds around its text (the delegate's margins, the grid line), with room to spare.
constexpr int kTextMargins = 16;
// Pixels added to a width measured for another text alike but for its digits.
constexpr int kDigitSlack = 2;
// Rows measured when a whole column is fitted (what Qt measures to size a column).
constexpr int kRowsMeasured = 1000;
}

WholeColumns::WholeColumns(QTableView* view) : QObject(view), m_view(view)
{
    QHeaderView* header = view->horizontalHeader();
    connect(header, &QHeaderView::sectionResized, this, [this](int col, int, int size) {
        if (m_widening || col < 0) return;
        if (col >= m_given.size()) m_given.resize(col + 1, -1);
        m_given[col] = size;
        fitColumn(col); // a width given after the values were written must still show them
    });
    attachModel();
}

void WholeColumns::attachModel()
{
    QAbstractItemModel* model = m_view->model();
    if (!model) return;
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
                // a colour or an alignment changes no width
                if (roles.isEmpty() || roles.contains(Qt::DisplayRole) || roles.contains(Qt::FontRole)) fitCells(topLeft, bottomRight);
            });
    connect(model, &QAbstractItemModel::headerDataChanged, this, [this](Qt::Orientation o, int first, int last) {
        if (o != Qt::Horizontal || m_view->horizontalHeader()->isHidden()) return;
        for (int c = first; c <= last; ++c) widen(c, m_view->horizontalHeader()->sectionSizeHint(c));
    });
    connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex& parent, int first, int last) {
        QAbstractItemModel* m = m_view->model();
        if (parent.isValid() || m->columnCount() == 0) return;
        fitCells(m->index(first, 0), m->index(last, m->columnCount() - 1));
    });
}

int WholeColumns::givenWidth(int col) const
{
    return col >= 0 && col < m_given.size() && m_given[col] >= 0 ? m_given[col] : m_view->columnWidth(col);
}

int WholeColumns::cellWidth(const QModelIndex& index, int width) const
{
    const QVariant value = index.data(Qt::DisplayRole);
    if (!value.isValid()) return 0;
    const QString text = value.toString();
    const QVariant cellFont = index.data(Qt::FontRole);
    const QFont& font = cellFont.typeId() == QMetaType::QFont ? *static_cast<const QFont*>(cellFont.constData()) : m_view->font();
    // Measuring a cell lays its text out; a text that fits even at the font's widest character
    // needs no measuring.
    if (m_widest < 0 || m_widestOf != font) {
        m_widestOf = font;
        m_widest = QFontMetrics(font).maxWidth();
    }
    if (int(text.size()) * m_widest + kTextMargins <= width) return 0;
    // an icon or a check box adds to the text: such a cell is measured as it is
    const bool plain = !index.data(Qt::DecorationRole).isValid() && !index.data(Qt::CheckStateRole).isValid();
    // A list repeats its texts (the same item, the same date): each is laid out once in each font.
    // Digits are of one width in the fonts a list uses, so texts alike but for their digits
    // (dates, numbers, slip numbers) share one measurement, with a pixel or two to spare.
    QString key = text;
    bool digits = false;
    for (QChar& ch : key)
        if (ch >= u'1' && ch <= u'9') {
            ch = u'0';
            digits = true;
        }
    const int slack = digits ? kDigitSlack : 0;
    if (!plain) return measure(index) + slack;
    if (m_measuredFont != m_view->font()) { // the view's font changed: every width measured is stale
        m_measured.clear();
        m_measuredFont = m_view->font();
    }
    QHash<QString, int>* inFont = nullptr;
    for (auto& [f, widths] : m_measured) // what a cell's font leaves unset comes from the view's: that counts too
        if (f == font && f.resolveMask() == font.resolveMask()) inFont = &widths;
    if (!inFont) {
        if (m_measured.size() >= 8) m_measured.clear();
        m_measured.append({font, {}});
        inFont = &m_measured.last().second;
    }
    auto it = inFont->constFind(key);
    if (it != inFont->constEnd()) return it.value() + slack;
    const int measured = measure(index);
    if (inFont->size() > 5000) inFont->clear();
    inFont->insert(key, measured);
    return measured + slack;
}

int WholeColumns::measure(const QModelIndex& index) const
{
    QStyleOptionViewItem option;
    option.initFrom(m_view);
    option.font = m_view->font();
    option.widget = m_view;
    option.features = QStyleOptionViewItem::HasDisplay;
    // the text margins plus one pixel, so that the text is never elided at the edge
    return m_view->itemDelegateForIndex(index)->sizeHint(option, index).width() + 1;
}

void WholeColumns::widen(int col, int needed)
{
    if (m_view->isColumnHidden(col) || m_view->columnWidth(col) <= kHiddenWidth) return;
    if (needed <= m_view->columnWidth(col)) return;
    m_widening = true;
    m_view->setColumnWidth(col, needed);
    m_widening = false;
}

void WholeColumns::deferWhileFilling(bool filling)
{
    if (filling == m_filling) return;
    m_filling = filling;
    if (filling) return;
    QAbstractItemModel* model = m_view->model();
    const QList<QPair<int, int>> dirty = std::exchange(m_dirtyRows, {});
    if (!model) return;
    for (int c = 0; c < dirty.size() && c < model->columnCount(); ++c) {
        const int last = std::min(dirty[c].second, model->rowCount() - 1);
        if (dirty[c].first >= 0 && dirty[c].first <= last) fitCells(model->index(dirty[c].first, c), model->index(last, c));
    }
}

void WholeColumns::fitCells(const QModelIndex& topLeft, const QModelIndex& bottomRight)
{
    QAbstractItemModel* model = m_view->model();
    if (!model || !topLeft.isValid() || !bottomRight.isValid()) return;
    if (m_filling) {
        if (m_dirtyRows.size() <= bottomRight.column()) m_dirtyRows.resize(bottomRight.column() + 1, {-1, -1});
        for (int c = topLeft.column(); c <= bottomRight.column(); ++c) {
            QPair<int, int>& d = m_dirtyRows[c];
            d.first = d.first < 0 ? topLeft.row() : std::min(d.first, topLeft.row());
            d.second = std::max(d.second, bottomRight.row());
        }
        return;
    }
    for (int c = topLeft.column(); c <= bottomRight.column(); ++c) {
        if (m_view->isColumnHidden(c) || m_view->columnWidth(c) <= kHiddenWidth) continue;
        int needed = 0;
        const int given = m_view->columnWidth(c);
        for (int r = topLeft.row(); r <= bottomRight.row(); ++r)
            needed = std::max(needed, cellWidth(model->index(r, c), std::max(needed, given)));
        widen(c, needed);
    }
}

void WholeColumns::fitColumn(int col)
{
    QAbstractItemModel* model = m_view->model();
    if (!model || col < 0 || col >= model->columnCount()) return;
    if (m_view->isColumnHidden(col) || m_view->columnWidth(col) <= kHiddenWidth) return;
    int needed = m_view->horizontalHeader()->isHidden() ? 0 : m_view->horizontalHeader()->sectionSizeHint(col);
    const int rows = std::min(model->rowCount(), kRowsMeasured);
    const int given = m_view->columnWidth(col);
    for (int r = 0; r < rows; ++r) needed = std::max(needed, cellWidth(model->index(r, col), std::max(needed, given)));
    widen(col, needed);
}

WholeColumns* KeepColumnsWhole(QTableView* view)
{
    if (auto* existing = view->findChild<WholeColumns*>(QString(), Qt::FindDirectChildrenOnly)) return existing;
    return new WholeColumns(view);
}

void AskRoomForColumns(QTableView* view)
{
    int width = 2 * view->frameWidth() + (view->verticalHeader()->isHidden() ? 0 : view->verticalHeader()->width())
                + view->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int c = 0; c < view->horizontalHeader()->count(); ++c)
        if (!view->isColumnHidden(c)) width += view->columnWidth(c);
    if (const QScreen* screen = view->screen()) width = std::min(width, screen->availableGeometry().width() * 9 / 10);
    view->setMinimumWidth(std::max(view->minimumWidth(), width));
}
