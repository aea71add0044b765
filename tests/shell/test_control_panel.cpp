// The control panel (revenue codes, package code links, procedure RVS codes) and the PHIC picker.
#include "support/ScriptedValidation.h"
#include "shell/ShellTest.h"

#include "access/frmTransaction_UserValidation.h"
#include "platform/ui/FlexGrid.h"
#include "shell/settings/RvsData.h"
#include "shell/settings/frmControlPanel.h"
#include "shell/settings/frmPHICRVS.h"

#include <QToolButton>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QGroupBox>

namespace {

class ControlPanel : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        LoadHospitalInfo();
        cp = frmControlPanel::instance();
        cp->show();
    }
    void TearDown() override
    {
        delete frmControlPanel::existing();
        DbTest::TearDown();
    }
    static void validateAs(const QString& user, const QString& code) { queueValidationAs(user, code); }
    // Types into the package grid's box at (row, col) and presses a key.
    void typeLink(int row, int col, const QString& text, int key = Qt::Key_Return)
    {
        cp->grdPackage->setCurrentCell(row, col);
        cp->grdPackage_EnterCell();
        cp->txtEntry->setText(text);
        cp->txtEntry_KeyDown(key);
    }
    QStringList storedLinks()
    {
        QStringList out;
        Recordset rs = conn().query(QStringLiteral("SELECT PackageCode, NurseItemCode, COALESCE(Status, '') AS Status "
                                                   "FROM STATION..tbCLPackage_CodeLink ORDER BY PackageCode, NurseItemCode"));
        for (; !rs.eof(); rs.moveNext())
            out << rs.text(QStringLiteral("PackageCode")) + QLatin1Char('/') + rs.text(QStringLiteral("NurseItemCode")) +
                       QLatin1Char('/') + rs.text(QStringLiteral("Status")).trimmed(); // CHAR(1) pads on PostgreSQL
        return out;
    }
    int rowOfLink(const QString& code, const QString& nurse)
    {
        for (int r = 1; r < cp->grdPackage->Rows(); ++r)
            if (cp->grdPackage->TextMatrix(r, 0) == code && cp->grdPackage->TextMatrix(r, 1) == nurse) return r;
        return -1;
    }
    QStringList storedRvs(const QString& item)
    {
        return LoadProcedureRVSCodes(conn(), item);
    }
    int rowOfProcedure(const QString& code)
    {
        for (int r = 1; r < cp->grdProcedures->Rows(); ++r)
            if (cp->grdProcedures->TextMatrix(r, 1) == code) return r;
        return -1;
    }
    void chooseProcedure(const QString& code)
    {
        cp->grdProcedures->setCurrentCell(rowOfProcedure(code), 1);
        cp->grdProcedures_Click();
    }
    void typeRvs(int row, const QString& text)
    {
        cp->grdRVS->setCurrentCell(row, 1);
        cp->txtRVSEntry->setText(text);
        cp->txtRVSEntry_KeyDown(Qt::Key_Return);
    }

    frmControlPanel* cp = nullptr;
};

TEST_F(ControlPanel, OpensOnTheRevenueCodesAndTheLinks)
{
    EXPECT_EQ(cp->windowTitle(), QStringLiteral("Station - Control Panel"));
    EXPECT_EQ(cp->SSTab1->currentIndex(), 0);
    EXPECT_EQ(cp->SSTab1->tabText(1), QStringLiteral("Package Code Link"));
    const QStringList expected = {"CL", "CS", "PH", "NU", "NM", "", "CU", "CM", "", ""};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(cp->txtRev[i]->text(), expected[i]) << i;
    EXPECT_EQ(cp->cmdSave->text(), QStringLiteral("Edit"));
    EXPECT_EQ(cp->cmdExit->text(), QStringLiteral("Close"));
    EXPECT_FALSE(cp->grdPackage->isEnabled());
    EXPECT_EQ(cp->grdPackage->Rows(), 1 + 10); // the department's links and the consigned packages' items
    EXPECT_EQ(cp->grdPackage->TextMatrix(0, 1), QStringLiteral("Nurse Code"));
    const int r = rowOfLink(QStringLiteral("PKG-CAG"), QStringLiteral("CL001"));
    ASSERT_GT(r, 0);
    EXPECT_EQ(cp->grdPackage->TextMatrix(r, 2), QStringLiteral("CORONARY ANGIOGRAM PACKAGE"));
    EXPECT_EQ(cp->grdPackage->TextMatrix(r, 3), QStringLiteral("A"));
}

