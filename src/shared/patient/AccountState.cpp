#include "shared/patient/AccountState.h"

#include "components/patient_search/clsPatientSearch.h"
#include "platform/db/Connection.h"
#include "shared/modGlobals.h"

namespace AccountState {

bool AccountClosed(Connection& c, const QString& idNum, const QString& patientType)
{
    const BillingDates d = ReadBillingDates(c, idNum);
    const QDateTime& billed = patientType == QLatin1String("I") ? d.admission : d.visit;
    return billed.isValid() && billed.date() > QDate(1900, 1, 1);
}

BillingDates ReadBillingDates(Connection& c, const QString& idNum)
{
    BillingDates d;
    const Recordset a = c.query(QStringLiteral("SELECT BillingDate FROM PATIENT_DATA..tbPatient WHERE IDNum = ?"), {idNum});
    if (!a.isEmpty()) d.admission = a.toDateTime(QStringLiteral("BillingDate"));
    const Recordset v = c.query(QStringLiteral("SELECT BillingDate FROM PATIENT_DATA..TBOUTPATIENT WHERE IDNum = ?"), {idNum});
    if (!v.isEmpty()) d.visit = v.toDateTime(QStringLiteral("BillingDate"));
    return d;
}

void RefreshPatientRecord(bool inPatient)
{
    if (!Session.PatientSearch) return;
    if (inPatient)
        Session.PatientSearch->Admission()->Refresh();
    else
        Session.PatientSearch->PatientClass()->clsOutPatient()->Refresh();
}

} // namespace AccountState
