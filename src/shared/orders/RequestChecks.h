#pragma once

class Connection;
// Checks an entry window makes before it accepts an exam, medicine or supply, or before it
// revokes a request. True always means stop: the caller takes the item back or does not revoke.
// All run on the connection they are given. Database failures reach the caller, whose action then stops:
// a check that could not be made never answers as if it had passed.
#include <QString>

// The same item is still pending for the admission: shows the pending-request notice.
bool CheckExamRequestStatus(Connection& c, const QString& idNum, const QString& itemCode, const QString& sectionCode);
// Processed today, and the user answers No to repeating it.
bool CheckExamProcessedToday(Connection& c, const QString& idNum, const QString& itemCode, const QString& sectionCode);
// Posted today, and the user answers No to repeating it.
bool CheckItemPostedToday(Connection& c, const QString& idNum, const QString& itemCode, const QString& sectionCode);
// The request belongs to another station, or was revoked or processed (each with its notice).
bool IsRequestClosed(Connection& c, const QString& refNum);
// Medicines of earlier requests are not yet administered (values sent untrimmed).
bool HasNotAdministeredMeds(Connection& c, const QString& idNum, const QString& itemCode, int mode);
// A department case under this reference number already has a result (status "D" or "W").
bool IsCathRequestStatusDOrW(Connection& c, const QString& refNum);
