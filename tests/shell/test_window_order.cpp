// Which child window of the main window is in front after the moves a nurse makes: reports opened
// after their date prompt, viewers closed from the workspace, the workspace going back to the list,
// and the announcer standing clear of the buttons of the window in front.
#include "shell/ShellTest.h"

#include "shared/MainWindowLinks.h"
#include "patients/WorkspaceHandOff.h"
#include "platform/agent/Agent.h"
#include "shared/reports/frmReportViewer.h"
#include "workspace/frmFinal.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

class WindowOrder : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        w->show();
        w->activateWindow();
        settle();
    }
    void TearDown() override
    {
        for (QMdiSubWindow* s : w->mdiArea->subWindowList())
            if (qobject_cast<frmReportViewer*>(s->widget())) s->close();
        if (frmFinal::isLoaded()) frmFinal::existing()->close();
        settle();
        ShellTest::TearDown();
    }
    static void settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
    }
    QWidget* front() const
    {
        QMdiSubWindow* active = w->mdiArea->activeSubWindow();
        const QList<QMdiSubWindow*> stack = w->mdiArea->subWindowList(QMdiArea::StackingOrder);
        // the active child is also the one on top
        return active && !stack.isEmpty() && stack.last() == active ? active->widget() : nullptr;
    }
    frmFinal* openWorkspace()
    {
        const QString id = QStringLiteral("2026900001");
        Selection.SelectedIDNum = id;
        Selection.SelectedHospNum = conn().query(QStringLiteral("SELECT HospNum FROM PATIENT_DATA..tbPatient WHERE IDNum = ?"), {id})
                              .text(QStringLiteral("HospNum"));
        Selection.SelectedPatientType = QStringLiteral("I");
        WorkspaceHandOff::OpenFromList(Selection.SelectedHospNum, id);
        frmFinal* f = frmFinal::existing();
        f->Timer1_Timer();
        settle();
        return f;
    }
};

TEST_F(WindowOrder, AReportOpenedAfterItsDatePromptComesToTheFront)
{
    using Action = void (mdiCathLabMenu::*)();
    for (Action action : {&mdiCathLabMenu::mnuCLCensus_Click, &mdiCathLabMenu::mnuDetailed_Click, &mdiCathLabMenu::mnuMonthly_Click}) {
        w->mnuOpen_Click();
        frmCathPatients* list = frmCathPatients::existing();
        ASSERT_TRUE(list);
        list->txtSearch[0]->setFocus(); // where the nurse was typing
        settle();
        ASSERT_EQ(front(), list);

        answerDates(nullptr, today().addDays(-30), today());
        (w->*action)();
        w->activateWindow(); // the main window gets its focus back from the prompt
        settle();
        auto* viewer = qobject_cast<frmReportViewer*>(front());
        ASSERT_TRUE(viewer) << (front() ? front()->objectName().toStdString() : "nothing in front");
        EXPECT_EQ(viewer->windowTitle(), ReportLog::calls().last().caption);
        w->mdiArea->activeSubWindow()->close();
        settle();
    }
}

TEST_F(WindowOrder, ClosingAViewerOpenedFromTheWorkspaceGoesBackToTheWorkspace)
{
    w->mnuOpen_Click();
    frmFinal* f = openWorkspace();
    ASSERT_EQ(front(), f);
    struct Opening { const char* name; std::function<void()> open; };
    const Opening openings[] = {
        {"Diet List", [f] { f->lblReports_Click(0); }},
        {"Statement of account (F11)", [f] { f->Form_KeyDown(122); }},
    };
    for (const Opening& o : openings) {
        SCOPED_TRACE(o.name);
        o.open();
        settle();
        ASSERT_TRUE(qobject_cast<frmReportViewer*>(front())) << UiScript::lastText().toStdString();
        w->mdiArea->activeSubWindow()->close(); // the frame's close button
        settle();
        EXPECT_EQ(front(), f);
        EXPECT_EQ(QApplication::focusWidget() ? QApplication::focusWidget()->window() : nullptr, w);
        EXPECT_TRUE(f->isAncestorOf(QApplication::focusWidget()));
    }
}

