#include "assessment/frmAssessmentClinical.h"

#include "assessment/ClinicalAssessmentData.h"
#include "assessment/frmCdfViewing.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/EntryWindowParts.h"
#include "shared/PatientHeaderFrame.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/text/TypedNumbers.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace CR = ClinicalRow;

namespace {
const QString kClinicalWindowNotice = QStringLiteral("Notification");
}

frmAssessmentClinical::frmAssessmentClinical()
{
    setObjectName(QStringLiteral("frmAssessmentClinical"));
    setWindowTitle(QStringLiteral("Assessment Entry For Clinical Department"));
    auto* outer = new QVBoxLayout(this);

    auto* frame3 = MakePatientHeaderFrame(this, {&txtPatient, &txtDoctor1, &txtDoctor2, &txtDoctor3, &txtID, &txtPno, &txtDateAdmitted,
                                                 &txtDateDischarged, &txtDob, &txtRoom, &txtAge, &txtSex, &txtBloodType, &txtStatus,
                                                 &txtAdiet, &txtDiagnosis});
    auto* header = static_cast<QGridLayout*>(frame3->layout());
    lblDeptCode = new QLabel(frame3);
    lblDeptCode->setObjectName(QStringLiteral("lblDeptCode"));
    header->addWidget(lblDeptCode, 4, 0);
    outer->addWidget(frame3);

    auto* middle = new QHBoxLayout;
    auto* Frame1 = new QGroupBox(QStringLiteral("Department Codes"), this);
    auto* f1 = new QVBoxLayout(Frame1);
    lvwDepartments = new QTreeWidget(Frame1);
    lvwDepartments->setObjectName(QStringLiteral("lvwDepartments"));
    lvwDepartments->setHeaderLabels({QStringLiteral("Code"), QStringLiteral("Department")});
    lvwDepartments->setRootIsDecorated(false);
    f1->addWidget(lvwDepartments);
    middle->addWidget(Frame1);

    auto* fraCharges = new QGroupBox(this);
    auto* fc = new QVBoxLayout(fraCharges);
    mshflexEntry = new EntryGrid(fraCharges);
    mshflexEntry->setObjectName(QStringLiteral("mshflexEntry"));
    txtEntry = mshflexEntry->txtEntry;
    fc->addWidget(mshflexEntry);
    fraMessage = new QGroupBox(QStringLiteral("Message"), fraCharges);
    auto* fm = new QVBoxLayout(fraMessage);
    lblMessage = new QLabel(fraMessage);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    fm->addWidget(lblMessage);
    fc->addWidget(fraMessage);
    middle->addWidget(fraCharges, 1);

    auto* side = new QVBoxLayout;
    const char* captions[] = {"&Save", "&Ignore", "E&xit", "Refresh", "&Delete"};
    for (int b = 0; b < 5; ++b) {
        auto* button = new QPushButton(QString::fromLatin1(captions[b]), this);
        button->setObjectName(QStringLiteral("Command1_%1").arg(b));
        button->setAutoDefault(false);
        Command1[b] = button;
        side->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, b] { Command1_Click(b); });
    }
    cmdCDF = new QPushButton(QStringLiteral("CDF"), this);
    cmdCDF->setObjectName(QStringLiteral("cmdCDF"));
    cmdCDF->setEnabled(false);
    side->addWidget(cmdCDF);
    side->addStretch(1);
    middle->addLayout(side);
    outer->addLayout(middle, 1);

    fraList = new QGroupBox(QStringLiteral("List of Assessment"), this);
    auto* fl = new QVBoxLayout(fraList);
    MSHFlexList = new FlexGrid(fraList);
    MSHFlexList->setObjectName(QStringLiteral("MSHFlexList"));
    MSHFlexList->setSelectionBehavior(QAbstractItemView::SelectRows);
    txtMessage = new QLineEdit(QStringLiteral("No Assessment Entered"), fraList);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setReadOnly(true);
    txtMessage->setAlignment(Qt::AlignCenter);
    fl->addWidget(MSHFlexList);
    fl->addWidget(txtMessage);
    auto* options = new QHBoxLayout;
    lblNote = new QLabel(QStringLiteral("Note  :  To cancel assessment, click on the list of cash assessment entered.Use the Arrow Keys "
                                        "to choose and then press the Enter Key or Double Click the Assessment.."),
                         fraList);
    lblNote->setWordWrap(true);
    options->addWidget(lblNote, 1);
    const char* optionCaptions[] = {"Reprint", "Revoke"};
    for (int o = 0; o < 2; ++o) {
        cmdOption[o] = new QPushButton(QString::fromLatin1(optionCaptions[o]), fraList);
        cmdOption[o]->setObjectName(QStringLiteral("cmdOption_%1").arg(o));
        cmdOption[o]->setAutoDefault(false);
        cmdOption[o]->setEnabled(false);
        options->addWidget(cmdOption[o]);
        connect(cmdOption[o], &QPushButton::clicked, this, [this, o] { cmdOption_Click(o); });
    }
    fl->addLayout(options);
    outer->addWidget(fraList, 1);

    connect(cmdCDF, &QPushButton::clicked, this, [this] {
        frmCdfViewing cdf(this);
        cdf.ShowModal();
    });
    connect(MSHFlexList, &QTableWidget::cellClicked, this, &frmAssessmentClinical::MSHFlexList_Click);
    connect(MSHFlexList, &QTableWidget::cellDoubleClicked, this, &frmAssessmentClinical::MSHFlexList_DblClick);

    // The entry grid's tables and hooks.
    EntryGrid& g = *mshflexEntry;
    g.setColumnMaxLength(CR::Dept, 3);
    g.setColumnMaxLength(CR::ItemCode, 8);
    g.setColumnMaxLength(CR::Description, 35);
    g.setColumnKeys(CR::Qty, EntryGrid::Keys::Numeric);
    BoundEntryNumbers(g, CR::Qty, CR::UnitPrice, CR::Amount);
    g.setColumnPrompt(CR::Dept, QStringLiteral("Type the Department Code.(See Department Codes for the list)"));
    g.setColumnPrompt(CR::ItemCode, QStringLiteral("Type the Service Code or First letters of Service Name then Press the <Enter> Key."));
    g.setColumnPrompt(CR::Qty, QStringLiteral("Type quantity to charge."));
    g.setColumnPrompt(CR::Amount, QStringLiteral("Type the total amount to charge."));
    g.setPromptLabel(lblMessage, EntryGrid::PromptMode::OnPlaceKeepOthers);
    g.AddRowBelowColumn = 8;
    g.completeRule = [this](int row) { return CompleteRow(row); };
    g.openRule = [this](int col, int row) { return boxMayOpen(col, row); };
    g.enteringCell = [this](int row, int) { enteringCell(row); };
    g.rowAdded = [this](int row) {
        ++EntryRowCount;
        setCell(row, CR::Number, QStringLiteral(" ") + QString::number(EntryRowCount));
    };
    g.keyDown = KeyHandlerWithNotice([this](int key) { return txtEntry_KeyDown(key); });
    g.f3 = [this] { DeleteRow(mshflexEntry->Row()); };
    g.WatchWindowKeys(this);

    resize(1000, 700);
    Form_Load();
}

