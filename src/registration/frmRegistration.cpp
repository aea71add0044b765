#include "registration/frmRegistration.h"

#include "registration/frmMasterSearch.h"
#include "shared/WindowOpener.h"
#include "shared/patient/PatientContext.h"

#include "components/StationComponents.h"
#include "components/login/clsCurrentuser.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/text/Format.h"
#include "platform/ui/KeyFilters.h"
#include "patients/frmCathPatients.h"
#include "patients/frmSearch.h"
#include "platform/ui/MessageBox.h"
#include "registration/RegistrationData.h"
#include "registration/RegistrationKeys.h"
#include "shared/lookups/PatientLookups.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/modReports.h"
#include "shared/text/TextUtilities.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cmath>

namespace {
// The patient lists open the registration: "edit" a case of the case list (modal, every frame
// open), "register" a patient of the general list as a new case (shown); and the master search.
const bool kRegistrationOpeners = [] {
    WindowOpener::install(QStringLiteral("frmRegistration"), [](const PatientContext& patient, const QStringList& args) {
        frmRegistration* reg = frmRegistration::instance();
        reg->Pno = patient.HospNum;
        reg->IDNo = patient.IDNum;
        reg->CurrentlyRegistered = true;
        if (args.value(0) == QLatin1String("edit")) {
            reg->EditCathLabPatient = true;
            for (QGroupBox* frame : {reg->Frame3, reg->Frame4, reg->Frame5, reg->Frame7, reg->Frame8, reg->Frame9})
                frame->setEnabled(true);
            runModal(reg);
        } else {
            reg->show();
            reg->raise();
        }
    });
    WindowOpener::install(QStringLiteral("frmMasterSearch"),
                          [](const PatientContext&, const QStringList&) { runModal(frmMasterSearch::instance()); });
    return true;
}();
}

namespace {

const QString kEmptyDate = QStringLiteral("  /  /    ");

QLineEdit* box(QWidget* parent, int maxLength = 0, bool locked = false)
{
    auto* b = new QLineEdit(parent);
    if (maxLength > 0) b->setMaxLength(maxLength);
    b->setReadOnly(locked);
    return b;
}

QPushButton* dots(QWidget* parent)
{
    auto* b = new QPushButton(QStringLiteral("..."), parent);
    b->setFixedWidth(28);
    return b;
}

void row(QGridLayout* g, int r, const QString& label, QWidget* w, int span = 1, int col = 0)
{
    g->addWidget(new QLabel(label), r, col);
    g->addWidget(w, r, col + 1, 1, span);
}

QHBoxLayout* pair(QWidget* a, QWidget* b, QWidget* c = nullptr)
{
    auto* h = new QHBoxLayout;
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(a);
    h->addWidget(b, 1);
    if (c) h->addWidget(c);
    return h;
}

QString civilItemKey(const QString& item)
{
    return item == QLatin1String("Widow") ? QStringLiteral("WIDOW/ER") : item;
}

} // namespace

