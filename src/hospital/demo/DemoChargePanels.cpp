// What the charging entry's item panels and consigned mark-ups need: the NHI medicines and
// supplies departments (items included with equipment), a consigned package that is charged as
// one service (its used items entered in the panel), an equipment package, and the consigned
// mark-up factors.
#include "hospital/DemoData.h"
#include "platform/db/Connection.h"

#include <QVariant>

namespace {

void chargePanels(Connection& c, const DemoScale&)
{
    const QString setting = QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value, status) SELECT ?, ?, '1' "
                                           "WHERE NOT EXISTS (SELECT 1 FROM STATION..tbNurseSetup WHERE Field = ?)");
    c.execute(setting, {QStringLiteral("CLNHIMedicinesRev"), QStringLiteral("NM"), QStringLiteral("CLNHIMedicinesRev")});
    c.execute(setting, {QStringLiteral("CLNHISuppliesRev"), QStringLiteral("NU"), QStringLiteral("CLNHISuppliesRev")});
    const QString revenue = QStringLiteral("INSERT INTO BUILD_FILE..tbCoRevenueCode (RevenueID, ItemName, LocationID, StockCardRevenueID, "
                                           "Status) SELECT ?, ?, ?, ?, 'A' "
                                           "WHERE NOT EXISTS (SELECT 1 FROM BUILD_FILE..tbCoRevenueCode WHERE RevenueID = ?)");
    c.execute(revenue, {QStringLiteral("NM"), QStringLiteral("NHI MEDICINES"), QStringLiteral("20"), QStringLiteral("PH"), QStringLiteral("NM")});
    c.execute(revenue, {QStringLiteral("NU"), QStringLiteral("NHI SUPPLIES"), QStringLiteral("21"), QStringLiteral("CS"), QStringLiteral("NU")});
    const QString code = QStringLiteral("INSERT INTO STATION..tbCLChargingCodes (RevenueID, Description, Status) SELECT ?, ?, 'A' "
                                        "WHERE NOT EXISTS (SELECT 1 FROM STATION..tbCLChargingCodes WHERE RevenueID = ?)");
    c.execute(code, {QStringLiteral("NM"), QStringLiteral("NHI MEDICINES"), QStringLiteral("NM")});
    c.execute(code, {QStringLiteral("NU"), QStringLiteral("NHI SUPPLIES"), QStringLiteral("NU")});

    const QString service = QStringLiteral(
        "INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, RateA, RateB, RateC, RateD, "
        "RateE, RateF, RateG, RateH, CathOverTimeRate, CathOnCallRate, FixRate, Status) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, NULL, NULL, 'Y', 'A') ON CONFLICT DO NOTHING");
    c.execute(service, QVariantList{"CP", "CP103", "CONSIGNED BALLOON CATHETER PACKAGE"} + DemoData::ClassRates(42000));
    c.execute(service, QVariantList{"EQ", "EQ001", "INTRA-AORTIC BALLOON PUMP USE"} + DemoData::ClassRates(15000));
    c.execute(service, QVariantList{"EQ", "EQ002", "TEMPORARY PACEMAKER GENERATOR USE"} + DemoData::ClassRates(6500));
    c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLEquipmentPackage (PackageCode, Description) VALUES "
                             "('EQ001', 'INTRA-AORTIC BALLOON PUMP') ON CONFLICT DO NOTHING"));
    // consigned stock of the medicine used under consigned packages
    c.execute(QStringLiteral("INSERT INTO INVENTORY..tbInvLocationStock (LocationID, ItemID, OnHand, ReorderLevel) "
                             "SELECT '36', 'MED0201', 40, 5 WHERE NOT EXISTS "
                             "(SELECT 1 FROM INVENTORY..tbInvLocationStock WHERE LocationID = '36' AND ItemID = 'MED0201')"));

    c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLMarkUp (MarkUpID, MarkUpName, MarkUp) VALUES "
                             "('01', 'STANDARD CONSIGNMENT MARK-UP', 1.10), ('02', 'IMPORTED DEVICE MARK-UP', 1.25), "
                             "('03', 'EMERGENCY PROCUREMENT MARK-UP', 1.40)"));
}

} // namespace

CATHLAB_DEMO_SECTION(436, "charging: item panels of consigned and equipment packages, consigned mark-ups", chargePanels,
                     "CLINICAL_AREA..tbCLMarkUp");
