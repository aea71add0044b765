#include "shell/mdiCathLabMenu.h"

#include "components/Drugs.h"
#include "components/NurseActivity.h"
#include "components/StationComponents.h"
#include "components/login/clsCurrentuser.h"
#include "components/patient_search/clsPatientSearch.h"
#include "platform/agent/Agent.h"
#include "platform/db/Connection.h"
#include "platform/report/ReportHost.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ProgramFolder.h"
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

    Agent1 = new Agent(this);
    connect(Agent1, &Agent::doubleClicked, this, &mdiCathLabMenu::Agent1_DblClick);
    // another child in front may have its buttons where the character stands
    connect(mdiArea, &QMdiArea::subWindowActivated, this, [this] {
        if (Agent1->isVisible()) Agent1->keepClearOf(ControlsInView());
    });
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
    CurrentUser = as<clsCurrentuser>(CreateComObject(QStringLiteral("Talvero_User.clsCurrentuser"), QString()));
    if (!CurrentUser) return StartResult::ComponentMissing;
    CurrentUser->PasswordDeptCode = QStringLiteral("CL");
    CurrentUser->hwndParentForm = quintptr(winId());
    CurrentUser->ShowMain();
    if (!CurrentUser->Connected()) {
        MsgBox(QStringLiteral("Connection failed!"), vbOKOnly | vbCritical, QStringLiteral("Warning"));
        MDIForm_Unload();
        return StartResult::ConnectionFailed;
    }

    // 5-7. station identity, caption, log-in line
    AllowEditAmount = false;
    LoggedIn = true;
    CurrentStationID = QStringLiteral("CL");
    CurrentStationName = QStringLiteral("CATH LABORATORY");
    setWindowTitle(QStringLiteral("Talvero - Cath Laboratory ") + versionText());
    WriteStationLog(CurrentUser->EmployeeCode(), QStringLiteral("Log In: Version: ") + versionText(),
                    CurrentUser->EmployeeCode(), CurrentStationID.toString());

    // 8. pictures
    LoadBackgroundPicture();
    LoadAgentCharacter();

    // 9. status bar
    StbErPanels[1]->setText(CurrentUser->Initial());
    StbErPanels[2]->setText(CurrentUser->EmployeeName());
    GetServerDate();
    StbErPanels[6]->setToolTip(QLocale().toString(ServerDate.date(), QLocale::LongFormat));
    StbErPanels[7]->setText(CurrentUser->servername());

    // 10-12. connection, hospital information, price list
    CurrentUser->sqlConnection()->setCommandTimeout(120);
    CurrentUser->sqlConnection()->cursorLocation = 3;
    LoadHospitalInfo();
    if (HospClientName == QLatin1String("QOLTA")) mnuPriceList->setVisible(true);

    // 13. the components, in their order
    auto create = [this](const char* progId, const QString& server = QString()) {
        return CreateComObject(QString::fromLatin1(progId), server);
    };
    Component* c = create(HospitalInfo.Bygeneric ? "prjListDrugsByGeneric.clsListGeneric" : "prjListDrugs.clsListDrugs");
    if (!c) return StartResult::ComponentMissing;
    DrugList = as<clsListDrugs>(c);
    if (!(c = create("MasterSearch.clsPatientSearch"))) return StartResult::ComponentMissing;
    PatientSearch = as<clsPatientSearch>(c);
    if (!(c = create("prjDrugDLL.clsDrug"))) return StartResult::ComponentMissing;
    DrugCatalog = as<clsDrug>(c);
    if (!(c = create("prjListDrugs.clsListDrugs"))) return StartResult::ComponentMissing;
    DrugListCSR = as<clsListDrugs>(c);
    if (!(c = create("LabResultInquiry.Labresultviewer"))) return StartResult::ComponentMissing;
    LabResultViewer = as<Labresultviewer>(c);
    if (!(c = create("ActiveX100.KeyPress"))) return StartResult::ComponentMissing;
    KeyPressHelper = as<KeyPress>(c);
    if (!(c = create("CodeSearchform.clsCodeSearch"))) return StartResult::ComponentMissing;
    CodeSearch = as<clsCodeSearch>(c);
    if (!(c = create("ActiveX100.KeyPress"))) return StartResult::ComponentMissing;
    KeyPressHelper2 = as<KeyPress>(c);
    if (!(c = create("ICD10.ICDCodeSearch"))) return StartResult::ComponentMissing;
    ICDCodeSearch = as<clsICDCodeSearch>(c);
    NurseActivityComponent** nurse[] = {&RequestService, &ResultService, &ConfinementResultService, &ConfinementService};
    const char* nurseIds[] = {"Nurse_activity.clsRequest", "Nurse_activity.clsResults",
                              "Nurse_activity.clsConfinementResults", "Nurse_activity.clsConfinement"};
    for (int i = 0; i < 4; ++i) {
        if (!(c = create(nurseIds[i], DcomServerName))) return StartResult::ComponentMissing;
        *nurse[i] = as<NurseActivityComponent>(c);
        (*nurse[i])->ServerName = DcomServerName;
        (*nurse[i])->attach(CurrentUser->sqlConnection());
    }
    if (!(c = create("prjchargesliplistdll.clsChargeSlip"))) return StartResult::ComponentMissing;
    ChargeSlipList = as<clsChargeSlip>(c);
    if (!(c = create("prjissuedmedsdll.clsIssuedMedicines"))) return StartResult::ComponentMissing;
    IssuedMedicineList = as<clsIssuedMedicines>(c);
    if (!(c = create("prjpatientdll.Patient"))) return StartResult::ComponentMissing;
    PatientRecord = as<Patient>(c);

    // 14. the claim-form checker
    if (StationParameters().ShowCF4()) CF4Checker = CurrentUser->TALVEROClasses()->clsCF4Object();

    // 15-16. the searches get the connection itself
    Connection* conn = CurrentUser->sqlConnection();
    ICDCodeSearch->setActiveConnection(conn);
    CodeSearch->MTS_Server = DcomServerName;
    CodeSearch->SearchMode = true;
    CodeSearch->Initialize_Classes();
    CodeSearch->setConnection(conn);
    CodeSearch->CompanyName = HospName;

    // 17. the connection chain: each only when the one before it succeeded; a refusal is silent
    [&] {
        if (!PatientSearch->InitConnection(conn, DcomServerName)) return;
        if (!DrugCatalog->InitConnect(conn->connectionString())) return;
        if (!DrugList->InitConnection(conn->connectionString())) return;
        if (!PatientRecord->InitConnect(conn->connectionString())) return;
        if (!IssuedMedicineList->InitConnection(conn->connectionString())) return;
        if (!ChargeSlipList->InitConnection(conn->connectionString())) return;
        if (HospitalInfo.Bygeneric && !DrugListCSR->InitConnection(conn->connectionString())) return;
        DrugListCSR->setDrugsORCSR(false);
    }();

    // 18. the class library
    CurrentUser->TALVEROClasses()->UseClasses = true;
    CurrentUser->TALVEROClasses()->initwithdb();

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
    cmdRequests->move(Toolbar1->width() - cmdRequests->width() - 100 / 15, cmdRequests->y());
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
        for (NurseActivityComponent** service : {&ResultService, &RequestService, &ConfinementService, &ConfinementResultService}) {
            if (*service) {
                (*service)->Class_Terminate();
                delete *service;
                *service = nullptr;
            }
        }
        try { Agent1->unload(QStringLiteral("Merlin")); } catch (...) {}
    }
    auto release = [](auto*& p) { delete p; p = nullptr; };
    release(PatientSearch);
    release(DrugCatalog);
    release(DrugList);
    release(DrugListCSR);
    release(KeyPressHelper2);
    release(KeyPressHelper);
    release(CurrentUser);
    release(CodeSearch);
    release(LabResultViewer);
    release(ICDCodeSearch);
    release(LabTabularFormatter);
    UnloadAllForms();
    m_lock.reset();
}
