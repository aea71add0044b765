#pragma once
#include <QString>

// Shows the user validation until a user passes it or the user gives up: after each refusal or
// cancel the question (Yes/No, information icon) is asked, and No ends it. postOrCancel 1 also
// takes the reason of cancellation. True when DialogAnswers.ValidatedUserID holds the acting user.
bool ValidateActingUser(int postOrCancel, const QString& retryQuestion, const QString& title);
