// The main window's timers: the first tick, the requests button with its blink, and the
// discharge-notice announcer with its repeat.
#include "shell/mdiCathLabMenu.h"

#include "exam_requests/frmCommunication.h"
#include "platform/agent/Agent.h"
#include "platform/ui/MessageBox.h"
#include "registration/frmCathlabSched.h"
#include "registration/frmDischargeNotice.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shell/ShellData.h"
#include "shell/frmSplash.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

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
        if (StationParameters().EnableCLSched()) {
            frmCathlabSched dialog(this);
            runModal(&dialog);
        } else {
            frmCommunication dialog(this);
            runModal(&dialog);
        }
    } else {
        MsgBox(QStringLiteral("No pending requests."), vbOKOnly | vbInformation, QStringLiteral("Notification"));
        cmdRequests->setVisible(false);
    }
    tmrRequests_Timer(); // the button follows what the window changed
}

void mdiCathLabMenu::AnnounceDischargeNotice()
{
    if (!Agent1->isLoaded() || Agent1->characterId().compare(kCharacter, Qt::CaseInsensitive) != 0) return;
    KeepAnnouncerClear();
    Agent1->show();
    Agent1->play(QStringLiteral("announce"));
    Agent1->speak(kNotice);
}

namespace {
QRect OnScreen(const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }
}

// The active child, the main window's own bars, and the other windows of the program on screen.
QList<const QWidget*> mdiCathLabMenu::PartsInView() const
{
    QList<const QWidget*> roots{Toolbar1};
    if (menuWidget()) roots << menuWidget();
    if (QMdiSubWindow* sub = mdiArea->activeSubWindow()) roots << sub;
    for (const QWidget* top : QApplication::topLevelWidgets())
        if (top != this && top->isVisible() && top->objectName() != QLatin1String("Agent1")) roots << top;
    return roots;
}

QList<QRect> mdiCathLabMenu::ControlsInView() const
{
    QList<QRect> rects;
    for (const QWidget* root : PartsInView()) {
        if (root->isWindow()) rects << root->frameGeometry();
        for (const QWidget* c : root->findChildren<QWidget*>())
            if (c->isVisible() && (qobject_cast<const QAbstractButton*>(c) || qobject_cast<const QLineEdit*>(c)
                                   || qobject_cast<const QComboBox*>(c) || qobject_cast<const QAbstractSpinBox*>(c)))
                rects << OnScreen(c);
    }
    return rects;
}

QList<QRect> mdiCathLabMenu::ListsInView(bool filledOnly) const
{
    QList<QRect> rects;
    for (const QWidget* root : PartsInView())
        for (const QAbstractItemView* v : root->findChildren<QAbstractItemView*>()) {
            if (!v->isVisible()) continue;
            QRect r = OnScreen(v);
            const QAbstractItemModel* m = v->model();
            if (filledOnly && m) {
                // down to the last line, when it shows (an empty list: its headings)
                QRect last;
                for (int c = 0; c < m->columnCount() && !last.isValid() && m->rowCount() > 0; ++c)
                    last = v->visualRect(m->index(m->rowCount() - 1, c)); // a hidden column has none
                const int bottom = v->viewport()->mapTo(v, QPoint(0, last.isValid() ? last.bottom() + 1 : 0)).y();
                r.setHeight(std::clamp(bottom, 0, r.height()));
            }
            rects << r;
        }
    return rects;
}

void mdiCathLabMenu::KeepAnnouncerClear()
{
    Agent1->keepClearOf({ControlsInView(), ListsInView(true), ListsInView(false)});
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
        m_noticeCheckFailing = false;
    } catch (const std::exception& e) {
        // The check goes on on its timer: a run of failures is shown once, the later ones are logged.
        if (m_noticeCheckFailing) LogPassedOverError(QStringLiteral("tmrNotice_Timer"), e);
        else ShowErrorNotice(e);
        m_noticeCheckFailing = true;
    }
    tmrNotice->start();
}

void mdiCathLabMenu::tmrMerlin_Timer() { AnnounceDischargeNotice(); }

void mdiCathLabMenu::mnuListDischargeNotice_Click()
{
    Agent1->stop();
    Agent1->hide();
    QString idNum;
    bool valid = false;
    {
        frmDischargeNotice list(this);
        runModal(&list);
        idNum = list.IDNum;
        valid = list.Valid;
    }
    tmrNotice->start(); // the list starts the notice timer again when it closes
    if (valid) {
        frmClearPatient clearance(this);
        clearance.IDNum = idNum;
        runModal(&clearance);
    }
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
