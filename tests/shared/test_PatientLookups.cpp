#include "SharedTestSupport.h"

#include "platform/db/DbError.h"
#include "platform/ui/MessageBox.h"
#include "shared/lookups/PatientLookups.h"
#include "shared/lookups/PatientPackageInfo.h"
#include "shared/modGlobals.h"

class PatientLookupsTest : public SharedTest {
protected:
    void SetUp() override
    {
        SharedTest::SetUp();
        addPerson(QStringLiteral("T100"));
        addPerson(QStringLiteral("T200"));
        addInPatient(QStringLiteral("TI1"), QStringLiteral("T100"), QDateTime(QDate(2026, 11, 20), QTime(9, 0)), {},
                     QStringLiteral("203"));
        addOutPatient(QStringLiteral("TO1B"), QStringLiteral("T100"), QDateTime(QDate(2026, 11, 25), QTime(10, 0)),
                      QStringLiteral("S"));
    }
    void setSpecial(const QString& idNum, const QVariant& special)
    {
        exec(QStringLiteral("DELETE FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?"), {idNum});
        exec(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient2 (IDNum, IsSpecial) VALUES (?, ?)"), {idNum, special});
    }
};

TEST_F(PatientLookupsTest, RoomClassAndOutPatientRateType)
{
    EXPECT_EQ(GetRoomClassification(conn(), QStringLiteral("203")), QStringLiteral("B"));
    EXPECT_EQ(GetRoomClassification(conn(), QStringLiteral(" 215 ")), QStringLiteral("H"));
    EXPECT_EQ(GetRoomClassification(conn(), QStringLiteral("999")), QString());
    EXPECT_EQ(GetOPDRateType(conn(), QStringLiteral(" TO1B ")), QStringLiteral("F"));
    addOutPatient(QStringLiteral("TO2B"), QStringLiteral("T100"), QDateTime(QDate(2026, 11, 26), QTime(8, 0)), QString());
    EXPECT_EQ(GetOPDRateType(conn(), QStringLiteral("TO2B")), QString());
    // A null read straight into a text is an error that reaches the caller.
    exec(QStringLiteral("INSERT INTO BUILD_FILE..tbCoRoom (RoomID, StationID, RoomClass) VALUES ('299', '2F', NULL)"));
    EXPECT_THROW(GetRoomClassification(conn(), QStringLiteral("299")), DbError);
    addOutPatient(QStringLiteral("TO3B"), QStringLiteral("T100"), QDateTime(QDate(2026, 11, 26), QTime(8, 0)), QStringLiteral("X"));
    EXPECT_THROW(GetOPDRateType(conn(), QStringLiteral("TO3B")), DbError);
}

TEST_F(PatientLookupsTest, RateClass)
{
    struct Case { const char* special; const char* idNum; const char* type; const char* room; const char* rate; };
    const Case cases[] = {
        {nullptr, "NONE", "I", "203", "A"},  // no row: "A"
        {"0", "TO1B", "O", "203", "A"},      // out-patient: "A" without the room
        {"0", "TI1", "I", "203", "B"},       // in-patient: the room's class
        {"0", "TI1", "I", "999", ""},        // a room without a class row
        {"1", "TI1", "I", "203", "F"},
        {"9", "TI1", "I", "203", "F"},
        {"2", "TI1", "I", "215", "H"},
        {"", "TI1", "I", "215", "H"},        // null: the room's class
        {"0", "TO1B", " O", "215", "H"},     // " O" is not "O", though the statement sends "O"
        {nullptr, "TO2B", "O", "", "A"},     // a visit just registered, without further data: no special rate
    };
    addOutPatient(QStringLiteral("TO2B"), QStringLiteral("T200"), QDateTime(QDate(2026, 11, 26), QTime(8, 0)), QString());
    for (const Case& c : cases) {
        const QString id = QString::fromLatin1(c.idNum);
        if (c.special) setSpecial(id, *c.special ? QVariant(QString::fromLatin1(c.special)) : nullText());
        EXPECT_EQ(GetRateClass(conn(), id, QString::fromLatin1(c.type), QString::fromLatin1(c.room)), QString::fromLatin1(c.rate))
            << c.idNum << " special " << (c.special ? c.special : "-") << " type '" << c.type << "'";
    }
    EXPECT_EQ(errorNotices(), 0);
    setSpecial(QStringLiteral("TI1"), QStringLiteral("X")); // no number: the look-up fails
    EXPECT_THROW(GetRateClass(conn(), QStringLiteral("TI1"), QStringLiteral("I"), QStringLiteral("215")), DbError);
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(PatientLookupsTest, PackageRateIsTextWithASignPosition)
{
    exec(QStringLiteral("INSERT INTO INVENTORY..tbInvPackage (PackageID, Description, RateA, RateB) VALUES ('TPK', 'TEST', 1500.5, -20)"));
    struct Case { const char *package, *rateClass, *out; };
    const Case cases[] = {{"PKG-CAG", "A", " 85000"}, {" PKG-CAG ", " b ", ""}, {" PKG-CAG ", " B ", " 80000"},
                          {"PKG-CAG", "F", ""}, {"PKG-CAG", "", ""}, {"NOPE", "A", ""}, {"TPK", "A", " 1500.5"},
                          {"TPK", "B", "-20"}};
    for (const Case& c : cases)
        EXPECT_EQ(GetPackageRate(conn(), QString::fromLatin1(c.package), QString::fromLatin1(c.rateClass)), QString::fromLatin1(c.out))
            << c.package << " " << c.rateClass;
    EXPECT_THROW(GetPackageRate(conn(), QStringLiteral("PKG-PPM"), QStringLiteral("E")), DbError); // a null price
}

TEST_F(PatientLookupsTest, HospitalNumberCaseNumberAndPrecautions)
{
    exec(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatientHistory (IDNum, Precautions) VALUES ('TI1', 'IODINE ALLERGY')"));
    exec(QStringLiteral("INSERT INTO PATIENT_DATA..tbOutPatientHistory (IDNum, Precautions) VALUES ('TO1B', 'LATEX'), ('TI1B', NULL)"));
    EXPECT_EQ(GetHospNum(conn(), QStringLiteral("TI1")), QStringLiteral("T100"));
    EXPECT_EQ(GetHospNum(conn(), QStringLiteral("TO1B")), QStringLiteral("T100"));
    EXPECT_EQ(GetHospNum(conn(), QStringLiteral("NOPE")), QString());
    EXPECT_EQ(GetHospNum(conn(), QStringLiteral("X' OR '1'='1")), QString());
    EXPECT_EQ(GetPrecautions(conn(), QStringLiteral(" TI1 ")), QStringLiteral("IODINE ALLERGY"));
    EXPECT_EQ(GetPrecautions(conn(), QStringLiteral("TO1B")), QStringLiteral("LATEX"));
    EXPECT_EQ(GetPrecautions(conn(), QStringLiteral("TO1B ")), QStringLiteral("LATEX")); // a padded visit is still a visit
    EXPECT_EQ(GetPrecautions(conn(), QStringLiteral("TI1B")), QString());  // null precautions
    EXPECT_EQ(GetCathLabNum(conn(), QStringLiteral("TI1")), QStringLiteral(" A U T O "));
    exec(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLPatient (CathLabNum, IDNum, HospNum, RecordStatus) VALUES "
                        "('CL-T-1', 'TI1', 'T100', 'R'), ('CL-T-2', 'TO1B', 'T100', 'X')"));
    EXPECT_EQ(GetCathLabNum(conn(), QStringLiteral("TI1")), QStringLiteral(" A U T O "));
    EXPECT_EQ(GetCathLabNum(conn(), QStringLiteral("TO1B")), QStringLiteral("CL-T-2"));
    EXPECT_EQ(errorNotices(), 0);
}

TEST_F(PatientLookupsTest, FailedLookUpsReachTheCallerWithoutAMessageBox)
{
    {
        TableOutOfReach away(conn(), QStringLiteral("CLINICAL_AREA..tbCLPatient"));
        EXPECT_THROW(GetCathLabNum(conn(), QStringLiteral("TI1")), DbError);
    }
    {
        TableOutOfReach away(conn(), QStringLiteral("PATIENT_DATA..tbPatientHistory"));
        EXPECT_THROW(GetPrecautions(conn(), QStringLiteral("TI1")), DbError);
    }
    {
        TableOutOfReach away(conn(), QStringLiteral("PATIENT_DATA..TBOUTPATIENT"));
        EXPECT_THROW(GetHospNum(conn(), QStringLiteral("TO1B")), DbError);
    }
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(PatientLookupsTest, PackageAndAccountFlags)
{
    exec(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient2 (IDNum, PackageID, OkeyCL, PatientsMed) VALUES "
                        "('TI1', 'PKG-PCI', 0, 1), ('TI2', NULL, NULL, NULL), ('TI3', 'NOPKG', 1, 0)"));
    exec(QStringLiteral("UPDATE PATIENT_DATA..TBOUTPATIENT SET PackageID = 'PKG-CAG' WHERE IDNum = 'TO1B'"));
    EXPECT_EQ(GetPatientPackage(conn(), QStringLiteral(" TI1 "), QStringLiteral(" I ")), QStringLiteral("PTCA WITH ONE STENT PACKAGE"));
    EXPECT_EQ(GetPatientPackage(conn(), QStringLiteral("TI3"), QStringLiteral("I")), QString());
    EXPECT_EQ(GetPatientPackage(conn(), QStringLiteral("NOPE"), QStringLiteral("I")), QString());
    EXPECT_EQ(GetPatientPackage(conn(), QStringLiteral("TO1B"), QStringLiteral("O")), QStringLiteral("CORONARY ANGIOGRAM PACKAGE"));

    struct Case { const char* idNum; bool okeyCL, ownMeds; };
    const Case cases[] = {{"TI1", true, true}, {"TI2", true, false}, {"TI3", false, false}, {"NOPE", false, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(GetOkeyCL(conn(), QString::fromLatin1(c.idNum)), c.okeyCL) << c.idNum;
        EXPECT_EQ(GetPatientsMedFlag(conn(), QString::fromLatin1(c.idNum)), c.ownMeds) << c.idNum;
    }
}

TEST_F(PatientLookupsTest, SeniorCitizenByAgeOnAdmission)
{
    addPerson(QStringLiteral("T300"), QDate(1966, 11, 20));
    addPerson(QStringLiteral("T400"), QDate(1966, 11, 21));
    addInPatient(QStringLiteral("TI3"), QStringLiteral("T300"));
    addInPatient(QStringLiteral("TI4"), QStringLiteral("T400"));
    EXPECT_TRUE(IsSeniorCitizen(conn(), QStringLiteral("TI3")));  // 60 on the day of admission
    EXPECT_FALSE(IsSeniorCitizen(conn(), QStringLiteral("TI4")));
    EXPECT_FALSE(IsSeniorCitizen(conn(), QStringLiteral("TI1")));
    EXPECT_FALSE(IsSeniorCitizen(conn(), QStringLiteral("NOPE")));
}

TEST_F(PatientLookupsTest, ConfinedPatient)
{
    EXPECT_TRUE(IsCurrentlyConfined(conn(), QStringLiteral("T100")));
    addInPatient(QStringLiteral("TI9"), QStringLiteral("T200"), QDateTime(QDate(2026, 10, 1), QTime(8, 0)),
                 QDateTime(QDate(2026, 10, 4), QTime(8, 0)));
    EXPECT_FALSE(IsCurrentlyConfined(conn(), QStringLiteral("T200")));
    TableOutOfReach away(conn(), QStringLiteral("PATIENT_DATA..tbPatient"));
    EXPECT_THROW(IsCurrentlyConfined(conn(), QStringLiteral("T200")), DbError); // the window tells and refuses
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(PatientLookupsTest, OpenDepartmentCase)
{
    const QVariant dcr = QDateTime(QDate(2026, 11, 22), QTime(15, 0));
    addInPatient(QStringLiteral("TD1"), QStringLiteral("T200"), QDateTime(QDate(2026, 11, 18), QTime(9, 0)), dcr);
    addInPatient(QStringLiteral("TI2"), QStringLiteral("T200"), QDateTime(QDate(2026, 11, 26), QTime(9, 0)));
    auto addCase = [&](const char* no, const char* idNum, const char* status, const QVariant& closed) {
        const QString id = QString::fromLatin1(idNum);
        exec(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLPatient (CathLabNum, IDNum, HospNum, DateDischarged, RecordStatus) "
                            "VALUES (?, ?, ?, ?, ?)"),
             {QString::fromLatin1(no), id, GetHospNum(conn(), id), closed.isValid() ? closed : nullDate(), QString::fromLatin1(status)});
    };
    EXPECT_FALSE(HasOpenCathCase(conn(), QStringLiteral("T200")));      // no case
    addCase("CL-T-1", "TD1", "X", {});
    EXPECT_FALSE(HasOpenCathCase(conn(), QStringLiteral("T200")));      // open case of a discharged stay
    addCase("CL-T-2", "TI2", "R", {});
    EXPECT_FALSE(HasOpenCathCase(conn(), QStringLiteral("T200")));      // revoked
    addCase("CL-T-3", "TI2", "X", QDateTime(QDate(2026, 11, 27), QTime(8, 0)));
    EXPECT_FALSE(HasOpenCathCase(conn(), QStringLiteral("T200")));      // closed case
    addCase("CL-T-4", "TI2", "X", {});
    EXPECT_TRUE(HasOpenCathCase(conn(), QStringLiteral("T200")));       // a later open case of the current stay counts too
    addCase("CL-T-5", "TO1B", "X", {});
    EXPECT_TRUE(HasOpenCathCase(conn(), QStringLiteral("T100")));       // out-patient visit not discharged
    EXPECT_EQ(errorNotices(), 0);
    TableOutOfReach away(conn(), QStringLiteral("CLINICAL_AREA..tbCLPatient"));
    EXPECT_THROW(HasOpenCathCase(conn(), QStringLiteral("T300")), DbError);
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(PatientLookupsTest, DischargedByTheLastCharacterOfTheNumberAsPassed)
{
    const QVariant dcr = QDateTime(QDate(2026, 11, 26), QTime(15, 0));
    exec(QStringLiteral("UPDATE PATIENT_DATA..TBOUTPATIENT SET DcrDate = ? WHERE IDNum = 'TO1B'"), {dcr});
    EXPECT_TRUE(IsDischarged(conn(), QStringLiteral("TO1B")));
    EXPECT_FALSE(IsDischarged(conn(), QStringLiteral("TO1B "))); // the blank sends it to the in-patient table
    EXPECT_FALSE(IsDischarged(conn(), QStringLiteral("TI1")));
    exec(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET DcrDate = ? WHERE IDNum = 'TI1'"), {dcr});
    EXPECT_TRUE(IsDischarged(conn(), QStringLiteral("TI1")));
    TableOutOfReach away(conn(), QStringLiteral("PATIENT_DATA..tbPatient"));
    EXPECT_THROW(IsDischarged(conn(), QStringLiteral("TI1")), DbError);
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

class PackageInfoTest : public SharedTest {
protected:
    void SetUp() override
    {
        SharedTest::SetUp();
        addPerson(QStringLiteral("T100"), QDate(1950, 1, 2));
        addPerson(QStringLiteral("T200"), QDate(1990, 1, 2));
        addInPatient(QStringLiteral("TI1"), QStringLiteral("T100"));
        addInPatient(QStringLiteral("TI2"), QStringLiteral("T200"));
        exec(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient2 (IDNum, PackageID, transplantID, dialysisID, VIP) VALUES "
                            "('TI1', 'EX02', NULL, '2', 1), ('TI2', 'PKG-CAG', '1', '7', 0)"));
    }
    FakeWorkspace ws;
};

TEST_F(PackageInfoTest, ExecutivePackageVipAndSeniorCitizen)
{
    ws.window.setWindowTitle(QStringLiteral("Clinical Procedure"));
    ws.txtID->setText(QStringLiteral("TI1"));
    const PatientOtherInfo info = LoadPatientPackageInfo(conn());
    EXPECT_EQ(ws.window.windowTitle(), QStringLiteral("Executive Package Type : EXECUTIVE CARDIAC CHECK-UP")
                                           + QString(10, QLatin1Char(' ')) + QStringLiteral("( Patient is Tag As VIP PATIENT )")
                                           + QStringLiteral(" ( Patient is Senior Citizen )"));
    EXPECT_TRUE(info.found);
    EXPECT_EQ(info.transplantID, QStringLiteral("0"));
    EXPECT_EQ(info.dialysisID, QStringLiteral("2"));
}

TEST_F(PackageInfoTest, CaptionIsBuiltAfreshForTheAdmissionOnEveryCall)
{
    // whatever an earlier patient left in the caption goes
    ws.window.setWindowTitle(QStringLiteral("Package Type : PTCA WITH ONE STENT PACKAGE ( Patient is Senior Citizen )"));
    ws.txtID->setText(QStringLiteral("TI2"));
    const PatientOtherInfo info = LoadPatientPackageInfo(conn());
    const QString once = QStringLiteral("Package Type : CORONARY ANGIOGRAM PACKAGEExecutive Package Type : CORONARY ANGIOGRAM PACKAGE");
    EXPECT_EQ(ws.window.windowTitle(), once);
    EXPECT_EQ(info.transplantID, QStringLiteral("1"));
    EXPECT_EQ(info.dialysisID, QStringLiteral("7")); // as filed: the form has no words for it
    LoadPatientPackageInfo(conn());
    EXPECT_EQ(ws.window.windowTitle(), once); // a second call repeats nothing

    ws.txtID->setText(QStringLiteral("TI1")); // executive, VIP and senior: none of TI2's texts
    LoadPatientPackageInfo(conn());
    LoadPatientPackageInfo(conn());
    EXPECT_EQ(ws.window.windowTitle(), QStringLiteral("Executive Package Type : EXECUTIVE CARDIAC CHECK-UP")
                                           + QString(10, QLatin1Char(' ')) + QStringLiteral("( Patient is Tag As VIP PATIENT )")
                                           + QStringLiteral(" ( Patient is Senior Citizen )"));
}

TEST_F(PackageInfoTest, NoRowLeavesTheTagsAndAPlainCaptionAndTagsAreStored)
{
    ws.window.setWindowTitle(QStringLiteral("Package Type : CORONARY ANGIOGRAM PACKAGE"));
    ws.txtID->setText(QStringLiteral("NOPE"));
    const PatientOtherInfo info = LoadPatientPackageInfo(conn());
    EXPECT_EQ(ws.window.windowTitle(), QStringLiteral("Clinical Procedure"));
    EXPECT_FALSE(info.found);
    EXPECT_TRUE(info.transplantID.isEmpty());

    ws.txtID->setText(QStringLiteral("TI2"));
    UpdatePatientOtherInfo(conn(), QStringLiteral("0"), QStringLiteral("1"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbPatient2 WHERE IDNum = 'TI2' AND transplantID = '0' "
                                   "AND dialysisID = '1'")),
              1);
}
