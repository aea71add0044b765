#include "shared/MainWindowLinks.h"

#include "platform/ui/MessageBox.h"
#include "platform/ui/ScreenFit.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProgressBar>
#include <QTimer>
#include <memory>

namespace {
// What the lists asked last: the main window's "Personal Info" is hidden for good, and a hidden
// action always reads as disabled.
bool g_menusEnabled = false;

MainWindowLinks::Host& host()
{
    static MainWindowLinks::Host h;
    return h;
}

const MainWindowLinks::MainWindow* mainWindow() { return host().mainWindow ? host().mainWindow() : nullptr; }
}

namespace MainWindowLinks {

void setHost(Host h) { host() = std::move(h); }

Host currentHost() { return host(); }

void EnablePatientMenus(bool enabled)
{
    g_menusEnabled = enabled;
    if (auto* w = mainWindow())
        for (QAction* a : w->patientMenus)
            if (a) a->setEnabled(enabled);
}

bool PatientMenusEnabled() { return g_menusEnabled; }

void EnablePatientMenu(PatientMenu menu, bool enabled)
{
    if (auto* w = mainWindow())
        if (int(menu) < w->patientMenus.size() && w->patientMenus[int(menu)]) w->patientMenus[int(menu)]->setEnabled(enabled);
}

void EnableToolbarButton4()
{
    if (auto* w = mainWindow())
        if (w->operationButton) w->operationButton->setEnabled(true);
}

void HideProgressBar()
{
    auto* w = mainWindow();
    if (!w) return;
    if (w->progressBar) w->progressBar->hide();
}

void PopupInquiryMenu(const QPoint& globalPos)
{
    if (auto* w = mainWindow())
        if (w->inquiryMenu) w->inquiryMenu->popup(globalPos);
}

void PopupMinorPackageMenu(const QPoint& globalPos, MinorPackageItem shown)
{
    auto* w = mainWindow();
    if (!w || !w->minorPackageMenu) return;
    if (w->consignedItems) w->consignedItems->setVisible(shown == MinorPackageItem::ConsignedItems);
    if (w->equipmentItems) w->equipmentItems->setVisible(shown == MinorPackageItem::Equipment);
    w->minorPackageMenu->popup(globalPos);
}

void ShowControlPanel()
{
    if (host().showControlPanel) host().showControlPanel();
}

void ShowMarkUpChoice()
{
    if (host().showMarkUpChoice) host().showMarkUpChoice();
}

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
        // A child that closes itself (the workspace going back to the list) takes its frame along:
        // an empty frame would stay among the children that Ctrl+Tab cycles through.
        QObject::connect(window, &QObject::destroyed, sub, &QObject::deleteLater);
        // A maximised child that closes leaves the one that comes to the front maximised too.
        auto maximisedNow = std::make_shared<bool>(false);
        QObject::connect(sub, &QMdiSubWindow::windowStateChanged, sub, [maximisedNow](Qt::WindowStates, Qt::WindowStates now) {
            *maximisedNow = now.testFlag(Qt::WindowMaximized);
        });
        QMdiArea* area = w->mdiArea;
        QObject::connect(window, &QObject::destroyed, area, [area, maximisedNow] {
            if (!*maximisedNow) return;
            QTimer::singleShot(0, area, [area] {
                if (QMdiSubWindow* next = area->currentSubWindow()) next->showMaximized();
            });
        });
    }
    maximised ? sub->showMaximized() : sub->show();
    KeepOnScreen(sub); // a child larger than the area or placed past its edge is brought inside
    w->mdiArea->setActiveSubWindow(sub);
    window->raise();
}

} // namespace MainWindowLinks
