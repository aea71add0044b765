#include "shared/patient/AccountState.h"

#include "components/patient_search/clsPatientSearch.h"
#include "shared/modGlobals.h"

namespace AccountState {

void RefreshPatientRecord(bool inPatient)
{
    if (!Session.PatientSearch) return;
    if (inPatient)
        Session.PatientSearch->Admission()->Refresh();
    else
        Session.PatientSearch->PatientClass()->clsOutPatient()->Refresh();
}

} // namespace AccountState
