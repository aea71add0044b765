// The cash credit memo: the paid lines of a receipt with their state, selection, one advice number
// per save taken from the billing counter, the unit price of each item, and the printed slip.
#include "support/TestDatabase.h"

#include "assessment/CashCMData.h"
#include "assessment/frmCashCM.h"
#include "platform/db/Connection.h"
#include "platform/report/ReportLog.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "support/ScriptedValidation.h"
#include "support/TableOutOfReach.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace {

namespace CM = CashCMColumn;

class CashCMTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        const QString sql = QStringLiteral("INSERT INTO STATION..tbCLAssessment (AssessNum, AssessType, IDNum, RevenueID, ItemID, Description, "
                                           "Quantity, Amount, Status, ORNumber) VALUES ('CL7001', 'CASH', 'TX0041', ?, ?, ?, ?, ?, 'PAID', 'OR9001')");
        conn().execute(sql, {"HS", "HS001", "ECG 12 LEADS", 2, 301});
        conn().execute(sql, {"HS", "HS002", "TREADMILL STRESS TEST", 3, 100});
        conn().execute(sql, {"CS", "SUP0001", "GUIDEWIRE", 1, 50});
        conn().execute(sql, {"LB", "CBC", "COMPLETE BLOOD COUNT", 1, 350});
        // the last two already credited: one processed by the cashier, one pending
        conn().execute(QStringLiteral("INSERT INTO BILLING..tbCashCMAdvise (CMAdviseNum, ORNumber, ItemID, RevenueID, Quantity, Amount, Processed) "
                                      "VALUES ('OR40', 'OR9001', 'SUP0001', 'CS', 1, 50, 1), ('OR41', 'OR9001', 'CBC', 'LB', 1, 350, 0)"));
        conn().execute(QStringLiteral("UPDATE BILLING..tbAssessmentNum SET CMAdvisenum = 57"));
        ReportLog::clear();
        cm.IDNum = QStringLiteral("TX0041");
        cm.Patient = QStringLiteral("REYES, ANA");
        cm.ORNumber = QStringLiteral("OR9001");
        cm.LoadPaidItems();
    }
    void click(int row)
    {
        cm.mshFlexCashCM->setCurrentCell(row, 2);
        cm.mshFlexCashCM_Click();
    }
    int advices(const QString& where)
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbCashCMAdvise WHERE ") + where);
    }
    frmCashCM cm;
};

TEST_F(CashCMTest, StatesPicturesAndSelection)
{
    FlexGrid& g = *cm.mshFlexCashCM;
    ASSERT_EQ(g.Rows(), 5);
    const struct {
        const char* state;
        int picture;
    } rows[] = {{"0", frmCashCM::Unselected}, {"0", frmCashCM::Unselected}, {"1", frmCashCM::Processed}, {"2", frmCashCM::Pending}};
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(g.TextMatrix(r, CM::State), rows[r - 1].state) << r;
        EXPECT_EQ(cm.RowPicture(r), rows[r - 1].picture) << r;
    }
    click(1);
    EXPECT_EQ(g.TextMatrix(1, CM::Mark), "1");
    EXPECT_EQ(cm.RowPicture(1), frmCashCM::Selected);
    EXPECT_EQ(g.item(1, 4)->foreground().color(), QColor(0, 128, 0));
    click(1);
    EXPECT_EQ(g.TextMatrix(1, CM::Mark), "");
    EXPECT_EQ(cm.RowPicture(1), frmCashCM::Unselected);
    click(3); // processed: nothing to select
    EXPECT_EQ(g.TextMatrix(3, CM::Mark), "");
    EXPECT_EQ(g.item(3, 4)->foreground().color(), QColor(255, 0, 0));
    // a pending advice is reprinted, nothing written
    click(4);
    cm.mnuReprintCM->trigger();
    ASSERT_EQ(ReportLog::calls().size(), 1);
    EXPECT_EQ(ReportLog::calls().first().params, (QVariantList{"OR9001", "OR41"}));
    EXPECT_EQ(cm.lblPatient[0]->text(), "REYES, ANA ");
}

TEST_F(CashCMTest, OneAdviceNumberForTheSelectedItemsWithTheirUnitPrices)
{
    cm.lblExit[1]->click();
    EXPECT_EQ(UiScript::lastText(), "Please select item(s) to Process Cash Credit Memo!");
    click(1);
    click(2);
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    cm.lblExit[1]->click();
    EXPECT_EQ(UiScript::lastText(), "Item(s) Successfully Saved!");
    EXPECT_EQ(cm.LastAdviceNumber, "OR57");
    EXPECT_EQ(count(QStringLiteral("SELECT CMAdvisenum FROM BILLING..tbAssessmentNum")), 58);
    EXPECT_EQ(advices(QStringLiteral("CMAdviseNum = 'OR57' AND ORNumber = 'OR9001' AND UserID = 'CL001' AND PatientName = 'REYES, ANA'")), 2);
    EXPECT_DOUBLE_EQ(conn().scalar(QStringLiteral("SELECT UnitPrice FROM BILLING..tbCashCMAdvise WHERE ItemID = 'HS001'")).toDouble(), 150.5);
    EXPECT_EQ(CashCMNumberText(CashCMUnitPrice({"HS002", "HS", "", "3", "100"})), "33.3333333333333");
    // printed straight to the printer, and the list shows both as pending
    ASSERT_EQ(ReportLog::calls().size(), 1);
    EXPECT_EQ(ReportLog::calls().first().params, (QVariantList{"OR9001", "OR57"}));
    EXPECT_EQ(ReportLog::calls().first().caption, "CASH CREDIT MEMO PRINTING");
    EXPECT_FALSE(ReportLog::calls().first().printedTo.isEmpty());
    EXPECT_EQ(cm.mshFlexCashCM->TextMatrix(1, CM::State), "2");
    EXPECT_EQ(cm.mshFlexCashCM->TextMatrix(1, CM::Mark), "");
}

TEST_F(CashCMTest, AFailureOrAMissingCounterLeavesNothing)
{
    click(1);
    click(2);
    {
        // the second item cannot be recorded: the first goes back with it, and the number
        TableOutOfReach gone(conn(), QStringLiteral("BILLING..tbCashCMAdvise"), QStringLiteral("UnitPrice"));
        queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
        cm.lblExit[1]->click();
    }
    EXPECT_TRUE(UiScript::lastText().contains(QStringLiteral("Please notify your IT department.")));
    EXPECT_EQ(advices(QStringLiteral("ORNumber = 'OR9001'")), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT CMAdvisenum FROM BILLING..tbAssessmentNum")), 57);
    EXPECT_EQ(cm.mshFlexCashCM->TextMatrix(1, CM::Mark), "1"); // the selection stays
    conn().execute(QStringLiteral("DELETE FROM BILLING..tbAssessmentNum"));
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    cm.lblExit[1]->click();
    EXPECT_TRUE(UiScript::lastText().contains(QStringLiteral("BILLING..tbAssessmentNum")));
    EXPECT_EQ(advices(QStringLiteral("ORNumber = 'OR9001'")), 2);
    EXPECT_TRUE(ReportLog::calls().isEmpty());
    // an item without quantity has no unit price: refused before anything is asked
    EXPECT_FALSE(CashCMItemRefusal({"HS001", "HS", "ECG", "0", "301"}).isEmpty());
    EXPECT_EQ(CashCMUnitPrice({"HS001", "HS", "ECG", "0", "301"}), 0);
}

} // namespace
