#include "patients/MainWindowLinks.h"

#include "platform/ui/MessageBox.h"
#include "shell/mdiCathLabMenu.h"
#include "shell/settings/frmControlPanel.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProgressBar>

namespace {
// What the lists asked last: the main window's "Personal Info" is hidden for good, and a hidden
// action always reads as disabled.
bool g_menusEnabled = false;

mdiCathLabMenu* mainWindow() { return mdiCathLabMenu::isLoaded() ? mdiCathLabMenu::existing() : nullptr; }
}

namespace MainWindowLinks {

void EnablePatientMenus(bool enabled)
{
    g_menusEnabled = enabled;
    if (auto* w = mainWindow())
        for (QAction* a : {w->mnuInfo, w->mnuLedger, w->mnuRS})
            if (a) a->setEnabled(enabled);
}

bool PatientMenusEnabled() { return g_menusEnabled; }

void EnableToolbarButton4()
{
    if (auto* w = mainWindow())
        if (QAction* a = w->toolbarButton(QStringLiteral("Operation"))) a->setEnabled(true);
}

void HideProgressBar()
{
    auto* w = mainWindow();
    if (!w) return;
    if (auto* bar = w->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))) bar->hide();
}

void PopupInquiryMenu(const QPoint& globalPos)
{
    if (auto* w = mainWindow())
        if (w->mnuInquiry) w->mnuInquiry->popup(globalPos);
}

void ShowControlPanel() { runModal(frmControlPanel::instance()); }

void ShowChild(QWidget* window, bool maximised)
{
    auto* w = mainWindow();
    if (!w) {
        maximised ? window->showMaximized() : window->show();
        return;
    }
    QMdiSubWindow* sub = nullptr;
    for (QMdiSubWindow* s : w->mdiArea->subWindowList())
        if (s->widget() == window) sub = s;
    if (!sub) {
        sub = w->mdiArea->addSubWindow(window);
        sub->setAttribute(Qt::WA_DeleteOnClose, true);
    }
    maximised ? sub->showMaximized() : sub->show();
    w->mdiArea->setActiveSubWindow(sub);
    window->raise();
}

} // namespace MainWindowLinks
