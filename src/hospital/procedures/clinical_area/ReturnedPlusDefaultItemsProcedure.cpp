// Stand-in of the CLINICAL_AREA procedure that lists a charged package's items with the ones
// recorded as returned.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Arguments: admission, charge slip, package code, patient type ("O" the cash out-patient price,
// anything else the in-patient price). One row per active item of the package in line order:
// 0 empty, 1 department, 2 item, 3 description, 4 quantity, 5 unit price, 6 amount, 7 "1" when the
// item is recorded as returned for that admission and slip, else "0". No package: no rows.
Recordset returnedPlusDefaultItems(Connection& c, const ProcedureArgs& a)
{
    const bool cash = a.text(3).trimmed().toUpper() == QLatin1String("O");
    return c.query(QStringLiteral("SELECT '' AS Mark, i.RevenueID, i.ItemID, COALESCE(i.Description, '') AS Description, i.Quantity, "
                                  "COALESCE(CASE WHEN ? = 1 THEN i.PriceOut ELSE i.PriceIn END, 0) AS UnitPrice, "
                                  "i.Quantity * COALESCE(CASE WHEN ? = 1 THEN i.PriceOut ELSE i.PriceIn END, 0) AS Amount, "
                                  "CASE WHEN EXISTS (SELECT 1 FROM CLINICAL_AREA..tbCLReturnedItems r WHERE r.IDNum = ? AND r.RefNum = ? "
                                  "AND r.ItemID = i.ItemID AND r.RevenueID = i.RevenueID) THEN '1' ELSE '0' END AS ForReturn "
                                  "FROM CLINICAL_AREA..tbCLPackageItems i WHERE i.PackageCode = ? AND COALESCE(i.Status, 'A') = 'A' "
                                  "ORDER BY i.LineNo, i.LineID"),
                   {cash ? 1 : 0, cash ? 1 : 0, a.text(0).trimmed(), a.text(1).trimmed(), a.text(2).trimmed()});
}

} // namespace

CATHLAB_PROCEDURE("CLINICAL_AREA..CLReturnedPlusDefaultItems", returnedPlusDefaultItems);
