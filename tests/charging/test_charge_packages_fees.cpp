// Packages and professional fees on the charging entry, driven through the real window: a package's
// item code loads its items row by row with the package's own amount; a doctor in the "MD"
// department takes a fee from the class rate or from the fee picker; the picker on its own.
#include "access/AccessTestSupport.h"
#include "charging/ChargeWindowTest.h"
#include "support/ScriptedValidation.h"
#include "support/TableOutOfReach.h"

#include "charging/ChargeEntryRow.h"
#include "charging/ChargePackages.h"
#include "charging/ChargePostedList.h"
#include "charging/ChargePricing.h"
#include "charging/frmPackageReturnedItems.h"
#include "platform/db/Connection.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/doctors/frmDoctorsFee.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace ChargeEntryRow;

namespace {

const QString kNotice = QStringLiteral("Notification");

class ChargePackagesFeesTest : public ChargeWindowTest {
protected:
    void SetUp() override
    {
        ChargeWindowTest::SetUp();
        setStationParameter(QStringLiteral("CLConsignedPackagesRevenueID"), QStringLiteral("CP"));
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName, FirstName) VALUES ('T9002', 'SANTOS', 'MARIA')"));
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, RoomID) VALUES ('TX0001', 'T9002', '205')"));
        // a cash out-patient visit: the out-patient price class
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..TBOUTPATIENT (IDNum, HospNum, OPDClass) VALUES ('TX0003B', 'T9002', 'A')"));
        // Item codes of the department that stand for packages, and the packages' rates in the
        // department's own section: TPK01 5,000 (over time 6,000); package TPKG-B 2,500.
        const QString service = QStringLiteral(
            "INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, RateA, RateB, RateC, RateD, "
            "RateE, RateF, RateG, RateH, CathOverTimeRate, CathOnCallRate, FixRate, Status) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'Y', 'A')");
        const struct { const char *section, *code, *name; double rate, overtime; } services[] = {
            {"CL", "TPK01", "TEST PACKAGE ONE", 5000, 6000},  {"CL", "TPK02", "TEST PACKAGE EMPTY", 3000, 3000},
            {"CL", "TPKG-A", "TEST PACKAGE ONE (OWN)", 4800, 4800}, {"CL", "TPKG-B", "TEST PACKAGE TWO", 2500, 2600},
            {"CL", "TPKG-C", "TEST CONSIGNED", 7000, 7000},    {"CP", "TCP01", "TEST CONSIGNED PACKAGE", 7000, 7000},
            {"CP", "TCP02", "TEST CONSIGNED EMPTY", 100, 100},
        };
        for (const auto& s : services) {
            QVariantList v{s.section, s.code, s.name};
            for (int k = 0; k < 8; ++k) v << s.rate;
            v << s.overtime << s.overtime;
            conn().execute(service, v);
        }
        conn().execute(QStringLiteral("INSERT INTO STATION..tbCLPackage_CodeLink (PackageCode, NurseItemCode, Status) VALUES "
                                      "('TPKG-A', 'TPK01', 'A'), ('TPKG-E', 'TPK02', 'A'), ('TPKG-C', 'TCP01', 'I'), "
                                      "('TPKG-B', 'TPK09', 'I')"));
        conn().execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLOtherPackageLink (PackageCode, NurseItemCode, Status) VALUES "
                                      "('TPKG-C', 'TCP01', 'A'), ('TPKG-CE', 'TCP02', 'A')"));
        const QString item = QStringLiteral(
            "INSERT INTO CLINICAL_AREA..tbCLPackageItems (PackageCode, LineNo, ItemID, RevenueID, Description, Quantity, PriceIn, "
            "PriceOut, LocationID, Status) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        const struct { const char *package; int line; const char *item, *rev, *name; int qty; double in, out; const char *location, *status; } items[] = {
            {"TPKG-A", 1, "HS001", "HS", "ECG 12 LEADS", 1, 0.5, 0.4, "", "A"},
            {"TPKG-A", 2, "SUP0002", "CS", "INTRODUCER SHEATH 6FR", 2, 150.5, 140, "21", "A"},
            {"TPKG-A", 3, "MED0201", "PH", "HEPARIN 5000IU/ML VIAL", 1, 410.75, 380, "20", "A"},
            {"TPKG-A", 4, "CBC", "LB", "COMPLETE BLOOD COUNT", 1, 350, 350, "", "I"}, // taken out of the package
            {"TPKG-B", 1, "HS002", "HS", "TREADMILL STRESS TEST", 1, 3500, 3500, "", "A"},
            {"TPKG-C", 1, "SUP0004", "CU", "DRUG-ELUTING STENT 3.0X18", 1, 68000, 65000, "36", "A"},
        };
        for (const auto& i : items)
            conn().execute(item, {i.package, i.line, i.item, i.rev, i.name, i.qty, i.in, i.out, i.location, i.status});
        // Doctors' fee items: T01 has two that count; T02 (no items) has class rates.
        conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctor (DoctorID, LastName, FirstName, Status) VALUES "
                                      "('T01', 'ABAD', 'LUIS', 'A'), ('T02', 'BAUTISTA', 'ROSA', 'A'), ('T03', 'CRUZ', 'ANA', 'A')"));
        conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctorBill (DoctorID, Description, Amount, Status) VALUES "
                                      "('T01', 'ZETA PROCEDURE', 100, 1), ('T01', 'ALPHA PROCEDURE', 750.50, 1), "
                                      "('T01', 'INACTIVE FEE', 300, 0), ('T01', 'NO AMOUNT', 0, 1), ('T02', 'OLD FEE', 500, 0)"));
        conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoDoctorRate (DoctorID, RateClass, Amount) VALUES "
                                      "('T02', 'A', 1000), ('T02', 'C', 3000)"));
    }
    QColor background(int row, int col) { return grid()->item(row, col)->background().color(); }
    // Saves the grid as the nurse does: confirmed, validated, no requesting doctor.
    void save()
    {
        queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
        w()->Command1[0]->click();
    }
    // What the admission's bill holds of an item under the department's own code.
    double billed(const char* item)
    {
        return DbValue::toDouble(conn().scalar(QStringLiteral("SELECT COALESCE(SUM(Amount), 0) FROM BILLING..tbBillDailyBill "
                                                              "WHERE IDNum = 'TX0001' AND RevenueID = 'CL' AND ItemID = ?"),
                                               {item}));
    }
    // Picks the fee item of the given row in the next fee picker (by Enter on the real grid), or
    // leaves the picker open (row 0): closed by its frame.
    void pickFee(int row)
    {
        UiScript::queueDialog(QStringLiteral("frmDoctorsFee"), [row](QDialog* d) {
            auto* picker = static_cast<frmDoctorsFee*>(d);
            if (row < 1) return;
            picker->mshFlexDoctorsFee->setCurrentCell(row, 1);
            QTest::keyClick(picker->mshFlexDoctorsFee, Qt::Key_Return);
        });
    }
};

