#include "procedure_report/HtmlReport.h"

#include "platform/ui/MessageBox.h"

#include <QDesktopServices>
#include <QDir>
#include <QHash>
#include <QUrl>

namespace HtmlReport {

std::function<bool(const QString&)> OpenPage = [](const QString& file) {
    return UiScript::active() || QDesktopServices::openUrl(QUrl::fromLocalFile(file));
};

QString NotOpenedText(const QString& file)
{
    return QStringLiteral("no program on this workstation could open the page. The report was saved as ")
           + QDir::toNativeSeparators(file) + QStringLiteral("; open it from there.");
}

QString Escape(const QString& text, bool lineBreaks)
{
    QString s = text.toHtmlEscaped();
    if (lineBreaks) {
        s.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
        s.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    }
    return s;
}

QString Fill(const QString& templ, const QList<QPair<QString, QString>>& values)
{
    QHash<QString, QString> byName;
    for (const auto& [name, value] : values) byName.insert(name, value);
    QString out;
    out.reserve(templ.size());
    qsizetype pos = 0;
    while (pos < templ.size()) {
        const qsizetype open = templ.indexOf(QStringLiteral("{{"), pos);
        if (open < 0) break;
        const qsizetype close = templ.indexOf(QStringLiteral("}}"), open + 2);
        if (close < 0) break;
        const QString name = templ.mid(open + 2, close - open - 2);
        out += templ.mid(pos, open - pos);
        const auto it = byName.constFind(name);
        if (it != byName.constEnd()) {
            out += it.value();
            pos = close + 2;
        } else {
            out += QStringLiteral("{{");
            pos = open + 2;
        }
    }
    out += templ.mid(pos);
    return out;
}

}
