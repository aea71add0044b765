#include "platform/db/Connection.h"

#include "platform/db/DbError.h"
#include "platform/db/Procedures.h"

#include <QAtomicInt>

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QVarLengthArray>

#include <sqlite3.h>

namespace {

QAtomicInt g_connectionSerial;

QString errorText(const QSqlError& e)
{
    QString db = e.databaseText().trimmed();
    QString drv = e.driverText().trimmed();
    if (db.isEmpty()) return drv.isEmpty() ? QStringLiteral("Unknown database error") : drv;
    if (drv.isEmpty() || db.contains(drv)) return db;
    return db + QStringLiteral(" (") + drv + QLatin1Char(')');
}

// The SQLite library's own handle of an open connection (null for another driver).
sqlite3* sqliteHandle(const QSqlDatabase& db)
{
    const QVariant h = db.driver()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3* const*>(h.data());
}

// The workstation's host name, as HOST_NAME() gives it on the server.
void sqliteHostName(sqlite3_context* ctx, int, sqlite3_value**)
{
    static const QByteArray host = QSysInfo::machineHostName().toUtf8();
    sqlite3_result_text(ctx, host.constData(), host.size(), SQLITE_STATIC);
}

// Dates and times always travel as text in the stored form; the engines then compare them as
// timestamps (PostgreSQL casts the text, SQLite compares the ISO text).
QVariant bindable(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::QDateTime:
        return v.isNull() ? QVariant(QMetaType(QMetaType::QString))
                          : QVariant(v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    case QMetaType::QDate:
        return v.isNull() ? QVariant(QMetaType(QMetaType::QString))
                          : QVariant(v.toDate().toString(QStringLiteral("yyyy-MM-dd")));
    case QMetaType::Bool:
        return QVariant(v.toBool() ? 1 : 0);
    case QMetaType::QString:
        // A text is a text: an empty QString that happens to be null must not reach the server as
        // NULL. A NULL is bound with QVariant().
        if (v.isNull()) return QVariant(); // a typed null stays NULL
        return v.toString().isNull() ? QVariant(QStringLiteral("")) : v;
    default:
        return v;
    }
}

// A failure of the SQLite library worded as the driver words it: the library's message, then
// what was being done.
QString sqliteError(sqlite3* handle, const char* doing)
{
    return errorText(QSqlError(QString::fromLatin1(doing), QString::fromUtf8(sqlite3_errmsg(handle))));
}

// A value as bindable() leaves it, in the form the SQLite driver binds it: a null (a null text,
// time or byte array too) as a null, numbers and byte arrays as they are, anything else as its text.
QVariant sqliteBindable(const QVariant& v)
{
    if (v.isNull()) return QVariant();
    switch (v.typeId()) {
    case QMetaType::QString:
        return static_cast<const QString*>(v.constData())->isNull() ? QVariant() : v;
    case QMetaType::Int:
    case QMetaType::Bool:
    case QMetaType::Double:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return v;
    case QMetaType::QByteArray:
        return static_cast<const QByteArray*>(v.constData())->isNull() ? QVariant() : v;
    case QMetaType::QTime:
        return v.toTime().isNull() ? QVariant() : QVariant(v.toTime().toString(QStringLiteral("hh:mm:ss.zzz")));
    default: {
        const QString text = v.toString();
        return QVariant(text.isNull() ? QStringLiteral("") : text);
    }
    }
}

// Binds a value as sqliteBindable() leaves it. A text goes in as UTF-8 written into utf8, sized
// beforehand for every text of the statement so that it never moves; the caller keeps it, and the
// value of a byte array, until the statement has run: the library copies neither. Every run binds
// every parameter afresh, so a binding left from an earlier run is never read.
int bindSqlite(sqlite3_stmt* st, int at, const QVariant& v, QVarLengthArray<char, 512>& utf8)
{
    switch (v.typeId()) {
    case QMetaType::UnknownType:
        return sqlite3_bind_null(st, at);
    case QMetaType::Int:
    case QMetaType::Bool:
        return sqlite3_bind_int(st, at, v.toInt());
    case QMetaType::Double:
        return sqlite3_bind_double(st, at, v.toDouble());
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return sqlite3_bind_int64(st, at, v.toLongLong());
    case QMetaType::QByteArray: {
        const QByteArray& b = *static_cast<const QByteArray*>(v.constData());
        return sqlite3_bind_blob(st, at, b.constData(), int(b.size()), SQLITE_STATIC);
    }
    default: {
        const QString& text = *static_cast<const QString*>(v.constData());
        const qsizetype start = utf8.size();
        if (start + text.size() * 3 > utf8.capacity()) return SQLITE_NOMEM; // not sized for it: never rebind elsewhere
        utf8.resize(start + text.size() * 3);
        QStringEncoder toUtf8(QStringEncoder::Utf8, QStringConverter::Flag::Stateless);
        char* const begin = utf8.data() + start;
        char* const end = toUtf8.appendToBuffer(begin, text);
        utf8.resize(end - utf8.data());
        return sqlite3_bind_text(st, at, begin, int(end - begin), SQLITE_STATIC);
    }
    }
}

// One value of the current row, typed as the SQLite driver types it: whole numbers as qint64,
// reals as double, a NULL as a null text, text as text, a blob as bytes. (The column's value
// object is read on this thread only, as the library allows.)
bool isAscii(const char* text, int length)
{
    for (int i = 0; i < length; ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80) return false;
    return true;
}

QVariant sqliteValue(sqlite3_stmt* st, int col)
{
    sqlite3_value* v = sqlite3_column_value(st, col);
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_value_int64(v)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_value_double(v));
    case SQLITE_NULL:
        return QVariant(QMetaType::fromType<QString>());
    case SQLITE_BLOB: {
        const char* data = static_cast<const char*>(sqlite3_value_blob(v));
        return QByteArray(data, sqlite3_value_bytes(v));
    }
    default: {
        const char* text = reinterpret_cast<const char*>(sqlite3_value_text(v));
        return QString::fromUtf8(text ? text : "", sqlite3_value_bytes(v));
    }
    }
}