frmRegistration::frmRegistration()
{
    setWindowTitle(QStringLiteral("Cathlab Registration Entry"));
    setObjectName(QStringLiteral("frmRegistration"));
    auto* main = new QGridLayout(this);

    Frame1 = new QGroupBox(QStringLiteral("Patient Name"), this);
    auto* g1 = new QGridLayout(Frame1);
    txtLastName = box(Frame1, 60, true);
    txtFirstName = box(Frame1, 60, true);
    txtMiddleName = box(Frame1, 60, true);
    row(g1, 0, QStringLiteral("Last Name"), txtLastName);
    row(g1, 1, QStringLiteral("First Name"), txtFirstName);
    row(g1, 2, QStringLiteral("Middle Name"), txtMiddleName);

    Frame2 = new QGroupBox(QStringLiteral("Hospital Information"), this);
    auto* g2 = new QGridLayout(Frame2);
    txtHospNum = box(Frame2, 0, true);
    txtIDNum = box(Frame2, 0, true);
    txtCLNum = box(Frame2, 0, true);
    dtAdmDate = new QDateEdit(Frame2);
    dtAdmDate->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    dtAdmDate->setCalendarPopup(true);
    txtTime = box(Frame2, 0, true);
    row(g2, 0, QStringLiteral("Hospital #"), txtHospNum);
    row(g2, 1, QStringLiteral("Admission #"), txtIDNum);
    row(g2, 2, QStringLiteral("Cathlab #"), txtCLNum);
    row(g2, 0, QStringLiteral("Date"), dtAdmDate, 1, 2);
    row(g2, 1, QStringLiteral("Time"), txtTime, 1, 2);

    Frame7 = new QGroupBox(QStringLiteral("Gender"), this);
    auto* g7 = new QHBoxLayout(Frame7);
    optMale = new QRadioButton(QStringLiteral("Male"), Frame7);
    optFemale = new QRadioButton(QStringLiteral("Female"), Frame7);
    g7->addWidget(optMale);
    g7->addWidget(optFemale);

    Frame8 = new QGroupBox(QString(), this);
    auto* g8 = new QGridLayout(Frame8);
    txtBirthDate = new QLineEdit(Frame8);
    txtBirthDate->setInputMask(QStringLiteral("99/99/9999; "));
    txtAge = box(Frame8, 0, true);
    txtAge->setEnabled(false);
    cboCivilStatus = new QComboBox(Frame8);
    cboCivilStatus->addItems({QStringLiteral("Child"), QStringLiteral("Single"), QStringLiteral("Married"), QStringLiteral("Widow"),
                              QStringLiteral("Separated"), QStringLiteral("Divorced")});
    cboCivilStatus->setCurrentIndex(-1);
    row(g8, 0, QStringLiteral("Birth Date"), txtBirthDate);
    row(g8, 1, QStringLiteral("Age"), txtAge);
    row(g8, 2, QStringLiteral("Civil Status"), cboCivilStatus);

    Frame3 = new QGroupBox(QStringLiteral("Personal Information"), this);
    auto* g3 = new QGridLayout(Frame3);
    txtBirthPlace = box(Frame3, 100);
    txtHouseStreet = box(Frame3, 100);
    txtBarangay = box(Frame3, 100);
    txtZipCode = box(Frame3, 6);
    txtZipCodeName4 = box(Frame3, 30, true);
    cmdSearchZip = dots(Frame3);
    txtOccupation = box(Frame3, 30);
    txtNationalityID = box(Frame3, 10);
    txtNationality = box(Frame3, 0, true);
    cmdSearchNationality = dots(Frame3);
    txtEmail = box(Frame3, 100);
    txtMobile = box(Frame3, 11);
    txtTelNum = box(Frame3, 12);
    txtReligionID = box(Frame3, 10);
    txtReligion = box(Frame3, 0, true);
    cmdSearchReligion = dots(Frame3);
    row(g3, 0, QStringLiteral("Birth Place"), txtBirthPlace, 3);
    row(g3, 1, QStringLiteral("House/St.#"), txtHouseStreet, 3);
    row(g3, 2, QStringLiteral("Barangay"), txtBarangay, 3);
    g3->addWidget(new QLabel(QStringLiteral("Town/Prov.")), 3, 0);
    g3->addLayout(pair(txtZipCode, txtZipCodeName4, cmdSearchZip), 3, 1, 1, 3);
    row(g3, 4, QStringLiteral("Occupation"), txtOccupation, 3);
    g3->addWidget(new QLabel(QStringLiteral("Nationality")), 5, 0);
    g3->addLayout(pair(txtNationalityID, txtNationality, cmdSearchNationality), 5, 1, 1, 3);
    row(g3, 6, QStringLiteral("E-mail "), txtEmail, 3);
    row(g3, 7, QStringLiteral("Mobile #"), txtMobile);
    row(g3, 7, QStringLiteral("Tel.#"), txtTelNum, 1, 2);
    g3->addWidget(new QLabel(QStringLiteral("Religion")), 8, 0);
    g3->addLayout(pair(txtReligionID, txtReligion, cmdSearchReligion), 8, 1, 1, 3);

    auto* spouse = new QGroupBox(QStringLiteral("Spouse Information"), this);
    auto* gs = new QGridLayout(spouse);
    txtSpouse = box(spouse, 100);
    txtSpouseEmployer = box(spouse, 100);
    row(gs, 0, QStringLiteral("Name"), txtSpouse);
    row(gs, 1, QStringLiteral("Employer"), txtSpouseEmployer);
    auto* parents = new QGroupBox(QStringLiteral("Name of Parents (if minor/child)"), this);
    auto* gp = new QGridLayout(parents);
    txtFather = box(parents, 100);
    txtMother = box(parents, 100);
    row(gp, 0, QStringLiteral("Father"), txtFather);
    row(gp, 1, QStringLiteral("Mother"), txtMother);
    auto* contact = new QGroupBox(QStringLiteral("Person to notify in case of emergency"), this);
    auto* gc = new QGridLayout(contact);
    txtContactName = box(contact, 100);
    txtContactRelation = box(contact, 100);
    txtContactContact = box(contact, 100);
    txtContactAddress = box(contact, 100);
    row(gc, 0, QStringLiteral("Name"), txtContactName);
    row(gc, 1, QStringLiteral("Relationship"), txtContactRelation);
    row(gc, 2, QStringLiteral("Contact No."), txtContactContact);
    row(gc, 3, QStringLiteral("Address"), txtContactAddress);

    Frame4 = new QGroupBox(QStringLiteral("Hospital Plan"), this);
    auto* g4 = new QGridLayout(Frame4);
    optHospPlan[0] = new QRadioButton(QStringLiteral("Personal"), Frame4);
    optHospPlan[1] = new QRadioButton(QStringLiteral("Company / HMO"), Frame4);
    txtAccountID = box(Frame4, 20, true);
    txtAccount = box(Frame4, 0, true);
    cmdSearchAccount = dots(Frame4);
    cmdSearchAccount->setEnabled(false);
    g4->addWidget(optHospPlan[0], 0, 0);
    g4->addWidget(optHospPlan[1], 0, 1);
    g4->addWidget(new QLabel(QStringLiteral("Account #")), 1, 0);
    g4->addLayout(pair(txtAccountID, txtAccount, cmdSearchAccount), 1, 1, 1, 2);

    Frame9 = new QGroupBox(QString(), this);
    auto* g9 = new QGridLayout(Frame9);
    txtDoctorID = box(Frame9, 6);
    txtDoctorName = box(Frame9, 30, true);
    cmdDoctor = dots(Frame9);
    g9->addWidget(new QLabel(QStringLiteral("Attending Physician")), 0, 0);
    g9->addLayout(pair(txtDoctorID, txtDoctorName, cmdDoctor), 0, 1);

    Frame5 = new QGroupBox(QStringLiteral("Admitting Diagnosis"), this);
    auto* g5 = new QVBoxLayout(Frame5);
    txtChiefComplain = box(Frame5, 1000);
    g5->addWidget(txtChiefComplain);

    for (QGroupBox* f : {Frame3, Frame4, Frame5, Frame7, Frame8, Frame9}) f->setEnabled(false);

    cmdSave = new QPushButton(QStringLiteral("&Save/Print"), this);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClose);

    main->addWidget(Frame1, 0, 0);
    main->addWidget(Frame2, 0, 1);
    main->addWidget(Frame7, 1, 0);
    main->addWidget(Frame8, 1, 1);
    main->addWidget(Frame3, 2, 0, 3, 1);
    main->addWidget(spouse, 2, 1);
    main->addWidget(parents, 3, 1);
    main->addWidget(contact, 4, 1);
    main->addWidget(Frame4, 5, 0);
    main->addWidget(Frame9, 5, 1);
    main->addWidget(Frame5, 6, 0, 1, 2);
    main->addLayout(buttons, 7, 0, 1, 2);

    for (QLineEdit* b : {txtZipCode, txtNationalityID, txtReligionID, txtAccountID, txtDoctorID, txtMobile, txtTelNum})
        b->setMaximumWidth(110);
    for (QLineEdit* b : {txtHospNum, txtIDNum, txtCLNum, txtTime, txtLastName, txtFirstName, txtMiddleName}) b->setMinimumWidth(150);
    resize(1040, 820);

    for (QLineEdit* b : {txtLastName, txtFirstName, txtMiddleName, txtChiefComplain}) RegistrationKeys::FilterNames(b);
    for (QLineEdit* b : {txtBirthPlace, txtHouseStreet, txtBarangay, txtOccupation}) UpperCaseKeys(b);
    for (QWidget* w : std::initializer_list<QWidget*>{txtLastName, txtFirstName, txtMiddleName, optMale, optFemale, txtBirthDate,
                                                      txtBirthPlace, txtHouseStreet, txtBarangay, txtZipCode, txtOccupation,
                                                      txtNationalityID, txtEmail, txtMobile, txtReligionID, cboCivilStatus,
                                                      txtAccountID, txtDoctorID})
        w->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmRegistration::Timer1_Timer);
    connect(cmdSave, &QPushButton::clicked, this, &frmRegistration::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmRegistration::cmdClose_Click);
    connect(optHospPlan[0], &QRadioButton::clicked, this, [this] { optHospPlan_Click(0); });
    connect(optHospPlan[1], &QRadioButton::clicked, this, [this] { optHospPlan_Click(1); });
    connect(cmdSearchAccount, &QPushButton::clicked, this, [this] { LookUpCode(3); });
    connect(cmdSearchNationality, &QPushButton::clicked, this, [this] { LookUpCode(7); });
    connect(cmdSearchReligion, &QPushButton::clicked, this, [this] { LookUpCode(2); });
    connect(cmdSearchZip, &QPushButton::clicked, this, [this] { LookUpCode(0); });
    connect(cmdDoctor, &QPushButton::clicked, this, [this] { LookUpCode(1); });
}

