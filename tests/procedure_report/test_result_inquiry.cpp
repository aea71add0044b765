// The result inquiry: patients found by one criterion and a date choice, their exams coloured by
// result state, and Select opening the exam's result form by its format code.
#include "support/ProcedureReportFixture.h"

#include "procedure_report/frmAngiogram.h"
#include "procedure_report/frmPatientIndex.h"
#include "procedure_report/frmResultInquiry.h"

#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class ResultInquiry : public ProcedureReportTest {
protected:
    frmPatientIndex* openIndex()
    {
        auto* w = frmPatientIndex::instance();
        w->setStatus(QStringLiteral("X"));
        w->setMode(QStringLiteral("RESULT"));
        w->show();
        return w;
    }
    QString hospNumOf(const QString& idNum)
    {
        return text(QStringLiteral("SELECT HospNum FROM PATIENT_DATA..tbPatient WHERE IDNum = ?"), {idNum});
    }
    static int rowOf(FlexGrid* g, int col, const QString& value)
    {
        for (int r = 1; r < g->Rows(); ++r)
            if (g->TextMatrix(r, col) == value) return r;
        return -1;
    }
    static QColor colourOf(FlexGrid* g, int row, int col) { return g->item(row, col)->background().color(); }
};

TEST_F(ResultInquiry, OpensOnAllDatesWithAnEmptyListAndFindsByOneCriterion)
{
    auto* w = openIndex();
    EXPECT_TRUE(w->optAllDates->isChecked());
    EXPECT_FALSE(w->dtpPicker->isEnabled());
    EXPECT_EQ(w->MSHFlexList->Rows(), 2);
    EXPECT_EQ(w->MSHFlexList->TextMatrix(0, 2), QStringLiteral("Admission #"));

    QTest::keyClicks(w->txtSearch[0], QStringLiteral("NOBODY"));
    QTest::keyClick(w->txtSearch[0], Qt::Key_Return);
    EXPECT_EQ(w->MSHFlexList->Rows(), 2);
    EXPECT_EQ(w->MSHFlexList->TextMatrix(0, 2), QStringLiteral("ADM. Num."));
    EXPECT_EQ(w->MSHFlexList->TextMatrix(1, 1), QString());

    // A key in the hospital-number box empties the other two: one criterion at a time.
    w->txtSearch[2]->setText(QStringLiteral("2026000006"));
    const QString hosp = hospNumOf(QStringLiteral("2026000011"));
    QTest::keyClicks(w->txtSearch[1], hosp);
    EXPECT_TRUE(w->txtSearch[0]->text().isEmpty());
    EXPECT_TRUE(w->txtSearch[2]->text().isEmpty());
    QTest::keyClick(w->txtSearch[1], Qt::Key_Return);
    ASSERT_GE(w->MSHFlexList->Rows(), 2);
    EXPECT_NE(rowOf(w->MSHFlexList, 2, QStringLiteral("2026000011")), -1);
    for (int r = 1; r < w->MSHFlexList->Rows(); ++r) EXPECT_EQ(w->MSHFlexList->TextMatrix(r, 1), hosp);
    // The found rows stand under the list's own headings; the further fields are kept out of sight.
    const QStringList headings{QStringLiteral("Hospital #"), QStringLiteral("ADM. Num."), QStringLiteral(" Patient Name                    "),
                               QStringLiteral("Admission Date     ")};
    for (int c = 1; c <= 4; ++c) {
        EXPECT_EQ(w->MSHFlexList->TextMatrix(0, c), headings[c - 1]) << c;
        EXPECT_GT(w->MSHFlexList->columnWidth(c), 0) << c;
    }
    for (int c = 5; c < w->MSHFlexList->Cols(); ++c) EXPECT_EQ(w->MSHFlexList->columnWidth(c), 0) << c;

    // An apostrophe is a letter like any other.
    w->txtSearch[0]->setFocus();
    QTest::keyClicks(w->txtSearch[0], QStringLiteral("O'N"));
    QTest::keyClick(w->txtSearch[0], Qt::Key_Return);
    EXPECT_FALSE(UiScript::lastText().contains(QStringLiteral("IT department")));
}

TEST_F(ResultInquiry, TodayAndYesterdayAreTheServersDatesReadAtTheSearch)
{
    auto* w = openIndex();
    Session.ServerDate = QDateTime(QDate(2020, 1, 15), QTime(23, 59)); // read long ago
    const QDate today = conn().serverDateTime().date();
    w->optToday->click();
    EXPECT_EQ(w->SearchDateText(), today.toString(QStringLiteral("MM/dd/yyyy")));
    w->optYesterday->click();
    EXPECT_EQ(w->SearchDateText(), today.addDays(-1).toString(QStringLiteral("MM/dd/yyyy")));
    w->optByDate->click();
    EXPECT_TRUE(w->dtpPicker->isEnabled());
    w->dtpPicker->setDate(QDate(2026, 12, 4));
    EXPECT_EQ(w->SearchDateText(), QStringLiteral("12/04/2026"));
    w->optAllDates->click();
    EXPECT_FALSE(w->dtpPicker->isEnabled());
    EXPECT_EQ(w->SearchDateText(), QString());
}

