// Stand-in of the CLINICAL_AREA procedure that tells whether a package is already charged.
#include "hospital/StayTables.h"
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Arguments: admission, package code, section. The net amount of the package's charges to the
// admission under that section (Amount, null when never charged); revocations post negative lines.
Recordset checkPackageAlreadyCharged(Connection& c, const ProcedureArgs& a)
{
    const QString idNum = a.text(0);
    const QString table = StayTables::Of(idNum).charges;
    return c.query(QStringLiteral("SELECT SUM(Amount) AS Amount FROM %1 WHERE IDNum = ? AND ItemID = ? AND RevenueID = ?")
                       .arg(table),
                   {idNum, a.text(1), a.text(2)});
}

} // namespace

CATHLAB_PROCEDURE("Clinical_Area..CLCheckPackageAlreadyCharged", checkPackageAlreadyCharged);
