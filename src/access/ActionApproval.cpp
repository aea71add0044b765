#include "access/ActionApproval.h"

#include "access/frmSupervisorAccessCode.h"
#include "access/frmTransaction_UserValidation.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"

namespace {
bool validateUntilAnswered(int postOrCancel, const QString& question, int questionStyle, const QString& title)
{
    for (;;) {
        frmTransaction_UserValidation* v = frmTransaction_UserValidation::instance();
        v->PostOrCancel = postOrCancel;
        runModal(v);
        if (!DialogAnswers.ValidatedUserID.isEmpty()) return true;
        if (MsgBox(question, vbYesNo | questionStyle, title) != vbYes) return false;
    }
}
} // namespace

bool ValidateUserWithReason(const QString& question, int questionStyle)
{
    return validateUntilAnswered(1, question, questionStyle, QStringLiteral("Confirmation"));
}

bool ValidateActingUser(int postOrCancel, const QString& retryQuestion, const QString& title)
{
    return validateUntilAnswered(postOrCancel, retryQuestion, vbInformation, title);
}

bool ApproveBySupervisor(const QString& question, int questionStyle)
{
    if (!Session.HospitalInfo.IsAllowSupervisorCodeForCancellationOfCharges) {
        DialogAnswers.SupervisorUserID.clear();
        return true;
    }
    for (;;) {
        runModal(frmSupervisorAccessCode::instance());
        if (!DialogAnswers.SupervisorUserID.trimmed().isEmpty()) return true;
        if (MsgBox(question, vbYesNo | questionStyle, QStringLiteral("Confirmation")) != vbYes) return false;
    }
}
