// The account flags of the open patient and the gates in front of the request, charging and
// assessment entries.
#include "workspace/frmFinal.h"

#include "medication_requests/RequestPatient.h"
#include "medication_requests/frmCSREntry.h"
#include "medication_requests/frmPHEntry.h"

#include "assessment/frmAssessmentClinical.h"
#include "assessment/frmCashAssessment.h"
#include "charging/frmCharge.h"
#include "components/patient_search/PatientHeaderRecords.h"
#include "components/patient_search/clsPatientSearch.h"
#include "shared/MainWindowLinks.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/lookups/AccountChecks.h"
#include "shared/lookups/PatientLookups.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/patient/AccountState.h"
#include "shared/Placeholders.h"
#include "workspace/WorkspaceData.h"

#include <QLabel>
#include <functional>
#include <QLineEdit>
#include <QTreeWidget>
#include <QPushButton>

namespace {

const QString kFurther = QStringLiteral(" immediately for further instructions.");

void refuse(const QString& text, int icon)
{
    MsgBox(text, vbOKOnly | icon, QStringLiteral("Message"));
}

void refuseCleared(const QString& department, bool charges)
{
    refuse(QStringLiteral("Patient is already cleared by (%1 Department). ").arg(department) +
               (charges ? QStringLiteral("If you have charges to make, notify the Billing staff")
                        : QStringLiteral("If you have requests to make, notify the Billing staff")) +
               kFurther,
           vbInformation);
}

void refuseClosed()
{
    refuse(QStringLiteral("The patient's account has already been closed . ") +
               QStringLiteral("If you have charges to make, notify the Billing staff") + kFurther,
           vbExclamation);
}

void refuseCashBasis(const QString& charges)
{
    refuse(QStringLiteral("The patient's account has been placed under cash basis ") +
               QStringLiteral("for ( %1 ) by the Billing Officer. ").arg(charges) +
               QStringLiteral("Please advice the patient/watcher to see the Billing staff immediately for further instructions."),
           vbExclamation);
}

bool personalOpd(const QString& idNum)
{
    return GetOPDRateType(SharedConnection(), idNum.trimmed()) == QLatin1String("A");
}

bool cleared(const QString& idNum, const char* section)
{
    return IsDepartmentCleared(SharedConnection(), idNum, QString::fromLatin1(section));
}

// The billing date of the kind of patient chosen decides whether the account is closed.
bool accountClosed(const PatientContext& p)
{
    return AccountClosed(SharedConnection(), p.IDNum, p.PatientType);
}

HeaderAdmission admissionFlags(const QString& idNum)
{
    HeaderAdmission a;
    PatientHeaderRecords::ValidateAdmission(SharedConnection(), idNum, a);
    return a;
}

} // namespace

void frmFinal::RefreshAccountFlags()
{
    if (Session.HospitalInfo.IsAllowClinicalAssessmentWithoutValidation) {
        cmdNextPatient[9]->setVisible(true);
        return;
    }
    cmdNextPatient[9]->setVisible(false);
    const QString id = txtID->text().trimmed();
    const bool allowPersonal = StationParameters().CLAllowRequestPersonalPx();
    if (!IsOutPatientNumber(id)) {
        AccountState::RefreshPatientRecord(true);
        const HeaderAdmission a = admissionFlags(id);
        const struct { bool ok; QWidget* list; QWidget* more; } rows[] = {
            {a.OkeyLab, lstListLaboratory, cmdLabMore}, {a.OkeyXray, lstListXray, cmdXrayMore},
            {a.OkeyUltra, lstListUltra, cmdUltraMore},  {a.OkeyPH, cmdNextPatient[1], nullptr},
            {a.OkeyCS, cmdNextPatient[2], nullptr},     {a.OkeyCT, nullptr, nullptr},
            {a.OkeyPT, nullptr, nullptr},               {a.OkeyHS, nullptr, nullptr},
            {a.OkeyRTS, nullptr, nullptr},              {a.OkeyNU, nullptr, nullptr}};
        for (const auto& r : rows) {
            if (r.list) r.list->setEnabled(r.ok);
            if (r.more) r.more->setEnabled(r.ok);
            if (!r.ok) cmdNextPatient[9]->setVisible(true);
        }
    } else {
        AccountState::RefreshPatientRecord(false);
        const bool cashVisit = personalOpd(id) && !allowPersonal;
        for (QWidget* w : std::initializer_list<QWidget*>{lstListLaboratory, cmdLabMore, lstListXray, cmdXrayMore,
                                                          lstListUltra, cmdUltraMore, cmdNextPatient[1], cmdNextPatient[2]})
            w->setEnabled(!cashVisit);
        cmdNextPatient[9]->setVisible(cashVisit);
    }
    lstListOthers->setEnabled(!(personalOpd(id) && !allowPersonal));
}

void frmFinal::OpenPharmacyEntry()
{
    AccountState::RefreshPatientRecord(Patient.isInPatient());
    const QString id = txtID->text();
    if (cleared(id, "PH")) return refuseCleared(QStringLiteral("Pharmacy"), false);
    if (accountClosed(Patient)) return refuseClosed();
    if (Patient.isInPatient() && !admissionFlags(id).OkeyPH)
        return refuseCashBasis(QStringLiteral("Pharmacy Charges"));
    {
        frmPHEntry entry(RequestPatient::Of(Patient), this);
        runModal(&entry);
    }
    LoadRequestStatus();
}

