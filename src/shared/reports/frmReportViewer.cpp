#include "shared/reports/frmReportViewer.h"

#include "platform/report/ReportHost.h"
#include "platform/report/ReportViewer.h"
#include "platform/ui/WindowRegistry.h"
#include "shared/modGlobals.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>

void LoadReportViewerControl(ReportViewer* viewer, bool showGroupTree, bool directPrint, bool medicationSheet)
{
    viewer->setReportSource(ReportValues.CurrentReport);
    viewer->setDisplayGroupTree(showGroupTree);
    viewer->setEnableGroupTree(showGroupTree);
    if (medicationSheet) viewer->setEnableExportButton(true);
    if (directPrint) {
        viewer->printReport();
    } else {
        viewer->viewReport();
        viewer->zoom(100);
    }
}

frmReportViewer::frmReportViewer()
{
    setObjectName(QStringLiteral("frmReportViewer"));
    setAttribute(Qt::WA_DeleteOnClose, true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0); // the viewer fills the window
    CRViewer1 = new ReportViewer(this);
    layout->addWidget(CRViewer1);
    resize(900, 650);
}

void frmReportViewer::Form_Load()
{
    LoadReportViewerControl(CRViewer1, m_showGroupTree, m_directPrint, false);
}

void frmReportViewer::Form_Unload()
{
    if (m_unloaded) return;
    m_unloaded = true;
    ReportValues.CurrentReport.reset(); // this viewer keeps its own report
}

void frmReportViewer::showInMainWindow()
{
    WindowRegistry::add(this);
    if (QMdiArea* area = ReportHost::mdiArea()) {
        QMdiSubWindow* sub = area->addSubWindow(this);
        sub->setAttribute(Qt::WA_DeleteOnClose, true);
        sub->showMaximized();
    } else {
        showMaximized();
    }
}

void frmReportViewer::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QWidget::closeEvent(event);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->close();
}
