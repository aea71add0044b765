#pragma once
#include "access/KeptDialog.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// Identifies the person who performs a posting or a cancellation. Show it modally; afterwards
// ValidatedUserID holds the user who passed the check (empty: refused or cancelled), and
// ValidatedUserName the name. In cancelling mode (PostOrCancel = 1) it also takes the reason,
// which goes into CancelReason.
class frmTransaction_UserValidation : public QDialog, public KeptDialog<frmTransaction_UserValidation> {
    Q_OBJECT
public:
    frmTransaction_UserValidation();

    // 0 posting, 1 cancelling; set by the caller before each showing, back to 0 when it closes.
    int PostOrCancel = 0;
    // The longest reason the action's column takes (0: no limit); set with PostOrCancel, back to 0
    // when the dialog closes.
    int ReasonMaxLength = 0;

    QLabel* lblHeading[4] = {};
    QLineEdit* txtUserID = nullptr;
    QLineEdit* txtAccessCode = nullptr;
    QGroupBox* fraRemarks = nullptr;
    QPlainTextEdit* txtRemarks = nullptr;
    QToolButton* Command1 = nullptr;
    QPushButton* cmdOK = nullptr;

    void cmdOK_Click();
    void Command1_Click();
    void reject() override;   // Escape or the frame: cancelled
    void done(int r) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    bool ValidateUserAccess();
};
