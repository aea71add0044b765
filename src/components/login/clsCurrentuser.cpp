#include "components/login/clsCurrentuser.h"

#include "components/login/frmLogin.h"
#include "hospital/Schema.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/text/Encryption.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PrivateFiles.h"

#include <QFileInfo>
#include <QDir>

namespace {
QString& settingsPath()
{
    static QString p;
    return p;
}
}

void clsCF4::ShowEntry()
{
    ComponentTrace::record(QStringLiteral("clsCF4.ShowEntry"));
    MsgBox(QStringLiteral("The claim-form entry is not available at this workstation."), vbInformation,
           QStringLiteral("Notification"));
}

bool clsCF4::ValidateRequirements()
{
    ComponentTrace::record(QStringLiteral("clsCF4.ValidateRequirements"));
    return true;
}

void TalveroClasses::initwithdb()
{
    ComponentTrace::record(QStringLiteral("TALVEROClasses.initwithdb"));
    initialized = UseClasses;
}

clsCF4* TalveroClasses::clsCF4Object()
{
    if (!m_cf4) m_cf4 = std::make_unique<clsCF4>();
    return m_cf4.get();
}

clsCurrentuser::clsCurrentuser(const QString& progId) : Component(progId) {}

clsCurrentuser::~clsCurrentuser()
{
    if (m_conn) ConnectionRegistry::remove(m_conn.get());
}

void clsCurrentuser::setSettingsFile(const QString& file) { settingsPath() = file; }

QString clsCurrentuser::settingsFile()
{
    return settingsPath().isEmpty() ? LoginSettings::defaultFile() : settingsPath();
}

QString clsCurrentuser::servername() const
{
    if (!m_conn) return {};
    const auto& s = m_conn->settings();
    if (s.engine == Engine::SQLite) return QStringLiteral("(local)");
    return s.host.isEmpty() ? s.service : s.host; // a server named by its service only
}

QString clsCurrentuser::Database() const
{
    if (!m_conn) return {};
    const auto& s = m_conn->settings();
    return s.engine == Engine::SQLite ? s.sqlitePath : s.database;
}

QString clsCurrentuser::UserID() const { return m_conn ? m_conn->settings().user : QString(); }
QString clsCurrentuser::serverpassword() const { return m_conn ? m_conn->settings().password : QString(); }

void clsCurrentuser::warnOfFilesOthersMayRead()
{
    if (m_filesChecked) return;
    m_filesChecked = true;
    QStringList files;
    try {
        const LoginSettings& s = settings();
        files << s.file;
        if (s.connection.engine == Engine::SQLite) files << s.connection.sqlitePath;
    } catch (const std::exception&) {
        return; // the log-in dialog says what is wrong with the file
    }
    const QStringList readable = PrivateFiles::ReadableByOthers(files);
    if (readable.isEmpty()) return;
    // Left as they are: the files may be shared on purpose, and changing them is the IT department's call.
    const QString text = QStringLiteral("Other users of this workstation can read %1. The database holds patient data and "
                                        "the settings say how to reach it: ask your IT department to make %2 readable by "
                                        "you alone.")
                             .arg(readable.join(QStringLiteral(" and ")),
                                  readable.size() == 1 ? QStringLiteral("it") : QStringLiteral("them"));
    qWarning("%s", qUtf8Printable(text));
    MsgBox(text, vbExclamation, QStringLiteral("Warning"));
}

void clsCurrentuser::ShowMain()
{
    m_connected = false;
    warnOfFilesOthersMayRead();
    frmLogin dialog(this);
    runModal(&dialog);
}

void clsCurrentuser::adoptConnection(std::unique_ptr<Connection> conn)
{
    if (m_conn) ConnectionRegistry::remove(m_conn.get());
    m_conn = std::move(conn);
    ConnectionRegistry::add(m_conn.get());
}

void clsCurrentuser::setIdentity(const QString& employeeCode, const QString& employeeName, const QString& initial)
{
    m_employeeCode = employeeCode;
    m_employeeName = employeeName;
    m_initial = initial;
    m_station = PasswordDeptCode.isEmpty() ? QStringLiteral("CL") : PasswordDeptCode;
    m_connected = m_conn != nullptr;
}