void frmRegistration::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_loaded) Form_Load();
}

void frmRegistration::closeEvent(QCloseEvent* event)
{
    EditCathLabPatient = false;
    Timer1->stop();
    QDialog::closeEvent(event);
}

void frmRegistration::OpenForEntry()
{
    for (QLineEdit* b : {txtLastName, txtFirstName, txtMiddleName}) b->setReadOnly(false);
    for (QGroupBox* f : {Frame3, Frame4, Frame5, Frame7, Frame8, Frame9}) f->setEnabled(true);
}

void frmRegistration::Form_Load()
{
    m_loaded = true;
    RegistrationKeys::DropApostrophes(this);
    try {
        dtAdmDate->setDate(GetServerDate().date());
        if (RegistrationFlags::RegisterByHospNum) {
            // The card road: the carded person (the master search gives the number in Pno).
            LoadPatientByHospNum(Pno);
            txtIDNum->setText(RegistrationData::kAuto);
            txtCLNum->setText(RegistrationData::kAuto);
            PatientType = QStringLiteral("O");
        }
        // The edit of a case wins over the registration of its admission.
        if (EditCathLabPatient) {
            PatientType = IsOutPatientNumber(IDNo) ? QStringLiteral("O") : QStringLiteral("I");
            LoadPatientByIDNo();
            txtCLNum->setText(OrErrorNotice(QString(), [this] { return GetCathLabNum(SharedConnection(), IDNo); }));
        } else if (CurrentlyRegistered) {
            PatientType = IsOutPatientNumber(IDNo) ? QStringLiteral("O") : QStringLiteral("I");
            LoadPatientByIDNo();
            txtCLNum->setText(RegistrationData::kAuto);
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    Timer1->start();
}

void frmRegistration::fillPerson(const Recordset& rs, bool matchCivilStatus)
{
    txtLastName->setText(rs.text(QStringLiteral("LastName")).trimmed());
    txtFirstName->setText(rs.text(QStringLiteral("FirstName")).trimmed());
    txtMiddleName->setText(rs.text(QStringLiteral("MiddleName")).trimmed());
    optMale->setChecked(rs.text(QStringLiteral("Sex")) == QLatin1String("M"));
    optFemale->setChecked(rs.text(QStringLiteral("Sex")) == QLatin1String("F"));
    const QString civil = rs.text(QStringLiteral("CivilStatus"));
    if (matchCivilStatus) MatchCivilStatus(civil.isEmpty() ? QStringLiteral("Single") : civil);
    else MatchCivilStatus(civil);
    const QDate birth = rs.toDate(QStringLiteral("BirthDate"));
    txtBirthDate->setText(birth.isValid() ? birth.toString(QStringLiteral("MM/dd/yyyy")) : kEmptyDate);
    txtAge->setText(rs.text(QStringLiteral("Age")));
    txtBirthPlace->setText(rs.text(QStringLiteral("BirthPlace")));
    txtHouseStreet->setText(rs.text(QStringLiteral("HouseStreet")));
    txtBarangay->setText(rs.text(QStringLiteral("Barangay")));
    txtOccupation->setText(rs.text(QStringLiteral("Occupation")));
    txtNationalityID->setText(rs.text(QStringLiteral("NationalityID")));
    txtNationality->setText(rs.text(QStringLiteral("Nationality")));
    txtEmail->setText(rs.text(QStringLiteral("Email")));
    txtMobile->setText(rs.text(QStringLiteral("CellNum")));
    txtTelNum->setText(rs.text(QStringLiteral("TelNum")));
    txtReligionID->setText(rs.text(QStringLiteral("ReligionID")));
    txtReligion->setText(rs.text(QStringLiteral("Religion")));
    txtZipCode->setText(rs.text(QStringLiteral("ZipCode")));
    txtZipCodeName4->setText(rs.text(QStringLiteral("Address")));
    txtSpouse->setText(rs.text(QStringLiteral("Spouse")));
    txtSpouseEmployer->setText(rs.text(QStringLiteral("SpouseEmpName")));
    txtContactName->setText(rs.text(QStringLiteral("ContactName")));
    txtContactRelation->setText(rs.text(QStringLiteral("ContactRelation")));
    txtContactAddress->setText(rs.text(QStringLiteral("ContactAddress")));
    txtContactContact->setText(rs.text(QStringLiteral("ContactTelNum")));
    txtFather->setText(rs.text(QStringLiteral("Father")));
    txtMother->setText(rs.text(QStringLiteral("Mother")));
}

void frmRegistration::LoadPatientByIDNo()
{
    const Recordset rs = RegistrationData::LoadByIDNo(SharedConnection(), PatientType, Pno, IDNo);
    if (rs.isEmpty()) return;
    fillPerson(rs, true);
    txtIDNum->setText(IDNo);
    txtHospNum->setText(Pno);
    const bool personal = rs.text(QStringLiteral("Account")) == QLatin1String("PERSONAL");
    optHospPlan[personal ? 0 : 1]->setChecked(true);
    optHospPlan_Click(personal ? 0 : 1);
    txtAccountID->setText(rs.text(QStringLiteral("AccountNum")));
    txtAccount->setText(rs.text(QStringLiteral("Account")));
    const QDate registered = rs.toDate(QStringLiteral("DateRegistered"));
    if (registered.isValid()) dtAdmDate->setDate(registered);
    const bool inPatient = PatientType == QLatin1String("I");
    txtDoctorID->setText(rs.text(inPatient ? QStringLiteral("attendingdr1") : QStringLiteral("DoctorID1")));
    txtChiefComplain->setText(rs.text(inPatient ? QStringLiteral("ChiefComplaint") : QStringLiteral("ChiefComplaints")));
    txtDoctorName->setText(rs.text(QStringLiteral("DoctorName")));
}

void frmRegistration::LoadPatientByHospNum(const QString& hospNum)
{
    const Recordset rs = RegistrationData::LoadByHospNum(SharedConnection(), hospNum);
    if (rs.isEmpty()) return;
    fillPerson(rs, false);
    if (rs.text(QStringLiteral("Account")) == QLatin1String("PERSONAL")) {
        optHospPlan[0]->setChecked(true);
        optHospPlan_Click(0);
    }
    txtHospNum->setText(hospNum);
    txtAccountID->setText(hospNum);
}

void frmRegistration::MatchCivilStatus(const QString& value)
{
    if (value.trimmed().isEmpty()) return;
    for (int i = 0; i < cboCivilStatus->count(); ++i)
        if (civilItemKey(cboCivilStatus->itemText(i)).compare(value.trimmed(), Qt::CaseInsensitive) == 0) {
            cboCivilStatus->setCurrentIndex(i);
            return;
        }
}

QString frmRegistration::birthDateText() const { return txtBirthDate->displayText(); }

void frmRegistration::optHospPlan_Click(int index)
{
    if (index == 1) {
        txtAccountID->setReadOnly(false);
        txtAccountID->clear();
        cmdSearchAccount->setEnabled(true);
        txtAccount->clear();
    } else {
        txtAccountID->setText(txtHospNum->text());
        txtAccount->setText(QStringLiteral("PERSONAL"));
        txtAccountID->setReadOnly(true);
        cmdSearchAccount->setEnabled(false);
    }
}

void frmRegistration::Timer1_Timer()
{
    try {
        txtTime->setText(GetServerDate().toString(QStringLiteral("hh:mm:ss AP")));
    } catch (const std::exception&) {
        // the clock shows the last time read; the next tick tries again
    }
}

void frmRegistration::keepFocus(QWidget* w)
{
    QTimer::singleShot(0, w, [w] { w->setFocus(); });
}

bool frmRegistration::LookUpCode(int kind)
{
    clsCodeSearch* search = Session.CodeSearch;
    QLineEdit* code = kind == 3 ? txtAccountID : kind == 7 ? txtNationalityID : kind == 2 ? txtReligionID : kind == 0 ? txtZipCode : txtDoctorID;
    QLineEdit* name = kind == 3 ? txtAccount : kind == 7 ? txtNationality : kind == 2 ? txtReligion : kind == 0 ? txtZipCodeName4 : txtDoctorName;
    bool chosen = false;
    try {
        chosen = search && OrSearchWarning([&] { return search->SearchListing(code->text(), kind); });
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return false;
    }
    if (!chosen) {
        MsgBox(QStringLiteral("Invalid code."), vbInformation, QStringLiteral("Message"));
        code->clear();
        name->clear();
        if (kind == 7) keepFocus(txtNationalityID);
        return false;
    }
    switch (kind) {
    case 3:
        txtAccountID->setText(search->CompanyRecord.AccountNumber);
        txtAccount->setText(search->CompanyRecord.CompanyName);
        break;
    case 7:
        txtNationalityID->setText(search->NationalityRecord.ResultCode);
        txtNationality->setText(search->NationalityRecord.Nationality);
        keepFocus(txtEmail);
        break;
    case 2:
        txtReligionID->setText(search->ReligionRecord.ResultCode);
        txtReligion->setText(search->ReligionRecord.Religion);
        keepFocus(txtChiefComplain);
        break;
    case 0:
        txtZipCode->setText(search->AddressRecord.ResultCode);
        txtZipCodeName4->setText(search->AddressRecord.Town.trimmed() + QStringLiteral(", ") + search->AddressRecord.Province);
        keepFocus(cboCivilStatus);
        break;
    default:
        txtDoctorName->setText(QStringLiteral("DR. ") + search->DoctorRecord.LastName + QStringLiteral(", ") +
                               search->DoctorRecord.FirstName + QLatin1Char(' ') + search->DoctorRecord.MiddleName);
        txtDoctorID->setText(search->DoctorRecord.ResultCode);
        break;
    }
    return true;
}

bool frmRegistration::txtBirthDate_Validate()
{
    txtAge->setEnabled(false);
    const QString text = birthDateText();
    const bool empty = text.trimmed() == QLatin1String("/  /");
    bool keep = false;
    if (empty) {
        MsgBox(QStringLiteral("Please enter patient's birth date"), vbOKOnly, QStringLiteral("Notification"));
        keep = true;
    }
    try {
        const QDate birth = QDate::fromString(text, QStringLiteral("MM/dd/yyyy"));
        const QDate upper = dtAdmDate->date();
        if (!birth.isValid() || birth > upper) {
            if (!empty) {
                MsgBox(QStringLiteral("Invalid date."), vbInformation, QStringLiteral("Notification"));
                keep = true;
            }
        } else if (birth <= GetServerDate().date()) {
            const int age = GetAgeYears(birth.toString(QStringLiteral("MM/dd/yyyy")));
            txtAge->setText(QString::number(age));
            if (age > 150 &&
                MsgBox(QStringLiteral("The patient is more than '%1' years old. Is this true?").arg(age), vbYesNo | vbInformation,
                       QStringLiteral("Notification")) == vbNo)
                keep = true;
        } else {
            MsgBox(QStringLiteral("Birthdate must not be greater than date today."), vbInformation, QStringLiteral("Notification"));
        }
    } catch (const std::exception& e) {
        MsgBox(ErrorDescription(e), vbCritical, QStringLiteral("Error"));
    }
    if (keep) keepFocus(txtBirthDate);
    return !keep;
}

bool frmRegistration::txtMobile_Validate()
{
    const QString number = txtMobile->text();
    if (number.size() >= 11 && Fmt::isNumeric(number)) {
        keepFocus(txtTelNum);
        return true;
    }
    MsgBox(QStringLiteral("Invalid mobile number. Format should look like this '09191234567'"), vbInformation,
           QStringLiteral("Message"));
    keepFocus(txtReligionID);
    return false;
}

bool frmRegistration::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Leaving for another window (a message box, a pick list) is not leaving the box.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || !isActiveWindow()) return false;
        if (watched == txtBirthDate) txtBirthDate_Validate();
        else if (watched == txtMobile) txtMobile_Validate();
        else if (watched == txtNationalityID) LookUpCode(7);
        else if (watched == txtReligionID) LookUpCode(2);
        else if (watched == txtZipCode) LookUpCode(0);
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == optMale || watched == optFemale) {
        if (enter) txtBirthDate->setFocus();
        else if (!key->text().isEmpty() && key->text().at(0).isPrint()) (watched == optMale ? optFemale : optMale)->setFocus();
        else return false;
        return true;
    }
    if (watched == cboCivilStatus && !enter) return false;
    if (!enter) return false;
    const struct {
        QWidget* from;
        QWidget* to;
    } moves[] = {{txtLastName, txtFirstName},     {txtFirstName, txtMiddleName},    {txtBirthPlace, txtHouseStreet},
                 {txtHouseStreet, txtBarangay},   {txtBarangay, txtZipCode},        {txtOccupation, txtNationalityID},
                 {txtEmail, txtMobile},           {cboCivilStatus, txtDoctorID}};
    for (const auto& m : moves)
        if (watched == m.from) {
            m.to->setFocus();
            return true;
        }
    if (watched == txtMiddleName) {
        if (Frame7->isEnabled()) optMale->setFocus();
    } else if (watched == txtBirthDate) {
        txtBirthPlace->setFocus();
        txtBirthDate_Validate();
    } else if (watched == txtMobile) {
        txtMobile_Validate();
    } else if (watched == txtZipCode) {
        LookUpCode(0);
    } else if (watched == txtNationalityID) {
        LookUpCode(7);
    } else if (watched == txtReligionID) {
        LookUpCode(2);
    } else if (watched == txtAccountID) {
        LookUpCode(3);
    } else if (watched == txtDoctorID) {
        LookUpCode(1);
    } else {
        return false;
    }
    return true;
}

