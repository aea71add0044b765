// The request entry under a seeded random run of keys, codes and clicks: no crash, the box over
// the current open cell or hidden, rows appended only behind a complete row, and every complete
// row holding a priced exam of the section.
#include "RequestTestSupport.h"

#include <random>

using namespace RequestEntryRow;

namespace {

class RequestRandomTest : public RequestTest {};

TEST_F(RequestRandomTest, SeededRandomRunKeepsTheRowsSound)
{
    open(QStringLiteral("LB"));
    std::mt19937 rng(14);
    const QStringList codes = {"CBC", "PLT", "ABG", "LIPID", "CHOL", "ELEC", "NA", "SENDOUT", "ESR", "XX", "c", "'"};
    const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Return, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left,
                            Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_F3, Qt::Key_Delete};
    int appended = 0, coded = 0;
    for (int step = 0; step < 1500; ++step) {
        const int rowsBefore = grid()->Rows();
        const int kind = int(rng() % 10);
        if (rng() % 2) answerRemarks(); // sometimes the remarks dialog is answered, sometimes closed
        if (kind < 3) {
            enter(codes[int(rng() % unsigned(codes.size()))]);
        } else if (kind < 5) {
            type(QString::number(rng() % 8));
        } else if (kind < 9) {
            key(keys[rng() % std::size(keys)]);
        } else {
            const int row = 1 + int(rng() % unsigned(grid()->Rows() - 1));
            const int col = 1 + int(rng() % 7);
            grid()->scrollTo(grid()->model()->index(row, col));
            QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(grid()->model()->index(row, col)).center());
        }
        if (grid()->Rows() > rowsBefore) {
            ASSERT_EQ(grid()->Rows(), rowsBefore + 1) << "step " << step;
            ASSERT_TRUE(w()->CompleteRow(rowsBefore - 1)) << "step " << step;
            ++appended;
        }
        coded += UiScript::dialogsRun().count(QStringLiteral("frmRemarks"));
        if (w()->txtEntry->isVisible()) {
            const int col = grid()->Col();
            ASSERT_FALSE(w()->ExcemptCol(col)) << "step " << step;
            ASSERT_GE(col, Code);
            ASSERT_LE(col, Remarks);
            ASSERT_EQ(w()->txtEntry->geometry(), grid()->BoxRect(grid()->Row(), col)) << "step " << step;
        }
        for (int r = 1; r < grid()->Rows(); ++r) {
            if (!w()->CompleteRow(r)) continue;
            ASSERT_GT(cell(r, Amount).toDouble(), 0) << "step " << step << " row " << r;
            ASSERT_FALSE(cell(r, UnitPrice).isEmpty()) << "step " << step << " row " << r;
        }
        UiScript::reset();
    }
    EXPECT_GT(appended, 20); // the run did build rows
    EXPECT_GT(coded, 80);
}

} // namespace
