// Stand-ins of the CLINICAL_AREA procedures that list what was used under a charge, for its
// reversal: the items of a package (from the department's log book) and the items used under a
// consigned package or with an equipment charge (from the panel items the save issued). Every
// list has the same columns: key, revenue, item, description, quantity, amount, the log-book
// sequence number, and the stock location the save issued the item from ("" for none).
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Arguments: admission, slip, the package's item code. The package's items still posted.
Recordset packageUsedItems(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT L.LogID AS UsedID, L.RevenueID, L.ItemID, "
                                  "COALESCE(M.ItemName, O.OtherRevenue, L.ItemID) AS Description, L.Quantity, L.Amount, "
                                  "L.LogID AS SequenceNo, COALESCE(L.LocationID, '') AS LocationID "
                                  "FROM CLINICAL_AREA..tbCathLabLogBook L "
                                  "LEFT OUTER JOIN INVENTORY..TBINVMASTER M ON M.ItemID = L.ItemID "
                                  "LEFT OUTER JOIN BUILD_FILE..TBCOOTHERREVENUE O ON O.OtherSectionID = L.RevenueID "
                                  "AND O.OtherRevenueID = L.ItemID "
                                  "WHERE L.IDNum = ? AND L.RefNum = ? AND L.PackageID = ? AND COALESCE(L.RecordStatus, '') <> 'R' "
                                  "ORDER BY L.LogID"),
                   {a.text(0).trimmed(), a.text(1).trimmed(), a.text(2).trimmed()});
}

// Arguments: slip. The panel items of one kind the slip issued and that are not returned yet.
Recordset panelUsedItems(Connection& c, const ProcedureArgs& a, const QString& kind)
{
    return c.query(QStringLiteral("SELECT UsedID, RevenueID, ItemID, Description, Quantity, Amount, '' AS SequenceNo, "
                                  "COALESCE(LocationID, '') AS LocationID FROM CLINICAL_AREA..tbCLPanelUsedItems "
                                  "WHERE RefNum = ? AND PanelKind = ? AND COALESCE(RecordStatus, '') <> 'R' ORDER BY UsedID"),
                   {a.text(0).trimmed(), kind});
}

Recordset usedConsignedItems(Connection& c, const ProcedureArgs& a) { return panelUsedItems(c, a, QStringLiteral("C")); }
Recordset usedEquipmentItems(Connection& c, const ProcedureArgs& a) { return panelUsedItems(c, a, QStringLiteral("E")); }

} // namespace

CATHLAB_PROCEDURE("CLINICAL_AREA..Get_PackageUsedItems", packageUsedItems);
CATHLAB_PROCEDURE("CLINICAL_AREA..Get_UsedConsignedItems", usedConsignedItems);
CATHLAB_PROCEDURE("CLINICAL_AREA..Get_UsedEquipmentItems", usedEquipmentItems);
