#include "RegistrationFixture.h"

#include "components/Component.h"
#include "components/StationComponents.h"
#include "components/patient_search/clsPatientSearch.h"
#include "patients/frmCathPatients.h"
#include "platform/db/Connection.h"
#include "platform/ui/MessageBox.h"
#include "registration/RegistrationData.h"
#include "registration/RegistrationKeys.h"
#include "registration/frmMasterSearch.h"
#include "registration/frmRegistration.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "workspace/frmFinal.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

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
    frmRegistration* reg = frmRegistration::instance();
    reg->show();
    reg->OpenForEntry();
    for (QLineEdit* b : {reg->txtHospNum, reg->txtIDNum, reg->txtCLNum}) b->setText(RegistrationData::kAuto);
    reg->txtLastName->setText(last);
    reg->txtFirstName->setText(first);
    reg->txtMiddleName->setText(QStringLiteral("PEREZ"));
    reg->optFemale->setChecked(true);
    reg->optHospPlan[0]->setChecked(true);
    reg->optHospPlan_Click(0);
    reg->txtBirthDate->setText(QStringLiteral("03/07/1961"));
    reg->txtAge->setText(QStringLiteral("65"));
    reg->cboCivilStatus->setCurrentIndex(2);
    reg->txtHouseStreet->setText(QStringLiteral("12 O'DONNELL ST."));
    reg->txtZipCode->setText(QStringLiteral("3000"));
    reg->txtZipCodeName4->setText(QStringLiteral("MALOLOS, BULACAN"));
    reg->txtNationalityID->setText(QStringLiteral("FIL"));
    reg->txtNationality->setText(QStringLiteral("FILIPINO"));
    reg->txtReligionID->setText(QStringLiteral("RC"));
    reg->txtReligion->setText(QStringLiteral("ROMAN CATHOLIC"));
    reg->txtDoctorID->setText(QStringLiteral("D001"));
    reg->txtDoctorName->setText(QStringLiteral("DR. VILLAREAL, ANTONIO CRUZ"));
    reg->txtChiefComplain->setText(QStringLiteral("CHEST PAIN"));
    reg->txtMobile->setText(QStringLiteral("09191234567"));
    return reg;
}

QStringList RegistrationTest::counters()
{
    return {text(QStringLiteral("SELECT HospNum FROM PATIENT_DATA..tbAdmLastNumber WHERE CounterID = 1")),
            text(QStringLiteral("SELECT opdID FROM PATIENT_DATA..tbAdmLastNumber WHERE CounterID = 1")),
            text(QStringLiteral("SELECT LastCathLabNum FROM CLINICAL_AREA..tbCLCaseCounter WHERE CounterID = 1"))};
}
