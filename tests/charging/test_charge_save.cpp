// The charging save: slip numbers taken forward atomically, every kind of row posted under one slip
// and one time in one transaction, a failure that leaves nothing behind, two workstations at once,
// the slip printed after the commit and reprinted from the posted list; and the save as the nurse
// drives it on the real window, with its refusals.
#include "access/AccessTestSupport.h"
#include "support/ScriptedValidation.h"
#include "support/StartingLine.h"
#include "support/TableOutOfReach.h"
#include "support/TestDatabase.h"

#include "charging/ChargingComponents.h"

#include "charging/ChargeEntryRow.h"
#include "charging/ChargePostedList.h"
#include "charging/ChargeSave.h"
#include "charging/ChargeSlipNumber.h"
#include "charging/ChargeSlipPrint.h"
#include "charging/frmCharge.h"
#include "components/Component.h"
#include "components/Drugs.h"
#include "components/StationComponents.h"
#include "components/login/clsCurrentuser.h"
#include "platform/db/Connection.h"
#include "platform/report/ReportLog.h"
#include "platform/text/Format.h"
#include "platform/text/NumberMask.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <memory>
#include <thread>

using namespace ChargeEntryRow;

namespace {

const QString kSlip1001 = QStringLiteral("C1001") + QChar(0x00C3);

QString slip(int n) { return QStringLiteral("C%1").arg(n) + QChar(0x00C3); }

// A grid row: cells by column, the rest empty.
QStringList chargeRow(std::initializer_list<std::pair<int, const char*>> cells)
{
    QStringList row;
    for (int c = 0; c < ColumnCount; ++c) row << QString();
    for (const auto& [col, text] : cells) row[col] = QString::fromUtf8(text);
    return row;
}

QStringList service(const char* dept, const char* item, const char* description, const char* qty, const char* amount)
{
    return chargeRow({{Dept, dept}, {ItemCode, item}, {Description, description}, {Qty, qty}, {UnitPrice, amount}, {Amount, amount},
                      {ARCode, "1101-CL"}});
}

QStringList stock(const char* item, const char* description, const char* qty, const char* amount)
{
    return chargeRow({{Dept, "CL"}, {ItemCode, item}, {Description, description}, {Qty, qty}, {UnitPrice, amount}, {Amount, amount},
                      {Location, "35"}});
}

QStringList packageItem(QStringList row, const char* package, const char* packageAmount, const char* ownItem = nullptr)
{
    row[PackageCode] = QString::fromLatin1(package);
    row[PackageAmount] = QString::fromLatin1(packageAmount);
    row[PackageQty] = row[Qty];
    row[DosageID] = ownItem ? QString::fromLatin1(ownItem) : row[ItemCode];
    return row;
}

class ChargeSaveTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        StationParameters().LoadParameters();
        Session.HospitalInfo.IsShowAmount = true;
        Session.HospitalInfo.IsPrintChargeSlip = true;
        m_components = std::make_unique<ChargingComponents>(conn());
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName, FirstName) VALUES ('T9002', 'SANTOS', 'MARIA')"));
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, RoomID, AccountNum) VALUES ('TX0001', 'T9002', '205', 'T9002')"));
        const QString item = QStringLiteral(
            "INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, RateA, RateB, RateC, RateD, "
            "RateE, RateF, RateG, RateH, FixRate, Status) VALUES (?, ?, ?, 100, 200, 300, 400, 500, 600, 700, 800, 'Y', 'A')");
        conn().execute(item, {"HS", "TST01", "TEST PROCEDURE"});
        conn().execute(item, {"HS", "TST02", "TEST PROCEDURE TWO"});
        conn().execute(item, {"HS", "TST03", "TEST PROCEDURE THREE"});
        conn().execute(item, {"HS", "TST04", "TEST PROCEDURE FOUR"});
        conn().execute(item, {"CL", "TPKG1", "TEST PACKAGE ONE"});
        conn().execute(item, {"CL", "TPKG2", "TEST PACKAGE TWO"});
        // the second package opens no case: its form type is stored blank
        conn().execute(QStringLiteral("INSERT INTO STATION..tbCLExamFormTypes (ItemID, FormType, Description) VALUES ('TPKG2', '', 'NONE')"));
    }
    void TearDown() override
    {
        delete frmCharge::existing();
        m_components.reset();
        DbTest::TearDown();
    }

    ChargeSaveInput input(const QList<QStringList>& rows, const QString& idNum = QStringLiteral("TX0001"))
    {
        ChargeSaveInput in;
        in.hospNum = QStringLiteral("T9002");
        in.idNum = idNum;
        in.room = QStringLiteral("205");
        in.stationCode = QStringLiteral("CL");
        in.patientType = idNum.endsWith(QLatin1Char('B')) ? QStringLiteral("O") : QStringLiteral("I");
        in.userId = QStringLiteral("CL001");
        in.doctorId = QStringLiteral("D001");
        in.doctorName = QStringLiteral("REYES, JOSE");
        in.rateOption = QStringLiteral("R");
        in.counterStation = QStringLiteral("CL");
        in.rows = rows;
        return in;
    }
    int counter() { return count(QStringLiteral("SELECT Chargeslip FROM STATION..tbCLChargeSlip WHERE StationID = 'CL'")); }
    int linesOf(const QString& table, const QString& slipNumber)
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?")
                         .arg(table, table.contains(QLatin1String("STATION..tbCLChargePrint")) ? QStringLiteral("ChargeSlip")
                                     : table.contains(QLatin1String("tbNurseLogbook")) ? QStringLiteral("ReferenceNum")
                                                                                        : QStringLiteral("RefNum")),
                     {slipNumber});
    }
    // Everything a save leaves under a slip number, all tables together.
    int everythingUnder(const QString& slipNumber)
    {
        int n = 0;
        for (const char* t : {"BILLING..tbBillDailyBill", "BILLING..tbBillOPDailyOut", "INVENTORY..tbInvStockCard", "STATION..tbNurseLogbook",
                              "STATION..tbCLChargePrint", "CLINICAL_AREA..tbCathLabLogBook", "CLINICAL_AREA..tbCathLabMaster",
                              "CLINICAL_AREA..tbCLReplacedItems"})
            n += linesOf(QString::fromLatin1(t), slipNumber);
        return n;
    }

    frmCharge* open()
    {
        frmCharge* w = frmCharge::instance();
        for (const char* d : {"CL", "HS", "PH"}) {
            auto* item = new QTreeWidgetItem(w->lvwDepartments);
            item->setText(0, QString::fromLatin1(d));
        }
        w->txtID->setText(QStringLiteral("TX0001"));
        w->txtPno->setText(QStringLiteral("T9002"));
        w->txtPatient->setText(QStringLiteral("SANTOS, MARIA"));
        w->txtAge->setText(QStringLiteral(" 54 "));
        w->txtSex->setText(QStringLiteral("F "));
        w->txtRoom->setText(QStringLiteral("205"));
        w->txtDoctor2->setText(QStringLiteral("DR. CRUZ"));
        w->lblDeptCode->setText(QStringLiteral("CL"));
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        return w;
    }
    frmCharge* w() { return frmCharge::instance(); }
    EntryGrid* grid() { return w()->mshflexEntry; }
    // Rows put straight into the grid, as the item entry leaves them, with the empty row behind.
    void fillGrid(const QList<QStringList>& rows)
    {
        grid()->setRows(int(rows.size()) + 2);
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 1; c < ColumnCount; ++c) grid()->setTextMatrix(r + 1, c, rows[r][c]);
        for (int c = 1; c < ColumnCount; ++c) grid()->setTextMatrix(int(rows.size()) + 1, c, QString());
    }
    QList<QStringList> gridRows()
    {
        QList<QStringList> rows;
        for (int r = 1; r < grid()->Rows(); ++r) {
            QStringList row;
            for (int c = 1; c < ColumnCount; ++c) row << grid()->TextMatrix(r, c);
            rows << row;
        }
        return rows;
    }
    void save()
    {
        queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
        w()->Command1[0]->click();
    }

    std::unique_ptr<ChargingComponents> m_components;
};

