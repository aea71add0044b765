#include "registration/frmDischargeMenu.h"

#include "components/login/clsCurrentuser.h"
#include "components/patient_search/clsPatientSearch.h"
#include "platform/db/Connection.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/ui/KeyFilters.h"
#include "platform/ui/MessageBox.h"
#include "registration/Pickers.h"
#include "registration/RegistrationKeys.h"
#include "access/UserValidation.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QApplication>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

namespace {
const char* const kResults[] = {"Recovered", "Improved", "Unimproved", "Died", "Diagnosis Only"};
const char* const kDispositions[] = {"Discharged", "Transferred", "Absconded", "Autopsied", "DAMA/HAMA", "HPR"};

QLineEdit* lockedBox(QWidget* parent)
{
    auto* b = new QLineEdit(parent);
    b->setReadOnly(true);
    return b;
}
} // namespace

frmDischargeMenu::frmDischargeMenu(const PatientContext& patient, QWidget* parent) : QDialog(parent), Patient(patient)
{
    setWindowTitle(QStringLiteral("Discharges /Room Transfer"));
    auto* layout = new QVBoxLayout(this);
    SSTab1 = new QTabWidget(this);
    layout->addWidget(SSTab1);

    auto* discharge = new QWidget(SSTab1);
    auto* dl = new QGridLayout(discharge);
    auto* info = new QGroupBox(QStringLiteral("Discharge Information"), discharge);
    auto* il = new QGridLayout(info);
    txtAdmDate = lockedBox(info);
    txtADMTime = lockedBox(info);
    dtpDCR0 = DatePicker(info);
    dtpDCR1 = TimePicker(info);
    il->addWidget(new QLabel(QStringLiteral("Admission Date")), 0, 0);
    il->addWidget(txtAdmDate, 0, 1);
    il->addWidget(new QLabel(QStringLiteral("Admission Time")), 1, 0);
    il->addWidget(txtADMTime, 1, 1);
    il->addWidget(new QLabel(QStringLiteral("Discharge Date")), 2, 0);
    il->addWidget(dtpDCR0, 2, 1);
    il->addWidget(new QLabel(QStringLiteral("Discharge Time")), 3, 0);
    il->addWidget(dtpDCR1, 3, 1);
    auto* result = new QGroupBox(QStringLiteral("Result"), discharge);
    auto* rl = new QVBoxLayout(result);
    for (int i = 0; i < 5; ++i) {
        optResults[i] = new QRadioButton(QString::fromLatin1(kResults[i]), result);
        optResults[i]->setAutoExclusive(false);
        rl->addWidget(optResults[i]);
        connect(optResults[i], &QRadioButton::clicked, this, [this, i] { optResults_Click(i); });
    }
    auto* disposition = new QGroupBox(QStringLiteral("Disposition"), discharge);
    auto* pl = new QVBoxLayout(disposition);
    for (int i = 0; i < 6; ++i) {
        optDisposition[i] = new QRadioButton(QString::fromLatin1(kDispositions[i]), disposition);
        pl->addWidget(optDisposition[i]);
        connect(optDisposition[i], &QRadioButton::clicked, this, [this, i] { optDisposition_Click(i); });
    }
    cmdOptions[0] = new QPushButton(QStringLiteral("Save Discharge"), discharge);
    cmdOptions[1] = new QPushButton(QStringLiteral("Cancel"), discharge);
    dl->addWidget(info, 0, 0, 1, 2);
    dl->addWidget(result, 1, 0);
    dl->addWidget(disposition, 1, 1);
    auto* db = new QHBoxLayout;
    db->addStretch(1);
    db->addWidget(cmdOptions[0]);
    db->addWidget(cmdOptions[1]);
    dl->addLayout(db, 2, 0, 1, 2);
    SSTab1->addTab(discharge, QStringLiteral("Discharge Patient"));

    auto* transfer = new QWidget(SSTab1);
    auto* tl = new QGridLayout(transfer);
    txtOldRoom = lockedBox(transfer);
    txtOldStation = lockedBox(transfer);
    txtNewRoom = new QLineEdit(transfer);
    txtNewRoom->setMaxLength(20);
    txtNewStation = lockedBox(transfer);
    dtpTimeTransfer = TimePicker(transfer);
    tl->addWidget(new QLabel(QStringLiteral("Old Room Number")), 0, 0);
    tl->addWidget(txtOldRoom, 0, 1);
    tl->addWidget(new QLabel(QStringLiteral("Old Station")), 1, 0);
    tl->addWidget(txtOldStation, 1, 1);
    tl->addWidget(new QLabel(QStringLiteral("New Room Number")), 2, 0);
    tl->addWidget(txtNewRoom, 2, 1);
    tl->addWidget(new QLabel(QStringLiteral("New Station")), 3, 0);
    tl->addWidget(txtNewStation, 3, 1);
    tl->addWidget(new QLabel(QStringLiteral("Time Transferrred")), 4, 0);
    tl->addWidget(dtpTimeTransfer, 4, 1);
    cmdTransfer[0] = new QPushButton(QStringLiteral("Save New Room"), transfer);
    cmdTransfer[1] = new QPushButton(QStringLiteral("Cancel"), transfer);
    auto* tb = new QHBoxLayout;
    tb->addStretch(1);
    tb->addWidget(cmdTransfer[0]);
    tb->addWidget(cmdTransfer[1]);
    tl->addLayout(tb, 5, 0, 1, 2);
    SSTab1->addTab(transfer, QStringLiteral("Room Transfer"));

    UpperCaseKeys(txtNewRoom);
    txtNewRoom->installEventFilter(this);
    RegistrationKeys::DropApostrophes(this);
    for (int i = 0; i < 2; ++i) {
        connect(cmdOptions[i], &QPushButton::clicked, this, [this, i] { cmdOptions_Click(i); });
        connect(cmdTransfer[i], &QPushButton::clicked, this, [this, i] { cmdTransfer_Click(i); });
    }
    Form_Load();
}

