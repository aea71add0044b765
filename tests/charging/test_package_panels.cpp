// The package item panels of the charging window (the items used under a consigned package, the
// items included with equipment): their refusals, the save that issues their items with the
// package's row and the revocation that returns exactly those; the reversal of a package's own
// items; and the consigned mark-up panel with its cancel.
#include "ChargeWindowTest.h"
#include "support/ScriptedValidation.h"

#include "charging/ChargeEntryRow.h"
#include "charging/ChargeRevocation.h"
#include "charging/ChargePackageItems.h"
#include "charging/ChargeSave.h"
#include "charging/PackageItemPanel.h"
#include "platform/db/Connection.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

class PackagePanelTest : public ChargeWindowTest {
protected:
    void SetUp() override
    {
        ChargeWindowTest::SetUp();
        Session.HospitalInfo.AllowZeroOnHand = false;
        const QString master = QStringLiteral("INSERT INTO INVENTORY..TBINVMASTER (ItemID, ItemName, UnitOfMeasure, Status) VALUES (?, ?, ?, ?)");
        const QString price = QStringLiteral("INSERT INTO INVENTORY..tbInvSellingPrice (ItemID, SellingPriceIn, SellingPriceOut) VALUES (?, ?, ?)");
        const QString stock = QStringLiteral("INSERT INTO INVENTORY..tbInvLocationStock (LocationID, ItemID, OnHand) VALUES (?, ?, ?)");
        conn().execute(master, {"9001", "CORONARY BALLOON 2.5X15", "PC", "A"});
        conn().execute(master, {"9002", "OLD GUIDING CATHETER", "PC", "I"});
        conn().execute(master, {"9003", "CONTRAST 300 50ML", "BOT", "A"});
        conn().execute(price, {"9001", 750, 700});
        conn().execute(price, {"9002", 100, 100});
        conn().execute(price, {"9003", 1200, 1100});
        conn().execute(stock, {"36", "9001", 10});
        conn().execute(stock, {"36", "9003", 10});
        conn().execute(stock, {"20", "9003", 50});
        conn().execute(QStringLiteral("INSERT INTO INVENTORY..tbInvPNFList (ItemID) VALUES ('9001'), ('9003')"));
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName, FirstName) VALUES ('T9002', 'SANTOS', 'MARIA')"));
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, RoomID, AccountNum) VALUES ('TX0001', 'T9002', '205', 'T9002')"));
    }
    frmCharge* openWithPanels()
    {
        frmCharge* win = open();
        for (const char* d : {"CM", "CU", "NM", "NU", "EQ"}) (new QTreeWidgetItem(win->lvwDepartments))->setText(0, QString::fromLatin1(d));
        return win;
    }
    // The consigned package's row, as the item entry leaves it.
    void consignedPackageRow()
    {
        const QStringList cells = {"", "CP", "CP103", "CONSIGNED BALLOON CATHETER PACKAGE", "1", "42000", "42000"};
        for (int c = 1; c < cells.size(); ++c) grid()->setTextMatrix(1, c, cells[c]);
        grid()->setCurrentCell(1, ChargeEntryRow::Dept);
    }
    void panelEnter(QLineEdit* box, const QString& text)
    {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    // The revocation of a posted line, by a validated user, with a reason.
    static ChargeRevocation::Reversal reversal(const QString& dept, const QString& item, const QString& amount, const QString& slip,
                                               const QString& packageID = QString())
    {
        ChargeRevocation::Reversal r;
        r.hospNum = "T9002";
        r.idNum = "TX0001";
        r.room = "205";
        r.patientType = "I";
        r.userID = "CL002";
        r.reason = "NOT DONE";
        r.when = QDateTime(QDate(2026, 12, 11), QTime(10, 0));
        r.charge = {dept, item, item, "1", amount, slip, QString(), packageID};
        return r;
    }
    // Double-clicks the mark-up of the given factor in the open panel; false when none is listed.
    bool chooseMarkup(const char* factor)
    {
        FlexGrid* list = w()->grdMarkup;
        for (int r = 1; r < list->Rows(); ++r)
            if (list->TextMatrix(r, 3) == QLatin1String(factor)) {
                list->setCurrentCell(r, 2);
                w()->grdMarkup_DblClick();
                return true;
            }
        return false;
    }
    double onHand(const char* location, const char* item)
    {
        return DbValue::toDouble(conn().scalar(QStringLiteral("SELECT OnHand FROM INVENTORY..tbInvLocationStock WHERE LocationID = ? AND ItemID = ?"),
                                               {location, item}));
    }
};

