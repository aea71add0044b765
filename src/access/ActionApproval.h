#pragma once
// The approval of a cancellation after the acting user's validation (UserValidation.h): the room
// its reason has, then, when the hospital asks for it, a supervisor's code, shown again while the
// user answers Yes to the window's question; No stops the action.
#include <QString>

// The room a reason has in the column it is stored in; when a supervisor may approve the action,
// the approval's word goes in front of it and takes its share (table as the statements name it).
int ReasonRoom(const QString& houseTable, const QString& column, bool supervisorApproves);

// With supervisor codes on, shows the supervisor's dialog until one approves (True) or the
// question is answered No (False); with them off, empties SupervisorUserID and answers True.
bool ApproveBySupervisor(const QString& question, int questionStyle, const QString& title = QStringLiteral("Confirmation"));
