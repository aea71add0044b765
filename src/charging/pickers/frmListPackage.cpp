#include "charging/pickers/frmListPackage.h"

#include "charging/GridMarks.h"

#include "exam_requests/SamplePicker.h"
#include "platform/db/Connection.h"
#include "platform/text/Twips.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/inventory/InventoryLookups.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidgetItem>
#include <QToolButton>

namespace {

const QString kPickerNotice = QStringLiteral("Notification");
const QColor kPickerChosenRed(255, 0, 0);

QString noStockText(const PickerItem& item)
{
    return QStringLiteral("There is no stock left for ") + item.description + QStringLiteral(". The item will not be included in the request.");
}

} // namespace

frmListPackage::frmListPackage()
{
    setWindowTitle(QStringLiteral("CATH LAB PACKAGE"));
    setModal(true);
    auto* grid = new QGridLayout(this);
    lblPSI = new QLabel(QStringLiteral("CATH LAB PACKAGE"), this);
    QFont heading = lblPSI->font();
    heading.setBold(true);
    heading.setPointSize(heading.pointSize() + 2);
    lblPSI->setFont(heading);
    imgLegend = new QToolButton(this);
    imgLegend->setText(QStringLiteral("X"));
    imgLegend->setToolTip(QStringLiteral("Close"));
    imgLegend->setAutoRaise(true);
    grid->addWidget(lblPSI, 0, 0);
    grid->addWidget(imgLegend, 0, 1, Qt::AlignRight);

    lblInfo[0] = new QLabel(QStringLiteral("LIST OF PACKAGES"), this);
    lblInfo[1] = new QLabel(this);
    lblInfo[2] = new QLabel(this);
    lblInfo[1]->setObjectName(QStringLiteral("lblPackageDescription"));
    lblInfo[2]->setObjectName(QStringLiteral("lblPackageGross"));
    mshflexPackage = new FlexGrid(this);
    mshflexPackage->setObjectName(QStringLiteral("mshflexPackage"));
    mshflexPackage->setMinimumSize(TwipsToPixels(3300), TwipsToPixels(3500));
    mshflexPackage->setMaximumWidth(TwipsToPixels(3600));
    mshflexPackageItems = new FlexGrid(this);
    mshflexPackageItems->setObjectName(QStringLiteral("mshflexPackageItems"));
    mshflexPackageItems->setMinimumSize(TwipsToPixels(9000), TwipsToPixels(3500));
    auto* left = new QVBoxLayout;
    left->addWidget(lblInfo[0]);
    left->addWidget(mshflexPackage, 1);
    auto* guide = new QLabel(QStringLiteral("Guideline:"), this);
    auto* guideText = new QLabel(QStringLiteral("Click on the List of Packages to view the details."), this);
    guideText->setWordWrap(true);
    left->addWidget(guide);
    left->addWidget(guideText);
    auto* right = new QVBoxLayout;
    auto* header = new QHBoxLayout;
    header->addWidget(lblInfo[1], 1);
    header->addWidget(lblInfo[2]);
    right->addLayout(header);
    right->addWidget(mshflexPackageItems, 1);
    auto* legend = new QHBoxLayout;
    legend->addWidget(new QLabel(QStringLiteral("LEGEND:"), this));
    AddItemMarkLegend(legend, this, QStringLiteral("Selected Item"), QStringLiteral("Un-used Item"));
    legend->addStretch(1);
    cmdOption[1] = new QPushButton(QStringLiteral("Accept "), this);
    cmdOption[0] = new QPushButton(QStringLiteral("Exit"), this);
    for (int i : {1, 0}) {
        cmdOption[i]->setAutoDefault(false);
        legend->addWidget(cmdOption[i]);
        connect(cmdOption[i], &QPushButton::clicked, this, [this, i] { cmdOption_Click(i); });
    }
    right->addLayout(legend);
    grid->addLayout(left, 1, 0);
    grid->addLayout(right, 1, 1);
    grid->setColumnStretch(1, 1); // the items take the width; the package list keeps its own
    for (FlexGrid* list : {mshflexPackage, mshflexPackageItems}) list->setWordWrap(false);
    connect(imgLegend, &QToolButton::clicked, this, [this] { close(); });
    connect(mshflexPackage, &QTableWidget::cellClicked, this, [this](int row, int) { mshflexPackage_Click(row); });
    connect(mshflexPackageItems, &QTableWidget::cellClicked, this, [this](int row, int) { mshflexPackageItems_Click(row); });
}

