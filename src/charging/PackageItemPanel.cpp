#include "charging/PackageItemPanel.h"

#include "charging/ChargePackageItems.h"
#include "charging/ChargePricing.h"
#include "charging/ChargeSave.h"
#include "charging/StockItemEntry.h"
#include "charging/frmCharge.h"
#include "components/Drugs.h"
#include "shared/orders/ExamPricing.h"
#include "platform/db/Connection.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const QString kNotice = QStringLiteral("Notification");

// What tells the two panels apart.
struct PanelNames {
    const char *panel, *title, *hintLabel, *hint, *grid, *box, *close, *del;
    const char *suffix, *refusal;
};

const PanelNames& namesOf(PanelKind kind)
{
    static const PanelNames consigned{"pctConsigned", "lblConsignedPackage", "Label3", "Enter items used under the package.",
                                      "mshConsignedItems", "txtConsigned", "cmdCloseConsigned", "cmdDeleteConsigned",
                                      " - CONSIGNED ITEMS", "Sorry, you may only enter consigned items."};
    static const PanelNames included{"pctEquipment", "lblEquipment", "Label5",
                                     "Enter additional items included in using the equipment.", "mshEquipment", "txtEquipment",
                                     "cmdOKEquipment", "cmdDeleteEquipment", " - INCLUDED ITEMS", "Sorry, you may only enter NHI items."};
    return kind == PanelKind::Consigned ? consigned : included;
}
} // namespace

PackageItemPanel::PackageItemPanel(frmCharge& owner, PanelKind kind) : QFrame(&owner), m_owner(owner), m_kind(kind)
{
    const PanelNames& n = namesOf(kind);
    setObjectName(QString::fromLatin1(n.panel));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    lblTitle = new QLabel(QStringLiteral("Package Items"), this);
    lblTitle->setObjectName(QString::fromLatin1(n.title));
    QFont bold = lblTitle->font();
    bold.setBold(true);
    lblTitle->setFont(bold);
    layout->addWidget(lblTitle);
    auto* hint = new QLabel(QString::fromLatin1(n.hint), this);
    hint->setObjectName(QString::fromLatin1(n.hintLabel));
    layout->addWidget(hint);
    grid = new EntryGrid(this);
    grid->setObjectName(QString::fromLatin1(n.grid));
    grid->setCols(2); // as designed: not set up until the panel first opens
    box = grid->txtEntry;
    box->setObjectName(QString::fromLatin1(n.box));
    layout->addWidget(grid, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdDelete = new QPushButton(QStringLiteral("Delete"), this);
    cmdDelete->setObjectName(QString::fromLatin1(n.del));
    cmdClose = new QPushButton(QStringLiteral("OK"), this);
    cmdClose->setObjectName(QString::fromLatin1(n.close));
    for (QPushButton* b : {cmdDelete, cmdClose}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] {
        grid->HideBox();
        hide();
    });

    // The panel's own tables: the box skips the number, description, unit price and amount
    // columns, whatever the entry grid's row skips.
    EntryGrid& g = *grid;
    frmCharge::SetColumnTables(g);
    g.ExemptColumnTable = QVector<int>(8, 0);
    g.ExemptColumnTable[1] = Description;
    g.ExemptColumnTable[2] = Amount;
    g.ExemptColumnTable[3] = UnitPrice;
    g.completeRule = [this](int row) { return CompleteRow(row); };
    // a department before the item code, an item before the quantity
    g.openRule = [this](int col, int row) {
        if (col > Dept && cell(row, Dept).trimmed().isEmpty()) return false;
        return !(col > Description && cell(row, Description).trimmed().isEmpty());
    };
    g.rowAdded = [this](int row) { setCell(row, 0, QStringLiteral(" %1").arg(row)); };
    g.keyDown = KeyHandlerWithNotice([this](int key) { return EnterItem(key); });
    g.f3 = {};
    resize(660, 260);
    hide();
}

QString PackageItemPanel::cell(int row, int col) const { return grid->TextMatrix(row, col); }
void PackageItemPanel::setCell(int row, int col, const QString& text) { grid->setTextMatrix(row, col, text); }

bool PackageItemPanel::IsSetUp() const { return grid->Cols() > 2; }

bool PackageItemPanel::HasItems() const
{
    if (!IsSetUp()) return false;
    for (int r = 1; r < grid->Rows(); ++r)
        if (!cell(r, ItemCode).trimmed().isEmpty()) return true;
    return false;
}

void PackageItemPanel::Open(const QString& packageDescription)
{
    lblTitle->setText(packageDescription + QString::fromLatin1(namesOf(m_kind).suffix));
    if (!IsSetUp()) Setup();
    // over the entry grid below its first rows, inside the window
    const QWidget* anchor = m_owner.mshflexEntry;
    const QPoint at = anchor->mapTo(&m_owner, QPoint(40, 70));
    move(qMax(0, qMin(at.x(), m_owner.width() - width())), qMax(0, qMin(at.y(), m_owner.height() - height())));
    raise();
    show();
    if (box->isVisible()) box->setFocus();
}

