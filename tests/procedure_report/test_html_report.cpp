// The angiography report page: the template's placeholders filled once each, values escaped for
// HTML, the page written to the user's documents folder.
#include "support/ProcedureReportFixture.h"

#include "procedure_report/HtmlReport.h"
#include "procedure_report/frmCoronaryAngiographyVRNK.h"

#include "platform/ui/MessageBox.h"
#include "platform/ui/ProgramFolder.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeEdit>

TEST(HtmlReportFill, EachPlaceholderIsFilledOnceAndOthersStay)
{
    struct Case { const char* templ; const char* expected; };
    const QList<QPair<QString, QString>> values = {{QStringLiteral("PATIENT_NAME"), QStringLiteral("{{DATE}} CRUZ")},
                                                   {QStringLiteral("DATE"), QStringLiteral("12/11/2026")},
                                                   {QStringLiteral("FLUORO"), QString()}};
    const Case cases[] = {
        {"no placeholders at all", "no placeholders at all"},
        {"{{DATE}} and {{DATE}}", "12/11/2026 and 12/11/2026"},
        {"<b>{{PATIENT_NAME}}</b>", "<b>{{DATE}} CRUZ</b>"},   // a value is never filled again
        {"{{UNKNOWN}} {{date}} {{DATE}", "{{UNKNOWN}} {{date}} {{DATE}"},
        {"x{{FLUORO}}y", "xy"},
        {"{{{{DATE}}}}", "{{12/11/2026}}"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HtmlReport::Fill(QString::fromLatin1(c.templ), values).toStdString(), c.expected) << c.templ;
}

TEST(HtmlReportFill, ValuesAreEscapedAndMultiLineFieldsBreak)
{
    EXPECT_EQ(HtmlReport::Escape(QStringLiteral("a < b & \"c\""), false), QStringLiteral("a &lt; b &amp; &quot;c&quot;"));
    EXPECT_EQ(HtmlReport::Escape(QStringLiteral("one\r\ntwo\nthree"), true), QStringLiteral("one<br>two<br>three"));
    EXPECT_EQ(HtmlReport::Escape(QStringLiteral("one\ntwo"), false), QStringLiteral("one\ntwo"));
}

class HtmlReportWindow : public ProcedureReportTest {
protected:
    void SetUp() override
    {
        ProcedureReportTest::SetUp();
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(frmCoronaryAngiographyVRNK::OutputPath());
        m_oldFolder = ProgramFolder::path();
        ProgramFolder::setPath(m_folder.path());
        QDir(m_folder.path()).mkpath(QStringLiteral("assets"));
    }
    void TearDown() override
    {
        ProgramFolder::setPath(m_oldFolder);
        QFile::remove(frmCoronaryAngiographyVRNK::OutputPath());
        QStandardPaths::setTestModeEnabled(false);
        ProcedureReportTest::TearDown();
    }
    void writeTemplate(const QByteArray& text)
    {
        QFile f(m_folder.filePath(QStringLiteral("assets/Template.html")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    static QString output()
    {
        QFile f(frmCoronaryAngiographyVRNK::OutputPath());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("<missing>");
    }
    QTemporaryDir m_folder;
    QString m_oldFolder;
};

TEST_F(HtmlReportWindow, GeneratesThePageFromTheTypedFieldsWithTheServerDate)
{
    writeTemplate("<p>{{PATIENT_NAME}}|{{DATE}}|{{CONCLUSION}}|{{MEDICATIONS}}|{{FLUORO}}{{LV_RAO}}|{{TIMESTARTED}}</p>");
    auto* w = frmCoronaryAngiographyVRNK::instance();
    w->show();
    EXPECT_EQ(w->txtDate->text(), conn().serverDateTime().toString(QStringLiteral("MM/dd/yyyy")));
    w->txtPatName->setText(QStringLiteral("O'NEIL <JR> & SON"));
    w->txtConclusion->setPlainText(QStringLiteral("Two-vessel disease.\nFor bypass."));
    w->txtMeds->setPlainText(QStringLiteral("Heparin\nNitroglycerin"));
    w->txtFlouroscopy->setText(QStringLiteral("12 minutes"));
    w->dtpTimeStarted->setTime(QTime(14, 5, 9));
    w->cmdGenerate->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Report successfully generated!"));
    EXPECT_EQ(UiScript::shown().last().title, QStringLiteral("Success"));
    EXPECT_EQ(output(), QStringLiteral("<p>O'NEIL &lt;JR&gt; &amp; SON|%1|Two-vessel disease.<br>For bypass.|Heparin\nNitroglycerin|| 02:05:09 PM</p>")
                            .arg(w->txtDate->text()));
    // Pressing again overwrites the page with what the fields hold now.
    w->txtPatName->setText(QStringLiteral("SANTOS"));
    w->cmdGenerate->click();
    EXPECT_TRUE(output().startsWith(QStringLiteral("<p>SANTOS|")));
}

TEST_F(HtmlReportWindow, AMissingTemplateIsSaidAndNothingIsWritten)
{
    auto* w = frmCoronaryAngiographyVRNK::instance();
    w->show();
    w->cmdGenerate->click();
    EXPECT_EQ(UiScript::lastText(),
              QStringLiteral("Cannot find Template.html. Make sure it is in the same folder as the Project/Executable."));
    EXPECT_EQ(UiScript::shown().last().title, QStringLiteral("Error"));
    EXPECT_FALSE(QFile::exists(frmCoronaryAngiographyVRNK::OutputPath()));
}

// The success message comes first; when no program opens the page, the user learns where it is.
TEST_F(HtmlReportWindow, APageNoProgramOpensIsSaidWithWhereItIs)
{
    writeTemplate("<p>{{PATIENT_NAME}}</p>");
    const auto keep = HtmlReport::OpenPage;
    struct Case { bool opens; QStringList expected; };
    const QString path = QDir::toNativeSeparators(frmCoronaryAngiographyVRNK::OutputPath());
    const Case cases[] = {
        {true, {QStringLiteral("Report successfully generated!")}},
        {false, {QStringLiteral("Report successfully generated!"),
                 QStringLiteral("An error occurred generating the report: no program on this workstation could open the page. "
                                "The report was saved as ") + path + QStringLiteral("; open it from there.")}},
    };
    auto* w = frmCoronaryAngiographyVRNK::instance();
    w->show();
    for (const Case& c : cases) {
        QString asked;
        HtmlReport::OpenPage = [&](const QString& file) { asked = file; return c.opens; };
        UiScript::reset();
        w->cmdGenerate->click();
        EXPECT_EQ(UiScript::texts(), c.expected) << c.opens;
        EXPECT_EQ(asked, frmCoronaryAngiographyVRNK::OutputPath());
        EXPECT_EQ(output(), QStringLiteral("<p></p>"));
    }
    HtmlReport::OpenPage = keep;
}
