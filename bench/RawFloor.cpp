#include "RawFloor.h"

#include <libpq-fe.h>
#include <sqlite3.h>
#include <stdexcept>
#include <string>

namespace {
// libpq numbers its parameters: "?" outside quoted text becomes $1, $2, ...
QByteArray numberedParameters(const QString& sql)
{
    QString out;
    int n = 0;
    QChar quote;
    for (const QChar ch : sql) {
        if (!quote.isNull()) {
            if (ch == quote) quote = QChar();
        } else if (ch == QLatin1Char('\'') || ch == QLatin1Char('"')) {
            quote = ch;
        } else if (ch == QLatin1Char('?')) {
            out += QLatin1Char('$') + QString::number(++n);
            continue;
        }
        out += ch;
    }
    return out.toUtf8();
}

QByteArray conninfo(const ConnectionSettings& s)
{
    auto quoted = [](const QString& v) { return QStringLiteral("'%1'").arg(QString(v).replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\''), QStringLiteral("\\'"))); };
    QString text = QStringLiteral("host=%1 port=%2 dbname=%3").arg(quoted(s.host)).arg(s.port).arg(quoted(s.database));
    if (!s.user.isEmpty()) text += QStringLiteral(" user=") + quoted(s.user);
    if (!s.password.isEmpty()) text += QStringLiteral(" password=") + quoted(s.password);
    return text.toUtf8();
}
}

struct RawFloor::Impl {
    Engine engine = Engine::SQLite;
    sqlite3* lite = nullptr;
    PGconn* pg = nullptr;
    QHash<QString, sqlite3_stmt*> liteStatements;
    QHash<QString, QByteArray> pgStatements; // statement text -> prepared name

    long runSqlite(const RawStatement& st)
    {
        sqlite3_stmt*& stmt = liteStatements[st.sql];
        if (!stmt) {
            const QByteArray text = st.sql.toUtf8();
            if (sqlite3_prepare_v2(lite, text.constData(), -1, &stmt, nullptr) != SQLITE_OK)
                throw std::runtime_error(sqlite3_errmsg(lite));
        }
        sqlite3_reset(stmt);
        for (int i = 0; i < st.values.size(); ++i) {
            const QVariant& v = st.values[i];
            if (v.isNull()) sqlite3_bind_null(stmt, i + 1);
            else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong) sqlite3_bind_int64(stmt, i + 1, v.toLongLong());
            else if (v.typeId() == QMetaType::Double) sqlite3_bind_double(stmt, i + 1, v.toDouble());
            else {
                const QByteArray b = v.toString().toUtf8();
                sqlite3_bind_text(stmt, i + 1, b.constData(), int(b.size()), SQLITE_TRANSIENT);
            }
        }
        long rows = 0;
        std::string sink;
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            ++rows;
            for (int col = 0, n = sqlite3_column_count(stmt); col < n; ++col)
                if (const unsigned char* t = sqlite3_column_text(stmt, col)) sink.assign(reinterpret_cast<const char*>(t));
        }
        if (rc != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(lite));
        return rows;
    }

    long runPostgres(const RawStatement& st)
    {
        std::vector<QByteArray> texts(size_t(st.values.size()));
        std::vector<const char*> params(size_t(st.values.size()), nullptr);
        for (int i = 0; i < st.values.size(); ++i) {
            if (st.values[i].isNull()) continue;
            texts[size_t(i)] = st.values[i].toString().toUtf8();
            params[size_t(i)] = texts[size_t(i)].constData();
        }
        PGresult* res = nullptr;
        if (st.values.isEmpty()) {
            res = PQexec(pg, st.sql.toUtf8().constData());
        } else {
            QByteArray& name = pgStatements[st.sql];
            if (name.isEmpty()) {
                name = "raw" + QByteArray::number(pgStatements.size());
                PGresult* prep = PQprepare(pg, name.constData(), numberedParameters(st.sql).constData(), 0, nullptr);
                const bool ok = PQresultStatus(prep) == PGRES_COMMAND_OK;
                PQclear(prep);
                if (!ok) throw std::runtime_error(PQerrorMessage(pg));
            }
            res = PQexecPrepared(pg, name.constData(), int(params.size()), params.data(), nullptr, nullptr, 0);
        }
        const ExecStatusType status = PQresultStatus(res);
        if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) {
            const std::string message = PQresultErrorMessage(res);
            PQclear(res);
            throw std::runtime_error(message);
        }
        std::string sink;
        const int rows = PQntuples(res), cols = PQnfields(res);
        for (int r = 0; r < rows; ++r)
            for (int col = 0; col < cols; ++col) sink.assign(PQgetvalue(res, r, col));
        PQclear(res);
        return rows;
    }
};

RawFloor::RawFloor(const ConnectionSettings& settings) : d(std::make_unique<Impl>())
{
    d->engine = settings.engine;
    if (d->engine == Engine::SQLite) {
        // opened as the data layer opens its own: one thread, the same page cache (64 MB), so
        // that only the layer differs between the two
        if (sqlite3_open_v2(settings.sqlitePath.toUtf8().constData(), &d->lite, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK)
            throw std::runtime_error("cannot open the benchmark's SQLite file");
        sqlite3_busy_timeout(d->lite, 10000);
        sqlite3_exec(d->lite, "PRAGMA cache_size = -65536", nullptr, nullptr, nullptr);
    } else {
        d->pg = PQconnectdb(conninfo(settings).constData());
        if (PQstatus(d->pg) != CONNECTION_OK) throw std::runtime_error(PQerrorMessage(d->pg));
    }
}

RawFloor::~RawFloor()
{
    for (sqlite3_stmt* st : std::as_const(d->liteStatements)) sqlite3_finalize(st);
    if (d->lite) sqlite3_close(d->lite);
    if (d->pg) PQfinish(d->pg);
}

long RawFloor::run(const RawStatement& st) { return d->engine == Engine::SQLite ? d->runSqlite(st) : d->runPostgres(st); }

void RawFloor::replay(const std::vector<RawStatement>& statements, bool inTransaction)
{
    if (inTransaction) run({QStringLiteral("BEGIN"), {}});
    for (const RawStatement& st : statements) run(st);
    if (inTransaction) run({QStringLiteral("ROLLBACK"), {}});
}
