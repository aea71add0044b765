// Item entry of the clinical assessment: each kind of line is looked up in its own catalogue and
// priced for the window's own patient (class C here), the stat surcharge, and the refusals.
#include "ClinicalWindowTest.h"

#include "assessment/ClinicalAssessmentData.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

namespace {

using namespace ClinicalRow;

class ClinicalEntryTest : public ClinicalWindowTest {
protected:
    QString rateC(const QString& sql, const QString& code)
    {
        return ClinicalNumberText(DbValue::toDouble(conn().scalar(sql, {code})));
    }
};

TEST_F(ClinicalEntryTest, EachKindOfLineFromItsOwnCatalogue)
{
    const QString lab = rateC(QStringLiteral("SELECT RateC FROM BUILD_FILE..tbCoLabExam WHERE LabExamID = ?"), QStringLiteral("CBC"));
    const QString xray = rateC(QStringLiteral("SELECT RateC FROM BUILD_FILE..tbCoXrayExam WHERE XrayExamID = ?"), QStringLiteral("CXRPA"));
    const QString echo = rateC(QStringLiteral("SELECT RateC FROM BUILD_FILE..tbCoUltraExam WHERE UltraExamID = ?"), QStringLiteral("ECHO2D"));
    const QString ct = rateC(QStringLiteral("SELECT RateC FROM BUILD_FILE..TBCOOTHERREVENUE WHERE OtherSectionID = 'CT' AND OtherRevenueID = ?"),
                             QStringLiteral("CT01"));
    ASSERT_GT(lab.toDouble(), 0);
    struct Case {
        const char *dept, *code;
        int portable; // answer to "Use Portable Machine?" (0: not asked)
        QString description, unit, specimen;
    } cases[] = {
        {"HS", "TST01", 0, QStringLiteral("TEST PROCEDURE"), QStringLiteral("300"), QString()},
        {"LB", "CBC", 0, QStringLiteral("COMPLETE BLOOD COUNT"), lab, QStringLiteral("BLD")},
        {"XR", "CXRPA", vbYes, QStringLiteral("CHEST PA"), ClinicalNumberText(xray.toDouble() + 100), QString()},
        {"XR", "CXRAPL", vbNo, QString(), QString(), QString()},
        {"US", "ECHO2D", 0, QStringLiteral("2D ECHO WITH DOPPLER"), echo, QString()},
        {"CT", "CT01", 0, QStringLiteral("CT SCAN OF THE CHEST WITH CONTRAST"), ct, QString()},
    };
    open();
    int row = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        UiScript::reset();
        enter(QString::fromLatin1(c.dept));
        queueRemarks();
        if (c.portable) UiScript::queueAnswer(c.portable);
        enter(QString::fromLatin1(c.code));
        EXPECT_EQ(cell(row, ItemCode), QString::fromLatin1(c.code));
        if (!c.description.isEmpty()) EXPECT_EQ(cell(row, Description), c.description);
        if (!c.unit.isEmpty()) EXPECT_EQ(cell(row, UnitPrice), c.unit);
        EXPECT_EQ(cell(row, Qty), "1");
        EXPECT_EQ(cell(row, Amount), cell(row, UnitPrice));
        EXPECT_EQ(cell(row, Specimen), c.specimen);
        EXPECT_EQ(UiScript::texts().contains(QStringLiteral("Use Portable Machine?")), c.portable != 0);
        EXPECT_EQ(grid()->Col(), Qty);
        enter(QStringLiteral("1"));
        EXPECT_TRUE(w()->CompleteRow(row));
        ++row;
        EXPECT_EQ(grid()->Row(), row);
        EXPECT_EQ(cell(row, Number), QStringLiteral(" %1").arg(row));
    }
}

TEST_F(ClinicalEntryTest, ADoctorsFeeIsTypedAndMustBeAboveZero)
{
    open();
    enter(QStringLiteral("MD"));
    enter(QStringLiteral("T01"));
    EXPECT_EQ(cell(1, Description), "ABAD, LUIS");
    EXPECT_EQ(cell(1, UnitPrice), "0");
    EXPECT_TRUE(UiScript::dialogsRun().filter(QStringLiteral("frmClinicalAssessmentRemarks")).isEmpty());
    enter(QStringLiteral("1"));
    EXPECT_EQ(grid()->Col(), UnitPrice); // the fee is typed on a doctor's row
    EXPECT_FALSE(w()->CompleteRow(1));   // a fee of 0 is no line
    enter(QStringLiteral("0"));
    EXPECT_EQ(UiScript::lastText(), "Quantity should be greater than Zero(0)!");
    enter(QStringLiteral("1500"));
    EXPECT_EQ(cell(1, Amount), "1500");
    EXPECT_TRUE(w()->CompleteRow(1));
    EXPECT_EQ(grid()->Row(), 2);
    EXPECT_EQ(grid()->Col(), Dept);
}