// The demo hospital's own road: the department's code is no stock room, so its procedure code
// linked to a package brings the package's items.
TEST_F(ChargePackagesFeesTest, TheDemoProcedureCodeBringsItsPackage)
{
    open();
    enterItem("CL", "CL101");
    EXPECT_TRUE(UiScript::shown().isEmpty()) << UiScript::lastText().toStdString();
    ASSERT_GT(grid()->Rows(), 2);
    for (int r = 1; r < grid()->Rows() - 1; ++r) EXPECT_EQ(cell(r, PackageCode), "CL101") << r; // the procedure code stands for its package
    EXPECT_TRUE(cell(grid()->Rows() - 1, ItemCode).isEmpty());
}

TEST_F(ChargePackagesFeesTest, APackageLoadsItemByItemWithItsOwnAmount)
{
    open();
    enterItem("CL", "TPK01");
    EXPECT_TRUE(UiScript::shown().isEmpty()) << UiScript::lastText().toStdString();
    ASSERT_EQ(grid()->Rows(), 5); // three items, then a blank numbered row
    const struct { const char *number, *dept, *code, *qty, *unit, *amount, *location; } rows[] = {
        {" 1", "HS", "HS001", "1", "0.5", "0.5", ""},
        {" 2", "CS", "SUP0002", "2", "150.5", "301", "21"},
        {" 3", "PH", "MED0201", "1", "410.75", "410.75", "20"},
    };
    for (int r = 1; r <= 3; ++r) {
        const auto& x = rows[r - 1];
        SCOPED_TRACE(r);
        EXPECT_EQ(cell(r, Number), x.number);
        EXPECT_EQ(cell(r, Dept), x.dept);
        EXPECT_EQ(cell(r, ItemCode), x.code);
        EXPECT_EQ(cell(r, DosageID), x.code);
        EXPECT_EQ(cell(r, Qty), x.qty);
        EXPECT_EQ(cell(r, PackageQty), x.qty);
        EXPECT_EQ(cell(r, UnitPrice), x.unit);
        EXPECT_EQ(cell(r, Amount), x.amount);
        EXPECT_EQ(cell(r, BasePrice), x.amount);
        EXPECT_EQ(cell(r, Location), x.location);
        EXPECT_EQ(cell(r, PackageCode), "TPK01");
        EXPECT_EQ(cell(r, PackageAmount), "5000"); // re-priced from the row's package item at the Regular option
    }
    EXPECT_EQ(cell(4, Number), " 4");
    EXPECT_EQ(cell(4, ItemCode), "");
    // the package counts once, with its own amount, not the sum of its items
    EXPECT_EQ(w()->txtGross->text(), "5,000.00");
    EXPECT_FALSE(w()->txtEntry->isVisible());
    EXPECT_TRUE(w()->lblPackageName->isVisible());
    EXPECT_EQ(w()->lblPackageName->text(), "TEST PACKAGE ONE");
    // hospital supplies and medicines light blue, other package rows light red
    EXPECT_EQ(background(1, Description), QColor(255, 192, 192));
    EXPECT_EQ(background(2, Description), QColor(192, 192, 255));
    EXPECT_EQ(background(3, Dept), QColor(192, 192, 255));

    // over time: the package amount follows the option; the total still counts it once
    w()->Option1[1]->click();
    EXPECT_EQ(cell(2, PackageAmount), "6000");
    EXPECT_EQ(w()->txtGross->text(), "6,000.00");
}

