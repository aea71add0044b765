// Returned items of a charged package: the charge must still be billed, the dialog lists the
// package's items with the ones recorded before marked, and a save replaces the recorded set.
#include "charging/ChargeWindowTest.h"
#include "support/ScriptedValidation.h"
#include "support/TableOutOfReach.h"

#include "charging/ChargeReturnedItems.h"
#include "charging/frmPackageReturnedItems.h"
#include "platform/db/Connection.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"

#include <QLabel>
#include <QPushButton>
#include <functional>

namespace {

const QString kReturnedSlip = QStringLiteral("0000777");

class ReturnedItemsTest : public ChargeWindowTest {
protected:
    void SetUp() override
    {
        ChargeWindowTest::SetUp();
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName, FirstName) VALUES ('T9002', 'SANTOS', 'MARIA')"));
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, RoomID) VALUES ('TX0001', 'T9002', '205')"));
        conn().execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLPackageItems (PackageCode, LineNo, ItemID, RevenueID, Description, Quantity, "
                                      "PriceIn, PriceOut, LocationID, Status) VALUES "
                                      "('TPKG-R', 1, 'HS001', 'HS', 'ECG 12 LEADS', 1, 1250, 1100, '', 'A'), "
                                      "('TPKG-R', 2, 'SUP0002', 'CS', 'INTRODUCER SHEATH 6FR', 2, 700.5, 650, '21', 'A'), "
                                      "('TPKG-R', 3, 'SUP0009', 'CS', 'TAKEN OUT', 1, 99, 99, '21', 'I')"));
        conn().execute(QStringLiteral("INSERT INTO STATION..tbCLPackage_CodeLink (PackageCode, NurseItemCode, Status) VALUES ('TPKG-R', 'TPK05', 'A')"));
        // the package charged on one slip and still billed; on another charged and reversed
        const QString line = QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, RevenueID, ItemID, Quantity, Refnum, Amount) "
                                            "VALUES ('TX0001', ?, ?, ?, ?, 100)");
        const QString main = StationParameters().MainRevenueID();
        conn().execute(line, {main, "TPK05", 1, kReturnedSlip});
        conn().execute(line, {main, "TPK05", 1, "0000778"});
        conn().execute(line, {main, "TPK05", -1, "0000778"});
    }
    void TearDown() override
    {
        delete frmPackageReturnedItems::existing();
        ChargeWindowTest::TearDown();
    }
    // Opens the dialog for the slip and runs `drive` while it is shown.
    void openDialog(const std::function<void(frmPackageReturnedItems*)>& drive)
    {
        delete frmPackageReturnedItems::existing(); // a closed dialog is deleted only by the event loop
        frmPackageReturnedItems* d = frmPackageReturnedItems::instance();
        d->HospNo = QStringLiteral("T9002");
        d->AdmNo = QStringLiteral("TX0001");
        d->PxName = QStringLiteral("SANTOS, MARIA");
        d->RefNo = kReturnedSlip;
        d->PackageCode = QStringLiteral("TPKG-R");
        d->PackageName = QStringLiteral("TEST PACKAGE R");
        UiScript::queueDialog(QStringLiteral("frmPackageReturnedItems"), [drive](QDialog* dlg) { drive(static_cast<frmPackageReturnedItems*>(dlg)); });
        d->ShowModal();
    }
    QStringList recorded()
    {
        QStringList r;
        const Recordset rs = conn().query(QStringLiteral("SELECT RevenueID, ItemID, Quantity, UnitPrice, Amount, UserID FROM "
                                                         "CLINICAL_AREA..tbCLReturnedItems WHERE IDNum = 'TX0001' AND RefNum = ? ORDER BY ItemID"),
                                          {kReturnedSlip});
        for (int i = 0; i < rs.recordCount(); ++i)
            r << QStringLiteral("%1 %2 %3 %4 %5 %6")
                     .arg(rs.textAt(i, QStringLiteral("RevenueID")), rs.textAt(i, QStringLiteral("ItemID")))
                     .arg(DbValue::toDouble(rs.valueAt(i, QStringLiteral("Quantity"))))
                     .arg(DbValue::toDouble(rs.valueAt(i, QStringLiteral("UnitPrice"))))
                     .arg(DbValue::toDouble(rs.valueAt(i, QStringLiteral("Amount"))))
                     .arg(rs.textAt(i, QStringLiteral("UserID")));
        return r;
    }
};

