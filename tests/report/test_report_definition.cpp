// Report definitions: finding the file, reading the text, parameter values.
#include "platform/report/Report.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const char* const kDefinition = R"(# a small report
[report]
title = ROOM LIST
paper = letter
orientation = landscape
margins = 10
font = Serif, 10

[parameters]
Station = text
MaxRate = number
AsOf = date

[data rooms]
@bind Station, MaxRate
SELECT RoomID, RoomRate FROM BUILD_FILE..tbCoRoom
 WHERE StationID = ? AND RoomRate <= ? AND Status <> 'what?'

[section 1]
<p>As of {?AsOf}: {#count rooms} rooms</p>
<style>td { padding: 2px } p {/* tight */ margin: 0 }</style>

[section 2]
@repeat rooms
@group RoomRate
{#group}<p>{rooms.RoomRate}</p>{/group}<p>{rooms.RoomID}</p>

[subreport Totals.rpt - 01]
[parameters]
Station = text
[data sums]
@bind Station
SELECT SUM(RoomRate) AS Total FROM BUILD_FILE..tbCoRoom WHERE StationID = ?
[section 1]
<p>{sums.Total:#,##0.00}</p>
[end subreport]

[section 3]
{#subreport Totals.rpt - 01}
)";

std::string errorOf(const QString& text)
{
    try {
        Report::fromText(text, QStringLiteral("Bad.RPT"));
    } catch (const ReportError& e) {
        return e.description().toStdString();
    }
    return "no error";
}
}

TEST(ReportDefinition, ReadsSettingsFieldsDataSetsSectionsAndSubreports)
{
    auto r = Report::fromText(QString::fromUtf8(kDefinition), QStringLiteral("Rooms.RPT"));
    EXPECT_EQ(r->name, QStringLiteral("Rooms.RPT"));
    EXPECT_EQ(r->title, QStringLiteral("ROOM LIST"));
    EXPECT_EQ(r->page.paper, QStringLiteral("Letter"));
    EXPECT_TRUE(r->page.landscape);
    EXPECT_DOUBLE_EQ(r->page.marginMm, 10);
    EXPECT_EQ(r->page.fontFamily, QStringLiteral("Serif"));

    ASSERT_EQ(r->parameterFields().size(), 3);
    EXPECT_EQ(r->parameterFields()[0].name(), QStringLiteral("Station"));
    EXPECT_EQ(r->parameterFields()[1].type(), ReportFieldType::Number);
    EXPECT_EQ(r->parameterFields()[2].type(), ReportFieldType::Date);

    ASSERT_EQ(r->tables().size(), 1);
    EXPECT_EQ(r->tables()[0].bind, QStringList({QStringLiteral("Station"), QStringLiteral("MaxRate")}));
    EXPECT_TRUE(r->tables()[0].sql.startsWith(QStringLiteral("SELECT RoomID")));

    ASSERT_EQ(r->sections().size(), 3);
    EXPECT_EQ(r->section(2).repeat, QStringLiteral("rooms"));
    EXPECT_EQ(r->section(2).group, QStringLiteral("RoomRate"));
    EXPECT_TRUE(r->section(1).body.contains(QStringLiteral("td { padding: 2px }")));
    EXPECT_THROW(r->section(4), ReportError);
    EXPECT_THROW(r->section(0), ReportError);

    ASSERT_EQ(r->subreports().size(), 1);
    Report& sub = r->openSubreport(QStringLiteral("totals.RPT - 01"));
    EXPECT_EQ(sub.name, QStringLiteral("Totals.rpt - 01"));
    EXPECT_EQ(sub.parameterFields().size(), 1);
    EXPECT_EQ(sub.sections().size(), 1);
    EXPECT_THROW(r->openSubreport(QStringLiteral("Totals")), ReportError);
}

TEST(ReportDefinition, RefusesWhatItCannotRead)
{
    struct Case { const char* text; const char* says; };
    const Case cases[] = {
        {"hello", "text outside a block"},
        {"[report]\ncolour = red", "unknown setting"},
        {"[report]\npaper = A3", "paper is A4, Letter or Legal"},
        {"[parameters]\nX = money", "unknown parameter type"},
        {"[parameters]\nX = text\nx = text", "comes twice"},
        {"[section 2]\n<p>x</p>", "expected [section 1]"},
        {"[data d]\n@bind Nope\nSELECT ?", "unknown parameter field \"Nope\""},
        {"[parameters]\nA = text\n[data d]\n@bind A\nSELECT 1", "has 0 \"?\" but binds 1"},
        {"[data d]\nSELECT 1\n[data d]\nSELECT 2", "comes twice"},
        {"[section 1]\n@repeat nothing\nx", "unknown data set \"nothing\""},
        {"[section 1]\n<p>{?Missing}</p>", "unknown parameter field {?Missing}"},
        {"[section 1]\n<p>{@Tomorrow}</p>", "unknown value {@Tomorrow}"},
        {"[section 1]\n<p>{x.y}</p>", "unknown data set in {x.y}"},
        {"[section 1]\n<p>{#subreport Nope}</p>", "unknown subreport"},
        {"[section 1]\n<p>{#total x}</p>", "unknown directive {#total x}"},
        {"[section 1]\n<p>{#group}x{/group}</p>", "without @group"},
        {"[subreport S]\n[section 1]\nx", "has no [end subreport]"},
        {"[end subreport]", "without its subreport"},
        {"[subreport A]\n[subreport B]", "cannot hold another"},
        {"[widget]", "unknown block [widget]"},
    };
    for (const Case& c : cases) {
        const std::string error = errorOf(QString::fromUtf8(c.text));
        EXPECT_NE(error.find(c.says), std::string::npos) << c.text << "\n -> " << error;
        EXPECT_NE(error.find("Bad.RPT"), std::string::npos) << error;
    }
}

TEST(ReportDefinition, BracketLinesInsideABodyAreText)
{
    auto r = Report::fromText(QStringLiteral("[section 1]\n[not a block]\n<p>x</p>"), QStringLiteral("A.rpt"));
    EXPECT_EQ(r->section(1).body, QStringLiteral("[not a block]\n<p>x</p>"));
}

TEST(ReportFiles, FindsFilesWithoutRegardToCase)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Reports")));
    const QString real = dir.filePath(QStringLiteral("Reports/Charge_Slip_BlankForm.RPT"));
    QFile f(real);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[report]\ntitle = CHARGE SLIP\n");
    f.close();

    for (const QString& asked : {QStringLiteral("Reports/Charge_Slip_BlankForm.RPT"), QStringLiteral("Reports/charge_slip_blankform.rpt"),
                                 QStringLiteral("REPORTS/Charge_Slip_BlankForm.Rpt"), QStringLiteral("Reports\\Charge_Slip_BlankForm.rpt")}) {
        const QString path = dir.path() + QLatin1Char('/') + asked;
        EXPECT_EQ(ReportFiles::resolve(path), real) << asked.toStdString();
        EXPECT_EQ(Report::open(path)->title, QStringLiteral("CHARGE SLIP"));
    }
    EXPECT_TRUE(ReportFiles::resolve(dir.filePath(QStringLiteral("Reports/Charge_Slip_New.RPT"))).isEmpty());
    EXPECT_TRUE(ReportFiles::resolve(dir.filePath(QStringLiteral("Reports"))).isEmpty()); // a folder is no report
    try {
        Report::open(dir.filePath(QStringLiteral("Reports/Charge_Slip_New.RPT")));
        FAIL() << "a missing file opened";
    } catch (const ReportError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("Charge_Slip_New.RPT\" was not found"))) << e.what();
    }
}

