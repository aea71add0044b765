// The package picker driven through the charging window's "&View Packages": the packages and their
// items, items in or out, the refusals of Accept, and the included items landing in the entry grid
// at the window's own price class.
#include "charging/ChargeWindowTest.h"
#include "support/ScriptedValidation.h"

#include "charging/ChargeEntryRow.h"
#include "charging/pickers/PackagePicker.h"
#include "charging/pickers/frmListPackage.h"
#include "exam_requests/SamplePicker.h"
#include "platform/db/Connection.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"

#include <QLabel>
#include <QPushButton>
#include <functional>

using namespace ChargeEntryRow;

namespace {

const QString kPickerNotice = QStringLiteral("Notification");

class PackagePickerTest : public ChargeWindowTest {
protected:
    void SetUp() override
    {
        ChargeWindowTest::SetUp();
        setStationParameter(QStringLiteral("CLEnableOldPackageCharging"), QStringLiteral("1"));
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName, FirstName) VALUES ('T9002', 'SANTOS', 'MARIA')"));
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, RoomID) VALUES ('TX0001', 'T9002', '205')"));
        conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoAdmPackage (PackageID, Package, CLActive) VALUES "
                                      "('TPKG-P', 'TEST PACKAGE P', 'Y'), ('TPKG-Q', 'TEST PACKAGE Q', 'Y'), "
                                      "('TPKG-Z', 'TEST PACKAGE NO QUANTITY', 'Y'), ('TPKG-X', 'TEST PACKAGE OFF', 'N')"));
        // Supplies of the department's stock room (location 35): 100101 has 10 on hand, 100103 none.
        // The item list's amount column is the line's amount: 100 for three ECGs.
        const QString item = QStringLiteral(
            "INSERT INTO CLINICAL_AREA..tbCLPackageItems (PackageCode, LineNo, ItemID, RevenueID, Description, Quantity, PriceIn, "
            "PriceOut, LocationID, DosageID, Status) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'A')");
        const struct { const char *package; int line; const char *item, *rev, *name; int qty; double in, out; const char *location, *dosage; } items[] = {
            {"TPKG-P", 1, "HS001", "HS", "ECG 12 LEADS", 3, 100, 90, "", "D1"},
            {"TPKG-P", 2, "100103", "SR", "INFLATION DEVICE", 1, 5200, 5000, "35", ""},
            {"TPKG-P", 3, "100101", "SR", "GUIDING CATHETER", 2, 9000, 8200, "35", ""},
            {"TPKG-Q", 1, "HS002", "HS", "TREADMILL STRESS TEST", 1, 3500, 3400, "", ""},
            {"TPKG-Z", 1, "HS002", "HS", "TREADMILL STRESS TEST", 0, 3500, 3400, "", ""},
        };
        for (const auto& i : items)
            conn().execute(item, {i.package, i.line, i.item, i.rev, i.name, i.qty, i.in, i.out, i.location, i.dosage});
    }
    void TearDown() override
    {
        if (frmListPackage::isLoaded()) delete frmListPackage::instance();
        ChargeWindowTest::TearDown();
    }
    static int packageRow(frmListPackage* p, const QString& code)
    {
        for (int r = 1; r < p->mshflexPackage->Rows(); ++r)
            if (p->mshflexPackage->TextMatrix(r, 1) == code) return r;
        return -1;
    }
    // "&View Packages" with the picker driven by `drive`; the picker is left open unless it closes.
    void viewPackages(const std::function<void(frmListPackage*)>& drive)
    {
        UiScript::queueDialog(QStringLiteral("frmListPackage"), [drive](QDialog* d) { drive(static_cast<frmListPackage*>(d)); });
        w()->Command1_Click(1);
    }
    // Picks the package, excludes the item rows given, and accepts.
    void pickAndAccept(const QString& code, QList<int> exclude = {})
    {
        viewPackages([code, exclude](frmListPackage* p) {
            const int row = packageRow(p, code);
            ASSERT_GT(row, 0);
            p->mshflexPackage_Click(row);
            for (int r : exclude) p->mshflexPackageItems_Click(r);
            p->cmdOption_Click(1);
        });
    }
    QStringList rowTexts(int row)
    {
        QStringList t;
        for (int c : {int(Dept), int(ItemCode), int(Qty), int(UnitPrice), int(Amount), int(Location), int(BasePrice), int(PackageCode),
                      int(PackageAmount), int(PackageQty), int(DosageID)})
            t << cell(row, c);
        return t;
    }
};

