#include "WorkspaceFixture.h"
#include "support/TableOutOfReach.h"

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
    EXPECT_EQ(rs.text("UserID"), Session.CurrentUser->EmployeeCode());
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

TEST_F(WorkspaceVitals, ASaveRefusesReadingsNoPersonHasAndWritesNothing)
{
    frmFinal* w = open(admission(0));
    const struct {
        QLineEdit* box;
        const char* typed;
        const char* message;
    } cases[] = {
        {w->txtTemperature, "3.7.", "Temperature must be a number from 20 to 45."},
        {w->txtTemperature, "370", "Temperature must be a number from 20 to 45."},
        {w->txtBloodPressure[0], "999", "Blood Pressure must be a whole number from 0 to 300."},
        {w->txtBloodPressure[1], "8/0", "Blood Pressure must be a whole number from 0 to 300."},
        {w->txtPulserate, "1.5", "Pulse Rate must be a whole number from 0 to 300."},
        {w->txtRespiratoryrate, "200", "Respiratory Rate must be a whole number from 0 to 150."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        w->txtBloodPressure[0]->setText("120");
        w->txtBloodPressure[1]->setText("80");
        w->txtTemperature->setText("37");
        w->txtPulserate->setText("72");
        w->txtRespiratoryrate->setText("18");
        c.box->setText(QString::fromLatin1(c.typed));
        UiScript::reset();
        w->cmdSaveVitalSign_Click();
        EXPECT_EQ(UiScript::texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_EQ(c.box->text(), QString::fromLatin1(c.typed));
        EXPECT_EQ(count("SELECT COUNT(*) FROM STATION..tbNurseVitalSigns"), 0);
    }
}

TEST_F(WorkspaceVitals, AFailedSaveLeavesNoTransactionOpen)
{
    frmFinal* w = open(admission(0));
    w->txtBloodPressure[0]->setText("120");
    w->txtTemperature->setText("37");
    TableOutOfReach away(conn(), "STATION..tbNurseVitalSigns");
    w->cmdSaveVitalSign_Click();
    EXPECT_EQ(UiScript::shown().last().title, "Notification");
    EXPECT_EQ(w->txtTemperature->text(), "37");
    EXPECT_FALSE(conn().inTransaction());
}

namespace {
// The vitals page of an open workspace, on screen so that focus moves can be seen.
frmFinal* showVitals(frmFinal* w)
{
    w->show();
    w->tabSSTab1->setTabEnabled(3, true);
    w->tabSSTab1->setCurrentIndex(3);
    return w;
}
}

TEST_F(WorkspaceVitals, EnterAsksOutsideTheRangesAndMovesTheFocus)
{
    frmFinal* w = showVitals(open(admission(0)));
    QLineEdit* sys = w->txtBloodPressure[0];
    QLineEdit* dia = w->txtBloodPressure[1];
    const struct {
        QLineEdit* box;
        const char* text;
        int answer;          // 0: no question expected
        QLineEdit* focusAfter; // nullptr: the Save button
    } cases[] = {
        {sys, "200", 0, dia},
        {sys, "201", vbNo, sys},
        {sys, "69", vbYes, dia},
        {dia, "50", 0, w->txtTemperature},
        {dia, "151", vbNo, sys},
        {w->txtTemperature, "37.5", 0, w->txtRespiratoryrate},
        {w->txtTemperature, "34.9", vbNo, w->txtTemperature},
        {w->txtRespiratoryrate, "", 0, w->txtPulserate},
        {w->txtRespiratoryrate, "101", vbYes, w->txtPulserate},
        {w->txtPulserate, "111", vbNo, w->txtPulserate},
        {w->txtPulserate, "80", 0, nullptr},
    };
    for (const auto& c : cases) {
        UiScript::reset();
        sys->setText(c.box == dia ? "200" : sys->text());
        c.box->setText(c.text);
        c.box->setFocus();
        if (c.answer) UiScript::queueAnswer(c.answer);
        QTest::keyClick(c.box, Qt::Key_Return);
        const QString what = c.box->objectName() + " " + c.text;
        EXPECT_EQ(UiScript::shown().size(), c.answer ? 1 : 0) << what.toStdString();
        if (c.answer) {
            EXPECT_EQ(UiScript::shown()[0].title, "Message");
            EXPECT_EQ(UiScript::shown()[0].text, c.box == w->txtTemperature ? "Is this Entry Correct ?" : "Is this entry correct?");
        }
        EXPECT_EQ(c.box->text(), c.text) << what.toStdString(); // Yes keeps the value, Enter adds nothing
        QWidget* expected = c.focusAfter ? static_cast<QWidget*>(c.focusAfter) : w->cmdSaveVitalSign;
        EXPECT_EQ(w->focusWidget(), expected) << what.toStdString();
    }
}

TEST_F(WorkspaceVitals, AcceptedPulseEnablesSaveForAnyPatient)
{
    frmFinal* w = showVitals(open(visit(0)));
    EXPECT_FALSE(on(w->cmdSaveVitalSign));
    w->txtPulserate->setText("110");
    QTest::keyClick(w->txtPulserate, Qt::Key_Return);
    EXPECT_TRUE(on(w->cmdSaveVitalSign));
}

TEST_F(WorkspaceVitals, TheListShowsEachRecordOldestFirstAndSaveStampsTheServerClock)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    conn().execute("INSERT INTO STATION..tbNurseVitalSigns (IDNum, TransDate, BloodPressure, Temperature, PulseRate, "
                   "RespiratoryRate, UserID) VALUES (?, ?, '110/70', '36.8', NULL, '18', 'CL002')",
                   {id, QDateTime(QDate(2026, 1, 2), QTime(9, 5, 0))});
    w->txtBloodPressure[0]->setText("130");
    w->txtBloodPressure[1]->setText(" 85");
    w->txtTemperature->setText("38");
    w->txtPulserate->setText("90");
    w->txtRespiratoryrate->setText("20");
    w->cmdSaveVitalSign_Click();
    EXPECT_FALSE(conn().inTransaction());
    Recordset rs = conn().query("SELECT TransDate, BloodPressure, PulseRate, RespiratoryRate FROM STATION..tbNurseVitalSigns "
                                "WHERE IDNum = ? AND UserID <> 'CL002'", {id});
    ASSERT_EQ(rs.recordCount(), 1);
    const QDateTime server(Session.ServerDate.date(), QTime(Session.ServerDate.time().hour(), Session.ServerDate.time().minute(), Session.ServerDate.time().second()));
    EXPECT_EQ(rs.toDateTime("TransDate"), server) << "the date-time read just before the save";
    EXPECT_EQ(rs.text("BloodPressure"), "130/85");
    EXPECT_EQ(rs.text("PulseRate"), "90");
    EXPECT_EQ(rs.text("RespiratoryRate"), "20");
    ASSERT_EQ(w->mshflexProcessed3->Rows(), 3);
    const QStringList first = {"01/02/2026 09:05:00 AM", "110/70", "36.8", "18", "", "CL002"};
    for (int c = 0; c < 6; ++c) EXPECT_EQ(w->mshflexProcessed3->TextMatrix(1, c + 1), first[c]) << c;
    EXPECT_EQ(w->mshflexProcessed3->TextMatrix(2, 1), Fmt::serverDateText(Session.ServerDate));
    EXPECT_EQ(w->mshflexProcessed3->TextMatrix(2, 4), "20");
    EXPECT_EQ(w->mshflexProcessed3->TextMatrix(2, 5), "90");
    EXPECT_EQ(w->mshflexProcessed3->TextMatrix(0, 3).trimmed(), "Temperature");
}

TEST_F(WorkspaceVitals, PrintTakesTheHeaderInItsOrderIntoTheModelessViewer)
{
    const QString id = admission(0);
    frmFinal* w = open(id);
    w->cmdPrintVitalSigns_Click();
    ASSERT_EQ(ReportLog::calls().size(), 1);
    const ReportCall& call = ReportLog::calls()[0];
    EXPECT_EQ(call.fileName(), "Vital Signs.rpt");
    const QStringList expected = {id, w->txtPatient->text(), w->txtDateAdmitted->text(), id, w->txtPno->text(),
                                  w->txtRoom->text(), w->txtSex->text(), w->txtAge->text()};
    ASSERT_EQ(call.params.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) EXPECT_EQ(call.params[i].toString(), expected[i]) << i;
    EXPECT_EQ(call.shown, ReportShown::Viewer);
    EXPECT_EQ(call.caption, "Vital Signs");
    EXPECT_FALSE(call.showGroupTree);
}
