// The returns window: items picked by slip from what was issued, the returned quantity checked on
// every way into its cell, the post with its slip, and the posted list with its reprint.
#include "returns/ReturnsFixture.h"

#include "access/frmSupervisorAccessCode.h"
#include "platform/db/Connection.h"
#include "platform/report/ReportLog.h"
#include "platform/text/Format.h"
#include "platform/ui/EntryGrid.h"
#include "medication_requests/frmPharmacyRequest.h"
#include "returns/frmListPosted.h"
#include "returns/frmReturn.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace {

class ReturnWindowTest : public ReturnsTest {
protected:
    void open(bool supplies, const QString& idNum)
    {
        w = std::make_unique<frmReturn>();
        w->setIsCSRMode(supplies);
        w->setPatientID(idNum);
        w->setReturnOrAdjustment(1);
        w->show();
    }
    // Picks the item on row 1 through the issued-items list; the box then stands over the quantity.
    void pick(const QString& code, const QString& slip = QString())
    {
        queuePick(code, slip);
        QTest::keyClick(w->txtEntry, Qt::Key_Return);
    }
    void typeQuantity(const QString& q)
    {
        w->txtEntry->selectAll();
        QTest::keyClicks(w->txtEntry, q);
    }
    QString cell(int row, int col) { return w->cell(row, col); }
    std::unique_ptr<frmReturn> w;
};

