// The current patient chosen by a click on a list row, and the hand-off to the workspace.
#include "patients/GridDriver.h"
#include "support/PatientsFixture.h"

#include "shared/MainWindowLinks.h"
#include "patients/frmCathPatients.h"
#include "patients/frmSearch.h"
#include "platform/ui/MessageBox.h"
#include "registration/frmRegistration.h"
#include "shared/modGlobals.h"
#include "workspace/frmFinal.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

using namespace GridDriver;

namespace {
struct ListChoice {
    QString hosp, id, type, name, room, roomClass, rate, account, company, address;
};
ListChoice current()
{
    return {Selection.SelectedHospNum, Selection.SelectedIDNum, Selection.SelectedPatientType, Selection.SelectedPatientName, Selection.SelectedRoom, Selection.SelectedRoomClass,
            Selection.SelectedRoomRate, Selection.SelectedAccountNum, Selection.SelectedCompany, Selection.SelectedPatientAddress};
}
bool allPagesStale()
{
    return WorkspacePages.XrayResultsStale && WorkspacePages.UltrasoundResultsStale && WorkspacePages.CTResultsStale && WorkspacePages.LabResultsStale && WorkspacePages.HeartResultsStale &&
           WorkspacePages.PTResultsStale && WorkspacePages.NuclearResultsStale && WorkspacePages.PulmoResultsStale && WorkspacePages.NeuroResultsStale && WorkspacePages.MRIResultsStale &&
           WorkspacePages.ConfinementsStale;
}
}

class Selection_ : public PatientsTest {
protected:
    frmCathPatients* caseList()
    {
        frmCathPatients* w = frmCathPatients::instance();
        w->show();
        w->Command1_Click();
        return w;
    }
    frmSearch* generalList(bool outPatients = false)
    {
        setParameter(QStringLiteral("EnableCathLabRegistration"), QStringLiteral("0"));
        frmSearch* w = frmSearch::instance();
        w->show();
        if (outPatients) QTest::mouseClick(w->optPatientType[1], Qt::LeftButton);
        else w->Command1_Click();
        return w;
    }
};

TEST_F(Selection_, CaseListClickSelectsInAndOutPatients)
{
    struct Case {
        const char* id;
        ListChoice expected;
    };
    const Case cases[] = {
        {"2026900001",
         {"900001", "2026900001", "I", "ABELLERA ,ROMEO SANTOS", "201", "A", "4500", "C0001", "PACIFIC HEALTH CARE INC.",
          "10 RIZAL ST., POBLACION, MALOLOS, BULACAN"}},
        {"2026900003",
         {"900003", "2026900003", "I", "CABRERA ,DANILO ", "305", "C", "3600", "900003", "PERSONAL",
          "24 RIZAL ST., POBLACION, QUEZON CITY, BULACAN"}},
        {"900101B",
         {"900006", "900101B", "O", "FAJARDO ,AMPARO LIM", "OPD", "A", "", "900006", "PERSONAL",
          "45 RIZAL ST., POBLACION, CALAMBA, BULACAN"}},
    };
    frmCathPatients* w = caseList();
    for (const Case& c : cases) {
        UiScript::reset();
        const int row = rowOf(w->MSHFlexList, QString::fromLatin1(c.id));
        ASSERT_GT(row, 0) << c.id;
        clickRow(w->MSHFlexList, row);
        const ListChoice s = current();
        const ListChoice& e = c.expected;
        EXPECT_EQ(s.hosp, e.hosp);
        EXPECT_EQ(s.id, e.id);
        EXPECT_EQ(s.type, e.type);
        EXPECT_EQ(s.name, e.name);
        EXPECT_EQ(s.room, e.room);
        EXPECT_EQ(s.roomClass, e.roomClass);
        EXPECT_EQ(s.rate, e.rate);
        EXPECT_EQ(s.account, e.account);
        EXPECT_EQ(s.company, e.company);
        EXPECT_EQ(s.address, e.address);
        EXPECT_FALSE(Selection.SelectedAdmissionDate.isEmpty());
        EXPECT_EQ(Selection.SelectedGridRow, row);
        EXPECT_TRUE(UiScript::shown().isEmpty()) << UiScript::lastText().toStdString();
        EXPECT_TRUE(MainWindowLinks::PatientMenusEnabled());
    }
}