TEST_F(ControlPanel, SaveWritesTheLinksItReportsAsSaved)
{
    const QStringList before = storedLinks();
    cp->cmdSave->click(); // Edit
    EXPECT_EQ(cp->cmdSave->text(), QStringLiteral("Save"));
    EXPECT_EQ(cp->cmdExit->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(cp->grdPackage->isEnabled());

    // deactivate a link, then add one on a new line after the last
    typeLink(rowOfLink(QStringLiteral("PKG-PCI"), QStringLiteral("CL002")), 3, QStringLiteral("I"));
    const int last = cp->grdPackage->Rows() - 1;
    typeLink(last, 3, cp->grdPackage->TextMatrix(last, 3).isEmpty() ? QStringLiteral("A") : cp->grdPackage->TextMatrix(last, 3));
    ASSERT_EQ(cp->grdPackage->Rows(), last + 2);
    EXPECT_EQ(cp->grdPackage->currentRow(), last + 1);
    EXPECT_EQ(cp->grdPackage->currentColumn(), 0);
    EXPECT_FALSE(cp->txtEntry->isHidden());
    typeLink(last + 1, 0, QStringLiteral("PKG-MAT"));
    EXPECT_TRUE(UiScript::lastText().contains(QStringLiteral("does not exist"))) << UiScript::lastText().toStdString();
    EXPECT_EQ(cp->grdPackage->currentColumn(), 0); // refused: the box stays
    UiScript::reset();
    typeLink(last + 1, 0, QStringLiteral("PKG-PPI"));
    EXPECT_EQ(cp->grdPackage->TextMatrix(last + 1, 2), QStringLiteral("DUAL CHAMBER PACEMAKER PACKAGE"));
    EXPECT_EQ(cp->grdPackage->currentColumn(), 1);
    typeLink(last + 1, 1, QStringLiteral("CL001"));
    EXPECT_EQ(cp->grdPackage->currentColumn(), 3); // the package name is skipped
    typeLink(last + 1, 3, QStringLiteral("A"));
    EXPECT_TRUE(UiScript::shown().isEmpty()) << UiScript::lastText().toStdString();

    validateAs(QStringLiteral("CL002"), QStringLiteral("CATH2"));
    cp->cmdSave->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Some changes may take in effect only after restarting the program."));
    EXPECT_EQ(UiScript::shown().last().title, QStringLiteral("Notification"));
    const QStringList after = storedLinks();
    EXPECT_EQ(after.size(), before.size() + 1);
    EXPECT_TRUE(after.contains(QStringLiteral("PKG-PCI/CL002/I")));
    EXPECT_TRUE(after.contains(QStringLiteral("PKG-PPI/CL001/A")));
    EXPECT_TRUE(after.contains(QStringLiteral("PKG-PPI/CL104/"))); // an old link without status stays as it was
    // the log line, by the validated user, in the same transaction
    Recordset log = conn().query(QStringLiteral("SELECT Idnum, Remarks, UserID, StationID FROM STATION..tbStationLogs"));
    ASSERT_EQ(log.recordCount(), 1);
    EXPECT_EQ(log.text(QStringLiteral("Idnum")), QStringLiteral("System"));
    EXPECT_EQ(log.text(QStringLiteral("Remarks")), QStringLiteral("Update Station Settings"));
    EXPECT_EQ(log.text(QStringLiteral("UserID")), QStringLiteral("CL002"));
    EXPECT_EQ(log.text(QStringLiteral("StationID")), QStringLiteral("CL"));
    // viewing again, the grid as stored
    EXPECT_EQ(cp->cmdSave->text(), QStringLiteral("Edit"));
    EXPECT_FALSE(cp->grdPackage->isEnabled());
    EXPECT_EQ(cp->grdPackage->Rows(), 1 + after.size());
}

TEST_F(ControlPanel, ARefusedValidationWritesNothingAndSaysNothing)
{
    const QStringList before = storedLinks();
    cp->cmdSave->click();
    typeLink(rowOfLink(QStringLiteral("PKG-CAG"), QStringLiteral("CL001")), 3, QStringLiteral("I"));
    validateAs(QStringLiteral("CL002"), QStringLiteral("WRONG")); // refused: the dialog stays, then closes by its frame
    cp->cmdSave->click();
    EXPECT_FALSE(UiScript::texts().contains(QStringLiteral("Some changes may take in effect only after restarting the program.")));
    EXPECT_EQ(storedLinks(), before);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs")), 0);
    EXPECT_EQ(cp->cmdSave->text(), QStringLiteral("Edit"));
    EXPECT_EQ(cp->cmdExit->text(), QStringLiteral("Close"));
    EXPECT_FALSE(cp->grdPackage->isEnabled());
}

TEST_F(ControlPanel, AFailedSaveLeavesTheLinksAsTheyWere)
{
    const QStringList before = storedLinks();
    cp->cmdSave->click();
    typeLink(rowOfLink(QStringLiteral("PKG-CAG"), QStringLiteral("CL001")), 3, QStringLiteral("I"));
    TableOutOfReach away(conn(), QStringLiteral("STATION..tbStationLogs"));
    validateAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    cp->cmdSave->click();
    away.restore();
    ASSERT_FALSE(UiScript::shown().isEmpty());
    EXPECT_TRUE(UiScript::lastText().endsWith(QStringLiteral("Please notify your IT department."))) << UiScript::lastText().toStdString();
    EXPECT_EQ(storedLinks(), before);
}

TEST_F(ControlPanel, TheEntryBoxKeys)
{
    cp->cmdSave->click();
    const int r = rowOfLink(QStringLiteral("PKG-RHC"), QStringLiteral("CL101"));
    // lower case is refused
    typeLink(r, 3, QStringLiteral("a"));
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Enter 'A' to set it active and 'I' to inactive."));
    EXPECT_EQ(cp->grdPackage->TextMatrix(r, 3), QStringLiteral("A"));
    EXPECT_EQ(cp->grdPackage->currentRow(), r);
    // an arrow key puts the stored text back
    typeLink(r, 3, QStringLiteral("XYZ"), Qt::Key_Up);
    EXPECT_EQ(cp->txtEntry->text(), QStringLiteral("A"));
    EXPECT_EQ(cp->grdPackage->currentRow(), r);
    // a line is filled from left to right: no box on "Status" while "Package" is empty
    cp->grdPackage->setTextMatrix(r, 2, QString());
    cp->grdPackage_LeaveCell();
    cp->grdPackage->setCurrentCell(r, 3);
    cp->grdPackage_EnterCell();
    EXPECT_TRUE(cp->txtEntry->isHidden());
    // while viewing, nothing happens
    UiScript::queueAnswer(vbYes);
    cp->cmdExit->click(); // Cancel: reloads
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Changes made will not be saved.\r\n\r\nAre you sure to cancel changes?"));
    EXPECT_EQ(UiScript::shown().last().title, QStringLiteral("Confirmation"));
    EXPECT_EQ(cp->grdPackage->TextMatrix(rowOfLink(QStringLiteral("PKG-RHC"), QStringLiteral("CL101")), 2),
              QStringLiteral("RIGHT HEART CATHETERIZATION PACKAGE"));
    cp->grdPackage->setCurrentCell(1, 0);
    cp->grdPackage_EnterCell();
    EXPECT_TRUE(cp->txtEntry->isHidden());
}

TEST_F(ControlPanel, TypedKeysMoveTheBoxAlongTheLines)
{
    cp->SSTab1->setCurrentIndex(1);
    cp->cmdSave->click();
    const QRect cell = cp->grdPackage->visualRect(cp->grdPackage->model()->index(3, 3));
    QTest::mouseClick(cp->grdPackage->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_EQ(cp->grdPackage->currentColumn(), 3);
    cp->txtEntry->selectAll();
    QTest::keyClicks(cp->txtEntry, QStringLiteral("A"));
    QTest::keyClick(cp->txtEntry, Qt::Key_Return);
    // the focused box hidden on the way must not move the grid on as a Tab would
    EXPECT_EQ(cp->grdPackage->currentRow(), 4);
    EXPECT_EQ(cp->grdPackage->currentColumn(), 0);
    EXPECT_EQ(cp->txtEntry->text(), cp->grdPackage->TextMatrix(4, 0));

    cp->SSTab1->setCurrentIndex(2);
    chooseProcedure(QStringLiteral("CL001"));
    cp->cmdSaveRVS->click();
    cp->grdRVS->setCurrentCell(3, 1);
    QTest::keyClicks(cp->txtRVSEntry, QStringLiteral("93452"));
    QTest::keyClick(cp->txtRVSEntry, Qt::Key_Return);
    EXPECT_EQ(cp->grdRVS->currentRow(), 4);
    EXPECT_EQ(cp->grdRVS->currentColumn(), 1);
}

TEST_F(ControlPanel, TheRvsTabListsTheProceduresAndTheirCodes)
{
    cp->SSTab1->setCurrentIndex(2);
    EXPECT_EQ(cp->grdProcedures->Rows(), 1 + 11);
    EXPECT_EQ(cp->grdProcedures->TextMatrix(0, 2), QStringLiteral("Procedure"));
    EXPECT_EQ(cp->grdRVS->Rows(), 2);
    EXPECT_FALSE(cp->frRVS->isEnabled());
    chooseProcedure(QStringLiteral("CL004"));
    ASSERT_EQ(cp->grdRVS->Rows(), 1 + 2 + 1);
    EXPECT_EQ(cp->grdRVS->TextMatrix(1, 1), QStringLiteral("93451"));
    EXPECT_EQ(cp->grdRVS->TextMatrix(1, 2),
              QStringLiteral("RIGHT HEART CATHETERIZATION INCLUDING MEASUREMENT OF OXYGEN SATURATION AND CARDIAC OUTPUT"));
    // the scale's description when the procedure row has none
    EXPECT_EQ(cp->grdRVS->TextMatrix(2, 2), QStringLiteral("INSERTION AND PLACEMENT OF FLOW DIRECTED CATHETER (SWAN-GANZ)"));
    EXPECT_EQ(cp->grdRVS->currentRow(), 3);
    EXPECT_EQ(cp->loadedProcedure(), QStringLiteral("CL004"));
}

TEST_F(ControlPanel, SavingReplacesTheCodesOfTheLoadedProcedure)
{
    cp->SSTab1->setCurrentIndex(2);
    chooseProcedure(QStringLiteral("CL001"));
    cp->cmdSaveRVS->click(); // Edit
    EXPECT_TRUE(cp->frRVS->isEnabled());
    EXPECT_EQ(cp->cmdCloseRVS->text(), QStringLiteral("Cancel"));
    // a typed code with a description goes in as typed; the entry moves to a new line
    typeRvs(3, QStringLiteral("93452"));
    EXPECT_EQ(cp->grdRVS->Rows(), 5);
    EXPECT_EQ(cp->grdRVS->currentRow(), 4);
    // an unknown text opens the picker with it as the key
    UiScript::queueDialog(QStringLiteral("frmPHICRVS"), [](QDialog* d) {
        auto* p = static_cast<frmPHICRVS*>(d);
        EXPECT_EQ(p->txtKey->text(), QStringLiteral("PTCA"));
        p->txtKey->setText(QStringLiteral("angioplasty"));
        p->cmdSearch->click();
        EXPECT_EQ(p->mshflexEntry->TextMatrix(1, 1), QStringLiteral("92920"));
        p->cmdSelect->click();
    });
    typeRvs(4, QStringLiteral("PTCA"));
    EXPECT_EQ(cp->grdRVS->TextMatrix(4, 1), QStringLiteral("92920"));
    // the first line is removed by emptying it through a picker closed without a choice
    typeRvs(1, QString()); // empty key: the whole list; left open: closed by its frame
    EXPECT_TRUE(cp->grdRVS->TextMatrix(1, 1).isEmpty());
    // the list's current line moves meanwhile: the codes still go to CL001
    cp->grdProcedures->setCurrentCell(rowOfProcedure(QStringLiteral("CL005")), 1);

    validateAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    cp->cmdSaveRVS->click();
    EXPECT_EQ(storedRvs(QStringLiteral("CL001")), (QStringList{"93458", "93452", "92920"}));
    EXPECT_EQ(storedRvs(QStringLiteral("CL005")), QStringList{"33967"});
    Recordset log = conn().query(QStringLiteral("SELECT Idnum, Remarks, UserID, StationID FROM STATION..tbStationLogs"));
    ASSERT_EQ(log.recordCount(), 1);
    EXPECT_EQ(log.text(QStringLiteral("Idnum")), QStringLiteral("CL001"));
    EXPECT_EQ(log.text(QStringLiteral("Remarks")), QStringLiteral("Changed RVS"));
    EXPECT_EQ(cp->cmdSaveRVS->text(), QStringLiteral("Edit"));
    EXPECT_FALSE(cp->frRVS->isEnabled());
    EXPECT_EQ(cp->grdRVS->Rows(), 2); // emptied, the list read again
    EXPECT_TRUE(cp->loadedProcedure().isEmpty());
}

TEST_F(ControlPanel, RvsRefusalsSaveNothing)
{
    cp->SSTab1->setCurrentIndex(2);
    chooseProcedure(QStringLiteral("CL002"));
    cp->cmdSaveRVS->click();
    typeRvs(3, QStringLiteral("92920")); // already on line 1
    cp->cmdSaveRVS->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("The RVS code 92920 is entered more than once."));
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty()); // refused before the validation
    EXPECT_EQ(cp->cmdSaveRVS->text(), QStringLiteral("Save")); // still editing
    EXPECT_EQ(storedRvs(QStringLiteral("CL002")), (QStringList{"92920", "92928"}));

    // a changed procedure while editing asks first; No keeps the loaded one
    UiScript::reset();
    UiScript::queueAnswer(vbNo);
    const int loaded = cp->grdProcedures->currentRow();
    cp->grdProcedures->setCurrentCell(rowOfProcedure(QStringLiteral("CL003")), 1);
    cp->grdProcedures_Click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Change selected procedure? Unsaved changes will be lost."));
    EXPECT_EQ(cp->grdProcedures->currentRow(), loaded);
    EXPECT_EQ(cp->loadedProcedure(), QStringLiteral("CL002"));

    // the tab selected again empties the codes: a save then has no procedure to store
    cp->SSTab1->setCurrentIndex(0);
    cp->SSTab1->setCurrentIndex(2);
    EXPECT_EQ(cp->cmdSaveRVS->text(), QStringLiteral("Save"));
    UiScript::reset();
    cp->cmdSaveRVS->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Please select a procedure first."));
    EXPECT_EQ(storedRvs(QStringLiteral("CL002")), (QStringList{"92920", "92928"}));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs")), 0);
}