TEST_F(ChargePackagesFeesTest, PackageItemsTakeTheWindowsOwnPriceClass)
{
    open(QStringLiteral("TX0003B"), QString());
    ASSERT_EQ(w()->PricePatientClass, "O");
    enterItem("CL", "TPK01");
    EXPECT_EQ(cell(1, UnitPrice), "0.4");
    EXPECT_EQ(cell(2, UnitPrice), "140");
    EXPECT_EQ(cell(2, Amount), "280");
    // the list an in-patient window reads gives the in-patient prices
    const PackageLoad in = ReadPackageLoad(conn(), QStringLiteral("TPKG-A "), QStringLiteral("I"));
    ASSERT_EQ(in.items.size(), 3);
    EXPECT_EQ(in.items[1].price, "150.5");
    EXPECT_EQ(in.packageLink, "TPK01");
    // the rate is looked up by the package code as given: with its trailing blank there is none
    EXPECT_EQ(in.packageAmount, "0");
    EXPECT_EQ(ReadPackageLoad(conn(), QStringLiteral("TPKG-A"), QStringLiteral("I")).packageAmount, "4800");
}

TEST_F(ChargePackagesFeesTest, PackageRefusalsLeaveTheGridAsItWas)
{
    struct Case {
        const char *name, *dept, *code, *message;
    } cases[] = {
        {"package without items", "CL", "TPK02", "No items added yet to the package."},
        {"consigned package without items", "CP", "TCP02", "No items built yet to the package."},
        {"already charged", "CL", "TPK01", "The same package was previously charged. Please double-check list of charges."},
        {"mixed with a complete row", "CL", "TPK01", "There are existing items on the grid. Please don't mix package with regular items."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open();
        const QString name = QString::fromLatin1(c.name);
        if (name == QLatin1String("already charged"))
            conn().execute(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, TransDate, RevenueID, DrCr, ItemID, Quantity, "
                                          "Refnum, Amount, UserID) VALUES ('TX0001', GETDATE(), 'CL', 'D', 'TPK01', 1, 'CT0001', 5000, 'CL001')"));
        int rowsBefore = 2;
        if (name == QLatin1String("mixed with a complete row")) {
            enterItem("HS", "HS001");
            ASSERT_TRUE(w()->CompleteRow(1));
            rowsBefore = grid()->Rows();
            grid()->MoveTo(rowsBefore - 1, Dept);
        }
        const int row = grid()->Rows() - 1;
        UiScript::reset();
        enterItem(QString::fromLatin1(c.dept), QString::fromLatin1(c.code));
        ASSERT_FALSE(UiScript::shown().isEmpty());
        EXPECT_EQ(UiScript::shown().last().text, c.message);
        EXPECT_EQ(UiScript::shown().last().title, kNotice);
        EXPECT_EQ(grid()->Rows(), rowsBefore);
        EXPECT_EQ(cell(row, ItemCode), "");
        EXPECT_EQ(cell(row, PackageCode), "");
        EXPECT_FALSE(w()->lblPackageName->isVisible());
        delete frmCharge::existing();
        conn().execute(QStringLiteral("DELETE FROM BILLING..tbBillDailyBill WHERE IDNum = 'TX0001'"));
    }
}

