#include "procedure_report/HtmlReport.h"

#include <QHash>

namespace HtmlReport {

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
