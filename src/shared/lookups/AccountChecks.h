#pragma once
// Yes/no questions the entry windows ask about a patient's account and stay before they add,
// price, post or revoke anything. A check that traps its own errors shows the common error notice
// and then answers so that the caller's action stops (never "passed").
#include <QString>

// True, after the warning, when billing has closed the chosen patient's account (refreshed from
// the patient search first). Errors reach the caller.
bool IsAccountClosed();
// The account text of the header: company names or "PERSONAL", two joined by "/". Errors skip
// the failing look-up.
QString GetPatientAccount(const QString& idNum);
bool NeedsReceivableUpdate(const QString& idNum);                                   // errors reach the caller
bool IsDepartmentCleared(const QString& idNum, const QString& departmentID);      // errors reach the caller
bool HasDischargeNotice(const QString& idNum);        // error: True (requests refused)
bool HasCathLabCharges(const QString& hospNum, const QString& idNum); // error: True (revocation refused)
bool HasOpenCommunication(const QString& idNum);      // error: True (revocation refused)
bool IsCF4Required(const QString& idNum);             // error: True (the claim-form rules apply)
bool IsValidPHICPatient(const QString& idNum);        // error: True (asked only by IsCF4Required)
bool IsInternationalPatient(const QString& idNum);    // error: False
bool LookUpInternationalPatient(const QString& idNum); // errors reach the caller
