#pragma once
// The statements of the master patient search. Errors reach the caller.
#include <QString>

class Connection;
class Recordset;

namespace MasterSearchData {

struct Criteria {
    QString lastName, firstName, middleName, sex, hospNum, birthDate; // birth date "yyyy[.mm[.dd]]"
    int lowerAge = 0, upperAge = 0;
};
// Columns: last, first and middle name, hospital number, birth date, age, address.
Recordset Search(Connection& c, const Criteria& k);
// True when the person's master record carries a hospital card number.
bool CheckCardNumber(Connection& c, const QString& hospNum);
// True when any of the person's in-patient admissions (or out-patient visits) is not discharged.
bool HasOpenAdmission(Connection& c, const QString& hospNum);
bool HasOpenVisit(Connection& c, const QString& hospNum);
// The unpaid balance of the person's closed accounts; null when there is none.
QVariant OldAccountsAmount(Connection& c, const QString& hospNum);
// The person's details for the registration entry (no row: none).
Recordset LoadPatient(Connection& c, const QString& hospNum);
// Whether the master file knows the last name.
bool IsKnownLastName(Connection& c, const QString& name);
// A name holding " SR ", " JR ", " II" or " IV" once a blank is put on each side.
bool HasNameLabel(const QString& name);

} // namespace MasterSearchData
