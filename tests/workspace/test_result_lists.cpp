#include "results/ResultsFixture.h"

#include "platform/db/Recordset.h"
#include "results/ResultGrids.h"
#include "support/TableOutOfReach.h"

#include <QLabel>
#include <QTabWidget>
#include <QTextEdit>

namespace {
const QVariant kNull;

Recordset recordsFor(const ResultGridLayout& layout, int rows, bool nullsInSecond)
{
    QStringList names;
    for (const QString& f : layout.fields) names << (f.isEmpty() ? QStringLiteral("unused") : f);
    names << QStringLiteral("Dr. MiddleName"); // a layout that leaves column 7 empty still gets the field
    Recordset rs(names, {});
    for (int r = 0; r < rows; ++r) {
        QVector<QVariant> row;
        for (int c = 0; c < names.size(); ++c) {
            if (r == 1 && nullsInSecond && c > 0) row << kNull;
            else if (r == 0 && c == 0) row << QString(); // an empty number in the first record
            else row << QStringLiteral("r%1c%2").arg(r).arg(c);
        }
        rs.addRow(row);
    }
    return rs;
}
}

TEST(ResultGrids, EveryLayoutFillsEmptyFirstAppendedAndNullRows)
{
    struct Case { const char* name; ResultGridLayout layout; int cols; QList<int> emptyCols; };
    const Case cases[] = {{"A x-ray", ResultGrids::LayoutA(QStringLiteral("TRANS. NO"), false), 9, {7}},
                          {"A nuclear", ResultGrids::LayoutA(QStringLiteral("TRANS. NO."), true), 9, {}},
                          {"B heart", ResultGrids::LayoutB(), 9, {}},
                          {"C therapy", ResultGrids::LayoutC(), 8, {}},
                          {"D neurology", ResultGrids::LayoutD(), 8, {}},
                          {"laboratory", ResultGrids::LabList(), 7, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FlexGrid grid;
        ResultGrids::Reset(grid, c.layout);
        EXPECT_EQ(grid.Cols(), c.cols);
        EXPECT_EQ(grid.Rows(), 2);
        EXPECT_EQ(grid.TextMatrix(0, 1).trimmed(), c.layout.format.split('|')[1].mid(1).trimmed());
        EXPECT_EQ(ResultGrids::Fill(grid, c.layout, recordsFor(c.layout, 0, false)), 0);
        EXPECT_EQ(grid.Rows(), 2);
        EXPECT_TRUE(grid.TextMatrix(1, 1).isEmpty());

        ResultGrids::Reset(grid, c.layout);
        ResultGrids::Fill(grid, c.layout, recordsFor(c.layout, 3, true));
        ASSERT_EQ(grid.Rows(), 4); // the record with an empty number keeps row 1
        EXPECT_EQ(grid.TextMatrix(1, 1), "");
        EXPECT_EQ(grid.TextMatrix(1, 2), "r0c1");
        for (int col = 2; col < c.layout.cols - 0 && col - 1 < c.layout.fields.size(); ++col)
            EXPECT_EQ(grid.TextMatrix(2, col), "") << "null cell, column " << col; // nulls give empty cells, the load goes on
        EXPECT_EQ(grid.TextMatrix(3, 1), "r2c0");
        for (int col : c.emptyCols) EXPECT_EQ(grid.TextMatrix(3, col), "") << col;
        // A reload starts afresh.
        ResultGrids::Reset(grid, c.layout);
        EXPECT_EQ(grid.Rows(), 2);
        EXPECT_TRUE(grid.TextMatrix(1, 2).isEmpty());
    }
}

TEST(ResultGrids, CellTextOfDates)
{
    EXPECT_EQ(ResultGrids::CellText(QDateTime(QDate(2026, 3, 4), QTime(14, 5, 6))), "03/04/2026 02:05:06 PM");
    EXPECT_EQ(ResultGrids::CellText(QDateTime(QDate(2026, 3, 4), QTime(0, 0))), "03/04/2026");
    EXPECT_EQ(ResultGrids::CellText(QVariant()), "");
}

TEST(ResultGrids, LabSectionColours)
{
    struct Case { const char* section; QColor colour; };
    const Case cases[] = {{"BLOOD CHEMISTRY", QColor(255, 192, 192)}, {"HEMATOLOGY", QColor(255, 128, 128)},
                          {" SEROLOGY ", QColor(255, 128, 0)},       {"HISTOPATHOLOGY", QColor(255, 255, 128)},
                          {"MICBIOLOGY", QColor(128, 255, 128)},     {"BLOOD BANK", QColor(128, 255, 255)},
                          {"VIROLOGY", QColor(128, 128, 255)},       {"CLINICAL MICROSCOPY", QColor(255, 128, 255)},
                          {"MICROBIOLOGY", QColor()},                {"serology", QColor()}, {"", QColor()}};
    for (const Case& c : cases) EXPECT_EQ(ResultGrids::LabSectionColour(QString::fromLatin1(c.section)), c.colour) << c.section;
}

class ResultLists : public ResultsTest {};

TEST_F(ResultLists, LoadersFillTheirListsAndEmptyListsAreDisabledWhereTheyShouldBe)
{
    show(stay(0));
    struct Case { const char* name; bool (ResultsPage::*load)(); FlexGrid* ResultsPage::*grid; int rows; bool disabledWhenEmpty; };
    const Case cases[] = {{"x-ray", &ResultsPage::LoadXrayResults, &ResultsPage::mshflexXray, 2, false},
                          {"ultrasound", &ResultsPage::LoadUltrasoundResults, &ResultsPage::mshflexUltra, 2, false},
                          {"CT", &ResultsPage::LoadCTResults, &ResultsPage::mshflexCT, 1, false},
                          {"heart", &ResultsPage::Get_HeartResults, &ResultsPage::mshflexHeart, 6, true},
                          {"therapy", &ResultsPage::Get_PTResults, &ResultsPage::mshflexPT, 1, true},
                          {"nuclear", &ResultsPage::Get_NuclearResults, &ResultsPage::mshflexNuclear, 1, true},
                          {"pulmonary", &ResultsPage::LoadPulmonaryResults, &ResultsPage::mshflexPulmo, 1, true},
                          {"neurology", &ResultsPage::LoadNeurologyResults, &ResultsPage::mshflexNeuro, 2, true},
                          {"MRI", &ResultsPage::LoadMRIResults, &ResultsPage::MSHFlexMRI, 1, true},
                          {"centre for women", &ResultsPage::LoadWomenCentreResults, &ResultsPage::mshWCResults, 1, true},
                          {"laboratory", &ResultsPage::LoadLabResults, &ResultsPage::mshflexLab, 11, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FlexGrid* grid = (*page).*(c.grid);
        EXPECT_TRUE(((*page).*(c.load))());
        EXPECT_EQ(grid->Rows(), c.rows + 1);
        EXPECT_TRUE(grid->isEnabled());
    }
    EXPECT_EQ(page->mshflexXray->TextMatrix(1, 2), "CHEST PA");
    EXPECT_EQ(page->mshflexXray->TextMatrix(1, 5), "VILLANUEVA"); // the reading radiologist
    EXPECT_EQ(page->mshflexXray->TextMatrix(1, 7), "");       // the x-ray list leaves the middle name out
    EXPECT_FALSE(page->mshflexUltra->TextMatrix(1, 7).isEmpty());
    EXPECT_EQ(page->mshflexXray->TextMatrix(2, 5), "");       // a result without radiologist keeps its row
    EXPECT_EQ(page->mshflexHeart->TextMatrix(1, 5), "A");

    show(QStringLiteral("NO-SUCH-STAY"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FlexGrid* grid = (*page).*(c.grid);
        EXPECT_TRUE(((*page).*(c.load))());
        EXPECT_EQ(grid->Rows(), 2);
        EXPECT_TRUE(grid->TextMatrix(1, 1).isEmpty());
        EXPECT_EQ(grid->isEnabled(), !c.disabledWhenEmpty);
    }
    EXPECT_FALSE(page->cmdNeuro[1]->isEnabled());
}

TEST_F(ResultLists, AFailedLoadIsReportedAndKeepsTheGridDrawable)
{
    show(stay(0));
    {
        TableOutOfReach gone(conn(), QStringLiteral("RADIOLOGY..tbMRIResult"));
        EXPECT_FALSE(page->LoadMRIResults());
    }
    ASSERT_FALSE(UiScript::shown().isEmpty());
    EXPECT_EQ(UiScript::shown().last().title, "Warning");
    EXPECT_TRUE(UiScript::shown().last().text.endsWith(" Please notify IT department."));
    EXPECT_EQ(page->MSHFlexMRI->Rows(), 2);
    EXPECT_EQ(page->MSHFlexMRI->Cols(), 9);
    {
        TableOutOfReach gone(conn(), QStringLiteral("STATION..tbHSResult"));
        EXPECT_FALSE(page->Get_HeartResults());
    }
    EXPECT_EQ(UiScript::shown().last().title, "Notification");
    EXPECT_TRUE(page->LoadMRIResults());
}

TEST_F(ResultLists, SubTabsLoadOnlyStaleSectionsAndAFailureStaysStale)
{
    show(stay(0));
    WorkspacePages.markAllStale();
    page->tabSSTab2->setCurrentIndex(9); // MRI
    EXPECT_EQ(page->MSHFlexMRI->Rows(), 2);
    EXPECT_EQ(page->MSHFlexMRI->TextMatrix(1, 2), "MRI OF THE BRAIN (PLAIN)");
    EXPECT_FALSE(WorkspacePages.MRIResultsStale);
    EXPECT_TRUE(WorkspacePages.HeartResultsStale); // not visited
    EXPECT_TRUE(WorkspacePages.XrayResultsStale);  // the x-ray list belongs to the main tab

    // A section whose load fails stays marked, so the next visit loads it.
    {
        TableOutOfReach gone(conn(), QStringLiteral("STATION..tbHSResult"));
        page->tabSSTab2->setCurrentIndex(4);
        EXPECT_TRUE(WorkspacePages.HeartResultsStale);
    }
    page->tabSSTab2->setCurrentIndex(0);
    page->tabSSTab2->setCurrentIndex(4);
    EXPECT_FALSE(WorkspacePages.HeartResultsStale);
    EXPECT_EQ(page->mshflexHeart->Rows(), 7);

    // Not stale: nothing is read.
    conn().execute("DELETE FROM STATION..tbHSResult");
    page->tabSSTab2->setCurrentIndex(0);
    page->tabSSTab2->setCurrentIndex(4);
    EXPECT_EQ(page->mshflexHeart->Rows(), 7);
}

#include "workspace/WorkspaceFixture.h"

class ResultsInWorkspace : public WorkspaceTest {
protected:
    static void clickRow(FlexGrid* grid, int row)
    {
        grid->setCurrentCell(row, 1);
        Q_EMIT grid->cellClicked(row, 1);
    }
};

TEST_F(ResultsInWorkspace, APatientChangeEmptiesEveryListAndReloadsOnTheNextVisit)
{
    const QString first = ResultsStay(conn(), 0), second = ResultsStay(conn(), 1);
    frmFinal* w = open(first);
    ResultsPage* r = w->Results;
    w->tabSSTab1->setCurrentIndex(2); // the results tab loads the x-ray list
    ASSERT_EQ(r->mshflexXray->Rows(), 3);
    const QString firstXray = r->mshflexXray->TextMatrix(1, 1);
    r->tabSSTab2->setCurrentIndex(9);
    ASSERT_EQ(r->MSHFlexMRI->Rows(), 2);
    const QString firstMri = r->MSHFlexMRI->TextMatrix(1, 1);
    r->cmdResultWC[3]->click();
    ASSERT_FALSE(r->mshWCResults->TextMatrix(1, 1).isEmpty());
    clickRow(r->MSHFlexMRI, 1);
    ASSERT_TRUE(r->cmdMRIResult[2]->isEnabled());
    w->tabSSTab1->setCurrentIndex(0);

    // The hand-off of another patient into the open workspace.
    w->txtPno->setText(hospNumOf(second));
    w->txtID->setText(second);
    w->Timer1_Timer();
    EXPECT_TRUE(WorkspacePages.allStale());
    for (FlexGrid* g : {r->mshflexXray, r->MSHFlexMRI, r->mshWCResults, r->mshflexLab, r->mshflexHeart}) {
        EXPECT_EQ(g->Rows(), 2) << g->objectName().toStdString();
        EXPECT_TRUE(g->TextMatrix(1, 1).isEmpty()) << g->objectName().toStdString();
    }
    EXPECT_FALSE(r->cmdMRIResult[2]->isEnabled());
    EXPECT_TRUE(r->txtMRIInterp->toPlainText().isEmpty());

    w->tabSSTab1->setCurrentIndex(2);
    EXPECT_EQ(r->mshflexXray->Rows(), 3);
    EXPECT_NE(r->mshflexXray->TextMatrix(1, 1), firstXray);
    r->tabSSTab2->setCurrentIndex(0);
    r->tabSSTab2->setCurrentIndex(9); // MRI is reloaded too
    EXPECT_NE(r->MSHFlexMRI->TextMatrix(1, 1), firstMri);
    EXPECT_FALSE(r->MSHFlexMRI->TextMatrix(1, 1).isEmpty());
    EXPECT_FALSE(WorkspacePages.MRIResultsStale);
}

TEST_F(ResultsInWorkspace, AFailedXrayLoadLeavesTheTabToLoadAgain)
{
    frmFinal* w = open(ResultsStay(conn(), 0));
    {
        TableOutOfReach gone(conn(), QStringLiteral("RADIOLOGY..tbXRResult"));
        w->tabSSTab1->setCurrentIndex(2);
    }
    EXPECT_TRUE(WorkspacePages.XrayResultsStale);
    EXPECT_EQ(UiScript::shown().last().title, "Notification");
    w->tabSSTab1->setCurrentIndex(0);
    w->tabSSTab1->setCurrentIndex(2);
    EXPECT_FALSE(WorkspacePages.XrayResultsStale);
    EXPECT_EQ(w->Results->mshflexXray->Rows(), 3);
}
