#include "assessment/frmAssessmentClinical.h"
#include "WorkspaceFixture.h"
#include "assessment/frmCashAssessment.h"
#include "charging/frmCharge.h"
#include "shared/PatientHeaderFrame.h"

#include <QTimer>
#include "platform/report/ReportLog.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {
const QString kCashCL = "The patient's account has been placed under cash basis for ( Cathlab Charges ) by the Billing Officer. "
                        "Please advice the patient/watcher to see the Billing staff immediately for further instructions.";
const QString kNotCash = "The patient's account has not been placed under cash basis \r\n for (Cathlab Charges ). Please use "
                         "the Charging Entry to enter charges.";
const QString kOpdCash = "The patient's OPD registration is tag as OPD Cash. Please use the Cash Assessment Entry Option to "
                         "enter charges.";
const QString kOpdCharge = "The patient's OPD registration is tag as OPD Charge. \r\n Please use the Chargig Entry to enter charges.";
const QString kOpensCharge; // the charging window opens without a message
const QString kOpensCash;   // the cash assessment opens without a message
}

class WorkspaceGates : public WorkspaceTest {
protected:
    void SetUp() override
    {
        WorkspaceTest::SetUp();
        setRights("|1|3|9|19|10|11");
    }
    QString press(frmFinal* w, int element)
    {
        UiScript::reset();
        w->cmdNextPatient_Click(element);
        return UiScript::lastText();
    }
};

TEST_F(WorkspaceGates, WhichWindowTakesTheCathlabCharges)
{
    // In-patients without clearance and with an open account; visits without a tbPatient2 row.
    QString inpatient;
    for (int n = 0; n < 12 && inpatient.isEmpty(); ++n) {
        const QString id = admission(n);
        if (count("SELECT COUNT(*) FROM STATION..tbNurseDeptClearance WHERE IDNum = ?", {id}) == 0 &&
            count("SELECT COUNT(*) FROM PATIENT_DATA..tbPatient WHERE IDNum = ? AND BillingDate IS NULL", {id}) == 1)
            inpatient = id;
    }
    ASSERT_FALSE(inpatient.isEmpty());
    const QString opdCash = visit(0), opdCharge = visit(1); // OPD classes A (rate A) and B
    conn().execute("DELETE FROM PATIENT_DATA..tbPatient2 WHERE IDNum IN (?, ?)", {opdCash, opdCharge});
    struct Case { QString id; QVariant okeyCL; QString charging, cash; };
    const Case cases[] = {{inpatient, 0, kCashCL, kOpensCash},
                          {inpatient, 1, kOpensCharge, kNotCash},
                          {opdCash, QVariant(), kOpdCash, kOpensCash},
                          {opdCharge, QVariant(), kOpensCharge, kOpdCharge}};
    for (const Case& c : cases) {
        if (c.okeyCL.isValid()) conn().execute("UPDATE PATIENT_DATA..tbPatient2 SET OkeyCL = ? WHERE IDNum = ?", {c.okeyCL, c.id});
        frmFinal* w = open(c.id);
        EXPECT_EQ(press(w, 5), c.charging) << c.id.toStdString();
        // the window takes the workspace's header: its own copy of the account
        EXPECT_EQ(frmCharge::isLoaded() ? frmCharge::existing()->txtID->text() : QString(),
                  c.charging == kOpensCharge ? w->txtID->text() : QString());
        delete frmCharge::existing();
        EXPECT_EQ(press(w, 7), c.cash) << c.id.toStdString();
        EXPECT_EQ(frmCashAssessment::isLoaded() ? frmCashAssessment::existing()->txtID->text() : QString(),
                  c.cash == kOpensCash ? w->txtID->text() : QString());
        if (frmCashAssessment::isLoaded()) {
            EXPECT_EQ(frmCashAssessment::existing()->windowTitle(), "Cash Assessment Entry");
            EXPECT_GT(frmCashAssessment::existing()->lvwDepartments->topLevelItemCount(), 0);
        }
        delete frmCashAssessment::existing();
        delete frmFinal::existing();
    }
    setParameter("CLByPassPersonalPostCharge", "1");
    frmFinal* w = open(opdCash);
    EXPECT_EQ(press(w, 5), kOpensCharge);
    ASSERT_TRUE(frmCharge::isLoaded());
    EXPECT_EQ(frmCharge::existing()->windowTitle(), "CHARGING ENTRY");
    EXPECT_GT(frmCharge::existing()->lvwDepartments->topLevelItemCount(), 0);
    delete frmCharge::existing();
}

