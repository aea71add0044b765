#include "exam_requests/frmRequestReprint.h"

#include "components/login/clsCurrentuser.h"
#include "patients/CensusChargingPrint.h"
#include "patients/frmCensusFormat.h"
#include "platform/db/Connection.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/modReports.h"

frmRequestReprint::frmRequestReprint(QWidget* parent)
    : RequestReprintWindow(QStringLiteral("frmRequestReprint"), QStringLiteral("Cathlab Requests - Reprint"),
                           QStringLiteral("LIST OF REQUESTS"), parent)
{
    SetupGrid();
}

QString frmRequestReprint::formatText() const
{
    return QStringLiteral("<# |<Patient Name |<Hosp. #    |<ID #   |<Request Date  |<Item ID   |<Description   |<Remarks     "
                          "|<Requested By   |<Ref. #");
}

QVector<int> frmRequestReprint::columnWidths() const
{
    return {0, 3000, 1000, 1000, 1300, 1000, 3000, 1000, 1500, 1000, 0, 0};
}

Recordset frmRequestReprint::search(const QString& letter, const QString& key)
{
    return SharedConnection().call(QStringLiteral("CLINICAL_AREA..CLSearchRequest"),
                                   {letter, key, StationParameters().MainRevenueID()});
}

void frmRequestReprint::cmdPrint_Click()
{
    if (currentCell(11).trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Please select request to proceed printing of request form."), vbOKOnly | vbInformation,
               QStringLiteral("Notification"));
        return;
    }
    PrintCathlabRequestForm();
}

void frmRequestReprint::PrintCathlabRequestForm()
{
    try {
        PrepareReport(ReportFilePath(QStringLiteral("CathLabRequestForm.RPT")),
                      {Session.HospName, Session.HospAddress,
                       Session.CurrentUser ? Session.CurrentUser->EmployeeName().toUpper() : QString(), currentCell(11),
                       QStringLiteral("0")});
        ShowReport(false, QStringLiteral("Print Request Form"), false, true);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

frmRequestCensusCharging::frmRequestCensusCharging(QWidget* parent)
    : RequestReprintWindow(QStringLiteral("frmRequestCensusCharging"), QStringLiteral("NHI Census Charging Report - Reprinting"),
                           QStringLiteral("LIST OF CATHLAB CASES"), parent)
{
    SetupGrid();
}

QString frmRequestCensusCharging::formatText() const
{
    return QStringLiteral("<# |<Patient Name |<Hospital No.    |<ID. No   |<Transaction Date  |<Package");
}

QVector<int> frmRequestCensusCharging::columnWidths() const
{
    return {0, 3000, 1500, 1000, 1700, 7000, 0};
}

Recordset frmRequestCensusCharging::search(const QString& letter, const QString& key)
{
    return SharedConnection().call(QStringLiteral("CLINICAL_AREA..CLSearchCases"), {letter, key});
}

void frmRequestCensusCharging::cmdPrint_Click()
{
    const QString refNum = currentCell(6), idNum = currentCell(3), hospNum = currentCell(2);
    if (refNum.trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Please select patient case to print."), vbOKOnly | vbInformation, QStringLiteral("Notification"));
        return;
    }
    if (!StationParameters().ShowSelectCensusFormat()) {
        CensusChargingPrint::Print(idNum, hospNum, refNum, true);
        return;
    }
    frmCensusFormat* format = frmCensusFormat::instance();
    format->setIDNo(idNum);
    format->setHospNo(hospNum);
    format->setRefNo(refNum);
    runModal(format);
}
