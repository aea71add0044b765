// The main window's menu bar, its two pop-up menus and its toolbar. What each item does is in
// mdiCathLabMenu_Actions.cpp.
#include "platform/text/Twips.h"
#include "shell/mdiCathLabMenu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {
// One menu item: its object name, caption and handler; visible and enabled as the window loads.
QAction* item(mdiCathLabMenu* w, QMenu* menu, const char* name, const QString& caption, void (mdiCathLabMenu::*handler)(),
              bool visible = true, bool enabled = true)
{
    auto* a = new QAction(caption, w);
    a->setObjectName(QString::fromLatin1(name));
    a->setVisible(visible);
    a->setEnabled(enabled);
    if (handler) QObject::connect(a, &QAction::triggered, w, [w, handler] { (w->*handler)(); });
    if (menu) menu->addAction(a);
    return a;
}

QMenu* menu(mdiCathLabMenu* w, const char* name, const QString& caption)
{
    auto* m = new QMenu(caption, w);
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
    return m;
}
}

void mdiCathLabMenu::buildMenus()
{
    using W = mdiCathLabMenu;
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    mnuFile = menu(this, "mnuFile", QStringLiteral("&File"));
    mnuOpen = item(this, mnuFile, "mnuOpen", QStringLiteral("&Open"), &W::mnuOpen_Click, false);
    mnuChargeSlip = item(this, mnuFile, "mnuChargeSlip", QStringLiteral("Charge Slip Setting"), &W::mnuChargeSlip_Click, false);
    mnuRegister = item(this, mnuFile, "mnuRegister", QStringLiteral("Cathlab Registration"), &W::mnuRegister_Click);
    mnuSched = item(this, mnuFile, "mnuSched", QStringLiteral("Cathlab Schedule Entry"), &W::mnuSched_Click);
    mnuAdmission = item(this, mnuFile, "mnuAdmission", QStringLiteral("For Admission Requests"), &W::mnuAdmission_Click);
    mnuAdmission->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    mnuReprintNHI = item(this, mnuFile, "mnuReprintNHI", QStringLiteral("Reprint NHI Census Report"), &W::mnuReprintNHI_Click);
    mnuRequestForm = item(this, mnuFile, "mnuRequestForm", QStringLiteral("Reprint Request Form"), &W::mnuRequestForm_Click);
    mnuResultEntry = item(this, mnuFile, "mnuResultEntry", QStringLiteral("Result Entry"), &W::mnuResultEntry_Click);
    mnuMarkUp = item(this, mnuFile, "mnuMarkUp", QStringLiteral("Mark Up Settings"), &W::mnuMarkUp_Click, false);
    mnuUser = item(this, mnuFile, "mnuUser", QStringLiteral("User Settings"), &W::mnuUser_Click);
    bar->addMenu(mnuFile);

    mnuReports = menu(this, "mnuReports", QStringLiteral("R&eports"));
    mnuAudit = item(this, mnuReports, "mnuAudit", QStringLiteral("Audit Report"), &W::mnuAudit_Click, false, false);
    mnuCLCensus = item(this, mnuReports, "mnuCLCensus", QStringLiteral("CathLab Census Report"), &W::mnuCLCensus_Click);
    mnuMonthly = item(this, mnuReports, "mnuMonthly", QStringLiteral("Monthly Report"), &W::mnuMonthly_Click, false, false);
    mnuPriceList = item(this, mnuReports, "mnuPriceList", QStringLiteral("Price List"), &W::mnuPriceList_Click, false);
    mnuPhilhealth = item(this, mnuReports, "mnuPhilhealth", QStringLiteral("PhilHealth LogBook"), nullptr, false, false);
    mnuScheduleofoperations =
        item(this, mnuReports, "mnuScheduleofoperations", QStringLiteral("Schedule of Operations"), nullptr, false, false);
    mnuStat = item(this, mnuReports, "mnuStat", QStringLiteral("Statistical Report"), nullptr, false, false);
    mnuDetailed = item(this, mnuReports, "mnuDetailed", QStringLiteral("Income Report (Detailed)"), &W::mnuDetailed_Click);
    mnuSummary = item(this, mnuReports, "mnuSummary", QStringLiteral("Income Report (Summary)"), &W::mnuSummary_Click);
    mnuLedger = item(this, mnuReports, "mnuLedger", QStringLiteral("Patient's Ledger"), &W::mnuLedger_Click, true, false);
    mnuORMandatory = item(this, mnuReports, "mnuORMandatory", QStringLiteral("OR Mandatory Report"), nullptr, false, false);
    bar->addMenu(mnuReports);

    mnuAssessment = item(this, nullptr, "mnuAssessment", QStringLiteral("&Assessment Entry"), nullptr, false, false);
    bar->addAction(mnuAssessment);

    // the patient lists' right-click menu: never on the bar
    mnuInquiry = menu(this, "mnuInquiry", QStringLiteral("&Inquiry"));
    mnuCoronaryAngiographyVRNK = item(this, mnuInquiry, "mnuCoronaryAngiographyVRNK", QStringLiteral("Coronary Angiography VRNK"),
                                      &W::mnuCoronaryAngiographyVRNK_Click);
    mnuNHI = item(this, mnuInquiry, "mnuNHI", QStringLiteral("NHI Census Charging"), &W::mnuNHI_Click);
    mnuDischargeNoticeStatus = item(this, mnuInquiry, "mnuDischargeNoticeStatus", QStringLiteral("Patient Discharge Notice Status"),
                                    &W::mnuDischargeNoticeStatus_Click, false);
    mnuInfo = item(this, mnuInquiry, "mnuInfo", QStringLiteral("Personal Info"), &W::mnuInfo_Click, false, false);
    mnuCF4 = item(this, mnuInquiry, "mnuCF4", QStringLiteral("PhilHealth CF4 Entry"), &W::mnuCF4_Click, false);
    mnuPrintRegistration = item(this, mnuInquiry, "mnuPrintRegistration", QStringLiteral("Print Registration Form"),
                                &W::mnuPrintRegistration_Click);
    mnuRS = item(this, mnuInquiry, "mnuRS", QStringLiteral("Request Status"), &W::mnuRS_Click, true, false);

    mnuMaintenance = menu(this, "mnuMaintenance", QStringLiteral("Maintenance"));
    mnuInterpretation = item(this, mnuMaintenance, "mnuInterpretation", QStringLiteral("Build Interpretation"),
                             &W::mnuInterpretation_Click);
    bar->addMenu(mnuMaintenance);

    mnuschedule = item(this, nullptr, "mnuschedule", QStringLiteral("Operation &Schedule "), nullptr, false, false);
    bar->addAction(mnuschedule);
    mnuRecvbles = item(this, nullptr, "mnuRecvbles", QStringLiteral("&Receivable Update"), &W::mnuRecvbles_Click);
    bar->addAction(mnuRecvbles);

    mnuWindow = menu(this, "mnuWindow", QStringLiteral("&Window"));
    mnuWindowBar0 = item(this, mnuWindow, "mnuWindowBar0", QString(), nullptr);
    bar->addMenu(mnuWindow)->setVisible(false);

    mnuExit = menu(this, "mnuExit", QStringLiteral("&Exit"));
    mnuExitApps = item(this, mnuExit, "mnuExitApps", QStringLiteral("Exit Application"), &W::mnuExitApps_Click);
    bar->addMenu(mnuExit)->setVisible(false);

    mnuListDischargeNotice = item(this, nullptr, "mnuListDischargeNotice", QStringLiteral("&List Discharge Notices"),
                                  &W::mnuListDischargeNotice_Click);
    bar->addAction(mnuListDischargeNotice);

    // the charging entry's pop-up: never on the bar
    mnuMinorPackage = menu(this, "mnuMinorPackage", QStringLiteral("Minor Packages"));
    mnuConsignedItems = item(this, mnuMinorPackage, "mnuConsignedItems", QStringLiteral("Package Items"), &W::mnuConsignedItems_Click);
    mnuEquipment = item(this, mnuMinorPackage, "mnuEquipment", QStringLiteral("Package Items"), &W::mnuEquipment_Click);
}