TEST_F(PackagePanelTest, EachRefusalShowsItsMessageAndWritesNothing)
{
    struct Case { bool consigned; const char *dept, *item, *message, *title; const char* before; };
    const Case cases[] = {
        {true, "ZZ", nullptr, "Department code does not exist! Please refer to the list of department codes.", "Notification!", nullptr},
        {true, "NM", "9003", "Sorry, you may only enter consigned items.", "Notification", nullptr},
        {false, "CU", "9001", "Sorry, you may only enter NHI items.", "Notification", nullptr},
        {true, "CU", "9001", "Sorry, you may only enter supplies and medicines.", "Notification",
         "UPDATE BUILD_FILE..tbCoRevenueCode SET LocationID = '' WHERE RevenueID = 'CU'"},
        {true, "CU", "99999", "Code does not exist.", "Notification", nullptr},
        {true, "CU", "9002", "Record is inactive. Please check build file of items.", "Message",
         "INSERT INTO INVENTORY..tbInvLocationStock (LocationID, ItemID, OnHand) VALUES ('36', '9002', 1)"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.dept) + " " + (k.item ? k.item : "") + (k.consigned ? " consigned" : " included"));
        openWithPanels();
        if (k.before) conn().execute(QString::fromLatin1(k.before));
        consignedPackageRow();
        k.consigned ? w()->LoadConsignedItems() : w()->LoadEquipmentItems();
        PackageItemPanel* panel = k.consigned ? w()->pctConsigned : w()->pctEquipment;
        UiScript::reset();
        panelEnter(panel->box, QString::fromLatin1(k.dept));
        if (k.item) panelEnter(panel->box, QString::fromLatin1(k.item));
        ASSERT_EQ(UiScript::shown().size(), 1);
        EXPECT_EQ(UiScript::lastText(), QString::fromLatin1(k.message));
        EXPECT_EQ(UiScript::shown()[0].title, QString::fromLatin1(k.title));
        EXPECT_EQ(panel->grid->TextMatrix(1, PackageItemPanel::ItemCode), "");
        EXPECT_EQ(panel->grid->Rows(), 2);
        delete frmCharge::existing();
        conn().execute(QStringLiteral("UPDATE BUILD_FILE..tbCoRevenueCode SET LocationID = '36' WHERE RevenueID = 'CU'"));
    }
}

