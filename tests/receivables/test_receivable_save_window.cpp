// The save on the receivable update window as the user drives it: the blank refusal, the rows
// checked first, a failed save keeping the rows, and a save that posts, prints, empties the
// grids and lists the new charges.
#include "receivables/LateChargeFixture.h"
#include "access/AccessTestSupport.h"
#include "support/ScriptedValidation.h"
#include "support/TableOutOfReach.h"

#include "components/login/clsCurrentuser.h"
#include "platform/report/ReportLog.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "receivables/ReceivablePackageItems.h"
#include "receivables/ReceivableValues.h"
#include "receivables/frmRecievable.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class LateChargeWindowTest : public LateChargeTest {
protected:
    void TearDown() override
    {
        delete frmRecievable::existing();
        Receivable.reset();
        LateChargeTest::TearDown();
    }
    frmRecievable* open()
    {
        frmRecievable* w = frmRecievable::instance();
        w->txtPatient->setText(QStringLiteral("SANTOS, MARIA"));
        w->txtPno->setText(QStringLiteral("T9002"));
        w->txtID->setText(QStringLiteral("TX0001"));
        w->txtAge->setText(QStringLiteral("54"));
        w->txtSex->setText(QStringLiteral("F"));
        w->txtRoom->setText(QStringLiteral("205"));
        w->txtDoctor2->setText(QStringLiteral("DR. CRUZ"));
        Receivable.ReceivableHospNum = QStringLiteral("T9002");
        Receivable.ReceivableIDNum = QStringLiteral("TX0001");
        Receivable.ReceivableCompany = QStringLiteral("PERSONAL");
        Receivable.ReceivableMembership = QStringLiteral("NON-MEMBER");
        Receivable.ReceivableAdmType = QStringLiteral("REGULAR");
        w->Command1[0]->setEnabled(true);
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        UiScript::reset(); // only what the save shows counts
        return w;
    }
    // Rows as the item entry leaves them, with the empty row behind.
    void fill(frmRecievable* w, const ReceivableEntryRows& rows)
    {
        EntryGrid& g = *w->mshflexEntry;
        g.setRows(int(rows.size()) + 2);
        for (int r = 0; r < rows.size(); ++r) {
            const ReceivableEntryRow& e = rows[r];
            const int row = r + 1;
            g.setTextMatrix(row, ReceivableEntryRow::Dept, e.dept);
            g.setTextMatrix(row, ReceivableEntryRow::ItemCode, e.itemCode);
            g.setTextMatrix(row, ReceivableEntryRow::Description, e.description);
            g.setTextMatrix(row, ReceivableEntryRow::Qty, e.qty);
            g.setTextMatrix(row, ReceivableEntryRow::UnitPrice, e.unitPrice);
            g.setTextMatrix(row, ReceivableEntryRow::Amount, e.amount);
            g.setTextMatrix(row, ReceivableEntryRow::Location, e.location);
            g.setTextMatrix(row, ReceivableEntryRow::PackageCode, e.packageCode);
            g.setTextMatrix(row, ReceivableEntryRow::DosageID, e.dosageId);
        }
    }
};

} // namespace

TEST_F(LateChargeWindowTest, ABlankGridAndARowWithoutDosageAreRefusedBeforeAnyQuestion)
{
    frmRecievable* w = open();
    // more rows than one, none complete
    fill(w, lateRows({{"HS", "HS001", "ECG", "1", "0"}}));
    w->Command1[0]->click();
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(UiScript::lastText(), "Can't Save a Blank Charge!! Enter a Charge first.....");
    EXPECT_EQ(UiScript::shown().last().style, vbExclamation);

    setStationParameter(QStringLiteral("CLShowDosagePostMedicines"), QStringLiteral("1"));
    UiScript::reset();
    fill(w, lateRows({{"HS", "HS001", "ECG", "1", "450"}, {"PH", "MED0201", "HEPARIN", "1", "410", "20"}}));
    w->Command1[0]->click();
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_TRUE(UiScript::lastText().startsWith(QStringLiteral("DOSAGE ID for ")));
    EXPECT_EQ(UiScript::shown().last().title, "Notification");
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE IDNum = 'TX0001'")), 0);
}

TEST_F(LateChargeWindowTest, AFailedSaveKeepsTheRowsAndASecondSavePostsOnce)
{
    frmRecievable* w = open();
    fill(w, lateRows({{"HS", "HS001", "ECG", "1", "450"}, {"PH", "MED0201", "HEPARIN", "1", "410", "20", "", "D1"}}));
    {
        TableOutOfReach away(conn(), QStringLiteral("STATION..tbCLChargePrint"));
        queueValidationAs(QStringLiteral("CL002"), QStringLiteral("CATH2"));
        w->Command1[0]->click();
    }
    EXPECT_EQ(UiScript::shown().last().title, "Notification"); // the common error notice
    EXPECT_EQ(w->mshflexEntry->TextMatrix(2, ReceivableEntryRow::ItemCode), "MED0201");
    EXPECT_EQ(counter(), 700);
    EXPECT_TRUE(w->Command1[0]->isEnabled());

    UiScript::reset();
    queueValidationAs(QStringLiteral("CL002"), QStringLiteral("CATH2"));
    w->Command1[0]->click();
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE IDNum = 'TX0001'")), 2);
}

