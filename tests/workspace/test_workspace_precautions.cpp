#include "WorkspaceFixture.h"
#include "support/TableOutOfReach.h"

#include "support/ScriptedValidation.h"
#include "workspace/frmPrecautions.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

class WorkspacePrecautions : public WorkspaceTest {
protected:
    QString stored(const QString& id)
    {
        const QString table = id.endsWith(QLatin1Char('B')) ? QStringLiteral("PATIENT_DATA..tbOutPatientHistory")
                                                            : QStringLiteral("PATIENT_DATA..tbPatientHistory");
        return conn().query(QStringLiteral("SELECT Precautions FROM %1 WHERE IDNum = ?").arg(table), {id}).text(QStringLiteral("Precautions"));
    }
    int logLines(const QString& id, const QString& remarks, const QString& user = QStringLiteral("CL002"))
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Idnum = ? AND Remarks = ? AND UserID = ? "
                                    "AND StationID = 'CL'"),
                     {id, remarks, user});
    }
    // Opens the precautions window, edits the text and presses "Save".
    static void editAndSave(frmPrecautions* d, const QString& text)
    {
        d->cmdBtn[1]->click();
        d->txtPrecautions->setPlainText(text);
        d->cmdBtn[1]->click();
    }
};

TEST_F(WorkspacePrecautions, CheckBlinksOnlyWhileTextIsRecorded)
{
    const QString id = admission(0); // "ALLERGIC TO IODINE CONTRAST" in the demo
    frmFinal* w = open(id);
    EXPECT_FALSE(w->cmdPrecautions->isHidden());
    EXPECT_TRUE(w->tmrPrecautions->isActive());
    EXPECT_EQ(w->tmrPrecautions->interval(), 60000);
    EXPECT_TRUE(w->tmrBlinkPrecautions->isActive());
    EXPECT_EQ(w->tmrBlinkPrecautions->interval(), 50);

    struct Case { const char* text; bool blinks; };
    const Case cases[] = {{"   ", false}, {"", false}, {"FALL RISK", true}, {"\n  \n", false}, {"LINE ONE\nLINE TWO", true}};
    for (const Case& c : cases) {
        conn().execute("UPDATE PATIENT_DATA..tbPatientHistory SET Precautions = ? WHERE IDNum = ?", {QString::fromLatin1(c.text), id});
        w->tmrPrecautions_Timer();
        EXPECT_EQ(w->tmrBlinkPrecautions->isActive(), c.blinks) << c.text;
        if (!c.blinks)
            EXPECT_EQ(w->cmdPrecautions->palette().color(QPalette::Button), QPalette().color(QPalette::Button)) << c.text;
    }
}

TEST_F(WorkspacePrecautions, BlinkStepsFadeAndGoOnWhereTheyStopped)
{
    frmFinal* w = open(admission(0));
    const QRgb bgr[12] = {0xC0FFFF, 0x80FFFF, 0xFFFF, 0xC0C0, 0x8080, 0x4040, 0x4040, 0x8080, 0xC0C0, 0xFFFF, 0x80FFFF, 0xC0FFFF};
    w->BlinkStep = 0;
    for (int i = 0; i < 12; ++i) {
        w->tmrBlinkPrecautions_Timer();
        const QColor expect(int(bgr[i] & 0xFF), int((bgr[i] >> 8) & 0xFF), int((bgr[i] >> 16) & 0xFF));
        EXPECT_EQ(w->cmdPrecautions->palette().color(QPalette::Button), expect) << "step " << i;
    }
    EXPECT_EQ(w->BlinkStep, 0);
    for (int i = 0; i < 4; ++i) w->tmrBlinkPrecautions_Timer();
    // A new run after the check stopped the blink goes on from step 4.
    conn().execute("UPDATE PATIENT_DATA..tbPatientHistory SET Precautions = '' WHERE IDNum = ?", {admission(0)});
    w->tmrPrecautions_Timer();
    EXPECT_EQ(w->BlinkStep, 4);
}

TEST_F(WorkspacePrecautions, SettingOffKeepsTheButtonHiddenAndNoCheckRuns)
{
    conn().execute("UPDATE STATION..tbNursing_Settings SET ShowPrecautions = 0");
    frmFinal* w = open(admission(0));
    EXPECT_TRUE(w->cmdPrecautions->isHidden());
    EXPECT_FALSE(w->tmrPrecautions->isActive());
    EXPECT_FALSE(w->tmrBlinkPrecautions->isActive());
}

TEST_F(WorkspacePrecautions, WindowLoadsLockedAndEditUnlocks)
{
    open(admission(0));
    frmPrecautions d;
    EXPECT_EQ(d.windowTitle(), "Precautions Entry");
    EXPECT_EQ(d.txtPrecautions->toPlainText(), "ALLERGIC TO IODINE CONTRAST");
    EXPECT_TRUE(d.txtPrecautions->isReadOnly());
    EXPECT_EQ(d.cmdBtn[1]->text(), "Edit");
    EXPECT_EQ(d.cmdBtn[0]->text(), "Close");
    d.cmdBtn_Click(1);
    EXPECT_FALSE(d.txtPrecautions->isReadOnly());
    EXPECT_EQ(d.cmdBtn[1]->text(), "Save");
}

