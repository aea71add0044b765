#pragma once
#include <QDate>
#include <QDialog>

struct PatientContext;

class QDateEdit;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTimeEdit;
class QTimer;

// "Discharge Order": the discharge order of the patient open in the procedures workspace, saved
// as preliminary data, sent to billing as the final order, or revoked.
class frmHBPS : public QDialog {
    Q_OBJECT
public:
    explicit frmHBPS(const PatientContext& patient, QWidget* parent = nullptr);

    QDateEdit *dtpOrder, *dtpBill, *dtpOperation;
    QTimeEdit *dtpOrderTime, *dtpOperTime;
    QRadioButton* optWithOperation[2]; // "Yes", "No"
    QPlainTextEdit *txtOperation, *txtMedDiagnosis, *txtMedicalFees, *txtRemarks;
    QPushButton* Command1[3]; // preliminary, final, cancel
    QPushButton* cmdRevoke;
    QStatusBar* StatusBar1;
    QLabel* panel[7] = {};    // the status bar's panels 1 to 6
    QTimer* Timer1;

    void Form_Load();
    bool LoadDischargeOrder();
    void Command1_Click(int index);
    void cmdRevoke_Click();
    void optWithOperation_Click();
    void Timer1_Timer();
    // The status text the last load kept (a null status is one blank).
    QString loadedStatus() const { return m_status; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QDate admissionDate() const;
    QDate today() const;
    void applyLimits(bool orderAndBill);
    void setOperationEnabled(bool on);
    QString m_id, m_patientName, m_patientType, m_status;
};
