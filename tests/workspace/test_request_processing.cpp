// The department's side of the requests other stations send it: the communication file, the
// processing window, the reprints and the confirmed schedules.
#include "support/TestDatabase.h"

#include "access/frmTransaction_UserValidation.h"
#include "exam_requests/frmCommunication.h"
#include "exam_requests/frmPrintRequestForm.h"
#include "exam_requests/frmProcessRequests.h"
#include "exam_requests/frmRequestReprint.h"
#include "exam_requests/frmScheduleRequestStatus.h"
#include "platform/report/ReportLog.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "workspace/frmFinal.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

class RequestProcessing : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        StationParameters().LoadParameters();
        // Only this test's requests are open for the department.
        conn().execute("UPDATE STATION..TBNURSECOMMUNICATIONFILE SET RecordStatus = 'X' WHERE RevenueID = 'CL'");
        const Recordset withCase = conn().query(
            "SELECT P.IDNum, P.HospNum, M.LastName, M.FirstName FROM CLINICAL_AREA..tbCLPatient P "
            "JOIN PATIENT_DATA..tbPatient A ON A.IDNum = P.IDNum JOIN PATIENT_DATA..tbMaster M ON M.HospNum = P.HospNum "
            "WHERE P.RecordStatus = 'X' AND P.DateDischarged IS NULL AND A.DcrDate IS NULL ORDER BY P.IDNum LIMIT 1");
        const Recordset without = conn().query(
            "SELECT A.IDNum, A.HospNum, M.LastName, M.FirstName FROM PATIENT_DATA..tbPatient A "
            "JOIN PATIENT_DATA..tbMaster M ON M.HospNum = A.HospNum WHERE A.DcrDate IS NULL AND A.HospNum NOT IN "
            "(SELECT HospNum FROM CLINICAL_AREA..tbCLPatient) ORDER BY A.IDNum LIMIT 1");
        ASSERT_FALSE(withCase.isEmpty());
        ASSERT_FALSE(without.isEmpty());
        caseId = withCase.text("IDNum");
        caseHosp = withCase.text("HospNum");
        noCaseId = without.text("IDNum");
        noCaseHosp = without.text("HospNum");
        noCaseName = without.text("LastName") + " " + without.text("FirstName");
        ReportLog::clear();
        UiScript::reset();
    }
    void addRequest(const QString& no, const QString& id, const QString& hosp, const QString& item, const QVariant& status,
                    const QString& printed = QString(), const QString& stat = "N", double amount = 1500)
    {
        conn().execute("INSERT INTO STATION..TBNURSECOMMUNICATIONFILE (RequestNum, IDNum, HospNum, RevenueID, ItemID, Quantity, "
                       "RequestDate, StationID, UserID, RecordStatus, Printed, Stat, Description, Amount) "
                       "VALUES (?, ?, ?, 'CL', ?, 1, ?, '3F', 'N01', ?, ?, ?, ?, ?)",
                       {no, id, hosp, item, QDateTime::currentDateTime().addSecs(-600), status, printed, stat,
                        "EXAM " + item, amount});
        conn().execute("INSERT INTO STATION..tbNurseLogbook (RequestNum, IDNum, RevenueID, ItemID, Quantity, RecordStatus) "
                       "VALUES (?, ?, 'CL', ?, 1, ?)",
                       {no, id, item, status});
    }
    QString statusOf(const QString& no)
    {
        return conn().query("SELECT COALESCE(RecordStatus, '') AS S FROM STATION..TBNURSECOMMUNICATIONFILE WHERE RequestNum = ?", {no}).text("S");
    }
    static int rowOf(FlexGrid* g, int col, const QString& text)
    {
        for (int r = 1; r < g->Rows(); ++r)
            if (g->TextMatrix(r, col).trimmed() == text) return r;
        return -1;
    }
    // The next validation: user CL001 with a typed reason.
    static void validateWithReason(const QString& reason)
    {
        UiScript::queueDialog("frmTransaction_UserValidation", [reason](QDialog* d) {
            auto* v = static_cast<frmTransaction_UserValidation*>(d);
            QTest::keyClicks(v->txtUserID, "CL001");
            QTest::keyClick(v->txtUserID, Qt::Key_Return);
            v->txtRemarks->setPlainText(reason);
            QTest::keyClicks(v->txtAccessCode, "CATH1");
            QTest::keyClick(v->txtAccessCode, Qt::Key_Return);
        });
    }
    QString caseId, caseHosp, noCaseId, noCaseHosp, noCaseName;
};