TEST(ChargeSlipNumbers, FormAndMask)
{
    const struct {
        qint64 n;
        const char *mask, *number;
    } cases[] = {
        {1234, "", "C1234"},
        {1234, "000000", "C001234"},
        {1234567, "000000", "C1234567"}, // digits beyond the mask go in front
        {7, "#", "C7"},
        {7, "CL-0000", "CCL-0007"},
        {1234, "CLChargeSlip", "C1234"},  // no digit placeholder: no number mask
        {0, "000", "C000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mask);
        EXPECT_EQ(ChargeSlipNumberText(c.n, QString::fromLatin1(c.mask)), QString::fromLatin1(c.number) + QChar(0x00C3));
    }
}

TEST_F(ChargeSaveTest, TheCounterMovesForwardPastNumbersAlreadyPosted)
{
    conn().execute(QStringLiteral("UPDATE STATION..tbCLChargeSlip SET Chargeslip = 1234"));
    // numbers in use: an in-patient reference, an out-patient charge slip, a stock-card reference
    conn().execute(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, Refnum, Amount) VALUES ('X', ?, 1)"), {slip(1234)});
    conn().execute(QStringLiteral("INSERT INTO BILLING..tbBillOPDailyOut (IDNum, Refnum, ChargeSlip, Amount) VALUES ('XB', 'OR-1', ?, 1)"),
                   {slip(1235)});
    conn().execute(QStringLiteral("INSERT INTO INVENTORY..tbInvStockCard (IDNum, ItemID, RefNum, Quantity) VALUES ('X', 'I', ?, -1)"),
                   {slip(1236)});
    {
        TransactionGuard tx(conn());
        EXPECT_EQ(TakeChargeSlipNumber(conn(), QStringLiteral("CL"), QString()), slip(1237));
        tx.commit();
    }
    EXPECT_EQ(counter(), 1238);
    {
        TransactionGuard tx(conn());
        EXPECT_EQ(TakeChargeSlipNumber(conn(), QStringLiteral("CL"), QString()), slip(1238));
        // rolled back: the number is not used up
    }
    EXPECT_EQ(counter(), 1238);
}

TEST_F(ChargeSaveTest, AMissingCounterRowOrAFailedCheckPostsNothing)
{
    const ChargeSaveInput in = input({service("HS", "TST01", "TEST PROCEDURE", "1", "300")});
    conn().execute(QStringLiteral("DELETE FROM STATION..tbCLChargeSlip"));
    try {
        SaveChargeRows(conn(), in);
        ADD_FAILURE() << "saved without a counter";
    } catch (const MissingSlipCounter& e) {
        EXPECT_EQ(e.description(), "No chargeslip sequence number set for Station CL.");
    }
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE IDNum = 'TX0001'")), 0);

    conn().execute(QStringLiteral("INSERT INTO STATION..tbCLChargeSlip (StationID, Chargeslip) VALUES ('CL', 500)"));
    {
        // the number cannot be checked: an error, never a free number
        TableOutOfReach away(conn(), QStringLiteral("INVENTORY..tbInvStockCard"));
        EXPECT_THROW(SaveChargeRows(conn(), in), DbError);
    }
    EXPECT_EQ(counter(), 500);
    EXPECT_EQ(everythingUnder(slip(500)), 0);
    EXPECT_EQ(SaveChargeRows(conn(), in).slipNumber, slip(500));
    EXPECT_EQ(counter(), 501);
}

TEST_F(ChargeSaveTest, PostsServicesAndStockUnderOneSlipAndOneTime)
{
    const double before = conn().scalar(QStringLiteral("SELECT OnHand FROM INVENTORY..tbInvLocationStock WHERE LocationID = '35' "
                                                       "AND ItemID = '100101'")).toDouble();
    const ChargeSaveResult r = SaveChargeRows(conn(), input({service("HS", "TST01", "TEST PROCEDURE", "2", "600"),
                                                             stock("100101", "GUIDE CATHETER JL4 6FR PC", "3", "13500")}));
    EXPECT_EQ(r.slipNumber, kSlip1001);
    EXPECT_EQ(counter(), 1002);
    const Recordset bill = conn().query(QStringLiteral("SELECT IDNum, RevenueID, DrCr, ItemID, Quantity, Amount, UserID, RoomID, requestdocid, "
                                                       "Arcode, DoctorName, TransDate FROM BILLING..tbBillDailyBill WHERE Refnum = ? "
                                                       "ORDER BY BillLineID"),
                                        {kSlip1001});
    ASSERT_EQ(bill.recordCount(), 2);
    EXPECT_EQ(bill.text("IDNum"), "TX0001");
    EXPECT_EQ(bill.text("RevenueID"), "HS");
    EXPECT_EQ(bill.text("DrCr"), "D");
    EXPECT_EQ(bill.toDouble("Quantity"), 2);
    EXPECT_EQ(bill.toDouble("Amount"), 600);
    EXPECT_EQ(bill.text("UserID"), "CL001");
    EXPECT_EQ(bill.text("RoomID"), "205");
    EXPECT_EQ(bill.text("requestdocid"), "D001");
    EXPECT_EQ(bill.text("Arcode"), "1101-CL");
    EXPECT_EQ(bill.text("DoctorName"), "REYES, JOSE");
    EXPECT_EQ(bill.toDateTime("TransDate"), r.serverDate);
    // the supply is on the bill too, under its own department, as the stock card has it
    EXPECT_EQ(bill.textAt(1, "RevenueID"), "CL");
    EXPECT_EQ(bill.textAt(1, "ItemID"), "100101");
    EXPECT_EQ(DbValue::toDouble(bill.valueAt(1, "Quantity")), 3);
    EXPECT_EQ(DbValue::toDouble(bill.valueAt(1, "Amount")), 13500);
    EXPECT_EQ(bill.textAt(1, "UserID"), "CL001");
    EXPECT_EQ(DbValue::toDateTime(bill.valueAt(1, "TransDate")), r.serverDate);
    const Recordset card = conn().query(QStringLiteral("SELECT IDNum, HospNum, ItemID, LocationID, RevenueID, Quantity, Amount, TransDate, "
                                                       "RoomID, RequestDocID, PatientType FROM INVENTORY..tbInvStockCard WHERE RefNum = ?"),
                                        {kSlip1001});
    ASSERT_EQ(card.recordCount(), 1);
    EXPECT_EQ(card.text("IDNum"), "TX0001");
    EXPECT_EQ(card.text("LocationID"), "35");
    EXPECT_EQ(card.text("RevenueID"), "CS"); // the stock room keeps its cards under central supply
    EXPECT_EQ(card.toDouble("Quantity"), -3);
    EXPECT_EQ(card.toDouble("Amount"), 13500);
    EXPECT_EQ(card.toDateTime("TransDate"), r.serverDate);
    EXPECT_EQ(card.text("PatientType"), "I");
    EXPECT_EQ(conn().scalar(QStringLiteral("SELECT OnHand FROM INVENTORY..tbInvLocationStock WHERE LocationID = '35' AND ItemID = '100101'"))
                  .toDouble(),
              before - 3);
    EXPECT_EQ(linesOf(QStringLiteral("STATION..tbNurseLogbook"), kSlip1001), 2);
    const Recordset print = conn().query(QStringLiteral("SELECT ItemID, Description, Quantity, Amount FROM STATION..tbCLChargePrint "
                                                        "WHERE ChargeSlip = ? ORDER BY LineID"),
                                         {kSlip1001});
    ASSERT_EQ(print.recordCount(), 2);
    EXPECT_EQ(print.textAt(0, "ItemID"), "TST01");
    EXPECT_EQ(print.textAt(1, "Description"), "GUIDE CATHETER JL4 6FR PC");

    // an out-patient visit is billed on its own table, with its hospital number and charge slip
    const ChargeSaveResult out = SaveChargeRows(conn(), input({service("HS", "TST02", "TEST PROCEDURE TWO", "1", "200")}, "TX0009B"));
    EXPECT_EQ(out.slipNumber, slip(1002));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillOPDailyOut WHERE IDNum = 'TX0009B' AND HospNum = 'T9002' "
                                   "AND Refnum = ? AND ChargeSlip = ?"),
                    {out.slipNumber, out.slipNumber}),
              1);
    EXPECT_EQ(linesOf(QStringLiteral("BILLING..tbBillDailyBill"), out.slipNumber), 0);
}

