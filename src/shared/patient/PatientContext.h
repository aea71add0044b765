#pragma once
#include <QString>
#include <array>

class Connection;

// The patient a window acts on: a copy taken when the window is given its patient, so that
// whatever a patient list selects meanwhile, the window keeps acting on this one.
struct PatientContext {
    QString HospNum, IDNum;
    QString PatientType; // "I" for an admission, "O" for an out-patient visit
    QString Room, RoomClass, RoomRate; // a visit: room "ER/OPD" on the header, class "A"
    QString AccountNumber;             // the account the slips name ("ER/OPD" for a visit)
    QString Company;                   // the box "Account" of the header (a visit: the list's company)
    QString TransplantID = QStringLiteral("0"), DialysisID = QStringLiteral("0");
    // The words of the codes on the stay's file: what an order's remarks start with.
    QString TransplantText, DialysisText;
    QString AdmittingDoctor, AttendingDoctor, AttendingDoctor2; // names as the header shows them
    QString AttendingDoctorCode;
    // The header texts.
    QString PatientName, Sex, CivilStatus, BirthDate, Age, BloodType, Diet, Diagnosis, AdmittingDiagnosis,
        ChiefComplaint, Impression, MannerOfAdmission, DateAdmitted, DateDischarged, Address;
    QString AdmissionDate, DischargeDate; // the server's date texts of the stay
    bool Found = false;                   // the stay or visit was on file

    bool isInPatient() const { return PatientType == QLatin1String("I"); }
    // The sixteen texts of the entry windows' copied header, in the order of their boxes
    // (shared/PatientHeaderFrame.h: txtPatient ... txtDiagnosis).
    std::array<QString, 16> headerTexts() const;
};

// The words the lab request form prints for a transplant code ("0", "1") and a dialysis code
// ("0" to "2"), read trimmed; "" for a code the form does not know.
QString TransplantText(const QString& code);
QString DialysisText(const QString& code);

namespace PatientContextData {
// The patient of an admission or a visit (an admission number ending in "B"), read as the
// workspace's header reads it. company is what the patient list chose for a visit's account box.
// A stay not on file gives the numbers alone (Found false). Database errors reach the caller.
PatientContext Load(Connection& c, const QString& hospNum, const QString& idNum, const QString& company);
// The PHIC membership and admission type of a stay or visit; found false without a row.
struct Membership {
    bool found = false;
    QString membership, admType;
};
Membership AdmTypeMembership(Connection& c, const QString& idNum);
// The diet of a stay (its tbPatient2 row); empty without one.
QString AdmissionDiet(Connection& c, const QString& idNum);
}
