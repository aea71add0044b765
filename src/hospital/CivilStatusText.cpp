#include "hospital/CivilStatusText.h"

QString CivilStatusNameSql(const QString& column)
{
    return QStringLiteral("CASE %1 WHEN '0' THEN 'CHILD' WHEN '1' THEN 'SINGLE' WHEN '2' THEN 'MARRIED' WHEN '3' THEN 'WIDOW/ER' "
                          "WHEN '4' THEN 'SEPARATED' WHEN '5' THEN 'DIVORCED' WHEN '-1' THEN '' ELSE %1 END")
        .arg(column);
}
