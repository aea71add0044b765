// The log-in component's PostgreSQL settings: the server's TLS mode and certificate authority go to
// the driver, the password may stay in the driver's own password file or service file, and no text
// the program shows or logs holds the password.
#include "support/CapturedWarnings.h"
#include "support/ScopedEnv.h"
#include "support/TestDatabase.h"

#include "components/Component.h"
#include "components/login/clsCurrentuser.h"
#include "components/login/frmLogin.h"
#include "platform/db/DbError.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <memory>

namespace {

class LoginConnection : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        UiScript::reset();
    }
    void TearDown() override
    {
        clsCurrentuser::setSettingsFile(QString());
        UiScript::reset();
        ResetGlobals();
    }

    // A file of the test, readable by its user alone (as the driver wants its password file).
    QString writeFile(const QString& name, const QString& text)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) ADD_FAILURE() << path.toStdString();
        f.write(text.toUtf8());
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }
    QString writeSettings(const QString& databaseLines)
    {
        return writeFile(QStringLiteral("cathlab.ini"),
                         QStringLiteral("[database]\ndriver=postgresql\ncreateDemo=false\n") + databaseLines + QLatin1Char('\n'));
    }

    // Logs the head nurse in through the log-in dialog with these settings; keeps what the dialog said.
    std::unique_ptr<clsCurrentuser> logInWith(const QString& databaseLines)
    {
        clsCurrentuser::setSettingsFile(writeSettings(databaseLines));
        std::unique_ptr<clsCurrentuser> user(ComponentFactory::createAs<clsCurrentuser>(QStringLiteral("Talvero_User.clsCurrentuser")));
        user->PasswordDeptCode = QStringLiteral("CL");
        UiScript::queueDialog(QStringLiteral("frmLogin"), [this](QDialog* d) {
            auto* dlg = static_cast<frmLogin*>(d);
            m_label = dlg->lblDatabase->text();
            QTest::keyClicks(dlg->txtUserID, QStringLiteral("CL001"));
            QTest::keyClicks(dlg->txtAccessCode, QStringLiteral("CATH1"));
            dlg->cmdOK->click();
        });
        user->ShowMain();
        return user;
    }

    QTemporaryDir m_dir;
    QString m_label;
};

TEST_F(LoginConnection, TheSettingsFileGivesTheServerItsTlsAndAService)
{
    struct Case {
        const char* lines;
        const char* host; int port; const char* database; const char* user;
        const char* service; const char* sslmode; const char* sslrootcert;
    };
    const Case cases[] = {
        {"host=db.hospital.local\nport=5433\nname=hospital\nuser=cathlab\nsslmode=Verify-Full\nsslrootcert=/etc/hospital/ca.pem",
         "db.hospital.local", 5433, "hospital", "cathlab", "", "verify-full", "/etc/hospital/ca.pem"},
        // the service file names the server: nothing is filled in for it
        {"service=ward", "", 0, "", "", "ward", "", ""},
        {"service=ward\nname=archive\nsslmode=require", "", 0, "archive", "", "ward", "require", ""},
        // without a service, the program's defaults as before
        {"user=cathlab", "127.0.0.1", 5432, "cathlab", "cathlab", "", "", ""},
    };
    for (const Case& c : cases) {
        const LoginSettings s = LoginSettings::load(writeSettings(QString::fromLatin1(c.lines)));
        const ConnectionSettings& cs = s.connection;
        EXPECT_EQ(cs.engine, Engine::PostgreSQL) << c.lines;
        EXPECT_EQ(cs.host, QString::fromLatin1(c.host)) << c.lines;
        EXPECT_EQ(cs.port, c.port) << c.lines;
        EXPECT_EQ(cs.database, QString::fromLatin1(c.database)) << c.lines;
        EXPECT_EQ(cs.user, QString::fromLatin1(c.user)) << c.lines;
        EXPECT_TRUE(cs.password.isEmpty()) << c.lines;
        EXPECT_EQ(cs.service, QString::fromLatin1(c.service)) << c.lines;
        EXPECT_EQ(cs.sslmode, QString::fromLatin1(c.sslmode)) << c.lines;
        EXPECT_EQ(cs.sslrootcert, QString::fromLatin1(c.sslrootcert)) << c.lines;
    }
    const QString file = writeSettings(QStringLiteral("sslmode=secure"));
    try {
        LoginSettings::load(file);
        FAIL() << "an unknown TLS mode was taken";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.description().contains(file)) << e.description().toStdString();
        EXPECT_TRUE(e.description().contains(QStringLiteral("sslmode \"secure\""))) << e.description().toStdString();
    }
}

