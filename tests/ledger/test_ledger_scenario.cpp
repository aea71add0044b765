// One admission's ledger followed across every window that posts to it, on the demo hospital: a
// nurse's day driven through the real windows with their dialogs scripted, the ledger checked after
// each step; and two workstations charging and revoking on one admission at once.
#include "access/AccessTestSupport.h"
#include "charging/ChargingComponents.h"
#include "support/LedgerCheck.h"
#include "support/RegistrationEntry.h"
#include "support/ScriptedValidation.h"
#include "support/TestDatabase.h"
#include "receivables/ReceivableTest.h"
#include "returns/ReturnsFixture.h"

#include "access/ActionApproval.h"
#include "platform/text/Format.h"
#include "shared/text/TypedNumbers.h"
#include "platform/text/NumberRange.h"
#include "assessment/CashCMData.h"
#include "assessment/frmCashAssessment.h"
#include "assessment/frmCashCM.h"
#include "charging/ChargeEntryRow.h"
#include "charging/ChargePostedList.h"
#include "charging/ChargeRevocation.h"
#include "charging/ChargeSave.h"
#include "charging/frmCharge.h"
#include "exam_requests/frmRequest.h"
#include "ordering/frmRemarks.h"
#include "registration/frmRegistration.h"
#include "components/StationComponents.h"
#include "components/patient_search/clsPatientSearch.h"
#include "medication_requests/frmPharmacyRequest.h"
#include "platform/db/Connection.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "receivables/ReceivableValues.h"
#include "receivables/frmRecievable.h"
#include "receivables/frmSearchRecievable.h"
#include "returns/frmReturn.h"
#include "shared/clsParameters.h"
#include "shared/doctors/frmDoctorsFee.h"
#include "shared/modGlobals.h"
#include "components/code_search/frmCodeSearchList.h"
#include "workspace/frmFinal.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include <barrier>
#include <functional>
#include <memory>
#include <thread>

namespace {

// The demo in-patient the nurse charges (no clearance, charged on account).
const QString kInPatient = QStringLiteral("2026000015");
// A demo in-patient whose account is under cash basis: assessed, then paid at the cashier's.
const QString kCashBasis = QStringLiteral("2026000014");
// A demo stay discharged and billed, open to late charges.
const QString kDischarged = QStringLiteral("2026000901");

class LedgerScenario : public ReturnsTest {
protected:
    void SetUp() override
    {
        ReturnsTest::SetUp();
        StationParameters().LoadParameters();
        Session.HospitalInfo.IsShowAmount = true;
        Session.HospitalInfo.IsAllowSupervisorCodeForCancellationOfCharges = false;
        m_components = std::make_unique<ChargingComponents>(conn());
        m_search = std::make_unique<clsPatientSearch>(QStringLiteral("MasterSearch.clsPatientSearch"));
        m_search->InitConnection(&conn(), QString());
        Session.PatientSearch = m_search.get();
        Receivable.reset();
    }
    void TearDown() override
    {
        delete frmCharge::existing();
        delete frmRegistration::existing();
        delete frmCashAssessment::existing();
        delete frmRecievable::existing();
        frmSearchRecievable::Unload();
        delete frmFinal::existing();
        Session.PatientSearch = nullptr;
        m_search.reset();
        m_components.reset();
        Receivable.reset();
        ReturnsTest::TearDown();
    }

    // The workspace opened on an admission as the patient lists hand it over.
    frmFinal* workspace(const QString& id)
    {
        delete frmFinal::existing();
        const bool out = id.endsWith(QLatin1Char('B'));
        Selection.SelectedIDNum = id;
        Selection.SelectedHospNum = DbValue::text(conn().scalar(
            QStringLiteral("SELECT HospNum FROM %1 WHERE IDNum = ?").arg(out ? QStringLiteral("PATIENT_DATA..TBOUTPATIENT") : QStringLiteral("PATIENT_DATA..tbPatient")),
            {id}));
        Selection.SelectedPatientType = out ? QStringLiteral("O") : QStringLiteral("I");
        frmFinal* w = frmFinal::instance();
        w->txtPno->setText(Selection.SelectedHospNum);
        w->txtID->setText(id);
        w->Timer1_Timer();
        return w;
    }

