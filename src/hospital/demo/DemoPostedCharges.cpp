// Charges the department has posted to two of its cases, so that the charging window's list of
// charges entered has lines to reprint and revoke: services, a supply and a medicine with their
// stock-card lines, a package, and a service already revoked (its negative line).
#include "hospital/ChargePostings.h"
#include "hospital/DemoData.h"
#include "platform/db/Connection.h"

namespace {

void postedCharges(Connection& c, const DemoScale&)
{
    const QDateTime now = c.serverDateTime();
    const QDateTime today(now.date(), QTime(9, 0));
    const QDateTime yesterday = today.addDays(-1);
    struct Line { const char* idNum; const char* dept; const char* item; double qty, amount; const char* slip; QDateTime when;
                  const char* location; };
    const Line lines[] = {
        {"2026000010", "HS", "HS001", 1, 450, "C901\u00C3", today, nullptr},
        {"2026000010", "CS", "SUP0002", 2, 4800, "C901\u00C3", today, "21"},
        {"2026000010", "PH", "MED0201", 1, 410.75, "C901\u00C3", today, "20"},
        {"2026000010", "HS", "HS002", 1, 3500, "C902\u00C3", yesterday, nullptr},
        {"2026000010", "HS", "HS002", -1, -3500, "C902\u00C3", yesterday.addSecs(5400), nullptr},
        {"2026000010", "CL", "PKG-RHC", 1, 58000, "C903\u00C3", yesterday.addSecs(7200), nullptr},
        {"500004B", "HS", "HS001", 1, 450, "C904\u00C3", today.addSecs(1800), nullptr},
    };
    for (const Line& l : lines) {
        const QString idNum = QString::fromLatin1(l.idNum);
        const bool outPatient = idNum.endsWith(QLatin1Char('B'));
        const Recordset stay = c.query(outPatient ? QStringLiteral("SELECT HospNum, '' AS RoomID FROM PATIENT_DATA..TBOUTPATIENT WHERE IDNum = ?")
                                                  : QStringLiteral("SELECT HospNum, RoomID FROM PATIENT_DATA..tbPatient WHERE IDNum = ?"),
                                       {idNum});
        if (stay.isEmpty()) continue; // a smaller demo hospital
        BillingLine b;
        b.HospNum = stay.text(QStringLiteral("HospNum"));
        b.IDNum = idNum;
        b.RevenueID = QString::fromLatin1(l.dept);
        b.ItemID = QString::fromLatin1(l.item);
        b.RefNum = QString::fromUtf8(l.slip);
        b.UserID = QStringLiteral("CL002");
        b.RoomID = outPatient ? QStringLiteral("OPD/ER") : stay.text(QStringLiteral("RoomID"));
        b.TransDate = l.when;
        b.Quantity = l.qty;
        b.Amount = l.amount;
        b.DrCr = QStringLiteral("D");
        InsertBillingLine(c, b);
        if (l.location)
            c.execute(QStringLiteral("INSERT INTO INVENTORY..tbInvStockCard (HospNum, IDNum, ItemID, LocationID, RevenueID, TransDate, "
                                     "RefNum, Quantity, Amount, UserID) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 'CL002')"),
                      {b.HospNum, idNum, b.ItemID, QString::fromLatin1(l.location), b.RevenueID, l.when, b.RefNum, -l.qty, l.amount});
    }
}

} // namespace

CATHLAB_DEMO_SECTION(432, "posted charges of two department cases", postedCharges, "BILLING..tbBillOPDailyOut");
