// The procedure schedule: a request saved, confirmed and revoked with its rows, and a row changed at
// another station meanwhile refused with a word.
#include "support/RegistrationFixture.h"
#include "support/ScriptedValidation.h"

#include "platform/db/Connection.h"
#include "platform/report/ReportLog.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "registration/frmCathlabSched.h"
#include "shared/reports/frmReport.h"
#include "shared/modGlobals.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>

namespace {

class Schedule : public RegistrationTest {
protected:
    // The row of the list that holds the request of that procedure (0: none).
    int rowOf(FlexGrid* grid, const QString& procedure)
    {
        for (int r = 1; r < grid->Rows(); ++r)
            if (grid->TextMatrix(r, 7) == procedure) return r;
        return 0;
    }
    QString statusOf(const QString& procedure)
    {
        return text(QStringLiteral("SELECT RECORDSTATUS FROM SCHEDULE..TBCLSCHEDULE WHERE ProcedureName = ?"), {procedure});
    }
};

TEST_F(Schedule, ARequestIsSavedThenConfirmedThenRevoked)
{
    frmCathlabSched dialog;
    EXPECT_TRUE(UiScript::shown().isEmpty()); // both lists load without a word
    dialog.cmdSaveReq->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Please select patient to schedule."));
    EXPECT_EQ(UiScript::shown().last().title, QStringLiteral("Required Data"));
    dialog.txtID->setText(QStringLiteral("2026900003"));
    dialog.cmdSaveReq->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Please enter procedure to schedule."));

    dialog.txtOperation1->setText(QStringLiteral("RIGHT HEART CATHETERIZATION"));
    dialog.txtRemarks->setPlainText(QStringLiteral("PATIENT'S CONSENT SIGNED"));
    const QDate day = dialog.dtpSchedule0->date().addDays(1);
    dialog.dtpSchedule0->setDate(day);
    dialog.dtpSchedule1->setTime(QTime(14, 30));
    UiScript::reset();
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    dialog.cmdSaveReq->click();
    EXPECT_EQ(UiScript::texts(), QStringList{QStringLiteral("Successfully saved schedule request.")});
    EXPECT_EQ(statusOf(QStringLiteral("RIGHT HEART CATHETERIZATION")), QStringLiteral("P"));
    EXPECT_EQ(text(QStringLiteral("SELECT IDNum || '/' || HospNum || '/' || StartTime || '/' || Remarks || '/' || RequestedBy "
                                  "FROM SCHEDULE..TBCLSCHEDULE WHERE ProcedureName = 'RIGHT HEART CATHETERIZATION'")),
              QStringLiteral("2026900003/900003/14:30:00/PATIENT'S CONSENT SIGNED/CL001"));
    EXPECT_TRUE(dialog.txtID->text().isEmpty()); // the entry is back to its defaults
    const int row = rowOf(dialog.grdPending, QStringLiteral("RIGHT HEART CATHETERIZATION"));
    ASSERT_GT(row, 0);
    EXPECT_EQ(dialog.grdPending->TextMatrix(row, 5), day.toString(QStringLiteral("MM/dd/yyyy")));
    EXPECT_EQ(dialog.grdPending->TextMatrix(row, 6), QStringLiteral("02:30:00 PM"));

    // confirm with a later time
    dialog.grdPending->setCurrentCell(row, 1);
    dialog.cmdEdit->click();
    EXPECT_TRUE(dialog.pctConfirm->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.cmdClose->isEnabled());
    dialog.dtpStartTimeConfirm->setTime(QTime(15, 0));
    UiScript::reset();
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    dialog.cmdConfirmSave->click();
    EXPECT_EQ(UiScript::texts().last(), QStringLiteral("Request successfully confirmed."));
    EXPECT_EQ(statusOf(QStringLiteral("RIGHT HEART CATHETERIZATION")), QStringLiteral("C"));
    EXPECT_EQ(text(QStringLiteral("SELECT StartTime || '/' || ConfirmedBy FROM SCHEDULE..TBCLSCHEDULE "
                                  "WHERE ProcedureName = 'RIGHT HEART CATHETERIZATION'")),
              QStringLiteral("15:00:00/CL001"));
    EXPECT_FALSE(dialog.pctConfirm->isVisibleTo(&dialog));
    EXPECT_TRUE(dialog.cmdClose->isEnabled());

    // revoke from the confirmed list, with the reason
    const int confirmed = rowOf(dialog.grdConfirmed, QStringLiteral("RIGHT HEART CATHETERIZATION"));
    ASSERT_GT(confirmed, 0);
    dialog.grdConfirmed->setCurrentCell(confirmed, 1);
    UiScript::reset();
    UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [](QDialog* d) {
        DialogAnswers.ValidatedUserID = QStringLiteral("CL001");
        DialogAnswers.CancelReason = QStringLiteral("PATIENT REFUSED");
        d->accept();
    });
    dialog.cmdRevokeConfirmed->click();
    EXPECT_EQ(UiScript::texts(), (QStringList{QStringLiteral("Are you sure you want to revoke schedule for patient CABRERA, DANILO ?"),
                                              QStringLiteral("Schedule successfully revoked.")}));
    EXPECT_EQ(text(QStringLiteral("SELECT RECORDSTATUS || '/' || RevokedBy || '/' || RevokeReason FROM SCHEDULE..TBCLSCHEDULE "
                                  "WHERE ProcedureName = 'RIGHT HEART CATHETERIZATION'")),
              QStringLiteral("R/CL001/PATIENT REFUSED"));
    EXPECT_EQ(rowOf(dialog.grdConfirmed, QStringLiteral("RIGHT HEART CATHETERIZATION")), 0);
}

