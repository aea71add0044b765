// Checks made while an exam is added to an order list: profiles, specimens, the routine/STAT
// preset, the largest quantity and the form type.
#include "support/LookupFixture.h"

#include "ordering/OrdersGrid.h"
#include "ordering/frmRemarks.h"
#include "ordering/PickList.h"
#include "platform/db/DbError.h"
#include "shared/orders/ExamOrderChecks.h"
#include "shared/modGlobals.h"
#include "shared/orders/ProfileGrid.h"
#include "workspace/frmFinal.h"
#include <QListWidget>
#include <QRadioButton>

class ExamChecks : public LookupTest {
protected:
    FlexGrid profiles;
    void SetUp() override
    {
        LookupTest::SetUp();
        SetUpProfileGrid(profiles);
    }
};

TEST_F(ExamChecks, LoadExamProfilesAppendsMembersWithoutClearing)
{
    EXPECT_FALSE(LoadExamProfiles(conn(), QStringLiteral("CBC"), profiles));
    EXPECT_EQ(profiles.Rows(), 2);
    EXPECT_EQ(profiles.TextMatrix(1, ProfileRow::ExamID), QString());

    EXPECT_TRUE(LoadExamProfiles(conn(), QStringLiteral(" LIPID "), profiles));
    EXPECT_EQ(column(profiles, ProfileRow::ExamID), QStringList({"CHOL", "TRIG", "HDL", "LDL"}));
    EXPECT_EQ(profiles.TextMatrix(1, ProfileRow::ExamName), QStringLiteral("TOTAL CHOLESTEROL"));
    EXPECT_EQ(profiles.TextMatrix(4, ProfileRow::ProfileID), QStringLiteral("LIPID"));
    EXPECT_EQ(profiles.TextMatrix(4, ProfileRow::ProfileName), QStringLiteral("LIPID PROFILE"));

    EXPECT_TRUE(LoadExamProfiles(conn(), QStringLiteral("ELEC"), profiles));
    EXPECT_TRUE(LoadExamProfiles(conn(), QStringLiteral("LIPID"), profiles));  // listed twice: no duplicate test
    EXPECT_EQ(column(profiles, ProfileRow::ExamID),
              QStringList({"CHOL", "TRIG", "HDL", "LDL", "NA", "K", "CL", "CHOL", "TRIG", "HDL", "LDL"}));
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(ExamChecks, CheckOrderExamInProfileWarnsOnceForTheFirstOrderedMember)
{
    ASSERT_TRUE(LoadExamProfiles(conn(), QStringLiteral("LIPID"), profiles));
    struct Case { int codeCol; QList<QStringList> orders; bool expected; QString text; };
    const QList<Case> cases = {
        {2, {{"", "", "CBC"}, {"", "", "HDL"}, {"", "", "CHOL"}}, true,
         "The Exam HDL CHOLESTEROL in the ORDER LIST is included in this Profile(LIPID PROFILE)"},
        {1, {{"", " TRIG "}, {"", "CHOL"}}, true,
         "The Exam TRIGLYCERIDES in the ORDER LIST is included in this Profile(LIPID PROFILE)"},
        {2, {{"", "", "CBC"}, {"", "", "PT"}}, false, ""},
        {2, {{"", "", ""}}, false, ""},   // the empty order list
        {1, {{"", "hdl"}}, false, ""},    // case counts
    };
    for (const Case& c : cases) {
        UiScript::reset();
        FlexGrid orders;
        fillGrid(orders, 18, c.orders);
        EXPECT_EQ(CheckOrderExamInProfile(profiles, orders, c.codeCol), c.expected) << c.text.toStdString();
        if (c.expected) {
            ASSERT_EQ(UiScript::shown().size(), 1);
            EXPECT_EQ(UiScript::shown()[0].text, c.text);
            EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Message"));
            EXPECT_EQ(UiScript::shown()[0].style, vbExclamation | vbOKOnly);
        } else {
            EXPECT_TRUE(UiScript::shown().isEmpty());
        }
    }
}

// The workspace's laboratory list with these exams, those named ticked and on order as the list
// orders them (pick-list entries keyed by section and code).
QStringList orderFromLabList(frmFinal* ws, const QList<QStringList>& exams, const QStringList& ordered)
{
    PickList::SetUp(ws->lstListLaboratory);
    for (const QStringList& e : exams) PickList::Add(ws->lstListLaboratory, PickList::LabEntry(e[1], QStringLiteral("CHEM"), e[0]));
    for (const QString& code : ordered) {
        QListWidgetItem* item = PickList::Find(ws->lstListLaboratory, QStringLiteral("LB"), code);
        PickList::SetTicked(item, true);
        OrdersGrid::Order o;
        o.dept = QStringLiteral("LB");
        o.code = code;
        o.description = PickList::EntryOf(item).description;
        o.list = QStringLiteral("lstListLaboratory");
        o.string = item->text();
        o.index = QString::number(ws->lstListLaboratory->row(item));
        o.portableMachine = QStringLiteral("0");
        o.reasonOfProcedure = QStringLiteral("FOLLOW-UP");
        OrdersGrid::Place(*ws->mshflexOrders, o);
    }
    QStringList texts;
    for (int i = 0; i < ws->lstListLaboratory->count(); ++i) texts << ws->lstListLaboratory->item(i)->text();
    return texts;
}

QStringList ticked(QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        if (PickList::IsTicked(list->item(i))) out << PickList::EntryOf(list->item(i)).code;
    return out;
}

TEST_F(ExamChecks, RemoveOrdersInProfilesTakesMembersOffTheWorkspaceGridAndUnticksTheirEntries)
{
    frmFinal* ws = frmFinal::instance();
    const QStringList texts = orderFromLabList(
        ws, {{"CBC", "COMPLETE BLOOD COUNT"}, {"HDL", "HDL CHOLESTEROL"}, {"PT", "PROTIME"}, {"CHOL", "TOTAL CHOLESTEROL"}},
        {"CBC", "HDL", "CHOL"});
    ASSERT_TRUE(LoadExamProfiles(conn(), QStringLiteral("LIPID"), profiles)); // the request entry's own grid
    RemoveOrdersInProfiles(profiles, *ws->mshflexOrders, OrderRow::Code);
    EXPECT_EQ(column(*ws->mshflexOrders, OrderRow::Code), QStringList({"CBC"}));
    EXPECT_EQ(ticked(ws->lstListLaboratory), QStringList({"CBC"}));
    QStringList after;
    for (int i = 0; i < ws->lstListLaboratory->count(); ++i) after << ws->lstListLaboratory->item(i)->text();
    EXPECT_EQ(after, texts); // every entry stays where it was, with its text and its keys
    for (const char* code : {"CBC", "HDL", "PT", "CHOL"})
        EXPECT_NE(PickList::Find(ws->lstListLaboratory, QStringLiteral("LB"), QString::fromLatin1(code)), nullptr) << code;
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(ExamChecks, RemovingTheOnlyWorkspaceOrderEmptiesItsRowAndUnticksItsEntry)
{
    frmFinal* ws = frmFinal::instance();
    orderFromLabList(ws, {{"TRIG", "TRIGLYCERIDES"}}, {"TRIG"});
    ASSERT_TRUE(LoadExamProfiles(conn(), QStringLiteral("LIPID"), profiles));
    RemoveOrdersInProfiles(profiles, *ws->mshflexOrders, OrderRow::Code);
    ASSERT_EQ(ws->mshflexOrders->Rows(), 2);
    // nothing of the removed order is left for the next one placed in the row
    for (int c = 1; c < OrderRow::ColumnCount; ++c) EXPECT_EQ(ws->mshflexOrders->TextMatrix(1, c), QString()) << c;
    EXPECT_EQ(ticked(ws->lstListLaboratory), QStringList());
    EXPECT_EQ(ws->lstListLaboratory->count(), 1);
}

TEST_F(ExamChecks, RemoveOrdersInProfilesOnTheRequestGridLeavesThePickListAlone)
{
    ASSERT_TRUE(LoadExamProfiles(conn(), QStringLiteral("ELEC"), profiles));
    FlexGrid entry;
    fillGrid(entry, 14, {{"", "NA", "SODIUM", "1", "", "", "", "", "", "", "", "7"},
                         {"", "CBC"},
                         {"", " K "}});
    RemoveOrdersInProfiles(profiles, entry, 1);
    EXPECT_EQ(column(entry, 1), QStringList({"CBC"}));
    EXPECT_FALSE(frmFinal::isLoaded());

    fillGrid(entry, 14, {{"x", "CL", "CHLORIDE", "1", "280", "LB", "N", "", "", "", "", "", "s12", "s13"}});
    RemoveOrdersInProfiles(profiles, entry, 1);
    EXPECT_EQ(entry.Rows(), 2);
    for (int c = 1; c < 14; ++c) EXPECT_EQ(entry.TextMatrix(1, c), QString()) << c;
    EXPECT_EQ(entry.TextMatrix(1, 0), QStringLiteral("x"));
}

TEST_F(ExamChecks, CheckExamInProfileComparesTheCodeUntrimmed)
{
    struct Case { const char* code; bool expected; };
    const Case emptyGrid[] = {{"", false}, {"HDL", false}};
    for (const Case& c : emptyGrid) EXPECT_FALSE(CheckExamInProfile(QString::fromLatin1(c.code), profiles)) << c.code;
    ASSERT_TRUE(LoadExamProfiles(conn(), QStringLiteral("LIPID"), profiles));
    const Case cases[] = {{"HDL", true}, {"HDL ", false}, {" HDL", false}, {"CBC", false}, {"LIPID", false}, {"", false}};
    for (const Case& c : cases) {
        UiScript::reset();
        EXPECT_EQ(CheckExamInProfile(QString::fromLatin1(c.code), profiles), c.expected) << c.code;
        EXPECT_EQ(UiScript::shown().size(), c.expected ? 1 : 0) << c.code;
    }
    UiScript::reset();
    CheckExamInProfile(QStringLiteral("LDL"), profiles);
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("This Exam LDL CHOLESTEROL is included in this Profile(LIPID PROFILE)"));
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Message"));
    EXPECT_EQ(UiScript::shown()[0].style, vbExclamation | vbOKOnly);
}

TEST_F(ExamChecks, ClearProfileExamsRemovesOneProfileAndKeepsABlankRow)
{
    ASSERT_TRUE(LoadExamProfiles(conn(), QStringLiteral("LIPID"), profiles));
    ASSERT_TRUE(LoadExamProfiles(conn(), QStringLiteral("ELEC"), profiles));
    ClearProfileExams(QStringLiteral("CBC"), profiles);
    EXPECT_EQ(profiles.Rows(), 8);
    ClearProfileExams(QStringLiteral(" LIPID"), profiles);
    EXPECT_EQ(column(profiles, ProfileRow::ExamID), QStringList({"NA", "K", "CL"}));
    ClearProfileExams(QStringLiteral("ELEC"), profiles);
    ASSERT_EQ(profiles.Rows(), 2);
    for (int c = 1; c <= 4; ++c) EXPECT_EQ(profiles.TextMatrix(1, c), QString());
    EXPECT_EQ(profiles.TextMatrix(0, 1), QStringLiteral("ExamID"));
    // a profile added to the blank grid fills row 1 again
    ASSERT_TRUE(LoadExamProfiles(conn(), QStringLiteral("COAG"), profiles));
    EXPECT_EQ(column(profiles, ProfileRow::ExamID), QStringList({"PT", "APTT", "PLT"}));
}

TEST_F(ExamChecks, ProfileRoutinesLeaveFailuresToTheCaller)
{
    loseConnection();
    EXPECT_THROW(LoadExamProfiles(conn(), QStringLiteral("LIPID"), profiles), DbError);
    QString code = QStringLiteral("old");
    EXPECT_THROW(GetSingleSpecimen(conn(), QStringLiteral("CBC"), code), DbError);
    EXPECT_EQ(code, QStringLiteral("old"));
    EXPECT_THROW(SetStatOptions(conn(), QStringLiteral("CBC"), frmRemarks::instance()->Option1), DbError);
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(ExamChecks, GetSingleSpecimenByNumberOfSpecimens)
{
    struct Case { const char* exam; const char* description; const char* code; bool several; };
    const Case cases[] = {
        {"CBC", "WHOLE BLOOD (EDTA)", "BLD", false},
        {" PT ", "CITRATED PLASMA", "PLS", false},
        {"CREA", "", "", true},
        {"CHOL", "None", "0", false},
        {"NOSUCH", "None", "0", false},
    };
    for (const Case& c : cases) {
        QString code = QStringLiteral("stale");
        DialogAnswers.HasSeveralSpecimens = !c.several;
        DialogAnswers.ExamOrderSpecimen = QStringLiteral("stale");
        EXPECT_EQ(GetSingleSpecimen(conn(), QString::fromLatin1(c.exam), code), QString::fromLatin1(c.description)) << c.exam;
        EXPECT_EQ(code, QString::fromLatin1(c.code)) << c.exam;
        EXPECT_EQ(DialogAnswers.ExamOrderSpecimen, QString::fromLatin1(c.code)) << c.exam;
        EXPECT_EQ(DialogAnswers.HasSeveralSpecimens, c.several) << c.exam;
    }
}

TEST(StatOptions, ByRuleDayAndServerTime)
{
    const QDate wednesday(2026, 12, 9), saturday(2026, 12, 12), sunday(2026, 12, 13);
    struct Case { const char* stat; QDate day; QTime time; int chosen; bool routine, statOn; };
    const Case cases[] = {
        {"Y", wednesday, QTime(9, 0), 1, false, true},
        {"Y", saturday, QTime(20, 0), 1, false, true},
        {"N", saturday, QTime(20, 0), 0, true, false},
        {"", wednesday, QTime(9, 0), 0, true, true},
        {"", wednesday, QTime(17, 0, 0), 0, true, true},
        {"", wednesday, QTime(17, 0, 1), 1, true, true},
        {"y", wednesday, QTime(9, 0), 0, true, true},
        {"X", saturday, QTime(9, 0), 1, true, true},
        {"", sunday, QTime(9, 0), 0, true, true},
        {"", sunday, QTime(23, 59, 59), 1, true, true},
    };
    for (const Case& c : cases) {
        const StatOptions o = StatOptionsFor(QString::fromLatin1(c.stat), QDateTime(c.day, c.time));
        const std::string what = std::string(c.stat) + " " + QDateTime(c.day, c.time).toString().toStdString();
        EXPECT_EQ(o.chosen, c.chosen) << what;
        EXPECT_EQ(o.routineEnabled, c.routine) << what;
        EXPECT_EQ(o.statEnabled, c.statOn) << what;
    }
}

TEST_F(ExamChecks, SetStatOptionsPresetsTheDialogFromTheCatalogue)
{
    frmRemarks* dlg = frmRemarks::instance();
    SetStatOptions(conn(), QStringLiteral("TROPI"), dlg->Option1);
    EXPECT_TRUE(dlg->Option1[1]->isChecked());
    EXPECT_FALSE(dlg->Option1[0]->isEnabled());
    EXPECT_TRUE(dlg->Option1[1]->isEnabled());

    SetStatOptions(conn(), QStringLiteral("LIPID"), dlg->Option1);
    EXPECT_TRUE(dlg->Option1[0]->isChecked());
    EXPECT_TRUE(dlg->Option1[0]->isEnabled());
    EXPECT_FALSE(dlg->Option1[1]->isEnabled());

    // no catalogue row (the code goes untrimmed): nothing changes
    SetStatOptions(conn(), QStringLiteral("TROPI "), dlg->Option1);
    EXPECT_TRUE(dlg->Option1[0]->isChecked());
    EXPECT_FALSE(dlg->Option1[1]->isEnabled());

    // an open rule follows the server's clock
    const StatOptions expected = StatOptionsFor(QString(), conn().serverDateTime());
    SetStatOptions(conn(), QStringLiteral("CBC"), dlg->Option1);
    EXPECT_TRUE(dlg->Option1[expected.chosen]->isChecked());
    EXPECT_TRUE(dlg->Option1[0]->isEnabled());
    EXPECT_TRUE(dlg->Option1[1]->isEnabled());
}

TEST_F(ExamChecks, MaximumQuantityOnlyForOpenQuantityProcedures)
{
    struct Case { double (*fn)(Connection&, const QString&); const char* code; double expected; };
    const Case cases[] = {
        {GetLabExamMaxQty, "ABG", 5}, {GetLabExamMaxQty, " ABG ", 5}, {GetLabExamMaxQty, "BLDCS", 3},
        {GetLabExamMaxQty, "ACT", 1}, {GetLabExamMaxQty, "CBC", 1}, {GetLabExamMaxQty, "NOSUCH", 1},
        {GetXrayExamMaxQty, "FLUORO", 4}, {GetXrayExamMaxQty, "CXRPA", 1}, {GetXrayExamMaxQty, "ABG", 1},
        {GetUltraExamMaxQty, "VASCMAP", 2}, {GetUltraExamMaxQty, "ECHO2D", 1}, {GetUltraExamMaxQty, "FLUORO", 1},
    };
    for (const Case& c : cases) EXPECT_EQ(c.fn(conn(), QString::fromLatin1(c.code)), c.expected) << c.code;
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(ExamChecks, MaximumQuantityFailuresShowTheNoticeAndGiveOne)
{
    conn().execute(QStringLiteral("UPDATE BUILD_FILE..tbCoLabExam SET MaxQty = NULL WHERE LabExamID = 'ABG'"));
    EXPECT_EQ(GetLabExamMaxQty(conn(), QStringLiteral("ABG")), 1);
    expectOneErrorNotice();
    EXPECT_TRUE(UiScript::lastText().startsWith(QStringLiteral("Invalid use of Null")));

    UiScript::reset();
    loseConnection();
    EXPECT_EQ(GetXrayExamMaxQty(conn(), QStringLiteral("FLUORO")), 1);
    expectOneErrorNotice();
}

TEST_F(ExamChecks, ExamFormType)
{
    struct Case { const char* item; const char* expected; };
    const Case cases[] = {{"CL102", "B"}, {"CL103", "C"}, {"CL101", "A"}, {" CL102", "A"}, {"CL105", ""}};
    for (const Case& c : cases) EXPECT_EQ(GetExamFormType(conn(), QString::fromLatin1(c.item)), QString::fromLatin1(c.expected)) << c.item;
    EXPECT_TRUE(UiScript::shown().isEmpty());
    loseConnection();
    EXPECT_EQ(GetExamFormType(conn(), QStringLiteral("CL102")), QString());
    expectOneErrorNotice();
}