    // ---- the charging entry, opened from the workspace's action bar ----
    frmCharge* charging(const QString& id)
    {
        delete frmCharge::existing();
        UiScript::reset();
        workspace(id)->cmdNextPatient_Click(5);
        EXPECT_TRUE(frmCharge::isLoaded()) << UiScript::lastText().toStdString();
        return frmCharge::isLoaded() ? frmCharge::existing() : nullptr;
    }
    void type(const QString& text)
    {
        QLineEdit* box = frmCharge::existing()->txtEntry;
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    // Department, item and (for a row that asks for it) quantity typed as a nurse does, then Enter
    // through what the row offers after it (the unit price where it may be edited) to the next row.
    void charge(const QString& dept, const QString& item, const QString& qty = QString())
    {
        type(dept);
        type(item);
        if (qty.isEmpty()) return;
        type(qty);
        EntryGrid* grid = frmCharge::existing()->mshflexEntry;
        for (int n = 0; n < 4 && grid->Col() != ChargeEntryRow::Dept; ++n)
            QTest::keyClick(frmCharge::existing()->txtEntry, Qt::Key_Return);
    }
    // Save, confirmed, validated; the requesting doctor left as the workspace gave it.
    QString saveCharges()
    {
        frmCharge* w = frmCharge::existing();
        const QString before = w->CurrentSlipNumber;
        queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
        w->Command1[0]->click();
        return w->CurrentSlipNumber == before ? QString() : w->CurrentSlipNumber;
    }
    // Revokes the posted line of an item (its charge, not a reversal) with Revoke, confirmed and
    // validated with a reason.
    void revoke(const QString& item)
    {
        frmCharge* w = frmCharge::existing();
        FlexGrid* list = w->MSHFlexList;
        int row = 0;
        for (int r = 1; r < list->Rows() && !row; ++r)
            if (list->TextMatrix(r, PostedChargeRow::ItemCode) == item && !list->TextMatrix(r, PostedChargeRow::Amount).startsWith(QLatin1Char('-')))
                row = r;
        ASSERT_GT(row, 0) << item.toStdString() << " is not in the posted list";
        list->setCurrentCell(row, PostedChargeRow::Dept);
        UiScript::reset();
        AccessTest::queueValidation(QStringLiteral("CL001"), QStringLiteral("CATH1"), QStringLiteral("NOT USED"));
        // where the hospital asks for a supervisor on revocations
        AccessTest::queueSupervisor(QStringLiteral("CL001"), QStringLiteral("CATH1"));
        w->cmdOption[1]->click();
        EXPECT_EQ(UiScript::texts().value(0), QStringLiteral("Are you sure you want to revoke %1?").arg(list->TextMatrix(row, PostedChargeRow::Description)))
            << UiScript::texts().join(QStringLiteral(" | ")).toStdString();
    }

    // Returns some of a medicine issued to the admission through the workspace's pharmacy menu, "Post
    // Returned Medicines", validated with a reason.
    void returnMedicine(const QString& id, const QString& item, const QString& quantity)
    {
        UiScript::reset();
        UiScript::queueDialog(QStringLiteral("frmPharmacyRequest"), [](QDialog* d) {
            QPushButton* post = static_cast<frmPharmacyRequest*>(d)->cmdRequest[3];
            EXPECT_TRUE(post->isEnabled());
            post->click();
        });
        UiScript::queueDialog(QStringLiteral("frmReturn"), [item, quantity](QDialog* d) {
            auto* r = static_cast<frmReturn*>(d);
            queuePick(item);
            QTest::keyClick(r->txtEntry, Qt::Key_Return);
            r->txtEntry->selectAll();
            QTest::keyClicks(r->txtEntry, quantity);
            QTest::keyClick(r->txtEntry, Qt::Key_Return);
            queueValidationWithReason(QStringLiteral("NOT USED"));
            AccessTest::queueSupervisor(QStringLiteral("CL001"), QStringLiteral("CATH1"));
            r->cmdPrintSave->click();
        });
        workspace(id)->cmdNextPatient_Click(1);
        EXPECT_EQ(UiScript::dialogsRun().mid(0, 4),
                  QStringList({"frmPharmacyRequest", "frmReturn", "frmCodeSearchList", "frmTransaction_UserValidation"}))
            << UiScript::texts().join(QStringLiteral(" | ")).toStdString();
    }
    // A late charge typed on the receivable update for a discharged admission picked through its
    // search, saved, confirmed and validated.
    void lateCharge(const QString& id, const QString& dept, const QString& item, const QString& qty)
    {
        UiScript::reset();
        frmRecievable* w = frmRecievable::instance();
        w->show();
        ReceivableTest::pickThroughSearch(id, id.endsWith(QLatin1Char('B')));
        for (const QString& typed : {dept, item, qty}) {
            w->txtEntry->selectAll();
            QTest::keyClick(w->txtEntry, Qt::Key_Backspace);
            QTest::keyClicks(w->txtEntry, typed);
            QTest::keyClick(w->txtEntry, Qt::Key_Return);
        }
        queueValidationAs(QStringLiteral("CL002"), QStringLiteral("CATH2"));
        UiScript::queueAnswer(vbYes); // the confirmation
        UiScript::queueAnswer(vbYes); // the pre-printed form
        w->Command1[0]->click();
    }
    // A new person registered as an out-patient on the registration window; gives the visit's number.
    QString registerOutPatient(const QString& lastName)
    {
        UiScript::reset();
        NewPersonEntry(lastName)->cmdSave->click();
        EXPECT_EQ(UiScript::texts(), QStringList{QStringLiteral("Successfully registered as Cathlab patient.")});
        return DbValue::text(conn().scalar(QStringLiteral("SELECT MAX(O.IDNum) FROM PATIENT_DATA..TBOUTPATIENT O JOIN PATIENT_DATA..tbMaster M "
                                                          "ON M.HospNum = O.HospNum WHERE M.LastName = ?"),
                                           {lastName}));
    }
    // A laboratory exam searched from the workspace ("Search Laboratory Exams"), Enter through
    // its STAT and remarks, accepted into the orders grid, then the grid saved and validated.
    void orderExam(const QString& id, const QString& exam)
    {
        UiScript::reset();
        frmFinal* w = workspace(id);
        UiScript::queueDialog(QStringLiteral("frmRequest"), [exam](QDialog* d) {
            auto* r = static_cast<frmRequest*>(d);
            UiScript::queueDialog(QStringLiteral("frmRemarks"), [](QDialog* remarks) { static_cast<frmRemarks*>(remarks)->Command1->click(); });
            QTest::keyClicks(r->txtEntry, exam);
            for (int i = 0; i < 3; ++i) QTest::keyClick(r->txtEntry, Qt::Key_Return); // code, STAT, remarks
            r->cmdOption[0]->click();
        });
        w->cmdLabMore->click();
        EXPECT_EQ(w->mshflexOrders->TextMatrix(1, 2), exam) << id.toStdString() << ": " << UiScript::texts().join(QStringLiteral(" | ")).toStdString();
        queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
        w->cmdSave->click();
    }
    int ordered(const QString& id, const QString& exam)
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM STATION..TBNURSECOMMUNICATIONFILE WHERE IDNum = ? AND ItemID = ?"), {id, exam});
    }
    // A row of a list chosen as a click on it chooses it.
    static void clickRow(QTableWidget* list, int row)
    {
        list->setCurrentCell(row, 1);
        Q_EMIT list->cellClicked(row, 1);
    }
    // A service assessed on the cash assessment opened from the workspace, saved and validated; the
    // cashier's counter then takes the payment under a receipt (outside the station), and the nurse
    // credits the service back with the cash credit memo opened on the paid line. Gives the receipt.
    QString cashAssessmentAndCreditMemo(const QString& id, const QString& dept, const QString& item)
    {
        UiScript::reset();
        workspace(id)->cmdNextPatient_Click(7);
        EXPECT_TRUE(frmCashAssessment::isLoaded()) << UiScript::texts().join(QStringLiteral(" | ")).toStdString();
        if (!frmCashAssessment::isLoaded()) return QString();
        frmCashAssessment* w = frmCashAssessment::existing();
        for (const QString& typed : {dept, item, QStringLiteral("1")}) {
            w->txtEntry->selectAll();
            QTest::keyClick(w->txtEntry, Qt::Key_Backspace);
            QTest::keyClicks(w->txtEntry, typed);
            QTest::keyClick(w->txtEntry, Qt::Key_Return);
        }
        const QString number = QStringLiteral("SELECT MAX(AssessNum) FROM STATION..tbCLAssessment WHERE IDNum = ? AND ItemID = ?");
        const QString before = DbValue::text(conn().scalar(number, {id, item}));
        queueValidationAs(QStringLiteral("CL002"), QStringLiteral("CATH2"));
        w->Command1[0]->click();
        const QString assessed = DbValue::text(conn().scalar(number, {id, item}));
        EXPECT_NE(assessed, before) << UiScript::texts().join(QStringLiteral(" | ")).toStdString();
        const QString receipt = QStringLiteral("OR770001");
        conn().execute(QStringLiteral("UPDATE STATION..tbCLAssessment SET Status = 'PAID', ORNumber = ?, PaidDate = ? WHERE AssessNum = ?"),
                       {receipt, conn().serverDateTime(), assessed});
        w->LoadAssessments();
        FlexGrid* list = w->MSHFlexList;
        int row = 0;
        for (int r = 1; r < list->Rows() && !row; ++r)
            if (list->TextMatrix(r, 11).trimmed() == receipt) row = r;
        EXPECT_GT(row, 0) << receipt.toStdString() << " is not in the assessments entered";
        if (!row) return receipt;
        clickRow(list, row);
        UiScript::reset();
        UiScript::queueDialog(QStringLiteral("frmCashCM"), [item](QDialog* d) {
            auto* cm = static_cast<frmCashCM*>(d);
            for (int r = 1; r < cm->mshFlexCashCM->Rows(); ++r)
                if (cm->mshFlexCashCM->TextMatrix(r, CashCMColumn::Item) == item) clickRow(cm->mshFlexCashCM, r);
            queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
            cm->lblExit[1]->click();
        });
        w->cmdCashCM->click();
        EXPECT_EQ(UiScript::lastText(), QStringLiteral("Item(s) Successfully Saved!"));
        return receipt;
    }
    int returned(const QString& item)
    {
        return count(QStringLiteral("SELECT COALESCE(SUM(Quantity), 0) FROM INVENTORY..tbInvStockCard WHERE IDNum = ? AND ItemID = ? AND CreditMemoNum IS NOT NULL"),
                     {kInPatient, item});
    }

