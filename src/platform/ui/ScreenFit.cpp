#include "platform/ui/ScreenFit.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QWidget>
#include <algorithm>

void KeepInside(QWidget* window, const QRect& room)
{
    if (!window || room.isEmpty()) return;
    // what the frame adds around the window's own area (nothing until a window manager framed it)
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    const int extraW = frame.width() - inner.width();
    const int extraH = frame.height() - inner.height();
    const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
    const QSize size(std::max(least.width(), std::min(inner.width(), room.width() - extraW)),
                     std::max(least.height(), std::min(inner.height(), room.height() - extraH)));
    if (size != inner.size()) window->resize(size);
    QPoint at = window->pos();
    at.setX(std::max(room.left(), std::min(at.x(), room.right() + 1 - size.width() - extraW)));
    at.setY(std::max(room.top(), std::min(at.y(), room.bottom() + 1 - size.height() - extraH)));
    if (at != window->pos()) window->move(at);
}

void KeepOnScreen(QWidget* window)
{
    if (!window) return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window)) {
        if (sub->isMaximized() || !sub->mdiArea()) return;
        KeepInside(sub, sub->mdiArea()->viewport()->rect());
        return;
    }
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen && !(window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        KeepInside(window, screen->availableGeometry());
}

namespace {
// Windows and dialogs as they are shown; menus, tool tips and frameless tool windows (the
// announcer) place themselves, and the main window's children are placed by the area, after
// this (KeepOnScreen is called when they are shown).
class ScreenKeeper : public QObject {
protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::Show || !o->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(o);
        if (!w->isWindow()) return false;
        const Qt::WindowType type = w->windowType();
        if ((type == Qt::Window || type == Qt::Dialog) && !(w->windowFlags() & Qt::FramelessWindowHint)) KeepOnScreen(w);
        return false;
    }
};
}

void KeepWindowsOnScreen()
{
    static ScreenKeeper* keeper = nullptr;
    if (keeper || !qApp) return;
    keeper = new ScreenKeeper;
    keeper->setParent(qApp);
    qApp->installEventFilter(keeper);
}
