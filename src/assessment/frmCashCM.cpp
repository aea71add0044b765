#include "assessment/frmCashCM.h"

#include "assessment/CashCMData.h"
#include "access/UserValidation.h"
#include "platform/db/Recordset.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/WholeColumns.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/modReports.h"

#include <QAction>
#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace CM = CashCMColumn;

namespace {
const QString kMessage = QStringLiteral("Message");

QIcon pictureIcon(int picture)
{
    QPixmap pm(14, 14);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    const QColor colour = picture == frmCashCM::Selected    ? QColor(0, 128, 0)
                          : picture == frmCashCM::Processed ? QColor(255, 0, 0)
                          : picture == frmCashCM::Pending   ? QColor(192, 192, 0)
                                                            : QColor(Qt::gray);
    p.setPen(colour);
    if (picture == frmCashCM::Unselected) {
        p.drawRect(1, 1, 11, 11);
    } else {
        p.setBrush(colour);
        p.drawEllipse(1, 1, 11, 11);
    }
    return QIcon(pm);
}

} // namespace

frmCashCM::frmCashCM(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCashCM"));
    setWindowTitle(QStringLiteral("Cash Credit Memo"));
    auto* v = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        lblPatient[i] = new QLabel(this);
        lblPatient[i]->setObjectName(QStringLiteral("lblPatient%1").arg(i));
        head->addWidget(new QLabel(i == 0 ? QStringLiteral("Patient :") : QStringLiteral("OR # :"), this));
        head->addWidget(lblPatient[i], i == 0 ? 1 : 0);
    }
    v->addLayout(head);
    mshFlexCashCM = new FlexGrid(this);
    mshFlexCashCM->setObjectName(QStringLiteral("mshFlexCashCM"));
    mshFlexCashCM->setSelectionBehavior(QAbstractItemView::SelectRows);
    mshFlexCashCM->setMinimumSize(460, 220);
    v->addWidget(mshFlexCashCM, 1);
    v->addWidget(new QLabel(QStringLiteral("Guideline: Click on the item to Select/Unselect........."), this));
    auto* legends = new QHBoxLayout;
    legends->addWidget(new QLabel(QStringLiteral("LEGEND:"), this));
    for (const auto& [picture, caption] : {std::pair{int(Selected), "Selected Item"}, std::pair{int(Processed), "Processed CM by Cashier"},
                                           std::pair{int(Pending), "Pending CM"}}) {
        auto* icon = new QLabel(this);
        icon->setPixmap(pictureIcon(picture).pixmap(14, 14));
        legends->addWidget(icon);
        legends->addWidget(new QLabel(QString::fromLatin1(caption), this));
    }
    legends->addStretch(1);
    v->addLayout(legends);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const char* captions[] = {"Exit", "Save/Print"};
    for (int i : {1, 0}) {
        lblExit[i] = new QPushButton(QString::fromLatin1(captions[i]), this);
        lblExit[i]->setObjectName(QStringLiteral("lblExit%1").arg(i));
        lblExit[i]->setAutoDefault(false);
        buttons->addWidget(lblExit[i]);
        connect(lblExit[i], &QPushButton::clicked, this, [this, i] { lblExit_Click(i); });
    }
    v->addLayout(buttons);
    mnuReprint = new QMenu(QStringLiteral("Reprint CM"), this);
    mnuReprintCM = mnuReprint->addAction(QStringLiteral("Re-print CM"));
    connect(mnuReprintCM, &QAction::triggered, this, &frmCashCM::mnuReprintCM_Click);
    connect(mshFlexCashCM, &QTableWidget::cellClicked, this, &frmCashCM::mshFlexCashCM_Click);
}

void frmCashCM::ShowModal()
{
    LoadPaidItems();
    runModal(this);
}

int frmCashCM::RowPicture(int row) const
{
    const QTableWidgetItem* it = mshFlexCashCM->item(row, CM::Picture);
    return it ? it->data(Qt::UserRole).toInt() : 0;
}

void frmCashCM::setPicture(int row, int picture)
{
    mshFlexCashCM->setTextMatrix(row, CM::Picture, QString());
    QTableWidgetItem* it = mshFlexCashCM->item(row, CM::Picture);
    it->setIcon(pictureIcon(picture));
    it->setData(Qt::UserRole, picture);
}

void frmCashCM::colourRow(int row)
{
    const QString state = mshFlexCashCM->TextMatrix(row, CM::State);
    const QColor colour = state == QLatin1String("0")
                              ? (mshFlexCashCM->TextMatrix(row, CM::Mark) == QLatin1String("1") ? QColor(0, 128, 0)
                                                                                           : palette().color(QPalette::WindowText))
                          : state == QLatin1String("1") ? QColor(255, 0, 0)
                                                        : QColor(192, 192, 0);
    for (int c = 1; c < mshFlexCashCM->Cols(); ++c) {
        if (!mshFlexCashCM->item(row, c)) mshFlexCashCM->setTextMatrix(row, c, QString());
        mshFlexCashCM->item(row, c)->setForeground(colour);
    }
}

