// The coronary angiogram result entry driven as the department uses it: loading a new, a saved
// and a verified result; saving, verifying, printing and deleting under the validated user's
// right; the measurements, RVS codes and staff look-ups of the window.
#include "support/ProcedureReportFixture.h"

#include "procedure_report/FormattingToolbar.h"
#include "procedure_report/frmAngiogram.h"
#include "procedure_report/frmStaff.h"

#include "platform/report/ReportLog.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "support/ScriptedValidation.h"
#include "support/TableOutOfReach.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QTimeEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>

namespace {

class AngiogramEntry : public ProcedureReportTest {
protected:
    // Opens the entry for a request as the result inquiry does.
    frmAngiogram* open(const QString& request)
    {
        const Recordset rs = conn().query(QStringLiteral("SELECT M.IDNum, P.HospNum, M.ItemID, M.RefNum FROM CLINICAL_AREA..tbCathLabMaster M "
                                                         "JOIN PATIENT_DATA..tbPatient P ON P.IDNum = M.IDNum WHERE M.RequestNum = ?"),
                                          {request});
        EXPECT_FALSE(rs.isEmpty()) << request.toStdString();
        auto* w = frmAngiogram::instance();
        w->setSetRequestNo(request);
        w->setSetIDNum(rs.text(QStringLiteral("IDNum")));
        w->setSetHospNum(rs.text(QStringLiteral("HospNum")));
        w->setSetExamID(rs.text(QStringLiteral("ItemID")));
        w->setSetRefNo(rs.text(QStringLiteral("RefNum")));
        w->setSetPName(QStringLiteral("SANTOS, JUAN"));
        w->setSetProcedure(QStringLiteral("LEFT HEART CATHETERIZATION"));
        w->setSetAge(QStringLiteral("61"));
        w->setSetSex(QStringLiteral("M"));
        w->show();
        return w;
    }
    static void retype(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }
    QString status(const QString& request)
    {
        return text(QStringLiteral("SELECT RequestStatus FROM CLINICAL_AREA..tbCathLabMaster WHERE RequestNum = ?"), {request});
    }
    int results(const QString& request)
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..tbCL_Angiogram WHERE RequestNum = ?"), {request});
    }
};

TEST_F(AngiogramEntry, ANewRequestOpensWithItsExamTemplateAndThePatientsMeasurements)
{
    auto* w = open(QStringLiteral("CL0000052"));   // 182 cm, 81 kg on file
    EXPECT_TRUE(w->txtInterpretation->toPlainText().contains(QStringLiteral("CORONARY ANGIOGRAPHY")));
    EXPECT_TRUE(w->cmdDelete->isHidden());
    EXPECT_FALSE(w->cmdPrintSave->isEnabled());
    EXPECT_EQ(w->txtHtFt->text(), QStringLiteral("6"));
    EXPECT_EQ(w->txtHtIn->text(), QStringLiteral("0"));
    EXPECT_EQ(w->txtWeight->text(), QStringLiteral("81"));
    EXPECT_EQ(w->txtBSA->text(), QStringLiteral("2.02"));
    QStringList rooms;
    for (int i = 0; i < w->cboCathlabRoom->count(); ++i) rooms << w->cboCathlabRoom->itemText(i);
    EXPECT_EQ(rooms, (QStringList{QStringLiteral("CATHLAB 1"), QStringLiteral("CATHLAB 2"), QStringLiteral("HYBRID OR")}));
    EXPECT_EQ(w->dtpDatePerformed->maximumDate(), conn().serverDateTime().date());
    EXPECT_TRUE(w->pctMoreRVS->isHidden());
    EXPECT_EQ(w->cmdMoreRVS->text(), QStringLiteral("+"));
}

