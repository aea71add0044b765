// The pharmacy and supplies menu (its layout and the pharmacy gates in their order) and the
// reprint of request forms.
#include "RequestsFixture.h"

#include "medication_requests/MedicationRequestData.h"
#include "medication_requests/frmPharmacyRequest.h"
#include "medication_requests/frmRequestReprintPHCS.h"
#include "platform/report/ReportLog.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

class MenuTest : public RequestsTest {
protected:
    std::unique_ptr<frmPharmacyRequest> open(const QString& revenue, const QString& idNum = QStringLiteral("TX0001"))
    {
        LoadSettings();
        auto w = std::make_unique<frmPharmacyRequest>(revenue, patient(idNum));
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        return w;
    }
    void LoadSettings();
};

void MenuTest::LoadSettings()
{
    // What the workspace had read before it opened the menu.
    const Recordset rs = conn().query("SELECT PrintPHCSRequest FROM STATION..tbNursing_Settings");
    Session.NursingSettings.PrintPHCSRequest = DbValue::toLong(rs.value("PrintPHCSRequest")) != 0;
}

TEST_F(MenuTest, CaptionsAndTheReprintButtonFollowTheSettings)
{
    for (const bool print : {false, true}) {
        setNursingFlag("PrintPHCSRequest", print);
        setStationParameter("CLAllowPostReturn", print ? "1" : "0");
        auto ph = open("PH");
        EXPECT_EQ(ph->lblPharmacy->text(), "Pharmacy Menu");
        EXPECT_EQ(ph->cmdRequest[3]->text(), "Post Returned Medicines");
        EXPECT_EQ(ph->cmdRequest[3]->isEnabled(), print);
        EXPECT_EQ(ph->cmdRequest[4]->isVisible(), print);
        EXPECT_FALSE(ph->cmdRequest[0]->isVisible());
        EXPECT_FALSE(ph->cmdRequest[0]->isEnabled());
        // With the reprint, it stands below the returns button and Exit comes last.
        if (print) EXPECT_LT(ph->cmdRequest[4]->y(), ph->cmdRequest[2]->y());
        EXPECT_GT(ph->cmdRequest[2]->y(), ph->cmdRequest[3]->y());
        auto cs = open("CS");
        EXPECT_EQ(cs->lblPharmacy->text(), "Supplies Menu");
        EXPECT_EQ(cs->cmdRequest[3]->text(), "Post Returned Supplies");
    }
}

