#pragma once
#include <QString>

// The patient a request window acts on: a copy of the workspace's header taken when the window
// opens, so that the window keeps acting on that patient whatever is selected meanwhile.
struct RequestPatient {
    QString HospNum, IDNum, PatientName, Age, Sex, Account, Room, Doctor1, Doctor2, DateAdmitted, Status, AdmDiagnosis;
    QString PatientType; // "I" or "O", as the patient lists selected it

    // The patient open in the procedures workspace.
    static RequestPatient FromWorkspace();
};