    // The ledger of an admission, said in full when it disagrees.
    void expectLedger(const QString& id, const char* step)
    {
        const QStringList wrong = LedgerCheck::Discrepancies(conn(), id);
        EXPECT_TRUE(wrong.isEmpty()) << "after \"" << step << "\", " << id.toStdString() << ":\n  "
                                     << wrong.join(QStringLiteral("\n  ")).toStdString();
    }
    double billed(const QString& id, const QString& item)
    {
        return DbValue::toDouble(conn().scalar(QStringLiteral("SELECT COALESCE(SUM(Amount), 0) FROM %1 WHERE IDNum = ? AND ItemID = ?")
                                                   .arg(id.endsWith(QLatin1Char('B')) ? QStringLiteral("BILLING..tbBillOPDailyOut")
                                                                                      : QStringLiteral("BILLING..tbBillDailyBill")),
                                               {id, item}));
    }

    std::unique_ptr<ChargingComponents> m_components;
    std::unique_ptr<clsPatientSearch> m_search;
};

TEST_F(LedgerScenario, ANursesDayKeepsEveryLedgerConsistent)
{
    struct Step {
        const char* name;
        std::function<void()> act;
        std::function<void()> outcome; // what the step must have posted, beyond a consistent ledger
    };
    QString outPatient, cashReceipt;
    double medicineBilled = 0;
    const Step steps[] = {
        {"register an out-patient",
         [&] { outPatient = registerOutPatient(QStringLiteral("ZAMORA")); },
         [&] {
             ASSERT_TRUE(outPatient.endsWith(QLatin1Char('B'))) << outPatient.toStdString();
             expectLedger(outPatient, "register an out-patient");
         }},
        {"order exams for an in-patient and the out-patient",
         [&] {
             orderExam(kInPatient, QStringLiteral("CBC"));
             orderExam(outPatient, QStringLiteral("CBC"));
         },
         [&] {
             for (const QString& id : {kInPatient, outPatient}) {
                 EXPECT_EQ(ordered(id, QStringLiteral("CBC")), 1) << id.toStdString() << ": " << UiScript::texts().join(QStringLiteral(" | ")).toStdString();
                 expectLedger(id, "order exams");
             }
         }},
        {"charge a package",
         [&] {
             charging(kInPatient);
             charge(QStringLiteral("CL"), QStringLiteral("CL101"));
             saveCharges();
         },
         [&] { EXPECT_GT(billed(kInPatient, QStringLiteral("CL101")), 0); }},
        {"charge a consigned package with its items",
         [&] {
             charging(kInPatient);
             charge(QStringLiteral("CP"), QStringLiteral("CP101"));
             saveCharges();
         },
         [&] { EXPECT_GT(billed(kInPatient, QStringLiteral("CP101")), 0); }},
        {"charge a supply, two medicines and a doctor's fee",
         [&] {
             charging(kInPatient);
             charge(QStringLiteral("SR"), QStringLiteral("100101"), QStringLiteral("1"));
             charge(QStringLiteral("PH"), QStringLiteral("20101"), QStringLiteral("3"));
             charge(QStringLiteral("PH"), QStringLiteral("20102"), QStringLiteral("2"));
             charge(QStringLiteral("MD"), QStringLiteral("D001"));
             saveCharges();
         },
         [&] {
             for (const char* item : {"100101", "20101", "20102", "D001"})
                 EXPECT_GT(billed(kInPatient, QString::fromLatin1(item)), 0) << item;
         }},
        {"revoke one of each kind",
         [&] {
             charging(kInPatient);
             for (const char* item : {"CL101", "CP101", "100101", "20102", "D001"}) revoke(QString::fromLatin1(item));
         },
         [&] {
             for (const char* item : {"CL101", "CP101", "100101", "20102", "D001"})
                 EXPECT_EQ(billed(kInPatient, QString::fromLatin1(item)), 0) << item;
             EXPECT_GT(billed(kInPatient, QStringLiteral("20101")), 0);
         }},
        {"return a medicine",
         [&] {
             medicineBilled = billed(kInPatient, QStringLiteral("20101")); // three charged
             returnMedicine(kInPatient, QStringLiteral("20101"), QStringLiteral("1"));
         },
         [&] {
             EXPECT_EQ(returned(QStringLiteral("20101")), 1) << UiScript::texts().join(QStringLiteral(" | ")).toStdString();
             EXPECT_NEAR(billed(kInPatient, QStringLiteral("20101")), medicineBilled * 2 / 3, 0.01);
         }},
        {"a cash assessment and its credit memo",
         [&] { cashReceipt = cashAssessmentAndCreditMemo(kCashBasis, QStringLiteral("HS"), QStringLiteral("HS002")); },
         [&] {
             EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbCashCMAdvise WHERE ORNumber = ? AND ItemID = 'HS002'"), {cashReceipt}), 1);
             expectLedger(kCashBasis, "a cash assessment and its credit memo");
         }},
        {"a late charge after discharge",
         [&] { lateCharge(kDischarged, QStringLiteral("HS"), QStringLiteral("HS001"), QStringLiteral("2")); },
         [&] {
             EXPECT_GT(billed(kDischarged, QStringLiteral("HS001")), 450) << UiScript::texts().join(QStringLiteral(" | ")).toStdString();
             expectLedger(kDischarged, "a late charge after discharge");
         }},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        UiScript::reset();
        s.act();
        s.outcome();
        expectLedger(kInPatient, s.name);
    }
}

} // namespace

