#pragma once

class Connection;
// Yes/no questions the entry windows ask about a patient's account and stay before they add,
// price, post or revoke anything. A check that traps its own errors shows the common error notice
// and then answers so that the caller's action stops (never "passed").
#include <QString>

// True when billing has closed the account of the admission number: the billing date of the stay
// (patient type "I") or of the out-patient visit (any other type) is set. A null date, or the
// hospital's "no date" (1900-01-01 or earlier), is open. Errors reach the caller.
bool AccountClosed(Connection& c, const QString& idNum, const QString& patientType);
// The same, with the warning when it is closed (the entry windows' saves and revocations).
bool IsAccountClosed(Connection& c, const QString& idNum, const QString& patientType);
// The account text of the header: company names or "PERSONAL", two joined by "/". Errors skip
// the failing look-up.
QString GetPatientAccount(Connection& c, const QString& idNum);
bool NeedsReceivableUpdate(Connection& c, const QString& idNum);                                   // errors reach the caller
bool IsDepartmentCleared(Connection& c, const QString& idNum, const QString& departmentID);      // errors reach the caller
// Errors of these reach the caller; the window shows the notice and answers as noted.
bool HasDischargeNotice(Connection& c, const QString& idNum);        // window after an error: True (requests refused)
bool HasCathLabCharges(Connection& c, const QString& hospNum, const QString& idNum); // window: True (revocation refused)
bool HasOpenCommunication(Connection& c, const QString& idNum);      // window: True (revocation refused)
bool IsCF4Required(Connection& c, const QString& idNum);             // window: True (the claim-form rules apply)
bool IsValidPHICPatient(Connection& c, const QString& idNum);        // asked only by IsCF4Required
bool IsInternationalPatient(Connection& c, const QString& idNum);    // window: False
