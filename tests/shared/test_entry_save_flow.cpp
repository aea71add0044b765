// The entry windows' save flow: the order of its steps, where each answer stops it, and what runs
// after the posting (only after it, and whatever the slip does).
#include "platform/db/DbError.h"
#include "platform/ui/MessageBox.h"
#include "shared/EntrySaveFlow.h"
#include "support/TestDatabase.h"

#include <QPushButton>

namespace {

class EntrySaveFlowTest : public DbTest {};

enum class Step { Pass, Refuse, Fail };  // a step answers go on, stop, or throws

struct FlowCase {
    const char* name;
    bool blank = false;
    Step rows = Step::Pass;
    int confirmAnswer = vbYes;
    bool doctorFirst = false;
    Step doctor = Step::Pass;
    Step validate = Step::Pass;
    Step post = Step::Pass;
    Step print = Step::Pass;
    bool printBeforeReload = false;
    QStringList steps;      // the steps run, in order
    bool posted;            // what the flow answers
    QStringList notices;    // the texts shown, in order
};

const QString kBlank = QStringLiteral("Can't save a blank charge!");
const QString kConfirm = QStringLiteral("Do you want to proceed in saving these charge(s)?");
const QString kFailed = QStringLiteral("the failure");

} // namespace

TEST_F(EntrySaveFlowTest, StepsRunInOrderAndEachAnswerStopsWhereItShould)
{
    const QString errorNotice = QStringLiteral("posting failed: ") + kFailed;
    const QStringList checks = {"blank", "rows"};
    const FlowCase cases[] = {
        {.name = "a save, doctor after the validation",
         .steps = checks + QStringList{"validate", "doctor", "post", "reload", "print", "finish"},
         .posted = true,
         .notices = {kConfirm}},
        {.name = "a save, doctor first", .doctorFirst = true,
         .steps = checks + QStringList{"doctor", "validate", "post", "reload", "print", "finish"},
         .posted = true,
         .notices = {kConfirm}},
        {.name = "the slip before the new grid", .printBeforeReload = true,
         .steps = checks + QStringList{"validate", "doctor", "post", "print", "reload", "finish"},
         .posted = true,
         .notices = {kConfirm}},
        {.name = "blank", .blank = true, .steps = {"blank"}, .posted = false, .notices = {kBlank}},
        {.name = "a row refused", .rows = Step::Refuse, .steps = checks, .posted = false, .notices = {}},
        {.name = "a check that fails", .rows = Step::Fail, .steps = checks, .posted = false, .notices = {kFailed}},
        {.name = "not confirmed", .confirmAnswer = vbNo, .steps = checks, .posted = false, .notices = {kConfirm}},
        {.name = "validation given up", .validate = Step::Refuse, .steps = checks + QStringList{"validate"}, .posted = false,
         .notices = {kConfirm}},
        {.name = "validation given up after the doctor", .doctorFirst = true, .validate = Step::Refuse,
         .steps = checks + QStringList{"doctor", "validate"}, .posted = false, .notices = {kConfirm}},
        {.name = "refused for the doctor chosen", .doctor = Step::Refuse, .steps = checks + QStringList{"validate", "doctor"},
         .posted = false, .notices = {kConfirm}},
        {.name = "the posting fails: nothing after it", .post = Step::Fail,
         .steps = checks + QStringList{"validate", "doctor", "post"}, .posted = false, .notices = {kConfirm, errorNotice}},
        {.name = "the posting made nothing to print", .post = Step::Refuse,
         .steps = checks + QStringList{"validate", "doctor", "post"}, .posted = true, .notices = {kConfirm}},
        {.name = "the slip fails: the save stands and the window goes on", .print = Step::Fail,
         .steps = checks + QStringList{"validate", "doctor", "post", "reload", "print", "finish"}, .posted = true,
         .notices = {kConfirm, kFailed}},
    };
    for (const FlowCase& c : cases) {
        SCOPED_TRACE(c.name);
        UiScript::reset();
        UiScript::queueAnswer(c.confirmAnswer);
        QPushButton save;
        QStringList steps;
        bool enabledWhilePosting = true;
        auto step = [&steps](const char* name, Step s) {
            steps << QString::fromLatin1(name);
            if (s == Step::Fail) throw DbError(kFailed);
            return s == Step::Pass;
        };
        EntrySaveFlow f;
        f.isBlank = [&] { steps << QStringLiteral("blank"); return c.blank; };
        f.blank = {kBlank, vbExclamation, QStringLiteral("Notification")};
        f.rowsPass = [&] { return step("rows", c.rows); };
        f.confirm = {kConfirm, vbInformation, QStringLiteral("Important Message")};
        f.doctorFirst = c.doctorFirst;
        f.askDoctor = [&] { return step("doctor", c.doctor); };
        f.validate = [&] { return step("validate", c.validate); };
        f.saveButton = &save;
        f.post = [&] {
            enabledWhilePosting = save.isEnabled();
            return step("post", c.post);
        };
        f.postFailed = [&](const std::exception& e) { MsgBox(QStringLiteral("posting failed: ") + QString::fromUtf8(e.what())); };
        f.reload = [&] { step("reload", Step::Pass); };
        f.print = [&] { step("print", c.print); };
        f.printBeforeReload = c.printBeforeReload;
        f.finish = [&] { step("finish", Step::Pass); };

        EXPECT_EQ(RunEntrySave(f), c.posted);
        EXPECT_EQ(steps, c.steps);
        QStringList notices;
        for (const ShownMessage& m : UiScript::shown()) notices << (m.text.contains(kFailed) && m.text != errorNotice ? kFailed : m.text);
        EXPECT_EQ(notices, c.notices);
        if (steps.contains(QStringLiteral("post"))) EXPECT_FALSE(enabledWhilePosting);
        EXPECT_TRUE(save.isEnabled()); // given back, whatever the posting did
    }
}

TEST_F(EntrySaveFlowTest, TheQuestionAndTheBlankNoticeAsTheWindowGivesThem)
{
    QPushButton grid;
    EntrySaveFlow f;
    f.isBlank = [] { return true; };
    f.blank = {kBlank, vbExclamation, QString()};
    f.focusWhenBlank = &grid;
    f.post = [] { ADD_FAILURE() << "posted"; return true; };
    EXPECT_FALSE(RunEntrySave(f));
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(UiScript::shown()[0].text, kBlank);
    EXPECT_EQ(UiScript::shown()[0].style, vbExclamation);

    // No confirmation given: none asked; the question's style gains Yes/No.
    UiScript::reset();
    f.isBlank = [] { return false; };
    bool posted = false;
    f.post = [&posted] { return posted = true; };
    EXPECT_TRUE(RunEntrySave(f));
    EXPECT_TRUE(posted);
    EXPECT_TRUE(UiScript::shown().isEmpty());
    f.confirm = {kConfirm, vbInformation, QStringLiteral("Confirmation")};
    UiScript::queueAnswer(vbYes);
    EXPECT_TRUE(RunEntrySave(f));
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(UiScript::shown()[0].style, vbYesNo | vbInformation);
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Confirmation"));
}
