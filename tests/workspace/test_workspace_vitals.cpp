#include "WorkspaceFixture.h"

#include "platform/report/ReportLog.h"
#include "platform/ui/FlexGrid.h"
#include "workspace/ChartData.h"

#include <QPushButton>
#include <QTest>

using ChartData::VitalBox;

TEST(VitalRanges, BoundsPassAndTheNextValuesAreQuestioned)
{
    const struct { VitalBox box; double value; bool asked; } cases[] = {
        {VitalBox::Systolic, 200, false},   {VitalBox::Systolic, 70, false},     {VitalBox::Systolic, 201, true},
        {VitalBox::Systolic, 69, true},     {VitalBox::Diastolic, 150, false},   {VitalBox::Diastolic, 50, false},
        {VitalBox::Diastolic, 151, true},   {VitalBox::Diastolic, 49, true},     {VitalBox::Temperature, 41, false},
        {VitalBox::Temperature, 35, false}, {VitalBox::Temperature, 41.1, true}, {VitalBox::Temperature, 0, true},
        {VitalBox::Respiratory, 100, false}, {VitalBox::Respiratory, 0, false},  {VitalBox::Respiratory, 101, true},
        {VitalBox::Pulse, 110, false},      {VitalBox::Pulse, 50, false},        {VitalBox::Pulse, 111, true},
        {VitalBox::Pulse, 0, true}};
    for (const auto& c : cases)
        EXPECT_EQ(!ChartData::VitalQuestion(c.box, c.value).isEmpty(), c.asked) << int(c.box) << " " << c.value;
    EXPECT_EQ(ChartData::VitalQuestion(VitalBox::Temperature, 42), "Is this Entry Correct ?");
}

class WorkspaceVitals : public WorkspaceTest {};

TEST_F(WorkspaceVitals, KeysAndEnterInTheEntryBoxes)
{
    frmFinal* w = open(admission(0));
    w->show();
    w->tabSSTab1->setTabEnabled(3, true);
    w->tabSSTab1->setCurrentIndex(3);
    QTest::keyClicks(w->txtBloodPressure[0], "1a2-0' ");
    EXPECT_EQ(w->txtBloodPressure[0]->text(), "120");
    QTest::keyClicks(w->txtBloodPressure[1], "130");
    QTest::keyClick(w->txtBloodPressure[1], Qt::Key_Return);
    EXPECT_EQ(UiScript::lastText(), "Invalid entry.");
    EXPECT_EQ(UiScript::shown().last().title, "Notification");
    UiScript::reset();
    w->txtBloodPressure[1]->setText("120"); // equal passes
    QTest::keyClick(w->txtBloodPressure[1], Qt::Key_Return);
    EXPECT_TRUE(UiScript::shown().isEmpty());
    UiScript::queueAnswer(vbNo);
    QTest::keyClick(w->txtPulserate, Qt::Key_Return); // empty pulse counts as 0
    EXPECT_EQ(UiScript::lastText(), "Is this entry correct?");
    EXPECT_EQ(UiScript::shown().last().title, "Message");
}

TEST_F(WorkspaceVitals, SaveNeedsTemperatureAndSystolicAndStampsTheUser)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    w->Get_VitalSigns();
    EXPECT_EQ(w->mshflexProcessed3->Rows(), 2);
    EXPECT_FALSE(on(w->cmdPrintVitalSigns));
    w->txtBloodPressure[0]->setText("120");
    w->cmdSaveVitalSign_Click();
    EXPECT_EQ(UiScript::lastText(), "Can't Save Incomplete Vital Signs");
    EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..tbNurseVitalSigns"), 0);
    w->txtTemperature->setText("37.5");
    w->cmdSaveVitalSign_Click();
    Recordset rs = conn().query("SELECT BloodPressure, Temperature, PulseRate, RespiratoryRate, UserID FROM STATION..tbNurseVitalSigns "
                                "WHERE IDNum = ?", {id});
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text("BloodPressure"), "120/");
    EXPECT_EQ(rs.text("Temperature"), "37.5");
    EXPECT_EQ(rs.text("PulseRate"), "");
    EXPECT_EQ(rs.text("UserID"), CurrentUser->EmployeeCode());
    EXPECT_TRUE(w->txtTemperature->text().isEmpty());
    EXPECT_EQ(w->mshflexProcessed3->TextMatrix(1, 2), "120/");
    EXPECT_TRUE(on(w->cmdPrintVitalSigns));
    w->cmdPrintVitalSigns_Click();
    ASSERT_EQ(ReportLog::calls().size(), 1);
    EXPECT_EQ(ReportLog::calls()[0].params.size(), 8);
    EXPECT_EQ(ReportLog::calls()[0].params[3].toString(), id);
    EXPECT_TRUE(ReportLog::calls()[0].error.isEmpty()) << ReportLog::calls()[0].error.toStdString();
    EXPECT_TRUE(ReportLog::calls()[0].text.contains("37.5"));
}

TEST_F(WorkspaceVitals, AFailedSaveLeavesNoTransactionOpen)
{
    frmFinal* w = open(admission(0));
    w->txtBloodPressure[0]->setText("120");
    w->txtTemperature->setText("37");
    conn().execute("DROP TABLE STATION..tbNurseVitalSigns");
    w->cmdSaveVitalSign_Click();
    EXPECT_EQ(UiScript::shown().last().title, "Notification");
    EXPECT_EQ(w->txtTemperature->text(), "37");
    EXPECT_FALSE(conn().inTransaction());
}
