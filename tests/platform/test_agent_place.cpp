// Where the announcer stands: the free place nearest the bottom-right corner, else the one that
// covers least of what the user works in.
#include "platform/agent/Agent.h"

#include <QRect>
#include <QSize>
#include <gtest/gtest.h>

namespace {

TEST(AgentPlace, StandsClearOfWhatIsInView)
{
    const QRect area(0, 0, 1440, 860);
    const QSize size(160, 230);
    struct Case {
        const char* what;
        QList<QRect> avoid;
        QList<QRect> rather;
        QPoint expected;
        QList<QRect> lastly = {};
    };
    const Case cases[] = {
        {"nothing in view: the bottom-right corner", {}, {}, {1280, 630}},
        {"a dialog over the corner: above it", {QRect(1100, 500, 340, 360)}, {}, {1280, 262}},
        {"a list over the whole right side: a column further left", {}, {QRect(240, 80, 1200, 780)}, {80, 630}},
        {"a list and a dialog fill the screen but a strip: the strip",
         {QRect(0, 600, 1100, 260)}, {QRect(0, 0, 1440, 600)}, {1280, 630}},
        {"nothing free: the place that covers least of the controls",
         {QRect(0, 0, 1440, 860), QRect(400, 200, 600, 400)}, {}, {1280, 630}},
        {"a list rather than a button", {QRect(1300, 700, 140, 160)}, {QRect(0, 0, 1440, 860)}, {1280, 470}},
        {"the empty room of a list rather than its lines: a list filled down to 300 over the screen",
         {QRect(0, 0, 1440, 80)}, {QRect(0, 80, 1440, 220)}, {1280, 630}, {QRect(0, 80, 1440, 780)}},
    };
    for (const Case& c : cases) {
        const QPoint at = ClearPlace(area, size, {c.avoid, c.rather, c.lastly});
        EXPECT_EQ(at, c.expected) << c.what;
        EXPECT_TRUE(area.contains(QRect(at, size))) << c.what;
    }
}

} // namespace
