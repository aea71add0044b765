#pragma once
#include <QDialog>

class FlexGrid;
class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

// "Process Requests": the open requests of one patient to the department. The user may exclude
// items, look at a package's items and name the requesting doctor; a save marks every listed
// request processed and flagged for charging (Save/Print also prints its request form) and closes
// the window. The opener writes the names and the admission number, then shows it modally. The
// header and list are read at the first activation only, so the dialogs and report viewers that
// the window opens never undo the user's exclusions or typed doctor.
class frmProcessRequests : public QDialog {
    Q_OBJECT
public:
    explicit frmProcessRequests(QWidget* parent = nullptr);

    // Hospital Information
    QLineEdit *txtHospNum, *txtIDNum, *txtAdmDate, *txtRoom, *txtCompany, *txtDoctorID, *txtDoctor;
    QPushButton* cmdDoctor;
    // Patient Information
    QLineEdit *txtLname, *txtFname, *txtMname, *txtSex, *txtBdate, *txtAge;

    QGroupBox* fraRequests; // "Exams Requested"
    FlexGrid* mshflexRequests;
    QMenu* mnuPop;
    QAction *mnuExclude, *mnuItems;

    QFrame* pctPackageItems;
    QLabel* lblPackageName;
    FlexGrid* mshFlexPackageItems;
    QPushButton* cmdClosePackageItems;

    // Hidden at all times.
    QGroupBox* fraRateOption;
    QRadioButton* Option1[3];
    QCheckBox *chkMarkUp, *chkHolidaySundayAfter5pm, *chkStat;
    QFrame* pctMarkup;
    FlexGrid* grdMarkup;
    QPushButton* cmdCloseMarkUp;
    QLabel* lblAmount;
    QLineEdit* txtGross;

    QPushButton *cmdSave, *cmdSavePrint, *cmdClose;

    void SetUpRequestGrid();
    void LoadProcessingPatientHeader();
    void LoadRequestsForProcessing();
    void ComputeTotals();
    void MarkPackageRows();
    void SearchDoctor();
    void ApplyRateOption(int index);
    void ShowPackageItems(const QString& packageCode);
    void mnuExclude_Click();
    void mnuItems_Click();
    void cmdClosePackageItems_Click();
    void ProcessRequestRows(int printChoice);
    void cmdClose_Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void txtDoctorID_KeyPress(QKeyEvent* key);
    void mshflexRequests_RightClick(const QPoint& pos);
    void setPanelOpen(bool open);
    bool m_loaded = false;
};
