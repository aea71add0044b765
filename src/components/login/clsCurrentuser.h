#pragma once
#include "components/Component.h"
#include "components/login/LoginSettings.h"

#include <QPointer>
#include <memory>

class Connection;
class clsCF4;

// The claim-form checker of the log-in component's class library.
class clsCF4 : public QObject {
    Q_OBJECT
public:
    QString IDNum, StationID, Title, HospitalName, HospitalAddress, ReportPath, EmployeeCode;
    void ShowEntry();
    bool ValidateRequirements();
};

// The log-in component's class library.
class TalveroClasses : public QObject {
    Q_OBJECT
public:
    bool UseClasses = false;
    bool initialized = false;
    void initwithdb();
    clsCF4* clsCF4Object();

private:
    std::unique_ptr<clsCF4> m_cf4;
};

// The log-in component: shows the log-in dialog, owns the run's one database connection and
// knows the user and the server.
class clsCurrentuser : public Component {
    Q_OBJECT
public:
    explicit clsCurrentuser(const QString& progId);
    ~clsCurrentuser() override;

    // Which settings file ShowMain reads (the program sets it from its command line; tests too).
    static void setSettingsFile(const QString& file);
    static QString settingsFile();

    QString PasswordDeptCode;
    quintptr hwndParentForm = 0;

    // Shows the log-in dialog modally; returns when it closes. Before the first showing it warns
    // once when other users may read the settings file or the SQLite database.
    void ShowMain();
    bool Connected() const { return m_connected; }
    Connection* sqlConnection() const { return m_conn.get(); }

    QString EmployeeCode() const { return m_employeeCode; }
    QString EmployeeName() const { return m_employeeName; }
    QString Initial() const { return m_initial; }
    QString servername() const;
    QString Database() const;
    QString UserID() const;
    QString serverpassword() const;
    QString Station() const { return m_station; }
    TalveroClasses* TALVEROClasses() { return &m_classes; }

    // Opens the database of the settings (creating the demo hospital on an empty one when the
    // settings allow) and checks the user; used by the dialog, and by tests without a dialog.
    // Returns an empty text on success, else the message that was shown.
    QString logIn(const QString& userId, const QString& accessCode);
    // Used by tests and tools that already hold an open connection.
    void adoptConnection(std::unique_ptr<Connection> conn);
    void openDatabase();
    // The settings file's settings, read at the first call (a missing file is written then).
    // Throws DbError as LoginSettings::load does.
    const LoginSettings& settings();
    // Sets who is logged in without the dialog (tools and tests that hold their own connection).
    void setIdentity(const QString& employeeCode, const QString& employeeName, const QString& initial);

private:
    void warnOfFilesOthersMayRead();

    std::unique_ptr<Connection> m_conn;
    LoginSettings m_settings;
    bool m_settingsLoaded = false;
    bool m_filesChecked = false;
    bool m_connected = false;
    QString m_employeeCode, m_employeeName, m_initial, m_station;
    TalveroClasses m_classes;
    friend class frmLogin;
};
