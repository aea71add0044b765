#pragma once
// The database work of the department's registration: the loads of the entry, the similar-person
// search and the save of a registration in one transaction, with the numbers it issues.
#include <QDate>
#include <QString>
#include <stdexcept>

class Connection;
class Recordset;

namespace RegistrationData {

// The placeholder of a number not issued yet.
inline const QString kAuto = QStringLiteral(" A U T O ");
// True when the box holds the placeholder (blanks around it do not count).
bool IsAuto(const QString& text);

// What the registration entry holds when it is saved.
struct Entry {
    bool editCase = false;
    QString hospNum, idNum, caseNum; // box texts: a number or the placeholder
    QString patientType;             // "I" or "O"
    QString lastName, firstName, middleName;
    QString sex;                     // "M", "F"
    QDate birthDate;
    QString age;                     // whole years as typed; blank: none
    int civilStatus = -1;            // position of the list item
    QString houseStreet, barangay, zipCode, occupation, cellNum, telNum, email;
    QString birthPlace, nationalityID, religionID, spouse, spouseEmployer, contactName, contactRelation, contactAddress,
        contactTelNum, father, mother;
    QString accountID;               // company account, or the hospital number / placeholder for a personal plan
    QString doctorID;
    QString chiefComplaint;
    QString employeeCode;
};

// The numbers a committed save worked with.
struct Numbers {
    QString hospNum, idNum, opdNum, caseNum;
};

// A save that stops before anything is written, with the message the user is shown.
struct SaveStopped : std::runtime_error {
    SaveStopped(const QString& text, int style, const QString& title)
        : std::runtime_error(text.toStdString()), text(text), style(style), title(title)
    {
    }
    QString text;
    int style;
    QString title;
};

// The person's registration details for an admission ("I" in-patient, else out-patient), or for a
// hospital number alone. Errors reach the caller.
Recordset LoadByIDNo(Connection& c, const QString& patientType, const QString& hospNum, const QString& idNum);
Recordset LoadByHospNum(Connection& c, const QString& hospNum);

// Whether the master file holds a person of those names and age (age 0 when blank).
bool HasSimilarPersons(Connection& c, const QString& lastName, const QString& firstName, int age);

// Saves the registration in one transaction: issues the case number, the hospital number and the
// out-patient number the entry still lacks (each from its counter row, inside the transaction),
// writes the person, the visit, the history and the case, and commits. A missing counter or a
// refused hospital number throws SaveStopped; a database error throws DbError. Either way nothing
// is written and no number is used.
Numbers Save(Connection& c, const Entry& e);

} // namespace RegistrationData
