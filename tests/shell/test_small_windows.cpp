// The splash window, the two-choice box, the caption button and the wheel routines.
#include "support/TestDatabase.h"

#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/frmMessage.h"
#include "shell/frmSplash.h"
#include "platform/ui/modMouseWheel.h"
#include "shell/txtCommand.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

TEST(SmallWindows, TheSplashClosesItselfAfterASecond)
{
    UiScript::setActive(false);
    frmSplash splash;
    QElapsedTimer t;
    t.start();
    QTimer::singleShot(5000, &splash, [&] { splash.reject(); }); // a guard, never reached
    const int result = splash.exec();
    UiScript::setActive(true);
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_GE(t.elapsed(), 900);
    EXPECT_LT(t.elapsed(), 4000);
    EXPECT_FALSE(splash.Timer1->isActive());
    EXPECT_EQ(splash.Timer1->interval(), 1000);
}

TEST(SmallWindows, TheChoiceBoxAnswersThroughPickedChoice)
{
    UiScript::reset();
    struct Case { int button; bool answer; };
    for (const Case c : {Case{0, true}, Case{1, false}}) {
        DialogAnswers.PickedChoice = !c.answer;
        UiScript::queueDialog(QStringLiteral("frmMessage"), [c](QDialog* d) {
            auto* m = static_cast<frmMessage*>(d);
            EXPECT_EQ(m->windowTitle(), QStringLiteral("IMPORTANT MESSAGE"));
            EXPECT_EQ(m->lblMessage->text(), frmMessage::designMessage());
            m->cmdOption[c.button]->click();
        });
        runModal(frmMessage::instance());
        EXPECT_EQ(DialogAnswers.PickedChoice, c.answer);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(frmMessage::designMessage().size(), 193);

    // the one-button form of the pharmacy entry: the only button answers False
    frmMessage* m = frmMessage::instance();
    m->lblMessage->setText(QStringLiteral("The medicines were sent."));
    m->cmdOption[1]->setText(QStringLiteral("OK"));
    m->cmdOption[0]->setVisible(false);
    DialogAnswers.PickedChoice = true;
    UiScript::queueDialog(QStringLiteral("frmMessage"), [](QDialog* d) { static_cast<frmMessage*>(d)->cmdOption[1]->click(); });
    runModal(m);
    EXPECT_FALSE(DialogAnswers.PickedChoice);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // closed by its frame: an earlier answer never counts
    DialogAnswers.PickedChoice = true;
    runModal(frmMessage::instance());
    EXPECT_FALSE(DialogAnswers.PickedChoice);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // unloaded after each showing: the next one starts from its design
    EXPECT_EQ(frmMessage::instance()->lblMessage->text(), frmMessage::designMessage());
    delete frmMessage::existing();
}

TEST(SmallWindows, TheCaptionButtonKeepsItsName)
{
    txtCommand placed;
    placed.UserControl_InitProperties();
    placed.show();
    EXPECT_EQ(placed.lblCommand->text(), QStringLiteral("Command Name"));
    EXPECT_TRUE(placed.lblCommand->font().bold());

    placed.setButtonName(QStringLiteral("Save"));
    EXPECT_EQ(placed.lblCommand->text(), QStringLiteral("Save"));
    EXPECT_TRUE(placed.PropertyChanged());
    QVariantMap bag;
    placed.UserControl_WriteProperties(bag);
    EXPECT_EQ(bag.value(QStringLiteral("ButtonName")).toString(), QStringLiteral("Save"));

    txtCommand loaded;
    loaded.UserControl_InitProperties();
    loaded.UserControl_ReadProperties(bag);
    EXPECT_EQ(loaded.ButtonName(), QStringLiteral("Save"));
    loaded.show();
    EXPECT_EQ(loaded.lblCommand->text(), QStringLiteral("Save"));

    txtCommand withoutName;
    withoutName.UserControl_InitProperties();
    withoutName.UserControl_ReadProperties(QVariantMap());
    EXPECT_EQ(withoutName.ButtonName(), QStringLiteral("Command Name"));
}

TEST(SmallWindows, TheWheelRoutines)
{
    FlexGrid grid;
    grid.setRows(40);
    grid.setCols(2);
    for (int r = 1; r < 40; ++r) grid.setTextMatrix(r, 1, QString::number(r));
    grid.resize(200, 160);
    grid.show();
    QCoreApplication::processEvents();
    SetGridTopRow(&grid, 1);
    ScrollGridByWheel(&grid, 0, 120, 0, 0); // away from the user at the first data row
    EXPECT_EQ(GridTopRow(&grid), 1);
    ScrollGridByWheel(&grid, 0, -120, 0, 0);
    EXPECT_EQ(GridTopRow(&grid), 2);
    ScrollGridByWheel(&grid, 0, 120, 0, 0);
    EXPECT_EQ(GridTopRow(&grid), 1);

    // a grid only one row high: the next row is not visible, nothing moves
    grid.resize(200, grid.rowHeight(0) + 2 * grid.frameWidth());
    QCoreApplication::processEvents();
    SetGridTopRow(&grid, 5);
    const int top = GridTopRow(&grid);
    ScrollGridByWheel(&grid, 0, -120, 0, 0);
    EXPECT_EQ(GridTopRow(&grid), top);

    // the edges of a grid's rectangle count as inside
    const QPoint origin = grid.mapToGlobal(QPoint(0, 0));
    EXPECT_TRUE(IsPointInWindow(&grid, origin.x(), origin.y()));
    EXPECT_TRUE(IsPointInWindow(&grid, origin.x() + grid.width(), origin.y() + grid.height()));
    EXPECT_FALSE(IsPointInWindow(&grid, origin.x() - 1, origin.y()));
    EXPECT_FALSE(IsPointInWindow(&grid, origin.x(), origin.y() + grid.height() + 1));

    HookMouseWheel(&grid);
    UnhookMouseWheel(&grid); // nothing was replaced: the grid goes on working
    ScrollGridByWheel(&grid, 0, 120, 0, 0);
}

} // namespace
