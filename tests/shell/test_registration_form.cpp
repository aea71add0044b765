// The registration form report, printed to PDF and read back; and the main window as the home of
// the report viewers and of the direct-print notice.
#include "support/TestDatabase.h"

#include "platform/report/ReportHost.h"
#include "platform/report/ReportLog.h"
#include "platform/report/ReportOutput.h"
#include "platform/report/ReportViewer.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/frmReportMedicationsheet.h"
#include "shared/reports/frmReportViewer.h"
#include "shared/reports/modReports.h"
#include "shell/mdiCathLabMenu.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>

namespace {
class RegistrationFormTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        LoadHospitalInfo();
        ReportOutput::setDocumentsFolder(m_docs.path());
    }
    void TearDown() override
    {
        ReportOutput::setDocumentsFolder(QString());
        DbTest::TearDown();
    }
    // Prints the form for one admission and reads the PDF back.
    QString printed(const QString& idNum)
    {
        PrepareReport(ReportFilePath(QStringLiteral("CLRegistrationForm.RPT")), {idNum});
        ShowReport(false, QStringLiteral("Print Registration Form"), true, true);
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), ReportLog::calls().last().printedTo, QStringLiteral("-")});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    QString master(const QString& idNum, const QString& column)
    {
        return DbValue::text(conn().scalar(
            QStringLiteral("SELECT m.%1 FROM PATIENT_DATA..tbMaster m WHERE m.HospNum = "
                           "(SELECT HospNum FROM PATIENT_DATA..tbPatient WHERE IDNum = ? UNION "
                           " SELECT HospNum FROM PATIENT_DATA..TBOUTPATIENT WHERE IDNum = ?)").arg(column),
            {idNum, idNum}));
    }
    QTemporaryDir m_docs;
};

void expectAll(const QString& text, const QStringList& expected)
{
    for (const QString& e : expected) EXPECT_TRUE(text.contains(e)) << e.toStdString() << "\n" << text.toStdString();
}
}

TEST_F(RegistrationFormTest, AnInPatientWithACompanyAccount)
{
    // the demo's third admission: room 304 (class B), account of PACIFIC HEALTH CARE INC.
    const QString id = QStringLiteral("2026000003");
    const QString text = printed(id);
    expectAll(text, {QStringLiteral("ST. BRIGID MEDICAL CENTER"), QStringLiteral("1450 Rizal Avenue, San Isidro City"),
                     QStringLiteral("CATH LAB REGISTRATION FORM"), id, QStringLiteral("IN-PATIENT"), QStringLiteral("304"),
                     QStringLiteral("PACIFIC HEALTH CARE INC."), QStringLiteral("CORONARY ARTERY DISEASE"),
                     master(id, QStringLiteral("LastName")) + QStringLiteral(", ") + master(id, QStringLiteral("FirstName")),
                     master(id, QStringLiteral("HospNum")), QStringLiteral("Patient / Guardian"), QStringLiteral("Page 1 of 1")});
}

TEST_F(RegistrationFormTest, AnOutPatientVisitOnPersonalAccount)
{
    const QString id = QStringLiteral("500001B");
    const QString text = printed(id);
    expectAll(text, {QStringLiteral("OUT-PATIENT"), id, QStringLiteral("PERSONAL"), QStringLiteral("CHEST PAIN"),
                     master(id, QStringLiteral("City"))});
    EXPECT_FALSE(text.contains(QStringLiteral("IN-PATIENT")));
}

TEST_F(RegistrationFormTest, AnUnknownAdmissionSaysSo)
{
    const QString text = printed(QStringLiteral("NOSUCH1"));
    EXPECT_TRUE(text.contains(QStringLiteral("No admission NOSUCH1 was found."))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Patient / Guardian")));
}

TEST_F(RegistrationFormTest, TheCustomHospitalNameHeadsTheForm)
{
    conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value, status) VALUES ('CLCustomHospitalName', ?, '1')"),
                   {QStringLiteral("ST. BRIGID HEART INSTITUTE")});
    LoadHospitalInfo();
    EXPECT_TRUE(printed(QStringLiteral("2026000001")).contains(QStringLiteral("ST. BRIGID HEART INSTITUTE")));
}

TEST_F(RegistrationFormTest, ShownInTheMedicationSheetAsRegistrationDoes)
{
    QString shown;
    UiScript::queueDialog(QStringLiteral("frmReportMedicationsheet"), [&](QDialog* d) {
        shown = static_cast<frmReportMedicationsheet*>(d)->CRViewer1->text();
    });
    PrepareReport(ReportFilePath(QStringLiteral("CLRegistrationForm.RPT")), {QStringLiteral("2026000002")});
    ShowReport(false, QStringLiteral("Print Registration Form"), false, true);
    EXPECT_TRUE(shown.contains(QStringLiteral("2026000002")));
    EXPECT_TRUE(shown.contains(QStringLiteral("CATH LAB REGISTRATION FORM")));
    const ReportCall& call = ReportLog::calls().last();
    EXPECT_EQ(call.fileName(), QStringLiteral("CLRegistrationForm.RPT"));
    EXPECT_EQ(call.params, QVariantList({QStringLiteral("2026000002")}));
    EXPECT_EQ(call.shown, ReportShown::MedicationSheet);
    EXPECT_FALSE(ReportValues.CurrentReport);
}

TEST_F(RegistrationFormTest, TheMainWindowHoldsTheViewersAndTellsWhereAPrintWent)
{
    mdiCathLabMenu* main = mdiCathLabMenu::instance();
    EXPECT_EQ(ReportHost::mdiArea(), main->mdiArea);

    PrepareReport(ReportFilePath(QStringLiteral("clregistrationform.rpt")), {QStringLiteral("2026000001")});
    ShowReport(false, QStringLiteral("Registration"), false, false);
    ASSERT_EQ(main->mdiArea->subWindowList().size(), 1);
    EXPECT_TRUE(qobject_cast<frmReportViewer*>(main->mdiArea->subWindowList()[0]->widget()));

    PrepareReport(ReportFilePath(QStringLiteral("CLRegistrationForm.rpt")), {QStringLiteral("2026000001")});
    ShowReport(false, QString(), true, false);
    auto* notice = main->StbEr->findChild<QLabel*>(QStringLiteral("ReportNotice"));
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->text().contains(QStringLiteral("was saved as")));
    EXPECT_TRUE(notice->text().contains(QStringLiteral("CLRegistrationForm_")));
    delete main;
    EXPECT_EQ(ReportHost::mdiArea(), nullptr);
}
