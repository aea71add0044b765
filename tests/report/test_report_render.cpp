// Rendering a report over the hospital's tables, painting it to PDF, printing it directly and
// showing it in the viewer control.
#include "support/TestDatabase.h"

#include "components/login/clsCurrentuser.h"
#include "platform/db/DbError.h"
#include "platform/report/Report.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportHost.h"
#include "platform/report/ReportOutput.h"
#include "platform/report/ReportRenderer.h"
#include "platform/report/ReportViewer.h"
#include "shared/modGlobals.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {
const char* const kRooms = R"([report]
title = ROOMS BY STATION

[parameters]
FromStation = text
MaxRate = number
AsOf = date

[data rooms]
@bind FromStation, MaxRate
SELECT RoomID, StationID, RoomClass, RoomRate FROM BUILD_FILE..tbCoRoom
 WHERE StationID >= ? AND RoomRate <= ? ORDER BY StationID, RoomID

[section 1]
<p>As of {?AsOf:MM/dd/yyyy}: {#count rooms} rooms, {#sum rooms.RoomRate} in all; asked {?FromStation}</p>
<table width="100%" border="1" cellspacing="0">

[section 2]
@repeat rooms
@group StationID
{#group}<tr><td colspan="3"><b>Station {rooms.StationID}</b></td></tr>{/group}
<tr><td>{@RowNumber}</td><td>{rooms.RoomID} class {rooms.RoomClass}</td><td align="right">{rooms.RoomRate:#,##0.00}</td></tr>

[section 3]
</table>

[section 4]
@empty rooms
<p>No rooms.</p>
)";

class ReportRenderTest : public DbTest {
protected:
    std::shared_ptr<Report> rooms(const QVariantList& params)
    {
        auto r = Report::fromText(QString::fromUtf8(kRooms), QStringLiteral("Rooms.RPT"));
        r->setHospitalName(QStringLiteral("ST. BRIGID MEDICAL CENTER"));
        r->setHospitalAddress(QStringLiteral("1450 Rizal Avenue, San Isidro City"));
        for (ReportTable& t : r->tables()) t.setLogOnInfo({}, &conn());
        for (int i = 0; i < params.size(); ++i) r->parameterFields()[i].addCurrentValue(params[i]);
        return r;
    }

    static QString pdfText(const QString& pdf)
    {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        if (!p.waitForFinished(30000)) return {};
        return QString::fromUtf8(p.readAllStandardOutput());
    }
};
}

TEST_F(ReportRenderTest, FillsTheLayoutFromItsDataSets)
{
    auto r = rooms({QStringLiteral("3F"), 3000, QStringLiteral("12/03/2026")});
    const auto out = ReportRenderer::render(*r);
    // 3F rooms 301..316, two to a class, from 4,500 (A) down to 1,350 (H); at 3,000 or less: E to H
    EXPECT_TRUE(out->html.contains(QStringLiteral("As of 12/03/2026: 8 rooms, 16,200.00 in all; asked 3F"))) << out->html.toStdString();
    EXPECT_TRUE(out->html.contains(QStringLiteral("<b>Station 3F</b>")));
    EXPECT_EQ(out->html.count(QStringLiteral("<b>Station")), 1);
    EXPECT_TRUE(out->html.contains(QStringLiteral("<td>1</td><td>309 class E</td><td align=\"right\">2,700.00</td>")));
    EXPECT_TRUE(out->html.contains(QStringLiteral("<td>8</td><td>316 class H</td>")));
    EXPECT_FALSE(out->html.contains(QStringLiteral("No rooms.")));
    ASSERT_EQ(out->groups.size(), 1);
    EXPECT_EQ(out->groups[0].label, QStringLiteral("3F"));
    EXPECT_EQ(out->hospitalName, QStringLiteral("ST. BRIGID MEDICAL CENTER"));
}

TEST_F(ReportRenderTest, GroupsStartWhereTheGroupFieldChanges)
{
    const auto out = ReportRenderer::render(*rooms({QStringLiteral("2F"), 1500}));
    ASSERT_EQ(out->groups.size(), 2);
    EXPECT_EQ(out->groups[0].label, QStringLiteral("2F"));
    EXPECT_EQ(out->groups[1].label, QStringLiteral("3F"));
    EXPECT_EQ(out->html.count(QStringLiteral("<b>Station")), 2);
}

TEST_F(ReportRenderTest, FieldsWithoutValuesBindNullAndShowNothing)
{
    // no parameter values at all: the statement gets nulls and finds nothing
    const auto out = ReportRenderer::render(*rooms({}));
    EXPECT_TRUE(out->html.contains(QStringLiteral("As of : 0 rooms, 0.00 in all; asked </p>"))) << out->html.toStdString();
    EXPECT_TRUE(out->html.contains(QStringLiteral("No rooms.")));
}

TEST_F(ReportRenderTest, DataAreTextNeverMarkup)
{
    conn().execute(QStringLiteral("UPDATE BUILD_FILE..tbCoRoom SET RoomClass = ? WHERE RoomID = '316'"), {QStringLiteral("<")});
    const auto out = ReportRenderer::render(*rooms({QStringLiteral("2F<b>"), 1350}));
    EXPECT_TRUE(out->html.contains(QStringLiteral("asked 2F&lt;b&gt;"))) << out->html.toStdString();
    EXPECT_TRUE(out->html.contains(QStringLiteral("316 class &lt;</td>"))) << out->html.toStdString();
}

TEST_F(ReportRenderTest, TablesMustBeLoggedOnAndColumnsMustExist)
{
    auto r = Report::fromText(QString::fromUtf8(kRooms), QStringLiteral("Rooms.RPT"));
    EXPECT_THROW(ReportRenderer::render(*r), ReportError);
    EXPECT_THROW(r->tables()[0].setLogOnInfo({}, nullptr), ReportError);

    auto bad = Report::fromText(QStringLiteral("[data d]\nSELECT RoomID FROM BUILD_FILE..tbCoRoom\n[section 1]\n{d.Rate}"),
                                QStringLiteral("Bad.rpt"));
    bad->tables()[0].setLogOnInfo({}, &conn());
    try {
        ReportRenderer::render(*bad);
        FAIL() << "an unknown column rendered";
    } catch (const ReportError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("has no column \"Rate\""))) << e.what();
    }
    auto broken = Report::fromText(QStringLiteral("[data d]\nSELECT Nope FROM BUILD_FILE..tbCoRoom\n"), QStringLiteral("Bad.rpt"));
    broken->tables()[0].setLogOnInfo({}, &conn());
    EXPECT_THROW(ReportRenderer::render(*broken), DbError);
}

