#include "platform/report/ReportRenderer.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportTemplate.h"
#include "platform/text/Format.h"
#include "platform/text/Rtf.h"
#include "platform/text/Twips.h"

#include <QHash>
#include <QLocale>
#include <QPageSize>
#include <QRegularExpression>

namespace {
constexpr double kTwipsPerPx = kTwipsPerPixel;

QString escaped(const QString& text)
{
    QString s = text.toHtmlEscaped();
    s.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    s.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return s;
}

bool isNumberPattern(const QString& format)
{
    static const QRegularExpression rx(QStringLiteral(R"(^[#0,]*0?(\.0+)?$)"));
    return !format.isEmpty() && rx.match(format).hasMatch();
}

// A value as the layout shows it: numbers by a "#,##0.00"-style pattern (a half cent goes to the
// even cent), dates by a Qt date
// pattern ("MM/dd/yyyy hh:mm AP"), other values as text.
QString formatted(const QVariant& v, const QString& format)
{
    if (!v.isValid() || v.isNull()) return {};
    if (format == QLatin1String("rtf")) return DbValue::text(v);
    const bool typedDate = v.typeId() == QMetaType::QDate || v.typeId() == QMetaType::QDateTime;
    if (format.isEmpty()) {
        if (v.typeId() == QMetaType::Bool) return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
        if (!typedDate) return DbValue::text(v);
        const QDateTime dt = DbValue::toDateTime(v);
        return QLocale::c().toString(dt, dt.time() == QTime(0, 0) && v.typeId() == QMetaType::QDate
                                             ? QStringLiteral("MM/dd/yyyy") : QStringLiteral("MM/dd/yyyy hh:mm AP"));
    }
    if (isNumberPattern(format)) {
        const QString t = DbValue::text(v);
        if (!Fmt::isNumeric(t)) return t;
        return Fmt::number(DbValue::toDouble(v), format, Fmt::Rounding::HalfEven);
    }
    const QDateTime dt = DbValue::toDateTime(v);
    if (!dt.isValid()) return DbValue::text(v);
    return QLocale::c().toString(dt, format);
}

class Renderer {
public:
    Renderer(const Report& main, RenderedReport& out) : m_main(main), m_out(out) {}

    QString report(const Report& r)
    {
        QHash<QString, Recordset> data;
        for (const ReportTable& t : r.tables()) {
            // A subreport nobody readied reads over its report's log-on, with empty parameter fields.
            Connection* connection = t.loggedOn() ? t.connection() : (&r != &m_main ? mainConnection() : nullptr);
            if (!connection)
                throw ReportError(QStringLiteral("The table \"%1\" of the report \"%2\" is not logged on to the server.")
                                      .arg(t.name, r.name));
            QVariantList params;
            for (const QString& b : t.bind) params << r.parameterField(b)->boundValue();
            data.insert(t.name.toLower(), connection->query(t.sql, params));
        }
        QStringList html;
        for (const ReportSection& s : r.sections()) html << section(r, s, data);
        return html.join(QLatin1Char('\n'));
    }

private:
    Connection* mainConnection() const
    {
        for (const ReportTable& t : m_main.tables())
            if (t.loggedOn()) return t.connection();
        return nullptr;
    }

    struct Row {
        QString set;   // the repeated data set, lower case
        int index = 0;
    };

    const Recordset& rows(const Report& r, const QHash<QString, Recordset>& data, const QString& set) const
    {
        auto it = data.constFind(set.toLower());
        if (it == data.constEnd())
            throw ReportError(QStringLiteral("The report \"%1\" has no data set \"%2\".").arg(r.name, set));
        return it.value();
    }

    QString section(const Report& r, const ReportSection& s, const QHash<QString, Recordset>& data)
    {
        if (!s.when.isEmpty() && rows(r, data, s.when).isEmpty()) return {};
        if (!s.empty.isEmpty() && !rows(r, data, s.empty).isEmpty()) return {};
        QString html = pictures(s);
        const QList<ReportToken> tokens = ReportTemplate::tokenize(s.body);
        if (s.repeat.isEmpty()) return html + expand(r, tokens, data, Row{}, false);
        const Recordset& set = rows(r, data, s.repeat);
        QString lastGroup;
        for (int i = 0; i < set.recordCount(); ++i) {
            bool newGroup = false;
            if (!s.group.isEmpty()) {
                if (!set.hasField(s.group))
                    throw ReportError(QStringLiteral("The data set \"%1\" of the report \"%2\" has no column \"%3\".")
                                          .arg(s.repeat, r.name, s.group));
                const QString value = DbValue::text(set.valueAt(i, s.group));
                newGroup = i == 0 || value != lastGroup;
                lastGroup = value;
            }
            QString anchor;
            if (newGroup && &r == &m_main) {
                anchor = QStringLiteral("group-%1").arg(m_out.groups.size() + 1);
                m_out.groups.append({lastGroup, anchor});
            }
            html += expand(r, tokens, data, Row{s.repeat.toLower(), i}, newGroup, anchor);
        }
        return html;
    }

