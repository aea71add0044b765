#include "exam_requests/frmCommunication.h"

#include "access/ActionApproval.h"
#include "access/UserValidation.h"
#include "exam_requests/RequestProcessingData.h"
#include "exam_requests/frmProcessRequests.h"
#include "components/login/clsCurrentuser.h"
#include "platform/db/Connection.h"
#include "platform/text/Twips.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/lookups/PatientLookups.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/modReports.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QColor kStatText(238, 0, 0);
const QColor kPrintedBack(192, 255, 192);
const int kWidths[13] = {1000, 1500, 1500, 1500, 4000, 1500, 3000, 1000, 0, 0, 0, 0, 0};
}

frmCommunication::frmCommunication(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCommunication"));
    setWindowTitle(QStringLiteral("Communication File"));
    setModal(true);
    auto* root = new QVBoxLayout(this);
    mfgrdPatient = new FlexGrid(this);
    mfgrdPatient->setObjectName(QStringLiteral("mfgrdPatient"));
    mfgrdPatient->setSelectionBehavior(QAbstractItemView::SelectRows);
    mfgrdPatient->setSelectionMode(QAbstractItemView::SingleSelection);
    mfgrdPatient->setFixedCols(0);
    root->addWidget(mfgrdPatient, 1);

    auto* legend = new QHBoxLayout;
    Label3 = new QLabel(QStringLiteral("Legend :"), this);
    Label4 = new QLabel(QStringLiteral("STAT"), this);
    Label4->setStyleSheet(QStringLiteral("color: rgb(238, 0, 0); background: white; padding: 2px 8px"));
    Label2 = new QLabel(QStringLiteral("PRINTED"), this);
    Label2->setStyleSheet(QStringLiteral("background: rgb(192, 255, 192); padding: 2px 8px"));
    Label1 = new QLabel(QStringLiteral("Double-click patient or click Process to choose."), this);
    legend->addWidget(Label3);
    legend->addWidget(Label4);
    legend->addWidget(Label2);
    legend->addSpacing(20);
    legend->addWidget(Label1);
    legend->addStretch(1);
    root->addLayout(legend);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdPrint = new QPushButton(QStringLiteral("Print"), this);
    cmdChoose = new QPushButton(QStringLiteral("&Process"), this);
    cmdRevoke = new QPushButton(QStringLiteral("&Revoke"), this);
    cmdCancel = new QPushButton(QStringLiteral("&Close"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdChoose->setObjectName(QStringLiteral("cmdChoose"));
    cmdRevoke->setObjectName(QStringLiteral("cmdRevoke"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* b : {cmdPrint, cmdChoose, cmdRevoke, cmdCancel}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    cmdPrint->setVisible(false); // nothing in the window shows it
    root->addLayout(buttons);

    connect(cmdChoose, &QPushButton::clicked, this, &frmCommunication::cmdChoose_Click);
    connect(cmdRevoke, &QPushButton::clicked, this, &frmCommunication::cmdRevoke_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmCommunication::cmdPrint_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmCommunication::cmdCancel_Click);
    connect(mfgrdPatient, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 1) mfgrdPatient_EnterCell();
    });
    connect(mfgrdPatient, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        if (row >= 1) cmdChoose_Click();
    });
    mfgrdPatient->setRows(2);
    mfgrdPatient->setCols(13);
    resize(TwipsToPixels(15500), TwipsToPixels(6500));
}

void frmCommunication::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // An empty list closes the window once it is up (closing inside the showing would leave
    // the modal loop waiting).
    if (!Form_Activate()) QTimer::singleShot(0, this, [this] { reject(); });
}

void frmCommunication::Reactivate()
{
    if (!Form_Activate()) reject();
}

bool frmCommunication::Form_Activate()
{
    Recordset rs;
    try {
        rs = RequestProcessingData::OpenRequests(SharedConnection(), StationParameters().MainRevenueID());
    } catch (const std::exception& e) {
        ShowErrorNotice(e); // the list keeps what it showed
        return true;
    }
    if (rs.isEmpty()) return false;
    const QSignalBlocker quiet(mfgrdPatient);
    // The result from the grid's first column, under its own captions, forced to 13 columns.
    mfgrdPatient->setRows(rs.recordCount() + 1);
    mfgrdPatient->setCols(13);
    for (int r = 0; r < rs.recordCount() + 1; ++r)
        for (int col = 0; col < 13; ++col)
            mfgrdPatient->setTextMatrix(r, col, col < rs.fieldCount() ? (r == 0 ? rs.fieldName(col) : DbValue::text(rs.valueAt(r - 1, col))) : QString());
    for (int col = 0; col < 13; ++col) mfgrdPatient->setColWidth(col, kWidths[col]);
    for (int r = 0; r < mfgrdPatient->Rows(); ++r) {
        const bool stat = mfgrdPatient->TextMatrix(r, 12).trimmed() == QLatin1String("Y");
        for (int col = 0; col < 13; ++col)
            if (QTableWidgetItem* it = mfgrdPatient->item(r, col)) it->setForeground(stat ? QBrush(kStatText) : QBrush());
    }
    ChangeColorPrintedStatus();
    mfgrdPatient->setCurrentCell(1, 0);
    mfgrdPatient_EnterCell();
    return true;
}

