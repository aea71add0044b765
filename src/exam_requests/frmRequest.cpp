#include "exam_requests/frmRequest.h"

#include "exam_requests/RequestEntryRow.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/orders/ExamOrderChecks.h"
#include "shared/orders/OrderRow.h"
#include "shared/orders/ProfileGrid.h"
#include "ordering/ExamOrdering.h"
#include "shared/WindowOpener.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The ordering opens the entry of a section with its caption and section code: shown modally, it
// writes its orders into the ordering's grid itself.
const bool kRequestEntryInstalled = [] {
    WindowOpener::install(QStringLiteral("frmRequest"), [](const PatientContext& patient, const QStringList& args) {
        frmRequest::instance()->setPatient(patient);
        frmRequest::OpenFor(args.value(1), args.value(0));
        if (frmRequest::isLoaded()) frmRequest::existing()->close();
    });
    return true;
}();
}

using namespace RequestEntryRow;

namespace {
// The grid's design width in twips; four columns take a thirteenth of it each.
constexpr int kGridWidth = 10400;
constexpr int kPart = kGridWidth / 13;

const QString kCodePrompt =
    QStringLiteral("Type the Examination Code or first few Letter(s) of the Examination name then press the <Enter> Key.");
}

frmRequest::frmRequest()
{
    setObjectName(QStringLiteral("frmRequest"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    fraMessage = new QGroupBox(QStringLiteral("Message"), this);
    lblMessage = new QLabel(fraMessage);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setWordWrap(true);
    (new QVBoxLayout(fraMessage))->addWidget(lblMessage);
    layout->addWidget(fraMessage);

    fraReq = new QGroupBox(this);
    mshflexEntry = new EntryGrid(fraReq);
    mshflexEntry->setObjectName(QStringLiteral("mshflexEntry"));
    txtEntry = mshflexEntry->txtEntry;
    (new QVBoxLayout(fraReq))->addWidget(mshflexEntry);
    layout->addWidget(fraReq, 1);

    mshflexProfileList = new FlexGrid(this);
    mshflexProfileList->setObjectName(QStringLiteral("mshflexProfileList"));
    SetUpProfileGrid(*mshflexProfileList);
    mshflexProfileList->hide();
    layout->addWidget(mshflexProfileList);

    auto* buttons = new QHBoxLayout;
    txtDept = new QLineEdit(this);
    txtDept->setObjectName(QStringLiteral("txtDept"));
    txtDept->setReadOnly(true);
    txtDept->setMaximumWidth(60);
    buttons->addWidget(txtDept);
    buttons->addStretch(1);
    const char* captions[] = {"&Accept", "&Delete", "&Exit"};
    const int order[] = {0, 2, 1};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(QString::fromLatin1(captions[i]), this);
        b->setAutoDefault(false);
        cmdOption[order[i]] = b;
        buttons->addWidget(b);
    }
    for (int i = 0; i < 3; ++i)
        connect(cmdOption[i], &QPushButton::clicked, this, [this, i] { cmdOption_Click(i); });
    layout->addLayout(buttons);

    // The entry grid: header, widths, the box's tables.
    EntryGrid& g = *mshflexEntry;
    g.setUpdatesEnabled(false);
    g.setRows(2);
    g.setFormatString(QStringLiteral(
        " |<CODE|<DESCRIPTION                                      |<QTY|<AMOUNT|<SECTION|STAT|<REMARKS"));
    g.setCols(ColumnCount);
    const int widths[] = {1, kPart, 4001, kPart, 1, kPart + 200, kPart, kPart + 2650};
    for (int c = 0; c < ColumnCount; ++c) g.setColWidth(c, c < 8 ? widths[c] : 0);
    g.setUpdatesEnabled(true);
    const int lengths[] = {0, 10, 45, 2, 6, 3, 1, 100};
    for (int c = 0; c < 8; ++c) g.setColumnMaxLength(c, lengths[c]);
    g.setColumnKeys(Qty, EntryGrid::Keys::Numeric);
    g.setColumnPrompt(Code, kCodePrompt);
    g.setColumnPrompt(Stat, QStringLiteral("Type [Y]-YES if the Examination is STAT and [N]-NO if it is ROUTINE."));
    g.setColumnPrompt(Remarks, QStringLiteral("Type additional Remarks."));
    g.setPromptLabel(lblMessage);
    g.EndLimitColumn = Remarks;
    g.AddRowBelowColumn = Remarks;
    g.F3LastClearedColumn = MaxQty;
    g.completeRule = [this](int row) {
        for (int c = Code; c <= Amount; ++c)
            if (cell(row, c).isEmpty()) return false;
        return true;
    };
    // A row without an exam can only be typed in its code cell.
    g.openRule = [this](int col, int row) { return col <= Code || !cell(row, Description).isEmpty(); };
    g.enteringCell = [this](int row, int) { setRowExemptions(row); };
    g.keyDown = KeyHandlerWithNotice([this](int key) { return EnterExamItem(key); });
    g.f3 = [this] {
        if (mshflexEntry->Row() >= 1) DeleteRow(mshflexEntry->Row());
    };
    g.WatchWindowKeys(this);
    g.setCurrentCell(1, Code);
    resize(800, 420);
}

int frmRequest::OpenFor(const QString& department, const QString& caption)
{
    frmRequest* w = instance();
    w->setWindowTitle(caption);
    w->txtDept->setText(department);
    w->Department = department;
    return runModal(w);
}

void frmRequest::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
    mshflexEntry_EnterCell();
}

