#include "ordering/SectionGate.h"

#include "components/patient_search/PatientHeaderRecords.h"
#include "platform/ui/MessageBox.h"
#include "shared/UserRights.h"
#include "shared/lookups/AccountChecks.h"
#include "shared/modGlobals.h"
#include "shared/patient/AccountState.h"

namespace SectionGate {
namespace {

void refuse(const QString& text, int icon)
{
    MsgBox(text, vbOKOnly | icon, QStringLiteral("Message"));
}

QString rightMessage(EntryPoint e)
{
    switch (e) {
    case EntryPoint::LabList: return QStringLiteral("Sorry, you don't have access right to Request Laboratory Exams!");
    case EntryPoint::UltraList:
    case EntryPoint::UltraSearch: return QStringLiteral("Sorry you don't have access right to Request Ultrasound Exams!");
    case EntryPoint::XrayList:
    case EntryPoint::XraySearch: return QStringLiteral("Sorry you don't have access right to Request Xray Exams!");
    case EntryPoint::OthersList: return QStringLiteral("Sorry, you don't have access right to request exams.");
    case EntryPoint::LabSearch: return QStringLiteral("Sorry you don't have access right to Request Laboratory Exams!");
    }
    return QString();
}

QString closedTail(EntryPoint e)
{
    return e == EntryPoint::UltraList || e == EntryPoint::XrayList ? QStringLiteral(" immediately for further instructions.....")
                                                                   : QStringLiteral(" immediately for further instructions.");
}

struct CashBasisRow { const char* section; bool HeaderAdmission::*flag; const char* charges; bool creditOfficer; };
const CashBasisRow kCashBasis[] = {
    {"LB", &HeaderAdmission::OkeyLab, "Laboratory Charges", false}, {"US", &HeaderAdmission::OkeyUltra, "Ultrasound Charges", false},
    {"XR", &HeaderAdmission::OkeyXray, "Xray Charges", false},      {"PT", &HeaderAdmission::OkeyPT, "Physical Therapy Charges", false},
    {"CT", &HeaderAdmission::OkeyCT, "CT-SCAN Charges", false},     {"NU", &HeaderAdmission::OkeyNU, "Nuclear Charges", false},
    {"HS", &HeaderAdmission::OkeyHS, "Heart Station Charges", false}, {"AU", &HeaderAdmission::OkeyAU, "Audiometry Charges", true},
    {"PA", &HeaderAdmission::OkeyRTS, "Pulmonary Charges", false}};

} // namespace

QString DepartmentText(const QString& section, const QString& namePart)
{
    static const char* const texts[][2] = {{"LB", "Laboratory"}, {"US", "Ultrasound"}, {"XR", "Xray"},
                                           {"PT", "Physical Therapy"}, {"CT", "CT-Scan "}, {"NU", "Nuclear Medicine"},
                                           {"NE", "Neurology"}, {"HS", "Heart Station"}, {"AU", "Audiometry"},
                                           {"PA", "Pulmonary"}, {"MI", "MAGNETIC RESONANCE IMAGING"},
                                           {"WC", "CENTRE FOR WOMEN"}};
    for (const auto& t : texts)
        if (section == QLatin1String(t[0])) return QString::fromLatin1(t[1]);
    return namePart;
}

Result CashBasis(const QString& section, const QString& idNum, const QString& patientType)
{
    if (patientType != QLatin1String("I")) return Result::Passed;
    for (const CashBasisRow& row : kCashBasis) {
        if (section != QLatin1String(row.section)) continue;
        HeaderAdmission a;
        PatientHeaderRecords::ValidateAdmission(SharedConnection(), idNum.trimmed(), a);
        if (a.*row.flag) return Result::Passed;
        refuse(QStringLiteral("The patient's account has been placed under cash basis ") +
                   (row.creditOfficer ? QStringLiteral("for ( %1 ) by the Credit & Collection Officer. ")
                                      : QStringLiteral("for ( %1 ) by the Billing Officer. "))
                       .arg(QString::fromLatin1(row.charges)) +
                   (row.creditOfficer
                        ? QStringLiteral("Please refer to Credit & Collection Department for further instructions.")
                        : QStringLiteral("Please advice the patient/watcher to see the Billing staff immediately for further instructions.")),
               vbExclamation);
        return Result::Refused;
    }
    return Result::Passed;
}

Result Run(EntryPoint entry, const QString& section, const QString& departmentText, const QString& idNum,
           const QString& patientType, bool runCashBasis)
{
    if (!HasUserRight(SharedConnection(), QStringLiteral("1"))) {
        refuse(rightMessage(entry), vbInformation);
        return Result::Refused;
    }
    const bool inPatient = patientType == QLatin1String("I");
    AccountState::RefreshPatientRecord(inPatient);
    if (IsDepartmentCleared(SharedConnection(), idNum, section)) {
        refuse(QStringLiteral("Patient is already cleared by (") + departmentText + QStringLiteral(" Department). ") +
                   QStringLiteral("If you have requests to make, notify the Billing staff") +
                   QStringLiteral(" immediately for further instructions."),
               vbInformation);
        return Result::Refused;
    }
    if (AccountClosed(SharedConnection(), idNum, patientType)) {
        refuse(QStringLiteral("The patient's account has already been closed . ") +
                   QStringLiteral("If you have charges to make, notify the Billing staff") + closedTail(entry),
               vbExclamation);
        return Result::AccountClosed;
    }
    return runCashBasis ? CashBasis(section, idNum, patientType) : Result::Passed;
}

} // namespace SectionGate
