#include "charging/frmCharge.h"

#include "shared/PatientHeaderFrame.h"

#include "charging/ChargeEntryRow.h"
#include "charging/ChargePackageItems.h"
#include "charging/ChargePricing.h"
#include "charging/PackageItemPanel.h"
#include "charging/StockItemEntry.h"
#include "components/Drugs.h"
#include "components/StationComponents.h"
#include "shared/orders/ExamPricing.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/EntryWindowParts.h"
#include "shared/clsRevenueCode.h"
#include "shared/inventory/InventoryLookups.h"
#include "shared/lookups/AccountChecks.h"
#include "shared/lookups/PatientLookups.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/MainWindowLinks.h"
#include "shared/orders/RequestChecks.h"
#include "shared/packages/PackageLookups.h"
#include "shared/search/frmSearchCodes.h"
#include "shared/text/TypedNumbers.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace ChargeEntryRow;

namespace {
const QString kChargeNotice = QStringLiteral("Notification");
const QString kChargeConfirm = QStringLiteral("Confirmation");
const QString kDeptPrompt = QStringLiteral("Enter Department Code.");

QString grossText(double total) { return QLocale(QLocale::English).toString(total, 'f', 2); }

// A department code given by a station parameter; an empty parameter never matches (an empty
// department included).
bool isChargeParameterCode(const QString& department, const QString& parameter)
{
    return !parameter.trimmed().isEmpty() && department.trimmed() == parameter.trimmed();
}
} // namespace