TEST_F(ChargeSaveTest, EachPackageIsBilledOnceWithItsOwnAmount)
{
    const ChargeSaveResult r = SaveChargeRows(
        conn(), input({packageItem(service("HS", "TST01", "TEST PROCEDURE", "1", "300"), "TPKG1", "58000"),
                       packageItem(stock("100101", "GUIDE CATHETER JL4 6FR PC", "2", "9000"), "TPKG1", "58000", "SUP0002"),
                       packageItem(service("HS", "TST02", "TEST PROCEDURE TWO", "1", "200"), "TPKG1", "58000"),
                       packageItem(service("HS", "TST03", "TEST PROCEDURE THREE", "1", "300"), "TPKG2", "12000.456"),
                       service("HS", "TST04", "TEST PROCEDURE FOUR", "1", "400")}));
    const Recordset bill = conn().query(QStringLiteral("SELECT RevenueID, ItemID, Quantity, Amount FROM BILLING..tbBillDailyBill "
                                                       "WHERE Refnum = ? ORDER BY BillLineID"),
                                        {r.slipNumber});
    ASSERT_EQ(bill.recordCount(), 3); // the two packages and the service outside them
    EXPECT_EQ(bill.textAt(0, "ItemID"), "TPKG1");
    EXPECT_EQ(bill.textAt(0, "RevenueID"), "CL");
    EXPECT_EQ(DbValue::toDouble(bill.valueAt(0, "Quantity")), 1);
    EXPECT_EQ(DbValue::toDouble(bill.valueAt(0, "Amount")), 58000);
    EXPECT_EQ(bill.textAt(1, "ItemID"), "TPKG2");
    EXPECT_DOUBLE_EQ(DbValue::toDouble(bill.valueAt(1, "Amount")), 12000.46);
    EXPECT_EQ(bill.textAt(2, "ItemID"), "TST04");
    // the package's items are on no account: stock at amount 0, tagged with their package
    const Recordset card = conn().query(QStringLiteral("SELECT IDNum, Amount, PackageID FROM INVENTORY..tbInvStockCard WHERE RefNum = ?"),
                                        {r.slipNumber});
    ASSERT_EQ(card.recordCount(), 1);
    EXPECT_EQ(card.text("IDNum"), "");
    EXPECT_EQ(card.toDouble("Amount"), 0);
    EXPECT_EQ(card.text("PackageID"), "TPKG1");
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseLogbook WHERE ReferenceNum = ? AND PackageID = 'TPKG1'"),
                    {r.slipNumber}),
              3);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..tbCathLabLogBook WHERE RefNum = ? AND PackageID = 'TPKG1' "
                                   "AND PackageAmount = 58000 AND IDNum = 'TX0001'"),
                    {r.slipNumber}),
              3);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..tbCathLabLogBook WHERE RefNum = ? AND PackageID = 'TPKG2' "
                                   "AND PackageAmount > 12000.45 AND PackageAmount < 12000.47"),
                    {r.slipNumber}),
              1);
    // the replaced item, and the case of the one package that has a form
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..tbCLReplacedItems WHERE RefNum = ? AND PackageID = 'TPKG1' "
                                   "AND PackageItemID = 'SUP0002' AND ItemID = '100101'"),
                    {r.slipNumber}),
              1);
    const Recordset cases = conn().query(QStringLiteral("SELECT ItemID, Amount, PatientType, Description, RequestNum FROM "
                                                        "CLINICAL_AREA..tbCathLabMaster WHERE RefNum = ?"),
                                         {r.slipNumber});
    ASSERT_EQ(cases.recordCount(), 1);
    EXPECT_EQ(cases.text("ItemID"), "TPKG1");
    EXPECT_EQ(cases.text("Description"), "TEST PACKAGE ONE");
    EXPECT_FALSE(cases.text("RequestNum").isEmpty());
    // on the slip: one line per package, and the service outside them
    const Recordset print = conn().query(QStringLiteral("SELECT ItemID, Quantity, Amount FROM STATION..tbCLChargePrint WHERE ChargeSlip = ? "
                                                        "ORDER BY LineID"),
                                         {r.slipNumber});
    ASSERT_EQ(print.recordCount(), 3);
    EXPECT_EQ(print.textAt(0, "ItemID"), "TPKG1");
    EXPECT_EQ(DbValue::toDouble(print.valueAt(0, "Quantity")), 1);
    EXPECT_EQ(print.textAt(1, "ItemID"), "TPKG2");
    EXPECT_EQ(print.textAt(2, "ItemID"), "TST04");
}

