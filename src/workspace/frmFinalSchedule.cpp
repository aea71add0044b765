// The operating-room schedule request page: the day's bookings by room and the request entry.
#include "workspace/frmFinal.h"

#include "components/StationComponents.h"
#include "components/login/clsCurrentuser.h"
#include "platform/db/Connection.h"
#include "platform/ui/KeyFilters.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/text/ColumnFit.h"
#include "workspace/ChartRequestData.h"
#include "workspace/DaySchedule.h"
#include "workspace/WorkspaceData.h"

#include <QKeyEvent>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QString hourText(const QDateTime& dt)
{
    return QTime(dt.time().hour(), 0).toString(QStringLiteral("h:00:00 AP"));
}
}

void frmFinal::buildSchedulePage(QWidget* page)
{
    auto* g = new QGridLayout(page);
    MonthView1 = new QCalendarWidget(page);
    MonthView1->setObjectName(QStringLiteral("MonthView1"));
    g->addWidget(MonthView1, 0, 0);
    Schedule1 = new DaySchedule(page);
    g->addWidget(Schedule1, 0, 1, 2, 1);
    auto* fra = new QGroupBox(QStringLiteral("Request for Operation Schedule"), page);
    fra->setObjectName(QStringLiteral("fraSchedule"));
    auto* f = new QGridLayout(fra);
    dtpSchedule = new QDateEdit(fra);
    dtpSchedule->setObjectName(QStringLiteral("dtpSchedule"));
    dtpSchedule->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    cboStartTime = new QComboBox(fra);
    cboStartTime->setObjectName(QStringLiteral("cboStartTime"));
    cboStartTime->setEditable(true);
    for (int h = 1; h <= 23; ++h) cboStartTime->addItem(QTime(h, 0).toString(QStringLiteral("h:00:00 AP")));
    auto pair = [&](QLineEdit** p, const char* name) {
        for (int i = 0; i < 2; ++i) {
            p[i] = new QLineEdit(fra);
            p[i]->setObjectName(QStringLiteral("%1%2").arg(QString::fromLatin1(name)).arg(i));
        }
        p[0]->setReadOnly(true);
    };
    pair(txtOperation, "txtOperation");
    pair(txtSurgeon, "txtSurgeon");
    pair(txtAnesthesiologist, "txtAnesthesiologist");
    txtScheduleRemarks = new QLineEdit(fra);
    FitToColumn(txtScheduleRemarks, QStringLiteral("SCHEDULE..tbORRequest"), QStringLiteral("Remarks"));
    cmdProcedure = new QPushButton(QStringLiteral("..."), fra);
    Command1 = new QPushButton(QStringLiteral("..."), fra);
    Command2 = new QPushButton(QStringLiteral("..."), fra);
    const char* labels[] = {"Schedule Date:", "Starting Time :", "Procedure:", "Surgeon", "Anesthesiologist", "Remarks"};
    QWidget* fields[] = {dtpSchedule, cboStartTime, txtOperation[1], txtSurgeon[1], txtAnesthesiologist[1], txtScheduleRemarks};
    QWidget* codes[] = {nullptr, nullptr, txtOperation[0], txtSurgeon[0], txtAnesthesiologist[0], nullptr};
    QWidget* searches[] = {nullptr, nullptr, cmdProcedure, Command1, Command2, nullptr};
    for (int i = 0; i < 6; ++i) {
        f->addWidget(new QLabel(QString::fromLatin1(labels[i]), fra), i, 0);
        f->addWidget(fields[i], i, 1);
        if (searches[i]) f->addWidget(searches[i], i, 2);
        if (codes[i]) f->addWidget(codes[i], i, 3);
    }
    const char* saves[] = {"Save", "Exit", "Exit"};
    for (int i = 0; i < 3; ++i) {
        cmdSaveSchedule[i] = new QPushButton(QString::fromLatin1(saves[i]), fra);
        cmdSaveSchedule[i]->setObjectName(QStringLiteral("cmdSaveSchedule%1").arg(i));
        connect(cmdSaveSchedule[i], &QPushButton::clicked, this, [this, i] { cmdSaveSchedule_Click(i); });
    }
    f->addWidget(cmdSaveSchedule[0], 6, 1);
    f->addWidget(cmdSaveSchedule[1], 6, 2);
    g->addWidget(fra, 1, 0);
    pictSchedule = new QGroupBox(QStringLiteral("Scheduled Details"), page);
    pictSchedule->setObjectName(QStringLiteral("pictSchedule"));
    auto* p = new QGridLayout(pictSchedule);
    txtScheduleRoom2 = new QLineEdit(pictSchedule);
    p->addWidget(new QLabel(QStringLiteral("Room"), pictSchedule), 0, 0);
    p->addWidget(txtScheduleRoom2, 0, 1);
    const QPair<int, const char*> details[] = {{5, "Schedule Date"}, {2, "Starting Time"}, {3, "Length/Duration"}, {4, "Details"}};
    int r = 1;
    for (const auto& d : details) {
        txtDuration[d.first] = new QLineEdit(pictSchedule);
        txtDuration[d.first]->setReadOnly(true);
        p->addWidget(new QLabel(QString::fromLatin1(d.second), pictSchedule), r, 0);
        p->addWidget(txtDuration[d.first], r++, 1);
    }
    p->addWidget(cmdSaveSchedule[2], r, 1);
    pictSchedule->hide();
    g->addWidget(pictSchedule, 2, 0, 1, 2);
    connect(MonthView1, &QCalendarWidget::clicked, this, &frmFinal::MonthView1_DateClick);
    connect(Schedule1, &DaySchedule::BookingEvent, this, &frmFinal::Schedule1_BookingEvent);
    connect(cmdProcedure, &QPushButton::clicked, this, &frmFinal::cmdProcedure_Click);
    connect(Command1, &QPushButton::clicked, this, [this] { SearchDoctor(txtSurgeon); });
    connect(Command2, &QPushButton::clicked, this, [this] { SearchDoctor(txtAnesthesiologist); });
}