TEST_F(Selection_, ANewSelectionKeepsNothingTheWorkspaceReadForThePreviousPatient)
{
    // what the workspace read for the patient handed to it before
    Selection.AttendingDoctorCode = QStringLiteral("D001");
    Selection.PatientAddressLine = QStringLiteral("10 RIZAL ST., POBLACION, MALOLOS, BULACAN");
    Selection.PatientTransplantID = QStringLiteral("1");
    Selection.PatientTransplantText = QStringLiteral("Transplant");
    Selection.PatientDialysisID = QStringLiteral("2");
    Selection.PatientDialysisText = QStringLiteral("Post-Dialysis");
    frmCathPatients* w = caseList();
    clickRow(w->MSHFlexList, rowOf(w->MSHFlexList, QStringLiteral("900101B")));
    EXPECT_EQ(Selection.SelectedIDNum, QStringLiteral("900101B"));
    EXPECT_TRUE(Selection.AttendingDoctorCode.isNull());
    for (const QString* s : {&Selection.PatientAddressLine, &Selection.PatientTransplantID, &Selection.PatientTransplantText,
                             &Selection.PatientDialysisID, &Selection.PatientDialysisText})
        EXPECT_TRUE(s->isEmpty()) << s->toStdString();
}

TEST_F(Selection_, AdmissionDatesInTheGeneralDateForm)
{
    frmCathPatients* w = caseList();
    clickRow(w->MSHFlexList, rowOf(w->MSHFlexList, QStringLiteral("2026900001")));
    EXPECT_EQ(Selection.SelectedAdmissionDate, QStringLiteral("11/28/2026 9:00:00 AM"));
    EXPECT_EQ(Selection.SelectedDischargeDate, QString());
}

TEST_F(Selection_, AFailedSelectionLeavesNoOtherPatientBehind)
{
    frmCathPatients* w = caseList();
    clickRow(w->MSHFlexList, rowOf(w->MSHFlexList, QStringLiteral("2026900001")));
    ASSERT_EQ(Selection.SelectedRoom, QStringLiteral("201"));
    MainWindowLinks::EnablePatientMenus(false);
    UiScript::reset();
    // the stay of this case is no longer on file
    const int row = rowOf(w->MSHFlexList, QStringLiteral("2026900012"));
    ASSERT_GT(row, 0);
    clickRow(w->MSHFlexList, row);
    EXPECT_EQ(UiScript::texts(), QStringList{QStringLiteral("No Records Found!")});
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Notification"));
    EXPECT_EQ(UiScript::shown()[0].style, int(vbOKOnly | vbInformation));
    EXPECT_EQ(Selection.SelectedHospNum, QStringLiteral("900012"));
    EXPECT_EQ(Selection.SelectedIDNum, QStringLiteral("2026900012"));
    EXPECT_EQ(Selection.SelectedPatientType, QString());
    EXPECT_EQ(Selection.SelectedPatientName, QStringLiteral("MACARAEG ,PURITA SALAZAR")); // found in the master file
    EXPECT_EQ(Selection.SelectedRoom, QString());
    EXPECT_EQ(Selection.SelectedAccountNum, QString());
    EXPECT_EQ(Selection.SelectedCompany, QString());
    EXPECT_FALSE(MainWindowLinks::PatientMenusEnabled());
}

TEST_F(Selection_, CaseListBlankRowAsksForNothing)
{
    frmCathPatients* w = caseList();
    w->txtSearch[1]->setText(QStringLiteral("NOSUCH"));
    w->Command1_Click();
    MainWindowLinks::EnablePatientMenus(false);
    UiScript::reset();
    w->MSHFlexList_Click();
    EXPECT_EQ(UiScript::texts(), QStringList{QStringLiteral("No record found.")});
    EXPECT_FALSE(MainWindowLinks::PatientMenusEnabled());
}

TEST_F(Selection_, GeneralListFollowsItsOptionNotTheNumber)
{
    frmSearch* w = generalList(/*outPatients*/ true);
    const int row = rowOf(w->MSHFlexList, QStringLiteral("900102B"));
    ASSERT_GT(row, 0);
    clickRow(w->MSHFlexList, row);
    EXPECT_EQ(Selection.SelectedPatientType, QStringLiteral("O"));
    EXPECT_EQ(Selection.SelectedRoom, QStringLiteral("OPD"));
    for (QLabel* label : w->lblProcedures) EXPECT_TRUE(label->isEnabled());
}

TEST_F(Selection_, GeneralListGoesOnWithoutAMasterRecord)
{
    conn().execute(QStringLiteral("DELETE FROM PATIENT_DATA..tbMaster WHERE HospNum = '900001'"));
    frmSearch* w = generalList();
    w->txtSearch[2]->setText(QStringLiteral("2026900001"));
    w->Command1_Click();
    Selection.SelectedPatientName = QStringLiteral("SOMEONE ELSE");
    UiScript::reset();
    clickRow(w->MSHFlexList, 1);
    EXPECT_TRUE(UiScript::shown().isEmpty());
    EXPECT_EQ(Selection.SelectedPatientType, QStringLiteral("I"));
    EXPECT_EQ(Selection.SelectedRoom, QStringLiteral("201"));
    EXPECT_EQ(Selection.SelectedPatientName, QString()); // never another patient's name
}

