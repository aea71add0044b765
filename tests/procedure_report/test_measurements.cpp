// Height in feet and inches against centimetres, and the body surface area, as the result entry
// shows and saves them.
#include "procedure_report/Measurements.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace Measurements;

TEST(Measurements, StoredCentimetresShowAsWholeFeetAndInches)
{
    struct Case { const char* cm; const char* feet; const char* inches; };
    const Case cases[] = {
        {"170", "5", "7"},      // 66.93 in
        {"182", "6", "0"},      // 71.65 in: 72 in is six feet even
        {"0", "0", "0"},
        {"160", "5", "3"},      // 62.99 in
        {"152.4", "5", "0"},    // 60 in
        {"154.94", "5", "1"},   // 61 in
    };
    for (const Case& c : cases) {
        const FeetInches fi = HeightToFeetInches(QString::fromLatin1(c.cm));
        const QString got = fi.feet + QLatin1Char('/') + fi.inches;
        EXPECT_EQ(got.toStdString(), QStringLiteral("%1/%2").arg(QLatin1String(c.feet), QLatin1String(c.inches)).toStdString())
            << c.cm;
    }
}

TEST(Measurements, AStoredHeightThatIsNoNumberIsAnError)
{
    EXPECT_THROW(HeightToFeetInches(QStringLiteral("tall")), std::invalid_argument);
    EXPECT_THROW(HeightToFeetInches(QStringLiteral("1.2.3")), std::invalid_argument);
}

TEST(Measurements, FeetAndInchesGiveCentimetresAtFullPrecision)
{
    struct Case { const char* feet; const char* inches; const char* cm; const char* whole; const char* twoDecimals; };
    const Case cases[] = {
        {"5", "7", "170.18", "170", "170.18"},
        {"6", "0", "182.88", "183", "182.88"},
        {"", "", "0", "0", "0"},
        {"5", "", "152.4", "152", "152.4"},
        {"5x", "abc", "152.4", "152", "152.4"}, // read leniently: the leading number
        {"0", "0.5", "1.27", "1", "1.27"},
        {"0", "1", "2.54", "3", "2.54"},        // 2.54 -> 3
    };
    for (const Case& c : cases) {
        const QString cm = HeightToCentimeters(QString::fromLatin1(c.feet), QString::fromLatin1(c.inches));
        EXPECT_EQ(cm.toStdString(), c.cm) << c.feet << "/" << c.inches;
        EXPECT_EQ(WholeCentimetres(cm).toStdString(), c.whole) << c.cm;
        EXPECT_EQ(CentimetresTwoDecimals(cm).toStdString(), c.twoDecimals) << c.cm;
    }
}

TEST(Measurements, BodySurfaceAreaByMosteller)
{
    struct Case { const char* cm; const char* kg; const char* bsa; };
    const Case cases[] = {
        {"170", "70", "1.82"},
        {"182.88", "81", "2.03"},
        {"0", "70", "0"},    // no height typed: the empty feet and inches count 0 cm
        {"170", "", ""},     // no weight: no surface area
        {"", "70", ""},
        {"170", "  ", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComputeBSA(QString::fromLatin1(c.cm), QString::fromLatin1(c.kg)).toStdString(), c.bsa) << c.cm << " " << c.kg;
}

TEST(Measurements, WholeCentimetresRoundHalfToEven)
{
    EXPECT_EQ(WholeCentimetres(QStringLiteral("170.5")), QStringLiteral("170"));
    EXPECT_EQ(WholeCentimetres(QStringLiteral("171.5")), QStringLiteral("172"));
    EXPECT_EQ(CentimetresTwoDecimals(QStringLiteral("170.125")), QStringLiteral("170.12"));
}
