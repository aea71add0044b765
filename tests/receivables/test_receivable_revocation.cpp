// Revoking and reprinting late charges from the posted list: the refusals and give-ups that post
// nothing, right "22" of the validated user, the supervisor's approval with the typed reason, the
// two ways back (stock card with a bill-adjustment note; the charging update), and the reprint.
#include "receivables/LateChargeFixture.h"

#include "access/AccessTestSupport.h"
#include "charging/ChargePostedList.h"
#include "components/login/clsCurrentuser.h"
#include "platform/db/Connection.h"
#include "platform/report/ReportLog.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "receivables/ReceivableRevocation.h"
#include "receivables/ReceivableSaveSlip.h"

#include <QCoreApplication>

using AccessTest::queueSupervisor;
using AccessTest::queueValidation;

namespace {

class LateChargeRevocationTest : public LateChargeTest {
protected:
    void SetUp() override
    {
        LateChargeTest::SetUp();
        Session.HospitalInfo.IsAllowSupervisorCodeForCancellationOfCharges = false;
        m_slip = SaveReceivableRows(conn(), input(lateRows({{"HS", "HS001", "ECG 12 LEADS", "1", "450"},
                                                             {"PH", "MED0201", "HEPARIN VIAL", "2", "820", "20", "", "D1"}})))
                     .slipNumber;
        m_header.patientName = QStringLiteral("SANTOS, MARIA");
        m_header.hospNum = QStringLiteral("T9002");
        m_header.idNum = QStringLiteral("TX0001");
        m_header.age = QStringLiteral(" 54 ");
        m_header.sex = QStringLiteral("F");
        m_header.room = QStringLiteral("205");
        m_header.doctor = QStringLiteral("DR. CRUZ");
        m_header.membership = QStringLiteral("MEMBER");
        m_header.company = QStringLiteral("PERSONAL");
        m_header.admType = QStringLiteral("REGULAR");
        reload();
    }
    void reload() { FillPostedChargesGrid(m_list, LoadPostedCharges(conn(), QStringLiteral("T9002"), QStringLiteral("TX0001"), "CL"), true); }
    int rowOf(const char* item)
    {
        for (int r = 1; r < m_list.Rows(); ++r)
            if (m_list.TextMatrix(r, 2) == QLatin1String(item)) return r;
        return -1;
    }
    bool revoke(const char* item) { return RevokeReceivableCharge(conn(), m_header, m_list, rowOf(item)); }
    int reversals()
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE IDNum = 'TX0001' AND Amount < 0"))
               + count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard WHERE IDNum = 'TX0001' AND Quantity > 0"))
               + count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbBillAdjustInfo WHERE IDNum = 'TX0001'"));
    }

    QString m_slip;
    ReceivableSlipHeader m_header;
    FlexGrid m_list;
};

const QString kAgain = QStringLiteral("\r\nAre you sure you want to revoke this item?");

} // namespace

TEST_F(LateChargeRevocationTest, RefusalsAndGiveUpsPostNothing)
{
    const struct {
        const char* name;
        std::function<void(LateChargeRevocationTest*, Connection&)> setUp;
        std::function<void()> script;
        QString text, title;
        int style;
    } cases[] = {
        {"the question answered No", {}, [] { UiScript::queueAnswer(vbNo); }, "Are you sure you want to revoke this item?",
         QCoreApplication::applicationName(), vbYesNo | vbQuestion},
        {"the validation given up",
         {},
         [] {
             UiScript::queueAnswer(vbYes); // the question
             UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [](QDialog* d) { d->reject(); });
             UiScript::queueAnswer(vbYes); // once more
             UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [](QDialog* d) { d->reject(); });
             UiScript::queueAnswer(vbNo);
         },
         "Item was not revoked! " + kAgain, "Message", vbYesNo | vbInformation},
        // the workstation's user (CL001) holds right 22; the user who revokes does not
        {"no right 22 of the validated user", {}, [] { queueValidation(QStringLiteral("CL003"), QStringLiteral("CATH3"), QStringLiteral("WRONG")); },
         "Sorry, you don't have access right to revoke charges!", "Message", vbInformation},
        {"the supervisor given up",
         [](LateChargeRevocationTest*, Connection&) { Session.HospitalInfo.IsAllowSupervisorCodeForCancellationOfCharges = true; },
         [] {
             queueValidation(QStringLiteral("CL002"), QStringLiteral("CATH2"), QStringLiteral("WRONG"));
             UiScript::queueDialog(QStringLiteral("frmSupervisorAccessCode"), [](QDialog* d) { d->reject(); });
             UiScript::queueAnswer(vbYes);
             UiScript::queueDialog(QStringLiteral("frmSupervisorAccessCode"), [](QDialog* d) { d->reject(); });
             UiScript::queueAnswer(vbNo);
         },
         "Selected charge(s) will not be cancelled! " + kAgain, "Message", vbYesNo | vbInformation},
        // last: it leaves nothing of the charge for the cases after it
        {"nothing left of the charge",
         [](LateChargeRevocationTest*, Connection& c) {
             c.execute(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, RevenueID, ItemID, Refnum, Quantity, Amount, DrCr) "
                                      "SELECT IDNum, RevenueID, ItemID, Refnum, -Quantity, -Amount, DrCr FROM BILLING..tbBillDailyBill "
                                      "WHERE ItemID = 'HS001' AND IDNum = 'TX0001'"));
         },
         {}, "Can't Cancel this Charges. The Total Amount is already Zero!", "Message", vbOKOnly | vbCritical},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        UiScript::reset();
        Session.HospitalInfo.IsAllowSupervisorCodeForCancellationOfCharges = false;
        if (k.setUp) k.setUp(this, conn());
        const int before = reversals();
        if (k.script) k.script();
        EXPECT_FALSE(revoke("HS001"));
        ASSERT_FALSE(UiScript::shown().isEmpty());
        const ShownMessage& m = UiScript::shown().last();
        EXPECT_EQ(m.text, k.text);
        EXPECT_EQ(m.title, k.title);
        EXPECT_EQ(m.style, k.style);
        EXPECT_EQ(reversals(), before);
    }
}

