#include "platform/db/Recordset.h"

#include "platform/db/DbError.h"

#include <QHash>
#include <QVarLengthArray>
#include <algorithm>
#include <vector>
#include <QSqlQuery>
#include <QSqlRecord>

namespace RecordsetStorage {
// One column of a result. Most columns hold texts, or whole numbers, with nulls among them: those
// are kept packed (the characters of every row in one buffer, or the numbers in one array), so
// that a list of hundreds of thousands of rows costs its characters, not a variant and a string
// apiece. A column of any other values, or of texts and numbers mixed, keeps variants.
class Column {
public:
    int size() const { return m_variants ? int(m_values.size()) : int(m_state.size()); }

    void append(const QVariant& v)
    {
        if (!m_variants && !appendPacked(v)) unpack();
        if (m_variants) m_values.push_back(v);
    }

    QVariant at(int row) const
    {
        if (m_variants) return m_values[size_t(row)];
        switch (State(m_state[size_t(row)])) {
        case State::Null: return QVariant(QMetaType(m_nullType));
        case State::NullText: return QVariant(QString());
        case State::Number:
            if (m_content == Content::Ints) return QVariant(int(m_numbers[size_t(row)]));
            return QVariant(m_numbers[size_t(row)]);
        case State::Text: break;
        }
        // a text ends where the next row's begins
        const quint32 begin = m_slot[size_t(row)];
        const quint32 end = size_t(row) + 1 < m_slot.size() ? m_slot[size_t(row) + 1] : textSize();
        if (m_wide) return QVariant(QString(m_wideText.constData() + begin, qsizetype(end - begin)));
        return QVariant(QString::fromLatin1(m_narrowText.constData() + begin, qsizetype(end - begin)));
    }

    // A text of bytes below 0x80 (Latin-1 as they are).
    void appendAscii(const char* text, int length)
    {
        if (!m_variants && !m_wide && decide(Content::Texts)) {
            push(State::Text, 0);
            m_narrowText.append(text, length);
            return;
        }
        append(QVariant(QString::fromLatin1(text, length)));
    }

    void reserve(qsizetype rows)
    {
        if (m_variants) return m_values.reserve(size_t(rows));
        m_state.reserve(size_t(rows));
    }

private:
    enum class State : quint8 { Text, Null, NullText, Number };
    enum class Content { Unknown, Texts, Ints, LongLongs };

    quint32 textSize() const { return quint32(m_wide ? m_wideText.size() : m_narrowText.size()); }

    bool appendPacked(const QVariant& v)
    {
        if (v.isNull()) {
            // a null reads back as the driver gave it
            if (m_state.empty() || !m_sawNull) m_nullType = v.typeId();
            m_sawNull = true;
            if (v.typeId() != m_nullType) return false;
            push(State::Null, 0);
            return true;
        }
        const int type = v.typeId();
        if (type == QMetaType::QString) {
            if (!decide(Content::Texts)) return false;
            const QString& s = *static_cast<const QString*>(v.constData());
            if (s.isNull()) {
                push(State::NullText, 0);
                return true;
            }
            if (!m_wide && !std::all_of(s.cbegin(), s.cend(), [](QChar ch) { return ch.unicode() < 0x100; })) {
                m_wideText = QString::fromLatin1(m_narrowText);
                m_narrowText = QByteArray();
                m_wide = true;
            }
            push(State::Text, 0);
            if (m_wide) m_wideText.append(s);
            else m_narrowText.append(s.toLatin1());
            return true;
        }
        if (type == QMetaType::Int || type == QMetaType::LongLong) {
            if (!decide(type == QMetaType::Int ? Content::Ints : Content::LongLongs)) return false;
            push(State::Number, type == QMetaType::Int ? qint64(*static_cast<const int*>(v.constData()))
                                                       : *static_cast<const qint64*>(v.constData()));
            return true;
        }
        return false;
    }

    // The first value that is not null says what the column holds.
    bool decide(Content content)
    {
        if (m_content == content) return true;
        if (m_content != Content::Unknown) return false;
        m_content = content;
        if (content == Content::Texts) m_numbers = {};
        else m_slot = {};
        return true;
    }

    void push(State state, qint64 number)
    {
        m_state.push_back(quint8(state));
        if (m_content != Content::Texts) m_numbers.push_back(number);
        if (m_content == Content::Texts || m_content == Content::Unknown) m_slot.push_back(textSize());
    }

    void unpack()
    {
        QVector<QVariant> values;
        values.reserve(size() + 1);
        for (int r = 0; r < size(); ++r) values.push_back(at(r));
        *this = Column();
        m_variants = true;
        m_values = std::move(values);
    }

    bool m_variants = false;
    Content m_content = Content::Unknown;
    std::vector<quint8> m_state;   // State of each row
    std::vector<quint32> m_slot;   // where each row's text begins (texts)
    std::vector<qint64> m_numbers; // each row's number (whole numbers)
    QByteArray m_narrowText;       // every text, while all are Latin-1
    QString m_wideText;            // every text, once one is not
    bool m_wide = false;
    int m_nullType = QMetaType::UnknownType;
    bool m_sawNull = false;
    QVector<QVariant> m_values;    // variants
};
} // namespace RecordsetStorage
using RecordsetStorage::Column;

