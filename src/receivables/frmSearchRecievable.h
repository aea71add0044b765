#pragma once
#include <QDialog>
#include <QPointer>
#include <array>

class FlexGrid;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

// The receivable patient search ("Search Patient"): discharged and billed in-patients or
// out-patients by last name, hospital number or admission number; billed rows in blue, cash-basis
// rows in red. A pick that may still take late charges fills the receivable values and hides the
// dialog; an invoiced account or a stay not found is refused and leaves nothing picked. Close only
// hides it (the keys and the list stay for the next showing); closing it by its frame unloads it.
class frmSearchRecievable : public QDialog {
    Q_OBJECT
public:
    // The dialog, created on first use.
    static frmSearchRecievable* instance();
    static bool isLoaded() { return !s_instance.isNull(); }
    // Shows the dialog modally; True when a patient was picked in this showing.
    static bool PickPatient();
    // Unloads the dialog: the main window's patient menus are disabled.
    static void Unload();

    std::array<QLineEdit*, 3> txtSearch{};          // last name, hospital number, admission number
    std::array<QRadioButton*, 2> optPatientType{};  // "In Patient", "Out Patient"
    QPushButton* Command1 = nullptr;                // "&Search"
    QPushButton* Command2 = nullptr;                // "&Close"
    FlexGrid* MSHFlexList = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* lblMessage = nullptr;                   // "Loading..."

    void LoadReceivablePatients();
    void ResetReceivableList();
    void MarkCashBasisRows();
    void PickReceivablePatient();

    // The colours of the list's text.
    static QColor BilledColour() { return QColor(0, 0, 255); }
    static QColor CashBasisColour() { return QColor(255, 0, 0); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    frmSearchRecievable();
    void layoutList();
    void pick();
    bool m_picked = false;
    QString m_listedType; // "I" or "O": the patients the list shows, for its cash-basis marks
    static inline QPointer<frmSearchRecievable> s_instance;
};
