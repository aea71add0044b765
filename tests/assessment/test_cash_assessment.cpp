// The cash assessment driven as a nurse drives it: codes typed into the floating box and Enter,
// the item by kind and its price for the window's own patient, quantities, stat and PSI amounts,
// the save with its slip, and the refusals of the reprint and the revocation.
#include "support/ScriptedValidation.h"
#include "support/TableOutOfReach.h"
#include "support/TestDatabase.h"

#include "assessment/frmCashAssessment.h"
#include "assessment/frmCashCM.h"
#include "charging/ChargingComponents.h"
#include "platform/db/Connection.h"
#include "platform/report/ReportLog.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/doctors/frmDoctorsFee.h"
#include "shared/modGlobals.h"
#include "shared/oxygen/frmPSIReading.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <memory>

namespace {

class CashAssessmentTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        setStationParameter(QStringLiteral("CathlabAllowEditAmount"), QStringLiteral("0")); // prices typed on fee rows only
        m_components = std::make_unique<ChargingComponents>(conn());
        conn().execute(QStringLiteral("UPDATE PATIENT_DATA..TBHOSPITALINFO SET IsShowAmount = 1, IsPrintChargeSlip = 1, isstat = 0, "
                                      "AllowZeroOnHand = 1, PSIOxygenComputationType = 0"));
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName, FirstName) VALUES ('T9002', 'SANTOS', 'MARIA')"));
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, RoomID) VALUES ('TX0001', 'T9002', '205')"));
        const QString item = QStringLiteral(
            "INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, RateA, RateB, RateC, RateD, "
            "RateE, RateF, RateG, RateH, FixRate, Status) VALUES (?, ?, ?, 100, 200, 300, 400, 500, 600, 700, 800, 'N', 'A')");
        conn().execute(item, {"HS", "TST01", "TEST PROCEDURE"});
        conn().execute(item, {"PK", "PK01", "TEST PACKAGE"});
        conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, FixRate, Status) "
                                      "VALUES ('HS', 'TST09', 'UNPRICED SERVICE', 'Y', 'A')"));
        // The demo hospital may already hold the package department.
        conn().execute(QStringLiteral("DELETE FROM BUILD_FILE..tbCoRevenueCode WHERE RevenueID = 'PK'"));
        conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoRevenueCode (RevenueID, ItemName, IsPackage, Status) VALUES ('PK', 'PACKAGES', 1, 'A')"));
        conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoPackageItems (PackageID, RevenueID, SummaryCode, ItemID, Quantity, Amount, LocationID) "
                                      "VALUES ('PK01', 'SR', 'CS', 'SUP0001', 2, 90, '35'), ('PK01', 'SR', 'CS', 'SUP0004', 1, 50, '35'), "
                                      "('PK01', 'HS', 'HS', 'HS001', 1, 450, NULL)"));
        conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctor (DoctorID, LastName, FirstName, Status) VALUES "
                                      "('T01', 'ABAD', 'LUIS', 'A'), ('T02', 'BAUTISTA', 'ROSA', 'A')"));
        conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctorBill (DoctorID, Description, Amount, Status) VALUES "
                                      "('T01', 'ALPHA PROCEDURE', 750.50, 1)"));
        conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctorRate (DoctorID, RateClass, Amount) VALUES ('T02', 'C', 3000)"));
        conn().execute(QStringLiteral("UPDATE BUILD_FILE..TBCOOTHERREVENUE SET RateA = 150, RateB = 150, RateC = 150, RateD = 150, "
                                      "RateE = 150, RateF = 150, RateG = 150, RateH = 150 WHERE OtherSectionID = 'OX' AND OtherRevenueID = 'OX001'"));
        setCounter(1523);
    }
    void TearDown() override
    {
        delete frmCashAssessment::existing();
        m_components.reset();
        DbTest::TearDown();
    }
    void setCounter(int n) { conn().execute(QStringLiteral("UPDATE STATION..tbCLChargeSlip SET AssessNum = ? WHERE StationID = 'CL'"), {n}); }
    frmCashAssessment* open()
    {
        delete frmCashAssessment::existing();
        frmCashAssessment* w = frmCashAssessment::instance();
        for (const char* d : {"SR", "HS", "MD", "OX", "OR", "PK"}) (new QTreeWidgetItem(w->lvwDepartments))->setText(0, QString::fromLatin1(d));
        w->txtID->setText(QStringLiteral("TX0001"));
        w->txtPno->setText(QStringLiteral("T9002"));
        w->txtPatient->setText(QStringLiteral("SANTOS, MARIA"));
        w->txtRoom->setText(QStringLiteral("205"));
        w->txtAge->setText(QStringLiteral("40"));
        w->txtSex->setText(QStringLiteral("F"));
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        UiScript::reset();
        UiScript::setActive(true);
        return w;
    }
    frmCashAssessment* w() { return frmCashAssessment::instance(); }
    EntryGrid* grid() { return w()->mshflexEntry; }
    QString cell(int row, int col) { return grid()->TextMatrix(row, col); }
    void enter(const QString& text)
    {
        w()->txtEntry->selectAll();
        QTest::keyClick(w()->txtEntry, Qt::Key_Backspace);
        QTest::keyClicks(w()->txtEntry, text);
        QTest::keyClick(w()->txtEntry, Qt::Key_Return);
    }
    void readPSI(const char* initial, const char* last)
    {
        UiScript::queueDialog(QStringLiteral("frmPSIReading"), [initial, last](QDialog* d) {
            auto* p = static_cast<frmPSIReading*>(d);
            QTest::keyClicks(p->txtTank, QStringLiteral("31"));
            QTest::keyClick(p->txtTank, Qt::Key_Return);
            if (!*initial) return p->lblExit[0]->click();
            QTest::keyClicks(p->txtInitialReading, QString::fromLatin1(initial));
            QTest::keyClicks(p->txtLastReading, QString::fromLatin1(last));
            p->lblExit[1]->click();
        });
    }
    // A validation of a cancellation: user, access code and the reason typed.
    static void queueCancellationAs(const QString& user, const QString& code)
    {
        UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [user, code](QDialog* d) {
            auto* v = static_cast<frmTransaction_UserValidation*>(d);
            v->txtRemarks->setPlainText(QStringLiteral("WRONG ITEM"));
            QTest::keyClicks(v->txtUserID, user);
            QTest::keyClick(v->txtUserID, Qt::Key_Return);
            QTest::keyClicks(v->txtAccessCode, code);
            QTest::keyClick(v->txtAccessCode, Qt::Key_Return);
        });
    }
    std::unique_ptr<ChargingComponents> m_components;
};

