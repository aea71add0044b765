#include "platform/report/ReportTemplate.h"

#include <QRegularExpression>

namespace {
struct Pattern {
    ReportToken::Kind kind;
    QRegularExpression rx;
};

const QList<Pattern>& patterns()
{
    static const QList<Pattern> list = {
        {ReportToken::Param, QRegularExpression(QStringLiteral(R"(\{\?(\w+)(?::([^{}]*))?\})"))},
        {ReportToken::Special, QRegularExpression(QStringLiteral(R"(\{@(\w+)(?::([^{}]*))?\})"))},
        {ReportToken::Field, QRegularExpression(QStringLiteral(R"(\{(\w+)\.(\w+)(?::([^{}]*))?\})"))},
        {ReportToken::Count, QRegularExpression(QStringLiteral(R"(\{#count\s+(\w+)\s*\})"))},
        {ReportToken::Sum, QRegularExpression(QStringLiteral(R"(\{#sum\s+(\w+)\.(\w+)(?::([^{}]*))?\})"))},
        {ReportToken::Subreport, QRegularExpression(QStringLiteral(R"(\{#subreport\s+([^{}]+?)\s*\})"))},
        {ReportToken::GroupOpen, QRegularExpression(QStringLiteral(R"(\{#group\})"))},
        {ReportToken::GroupClose, QRegularExpression(QStringLiteral(R"(\{/group\})"))},
        {ReportToken::Unknown, QRegularExpression(QStringLiteral(R"(\{#\w[^{}]*\}|\{/\w+\})"))},
    };
    return list;
}
}

namespace ReportTemplate {
bool isSpecial(const QString& name)
{
    static const QStringList names = {QStringLiteral("HospitalName"), QStringLiteral("HospitalAddress"),
                                      QStringLiteral("Title"), QStringLiteral("PrintDate"), QStringLiteral("RowNumber")};
    return names.contains(name);
}

QList<ReportToken> tokenize(const QString& body)
{
    QList<ReportToken> out;
    QString literal;
    auto flush = [&] {
        if (!literal.isEmpty()) out.append({ReportToken::Text, literal, {}, {}, {}});
        literal.clear();
    };
    int pos = 0;
    while (pos < body.size()) {
        const int brace = body.indexOf(QLatin1Char('{'), pos);
        if (brace < 0) { literal += body.mid(pos); break; }
        literal += body.mid(pos, brace - pos);
        bool matched = false;
        for (const Pattern& p : patterns()) {
            const auto m = p.rx.match(body, brace, QRegularExpression::NormalMatch,
                                      QRegularExpression::AnchorAtOffsetMatchOption);
            if (!m.hasMatch()) continue;
            flush();
            ReportToken t;
            t.kind = p.kind;
            t.text = m.captured(0);
            switch (p.kind) {
            case ReportToken::Param:
            case ReportToken::Special: t.name = m.captured(1); t.format = m.captured(2); break;
            case ReportToken::Field:
            case ReportToken::Sum: t.name = m.captured(1); t.column = m.captured(2); t.format = m.captured(3); break;
            case ReportToken::Count:
            case ReportToken::Subreport: t.name = m.captured(1); break;
            default: break;
            }
            out.append(t);
            pos = brace + int(m.capturedLength(0));
            matched = true;
            break;
        }
        if (!matched) {
            literal += QLatin1Char('{');
            pos = brace + 1;
        }
    }
    flush();
    return out;
}
}
