#include "receivables/ReceivablePackageItems.h"

#include "components/Drugs.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/text/Format.h"
#include "platform/ui/FlexGrid.h"
#include "shared/modGlobalsRoutines.h"

#include <QSet>

namespace {

// The remark that sets a package's own stock lines apart from the lines of items charged on their
// own rows under the same package code (those have a bill line and are revoked by themselves).
const QString kPackageIssue = QStringLiteral("PACKAGE ITEM");

QString cellText(const FlexGrid& g, int row, int col) { return g.TextMatrix(row, col); }

void writeRow(FlexGrid& g, int row, const PackageItemsRow& r)
{
    g.setTextMatrix(row, PackageItemsRow::RevenueID, r.revenueID);
    g.setTextMatrix(row, PackageItemsRow::SummaryCode, r.summaryCode);
    g.setTextMatrix(row, PackageItemsRow::ItemID, r.itemID);
    g.setTextMatrix(row, PackageItemsRow::Quantity, r.quantity);
    g.setTextMatrix(row, PackageItemsRow::Amount, r.amount);
    g.setTextMatrix(row, PackageItemsRow::LocationID, r.locationID);
    g.setTextMatrix(row, PackageItemsRow::PackageID, r.packageID);
}

QString numberText(const QVariant& v)
{
    const double n = DbValue::toDouble(v);
    return n == double(qint64(n)) ? QString::number(qint64(n)) : QString::number(n, 'g', 15);
}

} // namespace

void SetUpPackageGrid(FlexGrid& g)
{
    g.setRows(2);
    g.setCols(PackageItemsRow::ColumnCount);
    g.setFixedRows(1);
    g.setFixedCols(1);
    ClearPackageGrid(g);
    g.setVisible(false);
}

PackageItemRows PackageGridRows(const FlexGrid& g)
{
    PackageItemRows rows;
    if (g.Cols() < PackageItemsRow::ColumnCount) return rows;
    for (int r = 1; r < g.Rows(); ++r) {
        if (cellText(g, r, PackageItemsRow::RevenueID).trimmed().isEmpty()) continue;
        rows << PackageItemsRow{cellText(g, r, 1), cellText(g, r, 2), cellText(g, r, 3), cellText(g, r, 4),
                                cellText(g, r, 5), cellText(g, r, 6), cellText(g, r, 7)};
    }
    return rows;
}

void ClearPackageGrid(FlexGrid& g)
{
    g.setRows(2);
    for (int col = 0; col < g.Cols(); ++col) g.setTextMatrix(1, col, QString());
}

void AppendPackageGridRows(FlexGrid& g, const PackageItemRows& rows)
{
    for (const PackageItemsRow& r : rows) {
        int row = 1;
        if (!cellText(g, 1, PackageItemsRow::RevenueID).trimmed().isEmpty()) {
            g.setRows(g.Rows() + 1);
            row = g.Rows() - 1;
        }
        writeRow(g, row, r);
    }
}

bool IsPackageRevenue(Connection& c, const QString& revenueID)
{
    return !c.query(QStringLiteral("SELECT 1 AS Found FROM BUILD_FILE..tbCoRevenueCode WHERE RevenueID = ? AND Ispackage = 1"),
                    {revenueID.trimmed()})
                .isEmpty();
}

PackageItemRows ReadPackageStockItems(Connection& c, const QString& packageCode)
{
    const Recordset rs = c.query(QStringLiteral("SELECT RevenueID, SummaryCode, ItemID, Quantity, COALESCE(Amount, 0) AS Amount, "
                                                "LocationID, PackageID FROM BUILD_FILE..tbCoPackageItems "
                                                "WHERE PackageID = ? AND COALESCE(LocationID, '') <> '' ORDER BY PackageItemID"),
                                 {packageCode.trimmed()});
    PackageItemRows rows;
    for (int r = 0; r < rs.recordCount(); ++r) {
        for (int f = 0; f < rs.fieldCount(); ++f)
            if (rs.valueAt(r, f).isNull())
                throw DbError(QStringLiteral("Item %1 of package %2 lacks its %3.").arg(r + 1).arg(packageCode.trimmed(), rs.fieldNames().value(f)));
        auto text = [&](int f) { return DbValue::text(rs.valueAt(r, f)).trimmed(); };
        rows << PackageItemsRow{text(0), text(1), text(2), numberText(rs.valueAt(r, 3)), numberText(rs.valueAt(r, 4)), text(5),
                                text(6)};
    }
    return rows;
}

