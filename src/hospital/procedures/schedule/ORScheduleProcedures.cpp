// Stand-ins of the SCHEDULE procedures behind the operating-room schedule request.
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Procedures.h"

#include <QDateTime>

namespace {

Recordset listRooms(Connection& c, const ProcedureArgs&)
{
    return c.query(QStringLiteral("SELECT RoomName FROM SCHEDULE..tbORRooms ORDER BY SortOrder, RoomName"));
}

// Argument: the day ("mm/dd/yyyy", maybe with a trailing blank). The day's bookings.
Recordset daySchedule(Connection& c, const ProcedureArgs& a)
{
    const QDate day = QDate::fromString(a.text(0).trimmed(), QStringLiteral("MM/dd/yyyy"));
    return c.query(QStringLiteral("SELECT RoomName, StartTime, Length, Description, CategoryName FROM SCHEDULE..tbORSchedule "
                                  "WHERE StartTime >= ? AND StartTime < ? ORDER BY StartTime, RoomName"),
                   {QDateTime(day, QTime(0, 0)), QDateTime(day.addDays(1), QTime(0, 0))});
}

Recordset transactionDate(Connection& c, const ProcedureArgs&)
{
    return c.query(QStringLiteral("SELECT GETDATE() AS Tdate"));
}

// Eleven arguments: schedule date-time text, description, the date-time text again, admission
// number, employee code, procedure, surgeon and anesthesiologist codes, hospital number, station,
// remarks.
Recordset saveRequest(Connection& c, const ProcedureArgs& a)
{
    const QString when = a.text(0).trimmed();
    QDateTime dt = QDateTime::fromString(when, QStringLiteral("MM/dd/yyyy h:mm:ss AP"));
    if (!dt.isValid()) dt = QDateTime::fromString(when, QStringLiteral("MM/dd/yyyy h:mm AP"));
    if (!dt.isValid()) throw DbError(QStringLiteral("Invalid schedule date: ") + when);
    c.execute(QStringLiteral("INSERT INTO SCHEDULE..tbORRequest (ScheduleDate, Description, ScheduleText, IDNum, UserID, ProcedureCode, "
                             "SurgeonCode, AnesthesiologistCode, HospNum, StationID, Remarks) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              {dt, a.text(1), a.text(2), a.text(3), a.text(4), a.text(5), a.text(6), a.text(7), a.text(8), a.text(9), a.text(10)});
    return {};
}

} // namespace

CATHLAB_PROCEDURE("SCHEDULE..sp_List_ORRooms", listRooms);
CATHLAB_PROCEDURE("SCHEDULE..sp_Get_ORSCHEDULE", daySchedule);
CATHLAB_PROCEDURE("SCHEDULE..sp_Get_TransactionDate", transactionDate);
CATHLAB_PROCEDURE("SCHEDULE..sp_Save_RequestORSchedule", saveRequest);
