#include "registration/UserValidation.h"

#include "access/frmTransaction_UserValidation.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"

QString AskValidatedUser(int postOrCancel)
{
    frmTransaction_UserValidation* v = frmTransaction_UserValidation::instance();
    v->PostOrCancel = postOrCancel;
    runModal(v);
    return DialogAnswers.ValidatedUserID.trimmed();
}
