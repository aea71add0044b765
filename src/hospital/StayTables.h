#pragma once
#include <QString>

// The tables that hold a stay, its clinical history and its daily charges: an in-patient
// admission's or an out-patient visit's (names in house SQL).
struct StayTables {
    QString stay;     // PATIENT_DATA..tbPatient or PATIENT_DATA..TBOUTPATIENT
    QString history;  // PATIENT_DATA..tbPatientHistory or PATIENT_DATA..tbOutPatientHistory
    QString charges;  // BILLING..tbBillDailyBill or BILLING..tbBillOPDailyOut

    static const StayTables& InPatient();
    static const StayTables& OutPatient();
    // The tables of the admission number's kind (IsOutPatientNumber).
    static const StayTables& Of(const QString& idNum);
};
