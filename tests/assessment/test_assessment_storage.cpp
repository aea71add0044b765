// What the assessments keep: numbers taken forward atomically (and given back by a rollback), lines
// listed with their status, print lines kept per assessment, revocation only of a pending
// assessment, and the oxygen record with its tank number as typed.
#include "support/TestDatabase.h"
#include "support/StartingLine.h"

#include "platform/db/Connection.h"
#include "shared/assessment/AssessmentNumbers.h"

#include <QSet>
#include <thread>

namespace {

class AssessmentStorageTest : public DbTest {
protected:
    qint64 counter() { return conn().scalar(QStringLiteral("SELECT AssessNum FROM STATION..tbCLChargeSlip WHERE StationID = 'CL'")).toLongLong(); }
    // One pending line through the stand-in, as the saves send it.
    void addLine(Connection& c, const QString& number, const QString& idNum, const QString& dept, const QString& item,
                 const QString& amount)
    {
        c.call(QStringLiteral("STATION..sp_CL_AssessmentEntry"),
               {QStringLiteral("100001"), idNum, QStringLiteral("DELA CRUZ, JUAN"), QDateTime(QDate(2026, 12, 1), QTime(9, 30)), item,
                QStringLiteral("1"), number, amount, QStringLiteral("CL001"), dept, QString(), QString()});
    }
    QStringList statusColumn(const QString& procedure, const QVariantList& args)
    {
        const Recordset rs = conn().call(procedure, args);
        QStringList out;
        for (int r = 0; r < rs.recordCount(); ++r) out << rs.textAt(r, QStringLiteral("AssessNum")) + QLatin1Char('=') + rs.textAt(r, QStringLiteral("Status"));
        return out;
    }
};

TEST_F(AssessmentStorageTest, NumbersFollowTheCounterAndItsMask)
{
    conn().execute(QStringLiteral("UPDATE STATION..tbCLChargeSlip SET AssessNum = 1523 WHERE StationID = 'CL'"));
    EXPECT_EQ(TakeAssessmentNumber(conn(), QStringLiteral("CL"), QString()), QStringLiteral("CL1523"));
    EXPECT_EQ(TakeAssessmentNumber(conn(), QStringLiteral("CL"), QStringLiteral("000000")), QStringLiteral("CL001524"));
    EXPECT_EQ(counter(), 1525);
    // a number already carried by a line is passed over
    addLine(conn(), QStringLiteral("CL1525"), QStringLiteral("2026000001"), QStringLiteral("HS"), QStringLiteral("HS001"), QStringLiteral("450"));
    EXPECT_EQ(TakeAssessmentNumber(conn(), QStringLiteral("CL"), QString()), QStringLiteral("CL1526"));
}

TEST_F(AssessmentStorageTest, MissingCounterRowIsAnErrorAndRollbackGivesTheNumberBack)
{
    EXPECT_THROW(TakeAssessmentNumber(conn(), QStringLiteral("XX"), QString()), MissingAssessmentCounter);
    const qint64 before = counter();
    {
        TransactionGuard tx(conn());
        TakeAssessmentNumber(conn(), QStringLiteral("CL"), QString());
    }
    EXPECT_EQ(counter(), before);
    conn().execute(QStringLiteral("DELETE FROM BILLING..tbAssessmentNum"));
    EXPECT_THROW(TakeCashCMAdviceNumber(conn()), MissingAssessmentCounter);
    conn().execute(QStringLiteral("INSERT INTO BILLING..tbAssessmentNum (AssessmentNum, CMAdvisenum) VALUES (1, 77)"));
    EXPECT_EQ(TakeCashCMAdviceNumber(conn()), QStringLiteral("OR77"));
    EXPECT_EQ(TakeCashCMAdviceNumber(conn()), QStringLiteral("OR78"));
}

TEST_F(AssessmentStorageTest, TwoWorkstationsNeverGetTheSameNumber)
{
    const int takes = 15;
    StartingLine line(2);
    auto workstation = [&](QStringList* numbers, QString* error) {
        StartingLine::Place place(line);
        try {
            auto c = TestDatabase::openAnother();
            place.wait();
            for (int i = 0; i < takes; ++i) {
                TransactionGuard tx(*c);
                *numbers << TakeAssessmentNumber(*c, QStringLiteral("CL"), QString());
                tx.commit();
            }
        } catch (const std::exception& e) {
            *error = QString::fromLocal8Bit(e.what());
        }
    };
    const qint64 before = counter();
    QStringList a, b;
    QString errA, errB;
    std::thread t1(workstation, &a, &errA), t2(workstation, &b, &errB);
    t1.join();
    t2.join();
    ASSERT_TRUE(errA.isEmpty()) << errA.toStdString();
    ASSERT_TRUE(errB.isEmpty()) << errB.toStdString();
    QSet<QString> all(a.begin(), a.end());
    all.unite(QSet<QString>(b.begin(), b.end()));
    EXPECT_EQ(all.size(), 2 * takes);
    EXPECT_EQ(counter(), before + 2 * takes);
}

TEST_F(AssessmentStorageTest, ListsShowTheirOwnLinesWithStatus)
{
    const QString id = QStringLiteral("TX0009");
    addLine(conn(), QStringLiteral("CL5001"), id, QStringLiteral("HS"), QStringLiteral("HS001"), QStringLiteral("450"));
    conn().call(QStringLiteral("STATION..sp_CL_AssessmentEntry"),
                {QStringLiteral("100001"), id, QStringLiteral("DELA CRUZ, JUAN"), QDateTime::currentDateTime(), QStringLiteral("LB001"),
                 QStringLiteral("1"), QStringLiteral("CL5002"), QStringLiteral("300"), QStringLiteral("CL001"), QStringLiteral("LB"),
                 QString(), QString(), QStringLiteral("FASTING"), QStringLiteral("BLD")});
    addLine(conn(), QStringLiteral("CL5003"), id, QStringLiteral("HS"), QStringLiteral("HS002"), QStringLiteral("900"));
    conn().execute(QStringLiteral("UPDATE STATION..tbCLAssessment SET Status = 'PAID', ORNumber = 'OR1234' WHERE AssessNum = 'CL5003'"));

    EXPECT_EQ(statusColumn(QStringLiteral("STATION..sp_CL_AssessmentStatus"), {id}),
              (QStringList{QStringLiteral("CL5001=PENDING"), QStringLiteral("CL5003=OR1234")}));
    EXPECT_EQ(statusColumn(QStringLiteral("STATION..sp_Nurse_Clinical_AssessmentStatus"), {id, QStringLiteral("CL")}),
              QStringList{QStringLiteral("CL5002=PENDING")});
    // the request page's list holds both kinds, a paid line as given
    EXPECT_EQ(statusColumn(QStringLiteral("STATION..sp_Nurse_Clinical_AssessmentStatus"), {id}).size(), 3);
    EXPECT_TRUE(statusColumn(QStringLiteral("STATION..sp_Nurse_Clinical_AssessmentStatus"), {id}).contains(QStringLiteral("CL5003=Given")));
    const Recordset clinical = conn().call(QStringLiteral("STATION..sp_Nurse_Clinical_AssessmentStatus"), {id, QStringLiteral("CL")});
    EXPECT_EQ(clinical.fieldName(11), QStringLiteral("Remarks"));
    EXPECT_EQ(clinical.textAt(0, QStringLiteral("Remarks")), QStringLiteral("FASTING"));
    EXPECT_EQ(clinical.fieldName(10), QStringLiteral("Status")); // column 11 of the list
    EXPECT_EQ(clinical.fieldName(5), QStringLiteral("AssessNum")); // column 6
}

TEST_F(AssessmentStorageTest, PrintLinesAreKeptPerAssessment)
{
    addLine(conn(), QStringLiteral("CL6001"), QStringLiteral("TX0009"), QStringLiteral("HS"), QStringLiteral("HS001"), QStringLiteral("450"));
    addLine(conn(), QStringLiteral("CL6001"), QStringLiteral("TX0009"), QStringLiteral("OX"), QStringLiteral("OX001"), QStringLiteral("375"));
    addLine(conn(), QStringLiteral("CL6002"), QStringLiteral("TX0010"), QStringLiteral("HS"), QStringLiteral("HS002"), QStringLiteral("900"));
    conn().call(QStringLiteral("STATION..sp_CL_PrintAssessment"), {QStringLiteral("CL6001")});
    conn().call(QStringLiteral("STATION..sp_CL_PrintAssessment"), {QStringLiteral("CL6002")});
    conn().call(QStringLiteral("STATION..sp_CL_PrintAssessment"), {QStringLiteral("CL6001")}); // a reprint does not double
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLAssessPrint WHERE AssessNum = 'CL6001'")), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLAssessPrint WHERE AssessNum = 'CL6002'")), 1);
    EXPECT_EQ(conn().scalar(QStringLiteral("SELECT Description FROM STATION..tbCLAssessPrint WHERE AssessNum = 'CL6001' AND ItemID = 'OX001'")).toString(),
              QStringLiteral("OXYGEN PER 100 PSI"));
}