TEST(ReportParameterField, TakesValuesThatFitItsType)
{
    struct Case { ReportFieldType type; QVariant given; QVariant expected; };
    const Case ok[] = {
        {ReportFieldType::Text, QStringLiteral("2026000001"), QStringLiteral("2026000001")},
        {ReportFieldType::Text, 12, QStringLiteral("12")},
        {ReportFieldType::Text, QVariant(), QString()},
        {ReportFieldType::Text, QDate(2026, 12, 3), QStringLiteral("12/03/2026")},
        {ReportFieldType::Number, QStringLiteral(" 12.5 "), 12.5},
        {ReportFieldType::Number, 7, 7.0},
        {ReportFieldType::Date, QStringLiteral("12/03/2026"), QDate(2026, 12, 3)},
        {ReportFieldType::Date, QStringLiteral("2/3/2026"), QDate(2026, 2, 3)},
        {ReportFieldType::Date, QStringLiteral("2026-12-03 08:15:00"), QDate(2026, 12, 3)},
        {ReportFieldType::Date, QDateTime(QDate(2026, 12, 3), QTime(9, 0)), QDate(2026, 12, 3)},
        {ReportFieldType::DateTime, QStringLiteral("12/03/2026 08:15:00 PM"), QDateTime(QDate(2026, 12, 3), QTime(20, 15))},
        {ReportFieldType::Boolean, QStringLiteral("True"), true},
        {ReportFieldType::Boolean, 0, false},
    };
    for (const Case& c : ok) {
        ReportParameterField f(QStringLiteral("F"), c.type);
        EXPECT_FALSE(f.hasCurrentValue());
        f.addCurrentValue(c.given);
        EXPECT_TRUE(f.hasCurrentValue());
        EXPECT_EQ(f.currentValue(), c.expected) << c.given.toString().toStdString();
    }
    const Case refused[] = {
        {ReportFieldType::Number, QStringLiteral("12abc"), {}},
        {ReportFieldType::Number, QString(), {}},
        {ReportFieldType::Number, true, {}},
        {ReportFieldType::Date, QStringLiteral("13/45/2026"), {}},
        {ReportFieldType::Date, QVariant(), {}},
        {ReportFieldType::Boolean, QStringLiteral("maybe"), {}},
    };
    for (const Case& c : refused) {
        ReportParameterField f(QStringLiteral("Amount"), c.type);
        try {
            f.addCurrentValue(c.given);
            ADD_FAILURE() << "took " << c.given.toString().toStdString();
        } catch (const ReportError& e) {
            EXPECT_TRUE(e.description().contains(QStringLiteral("parameter field \"Amount\""))) << e.what();
        }
        EXPECT_FALSE(f.hasCurrentValue());
    }
}

TEST(ReportParameterField, AFieldWithoutValueBindsATypedNull)
{
    ReportParameterField text(QStringLiteral("T"), ReportFieldType::Text);
    EXPECT_TRUE(text.boundValue().isNull());
    EXPECT_EQ(text.boundValue().typeId(), QMetaType::QString);
    ReportParameterField number(QStringLiteral("N"), ReportFieldType::Number);
    EXPECT_TRUE(number.boundValue().isNull());
}
