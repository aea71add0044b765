#pragma once
#include <QString>

class Connection;
// The package, VIP, senior-citizen, transplant and dialysis data of the admission open in the
// procedures workspace (its txtID). Database errors reach the caller.

// The workspace's caption before the package notes: "Clinical Procedure", or "Package Type : "
// followed by the admission's package.
QString WorkspaceCaption(const QString& package);

// Fills PatientTransplantID/Text and PatientDialysisID/Text and gives the workspace the caption of
// its admission: built afresh from that admission's own package and notes on every call, so a
// hand-off or a reload never keeps or repeats an earlier patient's texts. An admission without a
// tbPatient2 row leaves the four variables as they were.
void LoadPatientPackageInfo(Connection& c);
// Stores PatientTransplantID and PatientDialysisID for the workspace's admission.
void UpdatePatientOtherInfo(Connection& c);
