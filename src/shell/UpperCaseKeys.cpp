#include "shell/UpperCaseKeys.h"

#include "components/StationComponents.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {
class UpperCaseFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.size() != 1) return false;
        const int upper = KeyPress::UpperCase(text[0].unicode());
        if (upper == text[0].unicode()) return false;
        QKeyEvent upperKey(QEvent::KeyPress, key->key(), key->modifiers(), QString(QChar(upper)));
        QCoreApplication::sendEvent(watched, &upperKey);
        return true;
    }
};
}

void UpperCaseKeys(QWidget* box)
{
    box->installEventFilter(new UpperCaseFilter(box));
}
