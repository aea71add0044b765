#include "shared/inventory/CreditMemo.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "shared/modGlobals.h"

namespace {
bool creditMemoUsed(Connection& conn, const QString& cmNumber)
{
    Recordset rs = conn.query(QStringLiteral("SELECT IdNum FROM INVENTORY..tbInvStockCard WHERE CreditMemoNum = ?"),
                              {cmNumber.trimmed()});
    return rs.recordCount() > 0;
}
}

void EraseCreditMemo(Connection& c, const QString& userID, const QString& idNum, const QString& cmNumber)
{
    c.callNamed(QStringLiteral("Inventory.dbo.Pharma_EraseCM"),
                                 {{QStringLiteral("@strID"), userID},
                                  {QStringLiteral("@strIdNum"), idNum},
                                  {QStringLiteral("@strRefNum"), cmNumber}});
}

void AppendCreditMemo(Connection& c, const QString& userID, const QString& cmNumber, const QString& description, double quantity,
                      double amount, const QString& chargeSlip, int qtyIssued, const QString& idNum)
{
    // "@monQuantity" carries the amount of the line, in spite of its name.
    c.callNamed(QStringLiteral("Inventory.dbo.Pharma_AppendCM"),
                                 {{QStringLiteral("@strUserID"), userID},
                                  {QStringLiteral("@strRefNum"), cmNumber},
                                  {QStringLiteral("@strDescription"), description.left(90)},
                                  {QStringLiteral("@intQuantity"), quantity},
                                  {QStringLiteral("@monQuantity"), amount},
                                  {QStringLiteral("@strChargeSlip"), chargeSlip},
                                  {QStringLiteral("@intQtyIssued"), qtyIssued},
                                  {QStringLiteral("@strIdNum"), idNum}});
}

bool IsCreditMemoUsed(Connection& c, const QString& cmNumber)
{
    return creditMemoUsed(c, cmNumber);
}

QString TakeCreditMemoNumber(Connection& conn)
{
    if (!conn.inTransaction())
        throw DbError(QStringLiteral("A credit memo number can only be taken inside the save's transaction."));
    for (;;) {
        const qint64 n = takeNextNumber(conn, QStringLiteral("INVENTORY..tbInvSlipCounter"), QStringLiteral("LastNumber"),
                                        QStringLiteral("CounterID"), QStringLiteral("CREDITMEMO"));
        const QString number = QString::number(n);
        if (!creditMemoUsed(conn, number)) return number;
    }
}
