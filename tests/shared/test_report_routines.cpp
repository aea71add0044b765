// PrepareReport, PrepareSubreport and ShowReport: the calls every printing window makes.
#include "support/TestDatabase.h"

#include "components/login/clsCurrentuser.h"
#include "platform/report/Report.h"
#include "platform/report/ReportError.h"
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

#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QApplication>

namespace {
const char* const kSlip = R"([report]
title = TEST SLIP

[parameters]
IDNum = text
Amount = number
Remarks = text

[data adm]
@bind IDNum
SELECT IDNum, HospNum FROM PATIENT_DATA..tbPatient WHERE IDNum = ?

[section 1]
<p>Adm {?IDNum} of {adm.HospNum}; amount {?Amount:#,##0.00}; remarks [{?Remarks}]</p>

[subreport Items]
[parameters]
RoomClass = text
[data items]
@bind RoomClass
SELECT RoomID FROM BUILD_FILE..tbCoRoom WHERE RoomClass = ? ORDER BY RoomID
[section 1]
@repeat items
<p>item {items.RoomID}</p>
[end subreport]

[section 2]
{#subreport Items}
[section 3]
<p>three</p>
[section 4]
<p>four</p>
[section 5]
<p>five</p>
[section 6]
<p>diagram</p>
)";

class ReportRoutinesTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("Reports")));
        write(QStringLiteral("Reports/Test_Slip.RPT"), QString::fromUtf8(kSlip));
        write(QStringLiteral("Reports/Short.rpt"), QStringLiteral("[section 1]\n<p>short {@HospitalName}</p>"));
        Session.HospName = QStringLiteral("ST. BRIGID MEDICAL CENTER");
        Session.HospAddress = QStringLiteral("1450 Rizal Avenue, San Isidro City");
        m_docs = m_dir.filePath(QStringLiteral("Documents"));
        ReportOutput::setDocumentsFolder(m_docs);
    }
    void TearDown() override
    {
        ReportOutput::setDocumentsFolder(QString());
        ReportHost::attach(nullptr, nullptr);
        DbTest::TearDown();
    }
    void write(const QString& name, const QString& text)
    {
        QFile f(m_dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.toUtf8());
    }
    QString slip() const { return m_dir.filePath(QStringLiteral("Reports/test_slip.rpt")); } // spelled otherwise on disk
    QString picture(const QString& name)
    {
        QImage image(96, 48, QImage::Format_RGB32);
        image.fill(Qt::blue);
        const QString file = m_dir.filePath(name);
        image.save(file);
        return file;
    }
    // What a printing window does: the whole call in one handler, failures as the common notice.
    bool callerPrints(const QString& path, const QVariantList& params, bool directPrint, bool medicationSheet)
    {
        try {
            PrepareReport(path, params);
            ShowReport(false, QStringLiteral("Test Slip"), directPrint, medicationSheet);
            return true;
        } catch (const std::exception& e) {
            ShowErrorNotice(e);
            return false;
        }
    }
    QTemporaryDir m_dir;
    QString m_docs;
};

bool filled(const Report& r, int i) { return r.parameterFields()[i].hasCurrentValue(); }
}

TEST_F(ReportRoutinesTest, ElementIGoesToTheIthParameterField)
{
    PrepareReport(slip(), {QStringLiteral("2026000001"), QStringLiteral("1234.5"), QStringLiteral("STAT")});
    ASSERT_TRUE(ReportValues.CurrentReport);
    EXPECT_EQ(ReportValues.CurrentReport->parameterFields()[0].currentValue(), QStringLiteral("2026000001"));
    EXPECT_EQ(ReportValues.CurrentReport->parameterFields()[1].currentValue(), 1234.5);
    EXPECT_EQ(ReportValues.CurrentReport->parameterFields()[2].currentValue(), QStringLiteral("STAT"));
    EXPECT_EQ(ReportValues.CurrentReport->hospitalName(), Session.HospName);
    EXPECT_EQ(ReportValues.CurrentReport->hospitalAddress(), Session.HospAddress);

    ShowReport(false, QStringLiteral("Test Slip"), true, false);
    const ReportCall& call = ReportLog::calls().last();
    EXPECT_EQ(call.fileName(), QStringLiteral("test_slip.rpt"));
    EXPECT_TRUE(call.openedFile.endsWith(QStringLiteral("Reports/Test_Slip.RPT")));
    EXPECT_TRUE(call.text.contains(QStringLiteral("Adm 2026000001 of ")));
    EXPECT_TRUE(call.text.contains(QStringLiteral("amount 1,234.50; remarks [STAT]")));
    EXPECT_TRUE(call.text.contains(QStringLiteral("ST. BRIGID MEDICAL CENTER")));
    EXPECT_TRUE(call.text.contains(QStringLiteral("1450 Rizal Avenue, San Isidro City")));
}

