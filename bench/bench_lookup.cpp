// A one-row look-up by admission number through Connection + Recordset, beside the same statement
// through the raw driver (the SQLite C API, or libpq on PostgreSQL), over a scaled demo hospital
// (100,000 admissions; the README names the variables that set the scale).
#include "BenchRun.h"

#include <benchmark/benchmark.h>

namespace {
ConnectionSettings g_db;
QStringList g_keys; // every admission number, in the order the look-ups take them

const QString& idFor(qint64 i) { return g_keys[int(i % g_keys.size())]; }

const QString kSql = QStringLiteral("SELECT IDNum, HospNum, RoomID, AdmDate FROM PATIENT_DATA..tbPatient WHERE IDNum = ?");

void prepareDatabase()
{
    BenchScale defaults;
    defaults.billingLines = 0;
    defaults.requests = 0;
    const BenchScale scale = BenchScale::fromEnvironment(defaults);
    // the keys are made beforehand: making them is no part of a look-up
    for (qint64 i = 0; i < scale.admissions; ++i) g_keys << DemoData::admissionNumber(int(1 + (i * 7919) % scale.admissions));
    g_db = prepareScaledHospital(QStringLiteral("lookup"), scale, [](Connection&, const BenchScale&) {});
}

// The data layer, with the raw prepared call over the same keys as its floor: both walk every
// admission, so both read the same scattered pages.
void BM_DataLayer(benchmark::State& state)
{
    qint64 i = 0;
    timeAgainstFloor(state, [&] {
        Recordset rs = SharedConnection().query(kSql, {idFor(i++)});
        benchmark::DoNotOptimize(rs.text(QStringLiteral("HospNum")));
    }, false, int(g_keys.size()));
}
}

BENCHMARK(BM_DataLayer);

int main(int argc, char** argv) { return RunBenchmarkProgram(argc, argv, prepareDatabase, [] { startBenchRun(g_db); }); }