TEST_F(AngiogramEntry, SavedAndVerifiedResultsOpenWithTheirButtons)
{
    auto* verified = open(QStringLiteral("CL0000051"));
    EXPECT_FALSE(verified->cmdDelete->isHidden());
    EXPECT_TRUE(verified->cmdPrintSave->isEnabled());
    EXPECT_TRUE(verified->txtInterpretation->toPlainText().contains(QStringLiteral("70% proximal stenosis")));
    EXPECT_EQ(verified->txtInterventionist->text(), QStringLiteral("VILLAREAL, ANTONIO"));
    EXPECT_EQ(verified->cboCathlabRoom->currentText(), QStringLiteral("CATHLAB 1"));
    EXPECT_EQ(verified->dtpTimeStart->time(), QTime(9, 15));
    EXPECT_TRUE(verified->txtRVSDesc->text().startsWith(QStringLiteral("LEFT HEART CATHETERIZATION")));
    closeAll();
    auto* draft = open(QStringLiteral("CL0000055"));
    EXPECT_FALSE(draft->cmdDelete->isHidden());
    EXPECT_FALSE(draft->cmdPrintSave->isEnabled());
}

TEST_F(AngiogramEntry, AResultWrittenByAnotherProgramShowsWithItsFormatting)
{
    const char* foreign =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}"
        "{\\f1\\fnil\\fcharset2 Symbol;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
        "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
        "\\pard\\sa200\\sl276\\slmult1\\qc\\cf1\\b\\f0\\fs28 Caf\\'e9 RESULT\\cf0\\b0\\fs22\\par\r\n"
        "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-360\\li720 \\i first\\i0\\par\r\n"
        "{\\pntext\\f1\\'B7\\tab}\\strike second\\strike0\\par\r\n"
        "\\pard\\qr\\ul right\\ulnone\\par\r\n}\r\n";
    conn().execute(QStringLiteral("UPDATE CLINICAL_AREA..tbCL_Angiogram SET ResultRTF = ? WHERE RequestNum = 'CL0000055'"),
                   {QString::fromLatin1(foreign)});
    auto* w = open(QStringLiteral("CL0000055"));
    const QTextDocument* doc = w->txtInterpretation->document();
    EXPECT_EQ(w->txtInterpretation->toPlainText(), QString::fromUtf8("Caf\xC3\xA9 RESULT\nfirst\nsecond\nright"));
    auto formatAt = [&](const QString& word) {
        QTextCursor c(const_cast<QTextDocument*>(doc));
        c.setPosition(doc->find(word).selectionStart() + 1);
        return c;
    };
    const QTextCursor title = formatAt(QStringLiteral("RESULT"));
    EXPECT_TRUE(title.charFormat().fontWeight() > QFont::Medium);
    EXPECT_EQ(title.charFormat().foreground().color(), QColor(255, 0, 0));
    EXPECT_DOUBLE_EQ(title.charFormat().fontPointSize(), 14);
    EXPECT_TRUE(title.blockFormat().alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(formatAt(QStringLiteral("first")).charFormat().fontItalic());
    ASSERT_NE(formatAt(QStringLiteral("first")).block().textList(), nullptr);
    EXPECT_NE(formatAt(QStringLiteral("second")).block().textList(), nullptr);
    EXPECT_TRUE(formatAt(QStringLiteral("second")).charFormat().fontStrikeOut());
    EXPECT_TRUE(formatAt(QStringLiteral("right")).charFormat().fontUnderline());
    EXPECT_TRUE(formatAt(QStringLiteral("right")).blockFormat().alignment() & Qt::AlignRight);
}

