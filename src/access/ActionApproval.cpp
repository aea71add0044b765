#include "access/ActionApproval.h"

#include "access/frmSupervisorAccessCode.h"
#include "access/frmTransaction_UserValidation.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/text/ColumnFit.h"

namespace {
bool validateUntilAnswered(int postOrCancel, const QString& question, int questionStyle, const QString& title,
                           int reasonMaxLength)
{
    for (;;) {
        frmTransaction_UserValidation* v = frmTransaction_UserValidation::instance();
        v->PostOrCancel = postOrCancel;
        v->ReasonMaxLength = reasonMaxLength;
        runModal(v);
        if (!DialogAnswers.ValidatedUserID.isEmpty()) return true;
        if (MsgBox(question, vbYesNo | questionStyle, title) != vbYes) return false;
    }
}
} // namespace

int ReasonRoom(const QString& houseTable, const QString& column, bool supervisorApproves)
{
    return ColumnRoom(houseTable, column, supervisorApproves ? SupervisorApprovalWord().size() : 0);
}

bool ValidateUserWithReason(const QString& question, int questionStyle, int reasonMaxLength)
{
    return validateUntilAnswered(1, question, questionStyle, QStringLiteral("Confirmation"), reasonMaxLength);
}

bool ValidateActingUser(int postOrCancel, const QString& retryQuestion, const QString& title, int reasonMaxLength)
{
    return validateUntilAnswered(postOrCancel, retryQuestion, vbInformation, title, reasonMaxLength);
}

void ShowValidationWithReason(int reasonMaxLength)
{
    frmTransaction_UserValidation* v = frmTransaction_UserValidation::instance();
    v->PostOrCancel = 1;
    v->ReasonMaxLength = reasonMaxLength;
    runModal(v);
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
