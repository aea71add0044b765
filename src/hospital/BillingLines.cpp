#include "hospital/BillingLines.h"

#include "platform/db/Connection.h"
#include "platform/text/AdmissionNumber.h"

void AppendBillingLine(Connection& c, const BillingLine& l)
{
    if (IsOutPatientNumber(l.idNum))
        c.execute(QStringLiteral("INSERT INTO BILLING..tbBillOPDailyOut (HospNum, IDNum, TransDate, RevenueID, DrCr, ItemID, Quantity, "
                                 "Refnum, ChargeSlip, Amount, UserID, RoomID, Arcode) VALUES (?, ?, ?, ?, 'D', ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {l.hospNum, l.idNum, l.when, l.revenueID, l.itemID, l.quantity, l.chargeSlip, l.chargeSlip, l.amount, l.userID,
                   l.roomID, l.arCode});
    else
        c.execute(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, TransDate, RevenueID, DrCr, ItemID, Quantity, Refnum, "
                                 "Amount, UserID, RoomID, Arcode) VALUES (?, ?, ?, 'D', ?, ?, ?, ?, ?, ?, ?)"),
                  {l.idNum, l.when, l.revenueID, l.itemID, l.quantity, l.chargeSlip, l.amount, l.userID, l.roomID, l.arCode});
}