TEST_F(ResultInquiry, TheExamListIsColouredByResultState)
{
    EXPECT_EQ(frmResultInquiry::StatusColor(QString(), QString()), QColor(255, 255, 255));
    EXPECT_EQ(frmResultInquiry::StatusColor(QString(), QStringLiteral("12/04/2026")), QColor(255, 192, 192));
    EXPECT_EQ(frmResultInquiry::StatusColor(QStringLiteral("12/04/2026"), QString()), QColor(192, 255, 192));
    EXPECT_EQ(frmResultInquiry::StatusColor(QStringLiteral("12/04/2026"), QStringLiteral("12/04/2026")), QColor(192, 255, 192));

    auto* w = openIndex();
    QTest::keyClicks(w->txtSearch[2], QStringLiteral("2026000011"));
    QTest::keyClick(w->txtSearch[2], Qt::Key_Return);
    const int row = rowOf(w->MSHFlexList, 2, QStringLiteral("2026000011"));
    ASSERT_NE(row, -1);
    w->MSHFlexList->setCurrentCell(row, 1);
    QList<QPair<QString, QColor>> seen;
    QString header;
    UiScript::queueDialog(QStringLiteral("frmResultInquiry"), [&](QDialog* d) {
        auto* list = static_cast<frmResultInquiry*>(d);
        header = list->txtIDNum->text() + QLatin1Char('|') + list->txtHospNum->text();
        for (int r = 1; r < list->mshFlexExams->Rows(); ++r)
            seen.append({list->mshFlexExams->TextMatrix(r, 4), colourOf(list->mshFlexExams, r, 3)});
    });
    QMetaObject::invokeMethod(w->MSHFlexList, "cellDoubleClicked", Q_ARG(int, row), Q_ARG(int, 1));
    EXPECT_EQ(header, QStringLiteral("2026000011|") + hospNumOf(QStringLiteral("2026000011")));
    const QList<QPair<QString, QColor>> expected = {{QStringLiteral("CL0000054"), QColor(255, 255, 255)},
                                                    {QStringLiteral("CL0000055"), QColor(255, 192, 192)}};
    EXPECT_EQ(seen, expected);
}

TEST_F(ResultInquiry, SelectOpensTheFormOfTheExamsFormatAndReloadsTheColours)
{
    conn().execute(QStringLiteral("UPDATE BUILD_FILE..TBCOOTHERREVENUE SET ResultFormat = NULL WHERE OtherRevenueID = 'CL104'"));
    auto* list = frmResultInquiry::instance();
    list->setIDNum(QStringLiteral("2026000011"));
    list->setHospNo(hospNumOf(QStringLiteral("2026000011")));
    list->setPName(QStringLiteral("REYES, ANA"));
    list->txtBdate->setText(QStringLiteral("03/02/1961"));
    list->show();
    const int angio = rowOf(list->mshFlexExams, 4, QStringLiteral("CL0000054"));
    const int unformatted = rowOf(list->mshFlexExams, 4, QStringLiteral("CL0000055"));
    ASSERT_NE(angio, -1);
    ASSERT_NE(unformatted, -1);

    list->mshFlexExams->setCurrentCell(unformatted, 1);
    list->cmdSelect->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Exam is not yet formatted."));
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());

    // The entry gets the header and the exam; a result verified there shows green at once.
    list->mshFlexExams->setCurrentCell(angio, 1);
    QStringList given;
    UiScript::queueDialog(QStringLiteral("frmAngiogram"), [&](QDialog* d) {
        auto* e = static_cast<frmAngiogram*>(d);
        given << e->txtRequestNum->text() << e->txtIDNum->text() << e->txtPname->text() << e->txtBdate->text()
              << e->txtProcedure->text() << e->txtDoctorID->text() << e->txtDoctor->text();
        conn().execute(QStringLiteral("UPDATE CLINICAL_AREA..tbCathLabMaster SET RequestStatus = 'W', ResultDate = ?, DateVerified = ? "
                                      "WHERE RequestNum = 'CL0000054'"),
                       {QDateTime::currentDateTime(), QDateTime::currentDateTime()});
    });
    list->cmdSelect->click();
    EXPECT_EQ(given, (QStringList{QStringLiteral("CL0000054"), QStringLiteral("2026000011"), QStringLiteral("REYES, ANA"),
                                  QStringLiteral("03/02/1961"), QStringLiteral("PTCA - MULTIVESSEL"), QStringLiteral("D002"),
                                  QStringLiteral("MAGSAYSAY, ELENA")}));
    const int again = rowOf(list->mshFlexExams, 4, QStringLiteral("CL0000054"));
    ASSERT_NE(again, -1);
    EXPECT_EQ(colourOf(list->mshFlexExams, again, 0), QColor(192, 255, 192));
}

TEST_F(ResultInquiry, ReportFormatExamsOpenTheHtmlGenerator)
{
    auto* list = frmResultInquiry::instance();
    list->setIDNum(QStringLiteral("2026000011"));
    list->show();
    const int row = rowOf(list->mshFlexExams, 4, QStringLiteral("CL0000055")); // CL104: format "4"
    ASSERT_NE(row, -1);
    list->mshFlexExams->setCurrentCell(row, 2);
    list->cmdSelect->click();
    EXPECT_EQ(UiScript::dialogsRun(), QStringList{QStringLiteral("frmCoronaryAngiographyVRNK")});
}

} // namespace
