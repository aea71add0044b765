#include "WorkspaceFixture.h"
#include "support/ScriptedValidation.h"

#include "access/frmTransaction_UserValidation.h"
#include "platform/ui/FlexGrid.h"
#include "workspace/ChartData.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {
void validateAs(const char* user, const char* code)
{
    queueValidationAs(QString::fromLatin1(user), QString::fromLatin1(code));
}
}

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
    EXPECT_EQ(w->dtpNotes[0]->maximumDate(), ServerDate.date());
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
