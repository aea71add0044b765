#include "WorkspaceFixture.h"

#include "platform/report/ReportLog.h"
#include "platform/ui/FlexGrid.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QCoreApplication>
#include <QEvent>

class WorkspaceHeader : public WorkspaceTest {};

TEST_F(WorkspaceHeader, InPatientHeaderComesFromTheStayAndItsRecords)
{
    const QString id = admission(1); // demo: no membership, NPO diet, admitting D005, attending D001 and D007
    frmFinal* w = open(id);
    Recordset m = conn().query(QStringLiteral("SELECT M.LastName, M.FirstName, M.MiddleName, P.RoomID, P.AdmDate FROM "
                                              "PATIENT_DATA..tbPatient P JOIN PATIENT_DATA..tbMaster M ON M.HospNum = P.HospNum "
                                              "WHERE P.IDNum = ?"), {id});
    EXPECT_EQ(w->txtPatient->text(), m.text("LastName") + " ," + m.text("FirstName") + " " + m.text("MiddleName"));
    EXPECT_EQ(w->txtRoom->text(), m.text("RoomID"));
    EXPECT_EQ(w->txtDateAdmitted->text(), Fmt::serverDateText(m.toDateTime("AdmDate")));
    EXPECT_TRUE(w->txtDateAdmitted->text().endsWith("M"));
    EXPECT_EQ(w->txtAdiet->text(), "NOTHING PER OREM");
    EXPECT_EQ(w->txtDoctor1->text(), "QUIMPO, RAFAEL LIM");
    EXPECT_EQ(w->txtDoctor2->text(), "VILLAREAL, ANTONIO CRUZ");
    EXPECT_EQ(w->txtDoctor3->text(), "PEÑAFLOR, JOSE MARTINEZ");
    EXPECT_EQ(Selection.AttendingDoctorCode.toString(), "D001");
    EXPECT_EQ(w->txtDiagnosis->text(), "CORONARY ARTERY DISEASE");
    EXPECT_EQ(w->txtADMDiagnosis->text(), "CORONARY ARTERY DISEASE");
    EXPECT_EQ(w->txtImpression->text(), "STABLE ANGINA");
    EXPECT_FALSE(w->txtBloodType->text().isEmpty());
    EXPECT_EQ(w->lblPhilhealth[1]->text(), " NON-PHIC");
    EXPECT_TRUE(ReportValues.SlipReportParam5.isEmpty());
    EXPECT_TRUE(on(w->tabSSTab1));
}

TEST_F(WorkspaceHeader, InPatientWithMembershipShowsIt)
{
    frmFinal* w = open(admission(0));
    EXPECT_EQ(w->lblPhilhealth[1]->text(), " MEMBER");
    EXPECT_EQ(ReportValues.SlipReportParam5, "MEMBER");
    EXPECT_EQ(ReportValues.SlipReportParam12, "ADM");
}

TEST_F(WorkspaceHeader, OutPatientLeavesTheStayBoxesEmpty)
{
    const QString id = visit(0);
    frmFinal* w = open(id);
    EXPECT_FALSE(w->txtPatient->text().isEmpty());
    EXPECT_EQ(w->txtRoom->text(), "ER/OPD");
    EXPECT_EQ(w->txtDateAdmitted->text().size(), 10); // date without time
    for (QLineEdit* b : {w->txtDiagnosis, w->txtADMDiagnosis, w->txtImpression, w->txtBloodType, w->txtAdiet})
        EXPECT_TRUE(b->text().isEmpty()) << b->objectName().toStdString();
    EXPECT_EQ(w->txtChiefComplaints->text(), "CHEST PAIN ON EXERTION");
    EXPECT_EQ(w->txtMannerOfAdmission->text(), "WALK-IN");
    EXPECT_EQ(Selection.SelectedRoom, "OPD");
    EXPECT_EQ(Selection.SelectedRoomClass, "A");
    EXPECT_EQ(w->txtDoctor1->text(), "QUIMPO, RAFAEL LIM");
}

TEST_F(WorkspaceHeader, OutPatientInsuranceLabelFollowsTheMasterRecord)
{
    const QString id = visit(0);
    const QString hosp = hospNumOf(id);
    struct Case { QVariant philhealth; bool row; const char* label; };
    const Case cases[] = {{QVariant(QMetaType(QMetaType::QString)), true, " NON-PHIC"},
                          {QStringLiteral("0"), true, " NON-PHIC"},
                          {QStringLiteral("1"), true, " WITH-PHIC"},
                          {QVariant(), false, " WITH-PHIC"}};
    conn().execute("DELETE FROM MEDICARE..tbPHICMembership WHERE IDNum = ?", {id});
    for (const Case& c : cases) {
        conn().execute("DELETE FROM PATIENT_DATA..tbMaster2 WHERE HospNum = ?", {hosp});
        if (c.row) conn().execute("INSERT INTO PATIENT_DATA..tbMaster2 (HospNum, Philhealth) VALUES (?, ?)", {hosp, c.philhealth});
        frmFinal* w = open(id);
        EXPECT_EQ(w->lblPhilhealth[1]->text(), c.label);
        delete frmFinal::existing();
    }
}

