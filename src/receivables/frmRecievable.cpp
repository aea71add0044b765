#include "receivables/frmRecievable.h"

#include "charging/ChargePricing.h"
#include "charging/pickers/frmListPackage.h"
#include "components/patient_search/clsPatientSearch.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/text/Twips.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "receivables/ReceivablePackageItems.h"
#include "receivables/ReceivableValues.h"
#include "receivables/frmSearchRecievable.h"
#include "shared/EntryWindowParts.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/text/TypedNumbers.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using Col = ReceivableEntryRow::Column;

namespace {
const QString kEntryFormat =
    QStringLiteral("<# |<Dept.Code|<Item Code|< Item   Description    |<Quantity |<Unit Price|<Amount ||||||||||||<Dosage ID");
}

frmRecievable::frmRecievable()
{
    setObjectName(QStringLiteral("frmRecievable"));
    setWindowTitle(QStringLiteral("Receivable Update"));
    auto* outer = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    outer->addLayout(left, 1);

    // The patient header: 16 read-only boxes, each right of its label.
    auto* frame3 = new QGroupBox(this);
    frame3->setObjectName(QStringLiteral("frame3"));
    auto* header = new QGridLayout(frame3);
    AddPatientHeaderBoxes(header, frame3, {{&txtPatient, "txtPatient", "Patient Name"},       {&txtDoctor1, "txtDoctor1", "Admitting Dr.:"},
                                           {&txtDoctor2, "txtDoctor2", "Attending Dr.:"},     {&txtDoctor3, "txtDoctor3", "Attending Dr.:"},
                                           {&txtID, "txtID", "Admission#"},                    {&txtPno, "txtPno", "Hospital#"},
                                           {&txtDateAdmitted, "txtDateAdmitted", "ADM. Date"}, {&txtDob, "txtDob", "Birthdate"},
                                           {&txtRoom, "txtRoom", "Room #"},                    {&txtDateDischarged, "txtDateDischarged", "DCR. Date"},
                                           {&txtAge, "txtAge", "Age"},                         {&txtSex, "txtSex", "Sex"},
                                           {&txtBloodType, "txtBloodType", "B.T."},            {&txtStatus, "txtStatus", "Status"},
                                           {&txtAdiet, "txtAdiet", "Diet"},                    {&txtDiagnosis, "txtDiagnosis", "Diag."}});
    left->addWidget(frame3);

    // The entry grid with the buttons and the prompt at its right.
    auto* middle = new QHBoxLayout;
    auto* fraCharges = new QGroupBox(this);
    fraCharges->setObjectName(QStringLiteral("fraCharges"));
    mshflexEntry = new EntryGrid(fraCharges);
    mshflexEntry->setObjectName(QStringLiteral("mshflexEntry"));
    txtEntry = mshflexEntry->txtEntry;
    (new QVBoxLayout(fraCharges))->addWidget(mshflexEntry);
    middle->addWidget(fraCharges, 1);
    auto* side = new QVBoxLayout;
    const struct {
        int index;
        const char* caption;
    } buttons[] = {{3, "Search Patient"}, {4, "&Delete"}, {0, "&Save"}, {1, "&View Packages"}, {2, "E&xit"}};
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QString::fromLatin1(b.caption), this);
        button->setAutoDefault(false);
        Command1[b.index] = button;
        side->addWidget(button);
    }
    Command1[0]->setEnabled(false);
    auto* fraMessage = new QGroupBox(QStringLiteral("Message"), this);
    lblMessage = new QLabel(fraMessage);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setWordWrap(true);
    (new QVBoxLayout(fraMessage))->addWidget(lblMessage);
    side->addWidget(fraMessage);
    side->addStretch(1);
    middle->addLayout(side);
    left->addLayout(middle, 1);

    // The charges already posted to the patient.
    auto* fraList = new QGroupBox(QStringLiteral("List of Charges Entered"), this);
    auto* listLayout = new QVBoxLayout(fraList);
    txtMessage = new QLineEdit(QStringLiteral("No Charges Entered"), fraList);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setReadOnly(true);
    txtMessage->setAlignment(Qt::AlignCenter);
    MSHFlexList = new FlexGrid(fraList);
    MSHFlexList->setObjectName(QStringLiteral("MSHFlexList"));
    MSHFlexList->setMinimumHeight(150);
    listLayout->addWidget(txtMessage);
    listLayout->addWidget(MSHFlexList);
    left->addWidget(fraList);

    auto* bottom = new QHBoxLayout;
    lblNote = new QLabel(QStringLiteral("Note  :  To cancel charges, click on the list of charges entered.Use the Arrow Keys to "
                                        "choose and then press the Enter Key or Double Click the Charges.."),
                         this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setWordWrap(true);
    bottom->addWidget(lblNote, 1);
    Command1[5] = new QPushButton(QStringLiteral("&Refresh"), this);
    cmdOption[0] = new QPushButton(QStringLiteral("Reprint"), this);
    cmdOption[1] = new QPushButton(QStringLiteral("Revoke"), this);
    for (QPushButton* b : {Command1[5], cmdOption[0], cmdOption[1]}) {
        b->setAutoDefault(false);
        bottom->addWidget(b);
    }
    cmdOption[0]->setEnabled(false);
    cmdOption[1]->setEnabled(false);
    left->addLayout(bottom);

    auto* Frame1 = new QGroupBox(QStringLiteral("Department Codes"), this);
    lvwDepartments = new QTreeWidget(Frame1);
    lvwDepartments->setObjectName(QStringLiteral("lvwDepartments"));
    lvwDepartments->setHeaderLabels({QStringLiteral("Code"), QStringLiteral("Department")});
    lvwDepartments->setRootIsDecorated(false);
    lvwDepartments->setFocusPolicy(Qt::NoFocus);
    (new QVBoxLayout(Frame1))->addWidget(lvwDepartments);
    Frame1->setMinimumWidth(260);
    outer->addWidget(Frame1);

    mshflexPackageItems = new FlexGrid(this);
    mshflexPackageItems->setObjectName(QStringLiteral("mshflexPackageItems"));
    SetUpPackageGrid(*mshflexPackageItems);
    mshflexCancelPackageItems = new FlexGrid(this);
    mshflexCancelPackageItems->setObjectName(QStringLiteral("mshflexCancelPackageItems"));
    SetUpPackageGrid(*mshflexCancelPackageItems);

    for (auto& [index, button] : Command1)
        connect(button, &QPushButton::clicked, this, [this, index = index] { Command1_Click(index); });
    connect(cmdOption[0], &QPushButton::clicked, this, [this] { cmdReprint_Click(); });
    connect(cmdOption[1], &QPushButton::clicked, this, [this] { cmdRevoke_Click(); });
    connect(MSHFlexList, &QTableWidget::cellClicked, this, [this] { MSHFlexList_Click(); });
    connect(MSHFlexList, &QTableWidget::cellDoubleClicked, this, [this] { cmdRevoke_Click(); });
    connect(this, &frmRecievable::chargesPosted, this, [this] { reloadPostedList(); });

    // The grid's tables and hooks.
    EntryGrid& g = *mshflexEntry;
    g.setColumnMaxLength(Col::Dept, 3);
    g.setColumnMaxLength(Col::ItemCode, 8);
    g.setColumnMaxLength(Col::Description, 35);
    g.setColumnKeys(Col::Qty, EntryGrid::Keys::Numeric);
    BoundEntryNumbers(g, Col::Qty, Col::UnitPrice, Col::Amount);
    g.setColumnPrompt(Col::Dept, QStringLiteral("Type the Charging Code..(See Department Codes for the list)"));
    g.setColumnPrompt(Col::ItemCode,
                      QStringLiteral("Type the Service Code or First letters of Service Name then Press the <Enter> Key"));
    g.setColumnPrompt(Col::Qty, QStringLiteral("Type how many quantity to charge."));
    g.setColumnPrompt(Col::Amount, QStringLiteral("Type the total amount to charge."));
    g.setPromptLabel(lblMessage, EntryGrid::PromptMode::OnPlaceKeepOthers);
    g.AddRowBelowColumn = 8;
    g.EndLimitColumn = Col::Amount;
    // The box opens only over the typed columns 1 to 6 that the table does not skip and that
    // show: never over a hidden column (prices while amounts are hidden, the row's hidden data).
    g.exemptRule = [this](int col) {
        return mshflexEntry->ListedExempt(col) || col < Col::Dept || col > Col::Amount || mshflexEntry->ColWidth(col) <= 0;
    };
    g.completeRule = [this](int row) { return CompleteRow(row); };
    g.rowAdded = [this](int row) { setCell(row, Col::Number, QStringLiteral(" %1").arg(row)); };
    g.keyDown = KeyHandlerWithNotice([this](int key) { return EnterReceivableItem(key); });
    g.f3 = [this] {
        if (mshflexEntry->Row() >= 1) DeleteRow(mshflexEntry->Row());
    };
    g.WatchWindowKeys(this);
    resize(1200, 700);
    Form_Load();
}