QDate frmDischargeMenu::admissionDay() const
{
    if (!Session.PatientSearch) return {};
    const QString id = Patient.IDNum;
    const QVariant adm = IsOutPatientNumber(id) ? Session.PatientSearch->PatientClass()->clsOutPatient()->AdmissionDate
                                                : Session.PatientSearch->Admission()->AdmissionDate;
    return adm.toDateTime().date();
}

void frmDischargeMenu::Form_Load()
{
    const QString id = Patient.IDNum;
    QDateTime admitted;
    if (Session.PatientSearch)
        admitted = (IsOutPatientNumber(id) ? Session.PatientSearch->PatientClass()->clsOutPatient()->AdmissionDate
                                           : Session.PatientSearch->Admission()->AdmissionDate)
                       .toDateTime();
    txtAdmDate->setText(admitted.isValid() ? admitted.toString(QStringLiteral("MM/dd/yyyy")) : QString());
    txtADMTime->setText(admitted.isValid() ? admitted.toString(QStringLiteral("hh:mm:ss AP")) : QString());
    const QDate today = Session.ServerDate.isValid() ? Session.ServerDate.date() : QDate::currentDate();
    if (admitted.isValid()) dtpDCR0->setMinimumDate(qMin(admitted.date(), today));
    dtpDCR0->setMaximumDate(today);
    dtpDCR0->setDate(today);
    txtOldRoom->setText(Patient.Room);
    txtOldStation->setText(Session.CurrentStationName.toString());
}

void frmDischargeMenu::optResults_Click(int index)
{
    // "Died" goes with "Autopsied" and with nothing else.
    for (int i = 0; i < 5; ++i)
        if (i != index) optResults[i]->setChecked(false);
    if (index != 3) optResults[index]->setChecked(true);
    optResults[3]->setChecked(optDisposition[3]->isChecked());
    if (optDisposition[3]->isChecked())
        for (int i = 0; i < 5; ++i)
            if (i != 3) optResults[i]->setChecked(false);
}

void frmDischargeMenu::optDisposition_Click(int index)
{
    if (index == 3) {
        for (int i = 0; i < 5; ++i) optResults[i]->setChecked(i == 3);
    } else {
        optResults[3]->setChecked(false);
    }
}

void frmDischargeMenu::cmdOptions_Click(int index)
{
    if (index == 0) SaveDischarge();
    else reject();
}

void frmDischargeMenu::cmdTransfer_Click(int index)
{
    if (index == 0) SaveTransfer();
    else reject();
}

