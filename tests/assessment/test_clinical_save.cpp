// The clinical save: every complete row under one number in one transaction, then the slip with its
// summary of remarks; a failure leaves nothing and keeps the rows; no complete row, no number.
#include "ClinicalWindowTest.h"

#include "assessment/ClinicalAssessmentData.h"
#include "platform/db/Connection.h"
#include "platform/report/ReportLog.h"
#include "support/ScriptedValidation.h"
#include "support/TableOutOfReach.h"

namespace {

using namespace ClinicalRow;

class ClinicalSaveTest : public ClinicalWindowTest {
protected:
    void SetUp() override
    {
        ClinicalWindowTest::SetUp();
        conn().execute(QStringLiteral("UPDATE PATIENT_DATA..TBHOSPITALINFO SET IsPrintChargeSlip = 1, IsShowAmount = 1"));
        conn().execute(QStringLiteral("UPDATE STATION..tbCLChargeSlip SET AssessNum = 1523 WHERE StationID = 'CL'"));
        setStationParameter(QStringLiteral("NewCSlipFormat"), QString());
        ReportLog::clear();
    }
    // A laboratory line with remarks and an x-ray line without, then the empty row.
    void enterTwoLines()
    {
        open();
        enter(QStringLiteral("LB"));
        queueRemarks(QStringLiteral("FASTING"));
        enter(QStringLiteral("CBC"));
        enter(QStringLiteral("1"));
        enter(QStringLiteral("XR"));
        queueRemarks();
        UiScript::queueAnswer(vbNo);
        enter(QStringLiteral("CXRPA"));
        enter(QStringLiteral("1"));
        ASSERT_EQ(grid()->Rows(), 4);
    }
    int lines(const QString& where)
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLAssessment WHERE IDNum = 'TX0031' AND ") + where);
    }
    int counter() { return count(QStringLiteral("SELECT AssessNum FROM STATION..tbCLChargeSlip WHERE StationID = 'CL'")); }
};

TEST_F(ClinicalSaveTest, CompleteRowsUnderOneNumberAndTheSlipNamesEachLine)
{
    enterTwoLines();
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    w()->Command1[0]->click();
    EXPECT_EQ(w()->LastAssessmentNumber, "CL1523");
    EXPECT_EQ(counter(), 1524);
    EXPECT_EQ(lines(QStringLiteral("AssessNum = 'CL1523' AND AssessType = 'CLINICAL' AND Status = 'PENDING' AND UserID = 'CL001'")), 2);
    EXPECT_EQ(lines(QStringLiteral("RevenueID = 'LB' AND Remarks = 'FASTING' AND SpecimenID = 'BLD'")), 1);
    ASSERT_EQ(ReportLog::calls().size(), 1);
    const ReportCall& slip = ReportLog::calls().first();
    EXPECT_EQ(slip.fileName().toLower(), "assessment_slip_blankform.rpt");
    EXPECT_EQ(slip.caption, "Print Assessment Slip");
    ASSERT_EQ(slip.params.size(), 17);
    EXPECT_EQ(slip.params[0].toString(), "CL1523");
    EXPECT_EQ(slip.params[3].toString(), "54 / F");
    EXPECT_EQ(slip.params[15].toString(), "ORIGINAL COPY");
    EXPECT_EQ(slip.params[16].toString(), "FOR LB: FASTING, FOR XR: ");
    EXPECT_EQ(slip.params[8], slip.params[9]);
    // the window is laid out afresh and lists the new lines
    EXPECT_EQ(grid()->Rows(), 2);
    EXPECT_EQ(cell(1, Dept), QString());
    EXPECT_FALSE(DialogAnswers.SlipNumberTaken);
    EXPECT_GE(w()->MSHFlexList->Rows(), 3);
    EXPECT_EQ(w()->MSHFlexList->TextMatrix(1, 6), "CL1523");
    EXPECT_EQ(w()->MSHFlexList->TextMatrix(1, 11), "PENDING");
}

