// Discharged patients for the receivable update: one billed with late charges posted after its
// billing, one discharged under cash basis but not billed, one already invoiced by the receivable
// section, and a billed out-patient visit.
#include "hospital/ChargePostings.h"
#include "hospital/DemoData.h"
#include "platform/db/Connection.h"

namespace {

void receivables(Connection& c, const DemoScale&)
{
    const QDateTime now = c.serverDateTime();
    const QDateTime day(now.date(), QTime(8, 0));
    c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName, FirstName, MiddleName, Sex, BirthDate, NationalityID) "
                             "VALUES ('DM7001', 'VILLANUEVA', 'CARLOS', 'DIZON', 'M', ?, 'FIL'), "
                             "('DM7002', 'AQUINO', 'ROSARIO', 'LIM', 'F', ?, 'FIL'), "
                             "('DM7003', 'MERCADO', 'TEODORO', 'SY', 'M', ?, 'FIL')"),
              {QDateTime(QDate(1958, 3, 14), QTime()), QDateTime(QDate(1966, 9, 2), QTime()), QDateTime(QDate(1971, 1, 25), QTime())});
    const QString stay = QStringLiteral(
        "INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, AdmDate, DcrDate, RoomID, AccountNum, BillingDate, InvoiceDate, "
        "LateCharges, Diagnosis) VALUES (?, ?, ?, ?, '205', '', ?, ?, ?, ?)");
    c.execute(stay, {"2026000901", "DM7001", day.addDays(-12), day.addDays(-5), day.addDays(-4), QVariant(), 1,
                     "CORONARY ARTERY DISEASE"});
    c.execute(stay, {"2026000902", "DM7002", day.addDays(-9), day.addDays(-3), QVariant(), QVariant(), 0, "STABLE ANGINA"});
    c.execute(stay, {"2026000903", "DM7003", day.addDays(-40), day.addDays(-33), day.addDays(-32), day.addDays(-20), 0,
                     "MITRAL STENOSIS"});
    c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient2 (IDNum, OkeyCL) VALUES ('2026000902', 0)"));
    c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..TBOUTPATIENT (IDNum, HospNum, AdmDate, DcrDate, AccountNum, BillingDate, LateCharges) "
                             "VALUES ('600901B', 'DM7002', ?, ?, '', ?, 0)"),
              {day.addDays(-2), day.addDays(-2).addSecs(4 * 3600), day.addDays(-1)});
    // Late charges already posted to the billed stay: a service and a medicine with its stock-card
    // line, each on its printed slip as the late-charge save leaves it.
    const struct {
        const char *dept, *item, *description;
        double qty, amount;
        const char* location;
    } lines[] = {{"HS", "HS001", "ECG 12 LEADS", 1, 450, nullptr}, {"PH", "MED0201", "HEPARIN 5000IU/ML VIAL", 2, 821.5, "20"}};
    for (const auto& l : lines) {
        BillingLine b;
        b.HospNum = QStringLiteral("DM7001");
        b.IDNum = QStringLiteral("2026000901");
        b.RevenueID = QString::fromLatin1(l.dept);
        b.ItemID = QString::fromLatin1(l.item);
        b.RefNum = QStringLiteral("C905\u00C3");
        b.UserID = QStringLiteral("CL002");
        b.RoomID = QStringLiteral("205");
        b.TransDate = day.addDays(-2);
        b.Quantity = l.qty;
        b.Amount = l.amount;
        b.DrCr = QStringLiteral("D");
        InsertBillingLine(c, b);
        AddChargeSlipLine(c, b.RefNum, b.RevenueID, b.ItemID, QString::fromLatin1(l.description), l.qty, l.amount);
        if (l.location)
            c.execute(QStringLiteral("INSERT INTO INVENTORY..tbInvStockCard (HospNum, IDNum, ItemID, LocationID, RevenueID, TransDate, "
                                     "RefNum, Quantity, Amount, UserID) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 'CL002')"),
                      {b.HospNum, b.IDNum, b.ItemID, QString::fromLatin1(l.location), b.RevenueID, b.TransDate, b.RefNum, -l.qty,
                       l.amount});
    }
}

} // namespace

CATHLAB_DEMO_SECTION(439, "discharged patients for the receivable update", receivables, "PATIENT_DATA..tbMaster");