frmRecievable::~frmRecievable() = default;

QString frmRecievable::cell(int row, int col) const { return mshflexEntry->TextMatrix(row, col); }
void frmRecievable::setCell(int row, int col, const QString& text) { mshflexEntry->setTextMatrix(row, col, text); }

void frmRecievable::Form_Load()
{
    Receivable.reset();
    ResetEntry();
    try {
        LoadChargingCodes();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmRecievable::ResetEntry()
{
    DialogAnswers.SlipNumberTaken = false;
    EntryGrid& g = *mshflexEntry;
    g.HideBox();
    txtEntry->clear();
    g.setUpdatesEnabled(false);
    g.setRows(1);
    g.setRows(2);
    g.setFormatString(kEntryFormat);
    g.setCols(Col::ColumnCount);
    for (int c = 1; c < Col::ColumnCount; ++c) setCell(1, c, QString());
    setCell(1, Col::Number, QStringLiteral(" 1"));
    // Column widths in twips, in the order the layout has always set them; the hospital
    // information is read afresh between column 3 and the prices.
    g.setColWidth(Col::Qty, 1000);
    // column 0: a third of what the heading gives column 3, plus 50
    const int heading = PixelsToTwips(g.fontMetrics().horizontalAdvance(QStringLiteral(" Item   Description    ")) + 8);
    const int number = heading / 3 + 50;
    g.setColWidth(Col::Number, number);
    g.setColWidth(Col::Dept, number * 2 - 300);
    g.setColWidth(Col::ItemCode, number * 2 - 300);
    g.setColWidth(Col::Description, 4 * 1000);
    LoadHospitalInfo();
    const bool showAmount = Session.HospitalInfo.IsShowAmount;
    g.setColWidth(Col::UnitPrice, showAmount ? 1000 : 0);
    g.setColWidth(Col::Amount, showAmount ? 1000 : 0);
    for (int c = Col::Location; c <= Col::BasePrice; ++c) g.setColWidth(c, 0);
    for (int c = Col::PSIMark; c <= Col::PackageQty; ++c) g.setColWidth(c, 0);
    if (StationParameters().ShowDosagePostMedicines()) {
        g.setColWidth(Col::DosageID, 1000);
        g.setColWidth(Col::Description, 3000);
    }
    g.setUpdatesEnabled(true);
    MSHFlexList->setEnabled(false);
    g.MoveTo(1, Col::Dept);
}

// ---- the grid's routines ----

void frmRecievable::PutTextBox(int col, int row) { mshflexEntry->PutTextBox(col, row); }
bool frmRecievable::ExcemptCol(int col) const { return mshflexEntry->ExcemptCol(col); }

bool frmRecievable::CompleteRow(int row) const
{
    if (row < 1 || row >= mshflexEntry->Rows()) return false;
    return LeadingNumber(cell(row, Col::UnitPrice)) > 0 && LeadingNumber(cell(row, Col::Amount)) > 0
           && !cell(row, Col::Qty).isEmpty() && !cell(row, Col::ItemCode).isEmpty() && !cell(row, Col::Dept).isEmpty();
}

bool frmRecievable::AddRow(int row) { return mshflexEntry->AddRow(row); }

bool frmRecievable::CheckDepartment(const QString& code) const { return DepartmentListed(lvwDepartments, code); }

void frmRecievable::DeleteRow(int row) { mshflexEntry->DeleteRow(row); }

bool frmRecievable::Check_Code(const QString& code) const
{
    const int current = mshflexEntry->Row();
    const QString dept = cell(current, Col::Dept).trimmed();
    for (int r = 1; r <= mshflexEntry->Rows() - 2; ++r)
        if (r != current && cell(r, Col::Dept).trimmed() == dept && cell(r, Col::ItemCode).trimmed() == code.trimmed()) return true;
    return false;
}

bool frmRecievable::QualifiedRow(int row) const { return mshflexEntry->QualifiedRow(row); }

bool frmRecievable::HasPackageRows() const
{
    for (int r = 1; r < mshflexEntry->Rows(); ++r)
        if (!cell(r, Col::PackageCode).trimmed().isEmpty()) return true;
    return false;
}

ReceivableEntryRows frmRecievable::CollectEntryRows() const
{
    ReceivableEntryRows rows;
    for (int r = 1; r < mshflexEntry->Rows(); ++r) {
        if (!CompleteRow(r)) continue;
        ReceivableEntryRow e;
        e.gridRow = r;
        e.dept = cell(r, Col::Dept);
        e.itemCode = cell(r, Col::ItemCode);
        e.description = cell(r, Col::Description);
        e.qty = cell(r, Col::Qty);
        e.unitPrice = cell(r, Col::UnitPrice);
        e.amount = cell(r, Col::Amount);
        e.location = cell(r, Col::Location);
        e.arCode = cell(r, Col::ARCode);
        e.basePrice = cell(r, Col::BasePrice);
        e.psiMark = cell(r, Col::PSIMark);
        e.initialReading = cell(r, Col::InitialReading);
        e.lastReading = cell(r, Col::LastReading);
        e.tankNumber = cell(r, Col::TankNumber);
        e.packageCode = cell(r, Col::PackageCode);
        e.packageValue = cell(r, Col::PackageValue);
        e.packageQty = cell(r, Col::PackageQty);
        e.dosageId = cell(r, Col::DosageID);
        rows << e;
    }
    return rows;
}

// ---- buttons ----

void frmRecievable::Command1_Click(int index)
{
    // A failed statement is reported and the window stays as it was.
    try {
        runCommand(index);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmRecievable::runCommand(int index)
{
    switch (index) {
    case 0:
        cmdSave_Click();
        break;
    case 1:
        viewPackages();
        break;
    case 2:
        if (MsgBox(QStringLiteral("Are you sure to leave Receivable Entry?"), vbYesNo | vbQuestion, QStringLiteral("Confirmation"))
            == vbYes)
            close();
        break;
    case 3:
        searchPatient();
        break;
    case 4:
        deleteCurrentRow();
        break;
    case 5:
        reloadPostedList();
        break;
    default:
        break;
    }
}

void frmRecievable::viewPackages()
{
    frmListPackage* picker = frmListPackage::instance();
    picker->SourceGrid = mshflexEntry;
    picker->PackageGrid = mshflexPackageItems;
    picker->PricePatientClass = cashOutPatient() ? QStringLiteral("O") : QStringLiteral("I");
    picker->ShowModal();
    mshflexEntry->MoveTo(mshflexEntry->Rows() - 1, Col::Dept);
}

void frmRecievable::deleteCurrentRow()
{
    EntryGrid& g = *mshflexEntry;
    const int row = g.Row();
    if (row < 1) return;
    if (!QualifiedRow(row)) {
        MsgBox(QStringLiteral("Row cannot be deleted because there are no entries yet."), vbInformation, QStringLiteral("MESSAGE"));
        return;
    }
    if (MsgBox(QStringLiteral("Are you sure to delete the request?"), vbYesNo | vbQuestion, QStringLiteral("MESSAGE")) == vbYes) {
        Remove_PackageItems(cell(row, Col::Dept), cell(row, Col::ItemCode), mshflexPackageItems);
        g.HideBox();
        if (g.Rows() > 2) {
            g.RemoveItem(row);
        } else {
            g.ClearRow(row, 1, g.Cols() - 1);
            txtEntry->clear();
        }
    }
    for (int r = 1; r < g.Rows(); ++r) setCell(r, Col::Number, QString::number(r));
    g.MoveTo(std::min(row, g.Rows() - 1), Col::Dept);
}

// ---- the patient ----

void frmRecievable::searchPatient()
{
    const bool picked = frmSearchRecievable::PickPatient();
    if (Receivable.picked()) {
        // A new pick starts clean: no row, package item or diet of before stays (rows typed before
        // it were priced for no patient). Closing the search without a pick keeps the rows.
        if (picked) {
            ResetEntry();
            ClearPackageGrid(*mshflexPackageItems);
            ClearPackageGrid(*mshflexCancelPackageItems);
        }
        clearHeader();
        try {
            LoadReceivablePatientHeader();
            Command1[0]->setEnabled(true);
            Get_Charges();
        } catch (const std::exception& e) {
            ShowErrorNotice(e);
        }
    } else {
        // Refused (invoiced, not found) or never picked: no header of an earlier patient stays
        // behind with Save enabled.
        clearHeader();
        Command1[0]->setEnabled(false);
        cmdOption[0]->setEnabled(false);
        cmdOption[1]->setEnabled(false);
        MSHFlexList->clear();
        MSHFlexList->setRows(2);
        MSHFlexList->setEnabled(false);
        txtMessage->setVisible(true);
    }
    mshflexEntry->EnterCell();
    txtEntry->setFocus();
}

void frmRecievable::clearHeader()
{
    for (QLineEdit* box : {txtPatient, txtDoctor1, txtDoctor2, txtDoctor3, txtID, txtPno, txtDateAdmitted, txtDateDischarged, txtDob,
                           txtRoom, txtAge, txtSex, txtBloodType, txtStatus, txtAdiet, txtDiagnosis})
        box->clear();
}

void frmRecievable::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QWidget::closeEvent(event);
}

void frmRecievable::Form_Unload()
{
    if (m_unloaded) return;
    m_unloaded = true;
    const QString id = Selection.SelectedIDNum.trimmed();
    clsPatientSearch* search = Session.PatientSearch;
    if (!id.isEmpty() && search) {
        try {
            if (!IsOutPatientNumber(id)) {
                if (search->ValidateAdmission(Selection.SelectedIDNum)) search->Admission()->Refresh();
            } else {
                clsOutPatient* visit = search->PatientClass()->clsOutPatient();
                if (visit->OpenOutPatient(Selection.SelectedIDNum, Selection.SelectedHospNum)) visit->Refresh();
            }
        } catch (const std::exception& e) {
            ShowErrorNotice(e);
        }
    }
    frmSearchRecievable::Unload();
}
