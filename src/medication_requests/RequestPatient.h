#pragma once
#include <QString>

struct PatientContext;

// The patient a request window acts on: what it needs of the workspace's patient, copied when the
// window opens, so that the window keeps acting on that patient whatever is selected meanwhile.
struct RequestPatient {
    QString HospNum, IDNum, PatientName, Age, Sex, Account, Room, Doctor1, Doctor2, DateAdmitted, Status, AdmDiagnosis;
    QString PatientType; // "I" or "O"
    QString AttendingDoctorCode;

    static RequestPatient Of(const PatientContext& patient);
};
