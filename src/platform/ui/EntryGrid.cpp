#include "platform/ui/EntryGrid.h"

#include "platform/text/Format.h"
#include "platform/ui/MessageBox.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>

namespace {
bool isMoveKey(int key)
{
    switch (key) {
    case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Up: case Qt::Key_Down:
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Home: case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

// Letters to upper case; a Latin-1 letter whose capital lies outside Latin-1 stays as typed.
QString upperCased(const QString& text)
{
    QString out;
    for (QChar ch : text) {
        const QChar up = ch.toUpper();
        out += (ch.unicode() <= 0xFF && up.unicode() > 0xFF) ? ch : up;
    }
    return out;
}
} // namespace

EntryGrid::EntryGrid(QWidget* parent) : FlexGrid(parent)
{
    txtEntry = new QLineEdit(viewport());
    txtEntry->setObjectName(QStringLiteral("txtEntry"));
    txtEntry->setFrame(false);
    txtEntry->hide();
    txtEntry->installEventFilter(this);
    installEventFilter(this);
    setTabKeyNavigation(false);
    f3 = [this] {
        if (Row() >= FixedRows()) DeleteRow(Row());
    };

    connect(this, &QTableWidget::currentCellChanged, this, &EntryGrid::cellChanged);
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int col) {
        if (row == Row() && col == Col()) EnterCell();
    });
    connect(txtEntry, &QLineEdit::textChanged, this, [this] {
        if (m_promptMode == PromptMode::OnTyping && txtEntry->isVisible()) setPrompt(Col());
    });
    // The user scrolling hides the box (it reopens on the next cell entry); a scroll the program
    // makes to show the current cell carries the box along.
    for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()}) {
        connect(bar, &QAbstractSlider::actionTriggered, this, [this] {
            if (userScrolling && txtEntry->isVisible()) userScrolling();
            HideBox();
            if (Row() >= FixedRows()) setCurrentCell(Row(), 0);
        });
        connect(bar, &QAbstractSlider::valueChanged, this, [this] { followCell(); });
    }
    // A column drawn wider for a value written into it carries the box along.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] { followCell(); });
    // A removed current row takes its box with it; rows removed elsewhere move the box along.
    connect(model(), &QAbstractItemModel::rowsAboutToBeRemoved, this, [this](const QModelIndex&, int first, int last) {
        m_removing = true;
        if (m_boxRow >= first && m_boxRow <= last) HideBox();
    });
    connect(model(), &QAbstractItemModel::rowsRemoved, this, [this] {
        m_removing = false;
        if (!txtEntry->isVisible()) return;
        if (Row() < FixedRows() || Col() < 0) return HideBox();
        m_boxRow = Row();
        m_boxCol = Col();
        followCell();
    });
}

// The table's own teardown removes rows and moves the current cell: none of that may reach the
// handlers of a grid that is half gone.
EntryGrid::~EntryGrid()
{
    model()->disconnect(this);
    if (selectionModel()) selectionModel()->disconnect(this);
    disconnect(this, nullptr, this, nullptr);
    if (txtEntry) txtEntry->removeEventFilter(this);
}

void EntryGrid::setColumnMaxLength(int col, int length) { m_maxLength[col] = length; }

void EntryGrid::setColumnRange(int col, const NumberRange& range) { m_ranges[col] = range; }

bool EntryGrid::refusedNumber()
{
    const auto it = m_ranges.constFind(Col());
    if (it == m_ranges.constEnd()) return false;
    const QString text = txtEntry->text().trimmed();
    if (!std::any_of(text.begin(), text.end(), [](QChar ch) { return ch.isDigit(); })) return false;
    // A text of digits and points must be a number of the range ("1.2.3" is none); one with
    // other signs ("1/2", "12A") is read by the window by its leading number, which must not be
    // too large.
    const bool plain = std::all_of(text.begin(), text.end(), [](QChar ch) { return ch.isDigit() || ch == QLatin1Char('.'); });
    if (plain ? it->accepts(text) : Fmt::val(text) <= it->max) return false;
    MsgBox(it->message(), vbOKOnly | vbInformation, QStringLiteral("Notification"));
    txtEntry->setFocus();
    txtEntry->selectAll();
    return true;
}
int EntryGrid::ColumnMaxLength(int col) const { return m_maxLength.value(col, 0); }
void EntryGrid::setColumnKeys(int col, Keys keys) { m_keys[col] = keys; }
EntryGrid::Keys EntryGrid::ColumnKeys(int col) const { return m_keys.value(col, Keys::Upper); }
void EntryGrid::setColumnPrompt(int col, const QString& prompt) { m_prompts[col] = prompt; }

