#include "registration/UserValidation.h"

#include "access/frmTransaction_UserValidation.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"

QString AskValidatedUser(int postOrCancel, int reasonMaxLength)
{
    frmTransaction_UserValidation* v = frmTransaction_UserValidation::instance();
    v->PostOrCancel = postOrCancel;
    v->ReasonMaxLength = reasonMaxLength;
    runModal(v);
    return DialogAnswers.ValidatedUserID.trimmed();
}