TEST_F(ReportRoutinesTest, FewerMoreOrNoParameterValues)
{
    struct Case { QVariantList params; bool f0, f1, f2; const char* shows; };
    const Case cases[] = {
        {{QStringLiteral("2026000001")}, true, false, false, "amount ; remarks []"},
        {{QStringLiteral("2026000001"), 5, QStringLiteral("A"), QStringLiteral("extra"), 9}, true, true, true, "amount 5.00; remarks [A]"},
        {{}, false, false, false, "Adm of ; amount ; remarks []"},
    };
    for (const Case& c : cases) {
        PrepareReport(slip(), c.params);
        ASSERT_TRUE(ReportValues.CurrentReport);
        EXPECT_EQ(filled(*ReportValues.CurrentReport, 0), c.f0);
        EXPECT_EQ(filled(*ReportValues.CurrentReport, 1), c.f1);
        EXPECT_EQ(filled(*ReportValues.CurrentReport, 2), c.f2);
        ShowReport(false, QString(), true, false);
        EXPECT_TRUE(ReportLog::calls().last().text.contains(QString::fromUtf8(c.shows))) << c.shows;
        EXPECT_EQ(ReportLog::calls().last().params, c.params);
    }
}

TEST_F(ReportRoutinesTest, TablesLogOnWithTheLogInsServerAndSubreportsOnlyWhenPrepared)
{
    PrepareReport(slip(), {QStringLiteral("2026000001")});
    const ReportTable& t = ReportValues.CurrentReport->tables()[0];
    EXPECT_TRUE(t.loggedOn());
    EXPECT_EQ(t.connection(), Session.CurrentUser->sqlConnection());
    EXPECT_EQ(t.logOnInfo().server, Session.CurrentUser->servername());
    EXPECT_EQ(t.logOnInfo().database, Session.CurrentUser->Database());
    EXPECT_EQ(t.logOnInfo().user, Session.CurrentUser->UserID());
    Report& items = ReportValues.CurrentReport->openSubreport(QStringLiteral("Items"));
    EXPECT_FALSE(items.tables()[0].loggedOn());

    PrepareSubreport(QStringLiteral("Items"), {QStringLiteral("H"), QStringLiteral("ignored")});
    EXPECT_TRUE(items.tables()[0].loggedOn());
    EXPECT_EQ(items.parameterFields()[0].currentValue(), QStringLiteral("H"));
    ShowReport(false, QString(), true, false);
    const ReportCall& call = ReportLog::calls().last();
    ASSERT_EQ(call.subreports.size(), 1);
    EXPECT_EQ(call.subreports[0].name, QStringLiteral("Items"));
    EXPECT_EQ(call.subreports[0].params, QVariantList({QStringLiteral("H"), QStringLiteral("ignored")}));
    for (const char* room : {"item 215", "item 216", "item 315", "item 316"})
        EXPECT_TRUE(call.text.contains(QString::fromLatin1(room))) << room;
    EXPECT_FALSE(call.text.contains(QStringLiteral("item 214")));
}

