#pragma once
// The one way an action asks who performs it: the user validation dialog, shown again after a
// refusal while the user answers Yes to the action's question, and, when the action needs a right,
// that right checked on the validated user. The answer comes back as a value.
#include "platform/ui/MessageBox.h"

#include <QString>

#include <optional>

struct ValidatedUser {
    QString userID;    // trimmed, as the dialog passed it
    QString userName;  // "Last, First Middle"
    QString reason;    // the reason of cancellation (cancelling mode only; else what CancelReason held)
};

struct ValidationRequest {
    // 0 a posting; 1 a cancellation, revocation or return: the dialog also takes the reason, at
    // most reasonMaxLength characters (0: no limit; see ReasonRoom in ActionApproval.h).
    int postOrCancel = 0;
    int reasonMaxLength = 0;
    // Asked (Yes/No, retryStyle, retryTitle) after a refusal or a cancel: Yes shows the dialog
    // again, No gives up. Empty: the dialog is shown once.
    QString retryQuestion;
    int retryStyle = vbInformation;
    QString retryTitle = QStringLiteral("Confirmation");
    // A right the validated user must hold; without it rightRefusal is shown ("Notification") and
    // the answer is none. A failed right check shows the error notice and answers none.
    QString right;
    QString rightRefusal;
};

// The validated user, or none when refused, cancelled or given up. The dialog's shared answers
// (DialogAnswers.ValidatedUserID, ValidatedUserName, CancelReason) hold the same.
std::optional<ValidatedUser> ValidateUser(const ValidationRequest& request = {});