TEST_F(RequestProcessing, TheListShowsOpenRequestsWithTheirStatAndPrintedMarks)
{
    addRequest("T1", caseId, caseHosp, "CL101", QVariant());             // null status: open
    addRequest("T2", caseId, caseHosp, "CL102", QString(""), "P", "Y");   // empty status: open, printed STAT
    addRequest("T3", caseId, caseHosp, "CL103", QString("X"));
    addRequest("T4", caseId, caseHosp, "CL104", QString("R"));
    frmCommunication w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    FlexGrid* g = w.mfgrdPatient;
    ASSERT_EQ(g->Rows(), 3);
    EXPECT_EQ(g->Cols(), 13);
    EXPECT_TRUE(w.cmdPrint->isHidden());
    const int open = rowOf(g, 10, "T1"), stat = rowOf(g, 10, "T2");
    ASSERT_GT(open, 0);
    ASSERT_GT(stat, 0);
    EXPECT_EQ(g->TextMatrix(open, 0), caseId);
    EXPECT_EQ(g->TextMatrix(open, 4), "EXAM CL101");
    EXPECT_EQ(g->columnWidth(10), 0);
    for (int col : {0, 4, 12}) {
        EXPECT_EQ(g->item(stat, col)->foreground().color(), QColor(238, 0, 0)) << col;
        EXPECT_EQ(g->item(stat, col)->background().color(), QColor(192, 255, 192)) << col;
        EXPECT_NE(g->item(open, col)->background().color(), QColor(192, 255, 192)) << col;
    }
    // Nothing left open: the next activation says so.
    conn().execute("UPDATE STATION..TBNURSECOMMUNICATIONFILE SET RecordStatus = 'X' WHERE RevenueID = 'CL'");
    EXPECT_FALSE(w.Form_Activate());
}

TEST_F(RequestProcessing, AnEmptyListClosesTheWindow)
{
    frmCommunication w;
    runModal(&w);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(RequestProcessing, APatientWithoutADepartmentCaseIsNotProcessed)
{
    addRequest("T1", noCaseId, noCaseHosp, "CL101", QVariant());
    frmCommunication w;
    w.show();
    w.mfgrdPatient->setCurrentCell(1, 0);
    w.cmdChoose->click();
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(UiScript::lastText(), "Please register " + noCaseName + " as Cathlab patient first.");
    EXPECT_EQ(UiScript::shown()[0].title, "Message");
    EXPECT_FALSE(UiScript::dialogsRun().contains("frmProcessRequests"));
    EXPECT_EQ(statusOf("T1"), "");
}

TEST_F(RequestProcessing, RevocationActsOnlyOnARequestStillOpen)
{
    addRequest("T1", caseId, caseHosp, "CL101", QVariant());
    addRequest("T2", caseId, caseHosp, "CL102", QVariant());
    frmCommunication w;
    w.show();
    // Processed at another workstation after the list was read.
    w.mfgrdPatient->setCurrentCell(rowOf(w.mfgrdPatient, 10, "T1"), 0);
    conn().execute("UPDATE STATION..TBNURSECOMMUNICATIONFILE SET RecordStatus = 'X' WHERE RequestNum = 'T1'");
    UiScript::queueAnswer(vbYes);
    validateWithReason("WRONG EXAM");
    w.cmdRevoke->click();
    EXPECT_EQ(UiScript::lastText(), "This request was processed or revoked at another workstation meanwhile. Nothing was revoked.");
    EXPECT_EQ(statusOf("T1"), "X");
    EXPECT_EQ(w.mfgrdPatient->Rows(), 2); // the list read again

    // An open one is revoked with the typed reason; the question names patient and exam.
    UiScript::reset();
    w.mfgrdPatient->setCurrentCell(rowOf(w.mfgrdPatient, 10, "T2"), 0);
    UiScript::queueAnswer(vbYes);
    validateWithReason("WRONG EXAM");
    w.cmdRevoke->click();
    ASSERT_FALSE(UiScript::shown().isEmpty());
    EXPECT_TRUE(UiScript::shown()[0].text.startsWith("Do you want to revoke this request?\r\n\r\nPatient: "));
    EXPECT_TRUE(UiScript::shown()[0].text.endsWith("\r\nExam: EXAM CL102"));
    EXPECT_EQ(UiScript::shown()[0].title, "Question");
    EXPECT_EQ(statusOf("T2"), "R");
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..TBNURSECOMMUNICATIONFILE WHERE RequestNum = 'T2' AND RevokeReason = 'WRONG EXAM'"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..tbNurseLogbook WHERE RequestNum = 'T2' AND RevokeBy = 'CL001'"), 1);
}