TEST_F(ReportRoutinesTest, ASubreportNobodyReadiedReadsOverItsReportsLogOnWithEmptyFields)
{
    PrepareReport(slip(), {QStringLiteral("2026000001")});
    ShowReport(false, QString(), true, false);
    EXPECT_TRUE(ReportLog::calls().last().subreports.isEmpty());
    EXPECT_FALSE(ReportLog::calls().last().text.contains(QStringLiteral("item ")));
    EXPECT_TRUE(ReportLog::calls().last().text.contains(QStringLiteral("three")));
}

TEST_F(ReportRoutinesTest, AnUnknownSubreportReachesTheCaller)
{
    PrepareReport(slip(), {});
    try {
        PrepareSubreport(QStringLiteral("NoSuchPart"), {});
        FAIL() << "an unknown subreport was readied";
    } catch (const ReportError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("no subreport \"NoSuchPart\""))) << e.what();
    }
    EXPECT_TRUE(ReportValues.CurrentReport); // the report stays as far as it got
    ReportValues.CurrentReport.reset();
    EXPECT_THROW(PrepareSubreport(QStringLiteral("Items"), {}), ReportError);
}

TEST_F(ReportRoutinesTest, APendingPictureGoesIntoSectionSixOfTheNextReport)
{
    ReportValues.ReportPicturePending = true;
    ReportValues.ReportPicturePath = picture(QStringLiteral("heart.png"));
    PrepareReport(slip(), {});
    ReportSection& six = ReportValues.CurrentReport->section(6);
    ASSERT_EQ(six.pictures.size(), 1);
    EXPECT_EQ(six.pictures[0].left, 500);
    EXPECT_EQ(six.pictures[0].top, 0);
    EXPECT_EQ(six.height, six.pictures[0].height + 500);
    for (int n = 1; n <= 5; ++n) EXPECT_TRUE(ReportValues.CurrentReport->section(n).pictures.isEmpty());
    EXPECT_FALSE(ReportValues.ReportPicturePending);
    EXPECT_TRUE(ReportValues.ReportPicturePath.isEmpty());
    EXPECT_TRUE(ReportLog::calls().last().picture.endsWith(QStringLiteral("heart.png")));
    // taken once only
    PrepareReport(slip(), {});
    EXPECT_TRUE(ReportValues.CurrentReport->section(6).pictures.isEmpty());
}

TEST_F(ReportRoutinesTest, ABlankPicturePathIsNeitherPlacedNorCleared)
{
    ReportValues.ReportPicturePending = true;
    ReportValues.ReportPicturePath = QStringLiteral("   ");
    PrepareReport(slip(), {});
    EXPECT_TRUE(ReportValues.CurrentReport->section(6).pictures.isEmpty());
    EXPECT_TRUE(ReportValues.ReportPicturePending);
    EXPECT_EQ(ReportValues.ReportPicturePath, QStringLiteral("   "));
}

TEST_F(ReportRoutinesTest, APictureThatCannotBePlacedReachesTheCallerAndStaysPending)
{
    struct Case { QString path; QString report; };
    const Case cases[] = {
        {m_dir.filePath(QStringLiteral("missing.png")), slip()},                           // unreadable
        {picture(QStringLiteral("ok.png")), m_dir.filePath(QStringLiteral("Reports/SHORT.RPT"))}, // no section 6
    };
    for (const Case& c : cases) {
        UiScript::reset();
        ReportValues.ReportPicturePending = true;
        ReportValues.ReportPicturePath = c.path;
        EXPECT_FALSE(callerPrints(c.report, {}, false, false));
        EXPECT_TRUE(ReportValues.ReportPicturePending);
        EXPECT_EQ(ReportValues.ReportPicturePath, c.path);
        ASSERT_EQ(UiScript::shown().size(), 1);
        EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Notification"));
        EXPECT_TRUE(UiScript::lastText().endsWith(QStringLiteral("\r\n\r\nPlease notify your IT department.")));
        EXPECT_FALSE(ReportLog::calls().last().error.isEmpty());
        EXPECT_EQ(ReportLog::calls().last().shown, ReportShown::NotShown);
    }
}

