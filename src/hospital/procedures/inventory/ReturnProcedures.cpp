// Stand-ins of the INVENTORY procedures the returns read: the unit amount of an issue and the
// lines of a credit memo for its slip.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Arguments: charge slip, item. The unit amount the item was issued at under that slip (Amount);
// no row when the slip holds no issue of it.
Recordset actualAmount(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT ABS(Amount) * 1.0 / -Quantity AS Amount FROM INVENTORY..tbInvStockCard "
                                  "WHERE RefNum = ? AND ItemID = ? AND Quantity < 0 ORDER BY SequenceNumber LIMIT 1"),
                   {a.text(0).trimmed(), a.text(1).trimmed()});
}

// Arguments: admission, credit memo. One row per stock-card line of the memo (ItemID, Quantity,
// Amount, REFNUM the charge slip it came back under), with who issued the items of that slip
// (DispenserName) and who entered the return (Encoder).
Recordset creditMemoPrint(Connection& c, const ProcedureArgs& a)
{
    return c.query(
        QStringLiteral("SELECT S.ItemID, S.Quantity, ABS(S.Amount) AS Amount, S.RefNum AS REFNUM, "
                       "COALESCE((SELECT U.LastName || ', ' || U.FirstName FROM INVENTORY..tbInvStockCard I "
                       "  JOIN PASSWORD..tbPasswordMain U ON U.EmployeeID = I.UserID "
                       "  WHERE I.IDNum = S.IDNum AND I.RefNum = S.RefNum AND I.ItemID = S.ItemID AND I.Quantity < 0 "
                       "  ORDER BY I.SequenceNumber LIMIT 1), '') AS DispenserName, "
                       "COALESCE(E.LastName || ', ' || E.FirstName, S.UserID) AS Encoder "
                       "FROM INVENTORY..tbInvStockCard S LEFT OUTER JOIN PASSWORD..tbPasswordMain E ON E.EmployeeID = S.UserID "
                       "WHERE S.IDNum = ? AND S.CreditMemoNum = ? ORDER BY S.SequenceNumber"),
        {a.text(0).trimmed(), a.text(1).trimmed()});
}

} // namespace

CATHLAB_PROCEDURE("INVENTORY..Pharma_GetActualAmount", actualAmount);
CATHLAB_PROCEDURE("Inventory.dbo.Pharma_GetCMPrint", creditMemoPrint);
