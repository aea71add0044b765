#pragma once
#include <QDateTime>
#include <QString>

class Connection;
class Recordset;

// Database work of the chart pages of the workspace, as plain functions.
namespace ChartData {

// The shift a note written at this hour belongs to: 6 to 14 "6AM-2PM", 15 to 22 "2PM-10PM",
// 23 and 0 to 5 "10PM-6AM".
QString ShiftOfHour(int hour);
// "mm/dd/yyyy hh:mm:ss AM/PM" of a date and a time.
QString NoteDateTime(const QDate& date, const QTime& time);

Recordset GetNotes(Connection& c, const QString& idNum);
// One note in one transaction; apostrophes become back-ticks. Errors reach the caller, rolled back.
void SaveNote(Connection& c, const QString& idNum, const QDate& date, const QTime& time, const QString& text,
              const QString& shift, const QString& userID, const QString& stationID);
bool OwnsNote(Connection& c, const QString& transNum, const QString& userID);
struct Note {
    bool found = false;
    QDateTime when;
    QString shift, text;
};
Note ReadNote(Connection& c, const QString& transNum);
// The edited note in one transaction; apostrophes become back-ticks. Errors reach the caller, rolled back.
void UpdateNote(Connection& c, const QString& shift, const QDate& date, const QTime& time, const QString& text,
                const QString& transNum);

} // namespace ChartData

namespace ChartData {
// The entry boxes of the vital signs, in tab order.
enum class VitalBox { Systolic, Diastolic, Temperature, Respiratory, Pulse };
// The question Enter asks for this value ("" when it is within range).
QString VitalQuestion(VitalBox box, double value);
// One set in one transaction. Errors reach the caller, rolled back.
void SaveVitalSigns(Connection& c, const QString& idNum, const QDateTime& serverTime, const QString& systolic,
                    const QString& diastolic, const QString& temperature, const QString& pulse, const QString& respiratory,
                    const QString& employeeCode);
}
