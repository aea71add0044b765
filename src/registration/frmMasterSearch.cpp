#include "registration/frmMasterSearch.h"

#include "platform/db/Connection.h"
#include "platform/text/Format.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/KeyFilters.h"
#include "platform/ui/MessageBox.h"
#include "registration/MasterSearchData.h"
#include "registration/RegistrationData.h"
#include "registration/RegistrationKeys.h"
#include "registration/frmRegistration.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/text/TextUtilities.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include <cmath>

namespace {

const char* const kGuide =
    "Computer records indicate that the following patient may have been confined in this hospital. Please verify this "
    "with the patient/guardian, be certain to check the name, date of birth and address. If the patient(s) displayed does "
    "not match the current admission, press ESC or Click on the 'Close' botton to continue. If the patient appears on the "
    "list,  highlight the name and press ENTER or double click...";

int ageOf(const QLineEdit* box)
{
    return int(std::abs(Fmt::roundHalfEven(Fmt::val(box->text()))));
}

} // namespace

frmMasterSearch::frmMasterSearch()
{
    setWindowTitle(QStringLiteral(" "));
    setObjectName(QStringLiteral("frmMasterSearch"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("Patient Search"), this);
    QFont f = heading->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    heading->setFont(f);
    layout->addWidget(heading);

    auto* top = new QGridLayout;
    const char* nameLabels[] = {"Last Name", "First Name", "Middle Name"};
    for (int i = 0; i < 3; ++i) {
        txtName[i] = new QLineEdit(this);
        txtName[i]->setMaxLength(60);
        top->addWidget(new QLabel(QString::fromLatin1(nameLabels[i])), 0, i);
        top->addWidget(txtName[i], 1, i);
        RegistrationKeys::FilterNames(txtName[i]);
    }
    top->addWidget(new QLabel(QStringLiteral("Gender")), 0, 3);
    auto* gender = new QHBoxLayout;
    Option1[0] = new QRadioButton(QStringLiteral("Male"), this);
    Option1[1] = new QRadioButton(QStringLiteral("Female"), this);
    gender->addWidget(Option1[0]);
    gender->addWidget(Option1[1]);
    top->addLayout(gender, 1, 3);
    top->addWidget(new QLabel(QStringLiteral("DATE OF BIRTH:")), 2, 0);
    auto* birth = new QHBoxLayout;
    txtBirthYear = new QLineEdit(this);
    txtBirthYear->setMaxLength(4);
    cboBirthMonth = new QComboBox(this);
    cboBirthDay = new QComboBox(this);
    cboBirthMonth->addItem(QString());
    cboBirthDay->addItem(QString());
    for (int m = 1; m <= 12; ++m) cboBirthMonth->addItem(QString::number(m));
    for (int d = 1; d <= 31; ++d) cboBirthDay->addItem(QString::number(d));
    birth->addWidget(new QLabel(QStringLiteral("Year")));
    birth->addWidget(txtBirthYear);
    birth->addWidget(new QLabel(QStringLiteral("Month")));
    birth->addWidget(cboBirthMonth);
    birth->addWidget(new QLabel(QStringLiteral("Day")));
    birth->addWidget(cboBirthDay);
    top->addLayout(birth, 2, 1, 1, 2);
    auto* card = new QHBoxLayout;
    txtHospNum = new QLineEdit(this);
    txtHospNum->setMaxLength(20);
    card->addWidget(new QLabel(QStringLiteral("HOSPITAL CARD NO.")));
    card->addWidget(txtHospNum);
    card->addWidget(new QLabel(QStringLiteral("SCAN")));
    top->addLayout(card, 3, 0, 1, 3);
    layout->addLayout(top);

    tabSearch = new QTabWidget(this);
    const char* pages[] = {"Name && Sex", "Hosp.No.", "Birth && Age"};
    for (int p = 0; p < 3; ++p) {
        auto* page = new QWidget(tabSearch);
        auto* pl = new QHBoxLayout(page);
        if (p == 1) pl->addWidget(new QLabel(QStringLiteral("Hospital Number"), page));
        if (p == 2) {
            pl->addWidget(new QLabel(QStringLiteral("AGE:"), page));
            optAge[0] = new QRadioButton(QStringLiteral("Equal to"), page);
            optAge[1] = new QRadioButton(QStringLiteral("Between"), page);
            for (int i = 0; i < 3; ++i) {
                txtAge[i] = new QLineEdit(page);
                txtAge[i]->setMaxLength(3);
            }
            pl->addWidget(optAge[0]);
            pl->addWidget(txtAge[0]);
            pl->addWidget(optAge[1]);
            pl->addWidget(txtAge[1]);
            pl->addWidget(new QLabel(QStringLiteral("and"), page));
            pl->addWidget(txtAge[2]);
        }
        pl->addStretch(1);
        tabSearch->addTab(page, QString::fromLatin1(pages[p]).replace(QStringLiteral("&&"), QStringLiteral("&&")));
    }
    layout->addWidget(tabSearch);

    auto* commands = new QHBoxLayout;
    vkCommand1[0] = new QPushButton(QStringLiteral("Search"), this);
    vkCommand1[3] = new QPushButton(QStringLiteral("New Patient"), this);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    Animation1 = new QLabel(this);
    Animation1->setObjectName(QStringLiteral("Animation1"));
    auto* movie = new QMovie(QStringLiteral(":/registration/findfile.gif"), QByteArray(), Animation1);
    movie->setScaledSize(QSize(26, 26)); // the height of the buttons beside it: the row does not move when it shows
    Animation1->setMovie(movie);
    QSizePolicy keepPlace = Animation1->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    Animation1->setSizePolicy(keepPlace);
    Animation1->setFixedSize(26, 26);
    Animation1->hide();
    commands->addWidget(vkCommand1[0]);
    commands->addWidget(vkCommand1[3]);
    commands->addWidget(Animation1);
    commands->addStretch(1);
    commands->addWidget(cmdClose);
    layout->addLayout(commands);

    grdPatient = new FlexGrid(this);
    grdPatient->setFixedCols(0);
    grdPatient->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdPatient->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(grdPatient, 1);

    auto* guide = new QGroupBox(QStringLiteral("Guideline:"), this);
    auto* gl = new QVBoxLayout(guide);
    lblGuide = new QLabel(guide);
    lblGuide->setWordWrap(true);
    gl->addWidget(lblGuide);
    layout->addWidget(guide);
    resize(1000, 620);

    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
    connect(vkCommand1[0], &QPushButton::clicked, this, &frmMasterSearch::SearchPatient);
    connect(vkCommand1[3], &QPushButton::clicked, this, &frmMasterSearch::NewPatient);
    connect(cmdClose, &QPushButton::clicked, this, [this] {
        RegistrationFlags::RegisterByHospNum = false;
        close();
    });
    connect(Option1[0], &QRadioButton::clicked, this, [this] { Option1_Click(0); });
    connect(Option1[1], &QRadioButton::clicked, this, [this] { Option1_Click(1); });
    connect(grdPatient, &QTableWidget::cellDoubleClicked, this, [this] { PickPatient(); });
    connect(tabSearch, &QTabWidget::currentChanged, this, &frmMasterSearch::tabSearch_Click);
    for (QLineEdit* name : txtName)
        connect(name, &QLineEdit::textEdited, this, [this] { vkCommand1[0]->setEnabled(true); });
    connect(txtHospNum, &QLineEdit::textEdited, this, [this] { vkCommand1[0]->setEnabled(true); });
    connect(optAge[0], &QRadioButton::clicked, this, [this] {
        txtAge[0]->setEnabled(true);
        txtAge[1]->setEnabled(false);
        txtAge[2]->setEnabled(false);
    });
    connect(optAge[1], &QRadioButton::clicked, this, [this] {
        txtAge[0]->setEnabled(false);
        txtAge[1]->setEnabled(true);
        txtAge[2]->setEnabled(true);
    });
}

void frmMasterSearch::setSearchText(const QString& text) { txtName[0]->setText(text); }

void frmMasterSearch::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_loaded) Form_Load();
}

