#include "ResultsFixture.h"

#include "results/ResultsData.h"

#include <QLabel>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>

class ResultClicks : public ResultsTest {};

TEST_F(ResultClicks, ImagingRowShowsItsParticularsAndInterpretation)
{
    show(stay(0));
    page->LoadXrayResults();
    clickRow(page->mshflexXray, 1);
    EXPECT_EQ(page->lblXrayInfo[6]->text(), page->mshflexXray->TextMatrix(1, 1));
    EXPECT_EQ(page->lblXrayInfo[9]->text(), "CHEST PA");
    EXPECT_EQ(page->lblXrayInfo[7]->text(), page->mshflexXray->TextMatrix(1, 3));
    EXPECT_EQ(page->lblXrayInfo[8]->text(), page->mshflexXray->TextMatrix(1, 4));
    EXPECT_EQ(page->lblXrayInfo[11]->text(), "VILLANUEVA , CARMELA "); // no middle name in the x-ray list
    EXPECT_TRUE(page->lblXrayInfo[10]->text().isEmpty());
    // Stored as RTF, shown in the plain box as its text.
    EXPECT_EQ(page->txtXrayInterp->toPlainText().toStdString(),
              "The lungs are clear. The heart is mildly enlarged (cardiothoracic ratio 0.56). No pleural effusion.\n\nImpression: Mild cardiomegaly.");
    EXPECT_TRUE(page->cmdResultX[2]->isEnabled());

    // A result with no interpretation: empty box, View still usable.
    clickRow(page->mshflexXray, 2);
    EXPECT_TRUE(page->txtXrayInterp->toPlainText().isEmpty());
    EXPECT_TRUE(page->cmdResultX[2]->isEnabled());
    EXPECT_EQ(page->lblXrayInfo[11]->text(), " ,  ");
}

TEST_F(ResultClicks, RichBoxesShowStoredRtfFormatted)
{
    show(stay(0));
    page->LoadMRIResults();
    clickRow(page->MSHFlexMRI, 1);
    const QTextDocument* doc = page->txtMRIInterp->document();
    EXPECT_TRUE(doc->toPlainText().contains("No acute infarct on diffusion-weighted images."));
    EXPECT_FALSE(doc->toPlainText().contains("\\rtf"));
    const QTextBlock item = doc->find("Ventricles and sulci").block();
    ASSERT_NE(item.textList(), nullptr);
    EXPECT_EQ(item.textList()->count(), 3);
    EXPECT_TRUE(page->cmdMRIResult[2]->isEnabled());

    page->LoadWomenCentreResults();
    clickRow(page->mshWCResults, 1);
    EXPECT_TRUE(page->txtWCInterpretation->toPlainText().startsWith("BREAST ULTRASOUND"));
    EXPECT_TRUE(page->txtWCInterpretation->toPlainText().contains("10 o\u2019clock"));
    EXPECT_EQ(page->lblXrayInfo[38]->text(), "BREAST ULTRASOUND (BILATERAL)");
    EXPECT_TRUE(page->cmdResultWC[1]->isEnabled());
}

TEST_F(ResultClicks, UltrasoundInterpretationShowsEvenWithoutCatalogueExam)
{
    show(stay(0));
    page->LoadUltrasoundResults();
    ASSERT_EQ(page->mshflexUltra->TextMatrix(2, 2), "KUB ULTRASOUND"); // its code is not in the catalogue
    clickRow(page->mshflexUltra, 2);
    EXPECT_EQ(page->txtUltraInterp->toPlainText(), "Both kidneys normal in size and echo pattern. No stone or hydronephrosis.");
    EXPECT_EQ(page->lblXrayInfo[12]->text(), "MAGSAYSAY , ELENA REYES");
    EXPECT_EQ(page->lblXrayInfo[14]->text(), "KUB ULTRASOUND");
}

TEST_F(ResultClicks, EmptyListsDisableViewAndTheOtherVariants)
{
    show(QStringLiteral("NO-SUCH-STAY"));
    struct Case { const char* name; bool (ResultsPage::*load)(); FlexGrid* ResultsPage::*grid; QPushButton* view; };
    const Case cases[] = {{"x-ray", &ResultsPage::LoadXrayResults, &ResultsPage::mshflexXray, page->cmdResultX[2]},
                          {"ultrasound", &ResultsPage::LoadUltrasoundResults, &ResultsPage::mshflexUltra, page->cmdResultU[2]},
                          {"CT", &ResultsPage::LoadCTResults, &ResultsPage::mshflexCT, page->cmdCtexit[2]},
                          {"MRI", &ResultsPage::LoadMRIResults, &ResultsPage::MSHFlexMRI, page->cmdMRIResult[2]},
                          {"centre for women", &ResultsPage::LoadWomenCentreResults, &ResultsPage::mshWCResults, page->cmdResultWC[1]}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.view->setEnabled(true);
        ((*page).*(c.load))();
        clickRow((*page).*(c.grid), 1);
        EXPECT_FALSE(c.view->isEnabled());
    }

    show(stay(1));
    page->Get_NuclearResults();
    clickRow(page->mshflexNuclear, 1);
    EXPECT_EQ(page->lblNuclearInfo[8]->text(), "MYOCARDIAL PERFUSION SCAN");
    EXPECT_EQ(page->lblNuclearInfo[9]->text(), "TAN , GRACE LIM");
    EXPECT_TRUE(page->txtNucInterp->toPlainText().startsWith("Reversible perfusion defect"));

    page->Get_HeartResults();
    EXPECT_FALSE(page->cmdExitResultE[2]->isEnabled());
    ASSERT_EQ(page->mshflexHeart->TextMatrix(3, 2), "CAROTID DUPLEX SCAN");
    clickRow(page->mshflexHeart, 3);
    EXPECT_EQ(page->lblHEart[9]->text(), "CAROTID DUPLEX SCAN");
    EXPECT_EQ(page->lblHEart[10]->text(), "VILLAREAL, ANTONIO CRUZ");
    EXPECT_EQ(page->lblHEart[11]->text(), "QUIMPO, RAFAEL LIM");
    EXPECT_TRUE(page->cmdExitResultE[2]->isEnabled());

    page->Get_PTResults();
    clickRow(page->mshflexPT, 1);
    EXPECT_TRUE(page->txtPT[0]->toPlainText().startsWith("Tolerated ambulation"));
    EXPECT_TRUE(page->txtPT[2]->toPlainText().startsWith("Continue phase I"));

    page->LoadNeurologyResults();
    EXPECT_FALSE(page->cmdNeuro[1]->isEnabled());
    clickRow(page->mshflexNeuro, 1);
    EXPECT_TRUE(page->cmdNeuro[1]->isEnabled());
}