void EntryGrid::setPromptLabel(QLabel* label, PromptMode mode)
{
    m_prompt = label;
    m_promptMode = mode;
}

void EntryGrid::setColumnSideWidget(int col, QWidget* side)
{
    side->setParent(viewport());
    side->hide();
    m_sides[col] = side;
}

bool EntryGrid::ListedExempt(int col) const
{
    for (int i = 0; i < ExemptSearched && i < ExemptColumnTable.size(); ++i)
        if (ExemptColumnTable[i] == col) return true;
    return false;
}

bool EntryGrid::ExcemptCol(int col) const
{
    return exemptRule ? exemptRule(col) : ListedExempt(col);
}

QRect EntryGrid::BoxRect(int row, int col) const
{
    const QRect cell = visualRect(model()->index(row, col));
    return QRect(cell.left() + 1, cell.top() + 1, qMax(0, cell.width() - 1), qMax(0, cell.height() - 1));
}

void EntryGrid::setPrompt(int col)
{
    if (!m_prompt) return;
    if (m_prompts.contains(col))
        m_prompt->setText(m_prompts.value(col));
    else if (m_promptMode == PromptMode::OnPlaceClearOthers)
        m_prompt->clear();
}

// The box moves with its cell; what is typed in it stays.
void EntryGrid::followCell()
{
    if (!txtEntry->isVisible() || m_boxRow < 0) return;
    txtEntry->setGeometry(BoxRect(m_boxRow, m_boxCol));
    placeSide(m_boxCol);
}

void EntryGrid::placeSide(int col)
{
    for (const QPointer<QWidget>& side : std::as_const(m_sides))
        if (side) side->hide();
    QWidget* side = m_sides.value(col);
    if (!side) return;
    QRect box = txtEntry->geometry();
    const int width = qMin(side->sizeHint().width(), box.width());
    box.setWidth(box.width() - width);
    txtEntry->setGeometry(box);
    side->setGeometry(box.right() + 1, box.top(), width, box.height());
    side->show();
}

void EntryGrid::PutTextBox(int col, int row)
{
    if (row < FixedRows() || row >= Rows() || col < 0 || col >= Cols()) return;
    if (!ExcemptCol(col)) {
        // A refused cell keeps the box away; it was hidden when the last cell was left.
        if (openRule && !openRule(col, row)) return;
        if (m_promptMode != PromptMode::OnTyping) setPrompt(col);
        m_boxRow = row;
        m_boxCol = col;
        txtEntry->setGeometry(BoxRect(row, col));
        placeSide(col);
        txtEntry->show();
    }
    txtEntry->setText(TextMatrix(row, col));
}

void EntryGrid::EnterCell()
{
    const int row = Row(), col = Col();
    if (row < FixedRows() || row >= Rows() || col < 0) return;
    if (enteringCell) enteringCell(row, col);
    // Hidden columns (no width) never take the box.
    if (columnWidth(col) <= 0 || isColumnHidden(col)) return;
    const int length = ColumnMaxLength(col);
    txtEntry->setMaxLength(length > 0 ? length : 32767);
    if (txtEntry->isVisible() && (m_boxRow != row || m_boxCol != col)) HideBox();
    PutTextBox(col, row);
    txtEntry->selectAll();
    if (txtEntry->isVisible()) txtEntry->setFocus();
}

void EntryGrid::MoveTo(int row, int col)
{
    if (row == Row() && col == Col())
        EnterCell();
    else
        setCurrentCell(row, col);
}

void EntryGrid::HideBox()
{
    // The grid takes the focus first: a hidden focused box would hand it on down the tab chain.
    if (txtEntry->hasFocus()) setFocus();
    txtEntry->hide();
    txtEntry->clear();
    for (const QPointer<QWidget>& side : std::as_const(m_sides))
        if (side) side->hide();
    m_boxRow = m_boxCol = -1;
}

void EntryGrid::cellChanged(int row, int col, int prevRow, int prevCol)
{
    if (m_removing) return; // the model is changing under the selection; the caller moves the cell next
    if (prevRow >= FixedRows() && prevRow < Rows() && prevCol >= 0) {
        HideBox();
        if (prevCol < AddRowBelowColumn && CompleteRow(prevRow)) AddRow(prevRow);
    } else {
        HideBox();
    }
    if (row == Row() && col == Col()) EnterCell();
}

