// A charging save over a hospital with 1,000,000 billing lines (in-patient and out-patient, each
// under a charge slip) and 200,000 stock-card lines: 50 rows, half stock and half services, posted
// with a new slip number (its check against every posted reference included), in one transaction.
// The save is reported beside its raw floor; the README names the variables that set the scale.
#include "BenchRun.h"
#include "BulkFill.h"
#include "charging/ChargeEntryRow.h"
#include "charging/ChargeSave.h"
#include "platform/db/Connection.h"
#include "shared/modGlobals.h"

#include <benchmark/benchmark.h>
#include <cstdio>

namespace {
ConnectionSettings g_db;
QString g_idNum, g_hospNum;

// Billing lines (CATHLAB_BENCH_BILLING_LINES), two a slip, one in ten an out-patient's, and one
// stock-card line for every fifth billing line under slips of their own.
void fillCharges(Connection& c, const BenchScale& scale)
{
    const int stays = BulkFill::numberStays(c, QStringLiteral("bench_stays"), QStringLiteral("PATIENT_DATA..tbPatient"));
    const int visits = BulkFill::numberStays(c, QStringLiteral("bench_visits"), QStringLiteral("PATIENT_DATA..TBOUTPATIENT"));
    const QString dept = QStringLiteral("CASE n % 5 WHEN 0 THEN 'HS' WHEN 1 THEN 'HS' WHEN 2 THEN 'CL' WHEN 3 THEN 'LB' ELSE 'XR' END");
    const QString item = QStringLiteral("CASE n % 5 WHEN 0 THEN 'HS001' WHEN 1 THEN 'HS002' WHEN 2 THEN 'CL101' WHEN 3 THEN 'CBC' ELSE 'CXRPA' END");
    const QString slip = QStringLiteral("'C' || CAST(n / 2 + 1 AS VARCHAR(12)) || ?");
    const QString at = QStringLiteral("2026-06-01 08:00:00");
    const QString mark = QString(QChar(0x00C3));
    c.execute(BulkFill::series(c) + QStringLiteral(
                  "INSERT INTO BILLING..tbBillDailyBill (IDNum, TransDate, RevenueID, DrCr, ItemID, Quantity, Refnum, Amount, UserID, RoomID) "
                  "SELECT s.IDNum, %1, %2, 'D', %3, 1, %4, 450, 'CL001', '204' FROM seq JOIN bench_stays s ON s.k = n % %5 WHERE n % 10 <> 9")
                  .arg(BulkFill::plusSeconds(c, QStringLiteral("n")), dept, item, slip).arg(stays),
              {scale.billingLines, at, mark});
    c.execute(BulkFill::series(c) + QStringLiteral(
                  "INSERT INTO BILLING..tbBillOPDailyOut (HospNum, IDNum, TransDate, RevenueID, DrCr, ItemID, Quantity, Refnum, ChargeSlip, "
                  "Amount, UserID) SELECT v.HospNum, v.IDNum, %1, %2, 'D', %3, 1, %4, %4, 450, 'CL001' FROM seq "
                  "JOIN bench_visits v ON v.k = n % %5 WHERE n % 10 = 9")
                  .arg(BulkFill::plusSeconds(c, QStringLiteral("n")), dept, item, QStringLiteral("'C' || CAST(n / 2 + 1 AS VARCHAR(12)) || ?")).arg(qMax(visits, 1)),
              {scale.billingLines, at, mark, mark});
    const qint64 stockLines = scale.billingLines / 5;
    c.execute(BulkFill::series(c) + QStringLiteral(
                  "INSERT INTO INVENTORY..tbInvStockCard (IDNum, ItemID, LocationID, RevenueID, TransDate, RefNum, Quantity, Amount, UserID) "
                  "SELECT s.IDNum, 'SUP0002', '35', 'CS', %1, 'C' || CAST(? + n AS VARCHAR(12)) || ?, -1, 2400, 'CL001' FROM seq "
                  "JOIN bench_stays s ON s.k = n % %2").arg(BulkFill::plusSeconds(c, QStringLiteral("n"))).arg(stays),
              {stockLines, at, scale.billingLines / 2 + 1, mark});
    // the counter stands after the last slip in use
    c.execute(QStringLiteral("UPDATE STATION..tbCLChargeSlip SET Chargeslip = ? WHERE StationID = 'CL'"), {scale.billingLines / 2 + stockLines + 1});
}

void prepareDatabase()
{
    BenchScale defaults;
    defaults.requests = 0;
    g_db = prepareScaledHospital(QStringLiteral("charging_save"), BenchScale::fromEnvironment(defaults), fillCharges);
}

void startRun()
{
    startBenchRun(g_db);
    const Recordset rs = SharedConnection().query(QStringLiteral("SELECT IDNum, HospNum FROM PATIENT_DATA..tbPatient ORDER BY IDNum LIMIT 1 OFFSET 7"));
    g_idNum = rs.text(QStringLiteral("IDNum"));
    g_hospNum = rs.text(QStringLiteral("HospNum"));
}

QStringList row(const char* dept, const char* item, const char* qty, const char* amount, const char* location)
{
    QStringList r;
    for (int i = 0; i < ChargeEntryRow::ColumnCount; ++i) r << QString();
    r[ChargeEntryRow::Dept] = QString::fromLatin1(dept);
    r[ChargeEntryRow::ItemCode] = QString::fromLatin1(item);
    r[ChargeEntryRow::Description] = QStringLiteral("BENCH ITEM ") + QString::fromLatin1(item);
    r[ChargeEntryRow::Qty] = QString::fromLatin1(qty);
    r[ChargeEntryRow::UnitPrice] = QString::fromLatin1(amount);
    r[ChargeEntryRow::Amount] = QString::fromLatin1(amount);
    r[ChargeEntryRow::Location] = QString::fromLatin1(location);
    return r;
}

void BM_SaveCharges50(benchmark::State& state)
{
    ChargeSaveInput in;
    in.hospNum = g_hospNum;
    in.idNum = g_idNum;
    in.room = QStringLiteral("204");
    in.stationCode = QStringLiteral("CL");
    in.patientType = QStringLiteral("I");
    in.userId = QStringLiteral("CL001");
    in.rateOption = QStringLiteral("R");
    in.counterStation = QStringLiteral("CL");
    const char* stock[] = {"SUP0002", "SUP0003", "100101", "SUP0001", "SUP0004"};
    const char* services[] = {"HS001", "HS002", "CL101", "CL102", "CL105"};
    for (int i = 0; i < 50; ++i)
        in.rows << (i % 2 ? row(i % 4 == 1 ? "HS" : "CL", services[(i / 2) % 5], "1", "450", "")
                          : row("CL", stock[(i / 2) % 5], "2", "4800", "35"));
    // each save is rolled back, so every run posts the same slip over the same hospital
    timeAgainstFloor(state, [&] { SaveChargeRows(SharedConnection(), in); }, true);
    state.counters["rows"] = 50;
}
} // namespace

BENCHMARK(BM_SaveCharges50)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunBenchmarkProgram(argc, argv, prepareDatabase, startRun); }
