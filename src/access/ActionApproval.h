#pragma once
// The approval steps of a posting or cancellation: the acting user's validation with a reason,
// then, when the hospital asks for it, a supervisor's code. Each step is shown again while the
// user answers Yes to the window's question; No stops the action.
#include <QString>

// The room a reason has in the column it is stored in; when a supervisor may approve the action,
// the approval's word goes in front of it and takes its share (table as the statements name it).
int ReasonRoom(const QString& houseTable, const QString& column, bool supervisorApproves);

// Shows the user validation with its reason frame until a user is validated (True: the user is
// in ValidatedUserID, the reason in CancelReason) or the question is answered No (False). The
// reason box takes at most reasonMaxLength characters (ReasonRoom).
bool ValidateUserWithReason(const QString& question, int questionStyle, int reasonMaxLength);
// The same validation for any action: after each refusal or cancel the question (Yes/No,
// information icon, the given title) is asked, and No ends it. postOrCancel 1 also takes the
// reason of cancellation, at most reasonMaxLength characters. True when
// DialogAnswers.ValidatedUserID holds the acting user.
bool ValidateActingUser(int postOrCancel, const QString& retryQuestion, const QString& title, int reasonMaxLength = 0);
// Shows the validation once in cancelling mode with the reason box limited (the callers that ask
// their own question after it).
void ShowValidationWithReason(int reasonMaxLength);
// With supervisor codes on, shows the supervisor's dialog until one approves (True) or the
// question is answered No (False); with them off, empties SupervisorUserID and answers True.
bool ApproveBySupervisor(const QString& question, int questionStyle);
