// The charging window's list of posted charges and the revocation of a posted charge, driven on the
// real window: what the list shows after lines are written, every refusal with its text and title,
// the reversal lines a revocation posts, and a failure inside a revocation that leaves nothing
// reversed.
#include "support/TestDatabase.h"

#include "access/AccessTestSupport.h"
#include "charging/ChargePostedList.h"
#include "charging/ChargeRevocation.h"
#include "charging/frmCharge.h"
#include "hospital/ChargePostings.h"
#include "platform/report/ReportLog.h"
#include "platform/db/Connection.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "support/TableOutOfReach.h"

#include <QLineEdit>
#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <atomic>
#include <latch>
#include <thread>

namespace PostedCol = PostedChargeRow;

namespace {

const QString kInPatient = QStringLiteral("TX0001");
const QString kOutPatient = QStringLiteral("TX0005B");
const QString kSlip = QStringLiteral("C5001\u00C3");

class PostedChargesTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        StationParameters().LoadParameters();
        for (const char* field : {"NoPackageItemExclude", "CLCheckRevokePackageRight", "CLEnableOldPackageCharging"})
            setStationParameter(QString::fromLatin1(field), QStringLiteral("0"));
        setStationParameter(QStringLiteral("CLConsignedPackagesRevenueID"), QStringLiteral("CO"));
        setStationParameter(QStringLiteral("CLEquipmentRev"), QStringLiteral("EQ"));
        Session.HospitalInfo.IsShowAmount = true;
        Session.HospitalInfo.IsPrintChargeSlip = true;
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName, FirstName) VALUES ('T9002', 'SANTOS', 'MARIA')"));
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, RoomID) VALUES (?, 'T9002', '205')"), {kInPatient});
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..TBOUTPATIENT (IDNum, HospNum) VALUES (?, 'T9002')"), {kOutPatient});
        conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, RateA, "
                                      "FixRate, Status) VALUES ('HS', 'TST01', 'TEST PROCEDURE', 1500, 'Y', 'A'), "
                                      "('CO', 'TPK01', 'TEST CONSIGNED PACKAGE', 9000, 'Y', 'A'), "
                                      "('EQ', 'TEQ01', 'TEST EQUIPMENT PACKAGE', 7000, 'Y', 'A')"));
        conn().execute(QStringLiteral("INSERT INTO STATION..tbCLChargingCodes (RevenueID, Description, Status) VALUES ('CO', 'CONSIGNED', 'A')"));
        conn().execute(QStringLiteral("INSERT INTO INVENTORY..tbInvLocation (LocationID, Location, InventoryType) VALUES "
                                      "('T1', 'TEST CENTRAL SUPPLY', 'C'), ('T2', 'TEST PHARMACY', 'P')"));
        conn().execute(QStringLiteral("INSERT INTO INVENTORY..tbInvLocationStock (LocationID, ItemID, OnHand) VALUES ('T1', 'SUP0002', 5), "
                                      "('T2', 'MED0201', 40)"));
    }
    void TearDown() override
    {
        delete frmCharge::existing();
        DbTest::TearDown();
    }

    // A posted line as the save writes it; a stock line also gets its stock-card line.
    void post(const QString& idNum, const QString& dept, const QString& item, double qty, double amount,
              const QString& slip = kSlip, const QString& location = QString(), int minutes = 0)
    {
        BillingLine l;
        l.HospNum = QStringLiteral("T9002");
        l.IDNum = idNum;
        l.RevenueID = dept;
        l.ItemID = item;
        l.RefNum = slip;
        l.UserID = QStringLiteral("CL002");
        l.RoomID = QStringLiteral("205");
        l.TransDate = QDateTime(QDate(2026, 12, 10), QTime(9, 15)).addSecs(minutes * 60);
        l.Quantity = qty;
        l.Amount = amount;
        l.DrCr = QStringLiteral("D");
        InsertBillingLine(conn(), l);
        if (!location.isEmpty())
            conn().execute(QStringLiteral("INSERT INTO INVENTORY..tbInvStockCard (HospNum, IDNum, ItemID, LocationID, RevenueID, TransDate, "
                                          "RefNum, Quantity, Amount, UserID) VALUES ('T9002', ?, ?, ?, ?, ?, ?, ?, ?, 'CL002')"),
                           {idNum, item, location, dept, l.TransDate, slip, -qty, amount});
    }

    frmCharge* open(const QString& idNum = kInPatient)
    {
        frmCharge* w = frmCharge::instance();
        w->txtID->setText(idNum);
        w->txtPno->setText(QStringLiteral("T9002"));
        w->txtRoom->setText(QStringLiteral("205"));
        w->resize(1200, 700);
        w->show();
        return w;
    }
    // The list row of an item (0 when not listed).
    static int rowOf(frmCharge* w, const QString& item, bool reversal = false)
    {
        for (int r = 1; r < w->MSHFlexList->Rows(); ++r)
            if (w->MSHFlexList->TextMatrix(r, PostedCol::ItemCode) == item && w->MSHFlexList->TextMatrix(r, PostedCol::Amount).startsWith('-') == reversal)
                return r;
        return 0;
    }
    static QStringList rowTexts(frmCharge* w, int row, int to = PostedCol::PackageID)
    {
        QStringList t;
        for (int c = PostedCol::Dept; c <= to; ++c) t << w->MSHFlexList->TextMatrix(row, c);
        return t;
    }
    // Revokes the list row with the Revoke button.
    void revoke(frmCharge* w, int row)
    {
        w->MSHFlexList->setCurrentCell(row, PostedCol::Dept);
        w->cmdOption[1]->click();
    }
    // A revocation of the in-patient's line as the window hands it over, by CL002.
    static ChargeRevocation::Reversal reversalOf(const QString& dept, const QString& item, const QString& amount, const QString& slip)
    {
        ChargeRevocation::Reversal r;
        r.hospNum = QStringLiteral("T9002");
        r.idNum = kInPatient;
        r.room = QStringLiteral("205");
        r.patientType = QStringLiteral("I");
        r.userID = QStringLiteral("CL002");
        r.reason = QStringLiteral("TEST");
        r.when = QDateTime(QDate(2026, 12, 10), QTime(10, 0));
        r.charge = {dept, item, QStringLiteral("X"), QStringLiteral("1"), amount, slip, QString(), QString()};
        return r;
    }
    int billingLines(const QString& idNum = kInPatient)
    {
        return count(idNum.endsWith('B') ? QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillOPDailyOut WHERE IDNum = ?")
                                         : QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE IDNum = ?"),
                     {idNum});
    }
    int postings()
    {
        return billingLines(kInPatient) + billingLines(kOutPatient) + count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard")) +
               count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbBillAdjustInfo"));
    }
};

