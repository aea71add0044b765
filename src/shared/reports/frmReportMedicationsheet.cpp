#include "shared/reports/frmReportMedicationsheet.h"

#include "platform/report/ReportViewer.h"
#include "shared/modGlobals.h"
#include "shared/reports/frmReportViewer.h"

#include <QVBoxLayout>

frmReportMedicationsheet::frmReportMedicationsheet(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmReportMedicationsheet"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0); // the viewer fills the window
    CRViewer1 = new ReportViewer(this);
    layout->addWidget(CRViewer1);
    resize(900, 650);
}

void frmReportMedicationsheet::Form_Load()
{
    LoadReportViewerControl(CRViewer1, m_showGroupTree, m_directPrint, true);
}

void frmReportMedicationsheet::Form_Unload()
{
    if (m_unloaded) return;
    m_unloaded = true;
    ReportValues.CurrentReport.reset();
}

void frmReportMedicationsheet::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}
