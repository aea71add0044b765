#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

// "Discharge Notice": the discharge notices sent to billing, cleared by the department or not;
// "&Select" hands the chosen admission number back through IDNum and Valid.
class frmDischargeNotice : public QDialog {
    Q_OBJECT
public:
    explicit frmDischargeNotice(QWidget* parent = nullptr);

    QString IDNum;
    bool Valid = false;

    QTreeWidget* lvwRequest;
    QPushButton *cmdSelect, *cmdClose;
    QLabel *imgOpen, *imgClear;

    void Form_Load();
    void cmdSelect_Click();
    void cmdClose_Click();
};

// "Clear Patient": one notice with its patient, and the department's clearance of it.
class frmClearPatient : public QDialog {
    Q_OBJECT
public:
    explicit frmClearPatient(QWidget* parent = nullptr);

    QString IDNum; // set before the window is shown

    QLineEdit *txtSname, *txtFname, *txtMname, *txtHospNo, *txtAdmNo, *txtAdmDate, *txtRoomNo, *txtDoctor;
    QLineEdit *txtNoticeDate, *txtOrderDate, *txtDischargeNurse, *txtRemarks, *txtClearDate, *txtClearedBy;
    QPlainTextEdit* txtClearRemarks;
    QPushButton *cmdSave, *cmdIgnore;

    void Form_Load();
    void cmdSave_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_loaded = false;
};