TEST_F(PostedChargesTest, ListsTheAdmissionsLinesOfTheStationsDepartmentsWithReversalsInRed)
{
    post(kInPatient, QStringLiteral("HS"), QStringLiteral("TST01"), 1, 1500);
    post(kInPatient, QStringLiteral("CS"), QStringLiteral("SUP0002"), 2, 4800, kSlip, QStringLiteral("T1"), 1);
    post(kInPatient, QStringLiteral("HS"), QStringLiteral("TST01"), -1, -1500, QStringLiteral("C5002\u00C3"), QString(), 2);
    post(kInPatient, QStringLiteral("LB"), QStringLiteral("CBC"), 1, 350);   // a department the station does not charge
    post(QStringLiteral("TX0002"), QStringLiteral("HS"), QStringLiteral("TST01"), 1, 1500); // another admission
    frmCharge* w = open();

    ASSERT_EQ(w->MSHFlexList->Rows(), 4);
    EXPECT_TRUE(w->MSHFlexList->isEnabled());
    EXPECT_TRUE(w->txtMessage->isHidden());
    const QStringList headers = {"Dept. ", "Item. #", " Item   Description    ", "QTY", "Amount ", "ChargeSlip #"};
    for (int c = 0; c < headers.size(); ++c) EXPECT_EQ(w->MSHFlexList->TextMatrix(0, c + 1), headers[c]);
    EXPECT_EQ(rowTexts(w, 1, PostedCol::PostedAt),
              QStringList({"HS", "TST01", "TEST PROCEDURE", "1", "1500.00", kSlip, "12/10/2026 09:15:00 AM"}));
    EXPECT_EQ(rowTexts(w, 2), QStringList({"CS", "SUP0002", "INTRODUCER SHEATH 6FR PC", "2", "4800.00", kSlip, "12/10/2026 09:16:00 AM",
                                           "CL002", "T1", ""}));
    EXPECT_EQ(w->MSHFlexList->TextMatrix(1, PostedCol::Location), QString()); // a service has no stock location
    EXPECT_EQ(w->MSHFlexList->TextMatrix(3, PostedCol::Amount), "-1500.00");
    for (int c = 1; c < w->MSHFlexList->Cols(); ++c) {
        EXPECT_EQ(w->MSHFlexList->item(3, c)->foreground().color(), QColor(255, 0, 0)) << c;
        EXPECT_NE(w->MSHFlexList->item(1, c)->foreground().color(), QColor(255, 0, 0)) << c;
    }
    // Selected, the reversal stays red; another line takes the usual selection colour again.
    w->MSHFlexList->setCurrentCell(3, 2);
    EXPECT_EQ(w->MSHFlexList->palette().color(QPalette::HighlightedText), QColor(255, 0, 0));
    w->MSHFlexList->setCurrentCell(1, 2);
    EXPECT_NE(w->MSHFlexList->palette().color(QPalette::HighlightedText), QColor(255, 0, 0));
}

