#include "support/TestDatabase.h"
#include "support/StartingLine.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Dialect.h"
#include "platform/db/LikePattern.h"
#include "platform/db/Procedures.h"

#include <QFile>
#include <QTemporaryDir>
#include <thread>

TEST(Dialect, MapsCrossDatabaseNamesOutsideLiterals)
{
    struct Case { const char* house; const char* sqlite; const char* pg; };
    const Case cases[] = {
        {"SELECT * FROM STATION..tbStationLogs", "SELECT * FROM station__tbstationlogs", "SELECT * FROM station.tbstationlogs"},
        {"select a from Station.dbo.tbX x join BUILD_FILE .. tbCoRoom r on 1=1",
         "select a from station__tbx x join build_file__tbcoroom r on 1=1", "select a from station.tbx x join build_file.tbcoroom r on 1=1"},
        {"SELECT 'STATION..tbX', 'it''s..here' FROM A..b", "SELECT 'STATION..tbX', 'it''s..here' FROM a__b",
         "SELECT 'STATION..tbX', 'it''s..here' FROM a.b"},
        {"select GETDATE() as d, host_name()", "select datetime('now','localtime') as d, host_name()",
         "select LOCALTIMESTAMP(0) as d, current_setting('application_name')"},
        {"SELECT 'GETDATE()'", "SELECT 'GETDATE()'", "SELECT 'GETDATE()'"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Dialect::translate(Engine::SQLite, QString::fromUtf8(c.house)).toStdString(), c.sqlite);
        EXPECT_EQ(Dialect::translate(Engine::PostgreSQL, QString::fromUtf8(c.house)).toStdString(), c.pg);
    }
    EXPECT_EQ(Dialect::normalizeObjectName(QStringLiteral("Station.dbo.SP_X")), QStringLiteral("station.sp_x"));
    EXPECT_EQ(Dialect::normalizeObjectName(QStringLiteral(" STATION..sp_x")), QStringLiteral("station.sp_x"));
}

class DataLayer : public DbTest {
protected:
    bool withDemo() const override { return false; }
    // A counter table of the test's own (the PostgreSQL test database outlives one test).
    void makeCounterTable()
    {
        conn().execute(QStringLiteral("CREATE TABLE IF NOT EXISTS STATION..tbTestCounter (Name VARCHAR(10), LastNo INTEGER)"));
        conn().execute(QStringLiteral("DELETE FROM STATION..tbTestCounter"));
    }
};

TEST_F(DataLayer, ValuesGoThroughUnchanged)
{
    const QStringList values = {QStringLiteral("O'Neil"), QStringLiteral("a''b"), QStringLiteral("back\\slash"),
                                QStringLiteral("Muñoz Peña – ŽŸ"), QStringLiteral("x'); DROP TABLE station..tbStationLogs; --"),
                                QStringLiteral("?"), QStringLiteral("line\nbreak"),
                                // longer than a look-up's key, and more bytes than characters
                                QString(400, QChar(0x00F1)) + QStringLiteral("\u20AC end")};
    for (const QString& v : values)
        conn().execute(QStringLiteral("INSERT INTO STATION..tbStationLogs (Idnum, Remarks, StationID) VALUES (?, ?, 'CL')"), {v.left(30), v});
    Recordset rs = conn().query(QStringLiteral("SELECT Idnum, Remarks FROM STATION..tbStationLogs ORDER BY LogID"));
    ASSERT_EQ(rs.recordCount(), values.size());
    for (int i = 0; i < values.size(); ++i) {
        EXPECT_EQ(rs.textAt(i, QStringLiteral("IDNUM")), values[i].left(30));
        EXPECT_EQ(rs.textAt(i, QStringLiteral("remarks")), values[i]);
    }
    // a quote in a WHERE finds exactly its row
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Idnum = ?"), {QStringLiteral("O'Neil")}), 1);
}

TEST_F(DataLayer, RecordsetReadsByNameAndPositionWithNulls)
{
    conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseUserRights (EmployeeID, EmployeeRights, UpdatedOn) VALUES (?, NULL, ?)"),
                   {QStringLiteral("E1"), QDateTime(QDate(2026, 3, 4), QTime(13, 5, 6))});
    Recordset rs = conn().query(QStringLiteral("SELECT EmployeeID, EmployeeRights, UpdatedOn FROM STATION..tbNurseUserRights"));
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.fieldCount(), 3);
    EXPECT_EQ(rs.text(QStringLiteral("employeeid")), QStringLiteral("E1"));
    EXPECT_EQ(rs.value(0).toString(), QStringLiteral("E1"));
    EXPECT_TRUE(rs.isNull(QStringLiteral("EmployeeRights")));
    EXPECT_EQ(rs.text(QStringLiteral("EmployeeRights")), QString());
    EXPECT_EQ(rs.toDouble(QStringLiteral("EmployeeRights")), 0.0);
    EXPECT_EQ(rs.toDateTime(QStringLiteral("UpdatedOn")), QDateTime(QDate(2026, 3, 4), QTime(13, 5, 6)));
    EXPECT_THROW(rs.value(QStringLiteral("NoSuchField")), DbError);
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_THROW(rs.value(0), DbError);
}

