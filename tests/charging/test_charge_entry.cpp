// The charging entry driven as a nurse drives it: department and item codes typed into the floating
// box, Enter, Up, Down and F3 on the real window; the prices by rate class, option, mark-up and
// international rate; the refusals of the look-up and of the quantity.
#include "charging/ChargeWindowTest.h"
#include "support/ScriptedValidation.h"
#include "support/TableOutOfReach.h"

#include "charging/ChargingComponents.h"

#include "charging/ChargeEntryRow.h"
#include "charging/ChargePricing.h"
#include "charging/frmCharge.h"
#include "components/Component.h"
#include "components/Drugs.h"
#include "components/StationComponents.h"
#include "shared/MainWindowLinks.h"
#include "platform/db/Connection.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/search/frmSearchCodes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>
#include <memory>

using namespace ChargeEntryRow;

namespace {

class ChargeEntryTest : public ChargeWindowTest {
protected:
    void SetUp() override
    {
        ChargeWindowTest::SetUp();
        Session.AllowEditAmount = false; // the unit price is typed only where the item allows it
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName, FirstName, NationalityID) "
                                      "VALUES ('T9001', 'SMITH', 'JOHN', 'USA'), ('T9002', 'SANTOS', 'MARIA', 'FIL')"));
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, RoomID) VALUES "
                                      "('TX0001', 'T9002', '205'), ('TX0002', 'T9001', '205')"));
        // Items with a rate per class letter: A 100, B 200, ... H 800; over-time 150, on-call 175.
        const QString item = QStringLiteral(
            "INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, RateA, RateB, RateC, RateD, "
            "RateE, RateF, RateG, RateH, CathOverTimeRate, CathOnCallRate, FixRate, Status) "
            "VALUES (?, ?, ?, 100, 200, 300, 400, 500, 600, 700, 800, ?, ?, ?, 'A')");
        conn().execute(item, {"HS", "TST01", "TEST PROCEDURE", 150, 175, "Y"});
        conn().execute(item, {"HS", "TST02", "TEST PROCEDURE TWO", QVariant(), QVariant(), "N"});
        conn().execute(item, {"CO", "TST03", "TEST MARKED-UP ITEM", 150, 175, "Y"});
        conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, "
                                      "FixRate, Status) VALUES ('HS', 'TST09', 'UNPRICED SERVICE', 'Y', 'A')"));
        conn().execute(QStringLiteral("INSERT INTO STATION..tbCLChargingCodes (RevenueID, Description, Status) VALUES "
                                      "('CO', 'CATH LAB OTHERS', 'A')"));
    }
};

TEST_F(ChargeEntryTest, PricesByRateClassOptionAndInternationalRate)
{
    struct Case {
        const char *idNum, *room;
        int option; // 0 Regular, 1 Over Time, 2 On-Call
        bool international;
        const char *code, *unit, *base;
    } cases[] = {
        {"TX0001", "205", 0, false, "TST01", "300", "300"},    // room of class C
        {"TX0001", "215", 0, false, "TST01", "800", "800"},    // class H
        {"TX0001", "NOROOM", 0, false, "TST01", "100", "100"}, // no class: rate A
        {"TX0001", "205", 1, false, "TST01", "150", "300"},    // over-time rate; the base keeps the class rate
        {"TX0001", "205", 2, false, "TST01", "175", "300"},    // on-call
        {"TX0001", "205", 1, false, "TST02", "0", "300"},      // no over-time rate set: 0
        {"TX0002", "205", 0, true, "TST01", "330", "300"},     // an American patient: a tenth more
        {"TX0002", "205", 0, false, "TST01", "300", "300"},    // the station does not allow it
        {"TX0001", "205", 0, true, "TST01", "300", "300"},     // a Filipino patient
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.code) + " " + c.room + " option " + std::to_string(c.option));
        setStationParameter(QStringLiteral("CLAllowInternationalRate"), c.international ? QStringLiteral("1") : QStringLiteral("0"));
        open(QString::fromLatin1(c.idNum), QString::fromLatin1(c.room));
        w()->Option1[c.option]->click();
        enterItem(QStringLiteral("HS"), QString::fromLatin1(c.code));
        EXPECT_EQ(cell(1, ItemCode), c.code);
        EXPECT_EQ(cell(1, UnitPrice), c.unit);
        EXPECT_EQ(cell(1, BasePrice), c.base);
        EXPECT_EQ(cell(1, Amount), c.unit);
        EXPECT_EQ(cell(1, Qty), "1");
        EXPECT_EQ(cell(1, ARCode).isEmpty(), false);
        delete frmCharge::existing();
    }
}

