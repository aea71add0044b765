// The one validation step of every action: what it answers after each way the dialog can end, the
// action's question between attempts, the right checked on the validated user, and the mode it
// sets before every showing.
#include "access/AccessTestSupport.h"
#include "access/UserValidation.h"

#include "shared/modGlobals.h"
#include "support/TableOutOfReach.h"

#include <QGroupBox>

using namespace AccessTest;

namespace {

class ValidateUserStep : public DbTest {};

// The dialog left open: it counts as closed by its frame.
void queueClosedValidation() { UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [](QDialog*) {}); }

const QString kQuestion = QStringLiteral("Selected charges will not be saved! \r\nAre you sure you want to save these charges?");

} // namespace

TEST_F(ValidateUserStep, AnswersAfterRefusalsAndTheActionsQuestion)
{
    enum Attempt { Pass, Refused, Closed };
    struct Case {
        const char* name;
        QList<Attempt> attempts;  // each showing, in order
        QList<int> answers;       // the answers to the question between showings
        QString question;         // empty: the dialog is shown once
        bool validated;
    };
    const Case cases[] = {
        {"passes at once", {Pass}, {}, kQuestion, true},
        {"refused, Yes, passes", {Refused, Pass}, {vbYes}, kQuestion, true},
        {"closed, Yes, refused, Yes, passes", {Closed, Refused, Pass}, {vbYes, vbYes}, kQuestion, true},
        {"closed, No", {Closed}, {vbNo}, kQuestion, false},
        {"refused, Yes, closed, No", {Refused, Closed}, {vbYes, vbNo}, kQuestion, false},
        {"no question: one showing only", {Closed}, {}, QString(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UiScript::reset();
        for (int i = 0; i < c.attempts.size(); ++i) {
            if (c.attempts[i] == Pass) queueValidation(QStringLiteral("CL002"), QStringLiteral("CATH2"));
            else if (c.attempts[i] == Refused) queueValidation(QStringLiteral("CL002"), QStringLiteral("WRONG"));
            else queueClosedValidation();
            // the refusal's own notice, then the action's question
            if (c.attempts[i] == Refused) UiScript::queueAnswer(vbOK);
            if (i < c.answers.size()) UiScript::queueAnswer(c.answers[i]);
        }
        const std::optional<ValidatedUser> user = ValidateUser({.retryQuestion = c.question, .retryTitle = QStringLiteral("Message")});
        EXPECT_EQ(user.has_value(), c.validated);
        EXPECT_EQ(UiScript::dialogsRun().size(), c.attempts.size());
        QStringList questions;
        for (const ShownMessage& m : UiScript::shown()) {
            if (m.text == kUnauthorized) continue;
            questions << m.text;
            EXPECT_EQ(m.title, QStringLiteral("Message"));
            EXPECT_EQ(m.style, vbYesNo | vbInformation);
        }
        EXPECT_EQ(questions.size(), c.answers.size());
        if (user) {
            EXPECT_EQ(user->userID, QStringLiteral("CL002"));
            EXPECT_EQ(user->userName, QStringLiteral("REYES, JOSE LUNA"));
            EXPECT_EQ(DialogAnswers.ValidatedUserID, QStringLiteral("CL002"));
        } else {
            EXPECT_TRUE(DialogAnswers.ValidatedUserID.isEmpty());
        }
    }
}

TEST_F(ValidateUserStep, TheModeIsSetBeforeEveryShowing)
{
    Session.HospitalInfo.IsAllowEntryOfReasonForCancellation = true;
    struct Seen { int postOrCancel; bool reasonFrame; int reasonRoom; };
    QList<Seen> seen;
    auto queueSeeing = [&seen](const QString& reason) {
        UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [&seen, reason](QDialog* d) {
            auto* v = static_cast<frmTransaction_UserValidation*>(d);
            seen << Seen{v->PostOrCancel, v->fraRemarks->isVisible(), v->ReasonMaxLength};
            typeText(v->txtUserID, QStringLiteral("CL002"));
            QTest::keyClick(v->txtUserID, Qt::Key_Return);
            typeText(v->txtAccessCode, QStringLiteral("CATH2"));
            if (!reason.isEmpty()) QTest::keyClicks(v->txtRemarks, reason);
            QTest::keyClick(v->txtAccessCode, Qt::Key_Return);
        });
    };
    // A cancellation: every showing takes the reason, within its room; the reason comes back.
    queueClosedValidation();
    queueSeeing(QStringLiteral("WRONG PATIENT"));
    UiScript::queueAnswer(vbYes);
    std::optional<ValidatedUser> user = ValidateUser({.postOrCancel = 1, .reasonMaxLength = 40, .retryQuestion = kQuestion});
    ASSERT_TRUE(user);
    EXPECT_EQ(user->reason, QStringLiteral("WRONG PATIENT"));
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].postOrCancel, 1);
    EXPECT_TRUE(seen[0].reasonFrame);
    EXPECT_EQ(seen[0].reasonRoom, 40);

    // A posting, after some caller left the dialog in its cancelling mode: no reason is asked.
    seen.clear();
    UiScript::reset();
    frmTransaction_UserValidation::instance()->PostOrCancel = 1;
    frmTransaction_UserValidation::instance()->ReasonMaxLength = 12;
    queueSeeing(QString());
    user = ValidateUser();
    ASSERT_TRUE(user);
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].postOrCancel, 0);
    EXPECT_FALSE(seen[0].reasonFrame);
    EXPECT_EQ(seen[0].reasonRoom, 0);
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(ValidateUserStep, TheRightIsCheckedOnTheValidatedUser)
{
    const QString refusal = QStringLiteral("Sorry, you are not allowed to save Heart Diagram.");
    // the workstation user (CL001) holds every right; the validated user decides
    queueValidation(QStringLiteral("CL003"), QStringLiteral("CATH3"));
    EXPECT_FALSE(ValidateUser({.right = QStringLiteral("34"), .rightRefusal = refusal}));
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(UiScript::lastText(), refusal);
    EXPECT_EQ(UiScript::shown().last().title, QStringLiteral("Notification"));

    UiScript::reset();
    queueValidation(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    const std::optional<ValidatedUser> user = ValidateUser({.right = QStringLiteral("34"), .rightRefusal = refusal});
    ASSERT_TRUE(user);
    EXPECT_EQ(user->userID, QStringLiteral("CL001"));
    EXPECT_TRUE(UiScript::shown().isEmpty());

    // a right that cannot be read lets nobody act
    UiScript::reset();
    queueValidation(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    {
        TableOutOfReach gone(conn(), QStringLiteral("STATION..tbNurseUserRights"));
        EXPECT_FALSE(ValidateUser({.right = QStringLiteral("34"), .rightRefusal = refusal}));
    }
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_TRUE(isErrorNotice(UiScript::shown().last()));
}
