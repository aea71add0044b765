#include "support/TestDatabase.h"
#include "hospital/Schema.h"

#include "components/Component.h"
#include "components/Drugs.h"
#include "components/login/clsCurrentuser.h"
#include "components/login/frmLogin.h"
#include "components/patient_search/clsPatientSearch.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shell/mdiCathLabMenu.h"
#include "patients/frmCathPatients.h"
#include "patients/frmSearch.h"

#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Start-up runs against a database prepared as for any test; the log-in dialog reads it from a
// settings file written here.
class StartUp : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        UiScript::reset();
        ComponentTrace::clear();
        m_db = TestDatabase::create(true);
        writeSettings(TestDatabase::lastSettings());
        mdiCathLabMenu::setInstanceLockFile(m_dir.filePath(QStringLiteral("cathlab.lock")));
    }
    void TearDown() override
    {
        if (mdiCathLabMenu::isLoaded()) delete mdiCathLabMenu::existing();
        for (const QString& id : ComponentFactory::registered()) {
            ComponentFactory::setUnavailable(id, false);
            ComponentTrace::setRefused(id, false);
        }
        clsCurrentuser::setSettingsFile(QString());
        mdiCathLabMenu::setInstanceLockFile(QString());
        UiScript::reset();
        ResetGlobals();
    }

    void writeSettings(const ConnectionSettings& s)
    {
        const QString file = m_dir.filePath(QStringLiteral("cathlab.ini"));
        QFile::remove(file);
        QSettings ini(file, QSettings::IniFormat);
        ini.beginGroup(QStringLiteral("database"));
        if (s.engine == Engine::SQLite) {
            ini.setValue(QStringLiteral("driver"), QStringLiteral("sqlite"));
            ini.setValue(QStringLiteral("path"), s.sqlitePath);
        } else {
            ini.setValue(QStringLiteral("driver"), QStringLiteral("postgresql"));
            ini.setValue(QStringLiteral("host"), s.host);
            ini.setValue(QStringLiteral("port"), s.port);
            ini.setValue(QStringLiteral("name"), s.database);
            ini.setValue(QStringLiteral("user"), s.user);
            ini.setValue(QStringLiteral("password"), s.password);
        }
        ini.setValue(QStringLiteral("createDemo"), false);
        ini.endGroup();
        ini.sync();
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner); // as the program makes it
        clsCurrentuser::setSettingsFile(file);
    }

    static void queueLogIn(const QString& user, const QString& code)
    {
        UiScript::queueDialog(QStringLiteral("frmLogin"), [user, code](QDialog* d) {
            auto* dlg = static_cast<frmLogin*>(d);
            QTest::keyClicks(dlg->txtUserID, user);
            QTest::keyClick(dlg->txtUserID, Qt::Key_Return); // Enter goes on to the access code
            EXPECT_TRUE(dlg->txtAccessCode->hasFocus() || !dlg->isActiveWindow());
            QTest::keyClicks(dlg->txtAccessCode, code);
            dlg->cmdOK->click();
        });
    }

    int logInLines()
    {
        return int(DbValue::toLong(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Remarks LIKE 'Log In:%'"))));
    }

    QTemporaryDir m_dir;
    std::unique_ptr<Connection> m_db;
};

TEST_F(StartUp, LogsInAndRunsTheStartUpInOrder)
{
    queueLogIn(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    mdiCathLabMenu* w = mdiCathLabMenu::instance();
    ASSERT_EQ(w->MDIForm_Load(), mdiCathLabMenu::StartResult::Running);

    EXPECT_TRUE(UiScript::shown().isEmpty()) << UiScript::lastText().toStdString();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Talvero - Cath Laboratory ") + mdiCathLabMenu::versionText());
    EXPECT_EQ(Session.CurrentStationID.toString(), QStringLiteral("CL"));
    EXPECT_EQ(Session.CurrentStationName.toString(), QStringLiteral("CATH LABORATORY"));
    EXPECT_TRUE(w->LoggedIn);
    EXPECT_TRUE(Session.ServerDate.isValid());
    EXPECT_EQ(Session.HospName, QStringLiteral("ST. BRIGID MEDICAL CENTER"));
    EXPECT_TRUE(Session.AllowEditAmount); // the demo station allows it
    EXPECT_EQ(w->StbErPanels[0]->text(), QStringLiteral("USER'S INITIAL "));
    EXPECT_EQ(w->StbErPanels[1]->text(), QStringLiteral("ADC"));
    EXPECT_EQ(w->StbErPanels[2]->text(), QStringLiteral("DELA CRUZ, ANA MARQUEZ"));

    // the log-in line, with the employee code as both ID number and user
    Recordset log = m_db->query(QStringLiteral("SELECT Idnum, Remarks, UserID, StationID, Hostname, Transdate FROM STATION..tbStationLogs"));
    ASSERT_EQ(log.recordCount(), 1);
    EXPECT_EQ(log.text(QStringLiteral("Idnum")), QStringLiteral("CL001"));
    EXPECT_EQ(log.text(QStringLiteral("Remarks")), QStringLiteral("Log In: Version: ") + mdiCathLabMenu::versionText());
    EXPECT_EQ(log.text(QStringLiteral("UserID")), QStringLiteral("CL001"));
    EXPECT_EQ(log.text(QStringLiteral("StationID")), QStringLiteral("CL"));
    EXPECT_FALSE(log.text(QStringLiteral("Hostname")).isEmpty());
    EXPECT_TRUE(log.toDateTime(QStringLiteral("Transdate")).isValid());

    // components created in their order, then the searches, the chain and the class library
    const QStringList expected = {
        QStringLiteral("create Talvero_User.clsCurrentuser"), QStringLiteral("create prjListDrugs.clsListDrugs"),
        QStringLiteral("create MasterSearch.clsPatientSearch"), QStringLiteral("create prjDrugDLL.clsDrug"),
        QStringLiteral("create prjListDrugs.clsListDrugs"), QStringLiteral("create LabResultInquiry.Labresultviewer"),
        QStringLiteral("create ActiveX100.KeyPress"), QStringLiteral("create CodeSearchform.clsCodeSearch"),
        QStringLiteral("create ActiveX100.KeyPress"), QStringLiteral("create ICD10.ICDCodeSearch"),
        QStringLiteral("create Nurse_activity.clsRequest"), QStringLiteral("create Nurse_activity.clsResults"),
        QStringLiteral("create Nurse_activity.clsConfinementResults"), QStringLiteral("create Nurse_activity.clsConfinement"),
        QStringLiteral("create prjchargesliplistdll.clsChargeSlip"), QStringLiteral("create prjissuedmedsdll.clsIssuedMedicines"),
        QStringLiteral("create prjpatientdll.Patient"), QStringLiteral("ICDCodeSearch.ActiveConnection"),
        QStringLiteral("clsCodeSearch.Initialize_Classes"), QStringLiteral("clsCodeSearch.Connection"),
        QStringLiteral("clsPatientSearch.InitConnection"), QStringLiteral("clsDrug.InitConnect"),
        QStringLiteral("clsListDrugs.InitConnection"), QStringLiteral("Patient.InitConnect"),
        QStringLiteral("clsIssuedMedicines.InitConnection"), QStringLiteral("clsChargeSlip.InitConnection"),
        QStringLiteral("clsListDrugs.DrugsORCSR=0"), QStringLiteral("TALVEROClasses.initwithdb")};
    EXPECT_EQ(ComponentTrace::calls(), expected);
    EXPECT_TRUE(Session.DrugListCSR->drugsOrCsrSet());
    EXPECT_TRUE(Session.PatientSearch->isConnected());

    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_TRUE(w->tmrRequests->isActive());
    EXPECT_FALSE(w->tmrNotice->isActive());
    // the request check ran at once: the demo has open requests for the department
    EXPECT_TRUE(w->cmdRequests->isVisibleTo(w));
    EXPECT_TRUE(w->tmrButton->isActive());
    EXPECT_FALSE(w->tmrMerlin->isActive());
    EXPECT_TRUE(w->mnuMarkUp->isVisible());
    EXPECT_FALSE(w->mnuCF4->isVisible());
    EXPECT_FALSE(w->mnuPriceList->isVisible());
    EXPECT_EQ(Session.CF4Checker, nullptr);

    // the first tick: the splash, then the department case list (the demo station registers cases)
    w->Timer1_Timer();
    EXPECT_FALSE(w->Timer1->isActive());
    EXPECT_TRUE(UiScript::dialogsRun().contains(QStringLiteral("frmSplash")));
    EXPECT_TRUE(frmCathPatients::isLoaded());
    EXPECT_FALSE(frmSearch::isLoaded());

    // shutdown: the nurse activity classes end first, in their order
    ComponentTrace::clear();
    w->MDIForm_Unload();
    EXPECT_EQ(ComponentTrace::calls(),
              (QStringList{QStringLiteral("clsResults.Class_Terminate"), QStringLiteral("clsRequest.Class_Terminate"),
                           QStringLiteral("clsConfinement.Class_Terminate"), QStringLiteral("clsConfinementResults.Class_Terminate")}));
    EXPECT_EQ(Session.CurrentUser, nullptr);
}

TEST_F(StartUp, ASecondCopyIsRefusedBeforeTheLogIn)
{
    QLockFile other(mdiCathLabMenu::instanceLockFile());
    ASSERT_TRUE(other.tryLock(0));
    mdiCathLabMenu* w = mdiCathLabMenu::instance();
    EXPECT_EQ(w->MDIForm_Load(), mdiCathLabMenu::StartResult::AlreadyLoaded);
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(UiScript::shown()[0].text, QStringLiteral("Program is already loaded!"));
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Warning"));
    EXPECT_EQ(UiScript::shown()[0].style & 0x70, int(vbCritical));
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
    EXPECT_EQ(logInLines(), 0);
}

TEST_F(StartUp, FailedLogInEndsWithConnectionFailed)
{
    struct Case { const char* user; const char* code; const char* refusal; };
    const Case cases[] = {{"CL001", "WRONG", "Invalid user ID or access code."},
                          {"XR001", "XRAY1", "User XR001 may not sign in at this station."}, // right code, other department
                          {"XR001", "WRONG", "Invalid user ID or access code."},
                          {"", "", "Invalid user ID or access code."},
                          {"CL001", "CATH1", nullptr}};
    for (const auto& c : cases) {
        UiScript::reset();
        ComponentTrace::clear();
        UiScript::queueDialog(QStringLiteral("frmLogin"), [c](QDialog* d) {
            auto* dlg = static_cast<frmLogin*>(d);
            if (c.refusal) {
                QTest::keyClicks(dlg->txtUserID, QString::fromUtf8(c.user));
                QTest::keyClicks(dlg->txtAccessCode, QString::fromUtf8(c.code));
                dlg->cmdOK->click();
                EXPECT_TRUE(dlg->isVisible()); // a refusal keeps the dialog open
            }
            dlg->cmdCancel->click();
        });
        mdiCathLabMenu* w = mdiCathLabMenu::instance();
        EXPECT_EQ(w->MDIForm_Load(), mdiCathLabMenu::StartResult::ConnectionFailed) << c.user;
        if (c.refusal) {
            ASSERT_GE(UiScript::shown().size(), 2);
            EXPECT_EQ(UiScript::shown()[0].text, QString::fromUtf8(c.refusal)) << c.user << " " << c.code;
            EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Warning"));
        }
        EXPECT_EQ(UiScript::lastText(), QStringLiteral("Connection failed!"));
        EXPECT_EQ(UiScript::shown().last().title, QStringLiteral("Warning"));
        EXPECT_FALSE(ComponentTrace::calls().join(QLatin1Char(' ')).contains(QStringLiteral("Class_Terminate")));
        EXPECT_EQ(logInLines(), 0);
        delete w;
    }
}

TEST_F(StartUp, AMissingComponentEndsTheProgram)
{
    ComponentFactory::setUnavailable(QStringLiteral("ICD10.ICDCodeSearch"), true);
    queueLogIn(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    mdiCathLabMenu* w = mdiCathLabMenu::instance();
    EXPECT_EQ(w->MDIForm_Load(), mdiCathLabMenu::StartResult::ComponentMissing);
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Cannot create object ICD10.ICDCodeSearch. Register this DLL."));
    EXPECT_EQ(UiScript::shown().last().title, QStringLiteral("Notification"));
    EXPECT_FALSE(ComponentTrace::calls().contains(QStringLiteral("create Nurse_activity.clsRequest")));
    EXPECT_FALSE(w->Timer1->isActive());
}

TEST_F(StartUp, ARefusedConnectionStopsTheChainSilently)
{
    ComponentTrace::setRefused(QStringLiteral("MasterSearch.clsPatientSearch"), true);
    queueLogIn(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    mdiCathLabMenu* w = mdiCathLabMenu::instance();
    ASSERT_EQ(w->MDIForm_Load(), mdiCathLabMenu::StartResult::Running);
    EXPECT_TRUE(UiScript::shown().isEmpty());
    const QStringList calls = ComponentTrace::calls();
    EXPECT_TRUE(calls.contains(QStringLiteral("clsPatientSearch.InitConnection")));
    EXPECT_FALSE(calls.contains(QStringLiteral("clsDrug.InitConnect")));
    EXPECT_FALSE(Session.DrugListCSR->drugsOrCsrSet());
    EXPECT_TRUE(calls.contains(QStringLiteral("TALVEROClasses.initwithdb")));
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_TRUE(w->tmrRequests->isActive());
}

TEST_F(StartUp, ByGenericConnectsTheSecondDrugList)
{
    m_db->execute(QStringLiteral("UPDATE PATIENT_DATA..TBHOSPITALINFO SET Bygeneric = 1, clientname = 'QOLTA'"));
    m_db->execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value, status) VALUES ('CLShowCF4', '1', '1')"));
    queueLogIn(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    mdiCathLabMenu* w = mdiCathLabMenu::instance();
    ASSERT_EQ(w->MDIForm_Load(), mdiCathLabMenu::StartResult::Running);
    const QStringList calls = ComponentTrace::calls();
    EXPECT_TRUE(calls.contains(QStringLiteral("create prjListDrugsByGeneric.clsListGeneric")));
    EXPECT_EQ(calls.filter(QStringLiteral("InitConnection")).filter(QStringLiteral("clsListDrugs")).size(), 1);
    EXPECT_TRUE(calls.contains(QStringLiteral("clsListGeneric.InitConnection")));
    EXPECT_TRUE(Session.DrugListCSR->drugsOrCsrSet());
    EXPECT_TRUE(w->mnuPriceList->isVisible());
    EXPECT_TRUE(w->mnuCF4->isVisible());
    EXPECT_NE(Session.CF4Checker, nullptr);
}

TEST_F(StartUp, ClientCodeMustMatchExactly)
{
    for (const char* code : {"qolta", "QOLTA "}) {
        m_db->execute(QStringLiteral("UPDATE PATIENT_DATA..TBHOSPITALINFO SET clientname = ?"), {QString::fromLatin1(code)});
        queueLogIn(QStringLiteral("CL001"), QStringLiteral("CATH1"));
        mdiCathLabMenu* w = mdiCathLabMenu::instance();
        ASSERT_EQ(w->MDIForm_Load(), mdiCathLabMenu::StartResult::Running);
        EXPECT_FALSE(w->mnuPriceList->isVisible()) << code;
        delete w;
    }
}

TEST_F(StartUp, AnUnreachableDatabaseIsReportedThenConnectionFailed)
{
    ConnectionSettings s;
    s.engine = Engine::PostgreSQL;
    s.host = QStringLiteral("127.0.0.1");
    s.port = 1; // nothing listens there
    s.database = QStringLiteral("nothing");
    s.user = QStringLiteral("nobody");
    writeSettings(s);
    queueLogIn(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    mdiCathLabMenu* w = mdiCathLabMenu::instance();
    EXPECT_EQ(w->MDIForm_Load(), mdiCathLabMenu::StartResult::ConnectionFailed);
    ASSERT_EQ(UiScript::shown().size(), 2);
    EXPECT_TRUE(UiScript::shown()[0].text.startsWith(QStringLiteral("Cannot connect to PostgreSQL server 127.0.0.1, port 1, database nothing, user nobody.")))
        << UiScript::shown()[0].text.toStdString();
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Warning"));
    EXPECT_EQ(UiScript::shown()[1].text, QStringLiteral("Connection failed!"));
}

TEST_F(StartUp, ADatabaseOfANewerBuildIsRefusedAtTheLogIn)
{
    m_db->execute(QStringLiteral("INSERT INTO CATHLAB..tbSchemaSteps (DatabaseName, StepNo, Statement) VALUES ('station', 100000, '')"));
    // on PostgreSQL the tests of the binary share the recorded steps
    const auto forget = qScopeGuard([this] { m_db->execute(QStringLiteral("DELETE FROM CATHLAB..tbSchemaSteps WHERE StepNo = 100000")); });
    queueLogIn(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    mdiCathLabMenu* w = mdiCathLabMenu::instance();
    EXPECT_EQ(w->MDIForm_Load(), mdiCathLabMenu::StartResult::ConnectionFailed);
    ASSERT_EQ(UiScript::shown().size(), 2);
    EXPECT_TRUE(UiScript::shown()[0].text.startsWith(
        QStringLiteral("This database was brought up to date by a newer build of the program (STATION: 100000 schema statements applied")))
        << UiScript::shown()[0].text.toStdString();
    EXPECT_EQ(UiScript::shown()[1].text, QStringLiteral("Connection failed!"));
    delete w;
}

TEST_F(StartUp, BadDatabaseFilesGiveAClearMessage)
{
    const QString corrupt = m_dir.filePath(QStringLiteral("corrupt.sqlite"));
    {
        QFile f(corrupt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    // A database made by this build: on PostgreSQL the run's SQLite template is not at hand.
    const QString made = m_dir.filePath(QStringLiteral("made.sqlite"));
    {
        ConnectionSettings s;
        s.sqlitePath = made;
        HospitalSchema::prepare(*Connection::open(s), true);
    }
    // Read-only by its permissions (root writes anyway), and read-only to SQLite itself, which holds
    // for root too: a write version above 2 in the file's header (byte 18) makes SQLite open it
    // read-only, as an immutable file or a read-only mount would.
    const QString readOnly = m_dir.filePath(QStringLiteral("readonly.sqlite"));
    ASSERT_TRUE(QFile::copy(made, readOnly));
    QFile::setPermissions(readOnly, QFile::ReadOwner);
    const QString markedReadOnly = m_dir.filePath(QStringLiteral("marked-readonly.sqlite"));
    ASSERT_TRUE(QFile::copy(made, markedReadOnly));
    {
        QFile f(markedReadOnly);
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.seek(18));
        ASSERT_EQ(f.write("\x03", 1), 1);
    }
    const QByteArray markedBefore = [&] { QFile f(markedReadOnly); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); }();
    struct Case { QString file; const char* expected; };
    const Case cases[] = {{corrupt, "not a database"}, {readOnly, "is read-only"}, {markedReadOnly, "is read-only"}};
    for (const auto& c : cases) {
        if (c.file == readOnly && QFileInfo(readOnly).isWritable()) continue; // root: the marked file stands in
        UiScript::reset();
        ConnectionSettings s;
        s.sqlitePath = c.file;
        writeSettings(s);
        queueLogIn(QStringLiteral("CL001"), QStringLiteral("CATH1"));
        mdiCathLabMenu* w = mdiCathLabMenu::instance();
        EXPECT_EQ(w->MDIForm_Load(), mdiCathLabMenu::StartResult::ConnectionFailed);
        ASSERT_EQ(UiScript::shown().size(), 2);
        EXPECT_TRUE(UiScript::shown()[0].text.contains(QString::fromLatin1(c.expected))) << UiScript::shown()[0].text.toStdString();
        delete w;
    }
    // the corrupt file is left as it was: nothing is written into a file that is not ours
    QFile f(corrupt);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray(4096, 'x'));
    QFile marked(markedReadOnly);
    ASSERT_TRUE(marked.open(QIODevice::ReadOnly));
    EXPECT_EQ(marked.readAll(), markedBefore);
}

TEST_F(StartUp, AMissingSettingsFileIsWrittenWithTheDemoDefaults)
{
    const QString file = m_dir.filePath(QStringLiteral("new/cathlab.ini"));
    clsCurrentuser::setSettingsFile(file);
    const LoginSettings s = LoginSettings::load(file);
    EXPECT_TRUE(s.wasCreated);
    EXPECT_TRUE(QFileInfo::exists(file));
    EXPECT_EQ(s.connection.engine, Engine::SQLite);
    EXPECT_TRUE(s.createDemo);
    // an unknown driver is refused with a clear message
    QSettings ini(file, QSettings::IniFormat);
    ini.setValue(QStringLiteral("database/driver"), QStringLiteral("oracle"));
    ini.sync();
    try {
        LoginSettings::load(file);
        FAIL();
    } catch (const std::exception& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("\"oracle\"")));
    }
}

} // namespace