TEST_F(CashAssessmentTest, ItemEntryByKind)
{
    const struct {
        const char *dept, *code;
        bool showAmount;
        const char *unit, *location, *message;
        int packageItems;
    } cases[] = {
        {"SR", "100101", true, "4500", "35", "", 0},  // stock item: the in-patient's selling price
        {"MD", "T02", true, "3000", "", "", 0},       // no fee items: the rate of the room's class
        {"MD", "T01", true, "750.5", "", "", 0},      // the fee picked
        {"HS", "TST01", true, "300", "", "", 0},      // service: the class rate
        {"PK", "PK01", true, "300", "", "", 2},       // package: its stocked items wait for the save
        {"HS", "TST09", false, "", "", "Record(s) indicate that the amount of the item is zero! \r\nPlease contact EDP for further assistance.", 0},
        {"ZZ", "", true, "", "", "Department code does not exist! Please refer to the list of department codes.", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.dept) + " " + c.code);
        conn().execute(QStringLiteral("UPDATE PATIENT_DATA..TBHOSPITALINFO SET IsShowAmount = ?"), {c.showAmount ? 1 : 0});
        open();
        if (QString::fromLatin1(c.code) == QLatin1String("T01"))
            UiScript::queueDialog(QStringLiteral("frmDoctorsFee"), [](QDialog* d) {
                auto* picker = static_cast<frmDoctorsFee*>(d);
                picker->mshFlexDoctorsFee->setCurrentCell(1, 1);
                QTest::keyClick(picker->mshFlexDoctorsFee, Qt::Key_Return);
            });
        enter(QString::fromLatin1(c.dept));
        if (*c.code) enter(QString::fromLatin1(c.code));
        EXPECT_EQ(UiScript::lastText(), QString::fromLatin1(c.message));
        EXPECT_EQ(cell(1, 5), QString::fromLatin1(c.unit));
        EXPECT_EQ(cell(1, 6), QString::fromLatin1(c.unit));
        EXPECT_EQ(cell(1, 7), QString::fromLatin1(c.location));
        int items = 0;
        for (int r = 1; r < w()->mshflexPackageItems->Rows(); ++r) items += w()->mshflexPackageItems->TextMatrix(r, 3).isEmpty() ? 0 : 1;
        EXPECT_EQ(items, c.packageItems);
        if (*c.unit) EXPECT_EQ(grid()->Col(), QString::fromLatin1(c.dept) == QLatin1String("MD") ? 4 : 4);
    }
}

