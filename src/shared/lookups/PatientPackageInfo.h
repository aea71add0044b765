#pragma once
#include <QString>

class Connection;
// The package, VIP, senior-citizen, transplant and dialysis data of the admission open in the
// procedures workspace (its txtID). Database errors reach the caller.

// The workspace's caption before the package notes: "Clinical Procedure", or "Package Type : "
// followed by the admission's package.
QString WorkspaceCaption(const QString& package);

// The transplant and dialysis codes on an admission's file; found false without its tbPatient2 row.
struct PatientOtherInfo {
    bool found = false;
    QString transplantID, dialysisID;
};
// Gives the workspace the caption of its admission, built afresh from that admission's own
// package and notes on every call, so a hand-off or a reload never keeps or repeats an earlier
// patient's texts; answers the admission's transplant and dialysis codes.
PatientOtherInfo LoadPatientPackageInfo(Connection& c);
// Stores the transplant and dialysis codes for the workspace's admission.
void UpdatePatientOtherInfo(Connection& c, const QString& transplantID, const QString& dialysisID);
