#include "procedure_report/StaffData.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/LikePattern.h"

namespace StaffData {

Recordset SearchStaff(Connection& c, const QString& mode, const QString& text)
{
    QString nameColumn, departments;
    if (mode == QLatin1String("N")) {
        nameColumn = QStringLiteral("NURSE");
        departments = QStringLiteral("OriginalDepartment = '29'");
    } else if (mode == QLatin1String("R")) {
        nameColumn = QStringLiteral("RADTECH");
        departments = QStringLiteral("OriginalDepartment IN ('23','13','11','27','IMG','RIS','MI','WC')");
    } else {
        throw DbError(QStringLiteral("The staff list has no mode \"%1\".").arg(mode));
    }
    QString sql = QStringLiteral("SELECT DISTINCT EmployeeID AS CODE, COALESCE(LastName, '') || ' ,' || COALESCE(FirstName, '') || ' ' || "
                                 "COALESCE(MiddleName, '') AS ") +
                  nameColumn + QStringLiteral(" FROM PASSWORD..tbPasswordMain WHERE ") + departments;
    QVariantList params;
    if (!text.isEmpty()) {
        sql += QStringLiteral(" AND (LastName LIKE ? ESCAPE '!' OR EmployeeID = ?)");
        params << Like::startsWith(text.trimmed()) << text;
    }
    sql += QStringLiteral(" ORDER BY ") + nameColumn;
    return c.query(sql, params);
}

}
