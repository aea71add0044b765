#pragma once
#include "platform/db/Connection.h"
#include "platform/db/Dialect.h"

#include <gtest/gtest.h>

// Puts a table, or one of its columns, out of reach while the object lives (renamed away, then
// back), so every statement on it fails as on a server where it is missing. Nothing is dropped:
// on PostgreSQL the tests of a binary share the schema, and the next test must find it whole.
// The one way tests take a table away; a table that cannot be put back fails the test.
class TableOutOfReach {
public:
    TableOutOfReach(Connection& c, const QString& houseTable, const QString& column = QString())
        : m_conn(c), m_table(Dialect::tableName(c.engine(), houseTable)), m_column(column)
    {
        m_conn.execute(sql(false));
    }
    // Puts it back before the object ends (a test that goes on using the table).
    void restore()
    {
        if (m_restored) return;
        m_restored = true;
        m_conn.execute(sql(true));
    }
    ~TableOutOfReach()
    {
        try {
            restore();
        } catch (const std::exception& e) {
            ADD_FAILURE() << "The table " << m_table.toStdString() << " could not be put back: " << e.what();
        }
    }
    TableOutOfReach(const TableOutOfReach&) = delete;
    TableOutOfReach& operator=(const TableOutOfReach&) = delete;

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
    bool m_restored = false;
};
