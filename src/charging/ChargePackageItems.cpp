#include "charging/ChargePackageItems.h"

#include "charging/ChargeRevocation.h"
#include "charging/ChargeSave.h"
#include "components/Drugs.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "shared/inventory/InventoryLookups.h"

namespace {

QList<UsedItem> usedItems(Connection& c, const Recordset& rs)
{
    QList<UsedItem> items;
    for (int r = 0; r < rs.recordCount(); ++r) {
        UsedItem u;
        u.usedID = DbValue::text(rs.valueAt(r, 0)).trimmed();
        u.revenue = DbValue::text(rs.valueAt(r, 1));
        u.item = DbValue::text(rs.valueAt(r, 2));
        u.description = DbValue::text(rs.valueAt(r, 3));
        u.quantity = DbValue::toDouble(rs.valueAt(r, 4));
        u.amount = DbValue::toDouble(rs.valueAt(r, 5));
        u.sequenceNo = DbValue::text(rs.valueAt(r, 6)).trimmed();
        // the location the save issued from; a list without it: the department's own
        u.location = rs.fieldCount() > 7 ? DbValue::text(rs.valueAt(r, 7)).trimmed()
                                         : LoadRevenueLocation(c, u.revenue).value_or(QString());
        items << u;
    }
    return items;
}

// The item back at the location it was issued from, the quantity the save issued; its section.
QString returnToStock(Connection& c, const ChargeRevocation::Reversal& r, const UsedItem& u)
{
    StockCardLine back;
    back.ItemID = u.item.trimmed();
    back.TransDate = r.when;
    back.RefNum = r.charge.slip;
    back.Quantity = -u.quantity;
    back.UserID = r.userID;
    back.LocationID = u.location;
    back.RoomID = r.room;
    back.StockSection = StockSectionOf(c, u.location);
    back.PatientType = r.patientType;
    back.Reversal = true;
    AppendStockCardLine(c, back);
    return back.StockSection;
}

// Every used item that was issued from stock goes back, once: its use is marked returned.
void revokePanelItems(Connection& c, const ChargeRevocation::Reversal& r, const QList<UsedItem>& used)
{
    for (const UsedItem& u : used) {
        if (u.item.trimmed().isEmpty() || u.location.isEmpty()) continue;
        returnToStock(c, r, u);
        c.execute(QStringLiteral("UPDATE CLINICAL_AREA..tbCLPanelUsedItems SET RecordStatus = 'R' WHERE UsedID = ?"),
                  {u.usedID.toLongLong()});
    }
}

} // namespace

QString StockSectionOf(Connection& c, const QString& location)
{
    return GetInventoryType(c, location) == QLatin1String("C") ? QStringLiteral("CS") : QStringLiteral("PH");
}

void PostPanelItems(Connection& c, PanelKind kind, const QList<PanelItemLine>& items, const PanelPosting& at)
{
    for (const PanelItemLine& l : items) {
        StockCardLine line;
        line.ItemID = l.item;
        line.TransDate = at.when;
        line.RefNum = at.slip;
        line.Quantity = l.quantity;
        line.UserID = at.userId;
        line.LocationID = l.location;
        line.RoomID = at.room;
        line.StockSection = StockSectionOf(c, l.location);
        line.PatientType = at.patientType;
        AppendStockCardLine(c, line);
        c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLPanelUsedItems (RefNum, PanelKind, RevenueID, ItemID, Description, "
                                 "Quantity, Amount, LocationID, StockSection, TransDate, UserID, RecordStatus) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'X')"),
                  {at.slip.trimmed(), kind == PanelKind::Consigned ? QStringLiteral("C") : QStringLiteral("E"), l.dept.trimmed(),
                   l.item.trimmed(), l.description, l.quantity, l.amount, l.location.trimmed(), line.StockSection, at.when, at.userId});
    }
}

QList<UsedItem> LoadPackageUsedItems(Connection& c, const QString& idNum, const QString& slip, const QString& packageItem)
{
    return usedItems(c, c.call(QStringLiteral("CLINICAL_AREA..Get_PackageUsedItems"), {idNum, slip, packageItem}));
}

QList<UsedItem> LoadUsedConsignedItems(Connection& c, const QString& slip)
{
    return usedItems(c, c.call(QStringLiteral("CLINICAL_AREA..Get_UsedConsignedItems"), {slip}));
}

QList<UsedItem> LoadUsedIncludedItems(Connection& c, const QString& slip)
{
    return usedItems(c, c.call(QStringLiteral("CLINICAL_AREA..Get_UsedEquipmentItems"), {slip}));
}

namespace ChargeRevocation {

// Each item of the package: back to stock and billed back when it was a stock item; tagged with
// the package on the stock card and the ward log book, marked revoked in the department's log
// book; then the package's case marked revoked. An empty list row updates nothing.
void RevokePackage(Connection& c, const Reversal& r)
{
    const QString package = r.charge.item.trimmed(), slip = r.charge.slip.trimmed();
    for (const UsedItem& u : LoadPackageUsedItems(c, r.idNum, r.charge.slip, r.charge.item)) {
        const QString item = u.item.trimmed();
        if (item.isEmpty()) continue;
        if (!u.location.isEmpty()) {
            const QString section = returnToStock(c, r, u);
            c.call(QStringLiteral("Station..sp_Nurse_Append_tbBillAdjustInfo"),
                   {r.idNum.trimmed(), section, item, -u.amount, r.userID.trimmed(), -u.quantity, r.charge.slip, r.reason.trimmed()});
        }
        c.execute(QStringLiteral("UPDATE INVENTORY..tbInvStockCard SET PackageID = ? WHERE RefNum = ? AND ItemID = ? "
                                 "AND COALESCE(PackageID, '') = ''"),
                  {package, slip, item});
        c.execute(QStringLiteral("UPDATE STATION..tbNurseLogbook SET PackageID = ? WHERE ReferenceNum = ? AND ItemID = ? "
                                 "AND COALESCE(PackageID, '') = ''"),
                  {package, slip, item});
        if (!u.sequenceNo.isEmpty())
            c.execute(QStringLiteral("UPDATE CLINICAL_AREA..tbCathLabLogBook SET RecordStatus = 'R' WHERE LogID = ?"),
                      {u.sequenceNo.toLongLong()});
    }
    c.execute(QStringLiteral("UPDATE CLINICAL_AREA..tbCathLabMaster SET RequestStatus = 'R' WHERE RefNum = ? AND ItemID = ?"),
              {slip, package});
}

void RevokeConsignedItems(Connection& c, const Reversal& r) { revokePanelItems(c, r, LoadUsedConsignedItems(c, r.charge.slip)); }

void RevokeIncludedItems(Connection& c, const Reversal& r) { revokePanelItems(c, r, LoadUsedIncludedItems(c, r.charge.slip)); }

} // namespace ChargeRevocation