// A row without a price is complete only in a stock department; a look-up of the department that
// fails shows the notice in the window and the row stays incomplete.
TEST_F(ChargeEntryTest, AStockDepartmentThatCannotBeReadShowsTheNotice)
{
    open();
    const QStringList row = {"PH", "100101", "ITEM", "1", "0", "0"};
    for (int c = 0; c < row.size(); ++c) grid()->setTextMatrix(1, Dept + c, row[c]);
    ASSERT_TRUE(w()->CompleteRow(1));
    UiScript::reset();
    TableOutOfReach away(conn(), QStringLiteral("BUILD_FILE..tbCoRevenueCode"));
    bool complete = true;
    EXPECT_NO_THROW(complete = w()->CompleteRow(1));
    away.restore();
    EXPECT_FALSE(complete);
    ASSERT_FALSE(UiScript::shown().isEmpty());
    EXPECT_TRUE(UiScript::lastText().endsWith(QStringLiteral("Please notify your IT department.")));
}

TEST_F(ChargeEntryTest, RepricingFollowsTheRateOptionAndTotals)
{
    open();
    enterItem("HS", "TST01");
    enter("3"); // quantity; the row ends and a new one is appended
    EXPECT_EQ(cell(1, Amount), "900");
    EXPECT_EQ(grid()->Rows(), 3);
    EXPECT_EQ(w()->txtGross->text(), "900.00");
    w()->Option1[1]->click();
    EXPECT_EQ(cell(1, UnitPrice), "150");
    EXPECT_EQ(cell(1, Amount), "450");
    EXPECT_EQ(w()->txtGross->text(), "450.00");
    w()->Option1[0]->click(); // back to the class rate kept in the base price
    EXPECT_EQ(cell(1, UnitPrice), "300");
    EXPECT_EQ(w()->txtGross->text(), "900.00");
}

TEST_F(ChargeEntryTest, TotalsCountEachPackageOnce)
{
    open();
    FlexGrid& g = *grid();
    g.setRows(6);
    // two rows of one package (5,000), one of another (2,000) of which 3 are charged and 2 included
    // at 100: 100 more; a service of 250; an amount that is no number counts 0
    const struct { const char *package, *packageAmount, *qty, *included, *unit, *amount; } rows[] = {
        {"P1", "5000", "1", "1", "10", "10"}, {"P1", "5000", "1", "1", "20", "20"}, {"P2", "2000", "3", "2", "100", "300"},
        {"", "", "1", "", "250", "250"},       {"", "", "1", "", "", "abc"}};
    for (int r = 1; r <= 5; ++r) {
        const auto& x = rows[r - 1];
        g.setTextMatrix(r, PackageCode, x.package);
        g.setTextMatrix(r, PackageAmount, x.packageAmount);
        g.setTextMatrix(r, Qty, x.qty);
        g.setTextMatrix(r, PackageQty, x.included);
        g.setTextMatrix(r, UnitPrice, x.unit);
        g.setTextMatrix(r, Amount, x.amount);
    }
    w()->ComputeTotals();
    EXPECT_EQ(w()->txtGross->text(), "7,350.00");
}

