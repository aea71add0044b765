#pragma once
#include <QDialog>

struct PatientContext;

class QLabel;
class QPushButton;

// "Printing of Request Form": says the laboratory request form of the last order save is being
// printed; "REPRINT" writes its lines again from the posted laboratory exams and prints it again.
// It reads the patient open in the procedures workspace when it is created. Nothing opens it yet.
class frmPrintRequestForm : public QDialog {
    Q_OBJECT
public:
    explicit frmPrintRequestForm(const PatientContext& patient, QWidget* parent = nullptr);

    QLabel* lblMessage[4] = {};
    QLabel* Image1 = nullptr;
    QPushButton* cmdOption[2] = {}; // "OK", "REPRINT"

    void cmdOption_Click(int index);
    void SaveLabRequestForm();
    // transplant and dialysis: the words of the examination's codes.
    void PrintLabRequestForm(const QString& requestType, const QString& section, const QString& refNum,
                             const QString& transplant, const QString& dialysis);

private:
    // The workspace's patient as it stood when the window opened.
    QString m_idNum, m_hospNum, m_patient, m_age, m_sex, m_room, m_doctor2, m_account, m_doctorCode;
};
