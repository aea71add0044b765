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
#include <QTemporaryDir>

namespace {
QTemporaryDir& tempDir()
{
    static QTemporaryDir dir;
    return dir;
}
ConnectionSettings g_last;
int g_serial = 0;

ConnectionSettings pgSettings(const QString& database)
{
    ConnectionSettings s;
    s.engine = Engine::PostgreSQL;
    s.database = database;
    const QStringList parts = qEnvironmentVariable("CATHLAB_TEST_PG").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& p : parts) {
        const QString key = p.section(QLatin1Char('='), 0, 0), value = p.section(QLatin1Char('='), 1);
        if (key == QLatin1String("host")) s.host = value;
        else if (key == QLatin1String("port")) s.port = value.toInt();
        else if (key == QLatin1String("user")) s.user = value;
        else if (key == QLatin1String("password")) s.password = value;
    }
    return s;
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

// PostgreSQL: one database per binary; each test empties every table and fills it again.
QString pgDatabase()
{
    static QString name;
    if (name.isEmpty()) {
        name = QStringLiteral("cltest_%1_%2").arg(QCoreApplication::applicationPid()).arg(qHash(QCoreApplication::applicationFilePath()) % 100000);
        auto admin = Connection::open(pgSettings(QStringLiteral("postgres")));
        admin->execute(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(name));
        admin->execute(QStringLiteral("CREATE DATABASE %1").arg(name));
        auto c = Connection::open(pgSettings(name));
        HospitalSchema::create(*c);
    }
    return name;
}

void pgEmpty(Connection& c)
{
    Recordset rs = c.query(QStringLiteral(
        "SELECT table_schema || '.' || table_name AS t FROM information_schema.tables "
        "WHERE table_type = 'BASE TABLE' AND table_schema NOT IN ('pg_catalog', 'information_schema')"));
    QStringList tables;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) tables << rs.text(QStringLiteral("t"));
    if (!tables.isEmpty()) c.execute(QStringLiteral("TRUNCATE %1 RESTART IDENTITY CASCADE").arg(tables.join(QStringLiteral(", "))));
}
}

namespace TestDatabase {
bool usingPostgres() { return !qEnvironmentVariable("CATHLAB_TEST_PG").isEmpty(); }

std::unique_ptr<Connection> create(bool withDemo)
{
    if (usingPostgres()) {
        g_last = pgSettings(pgDatabase());
        auto c = Connection::open(g_last);
        pgEmpty(*c);
        if (withDemo) DemoData::fill(*c);
        return c;
    }
    const QString file = tempDir().filePath(QStringLiteral("test-%1.sqlite").arg(++g_serial));
    QFile::remove(file);
    if (!QFile::copy(sqliteTemplate(withDemo), file)) throw DbError(QStringLiteral("Cannot copy the test database."));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    g_last = ConnectionSettings();
    g_last.sqlitePath = file;
    return Connection::open(g_last);
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
