// Stand-in of the CLINICAL_AREA procedure that tells whether a package is already charged.
#include "hospital/StayTables.h"
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Arguments: admission, package code, section. The net amount of the package's charges to the
// admission under that section (Amount, null when never charged); revocations post negative lines.
// A package is billed under the code it was charged by: its own code (the package picker) or an
// item linked to it (typed), so the lines of every code of the same package count.
Recordset checkPackageAlreadyCharged(Connection& c, const ProcedureArgs& a)
{
    const QString idNum = a.text(0), code = a.text(1);
    const QString links = QStringLiteral("SELECT PackageCode, NurseItemCode FROM STATION..tbCLPackage_CodeLink UNION "
                                         "SELECT PackageCode, NurseItemCode FROM CLINICAL_AREA..tbCLOtherPackageLink");
    const Recordset related = c.query(QStringLiteral("SELECT L.PackageCode, L.NurseItemCode FROM (%1) L WHERE L.PackageCode IN "
                                                     "(SELECT K.PackageCode FROM (%1) K WHERE K.PackageCode = ? OR K.NurseItemCode = ?)")
                                          .arg(links),
                                      {code, code});
    QVariantList params{idNum, a.text(2), code};
    QStringList marks{QStringLiteral("?")};
    for (int r = 0; r < related.recordCount(); ++r)
        for (int f = 0; f < 2; ++f) {
            params << DbValue::text(related.valueAt(r, f));
            marks << QStringLiteral("?");
        }
    return c.query(QStringLiteral("SELECT SUM(Amount) AS Amount FROM %1 WHERE IDNum = ? AND RevenueID = ? AND ItemID IN (%2)")
                       .arg(StayTables::Of(idNum).charges, marks.join(QStringLiteral(", "))),
                   params);
}

} // namespace

CATHLAB_PROCEDURE("Clinical_Area..CLCheckPackageAlreadyCharged", checkPackageAlreadyCharged);
