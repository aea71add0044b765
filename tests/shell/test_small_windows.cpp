// The splash window, the two-choice box, the caption button and the wheel routines.
#include "support/TestDatabase.h"

#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/frmMessage.h"
#include "shell/frmSplash.h"
#include "platform/ui/modMouseWheel.h"
#include "shell/txtCommand.h"

#include <QApplication>
#include <QWheelEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

TEST(SmallWindows, TheSplashClosesItselfAfterASecond)
{
    frmSplash splash;
    splash.show();
    EXPECT_TRUE(splash.Timer1->isActive());
    EXPECT_EQ(splash.Timer1->interval(), 1000);
    EXPECT_TRUE(splash.isVisible());
    // the second's tick, through the timer's own connection
    ASSERT_TRUE(QMetaObject::invokeMethod(splash.Timer1, "timeout"));
    EXPECT_EQ(splash.result(), QDialog::Accepted);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.Timer1->isActive());
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
            // its three sentences, each on a line of its own, are shown whole
            const QString lines = QStringLiteral("The request entered were not yet sent to the departments!\n"
                                                 "Press Yes Button to send the request now\n"
                                                 "Press No Button to cancel the request.");
            const QRect need = m->lblMessage->fontMetrics().boundingRect(QRect(0, 0, m->lblMessage->width(), 10000),
                                                                         Qt::TextWordWrap, lines);
            EXPECT_GE(m->lblMessage->height(), need.height());
            m->cmdOption[c.button]->click();
        });
        runModal(frmMessage::instance());
        EXPECT_EQ(DialogAnswers.PickedChoice, c.answer);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

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

    // with the hook set and taken off again, the wheel scrolls the grid as before
    grid.resize(200, 160);
    QCoreApplication::processEvents();
    const auto wheel = [&grid](int delta) {
        const QPointF at(grid.viewport()->rect().center());
        QWheelEvent e(at, grid.viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid.viewport(), &e);
        QCoreApplication::processEvents();
    };
    for (const bool hooked : {true, false}) {
        if (hooked) HookMouseWheel(&grid);
        else UnhookMouseWheel(&grid);
        SetGridTopRow(&grid, 1);
        wheel(-120);
        const int down = GridTopRow(&grid);
        EXPECT_GT(down, 1) << hooked;
        wheel(120);
        EXPECT_LT(GridTopRow(&grid), down) << hooked;
    }
}

} // namespace
