// The charging window's list of charges entered over a scaled demo hospital (100,000 admissions,
// 1,000,000 billing lines, a stock-card line for every fourth): loading the list of an admission
// with 1,000 posted lines, the query alone and the whole reload of the window's grid.
// CATHLAB_BENCH_DB=file keeps the hospital between runs.
#include "BenchRun.h"
#include "charging/ChargePostedList.h"
#include "charging/frmCharge.h"
#include "platform/db/Connection.h"
#include "platform/ui/FlexGrid.h"
#include "shared/modGlobals.h"

#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {
QString g_file;
QString g_busy; // the admission with 1,000 posted lines

void prepareDatabase()
{
    g_file = prepareScaledHospital([](Connection& c) {
        const Recordset ids = c.query(QStringLiteral("SELECT IDNum FROM PATIENT_DATA..tbPatient ORDER BY IDNum"));
        g_busy = ids.textAt(0, QStringLiteral("IDNum"));
        const QString bill = QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, TransDate, RevenueID, DrCr, ItemID, Quantity, Refnum, "
                                            "Amount, UserID, RoomID) VALUES (?, ?, ?, 'D', ?, ?, ?, ?, 'CL002', '205')");
        const QString card = QStringLiteral("INSERT INTO INVENTORY..tbInvStockCard (IDNum, ItemID, LocationID, RevenueID, TransDate, RefNum, "
                                            "Quantity, Amount, UserID) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 'CL002')");
        struct Item { const char *dept, *item, *location; double price; };
        const Item items[] = {{"HS", "HS001", nullptr, 450},   {"CS", "SUP0002", "21", 2400}, {"HS", "HS002", nullptr, 3500},
                              {"PH", "MED0201", "20", 410.75}, {"CL", "PKG-RHC", nullptr, 58000}};
        const QDateTime at(QDate(2026, 1, 1), QTime(8, 0));
        for (int n = 0; n < 1000000; ++n) {
            // The first admission gets 1,000 lines; the rest spread over all admissions.
            const QString id = n < 1000 ? g_busy : ids.textAt(n % ids.recordCount(), QStringLiteral("IDNum"));
            const Item& i = items[n % 5];
            const QString slip = QStringLiteral("C%1\u00C3").arg(n / 3);
            const int qty = n % 50 == 49 ? -1 : 1; // now and then a reversal
            const QDateTime when = at.addSecs(n * 30);
            c.execute(bill, {id, when, QString::fromLatin1(i.dept), QString::fromLatin1(i.item), qty, slip, qty * i.price});
            if (i.location)
                c.execute(card, {id, QString::fromLatin1(i.item), QString::fromLatin1(i.location), QString::fromLatin1(i.dept), when, slip,
                                  -qty, qty * i.price});
        }
    });
}

void startRun()
{
    startBenchRun(g_file);
    if (g_busy.isEmpty())
        g_busy = SharedConnection().query(QStringLiteral("SELECT IDNum FROM PATIENT_DATA..tbPatient ORDER BY IDNum LIMIT 1")).text(QStringLiteral("IDNum"));
}

void BM_QueryPostedList1000(benchmark::State& state)
{
    int lines = 0;
    for (auto _ : state) lines = LoadPostedCharges(SharedConnection(), QString(), g_busy, QStringLiteral("CL")).recordCount();
    state.counters["lines"] = lines;
}

void BM_ReloadPostedList1000(benchmark::State& state)
{
    frmCharge* w = frmCharge::instance();
    w->resize(1200, 700);
    w->txtID->setText(g_busy);
    for (auto _ : state) w->Get_Charges();
    state.counters["rows"] = w->MSHFlexList->Rows() - 1;
}
} // namespace

BENCHMARK(BM_QueryPostedList1000)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ReloadPostedList1000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv) { return RunBenchmarkProgram(argc, argv, prepareDatabase, startRun); }
