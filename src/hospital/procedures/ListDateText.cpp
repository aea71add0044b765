#include "hospital/procedures/ListDateText.h"

#include <QDateTime>

namespace ListDateText {
namespace {
QString build(int y, int mo, int d, int h, int mi, int s)
{
    const bool pm = h >= 12;
    int h12 = h % 12;
    if (h12 == 0) h12 = 12;
    char buf[24];
    auto two = [&buf](int at, int v) { buf[at] = char('0' + v / 10); buf[at + 1] = char('0' + v % 10); };
    two(0, mo); buf[2] = '/'; two(3, d); buf[5] = '/';
    two(6, y / 100); two(8, y % 100); buf[10] = ' ';
    two(11, h12); buf[13] = ':'; two(14, mi); buf[16] = ':'; two(17, s); buf[19] = ' ';
    buf[20] = pm ? 'P' : 'A'; buf[21] = 'M';
    return QString::fromLatin1(buf, 22);
}

int digits(const QString& s, int at, int n)
{
    int v = 0;
    for (int i = at; i < at + n; ++i) {
        const QChar c = s.at(i);
        if (!c.isDigit()) return -1;
        v = v * 10 + c.digitValue();
    }
    return v;
}
}

QString format(const QVariant& value)
{
    if (value.isNull() || !value.isValid()) return QString();
    if (value.typeId() == QMetaType::QDateTime) {
        const QDateTime dt = value.toDateTime();
        if (!dt.isValid()) return QString();
        const QDate d = dt.date();
        const QTime t = dt.time();
        return build(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
    }
    // SQLite keeps "yyyy-MM-dd HH:mm:ss"
    const QString s = value.toString();
    if (s.size() >= 19 && s.at(4) == QLatin1Char('-') && s.at(13) == QLatin1Char(':')) {
        const int y = digits(s, 0, 4), mo = digits(s, 5, 2), d = digits(s, 8, 2), h = digits(s, 11, 2),
                  mi = digits(s, 14, 2), sec = digits(s, 17, 2);
        if (y >= 0 && mo >= 0 && d >= 0 && h >= 0 && mi >= 0 && sec >= 0) return build(y, mo, d, h, mi, sec);
    }
    const QDateTime dt = DbValue::toDateTime(value);
    return dt.isValid() ? format(QVariant(dt)) : s;
}

Recordset withDateColumns(Recordset rs, std::initializer_list<int> dateColumns)
{
    // in place: a list of many rows is not held twice
    for (int c : dateColumns) rs.mapColumn(c, [](const QVariant& v) { return QVariant(format(v)); });
    return rs;
}
}