bool frmRegistration::ValidateRegistration()
{
    const auto refuse = [](const QString& text, int style, const QString& title, QWidget* focus) {
        MsgBox(text, style, title);
        if (focus) QTimer::singleShot(0, focus, [focus] { focus->setFocus(); });
        return false;
    };
    const QString notification = QStringLiteral("Notification");
    if (txtLastName->text().trimmed().isEmpty())
        return refuse(QStringLiteral("Last name should not be empty."), vbInformation | vbCritical, notification, txtLastName);
    if (txtFirstName->text().trimmed().isEmpty())
        return refuse(QStringLiteral("First name should not be empty."), vbInformation | vbCritical, notification, txtFirstName);
    if (!optMale->isChecked() && !optFemale->isChecked()) {
        refuse(QStringLiteral("Gender is required."), vbInformation, notification, optMale);
        return false;
    }
    if (birthDateText() == kEmptyDate || !QDate::fromString(birthDateText(), QStringLiteral("MM/dd/yyyy")).isValid())
        return refuse(QStringLiteral("Please enter patient's birth date."), vbOKOnly, notification, txtBirthDate);
    if (txtZipCode->text().trimmed().isEmpty() || txtZipCodeName4->text().trimmed().isEmpty())
        return refuse(QStringLiteral("Zip code is required."), vbOKOnly, notification, txtZipCode);
    // Only an item of the list is a civil status.
    if (cboCivilStatus->currentIndex() < 0 || cboCivilStatus->currentText().trimmed().isEmpty())
        return refuse(QStringLiteral("Civil status is required."), vbOKOnly, notification, nullptr);
    if (txtNationalityID->text().trimmed().isEmpty() || txtNationality->text().trimmed().isEmpty())
        return refuse(QStringLiteral("Nationality is required."), vbOKOnly, notification, txtNationalityID);
    if (txtReligionID->text().trimmed().isEmpty() || txtReligion->text().trimmed().isEmpty())
        return refuse(QStringLiteral("Religion is required."), vbOKOnly, notification, txtReligionID);
    if (txtDoctorID->text().trimmed().isEmpty() || txtDoctorName->text().trimmed().isEmpty())
        return refuse(QStringLiteral("Attending doctor is required."), vbOKOnly, notification, txtDoctorID);
    // The person being registered, whichever road brought them (a new person has no case yet).
    if (!EditCathLabPatient && !RegistrationData::IsAuto(txtHospNum->text()) &&
        OrErrorNotice(true, [&] { return HasOpenCathCase(SharedConnection(), txtHospNum->text().trimmed()); }))
        return refuse(QStringLiteral("This patient is currently registered as Cathlab patient."), vbInformation,
                      QStringLiteral("Message"), nullptr);
    return true;
}

