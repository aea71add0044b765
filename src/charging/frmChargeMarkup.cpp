// The consigned mark-up panel of the charging window: once the quantity of a consigned row is
// taken, the hospital's consigned mark-up factors are offered; a double-click multiplies that
// row's amount by the factor chosen, "X" leaves it.
#include "charging/frmCharge.h"

#include "charging/ChargeEntryRow.h"
#include "charging/ChargePricing.h"
#include "shared/orders/ExamPricing.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace ChargeEntryRow;

namespace {
enum MarkupColumn { MarkupID = 1, MarkupName = 2, MarkupFactor = 3 };

bool isConsignedDepartment(const QString& department)
{
    const clsParameters& p = StationParameters();
    for (const QString& code : {p.CLConsignedMedicinesRev(), p.CLConsignedSuppliesRev(), p.ConsignedPackagesRevenueID()})
        if (!code.trimmed().isEmpty() && department.trimmed() == code.trimmed()) return true;
    return false;
}
} // namespace

void frmCharge::buildMarkupPanel()
{
    pctMarkup = new QFrame(this);
    pctMarkup->setObjectName(QStringLiteral("pctMarkup"));
    pctMarkup->setFrameShape(QFrame::Panel);
    pctMarkup->setFrameShadow(QFrame::Raised);
    pctMarkup->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(pctMarkup);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Consigned Mark-Up"), pctMarkup), 1);
    cmdHideMarkUp = new QPushButton(QStringLiteral("X"), pctMarkup);
    cmdHideMarkUp->setObjectName(QStringLiteral("cmdHideMarkUp"));
    cmdHideMarkUp->setAutoDefault(false);
    cmdHideMarkUp->setFixedWidth(28);
    top->addWidget(cmdHideMarkUp);
    layout->addLayout(top);
    grdMarkup = new FlexGrid(pctMarkup);
    grdMarkup->setObjectName(QStringLiteral("grdMarkup"));
    grdMarkup->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdMarkup->setSelectionBehavior(QAbstractItemView::SelectRows);
    layout->addWidget(grdMarkup, 1);
    connect(cmdHideMarkUp, &QPushButton::clicked, this, [this] { cmdHideMarkUp_Click(); });
    connect(grdMarkup, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (row >= 1) grdMarkup_DblClick();
    });
    pctMarkup->resize(380, 220);
    pctMarkup->hide();
}

void frmCharge::OpenConsignedMarkup(int row)
{
    if (StationParameters().EnableOldPackageCharging() || !isConsignedDepartment(cell(row, Dept))) return;
    EnableChargingControls(false);
    try {
        LoadMarkupList();
    } catch (const std::exception& e) {
        ShowErrorNotice(e); // the row keeps its amount; the window comes back below
    }
    txtEntry->hide();
    if (!pctMarkup->isHidden()) {
        grdMarkup->setFocus();
        MarkupRow = row;
    } else {
        EnableChargingControls(true);
    }
}

void frmCharge::LoadMarkupList()
{
    const Recordset rs =
        SharedConnection().query(QStringLiteral("SELECT MarkUpID, MarkUpName, MarkUp FROM Clinical_Area..tbCLMarkUp"));
    if (rs.isEmpty()) return;
    FlexGrid& g = *grdMarkup;
    g.setRows(1);
    g.setCols(4);
    g.setRows(rs.recordCount() + 1);
    g.setTextMatrix(0, MarkupName, QStringLiteral("Mark-Up"));
    g.setTextMatrix(0, MarkupFactor, QStringLiteral("Factor"));
    for (int r = 0; r < rs.recordCount(); ++r) {
        g.setTextMatrix(r + 1, MarkupID, DbValue::text(rs.valueAt(r, 0)).trimmed());
        g.setTextMatrix(r + 1, MarkupName, DbValue::text(rs.valueAt(r, 1)).trimmed());
        g.setTextMatrix(r + 1, MarkupFactor, AmountText(DbValue::toDouble(rs.valueAt(r, 2))));
    }
    for (int c : {0, int(MarkupID)}) g.setColWidth(c, 1);
    g.setColWidth(MarkupName, 4000);
    // the factor beside each name, so the user sees what a choice does to the amount
    g.setColWidth(MarkupFactor, 900);
    g.setCurrentCell(1, MarkupName);
    const QPoint at = mshflexEntry->mapTo(this, QPoint(mshflexEntry->width() / 3, 70));
    pctMarkup->move(qMax(0, qMin(at.x(), width() - pctMarkup->width())), qMax(0, qMin(at.y(), height() - pctMarkup->height())));
    pctMarkup->raise();
    pctMarkup->show();
}

void frmCharge::EnableChargingControls(bool enabled)
{
    for (QWidget* w : std::initializer_list<QWidget*>{fraList, fraCharges, Command1[0], Command1[2], cmdRefresh, Command1[4], Command1[5],
                                                      cmdOption[0], cmdOption[1], mshflexEntry})
        w->setEnabled(enabled);
    txtEntry->setVisible(enabled);
}

void frmCharge::grdMarkup_DblClick()
{
    try {
        const int row = grdMarkup->currentRow();
        if (row < 1 || MarkupRow < 1 || MarkupRow >= mshflexEntry->Rows()) return;
        const double amount = LeadingNumber(cell(MarkupRow, Amount));
        const double factor = LeadingNumber(grdMarkup->TextMatrix(row, MarkupFactor));
        // the amount alone: unit price and quantity keep their values
        const double marked = amount * factor;
        setCell(MarkupRow, Amount, QString::number(marked, 'g', 15));
        // A package is totalled and billed at its own amount: the row's mark-up goes onto it, so
        // that the row, the total and the bill agree.
        const QString package = cell(MarkupRow, PackageCode).trimmed();
        if (!package.isEmpty()) {
            const double packageAmount = LeadingNumber(cell(MarkupRow, PackageAmount)) + (marked - amount);
            for (int r = 1; r < mshflexEntry->Rows(); ++r)
                if (cell(r, PackageCode).trimmed() == package) setCell(r, PackageAmount, QString::number(packageAmount, 'g', 15));
        }
        ComputeTotals();
        pctMarkup->hide();
        txtEntry->show();
        if (txtEntry->isVisible()) txtEntry->setFocus();
        EnableChargingControls(true);
    } catch (const std::exception& e) {
        MsgBox(ErrorDescription(e), vbInformation, QStringLiteral("Notification"));
    }
}

void frmCharge::cmdHideMarkUp_Click()
{
    pctMarkup->hide();
    txtEntry->show();
    if (txtEntry->isVisible()) txtEntry->setFocus();
    EnableChargingControls(true);
}
