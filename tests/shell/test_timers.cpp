// The requests button with its blink and the discharge-notice announcer, their timers driven by
// calling the tick handlers.
#include "shell/ShellTest.h"

#include "platform/agent/Agent.h"
#include "shell/ShellData.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QScreen>
#include <QPushButton>
#include <QTimer>

namespace {

class Timers : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        w->LoadAgentCharacter();
    }
    void closeOpenRequests()
    {
        conn().execute(QStringLiteral("UPDATE STATION..TBNURSECOMMUNICATIONFILE SET RecordStatus = 'X'"));
        conn().execute(QStringLiteral("UPDATE SCHEDULE..TBCLSCHEDULE SET RECORDSTATUS = 'C'"));
    }
    void clearNotices() { conn().execute(QStringLiteral("UPDATE STATION..TBNURSEDISCHARGENOTICE SET RecordStatus = 'R'")); }
};

TEST_F(Timers, RequestsFromTheCommunicationFileOfTheMainRevenue)
{
    closeOpenRequests();
    EXPECT_FALSE(HasPendingRequests(conn()));
    // an open request to another section does not count, nor one already processed
    conn().execute(QStringLiteral("INSERT INTO STATION..TBNURSECOMMUNICATIONFILE (RequestNum, IDNum, RevenueID, ItemID, "
                                  "RecordStatus) VALUES ('T1', '2026000001', 'LB', 'CBC', ''), ('T2', '2026000001', 'CL', 'CL001', 'X')"));
    EXPECT_FALSE(HasPendingRequests(conn()));
    // an open one of the department: empty or null status
    for (const char* status : std::initializer_list<const char*>{"", nullptr}) {
        conn().execute(QStringLiteral("DELETE FROM STATION..TBNURSECOMMUNICATIONFILE WHERE RequestNum = 'T3'"));
        conn().execute(QStringLiteral("INSERT INTO STATION..TBNURSECOMMUNICATIONFILE (RequestNum, IDNum, RevenueID, ItemID, "
                                      "RecordStatus) VALUES ('T3', '2026000001', 'CL', 'CL001', ?)"),
                       {status ? QVariant(QString::fromLatin1(status)) : QVariant()});
        EXPECT_TRUE(HasPendingRequests(conn()));
    }
    // the main revenue code follows the station parameter
    setParameter(QStringLiteral("CathLabMainRevenueID"), QStringLiteral("HS"));
    EXPECT_FALSE(HasPendingRequests(conn()));
    // a pending schedule request does not count without EnableCLSched
    conn().execute(QStringLiteral("UPDATE SCHEDULE..TBCLSCHEDULE SET RECORDSTATUS = 'P'"));
    EXPECT_FALSE(HasPendingRequests(conn()));
}

TEST_F(Timers, RequestsFromTheScheduleWithEnableCLSched)
{
    setParameter(QStringLiteral("EnableCLSched"), QStringLiteral("1"));
    closeOpenRequests();
    conn().execute(QStringLiteral("INSERT INTO STATION..TBNURSECOMMUNICATIONFILE (RequestNum, IDNum, RevenueID, ItemID, "
                                  "RecordStatus) VALUES ('T3', '2026000001', 'CL', 'CL001', '')"));
    EXPECT_FALSE(HasPendingRequests(conn())); // only the schedule counts now
    conn().execute(QStringLiteral("UPDATE SCHEDULE..TBCLSCHEDULE SET RECORDSTATUS = 'P' WHERE ProcedureName = 'CORONARY ANGIOGRAPHY'"));
    EXPECT_TRUE(HasPendingRequests(conn()));
}

