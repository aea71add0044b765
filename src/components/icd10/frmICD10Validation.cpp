#include "components/icd10/frmICD10Validation.h"

#include "components/icd10/ICD10Search.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WholeColumns.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

frmICD10Validation::frmICD10Validation(Connection* conn, QWidget* parent)
    : QDialog(parent), m_conn(conn)
{
    setWindowTitle(QStringLiteral("ICD-10 Code Validation"));
    setModal(true);
    auto* root = new QVBoxLayout(this);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("Code or description:"), this));
    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setMaxLength(100);
    searchRow->addWidget(txtSearch, 1);
    cmdSearch = new QPushButton(QStringLiteral("&Search"), this);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
    cmdSearch->setAutoDefault(false);
    searchRow->addWidget(cmdSearch);
    root->addLayout(searchRow);

    lstCodes = new QTableWidget(0, 2, this);
    KeepColumnsWhole(lstCodes);
    lstCodes->setObjectName(QStringLiteral("lstCodes"));
    lstCodes->setHorizontalHeaderLabels({QStringLiteral("Code"), QStringLiteral("Description")});
    lstCodes->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstCodes->setSelectionMode(QAbstractItemView::SingleSelection);
    lstCodes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstCodes->verticalHeader()->hide();
    lstCodes->horizontalHeader()->setStretchLastSection(true);
    lstCodes->setColumnWidth(0, 80);
    root->addWidget(lstCodes, 1);

    auto* bottom = new QHBoxLayout;
    lblCount = new QLabel(this);
    lblCount->setObjectName(QStringLiteral("lblCount"));
    bottom->addWidget(lblCount, 1);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);
    bottom->addWidget(cmdClose);
    root->addLayout(bottom);
    resize(620, 420);

    txtSearch->installEventFilter(this);
    connect(cmdSearch, &QPushButton::clicked, this, &frmICD10Validation::cmdSearch_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

void frmICD10Validation::cmdSearch_Click()
{
    lstCodes->setRowCount(0);
    lblCount->clear();
    if (!m_conn) {
        MsgBox(QStringLiteral("The ICD-10 code search has no database connection."), vbOKOnly | vbExclamation,
               QStringLiteral("Warning"));
        return;
    }
    QList<ICD10Row> rows;
    try {
        rows = SearchICD10(*m_conn, txtSearch->text().trimmed());
    } catch (const std::exception& e) {
        MsgBox(QString::fromLocal8Bit(e.what()), vbOKOnly | vbExclamation, QStringLiteral("Warning"));
        return;
    }
    lstCodes->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        lstCodes->setItem(r, 0, new QTableWidgetItem(rows[r].code));
        lstCodes->setItem(r, 1, new QTableWidgetItem(rows[r].description));
    }
    if (!rows.isEmpty()) lstCodes->setCurrentCell(0, 0);
    lblCount->setText(rows.isEmpty() ? QStringLiteral("No matching ICD-10 code.")
                                     : QStringLiteral("%1 code(s) found.").arg(rows.size()));
}

bool frmICD10Validation::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtSearch && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cmdSearch_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