TEST_F(DataLayer, DatesCompareAsTimestamps)
{
    for (int d = 1; d <= 5; ++d)
        conn().execute(QStringLiteral("INSERT INTO STATION..tbStationLogs (Idnum, Transdate) VALUES (?, ?)"),
                       {QString::number(d), QDateTime(QDate(2026, 1, d), QTime(23, 59, 59))});
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Transdate >= ? AND Transdate < ?"),
                    {QDate(2026, 1, 2), QDate(2026, 1, 4)}),
              2);
}

TEST_F(DataLayer, RollbackOnErrorLeavesNothing)
{
    auto save = [&] {
        TransactionGuard tx(conn());
        conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseUserRights (EmployeeID, EmployeeRights) VALUES ('A', '|1')"));
        conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseUserRights (EmployeeID, EmployeeRights) VALUES ('A', '|2')")); // duplicate key
        tx.commit();
    };
    EXPECT_THROW(save(), DbError);
    EXPECT_FALSE(conn().inTransaction());
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseUserRights")), 0);
    // the connection is usable afterwards
    conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseUserRights (EmployeeID) VALUES ('B')"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseUserRights")), 1);
}

TEST_F(DataLayer, NestedTransactionRollsBackOnlyItsPart)
{
    TransactionGuard outer(conn());
    conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseUserRights (EmployeeID) VALUES ('A')"));
    {
        TransactionGuard inner(conn());
        conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseUserRights (EmployeeID) VALUES ('B')"));
    } // not committed
    outer.commit();
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseUserRights")), 1);
}

TEST_F(DataLayer, ServerDateAndHostName)
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-5);
    const QDateTime server = conn().serverDateTime();
    EXPECT_GE(server, before);
    EXPECT_LE(server, QDateTime::currentDateTime().addSecs(5));
    const QString host = conn().scalar(QStringLiteral("SELECT HOST_NAME()")).toString();
    EXPECT_FALSE(host.isEmpty());
}

TEST_F(DataLayer, UnknownProcedureIsAnError)
{
    try {
        conn().call(QStringLiteral("STATION..sp_NoSuchThing"), {1});
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("sp_NoSuchThing")));
    }
}

TEST_F(DataLayer, ProceduresAreFoundWhateverTheirSpelling)
{
    ProcedureRegistry::add(QStringLiteral("STATION..sp_Test_Echo"), [](Connection&, const ProcedureArgs& a) {
        Recordset rs({QStringLiteral("Value"), QStringLiteral("Named")}, {});
        rs.addRow({a.optional(0), a.named_(QStringLiteral("@Code"))});
        return rs;
    });
    EXPECT_EQ(conn().call(QStringLiteral("Station.dbo.SP_TEST_ECHO"), {QStringLiteral("x'y")}).text(QStringLiteral("value")),
              QStringLiteral("x'y"));
    EXPECT_EQ(conn().callNamed(QStringLiteral("station..sp_test_echo"), {{QStringLiteral("code"), 7}}).toInt(QStringLiteral("Named")), 7);
}

// A stand-in called with fewer arguments than it reads refuses the call, as the server does,
// instead of reading NULL for the ones left out; a parameter with a default may be left out.
TEST_F(DataLayer, AProcedureCalledWithTooFewArgumentsIsAnError)
{
    ProcedureRegistry::add(QStringLiteral("STATION..sp_Test_Pair"), [](Connection&, const ProcedureArgs& a) {
        Recordset rs({QStringLiteral("First"), QStringLiteral("Second"), QStringLiteral("Third")}, {});
        rs.addRow({a.at(0), a.at(1), a.optional(2, QStringLiteral("default"))});
        return rs;
    });
    const Recordset full = conn().call(QStringLiteral("STATION..sp_Test_Pair"), {1, 2, 3});
    EXPECT_EQ(full.toInt(QStringLiteral("Second")), 2);
    EXPECT_EQ(full.toInt(QStringLiteral("Third")), 3);
    EXPECT_EQ(conn().call(QStringLiteral("STATION..sp_Test_Pair"), {1, 2}).text(QStringLiteral("Third")), QStringLiteral("default"));
    for (const QVariantList& args : {QVariantList{1}, QVariantList{}}) {
        try {
            conn().call(QStringLiteral("STATION..sp_Test_Pair"), args);
            FAIL() << "no error with " << args.size() << " arguments";
        } catch (const DbError& e) {
            EXPECT_TRUE(e.description().contains(QStringLiteral("STATION..sp_Test_Pair"))) << e.description().toStdString();
            EXPECT_TRUE(e.description().contains(QStringLiteral("expects argument %1").arg(args.size() + 1))) << e.description().toStdString();
        }
    }
}

