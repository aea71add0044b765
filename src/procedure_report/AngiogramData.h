#pragma once
#include "platform/db/Recordset.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

class Connection;

// The database work of the coronary angiogram result entry. Errors reach the caller as DbError.
namespace AngiogramData {

// The saved result of a request (Clinical_Area..GetAngiogramResult): no row when there is none.
Recordset LoadAngiogramResult(Connection& c, const QString& requestNo);
// The exam's interpretation template (RTF); "" when the exam has none.
QString LoadInterpretationTemplate(Connection& c, const QString& examID);
// The rooms in use, in the server's order.
QStringList LoadCathLabRooms(Connection& c);

// Height (centimetres), weight and race of the patient of a stay or visit, as stored. found is
// false when the stay (or, for an out-patient, the visit) is not on file; an out-patient's
// history is read all the same.
struct PatientMeasurements {
    bool found = false;
    QString height, weight, race;
};
PatientMeasurements LoadPatientMeasurements(Connection& c, const QString& idNum, const QString& hospNum);

// One save of the result: the record in the save procedure's 32 positions, the generic result
// row unless the station keeps results out of it, and the height and weight of the stay's history.
struct ResultSave {
    QVariantList record;            // the 32 values, mode second, acting user eleventh
    QString requestNo, refNo, hospNum, idNum, examID, userID;
    QString rtf, fixedRtf;          // the result text as the box gives it, and as stored
    QString mainRevenueID;
    bool toGenericTable = true;
    QString weight;                 // as typed
    QString heightCentimetres;      // two decimals
};
// One transaction: a failure leaves nothing written. The history keeps its height when no height
// was entered (0 cm) and its weight when the weight is blank or not a number.
void SaveAngiogramResult(Connection& c, const ResultSave& save);

// Moves the result of a request to the history table and puts the request back to "no result",
// in one transaction, then writes the station log line "DELETED CATHLAB RESULT" (station
// "CATHLAB"). Throws DbError, with nothing changed, when the request has no saved result.
void DeleteAngiogramResult(Connection& c, const QString& requestNo, const QString& idNum, bool fromGenericTable,
                           const QString& userID);

// True when the RVS code is listed for the exam (Clinical_Area..tbCLRVS).
bool IsRVSValidForExam(Connection& c, const QString& code, const QString& examID);

} // namespace AngiogramData