// Options for the PostgreSQL driver, "key='value'" separated by ";": each value quoted, so that a
// value cannot add options of its own. The driver turns every ";" into a blank, so a value may not
// hold one.
QStringList driverOptions(const QList<QPair<QString, QString>>& options)
{
    QStringList out;
    for (const auto& [key, value] : options) {
        if (value.isEmpty()) continue;
        if (value.contains(QLatin1Char(';')))
            throw DbError(QStringLiteral("The database setting %1 may not hold a semicolon.").arg(key));
        QString quoted = value;
        quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\''), QStringLiteral("\\'"));
        out << QStringLiteral("%1='%2'").arg(key, quoted);
    }
    return out;
}

} // namespace

QString ConnectionSettings::describe() const
{
    if (engine == Engine::SQLite) return QStringLiteral("SQLite: %1").arg(sqlitePath);
    QStringList parts;
    if (!service.isEmpty()) parts << QStringLiteral("service %1").arg(service);
    if (!host.isEmpty()) parts << QStringLiteral("server %1").arg(host);
    if (port > 0) parts << QStringLiteral("port %1").arg(port);
    if (!database.isEmpty()) parts << QStringLiteral("database %1").arg(database);
    if (!user.isEmpty()) parts << QStringLiteral("user %1").arg(user);
    return QStringLiteral("PostgreSQL ") + parts.join(QStringLiteral(", "));
}

ConnectionSettings ConnectionSettings::postgres(const QString& serverText, const QString& database)
{
    ConnectionSettings s;
    s.engine = Engine::PostgreSQL;
    s.database = database;
    for (const QString& p : serverText.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString key = p.section(QLatin1Char('='), 0, 0), value = p.section(QLatin1Char('='), 1);
        if (key == QLatin1String("host")) s.host = value;
        else if (key == QLatin1String("port")) s.port = value.toInt();
        else if (key == QLatin1String("user")) s.user = value;
        else if (key == QLatin1String("password")) s.password = value;
    }
    return s;
}

