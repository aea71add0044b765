// Grid columns show their captions and values whole: a width given in twips that cannot hold
// what the column shows is drawn wider, never narrower; hidden columns stay hidden.
#include "platform/ui/EntryGrid.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/WholeColumns.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStyle>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Room a cell's text needs in the view: its advance and the style's text margins on both sides.
int TextRoom(const QTableView& view, const QString& text, bool bold = false)
{
    QFont f = view.font();
    f.setBold(bold);
    const int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    return QFontMetrics(f).horizontalAdvance(text) + 2 * margin;
}

TEST(WholeColumns, AColumnIsDrawnWideEnoughForItsCaptionAndValues)
{
    struct Case {
        const char* what;
        int twips;
        const char* caption;
        const char* value;
        bool widthAfterValues;
    };
    const Case cases[] = {
        {"a day's date under 800 twips", 800, "11/30/26", "11/30/26", false},
        {"an admission number", 960, "Adm. No.", "2026000015", false},
        {"a caption longer than its values", 500, "AMOUNT", "1.00", false},
        {"a date and time", 1200, "Date", "11/30/2026 11:59:59 PM", false},
        {"a width given after the values", 600, "SECTION", "CARDIOLOGY", true},
    };
    for (const Case& c : cases) {
        FlexGrid g;
        g.resize(400, 200);
        g.setFormatString(QStringLiteral("|<") + QLatin1String(c.caption));
        g.setRows(3);
        if (!c.widthAfterValues) g.setColWidth(1, c.twips);
        g.setTextMatrix(1, 1, QLatin1String(c.value));
        if (c.widthAfterValues) g.setColWidth(1, c.twips);
        EXPECT_GE(g.columnWidth(1), TextRoom(g, QLatin1String(c.caption), true)) << c.what;
        EXPECT_GE(g.columnWidth(1), TextRoom(g, QLatin1String(c.value))) << c.what;
        EXPECT_EQ(g.ColWidth(1), c.twips / 15 * 15) << c.what << ": the width given is still what the window asked";
    }
}

TEST(WholeColumns, WideAndHiddenColumnsKeepTheirWidths)
{
    FlexGrid g;
    g.setFormatString(QStringLiteral("|<DESCRIPTION|<LIST|<Code"));
    g.setRows(2);
    g.setColWidth(1, 4500);
    g.setColWidth(2, 0);
    g.setColWidth(3, 600);
    g.setColumnHidden(3, true);
    g.AddItem(QStringLiteral("\tASPIRIN\tCBC,FBS,LIPID PROFILE,URINALYSIS\tLONG HIDDEN CODE"));
    EXPECT_EQ(g.columnWidth(1), 4500 / 15);
    EXPECT_EQ(g.columnWidth(2), 0);
    EXPECT_EQ(g.ColWidth(2), 0);
    g.setColumnHidden(3, false);
    EXPECT_GE(g.columnWidth(3), TextRoom(g, QStringLiteral("LONG HIDDEN CODE"))); // shown again, whole
}

TEST(WholeColumns, APlainTableKeepsItsHeadingsWhole)
{
    QTableWidget t(1, 2);
    KeepColumnsWhole(&t);
    t.setColumnWidth(0, 20);
    t.setColumnWidth(1, 20);
    t.setHorizontalHeaderLabels({QStringLiteral("Reference No."), QStringLiteral("Remarks")});
    t.setItem(0, 1, new QTableWidgetItem(QStringLiteral("PAID AT THE CASHIER")));
    EXPECT_GE(t.columnWidth(0), t.horizontalHeader()->sectionSizeHint(0));
    EXPECT_GE(t.columnWidth(1), TextRoom(t, QStringLiteral("PAID AT THE CASHIER")));
}

// A text is measured in the font it is shown in: a width found for the grid's font never stands
// for the same text in a larger one, whether the grid is filled with its updates on or off.
TEST(WholeColumns, ATextInALargerFontIsMeasuredInThatFont)
{
    for (const bool updatesOff : {false, true}) {
        FlexGrid g;
        g.resize(400, 200);
        g.setFormatString(QStringLiteral("|<X"));
        g.setRows(3);
        g.setColWidth(1, 150);
        const QString text = QStringLiteral("CORONARY ANGIOGRAM");
        g.setTextMatrix(1, 1, text);
        QFont big = g.font();
        big.setPointSizeF(big.pointSizeF() * 3);
        if (updatesOff) g.setUpdatesEnabled(false);
        g.setTextMatrix(2, 1, text);
        g.item(2, 1)->setFont(big);
        if (updatesOff) g.setUpdatesEnabled(true);
        EXPECT_GE(g.columnWidth(1), QFontMetrics(big).horizontalAdvance(text)) << (updatesOff ? "filled with updates off" : "updates on");
    }
}

// The entry box stays over its cell when a value written into the grid widens the column.
TEST(WholeColumns, TheEntryBoxFollowsAWidenedColumn)
{
    EntryGrid g;
    g.resize(500, 200);
    g.setFormatString(QStringLiteral(" |<CODE|<DESCRIPTION"));
    g.setRows(3);
    g.setColWidth(1, 600);
    g.setColWidth(2, 900);
    g.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&g));
    g.setCurrentCell(1, 2);
    g.PutTextBox(2, 1);
    ASSERT_TRUE(g.txtEntry->isVisible());
    g.setTextMatrix(2, 1, QStringLiteral("A CODE LONGER THAN ITS COLUMN"));
    EXPECT_EQ(g.txtEntry->geometry(), g.BoxRect(1, 2));
}

} // namespace
