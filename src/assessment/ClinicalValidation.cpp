#include "assessment/ClinicalValidation.h"

#include "access/frmTransaction_UserValidation.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"

bool ValidateActingUser(int postOrCancel, const QString& retryQuestion, const QString& title)
{
    for (;;) {
        frmTransaction_UserValidation* validation = frmTransaction_UserValidation::instance();
        validation->PostOrCancel = postOrCancel;
        runModal(validation);
        if (!DialogAnswers.ValidatedUserID.isEmpty()) return true;
        if (MsgBox(retryQuestion, vbYesNo | vbInformation, title) != vbYes) return false;
    }
}