TEST_F(PostedChargesTest, AnOutPatientVisitListsItsChargeSlipsFromTheOutPatientLines)
{
    post(kOutPatient, QStringLiteral("HS"), QStringLiteral("TST01"), 1, 1500);
    conn().execute(QStringLiteral("INSERT INTO BILLING..tbBillOPDailyOut (HospNum, IDNum, TransDate, RevenueID, DrCr, ItemID, Quantity, "
                                  "Refnum, Amount, UserID) VALUES ('T9002', ?, ?, 'PH', 'D', 'MED0201', 3, 'C4999\u00C3', 1232.25, 'CL002')"),
                   {kOutPatient, QDateTime(QDate(2026, 12, 9), QTime(14, 5))});
    post(kInPatient, QStringLiteral("HS"), QStringLiteral("TST01"), 1, 1500);
    frmCharge* w = open(kOutPatient);

    ASSERT_EQ(w->MSHFlexList->Rows(), 3);
    EXPECT_EQ(rowTexts(w, 1, PostedCol::PostedAt),
              QStringList({QStringLiteral("PH"), QStringLiteral("MED0201"), w->MSHFlexList->TextMatrix(1, PostedCol::Description), QStringLiteral("3"),
                           QStringLiteral("1232.25"), QStringLiteral("C4999\u00C3"), QStringLiteral("12/09/2026 02:05:00 PM")}));
    EXPECT_EQ(rowTexts(w, 2, PostedCol::ChargeSlip), QStringList({"HS", "TST01", "TEST PROCEDURE", "1", "1500.00", kSlip}));
}

TEST_F(PostedChargesTest, NothingPostedShowsTheNoticeAndRefreshShowsWhatWasPostedSince)
{
    frmCharge* w = open();
    EXPECT_EQ(w->MSHFlexList->Rows(), 2);
    EXPECT_FALSE(w->MSHFlexList->isEnabled());
    EXPECT_TRUE(w->txtMessage->isVisible());
    EXPECT_EQ(w->txtMessage->text(), "No Charges Entered");
    EXPECT_EQ(w->MSHFlexList->TextMatrix(0, PostedCol::ChargeSlip), "ChargeSlip #");

    // Revoke on the blank line does nothing at all.
    w->cmdOption[1]->click();
    EXPECT_TRUE(UiScript::shown().isEmpty());
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());

    post(kInPatient, QStringLiteral("HS"), QStringLiteral("TST01"), 1, 1500);
    w->cmdRefresh->click();
    EXPECT_EQ(w->MSHFlexList->Rows(), 2);
    EXPECT_EQ(w->MSHFlexList->TextMatrix(1, PostedCol::ItemCode), "TST01");
    EXPECT_TRUE(w->MSHFlexList->isEnabled());
    EXPECT_TRUE(w->txtMessage->isHidden());
}

TEST_F(PostedChargesTest, WidthsFollowTheGridAndTheAmountIsHiddenButStillListed)
{
    post(kInPatient, QStringLiteral("HS"), QStringLiteral("TST01"), 1, 1500);
    Session.HospitalInfo.IsShowAmount = false;
    frmCharge* w = open();
    w->cmdRefresh->click();
    const int width = w->MSHFlexList->width() * 15;
    EXPECT_EQ(w->MSHFlexList->ColWidth(PostedCol::Dept), width / 15 / 15 * 15);
    EXPECT_EQ(w->MSHFlexList->ColWidth(PostedCol::Amount), 0);
    EXPECT_EQ(w->MSHFlexList->TextMatrix(1, PostedCol::Amount), "1500.00");
    Session.HospitalInfo.IsShowAmount = true;
    w->cmdRefresh->click();
    EXPECT_GT(w->MSHFlexList->ColWidth(PostedCol::Amount), 0);
}

TEST_F(PostedChargesTest, AClickEnablesReprintOnlyWhereSlipsArePrinted)
{
    post(kInPatient, QStringLiteral("HS"), QStringLiteral("TST01"), 1, 1500);
    frmCharge* w = open();
    for (bool prints : {false, true}) {
        Session.HospitalInfo.IsPrintChargeSlip = prints;
        w->cmdOption[1]->setEnabled(false);
        const QRect cell = w->MSHFlexList->visualItemRect(w->MSHFlexList->item(1, PostedCol::ItemCode));
        QTest::mouseClick(w->MSHFlexList->viewport(), Qt::LeftButton, {}, cell.center());
        EXPECT_EQ(w->cmdOption[0]->isEnabled(), prints);
        EXPECT_TRUE(w->cmdOption[1]->isEnabled());
    }
    // the slip of the clicked line, printed again as a reprint
    ReportLog::clear();
    w->cmdOption[0]->click();
    ASSERT_EQ(ReportLog::calls().size(), 1);
    EXPECT_EQ(ReportLog::calls().last().fileName(), "Charge_Slip_BlankForm.RPT");
    EXPECT_EQ(ReportLog::calls().last().params.value(0).toString(), kSlip);
    EXPECT_EQ(ReportLog::calls().last().params.value(15).toString(), "REPRINTED COPY");
}

