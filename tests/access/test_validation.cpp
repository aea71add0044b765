// The user validation dialog driven by keys: who passes, the refusals, the reason of a cancellation.
#include "access/AccessTestSupport.h"

#include "shared/modGlobals.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

using namespace AccessTest;

class UserValidation : public DbTest {};

TEST_F(UserValidation, PassingUserIsNamedAndEarlierAnswersAreGone)
{
    DialogAnswers.CancelReason = QStringLiteral("reason of an earlier action");
    DialogAnswers.ValidatedUserName = QStringLiteral("SOMEONE ELSE");
    queueValidation(QStringLiteral("CL002"), QStringLiteral("CATH2"));
    EXPECT_EQ(showValidation(), QDialog::Accepted);
    EXPECT_EQ(DialogAnswers.ValidatedUserID, QStringLiteral("CL002"));
    EXPECT_EQ(DialogAnswers.ValidatedUserName, QStringLiteral("REYES, JOSE LUNA"));
    EXPECT_EQ(DialogAnswers.CancelReason, QString());
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(UserValidation, CodesAreTrimmedAndMayHoldLettersBeyondAscii)
{
    queueValidation(QStringLiteral("  CL004 "), QStringLiteral(" \u00D1and\u00FA1  "));
    showValidation();
    EXPECT_EQ(DialogAnswers.ValidatedUserID, QStringLiteral("CL004"));
    EXPECT_EQ(DialogAnswers.ValidatedUserName, QStringLiteral("O'BRIEN, PATRICK "));
}

TEST_F(UserValidation, TheApostropheKeyIsSwallowed)
{
    queueValidation(QStringLiteral("CL'001'"), QStringLiteral("CA'TH1"));
    showValidation();
    EXPECT_EQ(DialogAnswers.ValidatedUserID, QStringLiteral("CL001"));
}

TEST_F(UserValidation, RefusalsLetNobodyIn)
{
    struct Case { const char16_t* user; const char16_t* code; };
    const Case cases[] = {
        {u"CL001", u"CATH2"},          // another user's code
        {u"CL001", u""},
        {u"", u"CATH1"},
        {u"", u""},
        {u"CL009", u"CATH1"},
        {u"cl001", u"CATH1"},          // user IDs are not folded
        {u"CL001", u"cath1"},          // nor codes
        {u"XR001", u"XRAY1"},          // a right code, but not a cath lab user
        {u"CL004", u"Nandu1"},         // the letters beyond ASCII count
        {u"CL001' OR '1'='1", u"x"},
    };
    for (const Case& c : cases) {
        UiScript::reset();
        DialogAnswers.ValidatedUserID = QStringLiteral("STALE");
        const QString user = QString::fromUtf16(c.user), code = QString::fromUtf16(c.code);
        UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [&](QDialog* d) {
            auto* dlg = static_cast<frmTransaction_UserValidation*>(d);
            dlg->txtUserID->setText(user);      // pasted, quotes and all
            dlg->txtAccessCode->setText(code);
            QTest::keyClick(dlg->txtAccessCode, Qt::Key_Return);
        });
        EXPECT_EQ(showValidation(), QDialog::Rejected) << user.toStdString();
        EXPECT_EQ(DialogAnswers.ValidatedUserID, QString()) << user.toStdString();
        EXPECT_EQ(DialogAnswers.ValidatedUserName, QString());
        ASSERT_EQ(UiScript::shown().size(), 1);
        EXPECT_EQ(UiScript::shown()[0].text, kUnauthorized);
        EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Notification"));
        EXPECT_EQ(UiScript::shown()[0].style, vbOKOnly | vbInformation);
        EXPECT_FALSE(frmTransaction_UserValidation::instance()->isVisible());
    }
}

