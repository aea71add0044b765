#pragma once
#include <QAbstractButton>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <functional>

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
// The keys of the two sign-in dialogs: the apostrophe swallowed, Escape cancels, Enter on a button
// presses it, Enter in the user ID goes on to the access code, Enter in the access code signs in.
// True when the key was handled.
inline bool signInKey(QDialog* dialog, QObject* watched, QEvent* event, QLineEdit* userId, QLineEdit* accessCode,
                      const std::function<void()>& signIn)
{
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (isApostrophe(key)) return true;
    if (key->key() == Qt::Key_Escape) {
        dialog->reject();
        return true;
    }
    if (pressedButton(watched, key)) return true;
    if (isEnter(key)) {
        if (watched == userId) {
            accessCode->setFocus();
            return true;
        }
        if (watched == accessCode) {
            signIn();
            return true;
        }
    }
    return false;
}
}
