#pragma once
#include <QList>
#include <QPair>
#include <QString>

// Filling the angiography report's HTML template.
namespace HtmlReport {
// Each "{{NAME}}" of the template whose name is listed takes its value, HTML-escaped; the
// template is read once from start to end, so a value that itself holds "{{...}}" stays as typed.
// Tokens that are not listed stay unchanged.
QString Fill(const QString& templ, const QList<QPair<QString, QString>>& values);
// A typed text as HTML: escaped, and for the multi-line fields each line break as "<br>".
QString Escape(const QString& text, bool lineBreaks);
}
