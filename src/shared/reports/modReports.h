#pragma once
#include <QString>
#include <QVariantList>

// The report routines every window prints through. A caller makes the whole call in one handler
// and reports a failure with the common error notice:
//
//     try {
//         PrepareReport(ReportFilePath("CLRegistrationForm.RPT"), {RegIDNum});
//         ShowReport(false, "Print Registration Form", false, true);
//     } catch (const std::exception& e) {
//         ShowErrorNotice(e);
//     }

// The full path of a file of the program's report folder.
QString ReportFilePath(const QString& fileName);

// Opens the report file into CurrentReport and readies it: the hospital's name and address, a
// pending picture into section 6, the log-on of its tables, and its parameter fields from params
// (element i to the i-th field; missing elements leave fields empty, extra ones are ignored).
// Errors reach the caller.
void PrepareReport(const QString& reportPath, const QVariantList& params);

// Readies one subreport of CurrentReport by name: the log-on of its tables and its parameter
// fields, as PrepareReport does. Errors reach the caller unchanged.
void PrepareSubreport(const QString& subreportName, const QVariantList& params);

// Prints CurrentReport at once (directPrint; then CurrentReport is emptied), or shows it in a new
// modal frmReportMedicationsheet (medicationSheet), or in a new modeless frmReportViewer inside the
// main window. Errors reach the caller.
void ShowReport(bool showGroupTree, const QString& caption, bool directPrint, bool medicationSheet);
