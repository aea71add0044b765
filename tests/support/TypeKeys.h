#pragma once
#include <QTest>
#include <QWidget>

// Types the text into the widget key by key, as a keyboard does. QTest::keyClicks knows the
// ASCII keys only; a letter such as "ú" goes as the key of that letter carrying its text.
inline void typeKeys(QWidget* widget, const QString& text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(widget, char(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(ch.toUpper().unicode()), QString(ch), Qt::NoModifier);
    }
}
