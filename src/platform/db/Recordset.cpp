#include "platform/db/Recordset.h"

#include "platform/db/DbError.h"

#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>

struct Recordset::Data {
    QStringList names;
    QHash<QString, int> index; // lower-case name -> column; only for wide results
    QVector<QVector<QVariant>> rows;
};

namespace {
// Narrow results (most look-ups) find a field by scanning; wide ones build a hash once.
constexpr int kScanLimit = 12;
}

Recordset::Recordset() : d(std::make_shared<Data>()) {}

Recordset::Recordset(const QStringList& fieldNames, QVector<QVector<QVariant>> rows)
    : d(std::make_shared<Data>())
{
    d->names = fieldNames;
    if (fieldNames.size() > kScanLimit) {
        for (int i = 0; i < fieldNames.size(); ++i) {
            const QString key = fieldNames[i].toLower();
            if (!d->index.contains(key)) d->index.insert(key, i);
        }
    }
    d->rows = std::move(rows);
}

Recordset Recordset::fromQuery(QSqlQuery& query, QStringList* names)
{
    // The record (a field object per column, with its type) is built only the first time a
    // prepared statement runs; its names are kept with the statement.
    QStringList own;
    QStringList& cols = names ? *names : own;
    if (cols.isEmpty()) {
        const QSqlRecord rec = query.record();
        cols.reserve(rec.count());
        for (int i = 0; i < rec.count(); ++i) cols << rec.fieldName(i);
    }
    QVector<QVector<QVariant>> rows;
    const int n = int(cols.size());
    while (query.next()) {
        QVector<QVariant> row(n);
        for (int i = 0; i < n; ++i) row[i] = query.value(i);
        rows.push_back(std::move(row));
    }
    return Recordset(cols, std::move(rows));
}

int Recordset::recordCount() const { return d->rows.size(); }
int Recordset::fieldCount() const { return d->names.size(); }
QString Recordset::fieldName(int index) const { return d->names.value(index); }
QStringList Recordset::fieldNames() const { return d->names; }
namespace {
// Names of another length never match without regard to case (case folds one unit to one), so
// only the names of the field's length are compared.
bool sameName(const QString& name, const QString& field)
{
    return name.size() == field.size() && (name == field || name.compare(field, Qt::CaseInsensitive) == 0);
}
}

bool Recordset::hasField(const QString& name) const
{
    if (d->names.size() > kScanLimit) return d->index.contains(name.toLower());
    for (const QString& n : d->names)
        if (sameName(n, name)) return true;
    return false;
}
bool Recordset::eof() const { return m_pos >= d->rows.size(); }
void Recordset::moveFirst() { m_pos = 0; }
void Recordset::moveNext() { if (m_pos < d->rows.size()) ++m_pos; }
void Recordset::move(int row) { m_pos = qBound(0, row, int(d->rows.size())); }

