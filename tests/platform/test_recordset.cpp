// A result keeps its values packed by column; every value must read back as it went in: the same
// type, the same null, the same text, whatever the order of texts, numbers and nulls in a column.
#include "platform/db/Recordset.h"

#include <gtest/gtest.h>

namespace {

QVariant nullOf(QMetaType::Type type) { return QVariant(QMetaType(type)); }

void expectSame(const QVariant& got, const QVariant& want, const std::string& where)
{
    EXPECT_EQ(got.typeId(), want.typeId()) << where;
    EXPECT_EQ(got.isNull(), want.isNull()) << where;
    EXPECT_EQ(got, want) << where;
    if (want.typeId() == QMetaType::QString) EXPECT_EQ(got.toString().isNull(), want.toString().isNull()) << where;
}

// Each column's values, top to bottom, built into one result row by row: as given (a short result
// keeps its values as they came) and repeated into a long one (packed by column).
void expectColumnsRoundTrip(const QList<QVariantList>& columns)
{
    QStringList names;
    for (int c = 0; c < columns.size(); ++c) names << QStringLiteral("c%1").arg(c);
    const int given = int(columns.first().size());
    for (const int times : {1, 20}) {
        const int rows = given * times;
        QVector<QVector<QVariant>> data(rows);
        for (int r = 0; r < rows; ++r)
            for (const QVariantList& column : columns) data[r].push_back(column[r % given]);
        const Recordset built(names, data);
        Recordset added(names, {});
        for (const QVector<QVariant>& row : data) added.addRow(row);
        for (const Recordset* rs : {&built, static_cast<const Recordset*>(&added)}) {
            ASSERT_EQ(rs->recordCount(), rows);
            for (int c = 0; c < columns.size(); ++c)
                for (int r = 0; r < rows; ++r)
                    expectSame(rs->valueAt(r, c), columns[c][r % given],
                               "column " + std::to_string(c) + " row " + std::to_string(r) + " of " + std::to_string(rows));
        }
    }
}

TEST(RecordsetStorage, EveryValueReadsBackAsItWentIn)
{
    const QVariant nullText = nullOf(QMetaType::QString);
    expectColumnsRoundTrip({
        // texts with nulls before, between and after them, an empty text and a null text
        {nullText, QStringLiteral("SANTOS"), nullText, nullText, QString(""), QVariant(QString()), QStringLiteral("DELA CRUZ, ANA"), nullText},
        // Latin-1 texts, then one that is not, then Latin-1 again
        {QStringLiteral("PEÑA"), QStringLiteral("ÁLVAREZ"), QStringLiteral("ŽOFIA – Ÿ"), QStringLiteral("MUÑOZ"), QString(""), nullText,
         QStringLiteral("x"), QStringLiteral("line\nbreak")},
        // whole numbers of both widths do not mix with each other or with texts
        {nullOf(QMetaType::LongLong), QVariant(qint64(1)), QVariant(qint64(-9000000000)), QVariant(qint64(0)), nullOf(QMetaType::LongLong),
         QVariant(qint64(7)), QVariant(qint64(1)), QVariant(qint64(2))},
        {QVariant(1), QVariant(-2), nullOf(QMetaType::Int), QVariant(0), QVariant(2147483647), QVariant(3), QVariant(4), QVariant(5)},
        {QVariant(1), QVariant(qint64(2)), QStringLiteral("3"), nullText, QVariant(4), nullOf(QMetaType::Int), QStringLiteral("5"), QVariant(6)},
        // nulls of two types, and values of other kinds
        {nullOf(QMetaType::QString), nullOf(QMetaType::QDateTime), QVariant(), QStringLiteral("a"), nullText, QVariant(), QVariant(), QVariant()},
        {QVariant(2.5), QVariant(QDateTime(QDate(2026, 12, 1), QTime(8, 0))), QVariant(QByteArray("\x01\x02", 2)), QVariant(true),
         QVariant(QDate(2026, 1, 2)), nullOf(QMetaType::Double), QStringLiteral("t"), QVariant(9)},
        // nothing but nulls
        {nullText, nullText, nullText, nullText, nullText, nullText, nullText, nullText},
    });
}

TEST(RecordsetStorage, AShortRowReadsNullBeyondItsValues)
{
    Recordset rs({QStringLiteral("A"), QStringLiteral("B")}, {});
    rs.addRow({QStringLiteral("x")});
    rs.addRow({QStringLiteral("y"), QStringLiteral("z")});
    ASSERT_EQ(rs.recordCount(), 2);
    EXPECT_FALSE(rs.valueAt(0, 1).isValid());
    EXPECT_EQ(rs.textAt(0, QStringLiteral("B")), QString());
    EXPECT_EQ(rs.textAt(1, QStringLiteral("b")), QStringLiteral("z"));
}

TEST(RecordsetStorage, AMappedColumnChangesOnlyItsOwnCopy)
{
    Recordset rs({QStringLiteral("Name"), QStringLiteral("Flag")}, {{QStringLiteral("ana"), QVariant(1)}, {QVariant(), QVariant(0)}});
    const Recordset before = rs;
    rs.mapColumn(0, [](const QVariant& v) { return v.isNull() ? QVariant(QStringLiteral("-")) : QVariant(v.toString().toUpper()); });
    rs.mapColumn(5, [](const QVariant&) { return QVariant(); }); // no such column: nothing happens
    EXPECT_EQ(rs.textAt(0, QStringLiteral("Name")), QStringLiteral("ANA"));
    EXPECT_EQ(rs.textAt(1, QStringLiteral("Name")), QStringLiteral("-"));
    EXPECT_EQ(rs.valueAt(1, 1), QVariant(0));
    EXPECT_EQ(before.textAt(0, QStringLiteral("Name")), QStringLiteral("ana"));
    EXPECT_TRUE(before.valueAt(1, 0).isNull());
}

} // namespace