TEST_F(WindowOrder, BackToThePatientListLeavesNoEmptyFrame)
{
    w->mnuOpen_Click();
    frmFinal* f = openWorkspace();
    ASSERT_EQ(w->mdiArea->subWindowList().size(), 2);
    UiScript::queueAnswer(vbYes);
    f->cmdExit->click();
    settle();
    EXPECT_FALSE(frmFinal::isLoaded());
    const QList<QMdiSubWindow*> subs = w->mdiArea->subWindowList();
    ASSERT_EQ(subs.size(), 1);
    EXPECT_EQ(subs[0]->widget(), frmCathPatients::existing());
    EXPECT_EQ(front(), frmCathPatients::existing());
    // Ctrl+Tab has nothing else to go to
    w->mdiArea->activateNextSubWindow();
    EXPECT_EQ(front(), frmCathPatients::existing());
}

// A window opened maximised over the workspace (the charging entry) leaves it maximised when it
// closes, whichever way it closes.
TEST_F(WindowOrder, TheWorkspaceStaysMaximisedWhenAWindowOverItCloses)
{
    w->mnuOpen_Click();
    frmFinal* f = openWorkspace();
    ASSERT_TRUE(f->parentWidget()->isMaximized());
    struct Closing { const char* how; std::function<void(QWidget*)> close; };
    const Closing closings[] = {
        {"the window closes itself", [](QWidget* over) { over->close(); }},
        {"the frame's close button", [](QWidget* over) { over->parentWidget()->close(); }},
    };
    for (const Closing& c : closings) {
        auto* over = new QWidget;
        over->setAttribute(Qt::WA_DeleteOnClose);
        MainWindowLinks::ShowChild(over, true);
        settle();
        ASSERT_EQ(front(), over) << c.how;
        c.close(over);
        settle();
        EXPECT_EQ(front(), f) << c.how;
        EXPECT_TRUE(f->parentWidget()->isMaximized()) << c.how;
    }
}

class Announcer : public WindowOrder {
protected:
    void SetUp() override
    {
        WindowOrder::SetUp();
        w->LoadAgentCharacter();
        ASSERT_TRUE(w->Agent1->isLoaded());
    }
    static QRect onScreen(const QWidget* c) { return QRect(c->mapToGlobal(QPoint(0, 0)), c->size()); }
    QWidget* agentWindow() const
    {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("Agent1")) return top;
        return nullptr;
    }
};

TEST_F(Announcer, StandsClearOfTheButtonsOfTheWindowInFront)
{
    w->mnuOpen_Click();
    frmFinal* f = openWorkspace();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // its home corner is where the workspace keeps its way back to the list
    ASSERT_TRUE(onScreen(f->cmdExit).intersects(QRect(screen.right() + 1 - w->Agent1->width(),
                                                      screen.bottom() + 1 - w->Agent1->height(), w->Agent1->width(),
                                                      w->Agent1->height())));
    w->AnnounceDischargeNotice();
    ASSERT_TRUE(w->Agent1->isVisible());
    const QRect agent = w->Agent1->geometry();
    EXPECT_TRUE(screen.contains(agent));
    for (const QAbstractButton* b : f->findChildren<QAbstractButton*>())
        if (b->isVisible()) EXPECT_FALSE(agent.intersects(onScreen(b))) << b->text().toStdString();
    for (const QLineEdit* e : f->findChildren<QLineEdit*>())
        if (e->isVisible()) EXPECT_FALSE(agent.intersects(onScreen(e))) << e->objectName().toStdString();

    // back on the list, it leaves the list and its buttons free
    UiScript::queueAnswer(vbYes);
    f->cmdExit->click();
    settle();
    w->AnnounceDischargeNotice();
    const QList<QRect> lists = w->ListsInView();
    ASSERT_FALSE(lists.isEmpty());
    for (const QRect& r : lists + w->ControlsInView()) EXPECT_FALSE(w->Agent1->geometry().intersects(r));
}

TEST_F(Announcer, TheUserCanDragItAsideAndItStaysThere)
{
    w->AnnounceDischargeNotice();
    settle();
    QWidget* character = agentWindow();
    ASSERT_TRUE(character);
    const QPoint start = w->Agent1->position();
    const QPoint grab = character->rect().center();
    QTest::mousePress(character, Qt::LeftButton, {}, grab);
    QTest::mouseMove(character, grab - QPoint(300, 200));
    QTest::mouseRelease(character, Qt::LeftButton, {}, grab - QPoint(300, 200));
    settle(); // a window on screen moves when the platform says so
    EXPECT_EQ(w->Agent1->position(), start - QPoint(300, 200));
    EXPECT_TRUE(w->Agent1->userPlaced());

    // the next announcement leaves it where the user put it
    w->mnuOpen_Click();
    openWorkspace();
    w->AnnounceDischargeNotice();
    settle();
    EXPECT_EQ(w->Agent1->position(), start - QPoint(300, 200));
}

} // namespace
