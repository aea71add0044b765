#include "assessment/frmCashAssessment.h"
#include "assessment/frmCashCM.h"
#include "receivables/ReceivablePackageItems.h"

#include "assessment/AssessmentRevokeReprint.h"
#include "platform/db/Connection.h"
#include "platform/text/Format.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/EntryWindowParts.h"
#include "shared/PatientHeaderFrame.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/text/TypedNumbers.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace CA = CashRow;

namespace {
const QString kCashNotice = QStringLiteral("Notification");
const QString kCashConfirm = QStringLiteral("Confirmation");
const int kListStatus = 11; // the list's status column: the receipt number once paid
} // namespace

frmCashAssessment::frmCashAssessment()
{
    setObjectName(QStringLiteral("frmCashAssessment"));
    setWindowTitle(QStringLiteral("Cash Assessment Entry"));
    auto* outer = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    outer->addLayout(left, 1);

    auto* frame3 = MakePatientHeaderFrame(this, {&txtPatient, &txtDoctor1, &txtDoctor2, &txtDoctor3, &txtID, &txtPno, &txtDateAdmitted,
                                                 &txtDateDischarged, &txtDob, &txtRoom, &txtAge, &txtSex, &txtBloodType, &txtStatus,
                                                 &txtAdiet, &txtDiagnosis});
    auto* header = static_cast<QGridLayout*>(frame3->layout());
    lblDeptCode = new QLabel(frame3);
    lblDeptCode->setObjectName(QStringLiteral("lblDeptCode"));
    header->addWidget(lblDeptCode, 4, 0);
    left->addWidget(frame3);

    auto* middle = new QHBoxLayout;
    auto* fraCharges = new QGroupBox(this);
    auto* chargesLayout = new QVBoxLayout(fraCharges);
    mshflexEntry = new EntryGrid(fraCharges);
    mshflexEntry->setObjectName(QStringLiteral("mshflexEntry"));
    txtEntry = mshflexEntry->txtEntry;
    chargesLayout->addWidget(mshflexEntry);
    middle->addWidget(fraCharges, 1);
    auto* side = new QVBoxLayout;
    const char* captions[] = {"&Save", "&Ignore", "E&xit", "Refresh", "&Delete", "View Package"};
    for (int b : {0, 1, 4, 5, 3, 2}) {
        auto* button = new QPushButton(QString::fromLatin1(captions[b]), this);
        button->setAutoDefault(false);
        Command1[b] = button;
        side->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, b] { Command1_Click(b); });
    }
    fraMessage = new QGroupBox(QStringLiteral("Message"), this);
    lblMessage = new QLabel(fraMessage);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setWordWrap(true);
    (new QVBoxLayout(fraMessage))->addWidget(lblMessage);
    side->addWidget(fraMessage);
    side->addStretch(1);
    middle->addLayout(side);
    left->addLayout(middle, 1);

    auto* fraList = new QGroupBox(QStringLiteral("List of Charges Entered"), this);
    auto* listLayout = new QVBoxLayout(fraList);
    MSHFlexList = new FlexGrid(fraList);
    MSHFlexList->setObjectName(QStringLiteral("MSHFlexList"));
    MSHFlexList->setSelectionBehavior(QAbstractItemView::SelectRows);
    MSHFlexList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    txtMessage = new QLineEdit(QStringLiteral("No Assessment Entered"), fraList);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setReadOnly(true);
    listLayout->addWidget(txtMessage);
    listLayout->addWidget(MSHFlexList);
    lblNote = new QLabel(QStringLiteral("Note  :  To cancel assessment, click on the list of cash assessment entered.Use the Arrow Keys "
                                        "to choose and then press the Enter Key or Double Click the Assessment.."),
                         fraList);
    lblNote->setWordWrap(true);
    listLayout->addWidget(lblNote);
    left->addWidget(fraList);
    connect(MSHFlexList, &QTableWidget::cellClicked, this, [this] { MSHFlexList_Click(); });
    connect(MSHFlexList, &QTableWidget::cellDoubleClicked, this, [this] { MSHFlexList_DblClick(); });

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    cmdOption[0] = new QPushButton(QStringLiteral("Reprint"), this);
    cmdOption[1] = new QPushButton(QStringLiteral("Revoke"), this);
    cmdCashCM = new QPushButton(QStringLiteral("Cash Credit Memo"), this);
    cmdCDF = new QPushButton(QStringLiteral("CDF"), this);
    for (int o = 0; o < 2; ++o) {
        cmdOption[o]->setEnabled(false);
        connect(cmdOption[o], &QPushButton::clicked, this, [this, o] { cmdOption_Click(o); });
    }
    cmdCashCM->setObjectName(QStringLiteral("cmdCashCM"));
    cmdCashCM->hide();
    cmdCashCM->setEnabled(false);
    connect(cmdCashCM, &QPushButton::clicked, this, [this] { cmdCashCM_Click(); });
    cmdCDF->setEnabled(false); // nothing in this window enables the fund balance
    for (QPushButton* b : {cmdCDF, cmdOption[0], cmdOption[1], cmdCashCM}) {
        b->setAutoDefault(false);
        bottom->addWidget(b);
    }
    left->addLayout(bottom);

    mshflexPackageItems = new FlexGrid(this);
    mshflexPackageItems->setObjectName(QStringLiteral("mshflexPackageItems"));
    mshflexPackageItems->setCols(8);
    mshflexPackageItems->setRows(2);
    mshflexPackageItems->hide();
    mshflexCancelPackageItems = new FlexGrid(this);
    mshflexCancelPackageItems->hide();

    auto* Frame1 = new QGroupBox(QStringLiteral("Department Codes"), this);
    lvwDepartments = new QTreeWidget(Frame1);
    lvwDepartments->setObjectName(QStringLiteral("lvwDepartments"));
    lvwDepartments->setHeaderLabels({QStringLiteral("Code"), QStringLiteral("Department")});
    lvwDepartments->setRootIsDecorated(false);
    (new QVBoxLayout(Frame1))->addWidget(lvwDepartments);
    Frame1->setMinimumWidth(280);
    outer->addWidget(Frame1);

    EntryGrid& g = *mshflexEntry;
    g.setColumnMaxLength(CA::Dept, 3);
    g.setColumnMaxLength(CA::ItemCode, 8);
    g.setColumnMaxLength(CA::Description, 35);
    g.setColumnKeys(CA::Qty, EntryGrid::Keys::Numeric);
    g.NumericChars = QStringLiteral("0123456789./");
    BoundEntryNumbers(g, CA::Qty, CA::UnitPrice, CA::Amount);
    g.setColumnPrompt(CA::Dept, QStringLiteral("Enter Department Code."));
    g.setColumnPrompt(CA::ItemCode, QStringLiteral("Enter the Service Code or First letters of Service Name then Press the <Enter> Key"));
    g.setColumnPrompt(CA::Qty, QStringLiteral("Enter quantity to charge."));
    g.setColumnPrompt(CA::UnitPrice, QStringLiteral("Enter unit price."));
    g.setColumnPrompt(CA::Amount, QStringLiteral("Enter total amount to charge."));
    g.setPromptLabel(lblMessage, EntryGrid::PromptMode::OnPlaceKeepOthers);
    g.AddRowBelowColumn = CA::ARCode;
    g.completeRule = [this](int row) { return CompleteRow(row); };
    g.enteringCell = [this](int row, int) { setRowExemptions(row); };
    g.openRule = [this](int col, int row) { return boxMayOpen(col, row); };
    g.rowAdded = [this](int row) { setCell(row, CA::Number, QString::number(++EntryRowCount)); };
    g.keyDown = KeyHandlerWithNotice([this](int key) { return txtEntry_KeyDown(key); });
    g.f3 = [this] {
        if (mshflexEntry->Row() >= 1) DeleteRow(mshflexEntry->Row());
    };
    g.WatchWindowKeys(this);
    resize(1100, 640);
    Form_Load();
}

