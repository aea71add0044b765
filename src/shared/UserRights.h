#pragma once
#include <QString>

class Connection;

// Rights are kept per employee as one text in which every right number is preceded by "|"
// (STATION..tbNurseUserRights). They are read afresh at each check, so a change takes effect at
// the next action without a new log-in.

// True when the employee holds the right. A blank employee means the workstation user (the log-in
// component's EmployeeCode). Database errors reach the caller as DbError.
bool HasUserRight(Connection& c, const QString& rightID, const QString& employeeID = QString());

// The employee's rights text as stored; no row or a null column gives "". Errors reach the caller.
QString ReadUserRightsText(Connection& c, const QString& employeeID);

// Whether a rights text holds the right: the text is split at "|", whatever stands before the
// first "|" is skipped, and whole elements are compared, each trimmed, case-sensitively.
bool RightsTextHolds(const QString& rightsText, const QString& rightID);
