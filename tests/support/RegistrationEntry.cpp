#include "support/RegistrationEntry.h"

#include "registration/RegistrationData.h"
#include "registration/frmRegistration.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

frmRegistration* NewPersonEntry(const QString& last, const QString& first)
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
