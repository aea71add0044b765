#include "patients/CaseChecks.h"

#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#if __has_include("access/frmTransaction_UserValidation.h")
#include "access/frmTransaction_UserValidation.h"
#define CATHLAB_HAVE_VALIDATION 1
#endif
#if __has_include("shared/lookups/PatientLookups.h")
#include "shared/lookups/AccountChecks.h"
#include "shared/lookups/PatientLookups.h"
#define CATHLAB_HAVE_LOOKUPS 1
#endif

namespace CaseChecks {

QString AskUserValidation()
{
#ifdef CATHLAB_HAVE_VALIDATION
    frmTransaction_UserValidation* dlg = frmTransaction_UserValidation::instance();
    dlg->PostOrCancel = 0;
    runModal(dlg);
    return ValidatedUserID.trimmed();
#else
    ValidatedUserID.clear();
    return QString();
#endif
}

#ifdef CATHLAB_HAVE_LOOKUPS
bool IsCurrentlyConfined(const QString& hospNum) { return ::IsCurrentlyConfined(hospNum); }
bool HasOpenCathCase(const QString& hospNum) { return ::HasOpenCathCase(hospNum); }
bool HasCathLabCharges(const QString& hospNum, const QString& idNum) { return ::HasCathLabCharges(hospNum, idNum); }
bool HasOpenCommunication(const QString& idNum) { return ::HasOpenCommunication(idNum); }
QString GetCathLabNum(const QString& idNum) { return ::GetCathLabNum(idNum); }
#else
namespace {
bool unavailable()
{
    ShowErrorNotice(QStringLiteral("The patient look-ups are not part of this build."));
    return true;
}
}
bool IsCurrentlyConfined(const QString&) { return unavailable(); }
bool HasOpenCathCase(const QString&) { return unavailable(); }
bool HasCathLabCharges(const QString&, const QString&) { return unavailable(); }
bool HasOpenCommunication(const QString&) { return unavailable(); }
QString GetCathLabNum(const QString&) { unavailable(); return QString(); }
#endif

} // namespace CaseChecks
