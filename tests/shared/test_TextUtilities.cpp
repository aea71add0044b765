#include "SharedTestSupport.h"

#include "platform/db/DbError.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/text/TextUtilities.h"

#include <QProgressBar>
#include <QTextBlock>

TEST(TextUtilities, NullToStrGivesABlankForNullAndReplacesTheValue)
{
    struct Case { QVariant in; const char* out; };
    const Case cases[] = {{QVariant(), " "}, {nullText(), " "}, {QVariant(QString()), ""}, {QVariant(QStringLiteral("abc")), "abc"},
                          {QVariant(12), "12"}};
    for (const Case& c : cases) {
        QVariant v = c.in;
        EXPECT_EQ(NullToStr(v), QString::fromLatin1(c.out));
        EXPECT_EQ(v.toString(), QString::fromLatin1(c.out));
    }
}

TEST(TextUtilities, PadRight)
{
    struct Case { const char* text; int width, mode; const char* out; };
    const Case cases[] = {
        {"  AB  ", 5, 1, "AB   "},   // trimmed, then filled
        {"ABCDEF", 5, 1, "ABCDEF"},  // long enough: as passed
        {" ABCDE ", 5, 1, " ABCDE "}, // trimmed length 5: as passed, blanks included
        {"", 3, 1, "   "},
        {"AB", 5, 2, ""},
        {"AB", 5, 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PadRight(QString::fromLatin1(c.text), c.width, c.mode), QString::fromLatin1(c.out)) << c.text << " " << c.mode;
}

TEST(TextUtilities, IsAllDigits)
{
    struct Case { const char* text; bool out; };
    const Case cases[] = {{"", true}, {"0", true}, {"1234567890", true}, {"-1", false}, {"1.5", false}, {"1 2", false},
                          {" 12", false}, {"12a", false}, {"\xd9\xa1\xd9\xa2", false}};
    for (const Case& c : cases) EXPECT_EQ(IsAllDigits(QString::fromUtf8(c.text)), c.out) << c.text;
}

TEST(TextUtilities, FilterNameKeyUpperCasesAndSwallowsWhatNamesDoNotHold)
{
    struct Case { int in, out; };
    const Case cases[] = {{'a', 'A'}, {'Z', 'Z'}, {0xF1, 0xD1}, {0xD1, 0xD1}, {',', ','}, {'-', '-'}, {' ', ' '},
                          {'1', 0}, {'\'', 0}, {'.', 0}, {'@', 0}, {0xE9, 0}, {8, 8}, {13, 13}, {27, 27}};
    for (const Case& c : cases) {
        int key = c.in;
        FilterNameKey(key);
        EXPECT_EQ(key, c.out) << c.in;
    }
}

TEST(TextUtilities, JoinDatePartsAddsMonthAndDayWhileValid)
{
    struct Case { const char *year, *month, *day, *out; };
    const Case cases[] = {
        {"1980", "5", "7", "1980.05.07"},
        {" 1980 ", " 12 ", " 31 ", "1980.12.31"},
        {"1980", "13", "7", "1980"},
        {"1980", "5", "", "1980.05"},
        {"1980", "5", "32", "1980.05"},
        {"1980", "abc", "1", "1980"},
        {"1980", "05", "07", "1980.005.007"}, // the zero goes by the number, not the length
        {"", "", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JoinDateParts(QString::fromLatin1(c.year), QString::fromLatin1(c.month), QString::fromLatin1(c.day)),
                  QString::fromLatin1(c.out))
            << c.month << "/" << c.day;
}

TEST(TextUtilities, HasText)
{
    EXPECT_FALSE(HasText(QVariant()));
    EXPECT_FALSE(HasText(nullText()));
    EXPECT_FALSE(HasText(QStringLiteral("   ")));
    EXPECT_TRUE(HasText(QStringLiteral(" x ")));
    EXPECT_TRUE(HasText(0));
}

TEST(TextUtilities, SetRangeMaxLeavesTheBarAloneForZero)
{
    QProgressBar bar;
    bar.setRange(5, 9);
    SetRangeMax(&bar, 1, 0);
    EXPECT_EQ(bar.minimum(), 5);
    EXPECT_EQ(bar.maximum(), 9);
    SetRangeMax(&bar, 1, 25);
    EXPECT_EQ(bar.minimum(), 0);
    EXPECT_EQ(bar.maximum(), 25);
}

class AgeTest : public SharedTest {};

TEST_F(AgeTest, AgeInWholeYearsAtTheServerDate)
{
    const QDate today = GetServerDate().date();
    struct Case { qint64 daysBefore; int years; };
    const Case cases[] = {{365, 0}, {366, 1}, {1461, 4}, {0, 0}, {-1, -1}, {-400, -2}, {365 * 70 + 30, 70}};
    for (const Case& c : cases)
        EXPECT_EQ(GetAgeYears(today.addDays(-c.daysBefore).toString(QStringLiteral("MM/dd/yyyy")), QStringLiteral("ignored")),
                  c.years)
            << c.daysBefore;
    EXPECT_EQ(GetAgeYears(QStringLiteral("  /  /    ")), 0);
    EXPECT_EQ(GetAgeYears(QStringLiteral("02/30/1980")), 0);
    EXPECT_EQ(GetAgeYears(QStringLiteral("not a date")), 0);
    EXPECT_EQ(Session.ServerDate.date(), today);
}

TEST(ClinicalText, AppendsPiecesWithTheirOwnFontColourAndItalic)
{
    FakeWorkspace ws;
    AppendClinicalText(QStringLiteral("PATIENT : "), 10, QStringLiteral("Courier New"), 0xFF0000, false);
    AppendClinicalText(QStringLiteral("SANTOS, JUAN"), 8, QStringLiteral("Arial"), 0, true);
    EXPECT_EQ(ws.rtbClinical->toPlainText(), QStringLiteral("PATIENT : SANTOS, JUAN"));
    EXPECT_EQ(ws.loads, 2);

    QList<QTextCharFormat> formats;
    for (auto it = ws.rtbClinical->document()->begin().begin(); !it.atEnd(); ++it) formats << it.fragment().charFormat();
    ASSERT_EQ(formats.size(), 2);
    EXPECT_EQ(formats[0].fontFamilies().toStringList().value(0), QStringLiteral("Courier New"));
    EXPECT_EQ(formats[0].fontPointSize(), 10);
    EXPECT_EQ(formats[0].foreground().color(), QColor(0, 0, 255)); // &HFF0000 is blue
    EXPECT_FALSE(formats[0].fontItalic());
    EXPECT_EQ(formats[1].fontFamilies().toStringList().value(0), QStringLiteral("Arial"));
    EXPECT_EQ(formats[1].foreground().color(), QColor(0, 0, 0));
    EXPECT_TRUE(formats[1].fontItalic());
}

TEST(ClinicalText, TheBoldKindSetsTheWeightInsteadOfTheSlant)
{
    FakeWorkspace ws;
    AppendClinicalText(QStringLiteral("Medications :"), 10, QStringLiteral("Arial"), 0xFF0000, true, false, ClinicalEmphasis::Bold);
    AppendClinicalText(QStringLiteral(" none"), 8, QStringLiteral("Arial"), 0, false, false, ClinicalEmphasis::Bold);
    AppendClinicalText(QStringLiteral(" (old)"), 8, QStringLiteral("Arial"), 0, true);
    EXPECT_EQ(ws.rtbClinical->toPlainText(), QStringLiteral("Medications : none (old)"));
    QList<QTextCharFormat> formats;
    for (auto it = ws.rtbClinical->document()->begin().begin(); !it.atEnd(); ++it) formats << it.fragment().charFormat();
    ASSERT_EQ(formats.size(), 3);
    EXPECT_EQ(formats[0].fontWeight(), QFont::Bold);
    EXPECT_FALSE(formats[0].fontItalic());
    EXPECT_EQ(formats[1].fontWeight(), QFont::Normal);
    EXPECT_FALSE(formats[1].fontItalic());
    EXPECT_TRUE(formats[2].fontItalic());
    EXPECT_NE(formats[2].fontWeight(), QFont::Bold);
}

TEST(ClinicalText, PrependPutsTheTextBeforeTheSelection)
{
    FakeWorkspace ws;
    AppendClinicalText(QStringLiteral("BODY"), 10, QStringLiteral("Arial"), 0, false);
    ws.rtbClinical->selectAll();
    AppendClinicalText(QStringLiteral("HEAD "), 10, QStringLiteral("Arial"), 0, false, true);
    EXPECT_EQ(ws.rtbClinical->toPlainText(), QStringLiteral("HEAD BODY"));
}

TEST(ClinicalText, WithoutAWorkspaceItIsAnError)
{
    WorkspaceLink::Loader program = WorkspaceLink::setLoader({});
    EXPECT_THROW(AppendClinicalText(QStringLiteral("x"), 10, QStringLiteral("Arial"), 0, false), DbError);
    WorkspaceLink::setLoader(std::move(program));
}
