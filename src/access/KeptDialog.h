#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

// A dialog that exists once for the run: created on first use and kept after it closes, because
// callers read its answers after runModal() returns. It forgets its answers each time it opens.
template <class T>
class KeptDialog {
public:
    static T* instance()
    {
        if (!s_instance) {
            s_instance = new T();
            WindowRegistry::add(s_instance);
        }
        return s_instance;
    }
    static bool isLoaded() { return !s_instance.isNull(); }

private:
    static inline QPointer<T> s_instance;
};

// Puts a dialog in the middle of the screen it is on.
inline void CentreOnScreen(QWidget* w)
{
    QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    w->adjustSize();
    const QRect area = screen->availableGeometry();
    w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
}
