#include "access/ActionApproval.h"

#include "access/frmSupervisorAccessCode.h"
#include "access/frmTransaction_UserValidation.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"

bool ValidateUserWithReason(const QString& question, int questionStyle)
{
    for (;;) {
        frmTransaction_UserValidation* v = frmTransaction_UserValidation::instance();
        v->PostOrCancel = 1;
        runModal(v);
        if (!DialogAnswers.ValidatedUserID.isEmpty()) return true;
        if (MsgBox(question, vbYesNo | questionStyle, QStringLiteral("Confirmation")) != vbYes) return false;
    }
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