TEST_F(WorkspaceGates, TheFirstFailingTestWins)
{
    const QString id = admission(3); // cleared by the Cathlab in the demo
    conn().execute("UPDATE PATIENT_DATA..tbPatient SET BillingDate = AdmDate WHERE IDNum = ?", {id});
    frmFinal* w = open(id);
    EXPECT_EQ(press(w, 5), "Patient is already cleared by (Cathlab Department). If you have charges to make, notify the "
                           "Billing staff immediately for further instructions.");
    EXPECT_EQ(UiScript::shown().last().style & 0x70, vbInformation);
    conn().execute("DELETE FROM STATION..tbNurseDeptClearance WHERE IDNum = ?", {id});
    EXPECT_EQ(press(w, 5), "The patient's account has already been closed . If you have charges to make, notify the Billing "
                           "staff immediately for further instructions.");
    EXPECT_EQ(UiScript::shown().last().style & 0x70, vbExclamation);
    EXPECT_EQ(UiScript::shown().last().title, "Message");
}

TEST_F(WorkspaceGates, RequestGatesTestTheSectionFlagOfInPatientsOnly)
{
    const QString id = admission(1); // pharmacy on cash basis in the demo
    frmFinal* w = open(id);
    EXPECT_FALSE(on(w->cmdNextPatient[1]));
    EXPECT_TRUE(on(w->cmdNextPatient[2]));
    EXPECT_FALSE(w->cmdNextPatient[9]->isHidden());
    UiScript::reset();
    EXPECT_EQ(w->Form_KeyDown(117), 0);
    EXPECT_EQ(UiScript::lastText(), "The patient's account has been placed under cash basis for ( Pharmacy Charges ) by the "
                                    "Billing Officer. Please advice the patient/watcher to see the Billing staff immediately "
                                    "for further instructions.");
    UiScript::reset();
    w->Form_KeyDown(118);
    EXPECT_TRUE(UiScript::texts().isEmpty());
    EXPECT_EQ(UiScript::dialogsRun(), QStringList({"frmCSREntry"}));
}

TEST_F(WorkspaceGates, AccountFlagsOfAVisit)
{
    const QString id = visit(0); // rate "A"
    frmFinal* w = open(id);
    for (QWidget* c : std::initializer_list<QWidget*>{w->lstListLaboratory, w->cmdLabMore, w->lstListXray, w->lstListOthers,
                                                      w->cmdNextPatient[1], w->cmdNextPatient[2]})
        EXPECT_FALSE(on(c)) << c->objectName().toStdString();
    EXPECT_FALSE(w->cmdNextPatient[9]->isHidden());
    delete frmFinal::existing();
    setParameter("CLAllowRequestPersonalPx", "1");
    w = open(id);
    EXPECT_TRUE(on(w->lstListOthers));
    EXPECT_TRUE(on(w->cmdNextPatient[1]));
    EXPECT_TRUE(w->cmdNextPatient[9]->isHidden());
}

