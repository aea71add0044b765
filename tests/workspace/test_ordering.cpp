// Exam ordering from the workspace: pick lists, the gate, the remarks dialog, the orders grid,
// the save with its request form, the request status lists and revocation.
#include "workspace/WorkspaceFixture.h"

#include "ordering/ExamOrdering.h"
#include "ordering/ExamOrderingData.h"
#include "ordering/OrdersGrid.h"
#include "ordering/PickList.h"
#include "ordering/SectionPickers.h"
#include "ordering/frmRemarks.h"
#include "platform/db/DbError.h"
#include "platform/report/ReportLog.h"
#include "platform/ui/FlexGrid.h"
#include "shared/orders/ExamOrderChecks.h"
#include "support/TableOutOfReach.h"
#include "support/StartingLine.h"
#include "workspace/ReportPictures.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <thread>

namespace {
using namespace ExamOrderingData;

QListWidgetItem* entry(QListWidget* list, const QString& section, const QString& code)
{
    QListWidgetItem* item = PickList::Find(list, section, code);
    EXPECT_NE(item, nullptr) << section.toStdString() << " " << code.toStdString();
    return item;
}

// The user ticks (or unticks) the entry: the list's change handler runs.
void tick(QListWidgetItem* item, bool on = true)
{
    item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

// The next remarks dialog is accepted with Enter, after `fill` had its say.
void answerRemarks(std::function<void(frmRemarks*)> fill = {})
{
    UiScript::queueDialog(QStringLiteral("frmRemarks"), [fill](QDialog* d) {
        auto* r = static_cast<frmRemarks*>(d);
        if (fill) fill(r);
        QTest::mouseClick(r->Command1, Qt::LeftButton);
    });
}
// The next remarks dialog is closed by its frame.
void closeRemarks()
{
    UiScript::queueDialog(QStringLiteral("frmRemarks"), [](QDialog*) {});
}

} // namespace

class Ordering : public WorkspaceTest {
protected:
    void SetUp() override
    {
        WorkspaceTest::SetUp();
        setRights("|1|2|6");
        // A stay without clearance, open account, every section on the account.
        for (int n = 0; n < 20 && id.isEmpty(); ++n) {
            const QString a = admission(n);
            if (count("SELECT COUNT(*) FROM STATION..tbNurseDeptClearance WHERE IDNum = ?", {a}) == 0 &&
                count("SELECT COUNT(*) FROM PATIENT_DATA..tbPatient WHERE IDNum = ? AND BillingDate IS NULL", {a}) == 1 &&
                count("SELECT COUNT(*) FROM STATION..TBNURSECOMMUNICATIONFILE WHERE IDNum = ?", {a}) == 0)
                id = a;
        }
        ASSERT_FALSE(id.isEmpty());
        conn().execute("DELETE FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?", {id});
        w = open(id);
        UiScript::reset();
    }
    FlexGrid& grid() { return *w->mshflexOrders; }
    int orderRows() { return OrdersGrid::Orders(grid()).size(); }
    QString id;
    frmFinal* w = nullptr;
};

TEST(PickListEntries, FixedPositionTexts)
{
    struct Case { PickList::Entry e; QString text; };
    const Case cases[] = {
        {PickList::LabEntry("SERUM SODIUM", "CH", "7"), "Serum sodium" + QString(38, ' ') + "LBCH    7"},
        {PickList::SectionEntry("SERUM SODIUM", "XR ", "7"), "Serum sodium" + QString(38, ' ') + "XR    7"},
        {PickList::SectionEntry("CHEST X-RAY PA VIEW", "CT ", "CT01"), "Chest x-ray pa view" + QString(31, ' ') + "CT CT01"},
        {PickList::SectionEntry(" LEADING BLANK", "PT ", "1"), "leading blank" + QString(37, ' ') + "PT    1"},
        {PickList::SectionEntry(QString(60, 'A'), "NE ", "1234"), "A" + QString(44, 'a') + QString(5, ' ') + "NE 1234"},
        {PickList::OtherSectionEntry(" CT-Scan ", "CT"), "CT-Scan" + QString(100, ' ') + "CT"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.e.text, c.text);
    EXPECT_EQ(PickList::LabEntry("X", "CH", "7").section, "LB");
    EXPECT_EQ(PickList::LabEntry("X", "CH", "7").labSection, "CH");
    EXPECT_EQ(PickList::SectionEntry("X", "XR ", "CXRPA").code, "CXRPA"); // a long code is kept whole as item data
}

TEST_F(Ordering, ListsHoldTheActiveAndCommonExams)
{
    struct Case { QListWidget* list; const char* section; const char* code; bool listed; };
    const Case cases[] = {
        {w->lstListLaboratory, "LB", "CBC", true},     {w->lstListLaboratory, "LB", "BLDCS", false}, // not common
        {w->lstListXray, "XR", "CXRPA", true},          {w->lstListXray, "XR", "FLUORO", false},
        {w->lstListUltra, "US", "ECHO2D", true},        {frmCTfile::instance()->lstList, "CT", "CT01", true},
        {frmCTfile::instance()->lstList, "CT", "CT09", false}, // inactive
        {frmAudio::instance()->lstList, "AU", "AU01", true},   {frmRTfile::instance()->lstList, "PA", "PA02", true},
        {w->lstListOthers, "MI", "", true},             {w->lstListOthers, "CL", "", false}, // the station's own
    };
    for (const Case& c : cases)
        EXPECT_EQ(PickList::Find(c.list, c.section, c.code) != nullptr, c.listed) << c.section << " " << c.code;
    const int before = w->lstListLaboratory->count();
    w->Form_Initialize();
    EXPECT_EQ(w->lstListLaboratory->count(), before); // two runs, no duplicates
    EXPECT_TRUE(OrdersGrid::IsEmpty(grid()));
}

TEST_F(Ordering, TickAndRowStayInStep)
{
    QListWidgetItem* cbc = entry(w->lstListLaboratory, "LB", "CBC");
    QListWidgetItem* cxr = entry(w->lstListXray, "XR", "CXRPA");
    answerRemarks();
    tick(cbc);
    ASSERT_EQ(orderRows(), 1);
    EXPECT_TRUE(PickList::IsTicked(cbc));
    EXPECT_EQ(grid().TextMatrix(1, OrderRow::Dept), "LB");
    EXPECT_EQ(grid().TextMatrix(1, OrderRow::Amount), ExamAmount(conn(), "LB", Selection.SelectedRoomClass, "CBC"));
    EXPECT_FALSE(grid().TextMatrix(1, OrderRow::Amount).isEmpty());
    EXPECT_EQ(grid().TextMatrix(1, OrderRow::Specimen), "BLD");

    closeRemarks(); // closed by its frame: a cancel
    tick(cxr);
    EXPECT_FALSE(PickList::IsTicked(cxr));
    EXPECT_EQ(orderRows(), 1);

    answerRemarks([](frmRemarks* r) { r->Option1[1]->setChecked(true); });
    tick(cxr);
    ASSERT_EQ(orderRows(), 2);
    EXPECT_EQ(grid().TextMatrix(2, OrderRow::Stat), "Y");

    // Removing from the grid unticks the entry; unticking the entry removes the row (no gate).
    setRights("|2");
    grid().setCurrentCell(1, 1);
    w->cmdDelete_Click();
    EXPECT_FALSE(PickList::IsTicked(cbc));
    tick(cxr, false);
    EXPECT_TRUE(OrdersGrid::IsEmpty(grid()));
    EXPECT_TRUE(UiScript::shown().isEmpty());
    // The emptied row takes the next order without the old one's values.
    setRights("|1");
    answerRemarks();
    tick(entry(w->lstListUltra, "US", "ECHO2D"));
    EXPECT_EQ(orderRows(), 1);
    EXPECT_EQ(grid().TextMatrix(1, OrderRow::Specimen), "0");
    EXPECT_EQ(grid().TextMatrix(1, OrderRow::Section), "");
}

TEST_F(Ordering, ProfileTakesItsMembersOff)
{
    answerRemarks([](frmRemarks* r) { QTest::mouseClick(r->Command1, Qt::LeftButton); });
    tick(entry(w->lstListLaboratory, "LB", "CHOL"));
    ASSERT_EQ(orderRows(), 1);
    answerRemarks();
    tick(entry(w->lstListLaboratory, "LB", "LIPID"));
    EXPECT_EQ(UiScript::lastText(), "The Exam TOTAL CHOLESTEROL in the ORDER LIST is included in this Profile(LIPID PROFILE)");
    ASSERT_EQ(orderRows(), 1);
    EXPECT_EQ(grid().TextMatrix(1, OrderRow::Code), "LIPID");
    EXPECT_FALSE(PickList::IsTicked(PickList::Find(w->lstListLaboratory, "LB", "CHOL")));
    // A member of a profile on order is refused, and the entry stays unticked.
    tick(entry(w->lstListLaboratory, "LB", "TRIG"));
    EXPECT_EQ(UiScript::lastText(), "This Exam TRIGLYCERIDES is included in this Profile(LIPID PROFILE)");
    EXPECT_FALSE(PickList::IsTicked(PickList::Find(w->lstListLaboratory, "LB", "TRIG")));
    EXPECT_EQ(orderRows(), 1);
}

TEST_F(Ordering, GateRefusalsPerSection)
{
    struct Case { const char* rights; const char* flag; QListWidget* list; const char* section; const char* code; QString text; };
    const QString cash = "The patient's account has been placed under cash basis ";
    const QString advice = "Please advice the patient/watcher to see the Billing staff immediately for further instructions.";
    const Case cases[] = {
        {"|2", nullptr, w->lstListLaboratory, "LB", "CBC", "Sorry, you don't have access right to Request Laboratory Exams!"},
        {"|2", nullptr, w->lstListUltra, "US", "ECHO2D", "Sorry you don't have access right to Request Ultrasound Exams!"},
        {"|2", nullptr, w->lstListXray, "XR", "CXRPA", "Sorry you don't have access right to Request Xray Exams!"},
        {"|1", "OkeyLab", w->lstListLaboratory, "LB", "CBC", cash + "for ( Laboratory Charges ) by the Billing Officer. " + advice},
        {"|1", "OkeyXray", w->lstListXray, "XR", "CXRPA", cash + "for ( Xray Charges ) by the Billing Officer. " + advice},
        {"|1", "OkeyUltra", w->lstListUltra, "US", "ECHO2D", cash + "for ( Ultrasound Charges ) by the Billing Officer. " + advice},
    };
    for (const Case& c : cases) {
        setRights(c.rights);
        conn().execute("DELETE FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?", {id});
        if (c.flag)
            conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient2 (IDNum, %1) VALUES (?, 0)").arg(c.flag), {id});
        UiScript::reset();
        QListWidgetItem* item = entry(c.list, c.section, c.code);
        tick(item);
        EXPECT_EQ(UiScript::lastText(), c.text);
        EXPECT_EQ(UiScript::shown().last().title, "Message");
        EXPECT_FALSE(PickList::IsTicked(item));
        EXPECT_TRUE(OrdersGrid::IsEmpty(grid()));
    }
    // Cleared by x-ray: the x-ray list refuses, ultrasound does not reach that refusal.
    setRights("|1");
    conn().execute("DELETE FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?", {id});
    conn().execute("INSERT INTO STATION..tbNurseDeptClearance (IDNum, DepartmentID, ClearDate) VALUES (?, 'XR', ?)",
                   {id, QDateTime::currentDateTime()});
    UiScript::reset();
    tick(entry(w->lstListXray, "XR", "CXRPA"));
    EXPECT_EQ(UiScript::lastText(), "Patient is already cleared by (Xray Department). If you have requests to make, notify the "
                                    "Billing staff immediately for further instructions.");
    // Audiometry on cash basis, from "Other Departments".
    conn().execute("INSERT INTO PATIENT_DATA..tbPatient2 (IDNum, OkeyAU) VALUES (?, 0)", {id});
    UiScript::reset();
    QListWidgetItem* au = entry(w->lstListOthers, "AU", "");
    tick(au);
    EXPECT_EQ(UiScript::lastText(), cash + "for ( Audiometry Charges ) by the Credit & Collection Officer. "
                                           "Please refer to Credit & Collection Department for further instructions.");
    EXPECT_FALSE(PickList::IsTicked(au));
    EXPECT_FALSE(frmAudio::instance()->isVisible());
}

TEST(OrderAmounts, InternationalRateInCents)
{
    struct Case { const char* amount; const char* rated; };
    const Case cases[] = {{" 150", "165"}, {" 2.5", "2.75"}, {" 0.05", "0.06"}, {" 12500.5", "13750.55"}, {"", ""}};
    for (const Case& c : cases) EXPECT_EQ(InternationalAmount(c.amount), c.rated) << c.amount;
}

TEST_F(Ordering, PricesByRoomClassAndInternationalPatient)
{
    const QString rateB = ExamAmount(conn(), "LB", "B", "CBC");
    EXPECT_EQ(rateB, " 332.5");
    EXPECT_EQ(ExamAmount(conn(), "CT", "A", "CT01"), " 9500");
    EXPECT_EQ(ExamAmount(conn(), "CT", "A", "NOPE"), "");
    // An international patient pays 1.1 times, except in the pulmonary picker.
    setStationParameter("CLAllowInternationalRate", "1");
    conn().execute("UPDATE PATIENT_DATA..tbMaster SET NationalityID = 'USA' WHERE HospNum = ?", {hospNumOf(id)});
    w->Patient.RoomClass = "A"; // the workspace prices by its own patient's room class
    answerRemarks();
    tick(entry(w->lstListXray, "XR", "CXRPA"));
    EXPECT_EQ(grid().TextMatrix(1, OrderRow::Amount), "715");
    SectionPicker* pa = frmRTfile::instance();
    answerRemarks();
    tick(entry(pa->lstList, "PA", "PA01"));
    EXPECT_EQ(grid().TextMatrix(2, OrderRow::Amount), " 1500");
    answerRemarks([](frmRemarks* r) { r->Option1[1]->setChecked(true); });
    tick(entry(frmAudio::instance()->lstList, "AU", "AU01"));
    EXPECT_EQ(grid().TextMatrix(3, OrderRow::Amount), "");
    EXPECT_EQ(grid().TextMatrix(3, OrderRow::Stat), "");
    // A price that cannot be read stops the row with the common notice.
    {
        TableOutOfReach away(conn(), "BUILD_FILE..tbCoUltraExam");
        QListWidgetItem* echo = entry(w->lstListUltra, "US", "ECHO2D");
        answerRemarks();
        tick(echo);
        EXPECT_EQ(UiScript::shown().last().title, "Notification");
        EXPECT_FALSE(PickList::IsTicked(echo));
        EXPECT_EQ(orderRows(), 3);
    }
}

TEST_F(Ordering, RemarksDialogRules)
{
    // Several specimens: Enter before a pick is refused and the list comes up.
    UiScript::queueDialog("frmRemarks", [](QDialog* d) {
        auto* r = static_cast<frmRemarks*>(d);
        QTest::mouseClick(r->Command1, Qt::LeftButton);
        EXPECT_EQ(UiScript::lastText(), "Please Select Specimen!");
        EXPECT_TRUE(r->Picture1->isVisibleTo(r));
        r->mshflexSpecimen->setCurrentCell(2, 2);
        r->mshflexSpecimen_Click();
        QTest::mouseClick(r->Command1, Qt::LeftButton);
    });
    tick(entry(w->lstListLaboratory, "LB", "TROPI"));
    ASSERT_EQ(orderRows(), 1);
    EXPECT_EQ(grid().TextMatrix(1, OrderRow::Specimen), "SER");
    EXPECT_EQ(grid().TextMatrix(1, OrderRow::Stat), "Y"); // troponin's rule forces STAT

    // AM pick-up: the remarks replaced, Routine chosen, Stat disabled.
    answerRemarks([](frmRemarks* r) {
        QTest::keyClicks(r->txtRemarks, "fasting o'k");
        EXPECT_EQ(r->txtRemarks->toPlainText(), "FASTING OK");
        QTest::mouseClick(r->chkAMPickUp, Qt::LeftButton);
        EXPECT_EQ(r->txtRemarks->toPlainText(), "In AM PICK UP");
        EXPECT_FALSE(r->Option1[1]->isEnabled());
    });
    tick(entry(w->lstListLaboratory, "LB", "CHOL"));
    EXPECT_EQ(grid().TextMatrix(2, OrderRow::AMPickUp), "1");
    EXPECT_EQ(grid().TextMatrix(2, OrderRow::Remarks), "In AM PICK UP");
    EXPECT_EQ(grid().TextMatrix(2, OrderRow::Specimen), "0"); // no specimen on file: "None"

    // Client "ZUB": the reason is asked for x-ray, not for the laboratory.
    Session.HospClientName = "ZUB";
    UiScript::queueDialog("frmRemarks", [](QDialog* d) {
        auto* r = static_cast<frmRemarks*>(d);
        EXPECT_TRUE(r->chkPortable->isVisibleTo(r));
        QTest::mouseClick(r->Command1, Qt::LeftButton);
        EXPECT_EQ(UiScript::lastText(), "Please Enter Reason Of Procedure");
        QTest::keyClicks(r->txtReason, " ");
        QTest::mouseClick(r->Command1, Qt::LeftButton);
    });
    tick(entry(w->lstListXray, "XR", "CXRPA"));
    EXPECT_EQ(orderRows(), 3);
    answerRemarks();
    tick(entry(w->lstListLaboratory, "LB", "NA"));
    EXPECT_EQ(orderRows(), 4);
}

TEST(StatRule, ByServerTime)
{
    struct Case { const char* stat; QDateTime now; int chosen; bool routine, statOn; };
    const QDate friday(2026, 12, 11), saturday(2026, 12, 12);
    const Case cases[] = {{"Y", QDateTime(friday, QTime(9, 0)), 1, false, true},
                          {"N", QDateTime(friday, QTime(20, 0)), 0, true, false},
                          {"", QDateTime(friday, QTime(17, 0)), 0, true, true},
                          {"", QDateTime(friday, QTime(17, 0, 1)), 1, true, true},
                          {"", QDateTime(saturday, QTime(9, 0)), 1, true, true}};
    for (const Case& c : cases) {
        const StatOptions o = StatOptionsFor(c.stat, c.now);
        EXPECT_EQ(o.chosen, c.chosen) << c.stat << c.now.toString().toStdString();
        EXPECT_EQ(o.routineEnabled, c.routine);
        EXPECT_EQ(o.statEnabled, c.statOn);
    }
}

class OrderSave : public Ordering {
protected:
    void addTwo()
    {
        answerRemarks();
        tick(entry(w->lstListXray, "XR", "CXRPA"));
        answerRemarks();
        tick(entry(w->lstListLaboratory, "LB", "CBC"));
        ASSERT_EQ(orderRows(), 2);
    }
    void validate()
    {
        UiScript::queueDialog("frmTransaction_UserValidation", [](QDialog* d) {
            QTest::keyClicks(d->findChild<QLineEdit*>("txtUserID"), "CL001");
            QLineEdit* code = d->findChild<QLineEdit*>("txtAccessCode");
            QTest::keyClicks(code, "CATH1");
            QTest::keyClick(code, Qt::Key_Return);
        });
    }
    int requests() { return count("SELECT COUNT(*) FROM STATION..TBNURSECOMMUNICATIONFILE WHERE IDNum = ?", {id}); }
};

TEST_F(OrderSave, WritesEveryOrderAndTheRequestForm)
{
    addTwo();
    validate();
    w->cmdSave_Click();
    EXPECT_EQ(requests(), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..tbNurseLogbook WHERE IDNum = ?", {id}), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..tbNurse_StatRequest WHERE IDNum = ? AND SessionID = ?", {id, WorkstationSession()}), 1);
    const Recordset rs = conn().query("SELECT RevenueID, ItemID, Amount, RequestNum FROM STATION..TBNURSECOMMUNICATIONFILE "
                                      "WHERE IDNum = ? ORDER BY RequestNum", {id});
    EXPECT_EQ(rs.textAt(0, "RevenueID"), "XR");
    EXPECT_EQ(rs.textAt(1, "RevenueID"), "LB");
    EXPECT_EQ(rs.textAt(0, "RequestNum"), "RQ1000001");
    EXPECT_EQ(count("SELECT COUNT(*) FROM LABORATORY..tbLabRequestForm WHERE RequestNum = ?", {rs.textAt(1, "RequestNum")}), 1);
    ASSERT_FALSE(ReportLog::calls().isEmpty());
    EXPECT_EQ(ReportLog::calls().last().caption, "LABORATORY REQUEST FORM");
    EXPECT_TRUE(ReportLog::calls().last().text.contains("Complete blood count", Qt::CaseInsensitive));
    EXPECT_TRUE(OrdersGrid::IsEmpty(grid()));
    EXPECT_FALSE(PickList::IsTicked(PickList::Find(w->lstListLaboratory, "LB", "CBC")));
    // The patient's flags went with the order; the stay's sections stay open for the next one.
    EXPECT_EQ(count("SELECT COUNT(*) FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ? AND OkeyLab = 1 AND OkeyAU = 1", {id}), 1);
    answerRemarks();
    tick(entry(w->lstListLaboratory, "LB", "PLT"));
    EXPECT_EQ(orderRows(), 1);
    // The pending list now shows them, and discharge is held back.
    EXPECT_EQ(w->mshflexProcessed[1]->Rows(), 3);
    EXPECT_TRUE(w->mshflexProcessed[1]->isEnabled());
}

TEST_F(OrderSave, FailureInTheMiddleLeavesNothingAndKeepsTheGrid)
{
    addTwo();
    validate();
    {
        TableOutOfReach away(conn(), "STATION..tbNurse_StatRequest", "Stat"); // the second order's STAT row fails
        w->cmdSave_Click();
    }
    EXPECT_TRUE(UiScript::lastText().startsWith("Error While Saving Request  "));
    EXPECT_EQ(UiScript::shown().last().title, "Message");
    EXPECT_EQ(requests(), 0);
    EXPECT_EQ(count("SELECT LastNumber FROM STATION..tbNurseRequestCounter WHERE CounterID = 'REQUEST'"), 1000000);
    EXPECT_EQ(orderRows(), 2);
    EXPECT_TRUE(PickList::IsTicked(PickList::Find(w->lstListLaboratory, "LB", "CBC")));
    EXPECT_TRUE(w->cmdSave->isEnabled());
    EXPECT_TRUE(ReportLog::calls().isEmpty());
}

TEST_F(OrderSave, NothingToSaveAndGivingUp)
{
    w->cmdSave_Click();
    EXPECT_EQ(UiScript::lastText(), "No data to be saved.");
    addTwo();
    UiScript::queueDialog("frmTransaction_UserValidation", [](QDialog*) {});
    UiScript::queueAnswer(vbNo);
    w->cmdSave_Click();
    EXPECT_EQ(UiScript::lastText(), "Entered request(s) will not be save! \r\nDo you want to save and send the request(s)?");
    EXPECT_EQ(requests(), 0);
    EXPECT_TRUE(OrdersGrid::IsEmpty(grid()));
}

TEST_F(Ordering, TwoWorkstationsGetDistinctRequestNumbers)
{
    OrdersGrid::Order o;
    o.dept = "XR";
    o.code = "CXRPA";
    o.qty = "1";
    const QList<OrdersGrid::Order> orders(8, o);
    StartingLine line(2);
    auto workstation = [&](QStringList* out, QString* error, QString session) {
        StartingLine::Place place(line);
        try {
            auto c = TestDatabase::openAnother();
            place.wait();
            SaveInput in;
            in.idNum = id;
            in.userId = "CL001";
            in.stationId = "CL";
            in.session = session;
            for (int i = 0; i < 3; ++i) *out << SaveOrders(*c, in, orders).requestNums;
        } catch (const std::exception& e) {
            *error = QString::fromLocal8Bit(e.what());
        }
    };
    QStringList a, b;
    QString errA, errB;
    std::thread t1(workstation, &a, &errA, QStringLiteral("S1")), t2(workstation, &b, &errB, QStringLiteral("S2"));
    t1.join();
    t2.join();
    ASSERT_TRUE(errA.isEmpty()) << errA.toStdString();
    ASSERT_TRUE(errB.isEmpty()) << errB.toStdString();
    QSet<QString> all(a.begin(), a.end());
    for (const QString& n : b) all.insert(n);
    EXPECT_EQ(all.size(), 48);
    EXPECT_EQ(count("SELECT COUNT(DISTINCT RequestNum) FROM STATION..TBNURSECOMMUNICATIONFILE WHERE IDNum = ?", {id}), 48);
}

TEST_F(Ordering, RevocationRefusals)
{
    struct Case { const char* request; const char* stationAfter; const char* statusAfter; RevokeOutcome outcome; QString text; };
    const Case cases[] = {
        {"RQ0000101", nullptr, nullptr, RevokeOutcome::Revoked, ""},
        {"RQ0000101", nullptr, nullptr, RevokeOutcome::AlreadyRevoked, "Item(s)/exam(s) requested has been revoked By: CL001 at "},
        {"RQ0000104", nullptr, nullptr, RevokeOutcome::OtherStation, "You can't revoked item(s)/exam(s) requested from station: 2F"},
        {"RQ0000102", nullptr, nullptr, RevokeOutcome::AlreadyProcessed, "Item(s)/exam(s) requested has been processed By: XR004 at "},
        {"RQ9999999", nullptr, nullptr, RevokeOutcome::NotFound, "The request was not found; nothing was revoked."},
    };
    for (const Case& c : cases) {
        const RevokeResult r = RevokeRequest(conn(), c.request, "CL001", "WRONG PATIENT", "CL");
        EXPECT_EQ(r.outcome, c.outcome) << c.request;
        EXPECT_TRUE(c.text.isEmpty() ? RevokeRefusal(r).isEmpty() : RevokeRefusal(r).startsWith(c.text)) << c.request << ": " << RevokeRefusal(r).toStdString();
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..TBNURSECOMMUNICATIONFILE WHERE RecordStatus = 'R' AND RequestNum = 'RQ0000101' "
                    "AND RevokeReason = 'WRONG PATIENT'"), 1);
    // From the pending list: a user without right "2".
    setRights("|1");
    w->mshflexProcessed_DblClick(1);
    EXPECT_EQ(UiScript::lastText(), "Sorry, you don't have access right to revoke requests.");
}

