#pragma once
#include "shared/patient/PatientContext.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// "Please Enter the Missing Information": the admitting diagnosis, chief complaint and diet of the
// in-patient admission it is given, saved to the admission's history; once saved, Patient holds
// them for the opener's header.
class frmCheckData : public QDialog {
    Q_OBJECT
public:
    explicit frmCheckData(const PatientContext& patient, QWidget* parent = nullptr);
    PatientContext Patient;

    QLineEdit* txtEntry[2];
    QLineEdit* txtDiet[2]; // 0 the diet's name, 1 its code
    QPushButton* cmdDiet;
    QPushButton* cmdOption[2]; // "&Save", "&Cancel"

    void Form_Load();
    void cmdDiet_Click();
    void cmdOption_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
