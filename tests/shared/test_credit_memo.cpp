// Credit memos: the staging procedures run in the caller's transaction, and the numbers come
// from the counter so that two workstations never share one.
#include "support/LookupFixture.h"
#include "support/StartingLine.h"

#include "platform/db/DbError.h"
#include "shared/inventory/CreditMemo.h"

#include <QSet>
#include <thread>

class CreditMemos : public LookupTest {
protected:
    int staged(const QString& where = QStringLiteral("1 = 1"), const QVariantList& params = {})
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvCMPrint WHERE ") + where, params);
    }
    void stageTwo(const QString& user, const QString& idNum, const QString& cm)
    {
        AppendCreditMemo(conn(), user, cm, QStringLiteral("HEPARIN 5,000 IU/ML VIAL"), 2, 760, QStringLiteral("CS000104"), 0, idNum);
        AppendCreditMemo(conn(), user, cm, QStringLiteral("NITROGLYCERIN 5 MG/ML AMPULE"), 1, 185.5, QStringLiteral("CS000104"), 0, idNum);
    }
};

TEST_F(CreditMemos, StagedLinesFollowTheCallersTransaction)
{
    {
        TransactionGuard tx(conn());
        EraseCreditMemo(conn(), QStringLiteral("CL001"), QStringLiteral("2026000006"), QStringLiteral("100777"));
        stageTwo(QStringLiteral("CL001"), QStringLiteral("2026000006"), QStringLiteral("100777"));
        EXPECT_EQ(staged(), 2);
        // the guard goes out of scope without a commit
    }
    EXPECT_EQ(staged(), 0);
    {
        TransactionGuard tx(conn());
        stageTwo(QStringLiteral("CL001"), QStringLiteral("2026000006"), QStringLiteral("100777"));
        tx.commit();
    }
    Recordset rs = conn().query(QStringLiteral("SELECT UserID, RefNum, Description, Quantity, Amount, ChargeSlip, QtyIssued, IDNum "
                                               "FROM INVENTORY..tbInvCMPrint ORDER BY LineID"));
    ASSERT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.text(QStringLiteral("UserID")), QStringLiteral("CL001"));
    EXPECT_EQ(rs.text(QStringLiteral("RefNum")), QStringLiteral("100777"));
    EXPECT_EQ(rs.text(QStringLiteral("Description")), QStringLiteral("HEPARIN 5,000 IU/ML VIAL"));
    EXPECT_EQ(rs.toDouble(QStringLiteral("Quantity")), 2);
    EXPECT_EQ(rs.toDouble(QStringLiteral("Amount")), 760);
    EXPECT_EQ(rs.text(QStringLiteral("ChargeSlip")), QStringLiteral("CS000104"));
    EXPECT_EQ(rs.toInt(QStringLiteral("QtyIssued")), 0);
    EXPECT_EQ(rs.text(QStringLiteral("IDNum")), QStringLiteral("2026000006"));
    rs.moveNext();
    EXPECT_DOUBLE_EQ(rs.toDouble(QStringLiteral("Amount")), 185.5);
}

TEST_F(CreditMemos, EraseRemovesOnlyThatUsersMemoOfThatAdmission)
{
    stageTwo(QStringLiteral("CL001"), QStringLiteral("2026000006"), QStringLiteral("100777"));
    stageTwo(QStringLiteral("CL002"), QStringLiteral("2026000006"), QStringLiteral("100777"));
    stageTwo(QStringLiteral("CL001"), QStringLiteral("2026000007"), QStringLiteral("100777"));
    stageTwo(QStringLiteral("CL001"), QStringLiteral("2026000006"), QStringLiteral("100778"));
    EraseCreditMemo(conn(), QStringLiteral("CL001"), QStringLiteral("2026000006"), QStringLiteral("100777"));
    EXPECT_EQ(staged(), 6);
    EXPECT_EQ(staged(QStringLiteral("UserID = ? AND IDNum = ? AND RefNum = ?"), {"CL001", "2026000006", "100777"}), 0);
    // the procedures get the numbers as given: a blank makes another memo
    EraseCreditMemo(conn(), QStringLiteral("CL001"), QStringLiteral("2026000006"), QStringLiteral(" 100778"));
    EXPECT_EQ(staged(), 6);
}

TEST_F(CreditMemos, DescriptionIsCutTo90AndOversizedTextsAreRefused)
{
    const QString longText = QString(95, QLatin1Char('D'));
    AppendCreditMemo(conn(), QStringLiteral("CL001"), QStringLiteral("100777"), longText, 1, 10, QStringLiteral("CS1"), 0,
                     QStringLiteral("2026000006"));
    EXPECT_EQ(DbValue::text(conn().scalar(QStringLiteral("SELECT Description FROM INVENTORY..tbInvCMPrint"))), longText.left(90));
    // a number longer than the procedure takes is an error, never cut short silently
    EXPECT_THROW(EraseCreditMemo(conn(), QStringLiteral("CL001"), QStringLiteral("2026000006"), QStringLiteral("12345678901")), DbError);
    EXPECT_THROW(AppendCreditMemo(conn(), QStringLiteral("CL001"), QStringLiteral("100777"), QStringLiteral("X"), 1, 1,
                                  QStringLiteral("CS1"), 0, QStringLiteral("2026000006-XX")),
                 DbError);
    EXPECT_EQ(staged(), 1);
}

