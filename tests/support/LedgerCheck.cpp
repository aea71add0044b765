#include "support/LedgerCheck.h"

#include "hospital/StayTables.h"
#include "platform/db/Connection.h"
#include "platform/text/AdmissionNumber.h"

#include <QHash>
#include <QMap>
#include <QSet>

#include <cmath>

namespace {

// Money and quantities compared in hundredths, as the columns keep them.
qint64 hundredths(double v) { return qint64(std::llround(v * 100.0)); }
QString money(qint64 h) { return QString::number(double(h) / 100.0, 'f', 2); }
QString qty(qint64 h) { return h % 100 == 0 ? QString::number(h / 100) : money(h); }

struct BillLine {
    QString dept, item, slip;
    qint64 quantity = 0, amount = 0;
    bool charge() const { return amount > 0 || (amount == 0 && quantity > 0); }
};

struct StockLine {
    QString item, slip, memo, package;
    qint64 quantity = 0, amount = 0; // the stock card's sign: an issue is negative
    bool onAccount = false;          // written under the admission (not an item of a package or panel)
};

struct Totals {
    qint64 quantity = 0, amount = 0;
    int charges = 0, reversals = 0;
    void add(const BillLine& l)
    {
        quantity += l.quantity;
        amount += l.amount;
        ++(l.charge() ? charges : reversals);
    }
};

// What the checker reads once per call.
class Ledger {
public:
    Ledger(Connection& c, const QString& idNum) : m_c(c), m_id(idNum.trimmed()) {}
    QStringList check();

private:
    void read();
    void chargesOnceAndReversalsBounded();
    void packagesOnce();
    void stockAgainstBill();
    void itemsOfRevokedCharges();
    void slipLines();
    void postedList();
    void adjustmentNotes();
    void cashCreditMemos();
    QString placeholders(int n) const { return QStringList(n, QStringLiteral("?")).join(QStringLiteral(", ")); }
    QVariantList slipParams() const
    {
        QVariantList p;
        for (const QString& s : m_slips) p << s;
        return p;
    }
    static QString key(const QString& slip, const QString& dept, const QString& item) { return slip + QLatin1Char('|') + dept + QLatin1Char('|') + item; }
    void say(const QString& s) { m_out << s; }

