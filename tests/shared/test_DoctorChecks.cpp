#include "SharedTestSupport.h"

#include "shared/clsParameters.h"
#include "shared/doctors/DoctorChecks.h"
#include "shared/doctors/DoctorFees.h"
#include "platform/db/DbError.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"

class DoctorChecksTest : public SharedTest {
protected:
    int errorLogRows(const char* source)
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseErrLog WHERE ModuleName = 'Nerovia' AND UserID = ? "
                                    "AND ErrSource = ? AND ErrMessage <> ''"),
                     {DialogAnswers.ValidatedUserID, QString::fromLatin1(source)});
    }
};

TEST_F(DoctorChecksTest, RateOfTheDoctorForTheClass)
{
    struct Case { const char *doctor, *rateClass; double rate; };
    const Case cases[] = {{"D001", "A", 12000}, {" D001 ", " B ", 11040}, {"D004", "H", 8000 * (1 - 0.08 * 7)},
                          {"D005", "A", 0}, {"D001", "Z", 0}, {"NOPE", "A", 0}, {"D'01", "A", 0}};
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(DoctorRateForClass(conn(), QString::fromLatin1(c.doctor), QString::fromLatin1(c.rateClass)), c.rate) << c.doctor;
    TableOutOfReach away(conn(), QStringLiteral("BUILD_FILE..tbCoDoctorRate"));
    EXPECT_THROW(DoctorRateForClass(conn(), QStringLiteral("D001"), QStringLiteral("A")), DbError); // the window shows the notice
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(DoctorChecksTest, DoctorBillOnlyForActiveRowsWithAnAmount)
{
    struct Case { const char* doctor; bool bill; };
    const Case cases[] = {{"D003", true}, {" D003 ", true}, {"D005", false}, {"D001", false}, {"NOPE", false}};
    for (const Case& c : cases) EXPECT_EQ(DoctorHasFeeItems(conn(), QString::fromLatin1(c.doctor)), c.bill) << c.doctor;
    TableOutOfReach away(conn(), QStringLiteral("BUILD_FILE..tbCoDoctorBill"));
    EXPECT_THROW(DoctorHasFeeItems(conn(), QStringLiteral("D003")), DbError);
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(DoctorChecksTest, S2LicenceUsesTheCodeAsPassed)
{
    exec(QStringLiteral("UPDATE BUILD_FILE..tbCoDoctor SET S2Number = NULL WHERE DoctorID = 'D005'"));
    struct Case { const char* doctor; bool licensed; };
    const Case cases[] = {{"D001", true}, {"D007", true}, {"D003", false}, {"D005", false}, {" D001", false}, {"NOPE", false}};
    for (const Case& c : cases) EXPECT_EQ(DoctorHasS2License(conn(), QString::fromLatin1(c.doctor)), c.licensed) << c.doctor;
    EXPECT_EQ(errorNotices(), 0);
}

TEST_F(DoctorChecksTest, FailedLicenceCheckIsLoggedShownAndRefuses)
{
    DialogAnswers.ValidatedUserID = QStringLiteral("CL002");
    TableOutOfReach away(conn(), QStringLiteral("BUILD_FILE..tbCoDoctor"));
    EXPECT_FALSE(DoctorHasS2License(conn(), QStringLiteral("D001")));
    EXPECT_EQ(errorNotices(), 1);
    EXPECT_EQ(errorLogRows("CheckS2License (fn)"), 1);
}

TEST_F(DoctorChecksTest, RegulatedDrugByTheStationsClass)
{
    EXPECT_EQ(StationParameters().RegulatedDrugsClassID(), QStringLiteral("DD"));
    struct Case { const char* item; bool regulated; };
    const Case cases[] = {{"MED0101", true}, {"MED0103", true}, {"MED0201", false}, {"MED0401", false}, {"NOPE", false},
                          {" MED0101", false}};
    for (const Case& c : cases) EXPECT_EQ(IsRegulatedDrug(conn(), QString::fromLatin1(c.item)), c.regulated) << c.item;

    // Without the parameter no item is regulated, an unclassified one included.
    exec(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = 'RegulatedDrugsClassID'"));
    StationParameters().LoadParameters();
    EXPECT_FALSE(IsRegulatedDrug(conn(), QStringLiteral("MED0101")));
    EXPECT_FALSE(IsRegulatedDrug(conn(), QStringLiteral("MED0401")));
    EXPECT_EQ(errorNotices(), 0);
}

TEST_F(DoctorChecksTest, FailedRegulatedDrugCheckKeepsTheLicenceCheck)
{
    DialogAnswers.ValidatedUserID = QStringLiteral("CL003");
    {
        TableOutOfReach away(conn(), QStringLiteral("INVENTORY..TBINVMASTER"));
        EXPECT_TRUE(IsRegulatedDrug(conn(), QStringLiteral("MED0201")));
        EXPECT_EQ(errorNotices(), 1);
        EXPECT_EQ(errorLogRows("CheckRegulatedDrug (fn)"), 1);
    }
    // When the log cannot be written either, the user is still told and the answer still refuses.
    TableOutOfReach logAway(conn(), QStringLiteral("STATION..tbNurseErrLog"));
    TableOutOfReach away(conn(), QStringLiteral("INVENTORY..TBINVMASTER"));
    EXPECT_TRUE(IsRegulatedDrug(conn(), QStringLiteral("MED0201")));
    EXPECT_EQ(errorNotices(), 2);
}
