// The receivable patient search (keys, colours, refusals) and what a pick does to the window: the
// header of an in-patient and of an out-patient, a new pick starting clean, a refusal leaving no
// patient behind, and closing the window pointing the patient search back at the workspace's patient.
#include "receivables/ReceivableTest.h"

#include "platform/ui/FlexGrid.h"
#include "receivables/ReceivableEntryRow.h"

#include <QApplication>
#include <QFocusEvent>
#include <QRadioButton>

using Col = ReceivableEntryRow::Column;

namespace {

class ReceivableSearchTest : public ReceivableTest {
protected:
    frmSearchRecievable* search() { return frmSearchRecievable::instance(); }
    QStringList listedIDs()
    {
        QStringList ids;
        for (int r = 1; r < search()->MSHFlexList->Rows(); ++r) ids << search()->MSHFlexList->TextMatrix(r, 2);
        return ids;
    }
    QColor colour(int row) { return search()->MSHFlexList->item(row, 3)->foreground().color(); }
};

TEST_F(ReceivableSearchTest, KeysListDischargedPatientsWithTheirColours)
{
    frmSearchRecievable* s = search();
    s->show();
    // the name box drops digits and the apostrophe and takes upper case
    s->txtSearch[0]->setFocus();
    QTest::keyClicks(s->txtSearch[0], QStringLiteral("del'1a"));
    EXPECT_EQ(s->txtSearch[0]->text(), "DELA");
    EXPECT_TRUE(s->Command1->isEnabled());
    s->Command1->click();
    EXPECT_EQ(listedIDs(), QStringList({"RX001", "RX002"})); // newest discharge first; DELMAR is not DELA
    for (int r = 1; r <= 2; ++r) {
        const QString id = s->MSHFlexList->TextMatrix(r, 2);
        SCOPED_TRACE(id.toStdString());
        // billed: blue; unbilled under cash basis: red
        EXPECT_EQ(colour(r), id == "RX001" ? frmSearchRecievable::BilledColour() : frmSearchRecievable::CashBasisColour());
    }
    EXPECT_EQ(s->MSHFlexList->TextMatrix(1, 3), "DELAROSA   ,JUAN   PONCE ");
    // another box taking the focus empties the name; the other keys keep digits
    QFocusEvent focusIn(QEvent::FocusIn);
    QApplication::sendEvent(s->txtSearch[1], &focusIn);
    EXPECT_EQ(s->txtSearch[0]->text(), "");
    QTest::keyClicks(s->txtSearch[1], QStringLiteral("R9002"));
    EXPECT_EQ(s->txtSearch[1]->text(), "R9002");
    s->optPatientType[1]->click(); // a switch empties and disables the list
    EXPECT_FALSE(s->MSHFlexList->isEnabled());
    s->Command1->click();
    EXPECT_EQ(listedIDs(), QStringList({"RX004B"}));
    // nothing found: the list stays disabled
    s->txtSearch[1]->setText(QStringLiteral("NOBODY"));
    s->Command1->click();
    EXPECT_FALSE(s->MSHFlexList->isEnabled());
}

TEST_F(ReceivableSearchTest, PickRefusalsLeaveNothingPicked)
{
    open();
    const struct {
        const char *idNum, *message, *title;
        bool picked;
    } cases[] = {
        {"RX003", "Record indicates that the Patient's Account was already been invoiced ! \r\n Please contact Accounts Receivable "
                  "Section......",
         "Message", false},
        {"RX001", "", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.idNum);
        UiScript::reset();
        pickThroughSearch(QString::fromLatin1(c.idNum));
        EXPECT_EQ(UiScript::lastText(), c.message);
        if (*c.message) EXPECT_EQ(UiScript::shown().last().title, c.title);
        EXPECT_EQ(Receivable.picked(), c.picked);
        EXPECT_EQ(w()->txtID->text(), c.picked ? c.idNum : "");
        EXPECT_EQ(w()->Command1[0]->isEnabled(), c.picked);
    }
    EXPECT_EQ(Receivable.ReceivableCompany, "PERSONAL"); // no account number of its own
    // a stay the patient search cannot find: "No Records Found!" (the program's title), nothing picked
    UiScript::reset();
    UiScript::queueDialog(QStringLiteral("frmSearchRecievable"), [](QDialog* d) {
        auto* s = static_cast<frmSearchRecievable*>(d);
        s->optPatientType[0]->click();
        s->txtSearch[2]->setText(QStringLiteral("RX001"));
        s->Command1->click();
        s->MSHFlexList->setTextMatrix(1, 2, QStringLiteral("RX004B")); // billed, but no in-patient stay
        s->MSHFlexList->setCurrentCell(1, 1);
        s->PickReceivablePatient();
    });
    w()->Command1[3]->click();
    EXPECT_EQ(UiScript::lastText(), "No Records Found!");
    EXPECT_FALSE(Receivable.picked());
    EXPECT_FALSE(w()->Command1[0]->isEnabled());
}

TEST_F(ReceivableSearchTest, HeaderOfInAndOutPatients)
{
    open();
    pickThroughSearch(QStringLiteral("RX001"));
    EXPECT_EQ(w()->txtPatient->text(), "DELAROSA ,JUAN PONCE");
    EXPECT_EQ(w()->txtPno->text(), "R9001");
    EXPECT_EQ(w()->txtRoom->text(), "205");
    EXPECT_EQ(w()->txtSex->text(), "M");
    EXPECT_FALSE(w()->txtDateDischarged->text().isEmpty());
    // a typed row, then another patient: the new pick starts clean
    w()->txtAdiet->setText(QStringLiteral("SOFT DIET"));
    enter(QStringLiteral("HS"));
    enter(QStringLiteral("TST01"));
    ASSERT_EQ(cell(1, Col::ItemCode), "TST01");
    pickThroughSearch(QStringLiteral("RX004B"), true);
    EXPECT_EQ(w()->txtID->text(), "RX004B");
    EXPECT_EQ(w()->txtPatient->text(), "DELACRUZ ,ANA REYES");
    EXPECT_EQ(w()->txtRoom->text(), "ER/OPD");
    EXPECT_EQ(w()->txtBloodType->text(), "");
    EXPECT_EQ(w()->txtDiagnosis->text(), "");
    EXPECT_EQ(w()->txtAdiet->text(), "");
    EXPECT_EQ(cell(1, Col::ItemCode), "");
    EXPECT_EQ(grid()->Rows(), 2);
    EXPECT_EQ(Selection.SelectedRoomClass, "A");
    EXPECT_TRUE(w()->Command1[0]->isEnabled());
    // an invoiced pick after a valid one leaves no header and no Save
    pickThroughSearch(QStringLiteral("RX003"));
    EXPECT_EQ(w()->txtID->text(), "");
    EXPECT_EQ(w()->txtPatient->text(), "");
    EXPECT_FALSE(w()->Command1[0]->isEnabled());
    EXPECT_TRUE(w()->txtMessage->isVisible());
}

TEST_F(ReceivableSearchTest, ClosingPointsThePatientSearchBackAtTheWorkspacesPatient)
{
    Selection.SelectedIDNum = QStringLiteral("RX003");
    Selection.SelectedHospNum = QStringLiteral("R9003");
    open();
    pickThroughSearch(QStringLiteral("RX001"));
    EXPECT_EQ(Session.PatientSearch->Admission()->IDNumber, "RX001");
    w()->close();
    EXPECT_EQ(Session.PatientSearch->Admission()->IDNumber, "RX003");
    EXPECT_FALSE(frmSearchRecievable::isLoaded());
}

} // namespace