TEST_F(ControlPanel, AFailingRvsSaveRollsBackAndAFailingLogLineDoesNot)
{
    cp->SSTab1->setCurrentIndex(2);
    chooseProcedure(QStringLiteral("CL003"));
    cp->cmdSaveRVS->click();
    typeRvs(2, QStringLiteral("33210"));
    {
        TableOutOfReach away(conn(), QStringLiteral("CLINICAL_AREA..tbCLRVS"));
        validateAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
        cp->cmdSaveRVS->click();
    }
    EXPECT_TRUE(UiScript::lastText().endsWith(QStringLiteral("Please notify your IT department.")));
    EXPECT_EQ(storedRvs(QStringLiteral("CL003")), QStringList{"33208"});
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs")), 0); // the log line went with it
    EXPECT_EQ(cp->cmdSaveRVS->text(), QStringLiteral("Edit"));

    // the log alone failing does not stop the save
    chooseProcedure(QStringLiteral("CL003"));
    cp->cmdSaveRVS->click();
    typeRvs(2, QStringLiteral("33210"));
    {
        TableOutOfReach away(conn(), QStringLiteral("STATION..tbStationLogs"));
        validateAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
        cp->cmdSaveRVS->click();
    }
    EXPECT_EQ(storedRvs(QStringLiteral("CL003")), (QStringList{"33208", "33210"}));
}

