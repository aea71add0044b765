// The list procedures: which stays a search finds, the columns the grid relies on, and the
// cash-basis flag and text.
#include "support/PatientsFixture.h"

#include "patients/PatientListData.h"
#include "platform/db/Connection.h"

#include <QRegularExpression>

namespace {
QStringList ids(const Recordset& rs)
{
    QStringList out;
    for (int r = 0; r < rs.recordCount(); ++r) out << DbValue::text(rs.valueAt(r, 1));
    return out;
}
}

class PatientListData_ : public PatientsTest {};

TEST_F(PatientListData_, StationListFindsByEachSearchText)
{
    struct Case {
        bool inPatients;
        const char *last, *hosp, *adm;
        QStringList expected;
    };
    const Case cases[] = {
        {true, "", "", "2026900004", {"2026900004"}},                   // admission number: discharged too
        {true, "", "900009", "", {"2026900009"}},                       // hospital number
        {true, "ABELL", "", "", {"2026900001"}},                        // beginning of the last name
        {true, "abellera", "", "", {}},                                 // names are kept in upper case
        {true, "", " 900001 ", "", {"2026900001"}},                     // blanks around a number
        {true, "ABELLERA", "900002", "", {"2026900002"}},               // the hospital number wins over the name
        {true, "", "", "900101B", {}},                                  // a visit is no in-patient stay
        {false, "", "", "900101B", {"900101B"}},
        {false, "FAJ", "", "", {"900101B"}},
        {false, "", "900009", "", {"900104B"}},
        {true, "AB%", "", "", {}},                                      // a typed wildcard is a plain character
    };
    for (const Case& c : cases) {
        const Recordset rs = PatientListData::StationPatients(conn(), c.inPatients, QString::fromLatin1(c.last),
                                                              QString::fromLatin1(c.hosp), QString::fromLatin1(c.adm));
        EXPECT_EQ(ids(rs), c.expected) << c.last << "|" << c.hosp << "|" << c.adm;
    }
}

TEST_F(PatientListData_, EmptySearchListsThePatientsStillInTheHospital)
{
    const Recordset rs = PatientListData::StationPatients(conn(), true, QString(), QString(), QString());
    const QStringList found = ids(rs);
    EXPECT_TRUE(found.contains(QStringLiteral("2026900001")));
    EXPECT_TRUE(found.contains(QStringLiteral("2026900002")));  // billed but not yet discharged
    EXPECT_FALSE(found.contains(QStringLiteral("2026900004"))); // discharged
    EXPECT_EQ(rs.recordCount(), count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbPatient WHERE DcrDate IS NULL")));
}

TEST_F(PatientListData_, ColumnsAreThoseOfTheGrid)
{
    const Recordset rs = PatientListData::StationPatients(conn(), true, QString(), QStringLiteral("900003"), QString());
    ASSERT_EQ(rs.recordCount(), 1);
    ASSERT_EQ(rs.fieldCount(), 8);
    EXPECT_EQ(DbValue::text(rs.valueAt(0, 0)), QStringLiteral("900003"));
    EXPECT_EQ(DbValue::text(rs.valueAt(0, 2)), QStringLiteral("CABRERA, DANILO "));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d (AM|PM)$"))
                    .match(DbValue::text(rs.valueAt(0, 3))).hasMatch())
        << DbValue::text(rs.valueAt(0, 3)).toStdString();
    EXPECT_EQ(DbValue::text(rs.valueAt(0, 4)), QString());
    EXPECT_EQ(DbValue::text(rs.valueAt(0, 5)), QString());
    EXPECT_EQ(DbValue::text(rs.valueAt(0, 6)), QStringLiteral("1"));
    EXPECT_EQ(DbValue::text(rs.valueAt(0, 7)), QStringLiteral("CASH BASIS: CATHLAB, PHARMACY,"));
}

TEST_F(PatientListData_, CashBasisFlagsOfStaysAndVisits)
{
    struct Case {
        bool inPatients;
        const char* idNum;
        const char* flag;
        const char* text;
    };
    const Case cases[] = {
        {true, "2026900001", "0", ""},
        {true, "2026900002", "1", "CASH BASIS: CATHLAB,"}, // the list colours it as billed
        {false, "900101B", "1", "OPD CASH REGISTRATION,"},
        {false, "900102B", "0", ""},
    };
    for (const Case& c : cases) {
        const Recordset rs = PatientListData::StationPatients(conn(), c.inPatients, QString(), QString(), QString::fromLatin1(c.idNum));
        ASSERT_EQ(rs.recordCount(), 1) << c.idNum;
        EXPECT_EQ(DbValue::text(rs.valueAt(0, 6)), QString::fromLatin1(c.flag)) << c.idNum;
        EXPECT_EQ(DbValue::text(rs.valueAt(0, 7)), QString::fromLatin1(c.text)) << c.idNum;
    }
}

TEST_F(PatientListData_, CaseListShowsActiveCasesAndFindsDischargedOnesButNeverRevoked)
{
    const QStringList active = ids(PatientListData::CathLabCases(conn(), QString(), QString(), QString()));
    EXPECT_TRUE(active.contains(QStringLiteral("2026900001")));
    EXPECT_TRUE(active.contains(QStringLiteral("900101B")));
    EXPECT_FALSE(active.contains(QStringLiteral("2026900004"))); // discharged from the department
    EXPECT_FALSE(active.contains(QStringLiteral("2026900005"))); // revoked
    EXPECT_EQ(active.size(), count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..TBCLPATIENT WHERE RecordStatus = 'X'")));

    EXPECT_EQ(ids(PatientListData::CathLabCases(conn(), QString(), QString(), QStringLiteral("2026900004"))),
              QStringList{QStringLiteral("2026900004")});
    EXPECT_EQ(ids(PatientListData::CathLabCases(conn(), QStringLiteral("ESGUERRA"), QString(), QString())), QStringList());
    // the department's discharge date is shown for a discharged case
    const Recordset d = PatientListData::CathLabCases(conn(), QString(), QStringLiteral("900008"), QString());
    ASSERT_EQ(d.recordCount(), 1);
    EXPECT_FALSE(DbValue::text(d.valueAt(0, 4)).isEmpty());
    EXPECT_FALSE(DbValue::text(d.valueAt(0, 5)).isEmpty()); // billed visit
}

TEST_F(PatientListData_, QuotesInSearchTextsAreOnlyText)
{
    for (const char* text : {"O'NEIL", "'; DELETE FROM PATIENT_DATA..tbMaster; --", "\\"}) {
        EXPECT_NO_THROW(PatientListData::StationPatients(conn(), true, QString::fromUtf8(text), QString(), QString()));
        EXPECT_NO_THROW(PatientListData::CathLabCases(conn(), QString(), QString::fromUtf8(text), QString()));
    }
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbMaster")), 0);
}

TEST_F(PatientListData_, PostedPackagesAreDistinctPairsOfPostedRows)
{
    const Recordset rs = PatientListData::PostedPackages(conn(), QStringLiteral("2026900001 "));
    QStringList pairs;
    for (int r = 0; r < rs.recordCount(); ++r)
        pairs << rs.textAt(r, QStringLiteral("PackageID")) + QLatin1Char('/') + rs.textAt(r, QStringLiteral("RefNum"));
    pairs.sort();
    EXPECT_EQ(pairs, (QStringList{QStringLiteral("CL101/0000101"), QStringLiteral("CL101/0000103"),
                                  QStringLiteral("CL102/0000102")}));
}