int Recordset::column(const QString& field) const
{
    if (d->names.size() <= kScanLimit) {
        for (int i = 0; i < d->names.size(); ++i)
            if (sameName(d->names[i], field)) return i;
    } else {
        auto it = d->index.constFind(field.toLower());
        if (it != d->index.constEnd()) return it.value();
    }
    throw DbError(QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal. (%1)").arg(field));
}

QVariant Recordset::valueAt(int row, int col) const
{
    if (row < 0 || row >= d->rows.size())
        throw DbError(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."));
    if (col < 0 || col >= d->names.size())
        throw DbError(QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal. (%1)").arg(col));
    return d->rows[row][col];
}

QVariant Recordset::valueAt(int row, const QString& field) const { return valueAt(row, column(field)); }
QString Recordset::textAt(int row, const QString& field) const { return DbValue::text(valueAt(row, field)); }
QVariant Recordset::value(const QString& field) const { return valueAt(m_pos, column(field)); }
QVariant Recordset::value(int col) const { return valueAt(m_pos, col); }
bool Recordset::isNull(const QString& field) const { return value(field).isNull(); }
QString Recordset::text(const QString& field) const { return DbValue::text(value(field)); }
int Recordset::toInt(const QString& field) const { return int(DbValue::toLong(value(field))); }
qint64 Recordset::toLong(const QString& field) const { return DbValue::toLong(value(field)); }
double Recordset::toDouble(const QString& field) const { return DbValue::toDouble(value(field)); }
bool Recordset::toBool(const QString& field) const { return DbValue::toBool(value(field)); }
QDateTime Recordset::toDateTime(const QString& field) const { return DbValue::toDateTime(value(field)); }
QDate Recordset::toDate(const QString& field) const { return toDateTime(field).date(); }

void Recordset::addRow(const QVector<QVariant>& row)
{
    QVector<QVariant> r = row;
    r.resize(d->names.size());
    d->rows.push_back(std::move(r));
}

namespace DbValue {

QString text(const QVariant& v)
{
    if (v.isNull() || !v.isValid()) return QString();
    if (v.typeId() == QMetaType::QString) return *static_cast<const QString*>(v.constData());
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (v.typeId() == QMetaType::Double) {
        // whole numbers without a trailing ".0", as the server would show them
        const double x = v.toDouble();
        if (x == double(qint64(x)) && qAbs(x) < 1e15) return QString::number(qint64(x));
        return QString::number(x, 'g', 15);
    }
    return v.toString();
}

double toDouble(const QVariant& v)
{
    if (v.isNull() || !v.isValid()) return 0.0;
    bool ok = false;
    const double x = v.toDouble(&ok);
    return ok ? x : 0.0;
}

qint64 toLong(const QVariant& v)
{
    if (v.isNull() || !v.isValid()) return 0;
    bool ok = false;
    const qint64 x = v.toLongLong(&ok);
    if (ok) return x;
    const double dbl = v.toDouble(&ok);
    return ok ? qint64(dbl) : 0;
}

bool toBool(const QVariant& v)
{
    if (v.isNull() || !v.isValid()) return false;
    if (v.typeId() == QMetaType::Bool) return v.toBool();
    const QString s = v.toString().trimmed();
    if (s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
    if (s.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
    bool ok = false;
    const double x = s.toDouble(&ok);
    return ok && x != 0.0;
}

QDateTime toDateTime(const QVariant& v)
{
    if (v.isNull() || !v.isValid()) return {};
    if (v.typeId() == QMetaType::QDateTime) return v.toDateTime();
    if (v.typeId() == QMetaType::QDate) return QDateTime(v.toDate(), QTime(0, 0));
    const QString s = v.toString().trimmed();
    // The stored form, read by hand: lists read thousands of them, and the general parser costs
    // several times the statement that fetched them.
    if (s.size() >= 10 && s.size() != 11 && s.size() <= 19) {
        auto digits = [&](int at, int n) {
            int x = 0;
            for (int i = at; i < at + n; ++i) {
                const char16_t ch = s[i].unicode();
                if (ch < u'0' || ch > u'9') return -1;
                x = x * 10 + (ch - u'0');
            }
            return x;
        };
        const bool dateShape = s[4] == u'-' && s[7] == u'-';
        const bool timeShape = s.size() == 10 || (s.size() == 19 && (s[10] == u' ' || s[10] == u'T') && s[13] == u':' && s[16] == u':');
        if (dateShape && timeShape) {
            const QDate d(digits(0, 4), digits(5, 2), digits(8, 2));
            const QTime t = s.size() == 10 ? QTime(0, 0) : QTime(digits(11, 2), digits(14, 2), digits(17, 2));
            if (d.isValid() && t.isValid() && digits(0, 4) >= 0) return QDateTime(d, t);
        }
    }
    for (const char* fmt : {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-ddTHH:mm:ss",
                            "yyyy-MM-ddTHH:mm:ss.zzz", "yyyy-MM-dd", "MM/dd/yyyy hh:mm:ss AP", "MM/dd/yyyy"}) {
        const QDateTime dt = QDateTime::fromString(s, QString::fromLatin1(fmt));
        if (dt.isValid()) return dt;
    }
    return {};
}

} // namespace DbValue
