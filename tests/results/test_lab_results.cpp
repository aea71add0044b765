#include "ResultsFixture.h"

#include "components/StationComponents.h"
#include "results/LabGraph.h"

#include "results/ResultGrids.h"
#include "results/clsLabTabularFormat.h"

#include <QtCharts/QAreaSeries>
#include <QtCharts/QChart>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include "support/TableOutOfReach.h"

#include <QDialog>
#include <QTableWidget>

namespace {
const QString kAdm = QStringLiteral("LABTEST-1");
}

class LabResults : public ResultsTest {
protected:
    void addResult(const char* exam, const QDateTime& when, const char* result, const QVariant& normal = QStringLiteral("1 - 2"))
    {
        conn().execute("INSERT INTO LABORATORY..tbLabResult (IDNum, RequestNum, Reference, LabExamID, ResultDate, Result, NormalValue) "
                       "VALUES (?, ?, 'SLIP-1', ?, ?, ?, ?)",
                       {kAdm, QStringLiteral("R-%1").arg(count("SELECT COUNT(*) FROM LABORATORY..tbLabResult")), QString::fromLatin1(exam),
                        when, QString::fromLatin1(result), normal});
    }
    QDateTime day(int d, int h = 8) { return QDateTime(QDate(2026, 12, 30).addDays(d), QTime(h, 0)); }
};

TEST_F(LabResults, TabularFormatJoinsSameDayValuesGroupsSectionsAndHidesEmptyDays)
{
    addResult("CBC", day(0, 6), "13.2");
    addResult("CBC", day(0, 18), "13.5");
    addResult("CREA", day(0), "1.1", QStringLiteral("0.6 - 1.2"));
    addResult("CREA", day(3), "1.3", QStringLiteral(" 0.7 - 1.3 ")); // a later result brings its normal values
    addResult("K", day(3), "4.0");
    clsLabTabularFormat f;
    f.AdmissionNumber = QStringLiteral(" ") + kAdm + QStringLiteral(" ");
    FlexGrid grid;
    f.Load_Results(&grid);
    ASSERT_EQ(grid.Cols(), 4 + 3); // across the new year: four days
    EXPECT_EQ(grid.FixedCols(), 2);
    EXPECT_EQ(grid.TextMatrix(0, 0), "             EXAMINATION");
    EXPECT_EQ(grid.TextMatrix(0, 1), "NORMAL VALUES");
    EXPECT_EQ(grid.TextMatrix(0, 2), "12/30/26");
    EXPECT_EQ(grid.TextMatrix(0, 3), "12/31/26");
    EXPECT_EQ(grid.TextMatrix(0, 4), "01/01/27");
    EXPECT_EQ(grid.TextMatrix(0, 5), "01/02/27");
    EXPECT_EQ(column(&grid, 0), (QStringList{"BLOOD CHEMISTRY", " CREATININE", " POTASSIUM", "HEMATOLOGY", " COMPLETE BLOOD COUNT"}));
    EXPECT_EQ(grid.TextMatrix(2, 1), "0.7 - 1.3");
    EXPECT_EQ(grid.TextMatrix(2, 2), "1.1");
    EXPECT_EQ(grid.TextMatrix(2, 5), "1.3");
    EXPECT_EQ(grid.TextMatrix(5, 2), "13.2, 13.5");
    EXPECT_EQ(grid.TextMatrix(5, 6), "CBC");
    EXPECT_EQ(grid.TextMatrix(1, 1), ""); // a section row has no normal values
    EXPECT_GT(grid.columnWidth(2), 0);
    EXPECT_EQ(grid.columnWidth(3), 0); // days without a result keep their column, hidden
    EXPECT_EQ(grid.columnWidth(4), 0);
    EXPECT_GT(grid.columnWidth(5), 0);
    EXPECT_EQ(grid.columnWidth(6), 0); // the code column
    EXPECT_EQ(f.DayColumns().first(), QDate(2026, 12, 30));

    // No result: three empty rows and only the fixed columns show.
    f.AdmissionNumber = QStringLiteral("NONE");
    f.Load_Results(&grid);
    EXPECT_EQ(grid.Rows(), 3);
    EXPECT_EQ(grid.Cols(), 3);
    EXPECT_TRUE(grid.TextMatrix(0, 0).isEmpty());
}

