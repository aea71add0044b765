// Stand-ins of the STATION procedures behind the charging window's list of posted charges and its
// revocation: the list, the remaining amount of a posted charge, and the reversal of a service.
// A revocation is posted as a negative line of the same department, item and charge slip, so
// the lines of a charge add up to what is left of it.
#include "hospital/ChargePostings.h"
#include "hospital/StayTables.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Procedures.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/text/Format.h"

namespace {

// The charge slip of a billing line: out-patient lines carry it in ChargeSlip (older ones only in
// Refnum), in-patient lines in Refnum.
QString slipOf(bool outPatient)
{
    return outPatient ? QStringLiteral("COALESCE(NULLIF(B.ChargeSlip, ''), B.Refnum)") : QStringLiteral("B.Refnum");
}

// A credit line counts against the charge whatever the sign it was written with.
const char* const kSignedAmount = "CASE WHEN B.DrCr = 'C' AND B.Amount > 0 THEN -B.Amount ELSE B.Amount END";

QString quantityText(const QVariant& v)
{
    const double q = DbValue::toDouble(v);
    return q == double(qint64(q)) ? QString::number(qint64(q)) : Fmt::number(q, QStringLiteral("0.00"));
}

// Arguments: hospital number, admission number, station. The admission's lines posted under the
// departments the station charges (STATION..tbCLChargingCodes), oldest first, reversals included,
// in the columns the list shows: department, item, description, quantity, amount (plain, two
// decimals, a reversal negative), charge slip, date and time, user, stock location (that of the
// line's stock-card line: blank for services), package code (blank for a line that is no package).
Recordset listAllCLCharges(Connection& c, const ProcedureArgs& a)
{
    const QString idNum = a.text(1).trimmed();
    const bool outPatient = IsOutPatientNumber(idNum);
    const QString slip = slipOf(outPatient);
    const QString sql = QStringLiteral(
        "SELECT B.RevenueID, B.ItemID, "
        "COALESCE(O.OtherRevenue, A.Package, M.ItemName || ' ' || COALESCE(M.UnitOfMeasure, ''), D.LastName || ', ' || D.FirstName, "
        "%4, B.ItemID) "
        "AS Description, B.Quantity, %2 AS Amount, %1 AS ChargeSlip, B.TransDate, B.UserID, "
        "COALESCE((SELECT S.LocationID FROM INVENTORY..tbInvStockCard S WHERE S.IDNum = B.IDNum AND S.ItemID = B.ItemID "
        "AND S.RefNum = %1 LIMIT 1), '') AS LocationID, "
        "COALESCE((SELECT S.PackageID FROM INVENTORY..tbInvStockCard S WHERE S.IDNum = B.IDNum AND S.ItemID = B.ItemID "
        "AND S.RefNum = %1 AND COALESCE(S.PackageID, '') <> '' LIMIT 1), "
        "CASE WHEN EXISTS (SELECT 1 FROM STATION..tbCLPackage_CodeLink K WHERE B.ItemID IN (K.PackageCode, K.NurseItemCode)) "
        "OR EXISTS (SELECT 1 FROM CLINICAL_AREA..tbCLOtherPackageLink K WHERE B.ItemID IN (K.PackageCode, K.NurseItemCode)) "
        "OR EXISTS (SELECT 1 FROM CLINICAL_AREA..tbCLEquipmentPackage K WHERE K.PackageCode = B.ItemID) THEN B.ItemID END, '') "
        "AS PackageID "
        "FROM %3 B "
        "LEFT OUTER JOIN BUILD_FILE..TBCOOTHERREVENUE O ON O.OtherSectionID = B.RevenueID AND O.OtherRevenueID = B.ItemID "
        "LEFT OUTER JOIN BUILD_FILE..tbCoAdmPackage A ON A.PackageID = B.ItemID "
        "LEFT OUTER JOIN INVENTORY..TBINVMASTER M ON M.ItemID = B.ItemID "
        "LEFT OUTER JOIN BUILD_FILE..tbCoDoctor D ON B.RevenueID = 'MD' AND D.DoctorID = B.ItemID "
        "WHERE B.IDNum = ? AND B.RevenueID IN (SELECT RevenueID FROM STATION..tbCLChargingCodes) "
        "ORDER BY B.TransDate, B.BillLineID")
                              .arg(slip, QString::fromLatin1(kSignedAmount), StayTables::Of(idNum).charges, ConsignedPackageNameSql(QStringLiteral("B.ItemID")));
    const Recordset rs = c.query(sql, {idNum});
    QVector<QVector<QVariant>> rows(rs.recordCount());
    const QString twoDecimals = QStringLiteral("0.00");
    for (int r = 0; r < rs.recordCount(); ++r) {
        QVector<QVariant>& row = rows[r];
        row.resize(rs.fieldCount());
        for (int f : {0, 1, 2, 5, 7, 8, 9}) row[f] = DbValue::text(rs.valueAt(r, f)).trimmed();
        row[3] = quantityText(rs.valueAt(r, 3));
        row[4] = Fmt::number(DbValue::toDouble(rs.valueAt(r, 4)), twoDecimals);
        const QDateTime when = DbValue::toDateTime(rs.valueAt(r, 6));
        row[6] = when.isValid() ? Fmt::serverDateText(when) : QString();
    }
    return Recordset(rs.fieldNames(), std::move(rows));
}

// Arguments: admission number, item, charge slip, department. One row (Amount: what is left of the
// charge after its reversals) when lines are posted under them; no row otherwise.
Recordset verifyCLCharges(Connection& c, const ProcedureArgs& a)
{
    const QString idNum = a.text(0).trimmed();
    const bool outPatient = IsOutPatientNumber(idNum);
    return c.query(QStringLiteral("SELECT SUM(%1) AS Amount FROM %2 B WHERE B.IDNum = ? AND B.ItemID = ? AND %3 = ? "
                                  "AND B.RevenueID = ? HAVING COUNT(*) > 0")
                       .arg(QString::fromLatin1(kSignedAmount), StayTables::Of(idNum).charges, slipOf(outPatient)),
                   {idNum, a.text(1).trimmed(), a.text(2).trimmed(), a.text(3).trimmed()});
}

// Arguments: hospital number, admission number, item, amount and quantity as listed (positive),
// date, department, user, patient type, mode ("C" reverses), room, charge slip, AR code,
// supervisor, reason. Posts the reversing line on the account and keeps the supervisor and the
// reason in a bill-adjustment note.
Recordset updateCharging(Connection& c, const ProcedureArgs& a)
{
    if (a.text(9).trimmed() != QLatin1String("C"))
        throw DbError(QStringLiteral("STATION..Nurse_UpdateCharging: unknown mode '%1'.").arg(a.text(9)));
    BillingLine line;
    line.HospNum = a.text(0).trimmed();
    line.IDNum = a.text(1).trimmed();
    line.ItemID = a.text(2).trimmed();
    const double amount = Fmt::val(a.text(3)), quantity = Fmt::val(a.text(4));
    line.Amount = -amount;
    line.Quantity = -quantity;
    line.TransDate = DbValue::toDateTime(a.at(5));
    line.RevenueID = a.text(6).trimmed();
    line.UserID = a.text(7).trimmed();
    line.RoomID = a.text(10).trimmed();
    line.RefNum = a.text(11).trimmed();
    line.ARCode = a.text(12).trimmed();
    line.DrCr = QStringLiteral("D");
    InsertBillingLine(c, line);
    c.call(QStringLiteral("STATION..sp_Nurse_Append_tbBillAdjustInfo"),
           {line.IDNum, line.RevenueID, line.ItemID, -amount, a.text(13).trimmed(), -quantity, line.RefNum, a.text(14).trimmed()});
    return Recordset();
}

} // namespace

CATHLAB_PROCEDURE("STATION..List_All_CLCharges", listAllCLCharges);
CATHLAB_PROCEDURE("STATION..sp_VerifyCL_Charges", verifyCLCharges);
CATHLAB_PROCEDURE("STATION..Nurse_UpdateCharging", updateCharging);
