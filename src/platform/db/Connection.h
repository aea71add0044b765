#pragma once
#include "platform/db/Dialect.h"
#include "platform/db/Recordset.h"

#include <QDateTime>
#include <QHash>
#include <QSqlQuery>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVariantHash>
#include <QVariantList>
#include <functional>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// Where the hospital's databases are: one SQLite file, or a PostgreSQL server with one schema per
// hospital database.
// PostgreSQL: an empty host, database or user (and a port of 0) is left to the driver, which takes
// it from the service (`service`, the driver's service file) or its own defaults; an empty password
// lets the driver read its password file. `sslmode` and `sslrootcert` go to the driver as they are.
struct ConnectionSettings {
    Engine engine = Engine::SQLite;
    QString sqlitePath;          // ":memory:" for a private in-memory database
    QString host = QStringLiteral("127.0.0.1");
    int port = 5432;
    QString database;
    QString user;
    QString password;
    QString service;
    QString sslmode;
    QString sslrootcert;

    // Where the database is, for messages, the log and the status bar: never the password.
    QString describe() const;
    // A PostgreSQL database of a server given as a libpq-style "host=... port=... user=..." text
    // (the test and benchmark runs name their server so).
    static ConnectionSettings postgres(const QString& serverText, const QString& database);
};

// The run's one database connection. Statements are house SQL (see Dialect); every value goes in
// as a bound parameter (positional "?"). Failures throw DbError with the server's description.
class Connection {
public:
    explicit Connection(const ConnectionSettings& settings);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens the connection; throws DbError when the database cannot be reached.
    static std::unique_ptr<Connection> open(const ConnectionSettings& settings);

    Engine engine() const { return m_settings.engine; }
    const ConnectionSettings& settings() const { return m_settings; }
    bool isOpen() const;
    // Whether the server lets this connection write nothing: a SQLite file opened read-only (its
    // permissions, an immutable file, a read-only mount, or a file SQLite itself marks read-only),
    // a PostgreSQL session or server in read-only mode.
    bool isReadOnly();
    // The text other in-house components are given to reach the same database.
    QString connectionString() const;

    // Runs a statement; returns the number of rows it changed.
    int execute(const QString& sql, const QVariantList& params = {});
    // Runs a query and fetches every row.
    Recordset query(const QString& sql, const QVariantList& params = {});
    // The first column of the first row (null when no row).
    QVariant scalar(const QString& sql, const QVariantList& params = {});

    // Stored procedures of the hospital, by their cross-database name (see ProcedureRegistry).
    Recordset call(const QString& procedure, const QVariantList& args = {});
    Recordset callNamed(const QString& procedure, const QVariantHash& namedArgs);

    // Transactions nest through savepoints; a rollback of the outer level undoes everything.
    void beginTrans();
    void commitTrans();
    void rollbackTrans();
    bool inTransaction() const { return m_depth > 0; }
    int transactionDepth() const { return m_depth; }

    // The database server's current date and time (whole seconds).
    QDateTime serverDateTime();

    // Seconds a statement may run before it is cancelled (0: no limit).
    void setCommandTimeout(int seconds);
    int commandTimeout() const { return m_commandTimeout; }
    // Kept for the callers that set it; every recordset here is client-side and fully fetched.
    int cursorLocation = 3;

    QString translate(const QString& houseSql) const { return Dialect::translate(engine(), houseSql); }
    QSqlDatabase database() const;

    // Sees every statement as the engine gets it (the dialect's text, the values as bound): the
    // benchmarks replay them through the raw driver to measure the floor of an action.
    using StatementObserver = std::function<void(const QString& engineSql, const QVariantList& boundValues)>;
    void setStatementObserver(StatementObserver observer) { m_observer = std::move(observer); }

    // Runs a script of statements separated by ";" at line ends (schema files).
    void executeScript(const QString& houseDdl);

private:
    struct Prepared;
    // names: where the statement keeps the names of its result columns (null when not kept)
    QSqlQuery prepare(const QString& sql, const QVariantList& params, QStringList** names = nullptr);
    // SQLite: runs the statement straight through the library on the driver's own handle, each
    // value read into the result as it comes. result: where every row goes (null: the first step
    // only, as for a statement that returns nothing); returns the rows it changed.
    int runSqlite(const QString& sql, const QVariantList& params, Recordset* result);
    Prepared& sqliteStatement(const QString& sql);
    // Finalizes the kept statements (before the connection closes, or when the tables change).
    void dropStatements();
    void install();
    const QString& translated(const QString& houseSql);
    void observe(const QString& engineSql, const QVariantList& params);

    // Translations and prepared statements are kept per statement text: the same look-up runs
    // many times, and neither the dialect's rewriting nor the server's parse need repeating.
    QHash<QString, QString> m_translations;
    QSqlDatabase m_db;
    struct Prepared {
        QSqlQuery query;                    // PostgreSQL
        std::shared_ptr<sqlite3_stmt> lite; // SQLite, on m_lite
        QString engineSql;                  // SQLite: the text as the engine gets it
        QStringList columns;                // the result's column names, read at the first run
        int reprepared = 0;                 // SQLite: how often the library had parsed it afresh when they were read
    };
    // PostgreSQL: by the engine's text; SQLite: by the house text, which spares the translation's
    // look-up on every run.
    QHash<QString, Prepared> m_statements;
    sqlite3* m_lite = nullptr; // the SQLite driver's own handle

    ConnectionSettings m_settings;
    QString m_name;
    int m_depth = 0;
    int m_commandTimeout = 0;
    StatementObserver m_observer;
};

// Rolls back unless committed: a save that leaves its scope by an exception leaves nothing behind.
class TransactionGuard {
public:
    explicit TransactionGuard(Connection& c) : m_conn(c) { m_conn.beginTrans(); }
    ~TransactionGuard()
    {
        if (!m_done) {
            try {
                m_conn.rollbackTrans();
            } catch (const std::exception& e) {
                qWarning("Rolling back a save failed: %s", e.what());
            }
        }
    }
    void commit() { m_conn.commitTrans(); m_done = true; }
    void rollback() { m_done = true; m_conn.rollbackTrans(); }
    TransactionGuard(const TransactionGuard&) = delete;
    TransactionGuard& operator=(const TransactionGuard&) = delete;

private:
    Connection& m_conn;
    bool m_done = false;
};

// Takes the next number of a counter row atomically: "UPDATE table SET column = column + 1 WHERE
// keyColumn = ? RETURNING column", the key bound. Call it inside the save's transaction. A missing
// counter row is an error; so is a table or column that is no plain name.
qint64 takeNextNumber(Connection& conn, const QString& table, const QString& column, const QString& keyColumn,
                      const QVariant& keyValue);
