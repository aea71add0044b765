// Stand-ins of the STATION procedures of the charging save: a service charge on the patient's bill
// and the station's log book, the slip lines, and the preparation of a slip's lines for a reprint
// from what was posted under it. The oxygen record is AssessmentProcedures.cpp's.
#include "hospital/ChargePostings.h"
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"
#include "platform/text/Format.h"

namespace {

QDateTime dateArg(const ProcedureArgs& a, int i) { return DbValue::toDateTime(a.at(i)); }
double numberArg(const ProcedureArgs& a, int i) { return Fmt::val(a.text(i)); }

// Arguments: hospital number, admission number, item, amount, quantity, date, department, status,
// user, description, patient type, debit/credit, room, station, requesting doctor, slip, AR code,
// doctor's name, package, three unused, request number. The charge goes on the bill (not for a
// package item, which comes without an admission number: the package is billed once), into the
// station's log book, and onto the slip.
Recordset appendCharging(Connection& c, const ProcedureArgs& a)
{
    const QString idNum = a.text(1).trimmed(), slip = a.text(15).trimmed();
    if (!idNum.isEmpty()) {
        BillingLine line;
        line.HospNum = a.text(0);
        line.IDNum = idNum;
        line.TransDate = dateArg(a, 5);
        line.RevenueID = a.text(6);
        line.DrCr = a.text(11);
        line.ItemID = a.text(2);
        line.Quantity = numberArg(a, 4);
        line.RefNum = slip;
        line.Amount = numberArg(a, 3);
        line.UserID = a.text(8);
        line.RoomID = a.text(12);
        line.RequestDocID = a.text(14);
        line.ARCode = a.text(16);
        line.DoctorName = a.text(17);
        InsertBillingLine(c, line);
        AddChargeSlipLine(c, slip, a.text(6), a.text(2), a.text(9), numberArg(a, 4), numberArg(a, 3));
    }
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurseLogbook (RequestNum, IDNum, RevenueID, ItemID, Quantity, RecordStatus, "
                             "ProcessBy, ProcessDate, ReferenceNum, PackageID, StationID) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              {a.text(22).trimmed(), idNum, a.text(6).trimmed(), a.text(2).trimmed(), numberArg(a, 4), a.text(7), a.text(8),
               dateArg(a, 5), slip, a.text(18).trimmed(), a.text(13)});
    return Recordset();
}

// Arguments: item, amount, quantity, department, description, slip. One line of the slip.
Recordset saveChargePrint(Connection& c, const ProcedureArgs& a)
{
    AddChargeSlipLine(c, a.text(5), a.text(3), a.text(0), a.text(4), numberArg(a, 2), numberArg(a, 1));
    return Recordset();
}

// Argument: slip. The slip's lines made afresh from what was posted under it: the medicines and
// supplies moved on the stock card for the account, then the services, packages and doctors' fees
// (named as the fee row names the doctor) on the bill (a medicine's or supply's own bill line is not
// printed twice). A revocation's lines come in with their minus signs, so the slip adds up to what
// is left of it, as the posted list does.
Recordset reprintChargeSlip(Connection& c, const ProcedureArgs& a)
{
    const QString slip = a.text(0).trimmed();
    TransactionGuard tx(c); // all the slip's lines or none
    c.execute(QStringLiteral("DELETE FROM STATION..tbCLChargePrint WHERE ChargeSlip = ?"), {slip});
    c.execute(QStringLiteral(
                  "INSERT INTO STATION..tbCLChargePrint (ChargeSlip, RevenueID, ItemID, Description, Quantity, Amount) "
                  "SELECT ?, S.RevenueID, S.ItemID, COALESCE(M.ItemName, '') || ' ' || COALESCE(M.UnitOfMeasure, ''), -S.Quantity, "
                  "S.Amount FROM INVENTORY..tbInvStockCard S LEFT JOIN INVENTORY..TBINVMASTER M ON M.ItemID = S.ItemID "
                  "WHERE S.RefNum = ? AND COALESCE(S.IDNum, '') <> '' AND S.Quantity <> 0 ORDER BY S.SequenceNumber"),
              {slip, slip});
    for (const QString& table : {QStringLiteral("BILLING..tbBillDailyBill"), QStringLiteral("BILLING..tbBillOPDailyOut")})
        c.execute(QStringLiteral("INSERT INTO STATION..tbCLChargePrint (ChargeSlip, RevenueID, ItemID, Description, Quantity, Amount) "
                                 "SELECT ?, B.RevenueID, B.ItemID, "
                                 "COALESCE(O.OtherRevenue, %2, TRIM(D.LastName) || ' ,' || TRIM(D.FirstName), B.ItemID), B.Quantity, B.Amount FROM %1 B "
                                 "LEFT JOIN BUILD_FILE..TBCOOTHERREVENUE O ON O.OtherSectionID = B.RevenueID AND O.OtherRevenueID = B.ItemID "
                                 "LEFT JOIN BUILD_FILE..tbCoDoctor D ON B.RevenueID = 'MD' AND D.DoctorID = B.ItemID "
                                 "WHERE B.Refnum = ? AND B.DrCr = 'D' AND B.Quantity <> 0 AND NOT EXISTS (SELECT 1 FROM "
                                 "INVENTORY..tbInvStockCard S WHERE S.RefNum = B.Refnum AND S.ItemID = B.ItemID AND S.IDNum = B.IDNum) "
                                 "ORDER BY B.BillLineID")
                      .arg(table, ConsignedPackageNameSql(QStringLiteral("B.ItemID"))),
                  {slip, slip});
    tx.commit();
    return Recordset();
}

} // namespace

CATHLAB_PROCEDURE("STATION..Nurse_AppendCharging", appendCharging);
CATHLAB_PROCEDURE("STATION..sp_CL_SaveChargePrint", saveChargePrint);
CATHLAB_PROCEDURE("STATION..sp_CL_ReprintChargeSlip", reprintChargeSlip);
