#include "patients/CaseChecks.h"

#include "access/UserValidation.h"
#include "platform/ui/MessageBox.h"
#include "shared/lookups/AccountChecks.h"
#include "shared/lookups/PatientLookups.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <exception>

namespace CaseChecks {

QString AskUserValidation()
{
    const std::optional<ValidatedUser> validated = ValidateUser();
    return validated ? validated->userID : QString();
}

bool IsCurrentlyConfined(const QString& hospNum)
{
    try {
        if (!::IsCurrentlyConfined(SharedConnection(), hospNum)) return false;
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return true;
    }
    MsgBox(QStringLiteral("Computer record shows that the patient is currently confined!"), vbInformation,
           QStringLiteral("Notification"));
    return true;
}
bool HasOpenCathCase(const QString& hospNum)
{
    return OrErrorNotice(true, [&] { return ::HasOpenCathCase(SharedConnection(), hospNum); });
}
bool HasCathLabCharges(const QString& hospNum, const QString& idNum)
{
    return OrErrorNotice(true, [&] { return ::HasCathLabCharges(SharedConnection(), hospNum, idNum); });
}
bool HasOpenCommunication(const QString& idNum)
{
    return OrErrorNotice(true, [&] { return ::HasOpenCommunication(SharedConnection(), idNum); });
}
QString GetCathLabNum(const QString& idNum)
{
    return OrErrorNotice(QString(), [&] { return ::GetCathLabNum(SharedConnection(), idNum); });
}

} // namespace CaseChecks