TEST_F(ChargeSaveTest, TwoWorkstationsSavingAtOnceGetTheirOwnSlips)
{
    constexpr int saves = 8;
    StartingLine line(2);
    auto workstation = [this, &line](const QString tag, QStringList* slips, QString* error) {
        StartingLine::Place place(line);
        try {
            auto c = TestDatabase::openAnother();
            place.wait();
            for (int i = 0; i < saves; ++i) {
                const QByteArray a = (tag + QStringLiteral("-%1-A").arg(i)).toLatin1(), b = (tag + QStringLiteral("-%1-B").arg(i)).toLatin1();
                slips->append(SaveChargeRows(*c, input({service("HS", "TST01", a.constData(), "1", "100"),
                                                        service("HS", "TST02", b.constData(), "1", "200")}))
                                  .slipNumber);
            }
        } catch (const std::exception& e) {
            *error = QString::fromLocal8Bit(e.what());
        }
    };
    QStringList a, b;
    QString errA, errB;
    std::thread t1(workstation, QStringLiteral("WS1"), &a, &errA), t2(workstation, QStringLiteral("WS2"), &b, &errB);
    t1.join();
    t2.join();
    ASSERT_TRUE(errA.isEmpty()) << errA.toStdString();
    ASSERT_TRUE(errB.isEmpty()) << errB.toStdString();
    QSet<QString> all(a.begin(), a.end());
    all.unite(QSet<QString>(b.begin(), b.end()));
    EXPECT_EQ(all.size(), 2 * saves);
    EXPECT_EQ(counter(), 1001 + 2 * saves);
    for (const auto& [slips, tag] : {std::pair{a, QStringLiteral("WS1-")}, std::pair{b, QStringLiteral("WS2-")}})
        for (const QString& s : slips) {
            const Recordset lines = conn().query(QStringLiteral("SELECT Description FROM STATION..tbCLChargePrint WHERE ChargeSlip = ?"), {s});
            ASSERT_EQ(lines.recordCount(), 2) << s.toStdString();
            for (int i = 0; i < 2; ++i) EXPECT_TRUE(lines.textAt(i, "Description").startsWith(tag)) << s.toStdString();
        }
    // the slip printed reads its own lines only
    ChargeSlipHeader h;
    PrintChargeSlip(conn(), h, a.first(), QDateTime::currentDateTime(), QStringLiteral("DELA CRUZ, ANA"));
    const QString text = ReportLog::calls().last().text;
    EXPECT_TRUE(text.contains(QStringLiteral("WS1-0-A"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("WS1-0-B")));
    EXPECT_FALSE(text.contains(QStringLiteral("WS2-")));
    EXPECT_FALSE(text.contains(QStringLiteral("WS1-1-")));
}

TEST_F(ChargeSaveTest, TheSlipOfASaveAndItsReprint)
{
    open();
    fillGrid({service("HS", "TST01", "TEST PROCEDURE", "2", "600"), stock("100101", "GUIDE CATHETER JL4 6FR PC", "1", "4500"),
              service("MD", "D001", "VILLAREAL ,ANTONIO", "1", "500")});
    UiScript::queueDialog(QStringLiteral("frmRequestingDoctor"), [](QDialog*) {}); // left without a doctor: saved all the same
    queueValidationAs(QStringLiteral("CL002"), QStringLiteral("CATH2")); // not the user logged in
    w()->Command1[0]->click();
    ASSERT_EQ(w()->CurrentSlipNumber, kSlip1001);
    ASSERT_EQ(ReportLog::calls().size(), 1);
    const ReportCall& call = ReportLog::calls().last();
    EXPECT_EQ(call.fileName(), "Charge_Slip_BlankForm.RPT");
    EXPECT_FALSE(call.openedFile.isEmpty());
    EXPECT_EQ(call.shown, ReportShown::MedicationSheet);
    EXPECT_EQ(call.caption, "Print ChargeSlip");
    ASSERT_EQ(call.params.size(), 16);
    const QString user = DialogAnswers.ValidatedUserName;
    ASSERT_FALSE(user.isEmpty());
    const QString posted = call.params[8].toString();
    const QVariantList expected{kSlip1001, "SANTOS, MARIA", "T9002", "54 / F", "", "PERSONAL", "205", "TX0001", posted, posted, "DR. CRUZ",
                                "", user, user, user, "ORIGINAL COPY"};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(call.params[i].toString(), expected[i].toString()) << "value " << i + 1;
    EXPECT_EQ(posted, Fmt::serverDateText(Session.ServerDate));
    EXPECT_TRUE(call.text.contains(QStringLiteral("TEST PROCEDURE")));
    EXPECT_TRUE(call.text.contains(QStringLiteral("GUIDE CATHETER JL4 6FR PC")));
    EXPECT_TRUE(call.text.contains(QStringLiteral("VILLAREAL ,ANTONIO")));
    EXPECT_TRUE(call.text.contains(QStringLiteral("5,600.00"))) << call.text.toStdString(); // the total
    EXPECT_EQ(grid()->TextMatrix(1, ItemCode), ""); // a new grid

    // The reprint acts on the posted list's current row: dated as posted, signed by the user who
    // validated the save, whoever is logged in now.
    FlexGrid* list = w()->MSHFlexList;
    list->setRows(2);
    list->setCols(8);
    list->setTextMatrix(1, 6, QStringLiteral(" ") + kSlip1001 + QStringLiteral(" "));
    list->setTextMatrix(1, 7, QStringLiteral("2026-12-01 14:05:09"));
    list->setCurrentCell(1, 6);
    conn().execute(QStringLiteral("DELETE FROM STATION..tbCLChargePrint")); // the lines are made afresh from the postings
    Session.HospitalInfo.IsPrintChargeSlip = false;
    w()->ReprintChargeSlip();
    EXPECT_EQ(ReportLog::calls().size(), 1); // a hospital that prints no slips does nothing
    EXPECT_EQ(linesOf(QStringLiteral("STATION..tbCLChargePrint"), kSlip1001), 0);
    Session.HospitalInfo.IsPrintChargeSlip = true;
    DialogAnswers.ValidatedUserName.clear(); // a later revocation's validation leaves another name here
    w()->ReprintChargeSlip();
    ASSERT_EQ(ReportLog::calls().size(), 2);
    const ReportCall& again = ReportLog::calls().last();
    EXPECT_EQ(again.shown, ReportShown::Viewer);
    EXPECT_EQ(again.caption, "Reprint Charge Slip");
    EXPECT_EQ(again.params[0].toString(), kSlip1001);
    EXPECT_EQ(again.params[8].toString(), "12/01/2026 02:05:09 PM");
    EXPECT_EQ(again.params[9].toString(), "12/01/2026 02:05:09 PM");
    ASSERT_NE(Session.CurrentUser->EmployeeName(), user);
    for (int i = 12; i < 15; ++i) EXPECT_EQ(again.params[i].toString(), user);
    EXPECT_EQ(again.params[15].toString(), "REPRINTED COPY");
    EXPECT_TRUE(again.text.contains(QStringLiteral("TEST PROCEDURE")));
    EXPECT_TRUE(again.text.contains(QStringLiteral("GUIDE CATHETER JL4 6FR PC")));
    EXPECT_TRUE(again.text.contains(QStringLiteral("VILLAREAL ,ANTONIO"))) << again.text.toStdString(); // the fee by its doctor
    EXPECT_TRUE(again.text.contains(QStringLiteral("5,600.00")));
}

TEST_F(ChargeSaveTest, AFailureAtTheThirdRowOfFiveLeavesNothingAndTheGridStays)
{
    open();
    const QList<QStringList> rows{service("HS", "TST01", "TEST PROCEDURE", "1", "300"), service("HS", "TST02", "TEST PROCEDURE TWO", "1", "200"),
                                  stock("100101", "GUIDE CATHETER JL4 6FR PC", "1", "4500"),
                                  service("HS", "TST03", "TEST PROCEDURE THREE", "1", "300"),
                                  service("HS", "TST04", "TEST PROCEDURE FOUR", "1", "400")};
    fillGrid(rows);
    const QList<QStringList> before = gridRows();
    {
        // the stock of the third row cannot be moved: its posting fails after the first two
        TableOutOfReach away(conn(), QStringLiteral("INVENTORY..tbInvLocationStock"));
        save();
    }
    EXPECT_EQ(UiScript::shown().last().title, "Notification");
    EXPECT_TRUE(UiScript::lastText().endsWith(QStringLiteral("Please notify your IT department."))) << UiScript::lastText().toStdString();
    EXPECT_EQ(everythingUnder(kSlip1001), 0);
    EXPECT_EQ(counter(), 1001); // no number used
    EXPECT_EQ(ReportLog::calls().size(), 0);
    EXPECT_EQ(gridRows(), before);
    EXPECT_TRUE(w()->Command1[0]->isEnabled());

    save(); // once more: posted once
    EXPECT_EQ(w()->CurrentSlipNumber, kSlip1001);
    EXPECT_EQ(linesOf(QStringLiteral("BILLING..tbBillDailyBill"), kSlip1001), 5);
    EXPECT_EQ(linesOf(QStringLiteral("INVENTORY..tbInvStockCard"), kSlip1001), 1);
    EXPECT_EQ(linesOf(QStringLiteral("STATION..tbCLChargePrint"), kSlip1001), 5);
    EXPECT_EQ(counter(), 1002);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(DISTINCT TransDate) FROM BILLING..tbBillDailyBill WHERE Refnum = ?"), {kSlip1001}), 1);
}

// A supply charged on the window is on the bill, in the posted list with its location, and its
// revocation takes it off the bill and brings its stock back.
TEST_F(ChargeSaveTest, ASupplyIsBilledListedAndRevokedWithItsStock)
{
    const auto onHand = [this] {
        return DbValue::toDouble(
            conn().scalar(QStringLiteral("SELECT OnHand FROM INVENTORY..tbInvLocationStock WHERE LocationID = '35' AND ItemID = '100101'")));
    };
    const auto billed = [this] {
        return DbValue::toDouble(conn().scalar(QStringLiteral("SELECT COALESCE(SUM(Amount), 0) FROM BILLING..tbBillDailyBill "
                                                              "WHERE IDNum = 'TX0001' AND ItemID = '100101'")));
    };
    const double before = onHand();
    open();
    fillGrid({stock("100101", "GUIDE CATHETER JL4 6FR PC", "2", "9000")});
    save();
    EXPECT_EQ(onHand(), before - 2);
    EXPECT_EQ(billed(), 9000);
    FlexGrid* list = w()->MSHFlexList;
    int row = 0;
    for (int r = 1; r < list->Rows(); ++r)
        if (list->TextMatrix(r, PostedChargeRow::ItemCode) == QLatin1String("100101")) row = r;
    ASSERT_GT(row, 0);
    EXPECT_EQ(list->TextMatrix(row, PostedChargeRow::Location), "35");
    EXPECT_EQ(list->TextMatrix(row, PostedChargeRow::ChargeSlip), kSlip1001);
    list->setCurrentCell(row, PostedChargeRow::Dept);
    AccessTest::queueValidation(QStringLiteral("CL001"), QStringLiteral("CATH1"), QStringLiteral("NOT USED"));
    w()->cmdOption[1]->click();
    EXPECT_EQ(billed(), 0);
    EXPECT_EQ(onHand(), before);
}

TEST_F(ChargeSaveTest, RefusalsWriteNothing)
{
    struct Case {
        const char* name;
        std::function<void()> prepare;
        QList<QStringList> rows;
        const char *text, *title;
        int style;
    };
    const QStringList one = service("HS", "TST01", "TEST PROCEDURE", "1", "300");
    const Case cases[] = {
        {"blank grid", [] {}, {}, "Can't save a blank data! Please enter charges first.", "Notification", vbExclamation},
        {"no description", [] {}, {chargeRow({{Dept, "HS"}, {ItemCode, "TST01"}})}, "Can't save a blank data. Please enter charges first.",
         "Notification", vbExclamation},
        {"quantity missing", [] {}, {one, chargeRow({{Dept, "HS"}, {ItemCode, "TST02"}, {Description, "TEST PROCEDURE TWO"}})},
         "Please enter quantity to request for TEST PROCEDURE TWO.", "Notification", vbInformation},
        {"duplicate", [] {}, {one, one}, "Please double-check list for duplicate items.", "Notification", vbInformation},
        // a row that would not be posted is named before anything is asked
        {"zero-priced fee", [] {}, {one, service("MD", "D001", "REYES ,JOSE", "1", "0")}, "Please enter the amount to charge for REYES ,JOSE.",
         "Notification", vbInformation},
        {"no price", [] {}, {chargeRow({{Dept, "HS"}, {ItemCode, "TST02"}, {Description, "TEST PROCEDURE TWO"}, {Qty, "1"}}), one},
         "Please enter the amount to charge for TEST PROCEDURE TWO.", "Notification", vbInformation},
        {"closed account",
         [this] { conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET BillingDate = ? WHERE IDNum = 'TX0001'"),
                                 {QDateTime(QDate(2026, 12, 1), QTime(9, 0))}); },
         {one},
         "The patient's account has already been closed. \r\n\r\nIf you have transactions to make, please notify the Billing staff "
         "immediately for further instructions.",
         "Notification", vbExclamation},
        {"no dosage",
         [this] {
             setStationParameter(QStringLiteral("CLShowDosagePostMedicines"), QStringLiteral("1"));
             m_components->drugs->SearchDrug(QStringLiteral("MED0401"), QStringLiteral("20")); // the catalogue's last look-up
         },
         {one, chargeRow({{Dept, "PH"}, {ItemCode, "MED0201"}, {Description, "HEPARIN VIAL"}, {Qty, "1"}, {Amount, "410"}, {Location, "20"}}),
          chargeRow({{Dept, "PH"}, {ItemCode, "MED0401"}, {Description, "LIDOCAINE"}, {Qty, "1"}, {Amount, "85"}, {Location, "20"}})},
         "", "Notification", vbCritical},
        {"no counter row", [this] { conn().execute(QStringLiteral("DELETE FROM STATION..tbCLChargeSlip")); }, {one},
         "No chargeslip sequence number set for Station CL.", "Notification", vbInformation},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        conn().execute(QStringLiteral("DELETE FROM STATION..tbCLChargeSlip"));
        conn().execute(QStringLiteral("INSERT INTO STATION..tbCLChargeSlip (StationID, Chargeslip) VALUES ('CL', 1001)"));
        conn().execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET BillingDate = NULL WHERE IDNum = 'TX0001'"));
        setStationParameter(QStringLiteral("CLShowDosagePostMedicines"), QStringLiteral("0"));
        open();
        c.prepare();
        if (!c.rows.isEmpty()) fillGrid(c.rows);
        const QList<QStringList> before = gridRows();
        UiScript::reset();
        save();
        EXPECT_EQ(gridRows(), before); // what was refused stays on screen
        ASSERT_FALSE(UiScript::shown().isEmpty());
        const ShownMessage& m = UiScript::shown().last();
        if (QByteArray(c.name) == "no dosage") // named by the row's own item, not the catalogue's last look-up
            EXPECT_EQ(m.text, "DOSAGE ID for HEPARIN 5000IU/ML VIAL is empty. The system can't process the specified item.");
        else
            EXPECT_EQ(m.text, QString::fromUtf8(c.text));
        EXPECT_EQ(m.title, c.title);
        EXPECT_EQ(m.style & 0xF0, c.style);
        EXPECT_EQ(everythingUnder(kSlip1001), 0);
        EXPECT_EQ(ReportLog::calls().size(), 0);
        EXPECT_TRUE(w()->Command1[0]->isEnabled());
        delete frmCharge::existing();
    }
}