void frmFinal::CSR()
{
    AccountState::RefreshPatientRecord(Patient.isInPatient());
    const QString id = txtID->text();
    if (cleared(id, "CS")) return refuseCleared(QStringLiteral("Central Supply"), false);
    if (accountClosed(Patient)) return refuseClosed();
    if (Patient.isInPatient() && !admissionFlags(id).OkeyCS)
        return refuseCashBasis(QStringLiteral("Central Supply Charges"));
    {
        frmCSREntry entry(RequestPatient::Of(Patient), this);
        runModal(&entry);
    }
    LoadRequestStatus();
}

void frmFinal::OpenChargingEntry()
{
    AccountState::RefreshPatientRecord(Patient.isInPatient());
    const QString id = txtID->text();
    if (cleared(id, "CL")) return refuseCleared(QStringLiteral("Cathlab"), true);
    if (accountClosed(Patient)) return refuseClosed();
    if (GetOkeyCL(SharedConnection(), id)) return refuseCashBasis(QStringLiteral("Cathlab Charges"));
    if (personalOpd(id) && !StationParameters().ByPassPersonalPostCharge())
        return refuse(QStringLiteral("The patient's OPD registration is tag as OPD Cash. ") +
                          QStringLiteral("Please use the Cash Assessment Entry Option to enter charges."),
                      vbExclamation);
    PrepareEntryWindow(QStringLiteral("CHARGING ENTRY"), QStringLiteral("STATION..sp_CL_ChargingCodes"), {}, QString());
}

void frmFinal::OpenCashAssessment()
{
    try {
        const QString id = txtID->text();
        const bool outPatient = IsOutPatientNumber(id);
        const bool cashBasis = GetOkeyCL(SharedConnection(), id);
        if (!outPatient && !cashBasis)
            return refuse(QStringLiteral("The patient's account has not been placed under cash basis ") +
                              QStringLiteral("\r\n") + QStringLiteral(" for (Cathlab Charges ). Please use the Charging Entry to enter charges."),
                          vbExclamation);
        const bool personal = personalOpd(id);
        if (outPatient && !personal)
            return refuse(QStringLiteral("The patient's OPD registration is tag as OPD Charge. ") + QStringLiteral("\r\n") +
                              QStringLiteral(" Please use the Chargig Entry to enter charges."),
                          vbExclamation);
        PrepareEntryWindow(QStringLiteral("Cash Assessment Entry"), QStringLiteral("STATION..sp_CL_ChargingCodes"), {}, QString());
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmFinal::OpenClinicalAssessment()
{
    PrepareEntryWindow(QStringLiteral("Assessment Entry For Clinical Department"),
                       QStringLiteral("STATION..sp_Nurse_Get_Assess_ClinicalDeparment"),
                       {txtID->text().trimmed(), Session.HospitalInfo.IsAllowClinicalAssessmentWithoutValidation ? 1 : 0}, QString());
}

QList<QLineEdit*> frmFinal::PatientHeaderBoxes() const
{
    return {txtPatient, txtDoctor1, txtDoctor2, txtDoctor3, txtID,   txtPno,  txtDateAdmitted, txtDateDischarged,
            txtDob,     txtRoom,    txtAge,     txtSex,     txtBloodType, txtStatus, txtAdiet, txtDiagnosis};
}

void frmFinal::FillEntryWindow(QWidget* target, QTreeWidget* list, QLabel* code,
                               const QList<QPair<QString, QString>>& departments, const QString& caption)
{
    if (list) {
        // Appended: the entry windows add no departments themselves, and an open one keeps its rows.
        for (const auto& d : departments) {
            auto* item = new QTreeWidgetItem(list);
            item->setText(0, d.first);
            item->setText(1, d.second);
        }
    }
    if (code) code->setText(Session.CurrentStationID.toString());
    if (!caption.isEmpty()) target->setWindowTitle(caption);
}

// The charging entry and both assessments are filled with these rows, the caption and the header
// and shown as children of the main window.
void frmFinal::PrepareEntryWindow(const QString& windowName, const QString& departmentSql, const QVariantList& args,
                                  const QString&)
{
    const QList<QPair<QString, QString>> departments = WorkspaceData::DepartmentRows(SharedConnection(), departmentSql, args);
    auto show = [&](auto* window, const std::function<void()>& activate) {
        FillEntryWindow(window, window->lvwDepartments, window->lblDeptCode, departments, windowName);
        window->setPatient(Patient);
        MainWindowLinks::ShowChild(window, false);
        activate();
    };
    if (windowName == QLatin1String("CHARGING ENTRY")) {
        frmCharge* charge = frmCharge::instance();
        return show(charge, [charge] { charge->Form_Activate(); });
    }
    if (windowName == QLatin1String("Cash Assessment Entry")) {
        frmCashAssessment* cash = frmCashAssessment::instance();
        return show(cash, [cash] { cash->Form_Activate(); });
    }
    if (windowName == QLatin1String("Assessment Entry For Clinical Department")) {
        frmAssessmentClinical* clinical = frmAssessmentClinical::instance();
        FillEntryWindow(clinical, clinical->lvwDepartments, clinical->lblDeptCode, departments, QString());
        clinical->setPatient(Patient);
        MainWindowLinks::ShowChild(clinical, false);
        clinical->Form_Activate();
        return;
    }
    ShowWindowNotYetAvailable(windowName);
}
