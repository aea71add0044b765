#pragma once
#include <QString>

class QMdiArea;
class QStatusBar;
class QWidget;

// The main window as the report runtime sees it: the viewer windows open inside its MDI area, and
// its status bar tells where a direct print went. The main window attaches itself when it is made;
// without it (tests, tools) viewers are windows of their own and notices are only kept.
namespace ReportHost {
void attach(QMdiArea* area, QStatusBar* statusBar);
QMdiArea* mdiArea();
QWidget* mainWindow();
// Shows a notice in the main window's status bar for half a minute.
void notify(const QString& text);
QString lastNotice();
}