TEST_F(LoginConnection, EachTlsSettingReachesTheDriverAsOneValue)
{
    struct Case { const char* sslmode; const char* sslrootcert; const char* expected; };
    const Case cases[] = {
        {"bogus", "", "invalid sslmode value: \"bogus\""},
        // a quote cannot end the value and add an option of its own
        {"disable' host='elsewhere", "", "invalid sslmode value: \"disable' host='elsewhere\""},
        {"", "ca;cert.pem", "The database setting sslrootcert may not hold a semicolon."},
    };
    for (const Case& c : cases) {
        ConnectionSettings s;
        s.engine = Engine::PostgreSQL;
        s.port = 1; // nothing listens there
        s.database = QStringLiteral("hospital");
        s.sslmode = QString::fromLatin1(c.sslmode);
        s.sslrootcert = QString::fromLatin1(c.sslrootcert);
        try {
            Connection::open(s);
            ADD_FAILURE() << c.sslmode << c.sslrootcert;
        } catch (const DbError& e) {
            EXPECT_TRUE(e.description().contains(QString::fromLatin1(c.expected))) << e.description().toStdString();
        }
    }
}

TEST_F(LoginConnection, AnUnreachableServerIsNamedWithItsPortAndNeverWithThePassword)
{
    const QString password = QStringLiteral("Zx9-unguessable-PW");
    CapturedWarnings warnings;
    auto user = logInWith(QStringLiteral("host=127.0.0.1\nport=1\nname=hospital\nuser=cathlab\nsslmode=require\npassword=") + password);
    EXPECT_FALSE(user->Connected());
    ASSERT_FALSE(UiScript::shown().isEmpty());
    const QString notice = UiScript::shown().constFirst().text;
    EXPECT_TRUE(notice.startsWith(QStringLiteral("Cannot connect to PostgreSQL server 127.0.0.1, port 1, database hospital, user cathlab.")))
        << notice.toStdString();
    EXPECT_TRUE(m_label.contains(QStringLiteral("server 127.0.0.1, port 1"))) << m_label.toStdString();
    ASSERT_FALSE(warnings.lines().isEmpty()); // the failure reaches the log
    QStringList texts = UiScript::texts() + warnings.lines();
    texts << m_label;
    for (const QString& text : texts) EXPECT_FALSE(text.contains(password)) << text.toStdString();
}

// The private test server trusts its socket; a role of this test is asked for a password (a line
// of its own at the top of the server's client rules, taken out again at the end).
class LoginWithPasswordFile : public LoginConnection {
protected:
    void SetUp() override
    {
        LoginConnection::SetUp();
        if (!TestDatabase::usingPostgres()) GTEST_SKIP() << "needs the private PostgreSQL server (CATHLAB_TEST_PG)";
        m_admin = TestDatabase::create(true);
        m_server = TestDatabase::lastSettings();
        m_role = QStringLiteral("cathlab_pw_%1").arg(QCoreApplication::applicationPid());
        for (int i = 0; i < 24; ++i) m_password += QLatin1Char("abcdefghjkmnpqrstuvwxyz23456789"[QRandomGenerator::global()->bounded(31)]);
        // role names and passwords cannot be bound; both are made here
        m_admin->execute(QStringLiteral("DROP ROLE IF EXISTS %1").arg(m_role));
        m_admin->execute(QStringLiteral("CREATE ROLE %1 LOGIN SUPERUSER PASSWORD '%2'").arg(m_role, m_password));
        m_hbaFile = m_admin->scalar(QStringLiteral("SELECT current_setting('hba_file')")).toString();
        m_hba = m_admin->scalar(QStringLiteral("SELECT pg_read_file(?)"), {m_hbaFile}).toString();
        writeServerRules(QStringLiteral("local all %1 scram-sha-256\n").arg(m_role) + m_hba);
        m_rulesChanged = true;
        // the server reads its rules again a moment after it is told to
        ScopedEnv noFile("PGPASSFILE", QFile::encodeName(m_dir.filePath(QStringLiteral("none"))));
        for (int i = 0; i < 50 && !passwordAsked(); ++i) QThread::msleep(100);
        ASSERT_TRUE(passwordAsked()) << "the server did not ask the test role for a password";
    }
    void TearDown() override
    {
        if (m_rulesChanged) writeServerRules(m_hba);
        if (m_admin) m_admin->execute(QStringLiteral("DROP ROLE IF EXISTS %1").arg(m_role));
        LoginConnection::TearDown();
    }
    void writeServerRules(const QString& text)
    {
        const QVariant object = m_admin->scalar(QStringLiteral("SELECT lo_from_bytea(0, convert_to(?, 'UTF8'))"), {text});
        m_admin->scalar(QStringLiteral("SELECT lo_export(?, ?)"), {object, m_hbaFile});
        m_admin->scalar(QStringLiteral("SELECT lo_unlink(?)"), {object});
        m_admin->scalar(QStringLiteral("SELECT pg_reload_conf()"));
    }
    bool passwordAsked()
    {
        ConnectionSettings s = m_server;
        s.user = m_role;
        s.password.clear();
        try {
            Connection::open(s);
            return false;
        } catch (const DbError& e) {
            return e.description().contains(QStringLiteral("password"));
        }
    }
    QString serverLines() const
    {
        return QStringLiteral("host=%1\nport=%2\nname=%3\nuser=%4\nsslmode=disable\n")
            .arg(m_server.host).arg(m_server.port).arg(m_server.database, m_role);
    }

