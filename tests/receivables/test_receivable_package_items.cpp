// The stock items of late-charge packages: the package grid filled and pruned as rows are typed
// and deleted, what a save issues and records as unused, and the reversal of a package's items.
#include "receivables/LateChargeFixture.h"

#include "platform/db/Connection.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "receivables/ReceivablePackageItems.h"
#include "receivables/ReceivableRevocation.h"
#include "receivables/ReceivableSaveSlip.h"

namespace {

// The grid as "package:item" per row, blank rows as "".
QStringList gridText(const FlexGrid& g)
{
    QStringList out;
    for (int r = 1; r < g.Rows(); ++r)
        out << (g.TextMatrix(r, PackageItemsRow::ItemID).isEmpty()
                    ? QString()
                    : g.TextMatrix(r, PackageItemsRow::PackageID) + QLatin1Char(':') + g.TextMatrix(r, PackageItemsRow::ItemID));
    return out;
}

} // namespace

TEST_F(LateChargeTest, ThePackageGridFollowsTheTypedPackages)
{
    FlexGrid grid;
    SetUpPackageGrid(grid);
    const struct {
        const char* step;
        bool add;
        const char *dept, *item;
        QStringList expected;
    } steps[] = {
        {"not a package revenue", true, "HS", "PKT1", {""}},
        {"first package, located items only", true, "PK", "PKT1", {"PKT1:MED0201", "PKT1:SUP0002"}},
        {"second package after it", true, "PK", "PKT2", {"PKT1:MED0201", "PKT1:SUP0002", "PKT2:SUP0001"}},
        {"deleting a row of another revenue", false, "HS", "PKT2", {"PKT1:MED0201", "PKT1:SUP0002", "PKT2:SUP0001"}},
        {"deleting the first package", false, "PK", " PKT1 ", {"PKT2:SUP0001"}},
        {"deleting the only package", false, "PK", "PKT2", {""}},
        {"the next package fills row 1", true, "PK", "PKT2", {"PKT2:SUP0001"}},
        {"a package added and deleted last", true, "PK", "PKT1", {"PKT2:SUP0001", "PKT1:MED0201", "PKT1:SUP0002"}},
        {"...leaves the others", false, "PK", "PKT1", {"PKT2:SUP0001"}},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        if (s.add) Check_If_Package(conn(), QString::fromLatin1(s.dept), QString::fromLatin1(s.item), grid);
        else Remove_PackageItems(conn(), QString::fromLatin1(s.dept), QString::fromLatin1(s.item), grid);
        EXPECT_EQ(gridText(grid), s.expected);
    }
    // an item without an amount is worth 0
    Check_If_Package(conn(), QStringLiteral("PK"), QStringLiteral("PKT1"), grid);
    EXPECT_EQ(PackageGridRows(grid).last().amount, "0");
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(LateChargeTest, APackageThatCannotBeReadLeavesTheGridAsItWas)
{
    FlexGrid grid;
    SetUpPackageGrid(grid);
    Check_If_Package(conn(), QStringLiteral("PK"), QStringLiteral("PKT2"), grid);
    conn().execute(QStringLiteral("UPDATE BUILD_FILE..tbCoPackageItems SET Quantity = NULL WHERE ItemID = 'SUP0002'"));
    Check_If_Package(conn(), QStringLiteral("PK"), QStringLiteral("PKT1"), grid);
    EXPECT_EQ(gridText(grid), QStringList{"PKT2:SUP0001"});
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(UiScript::shown().last().title, "Notification");
}

TEST_F(LateChargeTest, WhatASaveDoesWithThePackageItems)
{
    const PackageItemRows grid = {{"PH", "PH", "MED0201", "2", "480", "20", "PKT1"},
                                  {"CS", "CS", "SUP0002", "1", "0", "21", "PKT1"},
                                  {"CS", "CS", "SUP0001", "3", "270", "21", "PKT2"}};
    auto items = [](const PackageItemRows& rows) {
        QStringList out;
        for (const PackageItemsRow& r : rows) out << r.packageID + QLatin1Char(':') + r.itemID;
        return out;
    };
    const struct {
        const char* name;
        ReceivableEntryRows rows;
        QStringList issued, unused;
    } cases[] = {
        {"typed packages are issued whole", lateRows({{"PK", "PKT1", "P1", "1", "5000"}, {"PK", "PKT2", "P2", "1", "900"}}),
         {"PKT1:MED0201", "PKT1:SUP0002", "PKT2:SUP0001"}, {}},
        {"a picked package leaves the items not picked unused",
         lateRows({{"PK", "PKT1", "P1", "1", "5000"}, {"PH", "MED0201", "HEPARIN", "2", "820", "20", "PKT1"}}), {}, {"PKT1:SUP0002"}},
        {"a package no longer on the rows", lateRows({{"PK", "PKT2", "P2", "1", "900"}}), {"PKT2:SUP0001"}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PackageItemsOfSave sorted = SortPackageItems(grid, c.rows);
        EXPECT_EQ(items(sorted.issued), c.issued);
        EXPECT_EQ(items(sorted.unused), c.unused);
    }

    // the save records the unused items with its slip, the item named
    ReceivableSaveInput in = input(lateRows({{"PK", "PKT1", "P1", "1", "5000"}, {"PH", "MED0201", "HEPARIN", "2", "820", "20", "PKT1"}}));
    in.packageItems = grid;
    const QString slip = SaveReceivableRows(conn(), in).slipNumber;
    const Recordset unused = conn().query(QStringLiteral("SELECT IDNum, PackageID, ItemID, Quantity, LocationID, UserID "
                                                         "FROM STATION..tbCLPackageItemsUnused WHERE ChargeSlip = ?"),
                                          {slip});
    ASSERT_EQ(unused.recordCount(), 1);
    EXPECT_EQ(unused.text("ItemID"), "SUP0002");
    EXPECT_EQ(unused.text("PackageID"), "PKT1");
    EXPECT_EQ(unused.text("UserID"), "CL002");
    // the picked item went once, on its own row
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard WHERE RefNum = ?"), {slip}), 1);
}

TEST_F(LateChargeTest, RevokingATypedPackageBringsItsStockItemsBack)
{
    const double onHand = conn().scalar(QStringLiteral("SELECT OnHand FROM INVENTORY..tbInvLocationStock WHERE LocationID = '20' "
                                                       "AND ItemID = 'MED0201'")).toDouble();
    ReceivableSaveInput in = input(lateRows({{"PK", "PKT1", "P1", "1", "5000"}, {"PH", "MED0201", "HEPARIN", "1", "410", "20"}}));
    in.packageItems = {{"PH", "PH", "MED0201", "2", "480", "20", "PKT1"}};
    const ReceivableSaveResult saved = SaveReceivableRows(conn(), in);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard WHERE RefNum = ? AND PackageID = 'PKT1'"),
                    {saved.slipNumber}),
              1);
    ReceivableSlipHeader header;
    header.hospNum = QStringLiteral("T9002");
    header.idNum = QStringLiteral("TX0001");
    header.room = QStringLiteral("205");
    {
        TransactionGuard tx(conn());
        CancelPackageItemsOfCharge(conn(), header, QStringLiteral("CL001"), saved.serverDate, QStringLiteral("PK"), QStringLiteral("PKT1"),
                                   saved.slipNumber);
        tx.commit();
    }
    const Recordset card = conn().query(QStringLiteral("SELECT ItemID, SUM(Quantity) AS Moved, SUM(Amount) AS Amount, COUNT(*) AS Lines "
                                                       "FROM INVENTORY..tbInvStockCard WHERE RefNum = ? AND PackageID = 'PKT1' "
                                                       "GROUP BY ItemID ORDER BY ItemID"),
                                        {saved.slipNumber});
    ASSERT_EQ(card.recordCount(), 1);
    EXPECT_EQ(card.textAt(0, "ItemID"), "MED0201");
    EXPECT_EQ(DbValue::toDouble(card.valueAt(0, "Moved")), 0); // issued 2, brought back 2
    EXPECT_EQ(DbValue::toDouble(card.valueAt(0, "Amount")), 0);
    EXPECT_EQ(DbValue::toLong(card.valueAt(0, "Lines")), 2);
    // the heparin charged on its own row (with its bill line) stays issued
    EXPECT_EQ(conn().scalar(QStringLiteral("SELECT OnHand FROM INVENTORY..tbInvLocationStock WHERE LocationID = '20' AND ItemID = 'MED0201'"))
                  .toDouble(),
              onHand - 1);
    // a second reversal finds nothing left to bring back
    {
        TransactionGuard tx(conn());
        CancelPackageItemsOfCharge(conn(), header, QStringLiteral("CL001"), saved.serverDate, QStringLiteral("PK"), QStringLiteral("PKT1"),
                                   saved.slipNumber);
        tx.commit();
    }
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard WHERE RefNum = ? AND PackageID = 'PKT1'"),
                    {saved.slipNumber}),
              2);
}
