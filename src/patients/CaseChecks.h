#pragma once
#include <QString>

// The checks and the user validation the department case actions and the registration pick ask
// for, gathered in one place.
namespace CaseChecks {
// Shows the user validation dialog (no reason box) and returns the validated user ID, trimmed;
// empty when the user cancelled or was refused.
QString AskUserValidation();
// The shared look-ups: each shows the common error notice on a database error and then answers so
// that the action stops. The confinement check tells the user when the patient is confined.
bool IsCurrentlyConfined(const QString& hospNum);
bool HasOpenCathCase(const QString& hospNum);
bool HasCathLabCharges(const QString& hospNum, const QString& idNum);
bool HasOpenCommunication(const QString& idNum);
// The active case number of the admission; " A U T O " when none, "" after a database error.
QString GetCathLabNum(const QString& idNum);
}
