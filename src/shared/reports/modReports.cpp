#include "shared/reports/modReports.h"

#include "components/login/clsCurrentuser.h"
#include "platform/report/Report.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportHost.h"
#include "platform/report/ReportLog.h"
#include "platform/report/ReportOutput.h"
#include "platform/report/ReportRenderer.h"
#include "platform/report/ReportViewer.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ProgramFolder.h"
#include "shared/modGlobals.h"
#include "shared/reports/frmReportMedicationsheet.h"
#include "shared/reports/frmReportViewer.h"

#include <memory>

namespace {
QString trimBlanks(const QString& s)
{
    int a = 0, b = int(s.size());
    while (a < b && s[a] == QLatin1Char(' ')) ++a;
    while (b > a && s[b - 1] == QLatin1Char(' ')) --b;
    return s.mid(a, b - a);
}

void noteError(const std::exception& e)
{
    if (ReportCall* call = ReportLog::current()) call->error = QString::fromUtf8(e.what());
}

// Every table logs on with the log-in component's server, database, user and password, over
// the run's connection.
void logOnTables(Report& report)
{
    ReportLogOn logOn;
    Connection* connection = nullptr;
    if (Session.CurrentUser) {
        logOn = {Session.CurrentUser->servername(), Session.CurrentUser->Database(), Session.CurrentUser->UserID(), Session.CurrentUser->serverpassword()};
        connection = Session.CurrentUser->sqlConnection();
    }
    for (ReportTable& table : report.tables()) table.setLogOnInfo(logOn, connection);
}

// Element i goes to the i-th parameter field, as far as the array reaches.
void fillParameters(Report& report, const QVariantList& params)
{
    QList<ReportParameterField>& fields = report.parameterFields();
    for (int i = 0; i < fields.size(); ++i) {
        if (i > params.size() - 1) break;
        fields[i].addCurrentValue(params[i]);
    }
}

void placePendingPicture(Report& report)
{
    if (!ReportValues.ReportPicturePending || trimBlanks(ReportValues.ReportPicturePath).isEmpty()) return;
    const ReportPicture picture = ReportPicture::load(ReportValues.ReportPicturePath); // before the report changes
    ReportSection& section = report.section(6);
    ReportPicture& placed = section.addPicture(picture, 0, 0);
    placed.left = 500;
    placed.top = 0;
    section.height = placed.height + 500;
    if (ReportCall* call = ReportLog::current()) call->picture = ReportValues.ReportPicturePath;
    ReportValues.ReportPicturePending = false;
    ReportValues.ReportPicturePath.clear();
}
}

QString ReportFilePath(const QString& fileName)
{
    return ProgramFolder::file(QStringLiteral("Reports/") + fileName);
}

void PrepareReport(const QString& reportPath, const QVariantList& params)
{
    ReportLog::begin(reportPath, params);
    try {
        std::shared_ptr<Report> report = Report::open(reportPath);
        ReportLog::current()->openedFile = report->filePath;
        ReportValues.CurrentReport = report;
        report->setHospitalName(Session.HospName);
        report->setHospitalAddress(Session.HospAddress);
        placePendingPicture(*report);
        logOnTables(*report);
        fillParameters(*report, params);
    } catch (const std::exception& e) {
        noteError(e);
        throw;
    }
}

void PrepareSubreport(const QString& subreportName, const QVariantList& params)
{
    if (ReportCall* call = ReportLog::current()) call->subreports.append({subreportName, params});
    try {
        if (!ReportValues.CurrentReport)
            throw ReportError(QStringLiteral("There is no open report for the subreport \"%1\".").arg(subreportName));
        Report& subreport = ReportValues.CurrentReport->openSubreport(subreportName);
        logOnTables(subreport);
        fillParameters(subreport, params);
    } catch (const std::exception& e) {
        noteError(e);
        throw;
    }
}

void ShowReport(bool showGroupTree, const QString& caption, bool directPrint, bool medicationSheet)
{
    auto record = [&](ReportShown shown, const QString& text) {
        if (ReportCall* call = ReportLog::current()) {
            call->shown = shown;
            call->caption = caption;
            call->showGroupTree = showGroupTree;
            call->text = text;
        }
    };
    try {
        if (directPrint) {
            if (!ReportValues.CurrentReport) throw ReportError(QStringLiteral("There is no report to print."));
            ReportValues.CurrentReport->promptForPrinter = false;
            const auto rendered = ReportRenderer::render(*ReportValues.CurrentReport);
            const QString where = ReportOutput::printDirect(*rendered);
            record(ReportShown::Printed, ReportDocument(*rendered, ReportOutput::pageLayout(rendered->page)).plainText());
            if (ReportCall* call = ReportLog::current()) call->printedTo = where;
            ReportValues.CurrentReport.reset();
            return;
        }
        if (medicationSheet) {
            auto window = std::make_unique<frmReportMedicationsheet>(ReportHost::mainWindow());
            window->setShowGroupTree(showGroupTree);
            window->setWindowTitle(caption);
            window->setDirectPrint(directPrint);
            window->Form_Load();
            record(ReportShown::MedicationSheet, window->CRViewer1->text());
            window->setWindowState(window->windowState() | Qt::WindowMaximized);
            runModal(window.get());
            return;
        }
        auto window = std::make_unique<frmReportViewer>();
        window->setShowGroupTree(showGroupTree);
        window->setWindowTitle(caption);
        window->setDirectPrint(directPrint);
        window->Form_Load();
        record(ReportShown::Viewer, window->CRViewer1->text());
        window.release()->showInMainWindow();
    } catch (const std::exception& e) {
        noteError(e);
        throw;
    }
}