    Connection& m_c;
    const QString m_id;
    QList<BillLine> m_bill;
    QList<StockLine> m_stock;
    QStringList m_slips;           // every slip and memo number the bill carries, in order
    QSet<QString> m_memos;         // the credit memos of returns
    QSet<QString> m_stationDepts;  // the departments the charging window lists
    QMap<QString, Totals> m_byCharge; // slip|dept|item, returns left out
    QStringList m_out;
};

QStringList Ledger::check()
{
    read();
    chargesOnceAndReversalsBounded();
    packagesOnce();
    stockAgainstBill();
    itemsOfRevokedCharges();
    slipLines();
    postedList();
    adjustmentNotes();
    cashCreditMemos();
    return m_out;
}

void Ledger::read()
{
    const bool out = IsOutPatientNumber(m_id);
    const QString slip = out ? QStringLiteral("COALESCE(NULLIF(B.ChargeSlip, ''), B.Refnum)") : QStringLiteral("B.Refnum");
    const Recordset bill = m_c.query(QStringLiteral("SELECT B.RevenueID, B.ItemID, %1 AS Slip, B.Quantity, "
                                                    "CASE WHEN B.DrCr = 'C' AND B.Amount > 0 THEN -B.Amount ELSE B.Amount END AS Amount "
                                                    "FROM %2 B WHERE B.IDNum = ? ORDER BY B.BillLineID")
                                         .arg(slip, StayTables::Of(m_id).charges),
                                     {m_id});
    for (int r = 0; r < bill.recordCount(); ++r) {
        BillLine l;
        l.dept = bill.textAt(r, QStringLiteral("RevenueID")).trimmed();
        l.item = bill.textAt(r, QStringLiteral("ItemID")).trimmed();
        l.slip = bill.textAt(r, QStringLiteral("Slip")).trimmed();
        l.quantity = hundredths(DbValue::toDouble(bill.valueAt(r, QStringLiteral("Quantity"))));
        l.amount = hundredths(DbValue::toDouble(bill.valueAt(r, QStringLiteral("Amount"))));
        m_bill << l;
        if (!m_slips.contains(l.slip)) m_slips << l.slip;
    }
    // The admission's own stock lines, and every line under one of its slips (the items of its
    // packages and panels are issued under the slip without the admission).
    const Recordset own = m_c.query(QStringLiteral("SELECT DISTINCT RefNum FROM INVENTORY..tbInvStockCard WHERE IDNum = ?"), {m_id});
    for (int r = 0; r < own.recordCount(); ++r) {
        const QString s = own.textAt(r, QStringLiteral("RefNum")).trimmed();
        if (!m_slips.contains(s)) m_slips << s;
    }
    if (!m_slips.isEmpty()) {
        const Recordset stock = m_c.query(QStringLiteral("SELECT IDNum, ItemID, RefNum, Quantity, Amount, CreditMemoNum, PackageID "
                                                         "FROM INVENTORY..tbInvStockCard WHERE IDNum = ? OR RefNum IN (%1) "
                                                         "ORDER BY SequenceNumber")
                                              .arg(placeholders(int(m_slips.size()))),
                                          QVariantList{m_id} + slipParams());
        for (int r = 0; r < stock.recordCount(); ++r) {
            StockLine l;
            l.onAccount = stock.textAt(r, QStringLiteral("IDNum")).trimmed() == m_id;
            l.item = stock.textAt(r, QStringLiteral("ItemID")).trimmed();
            l.slip = stock.textAt(r, QStringLiteral("RefNum")).trimmed();
            l.memo = stock.textAt(r, QStringLiteral("CreditMemoNum")).trimmed();
            l.package = stock.textAt(r, QStringLiteral("PackageID")).trimmed();
            l.quantity = hundredths(DbValue::toDouble(stock.valueAt(r, QStringLiteral("Quantity"))));
            l.amount = hundredths(DbValue::toDouble(stock.valueAt(r, QStringLiteral("Amount"))));
            if (l.onAccount && !l.memo.isEmpty()) m_memos.insert(l.memo);
            m_stock << l;
        }
    }
    const Recordset depts = m_c.query(QStringLiteral("SELECT RevenueID FROM STATION..tbCLChargingCodes"));
    for (int r = 0; r < depts.recordCount(); ++r) m_stationDepts.insert(depts.textAt(r, QStringLiteral("RevenueID")).trimmed());
    for (const BillLine& l : std::as_const(m_bill))
        if (!m_memos.contains(l.slip)) m_byCharge[key(l.slip, l.dept, l.item)].add(l);
}

void Ledger::chargesOnceAndReversalsBounded()
{
    for (auto it = m_byCharge.cbegin(); it != m_byCharge.cend(); ++it) {
        const QStringList k = it.key().split(QLatin1Char('|'));
        const QString what = QStringLiteral("%1 %2 under slip %3").arg(k[1], k[2], k[0]);
        const Totals& t = it.value();
        if (t.charges > 1) say(QStringLiteral("%1 is on the bill %2 times.").arg(what).arg(t.charges));
        if (t.reversals == 0) continue;
        if (t.charges == 0) {
            say(QStringLiteral("%1 is reversed but was never charged on that slip.").arg(what));
            continue;
        }
        if (t.amount < 0 || t.quantity < 0)
            say(QStringLiteral("%1 is reversed beyond its charge: %2 left in quantity, %3 in amount.").arg(what, qty(t.quantity), money(t.amount)));
        else if (t.amount == 0 && t.quantity != 0)
            say(QStringLiteral("%1 is reversed to no amount but %2 is left in quantity.").arg(what, qty(t.quantity)));
        else if (t.quantity == 0 && t.amount != 0)
            say(QStringLiteral("%1 is reversed to no quantity but %2 is left in amount.").arg(what, money(t.amount)));
    }
}

void Ledger::packagesOnce()
{
    const Recordset rs = m_c.query(QStringLiteral("SELECT PackageCode FROM STATION..tbCLPackage_CodeLink UNION "
                                                  "SELECT PackageCode FROM CLINICAL_AREA..tbCLOtherPackageLink UNION "
                                                  "SELECT PackageCode FROM CLINICAL_AREA..tbCLEquipmentPackage"));
    QSet<QString> packages;
    for (int r = 0; r < rs.recordCount(); ++r) packages.insert(rs.textAt(r, QStringLiteral("PackageCode")).trimmed());
    QMap<QString, QStringList> standing; // package -> slips it stands charged on
    for (auto it = m_byCharge.cbegin(); it != m_byCharge.cend(); ++it) {
        const QStringList k = it.key().split(QLatin1Char('|'));
        if (packages.contains(k[2]) && it.value().amount > 0) standing[k[2]] << k[0];
    }
    for (auto it = standing.cbegin(); it != standing.cend(); ++it)
        if (it.value().size() > 1)
            say(QStringLiteral("The package %1 stands charged on %2 slips (%3).").arg(it.key()).arg(it.value().size()).arg(it.value().join(QStringLiteral(", "))));
}

// Whatever went out of stock on the admission's account is on its bill, under the same slip with
// the same quantity and amount; a return's stock lines and its credit lines agree under the memo.
void Ledger::stockAgainstBill()
{
    struct Pair {
        qint64 stockQty = 0, stockAmt = 0, billQty = 0, billAmt = 0;
        bool stock = false;
    };
    QMap<QString, Pair> bySlip, byMemo;      // slip|item, memo|item
    QMap<QString, qint64> left;               // slip|item: what is still out (issues less everything back)
    for (const StockLine& l : std::as_const(m_stock)) {
        if (!l.onAccount) continue;
        const QString k = l.slip + QLatin1Char('|') + l.item;
        left[k] -= l.quantity;
        Pair& p = l.memo.isEmpty() ? bySlip[k] : byMemo[l.memo + QLatin1Char('|') + l.item];
        p.stock = true;
        p.stockQty -= l.quantity;
        p.stockAmt += l.amount;
    }
    for (const BillLine& l : std::as_const(m_bill)) {
        const QString k = l.slip + QLatin1Char('|') + l.item;
        QMap<QString, Pair>& m = m_memos.contains(l.slip) ? byMemo : bySlip;
        if (!m.contains(k)) continue;
        m[k].billQty += l.quantity;
        m[k].billAmt += l.amount;
    }
    for (auto it = bySlip.cbegin(); it != bySlip.cend(); ++it) {
        const QStringList k = it.key().split(QLatin1Char('|'));
        const Pair& p = it.value();
        if (p.stockQty != p.billQty || p.stockAmt != p.billAmt)
            say(QStringLiteral("%1 under slip %2 is out of stock with quantity %3, amount %4, but billed with quantity %5, amount %6.")
                    .arg(k[1], k[0], qty(p.stockQty), money(p.stockAmt), qty(p.billQty), money(p.billAmt)));
    }
    for (auto it = byMemo.cbegin(); it != byMemo.cend(); ++it) {
        const QStringList k = it.key().split(QLatin1Char('|'));
        const Pair& p = it.value();
        if (p.stockQty != p.billQty || p.stockAmt != p.billAmt)
            say(QStringLiteral("%1 returned under credit memo %2 is back in stock with quantity %3, amount %4, but credited with quantity %5, amount %6.")
                    .arg(k[1], k[0], qty(-p.stockQty), money(-p.stockAmt), qty(-p.billQty), money(-p.billAmt)));
    }
    for (auto it = left.cbegin(); it != left.cend(); ++it)
        if (it.value() < 0) {
            const QStringList k = it.key().split(QLatin1Char('|'));
            say(QStringLiteral("%1 under slip %2 came back %3 more than was issued.").arg(k[1], k[0], qty(-it.value())));
        }
}

// The items issued under a package or a panel (without the admission) come back whole when what
// they were used for is revoked: the package itself, or every charge of the slip for a panel.
void Ledger::itemsOfRevokedCharges()
{
    QMap<QString, qint64> out; // slip|package|item
    for (const StockLine& l : std::as_const(m_stock))
        if (!l.onAccount) out[l.slip + QLatin1Char('|') + l.package + QLatin1Char('|') + l.item] -= l.quantity;
    for (auto it = out.cbegin(); it != out.cend(); ++it) {
        const QStringList k = it.key().split(QLatin1Char('|'));
        const QString &slip = k[0], &package = k[1], &item = k[2];
        bool charged = false, standing = false;
        for (auto c = m_byCharge.cbegin(); c != m_byCharge.cend(); ++c) {
            const QStringList ck = c.key().split(QLatin1Char('|'));
            if (ck[0] != slip || (!package.isEmpty() && ck[2] != package)) continue;
            charged = true;
            standing = standing || c.value().amount > 0;
        }
        const QString what = package.isEmpty() ? QStringLiteral("%1 used under slip %2").arg(item, slip)
                                               : QStringLiteral("%1 issued under package %2 on slip %3").arg(item, package, slip);
        if (it.value() < 0) say(QStringLiteral("%1 came back %2 more than was issued.").arg(what, qty(-it.value())));
        else if (!charged) say(QStringLiteral("%1 belongs to no charge on the bill under that slip.").arg(what));
        else if (!standing && it.value() != 0) say(QStringLiteral("%1 is not back after its charge was revoked: %2 still out.").arg(what, qty(it.value())));
    }
}

void Ledger::slipLines()
{
    QHash<QString, QList<BillLine>> printed; // slip|item
    if (!m_slips.isEmpty()) {
        const Recordset rs = m_c.query(QStringLiteral("SELECT ChargeSlip, RevenueID, ItemID, Description, Quantity, Amount FROM STATION..tbCLChargePrint "
                                                      "WHERE ChargeSlip IN (%1) ORDER BY LineID")
                                           .arg(placeholders(int(m_slips.size()))),
                                       slipParams());
        for (int r = 0; r < rs.recordCount(); ++r) {
            BillLine l;
            l.slip = rs.textAt(r, QStringLiteral("ChargeSlip")).trimmed();
            l.dept = rs.textAt(r, QStringLiteral("Description")).trimmed(); // the description, for the check below
            l.item = rs.textAt(r, QStringLiteral("ItemID")).trimmed();
            l.quantity = hundredths(DbValue::toDouble(rs.valueAt(r, QStringLiteral("Quantity"))));
            l.amount = hundredths(DbValue::toDouble(rs.valueAt(r, QStringLiteral("Amount"))));
            printed[l.slip + QLatin1Char('|') + l.item] << l;
        }
    }
    QSet<QString> billed;
    for (const BillLine& b : std::as_const(m_bill)) {
        if (!b.charge() || m_memos.contains(b.slip) || !m_stationDepts.contains(b.dept)) continue;
        const QString k = b.slip + QLatin1Char('|') + b.item;
        billed.insert(k);
        const QString what = QStringLiteral("%1 %2 under slip %3").arg(b.dept, b.item, b.slip);
        const QList<BillLine> lines = printed.value(k);
        if (lines.isEmpty()) {
            say(QStringLiteral("%1 is billed but not on its charge slip.").arg(what));
            continue;
        }
        if (lines.size() > 1) say(QStringLiteral("%1 is on its charge slip %2 times.").arg(what).arg(lines.size()));
        const BillLine& p = lines.first();
        if (p.quantity != b.quantity || p.amount != b.amount)
            say(QStringLiteral("%1 is billed with quantity %2, amount %3, but its charge slip says quantity %4, amount %5.")
                    .arg(what, qty(b.quantity), money(b.amount), qty(p.quantity), money(p.amount)));
        if (p.dept.isEmpty() || p.dept == b.item) say(QStringLiteral("%1 has no description on its charge slip.").arg(what));
    }
    for (auto it = printed.cbegin(); it != printed.cend(); ++it)
        if (!billed.contains(it.key())) {
            const QStringList k = it.key().split(QLatin1Char('|'));
            say(QStringLiteral("%1 is on charge slip %2 but not billed under it.").arg(k[1], k[0]));
        }
}

void Ledger::postedList()
{
    QMap<QString, int> bill, list; // slip|dept|item|amount -> lines
    qint64 billTotal = 0, listTotal = 0;
    for (const BillLine& b : std::as_const(m_bill)) {
        if (!m_stationDepts.contains(b.dept)) continue;
        ++bill[key(b.slip, b.dept, b.item) + QLatin1Char('|') + money(b.amount)];
        billTotal += b.amount;
    }
    const Recordset rs = m_c.call(QStringLiteral("STATION..List_All_CLCharges"), {QString(), m_id, QStringLiteral("CL")});
    for (int r = 0; r < rs.recordCount(); ++r) {
        const qint64 amount = hundredths(DbValue::toDouble(rs.valueAt(r, 4)));
        ++list[key(DbValue::text(rs.valueAt(r, 5)).trimmed(), DbValue::text(rs.valueAt(r, 0)).trimmed(), DbValue::text(rs.valueAt(r, 1)).trimmed())
               + QLatin1Char('|') + money(amount)];
        listTotal += amount;
    }
    auto line = [](const QString& k) {
        const QStringList p = k.split(QLatin1Char('|'));
        return QStringLiteral("%1 %2 under slip %3 (%4)").arg(p[1], p[2], p[0], p[3]);
    };
    for (auto it = bill.cbegin(); it != bill.cend(); ++it)
        if (list.value(it.key()) < it.value()) say(QStringLiteral("%1 is on the bill but not in the posted list.").arg(line(it.key())));
    for (auto it = list.cbegin(); it != list.cend(); ++it)
        if (bill.value(it.key()) < it.value()) say(QStringLiteral("%1 is in the posted list but not on the bill.").arg(line(it.key())));
    if (billTotal != listTotal)
        say(QStringLiteral("The posted list totals %1, the bill's lines of the station's departments %2.").arg(money(listTotal), money(billTotal)));
}

// Each reversal, and each return, leaves its bill-adjustment note (the reason and the supervisor).
void Ledger::adjustmentNotes()
{
    QMap<QString, int> reversals; // number|item
    for (const BillLine& b : std::as_const(m_bill))
        if (!b.charge()) ++reversals[b.slip + QLatin1Char('|') + b.item];
    for (auto it = reversals.cbegin(); it != reversals.cend(); ++it) {
        const QStringList k = it.key().split(QLatin1Char('|'));
        const int notes = int(DbValue::toLong(m_c.scalar(QStringLiteral("SELECT COUNT(*) FROM STATION..tbBillAdjustInfo WHERE IDNum = ? "
                                                                         "AND RequestNum = ? AND ItemID = ?"),
                                                          {m_id, k[0], k[1]})));
        if (notes < it.value())
            say(QStringLiteral("%1 has %2 reversal line(s) under %3 but %4 adjustment note(s).").arg(k[1]).arg(it.value()).arg(k[0]).arg(notes));
    }
}

void Ledger::cashCreditMemos()
{
    const Recordset rs = m_c.query(QStringLiteral(
                                       "SELECT M.CMAdviseNum, M.ORNumber, M.RevenueID, M.ItemID, M.UnitPrice, M.Quantity, M.Amount, "
                                       "(SELECT SUM(D.Quantity) FROM STATION..tbCLAssessment D WHERE D.IDNum = ? AND D.AssessType = 'CASH' "
                                       "AND D.Status = 'PAID' AND D.ORNumber = M.ORNumber AND D.RevenueID = M.RevenueID AND D.ItemID = M.ItemID) AS PaidQty, "
                                       "(SELECT SUM(D.Amount) FROM STATION..tbCLAssessment D WHERE D.IDNum = ? AND D.AssessType = 'CASH' "
                                       "AND D.Status = 'PAID' AND D.ORNumber = M.ORNumber AND D.RevenueID = M.RevenueID AND D.ItemID = M.ItemID) AS PaidAmt "
                                       "FROM BILLING..tbCashCMAdvise M WHERE M.ORNumber IN (SELECT ORNumber FROM STATION..tbCLAssessment "
                                       "WHERE IDNum = ? AND AssessType = 'CASH' AND COALESCE(ORNumber, '') <> '') ORDER BY M.LineID"),
                                   {m_id, m_id, m_id});
    for (int r = 0; r < rs.recordCount(); ++r) {
        const QString what = QStringLiteral("Credit memo advice %1 of %2 %3 on receipt %4")
                                 .arg(rs.textAt(r, QStringLiteral("CMAdviseNum")).trimmed(), rs.textAt(r, QStringLiteral("RevenueID")).trimmed(),
                                      rs.textAt(r, QStringLiteral("ItemID")).trimmed(), rs.textAt(r, QStringLiteral("ORNumber")).trimmed());
        const qint64 q = hundredths(DbValue::toDouble(rs.valueAt(r, QStringLiteral("Quantity"))));
        const qint64 a = hundredths(DbValue::toDouble(rs.valueAt(r, QStringLiteral("Amount"))));
        const double unit = DbValue::toDouble(rs.valueAt(r, QStringLiteral("UnitPrice")));
        if (rs.isNull(QStringLiteral("PaidQty"))) {
            say(QStringLiteral("%1 credits an item not paid on that receipt.").arg(what));
            continue;
        }
        const qint64 pq = hundredths(DbValue::toDouble(rs.valueAt(r, QStringLiteral("PaidQty"))));
        const qint64 pa = hundredths(DbValue::toDouble(rs.valueAt(r, QStringLiteral("PaidAmt"))));
        if (q <= 0 || q > pq || a > pa)
            say(QStringLiteral("%1 credits quantity %2, amount %3, where quantity %4, amount %5 was paid.").arg(what, qty(q), money(a), qty(pq), money(pa)));
        if (std::llabs(hundredths(unit * double(q) / 100.0) - a) > 1)
            say(QStringLiteral("%1 credits %2 for quantity %3 at %4 each.").arg(what, money(a), qty(q), QString::number(unit, 'f', 2)));
    }
}

} // namespace

namespace LedgerCheck {

QStringList Discrepancies(Connection& c, const QString& idNum) { return Ledger(c, idNum).check(); }

} // namespace LedgerCheck
