// The station parameters: every setting by its row in STATION..tbNurseSetup.
#include "support/TestDatabase.h"

#include "components/login/clsCurrentuser.h"
#include "platform/db/DbError.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"

#include <functional>

namespace {
struct Row {
    QString field;
    QVariant value;
    QString status = QStringLiteral("1");
};

class ParametersTest : public DbTest {
protected:
    // The setup table holds exactly these rows, in this order.
    void setRows(const QList<Row>& rows)
    {
        conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseSetup"));
        for (const Row& r : rows)
            conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value, status) VALUES (?, ?, ?)"),
                           {r.field, r.value, r.status});
    }
    clsParameters& p() { return StationParameters(); }
};

using FlagGetter = std::function<bool(const clsParameters&)>;
using TextGetter = std::function<QString(const clsParameters&)>;

const QList<QPair<QString, FlagGetter>>& flags()
{
    static const QList<QPair<QString, FlagGetter>> list = {
        {"NurseUseBFileFixRate", &clsParameters::UseBFileFixRate},
        {"CLAllowInternationalRate", &clsParameters::AllowInternationalRate},
        {"CLRequireCF4Discharge", &clsParameters::RequireCF4Discharge},
        {"CLShowCF4", &clsParameters::ShowCF4},
        {"NoPNFByPass", &clsParameters::NoPNFByPass},
        {"CheckPNF", &clsParameters::CheckPNF},
        {"CLCheckRevokePackageRight", &clsParameters::CheckRevokePackageRight},
        {"CLShowSelectCensusFormat", &clsParameters::ShowSelectCensusFormat},
        {"EnableWCResult", &clsParameters::EnableWCResult},
        {"CLDontAllowINCPackage", &clsParameters::DontAllowINCPackage},
        {"UseNewCLMarkUp", &clsParameters::UseNewCLMarkUp},
        {"ClinAssessRequireDx", &clsParameters::ClinAssessRequireDx},
        {"NoDirectReturnSupplies", &clsParameters::NoDirectReturnSupplies},
        {"CLAllowPostReturn", &clsParameters::AllowPostReturnInCL},
        {"HidePackageItemPrice", &clsParameters::HidePackageItemPrice},
        {"OnlyShowPackageCSlip", &clsParameters::OnlyShowPackageCSlip},
        {"DontMixPackages", &clsParameters::DontMixPackages},
        {"NoPackageRevoke", &clsParameters::NoPackageRevoke},
        {"NoPackageItemExclude", &clsParameters::NoPackageItemExclude},
        {"CLEnableOldPackageCharging", &clsParameters::EnableOldPackageCharging},
        {"CLAllowRequestPersonalPx", &clsParameters::CLAllowRequestPersonalPx},
        {"CLEditAmtMainRev", &clsParameters::EditAmtMainRev},
        {"EnableCLSched", &clsParameters::EnableCLSched},
        {"CLDontSaveResultToGenericTB", &clsParameters::DontSaveResultToGenericTB},
        {"CLRegularDrugsPostCharge", &clsParameters::CheckS2LicenseForRegulatedDrugs},
        {"CLByPassPersonalPostCharge", &clsParameters::ByPassPersonalPostCharge},
        {"EnableCathLabRegistration", &clsParameters::EnableCathLabRegistration},
        {"CLShowDosagePostMedicines", &clsParameters::ShowDosagePostMedicines},
        {"NurseClinicalAssessmentGetPF", &clsParameters::NurseClinicalAssessmentGetPF},
    };
    return list;
}

enum class TextKind { Text, Trimmed, WhenNotEmpty };
struct TextSetting {
    QString field;
    TextGetter get;
    TextKind kind;
};