QString frmCashAssessment::cell(int row, int col) const { return mshflexEntry->TextMatrix(row, col); }
void frmCashAssessment::setCell(int row, int col, const QString& text) { mshflexEntry->setTextMatrix(row, col, text); }

void frmCashAssessment::Form_Load()
{
    DialogAnswers.SlipNumberTaken = false;
    DialogAnswers.resetRequestingDoctor();
    txtEntry->clear();
    EntryRowCount = 1;
    EntryGrid& g = *mshflexEntry;
    g.HideBox();
    g.setUpdatesEnabled(false);
    g.setRows(1);
    g.setRows(2);
    g.setFormatString(QStringLiteral("<# |<Dept.Code|<Item Code|< Item   Description    |<Quantity |<Unit Price|<Amount "));
    g.setCols(CA::ColumnCount);
    for (int c = 0; c < CA::ColumnCount; ++c) setCell(1, c, QString());
    setCell(1, CA::Number, QStringLiteral("1"));
    g.setColWidth(CA::Qty, 1000);
    g.setColWidth(CA::Number, 533);
    // wide enough for their headings and the 3 and 8 characters they take
    g.setColWidth(CA::Dept, 950);
    g.setColWidth(CA::ItemCode, 1100);
    g.setColWidth(CA::Description, 4000);
    try {
        LoadHospitalInfo();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    const bool show = Session.HospitalInfo.IsShowAmount;
    g.setColWidth(CA::UnitPrice, show ? 1000 : 0);
    g.setColWidth(CA::Amount, show ? 1000 : 0);
    for (int c = CA::Location; c < CA::ColumnCount; ++c) g.setColWidth(c, 0);
    g.setUpdatesEnabled(true);
    MSHFlexList->setEnabled(false);
    g.MoveTo(1, CA::Dept);
}

void frmCashAssessment::Form_Activate() { LoadAssessments(); }

void frmCashAssessment::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Form_Activate();
    mshflexEntry->EnterCell();
}