void frmMasterSearch::SetupPatientGrid()
{
    grdPatient->clearContents();
    grdPatient->setRows(1);
    grdPatient->setFormatString(
        QStringLiteral("Last Name |<FirstName |<Middle Name |<Hosp. No. |<Birth Date |<Age |<Address "));
    const int widths[] = {2000, 2000, 2000, 1000, 1100, 1000, 6400};
    for (int c = 0; c < 7; ++c) grdPatient->setColWidth(c, widths[c]);
    grdPatient->setRows(2);
}

void frmMasterSearch::Form_Load()
{
    m_loaded = true;
    SetupPatientGrid();
    tabSearch->setCurrentIndex(0);
    SearchKind = QStringLiteral("Name");
    RegistrationFlags::RegisterByHospNum = false;
    Selection.SelectedHospNum.clear();
    m_newRegistrationFlag = false;
    vkCommand1[0]->setEnabled(false);
    vkCommand1[3]->setEnabled(false);
    txtHospNum->setReadOnly(false);
    if (!LastName.isEmpty()) txtName[0]->setText(LastName);
    if (!FirstName.isEmpty()) txtName[1]->setText(FirstName);
    if (!MiddleName.isEmpty()) txtName[2]->setText(MiddleName);
    if (!HospNumber.isEmpty()) txtHospNum->setText(HospNumber);
    const QDate birth = QDate::fromString(BirthDate.trimmed(), QStringLiteral("MM/dd/yyyy"));
    if (birth.isValid()) {
        txtBirthYear->setText(QString::number(birth.year()));
        cboBirthMonth->setCurrentIndex(birth.month());
        cboBirthDay->setCurrentIndex(birth.day());
    }
    if (!txtHospNum->text().trimmed().isEmpty()) {
        SearchKind = QStringLiteral("HospNum");
        SearchPatient();
    }
    if (!txtName[0]->text().trimmed().isEmpty()) SearchPatient();
    lblGuide->setText(QString::fromLatin1(kGuide));
}

