#include "shell/mdiCathLabMenu.h"

#include "components/Drugs.h"
#include "components/NurseActivity.h"
#include "components/StationComponents.h"
#include "components/login/clsCurrentuser.h"
#include "components/patient_search/clsPatientSearch.h"
#include "platform/agent/Agent.h"
#include "platform/db/Connection.h"
#include "platform/report/ReportHost.h"
#include "platform/text/Twips.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ProgramFolder.h"
#include "platform/ui/ScreenFit.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLockFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QTimer>
#include <QToolBar>

static void initShellResources() { Q_INIT_RESOURCE(shell); }

namespace {
QString& lockPath()
{
    static QString p;
    return p;
}

template <class T>
T* as(Component* c) { return qobject_cast<T*>(c); }
}

mdiCathLabMenu::mdiCathLabMenu()
{
    initShellResources();
    setObjectName(QStringLiteral("mdiCathLabMenu"));
    setWindowTitle(QStringLiteral("Talvero - Cath Laboratory"));
    // the whole work area, also where no window manager maximises it
    const QScreen* screen = QGuiApplication::primaryScreen();
    resize(screen ? screen->availableGeometry().size() : QSize(1024, 720));

    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    // A child that closes hands the front to the one used before it (the workspace that opened a
    // viewer), not to the first one opened (the patient list).
    mdiArea->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    setCentralWidget(mdiArea);
    mdiArea->viewport()->installEventFilter(this); // the background follows the area's own size

    buildMenus();
    buildToolbar();
    Toolbar1->installEventFilter(this); // the requests button keeps to the toolbar's right end
    buildStatusBar();
    ReportHost::attach(mdiArea, StbEr); // report viewers open inside, direct prints are told below

    auto makeTimer = [this](const char* name, int ms) {
        auto* t = new QTimer(this);
        t->setObjectName(QString::fromLatin1(name));
        t->setInterval(ms);
        return t;
    };
    Timer1 = makeTimer("Timer1", 1000);
    tmrRequests = makeTimer("tmrRequests", 60000);
    tmrNotice = makeTimer("tmrNotice", 60000);
    tmrButton = makeTimer("tmrButton", 50);
    tmrMerlin = makeTimer("tmrMerlin", 15000);
    tmrClock = makeTimer("tmrClock", 1000);
    connect(Timer1, &QTimer::timeout, this, &mdiCathLabMenu::Timer1_Timer);
    connect(tmrRequests, &QTimer::timeout, this, &mdiCathLabMenu::tmrRequests_Timer);
    connect(tmrNotice, &QTimer::timeout, this, &mdiCathLabMenu::tmrNotice_Timer);
    connect(tmrButton, &QTimer::timeout, this, &mdiCathLabMenu::tmrButton_Timer);
    connect(tmrMerlin, &QTimer::timeout, this, &mdiCathLabMenu::tmrMerlin_Timer);
    connect(tmrClock, &QTimer::timeout, this, &mdiCathLabMenu::updateClock);
    tmrClock->start();

    KeepWindowsOnScreen();
    Agent1 = new Agent(this);
    connect(Agent1, &Agent::doubleClicked, this, &mdiCathLabMenu::Agent1_DblClick);
    // another child in front may have its buttons where the character stands
    connect(mdiArea, &QMdiArea::subWindowActivated, this, [this] {
        if (Agent1->isVisible()) KeepAnnouncerClear();
    });
    // and so may a dialog or window that has just taken the focus (looked at once the change is
    // done: the focus also moves while windows are being destroyed)
    connect(qApp, &QApplication::focusChanged, this, [this] {
        if (Agent1->isVisible()) KeepAnnouncerClear();
    }, Qt::QueuedConnection);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        connect(screen, &QScreen::availableGeometryChanged, this, &mdiCathLabMenu::SysInfo1_DisplayChanged);

    // the built-in background, until the picture file is loaded
    QSvgRenderer builtIn(QStringLiteral(":/shell/background.svg"));
    QImage image(1280, 800, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    builtIn.render(&painter);
    painter.end();
    setBackground(image);
    m_backgroundSource = QStringLiteral("built-in");
}

mdiCathLabMenu::~mdiCathLabMenu()
{
    disconnect(mdiArea, nullptr, this, nullptr); // the children closing with the window activate one another
    disconnect(qApp, nullptr, this, nullptr);    // and move the focus
}

void mdiCathLabMenu::buildStatusBar()
{
    StbEr = statusBar();
    StbEr->setObjectName(QStringLiteral("StbEr"));
    const QStringList initial{QStringLiteral("USER'S INITIAL "), QString(), QString(), QStringLiteral("CAPS"),
                              QStringLiteral("NUM"), QString(), QString(), QStringLiteral("Server Name")};
    for (int i = 0; i < initial.size(); ++i) {
        auto* panel = new QLabel(initial[i], StbEr);
        panel->setObjectName(QStringLiteral("StbErPanel%1").arg(i + 1));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setMinimumWidth(i == 2 ? 260 : 70);
        StbEr->addPermanentWidget(panel, i == 2 ? 1 : 0);
        StbErPanels << panel;
    }
    updateClock();
}

void mdiCathLabMenu::updateClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    StbErPanels[5]->setText(QLocale::c().toString(now.time(), QStringLiteral("h:mm AP")));
    StbErPanels[6]->setText(QLocale::c().toString(now.date(), QStringLiteral("M/d/yyyy")));
}

