#pragma once
#include "platform/db/Recordset.h"

#include <QString>
#include <optional>

class Connection;

// The requests to admit out-patients (PATIENT_DATA..tbER_Admitting_Communication). Errors reach
// the caller as DbError.
namespace AdmissionRequestData {
// The department's requests, as the list shows them (the 3rd column the visit's admission number,
// the 12th the status text).
Recordset PatientsForAdmission(Connection& conn);
// The status of the visit's requests: "A" when one was admitted, else "" when one is pending,
// else the status of the others; no value when the visit has no request.
std::optional<QString> RequestStatus(Connection& conn, const QString& opdIdNum);
// Revokes the visit's pending requests; returns how many.
int RevokePendingRequests(Connection& conn, const QString& opdIdNum);
}