TEST_F(ChargeEntryTest, MarkUpBeforeTheInternationalRate)
{
    Session.HospClientName = QStringLiteral("QOLTA");
    setStationParameter(QStringLiteral("UseNewCLMarkUp"), QStringLiteral("1"));
    setStationParameter(QStringLiteral("CLAllowInternationalRate"), QStringLiteral("1"));
    struct Case { int op; double value; const char* idNum; const char* unit; } cases[] = {
        {1, 0.3, "TX0001", "390"},   // 300 × 1.3
        {2, 50, "TX0001", "350"},    // 300 + 50
        {1, 0, "TX0001", "300"},     // no value: no mark-up
        {3, 10, "TX0001", "300"},    // an unknown operation
        {1, 0.3, "TX0002", "429"},   // 390, then a tenth more for an international patient
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unit);
        MainWindowLinks::Host host;
        host.showMarkUpChoice = [c] {
            DialogAnswers.MarkupOperation = c.op;
            DialogAnswers.MarkupValue = c.value;
        };
        MainWindowLinks::setHost(host);
        open(QString::fromLatin1(c.idNum));
        enterItem("CO", "TST03");
        EXPECT_EQ(cell(1, UnitPrice), c.unit);
        EXPECT_EQ(cell(1, BasePrice), "300");
        delete frmCharge::existing();
    }
    // another client is asked nothing
    Session.HospClientName = QStringLiteral("OTHER");
    open();
    enterItem("CO", "TST03");
    EXPECT_EQ(cell(1, UnitPrice), "300");
}

