#include "platform/db/Dialect.h"

#include <QRegularExpression>

namespace {

// Applies fn to every stretch of text that is not inside a single-quoted literal.
template <typename Fn>
QString mapOutsideLiterals(const QString& sql, Fn fn)
{
    QString out;
    out.reserve(sql.size() + 16);
    int i = 0;
    const int n = sql.size();
    while (i < n) {
        int q = sql.indexOf(QLatin1Char('\''), i);
        if (q < 0) q = n;
        out += fn(sql.mid(i, q - i));
        if (q >= n) break;
        // copy the literal, '' being an escaped quote inside it
        int j = q + 1;
        while (j < n) {
            if (sql[j] == QLatin1Char('\'')) {
                if (j + 1 < n && sql[j + 1] == QLatin1Char('\'')) { j += 2; continue; }
                break;
            }
            ++j;
        }
        out += sql.mid(q, qMin(j, n - 1) - q + 1);
        i = j + 1;
    }
    return out;
}

QString mapName(Engine engine, const QString& db, const QString& table)
{
    const QString d = db.toLower();
    const QString t = table.toLower();
    return engine == Engine::PostgreSQL ? d + QLatin1Char('.') + t : d + QStringLiteral("__") + t;
}

QString translateCode(Engine engine, const QString& code)
{
    static const QRegularExpression crossDb(
        QStringLiteral(R"(\b([A-Za-z_][A-Za-z0-9_]*)\s*(?:\.\.|\.dbo\.)\s*([A-Za-z_][A-Za-z0-9_]*))"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression getDate(QStringLiteral(R"(\bGETDATE\s*\(\s*\))"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression hostName(QStringLiteral(R"(\bHOST_NAME\s*\(\s*\))"),
                                             QRegularExpression::CaseInsensitiveOption);
    QString s = code;
    if (s.contains(QLatin1Char('.'))) {
        QString out;
        int last = 0;
        auto it = crossDb.globalMatch(s);
        while (it.hasNext()) {
            auto m = it.next();
            out += s.mid(last, m.capturedStart() - last);
            out += mapName(engine, m.captured(1), m.captured(2));
            last = m.capturedEnd();
        }
        out += s.mid(last);
        s = out;
    }
    if (s.contains(QLatin1Char('('))) {
        if (engine == Engine::PostgreSQL) {
            s.replace(getDate, QStringLiteral("LOCALTIMESTAMP(0)"));
            s.replace(hostName, QStringLiteral("current_setting('application_name')"));
        } else {
            s.replace(getDate, QStringLiteral("datetime('now','localtime')"));
            s.replace(hostName, QStringLiteral("host_name()"));
        }
    }
    return s;
}

QString translateTypes(Engine engine, const QString& code)
{
    struct Rule { QRegularExpression re; QString sqlite; QString pg; };
    static const std::vector<Rule> rules = [] {
        auto rx = [](const char* p) {
            return QRegularExpression(QString::fromLatin1(p), QRegularExpression::CaseInsensitiveOption);
        };
        return std::vector<Rule>{
            {rx(R"(\bIDENTITY\s+PRIMARY\s+KEY\b)"), QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT"),
             QStringLiteral("SERIAL PRIMARY KEY")},
            {rx(R"(\bDATETIME\b)"), QStringLiteral("TEXT"), QStringLiteral("TIMESTAMP(0)")},
            {rx(R"(\bMONEY\b)"), QStringLiteral("NUMERIC"), QStringLiteral("NUMERIC(18,4)")},
            {rx(R"(\bBIT\b)"), QStringLiteral("INTEGER"), QStringLiteral("SMALLINT")},
            {rx(R"(\bFLOAT\b)"), QStringLiteral("REAL"), QStringLiteral("DOUBLE PRECISION")},
            {rx(R"(\bVARBINARY\s*\(\s*MAX\s*\))"), QStringLiteral("BLOB"), QStringLiteral("BYTEA")},
        };
    }();
    QString s = code;
    for (const auto& r : rules)
        s.replace(r.re, engine == Engine::PostgreSQL ? r.pg : r.sqlite);
    return s;
}

} // namespace

namespace Dialect {

QString translate(Engine engine, const QString& houseSql)
{
    return mapOutsideLiterals(houseSql, [engine](const QString& code) { return translateCode(engine, code); });
}

QString translateDdl(Engine engine, const QString& houseDdl)
{
    return mapOutsideLiterals(houseDdl, [engine](const QString& code) {
        return translateTypes(engine, translateCode(engine, code));
    });
}

QString tableName(Engine engine, const QString& houseName)
{
    return translate(engine, houseName).trimmed();
}

QString normalizeObjectName(const QString& houseName)
{
    return translate(Engine::PostgreSQL, houseName.trimmed()).toLower();
}

} // namespace Dialect
