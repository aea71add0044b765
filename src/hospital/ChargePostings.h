#pragma once
// The lines a posted charge leaves in the hospital's tables, written the same way by the charging
// save and by the stand-ins of the charging procedures.
#include <QDateTime>
#include <QString>

class Connection;

// One line of a patient's bill: BILLING..tbBillDailyBill for an admission, tbBillOPDailyOut (with
// the hospital number and the slip as its charge slip) for an out-patient visit.
struct BillingLine {
    QString HospNum, IDNum;
    QDateTime TransDate;
    QString RevenueID, DrCr, ItemID;
    double Quantity = 0;
    QString RefNum;
    double Amount = 0;
    QString UserID, RoomID, RequestDocID, ARCode, DoctorName;
};
void InsertBillingLine(Connection& c, const BillingLine& line);

// SQL giving the name of a consigned package from the item code a bill line carries for it (the
// consigned packages' own item, billed under the department's code); NULL for any other item.
QString ConsignedPackageNameSql(const QString& itemColumn);

// One printed line of a charge slip, kept under the slip's number.
void AddChargeSlipLine(Connection& c, const QString& slip, const QString& revenueID, const QString& itemID,
                       const QString& description, double quantity, double amount);
