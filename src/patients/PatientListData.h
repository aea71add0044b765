#pragma once
#include "platform/db/Recordset.h"

#include <QString>

class Connection;

// The look-ups of the patient list windows. Errors reach the caller as DbError.
namespace PatientListData {
// The station's in-patients (inPatients) or out-patients: eight columns, in the order the list
// grid shows them. The three search texts go in exactly as typed.
Recordset StationPatients(Connection& conn, bool inPatients, const QString& lastName, const QString& hospNum,
                          const QString& idNum);
// The department's cases, with the same eight columns.
Recordset CathLabCases(Connection& conn, const QString& lastName, const QString& hospNum, const QString& idNum);
// The distinct packages posted to an admission (PackageID, RefNum), in the database's order.
Recordset PostedPackages(Connection& conn, const QString& idNum);
}