TEST_F(Timers, TheCheckShowsOrHidesTheButtonAndRestartsItsTimer)
{
    w->tmrRequests_Timer(); // the demo has open requests for the department
    EXPECT_TRUE(w->cmdRequests->isVisibleTo(w));
    EXPECT_TRUE(w->tmrButton->isActive());
    EXPECT_TRUE(w->tmrRequests->isActive());
    EXPECT_EQ(w->tmrRequests->interval(), 60000);

    closeOpenRequests();
    w->tmrRequests_Timer();
    EXPECT_FALSE(w->cmdRequests->isVisibleTo(w));
    EXPECT_TRUE(w->tmrButton->isActive()); // the blink stays on; it paints only a visible button
    EXPECT_TRUE(w->tmrRequests->isActive());
}

TEST_F(Timers, AFailingCheckIsShownAndHidesTheButton)
{
    w->tmrRequests_Timer();
    TableOutOfReach away(conn(), QStringLiteral("STATION..TBNURSECOMMUNICATIONFILE"));
    w->tmrRequests_Timer();
    EXPECT_FALSE(w->cmdRequests->isVisibleTo(w));
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Notification"));
    EXPECT_TRUE(UiScript::lastText().endsWith(QStringLiteral("Please notify your IT department.")));
    EXPECT_TRUE(w->tmrRequests->isActive()); // it tries again in a minute
}

TEST_F(Timers, TheBlinkWalksThePaletteAndKeepsCountingWhileHidden)
{
    w->cmdRequests->setVisible(true);
    const QList<QColor> expected = {{255, 255, 192}, {255, 255, 128}, {255, 255, 0}, {192, 192, 0}, {128, 128, 0},
                                    {64, 64, 0},     {64, 64, 0},     {128, 128, 0}, {192, 192, 0}, {255, 255, 0},
                                    {255, 255, 128}, {255, 255, 192}, {255, 255, 192}};
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(w->blinkStep(), i % 12);
        w->tmrButton_Timer();
        EXPECT_EQ(w->requestsBackColor(), expected[i]) << i;
    }
    EXPECT_EQ(w->blinkStep(), 1);
    w->cmdRequests->setVisible(false);
    const QColor kept = w->requestsBackColor();
    w->tmrButton_Timer();
    w->tmrButton_Timer();
    EXPECT_EQ(w->blinkStep(), 3);
    EXPECT_EQ(w->requestsBackColor(), kept); // nothing painted while hidden
    w->cmdRequests->setVisible(true);
    w->tmrButton_Timer();
    EXPECT_EQ(w->requestsBackColor(), QColor(192, 192, 0)); // goes on from step 3
    EXPECT_EQ(w->tmrButton->interval(), 50);
}

TEST_F(Timers, TheButtonOpensTheRequestsOrSaysThereAreNone)
{
    w->tmrRequests_Timer();
    w->cmdRequests_Click();
    EXPECT_EQ(UiScript::dialogsRun(), QStringList(QStringLiteral("frmCommunication")));
    EXPECT_TRUE(w->cmdRequests->isVisibleTo(w));

    setParameter(QStringLiteral("EnableCLSched"), QStringLiteral("1"));
    UiScript::reset();
    w->cmdRequests_Click();
    EXPECT_EQ(UiScript::dialogsRun(), QStringList(QStringLiteral("frmCathlabSched")));

    // handled meanwhile: the click says so and hides the button at once
    closeOpenRequests();
    UiScript::reset();
    w->cmdRequests_Click();
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(UiScript::shown()[0].text, QStringLiteral("No pending requests."));
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Notification"));
    EXPECT_EQ(UiScript::shown()[0].style & 0x70, int(vbInformation));
    EXPECT_FALSE(w->cmdRequests->isVisibleTo(w));
    EXPECT_TRUE(w->tmrRequests->isActive());
}

