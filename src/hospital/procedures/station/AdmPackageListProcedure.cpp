// Stand-in of the STATION procedure that lists the packages the department may charge.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Argument: listing mode (the callers pass 12; every mode lists the same packages). One row per
// package the department may charge, by code: 0 package code, 1 description, 2 gross amount (the
// in-patient price of its active items).
Recordset admPackages(Connection& c, const ProcedureArgs&)
{
    return c.query(QStringLiteral("SELECT p.PackageID, COALESCE(p.Package, '') AS Package, "
                                  "COALESCE((SELECT SUM(i.Quantity * COALESCE(i.PriceIn, 0)) FROM CLINICAL_AREA..tbCLPackageItems i "
                                  "WHERE i.PackageCode = p.PackageID AND COALESCE(i.Status, 'A') = 'A'), 0) AS Gross "
                                  "FROM BUILD_FILE..tbCoAdmPackage p WHERE p.CLActive = 'Y' ORDER BY p.PackageID"));
}

} // namespace

CATHLAB_PROCEDURE("STATION..sp_Get_AdmPackages", admPackages);