Connection::Connection(const ConnectionSettings& settings)
    : m_settings(settings),
      m_name(QStringLiteral("cathlab-%1").arg(g_connectionSerial.fetchAndAddOrdered(1)))
{
}

Connection::~Connection()
{
    dropStatements();
    if (m_db.isValid()) m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

std::unique_ptr<Connection> Connection::open(const ConnectionSettings& s)
{
    auto conn = std::make_unique<Connection>(s);
    const QString driver = s.engine == Engine::SQLite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL");
    if (!QSqlDatabase::isDriverAvailable(driver))
        throw DbError(QStringLiteral("The database driver %1 is not installed.").arg(driver));
    QSqlDatabase db = QSqlDatabase::addDatabase(driver, conn->m_name);
    if (s.engine == Engine::SQLite) {
        db.setDatabaseName(s.sqlitePath);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    } else {
        // Empty values are not passed: the driver's service file, password file and defaults fill them.
        db.setHostName(s.host);
        if (s.port > 0) db.setPort(s.port);
        db.setDatabaseName(s.database);
        db.setUserName(s.user);
        db.setPassword(s.password);
        // HOST_NAME() reads the workstation's name back from the session's application name.
        QString host = QSysInfo::machineHostName();
        host.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")));
        const QStringList options = QStringList{QStringLiteral("connect_timeout=10"), QStringLiteral("application_name=") + host.left(60)} +
                                    driverOptions({{QStringLiteral("service"), s.service},
                                                   {QStringLiteral("sslmode"), s.sslmode},
                                                   {QStringLiteral("sslrootcert"), s.sslrootcert}});
        db.setConnectOptions(options.join(QLatin1Char(';')));
    }
    db.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    if (!db.open()) {
        QString reason = errorText(db.lastError());
        if (!s.password.isEmpty()) reason.replace(s.password, QStringLiteral("********"));
        throw DbError(QStringLiteral("Cannot connect to %1. %2").arg(s.describe(), reason));
    }
    conn->m_db = db;
    conn->install();
    return conn;
}

void Connection::install()
{
    QSqlDatabase db = database();
    if (engine() == Engine::SQLite) {
        if (sqlite3* handle = sqliteHandle(db))
            sqlite3_create_function(handle, "host_name", 0, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, &sqliteHostName, nullptr,
                                    nullptr);
        execute(QStringLiteral("PRAGMA foreign_keys = ON"));
        // 64 MB of pages kept in memory: list searches touch thousands of scattered rows, which
        // the default 2 MB cache reads from the file again on every search.
        execute(QStringLiteral("PRAGMA cache_size = -65536"));
        if (m_settings.sqlitePath != QLatin1String(":memory:")) {
            // WAL lets several workstations read while one writes.
            QSqlQuery q(db);
            q.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
        }
    } else {
        execute(QStringLiteral("SET client_min_messages = WARNING"));
    }
}

bool Connection::isOpen() const { return database().isOpen(); }

bool Connection::isReadOnly()
{
    if (engine() == Engine::PostgreSQL)
        return scalar(QStringLiteral("SELECT current_setting('transaction_read_only')")).toString() == QLatin1String("on");
    // Reading the catalogue reads the file's header, which may mark the file read-only.
    scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master"));
    sqlite3* handle = sqliteHandle(database());
    return handle && sqlite3_db_readonly(handle, "main") == 1;
}

QSqlDatabase Connection::database() const { return m_db; }

QString Connection::connectionString() const
{
    const auto& s = m_settings;
    if (s.engine == Engine::SQLite) return QStringLiteral("Driver=SQLite;Data Source=%1").arg(s.sqlitePath);
    return QStringLiteral("Driver=PostgreSQL;Server=%1;Port=%2;Database=%3;User ID=%4")
        .arg(s.host).arg(s.port).arg(s.database, s.user);
}

const QString& Connection::translated(const QString& houseSql)
{
    auto it = m_translations.constFind(houseSql);
    if (it != m_translations.constEnd()) return it.value();
    if (m_translations.size() > 2000) m_translations.clear();
    return *m_translations.insert(houseSql, translate(houseSql));
}

void Connection::observe(const QString& engineSql, const QVariantList& params)
{
    QVariantList bound;
    for (const QVariant& v : params) bound << bindable(v);
    m_observer(engineSql, bound);
}

QSqlQuery Connection::prepare(const QString& sql, const QVariantList& params, QStringList** names)
{
    const QSqlDatabase& db = m_db;
    if (!db.isOpen()) throw DbError(QStringLiteral("The connection to the database is closed."));
    const QString& text = translated(sql);
    if (m_observer) observe(text, params);
    if (params.isEmpty()) {
        // nothing to bind: run it as it is (the server cannot prepare SET, BEGIN and the like)
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(text)) throw DbError(errorText(q.lastError()));
        return q;
    }
    auto it = m_statements.find(text);
    if (it == m_statements.end()) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.prepare(text)) throw DbError(errorText(q.lastError()));
        if (m_statements.size() > 200) m_statements.clear();
        Prepared p;
        p.query = std::move(q);
        it = m_statements.insert(text, p);
    }
    QSqlQuery& q = it.value().query;
    if (names) *names = &it.value().columns;
    for (int i = 0; i < params.size(); ++i) q.bindValue(i, bindable(params[i]));
    if (!q.exec()) {
        const QString message = errorText(q.lastError());
        // a statement that failed may no longer fit the tables: parse it afresh next time
        m_statements.remove(text);
        throw DbError(message);
    }
    return q;
}

