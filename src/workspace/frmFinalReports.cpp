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
#include "workspace/WorkspaceData.h"

#include <QLineEdit>
#include <QLabel>

namespace {

// The report-date prompt; false when it was closed without dates.
bool askDates(const QString& caption)
{
    frmReport* f = frmReport::instance();
    f->setCaption(caption);
    f->ShowModal();
    return !ReportValues.ReportDateFrom.isEmpty() && !ReportValues.ReportDateTo.isEmpty();
}

void openNurseReport(const char* file, const QVariantList& params, const QString& caption, bool groupTree)
{
    PrepareReport(ReportFilePath(QString::fromLatin1(file)), params);
    ShowReport(groupTree, caption, false, false);
}

// The census and the discharges of the day first have their data prepared on the server, for the
// server date as last read.
void openCensusReport()
{
    WorkspaceData::PrepareCensusByStation(SharedConnection(), Session.ServerDate.date(),
                                          Session.CurrentStationID.toString().trimmed());
    openNurseReport("CensusByStation_QZV.rpt", {Session.ServerDate.toString(QStringLiteral("MM/dd/yyyy"))},
                    QStringLiteral("Census Report by Station"), false);
}

void openDischargeReport()
{
    WorkspaceData::PrepareDischargeList(SharedConnection(), Session.CurrentStationID.toString().trimmed(),
                                        Session.ServerDate.date());
    openNurseReport("NurseDischargeReport.rpt",
                    {Session.CurrentStationName.toString().trimmed(), Session.HospName.trimmed(), Session.HospAddress.trimmed()},
                    QStringLiteral("Discharged List"), false);
}

void openProcessedRequests(const QString& id)
{
    openNurseReport("List_Of_Proccess_Request_New.rpt", {id, Session.CurrentStationID.toString()},
                    QStringLiteral("List of Processed Request"), false);
}

} // namespace

void frmFinal::mshflexReports_DblClick()
{
    if (!mshflexReports->isEnabled()) return;
    const int row = mshflexReports->currentRow();
    if (row < 1) return;
    const QString type = mshflexReports->TextMatrix(row, 1).trimmed();
    const QString station = Session.CurrentStationID.toString();
    const QString stationName = Session.CurrentStationName.toString().trimmed();
    const QString id = txtID->text();
    try {
        if (type == QLatin1String("0")) {
            openNurseReport("Diet_List.Rpt", {Patient.HospNum.trimmed(), Session.HospAddress.trimmed(), station, stationName + QStringLiteral(" - Diet List")},
                 QStringLiteral("Diet List"), false);
        } else if (type == QLatin1String("1")) {
            openCensusReport();
        } else if (type == QLatin1String("2")) {
            openDischargeReport();
        } else if (type == QLatin1String("3")) {
            if (!askDates(QStringLiteral("ENTER Report Date"))) return;
            openNurseReport("List_Of_Proccess_Request_AllPatient.rpt", {station, ReportValues.ReportDateFrom, ReportValues.ReportDateTo, Session.CurrentStationName.toString()},
                 QStringLiteral("List of Request and Orders"), true);
        } else if (type == QLatin1String("4")) {
            openNurseReport("Posted Medicines.RPT", {id, Session.HospitalInfo.IsShowAmount}, QString(), false);
        } else if (type == QLatin1String("5")) {
            openNurseReport("Posted Supplies.RPT", {id, Session.HospitalInfo.IsShowAmount}, QString(), false);
        } else if (type == QLatin1String("6")) {
            openProcessedRequests(id);
        } else if (type == QLatin1String("7")) {
            openNurseReport("PatientDischargeNoticeStatus.RPT", {station}, QStringLiteral("Patient Discharge Notice Status"), false);
        } else if (type == QLatin1String("8") || type == QLatin1String("9")) {
            const bool detailed = type == QLatin1String("8");
            if (!HasUserRight(SharedConnection(), detailed ? QStringLiteral("18") : QStringLiteral("21"))) {
                MsgBox(detailed ? QStringLiteral("Sorry, you don't have access right to view Detailed Income Report!")
                                : QStringLiteral("Sorry you don't have access right to view Summary Income Report!"),
                       vbInformation, QStringLiteral("Message"));
                return;
            }
            if (!askDates(QStringLiteral("Enter Report Date for Income Report"))) return;
            openNurseReport(detailed ? "Nurse_Station_Income_Detailed.RPT" : "Nurse_Station_Income_Summary.RPT",
                 {Session.HospitalInfo.IsShowAmount, ReportValues.ReportDateFrom, ReportValues.ReportDateTo, station},
                 detailed ? QStringLiteral("Income Report (Detailed)") : QStringLiteral("Income Report (Summary)"), false);
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmFinal::lblReports_Click(int index)
{
    const QString id = txtID->text();
    try {
        switch (index) {
        case 0:
            openNurseReport("Diet_List.Rpt",
                            {Session.CurrentStationID.toString(), Session.HospName.trimmed(), Session.HospAddress.trimmed(),
                             Session.CurrentStationName.toString().trimmed() + QStringLiteral(" - Diet List")},
                            QStringLiteral("Diet List"), false);
            break;
        case 1: openCensusReport(); break;
        case 2: openDischargeReport(); break;
        case 3: openNurseReport("List_of_RequestOrders.Rpt", {id}, QString(), true); break;
        case 4: openNurseReport("Posted Medicines.RPT", {id}, QString(), false); break;
        case 5: openNurseReport("Posted Supplies.RPT", {id}, QString(), false); break;
        case 6: openProcessedRequests(id); break;
        default: break;
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmFinal::lblReports_MouseMove(int index)
{
    // The label under the pointer turns yellow, the others blue; leaving resets nothing.
    for (int i = 0; i < 7; ++i) {
        QPalette p = lblReports[i]->palette();
        p.setColor(QPalette::WindowText, i == index ? QColor(0xFF, 0xFF, 0x00) : QColor(0x00, 0x00, 0xC0));
        lblReports[i]->setPalette(p);
    }
}