TEST(PackagePickerPrice, UnitPriceFromTheLineAmount)
{
    const struct { const char *amount, *qty, *unit; } cases[] = {
        {"100", "3", "33.3333333333333"}, {"301", "2", "150.5"}, {"1234567.89", "1", "1234567.89"},
        {"0", "2", "0"},                  {"100", "0", ""},       {"100", "", ""},
        {"100", "abc", ""},               {"100", "-1", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PickerUnitPrice(QString::fromLatin1(c.amount), QString::fromLatin1(c.qty)), QString::fromLatin1(c.unit))
            << c.amount << " / " << c.qty;
}

TEST_F(PackagePickerTest, TheIncludedItemsLandInTheGridAtTheWindowsPriceClass)
{
    const struct { const char* priceClass; QStringList ecg, catheter; } cases[] = {
        {"I", {"HS", "HS001", "3", "33.3333333333333", "100", "", "33.3333333333333", "TPKG-P", "23500", "3", "D1"},
              {"SR", "100101", "2", "4500", "9000", "35", "4500", "TPKG-P", "23500", "2", ""}},
        // a cash out-patient never gets in-patient prices
        {"O", {"HS", "HS001", "3", "30", "90", "", "30", "TPKG-P", "23500", "3", "D1"},
              {"SR", "100101", "2", "4100", "8200", "35", "4100", "TPKG-P", "23500", "2", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.priceClass);
        open();
        w()->PricePatientClass = QString::fromLatin1(c.priceClass);
        UiScript::reset();
        pickAndAccept(QStringLiteral("TPKG-P"), {2}); // the inflation device left out
        EXPECT_TRUE(UiScript::shown().isEmpty()) << UiScript::lastText().toStdString();
        EXPECT_FALSE(frmListPackage::instance()->isVisible());
        EXPECT_EQ(rowTexts(1), c.ecg);
        EXPECT_EQ(rowTexts(2), c.catheter);
        EXPECT_TRUE(cell(3, ItemCode).isEmpty());
        delete frmCharge::existing();
    }
}

TEST_F(PackagePickerTest, AfterOrdinaryItemsThePackageFillsTheEmptyEntryRowFirst)
{
    open();
    enterItem("HS", "HS001"); // an ordinary item; the grid keeps an empty entry row after it
    const int before = grid()->Rows();
    ASSERT_TRUE(cell(before - 1, Dept).isEmpty());
    pickAndAccept(QStringLiteral("TPKG-P"), {2});
    EXPECT_EQ(cell(1, PackageCode), "");
    EXPECT_EQ(cell(before - 1, ItemCode), "HS001");
    EXPECT_EQ(cell(before - 1, PackageCode), "TPKG-P");
    EXPECT_EQ(cell(before, ItemCode), "100101");
    EXPECT_EQ(cell(before, Number), QStringLiteral(" %1").arg(before));
    EXPECT_TRUE(cell(grid()->Rows() - 1, Dept).isEmpty()); // the window keeps its empty entry row
}

// Where the rows go, on a bare grid: row 1 of an empty grid, else an empty last row, else a new row.
TEST(PackagePickerCopy, TargetRowsOfTheCallersGrid)
{
    const QList<PickerItem> items = {
        {"1", "A1", "HS", "FIRST", "1", "10", "", "1", "", "", ""},
        {"2", "A2", "HS", "LEFT OUT", "1", "20", "", "2", "", "", ""},
        {"3", "A3", "HS", "NEITHER", "1", "30", "", "", "", "", ""},
        {"4", "A4", "CL", "SECOND", "2", "50", "35", "1", "", "", "D4"},
    };
    const struct { const char* name; QStringList start; QStringList codes; } cases[] = {
        {"empty grid", {""}, {"A1", "A4"}},
        {"items and an empty last row", {"X1", ""}, {"X1", "A1", "A4"}},
        {"items and no empty row", {"X1", "X2"}, {"X1", "X2", "A1", "A4"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EntryGrid g;
        g.setCols(ChargeEntryRow::ColumnCount);
        g.setRows(int(c.start.size()) + 1);
        for (int r = 1; r <= c.start.size(); ++r) {
            g.setTextMatrix(r, Dept, c.start[r - 1].isEmpty() ? "" : "HS");
            g.setTextMatrix(r, ItemCode, c.start[r - 1]);
        }
        EXPECT_EQ(CopyPackageItems(g, items, {"PK", "PACKAGE", "80"}), 2);
        QStringList codes;
        for (int r = 1; r < g.Rows(); ++r) codes << g.TextMatrix(r, ItemCode);
        EXPECT_EQ(codes, c.codes);
        const int last = g.Rows() - 1;
        EXPECT_EQ(g.TextMatrix(last, UnitPrice), "25");
        EXPECT_EQ(g.TextMatrix(last, BasePrice), "25");
        EXPECT_EQ(g.TextMatrix(last, PackageCode), "PK");
        EXPECT_EQ(g.TextMatrix(last, PackageAmount), "80");
        EXPECT_EQ(g.TextMatrix(last, DosageID), "D4");
    }
}

TEST_F(PackagePickerTest, OutOfStockItemsAreLeftOutAndCannotBeIncluded)
{
    Session.HospitalInfo.AllowZeroOnHand = true;
    open();
    UiScript::reset();
    const QString noStock = QStringLiteral("There is no stock left for INFLATION DEVICE. The item will not be included in the request.");
    viewPackages([&](frmListPackage* p) {
        p->mshflexPackage_Click(packageRow(p, QStringLiteral("TPKG-P")));
        ASSERT_EQ(UiScript::shown().size(), 1);
        EXPECT_EQ(UiScript::shown().last().text, noStock);
        EXPECT_EQ(UiScript::shown().last().title, kPickerNotice);
        EXPECT_EQ(UiScript::shown().last().style & vbCritical, vbCritical);
        EXPECT_EQ(p->Items()[1].state, "2");
        EXPECT_TRUE(p->cmdOption[1]->isEnabled()); // without the incomplete-package rule it may go without it
        p->mshflexPackageItems_Click(2); // trying to include it repeats the message
        EXPECT_EQ(UiScript::lastText(), noStock);
        EXPECT_EQ(p->Items()[1].state, "2");
        p->cmdOption_Click(1);
    });
    EXPECT_EQ(cell(1, ItemCode), "HS001");
    EXPECT_EQ(cell(2, ItemCode), "100101");
    EXPECT_TRUE(cell(3, ItemCode).isEmpty());
    delete frmCharge::existing();

    // an incomplete package may not be accepted at all when the station says so
    setStationParameter(QStringLiteral("CLDontAllowINCPackage"), QStringLiteral("1"));
    open();
    viewPackages([&](frmListPackage* p) {
        p->mshflexPackage_Click(packageRow(p, QStringLiteral("TPKG-P")));
        EXPECT_FALSE(p->cmdOption[1]->isEnabled());
        p->mshflexPackage_Click(packageRow(p, QStringLiteral("TPKG-Q")));
        EXPECT_TRUE(p->cmdOption[1]->isEnabled());
        p->cmdOption_Click(0);
    });
    EXPECT_TRUE(cell(1, ItemCode).isEmpty());
}

TEST_F(PackagePickerTest, RefusalsLeaveTheGridAsItWasAndThePickerOpen)
{
    const struct {
        const char* name;
        bool dontMix;
        std::function<void()> before;
        const char* package;
        QList<int> exclude;
        const char* message;
        int icon;
    } cases[] = {
        {"all excluded", false, nullptr, "TPKG-P", {1, 2, 3}, "Please select package items.", vbCritical},
        {"already added", false, [this] { pickAndAccept(QStringLiteral("TPKG-Q")); }, "TPKG-Q", {},
         "Package was previously added to the list of charges.", vbInformation},
        {"ordinary items first", true, [this] { enterItem("HS", "HS001"); }, "TPKG-Q", {},
         "Please don't mix non-package and package items.", vbInformation},
        {"another package first", true, [this] { pickAndAccept(QStringLiteral("TPKG-P")); }, "TPKG-Q", {},
         "Please don't mix two or more packages in a single chargeslip.", vbInformation},
        {"no quantity", false, nullptr, "TPKG-Z", {},
         "The quantity of TREADMILL STRESS TEST is not a number above zero. The package cannot be added.", vbCritical},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setStationParameter(QStringLiteral("DontMixPackages"), c.dontMix ? QStringLiteral("1") : QStringLiteral("0"));
        open();
        if (c.before) c.before();
        QList<QStringList> grid0;
        for (int r = 0; r < grid()->Rows(); ++r) grid0 << rowTexts(r);
        UiScript::reset();
        bool stayedOpen = false;
        viewPackages([&](frmListPackage* p) {
            p->mshflexPackage_Click(packageRow(p, QString::fromLatin1(c.package)));
            for (int r : c.exclude) p->mshflexPackageItems_Click(r);
            p->cmdOption_Click(1);
            stayedOpen = p->isVisible();
        });
        EXPECT_TRUE(stayedOpen);
        ASSERT_FALSE(UiScript::shown().isEmpty());
        EXPECT_EQ(UiScript::shown().last().text, c.message);
        EXPECT_EQ(UiScript::shown().last().title, kPickerNotice);
        EXPECT_EQ(UiScript::shown().last().style & c.icon, c.icon);
        QList<QStringList> grid1;
        for (int r = 0; r < grid()->Rows(); ++r) grid1 << rowTexts(r);
        EXPECT_EQ(grid1, grid0);
        delete frmCharge::existing();
    }
    // without the station rule both mixes are accepted
    setStationParameter(QStringLiteral("DontMixPackages"), QStringLiteral("0"));
    open();
    enterItem("HS", "HS001");
    pickAndAccept(QStringLiteral("TPKG-Q"));
    pickAndAccept(QStringLiteral("TPKG-P"));
    int packageRows = 0;
    for (int r = 1; r < grid()->Rows(); ++r) packageRows += !cell(r, PackageCode).isEmpty();
    EXPECT_EQ(packageRows, 4);
}

// A package charged before, by the picker or by the item code linked to it, is not charged again
// by either road.
TEST_F(PackagePickerTest, APackageChargedBeforeIsRefusedByThePickerAndByItsLinkedCode)
{
    setStationParameter(QStringLiteral("CLEnableOldPackageCharging"), QStringLiteral("0"));
    conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..TBCOOTHERREVENUE (OtherSectionID, OtherRevenueID, OtherRevenue, RateA, FixRate, "
                                  "Status) VALUES ('CL', 'TPK07', 'TEST PACKAGE P', 9000, 'Y', 'A'), ('CL', 'TPKG-P', 'TEST PACKAGE P', 9000, 'Y', 'A')"));
    conn().execute(QStringLiteral("INSERT INTO STATION..tbCLPackage_CodeLink (PackageCode, NurseItemCode, Status) VALUES ('TPKG-P', 'TPK07', 'A')"));
    const auto billed = [this] {
        return count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE IDNum = 'TX0001' AND RevenueID = 'CL' "
                                    "AND ItemID IN ('TPKG-P', 'TPK07')"));
    };
    open();
    pickAndAccept(QStringLiteral("TPKG-P"));
    ASSERT_EQ(cell(1, PackageCode), "TPKG-P");
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    w()->Command1[0]->click();
    ASSERT_EQ(billed(), 1);

    const QString refusal = QStringLiteral("The same package was previously charged. Please double-check list of charges.");
    UiScript::reset();
    pickAndAccept(QStringLiteral("TPKG-P"));
    EXPECT_EQ(UiScript::lastText(), refusal);
    for (int r = 1; r < grid()->Rows(); ++r) EXPECT_EQ(cell(r, PackageCode), "") << r;
    UiScript::reset();
    grid()->MoveTo(1, Dept);
    enterItem("CL", "TPK07");
    EXPECT_EQ(UiScript::lastText(), refusal);
    EXPECT_EQ(cell(1, PackageCode), "");
    EXPECT_EQ(billed(), 1);
}

TEST_F(PackagePickerTest, ThePackageListAndItsItems)
{
    open();
    viewPackages([](frmListPackage* p) {
        EXPECT_GT(packageRow(p, QStringLiteral("TPKG-P")), 0);
        EXPECT_EQ(packageRow(p, QStringLiteral("TPKG-X")), -1); // not for this department
        EXPECT_FALSE(p->cmdOption[1]->isEnabled());            // nothing chosen yet
        p->mshflexPackage_Click(packageRow(p, QStringLiteral("TPKG-P")));
        EXPECT_EQ(p->lblInfo[1]->text(), "TEST PACKAGE P");
        EXPECT_EQ(p->lblInfo[2]->text(), "Gross: 23500");
        EXPECT_EQ(p->mshflexPackageItems->TextMatrix(1, 2), "HS001");
        EXPECT_EQ(p->mshflexPackageItems->TextMatrix(1, 6), "100");
        EXPECT_EQ(p->mshflexPackageItems->TextMatrix(1, 8), "1");
        p->mshflexPackageItems_Click(1);
        EXPECT_EQ(p->mshflexPackageItems->TextMatrix(1, 8), "2");
        p->mshflexPackageItems_Click(1);
        EXPECT_EQ(p->mshflexPackageItems->TextMatrix(1, 8), "1");
        p->cmdOption_Click(0); // Exit copies nothing
    });
    EXPECT_TRUE(cell(1, ItemCode).isEmpty());
    // with exclusion switched off, clicks change nothing
    setStationParameter(QStringLiteral("NoPackageItemExclude"), QStringLiteral("1"));
    viewPackages([](frmListPackage* p) {
        p->mshflexPackage_Click(packageRow(p, QStringLiteral("TPKG-P")));
        EXPECT_EQ(p->mshflexPackageItems->ColWidth(1), 0);
        p->mshflexPackageItems_Click(1);
        EXPECT_EQ(p->mshflexPackageItems->TextMatrix(1, 8), "1");
        p->cmdOption_Click(0);
    });
}

} // namespace