void frmListPackage::ShowModal()
{
    if (!Form_Load()) return;
    runModal(this);
}

bool frmListPackage::Form_Load()
{
    lblInfo[1]->clear();
    lblInfo[2]->clear();
    m_packages.clear();
    m_items.clear();
    m_packageRow = 0;
    mshflexPackage->clear();
    mshflexPackage->setCols(4);
    mshflexPackage->setRows(2);
    mshflexPackage->setFixedRows(1);
    const int widths[] = {0, 500, 2500, 0};
    for (int c = 0; c < 4; ++c) mshflexPackage->setColWidth(c, widths[c]);
    mshflexPackage->setTextMatrix(0, 1, QStringLiteral("Code"));
    mshflexPackage->setTextMatrix(0, 2, QStringLiteral("Description"));
    mshflexPackageItems->clear();
    mshflexPackageItems->setRows(2);
    try {
        m_packages = ReadPickerPackages(SharedConnection());
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        close();
        return false;
    }
    if (!m_packages.isEmpty()) mshflexPackage->setRows(int(m_packages.size()) + 1);
    for (int i = 0; i < m_packages.size(); ++i) {
        mshflexPackage->setTextMatrix(i + 1, 1, m_packages[i].code);
        mshflexPackage->setTextMatrix(i + 1, 2, m_packages[i].description);
        mshflexPackage->setTextMatrix(i + 1, 3, m_packages[i].gross);
    }
    mshflexPackage->setEnabled(!m_packages.isEmpty());
    cmdOption[1]->setEnabled(false);
    return true;
}

void frmListPackage::mshflexPackage_Click(int row)
{
    if (row < 1 || row > m_packages.size()) return;
    lblInfo[1]->clear();
    lblInfo[2]->clear();
    cmdOption[1]->setEnabled(true);
    m_packageRow = row;
    LoadPackageItemList(m_packages[row - 1].code);
    lblInfo[1]->setText(m_packages[row - 1].description);
    lblInfo[2]->setText(QStringLiteral("Gross: ") + m_packages[row - 1].gross);
    const QColor plain = palette().color(QPalette::WindowText);
    for (int r = 0; r < mshflexPackage->Rows(); ++r)
        for (int c = 1; c < mshflexPackage->Cols(); ++c) {
            QTableWidgetItem* it = GridCell(*mshflexPackage, r, c);
            it->setForeground(r == row ? kPickerChosenRed : plain);
            QFont f = it->font();
            f.setBold(r == row);
            it->setFont(f);
        }
    mshflexPackage->setCurrentCell(row, 1);
}

