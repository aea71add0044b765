#include "patients/frmCensusFormat.h"

#include "platform/ui/MessageBox.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/modReports.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmCensusFormat::frmCensusFormat()
{
    setObjectName(QStringLiteral("frmCensusFormat"));
    setWindowTitle(QStringLiteral("Census Form Type"));
    Frame1 = new QGroupBox(QStringLiteral("Select Form Type"), this);
    Option1 = new QRadioButton(QStringLiteral("&Old Form"), Frame1);
    Option1->setObjectName(QStringLiteral("Option1"));
    optNew = new QRadioButton(QStringLiteral("&New Form"), Frame1);
    optNew->setObjectName(QStringLiteral("optNew"));
    auto* options = new QVBoxLayout(Frame1);
    options->addWidget(Option1);
    options->addWidget(optNew);
    cmdView = new QPushButton(QStringLiteral("&View"), this);
    cmdView->setObjectName(QStringLiteral("cmdView"));
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdView, &QPushButton::clicked, this, &frmCensusFormat::cmdView_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmCensusFormat::cmdClose_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdView);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
}

void frmCensusFormat::showEvent(QShowEvent* event)
{
    optNew->setChecked(true); // each opening starts on the new layout
    QDialog::showEvent(event);
}

QString frmCensusFormat::reportFile(bool newForm)
{
    return newForm ? QStringLiteral("NHICensusCharging_New.rpt") : QStringLiteral("NHICensusCharging.rpt");
}

void frmCensusFormat::cmdView_Click()
{
    if (m_refNo.isEmpty()) {
        MsgBox(QStringLiteral("Please select patient case to print."), vbOKOnly | vbInformation, QStringLiteral("Notification"));
        return;
    }
    try {
        const QVariantList three{m_idNo, m_hospNo, m_refNo};
        PrepareReport(ReportFilePath(reportFile(optNew->isChecked())), three);
        for (const char* sub : {"AddtionalSupplies.rpt", "AddtionalSupplies.rpt - 02", "AddtionalSupplies.rpt - 01",
                                "NHICensussUBrEPORT.rpt", "AddtionalSupplies.rpt - 01 - 01",
                                "AddtionalSupplies.rpt - 01 - 02", "AddtionalSupplies.rpt - 01 - 03"})
            PrepareSubreport(QString::fromLatin1(sub), three);
        PrepareSubreport(QStringLiteral("SubReturnedItems.rpt"), {m_idNo, m_refNo});
        ShowReport(false, QStringLiteral("NHI Census Charging"), false, true);
    } catch (const std::exception& e) {
        ShowErrorNotice(e); // the dialog stays open
    }
}

void frmCensusFormat::cmdClose_Click() { close(); }
