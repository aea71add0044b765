#pragma once
#include "shared/patient/PatientContext.h"

#include <QDialog>

class QDateEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimeEdit;

// "Discharges /Room Transfer": discharges the patient it is given (the workspace's) with a result
// and a disposition, or moves that patient to another room (Patient.Room is then the new room).
class frmDischargeMenu : public QDialog {
    Q_OBJECT
public:
    explicit frmDischargeMenu(const PatientContext& patient, QWidget* parent = nullptr);
    PatientContext Patient;
    bool Transferred = false; // a room transfer was saved

    QTabWidget* SSTab1;
    QLineEdit *txtAdmDate, *txtADMTime;
    QDateEdit* dtpDCR0;  // discharge date
    QTimeEdit* dtpDCR1;  // discharge time
    QRadioButton* optResults[5];
    QRadioButton* optDisposition[6];
    QPushButton* cmdOptions[2]; // "Save Discharge", "Cancel"
    QLineEdit *txtOldRoom, *txtOldStation, *txtNewRoom, *txtNewStation;
    QTimeEdit* dtpTimeTransfer;
    QPushButton* cmdTransfer[2]; // "Save New Room", "Cancel"

    QString DischargeResultCode, DispositionCode;
    double NewRoomRate = 0;

    void Form_Load();
    void cmdOptions_Click(int index);
    void cmdTransfer_Click(int index);
    void optResults_Click(int index);
    void optDisposition_Click(int index);
    // Accepts the typed room; False (the focus kept) when the room is refused.
    bool txtNewRoom_Validate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SaveDischarge();
    void SaveTransfer();
    QDate admissionDay() const;
};