TEST_F(PackagePanelTest, ItemsAreEnteredPricedAndCheckedRowByRow)
{
    openWithPanels();
    consignedPackageRow();
    // what the entry grid's row skips (here its item code, as on a package adjustment) is not the panel's
    grid()->ExemptColumnTable[3] = ChargeEntryRow::ItemCode;
    w()->LoadConsignedItems();
    PackageItemPanel* panel = w()->pctConsigned;
    EXPECT_EQ(panel->lblTitle->text(), "CONSIGNED BALLOON CATHETER PACKAGE - CONSIGNED ITEMS");
    EXPECT_EQ(panel->grid->TextMatrix(1, 0), " 1");
    EXPECT_EQ(panel->grid->Col(), PackageItemPanel::Dept);
    UiScript::reset();
    panelEnter(panel->box, "CU");
    panelEnter(panel->box, "9001");
    const QStringList row1 = {"CU", "9001", "CORONARY BALLOON 2.5X15 PC", "1", "750", "750", "36"};
    for (int c = 1; c <= 7; ++c) EXPECT_EQ(panel->grid->TextMatrix(1, c), row1[c - 1]) << c;
    EXPECT_EQ(panel->grid->Rows(), 3);
    EXPECT_EQ(panel->grid->TextMatrix(2, 0), " 2");
    EXPECT_EQ(panel->grid->Col(), PackageItemPanel::Qty);
    panelEnter(panel->box, "0");
    EXPECT_EQ(UiScript::lastText(), "Quantity should be greater than zero(0)!");
    EXPECT_EQ(panel->grid->TextMatrix(1, PackageItemPanel::Qty), "1");
    panelEnter(panel->box, "2");
    EXPECT_EQ(panel->grid->TextMatrix(1, PackageItemPanel::Amount), "1500");
    EXPECT_EQ(panel->grid->Row(), 2);
    EXPECT_EQ(panel->grid->Col(), PackageItemPanel::Dept);
    // the same item again under the same department is refused; under the other one it is taken
    panelEnter(panel->box, "CU");
    panelEnter(panel->box, "9001");
    EXPECT_EQ(UiScript::lastText(), "You can't enter the same item.");
    panel->grid->MoveTo(2, PackageItemPanel::Dept);
    panelEnter(panel->box, "CM");
    panelEnter(panel->box, "9001");
    EXPECT_EQ(panel->grid->TextMatrix(2, PackageItemPanel::ItemCode), "9001");
    // panel amounts are not the window's
    w()->ComputeTotals();
    EXPECT_EQ(w()->txtGross->text(), "42,000.00");
    // Delete removes the current row and renumbers; Ignore All empties the consigned panel
    panel->grid->setCurrentCell(1, PackageItemPanel::Dept);
    panel->cmdDelete_Click();
    EXPECT_EQ(panel->grid->Rows(), 3);
    EXPECT_EQ(panel->grid->TextMatrix(1, PackageItemPanel::Dept), "CM");
    EXPECT_EQ(panel->grid->TextMatrix(1, 0), "1");
    EXPECT_EQ(panel->grid->TextMatrix(2, 0), "2");
    UiScript::queueAnswer(vbYes);
    w()->Command1[5]->click();
    EXPECT_EQ(panel->grid->Rows(), 2);
    EXPECT_EQ(panel->grid->TextMatrix(1, PackageItemPanel::ItemCode), "");
}