void frmCommunication::ChangeColorPrintedStatus()
{
    for (int r = 1; r < mfgrdPatient->Rows(); ++r) {
        if (mfgrdPatient->TextMatrix(r, 11).trimmed() != QLatin1String("P")) continue;
        for (int col = 0; col < mfgrdPatient->Cols(); ++col)
            if (QTableWidgetItem* it = mfgrdPatient->item(r, col)) it->setBackground(kPrintedBack);
    }
}

void frmCommunication::mfgrdPatient_EnterCell()
{
    const int row = mfgrdPatient->currentRow();
    if (row < 1) return;
    mfgrdPatient->selectRow(row);
    // A STAT row stays red while selected.
    QPalette p = mfgrdPatient->palette();
    const QTableWidgetItem* first = mfgrdPatient->item(row, 0);
    const QBrush fg = first ? first->foreground() : QBrush();
    p.setColor(QPalette::HighlightedText, fg.style() == Qt::NoBrush ? palette().color(QPalette::HighlightedText) : fg.color());
    mfgrdPatient->setPalette(p);
    cmdChoose->setEnabled(true);
}

QString frmCommunication::cell(int col) const
{
    return mfgrdPatient->TextMatrix(qMax(1, mfgrdPatient->currentRow()), col);
}

void frmCommunication::cmdChoose_Click()
{
    const QString idNum = cell(0);
    if (idNum.trimmed().isEmpty()) return;
    const QString hospNum = OrErrorNotice(QString(), [&] { return GetHospNum(SharedConnection(), idNum); });
    if (!OrErrorNotice(true, [&] { return HasOpenCathCase(SharedConnection(), hospNum); })) {
        MsgBox(QStringLiteral("Please register ") + cell(1) + QStringLiteral(" ") + cell(2) + QStringLiteral(" as Cathlab patient first."),
               vbOKOnly | vbInformation, QStringLiteral("Message"));
        return;
    }
    frmProcessRequests process(this);
    process.txtLname->setText(cell(1));
    process.txtFname->setText(cell(2));
    process.txtMname->setText(cell(3));
    process.txtIDNum->setText(idNum);
    runModal(&process);
    Reactivate();
}

void frmCommunication::cmdRevoke_Click()
{
    const QString requestNum = cell(10).trimmed();
    if (requestNum.isEmpty()) return;
    const QString crlf = QStringLiteral("\r\n");
    if (MsgBox(QStringLiteral("Do you want to revoke this request?") + crlf + crlf + QStringLiteral("Patient: ") + cell(1) +
                   QStringLiteral(", ") + cell(2) + cell(3) + crlf + QStringLiteral("Exam: ") + cell(4),
               vbYesNo | vbQuestion, QStringLiteral("Question")) != vbYes)
        return;
    // The user and the reason of this revocation only.
    const std::optional<ValidatedUser> validated = ValidateUser(
        {.postOrCancel = 1, .reasonMaxLength = ReasonRoom(QStringLiteral("STATION..TBNURSECOMMUNICATIONFILE"), QStringLiteral("RevokeReason"), false)});
    if (!validated) return;
    const QString user = validated->userID, reason = validated->reason;
    try {
        if (!RequestProcessingData::RevokeOpenRequest(SharedConnection(), requestNum, user, reason))
            MsgBox(QStringLiteral("This request was processed or revoked at another workstation meanwhile. Nothing was revoked."),
                   vbOKOnly | vbInformation, QStringLiteral("Notification"));
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    Reactivate();
}

void frmCommunication::cmdPrint_Click()
{
    const QString requestNum = cell(10).trimmed();
    try {
        RequestProcessingData::MarkPrinted(SharedConnection(), requestNum);
        PrepareReport(ReportFilePath(QStringLiteral("CathLabRequestForm.RPT")),
                      {Session.HospName, Session.HospAddress, Session.CurrentUser ? Session.CurrentUser->EmployeeName() : QString(),
                       requestNum, QStringLiteral("0")});
        ShowReport(false, QStringLiteral("Print Request Form"), false, true);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    Reactivate();
}

void frmCommunication::cmdCancel_Click()
{
    if (MsgBox(QStringLiteral("Are you sure to close this window?"), vbYesNo | vbQuestion, QStringLiteral("Confirmation")) == vbYes)
        reject();
}
