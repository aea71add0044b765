#include "components/code_search/frmCodeSearchList.h"

#include "platform/ui/WholeColumns.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

frmCodeSearchList::frmCodeSearchList(const QString& caption, const QStringList& headers, const QList<QStringList>& rows,
                                     QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(caption);
    setModal(true);
    auto* root = new QVBoxLayout(this);
    grdList = new QTableWidget(int(rows.size()), int(headers.size()), this);
    KeepColumnsWhole(grdList);
    grdList->setHorizontalHeaderLabels(headers);
    grdList->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdList->setSelectionMode(QAbstractItemView::SingleSelection);
    grdList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdList->verticalHeader()->hide();
    grdList->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < headers.size(); ++c) grdList->setItem(r, c, new QTableWidgetItem(rows[r].value(c)));
    grdList->resizeColumnsToContents();
    if (!rows.isEmpty()) grdList->setCurrentCell(0, 0);
    root->addWidget(grdList, 1);

    auto* buttons = new QHBoxLayout;
    cmdSelect = new QPushButton(QStringLiteral("&Select"), this);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdSelect->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(cmdSelect);
    buttons->addWidget(cmdCancel);
    root->addLayout(buttons);
    resize(560, 380);

    grdList->installEventFilter(this);
    connect(grdList, &QTableWidget::cellDoubleClicked, this, [this] { cmdSelect_Click(); });
    connect(cmdSelect, &QPushButton::clicked, this, [this] { cmdSelect_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

int frmCodeSearchList::FindRow(const QString& code) const
{
    for (int r = 0; r < grdList->rowCount(); ++r)
        if (grdList->item(r, 0) && grdList->item(r, 0)->text().compare(code, Qt::CaseInsensitive) == 0) return r;
    return -1;
}

void frmCodeSearchList::cmdSelect_Click()
{
    const int row = grdList->currentRow();
    if (row < 0) return;
    ChosenRow = row;
    accept();
}

bool frmCodeSearchList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grdList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cmdSelect_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