bool frmMasterSearch::searchChecksPass()
{
    if (txtName[0]->text().trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Please fill up the LastName!"), vbCritical, QApplication::applicationName());
        txtName[0]->setFocus();
        return false;
    }
    if (!Option1[0]->isChecked() && !Option1[1]->isChecked()) {
        MsgBox(QStringLiteral("Please fill up the Gender!"), vbCritical, QApplication::applicationName());
        return false;
    }
    return true;
}

void frmMasterSearch::SearchPatient()
{
    SetupPatientGrid();
    if (!searchChecksPass()) return;
    // Painted before the statement blocks, and left playing as the search leaves the list.
    Animation1->show();
    Animation1->movie()->start();
    Animation1->repaint();
    vkCommand1[0]->setEnabled(true);
    vkCommand1[3]->setEnabled(true);
    MasterSearchData::Criteria k;
    if (optAge[0]->isChecked()) {
        k.lowerAge = k.upperAge = ageOf(txtAge[0]);
    } else if (optAge[1]->isChecked()) {
        k.lowerAge = ageOf(txtAge[1]);
        k.upperAge = ageOf(txtAge[2]);
    }
    if (SearchKind != QLatin1String("Name")) {
        k.hospNum = txtHospNum->text();
        tabSearch->setCurrentIndex(1);
    }
    k.birthDate = JoinDateParts(txtBirthYear->text(), cboBirthMonth->currentText(), cboBirthDay->currentText());
    k.lastName = txtName[0]->text();
    k.firstName = txtName[1]->text();
    k.middleName = txtName[2]->text();
    k.sex = Sex;
    MatchesFound = false;
    Recordset rs;
    try {
        rs = MasterSearchData::Search(SharedConnection(), k);
    } catch (const std::exception& e) {
        Animation1->movie()->stop();
        Animation1->hide();
        ShowErrorNotice(e);
        return;
    }
    if (rs.isEmpty()) {
        grdPatient->setEnabled(false);
        return;
    }
    grdPatient->setEnabled(true);
    MatchesFound = true;
    grdPatient->setRows(rs.recordCount() + 1);
    for (int r = 0; r < rs.recordCount(); ++r)
        for (int c = 0; c < 7 && c < rs.fieldCount(); ++c) grdPatient->setTextMatrix(r + 1, c, DbValue::text(rs.valueAt(r, c)));
    grdPatient->setCurrentCell(1, 0);
    if (grdPatient->isVisible()) grdPatient->setFocus();
}

void frmMasterSearch::Option1_Click(int index)
{
    const QString sex = index == 0 ? QStringLiteral("M") : QStringLiteral("F");
    if (sex == Sex) return;
    Sex = sex;
    vkCommand1[0]->setEnabled(true);
    SearchPatient();
}

void frmMasterSearch::tabSearch_Click(int page)
{
    SearchKind = page == 1 ? QStringLiteral("Number") : QStringLiteral("Name");
}