TEST_F(AngiogramEntry, SaveWritesTheResultTheGenericRowAndTheMeasuredHeightAsTheValidatedUser)
{
    auto* w = open(QStringLiteral("CL0000052"));
    retype(w->txtHtFt, QStringLiteral("5"));
    retype(w->txtHtIn, QStringLiteral("7"));
    retype(w->txtWeight, QStringLiteral("7a0"));   // letters never reach the box
    EXPECT_EQ(w->txtWeight->text(), QStringLiteral("70"));
    EXPECT_EQ(w->txtBSA->text(), QStringLiteral("1.82"));
    w->txtInterpretation->setPlainText(QStringLiteral("Patient's LAD: 70% stenosis"));
    w->txtInterpretation->selectAll();
    w->tbrFormatting->button(QStringLiteral("Underline"))->trigger();
    w->txtCaseNo->setText(QStringLiteral("C-2026-17"));
    queueValidationAs(QStringLiteral("CL002"), QStringLiteral("CATH2"));
    w->cmdSave->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Result successfully saved."));
    EXPECT_EQ(UiScript::shown().last().title, QStringLiteral("Notification"));

    const Recordset r = conn().query(QStringLiteral("SELECT * FROM CLINICAL_AREA..tbCL_Angiogram WHERE RequestNum = 'CL0000052'"));
    ASSERT_EQ(r.recordCount(), 1);
    EXPECT_EQ(r.text(QStringLiteral("Height")), QStringLiteral("170"));
    EXPECT_EQ(r.text(QStringLiteral("Weight")), QStringLiteral("70"));
    EXPECT_EQ(r.text(QStringLiteral("BSA")), QStringLiteral("1.82"));
    EXPECT_EQ(r.text(QStringLiteral("UserID")), QStringLiteral("CL002"));
    EXPECT_EQ(r.text(QStringLiteral("CaseNo")), QStringLiteral("C-2026-17"));
    const QString stored = r.text(QStringLiteral("ResultRTF"));
    EXPECT_TRUE(stored.startsWith(QStringLiteral("{\\rtf1")));
    EXPECT_TRUE(stored.contains(QStringLiteral("Patient's LAD"))) << stored.toStdString();
    EXPECT_FALSE(stored.contains(QStringLiteral("\\ulnone")));
    EXPECT_EQ(status(QStringLiteral("CL0000052")), QStringLiteral("D"));
    EXPECT_EQ(text(QStringLiteral("SELECT FormatCode FROM CLINICAL_AREA..tbGenericResults WHERE ResultID = 'CL0000052'")),
              QStringLiteral("A"));
    EXPECT_EQ(text(QStringLiteral("SELECT UserID FROM CLINICAL_AREA..tbGenericResults WHERE ResultID = 'CL0000052'")),
              QStringLiteral("CL002"));
    EXPECT_EQ(text(QStringLiteral("SELECT Height FROM PATIENT_DATA..tbPatientHistory WHERE IDNum = '2026000006'")), QStringLiteral("170.18"));
    EXPECT_EQ(text(QStringLiteral("SELECT Weight FROM PATIENT_DATA..tbPatientHistory WHERE IDNum = '2026000006'")), QStringLiteral("70"));
    // The entry stays as typed; a new result shows Delete only when opened again.
    EXPECT_TRUE(w->cmdDelete->isHidden());
    EXPECT_EQ(w->txtInterpretation->toPlainText(), QStringLiteral("Patient's LAD: 70% stenosis"));

    // Read back, the text keeps its underline.
    closeAll();
    auto* again = open(QStringLiteral("CL0000052"));
    QTextCursor c(again->txtInterpretation->document());
    c.setPosition(3);
    EXPECT_TRUE(c.charFormat().fontUnderline());
    EXPECT_EQ(again->txtInterpretation->toPlainText(), QStringLiteral("Patient's LAD: 70% stenosis"));
}

