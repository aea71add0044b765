// Stand-ins of the STATION procedures that the charging look-ups call.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Arguments: department, system, mode. The department's AR code (ARCode) for that system and mode.
Recordset getARCodes(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT ARCode FROM STATION..tbNurseARCodes WHERE RevenueID = ? AND SystemID = ? "
                                  "AND TransMode = ?"),
                   {a.text(0), a.text(1), a.text(2)});
}

// Argument: an item code. A row when the item is on the national formulary list.
Recordset checkIfPNF(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT ItemID FROM INVENTORY..tbInvPNFList WHERE ItemID = ?"), {a.text(0)});
}

} // namespace

CATHLAB_PROCEDURE("STATION..sp_Get_ARCodes", getARCodes);
CATHLAB_PROCEDURE("Station..CheckIfPNF", checkIfPNF);
