#pragma once
#include <QDateTime>
#include <QString>

class Connection;

// What the workspace's gates and action bar read of the open patient's account.
namespace AccountState {

// The billing dates of the stay and of the visit under this admission number (invalid when not set
// or when there is no such row).
struct BillingDates {
    QDateTime admission, visit;
};
BillingDates ReadBillingDates(Connection& c, const QString& idNum);

// True when the billing date of the stay ("I") or of the visit (any other type) under this
// admission number is set. A null date, or the server's zero date (1900-01-01 or earlier), is open.
bool AccountClosed(Connection& c, const QString& idNum, const QString& patientType);

// Re-reads the patient search's record of that kind (the admission for an in-patient, else the
// out-patient visit), so that what the billing office changed meanwhile is seen.
void RefreshPatientRecord(bool inPatient);

} // namespace AccountState