// Both kinds of package are billed under the department's own code; a second charge of either is
// refused where the first one stands, and nothing more is billed.
TEST_F(ChargePackagesFeesTest, APackageChargedBeforeIsRefusedWhicheverItsKind)
{
    const struct { const char *dept, *code; double amount; } roads[] = {{"CL", "TPK01", 5000}, {"CP", "TCP01", 7000}};
    for (const auto& road : roads) {
        SCOPED_TRACE(road.code);
        open();
        enterItem(QString::fromLatin1(road.dept), QString::fromLatin1(road.code));
        ASSERT_EQ(cell(1, PackageCode), road.code);
        save();
        EXPECT_EQ(billed(road.code), road.amount);
        EXPECT_EQ(cell(1, ItemCode), ""); // saved: a new grid
        UiScript::reset();
        enterItem(QString::fromLatin1(road.dept), QString::fromLatin1(road.code));
        ASSERT_FALSE(UiScript::shown().isEmpty());
        EXPECT_EQ(UiScript::lastText(), "The same package was previously charged. Please double-check list of charges.");
        EXPECT_EQ(UiScript::shown().last().title, kNotice);
        EXPECT_EQ(cell(1, PackageCode), "");
        save();
        EXPECT_EQ(billed(road.code), road.amount);
        delete frmCharge::existing();
    }
}

// A consigned package charged on the window is named on its slip and in the posted list, its
// returned-items dialog lists what was issued under it, and its revocation brings that back.
TEST_F(ChargePackagesFeesTest, AConsignedPackageIsNamedListedAndRevokedWhereItIsBilled)
{
    const auto onHand = [this] {
        return DbValue::toDouble(conn().scalar(QStringLiteral("SELECT OnHand FROM INVENTORY..tbInvLocationStock "
                                                              "WHERE LocationID = '36' AND ItemID = 'SUP0004'")));
    };
    const double before = onHand();
    open();
    enterItem("CP", "TCP01");
    save();
    EXPECT_EQ(onHand(), before - 1);
    const QString slip = w()->CurrentSlipNumber;
    EXPECT_EQ(DbValue::text(conn().scalar(QStringLiteral("SELECT Description FROM STATION..tbCLChargePrint WHERE ChargeSlip = ? "
                                                         "AND ItemID = 'TCP01'"),
                                          {slip})),
              "TEST CONSIGNED PACKAGE");
    FlexGrid* list = w()->MSHFlexList;
    int row = 0;
    for (int r = 1; r < list->Rows(); ++r)
        if (list->TextMatrix(r, PostedChargeRow::ItemCode) == QLatin1String("TCP01")) row = r;
    ASSERT_GT(row, 0);
    EXPECT_EQ(list->TextMatrix(row, PostedChargeRow::Dept), "CL");
    EXPECT_EQ(list->TextMatrix(row, PostedChargeRow::Description), "TEST CONSIGNED PACKAGE");
    EXPECT_FALSE(list->TextMatrix(row, PostedChargeRow::PackageID).isEmpty());

    list->setCurrentCell(row, PostedChargeRow::Dept);
    w()->MSHFlexList_Click();
    ASSERT_TRUE(w()->cmdReturned->isVisible());
    QStringList listed;
    UiScript::queueDialog(QStringLiteral("frmPackageReturnedItems"), [&listed](QDialog* d) {
        FlexGrid* items = static_cast<frmPackageReturnedItems*>(d)->mshflexPackageItems;
        for (int r = 1; r < items->Rows(); ++r) listed << items->TextMatrix(r, 3);
    });
    w()->cmdReturned->click();
    EXPECT_EQ(listed, QStringList{"SUP0004"});

    list->setCurrentCell(row, PostedChargeRow::Dept);
    AccessTest::queueValidation(QStringLiteral("CL001"), QStringLiteral("CATH1"), QStringLiteral("NOT DONE"));
    w()->cmdOption[1]->click();
    EXPECT_EQ(billed("TCP01"), 0);
    EXPECT_EQ(onHand(), before);
}