TEST(ChargePricing, MarkUpOperationsAndLeadingNumbers)
{
    EXPECT_DOUBLE_EQ(ApplyChargeMarkup(100, 1, 0.3), 130);
    EXPECT_DOUBLE_EQ(ApplyChargeMarkup(100, 2, 50), 150);
    EXPECT_DOUBLE_EQ(ApplyChargeMarkup(100, 1, 0), 100);
    EXPECT_DOUBLE_EQ(ApplyChargeMarkup(100, 2, -5), 100);
    EXPECT_DOUBLE_EQ(ApplyChargeMarkup(33.33, 1, 0.15), 38.33); // rounded to cents
    EXPECT_DOUBLE_EQ(LeadingNumber("12abc"), 12);
    EXPECT_DOUBLE_EQ(LeadingNumber("abc"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("."), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("2.5"), 2.5);
}

TEST_F(ChargeEntryTest, QuantityRefusals)
{
    struct Case { const char *typed, *message, *qty, *amount; } cases[] = {
        {"0", "Quantity should be greater than Zero(0).", "1", "300"},
        {".", "Quantity should be greater than Zero(0).", "1", "300"},
        {"1.5", "You are only allowed to enter whole number for quantity.", "1", "300"},
        {"2", "", "2", "600"},
        // no more than a row's quantity can be: the box takes seven characters, the range the rest
        {"99999999999", "Quantity must be a number from 0 to 9,999.", "1", "300"},
        {"1.2.3", "Quantity must be a number from 0 to 9,999.", "1", "300"},
        {"9999", "", "9999", "2999700"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        open();
        enterItem("HS", "TST01");
        ASSERT_EQ(grid()->Col(), Qty);
        UiScript::reset();
        enter(QString::fromLatin1(c.typed));
        EXPECT_EQ(UiScript::lastText(), c.message);
        EXPECT_EQ(cell(1, Qty), c.qty);
        EXPECT_EQ(cell(1, Amount), c.amount);
        delete frmCharge::existing();
    }
    // the box takes only digits and the point in the quantity column
    open();
    enterItem("HS", "TST01");
    w()->txtEntry->clear();
    QTest::keyClicks(w()->txtEntry, "2a-b3");
    EXPECT_EQ(w()->txtEntry->text(), "23");
}

TEST_F(ChargeEntryTest, LookUpRefusals)
{
    struct Case { const char *dept, *code, *message, *title; int row1Col; } cases[] = {
        {"ZZ", "", "Revenue code does not exist.", "Notification", Dept},
        {"EQ", "", "Department code does not exist. Please refer to the list of department codes.", "Notification!", Dept},
        {"HS", "NOSUCH", "Sorry, no items built yet for this revenue.", "Notification", ItemCode},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        open();
        UiScript::reset();
        enter(QString::fromLatin1(c.dept));
        if (QString::fromLatin1(c.code).size()) enter(QString::fromLatin1(c.code));
        ASSERT_FALSE(UiScript::shown().isEmpty());
        EXPECT_EQ(UiScript::shown().last().text, c.message);
        EXPECT_EQ(UiScript::shown().last().title, c.title);
        EXPECT_EQ(grid()->Col(), c.row1Col);
        EXPECT_EQ(cell(1, Description), "");
        delete frmCharge::existing();
    }
    // The same item twice
    open();
    enterItem("HS", "TST01");
    enter("1");
    UiScript::reset();
    enterItem("HS", "TST01");
    EXPECT_EQ(UiScript::lastText(), "Can't charge the same item!");
    EXPECT_EQ(cell(2, Description), "");
    delete frmCharge::existing();
    // A zero price with amounts hidden empties the row
    Session.HospitalInfo.IsShowAmount = false;
    open();
    UiScript::reset();
    enterItem("HS", "TST09");
    EXPECT_EQ(UiScript::lastText(), "Record(s) indicate that the amount of the item is zero! \r\nPlease contact EDP for further assistance.");
    EXPECT_EQ(cell(1, Dept), "");
    EXPECT_EQ(grid()->Col(), Dept);
}

// Supplies of the department's stock room (location 35): 100101 has 10 on hand, 100102 is
// inactive, 100103 has none.
TEST_F(ChargeEntryTest, StockItemsByCatalogueAndSellingPrice)
{
    struct Case {
        const char *code, *priceClass;
        bool zeroOnHandCheck;
        const char *message, *unit;
    } cases[] = {
        {"100101", "I", true, "", "4500"},
        {"100101", "O", true, "", "4100.5"}, // a cash out-patient pays the out-patient price
        {"100102", "I", false, "Record is inactive. Please check build file of items.", ""},
        {"100103", "I", true, "INFLATION DEVICE has no stocks left. The system can't process the specified item.", ""},
        {"100103", "I", false, "", "5200"}, // stock checks off
        {"999999", "I", false, "Code does not exist.", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.code) + " " + c.priceClass);
        Session.HospitalInfo.AllowZeroOnHand = c.zeroOnHandCheck;
        open();
        w()->PricePatientClass = QString::fromLatin1(c.priceClass);
        UiScript::reset();
        enterItem("SR", QString::fromLatin1(c.code));
        EXPECT_EQ(UiScript::lastText(), c.message);
        EXPECT_EQ(cell(1, UnitPrice), c.unit);
        EXPECT_EQ(cell(1, Location), QString::fromLatin1(c.unit).isEmpty() ? "" : "35");
        EXPECT_EQ(grid()->Col(), QString::fromLatin1(c.unit).isEmpty() ? ItemCode : Qty);
        delete frmCharge::existing();
    }
    // More than on hand is refused and the quantity emptied, except for the client "ZUB"
    Session.HospitalInfo.AllowZeroOnHand = true;
    for (const char* client : {"", "ZUB"}) {
        SCOPED_TRACE(client);
        Session.HospClientName = QString::fromLatin1(client);
        open();
        enterItem("SR", "100101");
        UiScript::reset();
        enter("11");
        const bool zub = QString::fromLatin1(client) == QLatin1String("ZUB");
        EXPECT_EQ(UiScript::lastText(), zub ? "" : "Stock is not enough for the quantity entered. Remaining stock is: 10");
        EXPECT_EQ(cell(1, Qty), zub ? "11" : "");
        delete frmCharge::existing();
    }
}

// A code that is no number opens the stock room's list: it lists the items whose code or name
// begins with what was typed, narrows as the picker's box is typed into, and Enter takes its top row.
TEST_F(ChargeEntryTest, TheStockItemPickerListsWhatMatchesTheTypedText)
{
    struct Case {
        const char *typed, *typedInPicker; // "" : the picker's box is left alone
        QStringList listed;                 // the codes listed when the picker opens
        QStringList narrowed;               // after typing in its box
        const char* charged;                // "" : nothing was chosen
    } cases[] = {
        {"GUIDE", "", {"100101", "SUP0001"}, {}, "100101"},
        {"S", "GUIDE W", {"SUP0003", "SUP0004", "SUP0001", "SUP0002"}, {"SUP0001"}, "SUP0001"},
        {"i", "", {"100103", "SUP0002"}, {}, "100103"},  // lower case and by name
        {"ZZ", "", {}, {}, ""},                        // nothing matches: nothing to take
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        open();
        QStringList listed, narrowed;
        const auto codes = [](frmSearchCodes* f) {
            QStringList out;
            for (int r = 1; r < f->GridRows(); ++r) out << f->TextMatrix(r, 1);
            return out;
        };
        UiScript::reset();
        UiScript::queueDialog(QStringLiteral("frmSearchCodes"), [&](QDialog* d) {
            auto* f = static_cast<frmSearchCodes*>(d);
            listed = codes(f);
            if (*c.typedInPicker) {
                f->txtSearchStr->selectAll();
                QTest::keyClicks(f->txtSearchStr, QString::fromLatin1(c.typedInPicker));
                narrowed = codes(f);
            }
            QTest::keyClick(f->txtSearchStr, Qt::Key_Return);
        });
        enter("SR");
        w()->txtEntry->setText(QString::fromLatin1(c.typed)); // as typed, before the key filter
        key(Qt::Key_Return);
        EXPECT_EQ(listed, c.listed);
        if (*c.typedInPicker) EXPECT_EQ(narrowed, c.narrowed);
        EXPECT_EQ(cell(1, ItemCode), c.charged);
        delete frmCharge::existing();
    }
}

TEST_F(ChargeEntryTest, AFailedPriceLookUpStopsTheRowWithTheErrorNotice)
{
    open();
    // the room class cannot be read: nothing is priced on a guess (the table comes back with the rollback)
    conn().beginTrans();
    conn().execute(QStringLiteral("DROP TABLE BUILD_FILE..tbCoRoom"));
    UiScript::reset();
    enterItem("HS", "TST01");
    ASSERT_FALSE(UiScript::shown().isEmpty());
    EXPECT_TRUE(UiScript::lastText().endsWith("Please notify your IT department.")) << UiScript::lastText().toStdString();
    EXPECT_EQ(cell(1, Description), "");
    EXPECT_EQ(cell(1, UnitPrice), "");
    EXPECT_EQ(grid()->Col(), ItemCode);
    conn().rollbackTrans();
}

TEST_F(ChargeEntryTest, KeysMoveCompleteAppendAndDelete)
{
    open();
    EXPECT_EQ(w()->lblMessage->text(), "Enter Department Code.");
    enterItem("HS", "TST01");
    EXPECT_EQ(grid()->Col(), Qty); // description and amount are skipped; price fixed
    enter("2");
    // the row is complete: one row appended, the cursor at its department
    EXPECT_EQ(grid()->Rows(), 3);
    EXPECT_EQ(cell(2, Number), " 2");
    EXPECT_EQ(grid()->Row(), 2);
    EXPECT_EQ(grid()->Col(), Dept);
    // Up from the department is always allowed; Down goes back
    key(Qt::Key_Up);
    EXPECT_EQ(grid()->Row(), 1);
    key(Qt::Key_Down);
    EXPECT_EQ(grid()->Row(), 2);
    // a price that may be edited ("N" from the build file) goes on to the unit price
    setStationParameter(QStringLiteral("NurseUseBFileFixRate"), QStringLiteral("1"));
    enterItem("HS", "TST02");
    EXPECT_EQ(grid()->Col(), Qty);
    enter("1");
    EXPECT_EQ(grid()->Col(), UnitPrice);
    enter("250");
    EXPECT_EQ(cell(2, Amount), "250");
    EXPECT_EQ(grid()->Rows(), 4);
    EXPECT_EQ(w()->txtGross->text(), "850.00");
    grid()->MoveTo(3, Dept);
    enter("HS");
    EXPECT_EQ(grid()->Col(), ItemCode);
    key(Qt::Key_Down); // the last row: nothing
    EXPECT_EQ(grid()->Row(), 3);
    // F3 on row 2 removes it (no renumbering); on row 1 it empties the row
    grid()->MoveTo(2, Dept);
    QTest::keyClick(w()->txtEntry, Qt::Key_F3);
    EXPECT_EQ(grid()->Rows(), 3);
    EXPECT_EQ(cell(2, Number), " 3");
    grid()->MoveTo(1, Dept);
    QTest::keyClick(w()->txtEntry, Qt::Key_F3);
    EXPECT_EQ(grid()->Rows(), 3);
    EXPECT_EQ(cell(1, Dept), "");
    // an apostrophe is swallowed
    grid()->MoveTo(1, Dept);
    w()->txtEntry->clear();
    QTest::keyClicks(w()->txtEntry, "c'l");
    EXPECT_EQ(w()->txtEntry->text(), "CL");
}

TEST_F(ChargeEntryTest, DeleteAndIgnoreAllAskFirst)
{
    open();
    enterItem("HS", "TST01");
    enter("1");
    enterItem("HS", "TST02");
    enter("2"); // the price is fixed: the row ends at the quantity
    grid()->MoveTo(3, Dept);
    UiScript::reset();
    w()->Command1[4]->click();
    EXPECT_EQ(UiScript::lastText(), "Row cannot be deleted because there are no entries yet.");
    grid()->MoveTo(1, Dept);
    UiScript::queueAnswer(vbNo);
    w()->Command1[4]->click();
    EXPECT_EQ(UiScript::lastText(), "Are you sure to delete TEST PROCEDURE?");
    EXPECT_EQ(cell(1, ItemCode), "TST01");
    grid()->MoveTo(1, Dept);
    w()->Command1[4]->click(); // Yes: removed, the rows numbered anew, the total follows
    EXPECT_EQ(cell(1, ItemCode), "TST02");
    EXPECT_EQ(cell(1, Number), "1");
    EXPECT_EQ(cell(2, Number), "2");
    EXPECT_EQ(w()->txtGross->text(), "600.00");
    UiScript::queueAnswer(vbNo);
    w()->Command1[5]->click();
    EXPECT_EQ(UiScript::lastText(), "This will delete all unsaved items. Do you want to continue?");
    EXPECT_EQ(cell(1, ItemCode), "TST02");
    w()->Command1[5]->click();
    EXPECT_EQ(grid()->Rows(), 2);
    EXPECT_EQ(cell(1, ItemCode), "");
    EXPECT_EQ(w()->txtGross->text(), "0.00");
    UiScript::reset();
    w()->Command1[5]->click(); // an empty grid: no question
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(ChargeEntryTest, ChangingTheDepartmentAsksBeforeEmptyingTheRow)
{
    open();
    enterItem("HS", "TST01");
    grid()->MoveTo(1, Dept);
    UiScript::queueAnswer(vbNo);
    enter("CO");
    EXPECT_EQ(UiScript::lastText(), "This will remove TEST PROCEDURE.\r\n\r\nAre you sure you want to continue?");
    EXPECT_EQ(cell(1, Dept), "HS");
    EXPECT_EQ(cell(1, ItemCode), "TST01");
    grid()->MoveTo(1, Dept);
    UiScript::queueAnswer(vbYes);
    enter("CO");
    EXPECT_EQ(cell(1, Dept), "CO");
    EXPECT_EQ(cell(1, ItemCode), "");
    EXPECT_EQ(cell(1, UnitPrice), "");
}

TEST_F(ChargeEntryTest, TheWindowPricesAndSavesForItsOwnHeader)
{
    open(QStringLiteral("TX0001"), QStringLiteral("205"));
    // the patient lists select another patient meanwhile: the window prices and charges its own
    Selection.SelectedIDNum = QStringLiteral("TX0002");
    Selection.SelectedRoom = QStringLiteral("215");
    Selection.SelectedPatientType = QStringLiteral("O");
    enterItem("HS", "TST01");
    EXPECT_EQ(cell(1, UnitPrice), "300");
    UiScript::reset();
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    w()->Command1[0]->click();
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE IDNum = 'TX0001' AND ItemID = 'TST01' "
                                   "AND RoomID = '205' AND Amount = 300")),
              1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillOPDailyOut WHERE ItemID = 'TST01'")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE IDNum = 'TX0002'")), 0);
    EXPECT_EQ(cell(1, ItemCode), ""); // a new grid
}

} // namespace

// Each entry window keeps its own rule for a typed unit price: the charging entry takes it row by
// row (with CLEditAmtMainRev, main-revenue rows only), the cash assessment from the station setting,
// whatever row the charging entry stands on meanwhile.