TEST_F(CashAssessmentTest, QuantitiesStatAndPSIAmounts)
{
    const struct {
        const char *dept, *code, *qty;
        bool stat;
        int statAnswer; // 0: not asked
        int psiAnswer;  // 0: not asked
        const char *initial, *last;
        int computation;
        const char *wantQty, *wantAmount, *mark, *message;
    } cases[] = {
        {"HS", "TST01", "2", true, vbYes, 0, "", "", 0, "2", "780", "", ""},  // (P + P x 0.3) x Q
        {"HS", "TST01", "2", true, vbNo, 0, "", "", 0, "2", "600", "", ""},
        {"HS", "TST01", "02", false, 0, 0, "", "", 0, "02", "600", "", ""},
        {"HS", "TST01", "0", false, 0, 0, "", "", 0, "1", "300", "", "Quantity should be greater than Zero(0)!"},
        {"HS", "TST01", "1.5", false, 0, 0, "", "", 0, "1", "300", "", "You are only allowed to enter whole number for quantity."},
        {"SR", "100101", "11", false, 0, 0, "", "", 0, "", "4500", "", "Stock is not enough for the quantity entered. Remaining stock is: 10"},
        {"OX", "OX001", "9", false, 0, vbYes, "2000", "1750", 0, "250", "375", "1", ""},   // per 100 PSI
        {"OX", "OX001", "9", false, 0, vbYes, "2000", "1960", 0, "40", "150", "1", ""},    // under 100 PSI: one price
        {"OX", "OX001", "9", false, 0, vbYes, "2000", "1750", 1, "250", "37500", "1", ""}, // per PSI
        {"OX", "OX001", "9", true, vbYes, vbYes, "2000", "1750", 0, "250", "487.5", "1", ""}, // the stat surcharges the PSI amount
        {"OX", "OX001", "9", false, 0, vbYes, "", "", 0, "1", "150", "0", ""},             // left without readings
        {"OX", "OX001", "3", false, 0, vbNo, "", "", 0, "3", "450", "0", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.dept) + " " + c.qty + " " + c.initial);
        conn().execute(QStringLiteral("UPDATE PATIENT_DATA..TBHOSPITALINFO SET isstat = ?, PSIOxygenComputationType = ?"),
                       {c.stat ? -1 : 0, c.computation});
        open();
        enter(QString::fromLatin1(c.dept));
        enter(QString::fromLatin1(c.code));
        ASSERT_EQ(grid()->Col(), 4);
        UiScript::reset();
        UiScript::setActive(true);
        if (c.psiAnswer) UiScript::queueAnswer(c.psiAnswer);
        if (c.psiAnswer == vbYes) readPSI(c.initial, c.last);
        if (c.statAnswer) UiScript::queueAnswer(c.statAnswer);
        enter(QString::fromLatin1(c.qty));
        QStringList asked;
        for (const ShownMessage& m : UiScript::shown()) asked << m.text;
        EXPECT_EQ(asked.contains(QStringLiteral("Is it Stat/Holiday?")), c.statAnswer != 0);
        EXPECT_EQ(asked.contains(QStringLiteral("Is this a PSI Oxygen?")), c.psiAnswer != 0);
        if (*c.message) EXPECT_EQ(UiScript::lastText(), QString::fromLatin1(c.message));
        EXPECT_EQ(cell(1, 4), QString::fromLatin1(c.wantQty));
        EXPECT_EQ(cell(1, 6), QString::fromLatin1(c.wantAmount));
        EXPECT_EQ(cell(1, 11), QString::fromLatin1(c.mark));
        if (QString::fromLatin1(c.mark) == QLatin1String("1")) EXPECT_EQ(cell(1, 14), QStringLiteral("31"));
    }
}

