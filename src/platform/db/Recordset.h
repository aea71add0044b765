#pragma once
#include <QDateTime>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>

class QSqlQuery;

// A fully fetched result: the row count is known, fields are found by name without regard to case
// or by position, and the getters treat a null as the empty value of their type. Values are kept
// packed by column and handed out as variants by value.
// It also keeps a cursor (eof/moveNext) for code that walks the rows one by one.
class Recordset {
public:
    Recordset();
    Recordset(const QStringList& fieldNames, QVector<QVector<QVariant>> rows);
    // names: the statement's column names when known (read from the query and kept there when empty)
    static Recordset fromQuery(QSqlQuery& query, QStringList* names = nullptr);

    int recordCount() const;
    int fieldCount() const;
    QString fieldName(int index) const;
    QStringList fieldNames() const;
    bool hasField(const QString& name) const;
    // The position of a field found by name without regard to case; an unknown name throws DbError.
    int fieldIndex(const QString& name) const { return column(name); }

    bool eof() const;
    bool isEmpty() const { return recordCount() == 0; }
    void moveFirst();
    void moveNext();
    int position() const { return m_pos; }
    void move(int row);

    // Current row. An unknown field name throws DbError.
    QVariant value(const QString& field) const;
    QVariant value(int column) const;
    bool isNull(const QString& field) const;
    QString text(const QString& field) const;   // null -> ""
    int toInt(const QString& field) const;      // null or not a number -> 0
    qint64 toLong(const QString& field) const;
    double toDouble(const QString& field) const;
    bool toBool(const QString& field) const;    // zero false, any other number true
    QDateTime toDateTime(const QString& field) const; // invalid when null
    QDate toDate(const QString& field) const;

    // Any row, any column.
    QVariant valueAt(int row, const QString& field) const;
    QVariant valueAt(int row, int column) const;
    QString textAt(int row, const QString& field) const;

    // Appending rows: stored-procedure stand-ins build their results this way.
    void addRow(const QVector<QVariant>& row);
    // Every value of a column passed through convert, in place; copies taken before keep theirs.
    void mapColumn(int column, const std::function<QVariant(const QVariant&)>& convert);

    // The data layer fills a result a row at a time, every column once per row: a short result keeps
    // its values as they came, a long one is packed by column as it grows, and a text of ASCII
    // bytes goes in without first becoming a string.
    class Filler {
    public:
        Filler(Recordset& rs, const QStringList& names);
        void value(int column, const QVariant& v);
        void ascii(int column, const char* text, int length);
        void endRow();

    private:
        Recordset& m_rs;
    };

private:
    struct Data;
    int column(const QString& field) const;
    std::shared_ptr<Data> d;
    int m_pos = 0;
};

// Conversions shared by Recordset and callers that read plain QVariants.
namespace DbValue {
QString text(const QVariant& v);
double toDouble(const QVariant& v);
qint64 toLong(const QVariant& v);
bool toBool(const QVariant& v);
QDateTime toDateTime(const QVariant& v);
}
