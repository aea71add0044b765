#include "charging/frmPackageReturnedItems.h"

#include "access/UserValidation.h"
#include "charging/GridMarks.h"
#include "platform/db/Connection.h"
#include "platform/text/Format.h"
#include "platform/text/Twips.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidgetItem>

namespace {

} // namespace

frmPackageReturnedItems::frmPackageReturnedItems()
{
    setObjectName(QStringLiteral("frmPackageReturnedItems"));
    setWindowTitle(QStringLiteral("Package Returned Items"));
    setModal(true);
    auto* grid = new QGridLayout(this);
    const char* labels[] = {"Patient Name:", "Hospital No.:", "Admission No.:", "Reference No.:"};
    std::array<QLineEdit**, 4> boxes{&txtPName, &txtHosp, &txtAdmNum, &txtRefNo};
    for (int i = 0; i < 4; ++i) {
        *boxes[i] = new QLineEdit(this);
        (*boxes[i])->setReadOnly(true);
        grid->addWidget(new QLabel(QString::fromLatin1(labels[i]), this), i / 2, (i % 2) * 2);
        grid->addWidget(*boxes[i], i / 2, (i % 2) * 2 + 1);
    }
    lblPackage = new QLabel(this);
    QFont bold = lblPackage->font();
    bold.setBold(true);
    lblPackage->setFont(bold);
    grid->addWidget(lblPackage, 2, 0, 1, 4);
    mshflexPackageItems = new FlexGrid(this);
    mshflexPackageItems->setObjectName(QStringLiteral("mshflexPackageItems"));
    mshflexPackageItems->setMinimumSize(TwipsToPixels(8300), TwipsToPixels(3000));
    grid->addWidget(mshflexPackageItems, 3, 0, 1, 4);
    auto* bottom = new QHBoxLayout;
    AddItemMarkLegend(bottom, this, QStringLiteral("For Return"), QStringLiteral("Not for Return"));
    bottom->addStretch(1);
    bottom->addWidget(new QLabel(QStringLiteral("Total Amount:"), this));
    lblAmountReturned = new QLabel(QStringLiteral("0.00"), this);
    lblAmountReturned->setObjectName(QStringLiteral("lblAmountReturned"));
    bottom->addWidget(lblAmountReturned);
    cmdOption[1] = new QPushButton(QStringLiteral("Save"), this);
    cmdOption[0] = new QPushButton(QStringLiteral("Exit"), this);
    for (int i : {1, 0}) {
        cmdOption[i]->setAutoDefault(false);
        bottom->addWidget(cmdOption[i]);
        connect(cmdOption[i], &QPushButton::clicked, this, [this, i] { cmdOption_Click(i); });
    }
    grid->addLayout(bottom, 4, 0, 1, 4);
    connect(mshflexPackageItems, &QTableWidget::cellClicked, this, [this](int row, int col) { mshflexPackageItems_Click(row, col); });
}

void frmPackageReturnedItems::ShowModal()
{
    if (!Form_Load()) {
        close();
        return;
    }
    runModal(this);
}

bool frmPackageReturnedItems::Form_Load()
{
    txtPName->setText(PxName);
    txtHosp->setText(HospNo);
    txtAdmNum->setText(AdmNo);
    txtRefNo->setText(RefNo);
    lblPackage->setText(PackageName);
    FlexGrid* g = mshflexPackageItems;
    g->clear();
    g->setCols(9);
    g->setRows(2);
    g->setFixedRows(1);
    g->setFixedCols(1);
    const int widths[] = {0, 350, 1000, 800, 3500, 500, 1000, 1000, 0};
    const char* headings[] = {"", "", "Revenue", "Code", "Description", "Qty", "Unit Price", "Amount", ""};
    for (int c = 0; c < 9; ++c) {
        g->setColWidth(c, widths[c]);
        g->setTextMatrix(0, c, QString::fromLatin1(headings[c]));
    }
    try {
        Connection& c = SharedConnection();
        m_items = ReadReturnedItems(c, txtAdmNum->text(), txtRefNo->text(), PackageCode, ReturnedItemsPatientType(c, txtAdmNum->text()));
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return false;
    }
    g->setEnabled(!m_items.isEmpty());
    if (!m_items.isEmpty()) g->setRows(int(m_items.size()) + 1);
    for (int r = 1; r <= m_items.size(); ++r) showRow(r);
    ComputeReturnedTotal();
    return true;
}

void frmPackageReturnedItems::showRow(int row)
{
    const ReturnedItem& item = m_items[row - 1];
    FlexGrid* g = mshflexPackageItems;
    const QString values[] = {item.mark, item.revenue, item.code, item.description, item.quantity,
                              Fmt::amount(Fmt::val(QString(item.unitPrice).remove(QLatin1Char(',')))),
                              Fmt::amount(Fmt::val(QString(item.amount).remove(QLatin1Char(',')))), item.forReturn};
    for (int c = 1; c <= 8; ++c) g->setTextMatrix(row, c, values[c - 1]);
    g->setRowHeight(row, TwipsToPixels(300));
    const bool forReturn = item.forReturn.trimmed() != QLatin1String("0");
    GridCell(*g, row, 1)->setIcon(forReturn ? IncludedItemMark() : ExcludedItemMark());
    GridCell(*g, row, 5)->setTextAlignment(Qt::AlignCenter);
    const QColor colour = forReturn ? QColor(255, 0, 0) : palette().color(QPalette::WindowText);
    for (int c = 1; c <= 8; ++c) GridCell(*g, row, c)->setForeground(colour);
}

void frmPackageReturnedItems::mshflexPackageItems_Click(int row, int col)
{
    if (col != 1 || row < 1 || row > m_items.size()) return;
    ReturnedItem& item = m_items[row - 1];
    item.forReturn = item.forReturn.trimmed() != QLatin1String("0") ? QStringLiteral("0") : QStringLiteral("1");
    showRow(row);
    ComputeReturnedTotal();
}

void frmPackageReturnedItems::ComputeReturnedTotal() { lblAmountReturned->setText(Fmt::amount(ReturnedTotal(m_items))); }

void frmPackageReturnedItems::cmdOption_Click(int index)
{
    if (index == 0) {
        close();
        return;
    }
    SaveReturnedPackageItems();
}

void frmPackageReturnedItems::SaveReturnedPackageItems()
{
    const std::optional<ValidatedUser> validated = ValidateUser();
    if (!validated) return;
    const QString user = validated->userID;
    try {
        SaveReturnedItems(SharedConnection(), AdmNo, RefNo, user, m_items);
    } catch (const std::exception& e) {
        ShowErrorNotice(e); // rolled back: what was recorded stays, the marks stay on screen
        return;
    }
    MsgBox(QStringLiteral("Successfully updated returned items."), vbInformation, QStringLiteral("Notification"));
    close();
}
