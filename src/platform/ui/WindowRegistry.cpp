#include "platform/ui/WindowRegistry.h"

#include <QObject>

namespace {
QList<QPointer<QWidget>>& windows()
{
    static QList<QPointer<QWidget>> list;
    return list;
}
void prune()
{
    windows().removeIf([](const QPointer<QWidget>& p) { return p.isNull(); });
}
}

namespace WindowRegistry {
void add(QWidget* w)
{
    prune();
    if (!w || windows().contains(w)) return;
    windows().append(w);
    QObject::connect(w, &QObject::destroyed, [w] { remove(w); });
}

void remove(QWidget* w)
{
    windows().removeIf([w](const QPointer<QWidget>& p) { return p.isNull() || p.data() == w; });
}

QList<QWidget*> loaded()
{
    prune();
    QList<QWidget*> out;
    for (const auto& p : windows()) out << p.data();
    return out;
}

void unloadAllButFirst()
{
    const QList<QWidget*> list = loaded();
    for (int i = list.size() - 1; i >= 1; --i) {
        QPointer<QWidget> w = list[i];
        if (!w) continue;
        try {
            w->setAttribute(Qt::WA_DeleteOnClose, true);
            w->close();
        } catch (const std::exception& e) {
            // the others are still closed
            qWarning("Closing the window %s failed: %s", qPrintable(w ? w->objectName() : QString()), e.what());
        }
    }
}
}