TEST_F(RequestProcessing, CancellingTheValidationRevokesNothing)
{
    addRequest("T1", caseId, caseHosp, "CL101", QVariant());
    frmCommunication w;
    w.show();
    UiScript::queueAnswer(vbYes);
    w.cmdRevoke->click(); // the validation is closed by its frame
    EXPECT_EQ(statusOf("T1"), "");
    EXPECT_EQ(UiScript::shown().size(), 1);
}

// Opens the processing window from the list and runs the handler on it.
class Processing : public RequestProcessing {
protected:
    void process(const std::function<void(frmProcessRequests*)>& handler)
    {
        frmCommunication w;
        w.show();
        UiScript::queueDialog("frmProcessRequests", [handler](QDialog* d) { handler(static_cast<frmProcessRequests*>(d)); });
        w.mfgrdPatient->setCurrentCell(1, 0);
        w.cmdChoose->click();
        ASSERT_TRUE(UiScript::dialogsRun().contains("frmProcessRequests"));
    }
};

TEST_F(Processing, SavePrintProcessesEveryListedRequestAndPrintsItsForm)
{
    for (const char* no : {"T1", "T2", "T3"}) addRequest(no, caseId, caseHosp, QString("CL10") + no[1], QVariant());
    process([this](frmProcessRequests* p) {
        EXPECT_EQ(p->mshflexRequests->Rows(), 4);
        EXPECT_EQ(p->txtHospNum->text(), caseHosp);
        // T2 is excluded: it stays open.
        p->mshflexRequests->setCurrentCell(rowOf(p->mshflexRequests, 5, "T2"), 1);
        UiScript::queueAnswer(vbYes);
        p->mnuExclude->trigger();
        EXPECT_EQ(p->mshflexRequests->Rows(), 3);
        p->txtDoctorID->setText("D001");
        validateWithReason(QString());
        p->cmdSavePrint->click();
        EXPECT_FALSE(p->isVisible());
    });
    for (const char* no : {"T1", "T3"}) {
        SCOPED_TRACE(no);
        EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..TBNURSECOMMUNICATIONFILE WHERE RequestNum = ? AND RecordStatus = 'X' "
                        "AND CLForCharging = 'Y' AND Printed = 'P' AND RequestingDoctor = 'D001'", {no}), 1);
        const Recordset log = conn().query("SELECT RecordStatus, ProcessBy, ProcessDate FROM STATION..tbNurseLogbook WHERE RequestNum = ?", {no});
        EXPECT_EQ(log.text("RecordStatus"), "X");
        EXPECT_EQ(log.text("ProcessBy"), "CL001");
        EXPECT_TRUE(log.toDateTime("ProcessDate").isValid());
    }
    EXPECT_EQ(statusOf("T2"), "");
    ASSERT_EQ(ReportLog::calls().size(), 2);
    EXPECT_EQ(ReportLog::calls()[0].fileName(), "CathLabRequestForm.RPT");
    EXPECT_EQ(ReportLog::calls()[0].params.value(3), "T1");
    EXPECT_EQ(ReportLog::calls()[1].params.value(3), "T3");
    EXPECT_EQ(ReportLog::calls()[1].params.value(4), "0");
    EXPECT_EQ(ReportLog::calls()[1].caption, "Print Request Form");
    EXPECT_EQ(ReportLog::calls()[1].shown, ReportShown::MedicationSheet);
    EXPECT_TRUE(ReportLog::calls()[1].error.isEmpty()) << ReportLog::calls()[1].error.toStdString();
}