TEST_F(ChargePackagesFeesTest, AConsignedPackageKeepsItsLoadedAmount)
{
    open();
    w()->Option1[1]->click(); // over time does not re-price consigned packages
    enterItem("CP", "TCP01");
    ASSERT_EQ(grid()->Rows(), 3);
    EXPECT_EQ(cell(1, ItemCode), "SUP0004");
    EXPECT_EQ(cell(1, PackageCode), "TCP01");
    EXPECT_EQ(cell(1, PackageAmount), "7000");
    EXPECT_EQ(w()->txtGross->text(), "7,000.00");
    EXPECT_EQ(w()->lblPackageName->text(), "TEST CONSIGNED PACKAGE");
    // nor does an option chosen once it is on the grid
    for (int option : {2, 0}) {
        w()->Option1[option]->click();
        EXPECT_EQ(cell(1, PackageAmount), "7000") << option;
        EXPECT_EQ(w()->txtGross->text(), "7,000.00") << option;
    }
}

TEST_F(ChargePackagesFeesTest, EveryPackageAddsItsOwnAmountOnce)
{
    open();
    enterItem("CL", "TPK01");
    // a second package added behind the first, as the package picker adds one
    ASSERT_TRUE(w()->LoadPackageItems(QStringLiteral("TPKG-B"), QString(), grid()->Rows() - 1));
    EXPECT_EQ(cell(4, PackageCode), "TPK09");
    EXPECT_EQ(cell(4, PackageAmount), "2500");
    w()->ComputeTotals();
    EXPECT_EQ(w()->txtGross->text(), "7,500.00");

    // twelve packages of 100 each: every one counts, however many there are
    FlexGrid& g = *grid();
    g.setRows(14);
    for (int r = 1; r <= 13; ++r) {
        g.setTextMatrix(r, PackageCode, QStringLiteral("P%1").arg((r - 1) % 12));
        g.setTextMatrix(r, PackageAmount, QStringLiteral("100"));
        g.setTextMatrix(r, Qty, QStringLiteral("1"));
        g.setTextMatrix(r, PackageQty, QStringLiteral("1"));
    }
    w()->ComputeTotals();
    EXPECT_EQ(w()->txtGross->text(), "1,200.00");
}

TEST_F(ChargePackagesFeesTest, AFailedItemListLeavesTheGridAsItWas)
{
    open();
    TableOutOfReach away(conn(), QStringLiteral("CLINICAL_AREA..tbCLPackageItems"));
    UiScript::reset();
    enterItem("CL", "TPK01");
    ASSERT_FALSE(UiScript::shown().isEmpty());
    EXPECT_TRUE(UiScript::lastText().endsWith("Please notify your IT department.")) << UiScript::lastText().toStdString();
    EXPECT_EQ(grid()->Rows(), 2);
    EXPECT_EQ(cell(1, PackageCode), "");
    EXPECT_EQ(cell(1, Description), "");
}

