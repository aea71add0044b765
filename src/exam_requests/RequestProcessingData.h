#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

class Connection;
class Recordset;

// The department's side of the requests other stations send it (the communication file and its
// log-book lines): listing, revoking, processing and printing marks. Plain functions over the
// connection; errors reach the caller.
namespace RequestProcessingData {

// The department's open requests (a null status is open), as the communication file lists them.
Recordset OpenRequests(Connection& c, const QString& revenueID);
// Revokes the request while it is still open; False when it was processed or revoked meanwhile
// (then nothing changed).
bool RevokeOpenRequest(Connection& c, const QString& requestNum, const QString& userID, const QString& reason);
// Marks the request's form printed.
void MarkPrinted(Connection& c, const QString& requestNum);

// The admission's open requests to the department, as the processing window lists them.
Recordset RequestsForProcessing(Connection& c, const QString& idNum, const QString& revenueID);

// What the processing window shows of the patient.
struct ProcessingHeader {
    QString hospNum, sex, birthDate, admissionDate, age, room, company;
    bool found = false;
};
ProcessingHeader LoadProcessingHeader(Connection& c, const QString& idNum, const QString& hospNum);

// One row to process: its request number and description (for the messages).
struct ProcessRow {
    QString requestNum, description;
};
struct ProcessOutcome {
    QVector<ProcessRow> processed; // in grid order
    QVector<ProcessRow> changed;   // processed or revoked elsewhere meanwhile: left as they were
};
// Processes the rows in one transaction: each still-open request becomes processed and flagged for
// charging, with the requesting doctor, and its log-book line gets the processing user and date;
// with markPrinted the request's form is also marked printed. A failure leaves nothing processed.
ProcessOutcome ProcessRequests(Connection& c, const QVector<ProcessRow>& rows, const QString& userID, const QDateTime& processDate,
                               const QString& doctorID, const QString& doctorName, bool markPrinted);

// The confirmed operation schedules and their revocation (False: the schedule was no longer
// confirmed, or its time had come, when the revocation reached it).
Recordset ConfirmedSchedules(Connection& c);
bool RevokeConfirmedSchedule(Connection& c, const QString& requestNo, const QString& idNum, const QString& employeeCode);

} // namespace RequestProcessingData
