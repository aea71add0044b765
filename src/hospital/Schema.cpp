#include "hospital/Schema.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"

#include <QFile>

static void initHospitalResources() { Q_INIT_RESOURCE(hospital); }

namespace HospitalSchema {

QStringList databases()
{
    return {QStringLiteral("password"), QStringLiteral("patient_data"), QStringLiteral("build_file"),
            QStringLiteral("station"), QStringLiteral("clinical_area"), QStringLiteral("inventory"),
            QStringLiteral("billing"), QStringLiteral("schedule"), QStringLiteral("radiology"),
            QStringLiteral("laboratory"), QStringLiteral("medicare"), QStringLiteral("hemodialysis")};
}

bool exists(Connection& conn)
{
    // Asks the catalogue, so that a damaged database file is an error rather than "empty".
    if (conn.engine() == Engine::SQLite)
        return DbValue::toLong(conn.scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = ?"),
                                           {Dialect::tableName(Engine::SQLite, QStringLiteral("PATIENT_DATA..TBHOSPITALINFO"))})) > 0;
    return DbValue::toLong(conn.scalar(QStringLiteral("SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = ? AND table_name = ?"),
                                       {QStringLiteral("patient_data"), QStringLiteral("tbhospitalinfo")})) > 0;
}

void create(Connection& conn)
{
    initHospitalResources();
    TransactionGuard tx(conn);
    for (const QString& db : databases()) {
        if (conn.engine() == Engine::PostgreSQL)
            conn.execute(QStringLiteral("CREATE SCHEMA IF NOT EXISTS %1").arg(db));
        QFile f(QStringLiteral(":/schema/%1.sql").arg(db));
        if (!f.open(QIODevice::ReadOnly))
            throw DbError(QStringLiteral("The schema of %1 is missing from the program.").arg(db));
        conn.executeScript(QString::fromUtf8(f.readAll()));
    }
    tx.commit();
}

} // namespace HospitalSchema
