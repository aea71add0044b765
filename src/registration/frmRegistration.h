#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class Recordset;

// "Cathlab Registration Entry": a person becomes a case of the department, or a case's
// registration is edited. The opener sets the properties (and, from the master patient search,
// the boxes) before the window loads at its first showing; "&Save/Print" checks, saves in one
// transaction, prints the registration form and closes.
class frmRegistration : public QDialog, public SingleWindow<frmRegistration> {
    Q_OBJECT
public:
    frmRegistration();

    // Stored; they take effect when the window loads (its first showing).
    QString Pno, IDNo;
    // "I" or "O": the type of the stay or visit the window loads and saves, set when it loads.
    QString PatientType;
    bool CurrentlyRegistered = false;
    bool EditCathLabPatient = false;
    // The numbers of the last save.
    QString RegHospNum, RegIDNum, RegOPDNum;

    QGroupBox* Frame1;   // "Patient Name"
    QGroupBox* Frame2;   // "Hospital Information"
    QGroupBox* Frame3;   // "Personal Information"
    QGroupBox* Frame4;   // "Hospital Plan"
    QGroupBox* Frame5;   // "Admitting Diagnosis"
    QGroupBox* Frame7;   // "Gender"
    QGroupBox* Frame8;   // birth date and age
    QGroupBox* Frame9;   // attending physician

    QLineEdit *txtLastName, *txtFirstName, *txtMiddleName;
    QLineEdit *txtHospNum, *txtIDNum, *txtCLNum;
    QDateEdit* dtAdmDate;
    QLineEdit* txtTime;
    QRadioButton *optMale, *optFemale;
    QLineEdit *txtBirthDate, *txtAge;
    QComboBox* cboCivilStatus;
    QLineEdit *txtBirthPlace, *txtHouseStreet, *txtBarangay, *txtZipCode, *txtZipCodeName4, *txtOccupation;
    QLineEdit *txtNationalityID, *txtNationality, *txtEmail, *txtMobile, *txtTelNum, *txtReligionID, *txtReligion;
    QLineEdit *txtSpouse, *txtSpouseEmployer, *txtFather, *txtMother;
    QLineEdit *txtContactName, *txtContactRelation, *txtContactContact, *txtContactAddress;
    QRadioButton* optHospPlan[2];
    QLineEdit *txtAccountID, *txtAccount, *txtDoctorID, *txtDoctorName, *txtChiefComplain;
    QPushButton *cmdSearchAccount, *cmdSearchNationality, *cmdSearchReligion, *cmdSearchZip, *cmdDoctor;
    QPushButton *cmdSave, *cmdClose;
    QTimer* Timer1;

    void Form_Load();
    void cmdSave_Click();
    void cmdClose_Click();
    void optHospPlan_Click(int index);
    void Timer1_Timer();
    // The code look-ups (kinds of the code search: 3 company, 7 nationality, 2 religion, 0 zip
    // code, 1 doctor); True when a row was chosen.
    bool LookUpCode(int kind);
    // The birth date check; False when it keeps the focus in the box.
    bool txtBirthDate_Validate();
    // The mobile number check; True when the number is valid.
    bool txtMobile_Validate();
    bool ValidateRegistration();
    bool SaveRegistration();
    // The frames the openers enable and the name boxes they unlock.
    void OpenForEntry();
    // Selects the civil status list item that matches the text ("WIDOW/ER" is "Widow").
    void MatchCivilStatus(const QString& value);
    // The birth date box's text as shown ("  /  /    " when empty).
    QString birthDateText() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LoadPatientByIDNo();
    void LoadPatientByHospNum(const QString& hospNum);
    void fillPerson(const Recordset& rs, bool matchCivilStatus);
    void keepFocus(QWidget* w);
    bool m_loaded = false;
};
