// Stand-ins of the INVENTORY procedures: stock on hand and the staging of credit memo prints.
// They run in the caller's transaction and never commit on their own.
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Procedures.h"

namespace {

// A named parameter the procedure declares; a missing one or a text longer than its declared size
// is refused, as the server refuses it.
QVariant param(const ProcedureArgs& a, const char* procedure, const char* name, int size = 0)
{
    const QVariant v = a.named_(QString::fromLatin1(name));
    if (!v.isValid())
        throw DbError(QStringLiteral("Procedure or function '%1' expects parameter '%2', which was not supplied.")
                          .arg(QLatin1String(procedure), QLatin1String(name)));
    if (size > 0 && DbValue::text(v).size() > size)
        throw DbError(QStringLiteral("String or binary data would be truncated: parameter '%1' of '%2' takes %3 characters.")
                          .arg(QLatin1String(name), QLatin1String(procedure)).arg(size));
    return v;
}

// Arguments: location, item. The item's stock on hand there (OnHand); no row when not listed.
Recordset drugInvent(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT OnHand FROM INVENTORY..tbInvLocationStock WHERE LocationID = ? AND ItemID = ?"),
                   {a.text(0), a.text(1)});
}

// @strID, @strIdNum, @strRefNum: removes the lines staged for that credit memo by that user.
Recordset eraseCM(Connection& c, const ProcedureArgs& a)
{
    const char* p = "Pharma_EraseCM";
    c.execute(QStringLiteral("DELETE FROM INVENTORY..tbInvCMPrint WHERE UserID = ? AND IDNum = ? AND RefNum = ?"),
              {DbValue::text(param(a, p, "@strID", 10)), DbValue::text(param(a, p, "@strIdNum", 10)),
               DbValue::text(param(a, p, "@strRefNum", 10))});
    return {};
}

// Stages one line of a credit memo for its print.
Recordset appendCM(Connection& c, const ProcedureArgs& a)
{
    const char* p = "Pharma_AppendCM";
    c.execute(QStringLiteral("INSERT INTO INVENTORY..tbInvCMPrint (UserID, RefNum, Description, Quantity, Amount, ChargeSlip, "
                             "QtyIssued, IDNum) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
              {DbValue::text(param(a, p, "@strUserID", 10)), DbValue::text(param(a, p, "@strRefNum", 10)),
               DbValue::text(param(a, p, "@strDescription", 90)), DbValue::toDouble(param(a, p, "@intQuantity")),
               DbValue::toDouble(param(a, p, "@monQuantity")), DbValue::text(param(a, p, "@strChargeSlip", 10)),
               int(DbValue::toLong(param(a, p, "@intQtyIssued"))), DbValue::text(param(a, p, "@strIdNum", 10))});
    return {};
}

} // namespace

CATHLAB_PROCEDURE("INVENTORY..Drug_Invent", drugInvent);
CATHLAB_PROCEDURE("Inventory.dbo.Pharma_EraseCM", eraseCM);
CATHLAB_PROCEDURE("Inventory.dbo.Pharma_AppendCM", appendCM);
