#include "access/frmSupervisorAccessCode.h"

#include "access/AccessCheck.h"
#include "access/AccessKeys.h"
#include "access/SignInControls.h"
#include "platform/ui/MessageBox.h"
#include "shared/UserRights.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmSupervisorAccessCode::frmSupervisorAccessCode()
{
    setObjectName(QStringLiteral("frmSupervisorAccessCode"));
    setWindowTitle(QStringLiteral("Supervisor Access Code Entry"));
    setModal(true);

    const char* const captions[4] = {"Supervisor Access Code Entry", "Please sign in to validate user........",
                                     "User ID/Code", "User Password"};
    BuildSignInControls(this, captions, lblHeading, txtUserID, txtAccessCode);
    const char* const options[2] = {"OK", "Close"};
    for (int i = 0; i < 2; ++i) {
        cmdOption[i] = new QPushButton(QString::fromLatin1(options[i]), this);
        cmdOption[i]->setObjectName(QStringLiteral("cmdOption_%1").arg(i));
        connect(cmdOption[i], &QPushButton::clicked, this, [this, i] { cmdOption_Click(i); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading[0]);
    layout->addWidget(lblHeading[1]);
    auto* grid = new QGridLayout;
    grid->addWidget(lblHeading[2], 0, 0);
    grid->addWidget(txtUserID, 0, 1);
    grid->addWidget(lblHeading[3], 1, 0);
    grid->addWidget(txtAccessCode, 1, 1);
    layout->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOption[0]);
    buttons->addWidget(cmdOption[1]);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(txtUserID, txtAccessCode);

    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

void frmSupervisorAccessCode::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) Form_Load();
    QDialog::showEvent(event);
}

void frmSupervisorAccessCode::Form_Load()
{
    // The reason typed in the user validation is kept for the approval; the answers start empty.
    m_typedReason = DialogAnswers.CancelReason;
    DialogAnswers.resetSupervisor();
    txtUserID->clear();
    txtAccessCode->clear();
    txtUserID->setFocus();
    CentreOnScreen(this);
}

bool frmSupervisorAccessCode::eventFilter(QObject* watched, QEvent* event)
{
    if (AccessKeys::signInKey(this, watched, event, txtUserID, txtAccessCode, [this] { cmdOption_Click(0); }))
        return true;
    return QDialog::eventFilter(watched, event);
}

bool frmSupervisorAccessCode::ValidateUserAccess()
{
    const std::optional<QString> name =
        CheckUserDepartmentAccess(SharedConnection(), txtUserID->text(), txtAccessCode->text(), Session.CurrentStationID.toString());
    DialogAnswers.ValidatedUserName = name.value_or(QString());
    return name.has_value();
}

void frmSupervisorAccessCode::cmdOption_Click(int index)
{
    if (index != 0) {
        reject();
        return;
    }
    approve();
}

void frmSupervisorAccessCode::approve()
{
    DialogAnswers.SupervisorUserID.clear();
    // A refusal leaves the typed reason where it was, so that asking again still has it.
    DialogAnswers.CancelReason = m_typedReason;
    try {
        if (!ValidateUserAccess()) {
            MsgBox(UnauthorizedUserText(), vbOKOnly | vbInformation, QStringLiteral("Notification"));
            done(QDialog::Rejected);
            return;
        }
        // The supervisor who typed the code must be one.
        if (!HasUserRight(SharedConnection(), QStringLiteral("29"), txtUserID->text().trimmed())) {
            MsgBox(QStringLiteral("Sorry, you don't have supervisory rights."), vbOKOnly | vbInformation,
                   QStringLiteral("Notification"));
            done(QDialog::Rejected);
            return;
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        done(QDialog::Rejected);
        return;
    }
    DialogAnswers.SupervisorUserID = txtUserID->text().trimmed();
    DialogAnswers.CancelReason = SupervisorApprovalWord() + m_typedReason;
    done(QDialog::Accepted);
}

QString SupervisorApprovalWord() { return QStringLiteral("Allowed "); }

void frmSupervisorAccessCode::reject()
{
    DialogAnswers.SupervisorUserID.clear();
    DialogAnswers.CancelReason = m_typedReason;
    QDialog::reject();
}
