// Look-ups of departments, stock locations, items and reference numbers.
#include "support/LookupFixture.h"

#include "platform/db/DbError.h"
#include "shared/inventory/InventoryLookups.h"

class InventoryLookups : public LookupTest {};

TEST_F(InventoryLookups, ARCodeBySystemAndMode)
{
    struct Case { const char* code; const char* system; const char* mode; const char* expected; };
    const Case cases[] = {
        {"CL", "CL", "1", "1101-CL"}, {" CL ", " CL", "1 ", "1101-CL"}, {"CL", "CL", "2", "1101-CLR"},
        {"LB", "CL", "3", "1111-LBL"}, {"CL", "ERM", "1", "1501-CLC"}, {"ZZ", "CL", "1", ""}, {"CL", "CL", "9", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetARCode(conn(), QString::fromLatin1(c.code), QString::fromLatin1(c.system), QString::fromLatin1(c.mode)),
                  QString::fromLatin1(c.expected)) << c.code << "/" << c.system << "/" << c.mode;
}

// The look-up hands back its own answer: a department without a row after one with a location
// answers none, never the location found before.
TEST_F(InventoryLookups, LoadRevenueLocationAnswersForTheDepartmentAskedAbout)
{
    conn().execute(QStringLiteral("UPDATE BUILD_FILE..tbCoRevenueCode SET LocationID = ' ' WHERE RevenueID = 'OX'"));
    struct Case { const char* revenue; const char* location; }; // nullptr: none
    const Case cases[] = {
        {"NOSUCH", nullptr},   // no row
        {" PH ", "20"},
        {"NOSUCH", nullptr},   // no row right after a location was found
        {"LB", nullptr},       // a department without a location
        {"SR", "35"},          // the cath lab's stock room
        {"MD", nullptr},       // null location
        {"OX", " "},           // a blank counts as a location
    };
    for (const Case& c : cases) {
        const std::optional<QString> location = LoadRevenueLocation(conn(), QString::fromLatin1(c.revenue));
        EXPECT_EQ(location.has_value(), c.location != nullptr) << c.revenue;
        if (c.location) EXPECT_EQ(location.value_or(QString()), QString::fromLatin1(c.location)) << c.revenue;
    }
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(InventoryLookups, LocationsAndTheirInventoryType)
{
    conn().execute(QStringLiteral("INSERT INTO INVENTORY..tbInvLocation (LocationID, Location, InventoryType) VALUES ('37', 'WARD STOCK', '')"));
    struct Case { const char* location; const char* type; const char* stockCardRevenue; };
    const Case cases[] = {
        {"20", "P", "PH"},
        {" 21", "C", "CS"},
        {"35", "C", "CS"},   // blank type: its stock cards are kept under "CS"
        {"36", "P", "PH"},   // null type: under "PH"
        {"37", "", ""},      // blank type and no department keeps its stock cards
        {"99", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetInventoryType(conn(), QString::fromLatin1(c.location)), QString::fromLatin1(c.type)) << c.location;
        EXPECT_EQ(GetStockCardRevenueID(conn(), QString::fromLatin1(c.location)), QString::fromLatin1(c.stockCardRevenue)) << c.location;
    }
    struct Rev { const char* revenue; const char* location; };
    const Rev revs[] = {{" CS ", "21"}, {"CM", "36"}, {"LB", ""}, {"MD", ""}, {"NOSUCH", ""}};
    for (const Rev& r : revs)
        EXPECT_EQ(LoadRevenueLocation(conn(), QString::fromLatin1(r.revenue)).value_or(QString()), QString::fromLatin1(r.location)) << r.revenue;
}

TEST_F(InventoryLookups, ItemsAndDepartments)
{
    struct OnHand { const char* location; const char* item; int expected; };
    const OnHand stock[] = {{"20", "MED0201", 240}, {"20", "MED0101", 0}, {"21", "MED0201", 0}, {" 20", "MED0201", 0}, {"36", "SUP0004", 6}};
    for (const OnHand& s : stock)
        EXPECT_EQ(GetDrugOnHand(conn(), QString::fromLatin1(s.location), QString::fromLatin1(s.item)), s.expected) << s.location << s.item;

    EXPECT_EQ(GetLabSectionID(conn(), QStringLiteral("CBC")), QStringLiteral("HEMA"));
    EXPECT_EQ(GetLabSectionID(conn(), QStringLiteral(" CBC")), QString());
    EXPECT_EQ(GetLabSectionID(conn(), QStringLiteral("NOSUCH")), QString());
    EXPECT_EQ(GetRevenueItemName(conn(), QStringLiteral("CL")), QStringLiteral("CATH LABORATORY"));
    EXPECT_EQ(GetRevenueItemName(conn(), QStringLiteral("ZZ")), QString());

    struct Flag { bool (*fn)(Connection&, const QString&); const char* arg; bool expected; };
    const Flag flags[] = {
        {IsPharmacyRevenue, "PH", true}, {IsPharmacyRevenue, "CM", true}, {IsPharmacyRevenue, "CS", false},
        {IsPharmacyRevenue, "LB", false}, {IsPharmacyRevenue, " PH", false},
        {IsPNFItem, "MED0201", true}, {IsPNFItem, "MED0301", false}, {IsPNFItem, "NOSUCH", false},
    };
    for (const Flag& f : flags) EXPECT_EQ(f.fn(conn(), QString::fromLatin1(f.arg)), f.expected) << f.arg;
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(InventoryLookups, ReferenceNumbersAlreadyPosted)
{
    struct Case { const char* refNum; bool posted; };
    const Case cases[] = {
        {"CS000101", true},     // in-patient charge
        {"OR-88121", true},     // out-patient reference
        {"CS000105", true},     // only the charge slip of an out-patient charge
        {"CS000107", true},     // only a stock-card line
        {" CS000101 ", true},
        {"CS999999", false},
        {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsRefNumPosted(conn(), QString::fromLatin1(c.refNum)), c.posted) << c.refNum;
}

TEST_F(InventoryLookups, GridHasOR)
{
    struct Case { QList<QStringList> rows; int rows_; bool expected; };
    const QList<Case> cases = {
        {{{"1", "LB"}, {"2", " OR "}}, 0, true},
        {{{"1", "or"}}, 0, false},
        {{{"1", "ORX"}, {"2", "LB"}}, 0, false},
        {{}, 1, false},   // header row only
    };
    for (const Case& c : cases) {
        FlexGrid g;
        fillGrid(g, 8, c.rows);
        if (c.rows_) g.setRows(c.rows_);
        g.setTextMatrix(0, 1, QStringLiteral("OR"));  // the header is never looked at
        EXPECT_EQ(GridHasOR(g), c.expected);
    }
}

// A failed look-up reaches the caller, which shows the notice; none of them shows a box itself.
TEST_F(InventoryLookups, FailuresReachTheCallerWithoutAMessageBox)
{
    loseConnection();
    const QList<std::function<void()>> lookUps = {
        [this] { LoadRevenueLocation(conn(), QStringLiteral("PH")); },
        [this] { GetDrugOnHand(conn(), QStringLiteral("20"), QStringLiteral("MED0201")); },
        [this] { GetLabSectionID(conn(), QStringLiteral("CBC")); },
        [this] { GetRevenueItemName(conn(), QStringLiteral("CL")); },
        [this] { IsPharmacyRevenue(conn(), QStringLiteral("PH")); },
        [this] { IsPNFItem(conn(), QStringLiteral("MED0201")); },
    };
    for (int i = 0; i < lookUps.size(); ++i) {
        EXPECT_THROW(lookUps[i](), DbError) << i;
        EXPECT_TRUE(UiScript::shown().isEmpty()) << i;
    }
}

// These leave the failure to the caller; a reference number that could not be checked is not
// taken as free.
TEST_F(InventoryLookups, UntrappedFailuresReachTheCaller)
{
    loseConnection();
    EXPECT_THROW(GetARCode(conn(), QStringLiteral("CL"), QStringLiteral("CL"), QStringLiteral("1")), DbError);
    EXPECT_THROW(GetInventoryType(conn(), QStringLiteral("20")), DbError);
    EXPECT_THROW(GetStockCardRevenueID(conn(), QStringLiteral("20")), DbError);
    EXPECT_THROW(IsRefNumPosted(conn(), QStringLiteral("CS000101")), DbError);
    EXPECT_TRUE(UiScript::shown().isEmpty());
}
