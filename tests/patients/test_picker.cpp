// The patient picker: what it hands back to the window that showed it.
#include "patients/GridDriver.h"
#include "support/PatientsFixture.h"

#include "patients/frmSearchCurrent.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QLabel>

using namespace GridDriver;

namespace {
struct Picked {
    QString hosp, id, name;
};
Picked picked() { return {DialogAnswers.PickedHospNum, DialogAnswers.PickedIDNum, DialogAnswers.PickedPatientName}; }

// Shows the picker modally, as the schedule window does, and lets the handler use it.
Picked pick(const std::function<void(frmSearchCurrent*)>& use)
{
    UiScript::queueDialog(QStringLiteral("frmSearchCurrent"), [use](QDialog* d) { use(static_cast<frmSearchCurrent*>(d)); });
    runModal(frmSearchCurrent::instance());
    return picked();
}

void search(frmSearchCurrent* p, int box, const QString& text)
{
    p->txtSearch[box]->setText(text);
    p->cmdSearch->click();
}
}

class Picker : public PatientsTest {};

TEST_F(Picker, DoubleClickHandsBackTheRowAndTheName)
{
    const Picked p = pick([](frmSearchCurrent* w) {
        search(w, 1, QStringLiteral("900003"));
        doubleClickRow(w->MSHFlexList, 1);
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_EQ(p.hosp, QStringLiteral("900003"));
    EXPECT_EQ(p.id, QStringLiteral("2026900003"));
    EXPECT_EQ(p.name, QStringLiteral("CABRERA, DANILO ")); // no middle name: the blank stays
}

TEST_F(Picker, CloseButtonHandsBackNothing)
{
    const Picked p = pick([](frmSearchCurrent* w) {
        search(w, 1, QStringLiteral("900001"));
        clickRow(w->MSHFlexList, 1);
        ASSERT_EQ(DialogAnswers.PickedIDNum, QStringLiteral("2026900001"));
        QTest::mouseClick(w->cmdClose, Qt::LeftButton);
    });
    EXPECT_EQ(p.hosp, QString());
    EXPECT_EQ(p.id, QString());
    EXPECT_EQ(p.name, QString());
}

TEST_F(Picker, TheCloseBoxCancelsWhateverRowIsHighlighted)
{
    const Picked p = pick([](frmSearchCurrent* w) {
        search(w, 0, QStringLiteral("ABELLERA"));
        w->MSHFlexList->setFocus();
        QTest::keyClick(w->MSHFlexList, Qt::Key_Down); // a single row: stays on row 1
        w->MSHFlexList->setRow(1);
        w->MSHFlexList_RowColChange();
        w->reject(); // the close box
    });
    EXPECT_EQ(p.hosp, QString());
    EXPECT_EQ(p.id, QString());
    EXPECT_EQ(p.name, QString());
}

TEST_F(Picker, EmptyResultClosesWithEmptyNumbers)
{
    const Picked p = pick([](frmSearchCurrent* w) {
        search(w, 1, QStringLiteral("NOSUCH"));
        EXPECT_EQ(w->MSHFlexList->Rows(), 2);
        EXPECT_TRUE(w->MSHFlexList->isEnabled());
        w->MSHFlexList_Click();
        w->MSHFlexList_DblClick();
    });
    EXPECT_EQ(p.hosp, QString());
    EXPECT_EQ(p.id, QString());
    EXPECT_EQ(p.name, QString());
}

TEST_F(Picker, UsingThePickerEmptiesTheCurrentSelection)
{
    Selection.SelectedHospNum = QStringLiteral("900001");
    Selection.SelectedIDNum = QStringLiteral("2026900001");
    Selection.SelectedListRow = 4;
    pick([](frmSearchCurrent* w) {
        QTest::mouseClick(w->optPatientType[1], Qt::LeftButton);
        EXPECT_EQ(Selection.SelectedPatientType, QStringLiteral("O"));
        w->reject();
    });
    EXPECT_EQ(Selection.SelectedHospNum, QString());
    EXPECT_EQ(Selection.SelectedIDNum, QString());
    EXPECT_EQ(Selection.SelectedListRow, 4);
}

TEST_F(Picker, OptionsRunTheSearchWithTheTextsKeptAndEveryShowingStartsAfresh)
{
    pick([](frmSearchCurrent* w) {
        w->txtSearch[1]->setText(QStringLiteral("900009"));
        QTest::mouseClick(w->optPatientType[1], Qt::LeftButton);
        EXPECT_EQ(w->txtSearch[1]->text(), QStringLiteral("900009"));
        EXPECT_EQ(w->MSHFlexList->TextMatrix(1, 2), QStringLiteral("900104B"));
        QTest::mouseClick(w->optPatientType[0], Qt::LeftButton);
        EXPECT_EQ(w->MSHFlexList->TextMatrix(1, 2), QStringLiteral("2026900009"));
        w->reject();
    });
    pick([](frmSearchCurrent* w) {
        EXPECT_TRUE(w->optPatientType[0]->isChecked());
        EXPECT_EQ(w->txtSearch[1]->text(), QString());
        EXPECT_FALSE(w->cmdSearch->isEnabled());
        w->reject();
    });
}

TEST_F(Picker, ListLooksLikeTheGeneralList)
{
    pick([](frmSearchCurrent* w) {
        PatientGrid* g = w->MSHFlexList;
        const int cash = rowOf(g, QStringLiteral("2026900003"));
        ASSERT_GT(cash, 0);
        EXPECT_EQ(g->CellForeColor(cash, 2), 0xFF);
        EXPECT_EQ(g->ColWidth(2), 960);
        clickRow(g, cash);
        EXPECT_EQ(w->lblRecNum->text(), QStringLiteral("%1  out of  %2").arg(cash).arg(g->Rows() - 1));
        EXPECT_EQ(w->lblLegend[1]->text(), QStringLiteral("CASH BASIS: CATHLAB, PHARMACY"));
        w->reject();
    });
}
