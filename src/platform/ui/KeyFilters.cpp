#include "platform/ui/KeyFilters.h"

#include "platform/text/UpperCaseKey.h"

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
        return event->type() == QEvent::KeyPress && SendKeyInUpperCase(watched, static_cast<QKeyEvent*>(event));
    }
};
}

void UpperCaseKeys(QWidget* box)
{
    box->installEventFilter(new UpperCaseFilter(box));
}

bool SendKeyInUpperCase(QObject* box, const QKeyEvent* key)
{
    const QString text = key->text();
    if (text.size() != 1) return false;
    const int typed = text.at(0).unicode();
    const int upper = UpperCaseKeyCode(typed);
    if (upper == typed) return false;
    QKeyEvent upperKey(QEvent::KeyPress, key->key(), key->modifiers(), QString(QChar(char16_t(upper))),
                       key->isAutoRepeat(), ushort(key->count()));
    QCoreApplication::sendEvent(box, &upperKey);
    return true;
}
