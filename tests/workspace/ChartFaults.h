#pragma once
#include "platform/db/Connection.h"
#include "platform/db/Dialect.h"

// Puts a table, or one of its columns, out of reach for the length of a test and back afterwards:
// on PostgreSQL every test of a binary shares the schema, so nothing may stay dropped.
class OutOfReach {
public:
    OutOfReach(Connection& c, const QString& houseTable, const QString& column = QString())
        : m_conn(c), m_table(Dialect::tableName(c.engine(), houseTable)), m_column(column)
    {
        m_conn.execute(sql(false));
    }
    ~OutOfReach()
    {
        try {
            m_conn.execute(sql(true));
        } catch (...) {
        }
    }
    OutOfReach(const OutOfReach&) = delete;
    OutOfReach& operator=(const OutOfReach&) = delete;

private:
    QString sql(bool back) const
    {
        if (!m_column.isEmpty()) {
            const QString away = m_column + QStringLiteral("_away");
            return QStringLiteral("ALTER TABLE %1 RENAME COLUMN %2 TO %3").arg(m_table, back ? away : m_column, back ? m_column : away);
        }
        // PostgreSQL keeps the table in its schema and takes the bare new name.
        const bool pg = m_conn.engine() == Engine::PostgreSQL;
        const QString away = m_table + QStringLiteral("_away");
        const auto bare = [pg](const QString& t) { return pg ? t.section(QLatin1Char('.'), 1) : t; };
        return back ? QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(away, bare(m_table))
                    : QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(m_table, bare(away));
    }
    Connection& m_conn;
    QString m_table, m_column;
};
