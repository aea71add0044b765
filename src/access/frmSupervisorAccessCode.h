#pragma once
#include "access/KeptDialog.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// A supervisor's approval of a cancellation, after the user validation. Show it modally;
// afterwards SupervisorUserID holds the approving supervisor (empty: refused or cancelled), and on
// approval CancelReason reads "Allowed " followed by the reason typed in the user validation.
class frmSupervisorAccessCode : public QDialog, public KeptDialog<frmSupervisorAccessCode> {
    Q_OBJECT
public:
    frmSupervisorAccessCode();

    QLabel* lblHeading[4] = {};
    QLineEdit* txtUserID = nullptr;
    QLineEdit* txtAccessCode = nullptr;
    QPushButton* cmdOption[2] = {};   // 0 "OK", 1 "Close"

    void cmdOption_Click(int index);
    void reject() override;   // Escape, "Close" or the frame: cancelled

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    bool ValidateUserAccess();
    void approve();
    QString m_typedReason;    // the reason the user validation left, kept for the approval
};

// What an approval puts in front of the reason typed at the validation ("Allowed ").
QString SupervisorApprovalWord();
