#pragma once
// Bulk rows for the scaled hospitals: one INSERT ... SELECT over a numbered series per table, so
// that millions of lines take seconds, not a statement each.
#include "platform/db/Connection.h"

namespace BulkFill {
// "WITH ... seq(n)": the numbers 0 to count - 1 (the count is the statement's first parameter).
inline QString series(const Connection& c)
{
    return c.engine() == Engine::PostgreSQL ? QStringLiteral("WITH seq(n) AS (SELECT generate_series(0, CAST(? AS bigint) - 1)) ")
                                            : QStringLiteral("WITH RECURSIVE seq(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM seq WHERE n + 1 < ?) ");
}
// A time the given number of seconds after a bound starting time (one parameter, text 'yyyy-MM-dd HH:mm:ss').
inline QString plusSeconds(const Connection& c, const QString& seconds)
{
    return c.engine() == Engine::PostgreSQL ? QStringLiteral("(CAST(? AS timestamp) + (%1) * INTERVAL '1 second')").arg(seconds)
                                            : QStringLiteral("datetime(?, '+' || (%1) || ' seconds')").arg(seconds);
}
// The stays of a stay table numbered from 0 in a temporary table (k, IDNum, HospNum), so that the
// n-th bulk row can take stay n % count.
inline int numberStays(Connection& c, const QString& table, const QString& stayTable)
{
    c.execute(QStringLiteral("DROP TABLE IF EXISTS %1").arg(table));
    c.execute(QStringLiteral("CREATE TEMPORARY TABLE %1 AS SELECT ROW_NUMBER() OVER (ORDER BY IDNum) - 1 AS k, IDNum, HospNum FROM %2")
                  .arg(table, stayTable));
    c.execute(QStringLiteral("CREATE INDEX %1_k ON %1 (k)").arg(table));
    return int(DbValue::toLong(c.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table))));
}
}