struct Recordset::Data {
    QStringList names;
    QHash<QString, int> index; // lower-case name -> column; only for wide results
    std::vector<Column> columns;
    int rows = 0;
    // A short result keeps its values as they came, row after row, in one array: a look-up's row
    // costs one allocation, not one per column. Past kPackFrom rows they go into packed columns.
    bool flat = false;
    QVector<QVariant> cells;

    // The columns of an empty result; flat when fewer than kPackFrom rows are expected.
    void start(const QStringList& fieldNames, qsizetype expectedRows);
    // The flat values moved into their columns.
    void unflatten();

    QVariant at(int row, int col) const
    {
        return flat ? cells[qsizetype(row) * qsizetype(columns.size()) + col] : columns[size_t(col)].at(row);
    }

    // One more row; a row of fewer values reads null beyond them.
    void appendRow(const QVariant* values, int n)
    {
        const int width = int(columns.size());
        if (flat) {
            for (int c = 0; c < width; ++c) cells.push_back(c < n ? values[c] : QVariant());
        } else {
            for (int c = 0; c < width; ++c) columns[size_t(c)].append(c < n ? values[c] : QVariant());
        }
        endRow();
    }

    void endRow();
};

namespace {
// Narrow results (most look-ups) find a field by scanning; wide ones build a hash once.
constexpr int kScanLimit = 12;
// Results shorter than this keep variants (a look-up's row); longer ones are packed by column.
constexpr int kPackFrom = 64;
}

void Recordset::Data::start(const QStringList& fieldNames, qsizetype expectedRows)
{
    names = fieldNames;
    if (fieldNames.size() > kScanLimit) {
        for (int i = 0; i < fieldNames.size(); ++i) {
            const QString key = fieldNames[i].toLower();
            if (!index.contains(key)) index.insert(key, i);
        }
    }
    columns.resize(size_t(fieldNames.size()));
    flat = expectedRows < kPackFrom;
    if (flat) cells.reserve(qMax<qsizetype>(expectedRows, 1) * fieldNames.size());
    else
        for (Column& c : columns) c.reserve(expectedRows);
}

void Recordset::Data::unflatten()
{
    if (!flat) return;
    const int width = int(columns.size());
    for (int c = 0; c < width; ++c) {
        Column& column = columns[size_t(c)];
        column.reserve(rows);
        for (int r = 0; r < rows; ++r) column.append(cells[qsizetype(r) * width + c]);
    }
    cells = QVector<QVariant>();
    flat = false;
}

void Recordset::Data::endRow()
{
    if (++rows == kPackFrom) unflatten();
}

Recordset::Recordset() : d(std::make_shared<Data>()) {}

Recordset::Recordset(const QStringList& fieldNames, QVector<QVector<QVariant>> rows)
    : d(std::make_shared<Data>())
{
    d->start(fieldNames, rows.size());
    for (QVector<QVariant>& row : rows) {
        d->appendRow(row.constData(), int(row.size()));
        row = QVector<QVariant>(); // the rows go as they are packed
    }
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
    Recordset rs(cols, {});
    const int n = int(cols.size());
    QVarLengthArray<QVariant, 16> row(n);
    while (query.next()) {
        for (int i = 0; i < n; ++i) row[i] = query.value(i);
        rs.d->appendRow(row.constData(), n);
    }
    return rs;
}

Recordset::Filler::Filler(Recordset& rs, const QStringList& names) : m_rs(rs)
{
    // an empty result of its own is filled in place: no second allocation per statement
    if (rs.d.use_count() != 1 || rs.d->rows != 0 || !rs.d->columns.empty()) rs.d = std::make_shared<Data>();
    rs.m_pos = 0;
    rs.d->start(names, 0);
}

// The values of a row come column after column, so a flat result takes them in order.
void Recordset::Filler::value(int column, const QVariant& v)
{
    Data& d = *m_rs.d;
    if (d.flat) d.cells.push_back(v);
    else d.columns[size_t(column)].append(v);
}

void Recordset::Filler::ascii(int column, const char* text, int length)
{
    Data& d = *m_rs.d;
    if (d.flat) d.cells.push_back(QVariant(QString::fromLatin1(text, length)));
    else d.columns[size_t(column)].appendAscii(text, length);
}

void Recordset::Filler::endRow() { m_rs.d->endRow(); }

void Recordset::mapColumn(int col, const std::function<QVariant(const QVariant&)>& convert)
{
    if (col < 0 || col >= fieldCount()) return;
    if (d.use_count() > 1) d = std::make_shared<Data>(*d); // the copies keep their values
    d->unflatten();
    Column& old = d->columns[size_t(col)];
    Column mapped;
    mapped.reserve(old.size());
    for (int r = 0; r < old.size(); ++r) mapped.append(convert(old.at(r)));
    old = std::move(mapped);
}

int Recordset::recordCount() const { return d->rows; }
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
bool Recordset::eof() const { return m_pos >= d->rows; }
void Recordset::moveFirst() { m_pos = 0; }
void Recordset::moveNext() { if (m_pos < d->rows) ++m_pos; }
void Recordset::move(int row) { m_pos = qBound(0, row, d->rows); }

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
    if (row < 0 || row >= d->rows)
        throw DbError(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."));
    if (col < 0 || col >= d->names.size())
        throw DbError(QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal. (%1)").arg(col));
    return d->at(row, col);
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

void Recordset::addRow(const QVector<QVariant>& row) { d->appendRow(row.constData(), int(row.size())); }

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
