#include "patients/CaseChecks.h"

#include "access/UserValidation.h"
#include "platform/ui/MessageBox.h"
#include "shared/lookups/AccountChecks.h"
#include "shared/lookups/PatientLookups.h"
#include "shared/modGlobals.h"

namespace CaseChecks {

QString AskUserValidation()
{
    const std::optional<ValidatedUser> validated = ValidateUser();
    return validated ? validated->userID : QString();
}

bool IsCurrentlyConfined(const QString& hospNum) { return ::IsCurrentlyConfined(SharedConnection(), hospNum); }
bool HasOpenCathCase(const QString& hospNum) { return ::HasOpenCathCase(SharedConnection(), hospNum); }
bool HasCathLabCharges(const QString& hospNum, const QString& idNum) { return ::HasCathLabCharges(SharedConnection(), hospNum, idNum); }
bool HasOpenCommunication(const QString& idNum) { return ::HasOpenCommunication(SharedConnection(), idNum); }
QString GetCathLabNum(const QString& idNum) { return ::GetCathLabNum(SharedConnection(), idNum); }

} // namespace CaseChecks
