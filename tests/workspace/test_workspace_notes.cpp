#include "WorkspaceFixture.h"
#include "support/TableOutOfReach.h"
#include "support/ScriptedValidation.h"

#include "access/frmTransaction_UserValidation.h"
#include "platform/ui/FlexGrid.h"
#include "workspace/ChartData.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QLabel>

TEST(NoteShift, ByTheHourOfTheServerClock)
{
    const struct { int hour; const char* shift; } cases[] = {{5, "10PM-6AM"}, {6, "6AM-2PM"},  {14, "6AM-2PM"}, {15, "2PM-10PM"},
                                                              {22, "2PM-10PM"}, {23, "10PM-6AM"}, {0, "10PM-6AM"}};
    for (const auto& c : cases) EXPECT_EQ(ChartData::ShiftOfHour(c.hour), c.shift) << c.hour;
    EXPECT_EQ(ChartData::NoteDateTime(QDate(2026, 3, 5), QTime(14, 30)), "03/05/2026 02:30:00 PM");
}

class WorkspaceNotes : public WorkspaceTest {};

TEST_F(WorkspaceNotes, SaveRefusesAnEmptyNoteAndKeepsTextWhenValidationIsGivenUp)
{
    frmFinal* w = open(admission(0));
    w->LoadNursesNotes();
    EXPECT_EQ(w->mshflexPrevNotes->Rows(), 2);
    EXPECT_FALSE(on(w->mshflexPrevNotes));
    EXPECT_EQ(w->dtpNotes[0]->maximumDate(), Session.ServerDate.date());
    w->cmdSaveNotes_Click(0);
    EXPECT_EQ(UiScript::lastText(), "No Data to Save?");
    EXPECT_FALSE(on(w->cmdSaveNotes[0]));
    w->txtNotesEntry->setPlainText("PATIENT'S BP STABLE");
    EXPECT_TRUE(on(w->cmdSaveNotes[0]));
    UiScript::queueDialog("frmTransaction_UserValidation", [](QDialog* d) { d->reject(); });
    UiScript::queueAnswer(vbNo);
    w->cmdSaveNotes_Click(0);
    EXPECT_EQ(UiScript::lastText(), "Unable to continue this transaction! \r\nAre you sure you want to save this Nurses Notes?");
    EXPECT_EQ(w->txtNotesEntry->toPlainText(), "PATIENT'S BP STABLE");
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..tbNurseNotes"), 0);
}

TEST_F(WorkspaceNotes, SavedNoteCarriesTheValidatedNurseAndBackTicks)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    w->LoadNursesNotes();
    w->cboShift[0]->setCurrentText("2PM-10PM");
    w->txtNotesEntry->setPlainText("PATIENT'S BP STABLE");
    validateAs("CL002", "CATH2");
    w->cmdSaveNotes_Click(0);
    Recordset rs = conn().query("SELECT Notes, UserID, StationID, Dayshift FROM STATION..tbNurseNotes WHERE IDNum = ?", {id});
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text("Notes"), "PATIENT`S BP STABLE");
    EXPECT_EQ(rs.text("UserID"), "CL002");
    EXPECT_EQ(rs.text("StationID"), "CL");
    EXPECT_EQ(rs.text("Dayshift"), "2PM-10PM");
    EXPECT_TRUE(w->txtNotesEntry->toPlainText().isEmpty());
    EXPECT_EQ(w->mshflexPrevNotes->Rows(), 2);
    EXPECT_TRUE(on(w->mshflexPrevNotes));
    EXPECT_EQ(w->mshflexPrevNotes->TextMatrix(1, 4), "CL002");
}

TEST_F(WorkspaceNotes, OnlyTheAuthorEditsANote)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    ChartData::SaveNote(conn(), id, QDate::currentDate(), QTime(8, 0), "FIRST NOTE", "6AM-2PM", "CL002", "CL");
    w->LoadNursesNotes();
    w->mshflexPrevNotes->setCurrentCell(1, 1);
    w->mshflexPrevNotes_Click();
    EXPECT_EQ(w->txtPrevNotes->toPlainText(), "FIRST NOTE");
    validateAs("CL001", "CATH1");
    w->cmdSaveNotes_Click(1);
    EXPECT_TRUE(UiScript::lastText().startsWith("You are not allowed to edit this notes entered by: "));
    EXPECT_FALSE(on(w->cmdSaveNotes[1]));
    w->mshflexPrevNotes_Click();
    validateAs("CL002", "CATH2");
    w->cmdSaveNotes_Click(1);
    EXPECT_TRUE(on(w->cmdSaveNotes[2]));
    w->txtPrevNotes->setPlainText("FIRST NOTE, CORRECTED");
    w->cmdSaveNotes_Click(2);
    EXPECT_EQ(UiScript::lastText(), "Nurses notes successfully updated.");
    EXPECT_EQ(conn().query("SELECT Notes FROM STATION..tbNurseNotes").text("Notes"), "FIRST NOTE, CORRECTED");
}

