#pragma once
#include <QList>
#include <QString>

// The fields of a section's HTML (see docs/reports.md):
//   {?Param[:format]}  a parameter field's value        {@Name[:format]}  a report-level value
//   {set.Column[:format]}  a column of a data set        {#count set}  its number of rows
//   {#sum set.Column[:format]}  a column's total          {#subreport Name}  a subreport's sections
//   {#group} ... {/group}  the part of a repeated section shown when a new group starts
// Any other "{" is text (CSS blocks included).
struct ReportToken {
    enum Kind { Text, Param, Special, Field, Count, Sum, Subreport, GroupOpen, GroupClose, Unknown };
    Kind kind = Text;
    QString text;    // the literal text, or the placeholder as written
    QString name;    // parameter, report-level value, data set or subreport name
    QString column;  // Field and Sum
    QString format;  // after the first ":"
};

namespace ReportTemplate {
QList<ReportToken> tokenize(const QString& body);
// The report-level values a layout may use: HospitalName, HospitalAddress, Title, PrintDate, RowNumber.
bool isSpecial(const QString& name);
}
