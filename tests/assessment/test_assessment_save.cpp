// The posting of an assessment save: one number for every line, the oxygen record of a PSI row, the
// package items under the logged-in user's code, nothing at all from a save that fails or has no
// row, and the flag that holds the number only during the save.
#include "support/TableOutOfReach.h"
#include "support/TestDatabase.h"

#include "assessment/AssessmentSave.h"
#include "assessment/AssessmentSlip.h"
#include "platform/db/Connection.h"
#include "shared/assessment/AssessmentNumbers.h"
#include "shared/modGlobals.h"

namespace {

QStringList gridRow(std::initializer_list<std::pair<int, const char*>> cells)
{
    QStringList row;
    for (int c = 0; c < 20; ++c) row << QString();
    for (const auto& [col, text] : cells) row[col] = QString::fromUtf8(text);
    return row;
}

class AssessmentSaveTest : public DbTest {
protected:
    AssessmentSaveInput input(QList<QStringList> rows)
    {
        AssessmentSaveInput in;
        in.hospNum = QStringLiteral("100001");
        in.idNum = QStringLiteral("TX0021");
        in.patientName = QStringLiteral("DELA CRUZ, JUAN");
        in.userId = QStringLiteral("CL002");
        in.employeeCode = QStringLiteral("CL001");
        in.counterStation = QStringLiteral("CL");
        in.rows = std::move(rows);
        return in;
    }
    void setCounter(int n) { conn().execute(QStringLiteral("UPDATE STATION..tbCLChargeSlip SET AssessNum = ? WHERE StationID = 'CL'"), {n}); }
    int lines(const QString& where = QStringLiteral("1 = 1"))
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLAssessment WHERE IDNum = 'TX0021' AND ") + where);
    }
};

TEST_F(AssessmentSaveTest, EveryRowUnderOneNumberWithOxygenAndPackageItems)
{
    setCounter(1523);
    AssessmentSaveInput in = input({gridRow({{1, "HS"}, {2, "HS001"}, {4, "1"}, {5, "450"}, {6, "450"}}),
                                    gridRow({{1, "OX"}, {2, "OX001"}, {4, "250"}, {5, "150"}, {6, "375"}, {11, "1"}, {12, "2000"},
                                             {13, "1750"}, {14, "0105"}}),
                                    gridRow({{1, "OX"}, {2, "OX002"}, {4, "1"}, {5, "150"}, {6, "150"}, {11, "0"}}),
                                    gridRow({{1, "CL"}, {2, "PKG-RHC"}, {4, "1"}, {5, "30000"}, {6, "30000"}})});
    in.numberMask = QStringLiteral("000000");
    in.packageItems = {gridRow({{1, "CS"}, {2, "SUP"}, {3, "SUP0001"}, {4, "2"}, {5, "90"}, {6, "21"}, {7, "PKG-RHC"}}),
                       gridRow({})};
    const AssessmentSaveResult r = SaveAssessmentRows(conn(), in);
    EXPECT_EQ(r.assessmentNumber, QStringLiteral("CL001523"));
    EXPECT_FALSE(DialogAnswers.SlipNumberTaken);
    EXPECT_EQ(lines(QStringLiteral("AssessNum = 'CL001523' AND Status = 'PENDING' AND AssessType = 'CASH' AND UserID = 'CL002'")), 4);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLChargeSlip WHERE AssessNum = 1524")), 1);
    // only the row read in PSI has an oxygen record, its tank as typed
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbNurseOxygenMonitoring WHERE RefNum = 'CL001523'")), 1);
    EXPECT_EQ(conn().scalar(QStringLiteral("SELECT TankNumber FROM STATION..tbNurseOxygenMonitoring WHERE RefNum = 'CL001523'")).toString(),
              QStringLiteral("0105"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLAssessPackageItems WHERE AssessNum = 'CL001523' AND ItemID = 'SUP0001' "
                                   "AND UserID = 'CL001' AND Amount = 0 AND PackageID = 'PKG-RHC'")),
              1);
}

TEST_F(AssessmentSaveTest, ClinicalLinesKeepRemarksAndSpecimen)
{
    AssessmentSaveInput in = input({gridRow({{1, "LB"}, {2, "LB001"}, {4, "1"}, {5, "300"}, {6, "300"}, {15, "BLD"}, {16, "FASTING"}})});
    in.clinical = true;
    const QString n = SaveAssessmentRows(conn(), in).assessmentNumber;
    EXPECT_EQ(lines(QStringLiteral("AssessNum = '") + n + QStringLiteral("' AND AssessType = 'CLINICAL' AND Remarks = 'FASTING' AND SpecimenID = 'BLD'")),
              1);
    EXPECT_EQ(AppendSlipSummary(AppendSlipSummary(QString(), QStringLiteral("LB"), QStringLiteral("FASTING")), QStringLiteral("XR"), QString()),
              QStringLiteral("FOR LB: FASTING, FOR XR: "));
}

TEST_F(AssessmentSaveTest, AFailureOrNoRowLeavesNothingAndUsesNoNumber)
{
    setCounter(3000);
    EXPECT_TRUE(SaveAssessmentRows(conn(), input({})).assessmentNumber.isEmpty());
    AssessmentSaveInput in = input({gridRow({{1, "HS"}, {2, "HS001"}, {4, "1"}, {5, "450"}, {6, "450"}}),
                                    gridRow({{1, "OX"}, {2, "OX001"}, {4, "250"}, {5, "150"}, {6, "375"}, {11, "1"}, {14, "9"}})});
    {
        TableOutOfReach gone(conn(), QStringLiteral("STATION..tbNurseOxygenMonitoring")); // the second row's record fails
        EXPECT_ANY_THROW(SaveAssessmentRows(conn(), in));
    }
    EXPECT_FALSE(DialogAnswers.SlipNumberTaken);
    EXPECT_EQ(lines(), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLChargeSlip WHERE AssessNum = 3000")), 1);
    conn().execute(QStringLiteral("DELETE FROM STATION..tbCLChargeSlip WHERE StationID = 'CL'"));
    EXPECT_THROW(SaveAssessmentRows(conn(), in), MissingAssessmentCounter);
    EXPECT_EQ(lines(), 0);
}

TEST_F(AssessmentSaveTest, SlipParametersInOrder)
{
    ReportValues.SlipReportParam5 = QString();
    AssessmentSlipHeader h{QStringLiteral("DELA CRUZ, JUAN"), QStringLiteral("100001"), QStringLiteral(" 54 "), QStringLiteral("M "),
                           QStringLiteral("205"), QStringLiteral("TX0021"), QStringLiteral("DR. REYES")};
    const QVariantList v = AssessmentSlipValues(h, QStringLiteral("CL1523"), QStringLiteral("PERSONAL"), QStringLiteral("12/01/2026 09:30:00 AM"),
                                                QStringLiteral(" CL002 "), QStringLiteral("SANTOS, ANA"), QStringLiteral("ORIGINAL COPY"), QString());
    const QStringList expected = {"CL1523", "DELA CRUZ, JUAN", "100001", "54 / M", "", "PERSONAL", "205", "TX0021",
                                  "12/01/2026 09:30:00 AM", "12/01/2026 09:30:00 AM", "DR. REYES", "", "SANTOS, ANA",
                                  "(CL002) SANTOS, ANA", "SANTOS, ANA", "ORIGINAL COPY", ""};
    ASSERT_EQ(v.size(), 17);
    for (int i = 0; i < 17; ++i) EXPECT_EQ(v[i].toString(), expected[i]) << i + 1;
}

} // namespace