// The save issues the panel items with the consigned package's row, under its slip and time; the
// revocation of that row returns exactly those, once.
TEST_F(PackagePanelTest, ASavedPanelIsIssuedAndItsRevocationReturnsExactlyThoseItems)
{
    openWithPanels();
    w()->txtPno->setText("T9002");
    consignedPackageRow();
    UiScript::reset();
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    w()->Command1[0]->click();
    EXPECT_EQ(UiScript::lastText(), "Please enter consigned items used.");
    w()->LoadConsignedItems();
    PackageItemPanel* panel = w()->pctConsigned;
    panelEnter(panel->box, "CU");
    panelEnter(panel->box, "9001");
    panelEnter(panel->box, "2");
    panelEnter(panel->box, "CU");
    panelEnter(panel->box, "9003");
    // another slip's consigned items, which the revocation must leave alone
    PanelPosting other;
    other.slip = QStringLiteral("C9999\u00C3");
    other.when = QDateTime(QDate(2026, 12, 1), QTime(8, 0));
    PanelItemLine otherLine;
    otherLine.dept = "CU";
    otherLine.item = "9001";
    otherLine.quantity = 1;
    otherLine.location = "36";
    PostPanelItems(conn(), PanelKind::Consigned, {otherLine}, other);
    const double before1 = onHand("36", "9001"), before3 = onHand("36", "9003");

    UiScript::reset();
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    w()->Command1[0]->click();
    const QString slip = w()->CurrentSlipNumber;
    ASSERT_FALSE(slip.isEmpty()) << UiScript::texts().join(" | ").toStdString();
    const Recordset card = conn().query(QStringLiteral("SELECT ItemID, LocationID, Quantity, Amount, IDNum, RevenueID, TransDate "
                                                       "FROM INVENTORY..tbInvStockCard WHERE RefNum = ? ORDER BY SequenceNumber"),
                                        {slip});
    ASSERT_EQ(card.recordCount(), 2);
    EXPECT_EQ(card.textAt(0, "ItemID"), "9001");
    EXPECT_EQ(DbValue::toDouble(card.valueAt(0, "Quantity")), -2);
    EXPECT_EQ(card.textAt(1, "ItemID"), "9003");
    EXPECT_EQ(DbValue::toDouble(card.valueAt(1, "Quantity")), -1);
    for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(card.textAt(r, "LocationID"), "36");
        EXPECT_EQ(DbValue::toDouble(card.valueAt(r, "Amount")), 0);
        EXPECT_EQ(card.textAt(r, "IDNum"), "");
        EXPECT_EQ(card.textAt(r, "RevenueID"), "PH");
    }
    // one time for the whole save: the package's bill line and the items
    const QVariant billed = conn().scalar(QStringLiteral("SELECT TransDate FROM BILLING..tbBillDailyBill WHERE RefNum = ?"), {slip});
    EXPECT_EQ(DbValue::toDateTime(card.valueAt(0, "TransDate")), DbValue::toDateTime(billed));
    EXPECT_EQ(onHand("36", "9001"), before1 - 2);
    EXPECT_EQ(panel->grid->Rows(), 2); // the panel starts afresh
    EXPECT_EQ(panel->grid->TextMatrix(1, PackageItemPanel::ItemCode), "");

    const ChargeRevocation::Reversal r = reversal("CP", "CP103", "42000", slip);
    ASSERT_EQ(ChargeRevocation::Post(conn(), r), ChargeRevocation::Outcome::Revoked);
    EXPECT_EQ(onHand("36", "9001"), before1);
    EXPECT_EQ(onHand("36", "9003"), before3);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard WHERE RefNum = ? AND Quantity > 0"), {slip}), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard WHERE RefNum = ?"), {other.slip}), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..tbCLPanelUsedItems WHERE RefNum = ? AND RecordStatus = 'R'"),
                    {slip}),
              2);
    // nothing is returned twice
    ChargeRevocation::RevokeConsignedItems(conn(), r);
    EXPECT_EQ(onHand("36", "9001"), before1);
}

