// Package look-ups and the rates of the department's services.
#include "support/LookupFixture.h"

#include "platform/db/DbError.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/packages/PackageLookups.h"

class PackageLookups : public LookupTest {
protected:
    void setParameter(const QString& field, const QString& value)
    {
        conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = ?"), {field});
        conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value, status) VALUES (?, ?, '1')"), {field, value});
        StationParameters().LoadParameters();
    }
};

TEST_F(PackageLookups, PackageNameFromTheSectionOrFromAdmissionPackages)
{
    struct Case { const char* package; const char* section; const char* expected; };
    const Case current[] = {{"CL101", "CL", "LEFT HEART CATHETERIZATION"}, {"CL101", "HS", "HOLTER MONITORING"},
                            {"PKG-RHC", "CL", ""}, {"CL101", "", ""}};
    for (const Case& c : current)
        EXPECT_EQ(GetPackageName(conn(), QString::fromLatin1(c.package), QString::fromLatin1(c.section)), QString::fromLatin1(c.expected))
            << c.package << "/" << c.section;
    setParameter(QStringLiteral("CLEnableOldPackageCharging"), QStringLiteral("1"));
    const Case old[] = {{"PKG-RHC", "ZZ", "RIGHT HEART CATHETERIZATION PACKAGE"}, {"PKG-PTCA", "CL", "PTCA PACKAGE (TWO STENTS)"},
                        {"CL101", "CL", ""}};
    for (const Case& c : old)
        EXPECT_EQ(GetPackageName(conn(), QString::fromLatin1(c.package), QString::fromLatin1(c.section)), QString::fromLatin1(c.expected))
            << c.package << "/" << c.section;
}

TEST_F(PackageLookups, LinksBetweenPackagesAndNurseItems)
{
    struct Case { QString (*fn)(Connection&, const QString&); const char* arg; const char* expected; };
    const Case cases[] = {
        {GetNurseItemCode, "PKG-RHC", "CL101"},
        {GetNurseItemCode, "PKG-PPI", "CL104"},    // the first link, whatever its status
        {GetNurseItemCode, "PKG-IABP", "CL106"},   // inactive
        {GetNurseItemCode, " PKG-RHC", ""},
        {GetNurseItemCode, "NOSUCH", ""},
        {GetLinkedPackageCode, "CL101", "PKG-RHC"},
        {GetLinkedPackageCode, "CL103", "PKG-PPI"},
        {GetLinkedPackageCode, "CL104", ""},       // null status counts as inactive
        {GetLinkedPackageCode, "CL106", ""},       // inactive
        {GetLinkedPackageCode, "CL105", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.fn(conn(), QString::fromLatin1(c.arg)), QString::fromLatin1(c.expected)) << c.arg;
    EXPECT_EQ(GetOtherLinkedPackageCode(conn(), QStringLiteral("CL102")), QStringLiteral("CPKG-STENT"));
    EXPECT_EQ(GetOtherLinkedPackageCode(conn(), QStringLiteral("CL103")), QString());
    EXPECT_TRUE(IsEquipmentPackage(conn(), QStringLiteral("PKG-IABP")));
    EXPECT_FALSE(IsEquipmentPackage(conn(), QStringLiteral("PKG-RHC")));
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(PackageLookups, PackageAlreadyChargedWhenItsAmountIsAboveZero)
{
    conn().execute(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, RevenueID, DrCr, ItemID, Quantity, RefNum, Amount) VALUES "
                                  "('2026000008', 'CL', 'D', 'PKG-PPI', 1, 'CS000110', 0.01), "
                                  "('2026000008', 'CL', 'D', 'PKG-RHC', 1, 'CS000111', 0), "
                                  "('2026000008', 'CL', 'D', 'PKG-PTCA', 1, 'CS000112', NULL)"));
    struct Case { const char* package; const char* idNum; const char* revenue; bool charged; };
    const Case cases[] = {
        {"PKG-RHC", "2026000003", "CL", true},
        {"PKG-PTCA", "2026000005", "CL", false},  // charged, then revoked
        {"PKG-RHC", "500003B", "CL", true},       // out-patient
        {"PKG-RHC", "2026000003", "HS", false},   // no charge under that section
        {"PKG-PPI", "2026000008", "CL", true},    // 0.01
        {"PKG-RHC", "2026000008", "CL", false},   // 0
        {"PKG-PTCA", "2026000008", "CL", false},  // null amount
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsPackageAlreadyCharged(conn(), QString::fromLatin1(c.package), QString::fromLatin1(c.idNum), QString::fromLatin1(c.revenue)),
                  c.charged) << c.package << " " << c.idNum << " " << c.revenue;
}

