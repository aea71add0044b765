#include "patients/PatientSelection.h"

#include "components/patient_search/clsPatientSearch.h"
#include "shared/MainWindowLinks.h"
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

namespace {
void notFound(const QString& text) { MsgBox(text, vbOKOnly | vbInformation, QStringLiteral("Notification")); }

void setAccount(const clsAccount& account)
{
    Selection.SelectedAccountNum = account.AccountNumber.trimmed();
    if (Selection.SelectedAccountNum.isEmpty()) Selection.SelectedAccountNum = Selection.SelectedHospNum.trimmed();
    Selection.SelectedCompany = Selection.SelectedAccountNum.trimmed() != Selection.SelectedHospNum.trimmed() ? account.Company
                                                                                 : QStringLiteral("PERSONAL");
}

Result select(const QString& hospNum, const QString& idNum, int gridRow, Kind kind, bool reportMissingMaster,
              bool requireHospitalNumber)
{
    // Nothing of the patient selected before (stay, doctor, package) stays with the new one.
    Selection.reset();
    Selection.SelectedHospNum = hospNum;
    Selection.SelectedIDNum = idNum;
    Selection.SelectedGridRow = gridRow;
    Selection.SelectedListRow = gridRow;
    if (requireHospitalNumber && hospNum.trimmed().isEmpty()) {
        notFound(QStringLiteral("No record found."));
        return Result::NoHospitalNumber;
    }
    if (!Session.PatientSearch) return Result::Failed;
    if (Session.PatientSearch->ValidatePatient(Selection.SelectedHospNum.trimmed())) {
        clsPatientMaster* m = Session.PatientSearch->PatientMaster();
        Selection.SelectedPatientName = SelectionName(m->LastName, m->FirstName, m->MiddleName);
        Selection.SelectedPatientAddress = m->Address.CompleteAddress;
    } else if (reportMissingMaster) {
        notFound(QStringLiteral("No Records Found!"));
        return Result::NoMasterRecord;
    }
    if (kind == Kind::InPatient) {
        if (!Session.PatientSearch->ValidateAdmission(Selection.SelectedIDNum)) {
            notFound(QStringLiteral("No Records Found!"));
            return Result::NoStay;
        }
        clsAdmission* a = Session.PatientSearch->Admission();
        Selection.SelectedPatientType = QStringLiteral("I");
        Selection.SelectedRoomClass = a->Room.RoomClassID;
        Selection.SelectedRoom = a->Room.RoomID;
        Selection.SelectedRoomRate = QString::number(a->Room.RoomRate);
        Selection.SelectedAdmissionDate = GeneralDateText(a->AdmissionDate);
        Selection.SelectedDischargeDate = GeneralDateText(a->DischargeDate);
        setAccount(a->Account);
    } else {
        clsOutPatient* v = Session.PatientSearch->PatientClass()->clsOutPatient();
        if (!v->OpenOutPatient(Selection.SelectedIDNum, Selection.SelectedHospNum)) {
            notFound(QStringLiteral("No Records Found!"));
            return Result::NoStay;
        }
        Selection.SelectedPatientType = QStringLiteral("O");
        Selection.SelectedRoomClass = QStringLiteral("A");
        Selection.SelectedAdmissionDate = GeneralDateText(v->AdmissionDate);
        Selection.SelectedDischargeDate = GeneralDateText(v->DischargeDate);
        Selection.SelectedRoom = QStringLiteral("OPD");
        Selection.SelectedRoomRate.clear();
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
        SelectionState row;
        row.SelectedHospNum = Selection.SelectedHospNum;
        row.SelectedIDNum = Selection.SelectedIDNum;
        row.SelectedGridRow = Selection.SelectedGridRow;
        row.SelectedListRow = Selection.SelectedListRow;
        Selection = row;
        ShowErrorNotice(e);
        return Result::Failed;
    }
}

} // namespace PatientSelection