TEST_F(WorkspacePrecautions, SaveStoresTheTextAsTypedAndLogsIt)
{
    struct Case { int which; const char* text; };
    const Case cases[] = {{0, "DON'T GIVE NSAIDS\nPATIENT'S WIFE CONSENTS"}, {1, "NO LATEX"}};
    for (const Case& c : cases) {
        const QString id = c.which == 0 ? admission(0) : visit(0);
        const QString text = QString::fromLatin1(c.text);
        open(id);
        frmPrecautions d;
        queueValidationAs("CL002", "CATH2");
        editAndSave(&d, text);
        EXPECT_EQ(UiScript::shown().at(UiScript::shown().size() - 2).text,
                  "You are about to save the changes made. Do you want to continue?");
        EXPECT_EQ(UiScript::shown().at(UiScript::shown().size() - 2).title, "Confirmation");
        EXPECT_EQ(UiScript::lastText(), "Successfully updated precautions for the patient.");
        EXPECT_EQ(UiScript::shown().last().title, "Notification");
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(stored(id), text);
        EXPECT_EQ(logLines(id, "UPDATE PRECAUTIONS: " + text), 1);
        EXPECT_FALSE(conn().inTransaction());
    }
}

TEST_F(WorkspacePrecautions, NoOrRefusedValidationStaysInEditingAndWritesNothing)
{
    const QString id = admission(0);
    open(id);
    frmPrecautions d;
    UiScript::queueAnswer(vbNo);
    editAndSave(&d, "CHANGED");
    EXPECT_EQ(d.cmdBtn[1]->text(), "Save");
    EXPECT_FALSE(UiScript::dialogsRun().contains("frmTransaction_UserValidation"));

    UiScript::queueDialog("frmTransaction_UserValidation", [](QDialog* v) { v->reject(); });
    d.cmdBtn_Click(1);
    EXPECT_EQ(d.cmdBtn[1]->text(), "Save");
    EXPECT_EQ(d.txtPrecautions->toPlainText(), "CHANGED");
    EXPECT_FALSE(d.txtPrecautions->isReadOnly());
    EXPECT_EQ(stored(id), "ALLERGIC TO IODINE CONTRAST");
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Remarks LIKE 'UPDATE PRECAUTIONS:%'"), 0);

    d.cmdBtn_Click(0); // "Close" discards the text
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(stored(id), "ALLERGIC TO IODINE CONTRAST");
}

TEST_F(WorkspacePrecautions, FailedSaveShowsTheNoticeAndLeavesNothingOpen)
{
    open(admission(0));
    frmPrecautions d;
    TableOutOfReach away(conn(), "PATIENT_DATA..tbPatientHistory");
    queueValidationAs("CL002", "CATH2");
    editAndSave(&d, "FALL RISK");
    EXPECT_TRUE(UiScript::lastText().endsWith("Please notify your IT department."));
    EXPECT_EQ(UiScript::shown().last().title, "Notification");
    EXPECT_EQ(d.cmdBtn[1]->text(), "Save");
    EXPECT_NE(d.result(), QDialog::Accepted);
    EXPECT_FALSE(conn().inTransaction());
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Remarks LIKE 'UPDATE PRECAUTIONS:%'"), 0);
}

TEST_F(WorkspacePrecautions, EmptiedTextStopsTheBlinkWhenTheWindowCloses)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    ASSERT_TRUE(w->tmrBlinkPrecautions->isActive());
    UiScript::queueDialog("frmPrecautions", [](QDialog* dlg) {
        queueValidationAs("CL002", "CATH2");
        editAndSave(static_cast<frmPrecautions*>(dlg), "");
    });
    w->cmdPrecautions->click();
    EXPECT_EQ(UiScript::lastText(), "Successfully updated precautions for the patient.");
    EXPECT_EQ(stored(id), "");
    EXPECT_FALSE(w->tmrBlinkPrecautions->isActive());
}

TEST_F(WorkspacePrecautions, WithoutAHistoryRowNothingIsSavedAndTheUserIsTold)
{
    for (const QString& id : {admission(0), visit(0)}) {
        const QString table = id.endsWith('B') ? "PATIENT_DATA..tbOutPatientHistory" : "PATIENT_DATA..tbPatientHistory";
        conn().execute("DELETE FROM " + table + " WHERE IDNum = ?", {id});
        open(id);
        frmPrecautions d;
        queueValidationAs("CL002", "CATH2");
        editAndSave(&d, "FALL RISK");
        EXPECT_EQ(UiScript::lastText(), "The patient's history record was not found. The precautions were not saved.");
        EXPECT_EQ(UiScript::shown().last().title, "Notification");
        EXPECT_FALSE(UiScript::texts().contains("Successfully updated precautions for the patient."));
        EXPECT_EQ(count("SELECT COUNT(*) FROM " + table + " WHERE IDNum = ?", {id}), 0);
        EXPECT_EQ(logLines(id, "UPDATE PRECAUTIONS: FALL RISK"), 0); // no audit line for a change that never happened
        // the window stays in editing with the text as typed
        EXPECT_NE(d.result(), QDialog::Accepted);
        EXPECT_EQ(d.cmdBtn[1]->text(), "Save");
        EXPECT_EQ(d.txtPrecautions->toPlainText(), "FALL RISK");
        EXPECT_FALSE(conn().inTransaction());
        UiScript::reset();
    }
}

TEST_F(WorkspacePrecautions, ARefusedLogLineKeepsTheSaveAndGoesToTheErrorLog)
{
    const QString id = admission(0);
    open(id);
    frmPrecautions d;
    {
        TableOutOfReach away(conn(), "STATION..tbStationLogs");
        queueValidationAs("CL002", "CATH2");
        editAndSave(&d, "FALL RISK");
    }
    EXPECT_EQ(UiScript::lastText(), "Successfully updated precautions for the patient.");
    EXPECT_EQ(stored(id), "FALL RISK");
    EXPECT_EQ(logLines(id, "UPDATE PRECAUTIONS: FALL RISK"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..tbNurseErrLog WHERE ErrSource = 'WriteStationLog' AND UserID = 'CL002' "
                    "AND ErrMessage LIKE ?",
                    {"%" + id + " (UPDATE PRECAUTIONS: FALL RISK)%"}),
              1);
}
