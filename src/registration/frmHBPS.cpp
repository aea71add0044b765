#include "registration/frmHBPS.h"

#include "access/ActionApproval.h"
#include "components/login/clsCurrentuser.h"
#include "components/patient_search/clsPatientSearch.h"
#include "platform/db/Connection.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/ui/KeyFilters.h"
#include "platform/ui/MessageBox.h"
#include "registration/RegistrationKeys.h"
#include "access/UserValidation.h"
#include "registration/Pickers.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/text/ColumnFit.h"
#include "shared/text/TextUtilities.h"
#include "shared/patient/PatientContext.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimeEdit>
#include <QTimer>

namespace {
QPlainTextEdit* textBox(QWidget* parent)
{
    auto* t = new QPlainTextEdit(parent);
    UpperCaseKeys(t);
    return t;
}
} // namespace

frmHBPS::frmHBPS(const PatientContext& patient, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Discharge Order"));
    auto* layout = new QGridLayout(this);
    auto* info = new QGroupBox(QStringLiteral("Discharge Information"), this);
    auto* il = new QGridLayout(info);
    dtpOrder = DatePicker(info);
    dtpOrderTime = TimePicker(info);
    dtpBill = DatePicker(info);
    il->addWidget(new QLabel(QStringLiteral("Ordered Date")), 0, 0);
    il->addWidget(dtpOrder, 0, 1);
    il->addWidget(new QLabel(QStringLiteral("Ordered Time ")), 1, 0);
    il->addWidget(dtpOrderTime, 1, 1);
    il->addWidget(new QLabel(QStringLiteral("Bill Up To")), 2, 0);
    il->addWidget(dtpBill, 2, 1);
    auto* operation = new QGroupBox(QStringLiteral("Operation Information"), this);
    auto* ol = new QGridLayout(operation);
    optWithOperation[0] = new QRadioButton(QStringLiteral("Yes"), operation);
    optWithOperation[1] = new QRadioButton(QStringLiteral("No"), operation);
    dtpOperation = DatePicker(operation);
    dtpOperTime = TimePicker(operation);
    txtOperation = textBox(operation);
    ol->addWidget(new QLabel(QStringLiteral("With Operation ?")), 0, 0);
    ol->addWidget(optWithOperation[0], 0, 1);
    ol->addWidget(optWithOperation[1], 0, 2);
    ol->addWidget(new QLabel(QStringLiteral("Operation Date")), 1, 0);
    ol->addWidget(dtpOperation, 1, 1, 1, 2);
    ol->addWidget(new QLabel(QStringLiteral("Operation Time")), 2, 0);
    ol->addWidget(dtpOperTime, 2, 1, 1, 2);
    ol->addWidget(new QLabel(QStringLiteral("Operation Procedure ")), 3, 0);
    ol->addWidget(txtOperation, 3, 1, 1, 2);
    auto* diagnosis = new QGroupBox(QStringLiteral("Medical Diagnosis"), this);
    (new QVBoxLayout(diagnosis))->addWidget(txtMedDiagnosis = textBox(diagnosis));
    auto* fees = new QGroupBox(QStringLiteral("Medical Fees"), this);
    auto* fl = new QVBoxLayout(fees);
    fl->addWidget(new QLabel(QStringLiteral("Doctor' Name                                   Amount"), fees));
    fl->addWidget(txtMedicalFees = textBox(fees));
    auto* remarks = new QGroupBox(QStringLiteral("Remarks"), this);
    (new QVBoxLayout(remarks))->addWidget(txtRemarks = textBox(remarks));
    const QString notice = QStringLiteral("STATION..TBNURSEDISCHARGENOTICE");
    FitToColumn(txtOperation, notice, QStringLiteral("Procedures"));
    FitToColumn(txtMedDiagnosis, notice, QStringLiteral("FinalDiagnosis"));
    FitToColumn(txtMedicalFees, notice, QStringLiteral("MedicalFees"));
    FitToColumn(txtRemarks, notice, QStringLiteral("Remarks"));
    layout->addWidget(info, 0, 0);
    layout->addWidget(operation, 0, 1);
    layout->addWidget(diagnosis, 1, 0);
    layout->addWidget(fees, 1, 1);
    layout->addWidget(remarks, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    const char* captions[] = {"Save As Preliminary Data", "Save && Send Final Discharge Notice to Billing", "Cancel"};
    for (int i = 0; i < 3; ++i) {
        Command1[i] = new QPushButton(QString::fromLatin1(captions[i]), this);
        buttons->addWidget(Command1[i]);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    cmdRevoke = new QPushButton(QStringLiteral("Revoke Discharge Order"), this);
    buttons->insertWidget(2, cmdRevoke);
    layout->addLayout(buttons, 3, 0, 1, 2);
    StatusBar1 = new QStatusBar(this);
    const char* captionsBar[] = {"USERID", "", "BILLING DATE", "", "NOTICE DATE", ""};
    for (int i = 1; i <= 6; ++i) {
        panel[i] = new QLabel(QString::fromLatin1(captionsBar[i - 1]), StatusBar1);
        StatusBar1->addWidget(panel[i], i % 2 == 0 ? 1 : 0);
    }
    layout->addWidget(StatusBar1, 4, 0, 1, 2);
    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &frmHBPS::Timer1_Timer);
    connect(cmdRevoke, &QPushButton::clicked, this, &frmHBPS::cmdRevoke_Click);
    for (QRadioButton* o : optWithOperation) connect(o, &QRadioButton::clicked, this, &frmHBPS::optWithOperation_Click);
    for (QDateEdit* d : {dtpOrder, dtpBill, dtpOperation}) {
        connect(d, &QDateEdit::dateChanged, this, [this, d] { applyLimits(d != dtpOperation); });
        d->installEventFilter(this);
    }
    RegistrationKeys::DropApostrophes(this);

    m_id = patient.IDNum;
    m_patientName = patient.PatientName;
    m_patientType = patient.PatientType;
    if (m_patientType.isEmpty()) m_patientType = IsOutPatientNumber(m_id) ? QStringLiteral("O") : QStringLiteral("I");
    Form_Load();
}

QDate frmHBPS::admissionDate() const
{
    if (!Session.PatientSearch) return {};
    const QVariant v = IsOutPatientNumber(m_id) ? Session.PatientSearch->PatientClass()->clsOutPatient()->AdmissionDate
                                                : Session.PatientSearch->Admission()->AdmissionDate;
    return v.toDateTime().date();
}

QDate frmHBPS::today() const { return Session.ServerDate.isValid() ? Session.ServerDate.date() : QDate::currentDate(); }

void frmHBPS::applyLimits(bool orderAndBill)
{
    const QDate from = admissionDate().isValid() ? qMin(admissionDate(), today()) : today();
    if (orderAndBill) {
        dtpOrder->setDateRange(from, qMax(from, today()));
        dtpBill->setMinimumDate(from);
    }
    dtpOperation->setDateRange(from, qMax(from, today()));
}

void frmHBPS::setOperationEnabled(bool on)
{
    dtpOperation->setEnabled(on);
    dtpOperTime->setEnabled(on);
    txtOperation->setEnabled(on);
}

void frmHBPS::Form_Load()
{
    panel[4]->clear();
    panel[6]->clear();
    setOperationEnabled(false);
    try {
        if (LoadDischargeOrder()) {
            QVariant billing;
            if (Session.PatientSearch) {
                if (IsOutPatientNumber(m_id)) {
                    clsOutPatient* o = Session.PatientSearch->PatientClass()->clsOutPatient();
                    o->Refresh();
                    billing = o->BillingDate;
                } else {
                    clsAdmission* a = Session.PatientSearch->Admission();
                    a->Refresh();
                    billing = a->BillingDate;
                }
            }
            const QDateTime bill = billing.toDateTime();
            panel[4]->setText(bill.isValid() && bill.date() > QDate(1900, 1, 1) ? bill.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP"))
                                                                               : QString());
        } else {
            optWithOperation[0]->setChecked(false);
            optWithOperation[1]->setChecked(true);
            setOperationEnabled(false);
            const QDateTime now = GetServerDate();
            for (QDateEdit* d : {dtpOrder, dtpBill, dtpOperation}) d->setMinimumDate(now.date());
            dtpOperation->setMaximumDate(now.date());
            for (QDateEdit* d : {dtpOrder, dtpBill, dtpOperation}) d->setDate(now.date());
            dtpOrderTime->setTime(now.time());
            dtpOperTime->setTime(now.time());
            if (!IsOutPatientNumber(m_id) && Session.PatientSearch) {
                txtMedDiagnosis->setPlainText(Session.PatientSearch->Admission()->History.FinalDiagnosis);
                txtOperation->setPlainText(Session.PatientSearch->Admission()->History.Procedures);
            } else {
                txtMedDiagnosis->clear();
                txtOperation->clear();
            }
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    panel[2]->setText(Session.CurrentUser ? Session.CurrentUser->EmployeeCode() : QString());
    Timer1->setInterval(1000);
    Timer1->start();
}

bool frmHBPS::LoadDischargeOrder()
{
    const Recordset rs = SharedConnection().call(QStringLiteral("STATION..Nurse_CheckDcrNotice"), {m_id.trimmed()});
    if (rs.isEmpty()) return false;
    const QString status = rs.text(QStringLiteral("RecordStatus")).trimmed();
    const bool p = status == QLatin1String("P"), f = status == QLatin1String("F"), r = status == QLatin1String("R");
    Command1[0]->setEnabled(!p && !f);
    Command1[1]->setEnabled(!p && !r);
    cmdRevoke->setEnabled(!p && !r);
    applyLimits(true);
    const QDate bill = rs.toDate(QStringLiteral("BillUpTo"));
    if (bill.isValid()) dtpBill->setDate(bill);
    const bool withOperation = !rs.isNull(QStringLiteral("OperationDate"));
    optWithOperation[0]->setChecked(withOperation);
    optWithOperation[1]->setChecked(!withOperation);
    setOperationEnabled(withOperation);
    if (withOperation) {
        const QDateTime op = rs.toDateTime(QStringLiteral("OperationDate"));
        dtpOperation->setDate(op.date());
        dtpOperTime->setTime(op.time());
        txtOperation->setPlainText(rs.text(QStringLiteral("Procedures")));
    }
    const QDateTime ordered = rs.toDateTime(QStringLiteral("OrderedDate"));
    if (ordered.isValid()) {
        dtpOrder->setDate(ordered.date());
        dtpOrderTime->setTime(ordered.time());
    }
    txtMedicalFees->setPlainText(rs.text(QStringLiteral("MedicalFees")));
    txtRemarks->setPlainText(rs.text(QStringLiteral("Remarks")));
    txtMedDiagnosis->setPlainText(rs.text(QStringLiteral("FinalDiagnosis")));
    const QDateTime notice = rs.toDateTime(QStringLiteral("Noticedate"));
    panel[6]->setText((p || f) && notice.isValid() ? notice.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP")) : QString());
    QVariant raw = rs.value(QStringLiteral("RecordStatus"));
    m_status = NullToStr(raw);
    return true;
}

void frmHBPS::optWithOperation_Click()
{
    applyLimits(false);
    setOperationEnabled(optWithOperation[0]->isChecked());
}

void frmHBPS::Command1_Click(int index)
{
    if (index != 0 && index != 1) {
        reject();
        return;
    }
    const bool final = index == 1;
    QString user;
    for (;;) {
        if (final &&
            MsgBox(QStringLiteral("Are you sure you want to send FINAL DISCHARGE ORDER to the Billing department?"),
                   vbYesNo | vbQuestion | vbDefaultButton2, QStringLiteral("Notification!")) == vbNo)
            return;
        if (const std::optional<ValidatedUser> validated = ValidateUser()) {
            user = validated->userID;
            break;
        }
        const QString question =
            final ? QStringLiteral("You have entered invalid user information! Selected transaction(s) will not be saved! \n"
                                   "Are you sure you want to Send Final Discharge Order to the Billing department?")
                  : QStringLiteral("You have entered invalid user information!\nAre you sure you want to save DISCHARGE ORDER?");
        if (MsgBox(question, vbYesNo | vbInformation, QStringLiteral("Notification!")) == vbNo) return;
    }
    const bool withOperation = optWithOperation[0]->isChecked();
    try {
        const QDateTime now = GetServerDate();
        Connection& c = SharedConnection();
        TransactionGuard tx(c);
        // An order without an operation keeps no operation date, so that it reads back as "No".
        c.call(QStringLiteral("STATION..Nurse_SendDcrNotice"),
               {m_id, user, now, QDateTime(dtpOrder->date(), dtpOrderTime->time()), QDateTime(dtpBill->date(), QTime(0, 0)),
                withOperation ? QVariant(QDateTime(dtpOperation->date(), dtpOperTime->time())) : QVariant(QMetaType(QMetaType::QDateTime)),
                txtMedDiagnosis->toPlainText(), withOperation ? txtOperation->toPlainText() : QString(),
                txtMedicalFees->toPlainText(), txtRemarks->toPlainText(), final ? QStringLiteral("F") : QStringLiteral("S"),
                m_patientName.trimmed(), m_patientType});
        tx.commit();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    if (final) accept();
    else Form_Load();
}

void frmHBPS::cmdRevoke_Click()
{
    if (MsgBox(QStringLiteral("Are you sure you want to Revoke the Discharge Order?"), vbYesNo | vbQuestion, QStringLiteral("Message")) ==
        vbNo)
        return;
    const std::optional<ValidatedUser> validated = ValidateUser(
        {.postOrCancel = 1,
         .reasonMaxLength = ReasonRoom(QStringLiteral("STATION..TBNURSEDISCHARGENOTICE"), QStringLiteral("RevokeReason"), false),
         .retryQuestion = QStringLiteral("You have entered invalid user information! \nAre you sure you want to revoke  Discharge Order?"),
         .retryTitle = QStringLiteral("Notification!")});
    if (!validated) return;
    const QString user = validated->userID;
    int changed = 0;
    try {
        const Recordset rs = SharedConnection().call(QStringLiteral("Billing..sp_Billing_RevokeHBPS"),
                                                     {m_id.trimmed(), user, DialogAnswers.CancelReason});
        changed = rs.isEmpty() ? 0 : rs.toInt(QStringLiteral("RowsAffected"));
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    if (changed == 0) MsgBox(QStringLiteral("The discharge order had already been revoked."), vbExclamation);
    else MsgBox(QStringLiteral("Discharge Order Successfully Revoked!"), vbExclamation);
    accept();
}

void frmHBPS::Timer1_Timer()
{
    if (m_status != QLatin1String("Y")) return;
    Timer1->stop();
    MsgBox(QStringLiteral("The Patient`s Processing Sheet Has Been Forwarded To Billing..."), vbOKOnly);
    accept();
}

bool frmHBPS::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) applyLimits(watched != dtpOperation);
    return false;
}