frmCharge::frmCharge()
{
    setObjectName(QStringLiteral("frmCharge"));
    setWindowTitle(QStringLiteral("CHARGING ENTRY"));
    auto* outer = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    outer->addLayout(left, 1);

    // The patient header.
    auto* frame3 = new QGroupBox(this);
    auto* header = new QGridLayout(frame3);
    AddPatientHeaderBoxes(header, frame3, {{&txtPatient, "txtPatient", "Patient Name"},       {&txtDoctor1, "txtDoctor1", "Admitting Dr.:"},
                                           {&txtDoctor2, "txtDoctor2", "Attending Dr.:"},     {&txtDoctor3, "txtDoctor3", "Attending Dr.:"},
                                           {&txtID, "txtID", "Admission #"},                   {&txtPno, "txtPno", "Hospita l#"},
                                           {&txtDateAdmitted, "txtDateAdmitted", "ADM. Date"}, {&txtDateDischarged, "txtDateDischarged", "DCR. Date"},
                                           {&txtDob, "txtDob", "Birthdate"},                   {&txtRoom, "txtRoom", "Room #"},
                                           {&txtAge, "txtAge", "Age"},                         {&txtSex, "txtSex", "Sex"},
                                           {&txtBloodType, "txtBloodType", "B.T."},            {&txtStatus, "txtStatus", "Status"},
                                           {&txtAdiet, "txtAdiet", "Diet"},                    {&txtDiagnosis, "txtDiagnosis", "Diag."}});
    lblDeptCode = new QLabel(frame3);
    lblDeptCode->setObjectName(QStringLiteral("lblDeptCode"));
    header->addWidget(lblDeptCode, 4, 0);
    left->addWidget(frame3);

    // The entry area with its buttons, rate options and total.
    auto* middle = new QHBoxLayout;
    fraCharges = new QGroupBox(this);
    auto* chargesLayout = new QVBoxLayout(fraCharges);
    lblPackageName = new QLabel(fraCharges);
    lblPackageName->setObjectName(QStringLiteral("lblPackageName"));
    lblPackageName->hide();
    chargesLayout->addWidget(lblPackageName);
    mshflexEntry = new EntryGrid(fraCharges);
    mshflexEntry->setObjectName(QStringLiteral("mshflexEntry"));
    txtEntry = mshflexEntry->txtEntry;
    chargesLayout->addWidget(mshflexEntry);
    middle->addWidget(fraCharges, 1);

    auto* side = new QVBoxLayout;
    side->setSpacing(4); // the window fits a 1440 by 900 screen with its bottom buttons
    const struct {
        int index;
        const char* caption;
    } buttons[] = {{5, "&Ignore All"}, {4, "&Delete"}, {0, "&Save"}, {1, "&View Packages"}};
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QString::fromLatin1(b.caption), this);
        button->setAutoDefault(false);
        Command1[b.index] = button;
        side->addWidget(button);
    }
    Command1[1]->hide();
    auto* Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* rates = new QVBoxLayout(Frame2);
    const char* options[] = {"Regular", "Over Time", "On-Call"};
    for (int o = 0; o < 3; ++o) {
        Option1[o] = new QRadioButton(QString::fromLatin1(options[o]), Frame2);
        rates->addWidget(Option1[o]);
        connect(Option1[o], &QRadioButton::clicked, this, [this, o] { Option1_Click(o); });
    }
    side->addWidget(Frame2);
    lblAmount = new QLabel(QStringLiteral("Total Amount"), this);
    txtGross = new QLineEdit(QStringLiteral("0.00"), this);
    txtGross->setObjectName(QStringLiteral("txtGross"));
    txtGross->setReadOnly(true);
    txtGross->setAlignment(Qt::AlignRight);
    side->addWidget(lblAmount);
    side->addWidget(txtGross);
    fraStat = new QGroupBox(QStringLiteral("Stat Patient"), this);
    auto* stat = new QHBoxLayout(fraStat);
    const char* statCaptions[] = {"YES", "NO"};
    for (int s = 0; s < 2; ++s) {
        optStat[s] = new QRadioButton(QString::fromLatin1(statCaptions[s]), fraStat);
        stat->addWidget(optStat[s]);
        connect(optStat[s], &QRadioButton::clicked, this, [this, s] { optStat_Click(s); });
    }
    side->addWidget(fraStat);
    fraMessage = new QGroupBox(QStringLiteral("Message"), this);
    lblMessage = new QLabel(fraMessage);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setWordWrap(true);
    lblMessage->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred); // the panel keeps its width whatever it says
    (new QVBoxLayout(fraMessage))->addWidget(lblMessage);
    side->addWidget(fraMessage);
    side->addStretch(1);
    middle->addLayout(side);
    left->addLayout(middle, 1);

    // The posted charges of the admission.
    fraList = new QGroupBox(QStringLiteral("List of Charges Entered"), this);
    MSHFlexList = new FlexGrid(fraList);
    MSHFlexList->setObjectName(QStringLiteral("MSHFlexList"));
    (new QVBoxLayout(fraList))->addWidget(MSHFlexList);
    left->addWidget(fraList);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    cmdRefresh = new QPushButton(QStringLiteral("&Refresh"), this);
    cmdReturned = new QPushButton(QStringLiteral("Package Returned Items"), this);
    cmdReturned->setObjectName(QStringLiteral("cmdReturned"));
    cmdReturned->hide();
    connect(cmdReturned, &QPushButton::clicked, this, [this] { cmdReturned_Click(); });
    cmdOption[0] = new QPushButton(QStringLiteral("Re&print"), this);
    cmdOption[0]->setEnabled(false);
    cmdOption[1] = new QPushButton(QStringLiteral("Revoke"), this);
    Command1[2] = new QPushButton(QStringLiteral("E&xit"), this);
    for (QPushButton* b : {cmdReturned, cmdRefresh, cmdOption[0], cmdOption[1], Command1[2]}) {
        b->setAutoDefault(false);
        bottom->addWidget(b);
    }
    left->addLayout(bottom);
    for (auto& [index, button] : Command1)
        connect(button, &QPushButton::clicked, this, [this, index = index] { Command1_Click(index); });
    SetupPostedList();
    mshflexPackageItems = new FlexGrid(this);
    mshflexPackageItems->hide();

    auto* Frame1 = new QGroupBox(QStringLiteral("Department Codes"), this);
    lvwDepartments = new QTreeWidget(Frame1);
    lvwDepartments->setObjectName(QStringLiteral("lvwDepartments"));
    lvwDepartments->setHeaderLabels({QStringLiteral("Code"), QStringLiteral("Department")});
    lvwDepartments->setRootIsDecorated(false);
    (new QVBoxLayout(Frame1))->addWidget(lvwDepartments);
    Frame1->setMinimumWidth(300);
    outer->addWidget(Frame1);

    // The grid's tables and hooks.
    EntryGrid& g = *mshflexEntry;
    frmCharge::SetColumnTables(g);
    g.setColumnPrompt(Dept, kDeptPrompt);
    g.setColumnPrompt(ItemCode, QStringLiteral("Enter the Service Code or First letters of Service Name then Press the <Enter> Key"));
    g.setColumnPrompt(Qty, QStringLiteral("Enter quantity to charge."));
    g.setColumnPrompt(UnitPrice, QStringLiteral("Enter unit price."));
    g.setPromptLabel(lblMessage, EntryGrid::PromptMode::OnPlaceKeepOthers);
    g.AddRowBelowColumn = 8;
    g.completeRule = [this](int row) { return CompleteRow(row); };
    g.enteringCell = [this](int row, int col) { setRowExemptions(row, col); };
    g.openRule = [this](int col, int row) { return boxMayOpen(col, row); };
    g.rowAdded = [this](int row) { setCell(row, Number, QStringLiteral(" %1").arg(row)); };
    g.keyDown = KeyHandlerWithNotice([this](int key) { return EnterChargeItem(key); });
    g.f3 = [this] {
        if (mshflexEntry->Row() >= 1) DeleteRow(mshflexEntry->Row());
    };
    g.WatchWindowKeys(this);
    g.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&g, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        mshflexEntry_MouseDown(mshflexEntry->viewport()->mapToGlobal(at));
    });
    // The panels float over the window and keep their own keys (made after the window's key watch).
    pctConsigned = new PackageItemPanel(*this, PanelKind::Consigned);
    pctEquipment = new PackageItemPanel(*this, PanelKind::Included);
    mshConsignedItems = pctConsigned->grid;
    txtConsigned = pctConsigned->box;
    mshEquipment = pctEquipment->grid;
    txtEquipment = pctEquipment->box;
    buildMarkupPanel();
    resize(1100, 600);
    Form_Load();
}

frmCharge::~frmCharge() { delete m_revenue; }

void frmCharge::SetColumnTables(EntryGrid& g)
{
    g.setColumnMaxLength(Dept, 2);
    g.setColumnMaxLength(ItemCode, 8);
    g.setColumnMaxLength(Description, 35);
    g.setColumnKeys(Qty, EntryGrid::Keys::Numeric);
    g.setColumnKeys(UnitPrice, EntryGrid::Keys::Numeric);
    g.NumericChars = QStringLiteral("0123456789.");
    BoundEntryNumbers(g, Qty, UnitPrice, Amount);
}