TEST_F(MenuTest, PharmacyGatesInTheirOrder)
{
    setNursingFlag("NoRequestingAfterFinalNotice", true);
    const QString closed = "The patient's account has already been closed. \r\n\r\nIf you have transactions to make, please notify "
                           "the Billing staff immediately for further instructions.";
    const QString cleared = "Patient is already cleared by (Pharmacy Department). If you have requests to make, notify the Billing "
                            "staff immediately for further instructions.";
    const QString notice = "Final discharge order was already sent for REYES, JUAN.\r\n\r\nYou have to revoke the discharge order "
                           "to send additional requests.";
    const QString cash = "The patient's account has been placed under cash basis for ( Pharmacy Charges ) by the Billing Officer. "
                         "Please advise the patient/watcher to see the Billing staff immediately for further instructions.";
    // Each state is lifted in turn: the first gate that fails speaks, then the next.
    conn().execute("UPDATE PATIENT_DATA..tbPatient SET BillingDate = ? WHERE IDNum = 'TX0001'", {QDateTime(QDate(2026, 12, 5), QTime(9, 0))});
    conn().execute("INSERT INTO STATION..tbNurseDeptClearance (IDNum, DepartmentID, ClearDate) VALUES ('TX0001', 'PH', ?)",
                   {QDateTime(QDate(2026, 12, 5), QTime(9, 0))});
    conn().execute("INSERT INTO STATION..TBNURSEDISCHARGENOTICE (IDNum, RecordStatus) VALUES ('TX0001', 'P')");
    conn().execute("INSERT INTO PATIENT_DATA..tbPatient2 (IDNum, OkeyPH) VALUES ('TX0001', 0)");
    const struct {
        const char* lift;
        QString message;
        int icon;
    } steps[] = {
        {"UPDATE PATIENT_DATA..tbPatient SET BillingDate = NULL WHERE IDNum = 'TX0001'", closed, vbExclamation},
        {"DELETE FROM STATION..tbNurseDeptClearance WHERE IDNum = 'TX0001'", cleared, vbInformation},
        {"DELETE FROM STATION..TBNURSEDISCHARGENOTICE WHERE IDNum = 'TX0001'", notice, vbCritical},
        {"UPDATE PATIENT_DATA..tbPatient2 SET OkeyPH = 1 WHERE IDNum = 'TX0001'", cash, vbExclamation},
    };
    auto w = open("PH");
    for (const auto& s : steps) {
        SCOPED_TRACE(s.message.toStdString());
        UiScript::reset();
        w->cmdRequest[1]->click();
        ASSERT_EQ(UiScript::texts(), QStringList({s.message}));
        EXPECT_EQ(UiScript::shown().last().title, "Notification");
        EXPECT_EQ(UiScript::shown().last().style & 0x70, s.icon);
        EXPECT_FALSE(UiScript::dialogsRun().contains("frmPHEntry"));
        EXPECT_TRUE(w->isVisible());
        conn().execute(s.lift);
    }
    UiScript::reset();
    w->cmdRequest[1]->click();
    EXPECT_TRUE(UiScript::texts().isEmpty());
    EXPECT_EQ(UiScript::dialogsRun(), QStringList({"frmPHEntry"}));
    // The hidden transcription button's action opens the notes without any gate.
    conn().execute("INSERT INTO STATION..tbNurseDeptClearance (IDNum, DepartmentID, ClearDate) VALUES ('TX0001', 'PH', ?)",
                   {QDateTime(QDate(2026, 12, 5), QTime(9, 0))});
    UiScript::reset();
    w->cmdRequest_Click(0);
    EXPECT_TRUE(UiScript::texts().isEmpty());
    EXPECT_EQ(UiScript::dialogsRun(), QStringList({"frmTranscription"}));
}

TEST_F(MenuTest, VisitsPassTheCashBasisGateAndSuppliesGoToTheWorkspaceGate)
{
    conn().execute("INSERT INTO PATIENT_DATA..tbPatient2 (IDNum, OkeyPH) VALUES ('TX0002B', 0)");
    Selection.SelectedPatientType = "O";
    auto ph = open("PH", "TX0002B");
    ph->cmdRequest[1]->click();
    EXPECT_EQ(UiScript::dialogsRun(), QStringList({"frmPHEntry"}));
    // Supplies: none of the pharmacy gates, the workspace's own instead.
    conn().execute("UPDATE PATIENT_DATA..TBOUTPATIENT SET BillingDate = ? WHERE IDNum = 'TX0002B'", {QDateTime(QDate(2026, 12, 5), QTime(9, 0))});
    UiScript::reset();
    auto cs = open("CS", "TX0002B");
    int gate = 0;
    cs->CentralSupplyGate = [&gate] { ++gate; };
    cs->cmdRequest[1]->click();
    EXPECT_EQ(gate, 1);
    EXPECT_TRUE(UiScript::texts().isEmpty());
    cs->cmdRequest[0]->click(); // hidden; in supplies mode it does nothing
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
    cs->cmdRequest[2]->click();
    EXPECT_FALSE(cs->isVisible());
}

