#include "hospital/StayTables.h"

#include "platform/text/AdmissionNumber.h"

const StayTables& StayTables::InPatient()
{
    static const StayTables t{QStringLiteral("PATIENT_DATA..tbPatient"), QStringLiteral("PATIENT_DATA..tbPatientHistory"),
                              QStringLiteral("BILLING..tbBillDailyBill")};
    return t;
}

const StayTables& StayTables::OutPatient()
{
    static const StayTables t{QStringLiteral("PATIENT_DATA..TBOUTPATIENT"), QStringLiteral("PATIENT_DATA..tbOutPatientHistory"),
                              QStringLiteral("BILLING..tbBillOPDailyOut")};
    return t;
}

const StayTables& StayTables::Of(const QString& idNum)
{
    return IsOutPatientNumber(idNum) ? OutPatient() : InPatient();
}
