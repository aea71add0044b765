// Saving pharmacy and supply requests: the rows the log book gets, the request numbers it gives,
// the request form, the refusals before anything is written, and a failure in the middle of a
// save leaving nothing behind and the rows on screen.
#include "RequestsFixture.h"

#include "medication_requests/MedicationRequestData.h"
#include "medication_requests/frmCSREntry.h"
#include "medication_requests/frmPHEntry.h"
#include "platform/report/ReportLog.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class RequestSaveTest : public RequestsTest {
protected:
    template <class W>
    std::unique_ptr<W> open(const QString& idNum = QStringLiteral("TX0001"))
    {
        auto w = std::make_unique<W>(patient(idNum));
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        return w;
    }
    // Complete rows as the item entry leaves them, written straight into the grid.
    static void fillRows(RequestEntryWindow* w, const QList<QStringList>& rows)
    {
        EntryGrid* g = w->mshflexEntry;
        g->setRows(int(rows.size()) + 1);
        for (int r = 0; r < rows.size(); ++r) {
            g->setTextMatrix(r + 1, 0, QString::number(r + 1));
            for (int c = 0; c < rows[r].size(); ++c) g->setTextMatrix(r + 1, c + 1, rows[r][c]);
        }
    }
    QList<QStringList> saved(const QString& revenue)
    {
        const Recordset rs = conn().query(
            "SELECT ItemID, Description, COALESCE(Dosage, '') AS Dosage, Quantity, Amount, COALESCE(Remarks, '') AS Remarks, "
            "Stat, GenericFlag, UserID, StationID, PatientType, HospNum, TransactionKey, RequestNum "
            "FROM STATION..TBNURSECOMMUNICATIONFILE WHERE IDNum = 'TX0001' AND RevenueID = ? ORDER BY RequestNum",
            {revenue});
        QList<QStringList> out;
        for (int r = 0; r < rs.recordCount(); ++r) {
            QStringList row;
            for (int f = 0; f < rs.fieldCount(); ++f) row << DbValue::text(rs.valueAt(r, f)).trimmed();
            row[3] = QString::number(DbValue::toDouble(rs.valueAt(r, 3)));
            row[4] = QString::number(DbValue::toDouble(rs.valueAt(r, 4)));
            out << row;
        }
        return out;
    }
};

const QList<QStringList> kMedicines = {
    {"20103", "CLOPIDOGREL 75MG TAB TAB", "OD", "30", "1140", "AFTER BREAKFAST", "0", "38", "Y"},
    {"9001", "PARACETAMOL(ANALGESIC)", "Q6H", "4", "0", "", "1", "0", "N"},
};

TEST_F(RequestSaveTest, PharmacySaveWritesEachRowAndPrintsItsForm)
{
    setNursingFlag("PrintPHCSRequest", true);
    auto w = open<frmPHEntry>();
    fillRows(w.get(), kMedicines + QList<QStringList>{{}}); // the empty last row is passed over
    queueValidationAs("CL001", "CATH1");
    w->cmdMedOption[0]->click();
    EXPECT_TRUE(UiScript::texts().isEmpty()) << UiScript::lastText().toStdString();
    EXPECT_EQ(UiScript::dialogsRun().mid(0, 2), QStringList({"frmRequestingDoctor", "frmTransaction_UserValidation"}));
    const QList<QStringList> rows = saved("PH");
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].mid(0, 12), QStringList({"20103", "CLOPIDOGREL 75MG TAB TAB", "OD", "30", "1140", "AFTER BREAKFAST", "Y", "0",
                                               "CL001", "CL", "I", "T9001"}));
    EXPECT_EQ(rows[1].mid(0, 8), QStringList({"9001", "PARACETAMOL(ANALGESIC)", "Q6H", "4", "0", "", "N", "1"}));
    // One transaction, and each row's number is the one the log book made.
    EXPECT_EQ(rows[0][12], rows[1][12]);
    EXPECT_EQ(w->SavedRequestNumbers, QStringList({rows[0][13], rows[1][13]}));
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..tbNurseLogbook WHERE IDNum = 'TX0001' AND RevenueID = 'PH'"), 2);
    // No supervisor approval was given during this save: no bypass note, whatever an earlier action left.
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..tbBillAdjustInfo WHERE IDNum = 'TX0001'"), 0);
    ASSERT_EQ(ReportLog::calls().size(), 1);
    const ReportCall& form = ReportLog::calls().last();
    EXPECT_EQ(form.fileName(), "PHCSRequest.RPT");
    EXPECT_EQ(form.caption, "PHARMACY REQUEST FORM");
    EXPECT_EQ(form.shown, ReportShown::MedicationSheet);
    EXPECT_EQ(form.params.value(0).toString(), "ORIGINAL COPY");
    EXPECT_EQ(form.params.value(8).toString(), "PH");
    EXPECT_EQ(form.params.value(11).toBool(), false);
    EXPECT_TRUE(form.error.isEmpty()) << form.error.toStdString();
    EXPECT_TRUE(form.text.contains("CLOPIDOGREL 75MG TAB TAB"));
    EXPECT_TRUE(form.text.contains("PARACETAMOL(ANALGESIC)"));
    EXPECT_EQ(w->result(), QDialog::Accepted);
}