TEST_F(WorkspaceGates, RightsRefusalsOfTheActionBarAndTheKeys)
{
    setRights("|10");
    frmFinal* w = open(admission(0));
    struct Case { int element; const char* text; };
    const Case cases[] = {{1, "Sorry you don't have access right to Request Medicines!"},
                          {2, "Sorry you don't have access right to Request Central Supplies!"},
                          {5, "Sorry, you don't have access right to Charging Entry!"},
                          {7, "Sorry you don't have access right for Assessment Entry!"},
                          {3, "Sorry you don't have access right to Post New Diet!"},
                          {4, "Sorry you don't have access right to Discharge and Transfer Room of Patient!"},
                          {6, "Sorry you don't have access right to Send Clearance/Discharge Order!"}};
    for (const Case& c : cases) {
        EXPECT_EQ(press(w, c.element), c.text);
        EXPECT_EQ(UiScript::shown().last().title, "Message");
    }
    UiScript::reset();
    EXPECT_EQ(w->Form_KeyDown(117), 117);
    EXPECT_EQ(UiScript::lastText(), "Sorry, you don't have access right to Request Medicines!");
    EXPECT_EQ(UiScript::shown().last().title, "Notification");
    EXPECT_EQ(w->Form_KeyDown(118), 118);
    EXPECT_EQ(UiScript::lastText(), "Sorry, you don't have access right to request from Central Supplies!");
    EXPECT_EQ(w->Form_KeyDown(122), 0);
    EXPECT_EQ(UiScript::lastText(), "Sorry you don't have access right to View Statement Of Account!");
    EXPECT_TRUE(ReportLog::calls().isEmpty());
    // Clinical assessment needs no right: the window opens on the workspace's patient.
    EXPECT_EQ(press(w, 9), QString());
    ASSERT_TRUE(frmAssessmentClinical::isLoaded());
    frmAssessmentClinical* clinical = frmAssessmentClinical::existing();
    EXPECT_EQ(clinical->txtID->text(), w->txtID->text());
    EXPECT_EQ(clinical->windowTitle(), "Assessment Entry For Clinical Department");
    EXPECT_GT(clinical->lvwDepartments->topLevelItemCount(), 0);
    delete clinical;
}

TEST_F(WorkspaceGates, StatementOfAccountParameters)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    UiScript::reset();
    EXPECT_EQ(w->Form_KeyDown(122), 0);
    ASSERT_EQ(ReportLog::calls().size(), 1);
    const ReportCall& call = ReportLog::calls().first();
    EXPECT_TRUE(call.error.isEmpty()) << call.error.toStdString();
    EXPECT_EQ(call.fileName(), "StatementOfAccountPatientsLedgerByDepartment.RPT");
    ASSERT_EQ(call.params.size(), 17);
    const QString hosp = hospNumOf(id);
    EXPECT_EQ(call.params[0].toString(), id);
    EXPECT_EQ(call.params[1].toString(), Session.HospAddress);
    EXPECT_EQ(call.params[2].toString(), w->txtPatient->text());
    EXPECT_EQ(call.params[6].toString(), hosp);
    const QDateTime adm = conn().query("SELECT AdmDate FROM PATIENT_DATA..tbPatient WHERE IDNum = ?", {id}).toDateTime("AdmDate");
    EXPECT_EQ(call.params[7].toString(), adm.toString("MM/dd/yyyy"));
    EXPECT_EQ(call.params[11].toString(), adm.toString("hh:mm:ss AP"));
    EXPECT_EQ(call.params[9].toString(), w->txtRoom->text());
    EXPECT_EQ(call.params[13].toString(), "");
    EXPECT_EQ(call.params[14].toString(), "");
    EXPECT_EQ(call.params[15].toString(), "DELA CRUZ, ANA MARQUEZ");
    EXPECT_EQ(call.params[16].toString(), w->txtDoctor2->text());
    // The patient's own account prints as PERSONAL.
    if (call.params[4].toString() == hosp) EXPECT_EQ(call.params[5].toString(), "PERSONAL");
    ASSERT_EQ(call.subreports.size(), 2);
    EXPECT_EQ(call.subreports[0].name, "HospitalBill");
    EXPECT_EQ(call.subreports[1].name, "MedicalFee");
    EXPECT_EQ(call.subreports[1].params, QVariantList({id}));
    EXPECT_EQ(call.caption, "Statement Of Accounts");
    EXPECT_EQ(call.shown, ReportShown::Viewer);
    EXPECT_TRUE(call.text.contains("45,000.00"));
}

TEST_F(WorkspaceGates, FunctionKeysReloadAndValidate)
{
    frmFinal* w = open(admission(0));
    EXPECT_FALSE(w->Timer1->isActive());
    EXPECT_EQ(w->Form_KeyDown(116), 0);
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_EQ(w->Form_KeyDown(119), 0); // F8: nothing
}