void frmMasterSearch::openRegistrationForEntry()
{
    frmRegistration* reg = frmRegistration::instance();
    reg->OpenForEntry();
}

void frmMasterSearch::PickPatient()
{
    const int row = grdPatient->currentRow();
    // A pick needs a chosen person before anything is asked about them.
    if (row < 1 || !grdPatient->isEnabled() || grdPatient->TextMatrix(row, qBound(0, ReturnColumn, 6)).trimmed().isEmpty()) {
        MsgBox(QStringLiteral("You must choose a name from the list"), vbOKOnly, QStringLiteral("Notification"));
        return;
    }
    const QString hospNum = grdPatient->TextMatrix(row, 3).trimmed();
    Selection.SelectedHospNum = hospNum;
    Recordset details;
    try {
        Connection& c = SharedConnection();
        if (MasterSearchData::HasOpenAdmission(c, hospNum) || MasterSearchData::HasOpenVisit(c, hospNum)) {
            MsgBox(QStringLiteral("This patient is already registered. Please verify on the patient's list "), vbQuestion,
                   QStringLiteral("Information"));
            return;
        }
        const QVariant unpaid = MasterSearchData::OldAccountsAmount(c, hospNum);
        if (unpaid.isValid())
            MsgBox(QStringLiteral("The patient has unpaid bill of ") + DbValue::text(unpaid), vbInformation, QStringLiteral("Message"));
        details = MasterSearchData::LoadPatient(c, hospNum);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    const QString last = grdPatient->TextMatrix(row, 0), first = grdPatient->TextMatrix(row, 1),
                  middle = grdPatient->TextMatrix(row, 2);
    const bool male = Option1[0]->isChecked();
    RegistrationFlags::RegisterByHospNum = false;
    hide();
    frmRegistration* reg = frmRegistration::instance();
    openRegistrationForEntry();
    reg->txtHospNum->setText(hospNum);
    reg->txtIDNum->setText(RegistrationData::kAuto);
    reg->txtCLNum->setText(RegistrationData::kAuto);
    reg->txtLastName->setText(last);
    reg->txtFirstName->setText(first);
    reg->txtMiddleName->setText(middle);
    (male ? reg->optMale : reg->optFemale)->setChecked(true);
    reg->optHospPlan[0]->setChecked(true);
    reg->optHospPlan_Click(0);
    const auto text = [&details](const char* field) {
        return details.isEmpty() ? QString() : details.text(QString::fromLatin1(field)).trimmed();
    };
    const QDate birth = details.isEmpty() ? QDate() : details.toDate(QStringLiteral("BirthDate"));
    reg->txtBirthDate->setText(birth.isValid() ? birth.toString(QStringLiteral("MM/dd/yyyy")) : QStringLiteral("  /  /    "));
    try {
        reg->txtAge->setText(birth.isValid() ? QString::number(GetAgeYears(birth.toString(QStringLiteral("MM/dd/yyyy")))) : QString());
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    reg->txtBirthPlace->setText(text("BirthPlace"));
    reg->txtZipCode->setText(text("ZipCode"));
    reg->txtZipCodeName4->setText(text("Town"));
    if (!text("CivilStatus").isEmpty()) reg->MatchCivilStatus(text("CivilStatusName"));
    reg->txtBarangay->setText(text("Barangay"));
    reg->txtHouseStreet->setText(text("HouseStreet"));
    reg->txtOccupation->setText(text("Occupation"));
    reg->txtNationalityID->setText(text("NationalityID"));
    reg->txtNationality->setText(text("NationalityName"));
    reg->txtReligionID->setText(text("ReligionID"));
    reg->txtReligion->setText(text("ReligionName"));
    reg->CurrentlyRegistered = false;
    close();
    runModal(reg);
}

void frmMasterSearch::NewPatient()
{
    SetupPatientGrid();
    if (!searchChecksPass()) return;
    if (MatchesFound &&
        MsgBox(QStringLiteral("There is at least one record that matches your search criteria.\r\nYou can choose to use that "
                              "registration by double-click on the person's name on the list.\r\nAre you sure you want to "
                              "create a new hospital no. instead?"),
               vbYesNoCancel | vbExclamation | vbDefaultButton3, QStringLiteral("Verification")) != vbYes)
        return;
    const QString names[3] = {txtName[0]->text(), txtName[1]->text(), txtName[2]->text()};
    const bool male = Option1[0]->isChecked();
    RegistrationFlags::RegisterByHospNum = false;
    hide();
    frmRegistration* reg = frmRegistration::instance();
    openRegistrationForEntry();
    reg->txtHospNum->setText(RegistrationData::kAuto);
    reg->txtIDNum->setText(RegistrationData::kAuto);
    reg->txtCLNum->setText(RegistrationData::kAuto);
    reg->txtLastName->setText(names[0]);
    reg->txtFirstName->setText(names[1]);
    reg->txtMiddleName->setText(names[2]);
    (male ? reg->optMale : reg->optFemale)->setChecked(true);
    reg->optHospPlan[0]->setChecked(true);
    reg->optHospPlan_Click(0);
    close();
    runModal(reg);
}

void frmMasterSearch::loadPatientInfo()
{
    const QString hospNum = txtHospNum->text().trimmed();
    try {
        Connection& c = SharedConnection();
        if (hospNum.isEmpty() || !MasterSearchData::CheckCardNumber(c, hospNum)) {
            MsgBox(QStringLiteral("Patient card does not exist."), vbCritical, QStringLiteral("MESSAGE"));
            return;
        }
        // The carded person is checked as a pick is: no second registration of an open stay.
        if (MasterSearchData::HasOpenAdmission(c, hospNum) || MasterSearchData::HasOpenVisit(c, hospNum)) {
            MsgBox(QStringLiteral("This patient is already registered. Please verify on the patient's list "), vbQuestion,
                   QStringLiteral("Information"));
            return;
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    Selection.SelectedHospNum = hospNum;
    RegistrationFlags::RegisterByHospNum = true;
    frmRegistration* reg = frmRegistration::instance();
    reg->Pno = hospNum;
    openRegistrationForEntry();
    runModal(reg);
    close();
}

bool frmMasterSearch::ChkSurname2(const QString& name, bool allowBlank, bool isLastName)
{
    if (name.isEmpty()) return allowBlank;
    if (MasterSearchData::HasNameLabel(name)) {
        MsgBox(QStringLiteral("Please enter labels like Jr, Sr, II, VI or the like in the patient's firstname..."), vbCritical);
        return false;
    }
    try {
        if (MasterSearchData::IsKnownLastName(SharedConnection(), name)) return true;
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return false;
    }
    return MsgBox(QStringLiteral("The ") + (isLastName ? QStringLiteral("last name") : QStringLiteral("middle name")) +
                      QStringLiteral(" '") + QLatin1Char(' ') + name + QLatin1Char(' ') +
                      QStringLiteral("' may not be spelled correctly. Select the 'Yes' botton if correct or 'No' botton if not..."),
                  vbYesNo | vbCritical, QApplication::applicationName()) == vbYes;
}

bool frmMasterSearch::txtName_Validate(int index)
{
    txtName[index]->setText(txtName[index]->text().trimmed());
    if (index == 1) return true;
    return ChkSurname2(txtName[index]->text(), index == 2, index == 0);
}

bool frmMasterSearch::txtBirthYear_Validate()
{
    if (Fmt::roundHalfEven(Fmt::val(txtBirthYear->text())) > QDate::currentDate().year()) {
        MsgBox(QStringLiteral("Invalid year of birth..."), vbCritical);
        return false;
    }
    return true;
}

bool frmMasterSearch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || !isActiveWindow() || !isVisible())
            return false;
        auto* w = static_cast<QWidget*>(watched);
        bool ok = true;
        for (int i = 0; i < 3; ++i)
            if (watched == txtName[i]) ok = txtName_Validate(i);
        if (watched == txtBirthYear) ok = txtBirthYear_Validate();
        if (!ok) QTimer::singleShot(0, w, [w] { w->setFocus(); });
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->text() == QLatin1String("'")) return true;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter) {
        if (watched == grdPatient) PickPatient();
        else if (watched == txtHospNum) loadPatientInfo();
        else if (qobject_cast<QLineEdit*>(watched) || qobject_cast<QComboBox*>(watched)) focusNextChild();
        else return false;
        return true;
    }
    // Everything typed arrives in capitals.
    if (qobject_cast<QLineEdit*>(watched) && SendKeyInUpperCase(watched, key)) return true;
    return false;
}
