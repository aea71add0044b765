#include "WorkspaceFixture.h"
#include "support/ScriptedValidation.h"
#include "support/TableOutOfReach.h"

#include "access/frmTransaction_UserValidation.h"
#include "workspace/ProfileData.h"

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

TEST(ProfileSlots, CodesInBoxOrderThenBlanks)
{
    QList<bool> fh(8, false);
    fh[7] = fh[0] = true;
    QStringList codes;
    for (int i = 1; i <= 8; ++i) codes << QString::number(i);
    EXPECT_EQ(ProfileData::Slots(fh, codes, 4), QStringList({"1", "8", "", ""}));
    QList<bool> all(8, true);
    EXPECT_THROW(ProfileData::Slots(all, codes, 4), std::exception);
}

class WorkspaceProfile : public WorkspaceTest {
protected:
    // A column of the stay's brief history and examination text, kept beside its history row.
    QString historyExam(const QString& id, const char* column)
    {
        return conn().query(QStringLiteral("SELECT %1 FROM PATIENT_DATA..tbPatientHistoryExam WHERE IDNum = ?").arg(column), {id})
            .text(QString::fromLatin1(column));
    }
};

TEST_F(WorkspaceProfile, ProfileTabNeedsRightEleven)
{
    setRights("|10");
    frmFinal* w = open(admission(0));
    w->tabSSTab1->setTabEnabled(5, true);
    w->tabSSTab1->setCurrentIndex(5);
    EXPECT_EQ(UiScript::lastText(), "Sorry, you don't have access right to Update Patient Profile.");
    EXPECT_EQ(w->tabSSTab1->currentIndex(), 0);
}

TEST_F(WorkspaceProfile, FifthHistoryCheckIsRefused)
{
    frmFinal* w = open(admission(0));
    for (int i = 0; i < 5; ++i) {
        w->chkFH[i]->setChecked(true);
        w->chkHistory_Click(w->chkFH, i);
    }
    EXPECT_EQ(UiScript::lastText(), "You may only choose four(4) items.");
    EXPECT_FALSE(w->chkFH[4]->isChecked());
    EXPECT_TRUE(w->chkFH[3]->isChecked());
}

TEST_F(WorkspaceProfile, SaveWritesAllergiesProfileAndHistoryThenReloads)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    w->LoadPatientProfile();
    w->cmdUpdate_Click();
    EXPECT_TRUE(on(w->cmdSaveprofile));
    w->chkAllergy[7]->setChecked(true);
    w->chkFH[7]->setChecked(true);
    w->chkFH[0]->setChecked(true);
    w->txtBriefHistory->setPlainText("CHEST PAIN FOR 2 DAYS");
    w->txtSkin->setPlainText("WARM, DRY");
    w->txtADMDiagnosis->setText("UNSTABLE ANGINA");
    validateAs("CL001", "CATH1");
    w->cmdSaveprofile_Click();
    EXPECT_EQ(UiScript::lastText(), "Patient Profile Successfully Updated!");
    EXPECT_FALSE(conn().inTransaction());
    EXPECT_EQ(conn().query("SELECT AllergyID1 FROM PATIENT_DATA..tbMasterAllergies WHERE Hospnum = ?", {hospNumOf(id)}).text("AllergyID1"),
              "M1");
    Recordset p = conn().query("SELECT FH1, FH2, FH3, PEskin, UserID FROM STATION..tbNurseProfile WHERE IDNum = ?", {id});
    ASSERT_EQ(p.recordCount(), 1);
    EXPECT_EQ(p.text("FH1"), "1");
    EXPECT_EQ(p.text("FH2"), "8");
    EXPECT_EQ(p.text("FH3"), "");
    EXPECT_EQ(p.text("PEskin"), "WARM, DRY");
    EXPECT_EQ(p.text("UserID"), Session.CurrentUser->EmployeeCode());
    EXPECT_EQ(conn().query("SELECT AdmittingDiagnosis FROM PATIENT_DATA..tbPatientHistory WHERE IDNum = ?", {id}).text("AdmittingDiagnosis"),
              "UNSTABLE ANGINA");
    EXPECT_EQ(w->txtADMDiagnosis->text(), "UNSTABLE ANGINA");
    // Read back as saved.
    w->chkFH[0]->setChecked(false);
    w->LoadPatientProfile();
    EXPECT_TRUE(w->chkFH[0]->isChecked());
    EXPECT_TRUE(w->chkAllergy[7]->isChecked());
    EXPECT_EQ(w->txtBriefHistory->toPlainText(), "CHEST PAIN FOR 2 DAYS");
}

