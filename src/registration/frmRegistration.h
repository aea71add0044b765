#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>

class QGroupBox;
class QLabel;

// The department case registration window, as far as the patient lists use it: the properties
// they set before it loads and the frames the case list's edit action enables. The entry itself
// is not yet available; the window says so.
class frmRegistration : public QDialog, public SingleWindow<frmRegistration> {
    Q_OBJECT
public:
    frmRegistration();

    // Stored; they take effect when the window loads (its first showing).
    QString Pno, IDNo;
    bool CurrentlyRegistered = false;
    bool EditCathLabPatient = false;

    QGroupBox* Frame3;   // "Personal Information"
    QGroupBox* Frame4;   // "Hospital Plan"
    QGroupBox* Frame5;   // "Admitting Diagnosis"
    QGroupBox* Frame7;   // "Gender"
    QGroupBox* Frame8;   // birth date and age
    QGroupBox* Frame9;   // attending physician

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    bool m_loaded = false;
    QLabel* m_notice;
};
