#include "components/icd10/ICD10Search.h"

#include "platform/db/Connection.h"
#include "platform/db/LikePattern.h"

#include <QRegularExpression>

QList<ICD10Row> SearchICD10(Connection& c, const QString& text, int limit)
{
    const QStringList words = text.toUpper().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);

    QString sql = QStringLiteral("SELECT ICDCode, Description FROM BUILD_FILE..tbCoICD10");
    QVariantList params;
    if (!words.isEmpty()) {
        const QString code = words.join(QString());
        QString noDot = code;
        noDot.remove(QLatin1Char('.'));
        params << Like::startsWith(code) << Like::startsWith(noDot);
        QStringList byWords;
        for (const QString& w : words) {
            byWords << QStringLiteral("UPPER(Description) LIKE ? ESCAPE '!'");
            params << Like::contains(w);
        }
        sql += QStringLiteral(" WHERE UPPER(ICDCode) LIKE ? ESCAPE '!' OR UPPER(REPLACE(ICDCode, '.', '')) LIKE ? ESCAPE '!' OR (") +
               byWords.join(QStringLiteral(" AND ")) + QStringLiteral(")");
    }
    sql += QStringLiteral(" ORDER BY ICDCode LIMIT ?");
    params << limit;

    QList<ICD10Row> rows;
    const Recordset rs = c.query(sql, params);
    for (int r = 0; r < rs.recordCount(); ++r)
        rows.append({rs.textAt(r, QStringLiteral("ICDCode")), rs.textAt(r, QStringLiteral("Description"))});
    return rows;
}
