#pragma once
#include <QAbstractButton>
#include <QKeyEvent>

// Keys the access windows treat alike.
namespace AccessKeys {
// The apostrophe never reaches a box of these windows.
inline bool isApostrophe(const QKeyEvent* k)
{
    return k->key() == Qt::Key_Apostrophe || k->text() == QLatin1String("'");
}
inline bool isEnter(const QKeyEvent* k)
{
    return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
}
// Enter on a button presses that button (and no other default button).
inline bool pressedButton(QObject* watched, const QKeyEvent* k)
{
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button || button->isCheckable() || !isEnter(k)) return false;
    if (button->isEnabled()) button->click();
    return true;
}
}
