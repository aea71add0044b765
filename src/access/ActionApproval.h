#pragma once
// The approval steps of a posting or cancellation: the acting user's validation with a reason,
// then, when the hospital asks for it, a supervisor's code. Each step is shown again while the
// user answers Yes to the window's question; No stops the action.
#include <QString>

// Shows the user validation with its reason frame until a user is validated (True: the user is
// in ValidatedUserID, the reason in CancelReason) or the question is answered No (False).
bool ValidateUserWithReason(const QString& question, int questionStyle);
// The same validation for any action: after each refusal or cancel the question (Yes/No,
// information icon, the given title) is asked, and No ends it. postOrCancel 1 also takes the
// reason of cancellation. True when DialogAnswers.ValidatedUserID holds the acting user.
bool ValidateActingUser(int postOrCancel, const QString& retryQuestion, const QString& title);
// With supervisor codes on, shows the supervisor's dialog until one approves (True) or the
// question is answered No (False); with them off, empties SupervisorUserID and answers True.
bool ApproveBySupervisor(const QString& question, int questionStyle);
