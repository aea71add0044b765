#pragma once
// The database side of the receivable patient search: the discharged and billed patients of a
// search key, and whether an unbilled one is under cash basis. Errors reach the caller.
#include <QString>

class Connection;
class Recordset;

namespace ReceivableSearchData {
// "A" in-patients, "O" out-patients; the three keys as typed (empty: not used). Columns
// "Hospital #", "Admission #", "Patient Name", "Admission Date", "Discharged Date", "Billing Date".
Recordset ReceivablePatients(Connection& c, const QString& kind, const QString& lastName, const QString& hospNum,
                             const QString& idNum);
// Whether the account of the admission is under cash basis for the department.
bool IsCashBasis(Connection& c, const QString& idNum, const QString& patientType);
}