TEST_F(WorkspaceProfile, TooManyAllergiesFailWithoutWritingAnything)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    w->LoadPatientProfile();
    w->cmdUpdate_Click();
    for (int i = 0; i < 6; ++i) w->chkAllergy[i]->setChecked(true);
    w->cmdSaveprofile_Click();
    EXPECT_TRUE(UiScript::lastText().startsWith("Error While Saving Patient Profile  "));
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..tbNurseProfile"), 0);
    EXPECT_FALSE(conn().inTransaction());
    EXPECT_TRUE(on(w->cmdSaveprofile));
}

TEST_F(WorkspaceProfile, AFailingStatementRollsEverythingBack)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    w->LoadPatientProfile();
    w->cmdUpdate_Click();
    w->chkAllergy[0]->setChecked(true);
    TableOutOfReach away(conn(), "STATION..tbNurseProfile");
    validateAs("CL001", "CATH1");
    w->cmdSaveprofile_Click();
    EXPECT_TRUE(UiScript::lastText().startsWith("Error While Saving Patient Profile  "));
    EXPECT_FALSE(conn().inTransaction());
    EXPECT_EQ(count("SELECT COUNT(*) FROM PATIENT_DATA..tbMasterAllergies"), 0);
}

TEST_F(WorkspaceProfile, LoadFillsEveryGroupFromItsRow)
{
    const QString id = admission(1), hosp = hospNumOf(id);
    conn().execute("INSERT INTO PATIENT_DATA..tbMasterAllergies (Hospnum, AllergyID1, AllergyID2, AllergyID3, AllergyID4, AllergyID5, "
                   "Others) VALUES (?, 'O2', 'XX', 'F1', '', 'M3', NULL)",
                   {hosp});
    conn().call("STATION..Nurse_Save_Profile", {hosp, id, "SMOKER FOR 20 YEARS", "PALE", "", "", "", "", "", "", "", "",
                                                "18", "2", "", "", "3", "", "", "8", "4", "", "", "12/01/2026 08:00:00 AM",
                                                "CL001", "DIABETIC MOTHER", "NONE"});
    frmFinal* w = open(id);
    w->tabPatientProfile->setCurrentIndex(1);
    w->LoadPatientProfile();
    EXPECT_EQ(w->tabPatientProfile->currentIndex(), 0);
    QList<int> allergies;
    for (int i = 0; i < 12; ++i)
        if (w->chkAllergy[i]->isChecked()) allergies << i;
    EXPECT_EQ(allergies, QList<int>({0, 9, 11})); // "XX" checks nothing
    EXPECT_TRUE(w->chkPH[17]->isChecked());
    EXPECT_TRUE(w->chkPH[1]->isChecked());
    EXPECT_TRUE(w->chkPSH[2]->isChecked());
    EXPECT_TRUE(w->chkFH[7]->isChecked());
    EXPECT_TRUE(w->chkFH[3]->isChecked());
    EXPECT_EQ(w->txtSkin->toPlainText(), "PALE");
    EXPECT_EQ(w->txtFMOthers->toPlainText(), "DIABETIC MOTHER");
    EXPECT_TRUE(w->txtAllergyOthers->toPlainText().isEmpty());
    // The stay has a history row: its (empty) brief history and examination text replace the profile's.
    ASSERT_EQ(count("SELECT COUNT(*) FROM PATIENT_DATA..tbPatientHistory WHERE IDNum = ?", {id}), 1);
    EXPECT_TRUE(w->txtBriefHistory->toPlainText().isEmpty());
    EXPECT_TRUE(w->txtOtherPE->toPlainText().isEmpty());

    // The unknown allergy code is dropped by the next save; the codes go in box order.
    w->cmdUpdate_Click();
    validateAs("CL001", "CATH1");
    w->cmdSaveprofile_Click();
    Recordset a = conn().query("SELECT AllergyID1, AllergyID2, AllergyID3, AllergyID4, AllergyID5 FROM PATIENT_DATA..tbMasterAllergies "
                               "WHERE Hospnum = ?",
                               {hosp});
    EXPECT_EQ(QStringList({a.text("AllergyID1"), a.text("AllergyID2"), a.text("AllergyID3"), a.text("AllergyID4"), a.text("AllergyID5")}),
              QStringList({"F1", "M3", "O2", "", ""}));
}

