#pragma once
#include <QString>

class Connection;

// What the main window asks of the database: the requests waiting for the department, the
// discharge notices waiting for its clearance, and the packages charged to one admission.
// Errors reach the caller as DbError.

// Whether a request waits for the department: with EnableCLSched a pending schedule request,
// otherwise an open row of the communication file under the department's main revenue code.
bool QueryPendingRequests(Connection& c);

// The number of discharge notices waiting for the department (STATION..spCL_LoadDischargeNoticeCount).
int LoadDischargeNoticeCount(Connection& c);

// The distinct packages posted in the department's log book for the admission (trimmed).
int CountLogbookPackages(Connection& c, const QString& idNum);

// The shared routine: QueryPendingRequests with its failure shown as the common error notice
// (then False).
bool HasPendingRequests(Connection& c);
