#pragma once
// What every benchmark shares: the scale read from the environment, the scaled hospital built once
// and kept (a SQLite file, or a database on a PostgreSQL server), the run's state as start-up
// leaves it, and the floor of each action: the same statements through the raw driver.
#include "RawFloor.h"

#include "components/login/clsCurrentuser.h"
#include "components/patient_search/clsPatientSearch.h"
#include "hospital/DemoData.h"
#include "hospital/Schema.h"
#include "platform/db/Connection.h"
#include "platform/text/LocalTimeZone.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

// The sizes of the scaled hospital, each from its environment variable (README).
struct BenchScale {
    int admissions = 100000;
    int patients = 60000;
    int visits = 2000;
    qint64 billingLines = 1000000;
    qint64 requests = 1000000;

    static BenchScale fromEnvironment(const BenchScale& defaults)
    {
        BenchScale s = defaults;
        auto read = [](const char* name, auto& value) {
            bool ok = false;
            const qint64 n = qEnvironmentVariable(name).toLongLong(&ok);
            if (ok && n >= 0) value = decltype(value + 0)(n);
        };
        const bool admissionsGiven = qEnvironmentVariableIsSet("CATHLAB_BENCH_ADMISSIONS");
        read("CATHLAB_BENCH_ADMISSIONS", s.admissions);
        // persons and visits follow the admissions unless given
        if (admissionsGiven && !qEnvironmentVariableIsSet("CATHLAB_BENCH_PATIENTS")) s.patients = qMax(1, s.admissions * 3 / 5);
        if (admissionsGiven && !qEnvironmentVariableIsSet("CATHLAB_BENCH_VISITS")) s.visits = qMax(1, s.admissions / 50);
        read("CATHLAB_BENCH_PATIENTS", s.patients);
        read("CATHLAB_BENCH_VISITS", s.visits);
        read("CATHLAB_BENCH_BILLING_LINES", s.billingLines);
        read("CATHLAB_BENCH_REQUESTS", s.requests);
        s.admissions = qMax(1, s.admissions);
        s.patients = qMax(1, s.patients);
        return s;
    }
    QString key() const
    {
        return QStringLiteral("a%1_p%2_v%3_b%4_r%5").arg(admissions).arg(patients).arg(visits).arg(billingLines).arg(requests);
    }
};

// PostgreSQL when CATHLAB_BENCH_PG holds a libpq-style "host=... port=... user=..." text (as
// CATHLAB_TEST_PG does), else SQLite.
inline ConnectionSettings benchServer(const QString& database)
{
    ConnectionSettings s;
    QString pg = qEnvironmentVariable("CATHLAB_BENCH_PG");
    // the test that runs each benchmark at a tiny scale follows the test run's engine
    if (pg.isEmpty() && qEnvironmentVariableIsSet("CATHLAB_BENCH_FOLLOW_TESTS")) pg = qEnvironmentVariable("CATHLAB_TEST_PG");
    if (pg.isEmpty()) return s;
    return ConnectionSettings::postgres(pg, database);
}

inline const char* engineName(const ConnectionSettings& s) { return s.engine == Engine::PostgreSQL ? "PostgreSQL" : "SQLite"; }

