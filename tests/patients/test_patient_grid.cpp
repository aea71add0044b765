// The list grid keeps a bound result and reads its rows from it: what it shows, and what is
// written into it afterwards, must read exactly as a grid filled cell by cell.
#include "patients/PatientGrid.h"
#include "platform/db/Recordset.h"

#include <gtest/gtest.h>

namespace {

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

Recordset threeRows()
{
    return Recordset({QStringLiteral("HospNum"), QStringLiteral("IDNum"), QStringLiteral("CashBasis"), QStringLiteral("Text")},
                     {{QStringLiteral("100001"), QStringLiteral("2026000001"), QVariant(qint64(1)), QStringLiteral("CASH BASIS: CATHLAB,")},
                      {QStringLiteral("100002"), QVariant(), QVariant(qint64(0)), QString("")},
                      {QStringLiteral("100003"), QStringLiteral("2026000003"), QVariant(2.5), QVariant()}});
}

PatientGrid* boundGrid(PatientGrid& g)
{
    g.setFormatString(QStringLiteral("  |<Hospital #|<ADM. Num."));
    g.bind(threeRows());
    return &g;
}

TEST(PatientGridBinding, ShowsTheResultAndWhatIsWrittenAfter)
{
    PatientGrid g;
    boundGrid(g);
    ASSERT_EQ(g.Rows(), 4);
    ASSERT_EQ(g.Cols(), 5);
    struct Cell { int row, col; const char* text; };
    const Cell shown[] = {{0, 1, "Hospital #"}, {0, 2, "ADM. Num."}, {0, 3, ""}, {1, 1, "100001"}, {1, 3, "1"},
                          {1, 4, "CASH BASIS: CATHLAB,"}, {2, 2, ""}, {2, 3, "0"}, {3, 3, "2.5"}, {3, 4, ""}, {3, 0, ""}};
    for (const Cell& c : shown) EXPECT_EQ(g.TextMatrix(c.row, c.col), QString::fromUtf8(c.text)) << c.row << "," << c.col;
    EXPECT_EQ(g.TextMatrix(4, 1), QString()); // outside the grid

    g.setTextMatrix(2, 3, QStringLiteral("X"));
    g.setTextMatrix(0, 3, QStringLiteral("Cash"));
    EXPECT_EQ(g.TextMatrix(2, 3), QStringLiteral("X"));
    EXPECT_EQ(g.TextMatrix(1, 3), QStringLiteral("1"));
    EXPECT_EQ(g.TextMatrix(0, 3), QStringLiteral("Cash"));
    EXPECT_EQ(g.model()->data(g.model()->index(1, 3)).toString(), QStringLiteral("X")); // what the view draws

    // a new result shows its own rows: nothing written over the last one stays
    g.bind(threeRows());
    EXPECT_EQ(g.TextMatrix(2, 3), QStringLiteral("0"));
    EXPECT_EQ(g.TextMatrix(0, 3), QStringLiteral("Cash")); // the captions stay
}

TEST(PatientGridBinding, ReshapingAndClearingKeepWhatFits)
{
    {
        PatientGrid g;
        boundGrid(g);
        g.setTextMatrix(3, 2, QStringLiteral("gone"));
        g.setTextMatrix(1, 2, QStringLiteral("kept"));
        g.setRows(2);
        ASSERT_EQ(g.Rows(), 2);
        EXPECT_EQ(g.TextMatrix(1, 1), QStringLiteral("100001"));
        EXPECT_EQ(g.TextMatrix(1, 2), QStringLiteral("kept"));
        g.setRows(4);
        EXPECT_EQ(g.TextMatrix(3, 2), QString()); // a row given up and taken again starts empty
        EXPECT_EQ(g.TextMatrix(2, 1), QString());
    }
    {
        PatientGrid g;
        boundGrid(g);
        g.setTextMatrix(1, 2, QStringLiteral("kept"));
        g.setCols(3);
        ASSERT_EQ(g.Cols(), 3);
        EXPECT_EQ(g.TextMatrix(1, 2), QStringLiteral("kept"));
        EXPECT_EQ(g.TextMatrix(3, 1), QStringLiteral("100003"));
        EXPECT_EQ(g.TextMatrix(3, 2), QStringLiteral("2026000003"));
        g.setCols(5);
        EXPECT_EQ(g.TextMatrix(1, 4), QString());
        g.setTextMatrix(2, 4, QStringLiteral("new"));
        EXPECT_EQ(g.TextMatrix(2, 4), QStringLiteral("new"));
    }
    {
        PatientGrid g;
        boundGrid(g);
        g.setTextMatrix(2, 1, QStringLiteral("written"));
        g.Clear();
        EXPECT_EQ(g.Rows(), 4);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 5; ++c) EXPECT_EQ(g.TextMatrix(r, c), QString()) << r << "," << c;
    }
}

TEST(PatientGridBinding, RowColoursAndCellColours)
{
    PatientGrid g;
    boundGrid(g);
    for (int r = 1; r < g.Rows(); ++r)
        for (int c = 0; c < g.Cols(); ++c) EXPECT_EQ(g.CellForeColor(r, c), -1);
    g.setRowColours(1, 0xFF0000, 0xFFFFFF);
    g.setCellForeColor(1, 2, 0xFF);
    g.setCellBackColor(2, 0, 0x00FF00);
    EXPECT_EQ(g.CellForeColor(1, 0), -1); // the hidden leading column keeps its own
    EXPECT_EQ(g.CellForeColor(1, 1), 0xFF0000);
    EXPECT_EQ(g.CellForeColor(1, 2), 0xFF);
    EXPECT_EQ(g.CellBackColor(1, 4), 0xFFFFFF);
    EXPECT_EQ(g.CellBackColor(2, 0), 0x00FF00);
    EXPECT_EQ(g.CellBackColor(2, 1), -1);
    EXPECT_EQ(g.model()->data(g.model()->index(0, 2), Qt::ForegroundRole).value<QColor>(), VbColor(0xFF));
    EXPECT_EQ(g.model()->data(g.model()->index(0, 3), Qt::BackgroundRole).value<QColor>(), VbColor(0xFFFFFF));

    g.setRows(3); // colours of the rows that stay, stay
    EXPECT_EQ(g.CellForeColor(1, 2), 0xFF);
    EXPECT_EQ(g.CellBackColor(2, 0), 0x00FF00);
    g.setRowColours(1, vbWindowText, 0xFEE2C5); // a whole row again: its cells' own colours go
    EXPECT_EQ(g.CellForeColor(1, 2), vbWindowText);
    g.setCols(4);
    EXPECT_EQ(g.CellBackColor(1, 3), 0xFEE2C5);
    g.Clear();
    EXPECT_EQ(g.CellForeColor(1, 1), -1);
    EXPECT_EQ(g.CellBackColor(2, 0), -1);
}

TEST(PatientGridBinding, TheGridKeepsTheResultItShows)
{
    PatientGrid g;
    {
        Recordset rs = threeRows();
        g.bind(rs);
        rs.mapColumn(0, [](const QVariant&) { return QVariant(QStringLiteral("changed")); }); // the caller's copy changes later
    }
    EXPECT_EQ(g.TextMatrix(1, 1), QStringLiteral("100001"));
    EXPECT_EQ(g.TextMatrix(3, 2), QStringLiteral("2026000003"));
}

} // namespace