TEST_F(ClinicalEntryTest, LaboratoryFeeByClassIsAddedWhenTheStationAsksForIt)
{
    conn().execute(QStringLiteral("DELETE FROM BUILD_FILE..tbCoLabExamPFByClass WHERE LabExamID = 'CBC'"));
    conn().execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoLabExamPFByClass (LabExamID, RateClass, Rate) VALUES ('CBC', 'C', 75), ('CBC', 'A', 10)"));
    setStationParameter(QStringLiteral("NurseClinicalAssessmentGetPF"), QStringLiteral("1"));
    const double lab = DbValue::toDouble(conn().scalar(QStringLiteral("SELECT RateC FROM BUILD_FILE..tbCoLabExam WHERE LabExamID = 'CBC'")));
    open();
    enter(QStringLiteral("LB"));
    queueRemarks();
    enter(QStringLiteral("CBC"));
    EXPECT_EQ(cell(1, UnitPrice), ClinicalNumberText(lab + 75));
    // an out-patient visit is class A whatever the room
    w()->txtID->setText(QStringLiteral("TX0031B"));
    EXPECT_EQ(w()->GetPFAmountByClass(QStringLiteral("CBC")), 10);
    w()->txtID->setText(QStringLiteral("TX0031"));
    w()->txtRoom->setText(QStringLiteral("NOROOM"));
    EXPECT_EQ(w()->GetPFAmountByClass(QStringLiteral("CBC")), 0);
}

TEST_F(ClinicalEntryTest, StatSurchargeIsThirtyPercentOfOneUnitPrice)
{
    struct Case {
        int answer;
        const char* amount;
    } cases[] = {{vbYes, "690"}, {vbNo, "600"}};
    for (const Case& c : cases) {
        open(true, true);
        enter(QStringLiteral("HS"));
        queueRemarks();
        enter(QStringLiteral("TST01"));
        UiScript::reset();
        UiScript::queueAnswer(c.answer);
        enter(QStringLiteral("2"));
        EXPECT_EQ(UiScript::lastText(), "Is it Stat/Holiday?");
        EXPECT_EQ(cell(1, Amount), c.amount);
        EXPECT_EQ(cell(1, UnitPrice), "300");
        delete w();
    }
    EXPECT_EQ(ClinicalStatAmount(100, 2), 230);
    EXPECT_EQ(ClinicalStatAmount(12.5, 3), 41.25);
    // A PSI row: the per-100-PSI amount, and the surcharge on that amount.
    EXPECT_EQ(ClinicalPSIAmount(150, 250), 375);
    EXPECT_EQ(ClinicalPSIAmount(150, 40), 150);
    EXPECT_EQ(ClinicalPSIStatAmount(375, 150), 420);
}

TEST_F(ClinicalEntryTest, RefusalsLeaveTheRowAsTheyShould)
{
    open();
    enter(QStringLiteral("ZZ"));
    EXPECT_EQ(UiScript::lastText(), "Department code does not exist.");
    EXPECT_EQ(cell(1, Number), QString()); // the whole row, its number too
    EXPECT_EQ(cell(1, Dept), QString());

    enter(QStringLiteral("HS"));
    queueRemarks();
    enter(QStringLiteral("TST09"));
    EXPECT_EQ(UiScript::lastText(), "Record(s) indicate that the amount of the item is zero! \r\nPlease contact EDP for further assistance.");
    EXPECT_EQ(cell(1, ItemCode), QString());
    EXPECT_EQ(grid()->Col(), Dept);

    enter(QStringLiteral("HS"));
    queueRemarks();
    enter(QStringLiteral("TST01"));
    struct Case {
        const char *typed, *message;
    } quantities[] = {{"0", "Quantity should be greater than Zero(0)!"},
                      {"", "Quantity should be greater than Zero(0)!"},
                      {"1.5", "You are only allowed to enter whole number for quantity."}};
    for (const Case& q : quantities) {
        grid()->MoveTo(1, Qty);
        enter(QString::fromLatin1(q.typed));
        EXPECT_EQ(UiScript::lastText(), q.message) << q.typed;
        EXPECT_EQ(cell(1, Qty), "1");
    }
    grid()->MoveTo(1, Qty);
    enter(QStringLiteral("02"));
    EXPECT_EQ(cell(1, Qty), "02");
    EXPECT_EQ(cell(1, Amount), "600");

    enter(QStringLiteral("LB"));
    queueRemarks();
    enter(QStringLiteral("CBC"));
    UiScript::reset();
    enter(QStringLiteral("2"));
    EXPECT_EQ(UiScript::lastText(), "Quantity should be > 0 and <= 1!");
    EXPECT_EQ(cell(2, Qty), "1");
}

TEST_F(ClinicalEntryTest, DeleteIgnoreAndF3KeepTheRowNumbers)
{
    open();
    for (int i = 0; i < 3; ++i) {
        enter(QStringLiteral("HS"));
        queueRemarks();
        enter(i == 0 ? QStringLiteral("TST01") : QStringLiteral("HS00%1").arg(i));
        enter(QStringLiteral("1"));
    }
    ASSERT_EQ(grid()->Rows(), 5);
    grid()->setCurrentCell(2, Dept);
    UiScript::queueAnswer(vbYes);
    w()->Command1[4]->click();
    EXPECT_EQ(UiScript::lastText(), "Are you sure to delete this item?");
    EXPECT_EQ(grid()->Rows(), 4);
    EXPECT_EQ(cell(1, Number), "1");
    EXPECT_EQ(cell(3, Number), "3");
    grid()->setCurrentCell(3, Dept);
    UiScript::reset();
    w()->Command1[4]->click();
    EXPECT_EQ(UiScript::lastText(), "Row can not be deleted because there are no entries yet.");
    w()->Command1[1]->click(); // "&Ignore"
    EXPECT_EQ(grid()->Rows(), 2);
    EXPECT_EQ(cell(1, Dept), QString());
    EXPECT_EQ(w()->EntryRowCount, 1);
    enter(QStringLiteral("HS"));
    queueRemarks();
    enter(QStringLiteral("TST01"));
    enter(QStringLiteral("1"));
    EXPECT_EQ(cell(2, Number), " 2");
}

} // namespace
