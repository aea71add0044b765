// The two patient list windows: loading, colours, legend, counter, search boxes and keys.
#include "support/TypeKeys.h"
#include "patients/GridDriver.h"
#include "support/PatientsFixture.h"

#include "shared/MainWindowLinks.h"
#include "patients/PatientListCommon.h"
#include "patients/frmCathPatients.h"
#include "patients/frmSearch.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace GridDriver;

class PatientLists : public PatientsTest {
protected:
    frmCathPatients* openCaseList()
    {
        frmCathPatients* w = frmCathPatients::instance();
        w->show();
        w->activateWindow();
        (void)QTest::qWaitForWindowActive(w);
        w->Command1_Click(); // loaded again now that the grid is visible
        return w;
    }
    frmSearch* openGeneralList()
    {
        setParameter(QStringLiteral("EnableCathLabRegistration"), QStringLiteral("0"));
        frmSearch* w = frmSearch::instance();
        w->show();
        w->activateWindow();
        (void)QTest::qWaitForWindowActive(w);
        w->Command1_Click();
        return w;
    }
};

TEST_F(PatientLists, CaseListColoursRowsByBillingAndCashBasis)
{
    frmCathPatients* w = openCaseList();
    PatientGrid* g = w->MSHFlexList;
    ASSERT_GT(g->Rows(), 4);
    EXPECT_TRUE(g->isEnabled());
    struct Case {
        const char* idNum;
        qint64 fore;
    };
    const Case cases[] = {{"2026900001", vbWindowText}, {"2026900002", 0xFF0000}, {"2026900003", 0xEE},
                          {"900101B", 0xEE},            {"900102B", vbWindowText}};
    for (const Case& c : cases) {
        const int r = rowOf(g, QString::fromLatin1(c.idNum));
        ASSERT_GT(r, 0) << c.idNum;
        for (int j = 1; j <= 8; ++j) {
            EXPECT_EQ(g->CellForeColor(r, j), c.fore) << c.idNum << " column " << j;
            EXPECT_EQ(g->CellBackColor(r, j), (r % 2) ? 0xFFFFFF : 0xEEDCBF) << c.idNum << " column " << j;
        }
    }
    // a billed row never stays a cash-basis row
    EXPECT_EQ(g->TextMatrix(rowOf(g, QStringLiteral("2026900002")), 7), QStringLiteral("0"));
}

TEST_F(PatientLists, GeneralListUsesItsOwnColours)
{
    frmSearch* w = openGeneralList();
    PatientGrid* g = w->MSHFlexList;
    const int cash = rowOf(g, QStringLiteral("2026900003"));
    const int billed = rowOf(g, QStringLiteral("2026900002"));
    ASSERT_GT(cash, 0);
    ASSERT_GT(billed, 0);
    EXPECT_EQ(g->CellForeColor(cash, 3), 0xFF);
    EXPECT_EQ(g->CellForeColor(billed, 3), 0xFF0000);
    for (int r = 1; r < g->Rows(); ++r) EXPECT_EQ(g->CellBackColor(r, 1), (r % 2) ? 0xFFFFFF : 0xFEE2C5);
    EXPECT_EQ(g->ColWidth(2), 960);
    EXPECT_EQ(Selection.SelectedPatientType, QStringLiteral("I"));
}

