// The central supply request entry driven by keys: a supply typed or picked, priced and walked to
// its STAT, and the refusals of its code step.
#include "RequestsFixture.h"
#include "support/TableOutOfReach.h"

#include "medication_requests/frmCSREntry.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class SupplyEntryTest : public RequestsTest {
protected:
    std::unique_ptr<frmCSREntry> open(const QString& idNum = QStringLiteral("TX0001"))
    {
        auto w = std::make_unique<frmCSREntry>(patient(idNum));
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        return w;
    }
    static QStringList rowCells(frmCSREntry* w, int row)
    {
        QStringList out;
        for (int c = 1; c < 9; ++c) out << w->mshflexEntry->TextMatrix(row, c);
        return out;
    }
};

TEST_F(SupplyEntryTest, TypedAndPickedSuppliesWalkToTheirStat)
{
    auto w = open();
    EXPECT_EQ(w->windowTitle(), "Central Supply Request Entry");
    EXPECT_EQ(w->mshflexEntry->Cols(), 9);
    EXPECT_EQ(w->mshflexEntry->TextMatrix(0, 8), "STAT");
    enter(w->txtEntry, "30103"); // 65 in-patient, 58 for companies
    EXPECT_EQ(rowCells(w.get(), 1), QStringList({"30103", "IV CANNULA G20 PC", "", "1", "65", "", "65", "N"}));
    ASSERT_EQ(w->mshflexEntry->Col(), 4);
    enter(w->txtEntry, "3");
    EXPECT_EQ(w->mshflexEntry->TextMatrix(1, 5), "195");
    ASSERT_EQ(w->mshflexEntry->Col(), 6);
    enter(w->txtEntry, "left arm");
    ASSERT_EQ(w->mshflexEntry->Col(), 8);
    enter(w->txtEntry, "Q");
    EXPECT_EQ(UiScript::lastText(), "Invalid entry! Please Enter <Y> STAT and <N> Non STAT.");
    EXPECT_EQ(w->mshflexEntry->TextMatrix(1, 8), "N");
    enter(w->txtEntry, "y");
    EXPECT_EQ(w->mshflexEntry->TextMatrix(1, 8), "Y");
    ASSERT_EQ(w->mshflexEntry->Rows(), 3);
    EXPECT_EQ(w->mshflexEntry->Row(), 2);
    EXPECT_EQ(w->mshflexEntry->Col(), 1);
    // Picked from the supply list by name.
    queuePick("30102");
    enter(w->txtEntry, "SYR");
    EXPECT_EQ(rowCells(w.get(), 2).mid(0, 2), QStringList({"30102", "SYRINGE 10CC PC"}));
    EXPECT_EQ(UiScript::dialogsRun().count("frmCodeSearchList"), 1);
    // The same supply again, typed: refused and the row taken back, even from the row before the last.
    w->mshflexEntry->MoveTo(1, 1);
    enter(w->txtEntry, "30102");
    EXPECT_EQ(UiScript::lastText(), "Can't request the same supply.");
}

TEST_F(SupplyEntryTest, CodeRefusals)
{
    setHospitalFlag("AllowZeroOnHand", true);
    struct Case {
        const char *typed, *picked, *message;
    } cases[] = {
        {"39999", nullptr, "Code does not exist."},
        {"30105", nullptr, "Record is inactive. Please check build of items."},
        {"30104", nullptr, "There is no stock left for ECG ELECTRODES (50S). The system can't process the specified item."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        UiScript::reset();
        auto w = open();
        enter(w->txtEntry, c.typed);
        EXPECT_EQ(UiScript::lastText(), c.message);
        EXPECT_EQ(w->mshflexEntry->TextMatrix(1, 2), "");
        EXPECT_EQ(w->mshflexEntry->Col(), 1);
    }
    // A quantity above the stock of the row's own supply.
    UiScript::reset();
    auto w = open();
    enter(w->txtEntry, "30103"); // 150 in stock
    enter(w->txtEntry, "151");
    EXPECT_EQ(UiScript::lastText(), "Stock is not enough for the quantity entered. Remaining stock is: 150");
    EXPECT_EQ(w->mshflexEntry->TextMatrix(1, 4), "");
    enter(w->txtEntry, "0");
    EXPECT_EQ(UiScript::lastText(), "Quantity should be greater than zero(0).");
}

TEST_F(SupplyEntryTest, AFailedLookUpIsToldAndTheRowsStay)
{
    auto w = open();
    enter(w->txtEntry, "30101");
    w->mshflexEntry->MoveTo(2, 1);
    TableOutOfReach gone(conn(), "INVENTORY..tbInvSellingPrice");
    enter(w->txtEntry, "30102");
    EXPECT_TRUE(UiScript::lastText().startsWith("Error While Selecting Supply.  ")) << UiScript::lastText().toStdString();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->mshflexEntry->TextMatrix(1, 1), "30101");
}

} // namespace
