#include "patients/WorkspaceHandOff.h"

#include "platform/text/AdmissionNumber.h"
#include "shared/WindowOpener.h"
#include "shared/modGlobals.h"
#include "shared/patient/PatientContext.h"

namespace WorkspaceHandOff {

namespace {
void handOff(const QString& hospNum, const QString& idNum, int tab)
{
    // The workspace keeps its own copy: what a list selects afterwards is no concern of it.
    PatientContext p;
    p.HospNum = hospNum;
    p.IDNum = idNum;
    p.PatientType = IsOutPatientNumber(idNum) ? QStringLiteral("O") : QStringLiteral("I");
    p.Company = Selection.SelectedCompany;
    WindowOpener::open(QStringLiteral("frmFinal"), p, tab);
}
}

void OpenFromList(const QString& hospNum, const QString& idNum) { handOff(hospNum, idNum, -1); }

void OpenOnTab(const QString& hospNum, const QString& idNum, int tab) { handOff(hospNum, idNum, tab); }

} // namespace WorkspaceHandOff