TEST_F(DataLayer, CounterMissingRowIsAnError)
{
    makeCounterTable();
    EXPECT_THROW(takeNextNumber(conn(), QStringLiteral("STATION..tbTestCounter"), QStringLiteral("LastNo"),
                                QStringLiteral("Name"), QStringLiteral("CS")),
                 DbError);
}

TEST_F(DataLayer, CounterTakesOnlyTheRowOfItsBoundKey)
{
    makeCounterTable();
    conn().execute(QStringLiteral("INSERT INTO STATION..tbTestCounter VALUES ('CS', 100), ('X''Y', 5), ('OTHER', 7)"));
    const QString table = QStringLiteral("STATION..tbTestCounter");
    EXPECT_EQ(takeNextNumber(conn(), table, QStringLiteral("LastNo"), QStringLiteral("Name"), QStringLiteral("X'Y")), 6);
    EXPECT_EQ(takeNextNumber(conn(), table, QStringLiteral("LastNo"), QStringLiteral("Name"), QStringLiteral("CS")), 101);
    EXPECT_THROW(takeNextNumber(conn(), table, QStringLiteral("LastNo"), QStringLiteral("Name"), QStringLiteral("CS' OR '1'='1")),
                 DbError);
    // Only names go into the statement's text: a fragment in their place is refused before it runs.
    EXPECT_THROW(takeNextNumber(conn(), table, QStringLiteral("LastNo"), QStringLiteral("Name = 'CS' OR 1 = 1 OR Name"),
                                QStringLiteral("CS")),
                 DbError);
    EXPECT_THROW(takeNextNumber(conn(), table + QStringLiteral(" SET LastNo = 0 --"), QStringLiteral("LastNo"),
                                QStringLiteral("Name"), QStringLiteral("CS")),
                 DbError);
    EXPECT_EQ(count(QStringLiteral("SELECT SUM(LastNo) FROM STATION..tbTestCounter")), 101 + 6 + 7);
}

TEST_F(DataLayer, LikePatternsFindTypedWildcardsAsText)
{
    for (const char* r : {"10% OFF", "100 OFF", "A_B", "AXB", "A!B", "A!!B"})
        conn().execute(QStringLiteral("INSERT INTO STATION..tbStationLogs (Idnum, Remarks, StationID) VALUES ('L', ?, 'CL')"),
                       {QString::fromLatin1(r)});
    struct Case { QString pattern; QStringList found; };
    const Case cases[] = {
        {Like::startsWith(QStringLiteral("10%")), {QStringLiteral("10% OFF")}},
        {Like::contains(QStringLiteral("_")), {QStringLiteral("A_B")}},
        {Like::startsWith(QStringLiteral("A!")), {QStringLiteral("A!!B"), QStringLiteral("A!B")}},
        {Like::contains(QStringLiteral("!!")), {QStringLiteral("A!!B")}},
        {Like::contains(QStringLiteral("0 O")), {QStringLiteral("100 OFF")}},
        {Like::startsWith(QString()), {QStringLiteral("10% OFF"), QStringLiteral("100 OFF"), QStringLiteral("A!!B"),
                                       QStringLiteral("A!B"), QStringLiteral("AXB"), QStringLiteral("A_B")}},
    };
    for (const Case& c : cases) {
        const Recordset rs = conn().query(
            QStringLiteral("SELECT Remarks FROM STATION..tbStationLogs WHERE Remarks LIKE ? ESCAPE '!'"), {c.pattern});
        QStringList found;
        for (int r = 0; r < rs.recordCount(); ++r) found << rs.textAt(r, QStringLiteral("Remarks"));
        found.sort(); // by code point: the server's collation may order punctuation otherwise
        EXPECT_EQ(found, c.found) << c.pattern.toStdString();
    }
}