namespace {
// A note of the given nurse on the patient, and the notes page loaded with that note shown.
void showFirstNote(frmFinal* w)
{
    w->LoadNursesNotes();
    w->mshflexPrevNotes->setCurrentCell(1, 1);
    w->mshflexPrevNotes_Click();
}
}

TEST_F(WorkspaceNotes, LoadingPresetsTheShiftAndLimitsTheDateToTheStay)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    w->cmdSaveNotes[1]->setEnabled(true);
    w->LoadNursesNotes();
    EXPECT_EQ(w->cboShift[0]->currentText(), ChartData::ShiftOfHour(Session.ServerDate.time().hour()));
    EXPECT_EQ(w->dtpNotes[0]->date(), Session.ServerDate.date());
    EXPECT_EQ(w->dtpNotes[0]->maximumDate(), Session.ServerDate.date());
    const QDate admitted = QDate::fromString(w->txtDateAdmitted->text().left(10), "MM/dd/yyyy");
    ASSERT_TRUE(admitted.isValid()) << w->txtDateAdmitted->text().toStdString();
    EXPECT_EQ(w->dtpNotes[0]->minimumDate(), admitted);
    w->dtpNotes[0]->setDate(admitted.addDays(-1));
    EXPECT_EQ(w->dtpNotes[0]->date(), admitted);
    w->dtpNotes[0]->setDate(Session.ServerDate.date().addDays(1));
    EXPECT_EQ(w->dtpNotes[0]->date(), Session.ServerDate.date());
    EXPECT_FALSE(on(w->cmdSaveNotes[1]));
    const char* heads[] = {"Date / Time", "Day Shift", "Entered By", "User ID"};
    for (int c = 0; c < 4; ++c) EXPECT_EQ(w->mshflexPrevNotes->TextMatrix(0, c + 1), heads[c]);
    EXPECT_EQ(w->mshflexPrevNotes->ColWidth(5), 0);
}

TEST_F(WorkspaceNotes, ABlankNoteIsSavedWithTheDateAndShiftChosen)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    w->LoadNursesNotes();
    const QDate day = w->dtpNotes[0]->minimumDate();
    w->dtpNotes[0]->setDate(day);
    w->dtpNotes[1]->setTime(QTime(23, 15, 0));
    w->cboShift[0]->setCurrentText("10PM-6AM");
    w->txtNotesEntry->setPlainText("   ");
    validateAs("CL002", "CATH2");
    w->cmdSaveNotes_Click(0);
    Recordset rs = conn().query("SELECT Transdate, Dayshift, Notes FROM STATION..tbNurseNotes WHERE IDNum = ?", {id});
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.toDateTime("Transdate"), QDateTime(day, QTime(23, 15, 0)));
    EXPECT_EQ(rs.text("Dayshift"), "10PM-6AM");
    EXPECT_EQ(rs.text("Notes"), "   ");
    EXPECT_EQ(w->dtpNotes[0]->date(), Session.ServerDate.date());
    EXPECT_FALSE(conn().inTransaction());
}

TEST_F(WorkspaceNotes, AFailedSaveIsRolledBackAndKeepsTheNote)
{
    frmFinal* w = open(admission(0));
    w->LoadNursesNotes();
    w->txtNotesEntry->setPlainText("STABLE");
    TableOutOfReach away(conn(), "STATION..tbNurseNotes");
    validateAs("CL002", "CATH2");
    w->cmdSaveNotes_Click(0);
    EXPECT_TRUE(UiScript::lastText().startsWith("Error While Saving Nurses Notes  ")) << UiScript::lastText().toStdString();
    EXPECT_FALSE(conn().inTransaction());
    EXPECT_EQ(w->txtNotesEntry->toPlainText(), "STABLE");
    EXPECT_TRUE(on(w->cmdSaveNotes[0]));
}