TEST_F(Processing, RefusalsBeforeAnythingIsWritten)
{
    struct Case { double amount; const char* doctor; bool validate; const char* message; } cases[] = {
        {0, "D001", false, "Zero amount is not allowed for processing."},
        {1500, "", false, "Please provide requesting doctor."},
        {1500, "D001", false, "Requests were not processed."}, // the validation closed by its frame
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        conn().execute("UPDATE STATION..TBNURSECOMMUNICATIONFILE SET RecordStatus = 'R' WHERE RevenueID = 'CL'");
        const QString no = QString("R%1").arg(++n);
        addRequest(no, caseId, caseHosp, "CL101", QVariant(), QString(), "N", c.amount);
        UiScript::reset();
        process([&c](frmProcessRequests* p) {
            p->txtDoctorID->setText(QString::fromLatin1(c.doctor));
            p->cmdSave->click();
            EXPECT_EQ(UiScript::lastText(), c.message);
            EXPECT_EQ(UiScript::shown().last().title, "Notification");
        });
        EXPECT_EQ(statusOf(no), "");
    }
}

TEST_F(Processing, ZeroInTheDoctorBoxLetsADoctorNotOnFileBeTypedByName)
{
    addRequest("T1", caseId, caseHosp, "CL101", QVariant());
    process([](frmProcessRequests* p) {
        p->txtDoctor->setText("OLD NAME");
        p->txtDoctorID->clear();
        QTest::keyClicks(p->txtDoctorID, "a");
        EXPECT_EQ(p->txtDoctorID->text(), "A"); // in capitals
        EXPECT_EQ(p->txtDoctor->text(), "");    // any other key empties the name
        p->txtDoctorID->setText("0");
        QTest::keyClick(p->txtDoctorID, Qt::Key_Return);
        EXPECT_FALSE(p->cmdDoctor->isEnabled());
        EXPECT_FALSE(p->txtDoctor->isReadOnly());
        QTest::keyClicks(p->txtDoctor, "DR. VISITING");
        validateWithReason(QString());
        p->cmdSave->click();
    });
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..TBNURSECOMMUNICATIONFILE WHERE RequestNum = 'T1' AND RecordStatus = 'X' "
                    "AND RequestingDoctor = '0' AND RequestingDoctorName = 'DR. VISITING'"), 1);
}