void PackageItemPanel::Setup()
{
    EntryGrid& g = *grid;
    g.HideBox();
    g.setUpdatesEnabled(false);
    g.setRows(1);
    g.setFormatString(QStringLiteral("<# |<Dept.Code|<Item Code|< Item   Description    |<Quantity |<Unit Price|<Amount "));
    g.setCols(ColumnCount);
    g.setRows(2);
    for (int c = 1; c < ColumnCount; ++c) setCell(1, c, QString());
    setCell(1, 0, QStringLiteral(" 1"));
    g.setColWidth(Qty, 1000);
    g.setColWidth(0, g.ColWidth(Description) / 3 + 50);
    const int number = qMax(g.ColWidth(0), 450);
    g.setColWidth(0, number);
    // wide enough for the department's and item code's headings
    g.setColWidth(Dept, qMax(2 * number - 300, 1000));
    g.setColWidth(ItemCode, qMax(2 * number - 300, 1100));
    g.setColWidth(Description, 4 * g.ColWidth(Qty));
    const bool showAmount = Session.HospitalInfo.IsShowAmount;
    g.setColWidth(UnitPrice, showAmount ? 1000 : 0);
    g.setColWidth(Amount, showAmount ? 1000 : 0);
    g.setColWidth(Location, 0);
    g.setColWidth(8, 0);
    g.setUpdatesEnabled(true);
    g.MoveTo(1, Dept);
}

bool PackageItemPanel::CompleteRow(int row) const
{
    if (row < 1 || row >= grid->Rows() || !IsSetUp()) return false;
    return !cell(row, Dept).trimmed().isEmpty() && !cell(row, ItemCode).trimmed().isEmpty() && !cell(row, Qty).trimmed().isEmpty();
}

bool PackageItemPanel::CheckCode(const QString& code) const
{
    const int current = grid->Row();
    for (int r = 1; r <= grid->Rows() - 2; ++r)
        if (r != current && cell(r, Dept).trimmed() == cell(current, Dept).trimmed() && cell(r, ItemCode).trimmed() == code.trimmed())
            return true;
    return false;
}

QList<PanelItemLine> PackageItemPanel::Lines() const
{
    QList<PanelItemLine> lines;
    for (int r = 1; r < grid->Rows(); ++r) {
        if (!CompleteRow(r)) continue;
        PanelItemLine l;
        l.dept = cell(r, Dept);
        l.item = cell(r, ItemCode);
        l.description = cell(r, Description);
        l.quantity = LeadingNumber(cell(r, Qty));
        l.amount = LeadingNumber(cell(r, Amount));
        l.location = cell(r, Location);
        lines << l;
    }
    return lines;
}

bool PackageItemPanel::acceptsDepartment(const QString& dept) const
{
    const clsParameters& p = StationParameters();
    if (m_kind == PanelKind::Consigned)
        return IsStationDepartment(dept, p.CLConsignedMedicinesRev()) || IsStationDepartment(dept, p.CLConsignedSuppliesRev());
    return IsStationDepartment(dept, p.CLNHIMedicinesRev()) || IsStationDepartment(dept, p.CLNHISuppliesRev());
}

bool PackageItemPanel::EnterItem(int key)
{
    const int row = grid->Row();
    if (row < 1) return true;
    switch (key) {
    case Qt::Key_Up:
        moveVertically(-1);
        return true;
    case Qt::Key_Down:
        moveVertically(1);
        return true;
    case Qt::Key_Left:
        box->cursorBackward(false);
        return true;
    case Qt::Key_Right:
        box->cursorForward(false);
        return true;
    case Qt::Key_Home:
        box->home(false);
        return true;
    case Qt::Key_End:
        box->end(false);
        return true;
    case Qt::Key_Return:
        break;
    default:
        return true;
    }
    const int col = grid->Col();
    bool taken = true;
    if (col == Dept) taken = enterDepartment(row);
    else if (col == ItemCode) taken = enterItem(row);
    else if (col == Qty) taken = enterQuantity(row);
    if (taken) completionStep(row, col);
    return true;
}

bool PackageItemPanel::enterDepartment(int row)
{
    const QString old = cell(row, Dept), typed = box->text();
    setCell(row, Dept, typed);
    if (!m_owner.CheckDepartment(typed.trimmed())) {
        MsgBox(QStringLiteral("Department code does not exist! Please refer to the list of department codes."), vbInformation,
               QStringLiteral("Notification!"));
        setCell(row, Dept, old);
        return false;
    }
    if (!old.isEmpty() && old != typed && !cell(row, Description).trimmed().isEmpty()) {
        if (MsgBox(QStringLiteral("This will remove ") + cell(row, Description) + QStringLiteral(".\r\n\r\nAre you sure you want to continue?"),
                   vbYesNo | vbQuestion, QStringLiteral("Confirmation"))
            != vbYes) {
            setCell(row, Dept, old);
            grid->HideBox();
            return false;
        }
        grid->ClearRow(row, ItemCode, grid->Cols() - 1);
    }
    return true;
}

