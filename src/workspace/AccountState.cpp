#include "workspace/AccountState.h"

#include "components/patient_search/clsPatientSearch.h"
#include "shared/modGlobals.h"
#include "workspace/WorkspaceData.h"

namespace AccountState {

bool AccountClosed(Connection& c, const QString& idNum, const QString& patientType)
{
    const WorkspaceData::BillingDates d = WorkspaceData::ReadBillingDates(c, idNum);
    const QDateTime& billed = patientType == QLatin1String("I") ? d.admission : d.visit;
    return billed.isValid() && billed.date() > QDate(1900, 1, 1);
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