namespace {

// Laboratory items of a package get their specimen in the picker's list: one specimen is taken
// without the specimen window, several are chosen in it. The specimen stays in the picker.
TEST_F(PackagePickerTest, LaboratoryItemsTakeTheirSpecimenInThePickerOnly)
{
    Session.HospitalInfo.IsAllowOPDShowLabSpecimen = true;
    conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoLabExam (LabExamID, LabExam, LabSectionID) VALUES "
                                  "('TLB1', 'TEST CBC', 'HEM'), ('TLB2', 'TEST CULTURE', 'MIC')"));
    conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoLabSpecimen (SpecimenID, Specimen) VALUES ('TS1', 'AAA BLOOD'), ('TS2', 'BBB URINE')"));
    conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoLabExamSpecimen (LabExamID, SpecimenID) VALUES "
                                  "('TLB1', 'TS1'), ('TLB2', 'TS1'), ('TLB2', 'TS2')"));
    conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoAdmPackage (PackageID, Package, CLActive) VALUES ('TPKG-L', 'TEST LAB PACKAGE', 'Y')"));
    conn().execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLPackageItems (PackageCode, LineNo, ItemID, RevenueID, Description, Quantity, "
                                  "PriceIn, PriceOut, LocationID, Status) VALUES "
                                  "('TPKG-L', 1, 'TLB1', 'LB', 'TEST CBC', 1, 350, 350, '', 'A'), "
                                  "('TPKG-L', 2, 'TLB2', 'LB', 'TEST CULTURE', 1, 900, 900, '', 'A')"));
    open();
    UiScript::queueDialog(QStringLiteral("frmSpecimenEntry"), [](QDialog* d) {
        auto* s = static_cast<frmSpecimenEntry*>(d);
        s->grdSpecimen->setCurrentCell(1, 1); // the second specimen
        s->grdSpecimen_DblClick();
        s->close();
    });
    viewPackages([](frmListPackage* p) {
        p->mshflexPackage_Click(packageRow(p, QStringLiteral("TPKG-L")));
        EXPECT_EQ(p->mshflexPackageItems->TextMatrix(1, 9), "TS1");
        EXPECT_EQ(p->mshflexPackageItems->TextMatrix(1, 10), "HEM");
        EXPECT_EQ(p->mshflexPackageItems->TextMatrix(2, 9), "TS2");
        EXPECT_EQ(p->mshflexPackageItems->TextMatrix(2, 10), "MIC");
        p->cmdOption_Click(1);
    });
    EXPECT_EQ(UiScript::dialogsRun().count(QStringLiteral("frmSpecimenEntry")), 1);
    EXPECT_EQ(cell(1, ItemCode), "TLB1");
    for (int c = 8; c <= 14; ++c)
        if (c != BasePrice) EXPECT_TRUE(cell(1, c).isEmpty()) << c;
}

} // namespace
