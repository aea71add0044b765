// Medicines and supplies issued to two stays under charge slips of their own, with their bill
// lines, so that the returns have something to take back; one of them was partly returned already.
#include "hospital/DemoData.h"
#include "platform/db/Connection.h"

namespace {

void issuedForReturns(Connection& c, const DemoScale&)
{
    // A hospital adopted from an earlier build may hold these rows already.
    if (DbValue::toLong(c.scalar(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard WHERE RefNum = 'CS000201'"))) > 0) return;
    // The station posts returns itself, so the pharmacy and supplies menus offer them.
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value, status) SELECT 'CLAllowPostReturn', '1', '1' "
                             "WHERE NOT EXISTS (SELECT 1 FROM STATION..tbNurseSetup WHERE Field = 'CLAllowPostReturn')"));
    const QDateTime now = c.serverDateTime();
    const QDateTime yesterday = QDateTime(now.date(), QTime(14, 10)).addDays(-1);
    struct Issue {
        const char *idNum, *item, *location, *revenue, *slip;
        int quantity;
        double amount;
    };
    const Issue issues[] = {
        {"2026000005", "MED0201", "20", "PH", "CS000201", 4, 1520},  // heparin, 380 a vial
        {"2026000005", "MED0401", "20", "PH", "CS000201", 5, 425},   // lidocaine, 85 a vial
        {"2026000005", "SUP0001", "21", "CS", "CS000202", 2, 3700},  // guide wires
        {"2026000005", "MED0301", "20", "PH", "CS000203", 3, 5400},  // iohexol, 1,800 a bottle
        {"2026000005", "SUP0002", "21", "CS", "CS000204", 3, 6900},  // sheaths
        {"2026000007", "MED0201", "20", "PH", "CS000205", 2, 760},
    };
    for (const Issue& i : issues) {
        const QString id = QString::fromLatin1(i.idNum);
        c.execute(QStringLiteral("INSERT INTO INVENTORY..tbInvStockCard (HospNum, IDNum, ItemID, LocationID, RevenueID, TransDate, RefNum, "
                                 "Quantity, Amount, UserID) SELECT HospNum, IDNum, ?, ?, ?, ?, ?, ?, ?, 'CL001' "
                                 "FROM PATIENT_DATA..tbPatient WHERE IDNum = ?"),
                  {QString::fromLatin1(i.item), QString::fromLatin1(i.location), QString::fromLatin1(i.revenue), yesterday,
                   QString::fromLatin1(i.slip), -i.quantity, i.amount, id});
        c.execute(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, TransDate, RevenueID, DrCr, ItemID, Quantity, Refnum, Amount, "
                                 "UserID, RoomID) SELECT IDNum, ?, ?, 'D', ?, ?, ?, ?, 'CL001', RoomID FROM PATIENT_DATA..tbPatient "
                                 "WHERE IDNum = ?"),
                  {yesterday, QString::fromLatin1(i.revenue), QString::fromLatin1(i.item), i.quantity, QString::fromLatin1(i.slip), i.amount,
                   id});
    }
    // One sheath came back this morning under its credit memo.
    c.execute(QStringLiteral("INSERT INTO INVENTORY..tbInvStockCard (HospNum, IDNum, ItemID, LocationID, RevenueID, TransDate, RefNum, "
                             "Quantity, Amount, UserID, CreditMemoNum, Remarks) SELECT HospNum, IDNum, 'SUP0002', '21', 'CC', ?, "
                             "'CS000204', 1, -2300, 'CL001', '100499', 'WRONG SIZE' FROM PATIENT_DATA..tbPatient WHERE IDNum = '2026000005'"),
              {QDateTime(now.date(), QTime(8, 0))});
}

} // namespace

CATHLAB_DEMO_SECTION(441, "returns: medicines and supplies issued to two stays", issuedForReturns);
