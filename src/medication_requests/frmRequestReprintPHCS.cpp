#include "medication_requests/frmRequestReprintPHCS.h"

#include "access/UserValidation.h"
#include "medication_requests/MedicationRequestData.h"
#include "platform/db/Recordset.h"
#include "platform/text/Twips.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/modReports.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The grid's data rows from the result's first columns (grid columns 1 on); nothing changes for
// an empty result.
void fillGrid(FlexGrid* grid, const Recordset& rs, int columns)
{
    if (rs.isEmpty()) return;
    grid->setRows(1 + rs.recordCount());
    for (int r = 0; r < rs.recordCount(); ++r) {
        grid->setTextMatrix(r + 1, 0, QString::number(r + 1));
        for (int c = 0; c < columns && c < rs.fieldCount(); ++c) grid->setTextMatrix(r + 1, c + 1, DbValue::text(rs.valueAt(r, c)).trimmed());
    }
}
} // namespace

frmRequestReprintPHCS::frmRequestReprintPHCS(const QString& revenue, const RequestPatient& patient, QWidget* parent)
    : QDialog(parent), Patient(patient), m_revenue(revenue)
{
    setObjectName(QStringLiteral("frmRequestReprintPHCS"));
    setWindowTitle(QStringLiteral("REQUEST FORM REPRINTING"));
    setModal(true);
    auto* root = new QVBoxLayout(this);
    auto* top = new QGroupBox(QStringLiteral("List of Requests (per transaction)"), this);
    auto* topLayout = new QVBoxLayout(top);
    mshPerTransaction = new FlexGrid(top);
    mshPerTransaction->setObjectName(QStringLiteral("mshPerTransaction"));
    topLayout->addWidget(mshPerTransaction);
    root->addWidget(top, 1);
    auto* bottom = new QGroupBox(QStringLiteral("Detailed list"), this);
    auto* bottomLayout = new QVBoxLayout(bottom);
    mshDetailed = new FlexGrid(bottom);
    mshDetailed->setObjectName(QStringLiteral("mshDetailed"));
    bottomLayout->addWidget(mshDetailed);
    root->addWidget(bottom, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdPrint = new QPushButton(QStringLiteral("&Reprint"), this);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    for (QPushButton* b : {cmdPrint, cmdClose}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    root->addLayout(buttons);
    connect(cmdPrint, &QPushButton::clicked, this, &frmRequestReprintPHCS::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(mshPerTransaction, &QTableWidget::cellClicked, this, [this] { LoadRequestItems(); });

    mshPerTransaction->setRows(2);
    mshPerTransaction->setFormatString(QStringLiteral("<# |<Date/Time Requested |<Requesting Nurse    |<No. of Items  "));
    mshPerTransaction->setCols(5);
    const int perWidths[] = {0, 4000, 4000, 1200, 0};
    for (int c = 0; c < 5; ++c) mshPerTransaction->setColWidth(c, perWidths[c]);
    mshDetailed->setRows(2);
    mshDetailed->setFormatString(QStringLiteral("<# |<Code |<Description    |<Frequency   |<Quantity  |<Remarks"));
    mshDetailed->setCols(6);
    const int detailWidths[] = {0, 1000, 5000, m_revenue == QLatin1String("CS") ? 0 : 1300, 1500, 2000};
    for (int c = 0; c < 6; ++c) mshDetailed->setColWidth(c, detailWidths[c]);
    resize(TwipsToPixels(11000), 460);
    LoadRequestTransactions();
}

void frmRequestReprintPHCS::LoadRequestTransactions()
{
    try {
        fillGrid(mshPerTransaction, MedicationRequestData::RequestTransactions(SharedConnection(), m_revenue, Patient.IDNum), 4);
    } catch (const std::exception& e) {
        ShowErrorNotice(e); // the list keeps what it showed
    }
    if (mshPerTransaction->currentRow() < 1) mshPerTransaction->setCurrentCell(1, 1);
}

void frmRequestReprintPHCS::LoadRequestItems()
{
    const int row = mshPerTransaction->currentRow();
    if (row < 1) return;
    const QString key = mshPerTransaction->TextMatrix(row, 4);
    try {
        const Recordset rs = MedicationRequestData::RequestItems(SharedConnection(), m_revenue, Patient.IDNum, key);
        if (rs.isEmpty()) return; // the detail list keeps the transaction it showed
        mshDetailed->setRows(2);
        mshDetailed->setRows(1 + rs.recordCount());
        fillGrid(mshDetailed, rs, 5);
        m_shownKey = key;
    } catch (const std::exception& e) {
        LogPassedOverError(QStringLiteral("frmRequestReprintPHCS.LoadRequestItems"), e);
    }
}

void frmRequestReprintPHCS::cmdPrint_Click()
{
    if (mshDetailed->TextMatrix(qMax(1, mshDetailed->currentRow()), 1).isEmpty() || m_shownKey.isEmpty()) {
        MsgBox(QStringLiteral("Please select request transaction to reprint."), vbInformation, QStringLiteral("Notification"));
        return;
    }
    if (!ValidateUser()) return;
    ReprintRequestForm();
    LoadRequestTransactions();
}

void frmRequestReprintPHCS::ReprintRequestForm()
{
    try {
        PrepareReport(ReportFilePath(QStringLiteral("PHCSRequest.RPT")),
                      {QStringLiteral("DUPLICATE COPY"), Patient.PatientName, Patient.HospNum, Patient.Age + QStringLiteral("/") + Patient.Sex,
                       QString(), Patient.Account, Patient.Room, DialogAnswers.ValidatedUserName, m_revenue, Patient.IDNum,
                       DialogAnswers.ValidatedUserID, true, m_shownKey});
        ShowReport(false,
                   m_revenue == QLatin1String("PH") ? QStringLiteral("PHARMACY REQUEST FORM") : QStringLiteral("CENTRAL SUPPLIES REQUEST FORM"),
                   false, true);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}