TEST_F(ReportRenderTest, APictureSitsInItsSectionWithItsOffsetAndRoomBelow)
{
    QTemporaryDir dir;
    QImage image(192, 96, QImage::Format_RGB32); // 2 x 1 inches at 96 dots to the inch
    image.fill(Qt::red);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    const QString file = dir.filePath(QStringLiteral("diagram.png"));
    ASSERT_TRUE(image.save(file));

    auto r = Report::fromText(QStringLiteral("[section 1]\n<p>one</p>\n[section 2]\n<p>two</p>"), QStringLiteral("Pic.rpt"));
    const ReportPicture p = ReportPicture::load(file);
    EXPECT_EQ(p.width, 2880);
    EXPECT_EQ(p.height, 1440);
    ReportPicture& placed = r->section(2).addPicture(p, 0, 0);
    placed.left = 500;
    r->section(2).height = placed.height + 500;
    const auto out = ReportRenderer::render(*r);
    ASSERT_EQ(out->images.size(), 1);
    EXPECT_EQ(out->images[0].second.size(), QSize(192, 96));
    const int one = int(out->html.indexOf(QStringLiteral("one"))), pic = int(out->html.indexOf(QStringLiteral("<img"))),
              two = int(out->html.indexOf(QStringLiteral("two")));
    EXPECT_TRUE(one < pic && pic < two) << out->html.toStdString();
    EXPECT_TRUE(out->html.contains(QStringLiteral("margin-left:33px"))) << out->html.toStdString();
    EXPECT_TRUE(out->html.contains(QStringLiteral("width=\"192\" height=\"96\"")));
    EXPECT_TRUE(out->html.contains(QStringLiteral("margin-top:32px"))); // 500 twips of room below it

    QFile junk(dir.filePath(QStringLiteral("junk.png")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    EXPECT_THROW(ReportPicture::load(junk.fileName()), ReportError);
    EXPECT_THROW(ReportPicture::load(dir.filePath(QStringLiteral("none.png"))), ReportError);
}

TEST_F(ReportRenderTest, APdfCarriesTheHeaderTheDataAndThePageNumbers)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("rooms.pdf"));
    ReportOutput::exportPdf(*ReportRenderer::render(*rooms({QStringLiteral("2F"), 5000, QStringLiteral("12/03/2026")})), pdf);
    const QString text = pdfText(pdf);
    for (const char* expected : {"ST. BRIGID MEDICAL CENTER", "1450 Rizal Avenue, San Isidro City", "ROOMS BY STATION",
                                 "As of 12/03/2026: 32 rooms", "Station 2F", "Station 3F", "316 class H", "1,350.00",
                                 "Page 1 of"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
}

TEST_F(ReportRenderTest, ALongReportRunsOverPagesEachWithItsHeader)
{
    auto r = Report::fromText(QStringLiteral("[data m]\nSELECT HospNum, LastName FROM PATIENT_DATA..tbMaster ORDER BY HospNum\n"
                                             "[section 1]\n@repeat m\n<p>{m.HospNum} {m.LastName}</p>\n"
                                             "[section 2]\n@repeat m\n<p>again {m.HospNum}</p>"),
                              QStringLiteral("Long.rpt"));
    r->title = QStringLiteral("LONG LIST");
    r->setHospitalName(QStringLiteral("ST. BRIGID MEDICAL CENTER"));
    r->tables()[0].setLogOnInfo({}, &conn());
    const auto out = ReportRenderer::render(*r);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(ReportOutput::pageLayout(out->page));
    const ReportDocument doc(*out, printer.pageLayout());
    ASSERT_GE(doc.pageCount(), 2);

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
    ReportOutput::exportPdf(*out, pdf);
    const QString text = pdfText(pdf);
    EXPECT_EQ(text.count(QStringLiteral("ST. BRIGID MEDICAL CENTER")), doc.pageCount());
    EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %1").arg(doc.pageCount())));
    EXPECT_TRUE(text.contains(QStringLiteral("again 100060")));
}

TEST_F(ReportRenderTest, DirectPrintWithoutAPrinterWritesAPdfAndTellsTheStatusBar)
{
    QTemporaryDir docs;
    ReportOutput::setDocumentsFolder(docs.filePath(QStringLiteral("Documents")));
    QMainWindow main;
    auto* area = new QMdiArea(&main);
    main.setCentralWidget(area);
    ReportHost::attach(area, main.statusBar());

    const QString where = ReportOutput::printDirect(*ReportRenderer::render(*rooms({QStringLiteral("3F"), 3000})));
    EXPECT_TRUE(where.startsWith(docs.filePath(QStringLiteral("Documents/Rooms_")))) << where.toStdString();
    EXPECT_TRUE(where.endsWith(QStringLiteral(".pdf")));
    EXPECT_TRUE(pdfText(where).contains(QStringLiteral("309 class E")));
    EXPECT_TRUE(ReportHost::lastNotice().contains(QDir::toNativeSeparators(where)));
    auto* notice = main.statusBar()->findChild<QLabel*>(QStringLiteral("ReportNotice"));
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->text().contains(QStringLiteral("No printer is set up")));
    EXPECT_FALSE(notice->isHidden());

    // a second print of the same second gets a name of its own
    const QString again = ReportOutput::printDirect(*ReportRenderer::render(*rooms({QStringLiteral("3F"), 3000})));
    EXPECT_NE(again, where);
    ReportHost::attach(nullptr, nullptr);
    ReportOutput::setDocumentsFolder(QString());
}

TEST_F(ReportRenderTest, APrintThatCannotBeWrittenIsAnErrorNotACrash)
{
    QTemporaryDir docs;
    QFile blocker(docs.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // the documents "folder" lies below a file: it can be neither made nor written
    ReportOutput::setDocumentsFolder(docs.filePath(QStringLiteral("file/Documents")));
    EXPECT_THROW(ReportOutput::printDirect(*ReportRenderer::render(*rooms({QStringLiteral("3F"), 3000}))), ReportError);
    EXPECT_THROW(ReportOutput::exportPdf(*ReportRenderer::render(*rooms({})), docs.filePath(QStringLiteral("file/x.pdf"))),
                 ReportError);
    ReportOutput::setDocumentsFolder(QString());
}

TEST_F(ReportRenderTest, TheViewerShowsPagesZoomAndTheGroupTree)
{
    ReportViewer viewer;
    viewer.resize(800, 600);
    viewer.setReportSource(rooms({QStringLiteral("2F"), 5000}));
    viewer.setDisplayGroupTree(true);
    viewer.setEnableGroupTree(true);
    viewer.show();
    viewer.viewReport();
    viewer.zoom(100);
    EXPECT_EQ(viewer.zoomPercent(), 100);
    EXPECT_GE(viewer.pageCount(), 1);
    EXPECT_EQ(viewer.currentPage(), 1);
    EXPECT_TRUE(viewer.text().contains(QStringLiteral("316 class H")));
    EXPECT_TRUE(viewer.groupTree->isVisible());
    ASSERT_EQ(viewer.groupTree->topLevelItemCount(), 2);
    EXPECT_EQ(viewer.groupTree->topLevelItem(1)->text(0), QStringLiteral("3F"));
    const int page3F = viewer.groupTree->topLevelItem(1)->data(0, Qt::UserRole).toInt();
    EXPECT_GE(page3F, 1);
    viewer.showPage(viewer.pageCount());
    EXPECT_EQ(viewer.currentPage(), viewer.pageCount());
    Q_EMIT viewer.groupTree->itemClicked(viewer.groupTree->topLevelItem(1), 0);
    EXPECT_EQ(viewer.currentPage(), page3F);

    viewer.setDisplayGroupTree(false);
    viewer.setEnableGroupTree(false);
    EXPECT_FALSE(viewer.groupTree->isVisible());
    EXPECT_FALSE(viewer.enableGroupTree());
    EXPECT_FALSE(viewer.enableExportButton());
    EXPECT_THROW(viewer.setReportSource(nullptr), ReportError);
}

TEST_F(ReportRenderTest, GroupTreeNodesPointAtThePagesTheirGroupsStartOn)
{
    // enough rows that the second station's rooms start on a later page
    auto r = Report::fromText(QStringLiteral("[data rooms]\nSELECT RoomID, StationID FROM BUILD_FILE..tbCoRoom ORDER BY StationID, RoomID\n"
                                             "[section 1]\n@repeat rooms\n@group StationID\n"
                                             "<p style=\"margin-bottom:60px\">{#group}<b>{rooms.StationID}</b> {/group}{rooms.RoomID}</p>"),
                              QStringLiteral("Pages.rpt"));
    r->tables()[0].setLogOnInfo({}, &conn());
    ReportViewer viewer;
    viewer.setReportSource(r);
    viewer.setDisplayGroupTree(true);
    viewer.viewReport();
    ASSERT_EQ(viewer.groupTree->topLevelItemCount(), 2);
    EXPECT_EQ(viewer.groupTree->topLevelItem(0)->data(0, Qt::UserRole).toInt(), 1);
    EXPECT_GT(viewer.groupTree->topLevelItem(1)->data(0, Qt::UserRole).toInt(), 1);
}
