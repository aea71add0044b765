#pragma once
#include <QDialog>

class FlexGrid;
class QDateEdit;
class QFrame;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimeEdit;

// "Catheterization Laboratory - Schedule Entry": requests for procedure slots (pending), their
// confirmation with the final date, time and procedure, their revoke, and the schedule reports.
class frmCathlabSched : public QDialog {
    Q_OBJECT
public:
    explicit frmCathlabSched(QWidget* parent = nullptr);

    // Preset patient, copied into the entry at every reset until the user picks a patient.
    QString PxName, HospNo, IDNo;

    QLineEdit *txtPxName, *txtHosp, *txtID;
    QPushButton* cmdSearchPatient;
    QDateEdit* dtpSchedule0;  // schedule date
    QTimeEdit* dtpSchedule1;  // start time
    QLineEdit* txtOperation1; // procedure
    QPlainTextEdit* txtRemarks;
    QPushButton* cmdSaveReq;
    FlexGrid* grdPending;
    QPushButton *cmdEdit, *cmdRevoke;
    QRadioButton* optConfirmed[2];
    QDateEdit* dtpDateConfirmed;
    FlexGrid* grdConfirmed;
    QPushButton *cmdRevokeConfirmed, *cmdPrint, *cmdPrintSchedDetails, *cmdSchedLogbook, *cmdClose;
    QFrame* pctConfirm;
    QLineEdit* txtPNameConfirm;
    QDateEdit* dtpScheduleConfirm;
    QTimeEdit* dtpStartTimeConfirm;
    QLineEdit* txtProcedureConfirm;
    QPlainTextEdit* txtRemarksConfirm;
    QPushButton *cmdConfirmSave, *cmdCancel;

    QString SelectedRequestKey;

    void Form_Load();
    void ClearScheduleRequestEntry();
    void PreparePendingGrid();
    void PrepareConfirmedGrid();
    void LoadScheduleRequests(const QString& status, const QString& second, const QDate& date, const QString& flag);
    void FormatScheduleGrids();
    void ReloadLists();
    void cmdSearchPatient_Click();
    void cmdSaveReq_Click();
    void cmdEdit_Click();
    void cmdConfirmSave_Click();
    void cmdCancel_Click();
    void Revoke(bool confirmedList);
    void optConfirmed_Click(int index);
    void dtpDateConfirmed_Change();
    void cmdPrint_Click();
    void cmdSchedLogbook_Click();
    void cmdPrintSchedDetails_Click();
    void cmdClose_Click();

private:
    void setConfirming(bool on);
    int currentDataRow(FlexGrid* grid) const;
};
