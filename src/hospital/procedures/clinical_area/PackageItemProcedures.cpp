// Stand-in of the CLINICAL_AREA procedure that lists the items of a package.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Arguments: package code, listing mode (the callers pass 12; every mode lists the same items),
// price class ("O" the cash out-patient price, anything else the in-patient price). One row per
// active item in line order, columns by position: 0 line number, 1 item code, 2 department code,
// 3 description, 4 quantity included, 5 the item's unit price, 6 stock location ('' for a service),
// 7 inclusion state ("1" included), 8 specimen, 9 laboratory section, 10 dosage ID.
Recordset packageItems(Connection& c, const ProcedureArgs& a)
{
    const bool cash = a.text(2).trimmed().toUpper() == QLatin1String("O");
    return c.query(QStringLiteral("SELECT LineNo AS LineMarker, ItemID, RevenueID, COALESCE(Description, '') AS Description, "
                                  "Quantity, COALESCE(CASE WHEN ? = 1 THEN PriceOut ELSE PriceIn END, 0) AS Price, "
                                  "COALESCE(LocationID, '') AS LocationID, '1' AS Included, '' AS SpecimenID, '' AS LabSectionID, "
                                  "COALESCE(DosageID, '') AS DosageID "
                                  "FROM CLINICAL_AREA..tbCLPackageItems "
                                  "WHERE PackageCode = ? AND COALESCE(Status, 'A') = 'A' ORDER BY LineNo, LineID"),
                   {cash ? 1 : 0, a.text(0).trimmed()});
}

} // namespace

CATHLAB_PROCEDURE("CLINICAL_AREA..CLGet_ADMPackage_Items", packageItems);