// The list reloads whenever the window is activated, the click into an inactive window included:
// a click on a line of a scrolled list selects that line, the list stays put, and the revocation
// asks about that line.
TEST_F(PostedChargesTest, AClickOnAScrolledListSelectsTheLineUnderThePointerAndRevokeAsksAboutIt)
{
    const QString item = QStringLiteral("INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, RateA, "
                                        "FixRate, Status) VALUES ('HS', ?, ?, 100, 'Y', 'A')");
    for (int i = 1; i <= 40; ++i) {
        const QString code = QStringLiteral("TL%1").arg(i, 2, 10, QLatin1Char('0'));
        conn().execute(item, {code, QStringLiteral("LISTED SERVICE %1").arg(i)});
        post(kInPatient, QStringLiteral("HS"), code, 1, 100, kSlip, QString(), i);
    }
    frmCharge* w = open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    FlexGrid* list = w->MSHFlexList;
    list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
    const int scrolled = list->verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);
    // a line in the middle of what is in view
    const int row = list->rowAt(list->viewport()->height() / 2);
    ASSERT_GT(row, 1);
    const QString chosen = list->TextMatrix(row, PostedCol::Description);
    const QPoint at = list->visualItemRect(list->item(row, PostedCol::Description)).center();

    struct Case {
        const char* name;
        std::function<void()> click;
    } cases[] = {
        {"activated, then clicked",
         [&] {
             QEvent activate(QEvent::WindowActivate);
             QApplication::sendEvent(w, &activate);
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
         }},
        {"clicked, then activated",
         [&] {
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
             QEvent activate(QEvent::WindowActivate);
             QApplication::sendEvent(w, &activate);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        list->setCurrentCell(1, PostedCol::Dept);
        list->verticalScrollBar()->setValue(scrolled);
        c.click();
        EXPECT_EQ(list->currentRow(), row);
        EXPECT_EQ(list->verticalScrollBar()->value(), scrolled);
        UiScript::reset();
        UiScript::queueAnswer(vbNo);
        w->cmdOption[1]->click();
        EXPECT_EQ(UiScript::lastText(), QStringLiteral("Are you sure you want to revoke ") + chosen + QStringLiteral("?"));
    }
}

// ---- refusals ----

struct Refusal {
    const char* name;
    std::function<void(PostedChargesTest*, Connection&)> setUp;
    std::function<void()> script; // dialogs and answers before the refusal
    QString text;
    QString title;
    int style;
    bool packageLine;
};

class RevocationRefusalTest : public PostedChargesTest {
public:
    void setParameter(const QString& f, const QString& v) { setStationParameter(f, v); }
};

TEST_F(RevocationRefusalTest, EachRefusalShowsItsMessageAndPostsNothing)
{
    using namespace AccessTest;
    const QString yesNo = QStringLiteral("\r\nAre you sure you want to revoke this charge?");
    const Refusal cases[] = {
        {"account closed", [](PostedChargesTest*, Connection& c) {
             c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET BillingDate = ? WHERE IDNum = ?"),
                       {QDateTime(QDate(2026, 12, 10), QTime(17, 0)), kInPatient});
         }, {}, QStringLiteral("The patient's account has already been closed. \r\n\r\nIf you have transactions to make, please notify the "
                               "Billing staff immediately for further instructions."), "Notification", vbExclamation, false},
        {"department cleared", [](PostedChargesTest*, Connection& c) {
             c.execute(QStringLiteral("INSERT INTO STATION..tbNurseDeptClearance (IDNum, DepartmentID, ClearDate) VALUES (?, 'CL', ?)"),
                       {kInPatient, QDateTime(QDate(2026, 12, 10), QTime(16, 0))});
         }, {}, QStringLiteral("Patient is already cleared by (Cathlab Department). If you have charges to make, notify the Billing staff "
                               "immediately for further instructions."), "Notification", vbInformation, false},
        {"package items may not be excluded", [](PostedChargesTest* t, Connection&) {
             static_cast<RevocationRefusalTest*>(t)->setParameter(QStringLiteral("NoPackageItemExclude"), QStringLiteral("1"));
         }, {}, QStringLiteral("Sorry, you are not allowed to revoke package items."), "Notification", vbInformation, true},
        {"result exists", [](PostedChargesTest*, Connection& c) {
             c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCathLabMaster (RequestNum, RefNum, IDNum, ItemID, RevenueID, "
                                      "RequestStatus) VALUES ('TRQ01', ?, ?, 'TST01', 'HS', 'D')"), {kSlip, kInPatient});
         }, {}, QStringLiteral("Can't proceed to revoke exam. Result already exist."), "Notification", vbInformation, false},
        {"confirmation answered No", {}, [] { UiScript::queueAnswer(vbNo); },
         QStringLiteral("Are you sure you want to revoke TEST PROCEDURE?"), "Confirmation", vbYesNo | vbQuestion, false},
        {"validation given up", {}, [] {
             UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [](QDialog* d) { d->reject(); });
             UiScript::queueAnswer(vbYes);
             UiScript::queueAnswer(vbNo);
         }, QStringLiteral("Selected charge(s) will not be revoked! ") + yesNo, "Confirmation", vbYesNo | vbInformation, false},
        {"no right to revoke charges", {}, [] { queueValidation(QStringLiteral("CL003"), QStringLiteral("CATH3"), QStringLiteral("WRONG ITEM")); },
         QStringLiteral("Sorry, you don't have access right to revoke charges."), "Notification", vbInformation, false},
        // The workstation's user (CL001) holds right 38; the user who revokes does not.
        {"no right to revoke packages", [](PostedChargesTest* t, Connection& c) {
             static_cast<RevocationRefusalTest*>(t)->setParameter(QStringLiteral("CLCheckRevokePackageRight"), QStringLiteral("1"));
             c.execute(QStringLiteral("UPDATE STATION..tbNurseUserRights SET EmployeeRights = '|22|2' WHERE EmployeeID = 'CL002'"));
         }, [] { queueValidation(QStringLiteral("CL002"), QStringLiteral("CATH2"), QStringLiteral("WRONG ITEM")); },
         QStringLiteral("Sorry, you are not allowed to revoke packages."), "Notification", vbInformation, true},
        {"supervisor given up", [](PostedChargesTest*, Connection&) {
             Session.HospitalInfo.IsAllowSupervisorCodeForCancellationOfCharges = true;
         }, [] {
             queueValidation(QStringLiteral("CL002"), QStringLiteral("CATH2"), QStringLiteral("WRONG ITEM"));
             UiScript::queueDialog(QStringLiteral("frmSupervisorAccessCode"), [](QDialog* d) { d->reject(); });
             UiScript::queueAnswer(vbYes);
             UiScript::queueAnswer(vbNo);
         }, QStringLiteral("Selected charge was not revoked! ") + yesNo, "Confirmation", vbYesNo | vbInformation, false},
    };
    conn().execute(QStringLiteral("INSERT INTO STATION..tbCLPackage_CodeLink (PackageCode, NurseItemCode, Status) VALUES ('TPK01', 'CL901', 'A')"));
    for (const Refusal& k : cases) {
        SCOPED_TRACE(k.name);
        // Each case on an admission of its own, from the usual settings.
        delete frmCharge::existing();
        UiScript::reset();
        setParameter(QStringLiteral("NoPackageItemExclude"), QStringLiteral("0"));
        setParameter(QStringLiteral("CLCheckRevokePackageRight"), QStringLiteral("0"));
        Session.HospitalInfo.IsAllowSupervisorCodeForCancellationOfCharges = false;
        conn().execute(QStringLiteral("DELETE FROM PATIENT_DATA..tbPatient WHERE IDNum = ?"), {kInPatient});
        conn().execute(QStringLiteral("DELETE FROM BILLING..tbBillDailyBill WHERE IDNum = ?"), {kInPatient});
        conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseDeptClearance WHERE IDNum = ?"), {kInPatient});
        conn().execute(QStringLiteral("DELETE FROM CLINICAL_AREA..tbCathLabMaster WHERE IDNum = ?"), {kInPatient});
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, RoomID) VALUES (?, 'T9002', '205')"), {kInPatient});
        if (k.packageLine) post(kInPatient, QStringLiteral("CO"), QStringLiteral("TPK01"), 1, 9000);
        else post(kInPatient, QStringLiteral("HS"), QStringLiteral("TST01"), 1, 1500);
        if (k.setUp) k.setUp(this, conn());
        frmCharge* w = open();
        ASSERT_EQ(w->MSHFlexList->Rows(), 2);
        if (k.packageLine) ASSERT_EQ(w->MSHFlexList->TextMatrix(1, PostedCol::PackageID), "TPK01");
        const int before = postings();
        if (k.script) k.script();
        revoke(w, 1);
        ASSERT_FALSE(UiScript::shown().isEmpty());
        const ShownMessage& m = UiScript::shown().last();
        EXPECT_EQ(m.text, k.text);
        EXPECT_EQ(m.title, k.title);
        EXPECT_EQ(m.style, k.style);
        EXPECT_EQ(postings(), before);
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE IDNum = ? AND Amount < 0"), {kInPatient}), 0);
    }
}

