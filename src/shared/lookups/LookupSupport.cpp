#include "shared/lookups/LookupSupport.h"

namespace Lookup {

namespace {
void requireValue(const QVariant& v)
{
    if (v.isNull() || !v.isValid()) throw DbError(QStringLiteral("Invalid use of Null"));
}
}

QString textOf(const QVariant& v)
{
    requireValue(v);
    return DbValue::text(v);
}

double numberOf(const QVariant& v)
{
    requireValue(v);
    bool ok = false;
    const double x = v.toString().trimmed().toDouble(&ok);
    if (!ok) throw DbError(QStringLiteral("Type mismatch"));
    return x;
}

bool truthOf(const QVariant& v)
{
    requireValue(v);
    if (v.typeId() == QMetaType::Bool) return v.toBool();
    const QString s = v.toString().trimmed();
    if (s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
    if (s.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
    bool ok = false;
    const double x = s.toDouble(&ok);
    if (!ok) throw DbError(QStringLiteral("Type mismatch"));
    return x != 0.0;
}

QString signedNumberText(double value)
{
    QString s = QString::number(value, 'f', 10);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0'))) s.chop(1);
        if (s.endsWith(QLatin1Char('.'))) s.chop(1);
    }
    if (s == QLatin1String("-0")) s = QStringLiteral("0");
    return value < 0 && s != QLatin1String("0") ? s : QStringLiteral(" ") + s;
}

}