TEST_F(AssessmentStorageTest, OnlyAPendingAssessmentIsRevoked)
{
    const QString id = QStringLiteral("TX0009");
    addLine(conn(), QStringLiteral("CL7001"), id, QStringLiteral("HS"), QStringLiteral("HS001"), QStringLiteral("450"));
    addLine(conn(), QStringLiteral("CL7001"), id, QStringLiteral("HS"), QStringLiteral("HS002"), QStringLiteral("900"));
    addLine(conn(), QStringLiteral("CL7002"), id, QStringLiteral("HS"), QStringLiteral("HS001"), QStringLiteral("450"));
    conn().execute(QStringLiteral("UPDATE STATION..tbCLAssessment SET Status = 'PAID', ORNumber = 'OR9' WHERE AssessNum = 'CL7002'"));
    auto key = [&](const char* number) {
        return conn().scalar(QStringLiteral("SELECT MIN(LineID) FROM STATION..tbCLAssessment WHERE AssessNum = ?"), {QString::fromLatin1(number)}).toString();
    };
    const struct { QString key; int revoked; const char* status; } cases[] = {
        {key("CL7002"), 0, "PAID"},      // paid: never
        {key("CL7001"), 1, "REVOKED"},   // pending: every line of it
        {key("CL7001"), 0, "REVOKED"},   // once only
        {QStringLiteral("999999"), 0, ""} // no such line
    };
    for (const auto& c : cases) {
        const Recordset rs = conn().call(QStringLiteral("STATION..sp_Nurse_Revoke_Assessment"),
                                         {id, c.key, QStringLiteral("CL001"), QStringLiteral("WRONG ITEM")});
        EXPECT_EQ(rs.toInt(QStringLiteral("Revoked")), c.revoked) << c.key.toStdString();
        EXPECT_EQ(rs.text(QStringLiteral("Status")), QString::fromLatin1(c.status)) << c.key.toStdString();
    }
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLAssessment WHERE AssessNum = 'CL7001' AND Status = 'REVOKED' "
                                   "AND RevokeBy = 'CL001' AND RevokeReason = 'WRONG ITEM'")),
              2);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLAssessment WHERE AssessNum = 'CL7002' AND Status = 'PAID'")), 1);
}

