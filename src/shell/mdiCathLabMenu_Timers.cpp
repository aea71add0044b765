// The main window's timers: the first tick, the requests button with its blink, and the
// discharge-notice announcer with its repeat.
#include "shell/mdiCathLabMenu.h"

#include "platform/agent/Agent.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shell/NotYetAvailable.h"
#include "shell/ShellData.h"
#include "shell/frmSplash.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {
const QString kCharacter = QStringLiteral("merlin");
const QString kNotice = QStringLiteral("You have discharge notice.");
}

void mdiCathLabMenu::Timer1_Timer()
{
    Timer1->stop(); // once only
    frmSplash splash(this);
    runModal(&splash);
    mnuOpen_Click(); // the patient list the station works with
    tmrNotice->start();
    tmrNotice_Timer();
    tmrRequests_Timer();
}

void mdiCathLabMenu::tmrRequests_Timer()
{
    tmrRequests->stop();
    if (HasPendingRequests(SharedConnection())) {
        cmdRequests->setVisible(true);
        MDIForm_Resize();
        tmrButton->start();
    } else {
        cmdRequests->setVisible(false);
    }
    tmrRequests->start();
}

QColor mdiCathLabMenu::blinkColor(int step)
{
    // pale yellow through yellow and olive to dark olive and back
    static const int palette[12][3] = {{255, 255, 192}, {255, 255, 128}, {255, 255, 0}, {192, 192, 0},
                                       {128, 128, 0},   {64, 64, 0},     {64, 64, 0},   {128, 128, 0},
                                       {192, 192, 0},   {255, 255, 0},   {255, 255, 128}, {255, 255, 192}};
    const auto& c = palette[qBound(0, step, 11)];
    return QColor(c[0], c[1], c[2]);
}

void mdiCathLabMenu::tmrButton_Timer()
{
    try {
        if (!cmdRequests->isHidden()) setRequestsColor(blinkColor(m_blinkStep));
        m_blinkStep = m_blinkStep == 11 ? 0 : m_blinkStep + 1;
    } catch (const std::exception& e) {
        MsgBox(QString::fromUtf8(e.what()), vbOKOnly | vbInformation, QStringLiteral("tmrButton_Timer"));
    }
}

void mdiCathLabMenu::cmdRequests_Click()
{
    if (HasPendingRequests(SharedConnection())) {
        if (StationParameters().EnableCLSched())
            ShowNotYetAvailable(QStringLiteral("frmCathlabSched"), QStringLiteral("Cathlab Schedule Entry"));
        else
            ShowNotYetAvailable(QStringLiteral("frmCommunication"), QStringLiteral("Communication File"));
    } else {
        MsgBox(QStringLiteral("No pending requests."), vbOKOnly | vbInformation, QStringLiteral("Notification"));
        cmdRequests->setVisible(false);
    }
    tmrRequests_Timer(); // the button follows what the window changed
}

void mdiCathLabMenu::AnnounceDischargeNotice()
{
    if (!Agent1->isLoaded() || Agent1->characterId().compare(kCharacter, Qt::CaseInsensitive) != 0) return;
    Agent1->show();
    Agent1->play(QStringLiteral("announce"));
    Agent1->speak(kNotice);
}

void mdiCathLabMenu::tmrNotice_Timer()
{
    tmrNotice->stop();
    try {
        if (LoadDischargeNoticeCount(SharedConnection()) > 0) {
            tmrMerlin->stop();
            AnnounceDischargeNotice();
            tmrMerlin->start(); // the notice repeats every 15 seconds
        } else {
            tmrMerlin->stop();
            Agent1->stop();
            Agent1->hide();
        }
    } catch (const std::exception& e) {
        // no further checks until the notice list closes
        ShowErrorNotice(e);
        return;
    }
    tmrNotice->start();
}

void mdiCathLabMenu::tmrMerlin_Timer() { AnnounceDischargeNotice(); }

void mdiCathLabMenu::mnuListDischargeNotice_Click()
{
    Agent1->stop();
    Agent1->hide();
    // The notice list and the clearance come with registration and discharge; the list starts
    // the notice timer again when it closes.
    ShowNotYetAvailable(QStringLiteral("frmDischargeNotice"), QStringLiteral("List Discharge Notices"));
    tmrNotice->start();
    tmrNotice_Timer();
}

void mdiCathLabMenu::Agent1_DblClick(const QString& characterId)
{
    if (characterId.compare(kCharacter, Qt::CaseInsensitive) != 0) return;
    mnuListDischargeNotice_Click();
}

void mdiCathLabMenu::SysInfo1_DisplayChanged()
{
    QWidget* active = QApplication::activeWindow();
    QScreen* screen = active ? active->screen() : QGuiApplication::primaryScreen();
    if (!active || !screen) return;
    const QRect work = screen->availableGeometry();
    QRect g = active->frameGeometry();
    if (work.width() < g.width()) {
        g.setLeft(work.left());
        g.setWidth(work.width());
    }
    if (work.height() < g.height()) {
        g.setTop(work.top());
        g.setHeight(work.height());
    }
    if (g != active->frameGeometry()) {
        active->move(g.topLeft());
        active->resize(g.size() - (active->frameGeometry().size() - active->size()));
    }
}