TEST_F(LateChargeRevocationTest, AServiceGoesBackThroughTheChargingUpdateWithTheSupervisorAndTheTypedReason)
{
    Session.HospitalInfo.IsAllowSupervisorCodeForCancellationOfCharges = true;
    queueValidation(QStringLiteral("CL002"), QStringLiteral("CATH2"), QStringLiteral("WRONG ITEM"));
    queueSupervisor(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    ASSERT_TRUE(revoke("HS001"));
    EXPECT_EQ(count(QStringLiteral("SELECT SUM(Amount) FROM BILLING..tbBillDailyBill WHERE IDNum = 'TX0001' AND ItemID = 'HS001' AND Refnum = ?"),
                    {m_slip}),
              0);
    const Recordset note = conn().query(QStringLiteral("SELECT SupervisorID, Remarks, Amount FROM STATION..tbBillAdjustInfo WHERE ItemID = 'HS001'"));
    ASSERT_EQ(note.recordCount(), 1);
    EXPECT_EQ(note.text("SupervisorID"), "CL001");
    EXPECT_EQ(note.text("Remarks"), "Allowed WRONG ITEM");
    // revoked once: the second try finds nothing left
    reload();
    UiScript::reset();
    EXPECT_FALSE(revoke("HS001"));
    EXPECT_EQ(UiScript::lastText(), "Can't Cancel this Charges. The Total Amount is already Zero!");
}

TEST_F(LateChargeRevocationTest, AMedicineGoesBackToItsStockCardWithANoteAndNoSupervisor)
{
    const double onHand = conn().scalar(QStringLiteral("SELECT OnHand FROM INVENTORY..tbInvLocationStock WHERE LocationID = '20' "
                                                       "AND ItemID = 'MED0201'")).toDouble();
    DialogAnswers.SupervisorUserID = QStringLiteral("CL001"); // left from an earlier action
    queueValidation(QStringLiteral("CL002"), QStringLiteral("CATH2"), QStringLiteral("NOT USED"));
    ASSERT_TRUE(revoke("MED0201"));
    const Recordset back = conn().query(QStringLiteral("SELECT Quantity, Amount, UserID, LocationID FROM INVENTORY..tbInvStockCard "
                                                       "WHERE RefNum = ? AND Quantity > 0"),
                                        {m_slip});
    ASSERT_EQ(back.recordCount(), 1);
    EXPECT_EQ(back.toDouble("Quantity"), 2);
    EXPECT_EQ(back.toDouble("Amount"), -820);
    EXPECT_EQ(back.text("UserID"), "CL002");
    EXPECT_EQ(conn().scalar(QStringLiteral("SELECT OnHand FROM INVENTORY..tbInvLocationStock WHERE LocationID = '20' AND ItemID = 'MED0201'"))
                  .toDouble(),
              onHand + 2);
    const Recordset note = conn().query(QStringLiteral("SELECT SupervisorID, Remarks, Amount, Quantity FROM STATION..tbBillAdjustInfo "
                                                       "WHERE ItemID = 'MED0201'"));
    ASSERT_EQ(note.recordCount(), 1);
    EXPECT_EQ(note.text("SupervisorID"), "");
    EXPECT_EQ(note.text("Remarks"), "NOT USED");
    EXPECT_EQ(note.toDouble("Amount"), -820);
    EXPECT_EQ(note.toDouble("Quantity"), -2);
    // the posted list's line and its reversal add up to nothing
    EXPECT_EQ(count(QStringLiteral("SELECT SUM(Amount) FROM BILLING..tbBillDailyBill WHERE ItemID = 'MED0201' AND Refnum = ?"), {m_slip}), 0);
}

TEST_F(LateChargeRevocationTest, TheReprintAsksForTheFormAndSignsWithTheUserLoggedIn)
{
    const int row = rowOf("HS001");
    const QString postedAt = m_list.TextMatrix(row, 7);
    Session.HospitalInfo.IsPrintChargeSlip = false;
    ReprintReceivableSlip(conn(), m_header, m_list.TextMatrix(row, 6), postedAt);
    EXPECT_TRUE(ReportLog::calls().isEmpty());
    EXPECT_TRUE(UiScript::shown().isEmpty());

    Session.HospitalInfo.IsPrintChargeSlip = true;
    for (const auto& [answer, file] : {std::pair{vbYes, "Charge_Slip_New.RPT"}, {vbNo, "Charge_Slip_BlankForm.RPT"}}) {
        SCOPED_TRACE(file);
        ReportLog::clear();
        UiScript::queueAnswer(answer);
        ReprintReceivableSlip(conn(), m_header, QStringLiteral(" ") + m_list.TextMatrix(row, 6), postedAt);
        EXPECT_EQ(UiScript::shown().last().text, "Re-print Charge Slip! [YES] Pre-printed Form [NO] Blank Paper");
        ASSERT_EQ(ReportLog::calls().size(), 1);
        const ReportCall& call = ReportLog::calls().first();
        EXPECT_EQ(call.fileName(), file);
        EXPECT_TRUE(call.error.isEmpty()) << call.error.toStdString();
        EXPECT_EQ(call.caption, "RE-Print ChargeSlip");
        const QVariantList& p = call.params;
        ASSERT_EQ(p.size(), 16);
        EXPECT_EQ(p[0].toString(), m_slip);
        EXPECT_EQ(p[3].toString(), "54 / F");
        EXPECT_EQ(p[4].toString(), "MEMBER");
        EXPECT_EQ(p[8].toString(), p[9].toString());
        EXPECT_FALSE(p[8].toString().isEmpty());
        EXPECT_EQ(p[11].toString(), "REGULAR");
        const QString user = Session.CurrentUser->EmployeeName();
        EXPECT_EQ(p[12].toString(), user);
        EXPECT_EQ(p[13].toString(), "(" + Session.CurrentUser->EmployeeCode().trimmed() + ") " + user);
        EXPECT_EQ(p[15].toString(), "REPRINTED COPY");
        // the slip's lines were made afresh from what was posted under it
        EXPECT_TRUE(call.text.contains(QStringLiteral("HS001")));
        EXPECT_TRUE(call.text.contains(QStringLiteral("MED0201")));
    }
}

// A reprint after a revocation carries the reversing lines under the slip, each item once, and a
// total of what is left; before it, the slip's own lines and their total.
TEST_F(LateChargeRevocationTest, TheReprintOfARevokedSlipShowsTheReversals)
{
    Session.HospitalInfo.IsPrintChargeSlip = true;
    const int row = rowOf("HS001");
    const QString postedAt = m_list.TextMatrix(row, 7);
    // the slip's text with its cells on one line
    auto reprint = [&] {
        ReportLog::clear();
        UiScript::queueAnswer(vbNo);
        ReprintReceivableSlip(conn(), m_header, m_list.TextMatrix(row, 6), postedAt);
        EXPECT_EQ(ReportLog::calls().size(), 1);
        return ReportLog::calls().isEmpty() ? QString() : ReportLog::calls().first().text.simplified();
    };
    const QString medicine = QStringLiteral("PH MED0201 HEPARIN 5000IU/ML VIAL VIAL "), service = QStringLiteral("HS HS001 ECG 12 LEADS ");

    const QString before = reprint();
    EXPECT_EQ(before.count(QStringLiteral("MED0201")), 1) << before.toStdString();
    EXPECT_TRUE(before.contains(QStringLiteral("TOTAL 1,270.00"))) << before.toStdString();

    queueValidation(QStringLiteral("CL002"), QStringLiteral("CATH2"), QStringLiteral("NOT USED"));
    ASSERT_TRUE(revoke("MED0201"));
    const QString after = reprint();
    EXPECT_TRUE(after.contains(medicine + "2.00 820.00 " + medicine + "-2.00 -820.00 " + service + "1.00 450.00 TOTAL 450.00"))
        << after.toStdString();

    reload();
    queueValidation(QStringLiteral("CL002"), QStringLiteral("CATH2"), QStringLiteral("WRONG ITEM"));
    ASSERT_TRUE(revoke("HS001"));
    const QString revoked = reprint();
    EXPECT_TRUE(revoked.contains(service + "1.00 450.00 " + service + "-1.00 -450.00 TOTAL 0.00")) << revoked.toStdString();
}