TEST_F(AssessmentStorageTest, OxygenRecordKeepsTheTankAsTypedAndTheReadingsInPlace)
{
    conn().call(QStringLiteral("STATION..sp_Save_Oxygen_Monitoring"),
                {QStringLiteral("TX0009"), QStringLiteral("CL8001"), QStringLiteral("OX001"), 2000.0, 1750.0, QStringLiteral("250"),
                 QStringLiteral("375"), QStringLiteral("0105"), QStringLiteral("CL001"), QStringLiteral("CL")});
    const Recordset m = conn().query(QStringLiteral("SELECT TankNumber, InitialReading, LastReading, Quantity FROM STATION..tbNurseOxygenMonitoring "
                                                    "WHERE RefNum = 'CL8001'"));
    ASSERT_EQ(m.recordCount(), 1);
    EXPECT_EQ(m.text(QStringLiteral("TankNumber")), QStringLiteral("0105"));
    EXPECT_EQ(m.toDouble(QStringLiteral("InitialReading")), 2000);
    EXPECT_EQ(m.toDouble(QStringLiteral("LastReading")), 1750);
    EXPECT_EQ(m.toDouble(QStringLiteral("Quantity")), 250);
    const Recordset t = conn().query(QStringLiteral("SELECT InitialR, LastR FROM INVENTORY..tbCSROxygen WHERE TankNum = '0105'"));
    ASSERT_EQ(t.recordCount(), 1);
    EXPECT_EQ(t.toDouble(QStringLiteral("LastR")), 1750);
}

} // namespace