void Check_If_Package(Connection& c, const QString& revenueID, const QString& itemCode, FlexGrid& grid)
{
    try {
        if (!IsPackageRevenue(c, revenueID)) return;
        AppendPackageGridRows(grid, ReadPackageStockItems(c, itemCode));
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void Remove_PackageItems(Connection& c, const QString& revenueID, const QString& itemCode, FlexGrid& grid)
{
    if (!IsPackageRevenue(c, revenueID)) return;
    const QString package = itemCode.trimmed();
    for (int r = grid.Rows() - 1; r >= 1; --r) {
        if (cellText(grid, r, PackageItemsRow::PackageID).trimmed() != package) continue;
        if (grid.Rows() > 2) grid.removeRow(r);
        else for (int col = 1; col < grid.Cols(); ++col) grid.setTextMatrix(r, col, QString());
    }
}

bool HasPackageEntryRows(const ReceivableEntryRows& rows)
{
    for (const ReceivableEntryRow& r : rows)
        if (r.isPackageRow()) return true;
    return false;
}

PackageItemsOfSave SortPackageItems(const PackageItemRows& grid, const ReceivableEntryRows& rows)
{
    QSet<QString> typed, picked, pickedItems;
    for (const ReceivableEntryRow& r : rows) {
        typed.insert(r.itemCode.trimmed());
        if (!r.isPackageRow()) continue;
        picked.insert(r.packageCode.trimmed());
        pickedItems.insert(r.packageCode.trimmed() + QLatin1Char('\n') + r.itemCode.trimmed());
    }
    PackageItemsOfSave out;
    for (const PackageItemsRow& item : grid) {
        const QString package = item.packageID.trimmed();
        if (picked.contains(package)) {
            if (!pickedItems.contains(package + QLatin1Char('\n') + item.itemID.trimmed())) out.unused << item;
        } else if (typed.contains(package)) {
            out.issued << item;
        }
    }
    return out;
}

void PostPackageStockItems(Connection& c, const PackageStockPosting& p, const QString& slip, const PackageItemRows& rows,
                           bool reversal)
{
    const double sign = reversal ? -1.0 : 1.0;
    for (const PackageItemsRow& r : rows) {
        StockCardLine line;
        line.HospNum = p.hospNum.trimmed();
        line.IDNum = p.idNum.trimmed();
        line.ItemID = r.itemID.trimmed();
        line.TransDate = p.when;
        line.RefNum = slip.trimmed();
        line.Quantity = sign * Fmt::val(r.quantity.trimmed());
        line.Amount = sign * Fmt::val(r.amount.trimmed());
        line.UserID = p.userId;
        line.LocationID = r.locationID.trimmed();
        line.RoomID = p.room.trimmed();
        line.StockSection = r.summaryCode.trimmed();
        line.PatientType = IsOutPatientNumber(p.idNum) ? QStringLiteral("O") : QStringLiteral("I");
        line.Reversal = reversal;
        const qint64 sequence = AppendStockCardLine(c, line);
        c.execute(QStringLiteral("UPDATE INVENTORY..tbInvStockCard SET PackageID = ?, Remarks = ? WHERE SequenceNumber = ?"),
                  {r.packageID.trimmed(), kPackageIssue, sequence});
    }
}

void SaveUnusedPackageItems(Connection& c, const QString& idNum, const QString& userId, const QString& slip,
                            const PackageItemRows& rows)
{
    for (const PackageItemsRow& r : rows)
        c.call(QStringLiteral("STATION..sp_Save_PackageItems_Unused"),
               {idNum.trimmed(), r.packageID.trimmed(), r.revenueID.trimmed(), r.summaryCode.trimmed(), r.quantity.trimmed(),
                r.amount.trimmed(), r.locationID.trimmed(), userId, slip, r.itemID.trimmed()});
}

PackageItemRows ReadIssuedPackageItems(Connection& c, const QString& idNum, const QString& slip, const QString& packageCode)
{
    // The stock card keeps an issue as a negative quantity and its amount as given; the package's
    // reversals bring both back.
    const Recordset rs = c.query(
        QStringLiteral("SELECT S.RevenueID, S.ItemID, S.LocationID, -SUM(S.Quantity) AS Quantity, SUM(S.Amount) AS Amount "
                       "FROM INVENTORY..tbInvStockCard S "
                       "WHERE S.IDNum = ? AND S.RefNum = ? AND S.PackageID = ? AND S.Remarks = ? "
                       "GROUP BY S.RevenueID, S.ItemID, S.LocationID HAVING SUM(S.Quantity) < 0 ORDER BY MIN(S.SequenceNumber)"),
        {idNum.trimmed(), slip.trimmed(), packageCode.trimmed(), kPackageIssue});
    PackageItemRows rows;
    for (int r = 0; r < rs.recordCount(); ++r)
    {
        // the stock card keeps the summary code under which the item was issued
        const QString section = rs.textAt(r, QStringLiteral("RevenueID")).trimmed();
        rows << PackageItemsRow{section, section, rs.textAt(r, QStringLiteral("ItemID")).trimmed(), numberText(rs.valueAt(r, 3)),
                                numberText(rs.valueAt(r, 4)), rs.textAt(r, QStringLiteral("LocationID")).trimmed(),
                                packageCode.trimmed()};
    }
    return rows;
}