QString frmAssessmentClinical::cell(int row, int col) const { return mshflexEntry->TextMatrix(row, col); }
void frmAssessmentClinical::setCell(int row, int col, const QString& text) { mshflexEntry->setTextMatrix(row, col, text); }
QString frmAssessmentClinical::dept(int row) const { return cell(row, CR::Dept).trimmed(); }

void frmAssessmentClinical::Form_Load()
{
    DialogAnswers.SlipNumberTaken = false;
    EntryGrid& g = *mshflexEntry;
    txtEntry->clear();
    DialogAnswers.resetRequestingDoctor();
    EntryRowCount = 1;
    g.HideBox();
    g.setUpdatesEnabled(false);
    g.setRows(1);
    g.setRows(2);
    g.setFormatString(QStringLiteral("<# |<Dept.Code|<Item Code|< Item   Description    |<Quantity |<Unit Price|<Amount "));
    g.setCols(CR::ColumnCount);
    for (int c = 1; c < CR::ColumnCount; ++c) setCell(1, c, QString());
    setCell(1, CR::Number, QStringLiteral(" 1"));
    g.setColWidth(CR::Qty, 1000);
    g.setColWidth(CR::Number, 450);
    g.setColWidth(CR::Dept, 2 * 450 - 300 + 400);
    g.setColWidth(CR::ItemCode, 2 * 450 - 300 + 400);
    g.setColWidth(CR::Description, 4 * 1000);
    LoadHospitalInfo();
    const bool showAmount = Session.HospitalInfo.IsShowAmount;
    g.setColWidth(CR::UnitPrice, showAmount ? 1000 : 0);
    g.setColWidth(CR::Amount, showAmount ? 1000 : 0);
    for (int c = CR::Location; c <= 10; ++c) g.setColWidth(c, 0);
    for (int c = CR::PSIMark; c <= CR::Remarks; ++c) g.setColWidth(c, 0);
    g.setUpdatesEnabled(true);
    MSHFlexList->setEnabled(false);
    g.MoveTo(1, CR::Dept);
}

