#pragma once
#include "access/KeptDialog.h"

#include <QDialog>

class QLabel;
class QLineEdit;

// The fixed access code in front of the user rights window.
class frmAccessCode : public QDialog, public KeptDialog<frmAccessCode> {
    Q_OBJECT
public:
    frmAccessCode();

    QLabel* lblHeading[2] = {};
    QLineEdit* txtAccessCode = nullptr;

    void txtAccessCode_Enter();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
