// The workspace's action bar and function keys.
#include "workspace/frmFinal.h"

#include "results/frmReprintLabForm.h"
#include "medication_requests/RequestPatient.h"
#include "medication_requests/frmPharmacyRequest.h"

#include "components/StationComponents.h"
#include "components/patient_search/PatientHeaderRecords.h"
#include "components/patient_search/clsPatientSearch.h"
#include "components/login/clsCurrentuser.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/ui/MessageBox.h"
#include "registration/frmDischargeMenu.h"
#include "registration/frmHBPS.h"
#include "shared/UserRights.h"
#include "shared/lookups/AccountChecks.h"
#include "shared/lookups/PatientLookups.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/modReports.h"
#include "shared/patient/AccountState.h"
#include "platform/ui/FlexGrid.h"
#include "shared/Placeholders.h"
#include "shared/patient/PatientContext.h"
#include "workspace/WorkspaceData.h"
#include "workspace/frmPostDiet.h"

#include <QLineEdit>
#include <QTimer>

namespace {

void refuseRight(const QString& text, const QString& title = QStringLiteral("Message"))
{
    MsgBox(text, vbOKOnly | vbInformation, title);
}

bool right(const char* id) { return HasUserRight(SharedConnection(), QString::fromLatin1(id)); }

// The header's date texts ("mm/dd/yyyy hh:mm:ss AM/PM" or "mm/dd/yyyy") read back.
QDateTime headerDateTime(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) return {};
    QDateTime dt = QDateTime::fromString(t, QStringLiteral("MM/dd/yyyy hh:mm:ss AP"));
    if (!dt.isValid()) dt = QDateTime(QDate::fromString(t, QStringLiteral("MM/dd/yyyy")), QTime(0, 0));
    return dt;
}

QString datePart(const QString& text)
{
    const QDateTime dt = headerDateTime(text);
    return dt.isValid() ? dt.toString(QStringLiteral("MM/dd/yyyy")) : QString();
}

QString timePart(const QString& text)
{
    const QDateTime dt = headerDateTime(text);
    return dt.isValid() ? dt.toString(QStringLiteral("hh:mm:ss AP")) : QString();
}

} // namespace

