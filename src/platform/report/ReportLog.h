#pragma once
#include <QList>
#include <QString>
#include <QVariantList>

// Every report call of the run, as the report routines made it, so that tests can assert which
// report a window printed, with which values, and how it was shown.
enum class ReportShown { NotShown, Printed, Viewer, MedicationSheet };

struct ReportSubreportCall {
    QString name;
    QVariantList params;
};

struct ReportCall {
    QString file;           // the path as the caller gave it
    QString openedFile;     // the file found ("" when it was not found)
    QVariantList params;
    QList<ReportSubreportCall> subreports;
    QString picture;        // the pending picture it took into its section 6
    ReportShown shown = ReportShown::NotShown;
    QString caption;
    bool showGroupTree = false;
    QString printedTo;      // a direct print: the printer's name or the PDF's path
    QString text;           // the report's text as rendered
    QString error;          // the error that reached the caller, if any

    QString fileName() const;   // the file name alone, as the caller spelled it
};

namespace ReportLog {
// A new call (PrepareReport); the calls that follow (subreports, show) fill it.
ReportCall& begin(const QString& file, const QVariantList& params);
// The call being made; nullptr before the first.
ReportCall* current();
const QList<ReportCall>& calls();
void clear();
}
