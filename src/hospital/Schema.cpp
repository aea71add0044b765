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
    try {
        conn.query(QStringLiteral("SELECT 1 FROM PATIENT_DATA..TBHOSPITALINFO WHERE 1 = 0"));
        return true;
    } catch (const DbError&) {
        return false;
    }
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
