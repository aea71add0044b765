#pragma once

class Connection;
// Yes/no questions the entry windows ask about a patient's account and stay before they add,
// price, post or revoke anything. A check that traps its own errors shows the common error notice
// and then answers so that the caller's action stops (never "passed").
#include <QString>

// True, after the warning, when billing has closed the chosen patient's account (refreshed from
// the patient search first). Errors reach the caller.
bool IsAccountClosed(Connection& c);
// The same for the stay of an admission number (a window's own patient, whatever the lists select
// meanwhile). Errors reach the caller.
bool IsAccountClosed(Connection& c, const QString& idNum);
// The account text of the header: company names or "PERSONAL", two joined by "/". Errors skip
// the failing look-up.
QString GetPatientAccount(Connection& c, const QString& idNum);
bool NeedsReceivableUpdate(Connection& c, const QString& idNum);                                   // errors reach the caller
bool IsDepartmentCleared(Connection& c, const QString& idNum, const QString& departmentID);      // errors reach the caller
bool HasDischargeNotice(Connection& c, const QString& idNum);        // error: True (requests refused)
bool HasCathLabCharges(Connection& c, const QString& hospNum, const QString& idNum); // error: True (revocation refused)
bool HasOpenCommunication(Connection& c, const QString& idNum);      // error: True (revocation refused)
bool IsCF4Required(Connection& c, const QString& idNum);             // error: True (the claim-form rules apply)
bool IsValidPHICPatient(Connection& c, const QString& idNum);        // error: True (asked only by IsCF4Required)
bool IsInternationalPatient(Connection& c, const QString& idNum);    // error: False
bool LookUpInternationalPatient(Connection& c, const QString& idNum); // errors reach the caller
