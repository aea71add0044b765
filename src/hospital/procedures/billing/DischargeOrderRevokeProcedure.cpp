// Stand-in of the billing office's revoke of a discharge order.
#include "hospital/procedures/RowsAffected.h"
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Arguments: admission number, user, reason. Revokes the order unless it is revoked already.
Recordset revokeHBPS(Connection& c, const ProcedureArgs& a)
{
    return RowsAffected(c.execute(QStringLiteral("UPDATE STATION..TBNURSEDISCHARGENOTICE SET RecordStatus = 'R', RevokedBy = ?, "
                                                "RevokeDate = GETDATE(), RevokeReason = ? "
                                                "WHERE IDNum = ? AND COALESCE(RecordStatus, '') <> 'R'"),
                                 {a.text(1), a.text(2), a.text(0).trimmed()}));
}

} // namespace

CATHLAB_PROCEDURE("Billing..sp_Billing_RevokeHBPS", revokeHBPS);
