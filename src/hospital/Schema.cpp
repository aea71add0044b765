#include "hospital/Schema.h"

#include "hospital/DemoData.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"

#include <QFile>

#include <QRegularExpression>

#include <algorithm>

static void initHospitalResources() { Q_INIT_RESOURCE(hospital); }

namespace {

// The program's own tables: which statement of which schema file a database has had, and which
// demo sections a demo hospital has been given. Never altered, so they need no steps of their own.
const char* const kVersionDdl = R"(CREATE TABLE IF NOT EXISTS CATHLAB..tbSchemaSteps (
    DatabaseName VARCHAR(40) NOT NULL,
    StepNo INTEGER NOT NULL,
    Statement TEXT,
    AppliedOn DATETIME,
    PRIMARY KEY (DatabaseName, StepNo)
);
CREATE TABLE IF NOT EXISTS CATHLAB..tbDemoSections (
    SectionName VARCHAR(200) NOT NULL PRIMARY KEY,
    FilledOn DATETIME
);)";

// Statements end with ";" at the end of a line; comment lines are dropped first, so that a ";" or
// a quote in a comment means nothing.
QStringList statementsOf(const QString& ddl)
{
    QStringList out;
    QString current;
    for (const QString& raw : ddl.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1String("--"))) continue;
        current += raw + QLatin1Char('\n');
        if (line.endsWith(QLatin1Char(';'))) {
            out << current.trimmed();
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty()) out << current.trimmed();
    return out;
}

// Catalogue questions take the engine's names: "station__tbx" (SQLite), "station" and "tbx" (PostgreSQL).
struct EngineName {
    QString schema, table;
};
EngineName engineName(Connection& c, const QString& houseTable)
{
    const QString name = Dialect::tableName(c.engine(), houseTable).toLower();
    if (c.engine() == Engine::SQLite) return {QString(), name};
    return {name.section(QLatin1Char('.'), 0, 0), name.section(QLatin1Char('.'), 1)};
}

bool hasTable(Connection& c, const QString& houseTable, bool view = false)
{
    const EngineName n = engineName(c, houseTable);
    if (c.engine() == Engine::SQLite)
        return DbValue::toLong(c.scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = ? AND lower(name) = ?"),
                                        {view ? QStringLiteral("view") : QStringLiteral("table"), n.table})) > 0;
    return DbValue::toLong(c.scalar(QStringLiteral("SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = ? "
                                                   "AND table_name = ? AND table_type = ?"),
                                    {n.schema, n.table, view ? QStringLiteral("VIEW") : QStringLiteral("BASE TABLE")})) > 0;
}

bool hasColumn(Connection& c, const QString& houseTable, const QString& column)
{
    const EngineName n = engineName(c, houseTable);
    if (c.engine() == Engine::SQLite)
        return DbValue::toLong(c.scalar(QStringLiteral("SELECT COUNT(*) FROM pragma_table_info(?) WHERE lower(name) = ?"),
                                        {n.table, column.toLower()})) > 0;
    return DbValue::toLong(c.scalar(QStringLiteral("SELECT COUNT(*) FROM information_schema.columns WHERE table_schema = ? "
                                                   "AND table_name = ? AND column_name = ?"),
                                    {n.schema, n.table, column.toLower()})) > 0;
}

bool hasIndex(Connection& c, const QString& houseTable, const QString& index)
{
    const EngineName n = engineName(c, houseTable);
    if (c.engine() == Engine::SQLite)
        return DbValue::toLong(c.scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND lower(name) = ?"),
                                        {index.toLower()})) > 0;
    return DbValue::toLong(c.scalar(QStringLiteral("SELECT COUNT(*) FROM pg_indexes WHERE schemaname = ? AND indexname = ?"),
                                    {n.schema, index.toLower()})) > 0;
}

// The column definitions of a CREATE TABLE, split at the commas outside brackets and quotes.
QStringList columnDefinitions(const QString& createTable)
{
    const int open = createTable.indexOf(QLatin1Char('(')), close = createTable.lastIndexOf(QLatin1Char(')'));
    QStringList out;
    if (open < 0 || close <= open) return out;
    QString current;
    int depth = 0;
    bool quoted = false;
    for (const QChar ch : createTable.mid(open + 1, close - open - 1)) {
        if (ch == QLatin1Char('\'')) quoted = !quoted;
        if (!quoted && ch == QLatin1Char('(')) ++depth;
        if (!quoted && ch == QLatin1Char(')')) --depth;
        if (!quoted && depth == 0 && ch == QLatin1Char(',')) {
            out << current.simplified();
            current.clear();
        } else {
            current += ch;
        }
    }
    if (!current.simplified().isEmpty()) out << current.simplified();
    return out;
}

