#pragma once
// The run's state as start-up leaves it, for the benchmarks: the user, the connection to the
// benchmark's SQLite file, the patient search, the station parameters; message boxes scripted.
#include "components/login/clsCurrentuser.h"
#include "hospital/DemoData.h"
#include "hospital/Schema.h"
#include "components/patient_search/clsPatientSearch.h"
#include "platform/db/Connection.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>

inline void startBenchRun(const QString& sqliteFile)
{
    ConnectionSettings s;
    s.sqlitePath = sqliteFile;
    auto* user = new clsCurrentuser(QStringLiteral("Talvero_User.clsCurrentuser"));
    user->adoptConnection(Connection::open(s));
    user->setIdentity(QStringLiteral("CL001"), QStringLiteral("DELA CRUZ, ANA"), QStringLiteral("ADC"));
    Session.CurrentUser = user;
    Session.CurrentStationID = QStringLiteral("CL");
    auto* search = new clsPatientSearch(QStringLiteral("MasterSearch.clsPatientSearch"));
    search->InitConnection(user->sqlConnection(), QString());
    Session.PatientSearch = search;
    StationParameters().LoadParameters();
    UiScript::setActive(true);
}

// The benchmark's scaled hospital in a SQLite file of its own (CATHLAB_BENCH_DB names a file kept
// between runs, which is then used as it is): a new file gets the schema, the demo hospital at
// 60,000 patients, 100,000 admissions and 2,000 visits, and the benchmark's own rows (fill, in one
// transaction), then ANALYZE. Returns the file.
inline QString prepareScaledHospital(const std::function<void(Connection&)>& fill)
{
    static QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("bench.sqlite"));
    const QString kept = qEnvironmentVariable("CATHLAB_BENCH_DB");
    if (!kept.isEmpty()) file = kept;
    ConnectionSettings s;
    s.sqlitePath = file;
    const bool exists = QFile::exists(file);
    auto c = Connection::open(s);
    if (exists) return file;
    QElapsedTimer t;
    t.start();
    HospitalSchema::create(*c);
    DemoScale scale;
    scale.patients = 60000;
    scale.admissions = 100000;
    scale.outPatients = 2000;
    DemoData::fill(*c, scale);
    c->beginTrans();
    fill(*c);
    c->commitTrans();
    c->execute(QStringLiteral("ANALYZE"));
    std::printf("scaled hospital filled in %.1f s\n", t.elapsed() / 1000.0);
    return file;
}

// The main of a benchmark program: an offscreen application, the hospital prepared (prepare), the
// run started on it (start), then the benchmarks the command line selects.
inline int RunBenchmarkProgram(int argc, char** argv, const std::function<void()>& prepare, const std::function<void()>& start)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepare();
    start();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
