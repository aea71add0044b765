// The charging window's list of charges entered over a scaled demo hospital (100,000 admissions,
// 1,000,000 billing lines, a stock-card line for each medicine and supply; the README names the
// variables that change the scale): loading the list of an admission with 1,000 posted lines, the
// query alone and the whole reload of the window's grid, each beside its raw floor.
#include "BenchRun.h"
#include "BulkFill.h"
#include "charging/ChargePostedList.h"
#include "charging/frmCharge.h"
#include "platform/db/Connection.h"
#include "platform/ui/FlexGrid.h"
#include "shared/modGlobals.h"

#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {
ConnectionSettings g_db;
QString g_busy; // the admission with 1,000 posted lines

// Billing lines (CATHLAB_BENCH_BILLING_LINES, 1,000,000 by default): the first admission gets
// 1,000, the rest spread over every admission; a stock-card line for each medicine and supply.
void fillCharges(Connection& c, const BenchScale& scale)
{
    const int stays = BulkFill::numberStays(c, QStringLiteral("bench_stays"), QStringLiteral("PATIENT_DATA..tbPatient"));
    const QString busy = c.scalar(QStringLiteral("SELECT IDNum FROM bench_stays WHERE k = 0")).toString();
    const QString dept = QStringLiteral("CASE n % 5 WHEN 0 THEN 'HS' WHEN 1 THEN 'CS' WHEN 2 THEN 'HS' WHEN 3 THEN 'PH' ELSE 'CL' END");
    const QString item = QStringLiteral("CASE n % 5 WHEN 0 THEN 'HS001' WHEN 1 THEN 'SUP0002' WHEN 2 THEN 'HS002' WHEN 3 THEN 'MED0201' ELSE 'PKG-RHC' END");
    const QString price = QStringLiteral("CASE n % 5 WHEN 0 THEN 450 WHEN 1 THEN 2400 WHEN 2 THEN 3500 WHEN 3 THEN 410.75 ELSE 58000 END");
    const QString qty = QStringLiteral("CASE WHEN n % 50 = 49 THEN -1 ELSE 1 END"); // now and then a reversal
    const QString stay = QStringLiteral("CASE WHEN n < 1000 THEN ? ELSE (SELECT IDNum FROM bench_stays s WHERE s.k = n % %1) END").arg(stays);
    const QString slip = QStringLiteral("'C' || CAST(n / 3 AS VARCHAR(12)) || ?");
    c.execute(BulkFill::series(c) + QStringLiteral(
                  "INSERT INTO BILLING..tbBillDailyBill (IDNum, TransDate, RevenueID, DrCr, ItemID, Quantity, Refnum, Amount, UserID, RoomID) "
                  "SELECT %1, %2, %3, 'D', %4, %5, %6, (%5) * (%7), 'CL002', '205' FROM seq")
                  .arg(stay, BulkFill::plusSeconds(c, QStringLiteral("n * 30")), dept, item, qty, slip, price),
              {scale.billingLines, busy, QStringLiteral("2026-01-01 08:00:00"), QString(QChar(0x00C3))});
    c.execute(BulkFill::series(c) + QStringLiteral(
                  "INSERT INTO INVENTORY..tbInvStockCard (IDNum, ItemID, LocationID, RevenueID, TransDate, RefNum, Quantity, Amount, UserID) "
                  "SELECT %1, %2, CASE n % 5 WHEN 1 THEN '21' ELSE '20' END, %3, %4, %5, -(%6), (%6) * (%7), 'CL002' FROM seq "
                  "WHERE n % 5 IN (1, 3)")
                  .arg(stay, item, dept, BulkFill::plusSeconds(c, QStringLiteral("n * 30")), slip, qty, price),
              {scale.billingLines, busy, QStringLiteral("2026-01-01 08:00:00"), QString(QChar(0x00C3))});
}

void prepareDatabase()
{
    BenchScale defaults;
    defaults.requests = 0;
    g_db = prepareScaledHospital(QStringLiteral("charging_list"), BenchScale::fromEnvironment(defaults), fillCharges);
}

void startRun()
{
    startBenchRun(g_db);
    g_busy = SharedConnection().query(QStringLiteral("SELECT IDNum FROM PATIENT_DATA..tbPatient ORDER BY IDNum LIMIT 1")).text(QStringLiteral("IDNum"));
}

void BM_QueryPostedList1000(benchmark::State& state)
{
    int lines = 0;
    timeAgainstFloor(state, [&] { lines = LoadPostedCharges(SharedConnection(), QString(), g_busy, QStringLiteral("CL")).recordCount(); });
    state.counters["lines"] = lines;
}

void BM_ReloadPostedList1000(benchmark::State& state)
{
    frmCharge* w = frmCharge::instance();
    w->resize(1200, 700);
    w->txtID->setText(g_busy);
    timeAgainstFloor(state, [&] { w->Get_Charges(); });
    state.counters["rows"] = w->MSHFlexList->Rows() - 1;
}
} // namespace

BENCHMARK(BM_QueryPostedList1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReloadPostedList1000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunBenchmarkProgram(argc, argv, prepareDatabase, startRun); }
