// What a first start leaves on the disk (the settings, the demo database with its journal, a report
// written for want of a printer, the angiography page) is its user's alone; files of an earlier
// setup that others can read are reported once and left as they are.
#include "components/Component.h"
#include "components/login/clsCurrentuser.h"
#include "components/login/frmLogin.h"
#include "platform/report/ReportOutput.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PrivateFiles.h"
#include "procedure_report/frmCoronaryAngiographyVRNK.h"
#include "shared/modGlobals.h"
#include "support/ScopedEnv.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include <sys/stat.h>

namespace {

int modeOf(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

std::unique_ptr<clsCurrentuser> newLogInComponent()
{
    std::unique_ptr<clsCurrentuser> user(ComponentFactory::createAs<clsCurrentuser>(QStringLiteral("Talvero_User.clsCurrentuser")));
    user->PasswordDeptCode = QStringLiteral("CL");
    return user;
}

// The user's folders (settings, data, documents) point into a folder of the test; the process's
// file-creation mask and the run's documents folder are put back afterwards.
class PrivateFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        UiScript::reset();
        m_umask = umask(022);
        umask(m_umask);
        m_documents = ReportOutput::documentsFolder();
        ReportOutput::setDocumentsFolder(m_home.filePath(QStringLiteral("Documents")));
    }
    void TearDown() override
    {
        umask(m_umask);
        ReportOutput::setDocumentsFolder(m_documents);
        clsCurrentuser::setSettingsFile(QString());
        UiScript::reset();
        ResetGlobals();
    }

    QTemporaryDir m_home;
    ScopedEnv m_config{"XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("config")))};
    ScopedEnv m_data{"XDG_DATA_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("data")))};
    mode_t m_umask = 022;
    QString m_documents;
};

TEST_F(PrivateFilesTest, AFirstStartWritesEveryFileForItsUserAlone)
{
    PrivateFiles::RestrictNewFiles();
    auto user = newLogInComponent();
    UiScript::queueDialog(QStringLiteral("frmLogin"), [](QDialog* d) {
        auto* dlg = static_cast<frmLogin*>(d);
        QTest::keyClicks(dlg->txtUserID, QStringLiteral("CL001"));
        QTest::keyClicks(dlg->txtAccessCode, QStringLiteral("CATH1"));
        dlg->cmdOK->click();
    });
    user->ShowMain();
    ASSERT_TRUE(user->Connected()) << UiScript::lastText().toStdString();
    EXPECT_TRUE(UiScript::shown().isEmpty()) << UiScript::lastText().toStdString(); // nothing to warn of

    RenderedReport report;
    report.fileName = QStringLiteral("CLCensus.RPT");
    report.html = QStringLiteral("<p>DELA CRUZ, JUAN</p>");
    report.printed = QDateTime::currentDateTime();
    const QString pdf = ReportOutput::printDirect(report);

    frmCoronaryAngiographyVRNK page;
    page.cmdGenerate->click();
    ASSERT_EQ(UiScript::lastText(), QStringLiteral("Report successfully generated!"));

    const QString settings = LoginSettings::defaultFile();
    const QString database = LoginSettings::defaultDemoDatabase();
    struct Case { QString path; int mode; };
    const Case cases[] = {
        {QFileInfo(settings).absolutePath(), 0700}, {settings, 0600},
        {QFileInfo(database).absolutePath(), 0700}, {database, 0600},
        {database + QStringLiteral("-wal"), 0600},  {database + QStringLiteral("-shm"), 0600},
        {m_home.filePath(QStringLiteral("Documents")), 0700}, {pdf, 0600},
        {frmCoronaryAngiographyVRNK::OutputPath(), 0600},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(QFileInfo::exists(c.path)) << c.path.toStdString();
        EXPECT_EQ(modeOf(c.path), c.mode) << c.path.toStdString() << " is " << std::oct << modeOf(c.path);
    }
}

TEST_F(PrivateFilesTest, AReportWrittenOverAFileOthersCouldReadIsMadePrivate)
{
    const QString old = frmCoronaryAngiographyVRNK::OutputPath();
    {
        QFile f(old);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("an earlier page");
    }
    QFile::setPermissions(old, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    const QString oldPdf = m_home.filePath(QStringLiteral("Documents/chosen.pdf"));
    ASSERT_TRUE(QFile::copy(old, oldPdf));
    QFile::setPermissions(oldPdf, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);

    frmCoronaryAngiographyVRNK page;
    page.cmdGenerate->click();
    RenderedReport report;
    report.fileName = QStringLiteral("CLCensus.RPT");
    report.printed = QDateTime::currentDateTime();
    ReportOutput::exportPdf(report, oldPdf);

    EXPECT_EQ(modeOf(old), 0600);
    EXPECT_EQ(modeOf(oldPdf), 0600);
}

TEST_F(PrivateFilesTest, FilesOthersCanReadAreReportedOnceAndLeftAsTheyAre)
{
    const QString settings = m_home.filePath(QStringLiteral("cathlab.ini"));
    const QString database = m_home.filePath(QStringLiteral("hospital.sqlite"));
    {
        QFile f(settings);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("[database]\ndriver=sqlite\npath=%1\ncreateDemo=false\n").arg(database).toUtf8());
        QFile db(database);
        ASSERT_TRUE(db.open(QIODevice::WriteOnly));
    }
    clsCurrentuser::setSettingsFile(settings);
    const QFile::Permissions mine = QFile::ReadOwner | QFile::WriteOwner;
    const QFile::Permissions group = mine | QFile::ReadGroup;
    const QFile::Permissions world = mine | QFile::ReadGroup | QFile::ReadOther;
    struct Case { QFile::Permissions settings, database; QStringList named; };
    const Case cases[] = {
        {mine, mine, {}},
        {world, mine, {settings}},
        {mine, group, {database}},
        {world, world, {settings, database}},
    };
    for (const Case& c : cases) {
        QFile::setPermissions(settings, c.settings);
        QFile::setPermissions(database, c.database);
        UiScript::reset();
        auto user = newLogInComponent();
        UiScript::queueDialog(QStringLiteral("frmLogin"), [](QDialog* d) { static_cast<frmLogin*>(d)->cmdCancel->click(); });
        user->ShowMain();
        const QString named = c.named.join(QLatin1Char(','));
        EXPECT_EQ(UiScript::dialogsRun(), QStringList{QStringLiteral("frmLogin")}) << named.toStdString();
        if (c.named.isEmpty()) {
            EXPECT_TRUE(UiScript::shown().isEmpty()) << UiScript::lastText().toStdString();
        } else {
            ASSERT_EQ(UiScript::shown().size(), 1) << named.toStdString();
            const ShownMessage& m = UiScript::shown().constFirst();
            EXPECT_EQ(m.title, QStringLiteral("Warning"));
            EXPECT_EQ(m.style, int(vbExclamation));
            for (const QString& file : {settings, database})
                EXPECT_EQ(m.text.contains(file), c.named.contains(file)) << m.text.toStdString();
        }
        EXPECT_EQ(QFile::permissions(settings) & world, c.settings) << named.toStdString();
        EXPECT_EQ(QFile::permissions(database) & world, c.database) << named.toStdString();
    }
}

} // namespace
