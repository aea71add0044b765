#include "support/RegistrationFixture.h"
#include "support/RegistrationEntry.h"

#include "components/Component.h"
#include "components/StationComponents.h"
#include "components/patient_search/clsPatientSearch.h"
#include "patients/frmCathPatients.h"
#include "platform/db/Connection.h"
#include "platform/ui/MessageBox.h"
#include "registration/RegistrationKeys.h"
#include "registration/frmMasterSearch.h"
#include "registration/frmRegistration.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "workspace/frmFinal.h"


void RegistrationTest::SetUp()
{
    DbTest::SetUp();
    auto* search = new clsPatientSearch(QStringLiteral("MasterSearch.clsPatientSearch"));
    search->InitConnection(&conn(), QString());
    Session.PatientSearch = search;
    Session.CodeSearch = ComponentFactory::createAs<clsCodeSearch>(QStringLiteral("CodeSearchform.clsCodeSearch"));
    Session.CodeSearch->setConnection(&conn());
    StationParameters().LoadParameters();
    RegistrationFlags::RegisterByHospNum = false;
}

void RegistrationTest::TearDown()
{
    delete frmRegistration::existing();
    delete frmMasterSearch::existing();
    delete frmFinal::existing();
    delete frmCathPatients::existing();
    delete Session.PatientSearch;
    Session.PatientSearch = nullptr;
    delete Session.CodeSearch;
    Session.CodeSearch = nullptr;
    RegistrationFlags::RegisterByHospNum = false;
    DbTest::TearDown();
}

QString RegistrationTest::text(const QString& houseSql, const QVariantList& params)
{
    return DbValue::text(conn().scalar(houseSql, params)).trimmed();
}

frmRegistration* RegistrationTest::newPersonEntry(const QString& last, const QString& first)
{
    return NewPersonEntry(last, first);
}

QStringList RegistrationTest::counters()
{
    return {text(QStringLiteral("SELECT HospNum FROM PATIENT_DATA..tbAdmLastNumber WHERE CounterID = 1")),
            text(QStringLiteral("SELECT opdID FROM PATIENT_DATA..tbAdmLastNumber WHERE CounterID = 1")),
            text(QStringLiteral("SELECT LastCathLabNum FROM CLINICAL_AREA..tbCLCaseCounter WHERE CounterID = 1"))};
}
