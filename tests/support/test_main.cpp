// Every test binary: an offscreen QApplication, scripted message boxes and dialogs.
#include "platform/report/ReportOutput.h"
#include "platform/text/LocalTimeZone.h"
#include "support/TestDatabase.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ProgramFolder.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    PinLocalTimeZone();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // CTest sets these; a binary run by hand takes the folders it was configured with.
    if (qEnvironmentVariableIsEmpty("CATHLAB_SOURCE_DIR")) qputenv("CATHLAB_SOURCE_DIR", CATHLAB_TEST_SOURCE_DIR);
    if (qEnvironmentVariableIsEmpty("CATHLAB_BUILD_DIR")) qputenv("CATHLAB_BUILD_DIR", CATHLAB_TEST_BUILD_DIR);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("TalveroTest"));
    QApplication::setApplicationName(QStringLiteral("cathlab-test"));
    UiScript::setActive(true);
    // Report definitions and pictures come from the build folder, as from a program folder.
    const QString build = qEnvironmentVariable("CATHLAB_BUILD_DIR");
    if (!build.isEmpty()) ProgramFolder::setPath(build);
    // Direct prints never reach a real printer: they become PDFs in a folder of the run.
    QTemporaryDir documents;
    ReportOutput::setPrinterLookup([] { return QPrinterInfo(); });
    ReportOutput::setDocumentsFolder(documents.path());
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    try {
        TestDatabase::dropDatabases();
    } catch (const std::exception& e) {
        qWarning("The test databases could not be dropped: %s", e.what());
        return 1;
    }
    return result;
}