bool frmRegistration::SaveRegistration()
{
    using namespace RegistrationData;
    if (IsAuto(txtHospNum->text()) || IsAuto(txtIDNum->text())) PatientType = QStringLiteral("O");
    Entry e;
    e.editCase = EditCathLabPatient;
    e.hospNum = txtHospNum->text();
    e.idNum = txtIDNum->text();
    e.caseNum = txtCLNum->text();
    e.patientType = PatientType;
    e.lastName = txtLastName->text();
    e.firstName = txtFirstName->text();
    e.middleName = txtMiddleName->text();
    e.sex = optMale->isChecked() ? QStringLiteral("M") : optFemale->isChecked() ? QStringLiteral("F") : QString();
    e.birthDate = QDate::fromString(birthDateText(), QStringLiteral("MM/dd/yyyy"));
    e.age = txtAge->text();
    e.civilStatus = cboCivilStatus->currentIndex();
    e.houseStreet = txtHouseStreet->text();
    e.barangay = txtBarangay->text();
    e.zipCode = txtZipCode->text();
    e.occupation = txtOccupation->text();
    e.cellNum = txtMobile->text();
    e.telNum = txtTelNum->text();
    e.email = txtEmail->text();
    e.birthPlace = txtBirthPlace->text();
    e.nationalityID = txtNationalityID->text();
    e.religionID = txtReligionID->text();
    e.spouse = txtSpouse->text();
    e.spouseEmployer = txtSpouseEmployer->text();
    e.contactName = txtContactName->text();
    e.contactRelation = txtContactRelation->text();
    e.contactAddress = txtContactAddress->text();
    e.contactTelNum = txtContactContact->text();
    e.father = txtFather->text();
    e.mother = txtMother->text();
    e.accountID = txtAccountID->text();
    e.doctorID = txtDoctorID->text();
    e.chiefComplaint = txtChiefComplain->text();
    e.employeeCode = Session.CurrentUser ? Session.CurrentUser->EmployeeCode() : QString();
    try {
        // Asked before anything is taken: a cancel uses no number.
        if (IsAuto(e.hospNum) &&
            HasSimilarPersons(SharedConnection(), e.lastName.trimmed(), e.firstName.trimmed(), int(Fmt::val(e.age))) &&
            MsgBox(QStringLiteral("There is a registered patient(s) with the same last name, first name and age. Would you like to "
                                  "continue?"),
                   vbYesNo, QStringLiteral("NOTIFICATION")) == vbNo) {
            MsgBox(QStringLiteral("Registration Cancelled."), vbOKOnly);
            QApplication::restoreOverrideCursor();
            return false;
        }
        const Numbers n = Save(SharedConnection(), e);
        RegHospNum = n.hospNum;
        RegIDNum = n.idNum;
        RegOPDNum = n.opdNum;
        return true;
    } catch (const SaveStopped& stop) {
        MsgBox(stop.text, stop.style, stop.title);
    } catch (const std::exception& ex) {
        ShowErrorNotice(ex);
    }
    return false;
}

