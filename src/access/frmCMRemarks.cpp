#include "access/frmCMRemarks.h"

#include "access/AccessKeys.h"
#include "access/CMRemarksData.h"
#include "shared/modGlobals.h"
#include "platform/text/Twips.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/modGlobals.h"
#include "platform/ui/WholeColumns.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

frmCMRemarks::frmCMRemarks()
{
    setObjectName(QStringLiteral("frmCMRemarks"));
    setWindowTitle(QStringLiteral("List of CM Remarks"));
    setModal(true);

    lblDoctor = new QLabel(this);
    lblDoctor->setObjectName(QStringLiteral("lblDoctor"));
    QFont heading = lblDoctor->font();
    heading.setBold(true);
    lblDoctor->setFont(heading);
    imgLegend = new QToolButton(this);
    imgLegend->setObjectName(QStringLiteral("imgLegend"));
    imgLegend->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    imgLegend->setToolTip(QStringLiteral("Exit"));
    imgLegend->setAutoRaise(true);

    mshFlexCMRemarks = new QTableWidget(this);
    KeepColumnsWhole(mshFlexCMRemarks);
    mshFlexCMRemarks->setObjectName(QStringLiteral("mshFlexCMRemarks"));
    mshFlexCMRemarks->setSelectionBehavior(QAbstractItemView::SelectRows);
    mshFlexCMRemarks->setSelectionMode(QAbstractItemView::SingleSelection);
    mshFlexCMRemarks->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mshFlexCMRemarks->verticalHeader()->hide();
    mshFlexCMRemarks->horizontalHeader()->setStretchLastSection(true);

    fraMessage = new QGroupBox(QStringLiteral("Important Message"), this);
    auto* hint = new QLabel(QStringLiteral("Double-click the list to select the CM Remark(s) or use the arrow keys "
                                           "Up/Down to choose then press Enter Key."),
                            fraMessage);
    hint->setWordWrap(true);
    (new QVBoxLayout(fraMessage))->addWidget(hint);

    auto* top = new QHBoxLayout;
    top->addWidget(lblDoctor, 1);
    top->addWidget(imgLegend);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(mshFlexCMRemarks, 1);
    layout->addWidget(fraMessage);
    resize(TwipsToPixels(4000), TwipsToPixels(4500));

    connect(mshFlexCMRemarks, &QTableWidget::cellDoubleClicked, this, [this] { mshFlexCMRemarks_DblClick(); });
    connect(imgLegend, &QToolButton::clicked, this, &frmCMRemarks::imgLegend_Click);
    mshFlexCMRemarks->installEventFilter(this);
}

void frmCMRemarks::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) Form_Load();
    QDialog::showEvent(event);
}

void frmCMRemarks::Form_Load()
{
    // A showing closed without a choice must not hand back an earlier showing's remark.
    SelectedRemarks.clear();
    QTableWidget* g = mshFlexCMRemarks;
    g->clear();
    g->setColumnCount(3);
    g->setHorizontalHeaderLabels({QString(), QString(), QString()});
    g->setRowCount(1);
    g->setColumnWidth(0, 0);
    g->setColumnWidth(1, TwipsToPixels(800));
    g->setColumnWidth(2, TwipsToPixels(2500));
    g->setColumnHidden(0, true);
    g->setEnabled(false);
    try {
        Recordset rs = GetCMRemarks(SharedConnection());
        if (!rs.isEmpty()) {
            g->setHorizontalHeaderLabels({QString(), rs.fieldName(0), rs.fieldName(1)});
            g->setRowCount(rs.recordCount());
            for (int r = 0; r < rs.recordCount(); ++r)
                for (int c = 0; c < 2; ++c)
                    g->setItem(r, c + 1, new QTableWidgetItem(DbValue::text(rs.valueAt(r, c))));
            g->setEnabled(true);
            g->setCurrentCell(0, 1);
            g->setFocus();
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    lblDoctor->setText(QStringLiteral("List of CM Remarks"));
}

bool frmCMRemarks::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == mshFlexCMRemarks && event->type() == QEvent::KeyPress &&
        AccessKeys::isEnter(static_cast<QKeyEvent*>(event))) {
        mshFlexCMRemarks_DblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmCMRemarks::mshFlexCMRemarks_DblClick()
{
    QTableWidget* g = mshFlexCMRemarks;
    if (!g->isEnabled() || g->currentRow() < 0) return;
    const QTableWidgetItem* item = g->item(g->currentRow(), 2);
    SelectedRemarks = item ? item->text() : QString();
    accept();
}

void frmCMRemarks::imgLegend_Click()
{
    reject();
}