TEST(ReportList, PicturesByRow)
{
    for (int row = 1; row <= 12; ++row) EXPECT_EQ(ReportListPicture(row).isNull(), row >= 10) << row;
}

class RequestStatus : public WorkspaceTest {};

TEST_F(RequestStatus, ListsOfAStayAndTheirStates)
{
    // The second demo stay: a processed request with its result, a revoked one, an assessment.
    frmFinal* w = open("2026000002");
    EXPECT_EQ(w->mshflexProcessed[0]->Rows(), 2);
    EXPECT_EQ(w->mshflexProcessed[0]->TextMatrix(1, 1), "CHEST PA");
    EXPECT_TRUE(w->mshflexProcessed[0]->isEnabled());
    EXPECT_EQ(w->mshflexProcessed[2]->TextMatrix(1, 10), "XR004");
    EXPECT_TRUE(w->mshflexProcessed[2]->isEnabled());
    EXPECT_TRUE(w->mshflexProcessed[1]->TextMatrix(1, 1).isEmpty());
    EXPECT_FALSE(w->mshflexProcessed[1]->isEnabled());
    EXPECT_TRUE(w->txtMessage->isHidden());
    EXPECT_EQ(w->MSHFlexList->Rows(), 2);
    // A stay without requests or assessments.
    delete frmFinal::existing();
    w = open("2026000004");
    EXPECT_FALSE(w->mshflexProcessed[0]->isEnabled());
    EXPECT_TRUE(w->mshflexProcessed[0]->TextMatrix(1, 1).isEmpty());
    EXPECT_FALSE(w->txtMessage->isHidden());
    EXPECT_TRUE(w->tabSSTab1->isEnabled());
}