TEST_F(LabResults, ListIsColouredBySectionAndTheToggleFollowsTheTable)
{
    show(stay(0));
    EXPECT_TRUE(page->LoadLabResults());
    EXPECT_EQ(page->mshflexLab->Rows(), 12);
    for (int r = 1; r < page->mshflexLab->Rows(); ++r) {
        const QColor want = ResultGrids::LabSectionColour(page->mshflexLab->TextMatrix(r, 5));
        ASSERT_TRUE(want.isValid()) << page->mshflexLab->TextMatrix(r, 5).toStdString();
        for (int c = 1; c <= 6; ++c) EXPECT_EQ(page->mshflexLab->item(r, c)->background().color(), want);
    }
    EXPECT_TRUE(page->cmdTabular->isEnabled());
    EXPECT_FALSE(page->cmdLabView[0]->isEnabled());
    clickRow(page->mshflexLab, 5);
    EXPECT_EQ(page->SelectedLabReference, page->mshflexLab->TextMatrix(5, 6).trimmed());
    EXPECT_TRUE(page->cmdLabView[0]->isEnabled());

    page->cmdTabular->click();
    EXPECT_FALSE(page->mshflexLabTabular->isHidden());
    EXPECT_TRUE(page->mshflexLab->isHidden());
    EXPECT_EQ(page->cmdTabular->text(), "View Complete List");
    EXPECT_FALSE(page->cmdLabView[1]->isEnabled());
    page->cmdTabular->click();
    EXPECT_TRUE(page->mshflexLabTabular->isHidden());
    EXPECT_EQ(page->cmdTabular->text(), "View Tabular Format");
    EXPECT_TRUE(page->cmdLabView[1]->isEnabled());

    show(QStringLiteral("NONE"));
    page->cmdExitResultL[1]->click();
    EXPECT_FALSE(page->mshflexLab->isEnabled());
    EXPECT_FALSE(page->cmdTabular->isEnabled());
    EXPECT_FALSE(page->cmdLabView[0]->isEnabled());
}

TEST_F(LabResults, ViewerButtonsHandTheSlipAndTheRequestToTheViewer)
{
    show(stay(0));
    page->LoadLabResults();
    clickRow(page->mshflexLab, 5); // a troponin of the second slip
    const QString slip = page->mshflexLab->TextMatrix(5, 6), request = page->mshflexLab->TextMatrix(5, 1);
    int shownRows = -1;
    UiScript::queueDialog("frmLabResultViewer", [&](QDialog* d) { shownRows = d->findChild<QTableWidget*>("grdResults")->rowCount(); });
    page->cmdLabView[0]->click();
    EXPECT_EQ(shownRows, 1);
    UiScript::queueDialog("frmLabResultViewer", [&](QDialog* d) { shownRows = d->findChild<QTableWidget*>("grdResults")->rowCount(); });
    page->cmdLabView[1]->click();
    EXPECT_EQ(shownRows, count("SELECT COUNT(*) FROM LABORATORY..tbLabResult WHERE Reference = ?", {slip}));
    EXPECT_GT(shownRows, 1);
    {
        TableOutOfReach gone(conn(), QStringLiteral("LABORATORY..tbLabResult"));
        page->cmdLabView[0]->click();
    }
    EXPECT_EQ(UiScript::shown().last().title, "Warning");
    Q_UNUSED(request);
}

TEST_F(LabResults, TabularRowAsksForTheGraphAndPrintsItWithItsPicture)
{
    show(stay(0));
    page->LoadLabResults();
    FlexGrid* t = page->mshflexLabTabular;
    int creatinine = -1;
    for (int r = 1; r < t->Rows(); ++r)
        if (t->TextMatrix(r, 0) == " CREATININE") creatinine = r;
    ASSERT_GT(creatinine, 0);
    clickRow(t, 1, 0); // a section row asks nothing
    EXPECT_TRUE(UiScript::shown().isEmpty());
    UiScript::queueAnswer(vbNo);
    clickRow(t, creatinine, 0);
    EXPECT_EQ(UiScript::lastText(), "View Graph?");
    EXPECT_EQ(UiScript::shown().last().title, "Message");
    EXPECT_TRUE(ReportLog::calls().isEmpty());
    UiScript::queueAnswer(vbYes);
    clickRow(t, creatinine, 0);
    ASSERT_EQ(ReportLog::calls().size(), 1);
    const ReportCall& call = ReportLog::calls().last();
    EXPECT_EQ(call.fileName(), "LaboratoryResult_InTabularFormat_Graph.rpt");
    EXPECT_EQ(call.params, (QVariantList{stay(0), "CREA"}));
    EXPECT_FALSE(call.picture.isEmpty());
    EXPECT_TRUE(call.text.contains("CREATININE"));
    EXPECT_FALSE(ReportValues.ReportPicturePending);
}

