#include "results/frmReprintLabForm.h"

#include "ordering/ExamOrderingData.h"
#include "platform/db/Connection.h"
#include "results/SignedInUser.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/text/Twips.h"
#include "platform/ui/FlexGrid.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/patient/PatientContext.h"
#include "shared/reports/modReports.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char* const kFields[] = {"Code", "Description", "ChargeSlip", "CHARGE DATE", "Section", "Type", "Specimen",
                               "DIALYSIS", "TRANSPLANT", "RequestNum", "NURSE", "CNURSE"};


Recordset postedExams(const QString& idNum, const QString& slip, const QString& mode)
{
    return SharedConnection().call(QStringLiteral("STATION..sp_Nurse_Get_LaboratoryExamPosted"),
                                   {idNum, Session.CurrentStationID.toString(), slip, mode});
}
}

frmReprintLabForm::frmReprintLabForm(const ReprintPatient& patient, QWidget* parent) : QDialog(parent), m_patient(patient)
{
    setObjectName(QStringLiteral("frmReprintLabForm"));
    setWindowTitle(QStringLiteral("List of Posted Laboratory Exams"));
    auto* v = new QVBoxLayout(this);
    mshflexLabList = new FlexGrid(this);
    mshflexLabList->setObjectName(QStringLiteral("mshflexLabList"));
    mshflexLabList->setSelectionBehavior(QAbstractItemView::SelectRows);
    v->addWidget(mshflexLabList, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const char* captions[] = {"Reprint", "Exit"};
    for (int i = 0; i < 2; ++i) {
        cmdOption[i] = new QPushButton(QString::fromLatin1(captions[i]), this);
        cmdOption[i]->setObjectName(QStringLiteral("cmdOption%1").arg(i));
        buttons->addWidget(cmdOption[i]);
        connect(cmdOption[i], &QPushButton::clicked, this, [this, i] { cmdOption_Click(i); });
    }
    cmdOption[0]->setEnabled(false);
    v->addLayout(buttons);
    connect(mshflexLabList, &QTableWidget::cellClicked, this, [this] { mshflexLabList_Click(); });
    resize(TwipsToPixels(15000), TwipsToPixels(5000));
    Form_Load();
}

void frmReprintLabForm::Form_Load()
{
    mshflexLabList->setRows(2);
    mshflexLabList->setFormatString(QStringLiteral(" |<CODE |<DESCRIPTION                 |<CHARGE SLIP|<CHARGE DATE/TIME    |<SECTION|<TYPE   "
                                                   "|<SPECIMEN|<DIALYSIS|<TRANSPLANT|<REQUESTNUM|<NURSE                    |<CNURSE"));
    const int widths[] = {0, 800, 3000, 800, 2500, 800, 800, 800, 800, 800, 800, 2500, 800};
    for (int c = 0; c < 13; ++c) mshflexLabList->setColWidth(c, widths[c]);
    try {
        const Recordset rs = postedExams(m_patient.idNum, QString(), QStringLiteral("0"));
        mshflexLabList->setRows(qMax(2, rs.recordCount() + 1));
        for (int r = 0; r < rs.recordCount(); ++r) {
            for (int c = 0; c < 12; ++c) {
                const QVariant v = rs.valueAt(r, QString::fromLatin1(kFields[c]));
                const QString text = c == 3 ? DbValue::toDateTime(v).toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP")) : DbValue::text(v);
                mshflexLabList->setTextMatrix(r + 1, c + 1, text);
            }
        }
        mshflexLabList->setEnabled(!rs.isEmpty());
    } catch (const std::exception& e) {
        mshflexLabList->setEnabled(false);
        ShowErrorNotice(e);
    }
}

void frmReprintLabForm::mshflexLabList_Click()
{
    cmdOption[0]->setEnabled(true);
}

void frmReprintLabForm::cmdOption_Click(int index)
{
    if (index == 0) ReprintRequestForm();
    else close();
}

void frmReprintLabForm::ReprintRequestForm()
{
    const int row = mshflexLabList->currentRow();
    if (row < 1) return;
    const QString slip = mshflexLabList->TextMatrix(row, 3).trimmed();
    QString type, lastSection;
    try {
        Connection& c = SharedConnection();
        const Recordset rs = postedExams(m_patient.idNum, slip, QStringLiteral("1"));
        if (rs.isEmpty()) return;
        type = rs.textAt(0, QStringLiteral("Type"));
        // The first examination's codes; a code the form does not know prints empty.
        const QString transplant = TransplantText(rs.textAt(0, QStringLiteral("TRANSPLANT")));
        const QString dialysis = DialysisText(rs.textAt(0, QStringLiteral("DIALYSIS")));
        ExamOrderingData::WritePostedLabRequestForm(c, rs, SignedInEmployeeCode(), m_patient.accountNumber, m_patient.doctorCode,
                                                    ExamOrderingData::WorkstationSession());
        lastSection = rs.textAt(rs.recordCount() - 1, QStringLiteral("Section"));
        // Printed after the rows are saved.
        PrintLabRequestForm(type, lastSection, slip, transplant, dialysis);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmReprintLabForm::PrintLabRequestForm(const QString& requestType, const QString& section, const QString& chargeSlip,
                                            const QString& transplant, const QString& dialysis)
{
    const bool outPatient = IsOutPatientNumber(m_patient.idNum);
    const QString accommodation = outPatient ? QStringLiteral("OPD/HEMODIALYSIS")
                                             : ExamOrderingData::RoomAccommodation(SharedConnection(), m_patient.idNum);
    PrepareReport(ReportFilePath(QStringLiteral("LabRequestForm_Reprint.RPT")),
                  {Session.HospAddress, Session.HospPhone, m_patient.hospNum, m_patient.idNum, m_patient.patientName, m_patient.age,
                   m_patient.sex, m_patient.room, accommodation, chargeSlip, QString(),
                   requestType.trimmed() == QLatin1String("Y") ? QStringLiteral("STAT") : QStringLiteral("ROUTINE"),
                   transplant, dialysis, m_patient.attendingDoctor,
                   outPatient ? QStringLiteral("Out-Patient") : QStringLiteral("In-Patient"), SignedInEmployeeCode(), section,
                   ExamOrderingData::WorkstationSession()});
    ShowReport(false, QStringLiteral("RE-PRINT LABORATORY REQUEST FORM"), true, false);
}