TEST_F(RevocationRefusalTest, AQoltaPackageLineWithoutAmountIsAlreadyRevokedElsewhereItGoesOn)
{
    post(kInPatient, QStringLiteral("CO"), QStringLiteral("TPK01"), 1, 0);
    conn().execute(QStringLiteral("INSERT INTO STATION..tbCLPackage_CodeLink (PackageCode, NurseItemCode, Status) VALUES ('TPK01', 'CL901', 'A')"));
    frmCharge* w = open();
    Session.HospClientName = QStringLiteral("QOLTA");
    revoke(w, 1);
    EXPECT_EQ(UiScript::lastText(), "Sorry, this package is already revoked.");
    // Elsewhere the line goes on to the remaining amount, which is nothing.
    Session.HospClientName = QStringLiteral("OTHER");
    revoke(w, 1);
    EXPECT_EQ(UiScript::lastText(), "Can't revoke this item. The Total Amount is already zero (0)!");
    EXPECT_EQ(UiScript::shown().last().title, "Message");
    EXPECT_EQ(UiScript::shown().last().style, vbOKOnly | vbCritical);
    EXPECT_FALSE(w->cmdOption[0]->isEnabled()); // the refusal came after the buttons were set
}

// ---- postings ----

TEST_F(PostedChargesTest, AServiceIsReversedOnTheAccountWithTheReasonKept)
{
    post(kInPatient, QStringLiteral("HS"), QStringLiteral("TST01"), 2, 3000);
    conn().execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLReturnedItems (IDNum, RefNum, ItemID) VALUES (?, ?, 'SUP0001'), "
                                  "(?, 'C0001\u00C3', 'SUP0001')"),
                   {kInPatient, kSlip, kInPatient});
    frmCharge* w = open();
    AccessTest::queueValidation(QStringLiteral("CL002"), QStringLiteral("CATH2"), QStringLiteral("CHARGED TWICE"));
    revoke(w, 1);
    ASSERT_EQ(UiScript::texts(), QStringList{"Are you sure you want to revoke TEST PROCEDURE?"});

    const Recordset rs = conn().query(QStringLiteral("SELECT RevenueID, ItemID, Quantity, Amount, Refnum, UserID, RoomID, Arcode, DrCr "
                                                     "FROM BILLING..tbBillDailyBill WHERE IDNum = ? AND Amount < 0"),
                                      {kInPatient});
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text("RevenueID"), "HS");
    EXPECT_EQ(rs.text("ItemID"), "TST01");
    EXPECT_DOUBLE_EQ(rs.toDouble("Quantity"), -2);
    EXPECT_DOUBLE_EQ(rs.toDouble("Amount"), -3000);
    EXPECT_EQ(rs.text("Refnum"), kSlip);
    EXPECT_EQ(rs.text("UserID"), "CL002");
    EXPECT_EQ(rs.text("RoomID"), "205");
    EXPECT_EQ(rs.text("Arcode"), "1131-HSR"); // the revocation's AR code (mode 2)
    const Recordset note = conn().query(QStringLiteral("SELECT RevenueID, ItemID, Amount, Quantity, RequestNum, Remarks, SupervisorID "
                                                       "FROM STATION..tbBillAdjustInfo"));
    ASSERT_EQ(note.recordCount(), 1);
    EXPECT_EQ(note.text("Remarks"), "CHARGED TWICE");
    EXPECT_EQ(note.text("SupervisorID"), "");
    EXPECT_DOUBLE_EQ(note.toDouble("Amount"), -3000);
    EXPECT_EQ(note.text("RequestNum"), kSlip);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard WHERE IDNum = ?"), {kInPatient}), 0);
    // The items returned under this slip are cleared, another slip's stay.
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..tbCLReturnedItems WHERE RefNum = ?"), {kSlip}), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..tbCLReturnedItems")), 1);

    // The list shows the reversal in red, and the same line cannot be revoked again.
    ASSERT_EQ(w->MSHFlexList->Rows(), 3);
    EXPECT_EQ(w->MSHFlexList->TextMatrix(2, PostedCol::Amount), "-3000.00");
    UiScript::reset();
    revoke(w, 1);
    EXPECT_EQ(UiScript::texts(), QStringList{"Can't revoke this item. The Total Amount is already zero (0)!"});
    EXPECT_EQ(billingLines(), 2);
}