TEST_F(RequestSaveTest, SupplySaveWritesEachRowWithItsStat)
{
    auto w = open<frmCSREntry>();
    fillRows(w.get(), {{"30101", "GAUZE PAD 4X4 STERILE PACK", "", "5", "60", "", "12", "Y"},
                       {"30102", "SYRINGE 10CC PC", "", "2", "17", "FOR FLUSHING", "8.5", "N"}});
    queueValidationAs("CL001", "CATH1");
    w->cmdMedOption[0]->click();
    EXPECT_TRUE(UiScript::texts().isEmpty()) << UiScript::lastText().toStdString();
    const QList<QStringList> rows = saved("CS");
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].mid(0, 8), QStringList({"30101", "GAUZE PAD 4X4 STERILE PACK", "", "5", "60", "", "Y", "0"}));
    EXPECT_EQ(rows[1].mid(0, 8), QStringList({"30102", "SYRINGE 10CC PC", "", "2", "17", "FOR FLUSHING", "N", "0"}));
    EXPECT_TRUE(ReportLog::calls().isEmpty()); // the station prints no request forms
    EXPECT_EQ(w->result(), QDialog::Accepted);
}

// The third of five rows cannot be written (its request number is taken): nothing of the save
// stays, the user is told, and every row is still on screen.
TEST_F(RequestSaveTest, AFailureAtTheThirdOfFiveRowsLeavesNothing)
{
    struct Case {
        bool pharmacy;
        const char *message, *title;
        int icon;
    } cases[] = {{true, "Error While Saving Pharmacy Requests  ", "Notification", vbInformation},
                 {false, "Error while saving requested supplies.  ", "Warning!", vbCritical}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pharmacy ? "PH" : "CS");
        UiScript::reset();
        const qint64 before = requestCounter();
        conn().execute("DELETE FROM STATION..TBNURSECOMMUNICATIONFILE WHERE IDNum = 'TXOTHER'");
        conn().execute("INSERT INTO STATION..TBNURSECOMMUNICATIONFILE (RequestNum, IDNum, RevenueID, ItemID) "
                       "VALUES (?, 'TXOTHER', 'PH', 'X')",
                       {QStringLiteral("RQ%1").arg(before + 3)});
        std::unique_ptr<RequestEntryWindow> w;
        QList<QStringList> rows;
        if (c.pharmacy) {
            w = open<frmPHEntry>();
            for (const char* code : {"20101", "20102", "20103", "20104", "20106"})
                rows << QStringList{code, QStringLiteral("ITEM ") + code, "OD", "1", "10", "", "0", "10", "N"};
        } else {
            w = open<frmCSREntry>();
            for (const char* code : {"30101", "30102", "30103", "30104", "30105"})
                rows << QStringList{code, QStringLiteral("ITEM ") + code, "", "1", "10", "", "10", "N"};
        }
        fillRows(w.get(), rows);
        queueValidationAs("CL001", "CATH1");
        w->cmdMedOption[0]->click();
        ASSERT_FALSE(UiScript::shown().isEmpty());
        EXPECT_TRUE(UiScript::lastText().startsWith(c.message)) << UiScript::lastText().toStdString();
        EXPECT_GT(UiScript::lastText().size(), QString::fromLatin1(c.message).size()); // with the error's description
        EXPECT_EQ(UiScript::shown().last().title, c.title);
        EXPECT_EQ(UiScript::shown().last().style & 0x70, c.icon);
        EXPECT_EQ(requestsOf(c.pharmacy ? "PH" : "CS"), 0);
        EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..tbNurseLogbook WHERE IDNum = 'TX0001'"), 0);
        EXPECT_EQ(requestCounter(), before);
        EXPECT_EQ(w->mshflexEntry->Rows(), 6);
        EXPECT_EQ(w->mshflexEntry->TextMatrix(5, 1), rows[4][0]);
        EXPECT_TRUE(w->isVisible());
    }
}

