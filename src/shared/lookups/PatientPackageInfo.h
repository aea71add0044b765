#pragma once

class Connection;
// The package, VIP, senior-citizen, transplant and dialysis data of the admission open in the
// procedures workspace (frmFinal.txtID). Database errors reach the caller.

// Fills PatientTransplantID/Text and PatientDialysisID/Text and extends the workspace's caption;
// an admission without a row changes nothing.
void LoadPatientPackageInfo(Connection& c);
// Stores PatientTransplantID and PatientDialysisID for the workspace's admission.
void UpdatePatientOtherInfo(Connection& c);
