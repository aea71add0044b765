#include "support/TestDatabase.h"

#include "components/Component.h"
#include "components/login/clsCurrentuser.h"
#include "hospital/DemoData.h"
#include "hospital/Schema.h"
#include "platform/db/DbError.h"
#include "platform/report/ReportLog.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {
QTemporaryDir& tempDir()
{
    static QTemporaryDir dir;
    return dir;
}
ConnectionSettings g_last;
int g_serial = 0;
QStringList g_pgDatabases; // made by this binary, dropped at the end of its run
QString g_lastCopy;         // the database of the running test (PostgreSQL)

ConnectionSettings pgSettings(const QString& database)
{
    return ConnectionSettings::postgres(qEnvironmentVariable("CATHLAB_TEST_PG"), database);
}

// SQLite: a template file per kind, built once per test binary and copied for each test.
QString sqliteTemplate(bool withDemo)
{
    static QString paths[2];
    QString& path = paths[withDemo ? 1 : 0];
    if (path.isEmpty()) {
        path = tempDir().filePath(withDemo ? QStringLiteral("template-demo.sqlite") : QStringLiteral("template.sqlite"));
        ConnectionSettings s;
        s.sqlitePath = path;
        auto c = Connection::open(s);
        HospitalSchema::create(*c);
        if (withDemo) DemoData::fill(*c);
        c->execute(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        c->execute(QStringLiteral("PRAGMA journal_mode = DELETE"));
    }
    return path;
}

QString pgBinaryTag()
{
    return QStringLiteral("%1_%2").arg(QCoreApplication::applicationPid()).arg(qHash(QCoreApplication::applicationFilePath()) % 100000);
}

QString pgNewDatabase(const QString& suffix, const QString& fromTemplate = QString())
{
    const QString name = QStringLiteral("cltest_%1%2").arg(pgBinaryTag(), suffix);
    auto admin = Connection::open(pgSettings(QStringLiteral("postgres")));
    admin->execute(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name));
    admin->execute(fromTemplate.isEmpty() ? QStringLiteral("CREATE DATABASE %1").arg(name)
                                          : QStringLiteral("CREATE DATABASE %1 TEMPLATE %2").arg(name, fromTemplate));
    g_pgDatabases << name;
    return name;
}

// PostgreSQL: the schema (and the demo hospital) are made once, in a template database, and each
// test gets a copy of it. scripts/test names the run (CATHLAB_TEST_PG_RUN) so that every binary of
// the run shares one template; a binary run alone makes its own and drops it at the end.
QString pgTemplate(bool withDemo)
{
    static QString names[2];
    QString& name = names[withDemo ? 1 : 0];
    if (!name.isEmpty()) return name;
    const QString run = qEnvironmentVariable("CATHLAB_TEST_PG_RUN");
    const bool shared = !run.isEmpty();
    const QString tag = shared ? QString(run).replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_")) : pgBinaryTag();
    const QString target = QStringLiteral("cltmpl_%1_%2").arg(tag, withDemo ? QStringLiteral("demo") : QStringLiteral("schema"));
    auto admin = Connection::open(pgSettings(QStringLiteral("postgres")));
    // One binary builds it while the others of the run wait; it appears under its name only whole.
    admin->scalar(QStringLiteral("SELECT pg_advisory_lock(?)"), {qint64(qHash(target))});
    try {
        if (!admin->scalar(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = ?"), {target}).isValid()) {
            const QString building = target + QStringLiteral("_building");
            admin->execute(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(building));
            admin->execute(QStringLiteral("CREATE DATABASE %1").arg(building));
            {
                auto c = Connection::open(pgSettings(building));
                HospitalSchema::create(*c);
                if (withDemo) DemoData::fill(*c);
                c->execute(QStringLiteral("ANALYZE"));
            }
            admin->execute(QStringLiteral("ALTER DATABASE %1 RENAME TO %2").arg(building, target));
            if (!shared) g_pgDatabases << target;
        }
    } catch (...) {
        admin->scalar(QStringLiteral("SELECT pg_advisory_unlock(?)"), {qint64(qHash(target))});
        throw;
    }
    admin->scalar(QStringLiteral("SELECT pg_advisory_unlock(?)"), {qint64(qHash(target))});
    name = target;
    return name;
}
}

