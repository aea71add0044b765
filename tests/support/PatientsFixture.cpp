#include "support/PatientsFixture.h"
#include "support/ScriptedValidation.h"

#include "access/frmTransaction_UserValidation.h"
#include "components/patient_search/clsPatientSearch.h"
#include "patients/frmCathPatients.h"
#include "patients/frmListERAdmission.h"
#include "patients/frmSearch.h"
#include "patients/frmSearchCurrent.h"
#include "platform/db/Connection.h"
#include "platform/ui/MessageBox.h"
#include "registration/frmMasterSearch.h"
#include "registration/frmRegistration.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "patients/frmCensusFormat.h"
#include "workspace/frmFinal.h"

#include <QDialog>
#include <QLineEdit>
#include <QTest>


void PatientsTest::SetUp()
{
    DbTest::SetUp();
    auto* search = new clsPatientSearch(QStringLiteral("MasterSearch.clsPatientSearch"));
    search->InitConnection(&conn(), QString());
    Session.PatientSearch = search;
    StationParameters().LoadParameters();
}

void PatientsTest::TearDown()
{
    delete frmCathPatients::existing();
    delete frmSearch::existing();
    delete frmFinal::existing();
    delete frmRegistration::existing();
    delete frmMasterSearch::existing();
    delete frmListERAdmission::existing();
    delete frmCensusFormat::existing();
    if (frmSearchCurrent* picker = frmSearchCurrent::instance()) picker->hide();
    delete Session.PatientSearch;
    Session.PatientSearch = nullptr;
    DbTest::TearDown();
}

void PatientsTest::setParameter(const QString& field, const QString& value)
{
    setStationParameter(field, value);
}

void PatientsTest::validateAs(const QString& user, const QString& code) { queueValidationAs(user, code); }

void PatientsTest::cancelValidation()
{
    UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [](QDialog* d) { d->reject(); });
}

QString PatientsTest::scalarText(const QString& houseSql, const QVariantList& params)
{
    return DbValue::text(conn().scalar(houseSql, params));
}
