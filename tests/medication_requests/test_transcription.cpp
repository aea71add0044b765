// The pharmacy transcription notes: the entry by keys, the numbering of a save under one
// transcription number taken inside the save, and the status list with its revocation.
#include "RequestsFixture.h"

#include "medication_requests/MedicationRequestData.h"
#include "medication_requests/frmTranscription.h"
#include "medication_requests/frmTranscriptionStatus.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class TranscriptionTest : public RequestsTest {
protected:
    std::unique_ptr<frmTranscription> open()
    {
        auto w = std::make_unique<frmTranscription>(patient());
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        return w;
    }
    static QStringList rowCells(frmTranscription* w, int row)
    {
        QStringList out;
        for (int c = 1; c < 9; ++c) out << w->mshflexEntry->TextMatrix(row, c);
        return out;
    }
    static void fillRows(frmTranscription* w, const QList<QStringList>& rows)
    {
        w->mshflexEntry->setRows(int(rows.size()) + 1);
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < rows[r].size(); ++c) w->mshflexEntry->setTextMatrix(r + 1, c + 1, rows[r][c]);
    }
    QStringList notes()
    {
        const Recordset rs = conn().query("SELECT ItemID, AssessNum FROM STATION..tbNurseTranscriptionNote WHERE IDNum = 'TX0001' "
                                          "ORDER BY NoteID");
        QStringList out;
        for (int r = 0; r < rs.recordCount(); ++r) out << rs.textAt(r, "ItemID") + "/" + rs.textAt(r, "AssessNum");
        return out;
    }
    qint64 counter() { return conn().query("SELECT AssessmentNum FROM BILLING..tbAssessmentNum").toLong("AssessmentNum"); }
};

const QList<QStringList> kTwoCompleteOneNot = {{"20103", "CLOPIDOGREL 75MG TAB", "OD", "30", "1140", "", "0", "38"},
                                               {"9001", "PARACETAMOL(ANALGESIC)", "Q6H", "4", "0", "", "1", "0"},
                                               {"20101", "PARACETAMOL 500MG TAB", "", "", "4.5", "", "0", "4.5"}};

TEST_F(TranscriptionTest, EachSaveTakesTheNextNumberForAllItsRows)
{
    conn().execute("UPDATE BILLING..tbAssessmentNum SET AssessmentNum = 57");
    auto w = open();
    EXPECT_EQ(w->txtPatient->text(), "REYES, JUAN");
    EXPECT_EQ(w->txtAccount->text(), "T9001");
    fillRows(w.get(), kTwoCompleteOneNot);
    w->cmdMedOption[0]->click();
    EXPECT_EQ(notes(), QStringList({"20103/AS57", "9001/AS57"}));
    EXPECT_EQ(counter(), 58);
    EXPECT_EQ(w->txtAssessment->text(), "AS57");
    EXPECT_EQ(UiScript::texts(), QStringList({"DATA Successfully Save!!"}));
    EXPECT_FALSE(w->isVisible());
    const Recordset first = conn().query("SELECT HospNum, PatientType, Quantity, Dosage, RevenueID, UserID, StationID, Stat, GenericFlag, "
                                         "RoomID FROM STATION..tbNurseTranscriptionNote WHERE ItemID = '20103'");
    EXPECT_EQ(first.text("PatientType"), "I");
    EXPECT_EQ(first.text("Dosage"), "OD");
    EXPECT_EQ(first.text("RevenueID"), "PH");
    EXPECT_EQ(first.text("UserID"), "CL001");
    EXPECT_EQ(first.text("Stat"), "Y");
    EXPECT_EQ(first.text("RoomID"), "205");

    UiScript::reset();
    auto again = open();
    fillRows(again.get(), {kTwoCompleteOneNot[0]});
    again->cmdMedOption[0]->click();
    EXPECT_EQ(notes().last(), "20103/AS58");
    EXPECT_EQ(counter(), 59);
}

TEST_F(TranscriptionTest, NothingCompleteTakesNoNumberAndSaysNothing)
{
    conn().execute("UPDATE BILLING..tbAssessmentNum SET AssessmentNum = 57");
    auto w = open();
    fillRows(w.get(), {kTwoCompleteOneNot[2]});
    w->cmdMedOption[0]->click();
    EXPECT_TRUE(notes().isEmpty());
    EXPECT_EQ(counter(), 57);
    EXPECT_TRUE(UiScript::texts().isEmpty());
    EXPECT_EQ(w->txtAssessment->text(), "");
}

TEST_F(TranscriptionTest, AMissingCounterRowIsAnErrorAndNothingIsWritten)
{
    conn().execute("DELETE FROM BILLING..tbAssessmentNum");
    auto w = open();
    fillRows(w.get(), kTwoCompleteOneNot);
    w->cmdMedOption[0]->click();
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_TRUE(UiScript::lastText().contains("BILLING..tbAssessmentNum")) << UiScript::lastText().toStdString();
    EXPECT_TRUE(UiScript::lastText().endsWith("Please notify your IT department."));
    EXPECT_TRUE(notes().isEmpty());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(rowCells(w.get(), 2)[0], "9001");
}

