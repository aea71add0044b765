#include "shared/inventory/InventoryLookups.h"

#include "platform/db/Connection.h"
#include "platform/text/Format.h"
#include "platform/ui/FlexGrid.h"
#include "shared/modGlobals.h"

QString GetARCode(Connection& c, const QString& code, const QString& systemID, const QString& mode)
{
    Recordset rs = c.call(QStringLiteral("STATION..sp_Get_ARCodes"),
                                           {code.trimmed(), systemID.trimmed(), mode.trimmed()});
    return rs.isEmpty() ? QString() : rs.text(QStringLiteral("ARCode"));
}

std::optional<QString> LoadRevenueLocation(Connection& c, const QString& revenueID)
{
    Recordset rs = c.query(
        QStringLiteral("SELECT COALESCE(LocationID,'') AS LocationID FROM BUILD_FILE..tbCoRevenueCode "
                       "WHERE RevenueID = ?"),
        {revenueID.trimmed()});
    const QString location = rs.isEmpty() ? QString() : rs.text(QStringLiteral("LocationID"));
    if (location.isEmpty()) return std::nullopt;
    return location;
}

QString GetInventoryType(Connection& c, const QString& locationID)
{
    Recordset rs = c.query(
        QStringLiteral("SELECT COALESCE(InventoryType,'') AS InventoryType FROM INVENTORY..tbInvLocation "
                       "WHERE LocationID = ? LIMIT 1"),
        {locationID.trimmed()});
    QString type = rs.isEmpty() ? QString() : rs.text(QStringLiteral("InventoryType"));
    if (!type.trimmed().isEmpty()) return type;
    if (GetStockCardRevenueID(c, locationID) == QLatin1String("CS")) type = QStringLiteral("C");
    if (GetStockCardRevenueID(c, locationID) == QLatin1String("PH")) type = QStringLiteral("P");
    return type;
}

QString GetStockCardRevenueID(Connection& c, const QString& locationID)
{
    Recordset rs = c.query(
        QStringLiteral("SELECT COALESCE(StockCardRevenueID,'') AS StockCardRevenueID FROM BUILD_FILE..tbCoRevenueCode "
                       "WHERE LocationID = ? ORDER BY RevenueID LIMIT 1"),
        {locationID.trimmed()});
    return rs.isEmpty() ? QString() : rs.text(QStringLiteral("StockCardRevenueID"));
}

int GetDrugOnHand(Connection& c, const QString& locationID, const QString& itemID)
{
    Recordset rs = c.call(QStringLiteral("INVENTORY..Drug_Invent"), {locationID, itemID});
    return rs.isEmpty() ? 0 : int(Fmt::roundHalfEven(rs.toDouble(QStringLiteral("OnHand"))));
}

QString GetLabSectionID(Connection& c, const QString& labExamID)
{
    Recordset rs = c.query(
        QStringLiteral("SELECT COALESCE(LabSectionID,'') AS LabSectionID FROM BUILD_FILE..tbCoLabExam "
                       "WHERE LabExamID = ?"),
        {labExamID});
    return rs.isEmpty() ? QString() : rs.text(QStringLiteral("LabSectionID")).trimmed();
}

QString GetRevenueItemName(Connection& c, const QString& revenueID)
{
    Recordset rs = c.query(
        QStringLiteral("SELECT ItemName FROM BUILD_FILE..tbCoRevenueCode WHERE RevenueID = ? LIMIT 1"), {revenueID});
    return rs.isEmpty() ? QString() : rs.text(QStringLiteral("ItemName"));
}

bool IsPharmacyRevenue(Connection& c, const QString& revenueID)
{
    Recordset rs = c.query(
        QStringLiteral("SELECT 1 AS IsPharmacy FROM BUILD_FILE..tbCoRevenueCode "
                       "WHERE RevenueID = ? AND StockCardRevenueID = 'PH'"),
        {revenueID});
    return !rs.isEmpty();
}

bool IsPNFItem(Connection& c, const QString& itemID)
{
    return !c.call(QStringLiteral("Station..CheckIfPNF"), {itemID}).isEmpty();
}

bool IsRefNumPosted(Connection& c, const QString& refNum)
{
    const QString n = refNum.trimmed();
    Recordset rs = c.query(
        QStringLiteral("SELECT RefNum FROM BILLING..tbBillDailyBill WHERE RefNum = ? "
                       "UNION ALL SELECT RefNum FROM BILLING..tbBillOPDailyOut WHERE RefNum = ? "
                       "UNION ALL SELECT RefNum FROM BILLING..tbBillOPDailyOut WHERE ChargeSlip = ? "
                       "UNION ALL SELECT RefNum FROM INVENTORY..tbInvStockCard WHERE RefNum = ?"),
        {n, n, n, n});
    return !rs.isEmpty();
}

bool GridHasOR(const FlexGrid& grid)
{
    for (int r = 1; r < grid.Rows(); ++r)
        if (grid.TextMatrix(r, 1).trimmed() == QLatin1String("OR")) return true;
    return false;
}
