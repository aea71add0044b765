#include "medication_requests/RequestPatient.h"

#include "shared/modGlobals.h"
#include "workspace/frmFinal.h"

#include <QLineEdit>

RequestPatient RequestPatient::FromWorkspace()
{
    const frmFinal* w = frmFinal::instance();
    RequestPatient p;
    p.HospNum = w->txtPno->text();
    p.IDNum = w->txtID->text();
    p.PatientName = w->txtPatient->text();
    p.Age = w->txtAge->text();
    p.Sex = w->txtSex->text();
    p.Account = w->txtPxAccount->text();
    p.Room = w->txtRoom->text();
    p.Doctor1 = w->txtDoctor1->text();
    p.Doctor2 = w->txtDoctor2->text();
    p.DateAdmitted = w->txtDateAdmitted->text();
    p.Status = w->txtStatus->text();
    p.AdmDiagnosis = w->txtADMDiagnosis->text();
    p.PatientType = Selection.SelectedPatientType;
    return p;
}