// The scaled hospital of one benchmark: the schema, the demo hospital at the scale, and the
// benchmark's own rows (fill), built once and kept for reruns (SQLite: CATHLAB_BENCH_DB, or a file
// in CATHLAB_BENCH_DIR, by default the user's cache folder; PostgreSQL: a database named after the
// benchmark and the scale). It takes its name only when whole, so an interrupted build starts again.
inline ConnectionSettings prepareScaledHospital(const QString& bench, const BenchScale& scale,
                                                const std::function<void(Connection&, const BenchScale&)>& fill)
{
    QString name = QStringLiteral("bench_%1_%2").arg(bench, scale.key()).toLower();
    // PostgreSQL keeps 63 characters of a name, and "_building" must still tell the two apart
    if (name.size() > 48) name = QStringLiteral("bench_%1_%2").arg(bench.left(20), QString::number(qHash(scale.key()), 16)).toLower();
    ConnectionSettings target = benchServer(name);
    ConnectionSettings building = benchServer(name + QStringLiteral("_building"));
    std::unique_ptr<Connection> admin;
    if (target.engine == Engine::SQLite) {
        QString dir = qEnvironmentVariable("CATHLAB_BENCH_DIR");
        if (dir.isEmpty()) dir = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/cathlab-bench");
        QDir().mkpath(dir);
        target.sqlitePath = qEnvironmentVariable("CATHLAB_BENCH_DB");
        if (target.sqlitePath.isEmpty()) target.sqlitePath = dir + QLatin1Char('/') + name + QStringLiteral(".sqlite");
        if (QFile::exists(target.sqlitePath)) return target;
        building.sqlitePath = target.sqlitePath + QStringLiteral(".building");
        for (const char* suffix : {"", "-wal", "-shm"}) QFile::remove(building.sqlitePath + QLatin1String(suffix));
    } else {
        admin = Connection::open(benchServer(QStringLiteral("postgres")));
        if (admin->scalar(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = ?"), {name}).isValid()) return target;
        admin->execute(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(building.database));
        admin->execute(QStringLiteral("CREATE DATABASE %1").arg(building.database));
    }
    QElapsedTimer t;
    t.start();
    {
        auto c = Connection::open(building);
        HospitalSchema::create(*c);
        DemoScale demo;
        demo.patients = scale.patients;
        demo.admissions = scale.admissions;
        demo.outPatients = scale.visits;
        DemoData::fill(*c, demo);
        c->beginTrans();
        fill(*c, scale);
        c->commitTrans();
        c->execute(QStringLiteral("ANALYZE"));
        if (c->engine() == Engine::SQLite) c->execute(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
    if (admin) {
        admin->execute(QStringLiteral("ALTER DATABASE %1 RENAME TO %2").arg(building.database, name));
    } else {
        for (const char* suffix : {"-wal", "-shm"}) QFile::remove(building.sqlitePath + QLatin1String(suffix));
        QFile::rename(building.sqlitePath, target.sqlitePath);
    }
    std::printf("%s scaled hospital (%s) built in %.1f s\n", engineName(target), qPrintable(scale.key()), t.elapsed() / 1000.0);
    return target;
}

inline void startBenchRun(const ConnectionSettings& settings)
{
    auto* user = new clsCurrentuser(QStringLiteral("Talvero_User.clsCurrentuser"));
    user->adoptConnection(Connection::open(settings));
    user->setIdentity(QStringLiteral("CL001"), QStringLiteral("DELA CRUZ, ANA"), QStringLiteral("ADC"));
    Session.CurrentUser = user;
    Session.CurrentStationID = QStringLiteral("CL");
    auto* search = new clsPatientSearch(QStringLiteral("MasterSearch.clsPatientSearch"));
    search->InitConnection(user->sqlConnection(), QString());
    Session.PatientSearch = search;
    StationParameters().LoadParameters();
    UiScript::setActive(true);
}

// The statements one run of an action sends, as the engine gets them.
inline std::vector<RawStatement> captureStatements(Connection& c, const std::function<void()>& action)
{
    std::vector<RawStatement> out;
    c.setStatementObserver([&](const QString& sql, const QVariantList& values) { out.push_back({sql, values}); });
    try {
        action();
    } catch (...) {
        c.setStatementObserver({});
        throw;
    }
    c.setStatementObserver({});
    return out;
}

// Times an action, then its floor: the statements one run of it sends, replayed through the raw
// driver on a connection of their own, as many times. Both figures and their ratio are reported
// beside the action. inTransaction: each run of the action and of the floor is rolled back (saves).
// cycle: the runs of the action differ (each looks up another key); the floor replays that many
// successive runs in turn, so that it reads what the action reads and not one row kept warm.
inline void timeAgainstFloor(benchmark::State& state, const std::function<void()>& action, bool inTransaction = false,
                             int cycle = 1)
{
    Connection& c = SharedConnection();
    auto once = [&] {
        if (!inTransaction) return action();
        c.beginTrans();
        try {
            action();
        } catch (...) {
            c.rollbackTrans();
            throw;
        }
        c.rollbackTrans();
    };
    using clock = std::chrono::steady_clock;
    const auto start = clock::now();
    for (auto _ : state) once();
    const double actionMs = std::chrono::duration<double, std::milli>(clock::now() - start).count() / double(state.iterations());

    std::vector<std::vector<RawStatement>> runsStatements;
    for (int k = 0; k < std::max(1, cycle); ++k) {
        if (inTransaction) c.beginTrans();
        runsStatements.push_back(captureStatements(c, action));
        if (inTransaction) c.rollbackTrans();
    }
    const std::vector<RawStatement>& statements = runsStatements.front();
    RawFloor raw(c.settings());
    const qint64 runs = std::max<qint64>(3, qint64(state.iterations())); // as many as the action, for an equally steady figure
    raw.replay(statements, inTransaction); // warm: the raw side prepares its statements once too
    const auto floorStart = clock::now();
    for (qint64 i = 0; i < runs; ++i) raw.replay(runsStatements[size_t(i % qint64(runsStatements.size()))], inTransaction);
    const double floorMs = std::chrono::duration<double, std::milli>(clock::now() - floorStart).count() / runs;
    state.counters["action_ms"] = actionMs;
    state.counters["floor_ms"] = floorMs;
    state.counters["ratio"] = floorMs > 0 ? actionMs / floorMs : 0;
    state.counters["statements"] = double(statements.size());
    state.SetLabel(engineName(c.settings()));
}

// The main of a benchmark program: an offscreen application, the hospital prepared (prepare), the
// run started on it (start), then the benchmarks the command line selects.
inline int RunBenchmarkProgram(int argc, char** argv, const std::function<void()>& prepare, const std::function<void()>& start)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    PinLocalTimeZone(); // as the program does
    QApplication app(argc, argv);
    prepare();
    start();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
