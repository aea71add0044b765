#include "platform/report/ReportHost.h"

#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>

namespace {
struct Host {
    QPointer<QMdiArea> area;
    QPointer<QStatusBar> statusBar;
    QPointer<QLabel> label;
    QString last;
    int serial = 0;
};
Host& host()
{
    static Host h;
    return h;
}
}

namespace ReportHost {
void attach(QMdiArea* area, QStatusBar* statusBar)
{
    host().area = area;
    host().statusBar = statusBar;
    host().label = nullptr;
}

QMdiArea* mdiArea() { return host().area.data(); }

QWidget* mainWindow() { return host().area ? host().area->window() : nullptr; }

void notify(const QString& text)
{
    Host& h = host();
    h.last = text;
    if (!h.statusBar) return;
    // A panel of its own at the left: the bar's fixed panels keep their texts.
    if (!h.label) {
        h.label = new QLabel(h.statusBar);
        h.label->setObjectName(QStringLiteral("ReportNotice"));
        h.statusBar->insertWidget(0, h.label, 0);
    }
    h.label->setText(text);
    h.label->setToolTip(text);
    h.label->show();
    const int serial = ++h.serial;
    QTimer::singleShot(30000, h.label, [serial] {
        if (host().serial == serial && host().label) host().label->hide();
    });
}

QString lastNotice() { return host().last; }
}