// One form of start time for every row, so that the lists sort by it and read it back alike.
TEST_F(Schedule, EveryStartTimeIsKeptInTheFormTheEntrySaves)
{
    const Recordset rs = conn().query(QStringLiteral("SELECT StartTime FROM SCHEDULE..TBCLSCHEDULE"));
    ASSERT_FALSE(rs.isEmpty());
    for (int r = 0; r < rs.recordCount(); ++r) {
        const QString kept = rs.textAt(r, QStringLiteral("StartTime"));
        EXPECT_TRUE(QTime::fromString(kept, QStringLiteral("HH:mm:ss")).isValid()) << kept.toStdString();
    }
    frmCathlabSched dialog;
    const int row = rowOf(dialog.grdConfirmed, QStringLiteral("PTCA - SINGLE VESSEL"));
    ASSERT_GT(row, 0);
    EXPECT_EQ(dialog.grdConfirmed->TextMatrix(row, 6), QStringLiteral("01:30:00 PM"));
}

TEST_F(Schedule, ARowChangedAtAnotherStationIsNotTouched)
{
    frmCathlabSched dialog;
    // the demo's pending request, confirmed elsewhere after the list was read
    const QString procedure = dialog.grdPending->TextMatrix(1, 7);
    ASSERT_FALSE(procedure.isEmpty());
    conn().execute(QStringLiteral("UPDATE SCHEDULE..TBCLSCHEDULE SET RECORDSTATUS = 'C', ConfirmedBy = 'CL002' WHERE ProcedureName = ?"),
                   {procedure});
    dialog.grdPending->setCurrentCell(1, 1);
    dialog.cmdEdit->click();
    dialog.txtProcedureConfirm->setText(QStringLiteral("CHANGED HERE"));
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    dialog.cmdConfirmSave->click();
    EXPECT_EQ(UiScript::lastText(),
              QStringLiteral("This request is no longer pending: it was confirmed or revoked at another station. Nothing was saved."));
    EXPECT_EQ(text(QStringLiteral("SELECT ConfirmedBy FROM SCHEDULE..TBCLSCHEDULE WHERE ProcedureName = ?"), {procedure}),
              QStringLiteral("CL002"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..TBCLSCHEDULE WHERE ProcedureName = 'CHANGED HERE'")), 0);

    // a revoke of a request revoked meanwhile changes nothing either
    const int row = rowOf(dialog.grdConfirmed, procedure);
    ASSERT_GT(row, 0);
    conn().execute(QStringLiteral("UPDATE SCHEDULE..TBCLSCHEDULE SET RECORDSTATUS = 'R', RevokedBy = 'CL002' WHERE ProcedureName = ?"),
                   {procedure});
    dialog.grdConfirmed->setCurrentCell(row, 1);
    UiScript::reset();
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    dialog.cmdRevokeConfirmed->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("This request had already been revoked at another station. Nothing was saved."));
    EXPECT_EQ(text(QStringLiteral("SELECT RevokedBy FROM SCHEDULE..TBCLSCHEDULE WHERE ProcedureName = ?"), {procedure}),
              QStringLiteral("CL002"));
}

TEST_F(Schedule, ARefusedValidationWritesNothingAndEmptyListsAskForARow)
{
    conn().execute(QStringLiteral("DELETE FROM SCHEDULE..TBCLSCHEDULE"));
    frmCathlabSched dialog;
    dialog.cmdEdit->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Please select request to confirm."));
    dialog.cmdRevoke->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Please select request to revoke."));
    dialog.cmdPrintSchedDetails->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Please select confirmed schedule to print."));
    dialog.txtID->setText(QStringLiteral("2026900003"));
    dialog.txtOperation1->setText(QStringLiteral("PACEMAKER"));
    UiScript::reset();
    UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [](QDialog* d) { d->reject(); });
    dialog.cmdSaveReq->click();
    EXPECT_TRUE(UiScript::shown().isEmpty());
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SCHEDULE..TBCLSCHEDULE")), 0);
    EXPECT_EQ(dialog.txtOperation1->text(), QStringLiteral("PACEMAKER"));
}