TEST_F(Processing, AlreadyChargedRowsAreSkippedAndAnAllSkippedSaveSaysSo)
{
    addRequest("T1", caseId, caseHosp, "CL101", QVariant());
    addRequest("T2", caseId, caseHosp, "CL102", QVariant());
    conn().execute("INSERT INTO BILLING..tbBillDailyBill (IDNum, RevenueID, DrCr, ItemID, Quantity, Amount) VALUES (?, 'CL', 'D', 'CL101', 1, 1500)",
                   {caseId});
    process([](frmProcessRequests* p) {
        p->txtDoctorID->setText("D001");
        validateWithReason(QString());
        p->cmdSave->click();
        EXPECT_FALSE(p->isVisible());
    });
    EXPECT_TRUE(UiScript::texts().contains("EXAM CL101 was previously charged. Please double-check list of charges."));
    EXPECT_EQ(statusOf("T1"), "");
    EXPECT_EQ(statusOf("T2"), "X");
    EXPECT_TRUE(ReportLog::calls().isEmpty());

    // Only the charged one left: nothing is processed, and the save says so.
    UiScript::reset();
    process([](frmProcessRequests* p) {
        p->txtDoctorID->setText("D001");
        validateWithReason(QString());
        p->cmdSave->click();
    });
    EXPECT_EQ(UiScript::lastText(), "No request was processed: every item on the list was skipped.");
    EXPECT_EQ(statusOf("T1"), "");
}

TEST_F(Processing, ARequestProcessedMeanwhileIsLeftAsItIsAndNamed)
{
    addRequest("T1", caseId, caseHosp, "CL101", QVariant());
    addRequest("T2", caseId, caseHosp, "CL102", QVariant());
    process([this](frmProcessRequests* p) {
        conn().execute("UPDATE STATION..TBNURSECOMMUNICATIONFILE SET RecordStatus = 'R' WHERE RequestNum = 'T2'");
        p->txtDoctorID->setText("D001");
        validateWithReason(QString());
        p->cmdSave->click();
    });
    EXPECT_TRUE(UiScript::lastText().endsWith("EXAM CL102")) << UiScript::lastText().toStdString();
    EXPECT_EQ(statusOf("T1"), "X");
    EXPECT_EQ(statusOf("T2"), "R");
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..tbNurseLogbook WHERE RequestNum = 'T2' AND ProcessBy IS NOT NULL"), 0);
}

