#pragma once
#include "support/TestDatabase.h"

#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"

#include <QSqlDatabase>

// The demo hospital with the station parameters loaded; the windows the checks touch are
// dropped after each test so that the next one loads them afresh.
class LookupTest : public DbTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Every later statement fails, as when the server goes away.
    void loseConnection() { conn().database().close(); }
    // The common error notice was shown (once) and nothing else.
    void expectOneErrorNotice()
    {
        ASSERT_EQ(UiScript::shown().size(), 1);
        EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Notification"));
        EXPECT_TRUE(UiScript::shown()[0].text.endsWith(QStringLiteral("\r\n\r\nPlease notify your IT department.")));
    }
};

// A grid of the given rows below a header row; each row's cells from column 0.
inline void fillGrid(FlexGrid& g, int cols, const QList<QStringList>& rows)
{
    g.setCols(cols);
    g.setRows(1 + qMax(1, int(rows.size())));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) g.setTextMatrix(r + 1, c, rows[r][c]);
}

// One column of the data rows.
inline QStringList column(const FlexGrid& g, int col)
{
    QStringList out;
    for (int r = 1; r < g.Rows(); ++r) out << g.TextMatrix(r, col);
    return out;
}
