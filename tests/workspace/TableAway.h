#pragma once
#include "platform/db/Connection.h"
#include "platform/db/Dialect.h"

// Makes a table unreachable while the object lives (renamed away, then back): every statement on
// it fails, and the test databases, which outlive one test on the server, keep the table.
class TableAway {
public:
    TableAway(Connection& conn, const QString& houseName) : m_conn(conn), m_name(houseName)
    {
        m_conn.execute(renameSql(m_name, m_name + QStringLiteral("_away")));
    }
    ~TableAway()
    {
        try {
            m_conn.execute(renameSql(m_name + QStringLiteral("_away"), m_name));
        } catch (...) {
        }
    }
    TableAway(const TableAway&) = delete;
    TableAway& operator=(const TableAway&) = delete;

private:
    QString renameSql(const QString& from, const QString& to) const
    {
        const QString target = Dialect::tableName(m_conn.engine(), to);
        // PostgreSQL keeps the table in its schema and takes the bare new name.
        const QString bare = m_conn.engine() == Engine::PostgreSQL ? target.section(QLatin1Char('.'), 1) : target;
        return QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(Dialect::tableName(m_conn.engine(), from), bare);
    }
    Connection& m_conn;
    QString m_name;
};