TEST_F(CreditMemos, UsedNumbersAreThoseOnTheStockCard)
{
    conn().execute(QStringLiteral("INSERT INTO INVENTORY..tbInvStockCard (IDNum, ItemID, RefNum, Quantity, CreditMemoNum) VALUES "
                                  "('2026000007', 'SUP0001', 'CS000107', 1, '100600'), ('2026000007', 'SUP0002', 'CS000107', 1, '100600')"));
    struct Case { const char* number; bool used; };
    const Case cases[] = {{"100501", true}, {" 100501 ", true}, {"100600", true}, {"100502", false}, {"", false}};
    for (const Case& c : cases) EXPECT_EQ(IsCreditMemoUsed(conn(), QString::fromLatin1(c.number)), c.used) << c.number;
}

TEST_F(CreditMemos, NumbersComeFromTheCounterInsideTheTransactionAndSkipUsedOnes)
{
    EXPECT_THROW(TakeCreditMemoNumber(conn()), DbError);  // outside a transaction
    {
        TransactionGuard tx(conn());
        // the counter stands at 100500 and 100501 is already on the stock card
        EXPECT_EQ(TakeCreditMemoNumber(conn()), QStringLiteral("100502"));
    }
    {
        TransactionGuard tx(conn());
        EXPECT_EQ(TakeCreditMemoNumber(conn()), QStringLiteral("100502"));  // the rollback gave it back
        EXPECT_EQ(TakeCreditMemoNumber(conn()), QStringLiteral("100503"));
        tx.commit();
    }
    EXPECT_EQ(count(QStringLiteral("SELECT LastNumber FROM INVENTORY..tbInvSlipCounter WHERE CounterID = 'CREDITMEMO'")), 100503);

    conn().execute(QStringLiteral("DELETE FROM INVENTORY..tbInvSlipCounter WHERE CounterID = 'CREDITMEMO'"));
    TransactionGuard tx(conn());
    EXPECT_THROW(TakeCreditMemoNumber(conn()), DbError);
}

TEST_F(CreditMemos, TwoWorkstationsNeverShareANumber)
{
    constexpr int perWorkstation = 15;
    StartingLine line(2);
    auto workstation = [&line](QStringList* out, QString* error) {
        StartingLine::Place place(line);
        try {
            auto c = TestDatabase::openAnother();
            place.wait();
            for (int i = 0; i < perWorkstation; ++i) {
                TransactionGuard tx(*c);
                const QString number = TakeCreditMemoNumber(*c);
                c->execute(QStringLiteral("INSERT INTO INVENTORY..tbInvStockCard (IDNum, ItemID, RefNum, Quantity, CreditMemoNum) "
                                          "VALUES ('2026000007', 'SUP0002', 'CS000107', 1, ?)"),
                           {number});
                tx.commit();
                out->append(number);
            }
        } catch (const std::exception& e) {
            *error = QString::fromLocal8Bit(e.what());
        }
    };
    QStringList a, b;
    QString errA, errB;
    std::thread t1(workstation, &a, &errA), t2(workstation, &b, &errB);
    t1.join();
    t2.join();
    ASSERT_TRUE(errA.isEmpty()) << errA.toStdString();
    ASSERT_TRUE(errB.isEmpty()) << errB.toStdString();
    QSet<QString> all(a.begin(), a.end());
    for (const QString& n : b) all.insert(n);
    EXPECT_EQ(all.size(), 2 * perWorkstation);
    EXPECT_FALSE(all.contains(QStringLiteral("100501")));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard WHERE CreditMemoNum = ?"), {"100501"}), 1);
}

TEST_F(CreditMemos, FailuresReachTheCaller)
{
    loseConnection();
    EXPECT_THROW(EraseCreditMemo(conn(), QStringLiteral("CL001"), QStringLiteral("2026000006"), QStringLiteral("100777")), DbError);
    EXPECT_THROW(AppendCreditMemo(conn(), QStringLiteral("CL001"), QStringLiteral("100777"), QStringLiteral("X"), 1, 1, QStringLiteral("CS1"),
                                  0, QStringLiteral("2026000006")),
                 DbError);
    EXPECT_THROW(IsCreditMemoUsed(conn(), QStringLiteral("100501")), DbError);
    EXPECT_TRUE(UiScript::shown().isEmpty());
}