TEST_F(ReturnedItemsTest, OnlyAPackageStillOnTheBillOpensTheDialog)
{
    const QString main = StationParameters().MainRevenueID();
    EXPECT_TRUE(IsChargeStillBilled(conn(), QStringLiteral("TX0001"), kReturnedSlip, main, QStringLiteral("TPK05")));
    EXPECT_FALSE(IsChargeStillBilled(conn(), QStringLiteral("TX0001"), QStringLiteral("0000778"), main, QStringLiteral("TPK05")));
    EXPECT_FALSE(IsChargeStillBilled(conn(), QStringLiteral("TX0001"), kReturnedSlip, main, QStringLiteral("TPK06")));
    // an out-patient's charges are on the out-patient bill
    EXPECT_FALSE(IsChargeStillBilled(conn(), QStringLiteral("TX0001B"), kReturnedSlip, main, QStringLiteral("TPK05")));
}

TEST_F(ReturnedItemsTest, MarkedItemsReplaceTheRecordedSet)
{
    open();
    UiScript::reset();
    openDialog([this](frmPackageReturnedItems* d) {
        ASSERT_EQ(d->Items().size(), 2); // the item taken out of the package is not listed
        EXPECT_EQ(d->lblAmountReturned->text(), "0.00");
        EXPECT_EQ(d->mshflexPackageItems->TextMatrix(1, 7), "1,250.00");
        d->mshflexPackageItems_Click(1, 2); // not the mark column: nothing changes
        EXPECT_EQ(d->lblAmountReturned->text(), "0.00");
        d->mshflexPackageItems_Click(1, 1);
        EXPECT_EQ(d->lblAmountReturned->text(), "1,250.00");
        // a cancelled validation writes nothing and keeps the dialog and its marks
        UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [](QDialog* v) { v->reject(); });
        d->cmdOption_Click(1);
        EXPECT_TRUE(recorded().isEmpty());
        EXPECT_TRUE(d->isVisible());
        queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
        d->cmdOption_Click(1);
    });
    EXPECT_EQ(UiScript::lastText(), "Successfully updated returned items.");
    EXPECT_EQ(recorded(), QStringList({"HS HS001 1 1250 1250 CL001"}));

    // opened again: the recorded item is marked; one more marked and saved rewrites the set
    openDialog([this](frmPackageReturnedItems* d) {
        EXPECT_EQ(d->Items()[0].forReturn, "1");
        EXPECT_EQ(d->lblAmountReturned->text(), "1,250.00");
        d->mshflexPackageItems_Click(2, 1);
        EXPECT_EQ(d->lblAmountReturned->text(), "2,651.00");
        queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
        d->cmdOption_Click(1);
    });
    EXPECT_EQ(recorded(), QStringList({"HS HS001 1 1250 1250 CL001", "CS SUP0002 2 700.5 1401 CL001"}));

    // nothing marked: the recorded set is cleared, and the save still says so
    UiScript::reset();
    openDialog([](frmPackageReturnedItems* d) {
        d->mshflexPackageItems_Click(1, 1);
        d->mshflexPackageItems_Click(2, 1);
        EXPECT_EQ(d->lblAmountReturned->text(), "0.00");
        queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
        d->cmdOption_Click(1);
    });
    EXPECT_EQ(UiScript::lastText(), "Successfully updated returned items.");
    EXPECT_TRUE(recorded().isEmpty());
}