// A package's items: the stock items go back with a bill adjustment, every item is tagged and
// marked revoked in the log book, the package's case is marked revoked; the other package's
// lines are untouched.
TEST_F(PackagePanelTest, APackagesItemsAreReturnedTaggedAndMarkedRevoked)
{
    conn().execute(QStringLiteral("INSERT INTO STATION..tbCLPackage_CodeLink (PackageCode, NurseItemCode, Status) VALUES ('PKG-T1', 'TPKG1', 'A')"));
    auto row = [](const char* dept, const char* item, const char* qty, const char* amount, const char* location) {
        QStringList r;
        for (int c = 0; c < ChargeEntryRow::ColumnCount; ++c) r << QString();
        r[ChargeEntryRow::Dept] = dept;
        r[ChargeEntryRow::ItemCode] = item;
        r[ChargeEntryRow::Description] = item;
        r[ChargeEntryRow::Qty] = qty;
        r[ChargeEntryRow::UnitPrice] = amount;
        r[ChargeEntryRow::Amount] = amount;
        r[ChargeEntryRow::Location] = location;
        r[ChargeEntryRow::PackageCode] = "TPKG1";
        r[ChargeEntryRow::PackageAmount] = "58000";
        r[ChargeEntryRow::PackageQty] = qty;
        r[ChargeEntryRow::DosageID] = item;
        return r;
    };
    ChargeSaveInput in;
    in.hospNum = "T9002";
    in.idNum = "TX0001";
    in.room = "205";
    in.stationCode = "CL";
    in.patientType = "I";
    in.userId = "CL001";
    in.counterStation = "CL";
    in.rows = {row("HS", "HS001", "1", "450", ""), row("CU", "9001", "2", "1500", "36"), row("PH", "9003", "1", "1200", "20")};
    const ChargeSaveResult saved = SaveChargeRows(conn(), in);
    ASSERT_FALSE(saved.slipNumber.isEmpty());
    const double before = onHand("36", "9001");

    const ChargeRevocation::Reversal r = reversal("CL", "TPKG1", "58000", saved.slipNumber, "TPKG1");
    ASSERT_EQ(ChargeRevocation::Post(conn(), r), ChargeRevocation::Outcome::Revoked);
    EXPECT_EQ(onHand("36", "9001"), before + 2);
    // billed back: the stock items with their own section, amount and quantity; not the service
    const Recordset adjust = conn().query(QStringLiteral("SELECT ItemID, RevenueID, Amount, Quantity, SupervisorID FROM STATION..tbBillAdjustInfo "
                                                         "WHERE RequestNum = ? AND ItemID <> 'TPKG1' ORDER BY AdjustID"),
                                          {saved.slipNumber});
    ASSERT_EQ(adjust.recordCount(), 2);
    EXPECT_EQ(adjust.textAt(0, "ItemID"), "9001");
    EXPECT_EQ(adjust.textAt(0, "RevenueID"), "PH");
    EXPECT_EQ(DbValue::toDouble(adjust.valueAt(0, "Amount")), -1500);
    EXPECT_EQ(DbValue::toDouble(adjust.valueAt(0, "Quantity")), -2);
    EXPECT_EQ(adjust.textAt(0, "SupervisorID"), "CL002");
    EXPECT_EQ(adjust.textAt(1, "ItemID"), "9003");
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard WHERE RefNum = ? AND Quantity > 0 "
                                   "AND PackageID = 'TPKG1'"),
                    {saved.slipNumber}),
              2);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..tbCathLabLogBook WHERE RefNum = ? AND RecordStatus = 'R'"),
                    {saved.slipNumber}),
              3);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..tbCathLabMaster WHERE RefNum = ? AND RequestStatus = 'R'"),
                    {saved.slipNumber}),
              1);
}

TEST_F(PackagePanelTest, AConsignedMarkUpMultipliesTheAmountAndItsCancelLeavesIt)
{
    enum Action { Choose, Cancel, NoMarkups, NotConsigned };
    struct Case { Action action; const char* dept; const char* amount; bool panel; };
    const Case cases[] = {{Choose, "CU", "1650", true}, {Cancel, "CU", "1500", true}, {NoMarkups, "CU", "1500", false},
                          {NotConsigned, "NU", "1500", false}};
    conn().execute(QStringLiteral("UPDATE BUILD_FILE..tbCoRevenueCode SET LocationID = '36' WHERE RevenueID = 'NU'"));
    for (const Case& k : cases) {
        SCOPED_TRACE(int(k.action));
        if (k.action == NoMarkups) conn().execute(QStringLiteral("DELETE FROM CLINICAL_AREA..tbCLMarkUp"));
        openWithPanels();
        UiScript::reset();
        enterItem(QString::fromLatin1(k.dept), "9001");
        enter("2");
        EXPECT_EQ(w()->pctMarkup->isVisible(), k.panel);
        EXPECT_EQ(w()->Command1[0]->isEnabled(), !k.panel);
        EXPECT_EQ(w()->fraList->isEnabled(), !k.panel);
        EXPECT_EQ(w()->cmdOption[1]->isEnabled(), !k.panel);
        if (k.action == Choose) {
            ASSERT_TRUE(chooseMarkup("1.1"));
        } else if (k.action == Cancel) {
            w()->cmdHideMarkUp->click();
        }
        EXPECT_EQ(cell(1, ChargeEntryRow::Amount), QString::fromLatin1(k.amount));
        EXPECT_EQ(cell(1, ChargeEntryRow::UnitPrice), "750");
        EXPECT_FALSE(w()->pctMarkup->isVisible());
        EXPECT_TRUE(w()->Command1[0]->isEnabled());
        EXPECT_TRUE(w()->fraCharges->isEnabled());
        EXPECT_EQ(w()->txtGross->text(), k.action == Choose ? "1,650.00" : "1,500.00");
        EXPECT_TRUE(UiScript::shown().isEmpty()) << UiScript::texts().join(" | ").toStdString();
        delete frmCharge::existing();
    }
}

