#include "workspace/ChartData.h"

#include "platform/db/Connection.h"

namespace ChartData {

QString ShiftOfHour(int hour)
{
    if (hour >= 6 && hour <= 14) return QStringLiteral("6AM-2PM");
    if (hour >= 15 && hour <= 22) return QStringLiteral("2PM-10PM");
    return QStringLiteral("10PM-6AM");
}

QString NoteDateTime(const QDate& date, const QTime& time)
{
    return date.toString(QStringLiteral("MM/dd/yyyy")) + time.toString(QStringLiteral(" hh:mm:ss AP"));
}

Recordset GetNotes(Connection& c, const QString& idNum)
{
    return c.call(QStringLiteral("STATION..Nurse_GetNotes"), {idNum});
}

void SaveNote(Connection& c, const QString& idNum, const QDate& date, const QTime& time, const QString& text,
              const QString& shift, const QString& userID, const QString& stationID)
{
    QString note = text;
    note.replace(QLatin1Char('\''), QLatin1Char('`'));
    TransactionGuard tx(c);
    c.call(QStringLiteral("STATION..Nurse_SaveNursingNotes"), {idNum, NoteDateTime(date, time), note, shift, userID, stationID});
    tx.commit();
}

bool OwnsNote(Connection& c, const QString& transNum, const QString& userID)
{
    return !c.query(QStringLiteral("SELECT 1 FROM STATION..tbNurseNotes WHERE TransNum = ? AND UserID = ? LIMIT 1"),
                    {transNum.trimmed().toLongLong(), userID.trimmed()})
                .isEmpty();
}

Note ReadNote(Connection& c, const QString& transNum)
{
    Note n;
    Recordset rs = c.query(QStringLiteral("SELECT Transdate, Dayshift, Notes FROM STATION..tbNurseNotes WHERE TransNum = ?"),
                           {transNum.trimmed().toLongLong()});
    if (rs.isEmpty()) return n;
    n.found = true;
    n.when = rs.toDateTime(QStringLiteral("Transdate"));
    n.shift = rs.text(QStringLiteral("Dayshift"));
    n.text = rs.text(QStringLiteral("Notes"));
    return n;
}

void UpdateNote(Connection& c, const QString& shift, const QDate& date, const QTime& time, const QString& text,
                const QString& transNum)
{
    QString note = text;
    note.replace(QLatin1Char('\''), QLatin1Char('`'));
    TransactionGuard tx(c);
    c.call(QStringLiteral("STATION..sp_Nurse_Update_NurseNotes_New"), {shift.trimmed(), NoteDateTime(date, time), note, transNum.trimmed()});
    tx.commit();
}

} // namespace ChartData

namespace ChartData {

QString VitalQuestion(VitalBox box, double v)
{
    switch (box) {
    case VitalBox::Systolic: return (v > 200 || v < 70) ? QStringLiteral("Is this entry correct?") : QString();
    case VitalBox::Diastolic: return (v > 150 || v < 50) ? QStringLiteral("Is this entry correct?") : QString();
    case VitalBox::Temperature: return (v > 41 || v < 35) ? QStringLiteral("Is this Entry Correct ?") : QString();
    case VitalBox::Respiratory: return v > 100 ? QStringLiteral("Is this entry correct?") : QString();
    case VitalBox::Pulse: return (v > 110 || v < 50) ? QStringLiteral("Is this entry correct?") : QString();
    }
    return {};
}

void SaveVitalSigns(Connection& c, const QString& idNum, const QDateTime& serverTime, const QString& systolic,
                    const QString& diastolic, const QString& temperature, const QString& pulse, const QString& respiratory,
                    const QString& employeeCode)
{
    const QString bp = systolic.trimmed() + QStringLiteral("/") + diastolic.trimmed();
    TransactionGuard tx(c);
    c.call(QStringLiteral("STATION..Nurse_UpdateVitalSigns"),
           {idNum, serverTime.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP")), bp, temperature, pulse, respiratory, employeeCode});
    tx.commit();
}

} // namespace ChartData
