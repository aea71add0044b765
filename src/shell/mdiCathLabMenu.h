#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QColor>
#include <QMainWindow>
#include <QPointer>
#include <QVariantList>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QLockFile;
class QMdiArea;
class QMenu;
class QPushButton;
class QTimer;
class QToolBar;
class Agent;
class Component;

// The main window: its load is the program's start-up, its unload the shutdown. Its menus and
// toolbar open the station's windows and reports (mdiCathLabMenu_Menus.cpp); its timers watch
// for requests and discharge notices (mdiCathLabMenu_Timers.cpp).
class mdiCathLabMenu : public QMainWindow, public SingleWindow<mdiCathLabMenu> {
    Q_OBJECT
public:
    mdiCathLabMenu();
    ~mdiCathLabMenu() override;

    // How start-up ended.
    enum class StartResult { Running, AlreadyLoaded, ConnectionFailed, ComponentMissing };
    StartResult MDIForm_Load();
    void MDIForm_Unload();
    void MDIForm_Resize();

    // The lock that keeps a second copy from starting (a test points it elsewhere).
    static void setInstanceLockFile(const QString& path);
    static QString instanceLockFile();
    // The program's version text "major.minor.revision".
    static QString versionText();

    bool LoggedIn = false;

    QMdiArea* mdiArea;
    QToolBar* Toolbar1;
    QPushButton* cmdRequests;
    QStatusBar* StbEr;
    QList<QLabel*> StbErPanels; // panels 1..8 at index 0..7
    QTimer* Timer1;
    QTimer* tmrRequests;
    QTimer* tmrNotice;
    QTimer* tmrButton;
    QTimer* tmrMerlin;
    QTimer* tmrClock;
    Agent* Agent1;

    // Menus (top to bottom).
    QMenu* mnuFile;
    QAction *mnuOpen, *mnuChargeSlip, *mnuRegister, *mnuSched, *mnuAdmission, *mnuReprintNHI, *mnuRequestForm,
        *mnuResultEntry, *mnuMarkUp, *mnuUser;
    QMenu* mnuReports;
    QAction *mnuAudit, *mnuCLCensus, *mnuMonthly, *mnuPriceList, *mnuPhilhealth, *mnuScheduleofoperations, *mnuStat,
        *mnuDetailed, *mnuSummary, *mnuLedger, *mnuORMandatory;
    QAction* mnuAssessment;
    QMenu* mnuInquiry; // the patient lists' pop-up
    QAction *mnuCoronaryAngiographyVRNK, *mnuNHI, *mnuDischargeNoticeStatus, *mnuInfo, *mnuCF4, *mnuPrintRegistration,
        *mnuRS;
    QMenu* mnuMaintenance;
    QAction* mnuInterpretation;
    QAction* mnuschedule;
    QAction* mnuRecvbles;
    QMenu* mnuWindow;
    QAction* mnuWindowBar0;
    QMenu* mnuExit;
    QAction* mnuExitApps;
    QAction* mnuListDischargeNotice;
    QMenu* mnuMinorPackage; // the charging entry's pop-up
    QAction *mnuConsignedItems, *mnuEquipment;
    // The toolbar's buttons, found by key ("Open", "Report", "Exit", "Operation", "Build"), and the
    // drop-down entries of "Report" ("Month", "Statistics", "Stockcard").
    QAction* toolbarButton(const QString& key) const;
    QAction* toolbarMenuEntry(const QString& key) const;

    // Menu actions.
    void mnuOpen_Click();
    void mnuRegister_Click();
    void mnuChargeSlip_Click();
    void mnuSched_Click();
    void mnuAdmission_Click();
    void mnuReprintNHI_Click();
    void mnuRequestForm_Click();
    void mnuResultEntry_Click();
    void mnuMarkUp_Click();
    void mnuUser_Click();
    void mnuAudit_Click();
    void mnuCLCensus_Click();
    void mnuMonthly_Click();
    void mnuPriceList_Click();
    void mnuDetailed_Click();
    void mnuSummary_Click();
    void mnuLedger_Click();
    void mnuCoronaryAngiographyVRNK_Click();
    void mnuNHI_Click();
    void mnuDischargeNoticeStatus_Click();
    void mnuInfo_Click();
    void mnuCF4_Click();
    void mnuPrintRegistration_Click();
    void mnuRS_Click();
    void mnuInterpretation_Click();
    void mnuRecvbles_Click();
    void mnuExitApps_Click();
    void mnuListDischargeNotice_Click();
    void mnuConsignedItems_Click();
    void mnuEquipment_Click();
    void Toolbar1_ButtonClick(const QString& key);
    void Toolbar1_ButtonMenuClick(const QString& key);
    // Packages posted for the chosen admission (0 after a failure, which is shown).
    int GetPatientLogbookPackages();

    // Tick handlers of the timers, the requests button and the announcer.
    void Timer1_Timer();
    void tmrRequests_Timer();
    void tmrNotice_Timer();
    void tmrButton_Timer();
    void tmrMerlin_Timer();
    void cmdRequests_Click();
    void Agent1_DblClick(const QString& characterId);
    void AnnounceDischargeNotice();
    // Where the buttons and boxes the user may reach stand on screen, and the program's other
    // windows (dialogs) whole: the announcer keeps clear of them.
    QList<QRect> ControlsInView() const;
    // Where the lists in view stand (or only their lines, without the empty room below): the
    // announcer keeps clear of their lines where it can, then of the rest of them.
    QList<QRect> ListsInView(bool filledOnly = false) const;
    void KeepAnnouncerClear();
    QList<const QWidget*> PartsInView() const;
    void SysInfo1_DisplayChanged();
    // The blink step (0..11) and the colour the requests button shows.
    int blinkStep() const { return m_blinkStep; }
    QColor requestsBackColor() const { return m_requestsColor; }
    static QColor blinkColor(int step);

    void LoadBackgroundPicture();
    void LoadAgentCharacter();
    // Creates one in-house component; shows the refusal and answers nullptr when it cannot.
    Component* CreateComObject(const QString& progId, const QString& serverName);

    // The background the window shows (the picture file, or the built-in one).
    QString backgroundSource() const { return m_backgroundSource; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildStatusBar();
    void buildMenus();
    void buildToolbar();
    void setBackground(const QImage& image);
    void updateClock();
    void setRequestsColor(const QColor& color);
    // The dated reports: prompt, then print when a date was given.
    void printDatedReport(const QString& promptCaption, bool limitToServerDate, const QString& reportFile,
                          const QString& viewerCaption, const std::function<QVariantList()>& values);
    // Prepares and shows one report; a failure shows the common error notice.
    void printReport(const QString& reportFile, const QVariantList& values, bool groupTree,
                     const QString& viewerCaption, bool medicationSheet);

    std::unique_ptr<QLockFile> m_lock;
    QString m_backgroundSource;
    QImage m_backgroundImage;
    bool m_unloaded = false;
    int m_blinkStep = 0;
    bool m_noticeCheckFailing = false; // the last discharge-notice check failed and was reported
    QColor m_requestsColor;
};