// A mark-up on a row of a consigned package adds what it adds to the row to the package's own
// amount, which is what the total counts and the save bills: the row, the total and the bill agree.
TEST_F(PackagePanelTest, AMarkUpOnAConsignedPackageRowReachesTheTotalAndTheBill)
{
    openWithPanels();
    w()->txtPno->setText("T9002");
    enterItem("CP", "CP101");
    ASSERT_EQ(cell(1, ChargeEntryRow::ItemCode), "SUP0004");
    ASSERT_EQ(cell(1, ChargeEntryRow::Amount), "68000");
    EXPECT_EQ(w()->txtGross->text(), "78,000.00");
    grid()->MoveTo(1, ChargeEntryRow::Qty);
    enter("1");
    ASSERT_TRUE(w()->pctMarkup->isVisible());
    EXPECT_GT(w()->grdMarkup->ColWidth(3), 1); // the factor shows beside each name
    ASSERT_TRUE(chooseMarkup("1.1"));
    EXPECT_EQ(cell(1, ChargeEntryRow::Amount), "74800");
    EXPECT_EQ(w()->txtGross->text(), "84,800.00");
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    w()->Command1[0]->click();
    EXPECT_EQ(DbValue::toDouble(conn().scalar(QStringLiteral("SELECT SUM(Amount) FROM BILLING..tbBillDailyBill WHERE IDNum = 'TX0001' "
                                                             "AND ItemID = 'CP101'"))),
              84800);
}

// Only one equipment with included items goes into one charge; an equipment without included
// items may join it.
TEST_F(PackagePanelTest, OneEquipmentWithIncludedItemsPerCharge)
{
    const struct { bool withItems; const char* message; } cases[] = {
        {false, nullptr},
        {true, "Sorry, you may only enter one equipment with included items per transaction."},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.withItems);
        if (k.withItems)
            conn().execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLEquipmentPackage (PackageCode, Description) VALUES "
                                          "('EQ002', 'TEMPORARY PACEMAKER GENERATOR')"));
        openWithPanels();
        enterItem("EQ", "EQ001");
        ASSERT_EQ(cell(1, ChargeEntryRow::ItemCode), "EQ001");
        grid()->MoveTo(2, ChargeEntryRow::Dept);
        UiScript::reset();
        enterItem("EQ", "EQ002");
        if (k.message) {
            ASSERT_FALSE(UiScript::shown().isEmpty());
            EXPECT_EQ(UiScript::lastText(), QString::fromLatin1(k.message));
            EXPECT_EQ(UiScript::shown().last().title, "Notification");
            EXPECT_EQ(cell(2, ChargeEntryRow::ItemCode), "");
        } else {
            EXPECT_TRUE(UiScript::shown().isEmpty()) << UiScript::lastText().toStdString();
            EXPECT_EQ(cell(2, ChargeEntryRow::ItemCode), "EQ002");
        }
        delete frmCharge::existing();
    }
}

} // namespace
