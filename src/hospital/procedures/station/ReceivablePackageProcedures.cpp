// Stand-ins of the STATION procedures that only the receivable update calls: the package stock
// items a late charge did not use, recorded with its charge slip.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"
#include "platform/text/Format.h"

namespace {

// Arguments: admission number, package, revenue code, summary code, quantity, amount, location,
// user, charge slip, item. One unused item of the package, kept with the slip that left it unused;
// the item comes last so that callers of the nine-argument form still reach the same fields.
Recordset savePackageItemsUnused(Connection& c, const ProcedureArgs& a)
{
    c.execute(QStringLiteral("INSERT INTO STATION..tbCLPackageItemsUnused (IDNum, PackageID, RevenueID, SummaryCode, ItemID, Quantity, "
                             "Amount, LocationID, UserID, ChargeSlip, TransDate) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              {a.text(0).trimmed(), a.text(1).trimmed(), a.text(2).trimmed(), a.text(3).trimmed(), a.text(9).trimmed(),
               Fmt::val(a.text(4)), Fmt::val(a.text(5)), a.text(6).trimmed(), a.text(7), a.text(8).trimmed(), c.serverDateTime()});
    return Recordset();
}

} // namespace

CATHLAB_PROCEDURE("STATION..sp_Save_PackageItems_Unused", savePackageItemsUnused);
