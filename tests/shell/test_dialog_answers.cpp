// The answers of the shared dialogs: each dialog empties its own answers when it opens, so nothing of
// an earlier action counts, and leaves the answers of the other dialogs of the same action alone.
#include "support/TestDatabase.h"

#include "access/frmSupervisorAccessCode.h"
#include "access/frmTransaction_UserValidation.h"
#include "patients/frmSearchCurrent.h"
#include "platform/ui/MessageBox.h"
#include "shared/doctors/frmRequestingDoctor.h"
#include "shared/frmMessage.h"
#include "shared/modGlobals.h"
#include "shell/settings/frmMarkUp.h"

#include <functional>

namespace {

// Every answer as an earlier action left it.
DialogAnswerState earlierAnswers()
{
    DialogAnswerState a;
    a.ValidatedUserID = QStringLiteral("CL002");
    a.ValidatedUserName = QStringLiteral("EARLIER USER");
    a.CancelReason = QStringLiteral("EARLIER REASON");
    a.SupervisorUserID = QStringLiteral("CL001");
    a.RequestingDoctorID = QStringLiteral("D001");
    a.RequestingDoctorName = QStringLiteral("EARLIER DOCTOR");
    a.PickedChoice = true;
    a.MarkupOperation = 2;
    a.MarkupValue = 150;
    a.PickedHospNum = QStringLiteral("900001");
    a.PickedIDNum = QStringLiteral("2026900001");
    a.PickedPatientName = QStringLiteral("EARLIER PATIENT");
    return a;
}

// The answers a dialog owns, as texts (empty: no answer).
using Owned = std::function<QStringList(const DialogAnswerState&)>;

QStringList validation(const DialogAnswerState& a) { return {a.ValidatedUserID, a.ValidatedUserName}; }
QStringList supervisor(const DialogAnswerState& a) { return {a.SupervisorUserID}; }
QStringList doctor(const DialogAnswerState& a) { return {a.RequestingDoctorID, a.RequestingDoctorName}; }
QStringList choice(const DialogAnswerState& a) { return {a.PickedChoice ? QStringLiteral("YES") : QString()}; }
QStringList markup(const DialogAnswerState& a)
{
    if (a.MarkupOperation == 0 && a.MarkupValue == 0) return {QString()};
    return {QString::number(a.MarkupOperation) + QLatin1Char(' ') + QString::number(a.MarkupValue)};
}
QStringList picked(const DialogAnswerState& a) { return {a.PickedHospNum, a.PickedIDNum, a.PickedPatientName}; }

} // namespace

class DialogAnswersTest : public DbTest {};

TEST_F(DialogAnswersTest, ADialogClosedByItsFrameLeavesNoAnswerOfAnEarlierActionAndKeepsTheOthers)
{
    struct Case {
        const char* name;
        std::function<QDialog*()> open;
        Owned owned;
    };
    const Case cases[] = {
        {"frmTransaction_UserValidation", [] { return frmTransaction_UserValidation::instance(); }, validation},
        {"frmSupervisorAccessCode", [] { return frmSupervisorAccessCode::instance(); }, supervisor},
        {"frmRequestingDoctor", [] { return frmRequestingDoctor::instance(); }, doctor},
        {"frmMessage", [] { return frmMessage::instance(); }, choice},
        {"frmMarkUp", [] { return new frmMarkUp(); }, markup},
        {"frmSearchCurrent", [] { return frmSearchCurrent::instance(); }, picked},
    };
    for (const Case& c : cases) {
        DialogAnswers = earlierAnswers();
        UiScript::reset();
        UiScript::queueDialog(QString::fromLatin1(c.name), [](QDialog*) {}); // left open: closed by its frame
        QDialog* dialog = c.open();
        runModal(dialog);
        ASSERT_EQ(UiScript::dialogsRun(), QStringList{QString::fromLatin1(c.name)});
        for (const QString& answer : c.owned(DialogAnswers)) EXPECT_TRUE(answer.isEmpty()) << c.name << ": " << answer.toStdString();
        for (const Case& other : cases)
            if (&other != &c)
                EXPECT_EQ(other.owned(DialogAnswers), other.owned(earlierAnswers())) << c.name << " emptied " << other.name;
        if (QString::fromLatin1(c.name) == QLatin1String("frmMarkUp")) delete dialog;
    }
}
