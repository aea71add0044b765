#include "shared/search/SearchStatement.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/LikePattern.h"

#include <QRegularExpression>

namespace {

// The end of the literal that opens at `start` ('' inside it is an escaped quote).
int literalEnd(const QString& s, int start)
{
    int j = start + 1;
    while (j < s.size()) {
        if (s[j] == QLatin1Char('\'')) {
            if (j + 1 < s.size() && s[j + 1] == QLatin1Char('\'')) { j += 2; continue; }
            return j;
        }
        ++j;
    }
    return s.size() - 1;
}

QString literalText(const QString& literal)
{
    QString inner = literal.mid(1, literal.size() - 2);
    return inner.replace(QStringLiteral("''"), QStringLiteral("'"));
}

// True when the statement written so far ends in the word LIKE: the literal that follows is a pattern.
bool afterLike(const QString& sql)
{
    static const QRegularExpression like(QStringLiteral("(^|[^A-Za-z0-9_])LIKE\\s*$"), QRegularExpression::CaseInsensitiveOption);
    return like.match(sql).hasMatch();
}

// A pattern literal with the criteria in place of each "##": the criteria's own wildcards are
// escaped, the statement's stay wildcards.
QString likePattern(const QString& literal, const QString& criteria)
{
    const QStringList fixed = literalText(literal).split(QStringLiteral("##"));
    QStringList parts;
    for (const QString& f : fixed) parts << QString(f).replace(QLatin1Char('!'), QStringLiteral("!!"));
    return parts.join(Like::literal(criteria));
}

// The arguments of a procedure call: "?" takes the next bound value, a quoted literal its text,
// a number its value.
QVariantList procedureArguments(const QString& text, const QVariantList& params)
{
    QVariantList args;
    int next = 0;
    QString current;
    auto flush = [&](bool last) {
        const QString a = current.trimmed();
        current.clear();
        if (a.isEmpty()) {
            if (last && args.isEmpty()) return; // no arguments at all
            throw DbError(QStringLiteral("An argument of the procedure call is missing."));
        }
        if (a == QLatin1String("?")) {
            args << params.value(next++);
        } else if (a.startsWith(QLatin1Char('\'')) && a.endsWith(QLatin1Char('\'')) && a.size() >= 2) {
            args << literalText(a);
        } else {
            bool ok = false;
            const double x = a.toDouble(&ok);
            if (!ok) throw DbError(QStringLiteral("The procedure call cannot read the argument %1.").arg(a));
            args << x;
        }
    };
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\'')) {
            const int j = literalEnd(text, i);
            current += text.mid(i, j - i + 1);
            i = j;
        } else if (text[i] == QLatin1Char(',')) {
            flush(false);
        } else {
            current += text[i];
        }
    }
    flush(true);
    return args;
}

}

BoundStatement BindCriteria(const QString& query, const QVariantList& params, const QString& typed)
{
    const QString criteria = typed.isNull() ? QStringLiteral("") : typed; // empty, not NULL
    BoundStatement out;
    int next = 0;
    for (int i = 0; i < query.size(); ++i) {
        const QChar c = query[i];
        if (c == QLatin1Char('\'')) {
            const int j = literalEnd(query, i);
            const QString literal = query.mid(i, j - i + 1);
            if (literal.contains(QStringLiteral("##")) && afterLike(out.sql)) {
                out.sql += QStringLiteral("? ESCAPE '!'");
                out.params << likePattern(literal, criteria);
            } else if (literal.contains(QStringLiteral("##"))) {
                out.sql += QLatin1Char('?');
                out.params << literalText(literal).replace(QStringLiteral("##"), criteria);
            } else {
                out.sql += literal;
            }
            i = j;
        } else if (c == QLatin1Char('#') && i + 1 < query.size() && query[i + 1] == QLatin1Char('#')) {
            out.sql += QLatin1Char('?');
            out.params << criteria;
            ++i;
        } else if (c == QLatin1Char('?')) {
            out.sql += c;
            out.params << params.value(next++);
        } else {
            out.sql += c;
        }
    }
    return out;
}

Recordset OpenSearchStatement(Connection& conn, const QString& query, const QVariantList& params, const QString& criteria)
{
    const BoundStatement st = BindCriteria(query, params, criteria);
    static const QRegularExpression procedureCall(
        QStringLiteral(R"(^\s*([A-Za-z_][A-Za-z0-9_]*\s*(?:\.\.|\.dbo\.)\s*[A-Za-z_][A-Za-z0-9_]*)(.*)$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const auto m = procedureCall.match(st.sql);
    if (m.hasMatch()) return conn.call(m.captured(1), procedureArguments(m.captured(2), st.params));
    return conn.query(st.sql, st.params);
}
