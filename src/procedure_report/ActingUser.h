#pragma once
#include <QString>

// The user validation of an action, then the right on the user who validated (the one recorded
// as acting). Returns that user's ID; "" when the validation was refused or cancelled (nothing
// more is said) or the right is missing (the refusal is shown, titled "Notification"). A failed
// right check shows the common error notice and counts as missing.
QString ValidatedUserWithRight(const QString& right, const QString& refusal);
