// A charging save over a hospital with 1,000,000 billing lines (in-patient and out-patient, each
// under a charge slip) and 200,000 stock-card lines: 50 rows, half stock and half services, posted
// with a new slip number (its check against every posted reference included), in one transaction.
// CATHLAB_BENCH_DB=file keeps the hospital between runs.
#include "BenchRun.h"
#include "charging/ChargeEntryRow.h"
#include "charging/ChargeSave.h"
#include "platform/db/Connection.h"
#include "shared/modGlobals.h"

#include <benchmark/benchmark.h>
#include <cstdio>

namespace {
QString g_file;
QString g_idNum, g_hospNum;
constexpr int kBillingLines = 1000000;
constexpr int kStockLines = 200000;

QString slipOf(int n) { return QStringLiteral("C%1").arg(n) + QChar(0x00C3); }

void prepareDatabase()
{
    g_file = prepareScaledHospital([](Connection& c) {
        const Recordset in = c.query(QStringLiteral("SELECT IDNum FROM PATIENT_DATA..tbPatient ORDER BY IDNum"));
        const Recordset out = c.query(QStringLiteral("SELECT IDNum, HospNum FROM PATIENT_DATA..TBOUTPATIENT ORDER BY IDNum"));
        const QString inLine = QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, TransDate, RevenueID, DrCr, ItemID, Quantity, Refnum, "
                                              "Amount, UserID, RoomID) VALUES (?, ?, ?, 'D', ?, 1, ?, ?, 'CL001', '204')");
        const QString outLine = QStringLiteral("INSERT INTO BILLING..tbBillOPDailyOut (HospNum, IDNum, TransDate, RevenueID, DrCr, ItemID, "
                                               "Quantity, Refnum, ChargeSlip, Amount, UserID) VALUES (?, ?, ?, ?, 'D', ?, 1, ?, ?, ?, 'CL001')");
        const QDateTime at(QDate(2026, 6, 1), QTime(8, 0));
        const char* items[][2] = {{"HS", "HS001"}, {"HS", "HS002"}, {"CL", "CL101"}, {"LB", "CBC"}, {"XR", "CXRPA"}};
        for (int n = 0; n < kBillingLines; ++n) {
            const int slip = n / 2 + 1; // two lines a slip
            const auto& item = items[n % 5];
            if (n % 10 == 9) {
                const int row = n % out.recordCount();
                c.execute(outLine, {out.textAt(row, QStringLiteral("HospNum")), out.textAt(row, QStringLiteral("IDNum")), at.addSecs(n),
                                    QString::fromLatin1(item[0]), QString::fromLatin1(item[1]), slipOf(slip), slipOf(slip), 450.0});
            } else {
                c.execute(inLine, {in.textAt(n % in.recordCount(), QStringLiteral("IDNum")), at.addSecs(n), QString::fromLatin1(item[0]),
                                   QString::fromLatin1(item[1]), slipOf(slip), 450.0});
            }
        }
        const QString card = QStringLiteral("INSERT INTO INVENTORY..tbInvStockCard (IDNum, ItemID, LocationID, RevenueID, TransDate, RefNum, "
                                            "Quantity, Amount, UserID) VALUES (?, 'SUP0002', '35', 'CS', ?, ?, -1, 2400, 'CL001')");
        for (int n = 0; n < kStockLines; ++n)
            c.execute(card, {in.textAt(n % in.recordCount(), QStringLiteral("IDNum")), at.addSecs(n), slipOf(kBillingLines / 2 + 1 + n)});
        // the counter stands after the last slip in use
        c.execute(QStringLiteral("UPDATE STATION..tbCLChargeSlip SET Chargeslip = ? WHERE StationID = 'CL'"),
                  {kBillingLines / 2 + kStockLines + 1});
    });
}

void startRun()
{
    startBenchRun(g_file);
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
    QString last;
    for (auto _ : state) last = SaveChargeRows(SharedConnection(), in).slipNumber;
    state.counters["rows"] = 50;
    std::printf("last slip %s\n", qPrintable(last));
}
} // namespace

BENCHMARK(BM_SaveCharges50)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv) { return RunBenchmarkProgram(argc, argv, prepareDatabase, startRun); }
