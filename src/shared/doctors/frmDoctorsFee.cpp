#include "shared/doctors/frmDoctorsFee.h"

#include "platform/text/Format.h"
#include "platform/text/Twips.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/doctors/DoctorFees.h"
#include "shared/modGlobals.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

frmDoctorsFee::frmDoctorsFee()
{
    setWindowTitle(QStringLiteral("Professional Fees"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    lblDoctor = new QLabel(this);
    lblDoctor->setObjectName(QStringLiteral("lblDoctor"));
    QFont bold = lblDoctor->font();
    bold.setBold(true);
    lblDoctor->setFont(bold);
    layout->addWidget(lblDoctor);
    mshFlexDoctorsFee = new FlexGrid(this);
    mshFlexDoctorsFee->setObjectName(QStringLiteral("mshFlexDoctorsFee"));
    mshFlexDoctorsFee->setSelectionBehavior(QAbstractItemView::SelectRows);
    mshFlexDoctorsFee->setSelectionMode(QAbstractItemView::SingleSelection);
    mshFlexDoctorsFee->setMinimumSize(TwipsToPixels(5300), TwipsToPixels(2500));
    layout->addWidget(mshFlexDoctorsFee, 1);
    fraMessage = new QGroupBox(QStringLiteral("Important Message"), this);
    lblMsg = new QLabel(QStringLiteral("Double click the list to select the professional fee of the doctor or Use the arrow keys "
                                       "Up/Down to choose then press Enter Key....."),
                        fraMessage);
    lblMsg->setWordWrap(true);
    (new QVBoxLayout(fraMessage))->addWidget(lblMsg);
    layout->addWidget(fraMessage);
    mshFlexDoctorsFee->installEventFilter(this);
    connect(mshFlexDoctorsFee, &QTableWidget::cellDoubleClicked, this, [this] { mshFlexDoctorsFee_DblClick(); });
}

bool frmDoctorsFee::SearchRecord() { return DoctorHasFeeItems(SharedConnection(), DoctorCode); }

bool frmDoctorsFee::ShowModal()
{
    // Only this showing's pick counts.
    SelectedDoctorFee = 0;
    FeePicked = false;
    LoadDoctorFees();
    runModal(this);
    return FeePicked;
}

void frmDoctorsFee::showEvent(QShowEvent* event)
{
    // however it is opened, a showing starts without an answer
    SelectedDoctorFee = 0;
    FeePicked = false;
    QDialog::showEvent(event);
}

void frmDoctorsFee::LoadDoctorFees()
{
    FlexGrid& g = *mshFlexDoctorsFee;
    g.clear();
    g.setCols(3);
    g.setRows(2);
    g.setFormatString(QStringLiteral("|<Description|>Amount"));
    g.setColWidth(0, 0);
    g.setColWidth(1, 4000);
    g.setColWidth(2, 1000);
    const QList<DoctorFeeItem> items = DoctorFeeItems(SharedConnection(), DoctorCode);
    if (items.isEmpty()) {
        g.setTextMatrix(1, 1, QString());
        g.setTextMatrix(1, 2, QString());
    } else {
        g.setRows(int(items.size()) + 1);
        for (int i = 0; i < items.size(); ++i) {
            g.setTextMatrix(i + 1, 1, items[i].Description);
            // no grouping: the pick reads the cell back as a number
            g.setTextMatrix(i + 1, 2, Fmt::number(items[i].Amount, QStringLiteral("0.00")));
            g.item(i + 1, 2)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        g.setCurrentCell(1, 1);
    }
    g.setEnabled(!items.isEmpty());
    lblDoctor->setText(QStringLiteral("List of Professional Fees of ") + DoctorName);
}

void frmDoctorsFee::mshFlexDoctorsFee_DblClick()
{
    const int row = mshFlexDoctorsFee->currentRow();
    if (!mshFlexDoctorsFee->isEnabled() || row < 1) return;
    SelectedDoctorFee = Fmt::val(mshFlexDoctorsFee->TextMatrix(row, 2));
    FeePicked = true;
    accept();
}

bool frmDoctorsFee::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == mshFlexDoctorsFee && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            mshFlexDoctorsFee_DblClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
