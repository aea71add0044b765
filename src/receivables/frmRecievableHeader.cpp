// The receivable update's patient header, its department list and the list of posted charges.
#include "receivables/frmRecievable.h"

#include "charging/ChargePostedList.h"
#include "components/patient_search/PatientHeaderRecords.h"
#include "components/patient_search/clsPatientSearch.h"
#include "patients/PatientSelection.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/text/Format.h"
#include "platform/ui/FlexGrid.h"
#include "receivables/ReceivableValues.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/patient/PatientContext.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {
QString dateTimeText(const QDateTime& dt) { return dt.isValid() ? Fmt::serverDateText(dt) : QString(); }
QString dateText(const QDateTime& dt) { return dt.isValid() ? dt.date().toString(QStringLiteral("MM/dd/yyyy")) : QString(); }
}

void frmRecievable::LoadReceivablePatientHeader()
{
    Connection& c = SharedConnection();
    for (QLineEdit* box : {txtPatient, txtSex, txtStatus, txtDob, txtDiagnosis, txtAge, txtPno, txtID, txtRoom, txtDateAdmitted,
                           txtDateDischarged, txtDoctor2, txtDoctor3, txtDoctor1, txtBloodType})
        box->clear();
    const QString idNum = Receivable.ReceivableIDNum;
    const QString hospNum = Receivable.ReceivableHospNum;
    clsPatientSearch* search = Session.PatientSearch;
    if (!IsOutPatientNumber(idNum.trimmed())) {
        HeaderAdmission a;
        // The shared patient search follows the receivable patient while the header shows it.
        if (search) search->ValidateAdmission(idNum);
        if (PatientHeaderRecords::ValidateAdmission(c, idNum, a)) {
            txtPatient->setText(PatientSelection::SelectionName(a.Patient.LastName, a.Patient.FirstName, a.Patient.MiddleName));
            txtSex->setText(a.Patient.Sex);
            txtStatus->setText(a.Patient.CivilStatusDescription);
            txtDob->setText(dateText(a.Patient.BirthDate));
            txtDiagnosis->setText(a.AdmittingDiagnosis);
            txtAge->setText(a.Age);
            const QString admissionHospNum = search ? search->Admission()->HospitalNumber : QString();
            txtPno->setText(admissionHospNum.isEmpty() ? hospNum : admissionHospNum);
            txtID->setText(idNum);
            txtRoom->setText(a.RoomID);
            Selection.SelectedRoomClass = a.RoomClassID;
            txtDateAdmitted->setText(dateTimeText(a.AdmissionDate));
            txtDateDischarged->setText(dateTimeText(a.DischargeDate));
            txtDoctor2->setText(a.AttendingDoctor1.CompleteName);
            txtDoctor3->setText(a.AttendingDoctor2.CompleteName);
            txtDoctor1->setText(a.AdmittingDoctor.CompleteName);
            HeaderMaster m;
            if (PatientHeaderRecords::LoadPatientMaster(c, txtPno->text(), m)) {
                Selection.PatientAddressLine = m.CompleteAddress;
                Selection.SelectedAccountNum = m.AccountNumber;
                txtBloodType->setText(m.BloodType);
            }
            txtAdiet->setText(PatientContextData::AdmissionDiet(c, txtID->text()));
        }
    } else {
        HeaderVisit v;
        if (search) search->PatientClass()->clsOutPatient()->OpenOutPatient(idNum, hospNum);
        if (PatientHeaderRecords::OpenOutPatient(c, idNum, hospNum, v)) {
            Selection.SelectedRoomClass = QStringLiteral("A");
            Selection.SelectedRoom = QStringLiteral("OPD");
            HeaderPatient p;
            if (PatientHeaderRecords::LoadVisitPatient(c, hospNum, p)) {
                txtPatient->setText(PatientSelection::SelectionName(p.LastName, p.FirstName, p.MiddleName));
                txtSex->setText(p.Sex);
                txtStatus->setText(p.CivilStatusDescription);
                txtDob->setText(dateText(p.BirthDate));
                txtAge->setText(p.Age);
                txtPno->setText(hospNum);
                txtRoom->setText(QStringLiteral("ER/OPD"));
                HeaderMaster m;
                if (PatientHeaderRecords::LoadPatientMaster(c, hospNum, m)) Selection.SelectedAccountNum = m.AccountNumber;
                txtID->setText(idNum);
                txtDoctor2->setText(v.Doctor2.CompleteName);
                txtDoctor3->setText(v.Doctor3.CompleteName);
                txtDoctor1->setText(v.Doctor1.CompleteName);
            }
            txtDateAdmitted->setText(dateTimeText(v.AdmissionDate));
            txtDateDischarged->setText(dateTimeText(v.DischargeDate));
        }
    }
    // a loaded value shows from its beginning (names and dates are longer than the box)
    for (QLineEdit* box : {txtPatient, txtDateAdmitted, txtDateDischarged, txtDoctor1, txtDoctor2, txtDoctor3, txtDiagnosis})
        box->setCursorPosition(0);
    const PatientContextData::Membership m = PatientContextData::AdmTypeMembership(c, txtID->text().trimmed());
    if (m.found) {
        Receivable.ReceivableMembership = m.membership;
        Receivable.ReceivableAdmType = m.admType;
    }
}

void frmRecievable::LoadChargingCodes()
{
    // Loaded once for the life of the window: the list never holds a code twice.
    lvwDepartments->clear();
    const Recordset rs = SharedConnection().call(QStringLiteral("STATION..sp_CL_ChargingCodes"), {});
    for (int r = 0; r < rs.recordCount(); ++r) {
        auto* item = new QTreeWidgetItem(lvwDepartments);
        // the code and its name, as the procedure returns them
        item->setText(0, DbValue::text(rs.valueAt(r, 0)));
        item->setText(1, DbValue::text(rs.valueAt(r, 1)));
    }
}

void frmRecievable::Get_Charges()
{
    const Recordset lines = LoadPostedCharges(SharedConnection(), txtPno->text(), txtID->text(), Session.CurrentStationID.toString());
    const bool any = FillPostedChargesGrid(*MSHFlexList, lines, Session.HospitalInfo.IsShowAmount);
    MSHFlexList->setEnabled(any);
    txtMessage->setVisible(!any);
}

void frmRecievable::reloadPostedList()
{
    try {
        Get_Charges();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmRecievable::MSHFlexList_Click()
{
    cmdOption[0]->setEnabled(Session.HospitalInfo.IsPrintChargeSlip);
    cmdOption[1]->setEnabled(true);
    cmdOption[1]->setVisible(true);
}