// An earlier form of a CREATE TABLE made the table with fewer columns: add the ones it lacks. Keys
// and NOT NULL cannot be added to a table that has rows; the column comes without them.
void addMissingColumns(Connection& c, const QString& houseTable, const QString& createTable)
{
    static const QRegularExpression constraint(QStringLiteral(R"(^(PRIMARY|UNIQUE|CONSTRAINT|FOREIGN|CHECK)\b)"),
                                               QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression keyWords(QStringLiteral(R"(\bNOT\s+NULL\b|\bPRIMARY\s+KEY\b|\bUNIQUE\b)"),
                                             QRegularExpression::CaseInsensitiveOption);
    for (const QString& def : columnDefinitions(createTable)) {
        if (def.isEmpty() || constraint.match(def).hasMatch()) continue;
        const QString column = def.section(QLatin1Char(' '), 0, 0);
        if (hasColumn(c, houseTable, column)) continue;
        QString rest = def.section(QLatin1Char(' '), 1);
        rest.replace(keyWords, QString());
        c.executeScript(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3").arg(houseTable, column, rest.simplified()));
    }
}

// Adopting a database made before steps were recorded: runs the statement unless its effect is
// there already. Statements of other kinds always run (they must be harmless to repeat).
void adoptStep(Connection& c, const QString& sql)
{
    const auto rx = [](const char* p) { return QRegularExpression(QString::fromLatin1(p), QRegularExpression::CaseInsensitiveOption); };
    static const QRegularExpression createTable = rx(R"(^CREATE\s+TABLE\s+(?:IF\s+NOT\s+EXISTS\s+)?(\w+\.\.\w+))");
    static const QRegularExpression createIndex =
        rx(R"(^CREATE\s+(?:UNIQUE\s+)?INDEX\s+(?:IF\s+NOT\s+EXISTS\s+)?(\w+)\s+ON\s+(\w+\.\.\w+))");
    static const QRegularExpression createView = rx(R"(^CREATE\s+VIEW\s+(\w+\.\.\w+))");
    static const QRegularExpression addColumn = rx(R"(^ALTER\s+TABLE\s+(\w+\.\.\w+)\s+ADD\s+(?:COLUMN\s+)?(\w+))");
    static const QRegularExpression dropColumn = rx(R"(^ALTER\s+TABLE\s+(\w+\.\.\w+)\s+DROP\s+(?:COLUMN\s+)?(\w+))");
    QRegularExpressionMatch m;
    if ((m = createTable.match(sql)).hasMatch()) {
        if (!hasTable(c, m.captured(1))) return c.executeScript(sql);
        return addMissingColumns(c, m.captured(1), sql);
    }
    if ((m = createIndex.match(sql)).hasMatch()) {
        if (!hasIndex(c, m.captured(2), m.captured(1))) c.executeScript(sql);
        return;
    }
    if ((m = createView.match(sql)).hasMatch()) {
        // A view keeps no rows: the earlier form is replaced by this one.
        if (hasTable(c, m.captured(1), true)) c.executeScript(QStringLiteral("DROP VIEW %1").arg(m.captured(1)));
        return c.executeScript(sql);
    }
    if ((m = addColumn.match(sql)).hasMatch()) {
        if (!hasColumn(c, m.captured(1), m.captured(2))) c.executeScript(sql);
        return;
    }
    if ((m = dropColumn.match(sql)).hasMatch()) {
        if (hasTable(c, m.captured(1)) && hasColumn(c, m.captured(1), m.captured(2))) c.executeScript(sql);
        return;
    }
    c.executeScript(sql);
}

void makeVersionTables(Connection& c)
{
    if (c.engine() == Engine::PostgreSQL) c.execute(QStringLiteral("CREATE SCHEMA IF NOT EXISTS cathlab"));
    c.executeScript(QString::fromLatin1(kVersionDdl));
}

// Two workstations connecting at once must not both apply the same steps. SQLite's BEGIN
// IMMEDIATE already holds the file; PostgreSQL takes a lock that ends with the transaction.
void lockForUpgrade(Connection& c)
{
    if (c.engine() == Engine::PostgreSQL) c.query(QStringLiteral("SELECT pg_advisory_xact_lock(20261211)"));
}

// Refuses a database that has had steps this program does not have: it was made or upgraded by a
// newer build, and this one would read and write tables it does not know.
void refuseNewer(const QHash<QString, int>& applied, const QList<HospitalSchema::Step>& all)
{
    QHash<QString, int> known;
    for (const auto& s : all) known[s.database] = qMax(known.value(s.database), s.number);
    for (auto it = applied.cbegin(); it != applied.cend(); ++it) {
        if (it.value() <= known.value(it.key(), 0)) continue;
        throw DbError(QStringLiteral("This database was brought up to date by a newer build of the program (%1: %2 schema statements "
                                     "applied, this build knows %3). Use the newer build, or ask your IT department.")
                          .arg(it.key().toUpper())
                          .arg(it.value())
                          .arg(known.value(it.key(), 0)));
    }
}

int pendingSteps(const QHash<QString, int>& applied, const QList<HospitalSchema::Step>& all)
{
    int n = 0;
    for (const auto& s : all)
        if (s.number > applied.value(s.database, 0)) ++n;
    return n;
}

// "VARCHAR(300)", "NUMERIC(12,2) DEFAULT 0", "MONEY" -> the type and its bounds.
HospitalSchema::ColumnType parseColumnType(const QString& declaration)
{
    static const QRegularExpression rx(QStringLiteral(R"(^(\w+)\s*(?:\(\s*(\d+)\s*(?:,\s*(\d+)\s*)?\))?)"));
    const QRegularExpressionMatch m = rx.match(declaration.trimmed());
    if (!m.hasMatch()) return {};
    return {m.captured(1).toUpper(), m.captured(2).toInt(), m.captured(3).toInt()};
}

// Every column of every table, keyed "table.column" in lower case, as the steps leave them in order.
QHash<QString, HospitalSchema::ColumnType> declaredColumns()
{
    const auto rx = [](const char* p) { return QRegularExpression(QString::fromLatin1(p), QRegularExpression::CaseInsensitiveOption); };
    static const QRegularExpression createTable = rx(R"(^CREATE\s+TABLE\s+(?:IF\s+NOT\s+EXISTS\s+)?(\w+\.\.\w+))");
    static const QRegularExpression addColumn = rx(R"(^ALTER\s+TABLE\s+(\w+\.\.\w+)\s+ADD\s+(?:COLUMN\s+)?(\w+)\s+(.*);?$)");
    static const QRegularExpression dropTable = rx(R"(^DROP\s+TABLE\s+(?:IF\s+EXISTS\s+)?(\w+\.\.\w+))");
    static const QRegularExpression dropColumn = rx(R"(^ALTER\s+TABLE\s+(\w+\.\.\w+)\s+DROP\s+(?:COLUMN\s+)?(\w+))");
    static const QRegularExpression constraint = rx(R"(^(PRIMARY|UNIQUE|CONSTRAINT|FOREIGN|CHECK)\b)");
    QHash<QString, HospitalSchema::ColumnType> out;
    const auto key = [](const QString& table, const QString& column) { return (table + QLatin1Char('.') + column).toLower(); };
    for (const HospitalSchema::Step& s : HospitalSchema::steps()) {
        QRegularExpressionMatch m;
        if ((m = createTable.match(s.sql)).hasMatch()) {
            // "IF NOT EXISTS" over a table made by an earlier statement changes nothing
            const QString prefix = m.captured(1).toLower() + QLatin1Char('.');
            const bool made = std::any_of(out.keyBegin(), out.keyEnd(), [&prefix](const QString& k) { return k.startsWith(prefix); });
            if (made) continue;
            for (const QString& def : columnDefinitions(s.sql)) {
                if (def.isEmpty() || constraint.match(def).hasMatch()) continue;
                out.insert(key(m.captured(1), def.section(QLatin1Char(' '), 0, 0)), parseColumnType(def.section(QLatin1Char(' '), 1)));
            }
        } else if ((m = addColumn.match(s.sql.simplified())).hasMatch()) {
            const QString k = key(m.captured(1), m.captured(2));
            if (!out.contains(k)) out.insert(k, parseColumnType(m.captured(3)));
        } else if ((m = dropColumn.match(s.sql)).hasMatch()) {
            out.remove(key(m.captured(1), m.captured(2)));
        } else if ((m = dropTable.match(s.sql)).hasMatch()) {
            const QString prefix = m.captured(1).toLower() + QLatin1Char('.');
            out.removeIf([&prefix](const auto& it) { return it.key().startsWith(prefix); });
        }
    }
    return out;
}

} // namespace

namespace HospitalSchema {

ColumnType columnType(const QString& houseTable, const QString& column)
{
    static const QHash<QString, ColumnType> all = declaredColumns();
    const auto it = all.constFind((houseTable + QLatin1Char('.') + column).toLower());
    if (it == all.constEnd())
        throw DbError(QStringLiteral("No schema file declares the column %1 of %2.").arg(column, houseTable));
    return *it;
}

int textWidth(const QString& houseTable, const QString& column)
{
    const ColumnType t = columnType(houseTable, column);
    if ((t.type != QLatin1String("VARCHAR") && t.type != QLatin1String("CHAR")) || t.length <= 0)
        throw DbError(QStringLiteral("The column %1 of %2 is no text of a fixed width.").arg(column, houseTable));
    return t.length;
}


QStringList databases()
{
    return {QStringLiteral("password"), QStringLiteral("patient_data"), QStringLiteral("build_file"),
            QStringLiteral("station"), QStringLiteral("clinical_area"), QStringLiteral("inventory"),
            QStringLiteral("billing"), QStringLiteral("schedule"), QStringLiteral("radiology"),
            QStringLiteral("laboratory"), QStringLiteral("medicare"), QStringLiteral("hemodialysis")};
}

QList<Step> steps()
{
    initHospitalResources();
    static const QList<Step> all = [] {
        QList<Step> out;
        for (const QString& db : databases()) {
            QFile f(QStringLiteral(":/schema/%1.sql").arg(db));
            if (!f.open(QIODevice::ReadOnly))
                throw DbError(QStringLiteral("The schema of %1 is missing from the program.").arg(db));
            int number = 0;
            for (const QString& sql : statementsOf(QString::fromUtf8(f.readAll()))) out.append({db, ++number, sql});
        }
        return out;
    }();
    return all;
}

bool exists(Connection& conn)
{
    // Asks the catalogue, so that a damaged database file is an error rather than "empty".
    return hasTable(conn, QStringLiteral("PATIENT_DATA..TBHOSPITALINFO"));
}

bool versioned(Connection& conn) { return hasTable(conn, QStringLiteral("CATHLAB..tbSchemaSteps")); }

QHash<QString, int> appliedSteps(Connection& conn)
{
    QHash<QString, int> out;
    if (!versioned(conn)) return out;
    Recordset rs = conn.query(QStringLiteral("SELECT DatabaseName, MAX(StepNo) AS LastStep FROM CATHLAB..tbSchemaSteps GROUP BY DatabaseName"));
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) out.insert(rs.text(QStringLiteral("DatabaseName")), rs.toInt(QStringLiteral("LastStep")));
    return out;
}

int upgrade(Connection& conn)
{
    const QList<Step> all = steps();
    TransactionGuard tx(conn);
    lockForUpgrade(conn);
    const bool adopting = !versioned(conn) && exists(conn);
    const QHash<QString, int> applied = appliedSteps(conn);
    refuseNewer(applied, all);
    if (pendingSteps(applied, all) == 0) {
        tx.commit();
        return 0;
    }
    makeVersionTables(conn);
    // PostgreSQL keeps each hospital database in a schema of its own, made before its first step.
    if (conn.engine() == Engine::PostgreSQL)
        for (const QString& db : databases()) conn.execute(QStringLiteral("CREATE SCHEMA IF NOT EXISTS %1").arg(db));
    int ran = 0;
    for (const Step& s : all) {
        if (s.number <= applied.value(s.database, 0)) continue;
        if (adopting) adoptStep(conn, s.sql);
        else conn.executeScript(s.sql);
        conn.execute(QStringLiteral("INSERT INTO CATHLAB..tbSchemaSteps (DatabaseName, StepNo, Statement, AppliedOn) VALUES (?, ?, ?, GETDATE())"),
                     {s.database, s.number, s.sql});
        ++ran;
    }
    tx.commit();
    return ran;
}

void create(Connection& conn)
{
    if (exists(conn)) throw DbError(QStringLiteral("%1 holds the hospital's tables already.").arg(conn.settings().describe()));
    upgrade(conn);
}

void prepare(Connection& conn, bool createDemo)
{
    // A database that is up to date is only read: a second workstation, or a read-only copy,
    // connects without taking a write lock.
    if (versioned(conn)) {
        const QHash<QString, int> applied = appliedSteps(conn);
        refuseNewer(applied, steps());
        if (pendingSteps(applied, steps()) == 0 && !DemoData::sectionsMissing(conn)) return;
    }
    TransactionGuard tx(conn);
    lockForUpgrade(conn);
    if (!exists(conn)) {
        if (!createDemo) throw DbError(QStringLiteral("%1 holds no hospital tables.").arg(conn.settings().describe()));
        upgrade(conn);
        DemoData::fill(conn);
    } else {
        const bool adopting = !versioned(conn);
        upgrade(conn);
        if (adopting) DemoData::adoptFilledSections(conn);
        DemoData::fillMissing(conn);
    }
    tx.commit();
}

} // namespace HospitalSchema