TEST_F(WorkspaceHeader, ReopeningForAnotherPatientReloadsEverything)
{
    frmFinal* w = open(admission(1));
    const QString first = w->txtPatient->text();
    WorkspacePages.XrayResultsStale = WorkspacePages.ConfinementsStale = false;
    w->txtPno->setText(hospNumOf(visit(0)));
    w->txtID->setText(visit(0));
    EXPECT_TRUE(w->txtPatient->text().isEmpty()); // the previous patient is gone at once
    EXPECT_TRUE(w->txtAdiet->text().isEmpty());
    EXPECT_TRUE(WorkspacePages.XrayResultsStale);
    EXPECT_TRUE(WorkspacePages.ConfinementsStale);
    EXPECT_TRUE(w->Timer1->isActive());
    w->Timer1_Timer();
    EXPECT_NE(w->txtPatient->text(), first);
    EXPECT_EQ(w->txtRoom->text(), "ER/OPD");
    EXPECT_FALSE(on(w->cmdSaveVitalSign));
}

TEST_F(WorkspaceHeader, LoadingSwitchesTabsOffAndMarksPagesStale)
{
    WorkspacePages.XrayResultsStale = false;
    frmFinal* w = frmFinal::instance();
    EXPECT_FALSE(on(w->tabSSTab1));
    for (int t : {3, 4, 5, 7}) EXPECT_FALSE(w->tabSSTab1->isTabEnabled(t)) << t;
    for (int t : {0, 1, 2, 6}) EXPECT_TRUE(w->tabSSTab1->isTabEnabled(t)) << t;
    for (int t : {5, 6, 7, 8}) EXPECT_FALSE(w->tabSSTab2->isTabEnabled(t)) << t;
    EXPECT_TRUE(WorkspacePages.XrayResultsStale);
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_EQ(w->windowTitle(), "Clinical Procedure");
    EXPECT_TRUE(on(w->cmdSaveNotes[0]));
    // The reports grid: active catalogue rows by name, type in column 1.
    EXPECT_EQ(w->mshflexReports->Rows(), 11);
    EXPECT_EQ(w->mshflexReports->TextMatrix(1, 3), "Census Report by Station");
    EXPECT_EQ(w->mshflexReports->TextMatrix(1, 1), "1");
}

TEST_F(WorkspaceHeader, ResultsAndProfileTabsNeedTheirRights)
{
    setRights("|1|3");
    frmFinal* w = open(admission(0));
    w->tabSSTab1->setCurrentIndex(2);
    EXPECT_EQ(UiScript::lastText(), "Sorry, you don't have access right to view results.");
    EXPECT_EQ(UiScript::shown().last().title, "Message");
    EXPECT_EQ(w->tabSSTab1->currentIndex(), 0);
    EXPECT_TRUE(WorkspacePages.XrayResultsStale);
    setRights("|10");
    w->tabSSTab1->setCurrentIndex(2);
    EXPECT_FALSE(WorkspacePages.XrayResultsStale);
    EXPECT_EQ(w->tabSSTab1->currentIndex(), 2);
}

TEST_F(WorkspaceHeader, PendingRequestReportsOfTheStationAndOfAll)
{
    frmFinal* w = open(admission(0));
    w->imgPendingRequest_Click(0);
    w->imgPendingRequest_Click(1);
    ASSERT_EQ(ReportLog::calls().size(), 2);
    EXPECT_EQ(ReportLog::calls()[0].params, QVariantList({"CL"}));
    EXPECT_EQ(ReportLog::calls()[0].caption, "List of All Pending Requests By Station");
    EXPECT_EQ(ReportLog::calls()[1].params, QVariantList({""}));
    EXPECT_EQ(ReportLog::calls()[1].caption, "List of All Pending Requests By All Station");
    EXPECT_TRUE(ReportLog::calls()[1].error.isEmpty()) << ReportLog::calls()[1].error.toStdString();
    EXPECT_EQ(ReportLog::calls()[1].shown, ReportShown::Viewer);
}

TEST_F(WorkspaceHeader, ExitAsksAndStaysOpenOnNo)
{
    frmFinal* w = open(admission(0));
    w->show();
    UiScript::queueAnswer(vbNo);
    w->cmdExit_Click();
    EXPECT_EQ(UiScript::lastText(), "Do you want to exit?");
    EXPECT_TRUE(frmFinal::isLoaded());
    EXPECT_EQ(UiScript::shown().size(), 1);
    UiScript::queueAnswer(vbYes);
    w->cmdExit_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(frmFinal::isLoaded());
}