TEST_F(DataLayer, TwoConnectionsNeverShareACounterNumber)
{
    makeCounterTable();
    conn().execute(QStringLiteral("INSERT INTO STATION..tbTestCounter VALUES ('CS', 100)"));
    const int perWorker = 40;
    StartingLine line(2);
    auto worker = [&](QList<qint64>* out) {
        StartingLine::Place place(line);
        auto c = TestDatabase::openAnother();
        place.wait();
        for (int i = 0; i < perWorker; ++i) {
            TransactionGuard tx(*c);
            out->append(takeNextNumber(*c, QStringLiteral("STATION..tbTestCounter"), QStringLiteral("LastNo"),
                                       QStringLiteral("Name"), QStringLiteral("CS")));
            tx.commit();
        }
    };
    QList<qint64> a, b;
    std::thread t1(worker, &a), t2(worker, &b);
    t1.join();
    t2.join();
    QSet<qint64> all;
    for (qint64 n : a + b) all.insert(n);
    EXPECT_EQ(all.size(), 2 * perWorker);
    EXPECT_EQ(count(QStringLiteral("SELECT LastNo FROM STATION..tbTestCounter")), 100 + 2 * perWorker);
}

TEST_F(DataLayer, QuotesInScriptCommentsDoNotHideNames)
{
    // the PostgreSQL test database outlives one test: the table may be there from an earlier run
    conn().executeScript(QStringLiteral("-- the hospital's own table\n"
                                        "CREATE TABLE IF NOT EXISTS STATION..tbTestScript (Code VARCHAR(10));\n"
                                        "-- and its index's name\n"
                                        "DELETE FROM STATION..tbTestScript;\n"));
    conn().execute(QStringLiteral("INSERT INTO STATION..tbTestScript (Code) VALUES ('A')"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbTestScript")), 1);
}

TEST_F(DataLayer, EmptyTextBindsAsTextAndNullAsNull)
{
    conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseUserRights (EmployeeID, EmployeeRights) VALUES (?, ?)"),
                   {QStringLiteral("A"), QString()});
    conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseUserRights (EmployeeID, EmployeeRights) VALUES (?, ?)"),
                   {QStringLiteral("B"), QVariant()});
    conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseUserRights (EmployeeID, EmployeeRights) VALUES (?, ?)"),
                   {QStringLiteral("C"), QVariant(QMetaType(QMetaType::QString))});
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseUserRights WHERE EmployeeRights = ''")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseUserRights WHERE EmployeeRights IS NULL")), 2);
}

