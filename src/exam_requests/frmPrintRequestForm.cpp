#include "exam_requests/frmPrintRequestForm.h"

#include "components/login/clsCurrentuser.h"
#include "ordering/ExamOrderingData.h"
#include "platform/db/Connection.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/modReports.h"
#include "shared/patient/PatientContext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
QString employeeCode() { return Session.CurrentUser ? Session.CurrentUser->EmployeeCode() : QString(); }
}

frmPrintRequestForm::frmPrintRequestForm(const PatientContext& patient, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPrintRequestForm"));
    setWindowTitle(QStringLiteral("Printing of Request Form"));
    auto* root = new QHBoxLayout(this);
    Image1 = new QLabel(this);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    root->addWidget(Image1, 0, Qt::AlignTop);
    auto* right = new QVBoxLayout;
    const char* texts[4] = {
        "Printing of request form is now being sent to the printer. Depending on the speed of your printer, it may take a "
        "minute or two before the request form is printed.",
        "If the request form is printed, click OK.", "If the request form did not print, click REPRINT.",
        "Make sure that the printer is properly connected to the computer and is turned-on before you click the REPRINT button."};
    for (int i = 0; i < 4; ++i) {
        lblMessage[i] = new QLabel(QString::fromLatin1(texts[i]), this);
        lblMessage[i]->setWordWrap(true);
        right->addWidget(lblMessage[i]);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const char* captions[2] = {"OK", "REPRINT"};
    for (int i = 0; i < 2; ++i) {
        cmdOption[i] = new QPushButton(QString::fromLatin1(captions[i]), this);
        cmdOption[i]->setObjectName(QStringLiteral("cmdOption%1").arg(i));
        cmdOption[i]->setAutoDefault(false);
        buttons->addWidget(cmdOption[i]);
        connect(cmdOption[i], &QPushButton::clicked, this, [this, i] { cmdOption_Click(i); });
    }
    right->addLayout(buttons);
    root->addLayout(right, 1);
    resize(460, 220);
    m_idNum = patient.IDNum;
    m_hospNum = patient.HospNum;
    m_patient = patient.PatientName;
    m_age = patient.Age;
    m_sex = patient.Sex;
    m_room = patient.Room;
    m_doctor2 = patient.AttendingDoctor;
    m_account = patient.AccountNumber;
    m_doctorCode = patient.AttendingDoctorCode;
}

void frmPrintRequestForm::cmdOption_Click(int index)
{
    if (index == 1) SaveLabRequestForm();
    close();
}

void frmPrintRequestForm::SaveLabRequestForm()
{
    const QString refNum = DialogAnswers.LastRequestRefNum.trimmed();
    Recordset rs;
    try {
        rs = SharedConnection().call(QStringLiteral("STATION..sp_Nurse_Get_LaboratoryExamPosted"),
                                     {m_idNum, Session.CurrentStationID.toString(), refNum, QStringLiteral("1")});
        if (rs.isEmpty()) return;
        ExamOrderingData::WritePostedLabRequestForm(SharedConnection(), rs, employeeCode(), m_account, m_doctorCode,
                                                    ExamOrderingData::WorkstationSession());
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    // The first examination's codes; a code the form does not know prints empty.
    PrintLabRequestForm(rs.textAt(0, QStringLiteral("Type")), rs.textAt(rs.recordCount() - 1, QStringLiteral("Section")), refNum,
                        TransplantText(rs.textAt(0, QStringLiteral("TRANSPLANT"))), DialysisText(rs.textAt(0, QStringLiteral("DIALYSIS"))));
}

void frmPrintRequestForm::PrintLabRequestForm(const QString& requestType, const QString& section, const QString& refNum,
                                              const QString& transplant, const QString& dialysis)
{
    try {
        const bool outPatient = IsOutPatientNumber(m_idNum);
        const QString accommodation = outPatient ? QStringLiteral("OPD/HEMODIALYSIS")
                                                 : ExamOrderingData::RoomAccommodation(SharedConnection(), m_idNum);
        PrepareReport(ReportFilePath(QStringLiteral("LabRequestForm.RPT")),
                      {Session.HospAddress, Session.HospPhone, m_hospNum, m_idNum, m_patient, m_age, m_sex, m_room, accommodation,
                       refNum, QString(), requestType.trimmed() == QLatin1String("Y") ? QStringLiteral("STAT") : QStringLiteral("ROUTINE"),
                       transplant, dialysis, m_doctor2,
                       outPatient ? QStringLiteral("Out-Patient") : QStringLiteral("In-Patient"), employeeCode(), section,
                       ExamOrderingData::WorkstationSession()});
        ShowReport(false, QStringLiteral("REPRINT LABORATORY REQUEST FORM"), false, false);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}