    std::unique_ptr<Connection> m_admin;
    ConnectionSettings m_server;
    QString m_role, m_password, m_hbaFile, m_hba;
    bool m_rulesChanged = false;
};

TEST_F(LoginWithPasswordFile, TheDriversPasswordFileOrServiceFileLogsInWithoutAPasswordInTheSettings)
{
    ScopedEnv passFile("PGPASSFILE", QFile::encodeName(writeFile(QStringLiteral("pgpass"), QStringLiteral("*:*:*:%1:%2\n").arg(m_role, m_password))));
    ScopedEnv serviceFile("PGSERVICEFILE", QFile::encodeName(writeFile(
        QStringLiteral("pg_service.conf"), QStringLiteral("[cathlab_ward]\nhost=%1\nport=%2\ndbname=%3\nuser=%4\nsslmode=disable\n")
                                               .arg(m_server.host).arg(m_server.port).arg(m_server.database, m_role))));
    struct Case { const char* what; QString lines; };
    const Case cases[] = {
        {"password file", serverLines()},
        {"service file", QStringLiteral("service=cathlab_ward")},
    };
    for (const Case& c : cases) {
        UiScript::reset();
        auto user = logInWith(c.lines);
        ASSERT_TRUE(user->Connected()) << c.what << ": " << UiScript::lastText().toStdString();
        EXPECT_TRUE(UiScript::shown().isEmpty()) << c.what;
        EXPECT_EQ(user->sqlConnection()->scalar(QStringLiteral("SELECT current_user")).toString(), m_role) << c.what;
        EXPECT_EQ(user->EmployeeCode(), QStringLiteral("CL001")) << c.what;
        EXPECT_FALSE(user->servername().isEmpty()) << c.what; // the status bar names the server or its service
    }
}

TEST_F(LoginWithPasswordFile, AWrongPasswordIsRefusedWithoutShowingIt)
{
    const QString wrong = QStringLiteral("Wrong-") + m_password;
    CapturedWarnings warnings;
    auto user = logInWith(serverLines() + QStringLiteral("password=") + wrong);
    EXPECT_FALSE(user->Connected());
    ASSERT_FALSE(UiScript::shown().isEmpty());
    const QString notice = UiScript::shown().constFirst().text;
    EXPECT_TRUE(notice.contains(QStringLiteral("server %1, port %2").arg(m_server.host).arg(m_server.port))) << notice.toStdString();
    EXPECT_TRUE(notice.contains(QStringLiteral("password authentication failed"))) << notice.toStdString();
    QStringList texts = UiScript::texts() + warnings.lines();
    texts << m_label;
    for (const QString& text : texts) {
        EXPECT_FALSE(text.contains(wrong)) << text.toStdString();
        EXPECT_FALSE(text.contains(m_password)) << text.toStdString();
    }
}

} // namespace
