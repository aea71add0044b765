// The package selection panel of the lists and the census charging print of one package.
#include "patients/GridDriver.h"
#include "support/PatientsFixture.h"

#include "patients/frmCathPatients.h"
#include "patients/frmSearch.h"
#include "platform/db/DbError.h"
#include "platform/report/ReportLog.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"

#include <QFrame>
#include <QPushButton>

using namespace GridDriver;

class CensusCharging : public PatientsTest {
protected:
    frmCathPatients* panelFor(const QString& idNum, const QString& hospNum)
    {
        frmCathPatients* w = frmCathPatients::instance();
        w->show();
        Selection.SelectedIDNum = idNum;
        Selection.SelectedHospNum = hospNum;
        w->ShowMultiPackageSelection();
        return w;
    }
};

TEST_F(CensusCharging, PanelListsEachPostingOfEachPackage)
{
    frmCathPatients* w = panelFor(QStringLiteral("2026900001"), QStringLiteral("900001"));
    PatientGrid* g = w->mshMultiPackage;
    EXPECT_TRUE(w->pctMultiPackage->isVisible());
    EXPECT_EQ(g->TextMatrix(0, 1), QStringLiteral("Description"));
    EXPECT_EQ(g->TextMatrix(0, 2), QStringLiteral("Ref. No"));
    EXPECT_EQ(g->ColWidth(1), 6000);
    ASSERT_EQ(g->Rows(), 4); // three postings, no blank row at the end
    QStringList rows;
    for (int r = 1; r < g->Rows(); ++r) rows << g->TextMatrix(r, 1) + QLatin1Char('/') + g->TextMatrix(r, 2);
    rows.sort();
    EXPECT_EQ(rows, (QStringList{QStringLiteral("LEFT HEART CATHETERIZATION/0000101"),
                                 QStringLiteral("LEFT HEART CATHETERIZATION/0000103"), QStringLiteral("PTCA - MULTIVESSEL/0000102")}));
    // built afresh for another admission
    Selection.SelectedIDNum = QStringLiteral("2026900002");
    w->ShowMultiPackageSelection();
    EXPECT_EQ(g->Rows(), 1);
    QTest::mouseClick(w->cmdClose, Qt::LeftButton);
    EXPECT_FALSE(w->pctMultiPackage->isVisible());
}

TEST_F(CensusCharging, SelectPrintsTheStandardReportForTheChosenRow)
{
    frmCathPatients* w = panelFor(QStringLiteral("2026900001"), QStringLiteral("900001"));
    PatientGrid* g = w->mshMultiPackage;
    const int row = rowOf(g, QStringLiteral("0000101"));
    ASSERT_GT(row, 0);
    g->setRow(row);
    QTest::mouseClick(w->cmdSelect, Qt::LeftButton);
    ASSERT_EQ(ReportLog::calls().size(), 1);
    const ReportCall& call = ReportLog::calls().last();
    EXPECT_TRUE(call.error.isEmpty()) << call.error.toStdString();
    EXPECT_EQ(call.fileName(), QStringLiteral("NHICensusCharging.rpt"));
    const QVariantList three{QStringLiteral("2026900001"), QStringLiteral("900001"), QStringLiteral("0000101")};
    EXPECT_EQ(call.params, three);
    QStringList names;
    for (const ReportSubreportCall& s : call.subreports) {
        names << s.name;
        const QVariantList expected = s.name == QLatin1String("SubReturnedItems.rpt")
                                          ? QVariantList{QStringLiteral("2026900001"), QStringLiteral("0000101")}
                                          : three;
        EXPECT_EQ(s.params, expected);
    }
    EXPECT_EQ(names, (QStringList{QStringLiteral("AddtionalSupplies.rpt"), QStringLiteral("AddtionalSupplies.rpt - 02"),
                                  QStringLiteral("AddtionalSupplies.rpt - 01"), QStringLiteral("NHICensussUBrEPORT.rpt"),
                                  QStringLiteral("AddtionalSupplies.rpt - 01 - 01"), QStringLiteral("AddtionalSupplies.rpt - 01 - 02"),
                                  QStringLiteral("AddtionalSupplies.rpt - 01 - 03"), QStringLiteral("SubReturnedItems.rpt")}));
    EXPECT_EQ(call.shown, ReportShown::Viewer);
    EXPECT_EQ(call.caption, QStringLiteral("NHI Census Charging"));
    EXPECT_FALSE(call.showGroupTree);
    // the form itself: the patient, the package, the charges of that posting only, the return
    EXPECT_TRUE(call.text.contains(QStringLiteral("ABELLERA"))) << call.text.toStdString();
    EXPECT_TRUE(call.text.contains(QStringLiteral("LEFT HEART CATHETERIZATION")));
    EXPECT_TRUE(call.text.contains(QStringLiteral("42,000.00")));
    EXPECT_TRUE(call.text.contains(QStringLiteral("RETURNED ITEMS")));
    EXPECT_FALSE(call.text.contains(QStringLiteral("165,000.00")));
    // the panel stays for another print; a double-click prints the same way
    EXPECT_TRUE(w->pctMultiPackage->isVisible());
    g->setRow(rowOf(g, QStringLiteral("0000102")));
    g->DblClick();
    ASSERT_EQ(ReportLog::calls().size(), 2);
    EXPECT_EQ(ReportLog::calls().last().params.value(2), QVariant(QStringLiteral("0000102")));
}

TEST_F(CensusCharging, CaseListReportsAFailureGeneralListPassesItOn)
{
    frmCathPatients* c = frmCathPatients::instance();
    setParameter(QStringLiteral("EnableCathLabRegistration"), QStringLiteral("0"));
    frmSearch* s = frmSearch::instance();
    conn().database().close();
    Selection.SelectedIDNum = QStringLiteral("2026900001");
    c->ShowMultiPackageSelection();
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_TRUE(UiScript::lastText().endsWith(QStringLiteral("Please notify your IT department.")));
    EXPECT_THROW(s->ShowMultiPackageSelection(), std::exception);
}

TEST_F(CensusCharging, GeneralListHandsThePrintToTheFormatDialogWhenTheStationAsks)
{
    setParameter(QStringLiteral("EnableCathLabRegistration"), QStringLiteral("0"));
    frmSearch* s = frmSearch::instance();
    s->show();
    Selection.SelectedIDNum = QStringLiteral("2026900001");
    Selection.SelectedHospNum = QStringLiteral("900001");
    s->ShowMultiPackageSelection();
    s->mshMultiPackage->setRow(1);
    s->cmdSelect->click(); // the demo station asks for the form type
    EXPECT_EQ(UiScript::dialogsRun(), QStringList{QStringLiteral("frmCensusFormat")});
    EXPECT_TRUE(ReportLog::calls().isEmpty());

    setParameter(QStringLiteral("CLShowSelectCensusFormat"), QStringLiteral("0"));
    s->cmdSelect->click();
    ASSERT_EQ(ReportLog::calls().size(), 1);
    EXPECT_EQ(ReportLog::calls().last().fileName(), QStringLiteral("NHICensusCharging.rpt"));
}