TEST_F(CashAssessmentTest, SaveWritesTheRowsUnderOneNumberAndShowsTheSlip)
{
    open();
    enter("HS");
    enter("TST01");
    enter("2");
    enter("PK");
    enter("PK01");
    enter("1");
    ASSERT_EQ(grid()->Rows(), 4) << UiScript::lastText().toStdString() << " " << cell(2, 1).toStdString() << cell(2, 2).toStdString()
                                 << " " << cell(2, 4).toStdString() << " " << cell(2, 5).toStdString();
    // F3 on the package row takes its stock items with it
    grid()->MoveTo(2, 1);
    QTest::keyClick(w()->txtEntry, Qt::Key_F3);
    EXPECT_TRUE(w()->mshflexPackageItems->TextMatrix(1, 3).isEmpty());
    enter("PK");
    enter("PK01");
    enter("1");
    UiScript::reset();
    UiScript::setActive(true);
    ReportLog::clear();
    queueValidationAs(QStringLiteral("CL002"), QStringLiteral("CATH2"));
    w()->Command1[0]->click();
    ASSERT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLAssessment WHERE IDNum = 'TX0001' AND AssessNum = 'CL1523' "
                                   "AND UserID = 'CL002' AND Status = 'PENDING'")),
              2)
        << UiScript::lastText().toStdString();
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLAssessPackageItems WHERE AssessNum = 'CL1523'")), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLAssessPrint WHERE AssessNum = 'CL1523'")), 2);
    EXPECT_EQ(UiScript::shown().first().title, QStringLiteral("Important Message"));
    ASSERT_FALSE(ReportLog::calls().isEmpty());
    const ReportCall& slip = ReportLog::calls().last();
    EXPECT_EQ(slip.fileName().toLower(), QStringLiteral("assessment_slip_blankform.rpt"));
    EXPECT_EQ(slip.caption, QStringLiteral("Print Assessment Slip"));
    ASSERT_EQ(slip.params.size(), 17);
    EXPECT_EQ(slip.params[0].toString(), QStringLiteral("CL1523"));
    EXPECT_EQ(slip.params[3].toString(), QStringLiteral("40 / F"));
    EXPECT_EQ(slip.params[13].toString(), QStringLiteral("(CL002) REYES, JOSE LUNA"));
    EXPECT_EQ(slip.params[15].toString(), QStringLiteral("ORIGINAL COPY"));
    EXPECT_TRUE(slip.text.contains(QStringLiteral("TEST PACKAGE")));
    // a new assessment starts: one empty row, the list showing the saved lines, the package grid empty
    EXPECT_EQ(grid()->Rows(), 2);
    EXPECT_TRUE(w()->mshflexPackageItems->TextMatrix(1, 3).isEmpty());
    EXPECT_EQ(w()->MSHFlexList->Rows(), 3);
    EXPECT_FALSE(DialogAnswers.SlipNumberTaken);
}