TEST(LabGraph, NormalRangesAndSkippedValues)
{
    double lo = 0, hi = 0;
    EXPECT_TRUE(LabGraph::NormalRange(QStringLiteral("3.5 - 5.1 mmol/L"), &lo, &hi));
    EXPECT_DOUBLE_EQ(lo, 3.5);
    EXPECT_DOUBLE_EQ(hi, 5.1);
    EXPECT_TRUE(LabGraph::NormalRange(QStringLiteral("150-400"), &lo, &hi));
    EXPECT_FALSE(LabGraph::NormalRange(QStringLiteral("NO GROWTH"), &lo, &hi));
    LabGraph::Series s;
    s.exam = QStringLiteral("CREATININE");
    EXPECT_FALSE(LabGraph::Draw(s).isNull()); // nothing numeric still draws the frame
}

// The chart: the results over their dates, the normal band where the normal values give a range,
// both named in the legend, a date axis spanning the results.
TEST(LabGraph, ChartsTheResultsOverTheNormalBand)
{
    LabGraph::Series s;
    s.exam = QStringLiteral("CREATININE");
    s.unit = QStringLiteral("mg/dL");
    const QDateTime day1(QDate(2026, 11, 20), QTime(8, 0)), day3(QDate(2026, 11, 22), QTime(8, 0));
    s.points = {{day1, 1.1}, {day1.addDays(1), 1.6}, {day3, 0.9}};
    struct Case { const char* normal; bool band; };
    for (const Case& c : {Case{"0.6 - 1.3", true}, Case{"NONE", false}}) {
        SCOPED_TRACE(c.normal);
        s.normalValues = QString::fromLatin1(c.normal);
        const std::unique_ptr<QChart> chart = LabGraph::Chart(s);
        EXPECT_EQ(chart->title(), "CREATININE (mg/dL)");
        const QList<QAbstractSeries*> series = chart->series();
        ASSERT_EQ(series.size(), c.band ? 2 : 1);
        const auto* line = qobject_cast<QLineSeries*>(series.last());
        ASSERT_NE(line, nullptr);
        ASSERT_EQ(line->count(), 3);
        EXPECT_DOUBLE_EQ(line->at(1).y(), 1.6);
        EXPECT_EQ(line->at(0).x(), double(day1.toMSecsSinceEpoch()));
        if (c.band) {
            const auto* band = qobject_cast<QAreaSeries*>(series.first());
            ASSERT_NE(band, nullptr);
            EXPECT_DOUBLE_EQ(band->upperSeries()->at(0).y(), 1.3);
            EXPECT_DOUBLE_EQ(band->lowerSeries()->at(0).y(), 0.6);
            EXPECT_EQ(band->name(), "Normal 0.6 - 1.3");
        }
        EXPECT_TRUE(chart->legend()->isVisible());
        const auto* dates = qobject_cast<QDateTimeAxis*>(chart->axes(Qt::Horizontal).value(0));
        ASSERT_NE(dates, nullptr);
        EXPECT_LT(dates->min(), day1);
        EXPECT_GT(dates->max(), day3);
        EXPECT_GT(dates->min(), day1.addDays(-1));
        EXPECT_LT(dates->max(), day3.addDays(1));
        const auto* values = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
        ASSERT_NE(values, nullptr);
        EXPECT_LE(values->min(), c.band ? 0.6 : 0.9);
        EXPECT_GE(values->max(), 1.6);
    }
    // drawn: the result line's red and the band's green are in the picture
    s.normalValues = QStringLiteral("0.6 - 1.3");
    const QImage img = LabGraph::Draw(s);
    bool red = false, green = false;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            red = red || img.pixelColor(x, y) == QColor(200, 40, 40);
            green = green || img.pixelColor(x, y) == QColor(220, 240, 220);
        }
    EXPECT_TRUE(red);
    EXPECT_TRUE(green);
}
