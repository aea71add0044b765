#include "patients/WorkspaceHandOff.h"

#include "platform/text/AdmissionNumber.h"
#include "shared/WindowOpener.h"
#include "shared/modGlobals.h"
#include "shared/patient/PatientContext.h"

namespace WorkspaceHandOff {

namespace {
void handOff(const QString& hospNum, const QString& idNum, const QStringList& tab)
{
    // The workspace keeps its own copy: what a list selects afterwards is no concern of it.
    PatientContext p;
    p.HospNum = hospNum;
    p.IDNum = idNum;
    p.PatientType = IsOutPatientNumber(idNum) ? QStringLiteral("O") : QStringLiteral("I");
    p.Company = Selection.SelectedCompany;
    WindowOpener::open(QStringLiteral("workspace"), p, tab);
}
}

void OpenFromList(const QString& hospNum, const QString& idNum) { handOff(hospNum, idNum, {}); }

void OpenOnTab(const QString& hospNum, const QString& idNum, int tab) { handOff(hospNum, idNum, {QString::number(tab)}); }

} // namespace WorkspaceHandOff