TEST_F(Timers, ANoticeIsAnnouncedAndRepeatedUntilCleared)
{
    ASSERT_EQ(LoadDischargeNoticeCount(conn()), 1); // the demo's final notice, not cleared by the department
    ASSERT_TRUE(w->Agent1->isLoaded());
    EXPECT_FALSE(w->Agent1->speechAvailable()); // tests are silent
    w->tmrNotice_Timer();
    EXPECT_EQ(w->Agent1->requests(), (QStringList{QStringLiteral("Show"), QStringLiteral("Play announce"),
                                                  QStringLiteral("Speak You have discharge notice.")}));
    EXPECT_TRUE(w->Agent1->isVisible());
    EXPECT_TRUE(w->Agent1->balloonVisible());
    EXPECT_EQ(w->Agent1->balloonText(), QStringLiteral("You have discharge notice."));
    EXPECT_TRUE(w->tmrMerlin->isActive());
    EXPECT_EQ(w->tmrMerlin->interval(), 15000);
    EXPECT_TRUE(w->tmrNotice->isActive());

    // the repeat
    w->Agent1->clearRequests();
    w->tmrMerlin_Timer();
    EXPECT_EQ(w->Agent1->requests().size(), 3);

    // the department clears the patient: the next check hides the character and stops the repeat
    conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseDeptClearance (IDNum, DepartmentID, ClearDate, ClearedBy) "
                                  "SELECT IDNum, 'CL', ?, 'CL001' FROM STATION..TBNURSEDISCHARGENOTICE WHERE RecordStatus = 'F' "
                                  "AND IDNum NOT IN (SELECT IDNum FROM STATION..tbNurseDeptClearance)"),
                   {Session.ServerDate});
    EXPECT_EQ(LoadDischargeNoticeCount(conn()), 0);
    w->Agent1->clearRequests();
    w->tmrNotice_Timer();
    EXPECT_EQ(w->Agent1->requests(), (QStringList{QStringLiteral("Stop"), QStringLiteral("Hide")}));
    EXPECT_FALSE(w->Agent1->isVisible());
    EXPECT_FALSE(w->tmrMerlin->isActive());
    EXPECT_TRUE(w->tmrNotice->isActive());

    // a later notice starts it again
    conn().execute(QStringLiteral("UPDATE STATION..TBNURSEDISCHARGENOTICE SET RecordStatus = 'P' WHERE RecordStatus = 'S'"));
    w->tmrNotice_Timer();
    EXPECT_TRUE(w->Agent1->isVisible());
    EXPECT_TRUE(w->tmrMerlin->isActive());
}

// The character never stands over a dialog the user answers, whether it was open before the
// announcement or opened while the character shows.
TEST_F(Timers, TheAnnouncerStandsClearOfAnOpenDialog)
{
    ASSERT_EQ(LoadDischargeNoticeCount(conn()), 1);
    w->show();
    const QRect area = w->screen()->availableGeometry();
    struct Case { const char* what; bool dialogFirst; };
    const Case cases[] = {{"a dialog open before the announcement", true}, {"a dialog opened while it shows", false}};
    for (const Case& c : cases) {
        w->Agent1->hide();
        w->Agent1->moveTo(area.right() - w->Agent1->width(), area.bottom() - w->Agent1->height());
        QDialog dialog(w);
        dialog.setWindowModality(Qt::ApplicationModal);
        auto* edit = new QLineEdit(&dialog);
        dialog.setGeometry(area.right() - 420, area.bottom() - 380, 400, 360);
        if (c.dialogFirst) dialog.show();
        w->tmrNotice_Timer();
        if (!c.dialogFirst) dialog.show();
        dialog.activateWindow();
        edit->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(w->Agent1->isVisible()) << c.what;
        EXPECT_FALSE(w->Agent1->geometry().intersects(dialog.frameGeometry())) << c.what;
        EXPECT_TRUE(area.contains(w->Agent1->geometry())) << c.what;
    }
}