void frmAssessmentClinical::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Form_Activate();
    mshflexEntry->EnterCell();
}

bool frmAssessmentClinical::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && isVisible()) Form_Activate();
    return QWidget::event(e);
}

void frmAssessmentClinical::Form_Activate() { LoadAssessmentStatus(); }

void frmAssessmentClinical::LoadAssessmentStatus()
{
    FlexGrid& l = *MSHFlexList;
    l.clear();
    l.setRows(2);
    l.setCols(13);
    const int widths[] = {1, 1000, 2500, 1000, 1000, Session.HospitalInfo.IsShowAmount ? 3000 : 0, 1000, 1000, 2500, 1000, 1000, 1000, 0};
    for (int c = 0; c < 13; ++c) l.setColWidth(c, widths[c]);
    int lines = 0;
    try {
        const Recordset rs = ClinicalAssessmentStatus(SharedConnection(), txtID->text());
        const int fields = qMin(rs.fieldCount(), 12);
        for (int f = 0; f < fields; ++f) l.setTextMatrix(0, f + 1, rs.fieldName(f));
        lines = rs.recordCount();
        l.setRows(lines + 1 < 2 ? 1 : lines + 1);
        for (int r = 0; r < lines; ++r)
            for (int f = 0; f < fields; ++f) l.setTextMatrix(r + 1, f + 1, DbValue::text(rs.valueAt(r, f)));
    } catch (const std::exception& e) {
        l.setRows(1);
        ShowErrorNotice(e);
    }
    if (lines == 0) {
        txtMessage->show();
        l.setEnabled(false);
        return;
    }
    txtMessage->hide();
    l.setEnabled(true);
    cmdOption[1]->setVisible(true);
    l.setCurrentCell(1, 1);
}

void frmAssessmentClinical::MSHFlexList_Click()
{
    if (MSHFlexList->Rows() < 2) return;
    cmdOption[0]->setEnabled(Session.HospitalInfo.IsPrintChargeSlip);
    cmdOption[1]->setEnabled(true);
}

// ---- grid routines ----

void frmAssessmentClinical::enteringCell(int row)
{
    QVector<int>& t = mshflexEntry->ExemptColumnTable;
    t = QVector<int>(8, 0);
    t[1] = CR::Description;
    t[2] = CR::Amount;
    const bool priceOpen = row >= 1 && row < mshflexEntry->Rows() && (dept(row) == QLatin1String("MD") || Session.AllowEditAmount);
    t[3] = priceOpen ? 0 : int(CR::UnitPrice);
}

bool frmAssessmentClinical::boxMayOpen(int col, int row) const
{
    if (cell(row, CR::Dept).isEmpty() && col > CR::Dept) return false;
    if (cell(row, CR::Description).isEmpty() && col > CR::Description) return false;
    return true;
}