TEST_F(ReportRoutinesTest, AMissingReportFileIsTheCallersErrorNotice)
{
    PrepareReport(slip(), {});
    const auto earlier = ReportValues.CurrentReport;
    EXPECT_FALSE(callerPrints(m_dir.filePath(QStringLiteral("Reports/Audit_report.RPT")), {}, false, true));
    EXPECT_EQ(ReportValues.CurrentReport, earlier); // an open that failed leaves the earlier report
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_TRUE(UiScript::lastText().contains(QStringLiteral("Audit_report.RPT\" was not found"))) << UiScript::lastText().toStdString();
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
    EXPECT_TRUE(ReportLog::calls().last().openedFile.isEmpty());
}

TEST_F(ReportRoutinesTest, AValueThatDoesNotFitIsTheCallersErrorNotice)
{
    EXPECT_FALSE(callerPrints(slip(), {QStringLiteral("2026000001"), QStringLiteral("twelve")}, true, false));
    EXPECT_TRUE(UiScript::lastText().startsWith(
        QStringLiteral("The value \"twelve\" does not fit the number parameter field \"Amount\".")));
    EXPECT_TRUE(ReportValues.CurrentReport); // opened, then stopped at the value
}

TEST_F(ReportRoutinesTest, DirectPrintIgnoresTheOtherArgumentsAndEmptiesCurrentReport)
{
    PrepareReport(slip(), {QStringLiteral("2026000001")});
    ShowReport(true, QStringLiteral("ignored"), true, true);
    EXPECT_FALSE(ReportValues.CurrentReport);
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
    const ReportCall& call = ReportLog::calls().last();
    EXPECT_EQ(call.shown, ReportShown::Printed);
    EXPECT_TRUE(call.printedTo.startsWith(m_docs)) << call.printedTo.toStdString();
    EXPECT_TRUE(QFileInfo::exists(call.printedTo));
    EXPECT_TRUE(ReportHost::lastNotice().contains(QDir::toNativeSeparators(call.printedTo)));
}