void mdiCathLabMenu::setBackground(const QImage& image)
{
    m_backgroundImage = image;
    const QSize size = mdiArea->viewport()->size().expandedTo(QSize(320, 200));
    mdiArea->setBackground(QBrush(image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

void mdiCathLabMenu::setInstanceLockFile(const QString& path) { lockPath() = path; }

QString mdiCathLabMenu::instanceLockFile()
{
    if (!lockPath().isEmpty()) return lockPath();
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return QDir(dir).filePath(QStringLiteral("cathlab.lock"));
}

QString mdiCathLabMenu::versionText()
{
    return QStringLiteral("%1.%2.%3").arg(CATHLAB_VERSION_MAJOR).arg(CATHLAB_VERSION_MINOR).arg(CATHLAB_VERSION_PATCH);
}

Component* mdiCathLabMenu::CreateComObject(const QString& progId, const QString& serverName)
{
    Q_UNUSED(serverName); // components are always made on this workstation
    Component* c = ComponentFactory::create(progId);
    if (!c) {
        MsgBox(QStringLiteral("Cannot create object ") + progId + QStringLiteral(". Register this DLL."),
               vbOKOnly | vbInformation, QStringLiteral("Notification"));
        return nullptr;
    }
    c->setParent(this);
    return c;
}

mdiCathLabMenu::StartResult mdiCathLabMenu::MDIForm_Load()
{
    // 1. one copy per user
    m_lock = std::make_unique<QLockFile>(instanceLockFile());
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        m_lock.reset();
        MsgBox(QStringLiteral("Program is already loaded!"), vbOKOnly | vbCritical, QStringLiteral("Warning"));
        MDIForm_Unload();
        return StartResult::AlreadyLoaded;
    }

    // 2-4. log-in
    LoggedIn = false;
    Session.CurrentUser = as<clsCurrentuser>(CreateComObject(QStringLiteral("Talvero_User.clsCurrentuser"), QString()));
    if (!Session.CurrentUser) return StartResult::ComponentMissing;
    Session.CurrentUser->PasswordDeptCode = QStringLiteral("CL");
    Session.CurrentUser->hwndParentForm = quintptr(winId());
    Session.CurrentUser->ShowMain();
    if (!Session.CurrentUser->Connected()) {
        MsgBox(QStringLiteral("Connection failed!"), vbOKOnly | vbCritical, QStringLiteral("Warning"));
        MDIForm_Unload();
        return StartResult::ConnectionFailed;
    }

    // 5-7. station identity, caption, log-in line
    Session.AllowEditAmount = false;
    LoggedIn = true;
    Session.CurrentStationID = QStringLiteral("CL");
    Session.CurrentStationName = QStringLiteral("CATH LABORATORY");
    setWindowTitle(QStringLiteral("Talvero - Cath Laboratory ") + versionText());
    WriteStationLog(Session.CurrentUser->EmployeeCode(), QStringLiteral("Log In: Version: ") + versionText(),
                    Session.CurrentUser->EmployeeCode(), Session.CurrentStationID.toString());

    // 8. pictures
    LoadBackgroundPicture();
    LoadAgentCharacter();

    // 9. status bar
    StbErPanels[1]->setText(Session.CurrentUser->Initial());
    StbErPanels[2]->setText(Session.CurrentUser->EmployeeName());
    GetServerDate();
    StbErPanels[6]->setToolTip(QLocale().toString(Session.ServerDate.date(), QLocale::LongFormat));
    StbErPanels[7]->setText(Session.CurrentUser->servername());

    // 10-12. connection, hospital information, price list
    Session.CurrentUser->sqlConnection()->setCommandTimeout(120);
    Session.CurrentUser->sqlConnection()->cursorLocation = 3;
    LoadHospitalInfo();
    if (Session.HospClientName == QLatin1String("QOLTA")) mnuPriceList->setVisible(true);

    // 13. the components, in their order
    auto create = [this](const char* progId, const QString& server = QString()) {
        return CreateComObject(QString::fromLatin1(progId), server);
    };
    Component* c = create(Session.HospitalInfo.Bygeneric ? "prjListDrugsByGeneric.clsListGeneric" : "prjListDrugs.clsListDrugs");
    if (!c) return StartResult::ComponentMissing;
    Session.DrugList = as<clsListDrugs>(c);
    if (!(c = create("MasterSearch.clsPatientSearch"))) return StartResult::ComponentMissing;
    Session.PatientSearch = as<clsPatientSearch>(c);
    if (!(c = create("prjDrugDLL.clsDrug"))) return StartResult::ComponentMissing;
    Session.DrugCatalog = as<clsDrug>(c);
    if (!(c = create("prjListDrugs.clsListDrugs"))) return StartResult::ComponentMissing;
    Session.DrugListCSR = as<clsListDrugs>(c);
    if (!(c = create("LabResultInquiry.Labresultviewer"))) return StartResult::ComponentMissing;
    Session.LabResultViewer = as<Labresultviewer>(c);
    if (!(c = create("ActiveX100.KeyPress"))) return StartResult::ComponentMissing;
    Session.KeyPressHelper = as<KeyPress>(c);
    if (!(c = create("CodeSearchform.clsCodeSearch"))) return StartResult::ComponentMissing;
    Session.CodeSearch = as<clsCodeSearch>(c);
    if (!(c = create("ActiveX100.KeyPress"))) return StartResult::ComponentMissing;
    Session.KeyPressHelper2 = as<KeyPress>(c);
    if (!(c = create("ICD10.ICDCodeSearch"))) return StartResult::ComponentMissing;
    Session.ICDCodeSearch = as<clsICDCodeSearch>(c);
    NurseActivityComponent** nurse[] = {&Session.RequestService, &Session.ResultService, &Session.ConfinementResultService, &Session.ConfinementService};
    const char* nurseIds[] = {"Nurse_activity.clsRequest", "Nurse_activity.clsResults",
                              "Nurse_activity.clsConfinementResults", "Nurse_activity.clsConfinement"};
    for (int i = 0; i < 4; ++i) {
        if (!(c = create(nurseIds[i], Session.DcomServerName))) return StartResult::ComponentMissing;
        *nurse[i] = as<NurseActivityComponent>(c);
        (*nurse[i])->ServerName = Session.DcomServerName;
        (*nurse[i])->attach(Session.CurrentUser->sqlConnection());
    }
    if (!(c = create("prjchargesliplistdll.clsChargeSlip"))) return StartResult::ComponentMissing;
    Session.ChargeSlipList = as<clsChargeSlip>(c);
    if (!(c = create("prjissuedmedsdll.clsIssuedMedicines"))) return StartResult::ComponentMissing;
    Session.IssuedMedicineList = as<clsIssuedMedicines>(c);
    if (!(c = create("prjpatientdll.Patient"))) return StartResult::ComponentMissing;
    Session.PatientRecord = as<Patient>(c);

    // 14. the claim-form checker
    if (StationParameters().ShowCF4()) Session.CF4Checker = Session.CurrentUser->TALVEROClasses()->clsCF4Object();

    // 15-16. the searches get the connection itself
    Connection* conn = Session.CurrentUser->sqlConnection();
    Session.ICDCodeSearch->setActiveConnection(conn);
    Session.CodeSearch->MTS_Server = Session.DcomServerName;
    Session.CodeSearch->SearchMode = true;
    Session.CodeSearch->Initialize_Classes();
    Session.CodeSearch->setConnection(conn);
    Session.CodeSearch->CompanyName = Session.HospName;

    // 17. the connection chain: each only when the one before it succeeded; a refusal is silent
    [&] {
        if (!Session.PatientSearch->InitConnection(conn, Session.DcomServerName)) return;
        if (!Session.DrugCatalog->InitConnect(conn->connectionString())) return;
        if (!Session.DrugList->InitConnection(conn->connectionString())) return;
        if (!Session.PatientRecord->InitConnect(conn->connectionString())) return;
        if (!Session.IssuedMedicineList->InitConnection(conn->connectionString())) return;
        if (!Session.ChargeSlipList->InitConnection(conn->connectionString())) return;
        if (Session.HospitalInfo.Bygeneric && !Session.DrugListCSR->InitConnection(conn->connectionString())) return;
        Session.DrugListCSR->setDrugsORCSR(false);
    }();

    // 18. the class library
    Session.CurrentUser->TALVEROClasses()->UseClasses = true;
    Session.CurrentUser->TALVEROClasses()->initwithdb();

    // 19-20. menus and timers
    mnuMarkUp->setVisible(StationParameters().UseNewCLMarkUp());
    mnuCF4->setVisible(StationParameters().ShowCF4());
    Timer1->start();
    tmrRequests->start();
    tmrRequests_Timer();
    return StartResult::Running;
}

void mdiCathLabMenu::LoadBackgroundPicture()
{
    QImage image;
    const QString file = ProgramFolder::file(QStringLiteral("Main Menu1.jpg"));
    if (QFileInfo::exists(file) && image.load(file)) {
        setBackground(image);
        m_backgroundSource = file;
    }
}

void mdiCathLabMenu::LoadAgentCharacter()
{
    try {
        Agent1->load(QStringLiteral("merlin"), ProgramFolder::file(QStringLiteral("assets/announcer.svg")));
        const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry() : QRect(0, 0, 1024, 768);
        Agent1->moveTo(screen.width() - Agent1->width(), screen.height() - Agent1->height());
    } catch (const std::exception&) {
        MsgBox(QStringLiteral("Problem encountered with Microsoft Agent."), vbOKOnly | vbCritical, QStringLiteral("Warning"));
    }
}

void mdiCathLabMenu::MDIForm_Resize()
{
    // 100 twips from the toolbar's right end
    cmdRequests->move(Toolbar1->width() - cmdRequests->width() - TwipsToPixels(100), cmdRequests->y());
}

void mdiCathLabMenu::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    MDIForm_Resize();
}

bool mdiCathLabMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == mdiArea->viewport() && event->type() == QEvent::Resize && !m_backgroundImage.isNull())
        setBackground(m_backgroundImage);
    if (watched == Toolbar1 && event->type() == QEvent::Resize) MDIForm_Resize();
    return QMainWindow::eventFilter(watched, event);
}