TEST_F(PackageLookups, RatesOfTheDepartmentsServices)
{
    struct Case { double value; double expected; const char* what; };
    const Case cases[] = {
        {GetOtherRevenueRate(conn(), QStringLiteral("CL101")), 42000, "regular"},
        {GetCathOverTimeRate(conn(), QStringLiteral("CL101")), 50400, "overtime"},
        {GetCathOnCallRate(conn(), QStringLiteral("CL101")), 54600, "on call"},
        {GetCathOnCallRate(conn(), QStringLiteral("CL104")), 0, "null on-call rate"},
        {GetCathOverTimeRate(conn(), QStringLiteral("CL105")), 0, "null overtime rate"},
        {GetOtherRevenueRate(conn(), QStringLiteral("CL106")), 12500.5, "decimals"},
        {GetCathOnCallRate(conn(), QStringLiteral("CL106")), 16250.25, "decimals"},
        {GetOtherRevenueRate(conn(), QStringLiteral("HS001")), 0, "another section's service"},
        {GetOtherRevenueRate(conn(), QStringLiteral("NOSUCH")), 0, "no service"},
        {GetCathOverTimeRateFor(conn(), QStringLiteral("HS001"), QStringLiteral("HS")), 540, "for HS"},
        {GetCathOnCallRateFor(conn(), QStringLiteral("HS002"), QStringLiteral("HS")), 4550, "for HS"},
        {GetCathOverTimeRateFor(conn(), QStringLiteral("CL101"), QStringLiteral("HS")), 5760, "same code, other section"},
        {GetCathOnCallRateFor(conn(), QStringLiteral("HS001"), QStringLiteral("CL")), 0, "not a service of CL"},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(c.value, c.expected) << c.what;

    // the department's own section follows the station parameter
    setParameter(QStringLiteral("CathLabMainRevenueID"), QStringLiteral("HS"));
    EXPECT_DOUBLE_EQ(GetOtherRevenueRate(conn(), QStringLiteral("CL101")), 4800);
    EXPECT_DOUBLE_EQ(GetCathOverTimeRate(conn(), QStringLiteral("HS002")), 4200);
    EXPECT_DOUBLE_EQ(GetCathOnCallRate(conn(), QStringLiteral("CL102")), 0);
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

// A failed look-up is never an answer: the error reaches the window, which shows the notice; no
// message box opens down here.
TEST_F(PackageLookups, FailuresReachTheCallerWithoutANotice)
{
    loseConnection();
    const QList<std::function<void()>> lookUps = {
        [this] { GetPackageName(conn(), QStringLiteral("CL101"), QStringLiteral("CL")); },
        [this] { GetNurseItemCode(conn(), QStringLiteral("PKG-RHC")); },
        [this] { GetLinkedPackageCode(conn(), QStringLiteral("CL101")); },
        [this] { GetOtherLinkedPackageCode(conn(), QStringLiteral("CL102")); },
        [this] { GetChargedPackageCode(conn(), QStringLiteral("CL101")); },
        [this] { IsEquipmentPackage(conn(), QStringLiteral("PKG-IABP")); },
        [this] { GetOtherRevenueRate(conn(), QStringLiteral("CL101")); },
        [this] { GetCathOverTimeRate(conn(), QStringLiteral("CL101")); },
        [this] { GetCathOnCallRate(conn(), QStringLiteral("CL101")); },
        [this] { GetCathOverTimeRateFor(conn(), QStringLiteral("HS001"), QStringLiteral("HS")); },
        [this] { GetCathOnCallRateFor(conn(), QStringLiteral("HS001"), QStringLiteral("HS")); },
    };
    for (int i = 0; i < lookUps.size(); ++i) EXPECT_THROW(lookUps[i](), DbError) << i;
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

// A package that could not be checked is never charged again as if it were new.
TEST_F(PackageLookups, AlreadyChargedCheckLeavesFailuresToTheCaller)
{
    loseConnection();
    EXPECT_THROW(IsPackageAlreadyCharged(conn(), QStringLiteral("PKG-RHC"), QStringLiteral("2026000003"), QStringLiteral("CL")), DbError);
    EXPECT_TRUE(UiScript::shown().isEmpty());
}