bool PackageItemPanel::enterItem(int row)
{
    const QString dept = cell(row, Dept).trimmed();
    if (!m_owner.CheckDepartment(dept)) {
        MsgBox(QStringLiteral("Invalid department code."), vbInformation, kNotice);
        return false;
    }
    if (!acceptsDepartment(dept)) {
        MsgBox(QString::fromLatin1(namesOf(m_kind).refusal), vbInformation, kNotice);
        return false;
    }
    Connection& c = SharedConnection();
    const std::optional<QString> stockLocation = StockLocationOrNotice(c, dept);
    if (!stockLocation) {
        MsgBox(QStringLiteral("Sorry, you may only enter supplies and medicines."), vbInformation, kNotice);
        return false;
    }
    const QString location = *stockLocation;
    clsDrug* catalog = Session.DrugCatalog;
    if (!catalog) return false;
    if (LeadingNumber(box->text()) <= 0) {
        const QString chosen = Session.DrugListCSR ? Session.DrugListCSR->ShowList(box->text(), false, location) : QString();
        box->setText(chosen);
        if (chosen.isEmpty()) return false;
    }
    if (!catalog->SearchDrug(box->text(), location)) {
        MsgBox(QStringLiteral("Code does not exist."), vbInformation, kNotice);
        return false;
    }
    const DrugItem item = catalog->Drug;
    if (item.Status) {
        MsgBox(QStringLiteral("Record is inactive. Please check build file of items."), vbExclamation, QStringLiteral("Message"));
        return false;
    }
    box->setText(item.DrugCode);
    if (CheckCode(item.DrugCode)) {
        MsgBox(QStringLiteral("You can't enter the same item."), vbInformation, kNotice);
        return false;
    }
    if (!ReplacementConfirmed(cell(row, ItemCode), cell(row, Description), item)) return false;
    const double price = StockSellingPrice(item, m_owner.PricePatientClass); // the window's own price class
    setCell(row, ItemCode, item.DrugCode);
    setCell(row, Description, item.DrugName + QStringLiteral(" ") + item.Description);
    setCell(row, UnitPrice, AmountText(price));
    if (cell(row, Qty).isEmpty()) setCell(row, Qty, QStringLiteral("1"));
    setCell(row, Amount, AmountText(QuantityAmount(LeadingNumber(cell(row, Qty)), price)));
    setCell(row, Location, location);
    return true;
}

bool PackageItemPanel::enterQuantity(int row)
{
    const QString typed = box->text();
    const double quantity = LeadingNumber(typed);
    if (quantity <= 0) {
        MsgBox(QStringLiteral("Quantity should be greater than zero(0)!"), vbInformation, kNotice);
        return false;
    }
    setCell(row, Amount, AmountText(QuantityAmount(quantity, LeadingNumber(cell(row, UnitPrice)))));
    setCell(row, Qty, typed);
    return true;
}

void PackageItemPanel::completionStep(int row, int col)
{
    EntryGrid& g = *grid;
    if (CompleteRow(row)) {
        g.AddRow(row);
        m_owner.fraStat->setEnabled(true);
        m_owner.optStat_Click(m_owner.optStat[0]->isChecked() ? 0 : 1);
    }
    if (col == Qty) {
        g.MoveTo(row < g.Rows() - 1 ? row + 1 : row, Dept);
        return;
    }
    int next = col;
    for (int c = col + 1; c <= Amount; ++c)
        if (!g.ExcemptCol(c)) {
            next = c;
            break;
        }
    g.MoveTo(row, next);
}

void PackageItemPanel::moveVertically(int step)
{
    const int row = grid->Row(), col = grid->Col(), target = row + step;
    if (target < 1 || target > grid->Rows() - 1) return;
    if (col > Dept && cell(target, Dept).trimmed().isEmpty()) return;
    if (col > Description && cell(target, Description).trimmed().isEmpty()) return;
    grid->MoveTo(target, col);
}

void PackageItemPanel::cmdDelete_Click()
{
    EntryGrid& g = *grid;
    const int row = g.Row();
    if (!IsSetUp() || row < 1 || row >= g.Rows()) return;
    if (g.Rows() == 2) {
        g.HideBox();
        g.ClearRow(row, 1, g.Cols() - 1);
    } else {
        g.RemoveItem(row);
    }
    g.HideBox();
    for (int r = 1; r < g.Rows(); ++r) setCell(r, 0, QString::number(r));
}