TEST_F(RequestStatus, RevokingAPendingRequest)
{
    setRights("|1|2");
    frmFinal* w = open("2026000001");
    ASSERT_EQ(w->mshflexProcessed[1]->TextMatrix(1, 1), "COMPLETE BLOOD COUNT");
    w->mshflexProcessed[1]->setCurrentCell(1, 1);
    UiScript::reset();
    UiScript::queueAnswer(vbYes); // "Are you sure ...?"
    UiScript::queueDialog("frmTransaction_UserValidation", [](QDialog* d) {
        QTest::keyClicks(d->findChild<QLineEdit*>("txtUserID"), "CL001");
        QTest::keyClicks(d->findChild<QPlainTextEdit*>(), "ORDERED TWICE");
        QLineEdit* code = d->findChild<QLineEdit*>("txtAccessCode");
        QTest::keyClicks(code, "CATH1");
        QTest::keyClick(code, Qt::Key_Return);
    });
    w->mshflexProcessed_DblClick(1);
    EXPECT_EQ(UiScript::shown().first().text, "Are you sure you want to revoke COMPLETE BLOOD COUNT?");
    EXPECT_EQ(UiScript::shown().first().title, "Confirmation");
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..TBNURSECOMMUNICATIONFILE WHERE RequestNum = 'RQ0000101' AND RecordStatus = 'R' "
                    "AND RevokeReason = 'ORDERED TWICE'"), 1);
    EXPECT_TRUE(w->mshflexProcessed[1]->TextMatrix(1, 1).isEmpty()); // the lists were reloaded
}