TEST_F(ReturnedItemsTest, AFailedSaveKeepsWhatWasRecordedAndTheDialogOpen)
{
    conn().execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLReturnedItems (IDNum, RefNum, RevenueID, ItemID, Quantity, UnitPrice, Amount, UserID) "
                                  "VALUES ('TX0001', ?, 'HS', 'HS001', 1, 1250, 1250, 'CL001')"),
                   {kReturnedSlip});
    open();
    UiScript::reset();
    openDialog([this](frmPackageReturnedItems* d) {
        d->mshflexPackageItems_Click(2, 1);
        {
            // the clearing works, the writing of the marked items fails
            TableOutOfReach away(conn(), QStringLiteral("CLINICAL_AREA..tbCLReturnedItems"), QStringLiteral("UserID"));
            queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
            d->cmdOption_Click(1);
        }
        EXPECT_TRUE(UiScript::lastText().endsWith("Please notify your IT department.")) << UiScript::lastText().toStdString();
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->Items()[1].forReturn, "1");
        d->cmdOption_Click(0);
    });
    EXPECT_EQ(recorded(), QStringList({"HS HS001 1 1250 1250 CL001"}));
}

TEST_F(ReturnedItemsTest, ThePostedLineOfAPackageOpensTheDialogWhileItIsBilled)
{
    const QString main = StationParameters().MainRevenueID();
    open();
    FlexGrid* list = w()->MSHFlexList;
    list->setRows(4);
    const struct { const char *dept, *item, *description, *slip; } lines[] = {
        {"", "TPK05", "TEST PACKAGE R", "0000777"}, // the department's own code, filled in below
        {"", "TPK05", "TEST PACKAGE R", "0000778"}, // charged and reversed
        {"HS", "HS001", "ECG 12 LEADS", "0000777"},
    };
    for (int r = 1; r <= 3; ++r) {
        const auto& l = lines[r - 1];
        list->setTextMatrix(r, 1, *l.dept ? QString::fromLatin1(l.dept) : main);
        list->setTextMatrix(r, 2, QString::fromLatin1(l.item));
        list->setTextMatrix(r, 3, QString::fromLatin1(l.description));
        list->setTextMatrix(r, 6, QString::fromLatin1(l.slip));
    }
    for (const auto& [row, shown] : {std::pair{3, false}, std::pair{1, true}}) {
        list->setCurrentCell(row, 1);
        w()->MSHFlexList_Click();
        EXPECT_EQ(w()->cmdReturned->isVisible(), shown) << row;
    }
    QString package, name, slip;
    UiScript::reset();
    UiScript::queueDialog(QStringLiteral("frmPackageReturnedItems"), [&](QDialog* d) {
        auto* dialog = static_cast<frmPackageReturnedItems*>(d);
        package = dialog->PackageCode;
        name = dialog->lblPackage->text();
        slip = dialog->txtRefNo->text();
        dialog->cmdOption_Click(0);
    });
    w()->cmdReturned->click();
    EXPECT_EQ(package, "TPKG-R");
    EXPECT_EQ(name, "TEST PACKAGE R");
    EXPECT_EQ(slip, kReturnedSlip);
    EXPECT_TRUE(UiScript::shown().isEmpty()) << UiScript::lastText().toStdString();

    list->setCurrentCell(2, 1);
    w()->MSHFlexList_Click();
    w()->cmdReturned->click();
    EXPECT_EQ(UiScript::lastText(), "Please select a valid package.");
    EXPECT_EQ(UiScript::dialogsRun().count(QStringLiteral("frmPackageReturnedItems")), 1);

    // with the old package scheme the button stays hidden
    setStationParameter(QStringLiteral("CLEnableOldPackageCharging"), QStringLiteral("1"));
    list->setCurrentCell(1, 1);
    w()->MSHFlexList_Click();
    EXPECT_FALSE(w()->cmdReturned->isVisible());
}

} // namespace