const LoginSettings& clsCurrentuser::settings()
{
    if (!m_settingsLoaded) {
        m_settings = LoginSettings::load(settingsFile());
        m_settingsLoaded = true;
    }
    return m_settings;
}

void clsCurrentuser::openDatabase()
{
    const ConnectionSettings& cs = settings().connection;
    const auto readOnly = [](const QString& database) {
        return DbError(QStringLiteral("%1 is read-only; nothing could be saved. "
                                      "Ask your IT department to give this workstation write access.").arg(database));
    };
    const QString sqliteFile = QStringLiteral("The database file %1").arg(cs.sqlitePath);
    if (cs.engine == Engine::SQLite && cs.sqlitePath != QLatin1String(":memory:")) {
        QFileInfo info(cs.sqlitePath);
        if (info.exists() && !info.isWritable()) throw readOnly(sqliteFile);
        if (!info.exists() && !m_settings.createDemo)
            throw DbError(QStringLiteral("The database file %1 does not exist.").arg(cs.sqlitePath));
        if (!info.exists()) QDir().mkpath(info.absolutePath());
    }
    auto conn = Connection::open(cs);
    // Root, an immutable file or a read-only mount get past the permission test above.
    if (conn->isReadOnly())
        throw readOnly(cs.engine == Engine::SQLite ? sqliteFile : QStringLiteral("The database %1").arg(cs.describe()));
    // A database of an earlier build gets the tables and demo sections added since; a newer one is refused.
    HospitalSchema::prepare(*conn, m_settings.createDemo);
    adoptConnection(std::move(conn));
}

QString clsCurrentuser::logIn(const QString& userId, const QString& accessCode)
{
    m_connected = false;
    if (!m_conn) {
        try {
            openDatabase();
        } catch (const std::exception& e) {
            m_conn.reset();
            const QString text = QString::fromStdString(e.what());
            qWarning("Log-in: %s", qUtf8Printable(text)); // for the IT department: where it tried, and why it failed
            MsgBox(text, vbCritical, QStringLiteral("Warning"));
            return text;
        }
    }
    const QString user = userId.trimmed();
    const QString code = EncryptDecrypt(QStringLiteral("E"), QString::fromLatin1(kAccessCodeKey), accessCode.trimmed()).trimmed();
    try {
        Recordset rs = m_conn->call(QStringLiteral("STATION..sp_Check_User_Department_Access"),
                                    {user, code, PasswordDeptCode.trimmed()});
        if (user.isEmpty() || rs.isEmpty()) {
            // A right code of another department's user is not a typing error: say why instead.
            const bool otherStation =
                !user.isEmpty() &&
                DbValue::toLong(m_conn->scalar(QStringLiteral("SELECT COUNT(*) FROM PASSWORD..tbPasswordMain WHERE EmployeeID = ? "
                                                              "AND AccessCode = ? AND COALESCE(Status, 'A') = 'A'"),
                                               {user, code})) > 0;
            const QString text = otherStation ? QStringLiteral("User %1 may not sign in at this station.").arg(user)
                                              : QStringLiteral("Invalid user ID or access code.");
            MsgBox(text, vbExclamation, QStringLiteral("Warning"));
            return text;
        }
        m_employeeCode = user;
        m_employeeName = rs.text(QStringLiteral("LastName")) + QStringLiteral(", ") + rs.text(QStringLiteral("FirstName")) +
                         QLatin1Char(' ') + rs.text(QStringLiteral("MiddleName"));
        m_employeeName = m_employeeName.trimmed();
        m_initial = m_conn->scalar(QStringLiteral("SELECT Initial FROM PASSWORD..tbPasswordMain WHERE EmployeeID = ?"), {user})
                        .toString().trimmed();
        m_station = PasswordDeptCode.trimmed();
        m_connected = true;
        return {};
    } catch (const DbError& e) {
        MsgBox(e.description(), vbCritical, QStringLiteral("Warning"));
        return e.description();
    }
}

CATHLAB_COMPONENT("Talvero_User.clsCurrentuser", clsCurrentuser);