Connection::Prepared& Connection::sqliteStatement(const QString& sql)
{
    auto it = m_statements.find(sql);
    if (it != m_statements.end()) return it.value();
    const QString& text = translated(sql);
    if (!m_lite) m_lite = sqliteHandle(m_db);
    if (!m_lite) throw DbError(QStringLiteral("The connection to the database is closed."));
    sqlite3_stmt* st = nullptr;
    const void* tail = nullptr;
    if (sqlite3_prepare16_v3(m_lite, text.utf16(), int(text.size() * sizeof(QChar)), SQLITE_PREPARE_PERSISTENT, &st, &tail) != SQLITE_OK) {
        const QString message = sqliteError(m_lite, "Unable to execute statement");
        sqlite3_finalize(st);
        throw DbError(message);
    }
    std::shared_ptr<sqlite3_stmt> kept(st, &sqlite3_finalize);
    const QChar* rest = tail ? static_cast<const QChar*>(tail) : text.constData() + text.size();
    if (!QStringView(rest, text.constData() + text.size()).trimmed().isEmpty())
        throw DbError(sqliteError(m_lite, "Unable to execute multiple statements at a time"));
    if (!st) throw DbError(QStringLiteral("No query (Unable to fetch row)")); // nothing but blanks or comments
    if (m_statements.size() > 200) m_statements.clear();
    Prepared p;
    p.lite = std::move(kept);
    p.engineSql = text;
    return *m_statements.insert(sql, p);
}

