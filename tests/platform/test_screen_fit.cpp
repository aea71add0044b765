// A window is kept inside the room it has: no larger than the room (unless its layout needs
// more) and moved in so that its right and bottom edges show.
#include "platform/ui/ScreenFit.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(ScreenFit, AWindowIsKeptInsideItsRoom)
{
    const QRect room(0, 0, 1440, 860);
    struct Case {
        const char* what;
        QRect given;
        QSize least;
        QRect expected;
    };
    const Case cases[] = {
        {"inside already: left alone", {100, 50, 800, 600}, {200, 100}, {100, 50, 800, 600}},
        {"past the right edge: moved left", {900, 40, 1000, 700}, {200, 100}, {440, 40, 1000, 700}},
        {"past the bottom: moved up", {10, 500, 600, 500}, {200, 100}, {10, 360, 600, 500}},
        {"wider than the room: as wide as the room", {0, 0, 1477, 700}, {1300, 100}, {0, 0, 1440, 700}},
        {"taller than the room and below it", {20, 300, 700, 1000}, {200, 100}, {20, 0, 700, 860}},
        {"a layout that needs more than the room keeps what it needs", {0, 0, 1500, 600}, {1460, 100}, {0, 0, 1460, 600}},
    };
    for (const Case& c : cases) {
        QWidget w;
        w.setMinimumSize(c.least);
        w.setGeometry(c.given);
        KeepInside(&w, room);
        EXPECT_EQ(w.geometry(), c.expected) << c.what;
    }
}

// A child of the main window shown in its own size (the clinical assessment) is kept inside the
// child area, not the screen: its right edge and its buttons show.
TEST(ScreenFit, AChildIsKeptInsideTheChildArea)
{
    QMdiArea area;
    area.resize(900, 520);
    area.show();
    auto* child = new QWidget;
    QMdiSubWindow* sub = area.addSubWindow(child);
    sub->show();
    sub->setGeometry(600, 100, 1000, 700);
    KeepOnScreen(sub);
    EXPECT_TRUE(area.viewport()->rect().contains(sub->geometry()))
        << sub->x() << "," << sub->y() << " " << sub->width() << "x" << sub->height();
}

} // namespace