TEST_F(ChargeSaveTest, OneFilledRowIsSavedWithoutAReasonAsked)
{
    open();
    // one filled row and no empty row behind it (as the package picker can leave the grid)
    fillGrid({service("HS", "TST01", "TEST PROCEDURE", "1", "300")});
    grid()->setRows(2);
    // a revocation before left the validation asking for a reason: a posting asks for none
    frmTransaction_UserValidation::instance()->PostOrCancel = 1;
    int postOrCancel = -1;
    queueValidationNotingMode(QStringLiteral("CL001"), QStringLiteral("CATH1"), &postOrCancel);
    w()->Command1[0]->click();
    EXPECT_EQ(postOrCancel, 0);
    EXPECT_EQ(linesOf(QStringLiteral("BILLING..tbBillDailyBill"), kSlip1001), 1);
    EXPECT_EQ(ReportLog::calls().size(), 1);
}

TEST_F(ChargeSaveTest, AnswersThatStopTheSaveAndASlipThatFailsToPrint)
{
    open();
    fillGrid({service("HS", "TST01", "TEST PROCEDURE", "1", "300")});
    UiScript::queueAnswer(vbNo); // not confirmed
    w()->Command1[0]->click();
    EXPECT_EQ(UiScript::lastText(), "Please verify that the items entered are true and correct. \n\rDo you want to proceed in saving these charges?");
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
    // a validation closed without a user, then "No": nothing saved
    UiScript::queueAnswer(vbYes);
    UiScript::queueAnswer(vbNo);
    w()->Command1[0]->click();
    EXPECT_EQ(UiScript::lastText(), "Selected charges will not be saved! \r\nAre you sure you want to save these charges?");
    EXPECT_EQ(everythingUnder(kSlip1001), 0);
    EXPECT_EQ(counter(), 1001);
    EXPECT_EQ(grid()->TextMatrix(1, ItemCode), "TST01");

    // The slip cannot be made after the commit: said so, and the window starts afresh all the same.
    setStationParameter(QStringLiteral("OnlyShowPackageCSlip"), QStringLiteral("1"));
    UiScript::reset();
    {
        TableOutOfReach away(conn(), QStringLiteral("BUILD_FILE..TBCOOTHERREVENUE"));
        save();
    }
    EXPECT_EQ(UiScript::shown().last().title, "Notification");
    EXPECT_TRUE(UiScript::lastText().endsWith(QStringLiteral("Please notify your IT department.")));
    EXPECT_EQ(linesOf(QStringLiteral("BILLING..tbBillDailyBill"), kSlip1001), 1);
    EXPECT_EQ(w()->CurrentSlipNumber, kSlip1001);
    EXPECT_EQ(grid()->TextMatrix(1, ItemCode), "");
    EXPECT_TRUE(w()->Command1[0]->isEnabled());
}

} // namespace