TEST_F(Timers, AFailedNoticeCheckKeepsRetryingOnItsTimer)
{
    w->tmrNotice_Timer();
    ASSERT_TRUE(w->tmrMerlin->isActive());
    {
        TableOutOfReach away(conn(), QStringLiteral("STATION..tbNurseDeptClearance"));
        w->tmrNotice_Timer();
        ASSERT_EQ(UiScript::shown().size(), 1);
        EXPECT_TRUE(UiScript::lastText().endsWith(QStringLiteral("Please notify your IT department.")));
        EXPECT_TRUE(w->tmrNotice->isActive()); // the next tick checks again
        EXPECT_TRUE(w->tmrMerlin->isActive()); // keeps its state

        // the same failure on the next ticks is logged, not shown again
        w->tmrNotice_Timer();
        w->tmrNotice_Timer();
        EXPECT_EQ(UiScript::shown().size(), 1);
        EXPECT_TRUE(w->tmrNotice->isActive());
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseErrLog WHERE ErrSource = 'tmrNotice_Timer'")), 2);
    }
    // the table is back: the next tick announces again, with no list opened meanwhile
    w->Agent1->clearRequests();
    w->tmrNotice_Timer();
    EXPECT_TRUE(w->Agent1->requests().contains(QStringLiteral("Speak You have discharge notice.")));
    EXPECT_TRUE(w->tmrNotice->isActive());
    EXPECT_EQ(UiScript::shown().size(), 1);

    // a later failure, after a good check, is shown again
    TableOutOfReach away(conn(), QStringLiteral("STATION..tbNurseDeptClearance"));
    w->tmrNotice_Timer();
    EXPECT_EQ(UiScript::shown().size(), 2);
    EXPECT_TRUE(w->tmrNotice->isActive());
}

TEST_F(Timers, TheListOfNoticesHidesTheCharacterThenChecksAgain)
{
    w->tmrNotice_Timer();
    w->Agent1->clearRequests();
    UiScript::reset();
    w->mnuListDischargeNotice->trigger();
    EXPECT_EQ(UiScript::dialogsRun(), QStringList(QStringLiteral("frmDischargeNotice")));
    // stopped and hidden first, then the check at once announces the waiting notice again
    ASSERT_GE(w->Agent1->requests().size(), 3);
    EXPECT_EQ(w->Agent1->requests().mid(0, 2), (QStringList{QStringLiteral("Stop"), QStringLiteral("Hide")}));
    EXPECT_TRUE(w->Agent1->requests().contains(QStringLiteral("Speak You have discharge notice.")));

    // a double-click on the character opens the same list; another character's does nothing
    UiScript::reset();
    Q_EMIT w->Agent1->doubleClicked(QStringLiteral("merlin"));
    EXPECT_EQ(UiScript::dialogsRun(), QStringList(QStringLiteral("frmDischargeNotice")));
    UiScript::reset();
    w->Agent1_DblClick(QStringLiteral("genie"));
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
}

TEST_F(Timers, TheFirstTickShowsTheSplashThenTheListThenChecks)
{
    w->Timer1->start();
    clearNotices();
    w->Timer1_Timer();
    EXPECT_FALSE(w->Timer1->isActive());
    EXPECT_EQ(UiScript::dialogsRun().value(0), QStringLiteral("frmSplash"));
    EXPECT_TRUE(w->tmrNotice->isActive());
    EXPECT_FALSE(w->tmrMerlin->isActive());
    EXPECT_TRUE(w->cmdRequests->isVisibleTo(w));
    EXPECT_TRUE(w->tmrRequests->isActive());
}

TEST_F(Timers, WithoutACharacterTheChecksStillRun)
{
    delete mdiCathLabMenu::existing();
    w = mdiCathLabMenu::instance(); // LoadAgentCharacter not run: no character
    w->tmrNotice_Timer();
    EXPECT_TRUE(UiScript::shown().isEmpty());
    EXPECT_TRUE(w->tmrMerlin->isActive());
    w->tmrMerlin_Timer();
    EXPECT_FALSE(w->Agent1->isVisible());
}

} // namespace
