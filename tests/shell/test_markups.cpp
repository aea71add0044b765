// Mark-up settings and the mark-up choice dialog.
#include "support/TestDatabase.h"
#include "support/TypeKeys.h"

#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shell/settings/MarkupData.h"
#include "shell/settings/frmMarkUp.h"
#include "shell/settings/frmMarkupSettings.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

class Markups : public DbTest {
protected:
    struct Row { QString value, description, status, op; };
    Row stored(const QString& code)
    {
        Recordset rs = conn().query(QStringLiteral("SELECT MarkUp, Description, Status, Operation FROM STATION..tbCLMarkUp "
                                                   "WHERE MarkupID = ?"), {code});
        if (rs.isEmpty()) return {};
        return {MarkupValueText(rs.value(QStringLiteral("MarkUp"))), rs.text(QStringLiteral("Description")),
                rs.text(QStringLiteral("Status")), rs.text(QStringLiteral("Operation"))};
    }
    int rowOf(frmMarkupSettings& f, const QString& code)
    {
        for (int r = 1; r < f.grdListing->Rows(); ++r)
            if (f.grdListing->TextMatrix(r, 1) == code) return r;
        return -1;
    }
    void clickRow(frmMarkupSettings& f, int row)
    {
        f.grdListing->setCurrentCell(row, 1);
        f.grdListing_Click();
    }
};

TEST_F(Markups, TheListShowsEveryMarkupByCode)
{
    frmMarkupSettings f;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Mark Up Settings"));
    ASSERT_EQ(f.grdListing->Rows(), 5);
    EXPECT_EQ(f.grdListing->TextMatrix(0, 1), QStringLiteral("Code"));
    EXPECT_EQ(f.grdListing->TextMatrix(1, 1), QStringLiteral("001"));
    EXPECT_EQ(f.grdListing->TextMatrix(1, 2), QStringLiteral("0.3"));
    EXPECT_EQ(f.grdListing->TextMatrix(3, 3), QStringLiteral("SPECIAL HANDLING FEE"));
    EXPECT_EQ(f.grdListing->TextMatrix(4, 4), QStringLiteral("I"));
    EXPECT_FALSE(f.txtDesc->isEnabled());
    EXPECT_FALSE(f.txtMarkup->isEnabled());
    EXPECT_FALSE(f.chkActive->isEnabled());
    EXPECT_TRUE(f.chkActive->isChecked());
    EXPECT_TRUE(f.txtCode->text().isEmpty());
    EXPECT_EQ(f.tlbbtnSearch->toolTip(), QStringLiteral("Search Patient"));

    // the search matches the beginning of the description; no match leaves the list as it was
    typeKeys(f.txtSearch, QStringLiteral("\u00FAs"));   // accented letters as the patient list takes them
    EXPECT_EQ(f.txtSearch->text(), QStringLiteral("\u00DAS"));
    f.txtSearch->clear();
    QTest::keyClicks(f.txtSearch, QStringLiteral("sp"));
    EXPECT_EQ(f.txtSearch->text(), QStringLiteral("SP"));
    f.tlbbtnSearch->click();
    ASSERT_EQ(f.grdListing->Rows(), 2);
    EXPECT_EQ(f.grdListing->TextMatrix(1, 1), QStringLiteral("003"));
    f.txtSearch->setText(QStringLiteral("HANDLING"));
    f.tlbbtnSearch->click();
    EXPECT_EQ(f.grdListing->Rows(), 2);
    for (const char* wildcard : {"%", "_", "S_"}) { // typed wildcards are characters to find: no match
        f.txtSearch->setText(QString::fromLatin1(wildcard));
        f.tlbbtnSearch_Click();
        EXPECT_EQ(f.grdListing->Rows(), 2) << wildcard;
    }
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(Markups, AddSavesANewRowWithTheNextCode)
{
    frmMarkupSettings f;
    clickRow(f, 1); // "*" 0.3, active: Add keeps value, state and operation
    f.cmdAdd->click();
    EXPECT_EQ(f.txtCode->text(), QStringLiteral("NEW"));
    EXPECT_TRUE(f.txtDesc->text().isEmpty());
    EXPECT_EQ(f.txtMarkup->text(), QStringLiteral("0.3"));
    EXPECT_TRUE(f.optMarkup[0]->isChecked());
    EXPECT_FALSE(f.cmdAdd->isEnabled());
    EXPECT_FALSE(f.grdListing->isEnabled());
    typeKeys(f.txtDesc, QStringLiteral("o'neil surcharge \u00F1"));
    f.txtMarkup->setText(QStringLiteral("0.25"));
    f.cmdSave->click();
    EXPECT_EQ(UiScript::texts(), (QStringList{QStringLiteral("Are you sure you want to save this entry?"),
                                              QStringLiteral("Mark up successfully saved.")}));
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Notification"));
    const Row r = stored(QStringLiteral("005"));
    EXPECT_EQ(r.description, QStringLiteral("O'NEIL SURCHARGE \u00D1")); // a quote is kept as typed
    EXPECT_EQ(r.value, QStringLiteral("0.25"));
    EXPECT_EQ(r.status, QStringLiteral("A"));
    EXPECT_EQ(r.op, QStringLiteral("*"));
    // back to browsing, the boxes emptied, the list read again
    EXPECT_TRUE(f.txtCode->text().isEmpty());
    EXPECT_FALSE(f.optMarkup[0]->isChecked() || f.optMarkup[1]->isChecked());
    EXPECT_TRUE(f.cmdAdd->isEnabled());
    EXPECT_TRUE(f.grdListing->isEnabled());
    EXPECT_GT(rowOf(f, QStringLiteral("005")), 0);
}

TEST_F(Markups, ANewRowWithoutAnOperationIsAdded)
{
    frmMarkupSettings f;
    f.cmdAdd->click();
    f.txtDesc->setText(QStringLiteral("OXYGEN HANDLING"));
    f.txtMarkup->setText(QStringLiteral("150"));
    f.chkActive->setChecked(false);
    f.cmdSave->click();
    const Row r = stored(QStringLiteral("005"));
    EXPECT_EQ(r.op, QStringLiteral("+"));
    EXPECT_EQ(r.status, QStringLiteral("I"));
}

TEST_F(Markups, EditChangesTheChosenRow)
{
    frmMarkupSettings f;
    f.grdListing->setCurrentCell(3, 1);
    f.cmdEdit->click();
    EXPECT_EQ(f.txtCode->text(), QStringLiteral("003"));
    EXPECT_EQ(f.txtDesc->text(), QStringLiteral("SPECIAL HANDLING FEE"));
    EXPECT_TRUE(f.optMarkup[1]->isChecked());
    EXPECT_TRUE(f.txtDesc->isEnabled());
    EXPECT_FALSE(f.cmdEdit->isEnabled());
    f.txtMarkup->setText(QStringLiteral("750"));
    f.optMarkup[0]->setChecked(true);
    f.cmdSave->click();
    const Row r = stored(QStringLiteral("003"));
    EXPECT_EQ(r.value, QStringLiteral("750"));
    EXPECT_EQ(r.op, QStringLiteral("*"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLMarkUp")), 4);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs")), 0); // the window logs nothing
}

