// Packages for late charges: a department whose item codes are packages of stock items, two
// packages with their located items (and one item without a location, which is never issued),
// so that the receivable update has packages to charge, issue, record as unused and revoke.
#include "hospital/DemoData.h"
#include "platform/db/Connection.h"

namespace {

void lateChargePackages(Connection& c, const DemoScale&)
{
    c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoRevenueCode (RevenueID, ItemName, LocationID, StockCardRevenueID, Status, Ispackage) "
                             "SELECT 'PK', 'CATH LAB PACKAGES', '', '', 'A', 1 "
                             "WHERE NOT EXISTS (SELECT 1 FROM BUILD_FILE..tbCoRevenueCode WHERE RevenueID = 'PK')"));
    c.execute(QStringLiteral("INSERT INTO STATION..tbCLChargingCodes (RevenueID, Description, Status) SELECT 'PK', 'CATH LAB PACKAGES', 'A' "
                             "WHERE NOT EXISTS (SELECT 1 FROM STATION..tbCLChargingCodes WHERE RevenueID = 'PK')"));
    const QString svc = QStringLiteral(
        "INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, RateA, RateB, RateC, RateD, "
        "RateE, RateF, RateG, RateH, FixRate, Status) "
        "SELECT ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'Y', 'A' "
        "WHERE NOT EXISTS (SELECT 1 FROM BUILD_FILE..TBCOOTHERREVENUE WHERE OtherSectionID = ? AND OtherRevenueID = ?)");
    c.execute(svc, QVariantList{"PK", "PK001", "ANGIOGRAPHY KIT PACKAGE"} + DemoData::ClassRates(6500) + QVariantList{"PK", "PK001"});
    c.execute(svc, QVariantList{"PK", "PK002", "SHEATH AND WIRE PACKAGE"} + DemoData::ClassRates(5200) + QVariantList{"PK", "PK002"});
    const QString item = QStringLiteral("INSERT INTO BUILD_FILE..tbCoPackageItems (PackageID, RevenueID, SummaryCode, ItemID, Quantity, "
                                        "Amount, LocationID) VALUES (?, ?, ?, ?, ?, ?, ?)");
    const QVariant none;
    c.execute(item, {"PK001", "PH", "PH", "MED0201", 2, 480, "20"});
    c.execute(item, {"PK001", "PH", "PH", "MED0401", 1, 85, "20"});
    c.execute(item, {"PK001", "CS", "CS", "SUP0002", 1, none, "21"});
    c.execute(item, {"PK001", "CS", "CS", "SUP0001", 1, 90, ""});
    c.execute(item, {"PK002", "CS", "CS", "SUP0001", 2, 180, "21"});
    c.execute(item, {"PK002", "CS", "CS", "SUP0002", 1, 2400, "21"});
}

} // namespace

CATHLAB_DEMO_SECTION(440, "receivable update: packages of stock items for late charges", lateChargePackages, "BUILD_FILE..tbCoPackageItems");