void frmFinal::LoadORRooms()
{
    try {
        Connection& c = SharedConnection();
        const QStringList rooms = WorkspaceData::OperatingRooms(c);
        Schedule1->ClearRooms();
        for (const QString& room : rooms) Schedule1->AddRoom(room);
        const WorkspaceData::ScheduleLayout layout = WorkspaceData::ReadScheduleLayout(c);
        if (layout.found) Schedule1->SetDayLayout(layout.start, layout.dayLength, layout.increment);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmFinal::ResetScheduleEntry()
{
    dtpSchedule->setDateRange(Session.ServerDate.date(), Session.ServerDate.date().addDays(6));
    dtpSchedule->setDate(Session.ServerDate.date());
    cboStartTime->setEditText(hourText(Session.ServerDate));
    txtScheduleRemarks->clear();
    LoadORSchedule();
    for (QLineEdit* b : {txtOperation[1], txtSurgeon[1], txtAnesthesiologist[1], txtOperation[0], txtSurgeon[0], txtAnesthesiologist[0]})
        b->clear();
}

void frmFinal::LoadORSchedule()
{
    Schedule1->ClearBookings();
    try {
        const QDate day = MonthView1->selectedDate();
        const Recordset rs = WorkspaceData::ScheduleOfDay(SharedConnection(), day);
        for (int r = 0; r < rs.recordCount(); ++r)
            Schedule1->AddBooking({QString(), day, rs.textAt(r, QStringLiteral("RoomName")),
                                   DbValue::toDateTime(rs.valueAt(r, QStringLiteral("StartTime"))),
                                   rs.valueAt(r, QStringLiteral("Length")).toInt(), rs.textAt(r, QStringLiteral("Description")),
                                   rs.textAt(r, QStringLiteral("CategoryName"))});
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmFinal::MonthView1_DateClick(const QDate& day)
{
    const int clicked = day.year() * 12 + day.month(), server = Session.ServerDate.date().year() * 12 + Session.ServerDate.date().month();
    if (clicked != server) {
        MsgBox(clicked < server ? QStringLiteral("Can't view last month's schedule.") : QStringLiteral("Can't view next month's schedule."),
               vbInformation, QStringLiteral("Notification"));
        MonthView1->setSelectedDate(Session.ServerDate.date());
        return;
    }
    ResetScheduleEntry();
}

void frmFinal::Schedule1_BookingEvent(int number)
{
    const DaySchedule::Booking b = Schedule1->CurrentBooking;
    if (b.text.isEmpty()) {
        Schedule1->ReleaseEvent(number);
        return;
    }
    txtScheduleRoom2->setText(b.room);
    txtDuration[5]->setText(b.date.toString(QStringLiteral("M/d/yyyy")));
    txtDuration[2]->setText(b.start.time().toString(QStringLiteral("h:mm:ss AP")));
    txtDuration[3]->setText(QString::number(b.length));
    txtDuration[4]->setText(b.text);
    pictSchedule->show();
}

bool frmFinal::SearchDoctor(QLineEdit* const* pair)
{
    if (!Session.CodeSearch || !OrSearchWarning([&] { return Session.CodeSearch->SearchListing(pair[1]->text(), 1); })) return false;
    pair[0]->setText(Session.CodeSearch->DoctorRecord.ResultCode);
    pair[1]->setText(Session.CodeSearch->DoctorRecord.LastName.trimmed() + QStringLiteral(" ,") + Session.CodeSearch->DoctorRecord.FirstName.trimmed());
    return true;
}

void frmFinal::cmdProcedure_Click()
{
    if (!Session.CodeSearch) return;
    Session.CodeSearch->OtherSectionID = QStringLiteral("OR");
    if (!OrSearchWarning([&] { return Session.CodeSearch->SearchListing(txtOperation[1]->text(), 21); })) return;
    txtOperation[0]->setText(Session.CodeSearch->OtherRevenueRecord.ResultCode);
    txtOperation[1]->setText(Session.CodeSearch->OtherRevenueRecord.OtherRevenue);
}

void frmFinal::cmdSaveSchedule_Click(int index)
{
    if (index == 2) {
        pictSchedule->hide();
        return;
    }
    if (index == 1) {
        cmdExit_Click();
        return;
    }
    if (txtOperation[0]->text().isEmpty() && txtSurgeon[0]->text().isEmpty()) {
        MsgBox(QStringLiteral("Can't save incomplete data."), vbInformation, QStringLiteral("Notification"));
        return;
    }
    ChartRequestData::ORRequest r;
    r.date = dtpSchedule->date();
    r.startTime = cboStartTime->currentText();
    r.patientName = txtPatient->text();
    r.procedureName = txtOperation[1]->text();
    r.surgeonName = txtSurgeon[1]->text();
    r.anesthesiologistName = txtAnesthesiologist[1]->text();
    r.idNum = txtID->text();
    r.employeeCode = Session.CurrentUser ? Session.CurrentUser->EmployeeCode() : QString();
    r.procedureCode = txtOperation[0]->text();
    r.surgeonCode = txtSurgeon[0]->text();
    r.anesthesiologistCode = txtAnesthesiologist[0]->text();
    r.hospNum = txtPno->text();
    r.stationID = Session.CurrentStationID.toString();
    r.remarks = txtScheduleRemarks->text();
    ChartRequestData::ORSaveResult result;
    try {
        result = ChartRequestData::SaveORRequest(SharedConnection(), r, Session.ServerDate);
    } catch (const std::exception& e) {
        ShowErrorNotice(e); // rolled back; the entry stays as typed
        return;
    }
    if (result == ChartRequestData::ORSaveResult::TimeRefused) {
        MsgBox(QStringLiteral("Invalid time of operation."), vbCritical, QStringLiteral("Message"));
        cboStartTime->setEditText(hourText(Session.ServerDate));
        return;
    }
    MsgBox(QStringLiteral("Schedule data successfully saved."), vbInformation, QStringLiteral("Notification"));
    ResetScheduleEntry();
    txtScheduleRemarks->clear();
}

bool frmFinal::ScheduleKey(QObject* watched, const QKeyEvent* key)
{
    const bool doctorBox = watched == txtSurgeon[1] || watched == txtAnesthesiologist[1];
    if (watched != txtOperation[1] && !doctorBox) return false;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        // Enter searches; a chosen doctor moves the focus on, the procedure box keeps it.
        if (watched == txtOperation[1]) cmdProcedure_Click();
        else if (SearchDoctor(watched == txtSurgeon[1] ? txtSurgeon : txtAnesthesiologist)) focusNextChild();
        return true;
    }
    return doctorBox && SendKeyInUpperCase(watched, key);
}