void frmFinal::cmdNextPatient_Click(int index)
{
    // A failed look-up or record refresh of a button is told, and the button does nothing more.
    try {
        RunActionBarElement(index);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmFinal::RunActionBarElement(int index)
{
    const QString id = txtID->text();
    switch (index) {
    case 1:
    case 2: {
        const bool pharmacy = index == 1;
        if (!right("1"))
            return refuseRight(pharmacy ? QStringLiteral("Sorry you don't have access right to Request Medicines!")
                                        : QStringLiteral("Sorry you don't have access right to Request Central Supplies!"));
        if (IsDepartmentCleared(SharedConnection(), id, pharmacy ? QStringLiteral("PH") : QStringLiteral("CS"))) {
            MsgBox(QStringLiteral("Patient is already cleared by (%1 Department). ")
                           .arg(pharmacy ? QStringLiteral("Pharmacy") : QStringLiteral("Central Supply")) +
                       QStringLiteral("If you have requests to make, notify the Billing staff") +
                       QStringLiteral(" immediately for further instructions."),
                   vbOKOnly | vbInformation, QStringLiteral("Message"));
            return;
        }
        if (pharmacy && GetPatientsMedFlag(SharedConnection(), id))
            MsgBox(QStringLiteral("Records indicate that this Patient is under patients medicine."), vbOKOnly | vbInformation,
                   QStringLiteral("Message"));
        AccountState::RefreshPatientRecord(Patient.isInPatient());
        if (AccountClosed(SharedConnection(), id, Patient.PatientType)) {
            MsgBox(QStringLiteral("The patient's account has already been closed . ") +
                       QStringLiteral("If you have charges to make, notify the Billing staff") +
                       QStringLiteral(" immediately for further instructions."),
                   vbOKOnly | vbExclamation, QStringLiteral("Message"));
            return;
        }
        {
            frmPharmacyRequest menu(pharmacy ? QStringLiteral("PH") : QStringLiteral("CS"), RequestPatient::Of(Patient), this);
            menu.CentralSupplyGate = [this] { CSR(); };
            runModal(&menu);
        }
        LoadRequestStatus();
        return;
    }
    case 5:
        if (!right("3")) return refuseRight(QStringLiteral("Sorry, you don't have access right to Charging Entry!"));
        return OpenChargingEntry();
    case 7:
        if (!right("9")) return refuseRight(QStringLiteral("Sorry you don't have access right for Assessment Entry!"));
        return OpenCashAssessment();
    case 9:
        return OpenClinicalAssessment();
    case 0: {
        ReprintPatient patient{txtID->text(), txtPno->text(), txtPatient->text(), txtAge->text(), txtSex->text(), txtRoom->text(),
                               txtDoctor2->text(), HeaderAccountNumber, HeaderDoctorCode};
        frmReprintLabForm dialog(patient, this);
        runModal(&dialog);
        return;
    }
    case 3:
        if (!right("6")) return refuseRight(QStringLiteral("Sorry you don't have access right to Post New Diet!"));
        {
            frmPostDiet dialog(this);
            runModal(&dialog);
        }
        txtAdiet->setText(PatientContextData::AdmissionDiet(SharedConnection(), id));
        return;
    case 4:
        if (!right("4") && !right("5"))
            return refuseRight(QStringLiteral("Sorry you don't have access right to Discharge and Transfer Room of Patient!"));
        {
            frmDischargeMenu dialog(Patient, this);
            runModal(&dialog);
            // A transfer shows the new room at once and reads the stay again.
            if (dialog.Transferred) {
                Patient.Room = dialog.Patient.Room;
                txtRoom->setText(Patient.Room);
                Timer1->start();
            }
        }
        return;
    case 6:
        if (!right("6")) return refuseRight(QStringLiteral("Sorry you don't have access right to Send Clearance/Discharge Order!"));
        LoadRequestStatus();
        if (!mshflexProcessed[1]->TextMatrix(1, 1).isEmpty()) {
            MsgBox(QStringLiteral("You can`t send discharge order at this time.There are still pending requests."), vbOKOnly,
                   QStringLiteral("Message"));
            return;
        }
        {
            frmHBPS dialog(Patient, this);
            runModal(&dialog);
        }
        AccountState::RefreshPatientRecord(!IsOutPatientNumber(id));
        return;
    default:
        return;
    }
}

QVariantList frmFinal::StatementOfAccountParams() const
{
    HeaderMaster m;
    PatientHeaderRecords::LoadPatientMaster(SharedConnection(), txtPno->text(), m);
    const QString account = m.AccountNumber.trimmed();
    const QString company = txtPno->text().trimmed() == account ? QStringLiteral("PERSONAL") : m.Company.trimmed();
    return {txtID->text(),
            Session.HospAddress,
            txtPatient->text(),
            m.CompleteAddress.trimmed(),
            account,
            company,
            txtPno->text(),
            datePart(txtDateAdmitted->text()),
            datePart(txtDateDischarged->text()),
            txtRoom->text(),
            Patient.RoomRate,
            timePart(txtDateAdmitted->text()),
            timePart(txtDateDischarged->text()),
            QString(),
            QString(),
            Session.CurrentUser ? Session.CurrentUser->EmployeeName() : QString(),
            txtDoctor2->text()};
}

int frmFinal::Form_KeyDown(int keyCode)
{
    try {
        switch (keyCode) {
        case 116: // F5
            Timer1->start();
            return 0;
        case 117: // F6
            if (!right("1")) {
                refuseRight(QStringLiteral("Sorry, you don't have access right to Request Medicines!"), QStringLiteral("Notification"));
                return keyCode;
            }
            OpenPharmacyEntry();
            return 0;
        case 118: // F7
            if (!right("1")) {
                refuseRight(QStringLiteral("Sorry, you don't have access right to request from Central Supplies!"),
                            QStringLiteral("Notification"));
                return keyCode;
            }
            CSR();
            return 0;
        case 121: // F10
            if (Session.ICDCodeSearch) Session.ICDCodeSearch->ValidateICDCode();
            return 0;
        case 122: // F11
            if (!right("19")) {
                refuseRight(QStringLiteral("Sorry you don't have access right to View Statement Of Account!"));
                return 0;
            }
            PrepareReport(ReportFilePath(QStringLiteral("StatementOfAccountPatientsLedgerByDepartment.RPT")),
                          StatementOfAccountParams());
            PrepareSubreport(QStringLiteral("HospitalBill"), {txtID->text()});
            PrepareSubreport(QStringLiteral("MedicalFee"), {txtID->text()});
            ShowReport(false, QStringLiteral("Statement Of Accounts"), false, false);
            return 0;
        default:
            return 0;
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    return 0;
}