int Connection::runSqlite(const QString& sql, const QVariantList& params, Recordset* result)
{
    if (!m_db.isOpen()) {
        dropStatements();
        throw DbError(QStringLiteral("The connection to the database is closed."));
    }
    if (m_observer) observe(translated(sql), params);
    Prepared& p = sqliteStatement(sql);
    sqlite3_stmt* st = p.lite.get();
    if (sqlite3_bind_parameter_count(st) != params.size()) throw DbError(QStringLiteral("Parameter count mismatch"));
    // the values as bound and their texts in UTF-8 stay here until the statement has run
    QVarLengthArray<QVariant, 8> bound(params.size());
    qsizetype textRoom = 0;
    for (int i = 0; i < params.size(); ++i) {
        bound[i] = sqliteBindable(bindable(params[i]));
        if (bound[i].typeId() == QMetaType::QString) textRoom += static_cast<const QString*>(bound[i].constData())->size() * 3;
    }
    QVarLengthArray<char, 512> utf8;
    utf8.reserve(textRoom);
    for (int i = 0; i < params.size(); ++i) {
        if (bindSqlite(st, i + 1, bound[i], utf8) != SQLITE_OK) {
            const QString message = sqliteError(m_lite, "Unable to bind parameters");
            sqlite3_reset(st);
            throw DbError(message);
        }
    }
    int rc = sqlite3_step(st);
    const int n = sqlite3_column_count(st);
    // a statement the library parsed afresh (the tables changed) may name other columns
    const int reprepared = sqlite3_stmt_status(st, SQLITE_STMTSTATUS_REPREPARE, 0);
    if (p.columns.size() != n || reprepared != p.reprepared) {
        p.reprepared = reprepared;
        p.columns.clear();
        p.columns.reserve(n);
        for (int i = 0; i < n; ++i) p.columns << QString::fromUtf8(sqlite3_column_name(st, i)).remove(QLatin1Char('"'));
    }
    if (result) {
        Recordset::Filler fill(*result, p.columns);
        while (rc == SQLITE_ROW) {
            for (int i = 0; i < n; ++i) {
                if (sqlite3_column_type(st, i) == SQLITE_TEXT) {
                    const char* text = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
                    const int length = sqlite3_column_bytes(st, i);
                    if (text && isAscii(text, length)) {
                        fill.ascii(i, text, length);
                        continue;
                    }
                }
                fill.value(i, sqliteValue(st, i));
            }
            fill.endRow();
            rc = sqlite3_step(st);
        }
    }
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        // a failure at any row fails the statement: a result cut short is no result
        sqlite3_reset(st);
        const QString message = sqliteError(m_lite, "Unable to fetch row");
        m_statements.remove(sql); // it may no longer fit the tables: parse it afresh next time
        throw DbError(message);
    }
    const int changed = sqlite3_changes(m_lite);
    sqlite3_reset(st);
    return changed;
}

void Connection::dropStatements()
{
    bool keptSqlite = false;
    for (const Prepared& p : std::as_const(m_statements)) keptSqlite = keptSqlite || p.lite;
    m_statements.clear();
    if (m_lite && !m_db.isOpen()) {
        // Closing the database while statements of ours were open made the driver let go of its
        // handle without closing it; with the statements gone it closes now.
        if (keptSqlite) sqlite3_close(m_lite);
        m_lite = nullptr;
    }
}

int Connection::execute(const QString& sql, const QVariantList& params)
{
    if (engine() == Engine::SQLite) return qMax(0, runSqlite(sql, params, nullptr));
    QSqlQuery q = prepare(sql, params);
    const int n = q.numRowsAffected();
    q.finish();
    return n < 0 ? 0 : n;
}

Recordset Connection::query(const QString& sql, const QVariantList& params)
{
    if (engine() == Engine::SQLite) {
        Recordset rs;
        runSqlite(sql, params, &rs);
        return rs;
    }
    QStringList* names = nullptr;
    QSqlQuery q = prepare(sql, params, &names);
    Recordset rs = Recordset::fromQuery(q, names);
    // a failure at any row fails the statement: a result cut short is no result
    if (q.lastError().isValid()) {
        const QString message = errorText(q.lastError());
        q.finish();
        throw DbError(message);
    }
    q.finish();
    return rs;
}

QVariant Connection::scalar(const QString& sql, const QVariantList& params)
{
    Recordset rs = query(sql, params);
    if (rs.isEmpty() || rs.fieldCount() == 0) return {};
    return rs.value(0);
}

Recordset Connection::call(const QString& procedure, const QVariantList& args)
{
    return ProcedureRegistry::invoke(*this, procedure, ProcedureArgs{args, {}});
}

Recordset Connection::callNamed(const QString& procedure, const QVariantHash& namedArgs)
{
    return ProcedureRegistry::invoke(*this, procedure, ProcedureArgs{{}, namedArgs});
}