void frmCharge::Form_Load()
{
    SetupEntryGrid();
    const bool oldPackages = StationParameters().EnableOldPackageCharging();
    Command1[1]->setVisible(oldPackages);
    findChild<QGroupBox*>(QStringLiteral("Frame2"))->setVisible(!oldPackages);
    txtGross->setVisible(!oldPackages);
    lblAmount->setVisible(!oldPackages);
}

void frmCharge::Form_Activate()
{
    const QString id = txtID->text().trimmed();
    PricePatientClass = QStringLiteral("I");
    try {
        if (id.endsWith(QLatin1Char('B')) && GetOPDRateType(SharedConnection(), id).trimmed() == QLatin1String("A"))
            PricePatientClass = QStringLiteral("O");
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    ReloadPostedList(true);
}

void frmCharge::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Form_Activate();
    mshflexEntry->EnterCell();
}

bool frmCharge::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && isVisible()) Form_Activate();
    return QWidget::event(e);
}


QString frmCharge::cell(int row, int col) const { return mshflexEntry->TextMatrix(row, col); }
void frmCharge::setCell(int row, int col, const QString& text) { mshflexEntry->setTextMatrix(row, col, text); }
QString frmCharge::dept(int row) const { return cell(row, Dept).trimmed(); }

void frmCharge::SetupEntryGrid()
{
    EntryGrid& g = *mshflexEntry;
    lblPackageName->clear();
    lblPackageName->hide();
    g.HideBox();
    g.setUpdatesEnabled(false);
    g.setRows(1);
    g.setRows(2);
    g.setFormatString(QStringLiteral(
        "<# |<Dept.Code|<Item Code|< Item   Description    |<Quantity |<Unit Price|<Amount ||||||||||||<Dosage ID"));
    g.setCols(ColumnCount);
    for (int c = 1; c < ColumnCount; ++c) setCell(1, c, QString());
    setCell(1, Number, QStringLiteral(" 1"));
    const bool showAmount = Session.HospitalInfo.IsShowAmount;
    const bool dosage = StationParameters().ShowDosagePostMedicines();
    g.setColWidth(Qty, 1000);
    g.setColWidth(Number, 450);
    // wide enough for the department's 2 and the item code's 8 characters with their headings
    g.setColWidth(Dept, 1000);
    g.setColWidth(ItemCode, 1100);
    g.setColWidth(Description, dosage ? 3000 : 4000);
    g.setColWidth(UnitPrice, showAmount ? 1000 : 0);
    g.setColWidth(Amount, showAmount ? 1000 : 0);
    for (int c = Location; c <= BasePrice; ++c) g.setColWidth(c, 0);
    for (int c = 11; c <= PackageQty; ++c) g.setColWidth(c, 0);
    g.setColWidth(DosageID, dosage ? 1000 : 0);
    g.setColWidth(19, 0);
    g.setColWidth(FixRate, 0);
    g.setUpdatesEnabled(true);
    Option1[0]->setChecked(true);
    txtGross->setText(QStringLiteral("0.00"));
    lblAmount->setText(QStringLiteral("Total Amount"));
    lblMessage->setText(kDeptPrompt);
    g.MoveTo(1, Dept);
}

// The columns the box skips belong to the row being entered: description and amount always; the
// unit price on package rows and rows whose price is fixed; the item code on a package adjustment.
void frmCharge::setRowExemptions(int row, int col)
{
    QVector<int>& t = mshflexEntry->ExemptColumnTable;
    t = QVector<int>(8, 0);
    t[1] = Description;
    t[2] = Amount;
    if (row < 1 || row >= mshflexEntry->Rows()) return;
    const clsParameters& p = StationParameters();
    const QString d = dept(row);
    const bool package = !cell(row, PackageCode).trimmed().isEmpty();
    if (isChargeParameterCode(d, p.ConsignedPackagesRevenueID()) || cell(row, Dept) == QLatin1String("MD")) {
        t[3] = 0;
    } else if (package) {
        t[3] = UnitPrice;
    } else {
        t[3] = (cell(row, FixRate) == QLatin1String("N") || allowEditAmount(row)) ? 0 : int(UnitPrice);
    }
    if (isChargeParameterCode(d, p.CLPackageAdjustmentRev())) t[3] = ItemCode;
    if (col == Dept && package) t[4] = Dept;
}

// A department comes first and a description before the quantity (a package adjustment has none);
// while a package is on the grid only its rows open.
bool frmCharge::boxMayOpen(int col, int row) const
{
    const clsParameters& p = StationParameters();
    const bool package = !cell(row, PackageCode).trimmed().isEmpty();
    if (p.NoPackageItemExclude() && package) return false;
    if (p.DontMixPackages() && !cell(1, PackageCode).isEmpty()) return false;
    if (HasPackageRows() && !package) return false;
    if (cell(row, Dept).isEmpty() && col > Dept) return false;
    const int current = mshflexEntry->Row();
    const bool adjustment = current >= 1 && isChargeParameterCode(dept(current), p.CLPackageAdjustmentRev());
    if (cell(row, Description).isEmpty() && col > Description && !adjustment) return false;
    return true;
}

bool frmCharge::stockDepartment(const QString& department) const
{
    return StockLocationOrNotice(SharedConnection(), department).has_value();
}

