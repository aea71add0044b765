#pragma once
#include <QDateTime>
#include <QString>

class Connection;

// Saves of the operating-room request, the diet change and the precautions, as plain functions.
// Each runs in one transaction: an error rolls everything back and reaches the caller.
namespace ChartRequestData {

// The starting time typed in the request ("9:00:00 AM", "9:30 AM"); invalid when it does not read
// as a time of day.
QTime ReadStartTime(const QString& typed);

struct ORRequest {
    QDate date;          // day of the operation
    QString startTime;   // as typed
    QString patientName, procedureName, surgeonName, anesthesiologistName;
    QString idNum, employeeCode, procedureCode, surgeonCode, anesthesiologistCode, hospNum, stationID, remarks;
};
// "mm/dd/yyyy " followed by the starting time as typed.
QString ScheduleText(const ORRequest& r);
// "Patient Name :…" description of the request (ends in a blank).
QString ScheduleDescription(const ORRequest& r);

enum class ORSaveResult { Saved, TimeRefused };
// Reads the server time (written to serverTime) and, when the schedule is later than it taken to the
// whole second, sends the request; both inside one transaction. A refused time sends nothing.
ORSaveResult SaveORRequest(Connection& c, const ORRequest& r, QDateTime& serverTime);

struct CurrentDiet {
    bool found = false;
    QString dietID, remarks;
};
// The admission's diet record.
CurrentDiet ReadCurrentDiet(Connection& c, const QString& idNum);
// True when the catalogue knows this diet name under this code.
bool DietNameMatches(Connection& c, const QString& dietID, const QString& dietName);

struct DietChange {
    QString idNum, hospNum, dietID, remarks, validatedUserName, extraMeal;
    QDateTime when;
    QString logRemarks, validatedUserID, stationID;
};
// The new diet and its station-log line in one transaction. The remarks' apostrophes become back-ticks.
void SaveDiet(Connection& c, const DietChange& d);

// The precautions of the stay's or visit's history row and the station-log line, in one transaction.
// False when the stay or visit has no history row: nothing is changed and nothing logged.
bool SavePrecautions(Connection& c, const QString& idNum, const QString& text, const QString& userID, const QString& stationID);

} // namespace ChartRequestData
