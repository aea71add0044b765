#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

// Puts a dialog in the middle of the screen it is on.
inline void CentreOnScreen(QWidget* w)
{
    QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    w->adjustSize();
    const QRect area = screen->availableGeometry();
    w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
}
