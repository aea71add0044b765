// The charge slip number tool: the counter moved to the first number that no posted charge uses,
// forward only; the refusals; its keys; the station search.
#include "support/TableOutOfReach.h"
#include "support/TestDatabase.h"

#include "charging/ChargeSlipCounterRepair.h"
#include "charging/frmChargeSlipVerification.h"
#include "components/Component.h"
#include "components/StationComponents.h"
#include "components/code_search/frmCodeSearchList.h"
#include "components/login/clsCurrentuser.h"
#include "platform/db/Connection.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {

class ChargeSlipToolTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        Session.CurrentStationID = QStringLiteral("CL");
        Session.CurrentStationName = QStringLiteral("CATH LABORATORY");
        conn().execute(QStringLiteral("DELETE FROM STATION..tbCLChargeSlip"));
        conn().execute(QStringLiteral("INSERT INTO STATION..tbCLChargeSlip (StationID, Chargeslip) VALUES ('CL', 100)"));
    }
    void TearDown() override
    {
        delete frmChargeSlipVerification::instance();
        DbTest::TearDown();
    }
    qint64 counter() { return ReadChargeSlipCounter(conn(), QStringLiteral("CL")).value_or(-1); }
    // Charge slip numbers already posted: one by a billing line, one as an out-patient charge slip,
    // one by a stock card.
    void post(qint64 bill, qint64 outPatientSlip, qint64 stockCard)
    {
        conn().execute(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, TransDate, RevenueID, DrCr, ItemID, Quantity, Refnum, "
                                      "Amount, UserID) VALUES ('TX0001', GETDATE(), 'CL', 'D', 'CL101', 1, ?, 100, 'CL001')"),
                       {ChargeSlipCandidate(bill)});
        conn().execute(QStringLiteral("INSERT INTO BILLING..tbBillOPDailyOut (IDNum, HospNum, TransDate, RevenueID, DrCr, ItemID, Quantity, "
                                      "Refnum, ChargeSlip, Amount, UserID) VALUES ('TX0002B', 'T1', GETDATE(), 'CL', 'D', 'CL101', 1, "
                                      "'OR-1', ?, 100, 'CL001')"),
                       {ChargeSlipCandidate(outPatientSlip)});
        conn().execute(QStringLiteral("INSERT INTO INVENTORY..tbInvStockCard (IDNum, ItemID, LocationID, RevenueID, TransDate, RefNum, "
                                      "Quantity, Amount, UserID) VALUES ('TX0001', 'SUP0002', '35', 'CL', GETDATE(), ?, -1, 0, 'CL001')"),
                       {ChargeSlipCandidate(stockCard)});
    }
    // Shows the tool; `act` runs while it is open.
    void runTool(const std::function<void(frmChargeSlipVerification*)>& act)
    {
        UiScript::queueDialog(QStringLiteral("frmChargeSlipVerification"),
                              [act](QDialog* d) { act(static_cast<frmChargeSlipVerification*>(d)); });
        runModal(frmChargeSlipVerification::instance());
    }
};

void type(frmChargeSlipVerification* t, const QString& number)
{
    t->txtChargeSlip->clear();
    QTest::keyClicks(t->txtChargeSlip, number);
}

TEST_F(ChargeSlipToolTest, TheCounterMovesToTheFirstFreeNumberAndOnlyForward)
{
    post(100, 101, 102);
    post(200, 250, 251);
    struct Case { const char* typed; qint64 counterBefore, counterAfter; } cases[] = {
        {"100", 100, 103},  // 100 to 102 are posted
        {"150", 103, 150},  // free: the counter jumps to it
        {"0150", 150, 150}, // leading zeros are the same number
        {"90", 150, 150},   // behind the counter: never backwards
        {"", 150, 150},     // nothing typed: from the counter
        {"200", 150, 201},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ASSERT_EQ(counter(), c.counterBefore);
        UiScript::reset();
        runTool([&](frmChargeSlipVerification* t) {
            EXPECT_EQ(t->txtChargeSlip->text(), QString::number(c.counterBefore));
            type(t, QString::fromLatin1(c.typed));
            QTest::keyClick(t->txtChargeSlip, Qt::Key_Return);
            EXPECT_EQ(t->txtChargeSlip->text(), QString::number(c.counterAfter));
        });
        EXPECT_EQ(counter(), c.counterAfter);
        ASSERT_EQ(UiScript::shown().size(), 1);
        EXPECT_EQ(UiScript::lastText(), QStringLiteral("Available Charge Slip Number : %1").arg(c.counterAfter));
        EXPECT_EQ(UiScript::shown().last().title, "Message");
    }
}