TEST_F(TranscriptionTest, KeysWalkARowAndF3TakesItBack)
{
    auto w = open();
    enter(w->txtEntry, "20103");
    EXPECT_EQ(rowCells(w.get(), 1), QStringList({"20103", "CLOPIDOGREL 75MG TAB", "", "", "38", "", "0", "38"}));
    ASSERT_EQ(w->mshflexEntry->Col(), 3); // the description is skipped from now on
    enter(w->txtEntry, "BID");
    EXPECT_EQ(w->mshflexEntry->TextMatrix(1, 4), "2");
    EXPECT_EQ(w->mshflexEntry->TextMatrix(1, 5), "76");
    ASSERT_EQ(w->mshflexEntry->Col(), 4);
    for (const auto& [typed, message] : {std::pair{"0", "Quantity should be greater than zero!"},
                                         std::pair{"1.5", "You are only allowed to enter whole number for quantity."}}) {
        UiScript::reset();
        enter(w->txtEntry, typed);
        EXPECT_EQ(UiScript::lastText(), message);
        EXPECT_EQ(w->mshflexEntry->TextMatrix(1, 4), "2");
        EXPECT_EQ(w->mshflexEntry->Col(), 4);
    }
    enter(w->txtEntry, "5");
    EXPECT_EQ(w->mshflexEntry->TextMatrix(1, 5), "190");
    enter(w->txtEntry, "with food");
    // Remarks end the row: the next row's code, on the row that completion appended.
    ASSERT_EQ(w->mshflexEntry->Rows(), 3);
    EXPECT_EQ(w->mshflexEntry->Row(), 2);
    EXPECT_EQ(w->mshflexEntry->Col(), 1);
    EXPECT_EQ(w->mshflexEntry->TextMatrix(2, 0), "2");
    // The same brand again is refused; the box is emptied.
    UiScript::reset();
    enter(w->txtEntry, "20103");
    EXPECT_EQ(UiScript::lastText(), "Can't Request the Same Medicine!");
    EXPECT_EQ(w->txtEntry->text(), "");
    // F3 from the box: row 1 is emptied, not removed.
    w->mshflexEntry->MoveTo(1, 3);
    QTest::keyClick(w->txtEntry, Qt::Key_F3);
    EXPECT_EQ(w->mshflexEntry->Rows(), 3);
    EXPECT_EQ(w->mshflexEntry->TextMatrix(1, 1), "");
    EXPECT_EQ(w->mshflexEntry->TextMatrix(1, 8), "38"); // the hidden columns keep their values
    // F3 from the grid on row 2 removes it.
    w->mshflexEntry->setCurrentCell(2, 1);
    w->mshflexEntry->setFocus();
    QTest::keyClick(w->mshflexEntry, Qt::Key_F3);
    EXPECT_EQ(w->mshflexEntry->Rows(), 2);
    EXPECT_EQ(w->RowNumberCounter, 1);
}

TEST_F(TranscriptionTest, RevokeRefusalsByStatus)
{
    struct Case {
        const char *status, *refusal;
    } cases[] = {
        {"REVOKED", "Can't Revoke this Transcription! It is already been REVOKED.."},
        {" REVOKED ", "Can't Revoke this Transcription! It is already been REVOKED.."},
        {"OR12345", "Can't Revoke this Transcription! It is already been PROCESSED BY the PHARMACY.."},
        {"OR", "Can't Revoke this Transcription! It is already been PROCESSED BY the PHARMACY.."},
        {"or12345", ""},
        {"", ""},
        {"PENDING", ""},
        {"revoked", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MedicationRequestData::TranscriptionRevokeRefusal(c.status), c.refusal) << c.status;
}

TEST_F(TranscriptionTest, StatusListRevokesAPendingNoteOnce)
{
    auto empty = std::make_unique<frmTranscriptionStatus>("TX0001");
    EXPECT_FALSE(empty->MSHFlexAssess->isEnabled());
    EXPECT_FALSE(empty->cmdOption[0]->isEnabled());

    MedicationRequestData::TranscriptionSave in{"T9001", "TX0001", "D01", "ADC", "CL", "205"};
    const QString number = MedicationRequestData::SaveTranscriptionNotes(
        conn(), in, {{"20103", "CLOPIDOGREL 75MG TAB", "OD", "30", "1140", "", "0"}, {"20101", "PARACETAMOL", "OD", "3", "13.5", "", "0"}});
    conn().execute("UPDATE STATION..tbNurseTranscriptionNote SET Status = 'OR0099' WHERE ItemID = '20101'");
    frmTranscriptionStatus w("TX0001");
    ASSERT_EQ(w.MSHFlexAssess->Rows(), 3);
    EXPECT_EQ(w.MSHFlexAssess->TextMatrix(1, 3), "20103");
    EXPECT_EQ(w.MSHFlexAssess->TextMatrix(1, 5), number);
    EXPECT_EQ(w.MSHFlexAssess->TextMatrix(1, 2), "REYES, JUAN");
    // The processed note is refused before anything is asked.
    w.MSHFlexAssess->setCurrentCell(2, 1);
    w.cmdOption[0]->click();
    EXPECT_EQ(UiScript::texts(), QStringList({"Can't Revoke this Transcription! It is already been PROCESSED BY the PHARMACY.."}));
    EXPECT_EQ(UiScript::shown().last().title, "Message");
    // The pending one: No sends nothing, Yes revokes it and the list shows it.
    w.MSHFlexAssess->setCurrentCell(1, 1);
    UiScript::reset();
    UiScript::queueAnswer(vbNo);
    w.cmdOption[0]->click();
    EXPECT_EQ(UiScript::lastText(), "Are you sure to revoke?");
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..tbNurseTranscriptionNote WHERE Status = 'REVOKED'"), 0);
    UiScript::queueAnswer(vbYes);
    w.cmdOption[0]->click();
    EXPECT_EQ(w.MSHFlexAssess->TextMatrix(1, 7), "REVOKED");
    w.MSHFlexAssess->setCurrentCell(1, 1);
    UiScript::reset();
    w.cmdOption[0]->click();
    EXPECT_EQ(UiScript::texts(), QStringList({"Can't Revoke this Transcription! It is already been REVOKED.."}));
}

} // namespace
