#pragma once
#include <QDialog>
#include <QString>

class FlexGrid;
class QPushButton;

// The patient whose laboratory request form is printed again: a copy of the workspace's header
// taken when the window opens, so the form always describes the workspace's own patient.
struct ReprintPatient {
    QString idNum, hospNum, patientName, age, sex, room, attendingDoctor, accountNumber, doctorCode;
};

// "List of Posted Laboratory Exams": the admission's posted laboratory examinations; "Reprint"
// prints the request form of the chosen row's charge slip again, straight to the printer.
class frmReprintLabForm : public QDialog {
    Q_OBJECT
public:
    explicit frmReprintLabForm(const ReprintPatient& patient, QWidget* parent = nullptr);

    FlexGrid* mshflexLabList = nullptr;
    QPushButton* cmdOption[2] = {}; // "Reprint", "Exit"

    void Form_Load();
    void mshflexLabList_Click();
    void cmdOption_Click(int index);

private:
    void ReprintRequestForm();
    // transplant and dialysis: the words of the examination's codes.
    void PrintLabRequestForm(const QString& requestType, const QString& section, const QString& chargeSlip,
                             const QString& transplant, const QString& dialysis);
    ReprintPatient m_patient;
};