TEST_F(AngiogramEntry, TheRightIsThatOfTheUserWhoValidated)
{
    struct Case { const char* signedIn; const char* validator; const char* code; bool verify; const char* refusal; };
    const Case cases[] = {
        {"CL001", "CL003", "CATH3", false, "Sorry, you are not allowed to save Cathlab results."},
        {"CL001", "CL003", "CATH3", true, "Sorry, you are not allowed to verify Cathlab results."},
        {"CL003", "CL002", "CATH2", false, nullptr},
    };
    for (const Case& c : cases) {
        signIn(QString::fromLatin1(c.signedIn));
        UiScript::reset();
        auto* w = open(QStringLiteral("CL0000054"));
        if (c.verify) UiScript::queueAnswer(vbYes);
        queueValidationAs(QString::fromLatin1(c.validator), QString::fromLatin1(c.code));
        (c.verify ? w->cmdVerify : w->cmdSave)->click();
        if (c.refusal) {
            EXPECT_EQ(UiScript::lastText().toStdString(), c.refusal);
            EXPECT_EQ(results(QStringLiteral("CL0000054")), 0);
            EXPECT_EQ(status(QStringLiteral("CL0000054")), QStringLiteral("X"));
        } else {
            EXPECT_EQ(UiScript::lastText(), QStringLiteral("Result successfully saved."));
            EXPECT_EQ(text(QStringLiteral("SELECT UserID FROM CLINICAL_AREA..tbCL_Angiogram WHERE RequestNum = 'CL0000054'")),
                      QStringLiteral("CL002"));
        }
        closeAll();
    }
}

TEST_F(AngiogramEntry, VerifyEnablesPrintAndPrintShowsTheStoredResultNotTheBoxes)
{
    auto* w = open(QStringLiteral("CL0000052"));
    retype(w->txtHtFt, QStringLiteral("5"));
    retype(w->txtHtIn, QStringLiteral("7"));
    retype(w->txtWeight, QStringLiteral("70"));
    UiScript::queueAnswer(vbNo);
    w->cmdVerify->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("You are about to verify the result. Would you like to proceed?"));
    EXPECT_EQ(results(QStringLiteral("CL0000052")), 0);

    UiScript::queueAnswer(vbYes);
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    w->cmdVerify->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Result successfully verified."));
    EXPECT_TRUE(w->cmdPrintSave->isEnabled());
    EXPECT_FALSE(w->cmdDelete->isHidden());
    EXPECT_EQ(status(QStringLiteral("CL0000052")), QStringLiteral("W"));
    EXPECT_FALSE(text(QStringLiteral("SELECT DateVerified FROM CLINICAL_AREA..tbCathLabMaster WHERE RequestNum = 'CL0000052'")).isEmpty());

    retype(w->txtWeight, QStringLiteral("99"));   // typed after the verification, not saved
    w->cmdPrintSave->click();
    ASSERT_FALSE(ReportLog::calls().isEmpty());
    const ReportCall& call = ReportLog::calls().last();
    EXPECT_EQ(call.fileName(), QStringLiteral("CathLab_Result.RPT"));
    EXPECT_TRUE(call.error.isEmpty()) << call.error.toStdString();
    ASSERT_EQ(call.params.size(), 10);
    EXPECT_EQ(call.params[0].toString(), QStringLiteral("CL0000052"));
    EXPECT_EQ(call.params[5].toString(), QStringLiteral("5ft. 7in."));
    EXPECT_EQ(call.params[6].toString(), QStringLiteral("70 kgs."));
    EXPECT_EQ(call.params[7].toString(), QStringLiteral("1.82"));
    EXPECT_EQ(call.shown, ReportShown::MedicationSheet);
    EXPECT_EQ(call.caption, QStringLiteral("Result"));
    EXPECT_TRUE(call.text.contains(QStringLiteral("CORONARY ANGIOGRAPHY")));
}

TEST_F(AngiogramEntry, AFailedSaveLeavesNothingWrittenAndTheEntryOnScreen)
{
    auto* w = open(QStringLiteral("CL0000052"));
    retype(w->txtWeight, QStringLiteral("75"));
    w->txtInterpretation->setPlainText(QStringLiteral("Typed before the failure"));
    {
        TableOutOfReach away(conn(), QStringLiteral("CLINICAL_AREA..tbGenericResults"));
        queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
        w->cmdSave->click();
    }
    EXPECT_TRUE(UiScript::lastText().endsWith(QStringLiteral("Please notify your IT department.")));
    EXPECT_EQ(results(QStringLiteral("CL0000052")), 0);
    EXPECT_EQ(status(QStringLiteral("CL0000052")), QStringLiteral("X"));
    EXPECT_EQ(text(QStringLiteral("SELECT Weight FROM PATIENT_DATA..tbPatientHistory WHERE IDNum = '2026000006'")), QStringLiteral("81"));
    EXPECT_EQ(w->txtInterpretation->toPlainText(), QStringLiteral("Typed before the failure"));
    EXPECT_EQ(w->txtWeight->text(), QStringLiteral("75"));
}

