#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QMainWindow>
#include <QPointer>
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

// The main window: its load is the program's start-up, its unload the shutdown.
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

    QAction* mnuPriceList;
    QAction* mnuMarkUp;
    QAction* mnuCF4;

    // Tick handlers of the timers.
    void Timer1_Timer();
    void tmrRequests_Timer();
    void tmrNotice_Timer();
    void tmrButton_Timer();
    void tmrMerlin_Timer();

    void LoadBackgroundPicture();
    void LoadAgentCharacter();
    // Creates one in-house component; shows the refusal and answers nullptr when it cannot.
    Component* CreateComObject(const QString& progId, const QString& serverName);

    // The background the window shows (the picture file, or the built-in one).
    QString backgroundSource() const { return m_backgroundSource; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildStatusBar();
    void setBackground(const QImage& image);
    void updateClock();

    std::unique_ptr<QLockFile> m_lock;
    QString m_backgroundSource;
    QImage m_backgroundImage;
    bool m_unloaded = false;
};