namespace {

// A charge row as the entry grid holds it, and the save and the revocation of that row on the
// in-patient, as the charging window sends them.
QStringList chargeRow(const QString& dept, const QString& item, const QString& description, const QString& qty, const QString& price)
{
    QStringList row;
    for (int col = 0; col < ChargeEntryRow::ColumnCount; ++col) row << QString();
    row[ChargeEntryRow::Dept] = dept;
    row[ChargeEntryRow::ItemCode] = item;
    row[ChargeEntryRow::Description] = description;
    row[ChargeEntryRow::Qty] = qty;
    row[ChargeEntryRow::UnitPrice] = price;
    row[ChargeEntryRow::Amount] = Fmt::number(Fmt::val(qty) * Fmt::val(price), QStringLiteral("0.00"));
    return row;
}

ChargeSaveInput chargeInput(const QString& hospNum, const QString& user, const QStringList& row)
{
    ChargeSaveInput in;
    in.hospNum = hospNum;
    in.idNum = kInPatient;
    in.room = QStringLiteral("316");
    in.stationCode = in.counterStation = QStringLiteral("CL");
    in.patientType = QStringLiteral("I");
    in.userId = user;
    in.rows = {row};
    return in;
}

ChargeRevocation::Reversal reversal(Connection& c, const QString& hospNum, const QString& user, const QString& reason,
                                    const QStringList& row, const QString& amountListed, const QString& slip)
{
    ChargeRevocation::Reversal r;
    r.hospNum = hospNum;
    r.idNum = kInPatient;
    r.room = QStringLiteral("316");
    r.patientType = QStringLiteral("I");
    r.userID = user;
    r.reason = reason;
    r.when = c.serverDateTime();
    r.charge = {row[ChargeEntryRow::Dept], row[ChargeEntryRow::ItemCode], row[ChargeEntryRow::Description], row[ChargeEntryRow::Qty],
                amountListed, slip, QString(), QString()};
    return r;
}

// A charge at the bounds the boxes allow (the largest quantity at the largest unit price) and its
// revocation with the longest reason the reason box takes under a supervisor's approval: both
// saves pass on either engine and the ledger agrees after each.
TEST_F(LedgerScenario, AChargeAndItsRevocationAtTheBoxesLimitsKeepTheLedger)
{
    const QString hospNum = DbValue::text(conn().scalar(QStringLiteral("SELECT HospNum FROM PATIENT_DATA..tbPatient WHERE IDNum = ?"), {kInPatient}));
    const NumberRange qty = QuantityRange(), price = MoneyRange(QStringLiteral("Unit Price"));
    const QStringList row = chargeRow(QStringLiteral("HS"), QStringLiteral("HS001"), QStringLiteral("ECG 12 LEADS"),
                                      Fmt::number(qty.max, QStringLiteral("0")), Fmt::number(price.max, QStringLiteral("0.00")));
    const QString slip = SaveChargeRows(conn(), chargeInput(hospNum, QStringLiteral("CL002"), row)).slipNumber;
    ASSERT_FALSE(slip.isEmpty());
    EXPECT_DOUBLE_EQ(billed(kInPatient, QStringLiteral("HS001")), qty.max * price.max);
    EXPECT_TRUE(LedgerCheck::Discrepancies(conn(), kInPatient).isEmpty()) << LedgerCheck::Discrepancies(conn(), kInPatient).join(QLatin1Char('\n')).toStdString();

    const int room = ReasonRoom(QStringLiteral("STATION..tbBillAdjustInfo"), QStringLiteral("Remarks"), true);
    const QString reason = QStringLiteral("Allowed ") + QString(room, QLatin1Char('R'));
    ChargeRevocation::Post(conn(), reversal(conn(), hospNum, QStringLiteral("CL001"), reason, row, row[ChargeEntryRow::Amount], slip));
    EXPECT_EQ(billed(kInPatient, QStringLiteral("HS001")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbBillAdjustInfo WHERE IDNum = ? AND Remarks = ?"), {kInPatient, reason}), 1);
    EXPECT_TRUE(LedgerCheck::Discrepancies(conn(), kInPatient).isEmpty()) << LedgerCheck::Discrepancies(conn(), kInPatient).join(QLatin1Char('\n')).toStdString();
}

// Two workstations charging and revoking on one admission at once: each saves a doctor's fee and
// revokes it, both started together; the ledger stays consistent and each fee is reversed once.
TEST_F(LedgerScenario, TwoWorkstationsChargingAndRevokingAtOnceKeepTheLedger)
{
    if (!TestDatabase::usingPostgres()) GTEST_SKIP() << "two workstations at once need the server database";
    const QString hospNum = DbValue::text(conn().scalar(QStringLiteral("SELECT HospNum FROM PATIENT_DATA..tbPatient WHERE IDNum = ?"), {kInPatient}));
    constexpr int rounds = 5;
    std::barrier start(2);
    auto workstation = [&](const QString& user, QString* error) {
        try {
            auto c = TestDatabase::openAnother();
            start.arrive_and_wait();
            for (int i = 0; i < rounds; ++i) {
                const QStringList row = chargeRow(QStringLiteral("MD"), QStringLiteral("D001"), QStringLiteral("VILLAREAL ,ANTONIO"),
                                                  QStringLiteral("1"), QStringLiteral("5280"));
                const ChargeSaveInput in = chargeInput(hospNum, user, row);
                const QString slip = SaveChargeRows(*c, in).slipNumber;
                const ChargeRevocation::Reversal r = reversal(*c, hospNum, user, QStringLiteral("WRONG PATIENT"), row, QStringLiteral("5280.00"), slip);
                ChargeRevocation::Post(*c, r);
            }
        } catch (const std::exception& e) {
            *error = QString::fromLocal8Bit(e.what());
        }
    };
    QString errA, errB;
    std::thread a(workstation, QStringLiteral("CL001"), &errA), b(workstation, QStringLiteral("CL002"), &errB);
    a.join();
    b.join();
    ASSERT_TRUE(errA.isEmpty()) << errA.toStdString();
    ASSERT_TRUE(errB.isEmpty()) << errB.toStdString();
    EXPECT_EQ(billed(kInPatient, QStringLiteral("D001")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE IDNum = ? AND ItemID = 'D001' AND Amount < 0"), {kInPatient}),
              2 * rounds);
    expectLedger(kInPatient, "two workstations at once");
}

} // namespace
