#include "platform/text/Format.h"

#include <gtest/gtest.h>

TEST(Format, Amounts)
{
    struct Case { double v; const char* text; };
    const Case cases[] = {{0, "0.00"}, {1234.5, "1,234.50"}, {-1234567.891, "-1,234,567.89"}, {999.995, "1,000.00"},
                          {1.005, "1.01"}, {2.675, "2.68"}, {-0.001, "0.00"}, {100, "100.00"}};
    for (const auto& c : cases) EXPECT_EQ(Fmt::amount(c.v).toStdString(), c.text) << c.v;
    EXPECT_EQ(Fmt::number(1234.5, QStringLiteral("0.00")), QStringLiteral("1234.50"));
    EXPECT_EQ(Fmt::number(1234.5, QStringLiteral("#,##0")), QStringLiteral("1,235"));
}

// Values taken as typed at every magnitude: large amounts and quantities keep their digits, and a
// half cent goes away from zero on the screens and to the even cent on the prints.
TEST(Format, NumbersAreExactAtEveryMagnitude)
{
    using R = Fmt::Rounding;
    struct Case { double v; const char* pattern; const char* away; const char* even; };
    const Case cases[] = {
        {0.005, "#,##0.00", "0.01", "0.00"},
        {0.015, "#,##0.00", "0.02", "0.02"},
        {0.025, "#,##0.00", "0.03", "0.02"},
        {2.675, "#,##0.00", "2.68", "2.68"},
        {-2.675, "#,##0.00", "-2.68", "-2.68"},
        {-0.005, "#,##0.00", "-0.01", "0.00"},
        {1e12 + 0.005, "#,##0.00", "1,000,000,000,000.01", "1,000,000,000,000.00"},
        {-(1e12 + 0.005), "#,##0.00", "-1,000,000,000,000.01", "-1,000,000,000,000.00"},
        {9999999999.995, "#,##0.00", "10,000,000,000.00", "10,000,000,000.00"},
        {319999999996800.0, "#,##0.00", "319,999,999,996,800.00", "319,999,999,996,800.00"},
        {-319999999996800.0, "#,##0.00", "-319,999,999,996,800.00", "-319,999,999,996,800.00"},
        {99999999999.0, "#,##0.00", "99,999,999,999.00", "99,999,999,999.00"},
        {99999999999.0, "0", "99999999999", "99999999999"},
        {1e15 + 0.5, "#,##0", "1,000,000,000,000,001", "1,000,000,000,000,000"},
        {123456789.125, "0.00", "123456789.13", "123456789.12"},
        {0.1 + 0.2, "0.00", "0.30", "0.30"},
    };
    for (const auto& c : cases) {
        const QString pattern = QString::fromLatin1(c.pattern);
        EXPECT_EQ(Fmt::number(c.v, pattern, R::HalfAwayFromZero).toStdString(), c.away) << c.v;
        EXPECT_EQ(Fmt::number(c.v, pattern, R::HalfEven).toStdString(), c.even) << c.v;
    }
}

// A total is as exact as its lines: no binary error of adding doubles reaches the cents.
TEST(Format, TotalsAddTheTypedValues)
{
    struct Case { QList<double> values; const char* even; };
    const Case cases[] = {
        {{}, "0.00"},
        {{0.1, 0.2}, "0.30"},
        {{319999999996800.0, 450, 2.675}, "319,999,999,997,252.68"},
        {{1e12, 0.005}, "1,000,000,000,000.00"},
        {{1e12, 0.015}, "1,000,000,000,000.02"},
        {{820, -820, 450}, "450.00"},
        {{-0.005, -2}, "-2.00"},
        {{99999999999.0, 1}, "100,000,000,000.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Fmt::sum(c.values, QStringLiteral("#,##0.00"), Fmt::Rounding::HalfEven).toStdString(), c.even) << c.values.size();
}

TEST(Format, ServerDateText)
{
    EXPECT_EQ(Fmt::serverDateText(QDateTime(QDate(2026, 1, 5), QTime(13, 4, 5))), QStringLiteral("01/05/2026 01:04:05 PM"));
    EXPECT_EQ(Fmt::serverDateText(QDateTime(QDate(2026, 12, 31), QTime(0, 0, 0))), QStringLiteral("12/31/2026 12:00:00 AM"));
    EXPECT_EQ(Fmt::serverDateText(QDateTime(QDate(2026, 7, 4), QTime(12, 30, 0))), QStringLiteral("07/04/2026 12:30:00 PM"));
    EXPECT_EQ(Fmt::serverDateText(QDateTime(QDate(2026, 10, 29), QTime(23, 59, 59))), QStringLiteral("10/29/2026 11:59:59 PM"));
    EXPECT_EQ(Fmt::serverDateText(QDateTime(QDate(999, 2, 3), QTime(11, 0, 9))), QStringLiteral("02/03/0999 11:00:09 AM"));
    EXPECT_EQ(Fmt::serverDateText(QDateTime()), QString());
}

TEST(Format, ValReadsTheLeadingNumber)
{
    struct Case { const char* text; double v; };
    const Case cases[] = {{"12abc", 12}, {"abc", 0}, {" 1 2", 12}, {"-3.5x", -3.5}, {"1.2.3", 1.2}, {"", 0},
                          {"1e3", 1000}, {"1e", 1}, {"  .5", 0.5}, {"+7", 7}, {"1,000", 1}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Fmt::val(QString::fromUtf8(c.text)), c.v) << c.text;
}

TEST(Format, RoundHalfEven)
{
    struct Case { double v; int d; double r; };
    const Case cases[] = {{2.5, 0, 2}, {3.5, 0, 4}, {-2.5, 0, -2}, {2.51, 0, 3}, {1.125, 2, 1.12}, {1.135, 2, 1.14},
                          {0.5, 0, 0}, {1.5, 0, 2}, {12.3449, 2, 12.34},
                          // large whole numbers stay what they are; large halves still go to the even one
                          {999999999, 0, 999999999}, {123456789012, 0, 123456789012}, {1000000001.5, 0, 1000000002},
                          {2.675, 2, 2.68}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Fmt::roundHalfEven(c.v, c.d), c.r) << c.v;
}

TEST(Format, IsNumeric)
{
    EXPECT_TRUE(Fmt::isNumeric(QStringLiteral(" 12.5 ")));
    EXPECT_TRUE(Fmt::isNumeric(QStringLiteral("1,000")));
    EXPECT_FALSE(Fmt::isNumeric(QStringLiteral("")));
    EXPECT_FALSE(Fmt::isNumeric(QStringLiteral("12a")));
}