const QList<TextSetting>& texts()
{
    static const QList<TextSetting> list = {
        {"CSlipFormat", &clsParameters::NewCSlipFormat, TextKind::WhenNotEmpty},
        {"CF4RequireStart", &clsParameters::RequireCF4Start, TextKind::WhenNotEmpty},
        {"RegulatedDrugsClassID", &clsParameters::RegulatedDrugsClassID, TextKind::Trimmed},
        {"CLPackageAdjustmentRev", &clsParameters::CLPackageAdjustmentRev, TextKind::Trimmed},
        {"CLEquipmentRev", &clsParameters::CLEquipmentRev, TextKind::Trimmed},
        {"CLConsignedMedicinesRev", &clsParameters::CLConsignedMedicinesRev, TextKind::Trimmed},
        {"CLConsignedSuppliesRev", &clsParameters::CLConsignedSuppliesRev, TextKind::Trimmed},
        {"CLNHIMedicinesRev", &clsParameters::CLNHIMedicinesRev, TextKind::Trimmed},
        {"CLNHISuppliesRev", &clsParameters::CLNHISuppliesRev, TextKind::Trimmed},
        {"CLHospitalMedsRev", &clsParameters::CLHospitalMedsRev, TextKind::Trimmed},
        {"CLHospitalSuppliesRev", &clsParameters::CLHospitalSuppliesRev, TextKind::Trimmed},
        {"CLCustomHospitalName", &clsParameters::CustomHospitalName, TextKind::Text},
        {"CLCustomHospitalAddress", &clsParameters::CustomHospitalAddress, TextKind::Text},
        {"CathLabMainRevenueID", &clsParameters::MainRevenueID, TextKind::Text},
        {"CLConsignedPackagesRevenueID", &clsParameters::ConsignedPackagesRevenueID, TextKind::Trimmed},
    };
    return list;
}
}

TEST_F(ParametersTest, BeforeTheFirstLoadEverythingIsFalseOrEmpty)
{
    EXPECT_FALSE(StationParametersCreated());
    for (const auto& [field, get] : flags()) EXPECT_FALSE(get(p())) << field.toStdString();
    for (const TextSetting& t : texts()) EXPECT_TRUE(t.get(p()).isEmpty()) << t.field.toStdString();
    EXPECT_TRUE(StationParametersCreated());
}

TEST_F(ParametersTest, EachFlagIsSetByItsOwnRowOnly)
{
    bool wcSeen = false; // EnableWCResult, once read, stays set for the run
    for (const auto& [field, get] : flags()) {
        setRows({{field, QStringLiteral("1")}});
        p().LoadParameters();
        wcSeen = wcSeen || field == QLatin1String("EnableWCResult");
        for (const auto& [other, otherGet] : flags())
            EXPECT_EQ(otherGet(p()), other == field || (other == QLatin1String("EnableWCResult") && wcSeen))
                << "row " << field.toStdString() << ", flag " << other.toStdString();
    }
}

TEST_F(ParametersTest, EachTextTakesItsValueByItsKind)
{
    for (const TextSetting& t : texts()) {
        setRows({{t.field, QStringLiteral("  AB 1  ")}});
        p().LoadParameters();
        const QString expected = t.kind == TextKind::Trimmed ? QStringLiteral("AB 1") : QStringLiteral("  AB 1  ");
        EXPECT_EQ(t.get(p()), expected) << t.field.toStdString();
        for (const TextSetting& other : texts())
            if (other.field != t.field)
                EXPECT_EQ(other.get(p()), other.field == QLatin1String("CathLabMainRevenueID") ? QStringLiteral("CL") : QString())
                    << "row " << t.field.toStdString() << ", text " << other.field.toStdString();
    }
}

TEST_F(ParametersTest, OnlyTheExactTextOneSetsAFlag)
{
    for (const char* value : {"True", "Y", " 1", "1 ", "01", "-1", "yes", ""}) {
        setRows({{QStringLiteral("CLShowCF4"), QString::fromLatin1(value)}});
        p().LoadParameters();
        EXPECT_FALSE(p().ShowCF4()) << '"' << value << '"';
    }
    setRows({{QStringLiteral("CLShowCF4"), QStringLiteral("1")}});
    p().LoadParameters();
    EXPECT_TRUE(p().ShowCF4());
}

TEST_F(ParametersTest, NamesMatchExactlyAndOnlyRowsInForceAreRead)
{
    setRows({{QStringLiteral("clshowcf4"), QStringLiteral("1")},
             {QStringLiteral(" CLShowCF4"), QStringLiteral("1")},
             {QStringLiteral("EnableCLSched"), QStringLiteral("1"), QStringLiteral("0")},
             {QStringLiteral("CLEquipmentRev"), QStringLiteral("EQ"), QString()},
             {QStringLiteral("NoSuchSetting"), QStringLiteral("1")}});
    p().LoadParameters();
    EXPECT_FALSE(p().ShowCF4());
    EXPECT_FALSE(p().EnableCLSched());
    EXPECT_TRUE(p().CLEquipmentRev().isEmpty());
}

