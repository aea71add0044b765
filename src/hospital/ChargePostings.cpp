#include "hospital/ChargePostings.h"

#include "platform/db/Connection.h"
#include "platform/text/AdmissionNumber.h"

void InsertBillingLine(Connection& c, const BillingLine& l)
{
    // admission numbers typed in lower case still belong to an out-patient visit
    const QString id = l.IDNum.trimmed();
    if (IsOutPatientNumber(id.toUpper())) {
        c.execute(QStringLiteral("INSERT INTO BILLING..tbBillOPDailyOut (HospNum, IDNum, TransDate, RevenueID, DrCr, ItemID, Quantity, "
                                 "Refnum, ChargeSlip, Amount, UserID, RoomID, requestdocid, Arcode, DoctorName) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {l.HospNum.trimmed(), id, l.TransDate, l.RevenueID.trimmed(), l.DrCr, l.ItemID.trimmed(), l.Quantity,
                   l.RefNum.trimmed(), l.RefNum.trimmed(), l.Amount, l.UserID, l.RoomID, l.RequestDocID, l.ARCode, l.DoctorName});
        return;
    }
    c.execute(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, TransDate, RevenueID, DrCr, ItemID, Quantity, Refnum, Amount, "
                             "UserID, RoomID, requestdocid, Arcode, DoctorName) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              {id, l.TransDate, l.RevenueID.trimmed(), l.DrCr, l.ItemID.trimmed(), l.Quantity, l.RefNum.trimmed(), l.Amount,
               l.UserID, l.RoomID, l.RequestDocID, l.ARCode, l.DoctorName});
}

QString ConsignedPackageNameSql(const QString& itemColumn)
{
    return QStringLiteral("(SELECT P.OtherRevenue FROM BUILD_FILE..TBCOOTHERREVENUE P JOIN CLINICAL_AREA..tbCLOtherPackageLink K "
                          "ON K.NurseItemCode = P.OtherRevenueID WHERE P.OtherRevenueID = %1 LIMIT 1)")
        .arg(itemColumn);
}

void AddChargeSlipLine(Connection& c, const QString& slip, const QString& revenueID, const QString& itemID,
                       const QString& description, double quantity, double amount)
{
    c.execute(QStringLiteral("INSERT INTO STATION..tbCLChargePrint (ChargeSlip, RevenueID, ItemID, Description, Quantity, Amount) "
                             "VALUES (?, ?, ?, ?, ?, ?)"),
              {slip.trimmed(), revenueID, itemID, description, quantity, amount});
}
