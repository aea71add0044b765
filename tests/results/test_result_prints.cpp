#include "ResultsFixture.h"

#include "components/login/clsCurrentuser.h"
#include "results/ResultsData.h"
#include "shared/reports/modReports.h"
#include "support/TableOutOfReach.h"

#include <QFile>

#include <QLabel>

class ResultPrints : public ResultsTest {
protected:
    const ReportCall& lastCall() { return ReportLog::calls().last(); }
};

TEST(HeartForms, EachFormTypePrintsItsReportsInOrder)
{
    using P = ResultsData::HeartReport::Params;
    struct Case { const char* type; QStringList files; QStringList captions; P first; };
    const Case cases[] = {
        {"A", {"Exam_2DEcho_Adult.rpt"}, {"Echocardiographic Report"}, P::Echo},
        {"B", {"AbdominalAorta2.rpt"}, {"Abdominal Aorta Examination"}, P::RequestNumber},
        {"C", {"Carotid.rpt", "Carotid2.rpt"}, {"Carotid Examination", "Carotid Examination"}, P::RequestNumber},
        {"D", {"ArterialLower.rpt", "ArterialLower2.rpt"}, {"Arterial Lower Evaluation", "Arterial Duplex Scan"}, P::RequestNumber},
        {"E", {"ArterialUpper.rpt", "ArterialUpper2.rpt"}, {"Arterial Evaluation", "Arterial Duplex Scan"}, P::RequestNumber},
        {"F", {"Carotid.rpt", "Carotid2.rpt"}, {"Carotid Examination", "Carotid Examination"}, P::RequestNumber},
        {"G", {"RenalArtery.rpt"}, {"Renal Artery Duplex Scan"}, P::RequestNumber},
        {"H", {"Transcranial.rpt"}, {"Transcranial Ultrasonography"}, P::RequestNumber},
        {"I", {"ResultECG.rpt"}, {"ECG Examination"}, P::RequestNumber},
        {"J", {"Exam_Hemodynamic.rpt"}, {"Hemodynamic Cardiovascular Laboratory"}, P::Hemodynamic},
        {"K", {"VenousUpper.rpt"}, {"Venous Upper Examination"}, P::RequestNumber},
        {"L", {"VenousLower.rpt"}, {"VenousLower"}, P::RequestNumber},
        {"M", {"Transcranial.rpt"}, {"Transcranial Ultrasonography"}, P::RequestNumber},
        {"N", {}, {}, P::RequestNumber}, {"T", {}, {}, P::RequestNumber}, {"Z", {}, {}, P::RequestNumber},
        {"a", {}, {}, P::RequestNumber}, {"", {}, {}, P::RequestNumber}, {"AB", {}, {}, P::RequestNumber}};
    for (const Case& c : cases) {
        const auto reports = ResultsData::HeartFormReports(QString::fromLatin1(c.type));
        QStringList files, captions;
        for (const auto& r : reports) files << r.file, captions << r.caption;
        EXPECT_EQ(files, c.files) << c.type;
        EXPECT_EQ(captions, c.captions) << c.type;
        if (!reports.isEmpty()) EXPECT_EQ(reports.first().params, c.first) << c.type;
        for (const auto& r : reports) EXPECT_TRUE(QFile::exists(ReportFilePath(r.file))) << r.file.toStdString();
    }
}

