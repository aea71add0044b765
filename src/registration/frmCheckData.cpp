#include "registration/frmCheckData.h"

#include "components/StationComponents.h"
#include "components/patient_search/clsPatientSearch.h"
#include "platform/db/Connection.h"
#include "platform/ui/KeyFilters.h"
#include "platform/ui/MessageBox.h"
#include "registration/RegistrationKeys.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmCheckData::frmCheckData(const PatientContext& patient, QWidget* parent) : QDialog(parent), Patient(patient)
{
    setWindowTitle(QStringLiteral("Please Enter the Missing Information"));
    auto* layout = new QVBoxLayout(this);
    const char* frames[] = {"Admitting Diagnosis", "Chief Complaints"};
    for (int i = 0; i < 2; ++i) {
        auto* frame = new QGroupBox(QString::fromLatin1(frames[i]), this);
        auto* fl = new QVBoxLayout(frame);
        txtEntry[i] = new QLineEdit(frame);
        fl->addWidget(txtEntry[i]);
        layout->addWidget(frame);
    }
    auto* diet = new QGroupBox(QStringLiteral("Diet Name"), this);
    auto* dl = new QGridLayout(diet);
    txtDiet[0] = new QLineEdit(diet);
    txtDiet[1] = new QLineEdit(diet);
    txtDiet[1]->setMaximumWidth(80);
    cmdDiet = new QPushButton(QStringLiteral("..."), diet);
    dl->addWidget(txtDiet[0], 0, 0);
    dl->addWidget(txtDiet[1], 0, 1);
    dl->addWidget(cmdDiet, 0, 2);
    layout->addWidget(diet);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdOption[0] = new QPushButton(QStringLiteral("&Save"), this);
    cmdOption[1] = new QPushButton(QStringLiteral("&Cancel"), this);
    buttons->addWidget(cmdOption[0]);
    buttons->addWidget(cmdOption[1]);
    layout->addLayout(buttons);
    UpperCaseKeys(txtDiet[0]);
    txtDiet[0]->installEventFilter(this);
    RegistrationKeys::DropApostrophes(this);
    connect(cmdDiet, &QPushButton::clicked, this, &frmCheckData::cmdDiet_Click);
    connect(cmdOption[0], &QPushButton::clicked, this, [this] { cmdOption_Click(0); });
    connect(cmdOption[1], &QPushButton::clicked, this, [this] { cmdOption_Click(1); });
    Form_Load();
}

void frmCheckData::Form_Load()
{
    try {
        if (Session.PatientSearch) {
            clsAdmission* adm = Session.PatientSearch->Admission();
            adm->Refresh();
            txtEntry[0]->setText(adm->History.AdmittingDiagnosis);
            txtEntry[1]->setText(adm->History.ChiefComplaint);
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    txtDiet[0]->setText(Patient.Diet);
}

void frmCheckData::cmdDiet_Click()
{
    try {
        if (Session.CodeSearch && OrSearchWarning([&] { return Session.CodeSearch->SearchListing(txtDiet[0]->text(), 6); })) {
            txtDiet[0]->setText(Session.CodeSearch->DietRecord.Diet);
            txtDiet[1]->setText(Session.CodeSearch->DietRecord.ResultCode);
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmCheckData::cmdOption_Click(int index)
{
    if (index != 0) {
        reject();
        return;
    }
    if (txtDiet[0]->text().isEmpty()) {
        MsgBox(QStringLiteral("Can't save a blank diet!"), vbExclamation, QStringLiteral("Notification"));
        return;
    }
    try {
        TransactionGuard tx(SharedConnection());
        SharedConnection().call(QStringLiteral("STATION..Nurse_UpdatePatientHistory"),
                                {Patient.IDNum, txtDiet[1]->text(), txtEntry[0]->text(), txtEntry[1]->text()});
        tx.commit();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    Patient.AdmittingDiagnosis = Patient.Diagnosis = txtEntry[0]->text();
    Patient.ChiefComplaint = txtEntry[1]->text();
    Patient.Diet = txtDiet[0]->text();
    accept();
}

bool frmCheckData::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtDiet[0] && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cmdDiet_Click();
            return true;
        }
    }
    return false;
}
