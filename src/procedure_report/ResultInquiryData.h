#pragma once
#include "platform/db/Recordset.h"

class Connection;

// The result inquiry's two lists.
namespace ResultInquiryData {
// Patients with department requests (Clinical_Area..GetCL_ResultList): last name, hospital and
// admission number as typed, the request date ("mm/dd/yyyy" or "" for all), the status.
Recordset SearchPatients(Connection& c, const QString& lastName, const QString& hospNum, const QString& idNum,
                         const QString& date, const QString& status);
// The department's exams of one admission (Clinical_Area..GetCLPatientExams).
Recordset LoadPatientExams(Connection& c, const QString& idNum, const QString& mainRevenueID);
// A date of the lists ("mm/dd/yyyy hh:mm:ss AM/PM") as "mm/dd/yyyy"; other text unchanged.
QString ShortDateOf(const QString& listDate);
}