TEST_F(WorkspaceProfile, ALoadErrorKeepsWhatWasFilledBeforeIt)
{
    const QString id = admission(1), hosp = hospNumOf(id);
    conn().call("STATION..Nurse_Save_Profile", {hosp, id, "BRIEF", "PALE", "", "", "", "", "", "", "", "", "1", "", "", "", "",
                                                "", "", "", "", "", "", "12/01/2026 08:00:00 AM", "CL001", "", "OTHER PE"});
    frmFinal* w = open(id);
    TableOutOfReach away(conn(), "PATIENT_DATA..tbPatientHistoryExam");
    w->LoadPatientProfile();
    EXPECT_EQ(UiScript::shown().last().title, "Notification");
    EXPECT_EQ(w->txtSkin->toPlainText(), "PALE");
    EXPECT_EQ(w->txtBriefHistory->toPlainText(), "BRIEF");
    EXPECT_FALSE(w->chkPH[0]->isChecked()); // the history boxes come after the failed read
}

TEST_F(WorkspaceProfile, OutPatientKeepsDiagnosisLockedAndLeavesHistoryAlone)
{
    const QString id = visit(0), hosp = hospNumOf(id);
    frmFinal* w = open(id);
    w->LoadPatientProfile();
    w->cmdUpdate_Click();
    EXPECT_TRUE(w->txtADMDiagnosis->isReadOnly());
    EXPECT_TRUE(w->txtChiefComplaints->isReadOnly());
    EXPECT_FALSE(w->txtBriefHistory->isReadOnly());
    w->txtBriefHistory->setPlainText("FOR ELECTIVE ANGIOGRAM");
    w->chkPSH[0]->setChecked(true);
    validateAs("CL001", "CATH1");
    w->cmdSaveprofile_Click();
    EXPECT_EQ(UiScript::lastText(), "Patient Profile Successfully Updated!");
    Recordset p = conn().query("SELECT BriefHistory, PSH1 FROM STATION..tbNurseProfile WHERE Hospnum = ? AND IDNum = ?", {hosp, id});
    EXPECT_EQ(p.text("BriefHistory"), "FOR ELECTIVE ANGIOGRAM");
    EXPECT_EQ(p.text("PSH1"), "1");
    EXPECT_EQ(count("SELECT COUNT(*) FROM PATIENT_DATA..tbPatientHistoryExam WHERE IDNum = ?", {id}), 0);
    EXPECT_FALSE(on(w->cmdSaveprofile));
    EXPECT_TRUE(w->txtBriefHistory->isReadOnly());
}

TEST_F(WorkspaceProfile, InPatientSaveUpdatesTheHistoryRowTrimmed)
{
    const QString id = admission(1);
    frmFinal* w = open(id);
    w->LoadPatientProfile();
    w->cmdUpdate_Click();
    EXPECT_FALSE(w->txtChiefComplaints->isReadOnly());
    w->txtChiefComplaints->setText("  CHEST HEAVINESS  ");
    w->txtBriefHistory->setPlainText(" KNOWN HYPERTENSIVE \n");
    w->txtOtherPE->setPlainText("S3 GALLOP ");
    validateAs("CL001", "CATH1");
    w->cmdSaveprofile_Click();
    EXPECT_EQ(conn().query("SELECT ChiefComplaint FROM PATIENT_DATA..tbPatientHistory WHERE IDNum = ?", {id}).text("ChiefComplaint"),
              "CHEST HEAVINESS");
    EXPECT_EQ(historyExam(id, "BriefHistory"), "KNOWN HYPERTENSIVE");
    EXPECT_EQ(historyExam(id, "PhysicalExamination"), "S3 GALLOP");
    // The nursing profile takes the texts as they stand.
    EXPECT_EQ(conn().query("SELECT BriefHistory FROM STATION..tbNurseProfile WHERE IDNum = ?", {id}).text("BriefHistory"),
              " KNOWN HYPERTENSIVE \n");
}