TEST_F(Ordering, TransferredPatientSavesNothing)
{
    answerRemarks();
    tick(entry(w->lstListXray, "XR", "CXRPA"));
    conn().execute("UPDATE PATIENT_DATA..tbPatient SET RoomID = (SELECT MIN(RoomID) FROM BUILD_FILE..tbCoRoom WHERE RoomID <> ?) "
                   "WHERE IDNum = ?", {w->txtRoom->text(), id});
    UiScript::reset();
    w->cmdSave_Click();
    EXPECT_TRUE(UiScript::lastText().startsWith("Patient is transfered to room "));
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..TBNURSECOMMUNICATIONFILE WHERE IDNum = ?", {id}), 0);
    EXPECT_TRUE(OrdersGrid::IsEmpty(grid()));
}

TEST_F(Ordering, PickerTakesTheSpaceBarNotTheCursor)
{
    SectionPicker* ct = frmCTfile::instance();
    ct->show();
    ct->lstList->setFocus();
    ct->lstList->setCurrentRow(0);
    QTest::keyClick(ct->lstList, Qt::Key_Down);
    QTest::keyClick(ct->lstList, Qt::Key_Down);
    EXPECT_TRUE(OrdersGrid::IsEmpty(grid()));
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
    answerRemarks();
    QTest::keyClick(ct->lstList, Qt::Key_Space);
    ASSERT_EQ(orderRows(), 1);
    EXPECT_EQ(grid().TextMatrix(1, OrderRow::Dept), "CT");
    EXPECT_EQ(grid().TextMatrix(1, OrderRow::List), "lstListCT");
    EXPECT_TRUE(PickList::IsTicked(ct->lstList->currentItem()));
    // Close unticks the section in "Other Departments" and hides the picker; its tick stays.
    QListWidgetItem* others = entry(w->lstListOthers, "CT", "");
    PickList::SetTicked(others, true);
    ct->txtDept->setText(others->text());
    QTest::mouseClick(ct->cmdExit, Qt::LeftButton);
    EXPECT_FALSE(PickList::IsTicked(others));
    EXPECT_FALSE(ct->isVisible());
    EXPECT_TRUE(PickList::IsTicked(ct->lstList->currentItem()));
    // Taking the order off the grid unticks the picker's entry.
    grid().setCurrentCell(1, 1);
    w->mshflexOrders_DblClick();
    EXPECT_FALSE(PickList::IsTicked(ct->lstList->currentItem()));
}
