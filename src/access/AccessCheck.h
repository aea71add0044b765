#pragma once
#include <QString>
#include <optional>

class Connection;

// The check both access dialogs make: may this user, with this access code, act for the station?
// The code is enciphered before it is sent; user ID, code and station are trimmed. Returns the
// user's full name ("LAST, FIRST MIDDLE") when the database finds a row, nothing otherwise.
// Database errors reach the caller as DbError.
std::optional<QString> CheckUserDepartmentAccess(Connection& c, const QString& userId, const QString& accessCode,
                                                 const QString& stationId);

// The stored user's full name as the access check gives it: "LAST, FIRST MIDDLE".
QString UserFullName(const QString& lastName, const QString& firstName, const QString& middleName);

// "Unauthorized user for this department(CL-CATH LABORATORY)" for the current station.
QString UnauthorizedUserText();

// The reason for a cancellation as it is kept: every line break of the box (carriage return and
// line feed, one blank each) turned to blanks, then trimmed.
QString ReasonFromBox(const QString& boxText);
// Whether the box holds no reason: line breaks removed, then trimmed, nothing is left.
bool ReasonIsBlank(const QString& boxText);
// Adds a standard remark to the reason: nothing when the reason already contains it, else after
// ", " when the reason is not blank.
QString AppendRemark(const QString& reason, const QString& remark);
