#include "patients/MainWindowLinks.h"

#include "platform/ui/MessageBox.h"
#include "shell/mdiCathLabMenu.h"
#include "shell/settings/frmControlPanel.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProgressBar>
#include <QToolBar>

namespace {
bool g_menusEnabled = false;

mdiCathLabMenu* mainWindow() { return mdiCathLabMenu::isLoaded() ? mdiCathLabMenu::existing() : nullptr; }

QAction* action(const char* name)
{
    auto* w = mainWindow();
    return w ? w->findChild<QAction*>(QString::fromLatin1(name)) : nullptr;
}
}

namespace MainWindowLinks {

void EnablePatientMenus(bool enabled)
{
    g_menusEnabled = enabled;
    for (const char* name : {"mnuInfo", "mnuLedger", "mnuRS"})
        if (QAction* a = action(name)) a->setEnabled(enabled);
}

bool PatientMenusEnabled()
{
    if (QAction* a = action("mnuInfo")) return a->isEnabled();
    return g_menusEnabled;
}

void EnableToolbarButton4()
{
    auto* w = mainWindow();
    if (!w || !w->Toolbar1) return;
    const QList<QAction*> buttons = w->Toolbar1->actions();
    if (buttons.size() >= 4) buttons[3]->setEnabled(true);
}

void HideProgressBar()
{
    auto* w = mainWindow();
    if (!w) return;
    if (auto* bar = w->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))) bar->hide();
}

void PopupInquiryMenu(const QPoint& globalPos)
{
    auto* w = mainWindow();
    if (!w) return;
    if (auto* menu = w->findChild<QMenu*>(QStringLiteral("mnuInquiry"))) menu->popup(globalPos);
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