TEST_F(AngiogramEntry, MeasurementsThatAreNoPersonsAreRefusedBeforeAnythingIsAskedOrWritten)
{
    auto* w = open(QStringLiteral("CL0000052"));
    const struct {
        QLineEdit* box;
        const char* typed;
        const char* shown;    // what the box holds: no more than the longest text of its range
        const char* message;
    } cases[] = {
        {w->txtWeight, "1.2.3", "1.2.3", "Weight (kg) must be a number from 0.1 to 500."},
        {w->txtWeight, "99999999999", "999999", "Weight (kg) must be a number from 0.1 to 500."},
        {w->txtWeight, "0", "0", "Weight (kg) must be a number from 0.1 to 500."},
        {w->txtHtFt, "9", "9", "Height (ft) must be a whole number from 0 to 8."},
        {w->txtHtIn, "12", "12", "Height (in) must be a whole number from 0 to 11."},
        {w->txtHtFt, ".", ".", "Height (ft) must be a whole number from 0 to 8."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        retype(w->txtHtFt, QStringLiteral("5"));
        retype(w->txtHtIn, QStringLiteral("7"));
        retype(w->txtWeight, QStringLiteral("70"));
        retype(c.box, QString::fromLatin1(c.typed));
        EXPECT_EQ(c.box->text(), QString::fromLatin1(c.shown));
        UiScript::reset();
        w->cmdSave->click(); // no validation is queued: none may be asked
        EXPECT_EQ(UiScript::texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_EQ(results(QStringLiteral("CL0000052")), 0);
        EXPECT_EQ(text(QStringLiteral("SELECT Weight FROM PATIENT_DATA..tbPatientHistory WHERE IDNum = '2026000006'")), QStringLiteral("81"));
    }
    // the largest a person can be is saved, the same in the result and the history
    retype(w->txtHtFt, QStringLiteral("8"));
    retype(w->txtHtIn, QStringLiteral("11"));
    retype(w->txtWeight, QStringLiteral("500"));
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    w->cmdSave->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Result successfully saved."));
    EXPECT_EQ(text(QStringLiteral("SELECT Weight FROM CLINICAL_AREA..tbCL_Angiogram WHERE RequestNum = 'CL0000052'")), QStringLiteral("500"));
    EXPECT_EQ(text(QStringLiteral("SELECT Weight FROM PATIENT_DATA..tbPatientHistory WHERE IDNum = '2026000006'")), QStringLiteral("500"));
}

TEST_F(AngiogramEntry, ASaveWithNothingMeasuredKeepsTheStoredHeightAndWeight)
{
    auto* w = open(QStringLiteral("CL0000052"));
    retype(w->txtHtFt, QString());
    retype(w->txtHtIn, QString());
    retype(w->txtWeight, QString());
    EXPECT_EQ(w->txtBSA->text(), QString());
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    w->cmdSave->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Result successfully saved."));
    EXPECT_EQ(text(QStringLiteral("SELECT Height FROM PATIENT_DATA..tbPatientHistory WHERE IDNum = '2026000006'")), QStringLiteral("182"));
    EXPECT_EQ(text(QStringLiteral("SELECT Weight FROM PATIENT_DATA..tbPatientHistory WHERE IDNum = '2026000006'")), QStringLiteral("81"));
}

TEST_F(AngiogramEntry, WithoutTheGenericTableSettingNoGenericRowIsWritten)
{
    setStationParameter(QStringLiteral("CLDontSaveResultToGenericTB"), QStringLiteral("1"));
    auto* w = open(QStringLiteral("CL0000052"));
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    w->cmdSave->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Result successfully saved."));
    EXPECT_EQ(results(QStringLiteral("CL0000052")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..tbGenericResults")), 0);
}

TEST_F(AngiogramEntry, DeleteMovesTheResultToTheHistoryAndTheRequestBackToNoResult)
{
    conn().execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbGenericResults (ResultID, RevenueID, IDNum, FormatCode) "
                                  "VALUES ('CL0000051', 'CL', '2026000003', 'A')"));
    auto* w = open(QStringLiteral("CL0000051"));
    UiScript::queueAnswer(vbYes);
    queueValidationAs(QStringLiteral("CL002"), QStringLiteral("CATH2"));
    w->cmdDelete->click();
    EXPECT_TRUE(UiScript::texts().contains(QStringLiteral("Are you sure to delete this result?")));
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Result successfully deleted."));
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(results(QStringLiteral("CL0000051")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..tbCL_Angiogram_History WHERE RequestNum = 'CL0000051' "
                                   "AND Height = '170' AND CathLabRoom = 'CATHLAB 1'")),
              1);
    EXPECT_EQ(status(QStringLiteral("CL0000051")), QStringLiteral("X"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..tbCathLabMaster WHERE RequestNum = 'CL0000051' "
                                   "AND ResultDate IS NULL AND DateVerified IS NULL AND VerifiedBy IS NULL")),
              1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..tbGenericResults")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Idnum = '2026000003' "
                                   "AND Remarks = 'DELETED CATHLAB RESULT' AND UserID = 'CL002' AND StationID = 'CATHLAB'")),
              1);
}