TEST_F(RequestProcessing, ReprintSearchRefusalsAndMissingRows)
{
    frmRequestReprint requests;
    frmRequestCensusCharging census;
    EXPECT_EQ(requests.cboSearchType->currentText(), "Lastname");
    struct Case { RequestReprintWindow* w; int type; const char* key; const char* message; } cases[] = {
        {&requests, -1, "SMITH", "Please select search type."},
        {&census, -1, "SMITH", "Please select search type."},
        {&requests, 2, "   ", "Please enter search key."},
        {&census, 0, "", "Please enter search key."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        UiScript::reset();
        c.w->cboSearchType->setCurrentIndex(c.type);
        c.w->txtKey->setText(QString::fromLatin1(c.key));
        c.w->lblRegister_Click();
        ASSERT_EQ(UiScript::shown().size(), 1);
        EXPECT_EQ(UiScript::lastText(), c.message);
        EXPECT_EQ(UiScript::shown()[0].title, "Notification");
    }
    // Reprint before any search: the blank row.
    UiScript::reset();
    requests.cmdPrint->click();
    census.cmdPrint->click();
    EXPECT_EQ(UiScript::texts(), QStringList({"Please select request to proceed printing of request form.",
                                              "Please select patient case to print."}));
    EXPECT_TRUE(ReportLog::calls().isEmpty());
}

TEST_F(RequestProcessing, ReprintSearchesTakeTypedKeysSafelyAndReprintTheChosenRow)
{
    addRequest("T1", caseId, caseHosp, "CL101", QString("X"));
    frmRequestReprint w;
    w.show();
    // A quote in the key is searched for, not run.
    w.cboSearchType->setCurrentIndex(2);
    QTest::keyClicks(w.txtKey, "o'b");
    EXPECT_EQ(w.txtKey->text(), "O'B");
    QTest::keyClick(w.txtKey, Qt::Key_Return);
    EXPECT_TRUE(UiScript::shown().isEmpty()) << UiScript::lastText().toStdString();
    EXPECT_EQ(w.mshRequests->TextMatrix(1, 11), "");
    // By admission number: the request, whatever its state.
    w.cboSearchType->setCurrentIndex(1);
    w.txtKey->setText(caseId);
    w.lblRegister_Click();
    const int row = rowOf(w.mshRequests, 11, "T1");
    ASSERT_GT(row, 0);
    EXPECT_EQ(w.mshRequests->TextMatrix(row, 10), "X");
    w.mshRequests->setCurrentCell(row, 1);
    w.cmdPrint->click();
    ASSERT_EQ(ReportLog::calls().size(), 1);
    EXPECT_EQ(ReportLog::calls()[0].params.value(3), "T1");
    EXPECT_EQ(ReportLog::calls()[0].params.value(2).toString(), ReportLog::calls()[0].params.value(2).toString().toUpper());
    EXPECT_EQ(statusOf("T1"), "X"); // a reprint changes nothing
}

TEST_F(RequestProcessing, AConfirmedScheduleIsRevokedOnlyBeforeItsTime)
{
    const QDateTime now = conn().serverDateTime();
    const auto add = [this](const QDateTime& when, const char* status) {
        conn().execute("INSERT INTO SCHEDULE..tbORRequest (ScheduleDate, Description, IDNum, HospNum, StationID, RecordStatus) "
                       "VALUES (?, 'VALVE REPLACEMENT', ?, ?, 'CL', ?)",
                       {when, caseId, caseHosp, QString::fromLatin1(status)});
    };
    add(now.addDays(-1), "C");
    add(now.addDays(2), "C");
    add(now.addDays(3), "P"); // not confirmed: not listed
    signIn();
    frmScheduleRequestStatus w;
    EXPECT_TRUE(w.fraPendingRequest->isVisibleTo(&w));
    ASSERT_EQ(w.mshflexPending->Rows(), 3);
    EXPECT_FALSE(w.cmdPending[1]->isEnabled());
    EXPECT_EQ(w.lblRecNum->text(), "1  out of  2");
    EXPECT_EQ(w.lblInstructions->text(), "Click on the List to Select a Patient.");
    EXPECT_TRUE(w.lblInstructions->isVisibleTo(&w));
    EXPECT_FALSE(w.imgMaouse->pixmap().isNull());
    const auto choose = [&w](int row) {
        w.mshflexPending->setCurrentCell(row, 1);
        Q_EMIT w.mshflexPending->cellClicked(row, 1);
    };
    // The one whose time has passed (listed first).
    choose(1);
    w.cmdPending[1]->click();
    EXPECT_EQ(UiScript::lastText(), "Can't Revoke this Confirmed Request! Please check the schedule date...");
    EXPECT_EQ(count("SELECT COUNT(*) FROM SCHEDULE..tbORRequest WHERE RecordStatus = 'C'"), 2);
    // The coming one, revoked at another workstation meanwhile: the procedure refuses.
    choose(2);
    conn().execute("UPDATE SCHEDULE..tbORRequest SET RecordStatus = 'R' WHERE ScheduleDate > ?", {now});
    UiScript::queueAnswer(vbYes);
    w.cmdPending[1]->click();
    EXPECT_EQ(UiScript::lastText(), "This schedule is no longer confirmed or its time has come. Nothing was revoked.");
    // Confirmed again and revoked.
    conn().execute("UPDATE SCHEDULE..tbORRequest SET RecordStatus = 'C', RevokedBy = NULL WHERE Description = 'VALVE REPLACEMENT' "
                   "AND ScheduleDate > ? AND ScheduleDate < ?", {now, now.addDays(2).addSecs(60)});
    w.Form_Load();
    EXPECT_FALSE(w.cmdPending[1]->isEnabled());
    choose(2);
    UiScript::queueAnswer(vbYes);
    w.cmdPending[1]->click();
    EXPECT_EQ(UiScript::lastText(), "Data Successfully Revoked!");
    EXPECT_EQ(count("SELECT COUNT(*) FROM SCHEDULE..tbORRequest WHERE RecordStatus = 'R' AND RevokedBy = 'CL001'"), 1);
    EXPECT_EQ(w.mshflexPending->Rows(), 2);
    EXPECT_FALSE(w.cmdPending[1]->isEnabled());
}

} // namespace