class ReprintTest : public RequestsTest {
protected:
    // Two saves of pharmacy requests and one of supplies for the test admission.
    void SetUp() override
    {
        RequestsTest::SetUp();
        MedicationRequestData::RequestSave in = requestSave("PH");
        first = MedicationRequestData::SaveRequests(conn(), in, {{"20101", "PARACETAMOL 500MG TAB TAB", "OD", "3", "13.5", "", "N", "0"},
                                                                 {"20102", "ASPIRIN 80MG TAB TAB", "OD", "1", "2.25", "", "N", "0"}});
        conn().execute("UPDATE STATION..TBNURSECOMMUNICATIONFILE SET RequestDate = ? WHERE RequestNum IN (?, ?)",
                       {QDateTime(QDate(2026, 12, 3), QTime(9, 0)), first[0], first[1]});
        second = MedicationRequestData::SaveRequests(conn(), in, {{"20103", "CLOPIDOGREL 75MG TAB TAB", "OD", "1", "38", "", "Y", "0"}});
        in.revenue = "CS";
        MedicationRequestData::SaveRequests(conn(), in, {{"30101", "GAUZE PAD 4X4 STERILE PACK", "", "5", "60", "", "N", "0"}});
    }
    std::unique_ptr<frmRequestReprintPHCS> open(const QString& revenue)
    {
        auto w = std::make_unique<frmRequestReprintPHCS>(revenue, patient());
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        return w;
    }
    QStringList first, second;
};

TEST_F(ReprintTest, ListsTransactionsAndReprintsTheOneShownAsADuplicate)
{
    auto w = open("PH");
    ASSERT_EQ(w->mshPerTransaction->Rows(), 3); // latest first
    EXPECT_EQ(w->mshPerTransaction->TextMatrix(1, 3), "1");
    EXPECT_EQ(w->mshPerTransaction->TextMatrix(2, 3), "2");
    EXPECT_EQ(w->mshPerTransaction->TextMatrix(2, 1), "12/03/2026 09:00:00 AM");
    EXPECT_EQ(w->mshPerTransaction->TextMatrix(2, 2), "CL001");
    // Nothing chosen yet.
    w->cmdPrint->click();
    EXPECT_EQ(UiScript::lastText(), "Please select request transaction to reprint.");
    // The older transaction chosen: its items, dosage included.
    w->mshPerTransaction->setCurrentCell(2, 1);
    w->LoadRequestItems();
    ASSERT_EQ(w->mshDetailed->Rows(), 3);
    EXPECT_EQ(w->mshDetailed->TextMatrix(1, 1), "20101");
    EXPECT_EQ(w->mshDetailed->TextMatrix(1, 3), "OD");
    // The validation refused: nothing printed, nothing said.
    UiScript::reset();
    UiScript::queueAnswer(vbOK);
    queueValidationAs("CL001", "WRONG");
    w->cmdPrint->click();
    EXPECT_TRUE(ReportLog::calls().isEmpty());
    queueValidationAs("CL001", "CATH1");
    w->cmdPrint->click();
    ASSERT_EQ(ReportLog::calls().size(), 1);
    const ReportCall& form = ReportLog::calls().last();
    EXPECT_EQ(form.caption, "PHARMACY REQUEST FORM");
    EXPECT_EQ(form.params.value(0).toString(), "DUPLICATE COPY");
    EXPECT_EQ(form.params.value(8).toString(), "PH");
    EXPECT_TRUE(form.params.value(11).toBool());
    EXPECT_EQ(form.params.value(12).toString(), first[0]); // the transaction's key
    EXPECT_TRUE(form.text.contains("DUPLICATE COPY"));
    EXPECT_TRUE(form.text.contains("ASPIRIN 80MG TAB TAB"));
    EXPECT_FALSE(form.text.contains("CLOPIDOGREL")) << "another transaction's request";
}

TEST_F(ReprintTest, SuppliesHideTheFrequencyAndCaptionTheirForm)
{
    auto w = open("CS");
    EXPECT_EQ(w->mshDetailed->columnWidth(3), 0);
    ASSERT_EQ(w->mshPerTransaction->Rows(), 2);
    w->mshPerTransaction->setCurrentCell(1, 1);
    w->LoadRequestItems();
    queueValidationAs("CL001", "CATH1");
    w->cmdPrint->click();
    ASSERT_EQ(ReportLog::calls().size(), 1);
    EXPECT_EQ(ReportLog::calls().last().caption, "CENTRAL SUPPLIES REQUEST FORM");
    EXPECT_TRUE(ReportLog::calls().last().text.contains("GAUZE PAD"));
}

} // namespace
