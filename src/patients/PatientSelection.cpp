#include "patients/PatientSelection.h"

#include "components/patient_search/clsPatientSearch.h"
#include "patients/MainWindowLinks.h"
#include "platform/db/Recordset.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QLocale>

namespace PatientSelection {

QString SelectionName(const QString& last, const QString& first, const QString& middle)
{
    return last.trimmed() + QStringLiteral(" ,") + first.trimmed() + QLatin1Char(' ') + middle.trimmed();
}

QString GeneralDateText(const QVariant& value)
{
    const QDateTime dt = DbValue::toDateTime(value);
    if (!dt.isValid()) return QString();
    if (dt.time() == QTime(0, 0)) return QLocale::c().toString(dt.date(), QStringLiteral("M/d/yyyy"));
    return QLocale::c().toString(dt, QStringLiteral("M/d/yyyy h:mm:ss AP"));
}

void ClearSelectedPatient()
{
    SelectedHospNum.clear();
    SelectedIDNum.clear();
    SelectedPatientType.clear();
    SelectedPatientName.clear();
    SelectedPatientAddress.clear();
    SelectedCompany.clear();
    SelectedAdmissionDate.clear();
    SelectedDischargeDate.clear();
    SelectedRoom.clear();
    SelectedRoomRate.clear();
    SelectedRoomClass.clear();
    SelectedAccountNum.clear();
}

namespace {
void notFound(const QString& text) { MsgBox(text, vbOKOnly | vbInformation, QStringLiteral("Notification")); }

void setAccount(const clsAccount& account)
{
    SelectedAccountNum = account.AccountNumber.trimmed();
    if (SelectedAccountNum.isEmpty()) SelectedAccountNum = SelectedHospNum.trimmed();
    SelectedCompany = SelectedAccountNum.trimmed() != SelectedHospNum.trimmed() ? account.Company
                                                                                 : QStringLiteral("PERSONAL");
}

Result select(const QString& hospNum, const QString& idNum, int gridRow, Kind kind, bool reportMissingMaster,
              bool requireHospitalNumber)
{
    ClearSelectedPatient();
    SelectedHospNum = hospNum;
    SelectedIDNum = idNum;
    SelectedGridRow = gridRow;
    SelectedListRow = gridRow;
    if (requireHospitalNumber && hospNum.trimmed().isEmpty()) {
        notFound(QStringLiteral("No record found."));
        return Result::NoHospitalNumber;
    }
    if (!PatientSearch) return Result::Failed;
    if (PatientSearch->ValidatePatient(SelectedHospNum.trimmed())) {
        clsPatientMaster* m = PatientSearch->PatientMaster();
        SelectedPatientName = SelectionName(m->LastName, m->FirstName, m->MiddleName);
        SelectedPatientAddress = m->Address.CompleteAddress;
    } else if (reportMissingMaster) {
        notFound(QStringLiteral("No Records Found!"));
        return Result::NoMasterRecord;
    }
    if (kind == Kind::InPatient) {
        if (!PatientSearch->ValidateAdmission(SelectedIDNum)) {
            notFound(QStringLiteral("No Records Found!"));
            return Result::NoStay;
        }
        clsAdmission* a = PatientSearch->Admission();
        SelectedPatientType = QStringLiteral("I");
        SelectedRoomClass = a->Room.RoomClassID;
        SelectedRoom = a->Room.RoomID;
        SelectedRoomRate = QString::number(a->Room.RoomRate);
        SelectedAdmissionDate = GeneralDateText(a->AdmissionDate);
        SelectedDischargeDate = GeneralDateText(a->DischargeDate);
        setAccount(a->Account);
    } else {
        clsOutPatient* v = PatientSearch->PatientClass()->clsOutPatient();
        if (!v->OpenOutPatient(SelectedIDNum, SelectedHospNum)) {
            notFound(QStringLiteral("No Records Found!"));
            return Result::NoStay;
        }
        SelectedPatientType = QStringLiteral("O");
        SelectedRoomClass = QStringLiteral("A");
        SelectedAdmissionDate = GeneralDateText(v->AdmissionDate);
        SelectedDischargeDate = GeneralDateText(v->DischargeDate);
        SelectedRoom = QStringLiteral("OPD");
        SelectedRoomRate.clear();
        setAccount(v->Account);
    }
    MainWindowLinks::EnablePatientMenus(true);
    return Result::Selected;
}
}

Result SelectRow(const QString& hospNum, const QString& idNum, int gridRow, Kind kind, bool reportMissingMaster,
                 bool requireHospitalNumber)
{
    try {
        return select(hospNum, idNum, gridRow, kind, reportMissingMaster, requireHospitalNumber);
    } catch (const std::exception& e) {
        // A failed look-up leaves no half-made selection behind.
        const QString hosp = SelectedHospNum, id = SelectedIDNum;
        ClearSelectedPatient();
        SelectedHospNum = hosp;
        SelectedIDNum = id;
        ShowErrorNotice(e);
        return Result::Failed;
    }
}

} // namespace PatientSelection
