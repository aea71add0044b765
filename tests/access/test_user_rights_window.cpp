// The user rights window: behind its access code, showing one user's rights at a time, and saving
// exactly what is ticked.
#include "access/AccessTestSupport.h"

#include "access/UserRightsData.h"
#include "access/frmAccessCode.h"
#include "access/frmUserRights.h"
#include "hospital/DemoPeople.h"
#include "shared/UserRights.h"
#include "shared/modGlobals.h"

#include <QCheckBox>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QGroupBox>
#include <QToolButton>

using namespace AccessTest;

class UserRightsWindow : public DbTest {
protected:
    frmUserRights* w = nullptr;

    void SetUp() override
    {
        DbTest::SetUp();
        w = frmUserRights::instance();
        ASSERT_TRUE(w->Form_Load());
        w->show();
    }
    void TearDown() override
    {
        w->hide();
        DbTest::TearDown();
    }
    void search(const QString& text)
    {
        w->txtEmployeeID->clear();
        QTest::keyClicks(w->txtEmployeeID, text);
        QTest::keyClick(w->txtEmployeeID, Qt::Key_Return);
    }
    // Searches for the user and chooses the grid row that holds the code.
    void choose(const QString& employee)
    {
        search(employee);
        for (int r = 0; r < w->grdUsers->rowCount(); ++r)
            if (w->grdUsers->item(r, 1) && w->grdUsers->item(r, 1)->text() == employee) {
                w->grdUsers->setCurrentCell(r, 1);
                QTest::keyClick(w->grdUsers, Qt::Key_Return);
                return;
            }
        ADD_FAILURE() << "not found: " << employee.toStdString();
    }
    QStringList tickedIds() const
    {
        QStringList ids;
        for (const QString& line : w->tickedLines()) ids << ItemIdOfLine(line);
        return ids;
    }
    void tick(const QString& id, bool on)
    {
        for (int i = 0; i < w->lstRights->count(); ++i)
            if (ItemIdOfLine(w->lstRights->item(i)->data(Qt::UserRole).toString()) == id)
                w->lstRights->item(i)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
    QString storedRights(const QString& employee)
    {
        Recordset rs = conn().query(QStringLiteral("SELECT EmployeeRights FROM STATION..tbNurseUserRights WHERE EmployeeID = ?"),
                                    {employee});
        return rs.isEmpty() ? QStringLiteral("<no row>") : rs.text(QStringLiteral("EmployeeRights"));
    }
    QString allRights() const
    {
        QString text;
        for (const auto& item : DemoPeople::rightItems()) text += QLatin1Char('|') + item.first;
        return text;
    }
};

TEST_F(UserRightsWindow, OpensWithActiveItemsUntickedAndNothingToSave)
{
    conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseUserSettings (ItemID, Description, Status) VALUES ('40', 'Retired', 'I')"));
    ASSERT_TRUE(w->Form_Load());
    EXPECT_EQ(w->lstRights->count(), DemoPeople::rightItems().size());
    EXPECT_TRUE(w->tickedLines().isEmpty());
    EXPECT_FALSE(w->fraRights->isEnabled());
    EXPECT_FALSE(w->cmdSave->isEnabled());
    EXPECT_EQ(w->lstRights->item(0)->text(), DemoPeople::rightItems()[0].second);
}

TEST_F(UserRightsWindow, SearchListsTheStationsUsers)
{
    search(QStringLiteral("REY"));
    EXPECT_TRUE(w->fmeUsers->isVisible());
    ASSERT_EQ(w->grdUsers->rowCount(), 1);
    EXPECT_EQ(w->grdUsers->item(0, 1)->text(), QStringLiteral("CL002"));
    EXPECT_EQ(w->grdUsers->item(0, 2)->text(), QStringLiteral("REYES, JOSE LUNA"));
    EXPECT_EQ(w->grdUsers->horizontalHeaderItem(1)->text(), QStringLiteral("Employee Code"));

    search(QString());
    QStringList codes;
    for (int r = 0; r < w->grdUsers->rowCount(); ++r) codes << w->grdUsers->item(r, 1)->text();
    codes.sort();
    EXPECT_EQ(codes, QStringList({QStringLiteral("CL001"), QStringLiteral("CL002"), QStringLiteral("CL003"), QStringLiteral("CL004")}));

    search(QStringLiteral("XR"));   // radiology's people are not the cath lab's
    EXPECT_TRUE(w->fmeUsers->isVisible());
    EXPECT_FALSE(w->fmeUsers->isEnabled());
    EXPECT_FALSE(w->grdUsers->isEnabled());
}

TEST_F(UserRightsWindow, ChoosingAnotherUserShowsOnlyThatUsersRights)
{
    choose(QStringLiteral("CL001"));
    EXPECT_EQ(tickedIds().size(), DemoPeople::rightItems().size());
    EXPECT_FALSE(w->fmeUsers->isVisible());
    EXPECT_TRUE(w->cmdSave->isEnabled());
    EXPECT_EQ(w->txtEmployee->text(), QStringLiteral("DELA CRUZ, ANA MARQUEZ"));

    choose(QStringLiteral("CL004"));
    EXPECT_EQ(tickedIds(), QStringList({QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("10")}));
    choose(QStringLiteral("CL003"));   // no rights at all
    EXPECT_TRUE(tickedIds().isEmpty());
    EXPECT_FALSE(w->chkSelectAll->isChecked());
}

TEST_F(UserRightsWindow, SavesExactlyWhatIsTicked)
{
    choose(QStringLiteral("CL001"));
    choose(QStringLiteral("CL004"));
    tick(QStringLiteral("3"), false);
    tick(QStringLiteral("22"), true);
    tick(QStringLiteral("9"), true);
    queueValidation(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    QTest::mouseClick(w->cmdSave, Qt::LeftButton);
    EXPECT_EQ(storedRights(QStringLiteral("CL004")), QStringLiteral("|1|9|10|22"));   // in list order
    EXPECT_EQ(conn().scalar(QStringLiteral("SELECT UpdatedBy FROM STATION..tbNurseUserRights WHERE EmployeeID = 'CL004'")).toString(),
              QStringLiteral("CL001"));
    EXPECT_EQ(storedRights(QStringLiteral("CL001")), allRights());   // the other user is untouched
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(UiScript::shown()[0].text, QStringLiteral("User rights updated."));
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Message"));
    EXPECT_EQ(UiScript::shown()[0].style, vbOKOnly | vbInformation);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(HasUserRight(conn(), QStringLiteral("22"), QStringLiteral("CL004")));
    EXPECT_FALSE(HasUserRight(conn(), QStringLiteral("3"), QStringLiteral("CL004")));
}

TEST_F(UserRightsWindow, NothingTickedStoresEmptyText)
{
    choose(QStringLiteral("CL003"));
    queueValidation(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    QTest::mouseClick(w->cmdSave, Qt::LeftButton);
    EXPECT_EQ(storedRights(QStringLiteral("CL003")), QString());

    QTest::mouseClick(w->chkSelectAll, Qt::LeftButton, {}, QPoint(6, w->chkSelectAll->height() / 2));
    EXPECT_EQ(tickedIds().size(), w->lstRights->count());
    queueValidation(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    QTest::mouseClick(w->cmdSave, Qt::LeftButton);
    EXPECT_EQ(storedRights(QStringLiteral("CL003")), allRights());
    QTest::mouseClick(w->chkSelectAll, Qt::LeftButton, {}, QPoint(6, w->chkSelectAll->height() / 2));
    EXPECT_TRUE(tickedIds().isEmpty());
}

TEST_F(UserRightsWindow, RefusedValidationWritesNothing)
{
    choose(QStringLiteral("CL004"));
    tick(QStringLiteral("29"), true);
    queueValidation(QStringLiteral("CL004"), QStringLiteral("wrong"));
    QTest::mouseClick(w->cmdSave, Qt::LeftButton);
    EXPECT_EQ(storedRights(QStringLiteral("CL004")), QStringLiteral("|1|3|10"));
    EXPECT_EQ(UiScript::texts(), QStringList({kUnauthorized}));

    UiScript::reset();
    QTest::mouseClick(w->cmdSave, Qt::LeftButton);   // the validation closed by its frame
    EXPECT_EQ(storedRights(QStringLiteral("CL004")), QStringLiteral("|1|3|10"));
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(UserRightsWindow, UnknownItemsInTheTextAreDroppedOnSave)
{
    conn().execute(QStringLiteral("UPDATE STATION..tbNurseUserRights SET EmployeeRights = '|1|99| 3|10' WHERE EmployeeID = 'CL004'"));
    choose(QStringLiteral("CL004"));
    EXPECT_EQ(tickedIds(), QStringList({QStringLiteral("1"), QStringLiteral("10")}));   // " 3" is not "3"
    queueValidation(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    QTest::mouseClick(w->cmdSave, Qt::LeftButton);
    EXPECT_EQ(storedRights(QStringLiteral("CL004")), QStringLiteral("|1|10"));
}

TEST_F(UserRightsWindow, ATypedIdIsNotSavedUntilChosen)
{
    choose(QStringLiteral("CL001"));
    w->txtEmployeeID->selectAll();
    QTest::keyClicks(w->txtEmployeeID, QStringLiteral("CL'003"));
    EXPECT_EQ(w->txtEmployeeID->text(), QStringLiteral("CL003"));   // the apostrophe never got in
    EXPECT_FALSE(w->cmdSave->isEnabled());
    QTest::mouseClick(w->cmdSave, Qt::LeftButton);
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
    EXPECT_EQ(storedRights(QStringLiteral("CL003")), QStringLiteral("<no row>"));
}

TEST_F(UserRightsWindow, DownArrowGoesIntoTheGridOnlyWhenItHoldsUsers)
{
    search(QStringLiteral("CL"));
    QApplication::setActiveWindow(w);
    w->txtEmployeeID->setFocus();
    QTest::keyClick(w->txtEmployeeID, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), w->grdUsers);

    search(QStringLiteral("NOBODY"));
    w->txtEmployeeID->setFocus();
    QTest::keyClick(w->txtEmployeeID, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), w->txtEmployeeID);
}

TEST_F(UserRightsWindow, RightsListErrorKeepsTheWindowClosed)
{
    w->hide();
    TransactionGuard tx(conn());
    conn().execute(QStringLiteral("DROP TABLE STATION..tbNurseUserSettings"));
    EXPECT_FALSE(w->Form_Load());
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_TRUE(isErrorNotice(UiScript::shown()[0]));
}

class UserRightsAccessCode : public DbTest {};

TEST_F(UserRightsAccessCode, OnlyTheFixedCodeOpensTheWindow)
{
    bool openAfterWrongCode = false;
    UiScript::queueDialog(QStringLiteral("frmAccessCode"), [&](QDialog* d) {
        auto* dlg = static_cast<frmAccessCode*>(d);
        QTest::keyClicks(dlg->txtAccessCode, QStringLiteral("QUILMORE"));
        QTest::keyClick(dlg->txtAccessCode, Qt::Key_Return);
        openAfterWrongCode = dlg->isVisible();
        QTest::keyClick(dlg->txtAccessCode, Qt::Key_Escape);
    });
    runModal(frmAccessCode::instance());
    EXPECT_TRUE(openAfterWrongCode);
    EXPECT_EQ(UiScript::dialogsRun(), QStringList({QStringLiteral("frmAccessCode")}));
    EXPECT_TRUE(UiScript::shown().isEmpty());
    EXPECT_FALSE(frmAccessCode::instance()->isVisible());
}

TEST_F(UserRightsAccessCode, TheWholeWayToSavedRights)
{
    UiScript::queueDialog(QStringLiteral("frmAccessCode"), [](QDialog* d) {
        auto* dlg = static_cast<frmAccessCode*>(d);
        QTest::keyClicks(dlg->txtAccessCode, QStringLiteral(" quil'mor "));
        QTest::keyClick(dlg->txtAccessCode, Qt::Key_Return);
    });
    UiScript::queueDialog(QStringLiteral("frmUserRights"), [](QDialog* d) {
        auto* w = static_cast<frmUserRights*>(d);
        QTest::keyClicks(w->txtEmployeeID, QStringLiteral("LIM"));
        QTest::mouseClick(w->cmdSearch, Qt::LeftButton);
        QTest::keyClick(w->grdUsers, Qt::Key_Return);            // the first row: CL003
        w->lstRights->item(0)->setCheckState(Qt::Checked);       // right 1
        w->lstRights->item(2)->setCheckState(Qt::Checked);       // right 3
        queueValidation(QStringLiteral("CL002"), QStringLiteral("CATH2"));
        QTest::mouseClick(w->cmdSave, Qt::LeftButton);
        QTest::mouseClick(w->cmdClose, Qt::LeftButton);
    });
    runModal(frmAccessCode::instance());
    EXPECT_EQ(UiScript::dialogsRun(), QStringList({QStringLiteral("frmAccessCode"), QStringLiteral("frmUserRights"),
                                                   QStringLiteral("frmTransaction_UserValidation")}));
    EXPECT_EQ(UiScript::texts(), QStringList({QStringLiteral("User rights updated.")}));
    EXPECT_EQ(conn().scalar(QStringLiteral("SELECT EmployeeRights FROM STATION..tbNurseUserRights WHERE EmployeeID = 'CL003'")).toString(),
              QStringLiteral("|1|3"));
    EXPECT_FALSE(frmAccessCode::instance()->isVisible());
}
