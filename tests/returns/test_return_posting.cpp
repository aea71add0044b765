// Posting a return under one credit memo: every line checked first, one transaction, one number
// for every line, the number taken once and never twice.
#include "returns/ReturnsFixture.h"
#include "support/TableOutOfReach.h"

#include "platform/db/Connection.h"
#include "platform/text/Format.h"
#include "returns/ReturnPosting.h"

namespace {

using ReturnPosting::Line;

ReturnPosting::Return returnOf(bool supplies, const QString& idNum, QList<Line> lines)
{
    ReturnPosting::Return r;
    r.supplies = supplies;
    r.idNum = idNum;
    r.hospNum = QStringLiteral("H-TEST");
    r.room = QStringLiteral("301");
    r.userID = QStringLiteral("CL001");
    r.reason = QStringLiteral("Allowed NOT USED");
    r.stationID = QStringLiteral("CL");
    r.when = QDateTime(QDate(2026, 12, 11), QTime(9, 15));
    r.lines = std::move(lines);
    return r;
}

class ReturnPostingTest : public ReturnsTest {
protected:
    int lastMemo() { return count(QStringLiteral("SELECT LastNumber FROM INVENTORY..tbInvSlipCounter WHERE CounterID = 'CREDITMEMO'")); }
    int written()
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard WHERE CreditMemoNum IS NOT NULL")) +
            count(QStringLiteral("SELECT COUNT(*) FROM STATION..TBNURSECOMMUNICATIONFILE WHERE RevenueID IN ('PC', 'CC')")) +
            count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbBillAdjustInfo")) +
            count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE RevenueID IN ('PC', 'CC')")) +
            count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvCMPrint"));
    }
};

TEST_F(ReturnPostingTest, EveryLineOfBothKindsGoesOutUnderOneMemo)
{
    struct Case {
        bool supplies;
        QString revenue, location;
        QList<Line> lines;
        double stockBefore[2];
    };
    const QList<Case> cases{
        {false, "PC", "20",
         {{"CS000201", "MED0201", "", "4", "2", "760", "BROKEN SEAL"}, {"CS000201", "MED0401", "", "5", "5", "425", "NOT USED"}}, {}},
        {true, "CC", "21", {{"CS000202", "SUP0001", "", "2", "1", "1850", ""}}, {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.revenue.toStdString());
        const double onHand = DbValue::toDouble(conn().scalar(QStringLiteral("SELECT OnHand FROM INVENTORY..tbInvLocationStock WHERE LocationID = ? "
                                                                             "AND ItemID = ?"),
                                                              {k.location, k.lines[0].itemID}));
        const int before = lastMemo();
        const QString cm = ReturnPosting::Post(conn(), returnOf(k.supplies, QStringLiteral("2026000005"), k.lines));
        EXPECT_EQ(cm.toInt(), lastMemo());
        EXPECT_GT(lastMemo(), before);
        const int n = k.lines.size();
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard WHERE CreditMemoNum = ? AND LocationID = ? "
                                       "AND RevenueID = ? AND Quantity > 0 AND Remarks = 'Allowed NOT USED'"),
                        {cm, k.location, k.revenue}),
                  n);
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbBillAdjustInfo WHERE RequestNum = ? AND RevenueID = ? "
                                       "AND Remarks = 'Allowed NOT USED'"),
                        {cm, k.revenue}),
                  n);
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE Refnum = ? AND Amount < 0"), {cm}), n);
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..TBNURSECOMMUNICATIONFILE WHERE ReferenceNum = ? AND RecordStatus = 'X'"),
                        {cm}),
                  n);
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvCMPrint WHERE RefNum = ? AND UserID = 'CL001'"), {cm}), n);
        // the remark typed on the row stays with its request record
        for (const Line& l : k.lines)
            EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..TBNURSECOMMUNICATIONFILE WHERE ReferenceNum = ? AND ItemID = ? "
                                           "AND COALESCE(Remarks, '') = ?"),
                            {cm, l.itemID, l.remarks}),
                      1);
        const double after = DbValue::toDouble(conn().scalar(QStringLiteral("SELECT OnHand FROM INVENTORY..tbInvLocationStock WHERE LocationID = ? "
                                                                             "AND ItemID = ?"),
                                                             {k.location, k.lines[0].itemID}));
        EXPECT_DOUBLE_EQ(after, onHand + Fmt::val(k.lines[0].returned));
    }
}

