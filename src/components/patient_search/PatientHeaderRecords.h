#pragma once
#include <QDateTime>
#include <QString>

class Connection;

// What the patient search component gives the workspace's header about a stay, a visit and the
// master record. Kept apart from the list's own look-ups so that each grows on its own.
struct HeaderDoctor {
    QString Code, CompleteName;
};

struct HeaderPatient {
    QString LastName, FirstName, MiddleName, Sex, CivilStatusDescription, Age;
    QDateTime BirthDate; // invalid when not on file
};

struct HeaderAdmission {
    HeaderPatient Patient;
    QString AccountNumber;
    QString AdmittingDiagnosis, ChiefComplaint, AdmittingImpression, HowAdmittedDescription, FinalDiagnosis;
    QDateTime AdmissionDate, DischargeDate, BillingDate;
    QString RoomID, RoomClassID, RoomRate;
    QString Age;
    HeaderDoctor AttendingDoctor1, AttendingDoctor2, AdmittingDoctor;
    // The billing office's section flags of tbPatient2 (True: the section may charge the account;
    // a stay without a tbPatient2 row has every section open).
    bool OkeyLab = true, OkeyXray = true, OkeyUltra = true, OkeyPH = true, OkeyCS = true, OkeyCT = true, OkeyPT = true,
         OkeyHS = true, OkeyRTS = true, OkeyNU = true, OkeyAU = true;
};

struct HeaderVisit {
    QDateTime AdmissionDate, DischargeDate, BillingDate;
    HeaderDoctor Doctor1, Doctor2, Doctor3;
    QString ChiefComplaint, HowAdmittedDescription, FinalDiagnosis;
};

struct HeaderMaster {
    QString CompleteAddress, AccountNumber, Company, BloodType, Nationality, CivilStatus;
};

namespace PatientHeaderRecords {
// True when the in-patient admission exists; out is then filled.
bool ValidateAdmission(Connection& c, const QString& idNum, HeaderAdmission& out);
// True when the out-patient visit exists.
bool OpenOutPatient(Connection& c, const QString& idNum, const QString& hospNum, HeaderVisit& out);
// True when the patient's record exists (the visit's Patient.LoadPatient).
bool LoadVisitPatient(Connection& c, const QString& hospNum, HeaderPatient& out);
// True when the master record exists.
bool LoadPatientMaster(Connection& c, const QString& hospNum, HeaderMaster& out);
// Age in whole years on the given day; empty without a birth date.
QString AgeOn(const QDateTime& birth, const QDate& day);
}