void mdiCathLabMenu::closeEvent(QCloseEvent* event)
{
    MDIForm_Unload();
    QMainWindow::closeEvent(event);
}

void mdiCathLabMenu::MDIForm_Unload()
{
    if (m_unloaded) return;
    m_unloaded = true;
    for (QTimer* t : {Timer1, tmrRequests, tmrNotice, tmrButton, tmrMerlin}) t->stop();
    if (LoggedIn) {
        for (NurseActivityComponent** service : {&Session.ResultService, &Session.RequestService, &Session.ConfinementService, &Session.ConfinementResultService}) {
            if (*service) {
                (*service)->Class_Terminate();
                delete *service;
                *service = nullptr;
            }
        }
        try {
            Agent1->unload(QStringLiteral("Merlin"));
        } catch (const std::exception& e) {
            LogPassedOverError(QStringLiteral("MDIForm_Unload"), e); // shutdown goes on
        }
    }
    auto release = [](auto*& p) { delete p; p = nullptr; };
    release(Session.PatientSearch);
    release(Session.DrugCatalog);
    release(Session.DrugList);
    release(Session.DrugListCSR);
    release(Session.KeyPressHelper2);
    release(Session.KeyPressHelper);
    release(Session.CurrentUser);
    release(Session.CodeSearch);
    release(Session.LabResultViewer);
    release(Session.ICDCodeSearch);
    release(Session.LabTabularFormatter);
    UnloadAllForms();
    m_lock.reset();
}