TEST_F(ReturnWindowTest, PickFillsTheRowFromItsOwnSlip)
{
    open(false, QStringLiteral("2026000005"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Post Returned Medicines"));
    EXPECT_EQ(w->lblPatInfo[5]->text(), QStringLiteral(" 100501"));
    pick(QStringLiteral("MED0201"));
    EXPECT_EQ(cell(1, frmReturn::ChargeSlip), QStringLiteral("CS000201"));
    EXPECT_EQ(cell(1, frmReturn::Code), QStringLiteral("MED0201"));
    EXPECT_EQ(Fmt::val(cell(1, frmReturn::QtyIssued)), 4);
    EXPECT_DOUBLE_EQ(Fmt::val(cell(1, frmReturn::ActualAmount)), 380);
    EXPECT_EQ(w->flexMSEntry->Col(), int(frmReturn::QtyReturned));
    // the same item of the same slip on another row is refused, and that row keeps nothing of it
    w->flexMSEntry->MoveTo(2, frmReturn::Code);
    pick(QStringLiteral("MED0201"));
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Drug code is already in line 1."));
    EXPECT_TRUE(cell(2, frmReturn::Code).isEmpty());
}

TEST_F(ReturnWindowTest, TheReturnedQuantityIsCheckedOnEveryRoadIntoTheCell)
{
    struct Road {
        const char* name;
        QString typed;
        std::function<void(frmReturn*)> commit;
        QString kept;     // the cell afterwards
        bool told;        // the refusal was shown
    };
    const auto enter = [](frmReturn* r) { QTest::keyClick(r->txtEntry, Qt::Key_Return); };
    const auto dblClick = [](frmReturn* r) { QTest::mouseDClick(r->txtEntry, Qt::LeftButton); };
    const auto scroll = [](frmReturn* r) { r->flexMSEntry->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd); };
    const QList<Road> roads{
        {"enter above", "5", enter, "", true},
        {"enter equal", "4", enter, "4", false},
        {"double-click above", "4.5", dblClick, "", true},
        {"scroll above", "9", scroll, "", false},
        {"scroll within", "3", scroll, "3", false},
        {"enter no number", "1.2.3", enter, "", false},
        {"scroll no number", "1..", scroll, "", false},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        open(false, QStringLiteral("2026000005"));
        pick(QStringLiteral("MED0201"));
        UiScript::reset();
        typeQuantity(road.typed);
        road.commit(w.get());
        EXPECT_EQ(cell(1, frmReturn::QtyReturned), road.kept);
        EXPECT_DOUBLE_EQ(Fmt::val(cell(1, frmReturn::Amount)), 380 * Fmt::val(road.kept));
        EXPECT_EQ(UiScript::texts().contains(QStringLiteral("Quantity returned is greater than quantity issued.")), road.told);
        EXPECT_EQ(UiScript::texts().contains(QStringLiteral("Quantity returned must be a number from 0 to 99,999.")),
                  road.typed == QLatin1String("1.2.3"));
        EXPECT_EQ(w->cmdPrintSave->isEnabled(), !road.kept.isEmpty());
    }
    // the up-down never goes below nothing
    open(false, QStringLiteral("2026000005"));
    pick(QStringLiteral("MED0201"));
    typeQuantity(QStringLiteral("0.6"));
    w->UpDownDown->click();
    EXPECT_EQ(w->txtEntry->text(), QStringLiteral("0"));
    w->UpDownUp->click();
    w->UpDownUp->click();
    EXPECT_EQ(w->txtEntry->text(), QStringLiteral("2"));
}

// A line's amount is money: two decimals in the cell, and the total is the sum of what the lines show.
TEST_F(ReturnWindowTest, AmountsShowTwoDecimalsAndTheTotalAddsThem)
{
    struct Case {
        const char* name;
        QString unitAmount; // "" keeps what the issue cost
        QString quantity;
        QString amount, total;
    } cases[] = {
        {"picked, nothing returned yet", "", "", "0.00", " 0.00"},
        {"a whole amount", "", "2", "760.00", " 760.00"},
        {"a unit amount of many decimals", "33.333333333333", "3", "100.00", " 100.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open(false, QStringLiteral("2026000005"));
        pick(QStringLiteral("MED0201"));
        if (!c.unitAmount.isEmpty()) w->flexMSEntry->setTextMatrix(1, frmReturn::ActualAmount, c.unitAmount);
        if (!c.quantity.isEmpty()) {
            typeQuantity(c.quantity);
            QTest::keyClick(w->txtEntry, Qt::Key_Return);
        }
        EXPECT_EQ(cell(1, frmReturn::Amount), c.amount);
        if (!c.quantity.isEmpty()) EXPECT_EQ(w->lblPatInfo[6]->text(), c.total);
    }
}

TEST_F(ReturnWindowTest, PostWritesPrintsTheNumberUsedAndStartsAfresh)
{
    Session.HospitalInfo.IsAllowSupervisorCodeForCancellationOfCharges = false;
    open(true, QStringLiteral("2026000005"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Post Returned Supplies"));
    pick(QStringLiteral("SUP0002"));
    typeQuantity(QStringLiteral("2"));
    QTest::keyClick(w->txtEntry, Qt::Key_Return);
    EXPECT_EQ(w->lblPatInfo[6]->text(), QStringLiteral(" 4600.00"));
    queueValidationWithReason(QStringLiteral("WRONG SIZE"));
    w->cmdPrintSave->click();
    ASSERT_FALSE(ReportLog::calls().isEmpty()) << UiScript::texts().join(QLatin1Char('|')).toStdString();
    const ReportCall& slip = ReportLog::calls().last();
    EXPECT_EQ(slip.fileName(), QStringLiteral("CMSlip.rpt"));
    ASSERT_EQ(slip.params.size(), 11);
    EXPECT_EQ(slip.params[7].toString(), QStringLiteral("100502"));
    EXPECT_EQ(slip.params[6].toString(), QStringLiteral("CL001"));
    EXPECT_EQ(slip.params[10].toString(), QStringLiteral("WRONG SIZE"));
    EXPECT_EQ(slip.caption, QStringLiteral("Reprint Credit Memo Slip"));
    EXPECT_TRUE(slip.text.contains(QStringLiteral("4,600.00"))) << slip.text.toStdString();
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard WHERE CreditMemoNum = '100502' AND Quantity = 2")), 1);
    // the window starts again: next number, blank rows, the total back to nothing
    EXPECT_EQ(w->lblPatInfo[5]->text(), QStringLiteral(" 100503"));
    EXPECT_TRUE(cell(1, frmReturn::Code).isEmpty());
    EXPECT_EQ(w->lblPatInfo[6]->text(), QStringLiteral(" 0.00"));
    EXPECT_FALSE(w->cmdPrintSave->isEnabled());
}

TEST_F(ReturnWindowTest, TheLongestReasonTheBoxTakesIsPostedWholeUnderTheSupervisorsWord)
{
    Session.HospitalInfo.IsAllowSupervisorCodeForCancellationOfCharges = true;
    open(true, QStringLiteral("2026000005"));
    pick(QStringLiteral("SUP0002"));
    typeQuantity(QStringLiteral("1"));
    QTest::keyClick(w->txtEntry, Qt::Key_Return);
    // more than the bill note holds: the box keeps what fits behind "Allowed "
    queueValidationWithReason(QString(400, QLatin1Char('R')));
    UiScript::queueDialog(QStringLiteral("frmSupervisorAccessCode"), [](QDialog* d) {
        auto* s = static_cast<frmSupervisorAccessCode*>(d);
        QTest::keyClicks(s->txtUserID, QStringLiteral("CL001"));
        QTest::keyClick(s->txtUserID, Qt::Key_Return);
        QTest::keyClicks(s->txtAccessCode, QStringLiteral("CATH1"));
        QTest::keyClick(s->txtAccessCode, Qt::Key_Return);
    });
    w->cmdPrintSave->click();
    const QString note = QStringLiteral("Allowed ") + QString(292, QLatin1Char('R'));
    EXPECT_EQ(conn().scalar(QStringLiteral("SELECT Remarks FROM STATION..tbBillAdjustInfo WHERE ItemID = 'SUP0002'")).toString(), note)
        << UiScript::texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard WHERE CreditMemoNum = '100502' AND Quantity = 1")), 1);
}

TEST_F(ReturnWindowTest, ARefusedValidationWritesNothingAndKeepsTheRows)
{
    const QString returned = QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard WHERE CreditMemoNum IS NOT NULL");
    const int before = count(returned);
    open(false, QStringLiteral("2026000005"));
    pick(QStringLiteral("MED0401"));
    typeQuantity(QStringLiteral("1"));
    QTest::keyClick(w->txtEntry, Qt::Key_Return);
    UiScript::queueAnswer(vbNo); // the validation is closed, and the question answered No
    w->cmdPrintSave->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Selected transaction(s) will not be saved. \r\nAre you sure you want to return this medicine(s)?"));
    EXPECT_EQ(count(returned), before);
    EXPECT_EQ(cell(1, frmReturn::QtyReturned), QStringLiteral("1"));
}

TEST_F(ReturnWindowTest, TheSuppliesMenuOpensTheReturnsOfItsPatientAndTheListFollows)
{
    setStationParameter(QStringLiteral("CLAllowPostReturn"), QStringLiteral("1"));
    for (const bool supplies : {false, true}) {
        SCOPED_TRACE(supplies);
        RequestPatient p;
        p.IDNum = QStringLiteral("2026000005");
        frmPharmacyRequest menu(supplies ? QStringLiteral("CS") : QStringLiteral("PH"), p);
        menu.show();
        QString title, listTitle;
        int listRows = 0;
        UiScript::queueDialog(QStringLiteral("frmReturn"), [&](QDialog* d) {
            auto* r = static_cast<frmReturn*>(d);
            title = r->windowTitle();
            UiScript::queueDialog(QStringLiteral("frmListPosted"), [&](QDialog* l) {
                listTitle = l->windowTitle();
                listRows = static_cast<frmListPosted*>(l)->flexMSHList->Rows();
            });
            r->cmdPosted->click();
        });
        menu.cmdRequest[3]->click();
        EXPECT_EQ(title, supplies ? QStringLiteral("Post Returned Supplies") : QStringLiteral("Post Returned Medicines"));
        EXPECT_EQ(listTitle, supplies ? QStringLiteral("List of Posted Supplies") : QStringLiteral("List of Posted Medicines"));
        EXPECT_EQ(listRows, 4); // guide wires, sheaths and one sheath back; three medicines
    }
}

TEST_F(ReturnWindowTest, AnIncompleteRowIsAskedAboutAndAClosedAccountStopsThePost)
{
    const QString returned = QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard WHERE CreditMemoNum IS NOT NULL");
    const QString question = QStringLiteral("Row  2 can't be saved. Please enter the quantity to be returned. Do you want to enter the quantity now?");
    struct Case {
        const char* name;
        bool closed;
        int answer;       // to the row question
        int linesPosted;
    };
    const QList<Case> cases{{"yes: back to the row", false, vbYes, 0}, {"no: the others go", false, vbNo, 1}, {"account closed", true, vbNo, 0}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET BillingDate = ? WHERE IDNum = '2026000005'"),
                       {k.closed ? QVariant(QDateTime(QDate(2026, 12, 1), QTime(9, 0))) : QVariant(QMetaType(QMetaType::QDateTime))});
        const int before = count(returned);
        open(false, QStringLiteral("2026000005"));
        pick(QStringLiteral("MED0201"));
        typeQuantity(QStringLiteral("1"));
        QTest::keyClick(w->txtEntry, Qt::Key_Return);
        pick(QStringLiteral("MED0401")); // row 2, left without a quantity
        UiScript::reset();
        queueValidationWithReason(QStringLiteral("NOT USED"));
        UiScript::queueAnswer(k.answer);
        w->cmdPrintSave->click();
        EXPECT_EQ(UiScript::texts().contains(question), !k.closed);
        EXPECT_EQ(count(returned), before + k.linesPosted);
        if (k.linesPosted == 0) EXPECT_EQ(cell(1, frmReturn::QtyReturned), QStringLiteral("1"));
    }
}

class PostedListTest : public ReturnsTest {};

TEST_F(PostedListTest, TotalsAndTheReprintOfAReturn)
{
    frmListPosted list;
    list.setIsCSRMode(true);
    list.setIDNum(QStringLiteral("2026000005"));
    list.show();
    EXPECT_EQ(list.windowTitle(), QStringLiteral("List of Posted Supplies"));
    ASSERT_EQ(list.flexMSHList->Rows(), 4);
    EXPECT_EQ(list.lblTotalPosted->text(), QStringLiteral("10,600.00"));
    EXPECT_EQ(list.lblTotalReturn->text(), QStringLiteral("2,300.00"));
    EXPECT_EQ(list.lblAdjusted->text(), QStringLiteral("0.00"));
    EXPECT_EQ(list.lblTotal->text(), QStringLiteral("8,300.00"));

    // the issue offers no reprint, the return does
    list.flexMSHList->setCurrentCell(2, 0);
    EXPECT_FALSE(list.cmdPrint->isEnabled());
    list.flexMSHList->setCurrentCell(3, 0);
    ASSERT_TRUE(list.cmdPrint->isEnabled());
    list.cmdPrint->click();
    ASSERT_FALSE(ReportLog::calls().isEmpty());
    const ReportCall& slip = ReportLog::calls().last();
    EXPECT_EQ(slip.fileName(), QStringLiteral("CMSlip.rpt"));
    EXPECT_EQ(slip.params[1].toString(), QStringLiteral("2026000005"));
    EXPECT_EQ(slip.params[7].toString(), QStringLiteral("100499"));
    EXPECT_TRUE(slip.text.contains(QStringLiteral("2,300.00"))) << slip.text.toStdString();
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvCMPrint WHERE RefNum = '100499' AND UserID = 'CL001'")), 1);
    // reprinting again stages the memo once, not twice
    list.cmdPrint->click();
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvCMPrint WHERE RefNum = '100499' AND UserID = 'CL001'")), 1);
}

TEST_F(PostedListTest, KindsCountAndReprintWhateverTheirCase)
{
    frmListPosted list;
    list.setIsCSRMode(false);
    list.show();
    struct Line {
        const char *kind, *amount;
    };
    const Line lines[] = {{"ISSUED", "1,000.50"}, {"returned", "200"}, {"Returned ", "100"}, {"adjusted", "50"}, {"", "10"}};
    list.flexMSHList->setRows(6);
    for (int i = 0; i < 5; ++i) {
        list.flexMSHList->setTextMatrix(i + 1, 5, QString::fromLatin1(lines[i].kind));
        list.flexMSHList->setTextMatrix(i + 1, 7, QString::fromLatin1(lines[i].amount));
    }
    list.ComputePostedTotals();
    EXPECT_EQ(list.lblTotalPosted->text(), QStringLiteral("1,000.50"));
    EXPECT_EQ(list.lblTotalReturn->text(), QStringLiteral("310.00"));
    EXPECT_EQ(list.lblAdjusted->text(), QStringLiteral("50.00"));
    EXPECT_EQ(list.lblTotal->text(), QStringLiteral("640.50"));
    const bool reprint[] = {false, true, true, false, false};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(list.IsReturnedLine(i + 1), reprint[i]) << i;
}

} // namespace