void frmListPackage::LoadPackageItemList(const QString& packageCode)
{
    const clsParameters& p = StationParameters();
    FlexGrid* g = mshflexPackageItems;
    g->clear();
    g->setCols(12);
    g->setRows(2);
    g->setFixedRows(1);
    const int widths[] = {0, p.NoPackageItemExclude() ? 0 : 350, 600, 800, 3500, 400, p.HidePackageItemPrice() ? 0 : 800, 0, 0, 1000, 0, 1000};
    const char* headings[] = {"", "", "Code", "Revenue", "Description", "Qty", "Amt", "Location", "", "Specimen", "", "Dosage ID"};
    for (int c = 0; c < 12; ++c) {
        g->setColWidth(c, widths[c]);
        g->setTextMatrix(0, c, QString::fromLatin1(headings[c]));
    }
    m_items.clear();
    bool incomplete = false;
    try {
        Connection& c = SharedConnection();
        m_items = ReadPickerItems(c, packageCode, PricePatientClass);
        g->setEnabled(!m_items.isEmpty());
        cmdOption[1]->setEnabled(!m_items.isEmpty());
        if (!m_items.isEmpty()) g->setRows(int(m_items.size()) + 1);
        for (int i = 0; i < m_items.size(); ++i) {
            PickerItem& item = m_items[i];
            if (Session.HospitalInfo.AllowZeroOnHand && IsOutOfStock(c, item)) {
                MsgBox(noStockText(item), vbCritical, kPickerNotice);
                item.state = QStringLiteral("2");
                if (p.DontAllowINCPackage()) incomplete = true;
            }
            if (Session.HospitalInfo.IsAllowOPDShowLabSpecimen && item.revenue == QLatin1String("LB")) {
                frmSpecimenEntry* specimens = frmSpecimenEntry::instance();
                specimens->ItemID = item.code;
                specimens->LoadData();
                if (specimens->Morethan1()) runModal(specimens);
                item.specimen = DialogAnswers.PickedSpecimenID;
                item.labSection = OrErrorNotice(QString(), [&] { return GetLabSectionID(c, item.code); });
            }
            showItemRow(i + 1);
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    if (p.DontAllowINCPackage()) cmdOption[1]->setEnabled(!incomplete);
}

void frmListPackage::showItemRow(int row)
{
    const PickerItem& item = m_items[row - 1];
    const QString values[] = {item.marker, item.code, item.revenue, item.description, item.quantity, item.amount,
                              item.location, item.state, item.specimen, item.labSection, item.dosage};
    FlexGrid* g = mshflexPackageItems;
    for (int c = 1; c <= 11; ++c) g->setTextMatrix(row, c, values[c - 1]);
    g->setRowHeight(row, TwipsToPixels(280));
    QTableWidgetItem* mark = GridCell(*g, row, 1);
    const QString state = item.state.trimmed();
    mark->setIcon(state == QLatin1String("1") ? IncludedItemMark() : state == QLatin1String("2") ? ExcludedItemMark() : QIcon());
}

void frmListPackage::paintItemRow(int row)
{
    const bool included = m_items[row - 1].state.trimmed() == QLatin1String("1");
    const QColor colour = included ? palette().color(QPalette::WindowText) : kPickerChosenRed;
    for (int c = 1; c < mshflexPackageItems->Cols(); ++c) GridCell(*mshflexPackageItems, row, c)->setForeground(colour);
}

void frmListPackage::mshflexPackageItems_Click(int row)
{
    if (StationParameters().NoPackageItemExclude()) return;
    if (row < 1 || row > m_items.size()) return;
    PickerItem& item = m_items[row - 1];
    // an item with nothing on hand is set included here, so that the toggle below leaves it out
    if (Session.HospitalInfo.AllowZeroOnHand && IsOutOfStock(SharedConnection(), item)) {
        MsgBox(noStockText(item), vbCritical, kPickerNotice);
        item.state = QStringLiteral("1");
    }
    item.state = item.state.trimmed() == QLatin1String("1") ? QStringLiteral("2") : QStringLiteral("1");
    showItemRow(row);
    paintItemRow(row);
    mshflexPackageItems->setCurrentCell(row, 1);
}

void frmListPackage::cmdOption_Click(int index)
{
    if (index == 0) {
        close();
        return;
    }
    if (!SourceGrid || m_packageRow < 1) return;
    const PickerPackage& package = m_packages[m_packageRow - 1];
    const PickerRefusal refusal = CheckPackageAccept(m_items, *SourceGrid, package.code, StationParameters().DontMixPackages());
    if (!refusal.text.isEmpty()) {
        MsgBox(refusal.text, refusal.icon, kPickerNotice);
        return;
    }
    CopyPackageItems(*SourceGrid, m_items, package);
    close();
}