TEST_F(WorkspaceProfile, RefusedValidationWritesNothing)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    w->LoadPatientProfile();
    w->cmdUpdate_Click();
    w->chkAllergy[2]->setChecked(true);
    UiScript::queueDialog("frmTransaction_UserValidation", [](QDialog* d) { d->reject(); });
    UiScript::queueAnswer(vbYes); // ask again
    UiScript::queueDialog("frmTransaction_UserValidation", [](QDialog* d) { d->reject(); });
    UiScript::queueAnswer(vbNo);
    w->cmdSaveprofile_Click();
    EXPECT_EQ(UiScript::dialogsRun().count("frmTransaction_UserValidation"), 2);
    const ShownMessage& m = UiScript::shown().last();
    EXPECT_EQ(m.text, "Unable to continue this transaction! \r\nAre you sure you want to update the Patient Profile?");
    EXPECT_EQ(m.title, "Message");
    EXPECT_EQ(m.style, vbYesNo | vbInformation);
    EXPECT_EQ(count("SELECT COUNT(*) FROM PATIENT_DATA..tbMasterAllergies"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..tbNurseProfile"), 0);
    EXPECT_TRUE(on(w->cmdSaveprofile));
}

TEST_F(WorkspaceProfile, AFailureAfterTheProceduresLeavesSaveDisabledAndNothingWritten)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    w->LoadPatientProfile();
    w->cmdUpdate_Click();
    w->chkAllergy[0]->setChecked(true);
    TableOutOfReach away(conn(), "PATIENT_DATA..tbPatientHistoryExam");
    validateAs("CL001", "CATH1");
    w->cmdSaveprofile_Click();
    const ShownMessage& m = UiScript::shown().last();
    EXPECT_TRUE(m.text.startsWith("Error While Saving Patient Profile  ")) << m.text.toStdString();
    EXPECT_EQ(m.style, vbOKOnly);
    EXPECT_EQ(m.title, QCoreApplication::applicationName());
    EXPECT_FALSE(conn().inTransaction());
    EXPECT_EQ(count("SELECT COUNT(*) FROM PATIENT_DATA..tbMasterAllergies"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..tbNurseProfile"), 0);
    EXPECT_FALSE(on(w->cmdSaveprofile));
    EXPECT_FALSE(w->txtSkin->isReadOnly()); // what the user typed stays open
}

TEST_F(WorkspaceProfile, RefreshAfterEditDiscardsTypingButStaysOpen)
{
    frmFinal* w = open(admission(0));
    w->LoadPatientProfile();
    w->cmdUpdate_Click();
    w->txtSkin->setPlainText("TYPED");
    w->chkFH[2]->setChecked(true);
    w->LoadPatientProfile(); // what "Refresh" runs
    EXPECT_TRUE(w->txtSkin->toPlainText().isEmpty());
    EXPECT_FALSE(w->chkFH[2]->isChecked());
    EXPECT_FALSE(w->txtSkin->isReadOnly());
    EXPECT_TRUE(on(w->cmdSaveprofile));
}

TEST_F(WorkspaceProfile, EnterInLymphNodesMovesOnOtherBoxesTakeIt)
{
    frmFinal* w = open(admission(0));
    w->show();
    w->tabSSTab1->setTabEnabled(5, true);
    w->tabSSTab1->setCurrentIndex(5);
    w->tabPatientProfile->setCurrentIndex(1);
    QApplication::setActiveWindow(w);
    w->txtLympNodes->setFocus();
    QTest::keyClicks(w->txtLympNodes, "NONE");
    QTest::keyClick(w->txtLympNodes, Qt::Key_Return);
    EXPECT_EQ(w->txtLympNodes->toPlainText(), "NONE");
    EXPECT_NE(QApplication::focusWidget(), w->txtLympNodes);
    QTest::keyClicks(w->txtGenitalia, "A");
    QTest::keyClick(w->txtGenitalia, Qt::Key_Return);
    QTest::keyClicks(w->txtGenitalia, "B");
    EXPECT_EQ(w->txtGenitalia->toPlainText(), "A\nB");
}

TEST_F(WorkspaceProfile, ExitLeavesUnlessTheNameStartsWithABlank)
{
    frmFinal* w = open(admission(0));
    w->txtPatient->setText(" DELA CRUZ ,JUAN");
    w->cmdEXitProfile_Click();
    EXPECT_TRUE(UiScript::texts().filter("Do you want to exit?").isEmpty());
    w->txtPatient->clear();
    UiScript::queueAnswer(vbNo);
    w->cmdEXitProfile_Click();
    EXPECT_EQ(UiScript::lastText(), "Do you want to exit?");
}
