// Stand-ins of the STATION procedures behind the nurses' notes.
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Procedures.h"

#include <QDateTime>

namespace {

QDateTime noteTime(const QString& text)
{
    return QDateTime::fromString(text.trimmed(), QStringLiteral("MM/dd/yyyy hh:mm:ss AP"));
}

// Argument: admission number. Columns: date-time, shift, nurse's name, user ID, TransNum; newest first.
Recordset getNotes(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT N.Transdate, N.Dayshift, COALESCE(P.LastName || ', ' || P.FirstName, N.UserID) AS EnteredBy, "
                                  "N.UserID, N.TransNum FROM STATION..tbNurseNotes N LEFT OUTER JOIN PASSWORD..tbPasswordMain P "
                                  "ON P.EmployeeID = N.UserID WHERE N.IDNum = ? ORDER BY N.Transdate DESC, N.TransNum DESC"),
                   {a.text(0)});
}

// Arguments: admission number, date-time text, note, shift, user ID, station ID.
Recordset saveNote(Connection& c, const ProcedureArgs& a)
{
    const QDateTime when = noteTime(a.text(1));
    if (!when.isValid()) throw DbError(QStringLiteral("Invalid date of the note: ") + a.text(1));
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurseNotes (IDNum, Transdate, Notes, Dayshift, UserID, StationID) "
                             "VALUES (?, ?, ?, ?, ?, ?)"),
              {a.text(0), when, a.text(2), a.text(3), a.text(4), a.text(5)});
    return {};
}

// Arguments: shift, date-time text, note, TransNum.
Recordset updateNote(Connection& c, const ProcedureArgs& a)
{
    const QDateTime when = noteTime(a.text(1));
    if (!when.isValid()) throw DbError(QStringLiteral("Invalid date of the note: ") + a.text(1));
    c.execute(QStringLiteral("UPDATE STATION..tbNurseNotes SET Dayshift = ?, Transdate = ?, Notes = ? WHERE TransNum = ?"),
              {a.text(0), when, a.text(2), a.text(3).trimmed().toLongLong()});
    return {};
}

} // namespace

CATHLAB_PROCEDURE("STATION..Nurse_GetNotes", getNotes);
CATHLAB_PROCEDURE("STATION..Nurse_SaveNursingNotes", saveNote);
CATHLAB_PROCEDURE("STATION..sp_Nurse_Update_NurseNotes_New", updateNote);

namespace {
// Arguments: admission number, date-time text, blood pressure, temperature, pulse rate,
// respiratory rate, encoder.
Recordset updateVitalSigns(Connection& c, const ProcedureArgs& a)
{
    const QDateTime when = noteTime(a.text(1));
    if (!when.isValid()) throw DbError(QStringLiteral("Invalid date of the vital signs: ") + a.text(1));
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurseVitalSigns (IDNum, TransDate, BloodPressure, Temperature, PulseRate, "
                             "RespiratoryRate, UserID) VALUES (?, ?, ?, ?, ?, ?, ?)"),
              {a.text(0), when, a.text(2), a.text(3), a.text(4), a.text(5), a.text(6)});
    return {};
}
}

CATHLAB_PROCEDURE("STATION..Nurse_UpdateVitalSigns", updateVitalSigns);