TEST_F(WorkspaceGates, AnInPatientWithEverySectionOpen)
{
    const QString id = admission(0); // every section flag of its tbPatient2 row is 1
    frmFinal* w = open(id);
    for (QWidget* c : std::initializer_list<QWidget*>{w->lstListLaboratory, w->cmdLabMore, w->lstListXray, w->cmdXrayMore,
                                                      w->lstListUltra, w->cmdUltraMore, w->lstListOthers,
                                                      w->cmdNextPatient[1], w->cmdNextPatient[2]})
        EXPECT_TRUE(on(c)) << c->objectName().toStdString();
    EXPECT_TRUE(w->cmdNextPatient[9]->isHidden());

    // A section without controls of its own only shows "Clinical Assessment".
    conn().execute("UPDATE PATIENT_DATA..tbPatient2 SET OkeyXray = 0, OkeyNU = 0 WHERE IDNum = ?", {id});
    w->Timer1_Timer();
    EXPECT_TRUE(on(w->lstListLaboratory));
    EXPECT_FALSE(on(w->lstListXray));
    EXPECT_FALSE(on(w->cmdXrayMore));
    EXPECT_TRUE(on(w->cmdNextPatient[1]));
    EXPECT_FALSE(w->cmdNextPatient[9]->isHidden());
}

TEST_F(WorkspaceGates, SectionFlagsAreTheStaysTbPatient2Columns)
{
    // No row: every section open. A row: only a 1 opens; NULL is cash basis, as in the patient lists.
    const QString id = admission(0);
    frmFinal* w = open(id);
    struct Case { const char* change; bool labOpen; };
    const Case cases[] = {{"UPDATE PATIENT_DATA..tbPatient2 SET OkeyLab = NULL WHERE IDNum = ?", false},
                          {"UPDATE PATIENT_DATA..tbPatient2 SET OkeyLab = 1 WHERE IDNum = ?", true},
                          {"UPDATE PATIENT_DATA..tbPatient2 SET OkeyLab = 0 WHERE IDNum = ?", false},
                          {"DELETE FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?", true}};
    for (const Case& c : cases) {
        conn().execute(QString::fromLatin1(c.change), {id});
        w->Timer1_Timer();
        EXPECT_EQ(on(w->lstListLaboratory), c.labOpen) << c.change;
        EXPECT_EQ(on(w->cmdLabMore), c.labOpen) << c.change;
        EXPECT_TRUE(on(w->lstListXray)) << c.change;
    }
}

TEST_F(WorkspaceGates, ClinicalAssessmentWithoutValidationShowsTheButtonAndReadsNoFlag)
{
    conn().execute("UPDATE PATIENT_DATA..TBHOSPITALINFO SET IsAllowClinicalAssessmentWithoutValidation = 1");
    frmFinal* w = open(admission(1)); // pharmacy on cash basis: still left as the load set it
    EXPECT_FALSE(w->cmdNextPatient[9]->isHidden());
    EXPECT_TRUE(on(w->cmdNextPatient[1]));
}

TEST_F(WorkspaceGates, GatesReReadTheAccount)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    ASSERT_TRUE(on(w->cmdNextPatient[1]));
    // The billing office changes the account after the load.
    conn().execute("UPDATE PATIENT_DATA..tbPatient2 SET OkeyCS = 0 WHERE IDNum = ?", {id});
    UiScript::reset();
    w->Form_KeyDown(118);
    EXPECT_EQ(UiScript::lastText(), "The patient's account has been placed under cash basis for ( Central Supply Charges ) by "
                                    "the Billing Officer. Please advice the patient/watcher to see the Billing staff "
                                    "immediately for further instructions.");
    EXPECT_EQ(UiScript::shown().last().style & 0x70, vbExclamation);
    conn().execute("INSERT INTO STATION..tbNurseDeptClearance (IDNum, DepartmentID, ClearDate, ClearedBy) "
                   "VALUES (?, 'CS', ?, 'BL001')", {id, QDateTime::currentDateTime()});
    UiScript::reset();
    w->Form_KeyDown(118);
    EXPECT_EQ(UiScript::lastText(), "Patient is already cleared by (Central Supply Department). If you have requests to make, "
                                    "notify the Billing staff immediately for further instructions.");
    EXPECT_EQ(UiScript::shown().last().style & 0x70, vbInformation);
}

