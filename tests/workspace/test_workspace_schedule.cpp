#include "WorkspaceFixture.h"
#include "support/TableOutOfReach.h"

#include "shared/modGlobalsRoutines.h"
#include "components/StationComponents.h"
#include "components/code_search/frmCodeSearchList.h"
#include "workspace/DaySchedule.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

class WorkspaceSchedule : public WorkspaceTest {
protected:
    frmFinal* openToday()
    {
        GetServerDate();
        frmFinal* w = open(admission(0));
        w->MonthView1->setSelectedDate(Session.ServerDate.date());
        w->ResetScheduleEntry();
        return w;
    }
};

TEST_F(WorkspaceSchedule, RoomsLayoutAndTheDaysBookings)
{
    frmFinal* w = openToday();
    EXPECT_EQ(w->Schedule1->Rooms(), QStringList({"OR 1", "OR 2", "CATH LAB"}));
    EXPECT_EQ(w->Schedule1->TimeIncrement, 30);
    ASSERT_EQ(w->Schedule1->Bookings().size(), 1);
    EXPECT_EQ(w->Schedule1->Bookings()[0].room, "OR 1");
    EXPECT_EQ(w->dtpSchedule->maximumDate(), Session.ServerDate.date().addDays(6));
    EXPECT_EQ(w->cboStartTime->currentText(), QTime(Session.ServerDate.time().hour(), 0).toString("h:00:00 AP"));
    w->Schedule1->SelectBooking(0);
    EXPECT_FALSE(w->pictSchedule->isHidden());
    EXPECT_EQ(w->txtDuration[3]->text(), "120");
    w->cmdSaveSchedule_Click(2);
    EXPECT_TRUE(w->pictSchedule->isHidden());
    w->Schedule1->SelectBooking(-1);
    EXPECT_TRUE(w->pictSchedule->isHidden());
    EXPECT_GT(w->Schedule1->ReleasedEvent(), 0);
}

TEST_F(WorkspaceSchedule, OtherMonthsAreNotShown)
{
    frmFinal* w = openToday();
    w->MonthView1_DateClick(Session.ServerDate.date().addMonths(-1));
    EXPECT_EQ(UiScript::lastText(), "Can't view last month's schedule.");
    EXPECT_EQ(w->MonthView1->selectedDate(), Session.ServerDate.date());
    w->MonthView1_DateClick(Session.ServerDate.date().addYears(1));
    EXPECT_EQ(UiScript::lastText(), "Can't view next month's schedule.");
}

TEST_F(WorkspaceSchedule, SaveRefusalsAndTheRequestSent)
{
    const QString id = admission(0);
    frmFinal* w = openToday();
    w->txtAnesthesiologist[0]->setText("D004");
    w->cmdSaveSchedule_Click(0);
    EXPECT_EQ(UiScript::lastText(), "Can't save incomplete data.");
    w->txtSurgeon[0]->setText("D003");
    w->txtSurgeon[1]->setText("DELA ROSA ,MARCO");
    w->cmdSaveSchedule_Click(0); // the current hour has begun
    EXPECT_EQ(UiScript::lastText(), "Invalid time of operation.");
    EXPECT_EQ(count("SELECT COUNT(*) FROM SCHEDULE..tbORRequest"), 0);
    w->dtpSchedule->setDate(Session.ServerDate.date().addDays(1));
    w->cboStartTime->setEditText("9:30 AM");
    w->cmdSaveSchedule_Click(0);
    EXPECT_EQ(UiScript::lastText(), "Schedule data successfully saved.");
    Recordset rs = conn().query("SELECT ScheduleText, Description, SurgeonCode, ProcedureCode, IDNum, StationID FROM SCHEDULE..tbORRequest");
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text("ScheduleText"), Session.ServerDate.date().addDays(1).toString("MM/dd/yyyy") + " 9:30 AM");
    EXPECT_TRUE(rs.text("Description").startsWith("Patient Name :" + w->txtPatient->text() + " Procedure : Surgeon:DELA ROSA ,MARCO"));
    EXPECT_EQ(rs.text("SurgeonCode"), "D003");
    EXPECT_EQ(rs.text("ProcedureCode"), "");
    EXPECT_EQ(rs.text("IDNum"), id);
    EXPECT_TRUE(w->txtSurgeon[0]->text().isEmpty());
}