TEST_F(PostedChargesTest, AnOutPatientServiceIsReversedForTheOpdRoom)
{
    post(kOutPatient, QStringLiteral("HS"), QStringLiteral("TST01"), 1, 1500);
    frmCharge* w = open(kOutPatient);
    AccessTest::queueValidation(QStringLiteral("CL002"), QStringLiteral("CATH2"), QStringLiteral("WRONG PATIENT"));
    revoke(w, 1);
    const Recordset rs = conn().query(QStringLiteral("SELECT HospNum, RoomID, ChargeSlip, Refnum, Amount FROM BILLING..tbBillOPDailyOut "
                                                     "WHERE IDNum = ? AND Amount < 0"),
                                      {kOutPatient});
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text("RoomID"), "OPD/ER");
    EXPECT_EQ(rs.text("HospNum"), "T9002");
    EXPECT_EQ(rs.text("ChargeSlip"), kSlip);
    EXPECT_EQ(rs.text("Refnum"), kSlip);
    EXPECT_EQ(billingLines(kInPatient), 0);
}

TEST_F(PostedChargesTest, AStockItemGoesBackToItsLocationByTheLocationsKind)
{
    struct Case { const char* location; const char* item; const char* dept; const char* kind; double onHand; };
    for (const Case& k : {Case{"T1", "SUP0002", "CS", "CS", 5}, Case{"T2", "MED0201", "PH", "PH", 40}}) {
        SCOPED_TRACE(k.location);
        delete frmCharge::existing();
        conn().execute(QStringLiteral("DELETE FROM BILLING..tbBillDailyBill"));
        conn().execute(QStringLiteral("DELETE FROM INVENTORY..tbInvStockCard"));
        conn().execute(QStringLiteral("DELETE FROM STATION..tbBillAdjustInfo"));
        post(kInPatient, QString::fromLatin1(k.dept), QString::fromLatin1(k.item), 2, 800, kSlip, QString::fromLatin1(k.location));
        frmCharge* w = open();
        ASSERT_EQ(w->MSHFlexList->TextMatrix(1, PostedCol::Location), k.location);
        AccessTest::queueValidation(QStringLiteral("CL002"), QStringLiteral("CATH2"), QStringLiteral("NOT USED"));
        revoke(w, 1);
        const Recordset card = conn().query(QStringLiteral("SELECT LocationID, RevenueID, Quantity, Amount, RefNum, UserID "
                                                           "FROM INVENTORY..tbInvStockCard WHERE Amount < 0"));
        ASSERT_EQ(card.recordCount(), 1);
        EXPECT_EQ(card.text("LocationID"), k.location);
        EXPECT_EQ(card.text("RevenueID"), k.kind);
        EXPECT_DOUBLE_EQ(card.toDouble("Quantity"), 2); // back into stock
        EXPECT_DOUBLE_EQ(card.toDouble("Amount"), -800);
        EXPECT_EQ(card.text("UserID"), "CL002");
        EXPECT_DOUBLE_EQ(conn().scalar(QStringLiteral("SELECT OnHand FROM INVENTORY..tbInvLocationStock WHERE LocationID = ? AND ItemID = ?"),
                                       {k.location, k.item}).toDouble(), k.onHand + 2);
        // One reversing line on the account, under the charge's own department.
        const Recordset bill = conn().query(QStringLiteral("SELECT RevenueID, Quantity, Amount FROM BILLING..tbBillDailyBill WHERE Amount < 0"));
        ASSERT_EQ(bill.recordCount(), 1);
        EXPECT_EQ(bill.text("RevenueID"), k.dept);
        EXPECT_DOUBLE_EQ(bill.toDouble("Quantity"), -2);
        const Recordset note = conn().query(QStringLiteral("SELECT RevenueID, ItemID, Quantity, Amount, Remarks FROM STATION..tbBillAdjustInfo"));
        ASSERT_EQ(note.recordCount(), 1);
        EXPECT_EQ(note.text("RevenueID"), k.kind);
        EXPECT_DOUBLE_EQ(note.toDouble("Quantity"), -2);
        EXPECT_DOUBLE_EQ(note.toDouble("Amount"), -800);
        EXPECT_EQ(note.text("Remarks"), "NOT USED");
    }
}