TEST_F(ReturnPostingTest, LinesAboveWhatIsStillIssuedAreRefusedBeforeAnythingIsWritten)
{
    // SUP0002: three issued under CS000204, one came back already.
    struct Case {
        const char* name;
        QList<Line> lines;
        int refusedLine;
    };
    const QList<Case> cases{
        {"more than is left", {{"CS000203", "MED0301", "", "3", "1", "1800", ""}, {"CS000204", "SUP0002", "", "3", "3", "6900", ""}}, 1},
        {"two lines of one slip together", {{"CS000204", "SUP0002", "", "2", "1", "2300", ""}, {"CS000204", "SUP0002", "", "2", "2", "4600", ""}}, 0},
        {"nothing returned", {{"CS000203", "MED0301", "", "3", "0", "0", ""}}, 0},
        {"another slip's item", {{"CS000203", "SUP0002", "", "3", "1", "2300", ""}}, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const int memo = lastMemo(), rows = written();
        bool supplies = k.lines[0].itemID.startsWith(QLatin1String("SUP"));
        try {
            ReturnPosting::Post(conn(), returnOf(supplies, QStringLiteral("2026000005"), k.lines));
            ADD_FAILURE() << "posted";
        } catch (const ReturnPosting::Refused& r) {
            EXPECT_EQ(r.line, k.refusedLine);
        }
        EXPECT_EQ(lastMemo(), memo);
        EXPECT_EQ(written(), rows);
    }
    // what is left can still come back
    EXPECT_NO_THROW(ReturnPosting::Post(conn(), returnOf(true, QStringLiteral("2026000005"), {{"CS000204", "SUP0002", "", "2", "2", "4600", ""}})));
}

TEST_F(ReturnPostingTest, AFailureHalfWayLeavesNothingAndGivesTheNumberBack)
{
    const int memo = lastMemo(), rows = written();
    const double onHand = DbValue::toDouble(conn().scalar(QStringLiteral("SELECT OnHand FROM INVENTORY..tbInvLocationStock WHERE LocationID = '20' "
                                                                         "AND ItemID = 'MED0201'")));
    {
        TableOutOfReach gone(conn(), QStringLiteral("BILLING..tbBillDailyBill"));
        EXPECT_ANY_THROW(ReturnPosting::Post(conn(), returnOf(false, QStringLiteral("2026000005"),
                                                              {{"CS000201", "MED0201", "", "4", "1", "380", "X"}})));
    }
    EXPECT_FALSE(conn().inTransaction());
    EXPECT_EQ(lastMemo(), memo);
    EXPECT_EQ(written(), rows);
    EXPECT_DOUBLE_EQ(DbValue::toDouble(conn().scalar(QStringLiteral("SELECT OnHand FROM INVENTORY..tbInvLocationStock WHERE LocationID = '20' "
                                                                    "AND ItemID = 'MED0201'"))),
                     onHand);
}

TEST_F(ReturnPostingTest, TwoWorkstationsGetTwoNumbersAndAUsedNumberIsPassedOver)
{
    // the demo counter stands at 100500 and a stock-card line already carries 100501
    auto other = TestDatabase::openAnother();
    const QString first = ReturnPosting::Post(conn(), returnOf(false, QStringLiteral("2026000005"), {{"CS000201", "MED0201", "", "4", "1", "380", ""}}));
    const QString second = ReturnPosting::Post(*other, returnOf(false, QStringLiteral("2026000005"), {{"CS000201", "MED0201", "", "4", "1", "380", ""}}));
    EXPECT_EQ(first, QStringLiteral("100502"));
    EXPECT_EQ(second, QStringLiteral("100503"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard WHERE CreditMemoNum = ?"), {first}), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard WHERE CreditMemoNum = ?"), {second}), 1);
    // the third vial is refused: two of four came back, and the other workstation's return counts
    EXPECT_THROW(ReturnPosting::Post(*other, returnOf(false, QStringLiteral("2026000005"), {{"CS000201", "MED0201", "", "4", "3", "1140", ""}})),
                 ReturnPosting::Refused);
}

} // namespace

namespace {

TEST_F(ReturnPostingTest, WithoutDirectReturnsOnlyTheRequestRecordIsWritten)
{
    auto r = returnOf(true, QStringLiteral("2026000005"), {{"CS000202", "SUP0001", "", "2", "1", "1850", "KINKED"}});
    r.noDirectReturn = true;
    const int memo = lastMemo();
    const QString cm = ReturnPosting::Post(conn(), r);
    EXPECT_EQ(lastMemo(), memo + 2); // 100501 is taken by a stock-card line and passed over
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..TBNURSECOMMUNICATIONFILE WHERE ReferenceNum = ? AND Remarks = 'KINKED'"), {cm}), 1);
    for (const char* table : {"INVENTORY..tbInvStockCard WHERE CreditMemoNum = ?", "STATION..tbBillAdjustInfo WHERE RequestNum = ?",
                              "BILLING..tbBillDailyBill WHERE Refnum = ?", "INVENTORY..tbInvCMPrint WHERE RefNum = ?"})
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table), {cm}), 0) << table;
}

} // namespace
