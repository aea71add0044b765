#pragma once
// The database work of the medicine and supply requests and of the pharmacy transcription notes:
// plain functions over the connection they are given. Database errors reach the caller.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class Connection;
class Recordset;

namespace MedicationRequestData {

// One request row as the grid holds it.
struct RequestRow {
    QString code, description, dosage, quantity, amount, remarks, stat, genericFlag;
};

// The request as a whole: who, for whom, to which department.
struct RequestSave {
    QString hospNum, idNum, patientType, revenue, doctorId, doctorName, userId, stationId;
    // A supervisor's approval given during this save (empty when none): each row then gets a note
    // for the billing office that the cash-basis rule was passed by.
    QString supervisorUserId, cancelReason;
};

// Writes every row as one request through the ward's log book, in one transaction, and returns
// each row's request number as the log book gave it. Nothing stays written when a row fails.
QStringList SaveRequests(Connection& c, const RequestSave& in, const QList<RequestRow>& rows);

// Whether the stay (or, for an admission number ending in "B", the visit) is charged to an
// account other than the patient's own.
bool HasCompanyAccount(Connection& c, const QString& idNum);
// The company price of an item at a stock location; none when the item has no company price there.
std::optional<double> CompanyPrice(Connection& c, const QString& code, const QString& location);
// The notice an item is tagged with ("ITEM IS TAGGED AS HIGH ALERT!" ...), "" when none.
QString HighAlertNotice(Connection& c, const QString& code);
// Brings the patient's list of issued medicines up to date.
void InsertPatientMedicines(Connection& c, const QString& idNum);

// The request transactions of an admission and department (date-time, nurse, items, key), latest
// first, and the requests of one transaction (code, description, dosage, quantity, remarks).
Recordset RequestTransactions(Connection& c, const QString& revenue, const QString& idNum);
Recordset RequestItems(Connection& c, const QString& revenue, const QString& idNum, const QString& transactionKey);

// One transcribed medicine.
struct TranscriptionRow {
    QString code, description, dosage, quantity, amount, remarks, genericFlag;
};
struct TranscriptionSave {
    QString hospNum, idNum, doctorCode, userCode, stationId, room;
};
// Writes the rows as transcription notes under one new transcription number ("AS" and the
// counter's value, the counter raised by one inside the same transaction) and returns that
// number; "" without rows (no number is taken). A counter table without its row is an error.
QString SaveTranscriptionNotes(Connection& c, const TranscriptionSave& in, const QList<TranscriptionRow>& rows);
// The transcription notes of an admission with their status.
Recordset TranscriptionStatus(Connection& c, const QString& idNum);
void RevokeTranscriptionNote(Connection& c, const QString& idNum, const QString& code, const QString& number);
// Why a note of this status may not be revoked ("" when it may): revoked, or processed by the
// pharmacy (a status starting with "OR"). The status is trimmed; letter case counts.
QString TranscriptionRevokeRefusal(const QString& status);

} // namespace MedicationRequestData