TEST_F(PatientLists, EnteringARowShowsLegendAndCounter)
{
    frmCathPatients* w = openCaseList();
    PatientGrid* g = w->MSHFlexList;
    const int rows = g->Rows() - 1;
    clickRow(g, 3);
    EXPECT_EQ(w->lblRecNum->text(), QStringLiteral("3  out of  %1").arg(rows));
    EXPECT_EQ(Selection.SelectedGridRow, 3);
    EXPECT_EQ(Selection.SelectedListRow, 3);
    EXPECT_EQ(Selection.SelectedHospNum, g->TextMatrix(3, 1));

    UiScript::reset();
    clickRow(g, rowOf(g, QStringLiteral("2026900003")));
    EXPECT_TRUE(w->lblLegend[1]->isVisibleTo(w));
    EXPECT_EQ(w->lblLegend[1]->text(), QStringLiteral("CASH BASIS: CATHLAB"));
    EXPECT_EQ(g->ForeColorSel(), 0xEE);

    clickRow(g, rowOf(g, QStringLiteral("2026900002")));
    EXPECT_FALSE(w->lblLegend[1]->isVisibleTo(w));
    EXPECT_EQ(w->lblLegend[1]->text(), QString());
    EXPECT_EQ(g->ForeColorSel(), 0xFF0000);
}

TEST_F(PatientLists, ALoadSelectsRowOneOfAVisibleList)
{
    frmCathPatients* w = openCaseList();
    EXPECT_EQ(Selection.SelectedListRow, 1);
    EXPECT_EQ(Selection.SelectedHospNum, w->MSHFlexList->TextMatrix(1, 1));
    EXPECT_EQ(Selection.SelectedIDNum, w->MSHFlexList->TextMatrix(1, 2));
    EXPECT_EQ(w->lblRecNum->text(), QStringLiteral("1  out of  %1").arg(w->MSHFlexList->Rows() - 1));
}

TEST_F(PatientLists, EmptyResultLeavesHeaderAndBlankRow)
{
    frmCathPatients* c = openCaseList();
    c->txtSearch[1]->setText(QStringLiteral("NOSUCH"));
    c->Command1_Click();
    EXPECT_EQ(c->MSHFlexList->Rows(), 2);
    EXPECT_FALSE(c->MSHFlexList->isEnabled());
    EXPECT_EQ(c->lblRecNum->text(), QString());
    EXPECT_EQ(Selection.SelectedHospNum, QString());
    EXPECT_EQ(Selection.SelectedIDNum, QString());
    EXPECT_EQ(Selection.SelectedListRow, 1);
    EXPECT_EQ(c->MSHFlexList->TextMatrix(0, 1), QStringLiteral("Hospital #"));

    frmSearch* s = openGeneralList();
    s->txtSearch[2]->setText(QStringLiteral("NOSUCH"));
    s->Command1_Click();
    EXPECT_EQ(s->MSHFlexList->Rows(), 2);
    EXPECT_TRUE(s->MSHFlexList->isEnabled());
}

