#include "procedure_report/ActingUser.h"

#include "access/frmTransaction_UserValidation.h"
#include "platform/ui/MessageBox.h"
#include "shared/UserRights.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

QString ValidatedUserWithRight(const QString& right, const QString& refusal)
{
    runModal(frmTransaction_UserValidation::instance());
    const QString user = DialogAnswers.ValidatedUserID;
    if (user.isEmpty()) return QString();
    try {
        if (HasUserRight(SharedConnection(), right, user)) return user;
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return QString();
    }
    MsgBox(refusal, vbOKOnly | vbInformation, QStringLiteral("Notification"));
    return QString();
}