bool frmCharge::CompleteRow(int row) const
{
    if (row < 1 || row >= mshflexEntry->Rows()) return false;
    const bool isAdjustment = isChargeParameterCode(dept(row), StationParameters().CLPackageAdjustmentRev());
    if (cell(row, Dept).isEmpty() || cell(row, Qty).isEmpty()) return false;
    if (cell(row, ItemCode).isEmpty() && !isAdjustment) return false;
    if (!(LeadingNumber(cell(row, UnitPrice)) > 0 || isAdjustment || stockDepartment(cell(row, Dept)))) return false;
    return LeadingNumber(cell(row, Amount)) > 0 || stockDepartment(cell(row, Dept));
}

bool frmCharge::AddRow(int row) { return mshflexEntry->AddRow(row); }

void frmCharge::DeleteRow(int row)
{
    EntryGrid& g = *mshflexEntry;
    g.HideBox();
    if (row == 1)
        g.ClearRow(1, 1, g.Cols() - 1);
    else
        g.RemoveItem(row);
    const int last = g.Rows() - 1;
    g.MoveTo(last, Dept);
}

bool frmCharge::CheckDepartment(const QString& code) const { return DepartmentListed(lvwDepartments, code); }

bool frmCharge::Check_Code(const QString& code) const
{
    const int current = mshflexEntry->Row();
    for (int r = 1; r <= mshflexEntry->Rows() - 2; ++r)
        if (r != current && dept(r) == dept(current) && cell(r, ItemCode).trimmed() == code.trimmed()) return true;
    return false;
}

bool frmCharge::HasPackageRows() const
{
    for (int r = 1; r < mshflexEntry->Rows(); ++r)
        if (!cell(r, PackageCode).isEmpty()) return true;
    return false;
}

bool frmCharge::HasDuplicateItems() const
{
    QSet<QString> seen;
    for (int r = 1; r < mshflexEntry->Rows(); ++r) {
        const QString key = dept(r) + cell(r, ItemCode).trimmed() + cell(r, Description).trimmed();
        if (seen.contains(key)) return true;
        seen.insert(key);
    }
    return false;
}

bool frmCharge::IsEntryGridEmpty() const
{
    for (int r = 1; r < mshflexEntry->Rows(); ++r)
        for (int c = 1; c < mshflexEntry->Cols(); ++c)
            if (!cell(r, c).trimmed().isEmpty()) return false;
    mshflexEntry->HideBox();
    return true;
}

// ---- totals and re-pricing ----

double frmCharge::GridTotal() const
{
    double total = 0;
    QSet<QString> counted;
    for (int r = 1; r < mshflexEntry->Rows(); ++r) {
        const QString package = cell(r, PackageCode).trimmed();
        if (package.isEmpty()) {
            total += LeadingNumber(cell(r, Amount));
            continue;
        }
        // each package once, with its own package amount
        if (!counted.contains(package)) {
            counted.insert(package);
            total += LeadingNumber(cell(r, PackageAmount));
        }
        const double beyond = LeadingNumber(cell(r, Qty)) - LeadingNumber(cell(r, PackageQty));
        if (beyond > 0) total += beyond * LeadingNumber(cell(r, UnitPrice));
    }
    return total;
}

void frmCharge::ComputeTotals() { txtGross->setText(grossText(GridTotal())); }

QString frmCharge::RateOptionLetter() const
{
    if (Option1[1]->isChecked()) return QStringLiteral("B");
    if (Option1[2]->isChecked()) return QStringLiteral("C");
    return QStringLiteral("A");
}

void frmCharge::RepriceRows(const QString& option)
{
    const RateOption rate = option == QLatin1String("B") ? RateOption::OverTime
                            : option == QLatin1String("C") ? RateOption::OnCall
                                                            : RateOption::Regular;
    if (option != QLatin1String("A") && option != QLatin1String("B") && option != QLatin1String("C")) return;
    Connection& c = SharedConnection();
    const QString main = StationParameters().MainRevenueID();
    for (int r = 1; r < mshflexEntry->Rows(); ++r) {
        if (dept(r) == QLatin1String("MD") || cell(r, ItemCode).trimmed().isEmpty()) continue;
        const QString package = cell(r, PackageCode).trimmed();
        if (!package.isEmpty()) {
            // a consigned package keeps the amount it was loaded with (and its mark-up)
            if (!GetOtherLinkedPackageCode(c, package).isEmpty()) continue;
            const QVariant v = c.scalar(
                QStringLiteral("SELECT %1 FROM BUILD_FILE..TBCOOTHERREVENUE WHERE OtherSectionID = ? AND OtherRevenueID = ?")
                    .arg(rate == RateOption::Regular ? QStringLiteral("RateA")
                         : rate == RateOption::OverTime ? QStringLiteral("CathOverTimeRate")
                                                        : QStringLiteral("CathOnCallRate")),
                {main, package});
            setCell(r, PackageAmount, AmountText(v.isNull() ? 0.0 : DbValue::toDouble(v)));
            continue;
        }
        if (stockDepartment(dept(r))) continue; // stock items keep their selling price
        if (rate == RateOption::Regular)
            setCell(r, UnitPrice, cell(r, BasePrice));
        else
            setCell(r, UnitPrice, AmountText(ChargeOptionRate(c, rate, cell(r, ItemCode), cell(r, Dept))));
        recomputeAmount(r);
    }
    mshflexEntry->HideBox();
}