TEST_F(ChargeSlipToolTest, SaveChecksThenCloses)
{
    post(100, 300, 301);
    runTool([](frmChargeSlipVerification* t) {
        t->lblExit[1]->click();
        EXPECT_FALSE(t->isVisible());
    });
    EXPECT_EQ(counter(), 101);
    UiScript::reset();
    runTool([](frmChargeSlipVerification* t) { t->lblExit[0]->click(); });
    EXPECT_TRUE(UiScript::shown().isEmpty());
    EXPECT_EQ(counter(), 101);
}

TEST_F(ChargeSlipToolTest, RefusalsLeaveTheCounterAsItWas)
{
    post(100, 300, 301);
    {
        // a look-up of the posted numbers that fails is a failure, not a free number
        TableOutOfReach away(conn(), QStringLiteral("INVENTORY..tbInvStockCard"));
        runTool([](frmChargeSlipVerification* t) { QTest::keyClick(t->txtChargeSlip, Qt::Key_Return); });
        EXPECT_TRUE(UiScript::lastText().endsWith("Please notify your IT department.")) << UiScript::lastText().toStdString();
    }
    EXPECT_EQ(counter(), 100);

    conn().execute(QStringLiteral("DELETE FROM STATION..tbCLChargeSlip"));
    UiScript::reset();
    runTool([](frmChargeSlipVerification* t) {
        type(t, QStringLiteral("500"));
        QTest::keyClick(t->txtChargeSlip, Qt::Key_Return);
    });
    EXPECT_EQ(UiScript::lastText(), "No chargeslip sequence number set for Station CL.");
    EXPECT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLChargeSlip")), 0);
}

TEST_F(ChargeSlipToolTest, OnlyDigitsGoIntoTheBoxAndAnyOtherKeyChecks)
{
    runTool([](frmChargeSlipVerification* t) {
        type(t, QStringLiteral("150"));
        QTest::keyClicks(t->txtChargeSlip, QStringLiteral("a")); // not typed: the number is checked
        EXPECT_EQ(t->txtChargeSlip->text(), "150");
        EXPECT_EQ(UiScript::lastText(), "Available Charge Slip Number : 150");
        QTest::keyClick(t->txtChargeSlip, Qt::Key_Backspace);
        QTest::keyClicks(t->txtChargeSlip, QStringLiteral("5"));
        EXPECT_EQ(t->txtChargeSlip->text(), "155");
        t->txtChargeSlip->selectAll();
        t->txtChargeSlip->insert(QStringLiteral("7a"));
        EXPECT_EQ(t->txtChargeSlip->text(), "155") << "pasted text that is not a number is refused";
    });
    EXPECT_EQ(counter(), 150);
    EXPECT_EQ(UiScript::shown().size(), 1);
}

TEST_F(ChargeSlipToolTest, OnlyAUserOfAllStationsSearchesTheStations)
{
    std::unique_ptr<clsCodeSearch> search(ComponentFactory::createAs<clsCodeSearch>(QStringLiteral("CodeSearchform.clsCodeSearch")));
    search->setConnection(&conn());
    Session.CodeSearch = search.get();
    runTool([](frmChargeSlipVerification* t) {
        EXPECT_EQ(t->lblStation[0]->text(), "CL");
        EXPECT_EQ(t->lblStation[1]->text(), "CATH LABORATORY");
        EXPECT_FALSE(t->imgSearch->isEnabled());
    });
    const QString ownStation = Session.CurrentUser->PasswordDeptCode;
    Session.CurrentUser->PasswordDeptCode = QStringLiteral("ALL");
    signIn(QStringLiteral("CL001"));
    Session.CurrentUser->PasswordDeptCode = ownStation;
    UiScript::reset();
    UiScript::queueDialog(QStringLiteral("frmCodeSearchList"), [](QDialog* d) {
        auto* list = static_cast<frmCodeSearchList*>(d);
        list->grdList->setCurrentCell(list->FindRow(QStringLiteral("ER")), 0);
        QTest::keyClick(list->grdList, Qt::Key_Return);
    });
    // each station has its own counter
    conn().execute(QStringLiteral("INSERT INTO STATION..tbCLChargeSlip (StationID, Chargeslip) VALUES ('ER', 250)"));
    runTool([](frmChargeSlipVerification* t) {
        ASSERT_TRUE(t->imgSearch->isEnabled());
        t->imgSearch->click();
        EXPECT_EQ(t->lblStation[0]->text(), "ER");
        EXPECT_EQ(t->lblStation[1]->text(), "EMERGENCY ROOM");
    });
    EXPECT_EQ(UiScript::lastText(), "Available Charge Slip Number : 250");
    EXPECT_EQ(counter(), 100);
    Session.CodeSearch = nullptr;
}

} // namespace
