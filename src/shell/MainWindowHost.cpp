// The patient lists and the workspace reach the main window through MainWindowLinks; this is the
// main window's side of that link, installed when the program's libraries load.
#include "shared/MainWindowLinks.h"
#include "platform/ui/MessageBox.h"
#include "shell/mdiCathLabMenu.h"
#include "shell/settings/RvsPickerHost.h"
#include "shell/settings/frmControlPanel.h"
#include "shell/settings/frmMarkUp.h"

#include <QProgressBar>

namespace {
const MainWindowLinks::MainWindow* loadedMainWindow()
{
    static MainWindowLinks::MainWindow links;
    if (!mdiCathLabMenu::isLoaded()) return nullptr;
    mdiCathLabMenu* w = mdiCathLabMenu::existing();
    links.mdiArea = w->mdiArea;
    links.patientMenus = {w->mnuInfo, w->mnuLedger, w->mnuRS};
    links.operationButton = w->toolbarButton(QStringLiteral("Operation"));
    links.progressBar = w->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    links.inquiryMenu = w->mnuInquiry;
    links.minorPackageMenu = w->mnuMinorPackage;
    links.consignedItems = w->mnuConsignedItems;
    links.equipmentItems = w->mnuEquipment;
    return &links;
}

const bool installed = [] {
    MainWindowLinks::setHost({loadedMainWindow, [] { runModal(frmControlPanel::instance()); },
                              [] {
                                  frmMarkUp markUp;
                                  runModal(&markUp);
                              }});
    InstallRvsPickerLink();
    return true;
}();
}
