#include "WorkspaceFixture.h"

#include "access/frmTransaction_UserValidation.h"
#include "platform/report/ReportLog.h"
#include "platform/ui/FlexGrid.h"
#include "shared/reports/frmReport.h"
#include "workspace/frmPrecautions.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <cmath>
#include <QLabel>

class WorkspaceChart : public WorkspaceTest {};

TEST_F(WorkspaceChart, ConfinementsListEveryStayAndVisitOfThePatient)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    w->tabSSTab1->setCurrentIndex(6);
    EXPECT_FALSE(WorkspacePages.ConfinementsStale);
    const int stays = count("SELECT COUNT(*) FROM PATIENT_DATA..tbPatient WHERE HospNum = ?", {hospNumOf(id)}) +
                      count("SELECT COUNT(*) FROM PATIENT_DATA..TBOUTPATIENT WHERE HospNum = ?", {hospNumOf(id)});
    EXPECT_EQ(w->mshflexClin->Rows(), 1 + stays);
    EXPECT_TRUE(on(w->mshflexClin));
    bool listed = false;
    for (int r = 1; r < w->mshflexClin->Rows(); ++r) listed |= w->mshflexClin->TextMatrix(r, 1) == id;
    EXPECT_TRUE(listed);
    EXPECT_FALSE(w->lblClinHEad[9]->text().isEmpty());
    EXPECT_FALSE(on(w->cmdClinicalOption[1]));
}

TEST_F(WorkspaceChart, PatientWithoutConfinementsGetsAnEmptyDisabledGrid)
{
    frmFinal* w = open(admission(0));
    w->txtPno->setText("999999");
    w->LoadConfinements();
    EXPECT_EQ(w->mshflexClin->Rows(), 2);
    EXPECT_FALSE(on(w->mshflexClin));
    EXPECT_FALSE(on(w->cmdClinical[0]));
    EXPECT_TRUE(w->rtbClinical->toPlainText().isEmpty());
}

TEST_F(WorkspaceChart, SummaryOfAStayWithMedicinesAndExaminations)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    w->LoadConfinements();
    int row = 1;
    while (w->mshflexClin->TextMatrix(row, 1) != id) ++row;
    w->mshflexClin->setCurrentCell(row, 1);
    w->cmdClinical_Click(0);
    const QString text = w->rtbClinical->toPlainText();
    EXPECT_TRUE(text.contains("Clinical Summary"));
    EXPECT_TRUE(text.contains("Admission Number : " + id));
    EXPECT_TRUE(text.contains("Admitting Diagnosis  :     CORONARY ARTERY DISEASE"));
    EXPECT_TRUE(text.contains("Medications :"));
    EXPECT_TRUE(text.contains("FENTANYL 50MCG/ML AMP"));
    EXPECT_TRUE(text.contains("Xray Examinations :"));
    EXPECT_TRUE(text.contains("          CHEST PA "));
    EXPECT_TRUE(text.contains("Ultrasound Examinations :"));
    EXPECT_FALSE(text.contains("CT-Scan Examinations :"));
    // The hospital name is centred on 80 columns, halves rounded to the even number.
    const QString name = Session.HospName.trimmed();
    const int indent = 40 - int(std::nearbyint(name.size() / 2.0));
    EXPECT_TRUE(text.contains("\n" + QString(indent, ' ') + name + "\n")) << indent;
}

TEST_F(WorkspaceChart, PrintsTheChosenConfinementAndThenDisablesPrint)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    w->LoadConfinements();
    w->mshflexClin->setCurrentCell(1, 1);
    w->mshflexClin_Click();
    EXPECT_TRUE(on(w->cmdClinicalOption[1]));
    w->cmdClinicalOption_Click(1);
    ASSERT_EQ(ReportLog::calls().size(), 1);
    EXPECT_EQ(ReportLog::calls()[0].params, QVariantList({w->mshflexClin->TextMatrix(1, 1).trimmed(), Session.HospAddress}));
    EXPECT_EQ(ReportLog::calls()[0].caption, "Clinical Summary");
    EXPECT_TRUE(ReportLog::calls()[0].error.isEmpty()) << ReportLog::calls()[0].error.toStdString();
    EXPECT_FALSE(on(w->cmdClinicalOption[1]));
    w->cmdViewSummary_Click();
    EXPECT_EQ(ReportLog::calls()[1].params.first().toString(), id);
}