    QString pictures(const ReportSection& s)
    {
        QString html;
        int used = 0;
        const double maxWidth = ReportRenderer::bodyWidthPx(m_main.page);
        for (const ReportPicture& p : s.pictures) {
            const QString name = QStringLiteral("report-picture-%1").arg(m_out.images.size() + 1);
            m_out.images.append({name, p.image});
            double w = p.width / kTwipsPerPx, h = p.height / kTwipsPerPx;
            const double left = p.left / kTwipsPerPx;
            if (w + left > maxWidth && w > 0) { // too wide for the page: scaled down, proportions kept
                const double f = qMax(0.0, maxWidth - left) / w;
                w *= f;
                h *= f;
            }
            used = qMax(used, qRound(p.top / kTwipsPerPx + h));
            html += QStringLiteral("<p style=\"margin-left:%1px; margin-top:%2px; margin-bottom:0px\">"
                                   "<img src=\"%3\" width=\"%4\" height=\"%5\"></p>\n")
                        .arg(qRound(left)).arg(qRound(p.top / kTwipsPerPx)).arg(name).arg(qRound(w)).arg(qRound(h));
        }
        const int least = qRound(s.height / kTwipsPerPx);
        if (least > used && !s.pictures.isEmpty())
            html += QStringLiteral("<p style=\"margin-top:%1px; margin-bottom:0px; font-size:1px\">&nbsp;</p>\n").arg(least - used - 1);
        return html;
    }

    QString field(const Report& r, const QHash<QString, Recordset>& data, const Row& row, const ReportToken& t)
    {
        const Recordset& set = rows(r, data, t.name);
        if (!set.hasField(t.column))
            throw ReportError(QStringLiteral("The data set \"%1\" of the report \"%2\" has no column \"%3\".")
                                  .arg(t.name, r.name, t.column));
        const int index = row.set == t.name.toLower() ? row.index : 0;
        if (index >= set.recordCount()) return {};
        return formatted(set.valueAt(index, t.column), t.format);
    }

    QString special(const ReportToken& t, const Row& row)
    {
        if (t.name == QLatin1String("HospitalName")) return m_main.hospitalName();
        if (t.name == QLatin1String("HospitalAddress")) return m_main.hospitalAddress();
        if (t.name == QLatin1String("Title")) return m_main.title;
        if (t.name == QLatin1String("PrintDate"))
            return QLocale::c().toString(m_out.printed, t.format.isEmpty() ? QStringLiteral("MM/dd/yyyy") : t.format);
        if (t.name == QLatin1String("RowNumber")) return QString::number(row.set.isEmpty() ? 1 : row.index + 1);
        return {};
    }

    // The anchor goes inside the first cell or paragraph of the row's HTML, where the document
    // keeps it (between table rows it would be lost).
    static QString anchored(const QString& html, const QString& anchor)
    {
        if (anchor.isEmpty()) return html;
        static const QRegularExpression opening(QStringLiteral(R"(<(td|th|p|div|h[1-6]|li)\b[^>]*>)"),
                                                QRegularExpression::CaseInsensitiveOption);
        const QString mark = QStringLiteral("<a name=\"%1\"></a>").arg(anchor);
        const auto m = opening.match(html);
        if (!m.hasMatch()) return mark + html;
        return html.left(m.capturedEnd()) + mark + html.mid(m.capturedEnd());
    }

    QString expand(const Report& r, const QList<ReportToken>& tokens, const QHash<QString, Recordset>& data,
                   const Row& row, bool newGroup, const QString& anchor = QString())
    {
        QString html;
        bool skipping = false;
        for (const ReportToken& t : tokens) {
            if (t.kind == ReportToken::GroupOpen) { skipping = !newGroup; continue; }
            if (t.kind == ReportToken::GroupClose) { skipping = false; continue; }
            if (skipping) continue;
            switch (t.kind) {
            case ReportToken::Text: html += t.text; break;
            case ReportToken::Param: {
                const ReportParameterField* f = r.parameterField(t.name);
                if (f && f->hasCurrentValue()) html += escaped(formatted(f->currentValue(), t.format));
                break;
            }
            case ReportToken::Special: html += escaped(special(t, row)); break;
            case ReportToken::Field:
                // ":rtf": a stored rich text (results, templates) shown with its formatting.
                html += t.format == QLatin1String("rtf") ? StoredTextToHtml(field(r, data, row, t))
                                                          : escaped(field(r, data, row, t));
                break;
            case ReportToken::Count: html += QString::number(rows(r, data, t.name).recordCount()); break;
            case ReportToken::Sum: {
                const Recordset& set = rows(r, data, t.name);
                if (!set.hasField(t.column))
                    throw ReportError(QStringLiteral("The data set \"%1\" of the report \"%2\" has no column \"%3\".")
                                          .arg(t.name, r.name, t.column));
                QList<double> values;
                for (int i = 0; i < set.recordCount(); ++i) values << DbValue::toDouble(set.valueAt(i, t.column));
                html += escaped(Fmt::sum(values, t.format.isEmpty() ? QStringLiteral("#,##0.00") : t.format, Fmt::Rounding::HalfEven));
                break;
            }
            case ReportToken::Subreport: html += report(*r.subreport(t.name)); break;
            default: break;
            }
        }
        return anchored(html, anchor);
    }

    const Report& m_main;
    RenderedReport& m_out;
};
}

namespace ReportRenderer {
double bodyWidthPx(const ReportPage& page)
{
    const QPageSize size(page.paper == QLatin1String("Letter") ? QPageSize::Letter
                         : page.paper == QLatin1String("Legal") ? QPageSize::Legal
                                                                 : QPageSize::A4);
    const QSizeF mm = size.size(QPageSize::Millimeter);
    const double width = page.landscape ? mm.height() : mm.width();
    return (width - 2 * page.marginMm) / 25.4 * 96.0;
}

std::shared_ptr<const RenderedReport> render(const Report& report)
{
    auto out = std::make_shared<RenderedReport>();
    out->fileName = report.name;
    out->title = report.title;
    out->hospitalName = report.hospitalName();
    out->hospitalAddress = report.hospitalAddress();
    out->page = report.page;
    out->printed = QDateTime::currentDateTime();
    Renderer renderer(report, *out);
    out->html = renderer.report(report);
    return out;
}
}