TEST_F(ClinicalSaveTest, AFailureLeavesNothingAndTheRowsOnScreen)
{
    enterTwoLines();
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    {
        TableOutOfReach gone(conn(), QStringLiteral("STATION..tbCLAssessment"), QStringLiteral("SpecimenID"));
        w()->Command1[0]->click();
    }
    EXPECT_TRUE(UiScript::lastText().contains(QStringLiteral("Please notify your IT department."))) << UiScript::lastText().toStdString();
    EXPECT_EQ(counter(), 1523);
    EXPECT_EQ(lines(QStringLiteral("1 = 1")), 0);
    EXPECT_TRUE(ReportLog::calls().isEmpty());
    EXPECT_EQ(cell(1, ItemCode), "CBC");
    EXPECT_EQ(cell(2, ItemCode), "CXRPA");
}

TEST_F(ClinicalSaveTest, RefusalsBeforeAnythingIsWritten)
{
    open();
    w()->Command1[0]->click();
    EXPECT_EQ(UiScript::lastText(), "Can't save a blank charge! Please enter charges.");
    EXPECT_EQ(UiScript::shown().last().title, "Notification");
    // a row without its item is no line: no number, no slip
    enter(QStringLiteral("HS"));
    UiScript::reset();
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    w()->Command1[0]->click();
    EXPECT_EQ(counter(), 1523);
    EXPECT_TRUE(ReportLog::calls().isEmpty());
    // a refused validation answered No saves nothing
    enterTwoLines();
    UiScript::reset();
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("WRONG"));
    UiScript::queueAnswer(vbOK);
    UiScript::queueAnswer(vbNo);
    w()->Command1[0]->click();
    EXPECT_EQ(UiScript::lastText(), "You have entered invalid user information. Entered charges were not saved! \r\n"
                                    "Are you sure you want to save these charges?");
    EXPECT_EQ(counter(), 1523);
    EXPECT_EQ(lines(QStringLiteral("1 = 1")), 0);
}

} // namespace

namespace {

TEST_F(ClinicalSaveTest, ThePostedLineIsRevokedFromTheListAndThenCannotBeReprinted)
{
    open();
    enter(QStringLiteral("HS"));
    queueRemarks();
    enter(QStringLiteral("TST01"));
    enter(QStringLiteral("1"));
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    w()->Command1[0]->click();
    ASSERT_EQ(w()->MSHFlexList->Rows(), 2);
    EXPECT_FALSE(w()->cmdOption[1]->isEnabled());
    w()->MSHFlexList->setCurrentCell(1, 2);
    w()->MSHFlexList_Click();
    ASSERT_TRUE(w()->cmdOption[1]->isEnabled());
    EXPECT_TRUE(w()->cmdOption[0]->isEnabled()); // slips are printed here
    UiScript::reset();
    UiScript::queueAnswer(vbYes); // "Are you sure you want to revoke ...?"
    UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [](QDialog* d) {
        auto* v = static_cast<frmTransaction_UserValidation*>(d);
        EXPECT_EQ(v->PostOrCancel, 1);
        QTest::keyClicks(v->txtUserID, "CL001");
        QTest::keyClicks(v->txtAccessCode, "CATH1");
        v->txtRemarks->setPlainText(QStringLiteral("WRONG PATIENT"));
        v->cmdOK->click();
    });
    w()->cmdOption[1]->click();
    EXPECT_EQ(lines(QStringLiteral("AssessNum = 'CL1523' AND Status = 'REVOKED'")), 1);
    EXPECT_FALSE(w()->cmdOption[1]->isEnabled());
    EXPECT_EQ(w()->MSHFlexList->TextMatrix(1, 11), "REVOKED");
    UiScript::reset();
    w()->MSHFlexList->setCurrentCell(1, 2);
    w()->cmdOption[0]->click();
    EXPECT_EQ(UiScript::lastText(), "Can't reprint this asssessment! It is already been REVOKED.");
    EXPECT_EQ(ReportLog::calls().size(), 1); // the first print only
}

} // namespace