TEST_F(WorkspaceChart, PrecautionsBlinkWhileRecorded)
{
    const QString id = admission(0); // "ALLERGIC TO IODINE CONTRAST" in the demo
    Session.NursingSettings.ShowPrecautions = true;
    frmFinal* w = open(id);
    EXPECT_FALSE(w->cmdPrecautions->isHidden());
    EXPECT_TRUE(w->tmrPrecautions->isActive());
    EXPECT_TRUE(w->tmrBlinkPrecautions->isActive());
    w->BlinkStep = 11;
    w->tmrBlinkPrecautions_Timer();
    EXPECT_EQ(w->BlinkStep, 0);
    EXPECT_EQ(w->cmdPrecautions->palette().color(QPalette::Button), QColor(0xFF, 0xFF, 0xC0));
    conn().execute("UPDATE PATIENT_DATA..tbPatientHistory SET Precautions = '   ' WHERE IDNum = ?", {id});
    w->tmrPrecautions_Timer();
    EXPECT_FALSE(w->tmrBlinkPrecautions->isActive());
}

TEST_F(WorkspaceChart, PrecautionsSaveAfterConfirmationAndValidation)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    frmPrecautions dlg;
    EXPECT_EQ(dlg.txtPrecautions->toPlainText(), "ALLERGIC TO IODINE CONTRAST");
    EXPECT_TRUE(dlg.txtPrecautions->isReadOnly());
    dlg.cmdBtn_Click(1);
    EXPECT_EQ(dlg.cmdBtn[1]->text(), "Save");
    dlg.txtPrecautions->setPlainText("PATIENT'S FAMILY REFUSES TRANSFUSION");
    UiScript::queueAnswer(vbNo);
    dlg.cmdBtn_Click(1);
    EXPECT_EQ(dlg.cmdBtn[1]->text(), "Save");
    UiScript::queueAnswer(vbYes);
    UiScript::queueDialog("frmTransaction_UserValidation", [](QDialog* d) { d->reject(); });
    dlg.cmdBtn_Click(1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM PATIENT_DATA..tbPatientHistory WHERE IDNum = ? AND Precautions LIKE 'ALLERGIC%'", {id}), 1);
    UiScript::queueAnswer(vbYes);
    UiScript::queueDialog("frmTransaction_UserValidation", [](QDialog* d) {
        auto* v = static_cast<frmTransaction_UserValidation*>(d);
        QTest::keyClicks(v->txtUserID, "CL001");
        QTest::keyClick(v->txtUserID, Qt::Key_Return);
        QTest::keyClicks(v->txtAccessCode, "CATH1");
        QTest::keyClick(v->txtAccessCode, Qt::Key_Return);
    });
    dlg.cmdBtn_Click(1);
    EXPECT_EQ(UiScript::lastText(), "Successfully updated precautions for the patient.");
    EXPECT_EQ(conn().query("SELECT Precautions FROM PATIENT_DATA..tbPatientHistory WHERE IDNum = ?", {id}).text("Precautions"),
              "PATIENT'S FAMILY REFUSES TRANSFUSION");
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..tbStationLogs WHERE Remarks = ?",
                    {"UPDATE PRECAUTIONS: PATIENT'S FAMILY REFUSES TRANSFUSION"}),
              1);
    (void)w;
}

TEST_F(WorkspaceChart, NurseReportsByType)
{
    setRights("|10");
    frmFinal* w = open(admission(0));
    auto rowOf = [&](const char* type) {
        for (int r = 1; r < w->mshflexReports->Rows(); ++r)
            if (w->mshflexReports->TextMatrix(r, 1) == type) return r;
        return -1;
    };
    w->mshflexReports->setCurrentCell(rowOf("4"), 3);
    w->mshflexReports_DblClick();
    ASSERT_EQ(ReportLog::calls().size(), 1);
    EXPECT_EQ(ReportLog::calls()[0].fileName(), "Posted Medicines.RPT");
    EXPECT_EQ(ReportLog::calls()[0].params, QVariantList({admission(0), Session.HospitalInfo.IsShowAmount}));
    EXPECT_TRUE(ReportLog::calls()[0].error.isEmpty()) << ReportLog::calls()[0].error.toStdString();
    w->mshflexReports->setCurrentCell(rowOf("8"), 3);
    w->mshflexReports_DblClick();
    EXPECT_EQ(UiScript::lastText(), "Sorry, you don't have access right to view Detailed Income Report!");
    w->mshflexReports->setCurrentCell(rowOf("1"), 3);
    w->mshflexReports_DblClick();
    ASSERT_EQ(ReportLog::calls().size(), 2);
    EXPECT_EQ(ReportLog::calls()[1].caption, "Census Report by Station");
    EXPECT_TRUE(ReportLog::calls()[1].error.isEmpty()) << ReportLog::calls()[1].error.toStdString();
    for (const char* t : {"0", "2", "5", "6", "7"}) {
        w->mshflexReports->setCurrentCell(rowOf(t), 3);
        w->mshflexReports_DblClick();
        EXPECT_TRUE(ReportLog::calls().last().error.isEmpty()) << t << ReportLog::calls().last().error.toStdString();
        EXPECT_FALSE(ReportLog::calls().last().openedFile.isEmpty()) << t;
    }
}