void mdiCathLabMenu::buildToolbar()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar1->setIconSize(QSize(24, 24));

    struct Button { const char* caption; const char* key; const char* tip; QStyle::StandardPixmap icon; };
    const Button buttons[] = {
        {"Patient List", "Open", "Patient List", QStyle::SP_FileDialogDetailedView},
        {"View Reports", "Report", "View Reports", QStyle::SP_FileDialogContentsView},
        {"Exit Application    ", "Exit", "Exit Application", QStyle::SP_DialogCloseButton},
        {"Clinical Operation", "Operation", "Clinical Operation", QStyle::SP_ComputerIcon},
        {"Build OR Packages", "Build", "Build OR Packages", QStyle::SP_FileDialogNewFolder},
    };
    for (const Button& b : buttons) {
        const QString key = QString::fromLatin1(b.key);
        auto* a = new QAction(style()->standardIcon(b.icon), QString::fromLatin1(b.caption), this);
        a->setObjectName(QStringLiteral("Toolbar1_") + key);
        a->setData(key);
        a->setToolTip(QString::fromLatin1(b.tip));
        Toolbar1->addAction(a);
        if (key == QLatin1String("Report")) {
            auto* drop = new QMenu(this);
            drop->setObjectName(QStringLiteral("Toolbar1_ReportMenu"));
            const char* entries[][2] = {{"Monthly Report", "Month"}, {"Statistical Report", "Statistics"}, {"OR Stockcard", "Stockcard"}};
            for (const auto& e : entries) {
                QAction* entry = drop->addAction(QString::fromLatin1(e[0]));
                entry->setObjectName(QStringLiteral("Toolbar1_") + QString::fromLatin1(e[1]));
                entry->setData(QString::fromLatin1(e[1]));
                connect(entry, &QAction::triggered, this, [this, entry] { Toolbar1_ButtonMenuClick(entry->data().toString()); });
            }
            a->setMenu(drop);
            if (auto* tb = qobject_cast<QToolButton*>(Toolbar1->widgetForAction(a)))
                tb->setPopupMode(QToolButton::MenuButtonPopup);
        }
        connect(a, &QAction::triggered, this, [this, a] { Toolbar1_ButtonClick(a->data().toString()); });
    }
    // the patient lists enable it when a patient is chosen
    toolbarButton(QStringLiteral("Operation"))->setEnabled(false);

    // the requests button: graphical, no caption, at the toolbar's right end, hidden until a request waits
    cmdRequests = new QPushButton(Toolbar1);
    cmdRequests->setObjectName(QStringLiteral("cmdRequests"));
    cmdRequests->setIcon(QIcon(QStringLiteral(":/shell/requests.svg")));
    cmdRequests->setIconSize(QSize(28, 28));
    cmdRequests->setToolTip(QStringLiteral("Pending requests"));
    cmdRequests->setFixedSize(TwipsToPixels(615), TwipsToPixels(525));
    cmdRequests->setFlat(false);
    setRequestsColor(QColor(0, 64, 0));
    cmdRequests->setVisible(false);
    connect(cmdRequests, &QPushButton::clicked, this, &mdiCathLabMenu::cmdRequests_Click);
}

QAction* mdiCathLabMenu::toolbarButton(const QString& key) const
{
    for (QAction* a : Toolbar1->actions())
        if (a->data().toString() == key) return a;
    return nullptr;
}

QAction* mdiCathLabMenu::toolbarMenuEntry(const QString& key) const
{
    QAction* report = toolbarButton(QStringLiteral("Report"));
    if (!report || !report->menu()) return nullptr;
    for (QAction* a : report->menu()->actions())
        if (a->data().toString() == key) return a;
    return nullptr;
}

void mdiCathLabMenu::setRequestsColor(const QColor& color)
{
    m_requestsColor = color;
    cmdRequests->setStyleSheet(QStringLiteral("QPushButton#cmdRequests { background-color: %1; border: 1px solid #303030; }")
                                   .arg(color.name()));
}