TEST_F(PostedChargesTest, WithTheSupervisorTheReasonTypedIsKeptAfterAllowed)
{
    Session.HospitalInfo.IsAllowSupervisorCodeForCancellationOfCharges = true;
    post(kInPatient, QStringLiteral("HS"), QStringLiteral("TST01"), 1, 1500);
    frmCharge* w = open();
    AccessTest::queueValidation(QStringLiteral("CL002"), QStringLiteral("CATH2"), QStringLiteral("DUPLICATE ENTRY"));
    AccessTest::queueSupervisor(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    revoke(w, 1);
    const Recordset note = conn().query(QStringLiteral("SELECT SupervisorID, Remarks FROM STATION..tbBillAdjustInfo"));
    ASSERT_EQ(note.recordCount(), 1);
    EXPECT_EQ(note.text("SupervisorID"), "CL001");
    EXPECT_EQ(note.text("Remarks"), "Allowed DUPLICATE ENTRY");
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE IDNum = ? AND Amount < 0 AND UserID = 'CL002'"), {kInPatient}), 1);
}

TEST_F(PostedChargesTest, AFailingLookUpLeavesNothingReversed)
{
    post(kInPatient, QStringLiteral("CS"), QStringLiteral("SUP0002"), 1, 2400, kSlip, QStringLiteral("T1"));
    // The result check comes before the questions; the package look-up after the stock card, the
    // account line and the note.
    for (const char* table : {"CLINICAL_AREA..tbCathLabMaster", "STATION..tbCLPackage_CodeLink"}) {
        SCOPED_TRACE(table);
        delete frmCharge::existing();
        UiScript::reset();
        frmCharge* w = open();
        const int before = postings();
        AccessTest::queueValidation(QStringLiteral("CL002"), QStringLiteral("CATH2"), QStringLiteral("NOT USED"));
        {
            TableOutOfReach away(conn(), QString::fromLatin1(table));
            revoke(w, 1);
        }
        ASSERT_FALSE(UiScript::shown().isEmpty());
        EXPECT_TRUE(AccessTest::isErrorNotice(UiScript::shown().last())) << UiScript::lastText().toStdString();
        EXPECT_EQ(postings(), before);
        EXPECT_DOUBLE_EQ(conn().scalar(QStringLiteral("SELECT OnHand FROM INVENTORY..tbInvLocationStock WHERE LocationID = 'T1' AND "
                                                      "ItemID = 'SUP0002'")).toDouble(), 5);
        EXPECT_EQ(w->MSHFlexList->Rows(), 2);
    }
}

TEST_F(PostedChargesTest, AListThatCannotBeLoadedIsReportedOnceUntilRefreshAsksAgain)
{
    frmCharge* w = open();
    UiScript::reset();
    TableOutOfReach away(conn(), QStringLiteral("BILLING..tbBillDailyBill"));
    w->Form_Activate();
    w->Form_Activate(); // the notice itself gives the window back its focus
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_TRUE(AccessTest::isErrorNotice(UiScript::shown().last()));
    w->cmdRefresh->click();
    EXPECT_EQ(UiScript::shown().size(), 2);
    away.restore();
    w->cmdRefresh->click();
    w->Form_Activate();
    EXPECT_EQ(UiScript::shown().size(), 2);
}

// ---- the reversal of packages ----

TEST_F(PostedChargesTest, PackageReversalsRunForTheLinesTheyConcern)
{
    conn().execute(QStringLiteral("INSERT INTO STATION..tbCLPackage_CodeLink (PackageCode, NurseItemCode, Status) VALUES "
                                  "('PKG-T1', 'TST01', 'A'), ('PKG-T2', 'TPK01', 'A')"));
    conn().execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLOtherPackageLink (PackageCode, NurseItemCode, Status) VALUES "
                                  "('PKG-T3', 'TCP09', 'A')"));
    conn().execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLEquipmentPackage (PackageCode, Description) VALUES ('TEQ01', 'TEST')"));
    struct Case { const char* dept; const char* item; bool oldPackages; QStringList calls; };
    const Case cases[] = {
        {"HS", "TST01", false, {"package TX0001 TST01"}},
        {"CO", "TPK01", false, {"package TX0001 TPK01", "consigned"}}, // linked and consigned: both
        {"CL", "TCP09", false, {"package TX0001 TCP09"}},             // a consigned package, billed under the department's code
        {"EQ", "TEQ01", false, {"included"}},
        {"EQ", "TST02", false, {}},                                    // equipment, but no equipment package
        {"HS", "TST01", true, {}},                                     // the older package charging: none
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.dept) + " " + k.item + (k.oldPackages ? " old" : ""));
        setStationParameter(QStringLiteral("CLEnableOldPackageCharging"), k.oldPackages ? QStringLiteral("1") : QStringLiteral("0"));
        const QString slip = QStringLiteral("C%1\u00C3").arg(6000 + int(&k - cases));
        post(kInPatient, QString::fromLatin1(k.dept), QString::fromLatin1(k.item), 1, 500, slip);
        conn().execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLReturnedItems (IDNum, RefNum, ItemID) VALUES (?, ?, 'SUP0001')"),
                       {kInPatient, slip});
        QStringList calls;
        ChargeRevocation::PackageReversals hooks;
        hooks.package = [&](Connection&, const ChargeRevocation::Reversal& rev) {
            EXPECT_EQ(rev.charge.slip, slip);
            calls << QStringLiteral("package %1 %2").arg(rev.idNum, rev.charge.item);
        };
        hooks.consigned = [&](Connection&, const ChargeRevocation::Reversal& rev) {
            EXPECT_EQ(rev.charge.slip, slip);
            calls << QStringLiteral("consigned");
        };
        hooks.included = [&](Connection&, const ChargeRevocation::Reversal& rev) {
            EXPECT_EQ(rev.charge.slip, slip);
            calls << QStringLiteral("included");
        };
        const ChargeRevocation::Reversal r =
            reversalOf(QString::fromLatin1(k.dept), QString::fromLatin1(k.item), QStringLiteral("500.00"), slip);
        EXPECT_EQ(ChargeRevocation::Post(conn(), r, hooks), ChargeRevocation::Outcome::Revoked);
        EXPECT_EQ(calls, k.calls);
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..tbCLReturnedItems WHERE RefNum = ?"), {slip}),
                  k.oldPackages ? 1 : 0);
        // Once reversed, a second revocation finds nothing left and posts nothing.
        const int lines = billingLines();
        EXPECT_EQ(ChargeRevocation::Post(conn(), r, hooks), ChargeRevocation::Outcome::NothingLeft);
        EXPECT_EQ(billingLines(), lines);
    }
}