void frmDischargeMenu::SaveDischarge()
{
    const QString id = Patient.IDNum.trimmed();
    const auto refuse = [](const QString& text) { MsgBox(text, vbOKOnly | vbExclamation, QStringLiteral("Notification")); };
    try {
        Connection& c = SharedConnection();
        const Recordset notice = c.call(QStringLiteral("STATION..Nurse_CheckDischargeNotice"), {id});
        if (notice.isEmpty())
            return refuse(QStringLiteral("You are not allowed to discharge this patient. Please process/send first the Discharge "
                                         "Order to Billing Dept."));
        if (notice.text(QStringLiteral("RecordStatus")).trimmed() != QLatin1String("P"))
            return refuse(QStringLiteral("You are not allowed to discharge this patient. Wait for the Billing to print the "
                                         "Processing Sheet."));
        const QDate day = dtpDCR0->date();
        const QDate today = Session.ServerDate.isValid() ? Session.ServerDate.date() : QDate::currentDate();
        const QDate admitted = admissionDay();
        if ((admitted.isValid() && day < admitted) || day > today) return refuse(QStringLiteral("Invalid Discharged Date."));
        if (!c.call(QStringLiteral("STATION..List_PendingRequest"), {id}).isEmpty())
            return refuse(QStringLiteral("Patient Has Pending Request(s)! Can't Discharge this Patient."));
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    for (int i = 0; i < 5; ++i)
        if (optResults[i]->isChecked()) DischargeResultCode = QString::number(i + 1);
    for (int i = 0; i < 6; ++i)
        if (optDisposition[i]->isChecked()) DispositionCode = QString::number(i + 1);
    const QDateTime dischargeAt(dtpDCR0->date(), dtpDCR1->time());
    if (MsgBox(QStringLiteral("The Patient is about to be discharged. Do you want to proceed?"), vbYesNo | vbCritical,
               QStringLiteral("WARNING")) == vbNo)
        return;
    clsAdmission* admission = Session.PatientSearch ? Session.PatientSearch->Admission() : nullptr;
    bool discharged = false;
    try {
        if (!admission) throw std::runtime_error("The patient search component is not available.");
        admission->setConnection(&SharedConnection());
        discharged = admission->DischargePatient(id, dischargeAt, DischargeResultCode, DispositionCode,
                                                 Session.CurrentUser ? Session.CurrentUser->EmployeeCode() : QString(),
                                                 Patient.Room, Patient.AttendingDoctorCode);
    } catch (const std::exception& e) {
        MsgBox(QStringLiteral("Error While Discharging Patient  ") + ErrorDescription(e), vbOKOnly);
        return;
    }
    if (discharged) MsgBox(QStringLiteral("Patient Successfully Discharged !"), vbOKOnly);
    else MsgBox(admission->DischargeRefusal, vbOKOnly | vbExclamation, QStringLiteral("Notification"));
    accept();
}

bool frmDischargeMenu::txtNewRoom_Validate()
{
    try {
        if (!Session.PatientSearch || !Session.PatientSearch->ValidateRoom(txtNewRoom->text())) return false;
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return false;
    }
    const clsRoom* room = Session.PatientSearch->Room();
    txtNewRoom->setText(room->RoomID);
    txtNewStation->setText(room->Station.Description);
    NewRoomRate = room->RoomRate;
    return true;
}

void frmDischargeMenu::SaveTransfer()
{
    const QString room = txtNewRoom->text();
    if (room.isEmpty()) {
        MsgBox(QStringLiteral("Can't save a blank new room."), vbInformation, QStringLiteral("Notification"));
        return;
    }
    // The rate and station are those of the room as typed now, never of a room accepted earlier.
    if (!txtNewRoom_Validate()) {
        txtNewRoom->setFocus();
        return;
    }
    if (MsgBox(QStringLiteral("Are you sure you want to Transfer this patient ") + QStringLiteral(" to Room ") + txtNewRoom->text() +
                   QStringLiteral("?"),
               vbYesNo | vbQuestion, QStringLiteral("Confirmation")) == vbNo) {
        reject();
        return;
    }
    const std::optional<ValidatedUser> validated =
        ValidateUser({.retryQuestion = QStringLiteral("Selected patient will not be transfered to room ") + txtNewRoom->text() +
                                       QStringLiteral(" \n") + QStringLiteral("Are you sure you want to transfer this patient?"),
                      .retryTitle = QStringLiteral("Notification!")});
    if (!validated) return;
    const QString user = validated->userID;
    try {
        const QDate today = GetServerDate().date();
        Connection& c = SharedConnection();
        TransactionGuard tx(c);
        c.call(QStringLiteral("PATIENT_DATA..sp_Adm_RoomTransfer"),
               {Patient.IDNum.trimmed(), txtNewRoom->text(), QDateTime(today, dtpTimeTransfer->time()), user, NewRoomRate,
                QStringLiteral("0")});
        tx.commit();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    MsgBox(QStringLiteral("Patient Successfully Transfered to ") + txtNewRoom->text() + QStringLiteral("."), vbInformation,
           QStringLiteral("Notification"));
    Patient.Room = txtNewRoom->text();
    Transferred = true;
    accept();
}

bool frmDischargeMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != txtNewRoom) return false;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            txtNewRoom_Validate();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || !isActiveWindow()) return false;
        if (!txtNewRoom->text().isEmpty() && !txtNewRoom_Validate())
            QTimer::singleShot(0, txtNewRoom, [this] { txtNewRoom->setFocus(); });
    }
    return false;
}
