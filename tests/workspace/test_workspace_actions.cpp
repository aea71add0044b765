// The workspace's action bar and function keys beyond their rights refusals.
#include "WorkspaceFixture.h"

#include "components/StationComponents.h"
#include "components/icd10/frmICD10Validation.h"
#include "platform/report/ReportLog.h"
#include "workspace/frmPostDiet.h"
#include "support/TableOutOfReach.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

class WorkspaceActions : public WorkspaceTest {
protected:
    void SetUp() override
    {
        WorkspaceTest::SetUp();
        setRights("|1|3|6|9|19");
    }
    void TearDown() override
    {
        delete Session.ICDCodeSearch;
        Session.ICDCodeSearch = nullptr;
        WorkspaceTest::TearDown();
    }
};

TEST_F(WorkspaceActions, PharmacyButtonTellsOfPatientsMedicineAndGoesOn)
{
    const QString id = admission(0);
    conn().execute("UPDATE PATIENT_DATA..tbPatient2 SET PatientsMed = 1 WHERE IDNum = ?", {id});
    frmFinal* w = open(id);
    UiScript::reset();
    w->cmdNextPatient_Click(1);
    ASSERT_EQ(UiScript::texts().size(), 1);
    EXPECT_EQ(UiScript::shown()[0].text, "Records indicate that this Patient is under patients medicine.");
    EXPECT_EQ(UiScript::shown()[0].title, "Message");
    EXPECT_EQ(UiScript::dialogsRun(), QStringList({"frmPharmacyRequest"}));
    // The central-supply button does not look at the mark.
    UiScript::reset();
    w->cmdNextPatient_Click(2);
    EXPECT_TRUE(UiScript::texts().isEmpty());
    EXPECT_EQ(UiScript::dialogsRun(), QStringList({"frmPharmacyRequest"}));
    // A cleared pharmacy stops the button before the notice.
    conn().execute("INSERT INTO STATION..tbNurseDeptClearance (IDNum, DepartmentID, ClearDate, ClearedBy) "
                   "VALUES (?, 'PH', ?, 'BL001')", {id, QDateTime::currentDateTime()});
    UiScript::reset();
    w->cmdNextPatient_Click(1);
    EXPECT_EQ(UiScript::texts(), QStringList({"Patient is already cleared by (Pharmacy Department). If you have requests to "
                                              "make, notify the Billing staff immediately for further instructions."}));
}

TEST_F(WorkspaceActions, AFailedLookUpIsReportedNotThrown)
{
    frmFinal* w = open(admission(0));
    TableOutOfReach away(conn(), QStringLiteral("STATION..tbNurseDeptClearance"));
    for (int element : {1, 2, 5}) {
        UiScript::reset();
        w->cmdNextPatient[element]->click();
        ASSERT_EQ(UiScript::shown().size(), 1) << element;
        EXPECT_TRUE(UiScript::lastText().endsWith("\r\n\r\nPlease notify your IT department.")) << element;
        EXPECT_EQ(UiScript::shown().last().title, "Notification");
    }
    for (int key : {117, 118}) {
        UiScript::reset();
        w->Form_KeyDown(key);
        EXPECT_TRUE(UiScript::lastText().endsWith("Please notify your IT department.")) << key;
    }
}

