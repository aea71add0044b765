// A one-row look-up by admission number through Connection + Recordset, side by side with the
// same statement through the raw SQLite C API, over a scaled demo hospital (100,000 admissions).
#include "hospital/DemoData.h"
#include "hospital/Schema.h"
#include "platform/db/Connection.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {
QString g_file;
int g_admissions = 100000;

void prepareDatabase()
{
    static QTemporaryDir dir;
    g_file = dir.filePath(QStringLiteral("bench.sqlite"));
    ConnectionSettings s;
    s.sqlitePath = g_file;
    auto c = Connection::open(s);
    HospitalSchema::create(*c);
    DemoScale scale;
    scale.patients = 50000;
    scale.admissions = g_admissions;
    scale.outPatients = 1000;
    DemoData::fill(*c, scale);
}

QString idFor(int i) { return QString::number(2026000000 + 1 + (i * 7919) % g_admissions); }

const char* kSql = "SELECT IDNum, HospNum, RoomID, AdmDate FROM PATIENT_DATA..tbPatient WHERE IDNum = ?";

void BM_DataLayer(benchmark::State& state)
{
    ConnectionSettings s;
    s.sqlitePath = g_file;
    auto c = Connection::open(s);
    const QString sql = QString::fromLatin1(kSql);
    int i = 0;
    for (auto _ : state) {
        Recordset rs = c->query(sql, {idFor(i++)});
        benchmark::DoNotOptimize(rs.text(QStringLiteral("HospNum")));
    }
}

void BM_RawSqlite(benchmark::State& state)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(g_file.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    // the same statement, with the table name as the data layer maps it
    const char* sql = "SELECT IDNum, HospNum, RoomID, AdmDate FROM patient_data__tbpatient WHERE IDNum = ?";
    int i = 0;
    for (auto _ : state) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
        const QByteArray id = idFor(i++).toUtf8();
        sqlite3_bind_text(st, 1, id.constData(), id.size(), SQLITE_TRANSIENT);
        std::string hosp;
        if (sqlite3_step(st) == SQLITE_ROW) hosp = reinterpret_cast<const char*>(sqlite3_column_text(st, 1));
        benchmark::DoNotOptimize(hosp);
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
}

// The raw call at its best: prepared once, reset and bound for each look-up.
void BM_RawSqlitePrepared(benchmark::State& state)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(g_file.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    const char* sql = "SELECT IDNum, HospNum, RoomID, AdmDate FROM patient_data__tbpatient WHERE IDNum = ?";
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
    int i = 0;
    for (auto _ : state) {
        sqlite3_reset(st);
        const QByteArray id = idFor(i++).toUtf8();
        sqlite3_bind_text(st, 1, id.constData(), id.size(), SQLITE_TRANSIENT);
        std::string hosp;
        if (sqlite3_step(st) == SQLITE_ROW) hosp = reinterpret_cast<const char*>(sqlite3_column_text(st, 1));
        benchmark::DoNotOptimize(hosp);
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
}
}

BENCHMARK(BM_DataLayer);
BENCHMARK(BM_RawSqlite);
BENCHMARK(BM_RawSqlitePrepared);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (const char* n = std::getenv("CATHLAB_BENCH_ADMISSIONS")) g_admissions = std::max(1000, std::atoi(n));
    prepareDatabase();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