void frmCharge::Option1_Click(int index)
{
    static const char* letters[] = {"A", "B", "C"};
    try {
        RepriceRows(QString::fromLatin1(letters[index]));
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    ComputeTotals();
}

void frmCharge::optStat_Click(int)
{
    for (int r = 1; r < mshflexEntry->Rows(); ++r)
        if (CompleteRow(r) && LeadingNumber(cell(r, Amount)) <= 0)
            recomputeAmount(r);
}

void frmCharge::recomputeAmount(int row)
{
    setCell(row, Amount, AmountText(QuantityAmount(LeadingNumber(cell(row, Qty)), LeadingNumber(cell(row, UnitPrice)))));
}

// ---- keys ----

// This window's own flag, taken afresh for each row: with EditAmtMainRev, whether the row is a
// main-revenue row; else the station setting. The other entry windows keep reading the setting.
bool frmCharge::allowEditAmount(int row) const
{
    const clsParameters& p = StationParameters();
    return p.EditAmtMainRev() ? cell(row, Dept) == p.MainRevenueID() : Session.AllowEditAmount;
}

bool frmCharge::rowPriceEditable(int row) const
{
    return cell(row, FixRate) == QLatin1String("N")
           || (cell(row, PackageCode).trimmed().isEmpty() && allowEditAmount(row))
           || isChargeParameterCode(dept(row), StationParameters().CLPackageAdjustmentRev());
}

bool frmCharge::EnterChargeItem(int key)
{
    const int row = mshflexEntry->Row();
    if (row < 1) return true;
    if (key == Qt::Key_Up) return moveVertically(-1);
    if (key == Qt::Key_Down) return moveVertically(1);
    if (key == Qt::Key_Left || key == Qt::Key_Home) {
        key == Qt::Key_Left ? txtEntry->cursorBackward(false) : txtEntry->home(false);
        return true;
    }
    if (key == Qt::Key_Right || key == Qt::Key_End) {
        key == Qt::Key_Right ? txtEntry->cursorForward(false) : txtEntry->end(false);
        return true;
    }
    if (key != Qt::Key_Return) return true;
    switch (mshflexEntry->Col()) {
    case Dept:
        if (!enterDepartment(row)) return true;
        break;
    case ItemCode:
        if (!enterItem(row)) return true;
        break;
    case Qty:
        if (!enterQuantity(row)) return true;
        break;
    case UnitPrice:
        enterUnitPrice(row);
        break;
    case Amount:
        if (!enterAmount(row)) return true;
        break;
    default:
        break;
    }
    completionStep();
    return true;
}

void frmCharge::completionStep()
{
    EntryGrid& g = *mshflexEntry;
    const int row = g.Row(), col = g.Col();
    if (col < 8 && CompleteRow(row)) {
        if (HasPackageRows()) {
            g.HideBox();
        } else {
            AddRow(row);
            fraStat->setEnabled(true);
            optStat_Click(optStat[0]->isChecked() ? 0 : 1);
        }
    }
    const clsParameters& p = StationParameters();
    int last = Qty;
    if (Session.HospitalInfo.IsShowAmount)
        last = (rowPriceEditable(row) || cell(row, Dept) == QLatin1String("MD")) ? UnitPrice : Qty;
    if (col < last) {
        int next = col;
        if (col == Dept && isChargeParameterCode(dept(row), p.CLPackageAdjustmentRev())) {
            next = UnitPrice;
        } else {
            setRowExemptions(row, col);
            for (int c = col + 1; c <= Amount; ++c)
                if (!g.ExcemptCol(c)) {
                    next = c;
                    break;
                }
        }
        ComputeTotals();
        g.MoveTo(row, next);
        return;
    }
    const int nextCol = cell(row, PackageCode).trimmed().isEmpty() ? Dept : ItemCode;
    const int nextRow = row < g.Rows() - 1 ? row + 1 : row;
    ComputeTotals();
    g.MoveTo(nextRow, nextCol);
}

bool frmCharge::moveVertically(int step)
{
    EntryGrid& g = *mshflexEntry;
    const int row = g.Row(), col = g.Col(), target = row + step;
    if (target < 1 || target > g.Rows() - 1) return true;
    if (col == UnitPrice && !allowEditAmount(row)) return true;
    if (cell(target, Dept).isEmpty() && col > Dept) return true;
    if (cell(target, Description).isEmpty() && col > Description) return true;
    g.MoveTo(target, col);
    return true;
}

// ---- department and item ----

bool frmCharge::enterDepartment(int row)
{
    const QString old = cell(row, Dept);
    if (!m_revenue) m_revenue = new clsRevenueCode;
    m_revenue->HospNum = Patient.HospNum;
    const QString code = m_revenue->ValidateRevenue(txtEntry->text());
    if (code.isEmpty()) return false;
    txtEntry->setText(code);
    if (!CheckDepartment(code)) {
        MsgBox(QStringLiteral("Department code does not exist. Please refer to the list of department codes."), vbInformation,
               QStringLiteral("Notification!"));
        setCell(row, Dept, old);
        return false;
    }
    const clsParameters& p = StationParameters();
    const bool newPackages = !p.EnableOldPackageCharging();
    if (newPackages && isChargeParameterCode(code, p.ConsignedPackagesRevenueID())) {
        for (int r = 1; r < mshflexEntry->Rows(); ++r)
            if (r != row && isChargeParameterCode(dept(r), p.ConsignedPackagesRevenueID()) && !cell(r, ItemCode).isEmpty()) {
                MsgBox(QStringLiteral("Sorry, you may only enter one consigned package per transaction."), vbInformation, kChargeNotice);
                return false;
            }
    }
    const QString description = cell(row, Description).trimmed();
    if (!old.isEmpty() && code != old && !description.isEmpty()) {
        if (MsgBox(QStringLiteral("This will remove ") + cell(row, Description) + QStringLiteral(".\r\n\r\nAre you sure you want to continue?"),
                   vbYesNo | vbQuestion, kChargeConfirm)
            != vbYes) {
            setCell(row, Dept, old);
            mshflexEntry->HideBox();
            return false;
        }
        mshflexEntry->ClearRow(row, ItemCode, mshflexEntry->Cols() - 1);
    }
    setCell(row, Dept, code);
    if (newPackages && isChargeParameterCode(code, p.CLPackageAdjustmentRev())) {
        setCell(row, Description, OrErrorNotice(QString(), [&] { return GetRevenueItemName(SharedConnection(), code); }));
        setCell(row, Qty, QStringLiteral("1"));
    }
    return true;
}

bool frmCharge::enterItem(int row)
{
    const QString department = dept(row);
    if (!CheckDepartment(department)) return true;
    if (const auto location = StockLocationOrNotice(SharedConnection(), department))
        return enterStockItem(row, department, *location) && zeroPriceCheck(row);
    if (cell(row, Dept) == QLatin1String("MD")) return enterProfessionalFee(row);
    return enterOtherRevenue(row, department);
}

// The items of the stock location to choose from, filtered by the typed text; "" when none was chosen.
QString frmCharge::pickStockItem(const QString& typed, const QString& location) const
{
    frmSearchCodes* picker = frmSearchCodes::instance();
    picker->SearchCaption = QStringLiteral("Medicines and Supplies");
    picker->HospNum = Patient.HospNum;
    // Items whose code or name begins with what is typed (here, then in the picker's own box);
    // typed text comes upper-cased, so names and codes are compared upper-cased.
    picker->Criteria = typed.trimmed().toUpper();
    picker->Query = QStringLiteral("SELECT S.ItemID, M.ItemName FROM INVENTORY..tbInvLocationStock S "
                                   "JOIN INVENTORY..TBINVMASTER M ON M.ItemID = S.ItemID WHERE S.LocationID = ? "
                                   "AND (UPPER(S.ItemID) LIKE '##%' OR UPPER(M.ItemName) LIKE '##%') ORDER BY M.ItemName");
    picker->QueryParams = {location};
    picker->ShowModal();
    return picker->Valid ? picker->ResultCode : QString();
}

bool frmCharge::enterStockItem(int row, const QString& department, const QString& location)
{
    clsDrug* catalog = Session.DrugCatalog;
    if (!catalog) return false;
    QString code = txtEntry->text().trimmed();
    if (LeadingNumber(code) <= 0) {
        code = pickStockItem(code, location);
        if (code.isEmpty()) return false;
        txtEntry->setText(code);
    }
    if (!catalog->SearchDrug(code, location)) {
        MsgBox(QStringLiteral("Code does not exist."), vbInformation, kChargeNotice);
        return false;
    }
    const DrugItem item = catalog->Drug;
    if (item.Status) {
        MsgBox(QStringLiteral("Record is inactive. Please check build file of items."), vbExclamation, QStringLiteral("Message"));
        return false;
    }
    if (Session.HospitalInfo.AllowZeroOnHand && item.Invent.StockOnHand <= 0) {
        MsgBox(item.DrugName + QStringLiteral(" has no stocks left. The system can't process the specified item."), vbCritical,
               kChargeNotice);
        return false;
    }
    txtEntry->setText(item.DrugCode);
    Connection& c = SharedConnection();
    const clsParameters& p = StationParameters();
    if (p.CheckPNF() && !item.DrugCode.isEmpty() && GetInventoryType(c, location) != QLatin1String("C")
        && !OrErrorNotice(false, [&] { return IsPNFItem(c, item.DrugCode); }) && OrErrorNotice(true, [&] { return IsCF4Required(c, txtID->text()); })) {
        if (p.NoPNFByPass()) {
            MsgBox(QStringLiteral("Item is not under PNF list."), vbInformation, kChargeNotice);
            return false;
        }
        if (MsgBox(QStringLiteral("Item is not under PNF list. Would you like to continue?"), vbYesNo | vbQuestion, kChargeConfirm)
            != vbYes)
            return false;
    }
    if (CheckItemPostedToday(c, txtID->text(), item.DrugCode, department)) return false;
    if (Check_Code(item.DrugCode)) {
        MsgBox(QStringLiteral("Can't charge the same item."), vbInformation, kChargeNotice);
        return false;
    }
    if (!ReplacementConfirmed(cell(row, ItemCode), cell(row, Description), item)) return false;
    const double price = StockSellingPrice(item, PricePatientClass); // the window's own price class
    setCell(row, ItemCode, item.DrugCode);
    setCell(row, Description, item.DrugName + QStringLiteral(" ") + item.Description);
    setCell(row, UnitPrice, AmountText(price));
    if (cell(row, Qty).isEmpty()) setCell(row, Qty, QStringLiteral("1"));
    setCell(row, Amount, AmountText(QuantityAmount(LeadingNumber(cell(row, Qty)), price)));
    setCell(row, Location, location);
    setCell(row, ARCode, GetARCode(c, department, QStringLiteral("CL"), QStringLiteral("1")));
    setCell(row, BasePrice, cell(row, UnitPrice));
    return true;
}

bool frmCharge::enterOtherRevenue(int row, const QString& department)
{
    clsCodeSearch* search = Session.CodeSearch;
    if (!search) return false;
    search->OtherSectionID = department;
    if (!OrSearchWarning([&] { return search->SearchListing(txtEntry->text().trimmed(), 21); })) {
        if (!search->Cancelled)
            MsgBox(QStringLiteral("Sorry, no items built yet for this revenue."), vbInformation, kChargeNotice);
        return false;
    }
    const CodeSearchOtherRevenue record = search->OtherRevenueRecord;
    const QString code = record.ResultCode;
    txtEntry->setText(code);
    Connection& c = SharedConnection();
    const clsParameters& p = StationParameters();
    const bool newPackages = !p.EnableOldPackageCharging();
    if (newPackages && isChargeParameterCode(cell(row, Dept), p.ConsignedPackagesRevenueID())) {
        for (int r = 1; r < mshflexEntry->Rows(); ++r)
            if (r != row && isChargeParameterCode(dept(r), p.ConsignedPackagesRevenueID()) && !cell(r, ItemCode).isEmpty()) {
                MsgBox(QStringLiteral("Sorry, you may only enter one consigned package per transaction."), vbInformation, kChargeNotice);
                return false;
            }
    }
    if (newPackages && isChargeParameterCode(cell(row, Dept), p.CLEquipmentRev()) && IsEquipmentPackage(c, code)
        && HasOtherEquipmentPackage(row)) {
        MsgBox(QStringLiteral("Sorry, you may only enter one equipment with included items per transaction."), vbInformation,
               kChargeNotice);
        return false;
    }
    if (CheckItemPostedToday(c, txtID->text(), code, department)) return false;
    if (Check_Code(code)) {
        MsgBox(QStringLiteral("Can't charge the same item!"), vbInformation, kChargeNotice);
        return false;
    }
    if (newPackages && isChargeParameterCode(department, p.MainRevenueID())) {
        const QString package = GetLinkedPackageCode(c, code);
        if (!package.isEmpty()) {
            enterPackage(row, code, package, false);
            return false;
        }
    }
    if (newPackages && isChargeParameterCode(department.toUpper(), p.ConsignedPackagesRevenueID().toUpper())) {
        const QString package = GetOtherLinkedPackageCode(c, code);
        if (!package.isEmpty()) {
            enterPackage(row, code, package, true);
            return false;
        }
    }
    // Priced before anything is written: a failed look-up leaves the row as it was.
    double unit = 0, base = 0;
    try {
        base = ChargeClassRate(record, ChargeRateClass(c, txtID->text(), txtRoom->text()));
        unit = base;
        if (newPackages) {
            const RateOption option = Option1[1]->isChecked()   ? RateOption::OverTime
                                      : Option1[2]->isChecked() ? RateOption::OnCall
                                                                : RateOption::Regular;
            if (option != RateOption::Regular) unit = ChargeOptionRate(c, option, code, cell(row, Dept));
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return false;
    }
    if (Session.HospClientName == QLatin1String("QOLTA") && p.UseNewCLMarkUp()
        && (cell(row, Dept) == QLatin1String("CO") || cell(row, Dept) == QLatin1String("CQ"))) {
        DialogAnswers.MarkupOperation = 0;
        DialogAnswers.MarkupValue = 0;
        MainWindowLinks::ShowMarkUpChoice();
        unit = ApplyChargeMarkup(unit, DialogAnswers.MarkupOperation, DialogAnswers.MarkupValue);
    }
    try {
        if (p.AllowInternationalRate() && IsInternationalPatient(c, txtID->text())) unit = InternationalRate(unit);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return false;
    }
    setCell(row, ItemCode, code);
    setCell(row, Description, record.OtherRevenue);
    if (cell(row, Qty).isEmpty()) setCell(row, Qty, QStringLiteral("1"));
    setCell(row, BasePrice, AmountText(base));
    setCell(row, UnitPrice, AmountText(unit));
    setCell(row, Amount, AmountText(QuantityAmount(LeadingNumber(cell(row, Qty)), unit)));
    setCell(row, ARCode, GetARCode(c, department, QStringLiteral("CL"), QStringLiteral("1")));
    setCell(row, FixRate, p.UseBFileFixRate() ? record.FixRate : QStringLiteral("Y"));
    return zeroPriceCheck(row);
}

bool frmCharge::zeroPriceCheck(int row)
{
    if (LeadingNumber(cell(row, UnitPrice)) > 0 || Session.HospitalInfo.IsShowAmount) return true;
    MsgBox(QStringLiteral("Record(s) indicate that the amount of the item is zero! \r\nPlease contact EDP for further assistance."),
           vbCritical, QStringLiteral("Message"));
    emptyRowFromDepartment(row);
    return false;
}

void frmCharge::emptyRowFromDepartment(int row)
{
    mshflexEntry->ClearRow(row, 1, mshflexEntry->Cols() - 1);
    txtEntry->clear();
    mshflexEntry->MoveTo(row, Dept);
}

// ---- quantity, unit price, amount ----

bool frmCharge::enterQuantity(int row)
{
    const QString text = txtEntry->text();
    const QString refusal = QuantityRefusal(text);
    if (!refusal.isEmpty()) {
        MsgBox(refusal, vbInformation, kChargeNotice);
        mshflexEntry->HideBox();
        return false;
    }
    if (Session.HospClientName != QLatin1String("ZUB") && stockDepartment(dept(row)) && Session.HospitalInfo.AllowZeroOnHand
        && Session.DrugCatalog) {
        // the stock of the row's own item at the row's own location, not of the item looked up last
        const bool found = Session.DrugCatalog->SearchDrug(cell(row, ItemCode), cell(row, Location));
        const double onHand = found ? Session.DrugCatalog->Drug.Invent.StockOnHand : 0;
        if (LeadingNumber(text) > onHand) {
            MsgBox(QStringLiteral("Stock is not enough for the quantity entered. Remaining stock is: ") + AmountText(onHand),
                   vbInformation, kChargeNotice);
            setCell(row, Qty, QString());
            mshflexEntry->HideBox();
            mshflexEntry->MoveTo(row, Qty);
            return false;
        }
    }
    const clsParameters& p = StationParameters();
    if (!p.EnableOldPackageCharging() && !cell(row, PackageCode).trimmed().isEmpty()
        && LeadingNumber(text) > LeadingNumber(cell(row, PackageQty))) {
        MsgBox(QStringLiteral("Please charge additional items separately."), vbInformation, kChargeNotice);
        txtEntry->setText(cell(row, Qty));
        return false;
    }
    setCell(row, Amount, AmountText(QuantityAmount(LeadingNumber(text), LeadingNumber(cell(row, UnitPrice)))));
    setCell(row, Qty, text);
    OpenConsignedMarkup(row);
    return true;
}

void frmCharge::enterUnitPrice(int row)
{
    setCell(row, UnitPrice, txtEntry->text());
    recomputeAmount(row);
}

bool frmCharge::enterAmount(int row)
{
    const double amount = LeadingNumber(txtEntry->text());
    if (amount <= 0) {
        MsgBox(QStringLiteral("Amount should be greater than zero(0)."), vbInformation, kChargeNotice);
        return false;
    }
    setCell(row, Amount, AmountText(amount));
    const std::optional<double> unit = UnitPriceFromAmount(amount, LeadingNumber(cell(row, Qty)));
    if (LeadingNumber(cell(row, UnitPrice)) == 0 && unit) setCell(row, UnitPrice, AmountText(*unit));
    return true;
}

// ---- buttons ----

void frmCharge::deleteCurrentRow()
{
    EntryGrid& g = *mshflexEntry;
    const int row = g.Row();
    if (row < 1) return;
    if (StationParameters().NoPackageItemExclude() && !cell(row, PackageCode).isEmpty()) {
        MsgBox(QStringLiteral("Sorry, you are not allowed to exclude package items.\r\n\r\n"
                              "If you want to clear the grid, please use Ignore All button."),
               vbInformation, kChargeNotice);
        return;
    }
    if (!g.QualifiedRow(row)) {
        MsgBox(QStringLiteral("Row cannot be deleted because there are no entries yet."), vbInformation, kChargeNotice);
        return;
    }
    if (MsgBox(QStringLiteral("Are you sure to delete ") + cell(row, Description) + QStringLiteral("?"), vbYesNo | vbQuestion,
               kChargeConfirm)
        != vbYes)
        return;
    // the used items belong to the consigned package's row
    if (isChargeParameterCode(dept(row), StationParameters().ConsignedPackagesRevenueID())) SetupConsignedGrid();
    g.HideBox();
    if (g.Rows() > 2) {
        g.RemoveItem(row);
        fraStat->setEnabled(CompleteRow(g.Row()));
    } else {
        g.ClearRow(row, 1, g.Cols() - 1);
        fraStat->setEnabled(false);
        SetupEntryGrid();
    }
    g.HideBox();
    for (int r = 1; r < g.Rows(); ++r) setCell(r, Number, QString::number(r));
    ComputeTotals();
}

void frmCharge::Command1_Click(int index)
{
    switch (index) {
    case 0:
        SaveCharges();
        break;
    case 2:
        if (MsgBox(QStringLiteral("Are you sure to leave Charging Entry?"), vbYesNo | vbQuestion, kChargeConfirm) == vbYes) {
            close();
        }
        break;
    case 4:
        deleteCurrentRow();
        break;
    case 5:
        if (!IsEntryGridEmpty()
            && MsgBox(QStringLiteral("This will delete all unsaved items. Do you want to continue?"), vbYesNo | vbQuestion,
                      kChargeConfirm)
                   != vbYes)
            break;
        SetupEntryGrid();
        SetupConsignedGrid(); // the items included with equipment stay
        break;
    case 1:
        viewPackages();
        break;
    default:
        break;
    }
}

void frmCharge::setPatient(const PatientContext& patient)
{
    Patient = patient;
    ShowPatientInHeader({txtPatient, txtDoctor1, txtDoctor2, txtDoctor3, txtID, txtPno, txtDateAdmitted, txtDateDischarged, txtDob,
                         txtRoom, txtAge, txtSex, txtBloodType, txtStatus, txtAdiet, txtDiagnosis},
                        patient);
}
