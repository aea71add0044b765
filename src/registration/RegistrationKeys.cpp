#include "registration/RegistrationKeys.h"

#include "shared/text/TextUtilities.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class NameFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->text().size() != 1) return false;
        int code = key->text().at(0).unicode();
        if (code < 32) return false;
        const int typed = code;
        FilterNameKey(code);
        if (code == 0) return true;
        if (code == typed) return false;
        static_cast<QLineEdit*>(watched)->insert(QString(QChar(code)));
        return true;
    }
};

class ApostropheFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return false;
        return static_cast<QKeyEvent*>(event)->text() == QLatin1String("'");
    }
};

} // namespace

namespace RegistrationKeys {

void FilterNames(QLineEdit* box) { box->installEventFilter(new NameFilter(box)); }

void DropApostrophes(QWidget* window)
{
    auto* filter = new ApostropheFilter(window);
    for (QWidget* w : window->findChildren<QWidget*>()) w->installEventFilter(filter);
}

} // namespace RegistrationKeys
