// The interpretation template builder: what a save needs, one template per exam, deletes that
// say when there was nothing, and the log lines.
#include "support/ProcedureReportFixture.h"

#include "procedure_report/TemplateData.h"
#include "procedure_report/frmInterpretBuild.h"

#include "platform/report/ReportLog.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "support/ScriptedValidation.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

namespace {

class TemplateBuilder : public ProcedureReportTest {
protected:
    frmInterpretBuild* open()
    {
        auto* w = frmInterpretBuild::instance();
        w->show();
        return w;
    }
    int templates(const QString& exam)
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..TBCLINTERPRETATION WHERE ExamID = ?"), {exam});
    }
};

TEST_F(TemplateBuilder, ASaveSaysWhatIsMissingAndWritesNothing)
{
    auto* w = open();
    EXPECT_EQ(w->tabBuild->currentIndex(), 0);
    struct Case { const char* code; const char* exam; const char* description; const char* text; const char* message; const char* title; };
    const Case cases[] = {
        {"", "CL103", "PACEMAKER", "Lead position:", "Nothing to save: click New or Edit first.", "Notification"},
        {"NEW", "  ", "PACEMAKER", "Lead position:", "Please select an exam first.", ""},
        {"NEW", "CL103", " ", "Lead position:", "Please provide description for the template.", "Notification"},
        {"NEW", "CL103", "PACEMAKER", "   ", "Please enter interpretation text.", "Notification"},
    };
    for (const Case& c : cases) {
        UiScript::reset();
        w->txtCode->setText(QString::fromLatin1(c.code));
        w->txtExamID->setText(QString::fromLatin1(c.exam));
        w->txtDescription->setText(QString::fromLatin1(c.description));
        w->txtInterpretation->setPlainText(QString::fromLatin1(c.text));
        w->cmdSave->setEnabled(true);
        w->cmdSave->click();
        ASSERT_EQ(UiScript::shown().size(), 1) << c.message;
        EXPECT_EQ(UiScript::lastText().toStdString(), c.message);
        // no title of its own: the program's name
        EXPECT_EQ(UiScript::shown()[0].title, *c.title ? QString::fromLatin1(c.title) : QCoreApplication::applicationName());
        EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
        EXPECT_EQ(templates(QStringLiteral("CL103")), 0);
    }
}

TEST_F(TemplateBuilder, EachExamKeepsOneTemplateHoweverItIsSaved)
{
    auto* w = open();
    for (const char* text : {"First version", "Second version with O'Brien's note"}) {
        w->cmdNew->click();
        EXPECT_EQ(w->tabBuild->currentIndex(), 1);
        EXPECT_EQ(w->txtCode->text(), QStringLiteral("NEW"));
        w->txtExamID->setText(QStringLiteral("CL103"));
        w->txtDescription->setText(QStringLiteral("PACEMAKER'S CHECK"));
        w->txtInterpretation->setPlainText(QString::fromLatin1(text));
        queueValidationAs(QStringLiteral("CL002"), QStringLiteral("CATH2"));
        w->cmdSave->click();
        EXPECT_EQ(UiScript::lastText(), QStringLiteral("Interpretation successfully saved."));
        EXPECT_EQ(w->tabBuild->currentIndex(), 0);
        EXPECT_TRUE(w->txtCode->text().isEmpty());
    }
    EXPECT_EQ(templates(QStringLiteral("CL103")), 1);
    const Recordset t = TemplateData::LoadTemplate(conn(), QStringLiteral("CL103"));
    EXPECT_EQ(t.text(QStringLiteral("Description")), QStringLiteral("PACEMAKER'S CHECK"));
    EXPECT_TRUE(t.text(QStringLiteral("Interpretation")).startsWith(QStringLiteral("{\\rtf1")));
    EXPECT_TRUE(t.text(QStringLiteral("Interpretation")).contains(QStringLiteral("O'Brien's note")));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE UserID = 'CL002' AND StationID = 'CL' "
                                   "AND Remarks LIKE 'ADD INTERPRETATION TEMPLATE: NEW:PACEMAKER''S CHECK:{\\rtf1%' ESCAPE '!'")),
              2);

    // Listed, then edited from the list: the exam cannot change while editing.
    const int row = [&] {
        for (int r = 1; r < w->grdTable->Rows(); ++r)
            if (w->grdTable->TextMatrix(r, 1) == QLatin1String("CL103")) return r;
        return -1;
    }();
    ASSERT_NE(row, -1);
    w->grdTable->setCurrentCell(row, 1);
    w->cmdEdit->click();
    EXPECT_EQ(w->tabBuild->currentIndex(), 1);
    EXPECT_TRUE(w->txtExamID->isReadOnly());
    EXPECT_FALSE(w->cmdExam->isEnabled());
    EXPECT_EQ(w->txtInterpretation->toPlainText(), QStringLiteral("Second version with O'Brien's note"));
    EXPECT_EQ(w->txtExamName->text(), QStringLiteral("DUAL CHAMBER PACEMAKER INSERTION"));
}