TEST_F(RequestSaveTest, RefusalsBeforeAnythingIsWritten)
{
    struct Case {
        bool pharmacy;
        QList<QStringList> rows;
        const char* message;
    } cases[] = {
        {true, {{}, {"20103", "CLOPIDOGREL", "OD", "1", "38"}}, "Please enter medicines to request."},
        {false, {{}}, "Please enter supplies to request."},
        {true, {{"20103", "CLOPIDOGREL", "OD", "1", "38"}, {"9001", "PARACETAMOL(ANALGESIC)", " ", "4", "0"}},
         "Please provide dosage for PARACETAMOL(ANALGESIC)."},
        {true, {{"9001", "PARACETAMOL(ANALGESIC)", "OD", "", "0"}}, "Please enter quantity to request for PARACETAMOL(ANALGESIC)."},
        {false, {{"30101", "GAUZE PAD", "", "", "12"}}, "Please enter quantity to request for GAUZE PAD."},
        // Begun but not complete: never left out without a word.
        {false, {{"30101", "GAUZE PAD", "", "5", "60"}, {"ABCD"}}, "Please complete or delete the request for ABCD."},
        {true, {{"20103", "CLOPIDOGREL", "OD", "1", ""}}, "Please complete or delete the request for CLOPIDOGREL."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        UiScript::reset();
        std::unique_ptr<RequestEntryWindow> w;
        if (c.pharmacy) w = open<frmPHEntry>();
        else w = open<frmCSREntry>();
        fillRows(w.get(), c.rows);
        w->cmdMedOption[0]->click();
        EXPECT_EQ(UiScript::lastText(), c.message);
        EXPECT_EQ(UiScript::shown().last().title, "Notification");
        EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
        EXPECT_TRUE(w->isVisible());
    }
    EXPECT_EQ(requestsOf("PH") + requestsOf("CS"), 0);
}

TEST_F(RequestSaveTest, AccountGatesOfTheSave)
{
    auto w = open<frmPHEntry>();
    fillRows(w.get(), {kMedicines[0]});
    // A final discharge order while the station refuses requests after one.
    conn().execute("INSERT INTO STATION..TBNURSEDISCHARGENOTICE (IDNum, RecordStatus) VALUES ('TX0001', 'F')");
    setNursingFlag("NoRequestingAfterFinalNotice", true);
    Session.NursingSettings.NoRequestingAfterFinalNotice = true;
    w->cmdMedOption[0]->click();
    EXPECT_EQ(UiScript::lastText(), "Final discharge order was already sent for REYES, JUAN.\r\n\r\nYou have to revoke the discharge "
                                    "order to send additional requests.");
    EXPECT_EQ(UiScript::shown().last().style & 0x70, vbCritical);
    Session.NursingSettings.NoRequestingAfterFinalNotice = false;
    UiScript::reset();
    // A refused validation answered No writes nothing; Yes shows the validation again.
    queueValidationAs("CL001", "WRONG");
    UiScript::queueAnswer(vbOK); // the validation's own refusal
    UiScript::queueAnswer(vbYes);
    queueValidationAs("CL001", "WRONG");
    UiScript::queueAnswer(vbOK);
    UiScript::queueAnswer(vbNo);
    w->cmdMedOption[0]->click();
    EXPECT_EQ(UiScript::dialogsRun().count("frmTransaction_UserValidation"), 2);
    EXPECT_EQ(UiScript::lastText(), "Entered request(s) will not be saved! \r\nDo you want to save and send the request(s)?");
    EXPECT_EQ(UiScript::shown().last().title, "Confirmation");
    EXPECT_EQ(requestsOf("PH"), 0);
    EXPECT_TRUE(w->isVisible());
}

// A request is a posting: the validation never takes the cancelling mode (and its required
// reason) that another window's revocation left it in.
TEST_F(RequestSaveTest, TheValidationAsksNoReasonWhateverAnEarlierCallerLeft)
{
    Session.HospitalInfo.IsAllowEntryOfReasonForCancellation = true;
    auto w = open<frmPHEntry>();
    fillRows(w.get(), {kMedicines[0]});
    frmTransaction_UserValidation::instance()->PostOrCancel = 1;
    int postOrCancel = -1;
    queueValidationNotingMode(QStringLiteral("CL001"), QStringLiteral("CATH1"), &postOrCancel);
    // should the dialog want a reason: its notice, then no second try
    UiScript::queueAnswer(vbOK);
    UiScript::queueAnswer(vbNo);
    w->cmdMedOption[0]->click();
    EXPECT_EQ(postOrCancel, 0);
    EXPECT_FALSE(UiScript::texts().contains(QStringLiteral("Please enter reason for cancellation!")));
    EXPECT_EQ(requestsOf("PH"), 1);
    EXPECT_EQ(w->result(), QDialog::Accepted);
}

TEST_F(RequestSaveTest, BypassNoteCarriesEachRowsRequestNumber)
{
    MedicationRequestData::RequestSave in = requestSave("CS");
    in.supervisorUserId = " CL002 ";
    in.cancelReason = "Allowed urgent ";
    const QStringList numbers = MedicationRequestData::SaveRequests(
        conn(), in, {{"30101", "GAUZE", "", "5", "60", "", "Y", "0"}, {"30102", "SYRINGE", "", "2", "17", "", "N", "0"}});
    ASSERT_EQ(numbers.size(), 2);
    const Recordset notes = conn().query("SELECT ItemID, Amount, Quantity, SupervisorID, RequestNum, Remarks FROM "
                                         "STATION..tbBillAdjustInfo WHERE IDNum = 'TX0001' ORDER BY ItemID");
    ASSERT_EQ(notes.recordCount(), 2);
    for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(notes.textAt(r, "RequestNum"), numbers[r]);
        EXPECT_EQ(notes.textAt(r, "SupervisorID"), "CL002");
        EXPECT_EQ(notes.textAt(r, "Remarks"), "Allowed urgent Note: By pass Cash Basis Condition For STAT Request.");
    }
    EXPECT_DOUBLE_EQ(DbValue::toDouble(notes.valueAt(0, 1)), 60);
    EXPECT_DOUBLE_EQ(DbValue::toDouble(notes.valueAt(1, 2)), 2);
}

} // namespace
