// The remarks and specimen of a clinical line: the specimen asked only for a laboratory exam, taken
// at once when the exam has one, chosen from the list when it has several; the remarks on one line.
#include "support/TestDatabase.h"

#include "assessment/frmCdfViewing.h"
#include "assessment/frmClinicalAssessmentRemarks.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <functional>

namespace {

class ClinicalRemarksTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoLabExam (LabExamID, LabExam, Status) VALUES ('TRI3', 'THREE SPECIMENS', 'A'), "
                                      "('NOSP', 'NO SPECIMEN', 'A')"));
        conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoLabExamSpecimen (LabExamID, SpecimenID) VALUES ('TRI3', 'SER'), "
                                      "('TRI3', 'URN'), ('TRI3', 'PLS')"));
    }
    // Shows the dialog for a line; the script runs while it is open. True when "&Ok" accepted it.
    bool run(const char* dept, const char* exam, std::function<void(frmClinicalAssessmentRemarks*)> script)
    {
        frmClinicalAssessmentRemarks dlg;
        dlg.DeptID = QString::fromLatin1(dept);
        dlg.ExamID = QString::fromLatin1(exam);
        UiScript::queueDialog(QStringLiteral("frmClinicalAssessmentRemarks"),
                              [script](QDialog* d) { script(static_cast<frmClinicalAssessmentRemarks*>(d)); });
        return dlg.ShowModal();
    }
};

TEST_F(ClinicalRemarksTest, SpecimenByDepartmentAndExam)
{
    struct Case {
        const char *dept, *exam;
        bool frameOn, listShown;
        const char *shown, *specimen;
    } cases[] = {
        {"XR", "CXRPA", false, false, "", ""},
        {"LB", "CBC", true, false, "WHOLE BLOOD (EDTA)", "BLD"},
        {"LB", "NOSP", true, false, "None", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exam);
        DialogAnswers.AssessmentSpecimen = QStringLiteral("STALE");
        const bool ok = run(c.dept, c.exam, [&](frmClinicalAssessmentRemarks* d) {
            EXPECT_EQ(d->fraSpecimen->isEnabled(), c.frameOn);
            EXPECT_EQ(d->Picture1->isVisible(), c.listShown);
            EXPECT_EQ(d->lblSpecimen[1]->text(), QString::fromLatin1(c.shown));
            d->cmdOption->click();
        });
        EXPECT_TRUE(ok);
        EXPECT_EQ(DialogAnswers.AssessmentSpecimen, QString::fromLatin1(c.specimen));
        EXPECT_TRUE(UiScript::shown().isEmpty());
    }
}

TEST_F(ClinicalRemarksTest, SeveralSpecimensMustBeChosenFromTheList)
{
    const bool ok = run("LB", "TRI3", [](frmClinicalAssessmentRemarks* d) {
        ASSERT_TRUE(d->Picture1->isVisible());
        ASSERT_EQ(d->mshflexSpecimen->Rows(), 4);
        d->cmdOption->click();
        EXPECT_EQ(UiScript::lastText(), "Please Select Specimen!");
        EXPECT_EQ(UiScript::shown().last().title, "Notification");
        EXPECT_TRUE(d->isVisible());
        const QString code = d->mshflexSpecimen->TextMatrix(2, 1), name = d->mshflexSpecimen->TextMatrix(2, 2);
        d->mshflexSpecimen->setCurrentCell(2, 2);
        d->mshflexSpecimen_Click();
        EXPECT_FALSE(d->Picture1->isVisible());
        EXPECT_EQ(d->lblSpecimen[1]->text(), name);
        EXPECT_EQ(DialogAnswers.AssessmentSpecimen, code);
        d->cmdOption->click();
    });
    EXPECT_TRUE(ok);
    EXPECT_FALSE(DialogAnswers.AssessmentSpecimen.isEmpty());
}

TEST_F(ClinicalRemarksTest, RemarksComeBackOnOneLineWithoutQuotes)
{
    struct Case {
        const char *typed, *result;
    } cases[] = {{"fasting since 10 pm\npatient's own request", "fasting since 10 pm patient`s own request"},
                 {"   \n  ", ""},
                 {"  bedside  ", "bedside"}};
    for (const Case& c : cases) {
        run("XR", "CXRPA", [&](frmClinicalAssessmentRemarks* d) {
            d->txtRemarks->setPlainText(QString::fromUtf8(c.typed));
            d->cmdOption->click();
        });
        EXPECT_EQ(DialogAnswers.AssessmentRemarks, QString::fromUtf8(c.result));
    }
    // at most 100 characters, and a dialog closed by its frame gives nothing
    const bool ok = run("LB", "CBC", [](frmClinicalAssessmentRemarks* d) {
        d->txtRemarks->setPlainText(QString(120, QLatin1Char('X')));
        EXPECT_EQ(d->txtRemarks->toPlainText().size(), 100);
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(DialogAnswers.AssessmentRemarks, QString());
    EXPECT_EQ(DialogAnswers.AssessmentSpecimen, QString());
}

TEST(CdfFigures, TwoDecimalsGroupedAndNegativesInParentheses)
{
    EXPECT_EQ(frmCdfViewing::FigureText(0), "0.00");
    EXPECT_EQ(frmCdfViewing::FigureText(-7), "(7.00)");
    EXPECT_EQ(frmCdfViewing::FigureText(1234567.891), "1,234,567.89");
    EXPECT_EQ(frmCdfViewing::FigureText(0.5), "0.50");
}

} // namespace
