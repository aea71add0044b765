// The list grids show their values and captions whole: a column narrower than what it shows is
// drawn wider, while ColWidth keeps answering the width the window gave.
#include "support/PatientsFixture.h"

#include "patients/PatientGrid.h"
#include "patients/frmCathPatients.h"
#include "patients/frmListERAdmission.h"
#include "patients/frmSearch.h"

#include <QHeaderView>
#include <QStyle>
#include <QTest>

namespace {

class ColumnWidths : public PatientsTest {
protected:
    // Every value of the column, and its caption, fits the drawn width.
    static void expectWhole(PatientGrid* g, int col)
    {
        ASSERT_GT(g->Rows(), 1) << "an empty list shows nothing to cut";
        const QFontMetrics cells(g->font());
        const QFontMetrics header(g->horizontalHeader()->font());
        const int headerMargins = 2 * g->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, g->horizontalHeader());
        const QString caption = g->TextMatrix(0, col);
        EXPECT_GE(g->columnWidth(col), header.horizontalAdvance(caption) + headerMargins) << caption.toStdString();
        for (int r = 1; r < g->Rows(); ++r) {
            const QString value = g->TextMatrix(r, col);
            EXPECT_GT(g->columnWidth(col), cells.horizontalAdvance(value) + 1) << caption.toStdString() << ": " << value.toStdString();
        }
    }
    template <class W>
    static W* shown(W* w)
    {
        w->show();
        w->activateWindow();
        (void)QTest::qWaitForWindowActive(w);
        return w;
    }
};

TEST_F(ColumnWidths, PatientListsShowTheAdmissionNumberWhole)
{
    setParameter(QStringLiteral("EnableCathLabRegistration"), QStringLiteral("0"));
    frmSearch* general = shown(frmSearch::instance());
    general->Command1_Click();
    expectWhole(general->MSHFlexList, 2);
    EXPECT_EQ(general->MSHFlexList->ColWidth(2), 960); // the width given stays what the window asked
    expectWhole(general->MSHFlexList, 4);

    frmCathPatients* cases = shown(frmCathPatients::instance());
    cases->Command1_Click();
    for (int col : {1, 2, 4, 5, 6}) expectWhole(cases->MSHFlexList, col);
}

TEST_F(ColumnWidths, PatientsForAdmissionShowDatesAndNumbersWhole)
{
    frmListERAdmission* w = shown(frmListERAdmission::instance());
    const int cols[] = {2, 3, 4, 5, 7, 11, 12}; // hospital #, OPD no., visit date, adm. no., request date, user, status
    for (int col : cols) expectWhole(w->MSHFlexList, col);
}

TEST_F(ColumnWidths, AColumnGivenMoreThanItsValuesNeedKeepsItsWidth)
{
    frmSearch* general = shown(frmSearch::instance());
    general->Command1_Click();
    EXPECT_EQ(general->MSHFlexList->columnWidth(3), 3840 / 15); // the name column is wide enough as given
}

} // namespace
