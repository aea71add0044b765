#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>

class PatientGrid;
class QPushButton;

// "CathLab Patients for Admission": the department's requests to admit out-patients; a pending
// request can be revoked. Shown modally.
class frmListERAdmission : public QDialog, public SingleWindow<frmListERAdmission> {
    Q_OBJECT
public:
    frmListERAdmission();

    PatientGrid* MSHFlexList;
    QPushButton* cmdOption[2];   // "&Revoke", "&Close"

    void Form_Load();
    void LoadList();
    void MSHFlexList_Click();
    void cmdOption_Click(int index);

private:
    void Revoke();
};
