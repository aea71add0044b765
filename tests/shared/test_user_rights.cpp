// The rights check: the rights text rules, and a fresh read at every call.
#include "shared/QtPrint.h"
#include "support/TestDatabase.h"

#include "shared/UserRights.h"

TEST(RightsText, WholeElementsAfterTheFirstBar)
{
    struct Case { const char* text; const char* right; bool held; };
    const Case cases[] = {
        {"", "1", false},
        {"|", "1", false},
        {"1", "1", false},           // too short to hold anything
        {"|1", "1", true},
        {"|1|22", "22", true},
        {"|1|22", "1", true},
        {"|1|22", "2", false},       // no substrings
        {"|12", "1", false},
        {"| 22 |3", "22", true},     // elements are trimmed
        {"|1|22", " 22 ", true},     // so is the right asked for
        {"22|1", "22", false},       // text before the first bar is never a right
        {"22|1", "1", true},
        {"|a", "A", false},          // case counts
        {"|1||3", "3", true},
        {"|38|29", "29", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RightsTextHolds(QString::fromLatin1(c.text), QString::fromLatin1(c.right)), c.held)
            << c.text << " / " << c.right;
}

class UserRightsCheck : public DbTest {};

TEST_F(UserRightsCheck, BlankEmployeeIsTheWorkstationUser)
{
    EXPECT_TRUE(HasUserRight(conn(), QStringLiteral("29")));          // CL001
    EXPECT_TRUE(HasUserRight(conn(), QStringLiteral("29"), QStringLiteral("   ")));
    EXPECT_FALSE(HasUserRight(conn(), QStringLiteral("29"), QStringLiteral("CL002")));
    EXPECT_TRUE(HasUserRight(conn(), QStringLiteral("22"), QStringLiteral(" CL002 ")));
    signIn(QStringLiteral("CL004"));
    EXPECT_TRUE(HasUserRight(conn(), QStringLiteral("10")));
    EXPECT_FALSE(HasUserRight(conn(), QStringLiteral("1"), QStringLiteral("CL003")));   // no row
}

TEST_F(UserRightsCheck, EveryCallReadsTheRightsAgain)
{
    EXPECT_TRUE(HasUserRight(conn(), QStringLiteral("3")));
    conn().execute(QStringLiteral("UPDATE STATION..tbNurseUserRights SET EmployeeRights = ? WHERE EmployeeID = 'CL001'"),
                   {QStringLiteral("|1|10")});
    EXPECT_FALSE(HasUserRight(conn(), QStringLiteral("3")));
    EXPECT_TRUE(HasUserRight(conn(), QStringLiteral("10")));
    conn().execute(QStringLiteral("UPDATE STATION..tbNurseUserRights SET EmployeeRights = NULL WHERE EmployeeID = 'CL001'"));
    EXPECT_FALSE(HasUserRight(conn(), QStringLiteral("10")));
    EXPECT_EQ(ReadUserRightsText(conn(), QStringLiteral("CL001")), QString());
}

TEST_F(UserRightsCheck, DatabaseErrorsReachTheCaller)
{
    TransactionGuard tx(conn());
    conn().execute(QStringLiteral("DROP TABLE STATION..tbNurseUserRights"));
    EXPECT_ANY_THROW(HasUserRight(conn(), QStringLiteral("1")));
}