TEST_F(WorkspaceSchedule, ProcedureAndSurgeonFromTheCodeSearch)
{
    clsCodeSearch search(QStringLiteral("CodeSearchform.clsCodeSearch"));
    search.setConnection(&conn());
    Session.CodeSearch = &search;
    frmFinal* w = openToday();
    auto choose = [](const char* code) {
        const QString c = QString::fromLatin1(code);
        UiScript::queueDialog("frmCodeSearchList", [c](QDialog* d) {
            auto* l = static_cast<frmCodeSearchList*>(d);
            l->ChosenRow = l->FindRow(c);
            l->accept();
        });
    };
    choose("OR002");
    w->cmdProcedure_Click();
    EXPECT_EQ(w->txtOperation[0]->text(), "OR002");
    EXPECT_EQ(w->txtOperation[1]->text(), "VALVE REPLACEMENT");
    choose("D003");
    w->SearchDoctor(w->txtSurgeon);
    EXPECT_EQ(w->txtSurgeon[0]->text(), "D003");
    EXPECT_EQ(w->txtSurgeon[1]->text(), "DELA ROSA ,MARCO");
    Session.CodeSearch = nullptr;
}

TEST_F(WorkspaceSchedule, EnterInTheSurgeonBoxSearchesWithItsText)
{
    clsCodeSearch search(QStringLiteral("CodeSearchform.clsCodeSearch"));
    search.setConnection(&conn());
    Session.CodeSearch = &search;
    frmFinal* w = openToday();
    w->show();
    w->tabSSTab1->setTabEnabled(7, true);
    w->tabSSTab1->setCurrentIndex(7);
    QTest::keyClicks(w->txtSurgeon[1], "dela");
    EXPECT_EQ(w->txtSurgeon[1]->text(), "DELA");
    UiScript::queueDialog("frmCodeSearchList", [](QDialog* d) {
        auto* l = static_cast<frmCodeSearchList*>(d);
        l->ChosenRow = l->FindRow("D003");
        l->accept();
    });
    QTest::keyClick(w->txtSurgeon[1], Qt::Key_Return);
    EXPECT_EQ(w->txtSurgeon[0]->text(), "D003");
    Session.CodeSearch = nullptr;
}

