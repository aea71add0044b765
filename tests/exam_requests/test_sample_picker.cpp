// The specimen picker: one specimen is taken at once, several wait for a double-click.
#include "support/TestDatabase.h"

#include "exam_requests/SamplePicker.h"
#include "platform/ui/FlexGrid.h"
#include "shared/modGlobals.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class SpecimenPickerTest : public DbTest {
protected:
    void TearDown() override
    {
        delete frmSpecimenEntry::existing();
        DbTest::TearDown();
    }
    frmSpecimenEntry* load(const QString& exam)
    {
        frmSpecimenEntry* w = frmSpecimenEntry::instance();
        w->ItemID = exam;
        w->LoadData();
        return w;
    }
};

TEST_F(SpecimenPickerTest, LoadDataByNumberOfSpecimens)
{
    struct Case {
        const char *exam, *picked, *shown;
        bool several, readOnly;
    } cases[] = {
        {"CBC", "BLD", "WHOLE BLOOD (EDTA)", false, true},
        {"ESR", "ESRT", "NONE", false, true},      // a code the specimen table does not know
        {"NOSUCH", "", "", false, false},          // no specimen at all
        {"CREA", "", "", true, false},             // two: the user picks
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exam);
        DialogAnswers.PickedSpecimenID = QStringLiteral("OLD");
        frmSpecimenEntry* w = load(QString::fromLatin1(c.exam));
        EXPECT_EQ(DialogAnswers.PickedSpecimenID, c.picked);
        EXPECT_EQ(w->txtSpecimen->text(), c.shown);
        EXPECT_EQ(w->Morethan1(), c.several);
        EXPECT_EQ(w->txtSpecimen->isReadOnly(), c.readOnly);
        EXPECT_EQ(w->grdSpecimen->isHidden(), !c.several);
        EXPECT_EQ(w->SpecimenID(), "");
        delete w;
    }
}

TEST_F(SpecimenPickerTest, SeveralSpecimensAreListedByNameAndPickedByDoubleClick)
{
    frmSpecimenEntry* w = load(QStringLiteral("CREA"));
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    FlexGrid* g = w->grdSpecimen;
    ASSERT_EQ(g->Rows(), 2);
    EXPECT_EQ(g->TextMatrix(0, 1), "SERUM");
    EXPECT_EQ(g->TextMatrix(1, 1), "URINE");
    EXPECT_EQ(g->columnWidth(0), 0);
    const QRect urine = g->visualRect(g->model()->index(1, 1));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, urine.center());
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, urine.center());
    EXPECT_EQ(DialogAnswers.PickedSpecimenID, "URN");
    EXPECT_EQ(w->txtSpecimen->text(), "URINE");
    EXPECT_TRUE(g->isHidden());
    // "..." with a name does nothing; an emptied box brings the list back, the pick still stands.
    w->cmdSearch->click();
    EXPECT_TRUE(g->isHidden());
    w->txtSpecimen->clear();
    EXPECT_FALSE(g->isHidden());
    EXPECT_EQ(g->currentRow(), 0);
    EXPECT_EQ(DialogAnswers.PickedSpecimenID, "URN");
    QTest::keyClicks(w->txtSpecimen, "SERUM"); // typed text is never the answer
    EXPECT_EQ(DialogAnswers.PickedSpecimenID, "URN");
    w->cmdEnter->click();
    EXPECT_FALSE(w->isVisible());
}

} // namespace
