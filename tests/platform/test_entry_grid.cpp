// The entry grid on its own, driven by real key events and clicks: a small window in the shape of
// the request entry (code, description, quantity, amount, section, STAT, remarks) supplies the
// hooks, as an entry window does.
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <random>

namespace {

enum Col { Code = 1, Desc = 2, Qty = 3, Amount = 4, Section = 5, Stat = 6, Remarks = 7 };

struct EntryWindow : QWidget {
    EntryGrid* grid = new EntryGrid(this);
    QLabel* prompt = new QLabel(this);
    QLineEdit* other = new QLineEdit(this);
    int enters = 0;

    EntryWindow()
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(prompt);
        layout->addWidget(grid);
        layout->addWidget(other);
        resize(700, 300);
        grid->setFormatString(QStringLiteral(" |<CODE|<DESCRIPTION|<QTY|<AMOUNT|<SECTION|STAT|<REMARKS"));
        grid->setRows(2);
        const int widths[] = {15, 750, 4000, 750, 15, 900, 750, 3400};
        for (int c = 0; c < 8; ++c) grid->setColWidth(c, widths[c]);
        const int lengths[] = {0, 10, 45, 2, 6, 3, 1, 100};
        for (int c = 0; c < 8; ++c) grid->setColumnMaxLength(c, lengths[c]);
        grid->setColumnKeys(Qty, EntryGrid::Keys::Numeric);
        grid->setColumnPrompt(Code, QStringLiteral("Type the code."));
        grid->setColumnPrompt(Stat, QStringLiteral("Type Y or N."));
        grid->setPromptLabel(prompt);
        grid->ExemptColumnTable = {Desc, Amount, Section, 0, 0, 0, 0, 0};
        grid->completeRule = [this](int row) {
            for (int c = Code; c <= Amount; ++c)
                if (grid->TextMatrix(row, c).isEmpty()) return false;
            return true;
        };
        grid->openRule = [this](int col, int row) { return col <= Code || !grid->TextMatrix(row, Desc).isEmpty(); };
        grid->keyDown = [this](int key) { return key == Qt::Key_Return ? (enter(), true) : false; };
        grid->WatchWindowKeys(this);
        grid->setCurrentCell(1, Code);
        grid->EnterCell();
    }

    // What a window's Enter does: store the box's text, then move on.
    void enter()
    {
        ++enters;
        const int row = grid->Row(), col = grid->Col();
        const QString text = grid->txtEntry->text().trimmed();
        if (col == Code) {
            if (text.isEmpty()) return; // nothing found: the cursor stays
            grid->setTextMatrix(row, Code, text);
            grid->setTextMatrix(row, Desc, QStringLiteral("EXAM ") + text);
            grid->setTextMatrix(row, Qty, QStringLiteral("1"));
            // a code starting with U has no price: its row never completes
            grid->setTextMatrix(row, Amount, text.startsWith(QLatin1Char('U')) ? QString() : QStringLiteral("100"));
            grid->setTextMatrix(row, Stat, QStringLiteral("N"));
        } else if (col == Qty) {
            if (text.toDouble() <= 0) return grid->EnterCell();
            grid->setTextMatrix(row, Qty, text);
            if (!grid->TextMatrix(row, Amount).isEmpty())
                grid->setTextMatrix(row, Amount, QString::number(text.toDouble() * 100));
        } else if (col == Stat || col == Remarks) {
            grid->setTextMatrix(row, col, text);
        }
        if (grid->CompleteRow(row)) grid->AddRow(row);
        if (col == Remarks)
            grid->MoveTo(row < grid->Rows() - 1 ? row + 1 : row, Code);
        else
            grid->MoveTo(row, grid->NextOpenColumn(col, Remarks));
    }
};

class EntryGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UiScript::reset();
        w = std::make_unique<EntryWindow>();
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    }
    EntryGrid* grid() { return w->grid; }
    QLineEdit* box() { return w->grid->txtEntry; }
    void type(const QString& text)
    {
        for (QChar ch : text) {
            if (ch.unicode() < 128)
                QTest::keyClick(box(), ch.toLatin1());
            else // a key of a national keyboard: no key code of its own, just its character
                QTest::sendKeyEvent(QTest::Click, box(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
    void key(Qt::Key k) { QTest::keyClick(box(), k); }
    void enter(const QString& text)
    {
        box()->selectAll();
        type(text);
        key(Qt::Key_Return);
    }
    void click(int row, int col)
    {
        grid()->scrollTo(grid()->model()->index(row, col));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(grid()->model()->index(row, col)).center());
    }
    // A complete row: code, quantity 1, STAT N, remarks empty.
    void enterRow(const QString& code)
    {
        enter(code);
        key(Qt::Key_Return); // QTY stays 1
        key(Qt::Key_Return); // STAT
        key(Qt::Key_Return); // REMARKS
    }
    // The box is over the current cell, which is visible and open, or hidden.
    void expectBoxConsistent()
    {
        if (!box()->isVisible()) return;
        const int row = grid()->Row(), col = grid()->Col();
        EXPECT_FALSE(grid()->ExcemptCol(col)) << row << "," << col;
        EXPECT_GT(grid()->columnWidth(col), 0);
        EXPECT_EQ(box()->geometry(), grid()->BoxRect(row, col));
    }
    std::unique_ptr<EntryWindow> w;
};

TEST_F(EntryGridTest, OpensOverTheCodeCellOfTheFirstRowWithItsPrompt)
{
    EXPECT_TRUE(box()->isVisible());
    EXPECT_EQ(grid()->Row(), 1);
    EXPECT_EQ(grid()->Col(), Code);
    EXPECT_EQ(box()->geometry(), grid()->BoxRect(1, Code));
    EXPECT_EQ(box()->maxLength(), 10);
    EXPECT_EQ(w->prompt->text(), "Type the code.");
}

TEST_F(EntryGridTest, KeysPerColumnKind)
{
    struct Case {
        int col;
        QString typed, shown;
    } cases[] = {
        {Code, "ab1'c", "AB1C"},                // upper-cased, the apostrophe swallowed
        {Code, "abcdefghijklm", "ABCDEFGHIJ"}, // at most 10
        {Code, QString::fromUtf8("ñé"), QString::fromUtf8("ÑÉ")},
        {Qty, "a1.", "1."},                     // letters dropped, at most 2
        {Qty, "3/", "3/"},
        {Stat, "yes", "Y"},
        {Remarks, "it's ok", "ITS OK"},
    };
    enter("X1"); // a row with a description, so that every column opens
    for (const Case& c : cases) {
        grid()->MoveTo(1, c.col);
        ASSERT_TRUE(box()->isVisible()) << c.col;
        box()->clear();
        type(c.typed);
        EXPECT_EQ(box()->text(), c.shown) << c.typed.toStdString();
    }
}

TEST_F(EntryGridTest, TheApostropheIsSwallowedInTheWindowsOtherBoxesToo)
{
    QTest::keyClicks(w->other, "o'k");
    EXPECT_EQ(w->other->text(), "ok");
}

TEST_F(EntryGridTest, ABoxWithoutAnExamOpensOnlyOnTheCodeCell)
{
    struct Case {
        int col;
        bool opens;
    } cases[] = {{Qty, false}, {Stat, false}, {Desc, false}, {Code, true}};
    for (const Case& c : cases) {
        click(1, c.col);
        EXPECT_EQ(grid()->Col(), c.col);
        EXPECT_EQ(box()->isVisible(), c.opens) << c.col;
    }
    enter("X1");
    for (int col : {Qty, Stat, Remarks}) {
        click(1, col);
        EXPECT_TRUE(box()->isVisible()) << col;
        EXPECT_EQ(box()->text(), grid()->TextMatrix(1, col));
    }
    click(1, Section); // exempt: the box stays away
    EXPECT_FALSE(box()->isVisible());
}

TEST_F(EntryGridTest, EnterWalksTheOpenColumnsAndAppendsBehindACompleteRow)
{
    enter("x1");
    EXPECT_EQ(grid()->Col(), Qty); // DESCRIPTION skipped
    enter("2");
    EXPECT_EQ(grid()->TextMatrix(1, Amount), "200");
    EXPECT_EQ(grid()->Col(), Stat); // AMOUNT and SECTION skipped
    EXPECT_EQ(w->prompt->text(), "Type Y or N.");
    enter("y");
    EXPECT_EQ(grid()->Col(), Remarks);
    EXPECT_EQ(w->prompt->text(), ""); // a column without a prompt empties it
    enter("note");
    EXPECT_EQ(grid()->Rows(), 3);
    EXPECT_EQ(grid()->Row(), 2);
    EXPECT_EQ(grid()->Col(), Code);
    EXPECT_TRUE(box()->isVisible());
    EXPECT_EQ(grid()->TextMatrix(1, Remarks), "NOTE");
}

TEST_F(EntryGridTest, NoRowIsAppendedBehindAnIncompleteLastRow)
{
    enterRow("A");
    ASSERT_EQ(grid()->Rows(), 3);
    // Leaving the complete row 1 again while row 2 is empty appends nothing.
    click(1, Stat);
    click(2, Code);
    click(1, Remarks);
    key(Qt::Key_Return);
    EXPECT_EQ(grid()->Rows(), 3);
    EXPECT_FALSE(grid()->AddRow(1));
    // A row without an amount is not complete: Enter in its remarks goes back to its code.
    grid()->MoveTo(2, Code);
    enter("U1");
    EXPECT_EQ(grid()->Col(), Qty);
    key(Qt::Key_Return);
    key(Qt::Key_Return);
    EXPECT_EQ(grid()->Col(), Remarks);
    key(Qt::Key_Return);
    EXPECT_EQ(grid()->Rows(), 3);
    EXPECT_EQ(grid()->Row(), 2);
    EXPECT_EQ(grid()->Col(), Code);
}

TEST_F(EntryGridTest, F3EmptiesTheFirstRowAndRemovesAnyOther)
{
    enterRow("A");
    enterRow("B");
    enterRow("C");
    ASSERT_EQ(grid()->Rows(), 5);
    grid()->MoveTo(1, Stat);
    key(Qt::Key_F3);
    EXPECT_EQ(grid()->Rows(), 5);
    EXPECT_FALSE(grid()->QualifiedRow(1));
    EXPECT_EQ(grid()->Row(), 4); // the box and the cursor on the code of the last row
    EXPECT_EQ(grid()->Col(), Code);
    EXPECT_TRUE(box()->isVisible());
    grid()->MoveTo(2, Code);
    key(Qt::Key_F3);
    EXPECT_EQ(grid()->Rows(), 4);
    EXPECT_EQ(grid()->TextMatrix(2, Code), "C");
    expectBoxConsistent();
    // F3 reaches the grid from any control of the window.
    grid()->MoveTo(2, Code);
    QTest::keyClick(w->other, Qt::Key_F3);
    EXPECT_EQ(grid()->Rows(), 3);
}

TEST_F(EntryGridTest, NavigationKeys)
{
    enterRow("A");
    enterRow("B");
    struct Case {
        int row, col;
        Qt::Key key;
        int toRow, toCol;
    } cases[] = {
        {1, Code, Qt::Key_Up, 1, Code},     {2, Stat, Qt::Key_Up, 1, Stat},      {3, Code, Qt::Key_Down, 3, Code},
        {1, Code, Qt::Key_Down, 2, Code},   {1, Code, Qt::Key_Home, 1, Code},    {1, Stat, Qt::Key_Home, 1, Qty},
        {1, Qty, Qt::Key_End, 1, Stat},     {1, Remarks, Qt::Key_End, 1, Remarks}, {2, Qty, Qt::Key_Left, 2, Qty},
    };
    for (const Case& c : cases) {
        grid()->MoveTo(c.row, c.col);
        key(c.key);
        EXPECT_EQ(grid()->Row(), c.toRow) << c.row << "," << c.col << " key " << c.key;
        EXPECT_EQ(grid()->Col(), c.toCol) << c.row << "," << c.col << " key " << c.key;
        expectBoxConsistent();
    }
}

TEST_F(EntryGridTest, LeftOrRightBringsBackTheCellsText)
{
    enterRow("A");
    grid()->MoveTo(1, Remarks);
    for (Qt::Key k : {Qt::Key_Left, Qt::Key_Right}) {
        type("draft");
        key(k);
        EXPECT_EQ(box()->text(), "");
        EXPECT_EQ(grid()->TextMatrix(1, Remarks), "");
    }
}

TEST_F(EntryGridTest, ScrollingByTheUserHidesTheBox)
{
    for (int i = 0; i < 30; ++i) enterRow(QString::number(i));
    ASSERT_TRUE(box()->isVisible());
    // A scroll the program makes carries the box and what is typed in it along.
    type("draft");
    grid()->verticalScrollBar()->setValue(grid()->verticalScrollBar()->value() - 1);
    EXPECT_TRUE(box()->isVisible());
    EXPECT_EQ(box()->text(), "DRAFT");
    expectBoxConsistent();
    grid()->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_FALSE(box()->isVisible());
    EXPECT_EQ(grid()->Col(), 0);
    click(3, Code);
    EXPECT_TRUE(box()->isVisible());
    expectBoxConsistent();
}

TEST_F(EntryGridTest, ASideControlStandsAtTheBoxsRightEdgeAndKeysNoneRefusesTyping)
{
    auto* pick = new QPushButton(QStringLiteral("..."));
    grid()->setColumnSideWidget(Code, pick);
    grid()->setColumnKeys(Code, EntryGrid::Keys::None);
    grid()->EnterCell();
    ASSERT_TRUE(pick->isVisible());
    EXPECT_EQ(pick->geometry().left(), box()->geometry().right() + 1);
    EXPECT_EQ(box()->geometry().width() + pick->geometry().width(), grid()->BoxRect(1, Code).width());
    type("abc");
    EXPECT_EQ(box()->text(), "");
    click(1, Desc);
    EXPECT_FALSE(pick->isVisible());
}

TEST_F(EntryGridTest, PromptOnTypingKeepsThePromptOfColumnsWithout)
{
    grid()->setPromptLabel(w->prompt, EntryGrid::PromptMode::OnTyping);
    w->prompt->setText(QStringLiteral("before"));
    grid()->EnterCell();
    EXPECT_EQ(w->prompt->text(), "before");
    type("a");
    EXPECT_EQ(w->prompt->text(), "Type the code.");
}

// Ten thousand keys and texts in a seeded random order: nothing crashes, the box is always over
// the current, visible, open cell (or hidden), and a row is only ever appended behind a complete
// last row.
TEST_F(EntryGridTest, ANumberColumnRefusesOnEnterWhatItsRangeCannotHold)
{
    grid()->setColumnMaxLength(Qty, 0);
    grid()->setColumnRange(Qty, NumberRange{QStringLiteral("Quantity"), 0, 99, 2});
    const QString refusal = QStringLiteral("Quantity must be a number from 0 to 99.");
    const struct {
        const char* typed;
        bool refused; // by the grid, with the range's message; otherwise the window's Enter runs
    } cases[] = {
        {"99", false}, {"2.5", false}, {"1/2", false}, {"0", false}, {".", false},
        {"100", true}, {"1.2.3", true}, {"99999999999", true}, {"2.555", true}, {"150/2", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        grid()->MoveTo(1, Code);
        enter(QStringLiteral("C1"));
        ASSERT_EQ(grid()->Col(), Qty);
        UiScript::reset();
        const int enters = w->enters;
        enter(QString::fromLatin1(c.typed));
        EXPECT_EQ(w->enters, c.refused ? enters : enters + 1);
        EXPECT_EQ(UiScript::texts(), c.refused ? QStringList{refusal} : QStringList());
        if (c.refused) {
            EXPECT_EQ(grid()->Col(), Qty); // the box stays with the text for mending
            EXPECT_EQ(box()->text(), QString::fromLatin1(c.typed));
            EXPECT_EQ(grid()->TextMatrix(1, Qty), QStringLiteral("1"));
        }
    }
}

TEST_F(EntryGridTest, SeededRandomRunKeepsTheInvariants)
{
    std::mt19937 rng(20261211);
    const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Return, Qt::Key_Return, Qt::Key_Up, Qt::Key_Down,
                            Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_F3,
                            Qt::Key_Delete, Qt::Key_Backspace};
    const QString alphabet = QStringLiteral("0123456789abcuxyzABCU'\"./ ");
    int appended = 0;
    for (int step = 0; step < 10000; ++step) {
        const int rowsBefore = grid()->Rows();
        const int kind = int(rng() % 10);
        QWidget* target = box()->isVisible() ? static_cast<QWidget*>(box()) : static_cast<QWidget*>(grid());
        if (kind < 4) {
            QString text;
            for (int n = 1 + int(rng() % 4); n > 0; --n) text += alphabet[int(rng() % alphabet.size())];
            QTest::keyClicks(target, text);
        } else if (kind < 9) {
            QTest::keyClick(target, keys[rng() % std::size(keys)]);
        } else {
            const int row = 1 + int(rng() % unsigned(grid()->Rows() - 1));
            click(row, int(rng() % 8));
        }
        ASSERT_GE(grid()->Rows(), 2);
        if (grid()->Rows() > rowsBefore) {
            ASSERT_EQ(grid()->Rows(), rowsBefore + 1) << "step " << step;
            // the row behind which it was appended is complete
            ASSERT_TRUE(grid()->CompleteRow(rowsBefore - 1)) << "step " << step;
            ++appended;
        }
        if (box()->isVisible()) {
            const int row = grid()->Row(), col = grid()->Col();
            ASSERT_FALSE(grid()->ExcemptCol(col)) << "step " << step;
            ASSERT_GT(grid()->columnWidth(col), 0) << "step " << step;
            ASSERT_EQ(box()->geometry(), grid()->BoxRect(row, col)) << "step " << step;
            ASSERT_TRUE(col <= Code || !grid()->TextMatrix(row, Desc).isEmpty()) << "step " << step;
            ASSERT_LE(box()->text().size(), grid()->ColumnMaxLength(col)) << "step " << step;
        }
        ASSERT_FALSE(grid()->TextMatrix(grid()->Rows() - 1, Code).contains(QLatin1Char('\''))) << "step " << step;
    }
    EXPECT_GT(appended, 10); // the run did build rows
    EXPECT_GT(w->enters, 300);
}

} // namespace
