#pragma once
#include <QString>

class Connection;

// The statements of the department case actions. Each returns the number of rows it changed, so
// that the action reports what really happened. Errors reach the caller as DbError.
namespace CaseActionsData {
// A pending request to admit the patient of an out-patient visit (none when one is pending).
int TagForAdmission(Connection& conn, const QString& hospNum, const QString& idNum, const QString& userId);
// The active case of that number becomes discharged from the department.
int DischargeCase(Connection& conn, const QString& cathLabNum, const QString& userId);
// Every case of the admission that is not yet revoked becomes revoked.
int RevokeRegistration(Connection& conn, const QString& idNum, const QString& userId);
}