namespace {

class LabFormReprint : public DbTest {
protected:
    void TearDown() override
    {
        delete frmFinal::existing();
        DbTest::TearDown();
    }
    void addPosted(const QString& no, const QString& exam, const QString& section, const QString& stat)
    {
        conn().execute("INSERT INTO STATION..TBNURSECOMMUNICATIONFILE (RequestNum, IDNum, HospNum, RevenueID, ItemID, Quantity, "
                       "RequestDate, StationID, UserID, RecordStatus, Stat, SectionID, ReferenceNum, TransplantID, DialysisID) "
                       "VALUES (?, ?, 'H1', 'LB', ?, 1, ?, 'CL', 'CL001', 'X', ?, ?, 'LR777', '1', '2')",
                       {no, m_id, exam, QDateTime::currentDateTime(), stat, section});
    }
    frmPrintRequestForm* open(const QString& id)
    {
        m_id = id;
        PatientContext patient;
        patient.IDNum = id;
        DialogAnswers.LastRequestRefNum = QStringLiteral("LR777 ");
        m_form = std::make_unique<frmPrintRequestForm>(patient);
        return m_form.get();
    }
    int formLines() { return count("SELECT COUNT(*) FROM LABORATORY..tbLabRequestForm WHERE RequestNum IN ('L1', 'L2')"); }
    QString m_id;
    std::unique_ptr<frmPrintRequestForm> m_form;
};

TEST_F(LabFormReprint, ReprintWritesEachLineWithItsOwnUrgencyAndPrintsOnce)
{
    signIn();
    for (const char* id : {"2026000001", "2026000001B"}) {
        SCOPED_TRACE(id);
        ReportLog::clear();
        frmPrintRequestForm* w = open(QString::fromLatin1(id));
        // No posted exam under the reference number yet: nothing written or printed.
        const int before = formLines();
        w->cmdOption[1]->click();
        EXPECT_TRUE(ReportLog::calls().isEmpty());
        EXPECT_EQ(formLines(), before);
        conn().execute("DELETE FROM STATION..TBNURSECOMMUNICATIONFILE WHERE RequestNum IN ('L1', 'L2')");
        addPosted("L1", "CBC", "HEMA", "Y");
        addPosted("L2", "FBS", "CHEM", "N");
        w = open(QString::fromLatin1(id));
        w->cmdOption[1]->click();
        const Recordset lines = conn().query("SELECT RequestNum, Stat, SectionID FROM LABORATORY..tbLabRequestForm "
                                             "WHERE RequestNum IN ('L1', 'L2') ORDER BY RequestNum");
        ASSERT_EQ(lines.recordCount(), 2);
        EXPECT_EQ(lines.textAt(0, "Stat"), "Y");
        EXPECT_EQ(lines.textAt(1, "Stat"), "N");
        ASSERT_EQ(ReportLog::calls().size(), 1);
        const ReportCall& call = ReportLog::calls()[0];
        EXPECT_EQ(call.fileName(), "LabRequestForm.RPT");
        EXPECT_EQ(call.caption, "REPRINT LABORATORY REQUEST FORM");
        EXPECT_EQ(call.shown, ReportShown::Viewer);
        EXPECT_EQ(call.params.value(9), "LR777");
        EXPECT_EQ(call.params.value(11), "STAT");
        EXPECT_EQ(call.params.value(12), "Transplant");
        EXPECT_EQ(call.params.value(13), "Post-Dialysis");
        EXPECT_EQ(call.params.value(15), QString::fromLatin1(id).endsWith('B') ? "Out-Patient" : "In-Patient");
        EXPECT_EQ(call.params.value(17), "CHEM");
    }
}

} // namespace
