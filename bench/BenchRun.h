#pragma once
// The run's state as start-up leaves it, for the benchmarks: the user, the connection to the
// benchmark's SQLite file, the patient search, the station parameters; message boxes scripted.
#include "components/login/clsCurrentuser.h"
#include "components/patient_search/clsPatientSearch.h"
#include "platform/db/Connection.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"

#include <QFile>
#include <QTemporaryDir>
#include <memory>

// Opens the benchmark's SQLite file: a private temporary one, or the file CATHLAB_BENCH_DB names,
// which keeps the scaled hospital between runs. `fresh` tells that the file did not exist yet and
// the caller fills it.
inline std::unique_ptr<Connection> openBenchDatabase(QString& file, bool& fresh)
{
    static QTemporaryDir dir;
    file = dir.filePath(QStringLiteral("bench.sqlite"));
    const QString kept = qEnvironmentVariable("CATHLAB_BENCH_DB");
    if (!kept.isEmpty()) file = kept;
    fresh = !QFile::exists(file);
    ConnectionSettings s;
    s.sqlitePath = file;
    return Connection::open(s);
}

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
