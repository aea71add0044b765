#include "WorkspaceFixture.h"
#include "support/TableOutOfReach.h"

#include "access/frmTransaction_UserValidation.h"
#include "support/ScriptedValidation.h"
#include "components/StationComponents.h"
#include "components/code_search/frmCodeSearchList.h"
#include "workspace/frmPostDiet.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

class WorkspaceDiet : public WorkspaceTest {
protected:
    void SetUp() override
    {
        WorkspaceTest::SetUp();
        m_search = std::make_unique<clsCodeSearch>(QStringLiteral("CodeSearchform.clsCodeSearch"));
        m_search->setConnection(&conn());
        Session.CodeSearch = m_search.get();
    }
    void TearDown() override
    {
        Session.CodeSearch = nullptr;
        m_search.reset();
        WorkspaceTest::TearDown();
    }
    static void choose(const char* code)
    {
        const QString c = QString::fromLatin1(code);
        UiScript::queueDialog("frmCodeSearchList", [c](QDialog* d) {
            auto* l = static_cast<frmCodeSearchList*>(d);
            l->ChosenRow = l->FindRow(c);
            l->accept();
        });
    }
    std::unique_ptr<clsCodeSearch> m_search;
};

TEST_F(WorkspaceDiet, ChangesTheDietInOneTransactionAndLogsIt)
{
    setRights("|6");
    const QString id = admission(1); // NPO in the demo
    frmFinal* w = open(id);
    UiScript::queueDialog("frmPostDiet", [](QDialog* d) {
        auto* dlg = static_cast<frmPostDiet*>(d);
        EXPECT_EQ(dlg->txtOldDiet->text(), "NOTHING PER OREM");
        EXPECT_EQ(dlg->txtDietCode->text(), "NPO");
        dlg->txtRemarks->setText("TYPED");
        choose("LSLF");
        dlg->cmdSearchDiet_Click();
        EXPECT_EQ(dlg->txtRemarks->text(), "NO ADDED SALT"); // the catalogue's remarks replace the typed ones
        dlg->txtRemarks->setText("PATIENT'S REQUEST");
        dlg->chkExtraMeal->setChecked(true);
        UiScript::queueDialog("frmTransaction_UserValidation", [](QDialog* v) {
            auto* u = static_cast<frmTransaction_UserValidation*>(v);
            QTest::keyClicks(u->txtUserID, "CL002");
            QTest::keyClick(u->txtUserID, Qt::Key_Return);
            QTest::keyClicks(u->txtAccessCode, "CATH2");
            QTest::keyClick(u->txtAccessCode, Qt::Key_Return);
        });
        dlg->Command1_Click(0);
    });
    w->cmdNextPatient_Click(3);
    EXPECT_EQ(UiScript::lastText(), "Successfully updated patient's diet.");
    EXPECT_EQ(w->txtAdiet->text(), "LOW SALT, LOW FAT DIET");
    Recordset rs = conn().query("SELECT DietID, DietRemarks, ExtraMeal FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?", {id});
    EXPECT_EQ(rs.text("DietID"), "LSLF");
    EXPECT_EQ(rs.text("DietRemarks"), "PATIENT`S REQUEST");
    EXPECT_EQ(rs.text("ExtraMeal"), "Y");
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Idnum = ? AND UserID = 'CL002' AND Remarks = ?",
                    {id, "OLDDIET:NOTHING PER OREM OLDREMARKS: NEWDIET:LOW SALT, LOW FAT DIET NEWREMARKS:PATIENT'S REQUEST"}),
              1);
    EXPECT_FALSE(conn().inTransaction());
}

TEST_F(WorkspaceDiet, RefusedValidationWritesNothingAndNeedsRightSix)
{
    setRights("|1");
    frmFinal* w = open(admission(1));
    w->cmdNextPatient_Click(3);
    EXPECT_EQ(UiScript::lastText(), "Sorry you don't have access right to Post New Diet!");
    frmPostDiet dlg;
    choose("SOFT");
    dlg.cmdSearchDiet_Click();
    UiScript::queueDialog("frmTransaction_UserValidation", [](QDialog* v) { v->reject(); });
    dlg.Command1_Click(0);
    EXPECT_EQ(conn().query("SELECT DietID FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?", {admission(1)}).text("DietID"), "NPO");
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Remarks LIKE 'OLDDIET:%'"), 0);
}

TEST_F(WorkspaceDiet, WithoutADietRecordSaveOpensTheWholeListFirst)
{
    const QString id = admission(1);
    conn().execute("DELETE FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?", {id});
    open(id);
    frmPostDiet dlg;
    EXPECT_TRUE(dlg.txtDietCode->text().isEmpty());
    EXPECT_TRUE(dlg.txtRemarks->text().isEmpty());
    UiScript::queueDialog("frmCodeSearchList", [](QDialog* d) { d->reject(); });
    dlg.Command1_Click(0);
    EXPECT_EQ(UiScript::dialogsRun(), QStringList({"frmCodeSearchList"})); // no validation asked
    EXPECT_EQ(count("SELECT COUNT(*) FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?", {id}), 0);
}