QString frmRequest::dept() const { return Department.trimmed(); }
QString frmRequest::cell(int row, int col) const { return mshflexEntry->TextMatrix(row, col); }
void frmRequest::setCell(int row, int col, const QString& text) { mshflexEntry->setTextMatrix(row, col, text); }

void frmRequest::Form_Activate() { setRowExemptions(mshflexEntry->Row()); }

// Description, amount and section are never typed. The quantity is typed only in the sections
// that take one (laboratory, x-ray, ultrasound) and only for an exam whose largest quantity is
// above 1; the row's own exam decides, so each row keeps its own rule.
void frmRequest::setRowExemptions(int row)
{
    static const QStringList quantitySections = {QStringLiteral("LB"), QStringLiteral("XR"), QStringLiteral("US")};
    const bool quantityOpen = quantitySections.contains(dept()) && row >= 1 && row < mshflexEntry->Rows()
                              && cell(row, MaxQty).toDouble() > 1;
    QVector<int>& table = mshflexEntry->ExemptColumnTable;
    table[0] = Description;
    if (quantityOpen) {
        table[1] = Amount;
        table[2] = Section;
        table[3] = 0;
    } else {
        table[1] = Qty;
        table[2] = Amount;
        table[3] = Section;
    }
}

void frmRequest::PutTextBox(int col, int row) { mshflexEntry->PutTextBox(col, row); }
bool frmRequest::ExcemptCol(int col) const { return mshflexEntry->ExcemptCol(col); }
bool frmRequest::CompleteRow(int row) const { return mshflexEntry->CompleteRow(row); }
bool frmRequest::AddRow(int row) { return mshflexEntry->AddRow(row); }
bool frmRequest::QualifiedRow(int row) const { return mshflexEntry->QualifiedRow(row); }
void frmRequest::mshflexEntry_EnterCell() { mshflexEntry->EnterCell(); }

void frmRequest::forgetProfile(const QString& code)
{
    if (!code.trimmed().isEmpty()) ClearProfileExams(code, *mshflexProfileList);
}

void frmRequest::DeleteRow(int row)
{
    forgetProfile(cell(row, Code));
    mshflexEntry->DeleteRow(row);
}