bool frmCashAssessment::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && isVisible()) Form_Activate();
    return QWidget::event(e);
}

// Description and amount are never typed; the unit price only on a professional fee or where the
// station lets every price be typed.
void frmCashAssessment::setRowExemptions(int row)
{
    QVector<int>& t = mshflexEntry->ExemptColumnTable;
    t = QVector<int>(8, 0);
    t[1] = CA::Description;
    t[2] = CA::Amount;
    const bool md = row >= 1 && row < mshflexEntry->Rows() && cell(row, CA::Dept) == QLatin1String("MD");
    t[3] = (md || Session.AllowEditAmount) ? 0 : int(CA::UnitPrice);
}

bool frmCashAssessment::boxMayOpen(int col, int row) const
{
    if (cell(row, CA::Dept).isEmpty() && col > CA::Dept) return false;
    if (cell(row, CA::Description).isEmpty() && col > CA::Description) return false;
    return true;
}

bool frmCashAssessment::CompleteRow(int row) const
{
    if (row < 1 || row >= mshflexEntry->Rows()) return false;
    return Fmt::val(cell(row, CA::UnitPrice)) > 0 && Fmt::val(cell(row, CA::Amount)) > 0 && !cell(row, CA::Qty).isEmpty() && !cell(row, CA::ItemCode).isEmpty()
           && !cell(row, CA::Dept).isEmpty();
}

bool frmCashAssessment::AddRow(int row) { return mshflexEntry->AddRow(row); }

bool frmCashAssessment::QualifiedRow(int row) const { return mshflexEntry->QualifiedRow(row); }

void frmCashAssessment::DeleteRow(int row)
{
    EntryGrid& g = *mshflexEntry;
    if (row < 1 || row >= g.Rows()) return;
    // a package row takes its stock items with it
    Remove_PackageItems(cell(row, CA::Dept), cell(row, CA::ItemCode));
    g.HideBox();
    if (row == 1) {
        g.ClearRow(1, 0, g.Cols() - 1);
    } else {
        g.RemoveItem(row);
        --EntryRowCount;
    }
    g.MoveTo(g.Rows() - 1, CA::Dept);
}

bool frmCashAssessment::CheckDepartment(const QString& code) const { return DepartmentListed(lvwDepartments, code); }