TEST_F(WorkspaceNotes, UpdateWritesTheEditedNoteWithBackTicksAndTheShiftShown)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    ChartData::SaveNote(conn(), id, QDate::currentDate(), QTime(8, 0), "FIRST NOTE", "6AM-2PM", "CL002", "CL");
    showFirstNote(w);
    EXPECT_EQ(w->cboShift[1]->currentText(), "6AM-2PM");
    EXPECT_FALSE(on(w->txtPrevNotes));
    validateAs("CL002", "CATH2");
    w->cmdSaveNotes_Click(1);
    ASSERT_TRUE(on(w->cmdSaveNotes[2]));
    EXPECT_TRUE(on(w->txtPrevNotes));
    EXPECT_FALSE(w->txtPrevNotes->isReadOnly());
    w->txtPrevNotes->setPlainText("PATIENT'S NOTE");
    w->cboShift[1]->setCurrentText("2PM-10PM");
    w->dtpNotes[3]->setTime(QTime(16, 45, 0));
    DialogAnswers.ValidatedUserID = "CL001"; // a later validation elsewhere does not change whose edit this is
    w->cmdSaveNotes_Click(2);
    EXPECT_EQ(UiScript::lastText(), "Nurses notes successfully updated.");
    Recordset rs = conn().query("SELECT Transdate, Dayshift, Notes FROM STATION..tbNurseNotes");
    EXPECT_EQ(rs.text("Notes"), "PATIENT`S NOTE");
    EXPECT_EQ(rs.text("Dayshift"), "2PM-10PM");
    EXPECT_EQ(rs.toDateTime("Transdate").time(), QTime(16, 45, 0));
    EXPECT_FALSE(on(w->cmdSaveNotes[1]));
    EXPECT_FALSE(on(w->cmdSaveNotes[2]));
    EXPECT_TRUE(w->txtPrevNotes->isReadOnly());
    EXPECT_EQ(w->mshflexPrevNotes->TextMatrix(1, 2), "2PM-10PM");
    EXPECT_FALSE(conn().inTransaction());
}

TEST_F(WorkspaceNotes, AFailedUpdateIsRolledBackAndShowsNoSuccess)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    ChartData::SaveNote(conn(), id, QDate::currentDate(), QTime(8, 0), "FIRST NOTE", "6AM-2PM", "CL002", "CL");
    showFirstNote(w);
    validateAs("CL002", "CATH2");
    w->cmdSaveNotes_Click(1);
    w->txtPrevNotes->setPlainText("CHANGED");
    TableOutOfReach away(conn(), "STATION..tbNurseNotes", "Notes");
    w->cmdSaveNotes_Click(2);
    EXPECT_TRUE(UiScript::lastText().startsWith("Error While Saving Nurses Notes  ")) << UiScript::lastText().toStdString();
    EXPECT_FALSE(UiScript::texts().contains("Nurses notes successfully updated."));
    EXPECT_FALSE(conn().inTransaction());
    EXPECT_EQ(w->txtPrevNotes->toPlainText(), "CHANGED");
    EXPECT_TRUE(on(w->cmdSaveNotes[2])); // still open for another try
}

TEST_F(WorkspaceNotes, AnotherPatientsPastNoteIsNotLeftOnThePage)
{
    const QString first = admission(0);
    frmFinal* w = open(first);
    ChartData::SaveNote(conn(), first, QDate::currentDate(), QTime(8, 0), "FIRST PATIENT", "6AM-2PM", "CL002", "CL");
    showFirstNote(w);
    ASSERT_EQ(w->txtPrevNotes->toPlainText(), "FIRST PATIENT");
    w->txtPno->setText(hospNumOf(admission(1)));
    w->txtID->setText(admission(1));
    w->Timer1_Timer();
    w->LoadNursesNotes();
    EXPECT_TRUE(w->txtPrevNotes->toPlainText().isEmpty());
    EXPECT_TRUE(w->lblInfo13->text().isEmpty());
    EXPECT_FALSE(on(w->mshflexPrevNotes));
}

TEST_F(WorkspaceNotes, TypingDoesNotEnableSaveForAnOutPatient)
{
    frmFinal* w = open(visit(0));
    w->LoadNursesNotes();
    w->cmdSaveNotes[0]->setEnabled(false);
    w->txtNotesEntry->setPlainText("OPD NOTE");
    EXPECT_FALSE(on(w->cmdSaveNotes[0]));
}
