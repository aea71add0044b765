#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>

class FlexGrid;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The master patient search: finds a person of the hospital's master file by name, sex and birth
// date, and prepares the registration entry by one of three roads: a pick from the result list,
// a new person, or the person's hospital card.
class frmMasterSearch : public QDialog, public SingleWindow<frmMasterSearch> {
    Q_OBJECT
public:
    frmMasterSearch();

    // Values a caller may set before the dialog loads.
    QString LastName, FirstName, MiddleName, HospNumber, BirthDate;
    int ReturnColumn = 0;
    void setSearchText(const QString& text);
    void setSex(const QString& sex) { Sex = sex; }
    bool NewRegistration() const { return m_newRegistrationFlag; }

    QLineEdit* txtName[3];
    QRadioButton* Option1[2];
    QLineEdit* txtBirthYear;
    QComboBox* cboBirthMonth;
    QComboBox* cboBirthDay;
    QLineEdit* txtHospNum;
    QPushButton* vkCommand1[4] = {}; // 0 "Search", 3 "New Patient"
    QPushButton* cmdClose;
    FlexGrid* grdPatient;
    QLabel* Animation1;
    QLabel* lblGuide;
    QTabWidget* tabSearch;
    QRadioButton* optAge[2];
    QLineEdit* txtAge[3];

    QString SearchKind = QStringLiteral("Name");
    QString Sex;
    bool MatchesFound = false;

    void Form_Load();
    void SearchPatient();
    void NewPatient();
    void PickPatient();
    void loadPatientInfo();
    void Option1_Click(int index);
    void tabSearch_Click(int page);
    bool ChkSurname2(const QString& name, bool allowBlank, bool isLastName);
    // Leaving a name box (0 last, 1 first, 2 middle); False keeps the focus there.
    bool txtName_Validate(int index);
    bool txtBirthYear_Validate();
    void SetupPatientGrid();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool searchChecksPass();
    void openRegistrationForEntry();
    bool m_loaded = false;
    bool m_newRegistrationFlag = false;
};
