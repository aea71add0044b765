#pragma once
#include <QString>


// What the workspace's gates and action bar read of the open patient's account.
namespace AccountState {

// Re-reads the patient search's record of that kind (the admission for an in-patient, else the
// out-patient visit), so that what the billing office changed meanwhile is seen.
void RefreshPatientRecord(bool inPatient);

} // namespace AccountState