TEST_F(AngiogramEntry, ADeleteThatFailsHalfWayLeavesTheResultWhole)
{
    auto* w = open(QStringLiteral("CL0000051"));
    {
        TableOutOfReach away(conn(), QStringLiteral("CLINICAL_AREA..tbGenericResults"));
        UiScript::queueAnswer(vbYes);
        queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
        w->cmdDelete->click();
    }
    EXPECT_TRUE(UiScript::lastText().endsWith(QStringLiteral("Please notify your IT department.")));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(results(QStringLiteral("CL0000051")), 1);
    EXPECT_EQ(status(QStringLiteral("CL0000051")), QStringLiteral("W"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..tbCL_Angiogram_History")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Remarks = 'DELETED CATHLAB RESULT'")), 0);
}

TEST_F(AngiogramEntry, ADeleteRefusedByRightOrAnswerChangesNothing)
{
    auto* w = open(QStringLiteral("CL0000051"));
    UiScript::queueAnswer(vbNo);
    w->cmdDelete->click();
    UiScript::queueAnswer(vbYes);
    queueValidationAs(QStringLiteral("CL003"), QStringLiteral("CATH3"));
    w->cmdDelete->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Sorry, you are not allowed to delete Cathlab results."));
    EXPECT_EQ(results(QStringLiteral("CL0000051")), 1);
    EXPECT_EQ(status(QStringLiteral("CL0000051")), QStringLiteral("W"));
}