TEST_F(LateChargeWindowTest, ASavePostsPrintsEmptiesTheGridsAndListsTheNewCharges)
{
    frmRecievable* w = open();
    Check_If_Package(conn(), QStringLiteral("PK"), QStringLiteral("PKT1"), *w->mshflexPackageItems);
    ASSERT_EQ(PackageGridRows(*w->mshflexPackageItems).size(), 2);
    fill(w, lateRows({{"PK", "PKT1", "PACKAGE ONE", "1", "5000"}, {"PH", "MED0201", "HEPARIN", "1", "410", "20", "", "D1"}}));
    queueValidationAs(QStringLiteral("CL002"), QStringLiteral("CATH2"));
    UiScript::queueAnswer(vbYes); // the confirmation
    UiScript::queueAnswer(vbYes); // the pre-printed form
    w->Command1[0]->click();

    const QStringList texts = UiScript::texts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(UiScript::shown().first().title, "Important Message");
    EXPECT_EQ(texts.last(), "Print Charge Slip! [YES] Pre-printed Form [NO] Blank Paper");
    ASSERT_EQ(ReportLog::calls().size(), 1);
    const ReportCall& slip = ReportLog::calls().first();
    EXPECT_EQ(slip.fileName(), "Charge_Slip_New.RPT");
    EXPECT_EQ(slip.caption, "Print ChargeSlip");
    EXPECT_EQ(slip.params.value(0).toString(), slipNo(700));
    EXPECT_EQ(slip.params.value(5).toString(), "PERSONAL");
    EXPECT_EQ(slip.params.value(4).toString(), "NON-MEMBER");
    EXPECT_TRUE(slip.params.value(13).toString().startsWith(QStringLiteral("(CL002) ")));
    EXPECT_EQ(slip.params.value(15).toString(), "ORIGINAL COPY");
    // posted: the package billed, its stock items issued, the medicine on the stock card
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard WHERE RefNum = ?"), {slipNo(700)}), 3);
    // the grids start afresh and the list shows the new charges
    EXPECT_EQ(w->mshflexEntry->Rows(), 2);
    EXPECT_TRUE(w->mshflexEntry->TextMatrix(1, ReceivableEntryRow::ItemCode).isEmpty());
    EXPECT_TRUE(PackageGridRows(*w->mshflexPackageItems).isEmpty());
    EXPECT_TRUE(w->MSHFlexList->isEnabled());
    QStringList listed;
    for (int r = 1; r < w->MSHFlexList->Rows(); ++r) listed << w->MSHFlexList->TextMatrix(r, 2);
    EXPECT_EQ(listed, (QStringList{"PKT1", "MED0201"}));
}

TEST_F(LateChargeWindowTest, ADoubleClickOnAPostedLineRevokesItAndTheListShowsTheReversal)
{
    SaveReceivableRows(conn(), input(lateRows({{"HS", "HS001", "ECG 12 LEADS", "1", "450"}})));
    frmRecievable* w = open();
    w->Command1[5]->click(); // "&Refresh"
    ASSERT_TRUE(w->MSHFlexList->isEnabled());
    ASSERT_EQ(w->MSHFlexList->TextMatrix(1, 2), "HS001");
    w->MSHFlexList->setCurrentCell(1, 2);
    w->cmdOption[0]->setEnabled(true);
    Session.HospitalInfo.IsAllowSupervisorCodeForCancellationOfCharges = false; // the window read the hospital's settings
    AccessTest::queueValidation(QStringLiteral("CL002"), QStringLiteral("CATH2"), QStringLiteral("ENTERED TWICE"));
    UiScript::queueAnswer(vbYes); // the question
    UiScript::queueAnswer(vbNo);  // a validation that failed would end here
    Q_EMIT w->MSHFlexList->cellDoubleClicked(1, 2);
    EXPECT_FALSE(w->cmdOption[0]->isEnabled());
    EXPECT_EQ(UiScript::texts().value(0), "Are you sure you want to revoke this item?");
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE IDNum = 'TX0001' AND Amount < 0")), 1);
    // the reloaded list holds the line and its reversal
    EXPECT_EQ(w->MSHFlexList->Rows(), 3);
    EXPECT_EQ(w->MSHFlexList->TextMatrix(2, 5).left(1), "-");
}