TEST_F(ResultPrints, XrayViewStagesTheUsersRowAndPrintsTheSectionReport)
{
    show(stay(0), QStringLiteral(" m "));
    patient.HospNum = QStringLiteral(" H-1 ");
    patient.Address = QStringLiteral("12 RIZAL ST., MALOLOS");
    Selection.SelectedHospNum = QStringLiteral("NOBODY"); // a list's later selection is not the page's patient
    const QString user = Session.CurrentUser->EmployeeCode();
    // Rows of another user and of another admission are not touched; the user's earlier row is replaced.
    conn().execute("INSERT INTO RADIOLOGY..tbRadioResult (UserID, AdmNum, PatientName) VALUES (?, ?, 'EARLIER'), ('XX9', ?, 'OTHER'), (?, 'OTHER-ADM', 'KEEP')",
                   {user, stay(0), stay(0), user});
    page->LoadXrayResults();
    clickRow(page->mshflexXray, 1);
    page->cmdResultX[2]->click();
    ASSERT_EQ(ReportLog::calls().size(), 1) << UiScript::lastText().toStdString();
    const ReportCall& call = lastCall();
    EXPECT_EQ(call.fileName(), "RadioResult.Rpt");
    EXPECT_EQ(call.params, (QVariantList{"X-RAY SECTION", "H-1", Session.HospAddress.trimmed(), user, stay(0)}));
    EXPECT_EQ(call.caption, "Xray Result");
    EXPECT_EQ(call.shown, ReportShown::Viewer);
    EXPECT_TRUE(call.text.contains("The lungs are clear.")) << call.text.toStdString(); // the RTF's text, not its codes
    EXPECT_FALSE(call.text.contains("rtf1"));
    EXPECT_FALSE(page->cmdResultX[2]->isEnabled());
    EXPECT_EQ(count("SELECT COUNT(*) FROM RADIOLOGY..tbRadioResult WHERE UserID = ? AND AdmNum = ?", {user, stay(0)}), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM RADIOLOGY..tbRadioResult WHERE PatientName IN ('OTHER', 'KEEP')"), 2);
    const Recordset row = conn().query("SELECT Sex, ExamName, RadCode, ResultDoctor, PatientAddress FROM RADIOLOGY..tbRadioResult "
                                       "WHERE UserID = ? AND AdmNum = ?", {user, stay(0)});
    EXPECT_EQ(row.text("Sex"), " m ");
    EXPECT_EQ(row.text("PatientAddress"), "12 RIZAL ST., MALOLOS");
    EXPECT_EQ(row.text("ExamName"), "CHEST PA");
    EXPECT_EQ(row.text("ResultDoctor"), "VILLANUEVA, CARMELA ");

    // A result without radiologist, code or remarks prints with them empty.
    ReportLog::clear();
    clickRow(page->mshflexXray, 2);
    page->cmdResultX[2]->click();
    ASSERT_EQ(ReportLog::calls().size(), 1);
    EXPECT_TRUE(lastCall().error.isEmpty());
}

TEST_F(ResultPrints, MriAndWomenCentrePrintElevenParametersAndTheSexWord)
{
    struct Case { const char* sex; const char* word; };
    const Case cases[] = {{"M", "Male"}, {" m ", "Male"}, {"F", "Female"}, {"f", "Female"}, {"", ""}, {"X", ""}};
    const QString user = Session.CurrentUser->EmployeeCode();
    for (const Case& c : cases) {
        show(stay(0), QString::fromLatin1(c.sex));
        page->LoadMRIResults();
        clickRow(page->MSHFlexMRI, 1);
        ReportLog::clear();
        page->cmdMRIResult[2]->click();
        ASSERT_EQ(ReportLog::calls().size(), 1);
        EXPECT_EQ(conn().query("SELECT Sex FROM RADIOLOGY..tbRadioResult WHERE UserID = ? AND AdmNum = ?", {user, stay(0)}).text("Sex"),
                  c.word) << c.sex;
    }
    const ReportCall& mri = lastCall();
    EXPECT_EQ(mri.fileName(), "MRIResult.rpt");
    EXPECT_EQ(mri.caption, "MRI Result");
    ASSERT_EQ(mri.params.size(), 11);
    EXPECT_EQ(mri.params[0], "MAGNETIC RESONANCE IMAGING");
    EXPECT_EQ(mri.params[5], "MR01");
    EXPECT_EQ(mri.params.mid(6, 4), (QVariantList{"VERIFIER", "RADIOLOGIST", "", "INTERPRETATION"}));
    EXPECT_EQ(mri.params[10], "R01");
    EXPECT_EQ(count("SELECT COUNT(*) FROM RADIOLOGY..tbRadioResult WHERE UserID = ? AND AdmNum = ?", {user, stay(0)}), 1);

    // The second stay's centre-for-women result has no encoder: it prints with an empty one.
    show(stay(1));
    page->LoadWomenCentreResults();
    clickRow(page->mshWCResults, 1);
    ReportLog::clear();
    page->cmdResultWC[1]->click();
    ASSERT_EQ(ReportLog::calls().size(), 1);
    EXPECT_EQ(lastCall().fileName(), "RadioResult.rpt");
    EXPECT_EQ(lastCall().caption, "Center for Women Result");
    EXPECT_EQ(lastCall().params[0], "CENTER FOR WOMEN");
    EXPECT_EQ(lastCall().params[5], "");
    EXPECT_FALSE(page->cmdResultWC[1]->isEnabled());
}

TEST_F(ResultPrints, ANumberWithoutResultPrintsNothingAndAFailureKeepsView)
{
    show(stay(0));
    page->LoadCTResults();
    clickRow(page->mshflexCT, 1);
    conn().execute("UPDATE RADIOLOGY..tbCTResult SET RequestNum = 'MOVED'");
    page->cmdCtexit[2]->click();
    EXPECT_TRUE(ReportLog::calls().isEmpty());
    EXPECT_TRUE(UiScript::shown().isEmpty());
    EXPECT_FALSE(page->cmdCtexit[2]->isEnabled());

    page->LoadXrayResults();
    clickRow(page->mshflexXray, 1);
    {
        TableOutOfReach gone(conn(), QStringLiteral("RADIOLOGY..tbRadioResult"));
        page->cmdResultX[2]->click();
    }
    EXPECT_EQ(UiScript::shown().last().title, "Notification");
    EXPECT_TRUE(page->cmdResultX[2]->isEnabled());
    EXPECT_TRUE(ReportLog::calls().isEmpty());
}

TEST_F(ResultPrints, NeurologyViewPrintsByTheSectionCode)
{
    show(stay(0));
    page->LoadNeurologyResults();
    clickRow(page->mshflexNeuro, 1);
    page->cmdNeuro[1]->click();
    ASSERT_EQ(ReportLog::calls().size(), 1);
    EXPECT_EQ(lastCall().fileName(), "EEGReport.Rpt");
    EXPECT_EQ(lastCall().params, QVariantList{page->mshflexNeuro->TextMatrix(1, 7)});
    EXPECT_EQ(lastCall().caption, "Neurology Results Viewing");
    EXPECT_TRUE(lastCall().text.contains("9-10 Hz ALPHA"));

    clickRow(page->mshflexNeuro, 2);
    page->cmdNeuro[1]->click();
    ASSERT_EQ(ReportLog::calls().size(), 2);
    const ReportCall& emg = lastCall();
    EXPECT_EQ(emg.fileName(), "EMG-NCVReport.Rpt");
    const QString file = page->mshflexNeuro->TextMatrix(2, 7);
    ASSERT_EQ(emg.subreports.size(), 2);
    EXPECT_EQ(emg.subreports[0].name, "NCVDataReport");
    EXPECT_EQ(emg.subreports[0].params, (QVariantList{file, txtPno.text()}));
    EXPECT_EQ(emg.subreports[1].name, "EMGDataReport");
    EXPECT_EQ(emg.subreports[1].params, (QVariantList{file, txtPno.text()}));
    EXPECT_TRUE(page->cmdNeuro[1]->isEnabled()); // each further click opens one more viewer
}

TEST_F(ResultPrints, HeartViewPrintsTheFormAndThePackage)
{
    show(stay(0));
    page->Get_HeartResults();
    auto rowOf = [&](const QString& exam) {
        for (int r = 1; r < page->mshflexHeart->Rows(); ++r)
            if (page->mshflexHeart->TextMatrix(r, 2) == exam) return r;
        return -1;
    };
    // Carotid: two reports, the request number alone.
    clickRow(page->mshflexHeart, rowOf("CAROTID DUPLEX SCAN"));
    const QString carotid = page->mshflexHeart->TextMatrix(rowOf("CAROTID DUPLEX SCAN"), 1);
    page->cmdExitResultE[2]->click();
    ASSERT_EQ(ReportLog::calls().size(), 2);
    EXPECT_EQ(ReportLog::calls()[0].fileName(), "Carotid.rpt");
    EXPECT_EQ(ReportLog::calls()[1].fileName(), "Carotid2.rpt");
    EXPECT_EQ(ReportLog::calls()[1].params, QVariantList{carotid});
    EXPECT_FALSE(page->cmdExitResultE[2]->isEnabled());

    // A form type with a trailing blank is the same form.
    ReportLog::clear();
    const int hemo = rowOf("HEMODYNAMIC STUDY");
    page->mshflexHeart->setTextMatrix(hemo, 5, "J ");
    clickRow(page->mshflexHeart, hemo);
    page->cmdExitResultE[2]->click();
    ASSERT_EQ(ReportLog::calls().size(), 1);
    EXPECT_EQ(lastCall().params, (QVariantList{page->mshflexHeart->TextMatrix(hemo, 1), txtPatient.text(), "VILLAREAL, ANTONIO CRUZ",
                                               "QUIMPO, RAFAEL LIM"}));

    // The echo list is one list on both roads.
    ReportLog::clear();
    clickRow(page->mshflexHeart, rowOf("2D ECHOCARDIOGRAPHY (ADULT)"));
    page->cmdExitResultE[2]->click();
    ASSERT_EQ(ReportLog::calls().size(), 1);
    const QVariantList single = lastCall().params;
    ASSERT_EQ(single.size(), 15);

    ReportLog::clear();
    clickRow(page->mshflexHeart, rowOf("CARDIAC PACKAGE (ECHO + CAROTID)"));
    page->cmdExitResultE[2]->click();
    ASSERT_EQ(ReportLog::calls().size(), 3);
    EXPECT_EQ(ReportLog::calls()[0].fileName(), "Exam_2DEcho_Adult.rpt");
    const QVariantList package = ReportLog::calls()[0].params;
    ASSERT_EQ(package.size(), 15);
    for (int i : {0, 2, 3, 4, 5, 6, 11, 12}) EXPECT_EQ(package[i], single[i]) << i;
    EXPECT_NE(package[1], single[1]); // each exam's own request number
    EXPECT_EQ(package[1], package[14]);
    EXPECT_TRUE(ReportLog::calls()[0].text.contains("Concentric LVH"));
    EXPECT_EQ(ReportLog::calls()[1].fileName(), "Carotid.rpt");
    EXPECT_EQ(ReportLog::calls()[2].fileName(), "Carotid2.rpt");
    EXPECT_FALSE(page->cmdExitResultE[2]->isEnabled());

    // Refresh leaves View off.
    clickRow(page->mshflexHeart, 1);
    page->cmdExitResultE[1]->click();
    EXPECT_FALSE(page->cmdExitResultE[2]->isEnabled());
}

TEST_F(ResultPrints, HeartDoubleClickSendsTheEcgReport)
{
    show(stay(0));
    page->Get_HeartResults();
    int ecg = -1, other = -1;
    for (int r = 1; r < page->mshflexHeart->Rows(); ++r) {
        if (page->mshflexHeart->TextMatrix(r, 8) == "E") ecg = r;
        else if (page->mshflexHeart->TextMatrix(r, 8).isEmpty()) other = r;
    }
    ASSERT_GT(ecg, 0);
    clickRow(page->mshflexHeart, other);
    Q_EMIT page->mshflexHeart->cellDoubleClicked(other, 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..tbNurseECGReport"), 0);
    clickRow(page->mshflexHeart, ecg);
    Q_EMIT page->mshflexHeart->cellDoubleClicked(ecg, 1);
    const Recordset rs = conn().query("SELECT Rhythm, PatientName, IDNum, Cardiologist, BP FROM STATION..tbNurseECGReport");
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text("Rhythm"), "SINUS RHYTHM ");
    EXPECT_EQ(rs.text("BP"), "130/80 ");
    EXPECT_EQ(rs.text("PatientName"), txtPatient.text());
    EXPECT_EQ(rs.text("Cardiologist"), "QUIMPO, RAFAEL LIM");
    EXPECT_TRUE(UiScript::shown().isEmpty());
}