TEST_F(PatientLists, SearchBoxesEmptyEachOtherAndFilterKeys)
{
    frmCathPatients* w = openCaseList();
    w->txtSearch[0]->setFocus();
    QTest::keyClicks(w->txtSearch[0], QStringLiteral("ab3e'l"));
    typeKeys(w->txtSearch[0], QStringLiteral("\u00F1"));
    EXPECT_EQ(w->txtSearch[0]->text(), QStringLiteral("ABEL\u00D1"));
    EXPECT_TRUE(w->Command1->isEnabled());
    w->txtSearch[1]->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(w->txtSearch[0]->text(), QString());
    EXPECT_FALSE(w->Command1->isEnabled());
    QTest::keyClicks(w->txtSearch[1], QStringLiteral("9o'1"));
    EXPECT_EQ(w->txtSearch[1]->text(), QStringLiteral("9o1")); // taken as typed, the apostrophe excepted
    w->txtSearch[1]->clear();
    QTest::keyClicks(w->txtSearch[1], QStringLiteral("900003"));
    QTest::keyClick(w->txtSearch[1], Qt::Key_Return);
    EXPECT_EQ(w->MSHFlexList->Rows(), 2);
    EXPECT_EQ(w->MSHFlexList->TextMatrix(1, 2), QStringLiteral("2026900003"));
    EXPECT_EQ(w->txtSearch[1]->text(), QStringLiteral("900003"));

    // Enter in an empty box: the search runs with three empty texts (the active cases)
    w->txtSearch[2]->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(w->Command1->isEnabled());
    QTest::keyClick(w->txtSearch[2], Qt::Key_Return);
    EXPECT_EQ(w->MSHFlexList->Rows() - 1, count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..TBCLPATIENT WHERE RecordStatus = 'X'")));
}

TEST_F(PatientLists, TheAdmissionNumberIsFoundWhateverTheCaseOfItsLetter)
{
    frmCathPatients* w = openCaseList();
    w->txtSearch[2]->setFocus();
    QTest::keyClicks(w->txtSearch[2], QStringLiteral("900101b"));
    EXPECT_EQ(w->txtSearch[2]->text(), QStringLiteral("900101B"));   // typed letters in capitals, as in the last-name box
    QTest::keyClick(w->txtSearch[2], Qt::Key_Return);
    ASSERT_EQ(w->MSHFlexList->Rows(), 2);
    EXPECT_EQ(w->MSHFlexList->TextMatrix(1, 2), QStringLiteral("900101B"));

    // a number put in the box some other way (pasted) is found all the same, in both lists
    w->txtSearch[2]->setText(QStringLiteral("900101b"));
    w->Command1_Click();
    ASSERT_EQ(w->MSHFlexList->Rows(), 2);
    EXPECT_EQ(w->MSHFlexList->TextMatrix(1, 2), QStringLiteral("900101B"));
    frmSearch* s = openGeneralList();
    QTest::mouseClick(s->optPatientType[1], Qt::LeftButton);
    s->txtSearch[2]->setText(QStringLiteral(" 900104b "));
    s->Command1_Click();
    ASSERT_EQ(s->MSHFlexList->Rows(), 2);
    EXPECT_EQ(s->MSHFlexList->TextMatrix(1, 2), QStringLiteral("900104B"));
}

TEST_F(PatientLists, OutPatientOptionReloadsWithTheTextsKept)
{
    frmSearch* w = openGeneralList();
    w->txtSearch[1]->setText(QStringLiteral("900009"));
    QTest::mouseClick(w->optPatientType[1], Qt::LeftButton);
    EXPECT_EQ(Selection.SelectedPatientType, QStringLiteral("O"));
    // loaded with the text still in its box; then the focus goes to the last-name box, which
    // empties the others
    EXPECT_EQ(w->MSHFlexList->Rows(), 2);
    EXPECT_EQ(w->MSHFlexList->TextMatrix(1, 2), QStringLiteral("900104B"));
    EXPECT_TRUE(w->txtSearch[0]->hasFocus());
    EXPECT_EQ(w->txtSearch[1]->text(), QString());
}

TEST_F(PatientLists, RegistrationModeChangesTheGeneralList)
{
    setParameter(QStringLiteral("EnableCathLabRegistration"), QStringLiteral("1"));
    frmSearch* w = frmSearch::instance();
    w->show();
    EXPECT_EQ(w->Command2->text(), QStringLiteral("New Registration"));
    EXPECT_FALSE(w->lblProcedures[0]->isVisibleTo(w));
    EXPECT_FALSE(w->Label6[1]->isVisibleTo(w));
    UiScript::reset();
    w->Command2_Click();
    EXPECT_EQ(UiScript::dialogsRun(), QStringList{QStringLiteral("frmMasterSearch")});
}

TEST_F(PatientLists, ClosingAListDisablesThePatientMenus)
{
    frmCathPatients* w = openCaseList();
    clickRow(w->MSHFlexList, rowOf(w->MSHFlexList, QStringLiteral("2026900001")));
    EXPECT_TRUE(MainWindowLinks::PatientMenusEnabled());
    w->close();
    EXPECT_FALSE(MainWindowLinks::PatientMenusEnabled());
}

TEST_F(PatientLists, ApostropheIsNeverShown)
{
    frmSearch* w = openGeneralList();
    for (QLineEdit* box : w->txtSearch) {
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("'"));
        EXPECT_EQ(box->text(), QString());
    }
}
