#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// "Charge Slip Sequence Number": shows the station's charge slip counter and moves it to the first
// number that no posted charge uses yet (from the number typed, never backwards). Opened modally
// from the main window's menu after a user validation and right "20".
class frmChargeSlipVerification : public QDialog, public KeptDialog<frmChargeSlipVerification> {
    Q_OBJECT
public:
    QLabel* lblheading;
    std::array<QLabel*, 2> lblInfo{};    // "Charge Slip #", "Nurse Station"
    QLineEdit* txtChargeSlip;
    std::array<QLabel*, 2> lblStation{}; // code, name
    QToolButton* imgSearch;
    std::array<QPushButton*, 2> lblExit{}; // (1) "Save", (0) "Exit"
    QToolButton* imgLegend;

    void Form_Activate();
    void imgSearch_Click();
    // True when the counter now stands at a free number (and the user was told which).
    bool VerifyChargeSlipNumber();
    void lblExit_Click(int index);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class KeptDialog<frmChargeSlipVerification>;
    frmChargeSlipVerification();
    void showCounter();
};
