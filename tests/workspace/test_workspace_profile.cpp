#include "WorkspaceFixture.h"
#include "support/ScriptedValidation.h"

#include "access/frmTransaction_UserValidation.h"
#include "workspace/ProfileData.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {
void validateAs(const char* user, const char* code)
{
    queueValidationAs(QString::fromLatin1(user), QString::fromLatin1(code));
}
}

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

class WorkspaceProfile : public WorkspaceTest {};

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
    EXPECT_EQ(p.text("UserID"), CurrentUser->EmployeeCode());
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
    conn().execute("DROP TABLE STATION..tbNurseProfile");
    validateAs("CL001", "CATH1");
    w->cmdSaveprofile_Click();
    EXPECT_TRUE(UiScript::lastText().startsWith("Error While Saving Patient Profile  "));
    EXPECT_FALSE(conn().inTransaction());
    EXPECT_EQ(count("SELECT COUNT(*) FROM PATIENT_DATA..tbMasterAllergies"), 0);
}
