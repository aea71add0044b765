#include "returns/ReturnPosting.h"

#include "components/Drugs.h"
#include "hospital/ChargePostings.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/text/Format.h"
#include "shared/inventory/CreditMemo.h"
#include "shared/modGlobals.h"

namespace ReturnPosting {

namespace {
const QString kPostTooMany = QStringLiteral("Quantity returned is greater than quantity issued.");

// The catalogue's look-ups run on the connection of the posting (its transaction), not the run's.
bool findItem(Connection& c, const QString& code, const QString& location, DrugItem& out)
{
    clsDrug catalogue(QStringLiteral("prjDrugDLL.clsDrug"));
    catalogue.setConnection(&c);
    if (!catalogue.SearchDrug(code, location)) return false;
    out = catalogue.Drug;
    return true;
}
} // namespace

QString RevenueCode(bool supplies) { return supplies ? QStringLiteral("CC") : QStringLiteral("PC"); }
QString Location(bool supplies) { return supplies ? QStringLiteral("21") : QStringLiteral("20"); }

QString SlipDescription(const DrugItem& item)
{
    QString d = !item.GenericName.isEmpty()
        ? item.GenericName.trimmed() + QLatin1Char(' ') + item.Description.trimmed() + QStringLiteral(" (") + item.DrugName.trimmed() + QLatin1Char(')')
        : item.DrugName.trimmed() + QLatin1Char(' ') + item.Description.trimmed();
    if (item.Classification.ClassificationCode == QLatin1String("I"))
        d += QStringLiteral(" (") + item.Classification.Classification + QLatin1Char(')');
    return d;
}

QString Post(Connection& c, const Return& r)
{
    const QString revenue = RevenueCode(r.supplies), location = Location(r.supplies);
    const QString idNum = r.idNum.trimmed();
    TransactionGuard tx(c);
    // Every line first, against what is still issued now: another workstation may have taken some back.
    for (int i = 0; i < r.lines.size(); ++i) {
        const Line& l = r.lines[i];
        const double returned = Fmt::val(l.returned);
        if (returned <= 0 || l.chargeSlip.trimmed().isEmpty() || l.itemID.trimmed().isEmpty())
            throw Refused(QStringLiteral("Please enter the quantity to be returned."), i);
        // Two lines of one slip and item count together.
        double asked = 0;
        for (const Line& o : r.lines)
            if (o.chargeSlip.trimmed() == l.chargeSlip.trimmed() && o.itemID.trimmed() == l.itemID.trimmed()) asked += Fmt::val(o.returned);
        if (asked > IssuedOnSlip(c, idNum, l.chargeSlip, l.itemID, location) + 1e-9) throw Refused(kPostTooMany, i);
    }
    const QString cm = TakeCreditMemoNumber(c);
    for (const Line& l : r.lines) {
        const double issued = Fmt::val(l.issued), returned = Fmt::val(l.returned), amount = Fmt::val(l.amount);
        if (!r.noDirectReturn) {
            StockCardLine back;
            back.HospNum = r.hospNum.trimmed();
            back.IDNum = idNum;
            back.ItemID = l.itemID.trimmed();
            back.TransDate = r.when;
            back.RefNum = l.chargeSlip.trimmed();
            back.Quantity = -returned; // the movement back into the stock location
            back.Amount = -amount;
            back.UserID = r.userID;
            back.LocationID = location;
            back.RoomID = r.room.trimmed();
            back.StockSection = revenue;
            back.Reversal = true;
            back.CreditMemoNum = cm;
            AppendStockCardLine(c, back);
            c.execute(QStringLiteral("UPDATE STATION..tbNurseLogbook SET StationID = ? WHERE IDNum = ? AND RevenueID = ? AND ItemID = ? "
                                     "AND ReferenceNum = ?"),
                      {r.stationID.trimmed(), idNum, revenue, l.itemID.trimmed(), l.chargeSlip.trimmed()});
        }
        // The row's remark goes with the return's request record.
        c.call(QStringLiteral("STATION..sp_Nurse_Save_CreditMemo_CommunicationFile"),
               {r.hospNum.trimmed(), idNum, revenue, l.itemID, issued, returned, amount, l.chargeSlip, cm, l.remarks.trimmed(), r.userID,
                r.stationID});
        if (!r.noDirectReturn) {
            c.call(QStringLiteral("STATION..sp_Nurse_Append_tbBillAdjustInfo"),
                   {idNum, revenue, l.itemID.trimmed(), amount, r.supervisorID.trimmed(), returned, cm, r.reason.trimmed()});
            BillingLine credit;
            credit.HospNum = r.hospNum.trimmed();
            credit.IDNum = idNum;
            credit.TransDate = r.when;
            credit.RevenueID = revenue;
            credit.DrCr = QStringLiteral("D");
            credit.ItemID = l.itemID.trimmed();
            credit.Quantity = -returned;
            credit.RefNum = cm;
            credit.Amount = -amount;
            credit.UserID = r.userID;
            credit.RoomID = r.room.trimmed();
            InsertBillingLine(c, credit);
        }
    }
    if (!r.noDirectReturn) {
        if (!r.reason.trimmed().isEmpty())
            c.execute(QStringLiteral("UPDATE INVENTORY..tbInvStockCard SET Remarks = ? WHERE CreditMemoNum = ?"), {r.reason.trimmed(), cm});
        StageSlip(c, r.userID, idNum, cm, r.supplies);
    }
    tx.commit();
    return cm;
}

SlipPeople StageSlip(Connection& c, const QString& userID, const QString& idNum, const QString& cmNumber, bool supplies)
{
    SlipPeople people;
    const Recordset rs = c.call(QStringLiteral("Inventory.dbo.Pharma_GetCMPrint"), {idNum.trimmed(), cmNumber.trimmed()});
    if (rs.isEmpty()) return people;
    people.found = true;
    people.dispenser = rs.text(QStringLiteral("DispenserName"));
    people.encoder = rs.text(QStringLiteral("Encoder"));
    TransactionGuard tx(c);
    EraseCreditMemo(c, userID, idNum.trimmed(), cmNumber.trimmed());
    for (int r = 0; r < rs.recordCount(); ++r) {
        DrugItem item;
        if (!findItem(c, rs.textAt(r, QStringLiteral("ItemID")), Location(supplies), item)) continue;
        AppendCreditMemo(c, userID, cmNumber, SlipDescription(item), qAbs(DbValue::toDouble(rs.valueAt(r, QStringLiteral("Quantity")))),
                         DbValue::toDouble(rs.valueAt(r, QStringLiteral("Amount"))), rs.textAt(r, QStringLiteral("REFNUM")), 0, idNum.trimmed());
    }
    tx.commit();
    return people;
}

QString MemoRemarks(Connection& c, const QString& cmNumber)
{
    const Recordset rs = c.query(QStringLiteral("SELECT COALESCE(Remarks, '') AS Remarks FROM STATION..tbBillAdjustInfo WHERE RequestNum = ? "
                                                "ORDER BY AdjustID LIMIT 1"),
                                 {cmNumber.trimmed()});
    return rs.isEmpty() ? QString() : rs.text(QStringLiteral("Remarks"));
}

} // namespace ReturnPosting