bool EntryGrid::CompleteRow(int row) const
{
    return row >= FixedRows() && row < Rows() && completeRule && completeRule(row);
}

bool EntryGrid::AddRow(int row)
{
    if (Rows() > FixedRows() + 1 && !CompleteRow(Rows() - 1)) return false;
    if (!CompleteRow(row)) return false;
    setRows(Rows() + 1);
    if (rowAdded) rowAdded(Rows() - 1);
    return true;
}

void EntryGrid::ClearRow(int row, int first, int last)
{
    for (int c = first; c <= last && c < Cols(); ++c) setTextMatrix(row, c, QString());
}

void EntryGrid::DeleteRow(int row)
{
    if (row < FixedRows() || row >= Rows()) return;
    if (row == FixedRows()) {
        ClearRow(row, F3FirstClearedColumn, F3LastClearedColumn < 0 ? Cols() - 1 : F3LastClearedColumn);
    } else {
        HideBox();
        RemoveItem(row);
    }
    // The box goes to the code cell of the last row, and the current cell with it, so that what is
    // typed next lands where the box stands.
    MoveTo(Rows() - 1, 1);
}

bool EntryGrid::QualifiedRow(int row) const
{
    for (int c = 1; c < Cols(); ++c)
        if (!TextMatrix(row, c).trimmed().isEmpty()) return true;
    return false;
}

int EntryGrid::NextOpenColumn(int col, int last) const
{
    int c = col;
    if (c < last) ++c;
    while (ExcemptCol(c) && c < last) ++c;
    return c;
}

int EntryGrid::PreviousOpenColumn(int col) const
{
    for (int c = col - 1; c >= 1; --c)
        if (!ExcemptCol(c) && columnWidth(c) > 0) return c;
    return col;
}

bool EntryGrid::Navigate(int key)
{
    const int row = Row(), col = Col();
    if (row < FixedRows()) return false;
    switch (key) {
    case Qt::Key_Up:
        MoveTo(row > FixedRows() ? row - 1 : row, col);
        return true;
    case Qt::Key_Down:
        MoveTo(row < Rows() - 1 ? row + 1 : row, col);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        EnterCell();
        return true;
    case Qt::Key_Home:
        MoveTo(row, PreviousOpenColumn(col));
        return true;
    case Qt::Key_End: {
        int limit = EndLimitColumn;
        if (limit < 0)
            for (auto it = m_maxLength.cbegin(); it != m_maxLength.cend(); ++it) limit = qMax(limit, it.key());
        if (limit < 0) limit = Cols() - 1;
        int target = col;
        for (int c = col + 1; c <= limit && c < Cols(); ++c)
            if (!ExcemptCol(c) && columnWidth(c) > 0) {
                target = c;
                break;
            }
        MoveTo(row, target);
        return true;
    }
    default:
        return false;
    }
}

void EntryGrid::WatchWindowKeys(QWidget* window)
{
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w != txtEntry && w != this && !isAncestorOf(w)) w->installEventFilter(this);
}

void EntryGrid::keyboardSearch(const QString&)
{
    // Typing on the grid itself never moves the current cell: typing goes into the box.
}

bool EntryGrid::filterKeyPress(QKeyEvent* e)
{
    const QString text = e->text();
    if (text.isEmpty() || text.at(0).category() == QChar::Other_Control) return false; // Backspace, Delete, ...
    switch (ColumnKeys(Col())) {
    case Keys::None:
        return true;
    case Keys::Numeric:
        for (QChar ch : text)
            if (!NumericChars.contains(ch)) return true;
        return false;
    case Keys::AsTyped:
        return false;
    case Keys::Upper: {
        const QString upper = upperCased(text);
        if (upper == text) return false;
        txtEntry->insert(upper);
        return true;
    }
    }
    return false;
}

bool EntryGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return FlexGrid::eventFilter(watched, event);
    auto* e = static_cast<QKeyEvent*>(event);
    if (e->key() == Qt::Key_F3 && f3) {
        f3();
        return true;
    }
    if (SwallowApostrophe && e->text() == QLatin1String("'")) return true;
    if (watched != txtEntry) return false;
    if (isMoveKey(e->key())) {
        const int key = e->key() == Qt::Key_Enter ? int(Qt::Key_Return) : e->key();
        if (key == Qt::Key_Return && refusedNumber()) return true;
        if (!(keyDown && keyDown(key))) Navigate(key);
        return true;
    }
    return filterKeyPress(e);
}