// Columns 1, 2, 4, 5 and 6 filled; a doctor's row also needs a fee above 0.
bool frmAssessmentClinical::CompleteRow(int row) const
{
    if (row < 1 || row >= mshflexEntry->Rows()) return false;
    for (int c : {CR::Dept, CR::ItemCode, CR::Qty, CR::UnitPrice, CR::Amount})
        if (cell(row, c).isEmpty()) return false;
    if (dept(row) == QLatin1String("MD") && ClinicalCellNumber(cell(row, CR::Amount)) <= 0) return false;
    return true;
}

bool frmAssessmentClinical::AddRow(int row) { return mshflexEntry->AddRow(row); }

void frmAssessmentClinical::DeleteRow(int row)
{
    EntryGrid& g = *mshflexEntry;
    if (row < 1) return;
    g.HideBox();
    if (row == 1 && g.Rows() == 2) {
        g.ClearRow(1, 0, g.Cols() - 1);
    } else if (row == 1) {
        g.ClearRow(1, 0, g.Cols() - 1);
    } else {
        g.RemoveItem(row);
        --EntryRowCount;
    }
    const int last = g.Rows() - 1;
    txtEntry->setText(cell(last, CR::Dept));
    g.MoveTo(last, CR::Dept);
}

bool frmAssessmentClinical::CheckDepartment(const QString& code) const { return DepartmentListed(lvwDepartments, code); }

bool frmAssessmentClinical::Check_Code(const QString& code) const
{
    const int current = mshflexEntry->Row();
    for (int r = 1; r < mshflexEntry->Rows(); ++r)
        if (r != current && dept(r) == dept(current) && cell(r, CR::ItemCode).trimmed() == code.trimmed()) return true;
    return false;
}

bool frmAssessmentClinical::QualifiedRow(int row) const { return mshflexEntry->QualifiedRow(row); }

double frmAssessmentClinical::GetPFAmountByClass(const QString& itemCode) const
{
    return ClinicalPFAmountByClass(SharedConnection(), txtID->text(), txtRoom->text(), itemCode);
}

// ---- buttons ----

void frmAssessmentClinical::ignoreRows()
{
    EntryGrid& g = *mshflexEntry;
    g.HideBox();
    while (g.Rows() > 2) {
        g.RemoveItem(g.Rows() - 1);
        --EntryRowCount;
    }
    g.ClearRow(1, 0, g.Cols() - 1);
    txtEntry->clear();
    g.MoveTo(1, CR::Dept);
}

void frmAssessmentClinical::deleteCurrentRow()
{
    EntryGrid& g = *mshflexEntry;
    const int row = g.Row();
    if (row < 1 || !QualifiedRow(row)) {
        MsgBox(QStringLiteral("Row can not be deleted because there are no entries yet."), vbInformation, kClinicalWindowNotice);
        return;
    }
    if (MsgBox(QStringLiteral("Are you sure to delete this item?"), vbYesNo | vbQuestion, QStringLiteral("Confirmation")) != vbYes) return;
    if (g.Rows() > 2) {
        g.HideBox();
        g.RemoveItem(row);
        --EntryRowCount;
    } else {
        txtEntry->clear();
        g.ClearRow(row, 1, g.Cols() - 1);
    }
    g.HideBox();
    for (int r = 1; r < g.Rows(); ++r) setCell(r, CR::Number, QString::number(r));
}

void frmAssessmentClinical::Command1_Click(int index)
{
    switch (index) {
    case 0:
        SaveClinicalAssessment();
        break;
    case 1:
        ignoreRows();
        break;
    case 2:
        close();
        break;
    case 3:
        LoadAssessmentStatus();
        break;
    case 4:
        deleteCurrentRow();
        break;
    default:
        break;
    }
}

void frmAssessmentClinical::setPatient(const PatientContext& patient)
{
    Patient = patient;
    ShowPatientInHeader({txtPatient, txtDoctor1, txtDoctor2, txtDoctor3, txtID, txtPno, txtDateAdmitted, txtDateDischarged, txtDob,
                         txtRoom, txtAge, txtSex, txtBloodType, txtStatus, txtAdiet, txtDiagnosis},
                        patient);
}