TEST_F(WorkspaceSchedule, StartTimesThatAreNotLaterOrNotATimeAreRefused)
{
    frmFinal* w = openToday();
    w->txtOperation[0]->setText("OR002");
    const QString hour = QTime(Session.ServerDate.time().hour(), 0).toString("h:00:00 AP");
    struct Case { int days; const char* typed; };
    const Case cases[] = {{0, ""}, {1, "NOON"}, {1, "25:00:00 AM"}, {0, "12:00:00 AM"}};
    for (const Case& c : cases) {
        w->dtpSchedule->setDate(Session.ServerDate.date().addDays(c.days));
        w->cboStartTime->setEditText(QString::fromLatin1(c.typed));
        w->cmdSaveSchedule_Click(0);
        EXPECT_EQ(UiScript::lastText(), "Invalid time of operation.") << c.typed;
        EXPECT_EQ(UiScript::shown().last().title, "Message");
        EXPECT_EQ(UiScript::shown().last().style, int(vbCritical));
        EXPECT_EQ(w->cboStartTime->currentText(), hour) << c.typed;
        EXPECT_EQ(w->txtOperation[0]->text(), "OR002"); // the entry stays
        EXPECT_FALSE(conn().inTransaction());
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM SCHEDULE..tbORRequest"), 0);
}

TEST_F(WorkspaceSchedule, TheLastDayOfTheWeekWithATypedTimeIsSentAsTyped)
{
    frmFinal* w = openToday();
    w->txtOperation[0]->setText("OR002");
    w->txtOperation[1]->setText("VALVE REPLACEMENT");
    w->txtScheduleRemarks->setText("NPO AFTER MIDNIGHT");
    w->dtpSchedule->setDate(Session.ServerDate.date().addDays(6)); // the last day offered
    w->cboStartTime->setEditText("9:30:00 AM");
    w->cmdSaveSchedule_Click(0);
    EXPECT_EQ(UiScript::lastText(), "Schedule data successfully saved.");
    Recordset rs = conn().query("SELECT ScheduleDate, ScheduleText, Description, UserID, HospNum, Remarks, SurgeonCode "
                                "FROM SCHEDULE..tbORRequest");
    ASSERT_EQ(rs.recordCount(), 1);
    const QString when = Session.ServerDate.date().addDays(6).toString("MM/dd/yyyy") + " 9:30:00 AM";
    EXPECT_EQ(rs.text("ScheduleText"), when);
    EXPECT_EQ(rs.toDateTime("ScheduleDate"), QDateTime(Session.ServerDate.date().addDays(6), QTime(9, 30)));
    EXPECT_EQ(rs.text("Description"), "Patient Name :" + w->txtPatient->text() +
                                          " Procedure :VALVE REPLACEMENT Surgeon: Anesthesiologist : ");
    EXPECT_EQ(rs.text("UserID"), Session.CurrentUser->EmployeeCode());
    EXPECT_EQ(rs.text("HospNum"), w->txtPno->text());
    EXPECT_EQ(rs.text("Remarks"), "NPO AFTER MIDNIGHT");
    EXPECT_EQ(rs.text("SurgeonCode"), "");
    // The entry is emptied and back on the server date.
    EXPECT_EQ(w->dtpSchedule->date(), Session.ServerDate.date());
    EXPECT_TRUE(w->txtOperation[1]->text().isEmpty());
    EXPECT_TRUE(w->txtScheduleRemarks->text().isEmpty());
    EXPECT_FALSE(conn().inTransaction());
}

TEST_F(WorkspaceSchedule, FailedSaveShowsTheNoticeAndKeepsTheEntry)
{
    frmFinal* w = openToday();
    w->txtSurgeon[0]->setText("D003");
    w->txtScheduleRemarks->setText("FIRST CASE");
    w->dtpSchedule->setDate(Session.ServerDate.date().addDays(1));
    w->cboStartTime->setEditText("8:00:00 AM");
    TableOutOfReach away(conn(), "SCHEDULE..tbORRequest");
    w->cmdSaveSchedule_Click(0);
    EXPECT_TRUE(UiScript::lastText().endsWith("Please notify your IT department."));
    EXPECT_EQ(UiScript::shown().last().title, "Notification");
    EXPECT_FALSE(UiScript::texts().contains("Schedule data successfully saved."));
    EXPECT_EQ(w->txtSurgeon[0]->text(), "D003");
    EXPECT_EQ(w->txtScheduleRemarks->text(), "FIRST CASE");
    EXPECT_EQ(w->cboStartTime->currentText(), "8:00:00 AM");
    EXPECT_FALSE(conn().inTransaction());
}

TEST_F(WorkspaceSchedule, LeavingTheDoctorListWithoutAChoiceChangesNothing)
{
    clsCodeSearch search(QStringLiteral("CodeSearchform.clsCodeSearch"));
    search.setConnection(&conn());
    Session.CodeSearch = &search;
    frmFinal* w = openToday();
    w->txtAnesthesiologist[0]->setText("D004");
    w->txtAnesthesiologist[1]->setText("REYES ,JOSE");
    UiScript::queueDialog("frmCodeSearchList", [](QDialog* d) { d->reject(); });
    EXPECT_FALSE(w->SearchDoctor(w->txtAnesthesiologist));
    EXPECT_EQ(w->txtAnesthesiologist[0]->text(), "D004");
    EXPECT_EQ(w->txtAnesthesiologist[1]->text(), "REYES ,JOSE");
    Session.CodeSearch = nullptr;
}

TEST_F(WorkspaceSchedule, DayLayoutDrawsTheRoomsAndBookings)
{
    frmFinal* w = openToday();
    DaySchedule* s = w->Schedule1;
    s->SetDayLayout(QDateTime(Session.ServerDate.date(), QTime(8, 0)), 240, 60);
    EXPECT_EQ(s->rowCount(), 4);
    EXPECT_EQ(s->columnCount(), 3);
    EXPECT_EQ(s->verticalHeaderItem(0)->text(), "8:00 AM");
    s->ClearBookings();
    s->AddBooking({QString(), Session.ServerDate.date(), "OR 2", QDateTime(Session.ServerDate.date(), QTime(9, 0)), 120, "CABG", ""});
    ASSERT_NE(s->item(1, 1), nullptr);
    EXPECT_EQ(s->item(1, 1)->text(), "CABG");
    EXPECT_EQ(s->rowSpan(1, 1), 2);
    s->ClearBookings();
    EXPECT_EQ(s->rowSpan(1, 1), 1);
}