TEST_F(WorkspaceDiet, SavingForAStayWithoutARecordMakesOneWithEverySectionOpen)
{
    const QString id = admission(1);
    conn().execute("DELETE FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?", {id});
    open(id);
    {
        // A failed save leaves no row behind: the row is made inside the save's transaction.
        frmPostDiet dlg;
        choose("SOFT");
        dlg.cmdSearchDiet_Click();
        TableOutOfReach away(conn(), "STATION..tbStationLogs");
        queueValidationAs("CL002", "CATH2");
        dlg.Command1_Click(0);
        EXPECT_TRUE(UiScript::lastText().startsWith("Error While Saving New Diet  "));
        EXPECT_EQ(count("SELECT COUNT(*) FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?", {id}), 0);
    }
    frmPostDiet dlg;
    choose("SOFT");
    dlg.cmdSearchDiet_Click();
    queueValidationAs("CL002", "CATH2");
    dlg.Command1_Click(0);
    EXPECT_EQ(UiScript::lastText(), "Successfully updated patient's diet.");
    Recordset rs = conn().query("SELECT * FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?", {id});
    ASSERT_FALSE(rs.isEmpty());
    EXPECT_EQ(rs.text("DietID"), "SOFT");
    EXPECT_EQ(rs.text("DietRemarks"), "");
    // The new row keeps the stay off cash basis, for the lists and the workspace alike.
    for (const char* f : {"OkeyCL", "OkeyLab", "OkeyXray", "OkeyUltra", "OkeyPH", "OkeyCS", "OkeyCT", "OkeyPT", "OkeyHS", "OkeyRTS",
                          "OkeyNU"})
        EXPECT_TRUE(rs.toBool(QString::fromLatin1(f))) << f;
    frmFinal* w = open(id);
    EXPECT_EQ(w->txtAdiet->text(), "SOFT DIET");
    EXPECT_TRUE(w->lstListLaboratory->isEnabled());
}

TEST_F(WorkspaceDiet, ExtraMealFlagAndTheDietNameCheck)
{
    const QString id = admission(1);
    open(id);
    struct Case { bool extra; const char* extraSent; };
    for (const Case& c : {Case{false, ""}, Case{true, "Y"}}) {
        frmPostDiet dlg;
        choose("SOFT");
        dlg.cmdSearchDiet_Click();
        dlg.chkExtraMeal->setChecked(c.extra);
        queueValidationAs("CL002", "CATH2");
        dlg.Command1_Click(0);
        EXPECT_EQ(UiScript::lastText(), "Successfully updated patient's diet.");
        Recordset rs = conn().query("SELECT DietID, ExtraMeal, DietBy FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?", {id});
        EXPECT_EQ(rs.text("DietID"), "SOFT");
        EXPECT_EQ(rs.text("ExtraMeal"), QString::fromLatin1(c.extraSent));
        EXPECT_EQ(rs.text("DietBy"), DialogAnswers.ValidatedUserName);
    }
    // A name typed over the chosen one is refused before anything is asked.
    frmPostDiet dlg;
    choose("REG");
    dlg.cmdSearchDiet_Click();
    dlg.txtNewDiet->setText("REGULAR DIET PLUS");
    UiScript::reset();
    dlg.Command1_Click(0);
    EXPECT_EQ(UiScript::lastText(), "Invalid Diet Name!");
    EXPECT_EQ(UiScript::shown().last().title, "Notification");
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
    EXPECT_EQ(conn().query("SELECT DietID FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?", {id}).text("DietID"), "SOFT");
}

TEST_F(WorkspaceDiet, FailedSaveRollsBothStatementsBackAndKeepsTheDialogOpen)
{
    const QString id = admission(1); // NPO
    frmFinal* w = open(id);
    frmPostDiet dlg;
    choose("LSLF");
    dlg.cmdSearchDiet_Click();
    TableOutOfReach away(conn(), "STATION..tbStationLogs"); // the second statement fails
    queueValidationAs("CL002", "CATH2");
    dlg.Command1_Click(0);
    ASSERT_FALSE(UiScript::shown().isEmpty());
    const ShownMessage m = UiScript::shown().last();
    EXPECT_TRUE(m.text.startsWith("Error While Saving New Diet  ")) << m.text.toStdString();
    EXPECT_GT(m.text.size(), QString("Error While Saving New Diet  ").size());
    EXPECT_EQ(m.style, int(vbOKOnly));
    EXPECT_EQ(m.title, QCoreApplication::applicationName());
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.txtNewDiet->text(), "LOW SALT, LOW FAT DIET");
    EXPECT_EQ(conn().query("SELECT DietID FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?", {id}).text("DietID"), "NPO");
    EXPECT_EQ(w->txtAdiet->text(), "NOTHING PER OREM");
    EXPECT_FALSE(conn().inTransaction());
}
