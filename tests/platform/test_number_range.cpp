// What a typed number may be: plain digits with one point at most, within the box's bounds.
#include "platform/text/NumberRange.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberRange, AcceptsPlainNumbersWithinItsBoundsOnly)
{
    const NumberRange weight{QStringLiteral("Weight (kg)"), 0.1, 500, 2};
    const struct {
        const char* text;
        bool accepted;
    } cases[] = {
        {"81", true},         {" 81.5 ", true},  {"0.1", true},      {".5", true},     {"500", true},
        {"500.00", true},     {"500.01", false}, {"99999999999", false}, {"0", false}, {"1.2.3", false},
        {"81.125", false},    {".", false},      {"", false},        {" ", false},     {"-5", false},
        {"1e2", false},       {"8 1", false},    {"81kg", false},    {"1,000", false},
    };
    for (const auto& c : cases) EXPECT_EQ(weight.accepts(QString::fromLatin1(c.text)), c.accepted) << c.text;
}

TEST(NumberRange, TheMessageNamesTheBoxAndTheRangeAndTheWidthFitsTheLongestText)
{
    const NumberRange quantity{QStringLiteral("Quantity"), 0, 9999, 2};
    EXPECT_EQ(quantity.message(), QStringLiteral("Quantity must be a number from 0 to 9,999."));
    EXPECT_EQ(quantity.width(), 7); // 9999.99
    const NumberRange feet{QStringLiteral("Height (ft)"), 0, 8, 0};
    EXPECT_EQ(feet.message(), QStringLiteral("Height (ft) must be a whole number from 0 to 8."));
    EXPECT_EQ(feet.width(), 1);
    EXPECT_EQ((NumberRange{QStringLiteral("Weight (kg)"), 0.1, 500, 2}).message(),
              QStringLiteral("Weight (kg) must be a number from 0.1 to 500."));
}

} // namespace
