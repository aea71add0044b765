// LoadHospitalInfo: which shared variables each read refreshes, resets or leaves alone.
#include "support/TestDatabase.h"

#include "components/login/clsCurrentuser.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

namespace {
class HospitalInfoTest : public DbTest {
protected:
    void setCustom(const QString& field, const QVariant& value)
    {
        conn().execute(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = ?"), {field});
        conn().execute(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value, status) VALUES (?, ?, '1')"), {field, value});
    }
    void emptyTables()
    {
        conn().execute(QStringLiteral("DELETE FROM PATIENT_DATA..TBHOSPITALINFO"));
        conn().execute(QStringLiteral("DELETE FROM STATION..tbNursing_Settings"));
    }
};

struct FlagCase {
    const char* name;
    bool* flag;
    bool reset;
};

// Every flag of both tables, with whether a read resets it first.
QList<FlagCase> allFlags()
{
    HospitalInfoFlags& h = Session.HospitalInfo;
    NursingSettingsFlags& n = Session.NursingSettings;
    return {
        {"Bygeneric", &h.Bygeneric, false},
        {"IsNursePrint", &h.IsNursePrint, true},
        {"IsLBDirectCharging", &h.IsLBDirectCharging, false},
        {"IsXRDirectCharging", &h.IsXRDirectCharging, false},
        {"IsUSDirectCharging", &h.IsUSDirectCharging, false},
        {"IsCTDirectCharging", &h.IsCTDirectCharging, false},
        {"IsHSDirectCharging", &h.IsHSDirectCharging, false},
        {"IsShowAmount", &h.IsShowAmount, true},
        {"IsPrintChargeSlip", &h.IsPrintChargeSlip, false},
        {"IsAllowSupervisorCodeForCancellationOfCharges", &h.IsAllowSupervisorCodeForCancellationOfCharges, true},
        {"IsAllowClinicalAssessmentWithoutValidation", &h.IsAllowClinicalAssessmentWithoutValidation, true},
        {"IsAllowEntryOfReasonForCancellation", &h.IsAllowEntryOfReasonForCancellation, true},
        {"isstat", &h.isstat, true},
        {"AllowZeroOnHand", &h.AllowZeroOnHand, true},
        {"IsCompanyPrice", &h.IsCompanyPrice, true},
        {"HighAlert", &h.HighAlert, true},
        {"IsAllowOPDShowLabSpecimen", &h.IsAllowOPDShowLabSpecimen, true},
        {"ShowPrecautions", &n.ShowPrecautions, true},
        {"ValidateUnusedMedClearance", &n.ValidateUnusedMedClearance, true},
        {"NoRequestingAfterFinalNotice", &n.NoRequestingAfterFinalNotice, true},
        {"PrintPHCSRequest", &n.PrintPHCSRequest, true},
    };
}
}

TEST_F(HospitalInfoTest, ReadsTheHospitalRowAndTheNursingSettings)
{
    LoadHospitalInfo();
    EXPECT_EQ(Session.HospName, QStringLiteral("ST. BRIGID MEDICAL CENTER"));
    EXPECT_EQ(Session.HospAddress, QStringLiteral("1450 Rizal Avenue, San Isidro City"));
    EXPECT_EQ(Session.HospPhone, QStringLiteral("(02) 8555-0142"));
    EXPECT_EQ(Session.HospClientName, QStringLiteral("SBMC"));
    EXPECT_EQ(Session.DcomServerName, QStringLiteral("APPSERVER01"));
    EXPECT_TRUE(Session.HospitalInfo.IsShowAmount);
    EXPECT_TRUE(Session.HospitalInfo.IsPrintChargeSlip);
    EXPECT_TRUE(Session.HospitalInfo.IsNursePrint);
    EXPECT_FALSE(Session.HospitalInfo.Bygeneric);
    EXPECT_EQ(Session.HospitalInfo.PSIOxygenComputationType, 1);
    EXPECT_TRUE(Session.HospitalInfo.HighAlert);
    EXPECT_TRUE(Session.NursingSettings.ShowPrecautions);
    EXPECT_FALSE(Session.NursingSettings.PrintPHCSRequest);
    // the station parameters come with it
    EXPECT_EQ(StationParameters().MainRevenueID(), QStringLiteral("CL"));
    EXPECT_TRUE(StationParameters().EnableCathLabRegistration());
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(HospitalInfoTest, EmptyTablesResetOnlyTheResetVariables)
{
    Session.HospName = QStringLiteral("OLD NAME");
    Session.HospAddress = QStringLiteral("OLD ADDRESS");
    Session.HospPhone = QStringLiteral("OLD PHONE");
    Session.HospClientName = QStringLiteral("QOLTA");
    Session.DcomServerName = QStringLiteral("OLDSERVER");
    Session.HospitalInfo.PSIOxygenComputationType = 2;
    for (const FlagCase& f : allFlags()) *f.flag = true;
    emptyTables();

    LoadHospitalInfo();
    for (const FlagCase& f : allFlags()) EXPECT_EQ(*f.flag, !f.reset) << f.name;
    EXPECT_EQ(Session.HospitalInfo.PSIOxygenComputationType, 0);
    EXPECT_EQ(Session.HospName, QStringLiteral("OLD NAME"));
    EXPECT_EQ(Session.HospAddress, QStringLiteral("OLD ADDRESS"));
    EXPECT_EQ(Session.HospPhone, QStringLiteral("OLD PHONE"));
    EXPECT_EQ(Session.HospClientName, QStringLiteral("QOLTA"));
    EXPECT_EQ(Session.DcomServerName, QStringLiteral("OLDSERVER"));
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(HospitalInfoTest, AtStartUpEmptyTablesLeaveEverythingEmptyAndFalse)
{
    emptyTables();
    LoadHospitalInfo();
    EXPECT_TRUE(Session.HospName.isEmpty());
    EXPECT_TRUE(Session.HospAddress.isEmpty());
    for (const FlagCase& f : allFlags()) EXPECT_FALSE(*f.flag) << f.name;
}

TEST_F(HospitalInfoTest, ANullColumnKeepsTheResetOrThePreviousValue)
{
    LoadHospitalInfo();
    ASSERT_TRUE(Session.HospitalInfo.IsShowAmount);
    ASSERT_TRUE(Session.HospitalInfo.IsPrintChargeSlip);
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..TBHOSPITALINFO SET IsShowAmount = NULL, IsPrintChargeSlip = NULL, "
                                  "clientname = NULL, Company = NULL, PSIOxygenComputationType = NULL, HighAlert = 0"));
    conn().execute(QStringLiteral("UPDATE STATION..tbNursing_Settings SET ShowPrecautions = NULL, PrintPHCSRequest = 1"));

    LoadHospitalInfo();
    EXPECT_FALSE(Session.HospitalInfo.IsShowAmount);     // reset, then nothing read
    EXPECT_TRUE(Session.HospitalInfo.IsPrintChargeSlip); // not reset: the earlier value stays
    EXPECT_EQ(Session.HospClientName, QStringLiteral("SBMC"));
    EXPECT_EQ(Session.HospName, QStringLiteral("ST. BRIGID MEDICAL CENTER"));
    EXPECT_EQ(Session.HospitalInfo.PSIOxygenComputationType, 0);
    EXPECT_FALSE(Session.HospitalInfo.HighAlert);
    // the columns after a null one are still read
    EXPECT_EQ(Session.HospAddress, QStringLiteral("1450 Rizal Avenue, San Isidro City"));
    EXPECT_TRUE(Session.HospitalInfo.IsAllowSupervisorCodeForCancellationOfCharges);
    EXPECT_FALSE(Session.NursingSettings.ShowPrecautions);
    EXPECT_TRUE(Session.NursingSettings.PrintPHCSRequest);
}

TEST_F(HospitalInfoTest, AWholeNumberBeyondItsRangeStaysAtItsReset)
{
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..TBHOSPITALINFO SET PSIOxygenComputationType = 40000"));
    Session.HospitalInfo.PSIOxygenComputationType = 3;
    LoadHospitalInfo();
    EXPECT_EQ(Session.HospitalInfo.PSIOxygenComputationType, 0);
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..TBHOSPITALINFO SET PSIOxygenComputationType = 2"));
    LoadHospitalInfo();
    EXPECT_EQ(Session.HospitalInfo.PSIOxygenComputationType, 2);
}

TEST_F(HospitalInfoTest, TheFirstRowIsTheOneRead)
{
    conn().execute(QStringLiteral("INSERT INTO STATION..tbNursing_Settings (ShowPrecautions, ValidateUnusedMedClearance, "
                                  "NoRequestingAfterFinalNotice, PrintPHCSRequest) VALUES (0, 1, 1, 1)"));
    LoadHospitalInfo();
    EXPECT_TRUE(Session.NursingSettings.ShowPrecautions);
    EXPECT_FALSE(Session.NursingSettings.ValidateUnusedMedClearance);
}

TEST_F(HospitalInfoTest, CustomNameAndAddressReplaceTheHospitalsUnlessBlank)
{
    struct Case { QVariant custom; QString name; };
    const Case cases[] = {
        {QStringLiteral("ST. BRIGID HEART INSTITUTE"), QStringLiteral("ST. BRIGID HEART INSTITUTE")},
        {QStringLiteral(" HEART INSTITUTE"), QStringLiteral(" HEART INSTITUTE")}, // untrimmed
        {QStringLiteral("   "), QStringLiteral("ST. BRIGID MEDICAL CENTER")},
        {QString(), QStringLiteral("ST. BRIGID MEDICAL CENTER")},
        {QVariant(QMetaType(QMetaType::QString)), QStringLiteral("ST. BRIGID MEDICAL CENTER")},
    };
    for (const Case& c : cases) {
        setCustom(QStringLiteral("CLCustomHospitalName"), c.custom);
        setCustom(QStringLiteral("CLCustomHospitalAddress"), c.custom);
        LoadHospitalInfo();
        EXPECT_EQ(Session.HospName, c.name) << c.custom.toString().toStdString();
        EXPECT_EQ(Session.HospAddress, c.name == QLatin1String("ST. BRIGID MEDICAL CENTER")
                                   ? QStringLiteral("1450 Rizal Avenue, San Isidro City") : c.name);
    }
}

TEST_F(HospitalInfoTest, ACustomNameStandsInForAnEmptyHospitalTable)
{
    emptyTables();
    setCustom(QStringLiteral("CLCustomHospitalName"), QStringLiteral("CATH LAB ANNEX"));
    LoadHospitalInfo();
    EXPECT_EQ(Session.HospName, QStringLiteral("CATH LAB ANNEX"));
    EXPECT_TRUE(Session.HospAddress.isEmpty());
}

TEST_F(HospitalInfoTest, WithoutAConnectionNothingIsShownAndTheResetsStillHappen)
{
    LoadHospitalInfo();
    clsCurrentuser* user = Session.CurrentUser;
    Session.CurrentUser = nullptr;
    LoadHospitalInfo();
    Session.CurrentUser = user;
    EXPECT_FALSE(Session.HospitalInfo.IsShowAmount);
    EXPECT_TRUE(Session.HospitalInfo.IsPrintChargeSlip);
    EXPECT_EQ(Session.HospName, QStringLiteral("ST. BRIGID MEDICAL CENTER"));
    // the parameters were reset by the failed reload
    EXPECT_EQ(StationParameters().MainRevenueID(), QStringLiteral("CL"));
    EXPECT_FALSE(StationParameters().EnableCathLabRegistration());
    EXPECT_TRUE(UiScript::shown().isEmpty());
}
