// Stand-in of the CLINICAL_AREA procedure that clears the items recorded as returned from a
// charged package.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Arguments: admission number, charge slip, acting user. Leaves no returned item recorded for that
// admission and slip.
Recordset deleteCurrentReturned(Connection& c, const ProcedureArgs& a)
{
    c.execute(QStringLiteral("DELETE FROM CLINICAL_AREA..tbCLReturnedItems WHERE IDNum = ? AND RefNum = ?"),
              {a.text(0).trimmed(), a.text(1).trimmed()});
    return Recordset();
}

} // namespace

CATHLAB_PROCEDURE("CLINICAL_AREA..CLDeleteCurrentReturned", deleteCurrentReturned);
