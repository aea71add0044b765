#include "medication_requests/RequestPatient.h"

#include "shared/patient/PatientContext.h"

RequestPatient RequestPatient::Of(const PatientContext& patient)
{
    RequestPatient p;
    p.HospNum = patient.HospNum;
    p.IDNum = patient.IDNum;
    p.PatientName = patient.PatientName;
    p.Age = patient.Age;
    p.Sex = patient.Sex;
    p.Account = patient.Company;
    p.Room = patient.Room;
    p.Doctor1 = patient.AdmittingDoctor;
    p.Doctor2 = patient.AttendingDoctor;
    p.DateAdmitted = patient.DateAdmitted;
    p.Status = patient.CivilStatus;
    p.AdmDiagnosis = patient.AdmittingDiagnosis;
    p.PatientType = patient.PatientType;
    p.AttendingDoctorCode = patient.AttendingDoctorCode;
    return p;
}
