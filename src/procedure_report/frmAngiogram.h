#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>

class FormattingToolbar;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QTimeEdit;
class QWidget;

// "Coronary Angiogram Format": the department's result of one coronary angiogram request. The
// opener sets the sixteen header values and shows it modally; it loads the saved result, or the
// exam's template when there is none, and saves, verifies, prints and deletes the result.
class frmAngiogram : public QDialog, public SingleWindow<frmAngiogram> {
    Q_OBJECT
public:
    frmAngiogram();

    void setSetExamID(const QString& v) { m_examID = v; }
    void setSetHospNum(const QString& v) { m_hospNum = v; }
    void setSetIDNum(const QString& v) { m_idNum = v; }
    void setSetRequestNo(const QString& v) { m_requestNo = v; }
    void setSetTransdate(const QString& v) { m_transDate = v; }
    void setSetPName(const QString& v) { m_pName = v; }
    void setSetBdate(const QString& v) { m_bdate = v; }
    void setSetAge(const QString& v) { m_age = v; }
    void setSetSex(const QString& v) { m_sex = v; }
    void setSetCStatus(const QString& v) { m_cStatus = v; }
    void setSetAdmDate(const QString& v) { m_admDate = v; }
    void setSetRoom(const QString& v) { m_room = v; }
    void setSetProcedure(const QString& v) { m_procedure = v; }
    void setSetDoctorID(const QString& v) { m_doctorID = v; }
    void setSetDoctor(const QString& v) { m_doctor = v; }
    void setSetRefNo(const QString& v) { m_refNo = v; }

    // header
    QLineEdit *txtCaseNo, *txtHospNum, *txtIDNum, *txtAdmDate, *txtRoom, *txtRequestNum, *txtTransDate;
    QLineEdit *txtPname, *txtBdate, *txtAge, *txtSex, *txtCivilStatus, *txtProcedure, *txtRefNo;
    QLineEdit *txtUserID, *txtUserName;
    // procedure
    QDateEdit *dtpDatePerformed, *dtpResultDate;
    QTimeEdit *dtpTimeStart, *dtpTimeEnded, *dtpOutCCL;
    QComboBox* cboCathlabRoom;
    // staff: code and name
    QLineEdit *txtDoctorID, *txtDoctor, *txtInterventionistID, *txtInterventionist, *txtAnesID, *txtAnes;
    QLineEdit *txtRadTechID, *txtRadTech, *txtScrubID, *txtScrub, *txtCircID, *txtCirc, *txtPhysioID, *txtPhysio;
    // measurements
    QLineEdit *txtHtFt, *txtHtIn, *txtHeight, *txtWeight, *txtBSA, *txtRace;
    // RVS codes
    QLineEdit *txtRVSCode, *txtRVSDesc, *txtRVSCode2, *txtRVSDesc2, *txtRVSCode3, *txtRVSDesc3;
    QPushButton* cmdMoreRVS;
    QWidget* pctMoreRVS;
    // result
    FormattingToolbar* tbrFormatting;
    QTextEdit* txtInterpretation;
    QPushButton *cmdSave, *cmdVerify, *cmdPrintSave, *cmdDelete, *cmdCancel, *cmdDiagram;

    void Form_Load();
    void cmdSave_Click();
    void cmdVerify_Click();
    void cmdPrintSave_Click();
    void cmdDelete_Click();
    void cmdCancel_Click();
    void cmdDiagram_Click();
    void cmdMoreRVS_Click();
    void SelectAlignLeft();
    void SelectAlignCenter();
    void SelectAlignRight();
    static void MaxFormHeight(QWidget* form);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SaveAngiogramResult(const QString& mode);
    bool LoadAngiogramResult();
    void LoadInterpretationTemplate();
    void LoadCathLabRooms();
    void LoadPatientMeasurements();
    void HeightToCentimeters();
    void HeightToFeetInches();
    void ComputeBSA();
    // Key handlers of the staff, RVS and measurement boxes: true when the key is used up.
    bool doctorKey(QLineEdit* id, QLineEdit* name, QKeyEvent* key);
    bool staffKey(QLineEdit* id, QLineEdit* name, const QString& mode, QKeyEvent* key);
    bool rvsKey(int index, QKeyEvent* key);

    QString m_examID, m_hospNum, m_idNum, m_requestNo, m_transDate, m_pName, m_bdate, m_age, m_sex, m_cStatus,
        m_admDate, m_room, m_procedure, m_doctorID, m_doctor, m_refNo;
    bool m_loaded = false;
};
