#include "exam_requests/frmScheduleRequestStatus.h"

#include "components/login/clsCurrentuser.h"
#include "exam_requests/RequestProcessingData.h"
#include "platform/db/Connection.h"
#include "platform/text/Twips.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/GridBinding.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kStamp = QStringLiteral("MM/dd/yyyy hh:mm:ss AP");
}

frmScheduleRequestStatus::frmScheduleRequestStatus(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmScheduleRequestStatus"));
    setWindowTitle(QStringLiteral("List of Confirmed Schedules"));
    auto* root = new QVBoxLayout(this);
    fraPendingRequest = new QGroupBox(this);
    fraPendingRequest->setObjectName(QStringLiteral("fraPendingRequest"));
    auto* fl = new QVBoxLayout(fraPendingRequest);
    mshflexPending = new FlexGrid(fraPendingRequest);
    mshflexPending->setObjectName(QStringLiteral("mshflexPending"));
    mshflexPending->setSelectionBehavior(QAbstractItemView::SelectRows);
    fl->addWidget(mshflexPending, 1);
    auto* bottom = new QHBoxLayout;
    lbl1 = new QLabel(QStringLiteral("Rec. No."), fraPendingRequest);
    lblRecNum = new QLabel(fraPendingRequest);
    lblRecNum->setObjectName(QStringLiteral("lblRecNum"));
    bottom->addWidget(lbl1);
    bottom->addWidget(lblRecNum);
    bottom->addStretch(1);
    imgMaouse = new QLabel(fraPendingRequest);
    imgMaouse->setObjectName(QStringLiteral("imgMaouse"));
    imgMaouse->setPixmap(QIcon(QStringLiteral(":/exam_requests/mouse.svg")).pixmap(32, 32));
    lblInstructions = new QLabel(QStringLiteral("Click on the List to Select a Patient."), fraPendingRequest);
    lblInstructions->setObjectName(QStringLiteral("lblInstructions"));
    bottom->addWidget(imgMaouse);
    bottom->addWidget(lblInstructions);
    bottom->addStretch(1);
    const char* captions[] = {"", "Revoke", "Exit"};
    for (int i = 1; i < 3; ++i) {
        cmdPending[i] = new QPushButton(QString::fromLatin1(captions[i]), fraPendingRequest);
        cmdPending[i]->setObjectName(QStringLiteral("cmdPending%1").arg(i));
        cmdPending[i]->setAutoDefault(false);
        bottom->addWidget(cmdPending[i]);
        connect(cmdPending[i], &QPushButton::clicked, this, [this, i] { cmdPending_Click(i); });
    }
    fl->addLayout(bottom);
    root->addWidget(fraPendingRequest);
    fraPendingRequest->hide();
    connect(mshflexPending, &QTableWidget::cellClicked, this, [this] { mshflexPending_Click(); });
    connect(mshflexPending, &QTableWidget::currentCellChanged, this, [this] { mshflexPending_EnterCell(); });
    resize(TwipsToPixels(15000), TwipsToPixels(5500));
    Form_Load();
}

void frmScheduleRequestStatus::Form_Load()
{
    const QSignalBlocker quiet(mshflexPending);
    mshflexPending->clearContents();
    mshflexPending->setCols(10);
    mshflexPending->setRows(2);
    const int widths[10] = {1, 2500, 2500, 2500, 2500, 1800, 1000, 1000, 1000, 5000};
    for (int c = 0; c < 10; ++c) mshflexPending->setTextMatrix(1, c, QString());
    try {
        const Recordset rs = RequestProcessingData::ConfirmedSchedules(SharedConnection());
        if (!rs.isEmpty()) {
            BindRecordset(mshflexPending, rs);
            fraPendingRequest->show(); // nothing hides it again
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    for (int c = 0; c < 10 && c < mshflexPending->Cols(); ++c) mshflexPending->setColWidth(c, widths[c]);
    const bool empty = mshflexPending->TextMatrix(1, 1).isEmpty();
    mshflexPending->setEnabled(!(empty && mshflexPending->Rows() < 3));
    if (mshflexPending->Rows() > 1 && !empty) {
        mshflexPending->setCurrentCell(1, 1);
        mshflexPending_EnterCell();
    }
    cmdPending[1]->setEnabled(false);
}

void frmScheduleRequestStatus::mshflexPending_Click()
{
    cmdPending[1]->setEnabled(true);
}

void frmScheduleRequestStatus::mshflexPending_EnterCell()
{
    lblRecNum->setText(QString::number(qMax(1, mshflexPending->currentRow())) + QStringLiteral("  out of  ") +
                       QString::number(mshflexPending->Rows() - 1));
}

void frmScheduleRequestStatus::cmdPending_Click(int index)
{
    if (index == 1) RevokeSchedule();
    else if (index == 2) close();
}

void frmScheduleRequestStatus::RevokeSchedule()
{
    const int row = qMax(1, mshflexPending->currentRow());
    try {
        const QDateTime now = QDateTime::fromString(GetServerDate().toString(kStamp), kStamp);
        const QDateTime when = QDateTime::fromString(mshflexPending->TextMatrix(row, 5).trimmed(), kStamp);
        if (!when.isValid() || now >= when) {
            MsgBox(QStringLiteral("Can't Revoke this Confirmed Request! Please check the schedule date..."), vbOKOnly | vbExclamation,
                   QStringLiteral("Message"));
            mshflexPending->setFocus();
            return;
        }
        if (MsgBox(QStringLiteral("Are you sure you to revoke  this confirmed request?"), vbYesNo | vbQuestion, QStringLiteral("Message")) != vbYes)
            return;
        const QString employee = Session.CurrentUser ? Session.CurrentUser->EmployeeCode() : QString();
        // The procedure checks again: the schedule may have changed or its time come meanwhile.
        if (RequestProcessingData::RevokeConfirmedSchedule(SharedConnection(), mshflexPending->TextMatrix(row, 6),
                                                           mshflexPending->TextMatrix(row, 7), employee))
            MsgBox(QStringLiteral("Data Successfully Revoked!"), vbOKOnly | vbExclamation, QStringLiteral("Message"));
        else
            MsgBox(QStringLiteral("This schedule is no longer confirmed or its time has come. Nothing was revoked."),
                   vbOKOnly | vbExclamation, QStringLiteral("Message"));
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    Form_Load();
}
