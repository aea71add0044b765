#pragma once
#include <QString>

// Shows the user validation dialog (in its cancelling mode, which also takes the reason, when
// postOrCancel is 1, with a reason of at most reasonMaxLength characters) and returns the
// validated user, trimmed; empty when refused or closed.
QString AskValidatedUser(int postOrCancel, int reasonMaxLength = 0);
