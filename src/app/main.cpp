// The CATH LABORATORY station client.
#include "components/login/clsCurrentuser.h"
#include "platform/text/LocalTimeZone.h"
#include "platform/ui/PrivateFiles.h"
#include "shell/mdiCathLabMenu.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    // Before anything is written: the database, its journal, the settings and the reports hold
    // patient data, so nothing the program creates is readable by other users.
    PrivateFiles::RestrictNewFiles();
    PinLocalTimeZone();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Talvero"));
    QApplication::setApplicationName(QStringLiteral("cathlab"));
    QApplication::setApplicationVersion(mdiCathLabMenu::versionText());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("CATH LABORATORY station client"));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption settings(QStringLiteral("settings"), QStringLiteral("The settings file to use."), QStringLiteral("file"));
    parser.addOption(settings);
    parser.process(app);
    if (parser.isSet(settings)) clsCurrentuser::setSettingsFile(parser.value(settings));

    mdiCathLabMenu* main = mdiCathLabMenu::instance();
    const auto result = main->MDIForm_Load();
    if (result != mdiCathLabMenu::StartResult::Running) {
        // A refused start ends here; a missing component ends without the unload.
        return result == mdiCathLabMenu::StartResult::AlreadyLoaded ? 0 : 1;
    }
    main->showMaximized();
    return app.exec();
}