TEST_F(UserValidation, EscapeOrTheFrameCancels)
{
    for (bool byEscape : {true, false}) {
        DialogAnswers.ValidatedUserID = QStringLiteral("STALE");
        UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [&](QDialog* d) {
            auto* dlg = static_cast<frmTransaction_UserValidation*>(d);
            QTest::keyClicks(dlg->txtUserID, QStringLiteral("CL001"));
            QTest::keyClicks(dlg->txtAccessCode, QStringLiteral("CATH1"));
            if (byEscape) QTest::keyClick(dlg->txtAccessCode, Qt::Key_Escape);
        });
        EXPECT_EQ(showValidation(1), QDialog::Rejected);
        EXPECT_EQ(DialogAnswers.ValidatedUserID, QString());
        EXPECT_EQ(frmTransaction_UserValidation::instance()->PostOrCancel, 0);
    }
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(UserValidation, EnterInTheUserIdGoesOnWithoutChecking)
{
    UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [](QDialog* d) {
        auto* dlg = static_cast<frmTransaction_UserValidation*>(d);
        QTest::keyClicks(dlg->txtUserID, QStringLiteral("CL001"));
        QTest::keyClick(dlg->txtUserID, Qt::Key_Return);
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(dlg->txtUserID->text(), QStringLiteral("CL001"));
    });
    showValidation();
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(UserValidation, ReasonFrameOnlyWhenCancelling)
{
    for (int mode : {1, 0}) {
        bool frameShown = false, okShown = false;
        UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [&](QDialog* d) {
            auto* dlg = static_cast<frmTransaction_UserValidation*>(d);
            frameShown = dlg->fraRemarks->isVisible() && dlg->fraRemarks->isEnabled();
            okShown = dlg->cmdOK->isVisible();
        });
        showValidation(mode);
        EXPECT_EQ(frameShown, mode == 1);
        EXPECT_EQ(okShown, mode == 1);
    }
}

TEST_F(UserValidation, ReasonKeptOnOneLine)
{
    Session.HospitalInfo.IsAllowEntryOfReasonForCancellation = true;
    UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [](QDialog* d) {
        auto* dlg = static_cast<frmTransaction_UserValidation*>(d);
        QTest::keyClicks(dlg->txtUserID, QStringLiteral("CL002"));
        QTest::keyClicks(dlg->txtAccessCode, QStringLiteral("CATH2"));
        QTest::keyClick(dlg->txtRemarks, Qt::Key_Return);
        QTest::keyClicks(dlg->txtRemarks, QStringLiteral("WRONG \"ITEM\" patient's"));
        QTest::keyClick(dlg->txtRemarks, Qt::Key_Return);
        QTest::keyClicks(dlg->txtRemarks, QStringLiteral("CHARGED"));
        QTest::keyClick(dlg->txtRemarks, Qt::Key_Return);
        QTest::mouseClick(dlg->cmdOK, Qt::LeftButton);
    });
    EXPECT_EQ(showValidation(1), QDialog::Accepted);
    EXPECT_EQ(DialogAnswers.ValidatedUserID, QStringLiteral("CL002"));
    // a line break counts as carriage return and line feed: two blanks; the apostrophe never got in
    EXPECT_EQ(DialogAnswers.CancelReason, QStringLiteral("WRONG \"ITEM\" patients  CHARGED"));
}

TEST_F(UserValidation, MissingReasonKeepsTheDialogOpen)
{
    Session.HospitalInfo.IsAllowEntryOfReasonForCancellation = true;
    DialogAnswers.CancelReason = QStringLiteral("old");
    QString idWhileOpen;
    bool stillOpen = false;
    UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [&](QDialog* d) {
        auto* dlg = static_cast<frmTransaction_UserValidation*>(d);
        QTest::keyClicks(dlg->txtUserID, QStringLiteral("CL002"));
        QTest::keyClicks(dlg->txtAccessCode, QStringLiteral("CATH2"));
        QTest::keyClicks(dlg->txtRemarks, QStringLiteral("   "));
        QTest::keyClick(dlg->txtRemarks, Qt::Key_Return);
        QTest::keyClick(dlg->txtAccessCode, Qt::Key_Return);
        stillOpen = dlg->isVisible();
        idWhileOpen = DialogAnswers.ValidatedUserID;
        QTest::keyClick(dlg->txtRemarks, Qt::Key_Escape);
    });
    EXPECT_EQ(showValidation(1), QDialog::Rejected);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(idWhileOpen, QStringLiteral("CL002"));
    EXPECT_EQ(DialogAnswers.ValidatedUserID, QString());
    EXPECT_EQ(DialogAnswers.CancelReason, QString());
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(UiScript::shown()[0].text, QStringLiteral("Please enter reason for cancellation!"));
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Notification"));
    EXPECT_EQ(UiScript::shown()[0].style, vbOKOnly | vbCritical);
}

