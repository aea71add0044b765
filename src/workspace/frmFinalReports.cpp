// The nurse reports of the request status page: the report catalogue's rows open their reports.
#include "workspace/frmFinal.h"

#include "platform/db/Connection.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/UserRights.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/frmReport.h"
#include "shared/reports/modReports.h"

#include <QLineEdit>

namespace {

// The report-date prompt; false when it was closed without dates.
bool askDates(const QString& caption)
{
    frmReport* f = frmReport::instance();
    f->setCaption(caption);
    f->ShowModal();
    return !ReportDateFrom.isEmpty() && !ReportDateTo.isEmpty();
}

void openNurseReport(const char* file, const QVariantList& params, const QString& caption, bool groupTree)
{
    PrepareReport(ReportFilePath(QString::fromLatin1(file)), params);
    ShowReport(groupTree, caption, false, false);
}

} // namespace

void frmFinal::mshflexReports_DblClick()
{
    if (!mshflexReports->isEnabled()) return;
    const int row = mshflexReports->currentRow();
    if (row < 1) return;
    const QString type = mshflexReports->TextMatrix(row, 1).trimmed();
    const QString station = CurrentStationID.toString();
    const QString stationName = CurrentStationName.toString().trimmed();
    const QString id = txtID->text();
    try {
        if (type == QLatin1String("0")) {
            openNurseReport("Diet_List.Rpt", {SelectedHospNum.trimmed(), HospAddress.trimmed(), station, stationName + QStringLiteral(" - Diet List")},
                 QStringLiteral("Diet List"), false);
        } else if (type == QLatin1String("1")) {
            SharedConnection().call(QStringLiteral("PATIENT_DATA..sp_Adm_CensusByStation"),
                                    {ServerDate.toString(QStringLiteral("yyyy/MM/dd")), station.trimmed()});
            openNurseReport("CensusByStation_QZV.rpt", {ServerDate.toString(QStringLiteral("MM/dd/yyyy"))},
                 QStringLiteral("Census Report by Station"), false);
        } else if (type == QLatin1String("2")) {
            SharedConnection().call(QStringLiteral("STATION..Nurse_dischargeList"),
                                    {station.trimmed(), ServerDate.toString(QStringLiteral("MM/dd/yyyy"))});
            openNurseReport("NurseDischargeReport.rpt", {stationName, HospName.trimmed(), HospAddress.trimmed()},
                 QStringLiteral("Discharged List"), false);
        } else if (type == QLatin1String("3")) {
            if (!askDates(QStringLiteral("ENTER Report Date"))) return;
            openNurseReport("List_Of_Proccess_Request_AllPatient.rpt", {station, ReportDateFrom, ReportDateTo, CurrentStationName.toString()},
                 QStringLiteral("List of Request and Orders"), true);
        } else if (type == QLatin1String("4")) {
            openNurseReport("Posted Medicines.RPT", {id, HospitalInfo.IsShowAmount}, QString(), false);
        } else if (type == QLatin1String("5")) {
            openNurseReport("Posted Supplies.RPT", {id, HospitalInfo.IsShowAmount}, QString(), false);
        } else if (type == QLatin1String("6")) {
            openNurseReport("List_Of_Proccess_Request_New.rpt", {id, station}, QStringLiteral("List of Processed Request"), false);
        } else if (type == QLatin1String("7")) {
            openNurseReport("PatientDischargeNoticeStatus.RPT", {station}, QStringLiteral("Patient Discharge Notice Status"), false);
        } else if (type == QLatin1String("8") || type == QLatin1String("9")) {
            const bool detailed = type == QLatin1String("8");
            if (!HasUserRight(detailed ? QStringLiteral("18") : QStringLiteral("21"))) {
                MsgBox(detailed ? QStringLiteral("Sorry, you don't have access right to view Detailed Income Report!")
                                : QStringLiteral("Sorry you don't have access right to view Summary Income Report!"),
                       vbInformation, QStringLiteral("Message"));
                return;
            }
            if (!askDates(QStringLiteral("Enter Report Date for Income Report"))) return;
            openNurseReport(detailed ? "Nurse_Station_Income_Detailed.RPT" : "Nurse_Station_Income_Summary.RPT",
                 {HospitalInfo.IsShowAmount, ReportDateFrom, ReportDateTo, station},
                 detailed ? QStringLiteral("Income Report (Detailed)") : QStringLiteral("Income Report (Summary)"), false);
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}