bool frmRequest::Check_Code(const QString& code) const
{
    const QString wanted = code.trimmed();
    if (wanted.isEmpty()) return false;
    for (int r = 1; r < mshflexEntry->Rows(); ++r)
        if (r != mshflexEntry->Row() && cell(r, Code).trimmed() == wanted) return true;
    return false;
}

bool frmRequest::IsInOrdersList(const QString& code) const
{
    const FlexGrid& orders = *ExamOrdering::instance().controls().orders;
    const QString department = txtDept->text().trimmed(), wanted = code.trimmed();
    for (int r = 1; r < orders.Rows(); ++r)
        if (orders.TextMatrix(r, OrderRow::Dept).trimmed() == department
            && orders.TextMatrix(r, OrderRow::Code).trimmed() == wanted)
            return true;
    return false;
}

void frmRequest::cmdOption_Click(int index)
{
    switch (index) {
    case 0:
        accept_();
        break;
    case 1:
        reject();
        break;
    case 2:
        delete_();
        break;
    default:
        break;
    }
}

// Only complete rows go to the workspace, and only the members of the profiles among them.
void frmRequest::accept_()
{
    const ExamOrdering::Controls& ws = ExamOrdering::instance().controls();
    FlexGrid& orders = *ws.orders;
    QStringList accepted;
    for (int r = 1; r < mshflexEntry->Rows(); ++r) {
        if (!CompleteRow(r)) continue;
        int target = 1;
        if (!orders.TextMatrix(1, OrderRow::Dept).isEmpty()) {
            orders.setRows(orders.Rows() + 1);
            target = orders.Rows() - 1;
        }
        orders.setTextMatrix(target, OrderRow::Dept, txtDept->text().trimmed());
        for (int c = Code; c <= Remarks; ++c) orders.setTextMatrix(target, OrderRow::Code + c - Code, cell(r, c));
        for (int c = OrderRow::List; c <= OrderRow::Index; ++c) orders.setTextMatrix(target, c, QString());
        for (int c = Specimen; c <= ReasonOfProcedure; ++c)
            orders.setTextMatrix(target, OrderRow::Specimen + c - Specimen, cell(r, c));
        accepted << cell(r, Code).trimmed();
    }
    FlexGrid& profiles = *ws.profiles;
    for (int p = 1; p < mshflexProfileList->Rows(); ++p) {
        if (mshflexProfileList->TextMatrix(p, ProfileRow::ExamID).isEmpty()) continue;
        if (!accepted.contains(mshflexProfileList->TextMatrix(p, ProfileRow::ProfileID).trimmed())) continue;
        int target = 1;
        if (!profiles.TextMatrix(1, ProfileRow::ExamID).isEmpty()) {
            profiles.setRows(profiles.Rows() + 1);
            target = profiles.Rows() - 1;
        }
        for (int c = ProfileRow::ExamID; c <= ProfileRow::ProfileName; ++c)
            profiles.setTextMatrix(target, c, mshflexProfileList->TextMatrix(p, c));
    }
    // The codes last chosen in the remarks go with the workspace's next order save.
    if (ws.patient) {
        ws.patient->TransplantID = Patient.TransplantID;
        ws.patient->DialysisID = Patient.DialysisID;
    }
    accept();
}

void frmRequest::delete_()
{
    const int row = mshflexEntry->Row();
    if (row < 1) return;
    if (!QualifiedRow(row)) {
        MsgBox(QStringLiteral("Row cannot be deleted because there are no entries yet."), vbInformation,
               QStringLiteral("Notification"));
        return;
    }
    if (MsgBox(QStringLiteral("Are you sure to delete the request?"), vbYesNo | vbQuestion, QStringLiteral("Confirmation"))
        != vbYes)
        return;
    forgetProfile(cell(row, Code));
    mshflexEntry->HideBox();
    if (mshflexEntry->Rows() > 2)
        mshflexEntry->RemoveItem(row);
    else
        mshflexEntry->ClearRow(row, Code, MaxQty);
    mshflexEntry->HideBox();
}