bool frmCashAssessment::Check_Code(const QString& code) const
{
    const int current = mshflexEntry->Row();
    for (int r = 1; r <= mshflexEntry->Rows() - 2; ++r)
        if (r != current && cell(r, CA::Dept).trimmed() == cell(current, CA::Dept).trimmed() && cell(r, CA::ItemCode).trimmed() == code.trimmed()) return true;
    return false;
}

// The package grid is the one the late charges keep: the same department flag and item table.
void frmCashAssessment::Check_If_Package(const QString& revenue, const QString& package)
{
    ::Check_If_Package(SharedConnection(), revenue, package, *mshflexPackageItems);
}

void frmCashAssessment::Remove_PackageItems(const QString& revenue, const QString& package)
{
    if (package.trimmed().isEmpty()) return;
    try {
        ::Remove_PackageItems(SharedConnection(), revenue, package, *mshflexPackageItems);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmCashAssessment::ColourPackageRows()
{
    const clsParameters& p = StationParameters();
    for (int r = 1; r < mshflexEntry->Rows(); ++r) {
        const bool package = !cell(r, CA::PackageCode).isEmpty();
        QColor colour;
        if (p.EnableOldPackageCharging()) {
            if (!package) continue;
            colour = QColor(0xFF, 0xC0, 0xC0);
        } else if (!package) {
            colour = palette().color(QPalette::ToolTipBase);
        } else {
            const QString d = cell(r, CA::Dept);
            const bool hospitalItem = (d == p.CLHospitalMedsRev() || d == p.CLHospitalSuppliesRev()) && d != p.CLNHIMedicinesRev()
                                      && d != p.CLNHISuppliesRev();
            colour = hospitalItem ? QColor(0xC0, 0xC0, 0xFF) : QColor(0xFF, 0xC0, 0xC0);
        }
        for (int c = 1; c < mshflexEntry->Cols(); ++c)
            if (QTableWidgetItem* it = mshflexEntry->item(r, c)) it->setBackground(colour);
    }
}

// ---- the list of assessments ----

void frmCashAssessment::LoadAssessments()
{
    FlexGrid& g = *MSHFlexList;
    try {
        g.clear();
        g.setRows(2);
        g.setCols(12);
        const Recordset rs = SharedConnection().call(QStringLiteral("STATION..sp_CL_AssessmentStatus"), {txtID->text()});
        g.setRows(rs.recordCount() + 1);
        const int fields = qMin(rs.fieldCount(), g.Cols() - 1);
        for (int f = 0; f < fields; ++f) g.setTextMatrix(0, f + 1, rs.fieldName(f));
        for (int r = 0; r < rs.recordCount(); ++r)
            for (int f = 0; f < fields; ++f) g.setTextMatrix(r + 1, f + 1, DbValue::text(rs.valueAt(r, f)));
        const int widths[] = {1, 1000, 2500, 1000, 1000, Session.HospitalInfo.IsShowAmount ? 3000 : 0, 1000, 1000, 2500, 1000, 1000, 1000};
        for (int c = 0; c < 12; ++c) g.setColWidth(c, widths[c]);
        if (g.Rows() == 1) {
            txtMessage->show();
            g.setEnabled(false);
        } else {
            txtMessage->hide();
            g.setEnabled(true);
            cmdOption[1]->setVisible(true);
            g.setCurrentCell(1, 1);
        }
        ColourRevokedRows();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmCashAssessment::ColourRevokedRows()
{
    FlexGrid& g = *MSHFlexList;
    for (int r = 1; r < g.Rows(); ++r) {
        if (g.TextMatrix(r, kListStatus).trimmed() != QLatin1String("REVOKED")) continue;
        for (int c = 0; c < g.Cols(); ++c)
            if (QTableWidgetItem* it = g.item(r, c)) it->setForeground(QColor(255, 0, 0));
    }
}

void frmCashAssessment::MSHFlexList_Click()
{
    const int row = MSHFlexList->currentRow();
    const QString status = row >= 1 ? MSHFlexList->TextMatrix(row, kListStatus).trimmed() : QString();
    const bool paid = status.toUpper() != QLatin1String("PENDING") && status != QLatin1String("REVOKED");
    cmdOption[1]->setVisible(!paid);
    cmdOption[1]->setEnabled(!paid);
    cmdCashCM->setVisible(paid);
    cmdCashCM->setEnabled(paid);
    cmdOption[0]->setEnabled(Session.HospitalInfo.IsPrintChargeSlip);
}

namespace {
AssessmentListWindow listWindow(frmCashAssessment* w)
{
    AssessmentListWindow l;
    l.list = w->MSHFlexList;
    l.header = {w->txtPatient->text(), w->txtPno->text(), w->txtAge->text(), w->txtSex->text(),
                w->txtRoom->text(),    w->txtID->text(),  w->txtDoctor2->text()};
    l.reload = [w] { w->LoadAssessments(); };
    l.revokeButton = w->cmdOption[1];
    return l;
}
} // namespace

void frmCashAssessment::MSHFlexList_DblClick() { RevokeAssessment(listWindow(this), CashAssessmentTexts()); }

void frmCashAssessment::cmdOption_Click(int index)
{
    if (index == 0) ReprintAssessmentSlip(listWindow(this), CashAssessmentTexts());
    else MSHFlexList_DblClick();
}

// A paid line's status column holds its official receipt; the list is not reloaded afterwards.
void frmCashAssessment::cmdCashCM_Click()
{
    const int row = MSHFlexList->currentRow();
    if (row < 1) return;
    frmCashCM cm(this);
    cm.IDNum = txtID->text();
    cm.Patient = txtPatient->text();
    cm.ORNumber = MSHFlexList->TextMatrix(row, kListStatus).trimmed();
    cm.ShowModal();
}

// ---- buttons ----

void frmCashAssessment::ignoreRows()
{
    EntryGrid& g = *mshflexEntry;
    g.HideBox();
    // the removed rows take their packages' stock items with them
    for (int r = 1; r < g.Rows(); ++r) Remove_PackageItems(cell(r, CA::Dept), cell(r, CA::ItemCode));
    while (g.Rows() > 2) g.RemoveItem(g.Rows() - 1);
    g.ClearRow(1, 0, g.Cols() - 1);
    EntryRowCount = 1;
    g.MoveTo(1, CA::Dept);
}

void frmCashAssessment::deleteCurrentRow()
{
    EntryGrid& g = *mshflexEntry;
    const int row = g.Row();
    if (row < 1) return;
    if (!QualifiedRow(row)) {
        MsgBox(QStringLiteral("Row cannot be deleted because there are no entries yet."), vbInformation, kCashNotice);
        return;
    }
    if (MsgBox(QStringLiteral("Are you sure to delete this entry?"), vbYesNo | vbQuestion, kCashConfirm) != vbYes) return;
    Remove_PackageItems(cell(row, CA::Dept), cell(row, CA::ItemCode));
    g.HideBox();
    if (g.Rows() > 2) g.RemoveItem(row);
    else g.ClearRow(row, CA::Dept, g.Cols() - 1);
    g.HideBox();
    for (int r = 1; r < g.Rows(); ++r) setCell(r, CA::Number, QString::number(r));
    EntryRowCount = g.Rows() - 1;
}

void frmCashAssessment::Command1_Click(int index)
{
    switch (index) {
    case 0:
        SaveAssessment();
        break;
    case 1:
        ignoreRows();
        break;
    case 2:
        if (MsgBox(QStringLiteral("Are you sure to leave Cash Assessment entry?"), vbYesNo | vbQuestion, kCashConfirm) == vbYes) close();
        break;
    case 3:
        LoadAssessments();
        break;
    case 4:
        deleteCurrentRow();
        break;
    case 5:
        viewPackages();
        break;
    default:
        break;
    }
}

void frmCashAssessment::setPatient(const PatientContext& patient)
{
    Patient = patient;
    ShowPatientInHeader({txtPatient, txtDoctor1, txtDoctor2, txtDoctor3, txtID, txtPno, txtDateAdmitted, txtDateDischarged, txtDob,
                         txtRoom, txtAge, txtSex, txtBloodType, txtStatus, txtAdiet, txtDiagnosis},
                        patient);
}