TEST_F(ChargePackagesFeesTest, ProfessionalFeeBySourceAndAmountsShown)
{
    struct Case {
        bool showAmount;
        const char *doctor, *idNum, *room;
        int pick;             // fee picker row to pick, -1: the picker must not open
        const char *fee;      // "" : the row is emptied
        const char* message;  // last message, "" for none
    } cases[] = {
        {true, "T01", "TX0001", "205", 1, "750.5", ""},   // fee items: the picker, ordered by description
        {true, "T01", "TX0001", "205", 2, "100", ""},
        {true, "T02", "TX0001", "205", -1, "3000", ""},   // no fee items: the rate of the room's class C
        {true, "T02", "TX0003B", "205", -1, "1000", ""},  // an out-patient visit: its classification (A), not the room
        {true, "T03", "TX0001", "205", -1, "0", ""},      // no rate either: 0, accepted while amounts are shown
        {false, "T01", "TX0001", "205", 1, "750.5", ""},
        {false, "T02", "TX0001", "205", -1, "",
         "No Record(s) found in the Doctor's Fee table. \r\nPlease contact EDP for further assistance."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.doctor) + (c.showAmount ? " shown " : " hidden ") + c.idNum);
        Session.HospitalInfo.IsShowAmount = c.showAmount;
        open(QString::fromLatin1(c.idNum), QString::fromLatin1(c.room));
        UiScript::reset();
        if (c.pick > 0) pickFee(c.pick);
        enterItem("MD", QString::fromLatin1(c.doctor));
        EXPECT_EQ(UiScript::dialogsRun().contains("frmDoctorsFee"), c.pick > 0);
        EXPECT_EQ(UiScript::lastText(), c.message);
        EXPECT_EQ(cell(1, UnitPrice), c.fee);
        EXPECT_EQ(cell(1, Amount), c.fee);
        EXPECT_EQ(cell(1, BasePrice), c.fee);
        if (*c.fee) {
            EXPECT_EQ(cell(1, ItemCode), c.doctor);
            EXPECT_EQ(cell(1, Qty), "1");
        } else {
            EXPECT_EQ(cell(1, Dept), "");
            EXPECT_EQ(cell(1, ItemCode), "");
            EXPECT_EQ(grid()->Col(), int(Dept));
        }
        delete frmCharge::existing();
    }
}

TEST_F(ChargePackagesFeesTest, ACancelledFeePickChargesNothingAndForgetsTheLastPick)
{
    open();
    pickFee(1);
    enterItem("MD", "T01");
    ASSERT_EQ(cell(1, UnitPrice), "750.5");
    ASSERT_EQ(cell(1, Description), "ABAD ,LUIS");
    ASSERT_EQ(grid()->Rows(), 3);

    // the next row: the picker is closed by its frame
    grid()->MoveTo(2, Dept);
    UiScript::reset();
    pickFee(0);
    enterItem("MD", "T01");
    EXPECT_TRUE(UiScript::dialogsRun().contains("frmDoctorsFee"));
    EXPECT_EQ(frmDoctorsFee::instance()->SelectedDoctorFee, 0);
    EXPECT_FALSE(frmDoctorsFee::instance()->FeePicked);
    EXPECT_EQ(cell(2, ItemCode), "");
    EXPECT_EQ(cell(2, UnitPrice), "");
    EXPECT_EQ(grid()->Rows(), 3);
    EXPECT_EQ(w()->txtGross->text(), "750.50");
}

TEST_F(ChargePackagesFeesTest, ReplacingTheDoctorAsksFirst)
{
    Session.HospitalInfo.IsShowAmount = true;
    open();
    enterItem("MD", "T02"); // 3000 by class
    ASSERT_EQ(cell(1, UnitPrice), "3000");
    grid()->MoveTo(1, ItemCode);
    UiScript::reset();
    UiScript::queueAnswer(vbNo);
    enter("T03");
    EXPECT_EQ(UiScript::lastText(), "Do you really want to replace BAUTISTA ,ROSA with CRUZ ,ANA?");
    EXPECT_EQ(UiScript::shown().last().title, "Confirmation");
    EXPECT_EQ(cell(1, ItemCode), "T02");
    EXPECT_EQ(cell(1, UnitPrice), "3000");
    // the same doctor again asks nothing
    grid()->MoveTo(1, ItemCode);
    UiScript::reset();
    enter("T02");
    EXPECT_TRUE(UiScript::shown().isEmpty());
    EXPECT_EQ(cell(1, ItemCode), "T02");
}