TEST_F(WorkspaceActions, ChangeDietReadsTheDietAgainAfterTheDialog)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    UiScript::queueDialog("frmPostDiet", [&](QDialog*) {
        conn().execute("UPDATE PATIENT_DATA..tbPatient2 SET DietID = 'NPO' WHERE IDNum = ?", {id});
    });
    w->cmdNextPatient_Click(3);
    EXPECT_EQ(UiScript::dialogsRun(), QStringList({"frmPostDiet"}));
    EXPECT_EQ(w->txtAdiet->text(), "NOTHING PER OREM");
    UiScript::queueDialog("frmPostDiet", [&](QDialog*) {
        conn().execute("UPDATE PATIENT_DATA..tbPatient2 SET DietID = NULL WHERE IDNum = ?", {id});
    });
    w->cmdNextPatient_Click(3);
    EXPECT_EQ(w->txtAdiet->text(), "");
    // An empty code is no diet either, as is a stay without a tbPatient2 row.
    for (const char* change : {"UPDATE PATIENT_DATA..tbPatient2 SET DietID = '' WHERE IDNum = ?",
                               "DELETE FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?"}) {
        UiScript::queueDialog("frmPostDiet", [&](QDialog*) {
            conn().execute("UPDATE PATIENT_DATA..tbPatient2 SET DietID = 'NPO' WHERE IDNum = ?", {id});
        });
        w->cmdNextPatient_Click(3);
        ASSERT_EQ(w->txtAdiet->text(), "NOTHING PER OREM");
        UiScript::queueDialog("frmPostDiet", [&](QDialog*) { conn().execute(QString::fromLatin1(change), {id}); });
        w->cmdNextPatient_Click(3);
        EXPECT_EQ(w->txtAdiet->text(), "") << change;
    }
}

TEST_F(WorkspaceActions, FunctionKeysThroughTheWindow)
{
    frmFinal* w = open(admission(0));
    w->show();
    // Keys the window does not use do nothing, whatever has the focus.
    for (Qt::Key key : {Qt::Key_F1, Qt::Key_F8, Qt::Key_F9, Qt::Key_F12}) {
        UiScript::reset();
        QTest::keyClick(w->txtRoom, key);
        EXPECT_TRUE(UiScript::shown().isEmpty()) << key;
    }
    EXPECT_TRUE(ReportLog::calls().isEmpty());
    // Shift does not change F11.
    QTest::keyClick(w->txtRoom, Qt::Key_F11, Qt::ShiftModifier);
    ASSERT_EQ(ReportLog::calls().size(), 1);
    EXPECT_EQ(ReportLog::calls().first().caption, "Statement Of Accounts");
    // F5 arms the reload.
    QTest::keyClick(w->txtRoom, Qt::Key_F5);
    EXPECT_TRUE(w->Timer1->isActive());
}

TEST_F(WorkspaceActions, F10RunsTheIcdValidation)
{
    frmFinal* w = open(admission(0));
    EXPECT_EQ(w->Form_KeyDown(121), 0); // no component: nothing happens
    Session.ICDCodeSearch = ComponentFactory::createAs<clsICDCodeSearch>("ICD10.ICDCodeSearch");
    ASSERT_TRUE(Session.ICDCodeSearch);
    Session.ICDCodeSearch->setActiveConnection(&conn());
    int listed = -1;
    UiScript::queueDialog("frmICD10Validation", [&](QDialog* d) {
        listed = static_cast<frmICD10Validation*>(d)->lstCodes->rowCount();
    });
    EXPECT_EQ(w->Form_KeyDown(121), 0);
    EXPECT_EQ(UiScript::dialogsRun(), QStringList({"frmICD10Validation"}));
    EXPECT_GT(listed, 0);
}

TEST_F(WorkspaceActions, SendClearanceOpensTheDischargeOrderUnlessRequestsArePending)
{
    // The first demo stay has an open laboratory request; the fourth has none.
    struct Case { int stay; QStringList texts; QStringList dialogs; };
    const Case cases[] = {{0, {"You can`t send discharge order at this time.There are still pending requests."}, {}},
                          {3, {}, {"frmHBPS"}}};
    for (const Case& c : cases) {
        frmFinal* w = open(admission(c.stay));
        UiScript::reset();
        w->cmdNextPatient_Click(6);
        EXPECT_EQ(UiScript::texts(), c.texts) << c.stay;
        EXPECT_EQ(UiScript::dialogsRun(), c.dialogs) << c.stay;
        delete frmFinal::existing();
    }
}
