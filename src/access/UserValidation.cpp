#include "access/UserValidation.h"

#include "access/frmTransaction_UserValidation.h"
#include "platform/ui/MessageBox.h"
#include "shared/UserRights.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

std::optional<ValidatedUser> ValidateUser(const ValidationRequest& request)
{
    for (;;) {
        frmTransaction_UserValidation* v = frmTransaction_UserValidation::instance();
        // Set before every showing: the mode of an earlier caller never carries over.
        v->PostOrCancel = request.postOrCancel;
        v->ReasonMaxLength = request.reasonMaxLength;
        runModal(v);
        if (!DialogAnswers.ValidatedUserID.isEmpty()) break;
        if (request.retryQuestion.isEmpty()) return std::nullopt;
        if (MsgBox(request.retryQuestion, vbYesNo | request.retryStyle, request.retryTitle) != vbYes) return std::nullopt;
    }
    ValidatedUser user{DialogAnswers.ValidatedUserID, DialogAnswers.ValidatedUserName, DialogAnswers.CancelReason};
    if (request.right.isEmpty()) return user;
    try {
        if (HasUserRight(SharedConnection(), request.right, user.userID)) return user;
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return std::nullopt;
    }
    MsgBox(request.rightRefusal, vbOKOnly | vbInformation, QStringLiteral("Notification"));
    return std::nullopt;
}
