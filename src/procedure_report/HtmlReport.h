#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <functional>

// Filling the angiography report's HTML template.
namespace HtmlReport {
// Each "{{NAME}}" of the template whose name is listed takes its value, HTML-escaped; the
// template is read once from start to end, so a value that itself holds "{{...}}" stays as typed.
// Tokens that are not listed stay unchanged.
QString Fill(const QString& templ, const QList<QPair<QString, QString>>& values);
// A typed text as HTML: escaped, and for the multi-line fields each line break as "<br>".
QString Escape(const QString& text, bool lineBreaks);
// Hands the written page to the desktop's program for HTML files; false when none could open it.
// Tests replace it (a scripted run opens nothing and counts as opened).
extern std::function<bool(const QString& file)> OpenPage;
// What the user is told when no program could open the page: where the page is.
QString NotOpenedText(const QString& file);
}