TEST_F(TemplateBuilder, DeletingNothingIsNotReportedAsDone)
{
    auto* w = open();
    w->cmdNew->click();
    w->txtExamID->setText(QStringLiteral("CL105"));
    UiScript::queueAnswer(vbYes);
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    w->cmdDelete->click();
    EXPECT_EQ(UiScript::shown().first().text, QStringLiteral("Delete intepretation template of exam ?"));
    EXPECT_EQ(UiScript::shown().first().title, QStringLiteral("Confirmation"));
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("There is no interpretation template of this exam to delete."));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Remarks LIKE 'DELETE CATHLAB TEMPLATE%'")), 0);
    EXPECT_EQ(w->txtExamID->text(), QStringLiteral("CL105"));   // the entry stays
}

TEST_F(TemplateBuilder, DeleteRemovesTheExamsTemplateAndLogsIt)
{
    auto* w = open();
    w->grdTable->setCurrentCell(1, 1);
    const QString exam = w->grdTable->TextMatrix(1, 1);
    ASSERT_FALSE(exam.isEmpty());
    w->cmdEdit->click();
    UiScript::queueAnswer(vbYes);
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    w->cmdDelete->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Interpretation template successfully deleted."));
    EXPECT_EQ(templates(exam), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Remarks LIKE ? ESCAPE '!' AND UserID = 'CL001'"),
                    {QStringLiteral("DELETE CATHLAB TEMPLATE: ") + exam + QStringLiteral(":{\\rtf1%")}),
              1);
}

TEST_F(TemplateBuilder, ALongTemplateLogsARemarkCutToItsColumn)
{
    const QString remark = TemplateData::LogRemark(QString(3000, QLatin1Char('x')));
    EXPECT_EQ(remark.size(), 1000);
    EXPECT_EQ(TemplateData::LogRemark(QStringLiteral("short")), QStringLiteral("short"));

    auto* w = open();
    w->cmdNew->click();
    w->txtExamID->setText(QStringLiteral("CL106"));
    w->txtDescription->setText(QStringLiteral("IABP"));
    w->txtInterpretation->setPlainText(QString(2000, QLatin1Char('y')));
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    w->cmdSave->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Interpretation successfully saved."));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Remarks LIKE 'ADD INTERPRETATION TEMPLATE: NEW:IABP:%'")),
              1);
}

TEST_F(TemplateBuilder, ThePrintTakesTheTemplateOfTheExam)
{
    auto* w = open();
    w->cmdNew->click();
    w->txtExamID->setText(QStringLiteral(" CL101 "));
    w->cmdPrint->click();
    ASSERT_FALSE(ReportLog::calls().isEmpty());
    const ReportCall& call = ReportLog::calls().last();
    EXPECT_EQ(call.fileName(), QStringLiteral("CodedInterpretation.rpt"));
    EXPECT_EQ(call.params, QVariantList{QStringLiteral("CL101")});
    EXPECT_EQ(call.caption, QStringLiteral("Sample Interpretation Print-out"));
    EXPECT_EQ(call.shown, ReportShown::MedicationSheet);
    EXPECT_TRUE(call.text.contains(QStringLiteral("CORONARY ANGIOGRAPHY"))) << call.error.toStdString();
}

TEST_F(TemplateBuilder, TheSearchBoxTakesCapitalsAndFiltersTheList)
{
    auto* w = open();
    const int all = w->grdTable->Rows();
    QTest::keyClicks(w->txtSearch, QStringLiteral("ptca"));
    EXPECT_EQ(w->txtSearch->text(), QStringLiteral("PTCA"));
    EXPECT_LT(w->grdTable->Rows(), all);
    EXPECT_EQ(w->grdTable->TextMatrix(1, 1), QStringLiteral("CL102"));
}

} // namespace