namespace TestDatabase {
bool usingPostgres() { return !qEnvironmentVariable("CATHLAB_TEST_PG").isEmpty(); }

std::unique_ptr<Connection> create(bool withDemo)
{
    if (usingPostgres()) {
        // the previous test's copy goes first, so a binary keeps one at a time
        if (!g_lastCopy.isEmpty()) {
            auto admin = Connection::open(pgSettings(QStringLiteral("postgres")));
            admin->execute(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(g_lastCopy));
            g_pgDatabases.removeAll(g_lastCopy);
        }
        g_lastCopy = pgNewDatabase(QStringLiteral("_t%1").arg(++g_serial), pgTemplate(withDemo));
        g_last = pgSettings(g_lastCopy);
        return Connection::open(g_last);
    }
    const QString file = tempDir().filePath(QStringLiteral("test-%1.sqlite").arg(++g_serial));
    QFile::remove(file);
    if (!QFile::copy(sqliteTemplate(withDemo), file)) throw DbError(QStringLiteral("Cannot copy the test database."));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    g_last = ConnectionSettings();
    g_last.sqlitePath = file;
    return Connection::open(g_last);
}

std::unique_ptr<Connection> createBlank()
{
    if (usingPostgres()) {
        g_last = pgSettings(pgNewDatabase(QStringLiteral("_%1").arg(++g_serial)));
        return Connection::open(g_last);
    }
    g_last = ConnectionSettings();
    g_last.sqlitePath = tempDir().filePath(QStringLiteral("blank-%1.sqlite").arg(++g_serial));
    QFile::remove(g_last.sqlitePath);
    return Connection::open(g_last);
}

void dropDatabases()
{
    if (g_pgDatabases.isEmpty()) return;
    auto admin = Connection::open(pgSettings(QStringLiteral("postgres")));
    // FORCE: a connection a test left open (a window's component) must not keep the database.
    for (const QString& name : std::as_const(g_pgDatabases))
        admin->execute(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name));
    g_pgDatabases.clear();
}

std::unique_ptr<Connection> openAnother() { return Connection::open(g_last); }
ConnectionSettings lastSettings() { return g_last; }
}

void DbTest::SetUp()
{
    ResetGlobals();
    UiScript::reset();
    ReportLog::clear();
    ComponentTrace::clear();
    auto* user = new clsCurrentuser(QStringLiteral("Talvero_User.clsCurrentuser"));
    user->PasswordDeptCode = QStringLiteral("CL");
    user->adoptConnection(TestDatabase::create(withDemo()));
    user->setIdentity(QStringLiteral("CL001"), QStringLiteral("DELA CRUZ, ANA MARQUEZ"), QStringLiteral("ADC"));
    Session.CurrentUser = user;
    m_conn = user->sqlConnection();
    Session.CurrentStationID = QStringLiteral("CL");
    Session.CurrentStationName = QStringLiteral("CATH LABORATORY");
}

void DbTest::TearDown()
{
    UiScript::reset();
    delete Session.CurrentUser;
    ResetGlobals();
    m_conn = nullptr;
}

void DbTest::signIn(const QString& employee)
{
    Recordset rs = conn().query(QStringLiteral("SELECT LastName, FirstName, MiddleName, Initial FROM PASSWORD..tbPasswordMain "
                                               "WHERE EmployeeID = ?"), {employee});
    ASSERT_FALSE(rs.isEmpty()) << employee.toStdString();
    Session.CurrentUser->setIdentity(employee, rs.text(QStringLiteral("LastName")) + QStringLiteral(", ") + rs.text(QStringLiteral("FirstName")),
                             rs.text(QStringLiteral("Initial")));
}

void DbTest::setStationParameter(const QString& field, const QString& value)
{
    if (conn().execute(QStringLiteral("UPDATE STATION..tbNurseSetup SET value = ? WHERE Field = ?"), {value, field}) == 0)
        conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value, status) VALUES (?, ?, '1')"),
                       {field, value});
    StationParameters().LoadParameters();
}

int DbTest::count(const QString& houseSql, const QVariantList& params)
{
    return int(DbValue::toLong(conn().scalar(houseSql, params)));
}