TEST_F(CashAssessmentTest, AFailedSaveLeavesNothingAndKeepsTheRows)
{
    open();
    enter("HS");
    enter("TST01");
    enter("1");
    queueValidationAs(QStringLiteral("CL002"), QStringLiteral("CATH2"));
    {
        TableOutOfReach gone(conn(), QStringLiteral("STATION..tbCLAssessment"));
        w()->Command1[0]->click();
    }
    EXPECT_EQ(UiScript::shown().last().title, QStringLiteral("Notification"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLChargeSlip WHERE AssessNum = 1523")), 1);
    EXPECT_EQ(cell(1, 2), QStringLiteral("TST01"));
    // a station without a counter row is told so
    conn().execute(QStringLiteral("DELETE FROM STATION..tbCLChargeSlip WHERE StationID = 'CL'"));
    UiScript::reset();
    UiScript::setActive(true);
    queueValidationAs(QStringLiteral("CL002"), QStringLiteral("CATH2"));
    w()->Command1[0]->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("No assessment sequence number set for Station CL."));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLAssessment WHERE IDNum = 'TX0001'")), 0);
    // a blank grid takes nothing
    open();
    w()->Command1[0]->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Can't save a blank charge! Please enter a charge first."));
}

TEST_F(CashAssessmentTest, ReprintAndRevokeRefusals)
{
    const QString line = QStringLiteral("INSERT INTO STATION..tbCLAssessment (AssessNum, AssessType, IDNum, TransDate, RevenueID, ItemID, Description, "
                                        "Quantity, Amount, UserID, Status, ORNumber) VALUES (?, 'CASH', 'TX0001', ?, 'HS', 'TST01', ?, 1, 300, 'CL001', ?, ?)");
    const QDateTime at(QDate(2026, 12, 1), QTime(9, 0));
    conn().execute(line, {"CL0001", at, "PENDING ONE", "PENDING", QVariant(QMetaType(QMetaType::QString))});
    conn().execute(line, {"CL0002", at.addSecs(60), "PAID ONE", "PAID", "OR4455"});
    conn().execute(line, {"CL0003", at.addSecs(120), "REVOKED ONE", "REVOKED", QVariant(QMetaType(QMetaType::QString))});
    const struct {
        int row;
        bool revoke;
        const char* user; // "" : no validation expected
        const char* message;
    } cases[] = {
        {2, true, "", "Can't revoke this assessment! It is already been PROCESSED by the CASHIER."},
        {3, true, "", "Can't revoke this assessment! It is already been REVOKED."},
        {3, false, "", "You can't print this assessment. This assessment is already REVOKED."},
        {1, true, "CL003", "Sorry, you don't have access right to revoke assessments!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.message));
        open();
        ASSERT_EQ(w()->MSHFlexList->Rows(), 4);
        w()->MSHFlexList->setCurrentCell(c.row, 1);
        w()->MSHFlexList_Click();
        UiScript::queueAnswer(vbYes);
        if (*c.user) queueCancellationAs(QString::fromLatin1(c.user), QStringLiteral("CATH3"));
        UiScript::queueAnswer(vbNo); // a refused validation is not tried again
        if (c.revoke) w()->MSHFlexList_DblClick();
        else w()->cmdOption[0]->click();
        EXPECT_EQ(UiScript::lastText(), QString::fromLatin1(c.message));
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLAssessment WHERE Status = 'REVOKED'")), 1);
    }
    // a paid row offers the credit memo instead of the revocation
    open();
    w()->MSHFlexList->setCurrentCell(2, 1);
    w()->MSHFlexList_Click();
    EXPECT_FALSE(w()->cmdOption[1]->isVisible());
    EXPECT_TRUE(w()->cmdCashCM->isVisible());
    // ... which opens for the receipt of the chosen line
    QString receipt;
    UiScript::queueDialog(QStringLiteral("frmCashCM"), [&receipt](QDialog* d) {
        receipt = static_cast<frmCashCM*>(d)->ORNumber;
        d->reject();
    });
    w()->cmdCashCM->click();
    EXPECT_EQ(receipt, QStringLiteral("OR4455"));
    // the pending one is revoked by a user with the right, and the list shows it
    w()->MSHFlexList->setCurrentCell(1, 1);
    UiScript::queueAnswer(vbYes);
    queueCancellationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    w()->MSHFlexList_DblClick();
    EXPECT_EQ(w()->MSHFlexList->TextMatrix(1, 11), QStringLiteral("REVOKED"));
    EXPECT_FALSE(w()->cmdOption[1]->isEnabled());
    // a reprint of a pending or paid one shows the slip
    ReportLog::clear();
    w()->MSHFlexList->setCurrentCell(2, 1);
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    w()->cmdOption[0]->click();
    ASSERT_FALSE(ReportLog::calls().isEmpty());
    EXPECT_EQ(ReportLog::calls().last().caption, QStringLiteral("Reprint Assessment Slip"));
    EXPECT_EQ(ReportLog::calls().last().params[15].toString(), QStringLiteral("REPRINTED COPY"));
    EXPECT_EQ(ReportLog::calls().last().params[8].toString(), QStringLiteral("12/01/2026 09:01:00 AM"));
}

} // namespace