TEST_F(ChargePackagesFeesTest, AFailedFeeLookUpLeavesTheRowAsItWas)
{
    for (bool showAmount : {true, false}) {
        SCOPED_TRACE(showAmount);
        Session.HospitalInfo.IsShowAmount = showAmount;
        open();
        TableOutOfReach away(conn(), QStringLiteral("BUILD_FILE..tbCoDoctorBill"));
        UiScript::reset();
        enterItem("MD", "T01");
        EXPECT_TRUE(UiScript::lastText().endsWith("Please notify your IT department.")) << UiScript::lastText().toStdString();
        EXPECT_FALSE(UiScript::dialogsRun().contains("frmDoctorsFee"));
        EXPECT_EQ(cell(1, Dept), "MD");
        EXPECT_EQ(cell(1, ItemCode), "");
        EXPECT_EQ(cell(1, UnitPrice), "");
        away.restore();
        delete frmCharge::existing();
    }
}

TEST_F(ChargePackagesFeesTest, TheFeePickerListsOnlyItemsThatCount)
{
    frmDoctorsFee* picker = frmDoctorsFee::instance();
    picker->DoctorCode = QStringLiteral("T01 ");
    picker->DoctorName = QStringLiteral("ABAD ,LUIS");
    EXPECT_TRUE(picker->SearchRecord());
    UiScript::queueDialog(QStringLiteral("frmDoctorsFee"), [](QDialog* d) {
        auto* p = static_cast<frmDoctorsFee*>(d);
        EXPECT_EQ(p->lblDoctor->text(), "List of Professional Fees of ABAD ,LUIS");
        ASSERT_EQ(p->mshFlexDoctorsFee->Rows(), 3);
        EXPECT_EQ(p->mshFlexDoctorsFee->TextMatrix(1, 1), "ALPHA PROCEDURE");
        EXPECT_EQ(p->mshFlexDoctorsFee->TextMatrix(2, 1), "ZETA PROCEDURE");
        EXPECT_TRUE(p->mshFlexDoctorsFee->isEnabled());
        p->mshFlexDoctorsFee->setCurrentCell(2, 1);
        Q_EMIT p->mshFlexDoctorsFee->cellDoubleClicked(2, 1);
    });
    EXPECT_TRUE(picker->ShowModal());
    EXPECT_EQ(picker->SelectedDoctorFee, 100);

    // a doctor whose only item is inactive has none that count
    picker->DoctorCode = QStringLiteral("T02");
    EXPECT_FALSE(picker->SearchRecord());
    UiScript::queueDialog(QStringLiteral("frmDoctorsFee"), [](QDialog* d) {
        auto* p = static_cast<frmDoctorsFee*>(d);
        EXPECT_FALSE(p->mshFlexDoctorsFee->isEnabled());
        EXPECT_EQ(p->mshFlexDoctorsFee->Rows(), 2);
        p->mshFlexDoctorsFee_DblClick(); // nothing to pick
        EXPECT_TRUE(p->isVisible());
    });
    EXPECT_FALSE(picker->ShowModal());
    EXPECT_EQ(picker->SelectedDoctorFee, 0);

    // opened without ShowModal after a pick: still no answer from the earlier showing
    picker->SelectedDoctorFee = 100;
    picker->FeePicked = true;
    runModal(picker);
    EXPECT_EQ(picker->SelectedDoctorFee, 0);
    EXPECT_FALSE(picker->FeePicked);
}

TEST(ChargePricingTest, UnitPriceFromAnAmount)
{
    const struct { double amount, quantity; std::optional<double> unit; } cases[] = {
        {301, 2, 150.5}, {100, 4, 25}, {100, 0, std::nullopt}, {100, -1, std::nullopt}, {0, 3, 0}};
    for (const auto& c : cases) EXPECT_EQ(UnitPriceFromAmount(c.amount, c.quantity), c.unit) << c.amount << " / " << c.quantity;
}

} // namespace
