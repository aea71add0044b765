#include "SharedTestSupport.h"

#include "platform/db/DbError.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/lookups/AccountChecks.h"
#include "shared/modGlobals.h"
#include "support/TableOutOfReach.h"

class AccountChecksTest : public SharedTest {
protected:
    void SetUp() override
    {
        SharedTest::SetUp();
        addPerson(QStringLiteral("T100"));
        addInPatient(QStringLiteral("TI1"), QStringLiteral("T100"), QDateTime(QDate(2026, 11, 20), QTime(9, 0)));
        addOutPatient(QStringLiteral("TO1B"), QStringLiteral("T100"), QDateTime(QDate(2026, 11, 25), QTime(10, 0)));
    }
    void setParameter(const QString& field, const QString& value)
    {
        exec(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = ?"), {field});
        exec(QStringLiteral("INSERT INTO STATION..tbNurseSetup (Field, value, status) VALUES (?, ?, '1')"), {field, value});
        StationParameters().LoadParameters();
    }
};

TEST_F(AccountChecksTest, ClosedAccountIsSeenWhenBillingClosesItAndWarnedOnce)
{
    EXPECT_FALSE(IsAccountClosed(conn(), QStringLiteral("TI1"), QStringLiteral("I")));
    EXPECT_TRUE(UiScript::shown().isEmpty());

    // Billing closes the account after the patient was chosen.
    exec(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET BillingDate = ? WHERE IDNum = 'TI1'"),
         {QDateTime(QDate(2026, 11, 28), QTime(16, 0))});
    EXPECT_TRUE(IsAccountClosed(conn(), QStringLiteral("TI1"), QStringLiteral("I")));
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(UiScript::shown()[0].text,
              QStringLiteral("The patient's account has already been closed. \r\n\r\nIf you have transactions to make, please "
                             "notify the Billing staff immediately for further instructions."));
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Notification"));
    EXPECT_EQ(UiScript::shown()[0].style, vbExclamation | vbOKOnly);

    // The check alone warns nobody.
    UiScript::reset();
    EXPECT_TRUE(AccountClosed(conn(), QStringLiteral(" TI1 "), QStringLiteral("I")));
    EXPECT_TRUE(UiScript::shown().isEmpty());

    // An out-patient is judged by the visit alone.
    EXPECT_FALSE(IsAccountClosed(conn(), QStringLiteral("TO1B"), QStringLiteral("O")));
    exec(QStringLiteral("UPDATE PATIENT_DATA..TBOUTPATIENT SET BillingDate = ? WHERE IDNum = 'TO1B'"),
         {QDateTime(QDate(2026, 11, 26), QTime(16, 0))});
    EXPECT_TRUE(IsAccountClosed(conn(), QStringLiteral("TO1B"), QStringLiteral("O")));
    TableOutOfReach gone(conn(), QStringLiteral("PATIENT_DATA..TBOUTPATIENT"));
    EXPECT_THROW(AccountClosed(conn(), QStringLiteral("TO1B"), QStringLiteral("O")), DbError);
}

// The type given decides which record is read, whatever the lists select meanwhile.
TEST_F(AccountChecksTest, TheAccountOfAnAdmissionNumberAndType)
{
    Selection.SelectedPatientType = QStringLiteral("O"); // the lists point elsewhere
    struct Case { const char* idNum; const char* type; const char* stay; QVariant billed; bool closed; };
    const QDateTime late(QDate(2026, 11, 28), QTime(16, 0));
    const Case cases[] = {
        {"TI1", "I", "PATIENT_DATA..tbPatient", QVariant(), false},
        {"TI1", "I", "PATIENT_DATA..tbPatient", QDateTime(QDate(1900, 1, 1), QTime(0, 0)), false}, // the hospital's "no date"
        {"TI1", "I", "PATIENT_DATA..tbPatient", late, true},
        {"TO1B", "O", "PATIENT_DATA..TBOUTPATIENT", late, true},
        // a type other than "I" reads the visit, whatever the number looks like
        {"TI1", "O", "PATIENT_DATA..tbPatient", late, false},
        {"TO1B", "I", "PATIENT_DATA..TBOUTPATIENT", late, false},
        {"NOSUCH", "I", "PATIENT_DATA..tbPatient", QVariant(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.idNum) + " " + c.type);
        UiScript::reset();
        exec(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET BillingDate = NULL"));
        exec(QStringLiteral("UPDATE PATIENT_DATA..TBOUTPATIENT SET BillingDate = NULL"));
        exec(QStringLiteral("UPDATE %1 SET BillingDate = ? WHERE IDNum = ?").arg(QString::fromLatin1(c.stay)),
             {c.billed, QString::fromLatin1(c.idNum)});
        EXPECT_EQ(IsAccountClosed(conn(), QString::fromLatin1(c.idNum), QString::fromLatin1(c.type)), c.closed);
        EXPECT_EQ(UiScript::shown().size(), c.closed ? 1 : 0);
    }
}

TEST_F(AccountChecksTest, AccountText)
{
    exec(QStringLiteral("INSERT INTO BUILD_FILE..TBCOCOMPANY (AccountNum, Company) VALUES ('TC1', 'ALPHA CARE'), ('TC2', 'BETA HMO')"));
    struct Case { const char *first, *second, *text; };
    const Case cases[] = {
        {"T100", nullptr, "PERSONAL"},
        {"TC1", nullptr, "ALPHA CARE"},
        {"TC1", "  ", "ALPHA CARE"},
        {"TC1", "TC2", "ALPHA CARE/BETA HMO"},
        {"T100", "TC2", "PERSONAL/BETA HMO"},
        {"TC1", "T100", "ALPHA CARE/PERSONAL"},
        {"T100", "T100", "PERSONAL/PERSONAL"},
        {"NOCOMPANY", "TC2", "/BETA HMO"},
        {nullptr, "NOCOMPANY", "/"},
    };
    for (const Case& c : cases) {
        exec(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET AccountNum = ?, AccountNumII = ? WHERE IDNum = 'TI1'"),
             {c.first ? QVariant(QString::fromLatin1(c.first)) : nullText(),
              c.second ? QVariant(QString::fromLatin1(c.second)) : nullText()});
        EXPECT_EQ(GetPatientAccount(conn(), QStringLiteral("TI1")), QString::fromLatin1(c.text)) << (c.first ? c.first : "-");
    }
    EXPECT_EQ(GetPatientAccount(conn(), QStringLiteral("TO1B")), QString()); // in-patient table only
    TableOutOfReach away(conn(), QStringLiteral("BUILD_FILE..TBCOCOMPANY"));
    EXPECT_EQ(GetPatientAccount(conn(), QStringLiteral("TI1")), QString());
    EXPECT_TRUE(UiScript::shown().isEmpty()); // errors are passed over
}

TEST_F(AccountChecksTest, ReceivableUpdateAndDepartmentClearanceLeaveErrorsToTheCaller)
{
    EXPECT_FALSE(NeedsReceivableUpdate(conn(), QStringLiteral("TI1")));
    exec(QStringLiteral("UPDATE PATIENT_DATA..tbPatient SET BillingDate = ? WHERE IDNum = 'TI1'"), {QDateTime(QDate(2026, 11, 28), QTime(8, 0))});
    EXPECT_TRUE(NeedsReceivableUpdate(conn(), QStringLiteral(" TI1 ")));
    EXPECT_FALSE(NeedsReceivableUpdate(conn(), QStringLiteral("NOPE")));

    exec(QStringLiteral("INSERT INTO STATION..tbNurseDeptClearance (IDNum, DepartmentID, ClearDate) VALUES ('TI1', 'CL', ?), ('TI1', 'PH', NULL)"),
         {QDateTime(QDate(2026, 11, 27), QTime(8, 0))});
    EXPECT_TRUE(IsDepartmentCleared(conn(), QStringLiteral(" TI1 "), QStringLiteral(" CL ")));
    EXPECT_FALSE(IsDepartmentCleared(conn(), QStringLiteral("TI1"), QStringLiteral("PH"))); // null clear date
    EXPECT_FALSE(IsDepartmentCleared(conn(), QStringLiteral("TI1"), QStringLiteral("LB"))); // no row
    {
        TableOutOfReach away(conn(), QStringLiteral("STATION..tbNurseDeptClearance"));
        EXPECT_THROW(IsDepartmentCleared(conn(), QStringLiteral("TI1"), QStringLiteral("CL")), DbError);
    }
    TableOutOfReach away(conn(), QStringLiteral("PATIENT_DATA..tbPatient"));
    EXPECT_THROW(NeedsReceivableUpdate(conn(), QStringLiteral("TI1")), DbError);
    EXPECT_EQ(errorNotices(), 0);
}

TEST_F(AccountChecksTest, DischargeNoticeByStatus)
{
    struct Case { const char* status; bool sent; };
    const Case cases[] = {{"F", true}, {"P", true}, {"S", false}, {"R", false}, {"Y", false}, {nullptr, false}};
    for (const Case& c : cases) {
        exec(QStringLiteral("DELETE FROM STATION..TBNURSEDISCHARGENOTICE WHERE IDNum = 'TI1'"));
        if (c.status)
            exec(QStringLiteral("INSERT INTO STATION..TBNURSEDISCHARGENOTICE (IDNum, RecordStatus) VALUES ('TI1', ?)"),
                 {QString::fromLatin1(c.status)});
        EXPECT_EQ(HasDischargeNotice(conn(), QStringLiteral(" TI1 ")), c.sent) << (c.status ? c.status : "none");
    }
    TableOutOfReach away(conn(), QStringLiteral("STATION..TBNURSEDISCHARGENOTICE"));
    EXPECT_THROW(HasDischargeNotice(conn(), QStringLiteral("TI1")), DbError); // the window refuses the request
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(AccountChecksTest, DepartmentChargesNetOfCredits)
{
    auto bill = [&](const char* drCr, double amount, const char* revenue = "CL") {
        exec(QStringLiteral("INSERT INTO BILLING..tbBillDailyBill (IDNum, RevenueID, DrCr, ItemID, Quantity, Amount) "
                            "VALUES ('TI1', ?, ?, 'CL001', 1, ?)"),
             {QString::fromLatin1(revenue), QString::fromLatin1(drCr), amount});
    };
    EXPECT_FALSE(HasCathLabCharges(conn(), QStringLiteral("T100"), QStringLiteral("TI1")));
    bill("D", 5000, "LB");
    EXPECT_FALSE(HasCathLabCharges(conn(), QStringLiteral("T100"), QStringLiteral("TI1")));
    bill("D", 45000);
    EXPECT_TRUE(HasCathLabCharges(conn(), QStringLiteral("T100"), QStringLiteral("TI1")));
    EXPECT_FALSE(HasCathLabCharges(conn(), QStringLiteral("T999"), QStringLiteral("TI1"))); // another patient's number
    bill("C", 45000);
    EXPECT_FALSE(HasCathLabCharges(conn(), QStringLiteral("T100"), QStringLiteral("TI1"))); // revoked: 0
    exec(QStringLiteral("INSERT INTO BILLING..tbBillOPDailyOut (HospNum, IDNum, RevenueID, DrCr, ItemID, Quantity, Amount) "
                        "VALUES ('T100', 'TO1B', 'CL', 'D', 'CL004', 1, 38000)"));
    EXPECT_TRUE(HasCathLabCharges(conn(), QStringLiteral("T100"), QStringLiteral("TO1B")));
    TableOutOfReach away(conn(), QStringLiteral("BILLING..tbBillDailyBill"));
    EXPECT_THROW(HasCathLabCharges(conn(), QStringLiteral("T100"), QStringLiteral("TI1")), DbError);
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(AccountChecksTest, OpenRequestToTheDepartment)
{
    struct Case { const char* revenue; QVariant status; bool open; };
    const Case cases[] = {{"CL", nullText(), true}, {"CL", QStringLiteral(""), true}, {"CL", QStringLiteral("X"), false},
                          {"CL", QStringLiteral("R"), false}, {"LB", nullText(), false}};
    for (const Case& c : cases) {
        exec(QStringLiteral("DELETE FROM STATION..TBNURSECOMMUNICATIONFILE WHERE IDNum = 'TI1'"));
        exec(QStringLiteral("INSERT INTO STATION..TBNURSECOMMUNICATIONFILE (RequestNum, IDNum, RevenueID, ItemID, RecordStatus) "
                            "VALUES ('TRQ1', 'TI1', ?, 'CL001', ?)"),
             {QString::fromLatin1(c.revenue), c.status});
        EXPECT_EQ(HasOpenCommunication(conn(), QStringLiteral("TI1")), c.open) << c.revenue << " " << c.status.toString().toStdString();
    }
    setParameter(QStringLiteral("CathLabMainRevenueID"), QStringLiteral("LB"));
    EXPECT_TRUE(HasOpenCommunication(conn(), QStringLiteral("TI1")));
    TableOutOfReach away(conn(), QStringLiteral("STATION..TBNURSECOMMUNICATIONFILE"));
    EXPECT_THROW(HasOpenCommunication(conn(), QStringLiteral("TI1")), DbError);
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(AccountChecksTest, ClaimFormRulesFromTheStartDayForPHICPatients)
{
    exec(QStringLiteral("INSERT INTO MEDICARE..tbPHICMembership (IDNum, PHICNumber, Status) VALUES ('TI1', '19-000000001-5', 'A'), "
                        "('TO1B', '19-000000002-5', 'A')"));
    addInPatient(QStringLiteral("TI2"), QStringLiteral("T100"), QDateTime(QDate(2026, 11, 20), QTime(9, 0)));
    struct Case { const char* start; const char* idNum; bool required; };
    const Case cases[] = {
        {"", "TI1", true},             // no start day: PHIC alone decides
        {"", "TI2", false},            // not a PHIC patient
        {"2026-11-21", "TI1", false},  // admitted before the start day
        {"2026-11-20", "TI1", true},   // admitted on the start day
        {"2026-01-01", "TI1", true},
        {"2026-11-25", "TO1B", true},  // out-patient table
        {"2026-11-26", "TO1B", false},
    };
    for (const Case& c : cases) {
        exec(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = 'CF4RequireStart'"));
        if (*c.start) setParameter(QStringLiteral("CF4RequireStart"), QString::fromLatin1(c.start));
        else StationParameters().LoadParameters();
        EXPECT_EQ(IsCF4Required(conn(), QString::fromLatin1(c.idNum)), c.required) << c.start << " " << c.idNum;
    }
    EXPECT_EQ(errorNotices(), 0);
    {
        TableOutOfReach away(conn(), QStringLiteral("PATIENT_DATA..TBOUTPATIENT"));
        EXPECT_THROW(IsCF4Required(conn(), QStringLiteral("TO1B")), DbError); // the window applies the rules
    }
    exec(QStringLiteral("DELETE FROM STATION..tbNurseSetup WHERE Field = 'CF4RequireStart'"));
    StationParameters().LoadParameters();
    TableOutOfReach away(conn(), QStringLiteral("MEDICARE..tbPHICMembership"));
    EXPECT_THROW(IsValidPHICPatient(conn(), QStringLiteral("TI2")), DbError);
    EXPECT_THROW(IsCF4Required(conn(), QStringLiteral("TI2")), DbError);
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(AccountChecksTest, InternationalPatientOnlyForAnExactY)
{
    exec(QStringLiteral("INSERT INTO BUILD_FILE..tbCoNationality (NationalityID, Nationality, isInternational) VALUES "
                        "('TLO', 'LOWER', 'y'), ('TNU', 'UNKNOWN', NULL)"));
    struct Case { const char* nationality; bool international; };
    const Case cases[] = {{"USA", true}, {"FIL", false}, {"TLO", false}, {"TNU", false}, {"NONE", false}, {nullptr, false}};
    for (const Case& c : cases) {
        exec(QStringLiteral("UPDATE PATIENT_DATA..tbMaster SET NationalityID = ? WHERE HospNum = 'T100'"),
             {c.nationality ? QVariant(QString::fromLatin1(c.nationality)) : nullText()});
        EXPECT_EQ(IsInternationalPatient(conn(), QStringLiteral("TI1")), c.international) << (c.nationality ? c.nationality : "-");
        EXPECT_EQ(IsInternationalPatient(conn(), QStringLiteral("TO1B")), c.international);
    }
    EXPECT_FALSE(IsInternationalPatient(conn(), QStringLiteral("NOPE")));
    TableOutOfReach away(conn(), QStringLiteral("BUILD_FILE..tbCoNationality"));
    EXPECT_THROW(IsInternationalPatient(conn(), QStringLiteral("TI1")), DbError);
    EXPECT_TRUE(UiScript::shown().isEmpty());
}