TEST_F(ControlPanel, ThePickerSearches)
{
    struct Case { const char* key; const char* procedure; int rows; const char* message; };
    const Case cases[] = {
        {"", "", 13, nullptr},                     // the whole PHIC list
        {"CATHETER", "", 6, nullptr},              // part of the description
        {"33010", "", 1, nullptr},                 // the code itself
        {"O'NEIL", "", 0, "Sorry, no match for code or description was found."},
        {"", "CL004", 1, nullptr},                 // listed codes with a description of their own
        {"PTCA", "CL004", 0, "No RVS code assigned to this procedure yet.\r\n\r\nPlease notify your IT department."},
        {" 33010", "", 0, "Sorry, no match for code or description was found."}, // searched with its blank
        {"%", "", 0, "Sorry, no match for code or description was found."},       // a typed wildcard is only text
        {"_", "CL004", 0, "No RVS code assigned to this procedure yet.\r\n\r\nPlease notify your IT department."},
    };
    for (const Case& c : cases) {
        UiScript::reset();
        frmPHICRVS p;
        p.setSetKey(QString::fromLatin1(c.key));
        p.setSetNursePackageCode(QString::fromLatin1(c.procedure));
        runModal(&p);
        SCOPED_TRACE(c.key);
        if (c.message) {
            EXPECT_EQ(UiScript::lastText(), QString::fromLatin1(c.message));
            EXPECT_EQ(UiScript::shown().last().title, QStringLiteral("Notification"));
        } else {
            EXPECT_TRUE(UiScript::shown().isEmpty());
            EXPECT_EQ(p.mshflexEntry->Rows(), 1 + c.rows + 1); // the rows and one empty line
        }
        EXPECT_TRUE(p.PHICCode().isEmpty()); // closed by the frame: nothing chosen
    }

    // Select takes the current line with its unit; the empty last line answers nothing
    UiScript::queueDialog(QStringLiteral("frmPHICRVS"), [](QDialog* d) {
        auto* p = static_cast<frmPHICRVS*>(d);
        p->mshflexEntry->setCurrentCell(2, 1);
        p->cmdSelect->click();
    });
    frmPHICRVS p;
    p.setSetKey(QStringLiteral("PACEMAKER"));
    runModal(&p);
    EXPECT_EQ(p.PHICCode(), QStringLiteral("33210"));
    EXPECT_EQ(p.PHICDescription(),
              QStringLiteral("INSERTION OF TEMPORARY TRANSVENOUS SINGLE CHAMBER CARDIAC ELECTRODE OR PACEMAKER CATHETER"));
    EXPECT_EQ(p.Unit(), QStringLiteral("35.00"));

    UiScript::queueDialog(QStringLiteral("frmPHICRVS"), [](QDialog* d) {
        auto* p = static_cast<frmPHICRVS*>(d);
        p->mshflexEntry->setCurrentCell(p->mshflexEntry->Rows() - 1, 1);
        p->cmdSelect->click();
    });
    frmPHICRVS q;
    q.setSetKey(QStringLiteral("PACEMAKER"));
    runModal(&q);
    EXPECT_TRUE(q.PHICCode().isEmpty());
}

TEST_F(ControlPanel, TheDescriptionLookUp)
{
    EXPECT_EQ(GetRVSDescription(conn(), QStringLiteral("33010")), QStringLiteral("PERICARDIOCENTESIS, INITIAL"));
    EXPECT_EQ(GetRVSDescription(conn(), QStringLiteral("93503")), QStringLiteral("INSERTION AND PLACEMENT OF FLOW DIRECTED CATHETER (SWAN-GANZ)"));
    EXPECT_TRUE(GetRVSDescription(conn(), QStringLiteral("33010 ")).isEmpty()); // not trimmed
    EXPECT_TRUE(GetRVSDescription(conn(), QStringLiteral("x' OR '1'='1")).isEmpty());
    conn().execute(QStringLiteral("INSERT INTO MEDICARE..TBMEDRVS (NODE_KEY, UNIT, DESCRIPTION) VALUES ('99999', 1, 'SCALE ONLY')"));
    EXPECT_TRUE(GetRVSDescription(conn(), QStringLiteral("99999")).isEmpty()); // not in the procedure list
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

} // namespace