TEST_F(UserValidation, WithoutTheReasonFlagAnEmptyReasonIsAccepted)
{
    Session.HospitalInfo.IsAllowEntryOfReasonForCancellation = false;
    queueValidation(QStringLiteral("CL002"), QStringLiteral("CATH2"));
    EXPECT_EQ(showValidation(1), QDialog::Accepted);
    EXPECT_EQ(DialogAnswers.ValidatedUserID, QStringLiteral("CL002"));
    EXPECT_EQ(DialogAnswers.CancelReason, QString());
}

TEST_F(UserValidation, CancellingModeLastsOneShowing)
{
    queueValidation(QStringLiteral("CL002"), QStringLiteral("CATH2"), QStringLiteral("DUPLICATE"));
    showValidation(1);
    EXPECT_EQ(DialogAnswers.CancelReason, QStringLiteral("DUPLICATE"));
    EXPECT_EQ(frmTransaction_UserValidation::instance()->PostOrCancel, 0);
    queueValidation(QStringLiteral("CL002"), QStringLiteral("CATH2"), QStringLiteral("IGNORED"));
    runModal(frmTransaction_UserValidation::instance());
    EXPECT_EQ(DialogAnswers.ValidatedUserID, QStringLiteral("CL002"));
    EXPECT_EQ(DialogAnswers.CancelReason, QString());
}

TEST_F(UserValidation, RemarksFromThePickerAreAddedOnce)
{
    Session.HospitalInfo.IsAllowEntryOfReasonForCancellation = true;
    // the picker lists the active remarks by code: CM01 WRONG PATIENT CHARGED, CM02 DUPLICATE CHARGE, ...
    auto pick = [](int row) {
        UiScript::queueDialog(QStringLiteral("frmCMRemarks"), [row](QDialog* d) {
            auto* p = static_cast<frmCMRemarks*>(d);
            p->mshFlexCMRemarks->setCurrentCell(row, 2);
            QTest::keyClick(p->mshFlexCMRemarks, Qt::Key_Return);
        });
    };
    QString afterEach[4];
    UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [&](QDialog* d) {
        auto* dlg = static_cast<frmTransaction_UserValidation*>(d);
        pick(1);
        QTest::mouseClick(dlg->Command1, Qt::LeftButton);
        afterEach[0] = dlg->txtRemarks->toPlainText();
        pick(1);
        QTest::mouseClick(dlg->Command1, Qt::LeftButton);
        afterEach[1] = dlg->txtRemarks->toPlainText();
        pick(5);
        QTest::mouseClick(dlg->Command1, Qt::LeftButton);
        afterEach[2] = dlg->txtRemarks->toPlainText();
        UiScript::queueDialog(QStringLiteral("frmCMRemarks"), [](QDialog* d) {
            QTest::mouseClick(static_cast<frmCMRemarks*>(d)->imgLegend, Qt::LeftButton);
        });
        QTest::mouseClick(dlg->Command1, Qt::LeftButton);    // closed without a choice
        afterEach[3] = dlg->txtRemarks->toPlainText();
        QTest::keyClicks(dlg->txtUserID, QStringLiteral("CL002"));
        QTest::keyClicks(dlg->txtAccessCode, QStringLiteral("CATH2"));
        QTest::keyClick(dlg->txtAccessCode, Qt::Key_Return);
    });
    showValidation(1);
    EXPECT_EQ(afterEach[0], QStringLiteral("DUPLICATE CHARGE"));
    EXPECT_EQ(afterEach[1], QStringLiteral("DUPLICATE CHARGE"));
    EXPECT_EQ(afterEach[2], QStringLiteral("DUPLICATE CHARGE, PATIENT'S REQUEST"));
    EXPECT_EQ(afterEach[3], afterEach[2]);
    EXPECT_EQ(DialogAnswers.CancelReason, QStringLiteral("DUPLICATE CHARGE, PATIENT'S REQUEST"));
}

TEST_F(UserValidation, DatabaseErrorIsNoticedAndRefused)
{
    TransactionGuard tx(conn());
    conn().execute(QStringLiteral("DROP TABLE PASSWORD..tbPasswordDepartment"));
    queueValidation(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    EXPECT_EQ(showValidation(), QDialog::Rejected);
    EXPECT_EQ(DialogAnswers.ValidatedUserID, QString());
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_TRUE(isErrorNotice(UiScript::shown()[0])) << UiScript::shown()[0].text.toStdString();
    EXPECT_EQ(UiScript::shown()[0].style, vbOKOnly | vbInformation);
}
