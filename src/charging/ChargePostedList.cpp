#include "charging/ChargePostedList.h"

#include "charging/frmCharge.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/text/Format.h"
#include "platform/text/Twips.h"
#include "platform/ui/FlexGrid.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
const QColor kReversalColour(255, 0, 0);
const QString kPostedListHeader = QStringLiteral("  |<Dept. |<Item. #|< Item   Description    |<QTY|<Amount |<ChargeSlip #");

// Red in every column of a line whose amount starts with a minus sign: a reversal.
void colourReversalLines(FlexGrid& grid)
{
    grid.setUpdatesEnabled(false);
    for (int r = 0; r < grid.Rows(); ++r) {
        if (!grid.TextMatrix(r, PostedChargeRow::Amount).startsWith(QLatin1Char('-'))) continue;
        for (int c = 0; c < grid.Cols(); ++c) {
            if (!grid.item(r, c)) grid.setTextMatrix(r, c, QString());
            grid.item(r, c)->setForeground(kReversalColour);
        }
    }
    grid.setUpdatesEnabled(true);
}
} // namespace

Recordset LoadPostedCharges(Connection& c, const QString& hospNum, const QString& idNum, const QString& stationID)
{
    return c.call(QStringLiteral("STATION..List_All_CLCharges"), {hospNum, idNum, stationID});
}

bool FillPostedChargesGrid(FlexGrid& grid, const Recordset& lines, bool showAmount)
{
    grid.setUpdatesEnabled(false);
    grid.clear();
    grid.setRows(2);
    grid.setFormatString(kPostedListHeader);
    grid.setCols(8);
    // Widths follow the grid's own width, as twips.
    const int w = PixelsToTwips(grid.width());
    const int dept = w / 15;
    grid.setColWidth(0, 1);
    grid.setColWidth(PostedChargeRow::Dept, dept);
    grid.setColWidth(PostedChargeRow::ItemCode, w / 13);
    grid.setColWidth(PostedChargeRow::Description, int(Fmt::roundHalfEven(dept * 7.5)));
    grid.setColWidth(PostedChargeRow::Qty, w / 20);
    grid.setColWidth(PostedChargeRow::Amount, showAmount ? dept * 2 + 60 : 0);
    grid.setColWidth(PostedChargeRow::ChargeSlip, dept * 2 + 160);
    grid.setColWidth(PostedChargeRow::PostedAt, 2000);
    const int records = lines.recordCount();
    if (records > 0) {
        const int fields = lines.fieldCount();
        grid.setCols(fields + 1);
        grid.setRows(records + 1);
        for (int r = 0; r < records; ++r)
            for (int f = 0; f < fields; ++f) grid.setTextMatrix(r + 1, f + 1, DbValue::text(lines.valueAt(r, f)));
    }
    grid.setUpdatesEnabled(true);
    colourReversalLines(grid);
    return records > 0;
}

// ---- the list on the charging window ----

void frmCharge::SetupPostedList()
{
    txtMessage = new QLineEdit(QStringLiteral("No Charges Entered"), MSHFlexList->parentWidget());
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setReadOnly(true);
    txtMessage->setAlignment(Qt::AlignCenter);
    if (auto* box = qobject_cast<QVBoxLayout*>(MSHFlexList->parentWidget()->layout())) box->insertWidget(0, txtMessage);
    MSHFlexList->setMinimumHeight(TwipsToPixels(2250)); // five lines in view whatever the entry grid takes
    connect(cmdRefresh, &QPushButton::clicked, this, [this] { cmdRefresh_Click(); });
    for (int i = 0; i < 2; ++i) connect(cmdOption[i], &QPushButton::clicked, this, [this, i] { cmdOption_Click(i); });
    connect(MSHFlexList, &QTableWidget::cellClicked, this, [this] { MSHFlexList_Click(); });
    connect(MSHFlexList, &QTableWidget::cellDoubleClicked, this, [this] { RevokeCharge(); });
    connect(MSHFlexList, &QTableWidget::currentCellChanged, this, [this] { MSHFlexList_EnterCell(); });
    connect(this, &frmCharge::chargesPosted, this, [this] { ReloadPostedList(false); });
}

void frmCharge::Get_Charges()
{
    const Recordset lines = LoadPostedCharges(SharedConnection(), txtPno->text(), txtID->text(), Session.CurrentStationID.toString());
    // Every activation reloads the list, also the one a click into the window makes: the same
    // admission's list keeps its selected line and its scroll, so the click lands on the line
    // under the pointer and a revocation acts on the line the user chose.
    const bool sameAdmission = m_postedListOf == txtID->text();
    const int row = MSHFlexList->currentRow(), col = MSHFlexList->currentColumn();
    const int top = MSHFlexList->verticalScrollBar()->value(), left = MSHFlexList->horizontalScrollBar()->value();
    const bool any = FillPostedChargesGrid(*MSHFlexList, lines, Session.HospitalInfo.IsShowAmount);
    m_postedListOf = txtID->text();
    MSHFlexList->setEnabled(any);
    txtMessage->setVisible(!any);
    if (!any || !sameAdmission) return;
    MSHFlexList->doItemsLayout(); // the scroll ranges of the new rows, before the old place is restored
    if (row >= 1 && row < MSHFlexList->Rows()) MSHFlexList->setCurrentCell(row, qMax(0, col));
    MSHFlexList->verticalScrollBar()->setValue(top);
    MSHFlexList->horizontalScrollBar()->setValue(left);
}

void frmCharge::ReloadPostedList(bool onActivation)
{
    // An activation after the notice of a failed load would show it again at once, and again: a
    // failure is shown once until a load succeeds or the user asks with "Refresh".
    if (onActivation && m_postedListFailed) return;
    try {
        Get_Charges();
        m_postedListFailed = false;
    } catch (const std::exception& e) {
        m_postedListFailed = true;
        ShowErrorNotice(e);
    }
}

void frmCharge::cmdRefresh_Click() { ReloadPostedList(false); }

void frmCharge::MSHFlexList_Click()
{
    cmdOption[0]->setEnabled(Session.HospitalInfo.IsPrintChargeSlip);
    cmdOption[1]->setEnabled(true);
    cmdOption[1]->setVisible(true);
    const clsParameters& p = StationParameters();
    const int row = MSHFlexList->currentRow();
    cmdReturned->setVisible(!p.EnableOldPackageCharging() && row >= 1
                            && MSHFlexList->TextMatrix(row, 1).trimmed() == p.MainRevenueID().trimmed());
}

// The selection keeps the text colour of the cell entered: a reversal stays red while selected.
void frmCharge::MSHFlexList_EnterCell()
{
    QTableWidgetItem* it = MSHFlexList->currentItem();
    const QBrush fore = it ? it->foreground() : QBrush();
    QPalette p = MSHFlexList->palette();
    p.setColor(QPalette::HighlightedText,
               fore.style() == Qt::NoBrush ? QGuiApplication::palette().color(QPalette::HighlightedText) : fore.color());
    MSHFlexList->setPalette(p);
}

void frmCharge::cmdOption_Click(int index)
{
    if (index == 0) ReprintChargeSlip();
    else RevokeCharge();
}