void frmRegistration::cmdSave_Click()
{
    if (!ValidateRegistration()) return;
    const bool edit = EditCathLabPatient;
    if (!SaveRegistration()) {
        MsgBox(QStringLiteral("Registration failed."), vbInformation, QStringLiteral("Message"));
        return;
    }
    if (edit) MsgBox(QStringLiteral("Registration details updated."), vbInformation, QStringLiteral("Notification"));
    else MsgBox(QStringLiteral("Successfully registered as Cathlab patient."), vbInformation, QStringLiteral("Message"));
    try {
        PrepareReport(ReportFilePath(QStringLiteral("CLRegistrationForm.RPT")), {RegIDNum});
        ShowReport(false, QStringLiteral("Print Registration Form"), false, true);
    } catch (const std::exception& ex) {
        ShowErrorNotice(ex);
    }
    EditCathLabPatient = false;
    CurrentlyRegistered = false;
    RegistrationFlags::RegisterByHospNum = false;
    Pno.clear();
    IDNo.clear();
    close();
    // The general patient list closes after a registration; the case list shows the new case at
    // once (an edit is reloaded by the case list that opened it).
    if (frmSearch::isLoaded()) frmSearch::existing()->close();
    if (!edit && frmCathPatients::isLoaded()) frmCathPatients::existing()->Command1_Click();
}

void frmRegistration::cmdClose_Click()
{
    EditCathLabPatient = false;
    close();
}