void Connection::beginTrans()
{
    if (m_depth == 0) {
        execute(engine() == Engine::SQLite ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"));
    } else {
        execute(QStringLiteral("SAVEPOINT sp%1").arg(m_depth));
    }
    ++m_depth;
}

void Connection::commitTrans()
{
    if (m_depth <= 0) throw DbError(QStringLiteral("No transaction is active."));
    if (m_depth == 1) {
        execute(QStringLiteral("COMMIT"));
    } else {
        execute(QStringLiteral("RELEASE SAVEPOINT sp%1").arg(m_depth - 1));
    }
    --m_depth;
}

void Connection::rollbackTrans()
{
    if (m_depth <= 0) throw DbError(QStringLiteral("No transaction is active."));
    --m_depth;
    if (m_depth == 0) {
        execute(QStringLiteral("ROLLBACK"));
    } else {
        execute(QStringLiteral("ROLLBACK TO SAVEPOINT sp%1").arg(m_depth));
        execute(QStringLiteral("RELEASE SAVEPOINT sp%1").arg(m_depth));
    }
}

QDateTime Connection::serverDateTime()
{
    const QVariant v = scalar(QStringLiteral("SELECT GETDATE() AS Tdate"));
    QDateTime dt = DbValue::toDateTime(v);
    if (!dt.isValid()) throw DbError(QStringLiteral("The server did not give its date and time."));
    dt.setTime(QTime(dt.time().hour(), dt.time().minute(), dt.time().second()));
    return dt;
}

void Connection::setCommandTimeout(int seconds)
{
    m_commandTimeout = seconds;
    if (engine() == Engine::PostgreSQL)
        execute(QStringLiteral("SET statement_timeout = %1").arg(qMax(0, seconds) * 1000));
}

void Connection::executeScript(const QString& houseDdl)
{
    dropStatements(); // the tables change under the prepared statements
    // "--" comment lines are dropped before the names are translated: a quote in a comment must
    // not be taken for the start of a text. Statements end with ";" at the end of a line.
    QStringList code;
    for (const QString& raw : houseDdl.split(QLatin1Char('\n')))
        if (!raw.trimmed().startsWith(QLatin1String("--"))) code << raw;
    const QString ddl = Dialect::translateDdl(engine(), code.join(QLatin1Char('\n')));
    QString current;
    const auto lines = ddl.split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1String("--")) || line.isEmpty()) continue;
        current += raw + QLatin1Char('\n');
        if (line.endsWith(QLatin1Char(';'))) {
            QSqlQuery q(database());
            if (!q.exec(current.trimmed().chopped(1)))
                throw DbError(errorText(q.lastError()) + QStringLiteral("\n") + current.trimmed());
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty()) {
        QSqlQuery q(database());
        if (!q.exec(current.trimmed()))
            throw DbError(errorText(q.lastError()) + QStringLiteral("\n") + current.trimmed());
    }
}

qint64 takeNextNumber(Connection& conn, const QString& table, const QString& column, const QString& keyColumn,
                      const QVariant& keyValue)
{
    // The names go into the statement's text, so they must be names and nothing else.
    static const QRegularExpression name(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    static const QRegularExpression tableName(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*(\\.\\.|\\.dbo\\.)[A-Za-z_][A-Za-z0-9_]*$"),
                                              QRegularExpression::CaseInsensitiveOption);
    if (!tableName.match(table).hasMatch() || !name.match(column).hasMatch() || !name.match(keyColumn).hasMatch())
        throw DbError(QStringLiteral("The counter %1 of %2 keyed by %3 is not a valid name.").arg(column, table, keyColumn));
    const QString sql = QStringLiteral("UPDATE %1 SET %2 = COALESCE(%2, 0) + 1 WHERE %3 = ? RETURNING %2").arg(table, column, keyColumn);
    Recordset rs = conn.query(sql, {keyValue});
    if (rs.isEmpty())
        throw DbError(QStringLiteral("The counter %1 of %2 has no row; ask the IT department to add it.").arg(column, table));
    return rs.toLong(column);
}