TEST_F(Schedule, TheThreeReportsPrintWhatTheListsShow)
{
    frmCathlabSched dialog;
    // the demo's confirmed schedule of a patient still in the hospital
    const QString procedure = dialog.grdConfirmed->TextMatrix(1, 7);
    ASSERT_FALSE(procedure.isEmpty());
    dialog.cmdPrint->click();
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    dialog.grdConfirmed->setCurrentCell(1, 1);
    dialog.cmdPrintSchedDetails->click();
    UiScript::queueDialog(QStringLiteral("frmReport"), [](QDialog* d) { static_cast<frmReport*>(d)->cmdOption_Click(0); });
    dialog.cmdSchedLogbook->click();
    EXPECT_TRUE(UiScript::shown().isEmpty()) << UiScript::lastText().toStdString();
    ASSERT_GE(ReportLog::calls().size(), 2);
    const ReportCall& list = ReportLog::calls()[0];
    EXPECT_EQ(list.fileName(), QStringLiteral("ConfirmedCathlabScheds.rpt"));
    EXPECT_EQ(list.caption, QStringLiteral("Confirmed Cathlab Schedules"));
    EXPECT_TRUE(list.error.isEmpty()) << list.error.toStdString();
    EXPECT_TRUE(list.text.contains(procedure));
    const ReportCall& details = ReportLog::calls()[1];
    EXPECT_EQ(details.fileName(), QStringLiteral("CathlabSchedDetails.rpt"));
    EXPECT_EQ(details.params.size(), 13);
    EXPECT_EQ(details.params.value(8).toString(), procedure);
    EXPECT_TRUE(details.error.isEmpty()) << details.error.toStdString();
    for (const ReportCall& c : ReportLog::calls()) EXPECT_TRUE(c.error.isEmpty()) << c.fileName().toStdString();
}

} // namespace
