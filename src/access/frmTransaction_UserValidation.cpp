#include "access/frmTransaction_UserValidation.h"

#include "access/AccessCheck.h"
#include "access/AccessKeys.h"
#include "access/SignInControls.h"
#include "access/frmCMRemarks.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TextLimit.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

frmTransaction_UserValidation::frmTransaction_UserValidation()
{
    setObjectName(QStringLiteral("frmTransaction_UserValidation"));
    setWindowTitle(QStringLiteral("Access Code Entry"));
    setModal(true);

    const char* const captions[4] = {"Access Code Entry", "Please sign in to validate user...", "User Code / ID",
                                     "User Password"};
    BuildSignInControls(this, captions, lblHeading, txtUserID, txtAccessCode);

    fraRemarks = new QGroupBox(QStringLiteral("Reason of Cancellation/Return"), this);
    fraRemarks->setObjectName(QStringLiteral("fraRemarks"));
    txtRemarks = new QPlainTextEdit(fraRemarks);
    txtRemarks->setObjectName(QStringLiteral("txtRemarks"));
    txtRemarks->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtRemarks->setTabChangesFocus(true);
    Command1 = new QToolButton(fraRemarks);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    Command1->setToolTip(QStringLiteral("Search CM Remarks"));
    auto* remarksLayout = new QHBoxLayout(fraRemarks);
    remarksLayout->addWidget(txtRemarks);
    remarksLayout->addWidget(Command1, 0, Qt::AlignTop);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading[0]);
    layout->addWidget(lblHeading[1]);
    auto* grid = new QGridLayout;
    grid->addWidget(lblHeading[2], 0, 0);
    grid->addWidget(txtUserID, 0, 1);
    grid->addWidget(lblHeading[3], 1, 0);
    grid->addWidget(txtAccessCode, 1, 1);
    layout->addLayout(grid);
    layout->addWidget(fraRemarks);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(txtUserID, txtAccessCode);

    connect(cmdOK, &QPushButton::clicked, this, &frmTransaction_UserValidation::cmdOK_Click);
    connect(Command1, &QToolButton::clicked, this, &frmTransaction_UserValidation::Command1_Click);
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

void frmTransaction_UserValidation::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) Form_Load();
    QDialog::showEvent(event);
}

void frmTransaction_UserValidation::Form_Load()
{
    // Only answers given during this showing count.
    DialogAnswers.resetValidation();
    txtUserID->clear();
    txtAccessCode->clear();
    txtRemarks->clear();
    SetMaxLength(txtRemarks, ReasonMaxLength);
    const bool cancelling = PostOrCancel == 1;
    fraRemarks->setEnabled(cancelling);
    // In posting mode the reason frame and OK stay out of sight; Enter in the code is the way.
    fraRemarks->setVisible(cancelling);
    cmdOK->setVisible(cancelling);
    txtUserID->setFocus();
    CentreOnScreen(this);
}

bool frmTransaction_UserValidation::eventFilter(QObject* watched, QEvent* event)
{
    if (AccessKeys::signInKey(this, watched, event, txtUserID, txtAccessCode, [this] { cmdOK_Click(); }))
        return true;
    return QDialog::eventFilter(watched, event);
}

bool frmTransaction_UserValidation::ValidateUserAccess()
{
    DialogAnswers.ValidatedUserName.clear();
    const std::optional<QString> name =
        CheckUserDepartmentAccess(SharedConnection(), txtUserID->text(), txtAccessCode->text(), Session.CurrentStationID.toString());
    if (!name) return false;
    DialogAnswers.ValidatedUserName = *name;
    return true;
}

void frmTransaction_UserValidation::cmdOK_Click()
{
    bool passed = false;
    try {
        passed = ValidateUserAccess();
    } catch (const std::exception& e) {
        // a check that could not be made lets nobody in
        ShowErrorNotice(e);
        DialogAnswers.ValidatedUserID.clear();
        DialogAnswers.ValidatedUserName.clear();
        done(QDialog::Rejected);
        return;
    }
    if (!passed) {
        MsgBox(UnauthorizedUserText(), vbOKOnly | vbInformation, QStringLiteral("Notification"));
        DialogAnswers.ValidatedUserID.clear();
        done(QDialog::Rejected);
        return;
    }
    DialogAnswers.ValidatedUserID = txtUserID->text().trimmed();
    if (PostOrCancel == 1) {
        if (Session.HospitalInfo.IsAllowEntryOfReasonForCancellation) {
            DialogAnswers.CancelReason.clear();
            if (ReasonIsBlank(txtRemarks->toPlainText())) {
                MsgBox(QStringLiteral("Please enter reason for cancellation!"), vbOKOnly | vbCritical,
                       QStringLiteral("Notification"));
                txtRemarks->setFocus();
                return;
            }
        }
        DialogAnswers.CancelReason = ReasonFromBox(txtRemarks->toPlainText());
    }
    done(QDialog::Accepted);
}

void frmTransaction_UserValidation::Command1_Click()
{
    if (PostOrCancel != 1) return;
    frmCMRemarks* picker = frmCMRemarks::instance();
    runModal(picker);
    const QString text = AppendRemark(txtRemarks->toPlainText(), picker->SelectedRemarks);
    if (text != txtRemarks->toPlainText()) txtRemarks->setPlainText(text);
}

void frmTransaction_UserValidation::reject()
{
    DialogAnswers.ValidatedUserID.clear();
    DialogAnswers.ValidatedUserName.clear();
    QDialog::reject();
}

void frmTransaction_UserValidation::done(int r)
{
    PostOrCancel = 0;
    ReasonMaxLength = 0;
    QDialog::done(r);
}