TEST_F(Markups, RefusalsSaveNothing)
{
    struct Case { const char* description; const char* value; const char* message; };
    const Case cases[] = {
        {"", "0.5", "Can't save blank description."},
        {"HOLIDAY", "ten percent", "Please enter the mark up as a number (for example 0.10 or 50)."},
        {"HOLIDAY", "", "Please enter the mark up as a number (for example 0.10 or 50)."},
        {"HOLIDAY", "-5", "Please enter the mark up as a number (for example 0.10 or 50)."},
        {"HOLIDAY", "0.1'; DELETE FROM x", "Please enter the mark up as a number (for example 0.10 or 50)."},
        // no more than the mark-up column holds, written plainly
        {"HOLIDAY", "99999999999999", "Please enter the mark up as a number (for example 0.10 or 50)."},
        {"HOLIDAY", "1.2.3", "Please enter the mark up as a number (for example 0.10 or 50)."},
        {"HOLIDAY", "1e5", "Please enter the mark up as a number (for example 0.10 or 50)."},
        {"HOLIDAY", "0.12345", "Please enter the mark up as a number (for example 0.10 or 50)."},
    };
    for (const Case& c : cases) {
        UiScript::reset();
        frmMarkupSettings f;
        f.cmdAdd->click();
        f.txtDesc->setText(QString::fromUtf8(c.description));
        f.txtMarkup->setText(QString::fromUtf8(c.value));
        f.cmdSave->click();
        EXPECT_EQ(UiScript::lastText(), QString::fromLatin1(c.message)) << c.value;
        EXPECT_EQ(UiScript::shown().last().style & 0x70, int(vbExclamation));
        EXPECT_EQ(f.txtCode->text(), QStringLiteral("NEW")); // still editing
        EXPECT_TRUE(f.txtDesc->isEnabled());
    }
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLMarkUp")), 4);

    // "No" at the question reloads the list and keeps the boxes
    UiScript::reset();
    frmMarkupSettings f;
    f.cmdAdd->click();
    f.txtDesc->setText(QStringLiteral("NEVER SAVED"));
    f.txtMarkup->setText(QStringLiteral("1"));
    UiScript::queueAnswer(vbNo);
    f.cmdSave->click();
    EXPECT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(f.txtDesc->text(), QStringLiteral("NEVER SAVED"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLMarkUp")), 4);
}

TEST_F(Markups, EditWithoutACodeAndAMissingRow)
{
    conn().execute(QStringLiteral("DELETE FROM STATION..tbCLMarkUp"));
    frmMarkupSettings f;
    f.cmdEdit->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Sorry, no code to edit."));
    EXPECT_EQ(UiScript::shown().last().style & 0x70, int(vbCritical));
    EXPECT_FALSE(f.txtDesc->isEnabled());

    // a row deleted by another workstation since the list was read
    conn().execute(QStringLiteral("INSERT INTO STATION..tbCLMarkUp (MarkupID, MarkUp, Description, Status, Operation) "
                                  "VALUES ('009', 1, 'GONE', 'A', '+')"));
    f.load_Normalvalues();
    conn().execute(QStringLiteral("DELETE FROM STATION..tbCLMarkUp"));
    UiScript::reset();
    clickRow(f, 1);
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("No data found."));
    EXPECT_EQ(UiScript::shown().last().title, QStringLiteral("Message"));
}

TEST_F(Markups, TheChoiceAnswersTheChosenMarkup)
{
    struct Case { int row; bool ok; int op; double value; };
    // active rows by description: HOLIDAY SURCHARGE (*0.3), SPECIAL HANDLING FEE (+500), STAT PROCEDURE (*0.6)
    const Case cases[] = {{1, true, 1, 0.3}, {2, true, 2, 500}, {3, true, 1, 0.6}, {2, false, 0, 0}};
    for (const Case& c : cases) {
        DialogAnswers.MarkupOperation = 7;
        DialogAnswers.MarkupValue = 7;
        UiScript::queueDialog(QStringLiteral("frmMarkUp"), [c](QDialog* d) {
            auto* f = static_cast<frmMarkUp*>(d);
            EXPECT_EQ(DialogAnswers.MarkupOperation, 0); // reset when it opens
            EXPECT_EQ(DialogAnswers.MarkupValue, 0.0);
            EXPECT_FALSE(f->cmdOption->isEnabled());
            EXPECT_EQ(f->mshFlexMarkUp->Rows(), 4); // the inactive row is not offered
            f->chkMarkup->click();
            EXPECT_TRUE(f->cmdOption->isEnabled());
            f->mshFlexMarkUp->setCurrentCell(c.row, 1);
            if (c.ok) f->cmdOption->click();
            else f->cmdCancel->click();
        });
        frmMarkUp dlg;
        runModal(&dlg);
        EXPECT_EQ(DialogAnswers.MarkupOperation, c.op) << c.row;
        EXPECT_DOUBLE_EQ(DialogAnswers.MarkupValue, c.value) << c.row;
    }
}

TEST_F(Markups, TheChoiceRefusesAnUnknownOperationAndClosingByTheFrame)
{
    conn().execute(QStringLiteral("UPDATE STATION..tbCLMarkUp SET Operation = '-' WHERE MarkupID = '003'"));
    UiScript::queueDialog(QStringLiteral("frmMarkUp"), [](QDialog* d) {
        auto* f = static_cast<frmMarkUp*>(d);
        f->chkMarkup->click();
        f->chkMarkup->click(); // unchecked again: OK is off
        EXPECT_FALSE(f->cmdOption->isEnabled());
        f->chkMarkup->click();
        f->mshFlexMarkUp->setCurrentCell(2, 1);
        f->cmdOption->click();
    });
    frmMarkUp dlg;
    runModal(&dlg);
    EXPECT_EQ(DialogAnswers.MarkupOperation, 0);
    EXPECT_EQ(DialogAnswers.MarkupValue, 0.0);

    DialogAnswers.MarkupOperation = 1;
    DialogAnswers.MarkupValue = 0.3;
    frmMarkUp closed;
    runModal(&closed); // left open: closed by its frame
    EXPECT_EQ(DialogAnswers.MarkupOperation, 0);
    EXPECT_EQ(DialogAnswers.MarkupValue, 0.0);
}

TEST_F(Markups, TheHolidayBoxFollowsTheServersWeekday)
{
    frmMarkUp dlg;
    runModal(&dlg);
    const bool sunday = Session.ServerDate.date().dayOfWeek() == Qt::Sunday;
    EXPECT_EQ(dlg.chkHoliday->isEnabled(), !sunday);
    EXPECT_EQ(dlg.opt30[0]->isEnabled(), sunday);
    EXPECT_FALSE(dlg.opt30[0]->isChecked() || dlg.opt30[1]->isChecked());
    if (!sunday) {
        dlg.chkHoliday->click();
        EXPECT_TRUE(dlg.opt30[1]->isEnabled());
        dlg.opt30[1]->setChecked(true);
        dlg.chkHoliday->click();
        EXPECT_FALSE(dlg.opt30[1]->isEnabled());
        EXPECT_FALSE(dlg.opt30[1]->isChecked());
    }
}

} // namespace
