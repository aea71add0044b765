#include "medication_requests/frmPharmacyRequest.h"

#include "medication_requests/frmPHEntry.h"
#include "medication_requests/frmRequestReprintPHCS.h"
#include "medication_requests/frmTranscription.h"
#include "returns/frmReturn.h"
#include "components/patient_search/PatientHeaderRecords.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/text/Twips.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/lookups/AccountChecks.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/Placeholders.h"

#include <QShowEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kMenuNotice = QStringLiteral("Notification");
}

frmPharmacyRequest::frmPharmacyRequest(const QString& revenue, const RequestPatient& patient, QWidget* parent)
    : QDialog(parent), Patient(patient), m_revenue(revenue)
{
    setObjectName(QStringLiteral("frmPharmacyRequest"));
    setModal(true);
    setWindowTitle(QString());
    const bool pharmacy = m_revenue == QLatin1String("PH");
    auto* layout = new QVBoxLayout(this);
    lblPharmacy = new QLabel(pharmacy ? QStringLiteral("Pharmacy Menu") : QStringLiteral("Supplies Menu"), this);
    lblPharmacy->setObjectName(QStringLiteral("lblPharmacy"));
    lblPharmacy->setAlignment(Qt::AlignCenter);
    QFont f = lblPharmacy->font();
    f.setBold(true);
    lblPharmacy->setFont(f);
    layout->addWidget(lblPharmacy);
    const char* captions[] = {"Transcription Request Entry", "Charge Request Entry", "Exit", "", "Reprint Request Forms"};
    for (int i = 0; i < 5; ++i) {
        cmdRequest[i] = new QPushButton(QString::fromLatin1(captions[i]), this);
        cmdRequest[i]->setObjectName(QStringLiteral("cmdRequest%1").arg(i));
        cmdRequest[i]->setAutoDefault(false);
        connect(cmdRequest[i], &QPushButton::clicked, this, [this, i] { cmdRequest_Click(i); });
    }
    cmdRequest[3]->setText(pharmacy ? QStringLiteral("Post Returned Medicines") : QStringLiteral("Post Returned Supplies"));
    // Nothing shows or enables the transcription button: it stands, hidden, where the entry button is.
    cmdRequest[0]->hide();
    cmdRequest[0]->setEnabled(false);
    // The reprint is offered only where request forms are printed: then it stands below the
    // returns button and Exit comes last.
    const bool reprint = Session.NursingSettings.PrintPHCSRequest;
    for (int i : reprint ? std::array<int, 5>{0, 1, 3, 4, 2} : std::array<int, 5>{0, 1, 3, 2, 4})
        layout->addWidget(cmdRequest[i]);
    cmdRequest[4]->setVisible(reprint);
    setFixedSize(TwipsToPixels(3400), TwipsToPixels(reprint ? 2650 : 2115));
    CentralSupplyGate = [] { ShowWindowNotYetAvailable(QStringLiteral("Central Supply Request Entry")); };
}

void frmPharmacyRequest::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    Form_Activate();
}

void frmPharmacyRequest::Form_Activate()
{
    LoadHospitalInfo();
    cmdRequest[3]->setEnabled(StationParameters().AllowPostReturnInCL());
}

bool frmPharmacyRequest::pharmacyGatesPass()
{
    Connection& c = SharedConnection();
    const QString id = Patient.IDNum;
    if (IsAccountClosed(c, id, Patient.PatientType)) return false;
    if (IsDepartmentCleared(c, id, QStringLiteral("PH"))) {
        MsgBox(QStringLiteral("Patient is already cleared by (Pharmacy Department). ") +
                   QStringLiteral("If you have requests to make, notify the Billing staff") +
                   QStringLiteral(" immediately for further instructions."),
               vbInformation, kMenuNotice);
        return false;
    }
    if (Session.NursingSettings.NoRequestingAfterFinalNotice && OrErrorNotice(true, [&] { return HasDischargeNotice(c, id); })) {
        MsgBox(QStringLiteral("Final discharge order was already sent for ") + Patient.PatientName + QStringLiteral(".") +
                   QStringLiteral("\r\n\r\n") + QStringLiteral("You have to revoke the discharge order to send additional requests."),
               vbCritical, kMenuNotice);
        return false;
    }
    HeaderAdmission admission;
    if (!IsOutPatientNumber(id) && !(PatientHeaderRecords::ValidateAdmission(c, id.trimmed(), admission) && admission.OkeyPH)) {
        MsgBox(QStringLiteral("The patient's account has been placed under cash basis ") +
                   QStringLiteral("for ( Pharmacy Charges ) by the Billing Officer. ") +
                   QStringLiteral("Please advise the patient/watcher to see the Billing staff immediately for further instructions."),
               vbExclamation, kMenuNotice);
        return false;
    }
    return true;
}

void frmPharmacyRequest::cmdRequest_Click(int index)
{
    const bool pharmacy = m_revenue == QLatin1String("PH");
    try {
        switch (index) {
        case 0:
            if (pharmacy) {
                frmTranscription notes(Patient, this);
                runModal(&notes);
                Form_Activate();
            }
            return;
        case 1:
            if (!pharmacy) {
                if (CentralSupplyGate) CentralSupplyGate();
                Form_Activate();
                return;
            }
            if (pharmacyGatesPass()) {
                frmPHEntry entry(Patient, this);
                runModal(&entry);
                Form_Activate();
            }
            return;
        case 2:
            accept();
            return;
        case 3:
        {
            frmReturn returns(this);
            returns.setIsCSRMode(!pharmacy);
            returns.setPatientID(Patient.IDNum);
            returns.setReturnOrAdjustment(1);
            runModal(&returns);
            Form_Activate();
            return;
        }
        case 4: {
            frmRequestReprintPHCS reprint(pharmacy ? QStringLiteral("PH") : QStringLiteral("CS"), Patient, this);
            runModal(&reprint);
            Form_Activate();
            return;
        }
        default:
            return;
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}
