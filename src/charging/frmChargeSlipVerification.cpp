#include "charging/frmChargeSlipVerification.h"

#include "charging/ChargeSlipCounterRepair.h"
#include "components/StationComponents.h"
#include "components/login/clsCurrentuser.h"
#include "platform/db/Recordset.h"
#include "platform/text/Format.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>

frmChargeSlipVerification::frmChargeSlipVerification()
{
    setWindowTitle(QStringLiteral("Charge Slip Sequence Number"));
    setModal(true);
    auto* grid = new QGridLayout(this);
    lblheading = new QLabel(QStringLiteral("Charge Slip Sequence Number"), this);
    QFont heading = lblheading->font();
    heading.setBold(true);
    heading.setPointSize(heading.pointSize() + 2);
    lblheading->setFont(heading);
    imgLegend = new QToolButton(this);
    imgLegend->setText(QStringLiteral("X"));
    imgLegend->setToolTip(QStringLiteral("Close"));
    imgLegend->setAutoRaise(true);
    grid->addWidget(lblheading, 0, 0, 1, 3);
    grid->addWidget(imgLegend, 0, 3, Qt::AlignRight);

    lblInfo[0] = new QLabel(QStringLiteral("Charge Slip #"), this);
    lblInfo[1] = new QLabel(QStringLiteral("Nurse Station"), this);
    txtChargeSlip = new QLineEdit(this);
    txtChargeSlip->setObjectName(QStringLiteral("txtChargeSlip"));
    // digits only, typed or pasted
    txtChargeSlip->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtChargeSlip));
    txtChargeSlip->setMaxLength(9);
    txtChargeSlip->installEventFilter(this);
    lblStation[0] = new QLabel(this);
    lblStation[1] = new QLabel(this);
    for (QLabel* l : lblStation) l->setFrameShape(QFrame::StyledPanel);
    imgSearch = new QToolButton(this);
    imgSearch->setText(QStringLiteral("..."));
    imgSearch->setToolTip(QStringLiteral("Choose the station"));
    grid->addWidget(lblInfo[0], 1, 0);
    grid->addWidget(txtChargeSlip, 1, 1, 1, 3);
    grid->addWidget(lblInfo[1], 2, 0);
    grid->addWidget(lblStation[0], 2, 1);
    grid->addWidget(lblStation[1], 2, 2);
    grid->addWidget(imgSearch, 2, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    lblExit[1] = new QPushButton(QStringLiteral("Save"), this);
    lblExit[0] = new QPushButton(QStringLiteral("Exit"), this);
    for (int i : {1, 0}) {
        lblExit[i]->setAutoDefault(false);
        buttons->addWidget(lblExit[i]);
        connect(lblExit[i], &QPushButton::clicked, this, [this, i] { lblExit_Click(i); });
    }
    grid->addLayout(buttons, 3, 0, 1, 4);
    connect(imgSearch, &QToolButton::clicked, this, [this] { imgSearch_Click(); });
    connect(imgLegend, &QToolButton::clicked, this, [this] { close(); });
}

void frmChargeSlipVerification::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frmChargeSlipVerification::showCounter()
{
    try {
        if (const std::optional<qint64> counter = ReadChargeSlipCounter(SharedConnection(), lblStation[0]->text()))
            txtChargeSlip->setText(QString::number(*counter));
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmChargeSlipVerification::Form_Activate()
{
    lblStation[0]->setText(DbValue::text(Session.CurrentStationID));
    lblStation[1]->setText(DbValue::text(Session.CurrentStationName));
    showCounter();
    imgSearch->setEnabled(Session.CurrentUser && Session.CurrentUser->Station() == QLatin1String("ALL"));
    txtChargeSlip->setFocus();
}

void frmChargeSlipVerification::imgSearch_Click()
{
    clsCodeSearch* search = Session.CodeSearch;
    if (!search || !OrSearchWarning([&] { return search->SearchListing(QString(), 10); })) return;
    lblStation[0]->setText(search->StationRecord.ResultCode);
    lblStation[1]->setText(search->StationRecord.Station);
    showCounter();
    VerifyChargeSlipNumber();
}

bool frmChargeSlipVerification::VerifyChargeSlipNumber()
{
    std::optional<qint64> number;
    try {
        number = MoveChargeSlipCounterToFreeNumber(SharedConnection(), lblStation[0]->text(), qint64(Fmt::val(txtChargeSlip->text())));
    } catch (const std::exception& e) {
        ShowErrorNotice(e); // the counter stays as it was
        return false;
    }
    if (!number) {
        MsgBox(QStringLiteral("No chargeslip sequence number set for Station ") + lblStation[0]->text().trimmed() +
                   QStringLiteral("."),
               vbInformation, QStringLiteral("Notification"));
        return false;
    }
    txtChargeSlip->setText(QString::number(*number));
    MsgBox(QStringLiteral("Available Charge Slip Number : ") + txtChargeSlip->text().trimmed(), vbInformation, QStringLiteral("Message"));
    return true;
}

void frmChargeSlipVerification::lblExit_Click(int index)
{
    if (index == 1) VerifyChargeSlipNumber();
    close();
}

bool frmChargeSlipVerification::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != txtChargeSlip || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const QString text = key->text();
    // keys that type no character (arrows, Delete, Tab) keep their ordinary meaning
    if (!enter && (text.isEmpty() || !text.at(0).isPrint())) return false;
    if (!enter && text.size() == 1 && text.at(0).isDigit()) return false;
    VerifyChargeSlipNumber(); // every other key is taken as "check now"
    return true;
}