TEST_F(DataLayer, AReadOnlyDatabaseIsToldApart)
{
    EXPECT_FALSE(conn().isReadOnly());
    if (conn().engine() == Engine::PostgreSQL) {
        // a server or session that writes nothing (a standby, a read-only role)
        conn().execute(QStringLiteral("SET default_transaction_read_only = on"));
        EXPECT_TRUE(conn().isReadOnly());
        conn().execute(QStringLiteral("SET default_transaction_read_only = off"));
        EXPECT_FALSE(conn().isReadOnly());
        return;
    }
    // SQLite: a file that SQLite opens read-only whoever runs the program (root included), here
    // by a write version above 2 in its header
    ConnectionSettings s = TestDatabase::lastSettings();
    s.sqlitePath += QStringLiteral(".ro");
    ASSERT_TRUE(QFile::copy(TestDatabase::lastSettings().sqlitePath, s.sqlitePath));
    {
        QFile f(s.sqlitePath);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.seek(18));
        ASSERT_EQ(f.write("\x03", 1), 1);
    }
    auto readOnly = Connection::open(s);
    EXPECT_TRUE(readOnly->isReadOnly());
    EXPECT_GT(DbValue::toLong(readOnly->scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master"))), 0); // still read
    EXPECT_THROW(readOnly->execute(QStringLiteral("DELETE FROM PASSWORD..tbPasswordMain")), DbError);
}

TEST_F(DataLayer, ValuesComeBackTypedAsTheDriverTypesThem)
{
    struct Case { const char* sql; QMetaType::Type sqliteType; bool null; const char* text; };
    const Case cases[] = {
        {"SELECT 7 AS V", QMetaType::LongLong, false, "7"},
        {"SELECT 2.5 AS V", QMetaType::Double, false, "2.5"},
        {"SELECT 'Pe\xc3\xb1" "a' AS V", QMetaType::QString, false, "Pe\xc3\xb1" "a"},
        {"SELECT '' AS V", QMetaType::QString, false, ""},
        {"SELECT NULL AS V", QMetaType::QString, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        const Recordset rs = conn().query(QString::fromUtf8(c.sql));
        ASSERT_EQ(rs.recordCount(), 1);
        const QVariant v = rs.value(QStringLiteral("v"));
        EXPECT_EQ(v.isNull(), c.null);
        EXPECT_EQ(rs.text(QStringLiteral("V")), QString::fromUtf8(c.text));
        // an empty text is a text, not a missing one
        if (!c.null) EXPECT_FALSE(v.toString().isNull());
        if (conn().engine() == Engine::SQLite) EXPECT_EQ(v.typeId(), int(c.sqliteType));
    }
    // a bound parameter as the only value of the row: its type follows what was bound
    if (conn().engine() == Engine::SQLite) {
        EXPECT_EQ(conn().scalar(QStringLiteral("SELECT ?"), {QByteArray("\x01\x02", 2)}), QVariant(QByteArray("\x01\x02", 2)));
        EXPECT_EQ(conn().scalar(QStringLiteral("SELECT ?"), {true}), QVariant(qint64(1)));
        EXPECT_EQ(conn().scalar(QStringLiteral("SELECT ?"), {QTime(7, 8, 9)}), QVariant(QStringLiteral("07:08:09.000")));
    }
}

TEST_F(DataLayer, AFailureAtALaterRowFailsTheStatement)
{
    conn().execute(QStringLiteral("CREATE TABLE IF NOT EXISTS STATION..tbTestRows (N INTEGER, V BIGINT)"));
    conn().execute(QStringLiteral("DELETE FROM STATION..tbTestRows"));
    conn().execute(QStringLiteral("INSERT INTO STATION..tbTestRows (N, V) VALUES (?, ?)"), {1, qint64(5)});
    conn().execute(QStringLiteral("INSERT INTO STATION..tbTestRows (N, V) VALUES (?, ?)"), {2, std::numeric_limits<qint64>::min()});
    // the first row reads (in the order stored: a sort would compute every row before the first);
    // the second's value overflows: no half result may pass for the whole
    EXPECT_THROW(conn().query(QStringLiteral("SELECT N, ABS(V) AS A FROM STATION..tbTestRows WHERE N > ?"), {0}), DbError);
    EXPECT_EQ(conn().query(QStringLiteral("SELECT N, ABS(V) AS A FROM STATION..tbTestRows WHERE N < ? ORDER BY N"), {2}).recordCount(), 1);
}

TEST_F(DataLayer, AKeptStatementSeesColumnsAddedAfterIt)
{
    conn().execute(QStringLiteral("DROP TABLE IF EXISTS STATION..tbTestColumns"));
    conn().execute(QStringLiteral("CREATE TABLE STATION..tbTestColumns (A INTEGER)"));
    conn().execute(QStringLiteral("INSERT INTO STATION..tbTestColumns (A) VALUES (1)"));
    const QString sql = QStringLiteral("SELECT * FROM STATION..tbTestColumns");
    ASSERT_EQ(conn().query(sql).fieldCount(), 1);
    conn().execute(QStringLiteral("ALTER TABLE STATION..tbTestColumns ADD COLUMN B INTEGER"));
    conn().execute(QStringLiteral("UPDATE STATION..tbTestColumns SET B = 2"));
    const Recordset rs = conn().query(sql);
    ASSERT_EQ(rs.fieldCount(), 2);
    EXPECT_EQ(rs.toInt(QStringLiteral("b")), 2);
    EXPECT_EQ(rs.toInt(QStringLiteral("a")), 1);
}

TEST(SqliteConnection, ClosingTheDatabaseUnderKeptStatementsReleasesTheFile)
{
    if (TestDatabase::usingPostgres()) GTEST_SKIP() << "a SQLite file";
    QTemporaryDir dir;
    ConnectionSettings s;
    s.sqlitePath = dir.filePath(QStringLiteral("closing.sqlite"));
    auto c = Connection::open(s);
    c->execute(QStringLiteral("CREATE TABLE t (a INTEGER)"));
    c->execute(QStringLiteral("INSERT INTO t (a) VALUES (?)"), {1});
    EXPECT_EQ(c->query(QStringLiteral("SELECT a FROM t WHERE a = ?"), {1}).recordCount(), 1);
    ASSERT_TRUE(QFile::exists(s.sqlitePath + QStringLiteral("-wal")));
    c->database().close();
    EXPECT_THROW(c->query(QStringLiteral("SELECT a FROM t WHERE a = ?"), {1}), DbError);
    // the last connection to the file is closed: it folded its log into the file and removed it
    EXPECT_FALSE(QFile::exists(s.sqlitePath + QStringLiteral("-wal")));
}