TEST_F(ParametersTest, TheMainRevenueCodeDefaultsToCLAndIsTakenUnchanged)
{
    struct Case { QList<Row> rows; QString expected; };
    const Case cases[] = {
        {{}, QStringLiteral("CL")},
        {{{QStringLiteral("CathLabMainRevenueID"), QStringLiteral("HS")}}, QStringLiteral("HS")},
        {{{QStringLiteral("CathLabMainRevenueID"), QString()}}, QString()},
        {{{QStringLiteral("CathLabMainRevenueID"), QVariant(QMetaType(QMetaType::QString))}}, QString()},
        {{{QStringLiteral("CathLabMainRevenueID"), QStringLiteral(" XR ")}}, QStringLiteral(" XR ")},
    };
    for (const Case& c : cases) {
        setRows(c.rows);
        p().LoadParameters();
        EXPECT_EQ(p().MainRevenueID(), c.expected);
    }
}

TEST_F(ParametersTest, SeveralRowsOfOneSetting)
{
    setRows({{QStringLiteral("CSlipFormat"), QStringLiteral("CLChargeSlip")},
             {QStringLiteral("CSlipFormat"), QString()},
             {QStringLiteral("CLEquipmentRev"), QStringLiteral("EQ")},
             {QStringLiteral("CLEquipmentRev"), QStringLiteral(" EX ")},
             {QStringLiteral("CLCustomHospitalName"), QStringLiteral("FIRST")},
             {QStringLiteral("CLCustomHospitalName"), QString()},
             {QStringLiteral("CheckPNF"), QStringLiteral("1")},
             {QStringLiteral("CheckPNF"), QStringLiteral("0")}});
    p().LoadParameters();
    EXPECT_EQ(p().NewCSlipFormat(), QStringLiteral("CLChargeSlip")); // the last one that was not empty
    EXPECT_EQ(p().CLEquipmentRev(), QStringLiteral("EX"));           // the last one
    EXPECT_TRUE(p().CustomHospitalName().isEmpty());                  // the last one, empty too
    EXPECT_TRUE(p().CheckPNF());                                      // any "1"
}

TEST_F(ParametersTest, AReloadResetsAllButEnableWCResultAndAllowEditAmount)
{
    setRows({{QStringLiteral("EnableWCResult"), QStringLiteral("1")},
             {QStringLiteral("CathlabAllowEditAmount"), QStringLiteral("1")},
             {QStringLiteral("EnableCLSched"), QStringLiteral("1")},
             {QStringLiteral("CLEquipmentRev"), QStringLiteral("EQ")},
             {QStringLiteral("CathLabMainRevenueID"), QStringLiteral("HS")}});
    Session.AllowEditAmount = false;
    p().LoadParameters();
    EXPECT_TRUE(p().EnableWCResult());
    EXPECT_TRUE(Session.AllowEditAmount);
    EXPECT_TRUE(p().EnableCLSched());

    setRows({{QStringLiteral("CathlabAllowEditAmount"), QStringLiteral("0")}});
    p().LoadParameters();
    EXPECT_TRUE(p().EnableWCResult()); // never reset
    EXPECT_TRUE(Session.AllowEditAmount);      // only ever set
    EXPECT_FALSE(p().EnableCLSched());
    EXPECT_TRUE(p().CLEquipmentRev().isEmpty());
    EXPECT_EQ(p().MainRevenueID(), QStringLiteral("CL"));
}

TEST_F(ParametersTest, AFailedReadLeavesTheResetValuesAndReachesTheCaller)
{
    p().LoadParameters();
    ASSERT_TRUE(p().EnableCathLabRegistration());
    clsCurrentuser* user = Session.CurrentUser;
    Session.CurrentUser = nullptr;
    EXPECT_THROW(p().LoadParameters(), DbError);
    Session.CurrentUser = user;
    EXPECT_FALSE(p().EnableCathLabRegistration());
    EXPECT_TRUE(p().CLEquipmentRev().isEmpty());
    EXPECT_EQ(p().MainRevenueID(), QStringLiteral("CL"));
    EXPECT_TRUE(Session.AllowEditAmount); // from the demo's row, untouched by the failure
}
