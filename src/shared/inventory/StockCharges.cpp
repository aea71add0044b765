#include "shared/inventory/StockCharges.h"

#include "components/Drugs.h"
#include "hospital/ChargePostings.h"

qint64 PostStockCharge(Connection& c, const StockCardLine& card, const QString& revenueID, const QString& arCode)
{
    const qint64 sequence = AppendStockCardLine(c, card);
    BillingLine line;
    line.HospNum = card.HospNum.trimmed();
    line.IDNum = card.IDNum.trimmed();
    line.TransDate = card.TransDate;
    line.RevenueID = revenueID.trimmed();
    line.DrCr = QStringLiteral("D");
    line.ItemID = card.ItemID.trimmed();
    line.Quantity = card.Quantity;
    line.RefNum = card.RefNum.trimmed();
    line.Amount = card.Amount;
    line.UserID = card.UserID;
    line.RoomID = card.RoomID.trimmed();
    line.RequestDocID = card.RequestDocID;
    line.ARCode = arCode.trimmed();
    InsertBillingLine(c, line);
    return sequence;
}
