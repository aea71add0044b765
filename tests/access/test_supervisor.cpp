// Supervisor approval: the supervisor who types the code must hold right 29, and the reason typed
// in the user validation survives the approval.
#include "access/AccessTestSupport.h"

#include "shared/modGlobals.h"

#include <QPushButton>

using namespace AccessTest;

class SupervisorApproval : public DbTest {};

TEST_F(SupervisorApproval, SupervisorApprovesWithTheTypedReason)
{
    Session.HospitalInfo.IsAllowEntryOfReasonForCancellation = true;
    queueValidation(QStringLiteral("CL002"), QStringLiteral("CATH2"), QStringLiteral("DUPLICATE CHARGE"));
    showValidation(1);
    ASSERT_EQ(DialogAnswers.ValidatedUserID, QStringLiteral("CL002"));
    queueSupervisor(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    EXPECT_EQ(showSupervisor(), QDialog::Accepted);
    EXPECT_EQ(DialogAnswers.SupervisorUserID, QStringLiteral("CL001"));
    EXPECT_EQ(DialogAnswers.CancelReason, QStringLiteral("Allowed DUPLICATE CHARGE"));
    EXPECT_EQ(DialogAnswers.ValidatedUserName, QStringLiteral("DELA CRUZ, ANA MARQUEZ"));
    EXPECT_EQ(DialogAnswers.ValidatedUserID, QStringLiteral("CL002"));
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(SupervisorApproval, TheRightIsTheSupervisorsNotTheWorkstationUsers)
{
    // a workstation user without right 29 may still be approved by a supervisor
    signIn(QStringLiteral("CL003"));
    DialogAnswers.CancelReason = QStringLiteral("WRONG ITEM");
    queueSupervisor(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    showSupervisor();
    EXPECT_EQ(DialogAnswers.SupervisorUserID, QStringLiteral("CL001"));
    EXPECT_EQ(DialogAnswers.CancelReason, QStringLiteral("Allowed WRONG ITEM"));

    // and a user without it cannot approve, even at a supervisor's workstation
    signIn(QStringLiteral("CL001"));
    UiScript::reset();
    DialogAnswers.CancelReason = QStringLiteral("WRONG ITEM");
    queueSupervisor(QStringLiteral("CL002"), QStringLiteral("CATH2"));
    EXPECT_EQ(showSupervisor(), QDialog::Rejected);
    EXPECT_EQ(DialogAnswers.SupervisorUserID, QString());
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(UiScript::shown()[0].text, QStringLiteral("Sorry, you don't have supervisory rights."));
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Notification"));
    EXPECT_EQ(UiScript::shown()[0].style, vbOKOnly | vbInformation);
    EXPECT_EQ(DialogAnswers.CancelReason, QStringLiteral("WRONG ITEM"));   // not approved, and not lost for another try
}

TEST_F(SupervisorApproval, WrongCodeIsUnauthorized)
{
    DialogAnswers.SupervisorUserID = QStringLiteral("STALE");
    queueSupervisor(QStringLiteral("CL001"), QStringLiteral("CATH2"));
    EXPECT_EQ(showSupervisor(), QDialog::Rejected);
    EXPECT_EQ(DialogAnswers.SupervisorUserID, QString());
    EXPECT_EQ(DialogAnswers.ValidatedUserName, QString());
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(UiScript::shown()[0].text, kUnauthorized);
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Notification"));
}

TEST_F(SupervisorApproval, AskingAgainAfterARefusalKeepsTheReason)
{
    DialogAnswers.CancelReason = QStringLiteral("ITEM NOT USED");
    queueSupervisor(QStringLiteral("CL002"), QStringLiteral("CATH2"));
    showSupervisor();
    ASSERT_EQ(DialogAnswers.SupervisorUserID, QString());
    queueSupervisor(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    showSupervisor();
    EXPECT_EQ(DialogAnswers.SupervisorUserID, QStringLiteral("CL001"));
    EXPECT_EQ(DialogAnswers.CancelReason, QStringLiteral("Allowed ITEM NOT USED"));
}

TEST_F(SupervisorApproval, CloseEscapeAndTheFrameCancel)
{
    enum How { CloseButton, Escape, Frame };
    for (How how : {CloseButton, Escape, Frame}) {
        DialogAnswers.SupervisorUserID = QStringLiteral("STALE");
        DialogAnswers.CancelReason = QStringLiteral("R");
        UiScript::queueDialog(QStringLiteral("frmSupervisorAccessCode"), [how](QDialog* d) {
            auto* dlg = static_cast<frmSupervisorAccessCode*>(d);
            QTest::keyClicks(dlg->txtUserID, QStringLiteral("CL001"));
            QTest::keyClicks(dlg->txtAccessCode, QStringLiteral("CATH1"));
            if (how == CloseButton) QTest::mouseClick(dlg->cmdOption[1], Qt::LeftButton);
            if (how == Escape) QTest::keyClick(dlg->txtUserID, Qt::Key_Escape);
        });
        EXPECT_EQ(showSupervisor(), QDialog::Rejected) << how;
        EXPECT_EQ(DialogAnswers.SupervisorUserID, QString()) << how;
        EXPECT_NE(DialogAnswers.CancelReason, QStringLiteral("Allowed R")) << how;
    }
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(SupervisorApproval, OkButtonAndSwallowedApostrophe)
{
    UiScript::queueDialog(QStringLiteral("frmSupervisorAccessCode"), [](QDialog* d) {
        auto* dlg = static_cast<frmSupervisorAccessCode*>(d);
        QTest::keyClicks(dlg->txtUserID, QStringLiteral("'CL001"));
        QTest::keyClicks(dlg->txtAccessCode, QStringLiteral("CATH1'"));
        QTest::mouseClick(dlg->cmdOption[0], Qt::LeftButton);
    });
    showSupervisor();
    EXPECT_EQ(DialogAnswers.SupervisorUserID, QStringLiteral("CL001"));
    EXPECT_EQ(DialogAnswers.CancelReason, QStringLiteral("Allowed "));
}

TEST_F(SupervisorApproval, DatabaseErrorIsNoticedAndRefused)
{
    TransactionGuard tx(conn());
    conn().execute(QStringLiteral("DROP TABLE STATION..tbNurseUserRights"));
    queueSupervisor(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    EXPECT_EQ(showSupervisor(), QDialog::Rejected);
    EXPECT_EQ(DialogAnswers.SupervisorUserID, QString());
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_TRUE(isErrorNotice(UiScript::shown()[0])) << UiScript::shown()[0].text.toStdString();
}
