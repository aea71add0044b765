// Two entry windows open side by side: the charging entry's per-row price rule is its own.
#include "charging/ChargeWindowTest.h"

#include "assessment/frmCashAssessment.h"
#include "charging/ChargeEntryRow.h"
#include "platform/db/Connection.h"
#include "platform/ui/EntryGrid.h"

#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

namespace {

class EntryPriceRuleTest : public ChargeWindowTest {
protected:
    void SetUp() override
    {
        ChargeWindowTest::SetUp();
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName, FirstName, NationalityID) "
                                      "VALUES ('T9002', 'SANTOS', 'MARIA', 'FIL')"));
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, RoomID) VALUES ('TX0001', 'T9002', '205')"));
        conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, RateA, "
                                      "RateB, RateC, RateD, RateE, RateF, RateG, RateH, CathOverTimeRate, CathOnCallRate, FixRate, "
                                      "Status) VALUES ('HS', 'TST01', 'TEST PROCEDURE', 100, 200, 300, 400, 500, 600, 700, 800, 150, "
                                      "175, 'Y', 'A')"));
    }
};

TEST_F(EntryPriceRuleTest, TheChargingRowsDoNotChangeTheOtherEntryWindowsPriceRule)
{
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..TBHOSPITALINFO SET IsShowAmount = 1, isstat = 0"));
    conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, RateA, RateB, "
                                  "RateC, RateD, RateE, RateF, RateG, RateH, FixRate, Status) "
                                  "VALUES ('CL', 'TST05', 'TEST CATH PROCEDURE', 100, 200, 300, 400, 500, 600, 700, 800, 'Y', 'A')"));
    setStationParameter(QStringLiteral("CathlabAllowEditAmount"), QStringLiteral("1"));
    setStationParameter(QStringLiteral("CLEditAmtMainRev"), QStringLiteral("1"));
    open();
    frmCashAssessment* cash = frmCashAssessment::instance();
    (new QTreeWidgetItem(cash->lvwDepartments))->setText(0, QStringLiteral("HS"));
    cash->txtID->setText(QStringLiteral("TX0001"));
    cash->txtRoom->setText(QStringLiteral("205"));
    cash->show();
    const auto enterCash = [cash](const QString& text) {
        cash->txtEntry->selectAll();
        QTest::keyClick(cash->txtEntry, Qt::Key_Backspace);
        QTest::keyClicks(cash->txtEntry, text);
        QTest::keyClick(cash->txtEntry, Qt::Key_Return);
    };

    // the charging entry: a row of another department keeps its fixed price
    enterItem(QStringLiteral("HS"), QStringLiteral("TST01"));
    enter(QStringLiteral("1"));
    EXPECT_EQ(grid()->Row(), 2);
    EXPECT_EQ(grid()->Col(), ChargeEntryRow::Dept);
    // the cash assessment beside it still takes a typed price, as the station allows
    for (const char* typed : {"HS", "TST01", "1"}) enterCash(QString::fromLatin1(typed));
    EXPECT_EQ(cash->mshflexEntry->Row(), 1);
    EXPECT_EQ(cash->mshflexEntry->Col(), int(CashRow::UnitPrice));
    // and the charging entry's main-revenue row takes one, whatever the cash assessment did
    enterItem(QStringLiteral("CL"), QStringLiteral("TST05"));
    enter(QStringLiteral("1"));
    EXPECT_EQ(grid()->Row(), 2);
    EXPECT_EQ(grid()->Col(), ChargeEntryRow::UnitPrice);
    delete frmCashAssessment::existing();
}

} // namespace