TEST_F(WorkspaceGates, VisitsAreRefusedForAClosedAccountOnlyNotForCashBasis)
{
    const QString id = visit(0);
    frmFinal* w = open(id);
    struct Case { QVariant billed; QString text; };
    const QString closed = "The patient's account has already been closed . If you have charges to make, notify the Billing "
                           "staff immediately for further instructions.";
    // An empty text: nothing refused, the supply entry opens.
    const Case cases[] = {{QVariant(QMetaType(QMetaType::QDateTime)), QString()},
                          {QDateTime(QDate(1900, 1, 1), QTime(0, 0)), QString()},
                          {QDateTime::currentDateTime(), closed}};
    for (const Case& c : cases) {
        conn().execute("UPDATE PATIENT_DATA..TBOUTPATIENT SET BillingDate = ? WHERE IDNum = ?", {c.billed, id});
        UiScript::reset();
        w->Form_KeyDown(118);
        EXPECT_EQ(UiScript::lastText(), c.text) << c.billed.toString().toStdString();
        EXPECT_EQ(UiScript::dialogsRun().contains("frmCSREntry"), c.text.isEmpty()) << c.billed.toString().toStdString();
    }
    // The action bar's "&Pharmacy" makes the same closed-account test.
    UiScript::reset();
    w->cmdNextPatient_Click(1);
    EXPECT_EQ(UiScript::lastText(), closed);
}

TEST_F(WorkspaceGates, CashAssessmentSkipsClearanceAndClosedAccount)
{
    const QString id = admission(3); // cleared by the Cathlab in the demo
    conn().execute("UPDATE PATIENT_DATA..tbPatient SET BillingDate = AdmDate WHERE IDNum = ?", {id});
    conn().execute("UPDATE PATIENT_DATA..tbPatient2 SET OkeyCL = 0 WHERE IDNum = ?", {id});
    frmFinal* w = open(id);
    EXPECT_EQ(press(w, 7), kOpensCash);
    delete frmCashAssessment::existing();
}

TEST_F(WorkspaceGates, EntryWindowReceivesDepartmentsCodeCaptionAndHeader)
{
    frmFinal* w = open(admission(0));
    // A stand-in with the members every prepared entry window has.
    QWidget target;
    auto* list = new QTreeWidget(&target);
    list->setObjectName("lvwDepartments");
    list->setColumnCount(2);
    auto* code = new QLabel(&target);
    code->setObjectName("lblDeptCode");
    QList<QLineEdit*> boxes;
    for (QLineEdit* mine : w->PatientHeaderBoxes()) {
        auto* box = new QLineEdit("stale", &target);
        box->setObjectName(mine->objectName());
        boxes << box;
    }
    const QStringList names = [&] { QStringList n; for (QLineEdit* b : boxes) n << b->objectName(); return n; }();
    EXPECT_EQ(names, QStringList({"txtPatient", "txtDoctor1", "txtDoctor2", "txtDoctor3", "txtID", "txtPno",
                                  "txtDateAdmitted", "txtDateDischarged", "txtDob", "txtRoom", "txtAge", "txtSex",
                                  "txtBloodType", "txtStatus", "txtAdiet", "txtDiagnosis"}));
    w->FillEntryWindow(&target, list, code, {{"CL", "CATH LABORATORY"}, {"MD", "PROFESSIONAL FEE"}}, "CHARGING ENTRY");
    w->FillEntryWindow(&target, list, code, {{"OX", "OXYGEN"}}, QString());
    ASSERT_EQ(list->topLevelItemCount(), 3); // appended, not replaced
    EXPECT_EQ(list->topLevelItem(0)->text(0), "CL");
    EXPECT_EQ(list->topLevelItem(1)->text(1), "PROFESSIONAL FEE");
    EXPECT_EQ(list->topLevelItem(2)->text(0), "OX");
    EXPECT_EQ(code->text(), "CL");
    EXPECT_EQ(target.windowTitle(), "CHARGING ENTRY"); // no caption: the window keeps its own
    // The header comes with the patient value: its texts are the workspace's, box for box.
    std::array<QLineEdit*, 16> header;
    std::copy(boxes.begin(), boxes.end(), header.begin());
    ShowPatientInHeader(header, w->Patient);
    for (int i = 0; i < boxes.size(); ++i) EXPECT_EQ(boxes[i]->text(), w->PatientHeaderBoxes()[i]->text()) << i;
    EXPECT_FALSE(boxes[0]->text().isEmpty());
}