TEST_F(PostedChargesTest, TwoWorkstationsRevokingOneChargeReverseItOnce)
{
    post(kInPatient, QStringLiteral("HS"), QStringLiteral("TST01"), 1, 1500);
    const ChargeRevocation::Reversal r = reversalOf(QStringLiteral("HS"), QStringLiteral("TST01"), QStringLiteral("1500.00"), kSlip);
    // The first workstation's revocation is posted but not yet committed when the second starts.
    auto first = TestDatabase::openAnother();
    first->beginTrans();
    ASSERT_EQ(ChargeRevocation::Post(*first, r), ChargeRevocation::Outcome::Revoked);
    ChargeRevocation::Outcome second = ChargeRevocation::Outcome::Revoked;
    QString error;
    // The first commits once the second has sent its first statement, not after a guessed time.
    std::latch started(1);
    std::atomic_bool told{false};
    const auto tell = [&] {
        if (!told.exchange(true)) started.count_down();
    };
    std::thread other([&] {
        try {
            auto c = TestDatabase::openAnother();
            c->setStatementObserver([&](const QString&, const QVariantList&) { tell(); });
            second = ChargeRevocation::Post(*c, r);
        } catch (const std::exception& e) {
            error = QString::fromLocal8Bit(e.what());
        }
        tell();
    });
    started.wait();
    first->commitTrans();
    other.join();
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(second, ChargeRevocation::Outcome::NothingLeft);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE IDNum = ? AND Amount < 0"), {kInPatient}), 1);
}

} // namespace
