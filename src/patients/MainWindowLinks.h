#pragma once
#include <QPoint>

class QWidget;

// What the patient windows do to the main window: its menu items and toolbar button, its progress
// bar, its Inquiry menu, and showing a window as its child. Each does nothing while the main
// window is not loaded (tests, tools).
namespace MainWindowLinks {
// "Personal Info", "Patient's Ledger" and "Request Status" (mnuInfo, mnuLedger, mnuRS).
void EnablePatientMenus(bool enabled);
bool PatientMenusEnabled();
// The toolbar's button 4.
void EnableToolbarButton4();
void HideProgressBar();
// The Inquiry menu (mnuInquiry) at a screen point.
void PopupInquiryMenu(const QPoint& globalPos);
// The station's control panel, modal.
void ShowControlPanel();
// Shows a window as a child of the main window (maximised); on its own without one.
void ShowChild(QWidget* window, bool maximised = true);
}