void frmCashCM::LoadPaidItems()
{
    FlexGrid& g = *mshFlexCashCM;
    g.setUpdatesEnabled(false);
    g.clear();
    g.setRows(2);
    g.setCols(CM::Count);
    // the amount shows: the nurse sees what each item credits
    const int widths[] = {0, 300, 1000, 1000, 4000, 500, 1200, 0, 0, 0};
    for (int c = 0; c < CM::Count; ++c) g.setColWidth(c, widths[c]);
    try {
        const Recordset rs = CashCMPaidItems(SharedConnection(), IDNum, ORNumber);
        for (int f = 0; f < qMin(rs.fieldCount(), CM::Count - 1); ++f) g.setTextMatrix(0, f + 1, rs.fieldName(f));
        g.setRows(qMax(2, rs.recordCount() + 1));
        for (int r = 0; r < rs.recordCount(); ++r)
            for (int f = 0; f < qMin(rs.fieldCount(), CM::Count - 1); ++f) g.setTextMatrix(r + 1, f + 1, DbValue::text(rs.valueAt(r, f)));
        for (int r = 1; r <= rs.recordCount(); ++r) {
            g.setRowHeight(r, 280 / 15);
            const QString state = g.TextMatrix(r, CM::State);
            setPicture(r, state == QLatin1String("0") ? Unselected : state == QLatin1String("1") ? Processed : Pending);
            colourRow(r);
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    g.setUpdatesEnabled(true);
    AskRoomForColumns(&g); // the amount and quantity show whole without scrolling
    lblPatient[0]->setText(Patient + QStringLiteral(" "));
    lblPatient[1]->setText(ORNumber + QStringLiteral(" "));
}

void frmCashCM::mshFlexCashCM_Click()
{
    FlexGrid& g = *mshFlexCashCM;
    const int row = g.currentRow();
    if (row < 1 || g.TextMatrix(row, CM::Item).isEmpty()) return;
    const QString state = g.TextMatrix(row, CM::State);
    if (state != QLatin1String("0") && state != QLatin1String("1")) {
        mnuReprint->popup(QCursor::pos());
        return;
    }
    if (state == QLatin1String("0")) {
        const bool selected = !g.TextMatrix(row, CM::Mark).isEmpty();
        g.setTextMatrix(row, CM::Mark, selected ? QString() : QStringLiteral("1"));
        setPicture(row, selected ? Unselected : Selected);
    }
    g.setUpdatesEnabled(false);
    for (int r = 1; r < g.Rows(); ++r) colourRow(r);
    g.setCurrentCell(row, g.currentColumn());
    g.setUpdatesEnabled(true);
}

void frmCashCM::SaveCashCreditMemo()
{
    FlexGrid& g = *mshFlexCashCM;
    QList<CashCMItem> items;
    for (int r = 1; r < g.Rows(); ++r)
        if (g.TextMatrix(r, CM::Mark).trimmed() == QLatin1String("1"))
            items.append({g.TextMatrix(r, CM::Item), g.TextMatrix(r, CM::Department), g.TextMatrix(r, CM::Description), g.TextMatrix(r, CM::Quantity),
                          g.TextMatrix(r, CM::Amount)});
    if (items.isEmpty()) {
        MsgBox(QStringLiteral("Please select item(s) to Process Cash Credit Memo!"), vbInformation, kMessage);
        return;
    }
    // Every item is checked before anything is asked or written.
    for (const CashCMItem& i : items) {
        const QString refusal = CashCMItemRefusal(i);
        if (!refusal.isEmpty()) {
            MsgBox(refusal, vbInformation, kMessage);
            return;
        }
    }
    if (!ValidateUser({.retryQuestion = QStringLiteral("Selected item(s) to be Cash CM will not be saved! ") + QStringLiteral("\r\n")
                                        + QStringLiteral("Are you sure you want to save this item(s) for Cash CM?"),
                       .retryTitle = kMessage}))
        return;
    const QString receipt = lblPatient[1]->text().trimmed();
    QString advice;
    try {
        advice = SaveCashCMAdvice(SharedConnection(), receipt, lblPatient[0]->text().trimmed(), DialogAnswers.ValidatedUserID, items);
    } catch (const std::exception& e) {
        ShowErrorNotice(e); // rolled back: the selection stays on screen
        return;
    }
    LastAdviceNumber = advice;
    MsgBox(QStringLiteral("Item(s) Successfully Saved!"), vbInformation, kMessage);
    LoadPaidItems();
    printSlip(advice);
}

void frmCashCM::printSlip(const QString& adviceNumber)
{
    try {
        PrepareReport(ReportFilePath(QStringLiteral("CashCM_Slip.rpt")), {lblPatient[1]->text().trimmed(), adviceNumber});
        ShowReport(false, QStringLiteral("CASH CREDIT MEMO PRINTING"), true, false);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmCashCM::mnuReprintCM_Click()
{
    const int row = mshFlexCashCM->currentRow();
    if (row < 1) return;
    printSlip(mshFlexCashCM->TextMatrix(row, CM::Advice).trimmed());
}

void frmCashCM::lblExit_Click(int index)
{
    if (index == 1)
        SaveCashCreditMemo();
    else
        accept();
}