TEST_F(AngiogramEntry, DoctorsComeFromTheCodeSearchAndNursesFromTheStaffPicker)
{
    auto* w = open(QStringLiteral("CL0000052"));
    w->txtInterventionistID->setFocus();
    QTest::keyClicks(w->txtInterventionistID, QStringLiteral("d001"));
    EXPECT_EQ(w->txtInterventionistID->text(), QStringLiteral("D001"));
    QTest::keyClick(w->txtInterventionistID, Qt::Key_Return);
    EXPECT_EQ(w->txtInterventionist->text(), QStringLiteral("VILLAREAL, ANTONIO"));

    QStringList listed;
    UiScript::queueDialog(QStringLiteral("frmStaff"), [&](QDialog* d) {
        auto* picker = static_cast<frmStaff*>(d);
        EXPECT_EQ(picker->lblHead->text(), QStringLiteral("SAN ISIDRO MEDICAL CENTER"));
        EXPECT_EQ(picker->lblTitle->text(), QStringLiteral("Nurse"));
        for (int r = 1; r < picker->MSHFlexGrid1->Rows(); ++r) listed << picker->MSHFlexGrid1->TextMatrix(r, 1);
        picker->MSHFlexGrid1->setCurrentCell(2, 1);
        QTest::keyClick(picker->MSHFlexGrid1, Qt::Key_Return);
    });
    w->txtCircID->setFocus();
    QTest::keyClicks(w->txtCircID, QStringLiteral("CRU"));
    QTest::keyClick(w->txtCircID, Qt::Key_Return);
    // Last names starting with CRU, and the employee whose code is CRU, by display name.
    EXPECT_EQ(listed, (QStringList{QStringLiteral("N0101"), QStringLiteral("N0102"), QStringLiteral("CRU")}));
    EXPECT_EQ(w->txtCircID->text(), QStringLiteral("N0102"));
    EXPECT_EQ(w->txtCirc->text(), QStringLiteral("CRUZADO ,LEAH "));

    // Left without a choice: both boxes of the row empty; a key in the code box empties the name.
    UiScript::queueDialog(QStringLiteral("frmStaff"), [](QDialog* d) { static_cast<frmStaff*>(d)->cmdExit->click(); });
    w->txtRadTechID->setFocus();
    QTest::keyClick(w->txtRadTechID, Qt::Key_Return);
    EXPECT_EQ(w->txtRadTechID->text(), QString());
    EXPECT_EQ(w->txtRadTech->text(), QString());
    w->txtCircID->setFocus();
    QTest::keyClick(w->txtCircID, Qt::Key_End);
    QTest::keyClick(w->txtCircID, Qt::Key_2);
    EXPECT_EQ(w->txtCirc->text(), QString());
}

TEST_F(AngiogramEntry, TheFirstRvsCodeMustBelongToTheExam)
{
    auto* w = open(QStringLiteral("CL0000052"));   // exam CL101: RVS 93452
    w->txtRVSCode->setFocus();
    QTest::keyClicks(w->txtRVSCode, QStringLiteral("93452"));
    QTest::keyClick(w->txtRVSCode, Qt::Key_Return);
    EXPECT_TRUE(w->txtRVSDesc->text().startsWith(QStringLiteral("LEFT HEART CATHETERIZATION")));
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());

    // A code of the scale that is not the exam's: refused in box 1, then the picker (left without a choice).
    w->txtRVSCode->selectAll();
    QTest::keyClicks(w->txtRVSCode, QStringLiteral("92920"));
    EXPECT_TRUE(w->txtRVSDesc->text().isEmpty());
    UiScript::queueDialog(QStringLiteral("frmPHICRVS"), [](QDialog*) {});
    QTest::keyClick(w->txtRVSCode, Qt::Key_Return);
    EXPECT_TRUE(UiScript::texts().contains(QStringLiteral("Invalid RVS code for the exam.")));
    EXPECT_EQ(UiScript::dialogsRun(), QStringList{QStringLiteral("frmPHICRVS")});
    EXPECT_EQ(w->txtRVSCode->text(), QString());
    EXPECT_EQ(w->txtRVSDesc->text(), QString());

    // The same code is accepted in box 2.
    w->cmdMoreRVS->click();
    EXPECT_EQ(w->cmdMoreRVS->text(), QStringLiteral("-"));
    w->txtRVSCode2->setFocus();
    QTest::keyClicks(w->txtRVSCode2, QStringLiteral("92920"));
    QTest::keyClick(w->txtRVSCode2, Qt::Key_Return);
    EXPECT_TRUE(w->txtRVSDesc2->text().startsWith(QStringLiteral("PERCUTANEOUS TRANSLUMINAL")));
}

} // namespace
