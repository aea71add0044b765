#pragma once
#include "platform/db/Recordset.h"

#include <QSet>

// The result lists that other sections' procedures return name their fields as the screens show
// them ("TRANS. NO", "RESULT DATE"), which plain SQL cannot alias: the query selects the columns in
// order and this gives them those names. Columns in `dates` become date-times (SQLite returns text).
inline Recordset ResultColumns(const Recordset& rs, const QStringList& names, const QSet<int>& dates = {})
{
    QVector<QVector<QVariant>> rows;
    rows.reserve(rs.recordCount());
    for (int r = 0; r < rs.recordCount(); ++r) {
        QVector<QVariant> row;
        for (int c = 0; c < names.size(); ++c) {
            const QVariant v = rs.valueAt(r, c);
            if (dates.contains(c) && !v.isNull()) {
                const QDateTime dt = DbValue::toDateTime(v);
                row.append(dt.isValid() ? QVariant(dt) : v);
            } else {
                row.append(v);
            }
        }
        rows.append(row);
    }
    return Recordset(names, rows);
}
