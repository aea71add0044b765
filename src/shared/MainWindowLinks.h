#pragma once
#include <QList>
#include <QPoint>

#include <functional>

class QAction;
class QMdiArea;
class QMenu;
class QProgressBar;
class QWidget;

// What the patient windows do to the main window: its menu items and toolbar button, its progress
// bar, its Inquiry menu, and showing a window as its child. Each does nothing while the main
// window is not loaded (tests, tools).
namespace MainWindowLinks {
// The main window sits above the lists, so the shell installs what they reach of it.
struct MainWindow {
    QMdiArea* mdiArea = nullptr;
    QList<QAction*> patientMenus;    // mnuInfo, mnuLedger, mnuRS
    QAction* operationButton = nullptr; // the toolbar's button 4
    QProgressBar* progressBar = nullptr;
    QMenu* inquiryMenu = nullptr;
    QMenu* minorPackageMenu = nullptr;                              // mnuMinorPackage
    QAction *consignedItems = nullptr, *equipmentItems = nullptr; // mnuConsignedItems, mnuEquipment
};
struct Host {
    std::function<const MainWindow*()> mainWindow; // null while the main window is not loaded
    std::function<void()> showControlPanel;
    std::function<void()> showMarkUpChoice;
};
void setHost(Host host);
// The host installed now (a test that installs its own puts this one back).
Host currentHost();

// "Personal Info", "Patient's Ledger" and "Request Status" (mnuInfo, mnuLedger, mnuRS).
void EnablePatientMenus(bool enabled);
bool PatientMenusEnabled();
// One of the three alone.
enum class PatientMenu { Info = 0, Ledger = 1, RequestStatus = 2 };
void EnablePatientMenu(PatientMenu menu, bool enabled);
// The toolbar's button 4.
void EnableToolbarButton4();
void HideProgressBar();
// The Inquiry menu (mnuInquiry) at a screen point.
void PopupInquiryMenu(const QPoint& globalPos);
// "Minor Packages" at a screen point with only one of its two "Package Items" shown.
enum class MinorPackageItem { ConsignedItems, Equipment };
void PopupMinorPackageMenu(const QPoint& globalPos, MinorPackageItem shown);
// The station's control panel, modal.
void ShowControlPanel();
// The mark-up choice of a charged item, modal; its answers are in DialogAnswers (none without a main window).
void ShowMarkUpChoice();
// Shows a window as a child of the main window (maximised); on its own without one.
void ShowChild(QWidget* window, bool maximised = true);
}
