// The exam request entry driven as a nurse drives it: codes typed into the floating box, Enter,
// the remarks dialog answered, Accept into the workspace.
#include "RequestTestSupport.h"

#include "components/code_search/frmCodeSearchList.h"
#include "shared/orders/ExamPricing.h"
#include "ordering/OrdersGrid.h"
#include "ordering/PickList.h"
#include "support/TableOutOfReach.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

using namespace RequestEntryRow;

namespace {

class RequestEntryTest : public RequestTest {
protected:
    // Enter until the cursor is back in a code cell (STAT and remarks kept as they are).
    void finishRow()
    {
        for (int i = 0; i < 4 && grid()->Col() != Code; ++i) key(Qt::Key_Return);
    }
    void enterRow(const QString& code, const RemarksAnswers& a = RemarksAnswers())
    {
        enterExam(code, a);
        finishRow();
    }
    QStringList codes()
    {
        QStringList out;
        for (int r = 1; r < grid()->Rows(); ++r) out << cell(r, Code);
        return out;
    }
    int remarksShown() { return int(UiScript::dialogsRun().count(QStringLiteral("frmRemarks"))); }
};

TEST_F(RequestEntryTest, PricesByRateClassSectionAndInternationalRate)
{
    struct Case {
        const char *dept, *idNum, *room;
        bool international;
        const char *code, *amount;
    } cases[] = {
        {"LB", "TX0001", "205", false, "CBC", "315"},        // rate C of 350
        {"LB", "TX0002", "205", true, "CBC", "346.5"},      // an American patient: a tenth more, in cents
        {"LB", "TX0002", "205", false, "CBC", "315"},       // the station does not allow it
        {"LB", "TX0001", "205", true, "CBC", "315"},        // a Filipino patient
        {"LB", "TX0001", "NOROOM", false, "CBC", ""},       // no rate class: unpriced
        {"LB", "TX0001", "205", false, "SENDOUT", ""},      // no rates in the catalogue
        {"LB", "TX0001", "205", false, "ESR", "162"},
        {"XR", "TX0001", "213", false, "CXRPA", "455"},     // rate G of 650
        {"US", "TX0001", "205", false, "ECHO2D", "3150"},
        {"MI", "TX0001", "205", false, "MRI001", "16650"},  // a service of another section
        {"WC", "TX0002", "205", true, "WC002", "2574"},     // 2340 raised by a tenth
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        setStationParameter(QStringLiteral("CLAllowInternationalRate"), c.international ? QStringLiteral("1") : QStringLiteral("0"));
        openPatient(QString::fromLatin1(c.idNum), QString::fromLatin1(c.room));
        open(QString::fromLatin1(c.dept));
        enterExam(QString::fromLatin1(c.code));
        EXPECT_EQ(cell(1, Code), c.code);
        EXPECT_EQ(cell(1, Amount), c.amount);
        EXPECT_EQ(cell(1, Qty), "1");
        // an unpriced row never completes, so no row is appended behind it
        const bool priced = QString::fromLatin1(c.amount).size() > 0;
        EXPECT_EQ(w()->CompleteRow(1), priced);
        finishRow();
        EXPECT_EQ(grid()->Rows(), priced ? 3 : 2);
        delete frmRequest::existing();
    }
}

TEST(ExamPricing, CentsAndTexts)
{
    struct Rate {
        double rate, international;
    } rates[] = {{350, 385}, {315, 346.5}, {12500.5, 13750.55}, {0.05, 0.06}, {0, 0}};
    for (const Rate& r : rates) EXPECT_DOUBLE_EQ(InternationalRate(r.rate), r.international) << r.rate;
    struct Qty {
        double qty, unit, amount;
    } amounts[] = {{5, 1350, 6750}, {1.5, 315, 472.5}, {3, 0.1, 0.3}, {2, 346.5, 693}};
    for (const Qty& q : amounts) EXPECT_DOUBLE_EQ(QuantityAmount(q.qty, q.unit), q.amount) << q.qty << "x" << q.unit;
    struct Text {
        double value;
        const char* text;
    } texts[] = {{385, "385"}, {32.5, "32.5"}, {1732.73, "1732.73"}, {0, "0"}, {0.1 + 0.2, "0.3"}};
    for (const Text& t : texts) EXPECT_EQ(AmountText(t.value), t.text);
}

TEST_F(RequestEntryTest, QuantityIsTypedOnlyForExamsThatTakeOneAndIsPricedFromTheUnitPrice)
{
    open(QStringLiteral("LB"));
    enterExam(QStringLiteral("ABG")); // largest quantity 5, rate C 1350
    ASSERT_EQ(grid()->Col(), Qty);
    struct Refused {
        const char* typed;
    } refused[] = {{"6"}, {"0"}, {""}, {"9"}};
    for (const Refused& r : refused) {
        UiScript::reset();
        enter(QString::fromLatin1(r.typed));
        ASSERT_EQ(UiScript::shown().size(), 1u) << r.typed;
        EXPECT_EQ(UiScript::lastText(), "Quantity should be > 0 and <=  5!");
        EXPECT_EQ(UiScript::shown()[0].title, "Notification");
        EXPECT_EQ(cell(1, Qty), "1");
        EXPECT_EQ(cell(1, Amount), "1350");
        EXPECT_EQ(grid()->Col(), Qty);
    }
    enter(QStringLiteral("5"));
    EXPECT_EQ(cell(1, Amount), "6750");
    EXPECT_EQ(grid()->Col(), Stat);
    // A second quantity is priced from the unit price, not from the amount the first one left.
    key(Qt::Key_Home);
    ASSERT_EQ(grid()->Col(), Qty);
    enter(QStringLiteral("2"));
    EXPECT_EQ(cell(1, Amount), "2700");

    // Row 2: an exam of largest quantity 1 skips the quantity; row 1 keeps its own rule.
    finishRow();
    enterExam(QStringLiteral("CBC"));
    EXPECT_EQ(grid()->Row(), 2);
    EXPECT_EQ(grid()->Col(), Stat);
    EXPECT_TRUE(w()->ExcemptCol(Qty));
    grid()->MoveTo(1, Qty);
    EXPECT_TRUE(w()->txtEntry->isVisible());
    EXPECT_FALSE(w()->ExcemptCol(Qty));
}

TEST_F(RequestEntryTest, SectionsWithoutQuantitiesSkipTheQuantity)
{
    for (const char* dept : {"MI", "WC", "XR"}) {
        open(QString::fromLatin1(dept));
        enterExam(QString::fromLatin1(dept == QLatin1String("MI") ? "MRI002" : dept == QLatin1String("WC") ? "WC001" : "CXRPA"));
        EXPECT_EQ(grid()->Col(), Stat) << dept;
        delete frmRequest::existing();
    }
    open(QStringLiteral("XR"));
    enterExam(QStringLiteral("FLUORO")); // x-ray exam of largest quantity 4
    EXPECT_EQ(grid()->Col(), Qty);
    enter(QStringLiteral("5"));
    EXPECT_EQ(UiScript::lastText(), "Quantity should be > 0 and <=  4!");
}

TEST_F(RequestEntryTest, StatTakesYOrNInAnyCaseAndMovesOnEvenWhenRefused)
{
    open(QStringLiteral("LB"));
    enterExam(QStringLiteral("CBC"));
    ASSERT_EQ(grid()->Col(), Stat);
    enter(QStringLiteral("y"));
    EXPECT_EQ(cell(1, Stat), "Y");
    EXPECT_EQ(grid()->Col(), Remarks);
    key(Qt::Key_Home);
    enter(QStringLiteral("x"));
    EXPECT_EQ(UiScript::lastText(), "Please enter Y (STAT) or N (Routine).");
    EXPECT_EQ(cell(1, Stat), "Y");
    EXPECT_EQ(grid()->Col(), Remarks);
}

TEST_F(RequestEntryTest, TheRemarksAnswersFillTheRowAndAcceptCopiesItIntoTheOrdersGrid)
{
    open(QStringLiteral("LB"));
    RemarksAnswers a;
    a.stat = QStringLiteral("Y");
    a.remarks = QStringLiteral("FASTING\nAM"); // a line break typed in the box
    a.specimen = QStringLiteral("BLD");
    a.transplant = QStringLiteral("1");
    a.dialysis = QStringLiteral("2");
    a.amPickUp = true;
    a.portable = true;
    a.reason = QStringLiteral("CHEST PAIN");
    enterExam(QStringLiteral("cbc"), a);
    EXPECT_EQ(UiScript::dialogsRun(), QStringList{"frmRemarks"});
    const QStringList row = {"CBC", "COMPLETE BLOOD COUNT", "1", "315", "HEMA", "Y", "FASTING AM",
                             "BLD", "1", "2", "1", "1", "CHEST PAIN"};
    for (int c = Code; c <= ReasonOfProcedure; ++c) EXPECT_EQ(cell(1, c), row[c - 1]) << c;
    finishRow();
    w()->cmdOption[0]->click();
    EXPECT_FALSE(frmRequest::isLoaded() && w()->isVisible());
    FlexGrid& o = orders();
    ASSERT_EQ(o.Rows(), 2);
    EXPECT_EQ(o.TextMatrix(1, OrderRow::Dept), "LB");
    const int targets[] = {OrderRow::Code, OrderRow::Description, OrderRow::Qty, OrderRow::Amount, OrderRow::Section,
                           OrderRow::Stat, OrderRow::Remarks, OrderRow::Specimen, OrderRow::Transplant, OrderRow::Dialysis,
                           OrderRow::AMPickUp, OrderRow::PortableMachine, OrderRow::ReasonOfProcedure};
    for (int i = 0; i < 13; ++i) EXPECT_EQ(o.TextMatrix(1, targets[i]), row[i]) << targets[i];
    for (int c : {OrderRow::List, OrderRow::String, OrderRow::Index}) EXPECT_EQ(o.TextMatrix(1, c), "");
}

TEST_F(RequestEntryTest, AcceptTakesOnlyCompleteRowsAndAppendsBehindExistingOrders)
{
    orders().setTextMatrix(1, OrderRow::Dept, QStringLiteral("XR"));
    orders().setTextMatrix(1, OrderRow::Code, QStringLiteral("CXRPA"));
    open(QStringLiteral("LB"));
    enterRow(QStringLiteral("CBC"));
    enterRow(QStringLiteral("PLT"));
    enterRow(QStringLiteral("SENDOUT")); // unpriced: left out
    ASSERT_EQ(codes(), (QStringList{"CBC", "PLT", "SENDOUT"}));
    w()->cmdOption_Click(0);
    QStringList depts, taken;
    for (int r = 1; r < orders().Rows(); ++r) {
        depts << orders().TextMatrix(r, OrderRow::Dept);
        taken << orders().TextMatrix(r, OrderRow::Code);
    }
    EXPECT_EQ(taken, (QStringList{"CXRPA", "CBC", "PLT"}));
    EXPECT_EQ(depts, (QStringList{"XR", "LB", "LB"}));
}

TEST_F(RequestEntryTest, ExitAndTheFrameCopyNothing)
{
    open(QStringLiteral("LB"));
    enterRow(QStringLiteral("LIPID"));
    w()->cmdOption_Click(1);
    EXPECT_EQ(orders().Rows(), 2);
    EXPECT_EQ(orders().TextMatrix(1, OrderRow::Dept), "");
    EXPECT_EQ(workspaceProfiles().TextMatrix(1, ProfileRow::ExamID), "");
}

TEST_F(RequestEntryTest, RefusedExamsLeaveAnEmptyRow)
{
    struct Case {
        const char* name;
        std::function<void()> arrange;
        const char* code;
        const char* message;
        const char* boxAfter;
    } cases[] = {
        {"same exam in another row",
         [this] { enterRow(QStringLiteral("CBC")); }, "CBC", "Can't Request the Same Examination!", ""},
        {"same exam in the unpriced last row",
         [this] {
             enterRow(QStringLiteral("CBC"));
             enterRow(QStringLiteral("SENDOUT"));
             grid()->MoveTo(1, Code);
         },
         "SENDOUT", "Can't Request the Same Examination!", ""},
        {"in the orders list",
         [this] {
             orders().setTextMatrix(1, OrderRow::Dept, QStringLiteral("LB"));
             orders().setTextMatrix(1, OrderRow::Code, QStringLiteral("CBC"));
         },
         "CBC", "Examination is already in the Orders List!", ""},
        {"pending request",
         [this] {
             conn().execute(QStringLiteral("INSERT INTO STATION..TBNURSECOMMUNICATIONFILE (RequestNum, IDNum, RevenueID, "
                                             "ItemID, RequestDate, RecordStatus) VALUES ('R1', 'TX0001', 'LB', 'CBC', ?, '')"),
                              {QDateTime(QDate(2026, 12, 10), QTime(9, 30))});
         },
         "CBC", nullptr, "CBC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open(QStringLiteral("LB"));
        c.arrange();
        const int row = grid()->Row();
        UiScript::reset();
        answerRemarks();
        enter(QString::fromLatin1(c.code));
        ASSERT_FALSE(UiScript::shown().isEmpty());
        if (c.message)
            EXPECT_EQ(UiScript::lastText(), c.message);
        else
            EXPECT_TRUE(UiScript::lastText().startsWith(Session.PendingExamMessageHead)) << UiScript::lastText().toStdString();
        for (int col = Code; col <= MaxQty; ++col) EXPECT_EQ(cell(row, col), "") << col;
        EXPECT_EQ(grid()->Row(), row);
        EXPECT_EQ(grid()->Col(), Code);
        EXPECT_EQ(w()->txtEntry->text(), c.boxAfter);
        EXPECT_EQ(remarksShown(), 0);
        UiScript::reset();
        delete frmRequest::existing();
        orders().setTextMatrix(1, OrderRow::Dept, QString());
        orders().setTextMatrix(1, OrderRow::Code, QString());
    }
}

TEST_F(RequestEntryTest, TheSameExamMayBeTypedAgainOnItsOwnRow)
{
    open(QStringLiteral("LB"));
    enterRow(QStringLiteral("CBC"));
    grid()->MoveTo(1, Code);
    enterExam(QStringLiteral("CBC"));
    EXPECT_EQ(cell(1, Code), "CBC");
    EXPECT_FALSE(UiScript::texts().contains("Can't Request the Same Examination!"));
}

TEST_F(RequestEntryTest, ARemarksDialogClosedWithoutEnterTakesNothing)
{
    open(QStringLiteral("XR"));
    enter(QStringLiteral("CXRPA")); // no answer queued: the dialog is closed by its frame
    EXPECT_EQ(remarksShown(), 1);
    EXPECT_EQ(cell(1, Code), "");
    EXPECT_EQ(cell(1, Amount), "");
    EXPECT_EQ(grid()->Col(), Code);
    EXPECT_EQ(grid()->Rows(), 2);
}

TEST_F(RequestEntryTest, ALookUpThatFailsStopsTheRowWithTheErrorNotice)
{
    struct Case {
        const char* table;
        bool international;
    } cases[] = {{"PATIENT_DATA..tbPatient2", false}, {"BUILD_FILE..tbCoNationality", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table);
        setStationParameter(QStringLiteral("CLAllowInternationalRate"), c.international ? QStringLiteral("1") : QStringLiteral("0"));
        open(QStringLiteral("LB"));
        UiScript::reset();
        answerRemarks();
        {
            TableOutOfReach gone(conn(), QString::fromLatin1(c.table));
            enter(QStringLiteral("CBC"));
        }
        ASSERT_EQ(UiScript::shown().size(), 1u);
        EXPECT_EQ(UiScript::shown()[0].title, "Notification");
        EXPECT_TRUE(UiScript::lastText().endsWith("Please notify your IT department."));
        EXPECT_EQ(cell(1, Code), "");
        EXPECT_EQ(cell(1, Amount), "");
        EXPECT_EQ(remarksShown(), 0);
        UiScript::reset();
        delete frmRequest::existing();
    }
}

TEST_F(RequestEntryTest, AProfileListsItsMembersAndRefusesThemLater)
{
    open(QStringLiteral("LB"));
    enterRow(QStringLiteral("LIPID"));
    FlexGrid& profiles = *w()->mshflexProfileList;
    QStringList members;
    for (int r = 1; r < profiles.Rows(); ++r) members << profiles.TextMatrix(r, ProfileRow::ExamID);
    EXPECT_EQ(members, (QStringList{"CHOL", "TRIG", "HDL", "LDL"}));
    enter(QStringLiteral("CHOL"));
    EXPECT_EQ(UiScript::lastText(), "This Exam TOTAL CHOLESTEROL is included in this Profile(LIPID PROFILE)");
    EXPECT_EQ(cell(2, Code), "");
    EXPECT_EQ(remarksShown(), 1);
}

TEST_F(RequestEntryTest, AProfileTakesItsMembersOffTheEntryAndTheOrdersList)
{
    open(QStringLiteral("LB"));
    enterRow(QStringLiteral("CHOL"));
    enterExam(QStringLiteral("LIPID")); // row 2
    EXPECT_EQ(UiScript::lastText(), "The Exam TOTAL CHOLESTEROL in the ORDER LIST is included in this Profile(LIPID PROFILE)");
    EXPECT_EQ(codes(), (QStringList{"LIPID"}));
    EXPECT_EQ(grid()->Col(), Code);
    EXPECT_EQ(remarksShown(), 1); // only CHOL's
    delete frmRequest::existing();

    // HDL ordered from the workspace's laboratory list: it leaves as the workspace removes an order,
    // its entry unticked where it stands.
    QListWidget* lab = frmFinal::instance()->lstListLaboratory;
    PickList::Add(lab, PickList::LabEntry(QStringLiteral("HDL CHOLESTEROL"), QStringLiteral("CHEM"), QStringLiteral("HDL")));
    QListWidgetItem* hdl = PickList::Find(lab, QStringLiteral("LB"), QStringLiteral("HDL"));
    PickList::SetTicked(hdl, true);
    OrdersGrid::Order o;
    o.dept = QStringLiteral("LB");
    o.code = QStringLiteral("HDL");
    o.list = QStringLiteral("lstListLaboratory");
    o.string = hdl->text();
    o.index = QString::number(lab->row(hdl));
    OrdersGrid::Place(orders(), o);
    const int entries = lab->count();
    open(QStringLiteral("LB"));
    enterExam(QStringLiteral("LIPID"));
    EXPECT_EQ(UiScript::lastText(), "The Exam HDL CHOLESTEROL in the ORDER LIST is included in this Profile(LIPID PROFILE)");
    EXPECT_EQ(orders().TextMatrix(1, OrderRow::Code), "");
    EXPECT_EQ(lab->count(), entries);
    hdl = PickList::Find(lab, QStringLiteral("LB"), QStringLiteral("HDL"));
    ASSERT_NE(hdl, nullptr);
    EXPECT_FALSE(PickList::IsTicked(hdl));
}

TEST_F(RequestEntryTest, ADeletedProfileTakesItsMembersWithItAndAcceptCopiesOnlyAcceptedProfiles)
{
    struct Case {
        const char* how;
    } cases[] = {{"F3"}, {"Delete"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        open(QStringLiteral("LB"));
        enterRow(QStringLiteral("ELEC"));
        enterRow(QStringLiteral("LIPID"));
        grid()->MoveTo(1, Code);
        if (QLatin1String(c.how) == QLatin1String("F3")) {
            key(Qt::Key_F3);
        } else {
            UiScript::queueAnswer(vbYes);
            w()->cmdOption_Click(2);
            EXPECT_EQ(UiScript::lastText(), "Are you sure to delete the request?");
        }
        FlexGrid& profiles = *w()->mshflexProfileList;
        QStringList left;
        for (int r = 1; r < profiles.Rows(); ++r)
            if (!profiles.TextMatrix(r, ProfileRow::ExamID).isEmpty()) left << profiles.TextMatrix(r, ProfileRow::ProfileID);
        EXPECT_EQ(left, (QStringList{"LIPID", "LIPID", "LIPID", "LIPID"}));
        w()->cmdOption_Click(0);
        QStringList copied;
        for (int r = 1; r < workspaceProfiles().Rows(); ++r) copied << workspaceProfiles().TextMatrix(r, ProfileRow::ExamID);
        EXPECT_EQ(copied, (QStringList{"CHOL", "TRIG", "HDL", "LDL"}));
        delete frmRequest::existing(); // closed by Accept, not yet deleted
        delete frmFinal::existing();
        openPatient(QStringLiteral("TX0001"), QStringLiteral("205"));
    }
}

TEST_F(RequestEntryTest, DeleteButtonAsksAndF3DoesNot)
{
    open(QStringLiteral("LB"));
    w()->cmdOption_Click(2);
    EXPECT_EQ(UiScript::lastText(), "Row cannot be deleted because there are no entries yet.");
    EXPECT_EQ(UiScript::shown().last().title, "Notification");
    enterRow(QStringLiteral("CBC"));
    grid()->MoveTo(1, Code);
    UiScript::queueAnswer(vbNo);
    w()->cmdOption_Click(2);
    EXPECT_EQ(UiScript::shown().last().title, "Confirmation");
    EXPECT_EQ(codes(), (QStringList{"CBC", ""}));
    UiScript::queueAnswer(vbYes);
    w()->cmdOption_Click(2);
    EXPECT_EQ(codes(), (QStringList{""}));
    EXPECT_FALSE(w()->txtEntry->isVisible());
    // F3 asks nothing
    const int asked = int(UiScript::shown().size());
    grid()->MoveTo(1, Code);
    enterRow(QStringLiteral("PLT"));
    enterRow(QStringLiteral("CBC"));
    grid()->MoveTo(2, Remarks);
    key(Qt::Key_F3);
    EXPECT_EQ(codes(), (QStringList{"PLT", ""}));
    EXPECT_EQ(int(UiScript::shown().size()), asked);
}

TEST_F(RequestEntryTest, OpenForShowsTheWindowModallyUnderItsCaption)
{
    QString caption, dept, department;
    UiScript::queueDialog(QStringLiteral("frmRequest"), [&](QDialog* d) {
        auto* r = static_cast<frmRequest*>(d);
        caption = r->windowTitle();
        dept = r->txtDept->text();
        department = r->Department;
        EXPECT_TRUE(r->txtEntry->isVisible());
        EXPECT_EQ(r->lblMessage->text(),
                  "Type the Examination Code or first few Letter(s) of the Examination name then press the <Enter> Key.");
        r->cmdOption[1]->click();
    });
    EXPECT_EQ(frmRequest::OpenFor(QStringLiteral("MI"), QStringLiteral("MRI Request Entry")), int(QDialog::Rejected));
    EXPECT_EQ(caption, "MRI Request Entry");
    EXPECT_EQ(dept, "MI");
    EXPECT_EQ(department, "MI");
}

TEST_F(RequestEntryTest, APartOfTheNameIsResolvedThroughThePickList)
{
    open(QStringLiteral("LB"));
    UiScript::queueDialog(QStringLiteral("frmCodeSearchList"), [](QDialog* d) {
        auto* list = static_cast<frmCodeSearchList*>(d);
        const int row = list->FindRow(QStringLiteral("TROPI"));
        ASSERT_GE(row, 0);
        list->grdList->setCurrentCell(row, 0);
        QTest::mouseClick(list->cmdSelect, Qt::LeftButton);
    });
    RemarksAnswers serum; // troponin is taken from serum or plasma: the dialog wants one chosen
    serum.specimen = QStringLiteral("SER");
    enterExam(QStringLiteral("trop"), serum);
    EXPECT_EQ(cell(1, Code), "TROPI");
    EXPECT_EQ(cell(1, Description), "TROPONIN I");
    EXPECT_EQ(cell(1, Section), "IMMU");
    // Leaving the list without a choice changes nothing: the cursor stays with the typed text.
    grid()->MoveTo(2, Code);
    enter(QStringLiteral("trop"));
    EXPECT_EQ(cell(2, Code), "");
    EXPECT_EQ(w()->txtEntry->text(), "TROP");
    EXPECT_EQ(grid()->Col(), Code);
}

TEST_F(RequestEntryTest, TheRemarksDialogIsToldTheSectionAndOffersSpecimensOnlyForTheLaboratory)
{
    struct Case {
        const char *dept, *code, *deptID, *examID;
        bool specimen;
    } cases[] = {{"LB", "CBC", "LB", "CBC", true}, {"XR", "CXRPA", "XR", "", false}, {"MI", "MRI001", "MI", "", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dept);
        open(QString::fromLatin1(c.dept));
        QString deptID, examID;
        bool specimen = false, label = false;
        UiScript::queueDialog(QStringLiteral("frmRemarks"), [&](QDialog* d) {
            auto* r = static_cast<frmRemarks*>(d);
            deptID = r->DeptID;
            examID = r->ExamID;
            specimen = r->cmdSpecimen->isEnabled();
            label = r->lblSpecimen[1]->isEnabled();
            d->accept();
        });
        enter(QString::fromLatin1(c.code));
        EXPECT_EQ(deptID, c.deptID);
        EXPECT_EQ(examID, c.examID);
        EXPECT_EQ(specimen, c.specimen);
        EXPECT_EQ(label, c.specimen);
        delete frmRequest::existing();
    }
}

TEST_F(RequestEntryTest, AnApostropheNeverReachesTheBox)
{
    open(QStringLiteral("LB"));
    type(QStringLiteral("c'b'c"));
    EXPECT_EQ(w()->txtEntry->text(), "CBC");
}

} // namespace