TEST_F(Selection_, DoubleClickHandsTheRowToTheWorkspace)
{
    frmCathPatients* w = caseList();
    const int row = rowOf(w->MSHFlexList, QStringLiteral("900101B"));
    doubleClickRow(w->MSHFlexList, row);
    ASSERT_TRUE(frmFinal::isLoaded());
    frmFinal* ws = frmFinal::existing();
    EXPECT_EQ(ws->txtPno->text(), QStringLiteral("900006"));
    EXPECT_EQ(ws->txtID->text(), QStringLiteral("900101B"));
    EXPECT_EQ(ws->tabSSTab1->currentIndex(), 0);
    EXPECT_TRUE(ws->isVisible());
    EXPECT_TRUE(allPagesStale());
}

TEST_F(Selection_, HandOffDoesNotNeedASuccessfulSelection)
{
    frmCathPatients* w = caseList();
    const int row = rowOf(w->MSHFlexList, QStringLiteral("2026900012"));
    UiScript::reset();
    QTest::keyClick(w->MSHFlexList, Qt::Key_Home);
    w->MSHFlexList->setRow(row);
    w->MSHFlexList_RowColChange();
    QTest::keyClick(w->MSHFlexList, Qt::Key_Return); // the click, then the double-click
    EXPECT_EQ(UiScript::texts(), QStringList{QStringLiteral("No Records Found!")});
    ASSERT_TRUE(frmFinal::isLoaded());
    EXPECT_EQ(frmFinal::existing()->txtID->text(), QStringLiteral("2026900012"));
}

TEST_F(Selection_, ActionLabelsOpenTheirTabs)
{
    frmSearch* w = generalList();
    const int row = rowOf(w->MSHFlexList, QStringLiteral("2026900001"));
    clickRow(w->MSHFlexList, row);
    const int tabs[3] = {0, 2, 6};
    for (int i = 0; i < 3; ++i) {
        WorkspacePages.XrayResultsStale = WorkspacePages.MRIResultsStale = WorkspacePages.NeuroResultsStale = false;
        QTest::mouseClick(w->lblProcedures[i], Qt::LeftButton);
        ASSERT_TRUE(frmFinal::isLoaded());
        EXPECT_EQ(frmFinal::existing()->tabSSTab1->currentIndex(), tabs[i]);
        EXPECT_EQ(frmFinal::existing()->txtID->text(), QStringLiteral("2026900001"));
        // every page marked stale; the selected tab has loaded its own page at once
        const bool xray = WorkspacePages.XrayResultsStale, confinements = WorkspacePages.ConfinementsStale;
        EXPECT_EQ(xray, i != 1);
        EXPECT_EQ(confinements, i != 2);
        WorkspacePages.XrayResultsStale = WorkspacePages.ConfinementsStale = true;
        EXPECT_TRUE(allPagesStale());
    }
}

TEST_F(Selection_, RegistrationModeClickSelectsNothing)
{
    setParameter(QStringLiteral("EnableCathLabRegistration"), QStringLiteral("1"));
    frmSearch* w = frmSearch::instance();
    w->show();
    w->txtSearch[2]->setText(QStringLiteral("2026900001"));
    w->Command1_Click();
    Selection.SelectedPatientName = QStringLiteral("KEPT");
    clickRow(w->MSHFlexList, 1);
    EXPECT_EQ(Selection.SelectedPatientName, QStringLiteral("KEPT"));
    EXPECT_FALSE(w->lblProcedures[0]->isEnabled());
}

TEST_F(Selection_, RegistrationModeDoubleClickRefusesAnOpenCaseElseOpensRegistration)
{
    setParameter(QStringLiteral("EnableCathLabRegistration"), QStringLiteral("1"));
    frmSearch* w = frmSearch::instance();
    w->show();
    w->txtSearch[2]->setText(QStringLiteral("2026900001"));
    w->Command1_Click();
    UiScript::reset();
    doubleClickRow(w->MSHFlexList, 1);
    EXPECT_EQ(UiScript::texts(), QStringList{QStringLiteral("This patient is already registered as Cathlab patient.")});
    EXPECT_EQ(UiScript::shown().value(0).title, QStringLiteral("Message"));
    EXPECT_FALSE(frmRegistration::isLoaded());
    EXPECT_FALSE(frmFinal::isLoaded());

    // a patient without an open case (the case of this stay was revoked)
    w->txtSearch[2]->setText(QStringLiteral("2026900005"));
    w->Command1_Click();
    UiScript::reset();
    doubleClickRow(w->MSHFlexList, 1);
    EXPECT_TRUE(UiScript::shown().isEmpty()) << UiScript::lastText().toStdString();
    ASSERT_TRUE(frmRegistration::isLoaded());
    EXPECT_TRUE(frmRegistration::existing()->CurrentlyRegistered);
    EXPECT_EQ(frmRegistration::existing()->Pno, QStringLiteral("900005"));
    EXPECT_EQ(frmRegistration::existing()->IDNo, QStringLiteral("2026900005"));
    EXPECT_FALSE(frmFinal::isLoaded());
}