TEST_F(ReportRoutinesTest, APrinterFailureReachesTheCaller)
{
    QFile blocker(m_dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ReportOutput::setDocumentsFolder(m_dir.filePath(QStringLiteral("blocker/Documents")));
    EXPECT_FALSE(callerPrints(slip(), {QStringLiteral("2026000001")}, true, false));
    EXPECT_TRUE(ReportValues.CurrentReport); // not printed: not emptied
    EXPECT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(ReportLog::calls().last().shown, ReportShown::NotShown);
}

TEST_F(ReportRoutinesTest, TheMedicationSheetIsModalAndEmptiesCurrentReportWhenClosed)
{
    bool checked = false;
    UiScript::queueDialog(QStringLiteral("frmReportMedicationsheet"), [&](QDialog* d) {
        auto* w = static_cast<frmReportMedicationsheet*>(d);
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Print Registration Form"));
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(w->CRViewer1->reportSource());
        EXPECT_TRUE(w->CRViewer1->groupTree->isVisible());
        EXPECT_TRUE(w->CRViewer1->enableGroupTree());
        EXPECT_TRUE(w->CRViewer1->enableExportButton());
        EXPECT_EQ(w->CRViewer1->zoomPercent(), 100);
        EXPECT_GE(w->CRViewer1->pageCount(), 1);
        EXPECT_TRUE(w->CRViewer1->text().contains(QStringLiteral("remarks [R]")));
        EXPECT_EQ(ReportLog::calls().last().shown, ReportShown::MedicationSheet);
        checked = true;
        w->close();
    });
    PrepareReport(slip(), {QStringLiteral("2026000001"), 1, QStringLiteral("R")});
    ShowReport(true, QStringLiteral("Print Registration Form"), false, true);
    EXPECT_TRUE(checked);
    EXPECT_EQ(UiScript::dialogsRun(), QStringList(QStringLiteral("frmReportMedicationsheet")));
    EXPECT_FALSE(ReportValues.CurrentReport);
    const ReportCall& call = ReportLog::calls().last();
    EXPECT_EQ(call.caption, QStringLiteral("Print Registration Form"));
    EXPECT_TRUE(call.showGroupTree);
}

TEST_F(ReportRoutinesTest, TwoGeneralViewersStaySideBySideInTheMainWindow)
{
    QMainWindow main;
    auto* area = new QMdiArea(&main);
    main.setCentralWidget(area);
    ReportHost::attach(area, main.statusBar());
    main.show();

    PrepareReport(slip(), {QStringLiteral("FIRST")});
    ShowReport(false, QStringLiteral("First"), false, false);
    const auto first = ReportValues.CurrentReport;
    PrepareReport(m_dir.filePath(QStringLiteral("Reports/short.RPT")), {});
    ShowReport(true, QStringLiteral("Second"), false, false);
    const auto second = ReportValues.CurrentReport;
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty()); // modeless: nothing waited for them

    const QList<QMdiSubWindow*> subs = area->subWindowList();
    ASSERT_EQ(subs.size(), 2);
    auto* v1 = qobject_cast<frmReportViewer*>(subs[0]->widget());
    auto* v2 = qobject_cast<frmReportViewer*>(subs[1]->widget());
    ASSERT_TRUE(v1 && v2);
    EXPECT_NE(v1, v2);
    EXPECT_EQ(v1->windowTitle(), QStringLiteral("First"));
    EXPECT_EQ(v2->windowTitle(), QStringLiteral("Second"));
    EXPECT_TRUE(subs[1]->isMaximized());
    EXPECT_EQ(v1->CRViewer1->reportSource(), first);
    EXPECT_EQ(ReportValues.CurrentReport, second);
    EXPECT_FALSE(v1->CRViewer1->groupTree->isVisible());
    EXPECT_TRUE(v2->CRViewer1->groupTree->isVisibleTo(v2));
    EXPECT_EQ(v1->CRViewer1->zoomPercent(), 100);

    // closing the first empties CurrentReport; the second goes on showing its own report
    subs[0]->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(ReportValues.CurrentReport);
    ASSERT_EQ(area->subWindowList().size(), 1);
    EXPECT_EQ(v2->CRViewer1->reportSource(), second);
    EXPECT_TRUE(v2->CRViewer1->text().contains(QStringLiteral("short ST. BRIGID MEDICAL CENTER")));

    v2->close(); // closed from inside: its frame goes too
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(area->subWindowList().isEmpty());
}

TEST_F(ReportRoutinesTest, WithoutAMainWindowTheViewerIsAWindowOfItsOwn)
{
    PrepareReport(slip(), {});
    ShowReport(false, QStringLiteral("Alone"), false, false);
    frmReportViewer* viewer = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* v = qobject_cast<frmReportViewer*>(w); v && v->windowTitle() == QLatin1String("Alone")) viewer = v;
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    viewer->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(ReportValues.CurrentReport);
}

TEST_F(ReportRoutinesTest, ShowingWithoutAPreparedReportIsAnError)
{
    for (bool direct : {true, false})
        for (bool sheet : {true, false}) EXPECT_THROW(ShowReport(false, QString(), direct, sheet), ReportError);
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
}

TEST_F(ReportRoutinesTest, AViewerWindowAskedToPrintGoesThroughThePrinterDialog)
{
    PrepareReport(slip(), {QStringLiteral("2026000001")});
    frmReportViewer viewer;
    viewer.setDirectPrint(true);
    viewer.Form_Load();
    // the report still asks for the printer: the dialog comes, and cancelled, nothing is printed
    EXPECT_EQ(UiScript::dialogsRun(), QStringList(QStringLiteral("QPrintDialog")));
    EXPECT_FALSE(QDir(m_docs).exists());
    // once a direct print has switched the question off, the viewer prints at once
    ReportValues.CurrentReport->promptForPrinter = false;
    EXPECT_TRUE(viewer.CRViewer1->printReport().startsWith(m_docs));
}
