#include "returns/frmReturn.h"

#include "platform/text/AdmissionNumber.h"
#include "access/ActionApproval.h"
#include "access/UserValidation.h"
#include "components/Drugs.h"
#include "components/StationComponents.h"
#include "components/login/clsCurrentuser.h"
#include "platform/db/Connection.h"
#include "platform/text/Format.h"
#include "platform/text/NumberRange.h"
#include "platform/text/Twips.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "returns/FirstLoad.h"
#include "returns/ReturnPosting.h"
#include "returns/frmListPosted.h"
#include "shared/clsParameters.h"
#include "shared/lookups/AccountChecks.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/modReports.h"
#include "shared/text/ColumnFit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString kReturnNotice = QStringLiteral("Notification");
const QString kReturnConfirm = QStringLiteral("Confirmation");
const QString kReturnTooMany = QStringLiteral("Quantity returned is greater than quantity issued.");
// What the returned-quantity box takes (five characters); the issued quantity bounds it further.
const NumberRange kReturnedRange{QStringLiteral("Quantity returned"), 0, 99999, 2};
constexpr int kReturnGridTwips = 11400;

// A line's amount as the grid shows and posts it: money in two decimals, as the total sums it.
QString returnAmountText(double v) { return Fmt::number(v, QStringLiteral("0.00")); }
}

frmReturn::frmReturn(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmReturn"));
    setWindowTitle(QStringLiteral("Post Returned Medicines"));
    auto* root = new QVBoxLayout(this);

    fraPatInfo = new QGroupBox(QStringLiteral("Patient Information"), this);
    auto* head = new QGridLayout(fraPatInfo);
    const QStringList captions{QStringLiteral("&Admission No."), QStringLiteral("Hospital No."), QStringLiteral("Station"),
                               QStringLiteral("Name"),           QStringLiteral("Room No."),    QStringLiteral("Doctor"),
                               QStringLiteral("Credit Memo"),    QStringLiteral("Total Charges")};
    for (int i = 0; i < 8; ++i) Label1[i] = new QLabel(captions[i], fraPatInfo);
    Label1[10] = new QLabel(QStringLiteral("Age"), fraPatInfo);
    Label1[12] = new QLabel(QStringLiteral("Sex"), fraPatInfo);
    for (int i = 0; i < 10; ++i) {
        lblPatInfo[i] = new QLabel(QStringLiteral(" "), fraPatInfo);
        lblPatInfo[i]->setFrameShape(QFrame::Panel);
        lblPatInfo[i]->setFrameShadow(QFrame::Sunken);
    }
    // caption, value label: admission, name, credit memo / hospital no., doctor, total / room, station, age, sex
    const int layout[][2] = {{0, 9}, {3, 2}, {6, 5}, {1, 0}, {5, 3}, {7, 6}, {4, 4}, {2, 1}, {10, 7}, {12, 8}};
    for (int i = 0; i < 10; ++i) {
        const int line = i < 3 ? 0 : i < 6 ? 1 : 2, pos = i < 3 ? i : i < 6 ? i - 3 : i - 6;
        head->addWidget(Label1[layout[i][0]], line, pos * 2);
        head->addWidget(lblPatInfo[layout[i][1]], line, pos * 2 + 1);
    }
    root->addWidget(fraPatInfo);

    fraList = new QGroupBox(QStringLiteral("&List of Requests"), this);
    auto* listLayout = new QVBoxLayout(fraList);
    flexMSEntry = new EntryGrid(fraList);
    flexMSEntry->setObjectName(QStringLiteral("flexMSEntry"));
    txtEntry = flexMSEntry->txtEntry;
    cmdEntry = new QPushButton(QStringLiteral("..."), flexMSEntry->viewport());
    cmdEntry->setObjectName(QStringLiteral("cmdEntry"));
    cmdEntry->hide();
    UpDown = new QWidget(flexMSEntry->viewport());
    UpDown->setObjectName(QStringLiteral("UpDown"));
    auto* ud = new QVBoxLayout(UpDown);
    ud->setContentsMargins(0, 0, 0, 0);
    ud->setSpacing(0);
    UpDownUp = new QToolButton(UpDown);
    UpDownUp->setArrowType(Qt::UpArrow);
    UpDownDown = new QToolButton(UpDown);
    UpDownDown->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {UpDownUp, UpDownDown}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        ud->addWidget(b);
    }
    UpDown->setFixedWidth(18);
    UpDown->hide();
    cmdEntry->setFixedWidth(24);
    listLayout->addWidget(flexMSEntry);
    Label1[0]->setBuddy(flexMSEntry); // its "&" is a mnemonic, not a character
    root->addWidget(fraList, 1);

    auto* buttons = new QHBoxLayout;
    cmdPrintSave = new QPushButton(QStringLiteral("&Post"), this);
    cmdPrintSave->setToolTip(QStringLiteral("Print/Save Entry"));
    cmdSave = new QPushButton(QStringLiteral("&Save"), this);
    cmdSave->setToolTip(QStringLiteral("Save Entry"));
    cmdSave->hide();
    cmdSave->setEnabled(false);
    cmdClearRow = new QPushButton(QStringLiteral("&Clear Row"), this);
    cmdClearRow->setToolTip(QStringLiteral("Cancel Request"));
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setToolTip(QStringLiteral("Close this Window"));
    cmdPosted = new QPushButton(QStringLiteral("&List of Posted Medicines"), this);
    cmdPosted->setToolTip(QStringLiteral("Posted Mediciines"));
    for (QPushButton* b : {cmdPrintSave, cmdClearRow, cmdClose, cmdPosted}) b->setAutoDefault(false);
    buttons->addWidget(cmdPosted);
    buttons->addStretch();
    buttons->addWidget(cmdPrintSave);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClearRow);
    buttons->addWidget(cmdClose);
    root->addLayout(buttons);

    mshflexReturnDrugs = new FlexGrid(this);
    mshflexReturnDrugs->setFixedCols(0);
    mshflexReturnDrugs->hide();

    // The grid's tables: the box stands over the code (with the pick button), the quantity
    // returned (with the up-down) and the remark.
    flexMSEntry->setFixedCols(0);
    flexMSEntry->ExemptColumnTable = {2, 3, 5, 6, 8, 9, 10, 11, 0};
    flexMSEntry->ExemptSearched = 9;
    flexMSEntry->setColumnMaxLength(QtyIssued, 8);
    flexMSEntry->setColumnMaxLength(QtyReturned, 5);
    flexMSEntry->setColumnKeys(Code, EntryGrid::Keys::None);
    flexMSEntry->setColumnKeys(QtyReturned, EntryGrid::Keys::Numeric);
    flexMSEntry->NumericChars = QStringLiteral("0123456789.");
    flexMSEntry->setColumnKeys(Remarks, EntryGrid::Keys::Upper);
    // the row's remark goes with the return's request record
    flexMSEntry->setColumnMaxLength(Remarks, ColumnRoom(QStringLiteral("STATION..TBNURSECOMMUNICATIONFILE"), QStringLiteral("Remarks")));
    flexMSEntry->setColumnSideWidget(Code, cmdEntry);
    flexMSEntry->setColumnSideWidget(QtyReturned, UpDown);
    flexMSEntry->SwallowApostrophe = false; // the remark is sent bound, an apostrophe and all
    flexMSEntry->AddRowBelowColumn = 0;     // thirty rows, never more
    flexMSEntry->f3 = {};
    flexMSEntry->completeRule = [this](int row) { return CompleteRow(row); };
    flexMSEntry->keyDown = [this](int key) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            CommitCell();
            return true;
        }
        return false;
    };
    // Scrolling keeps a typed quantity, under the same check as Enter.
    flexMSEntry->userScrolling = [this] {
        if (flexMSEntry->Col() == QtyReturned && flexMSEntry->Row() >= 1) StoreQuantity(flexMSEntry->Row(), txtEntry->text(), false);
    };
    connect(flexMSEntry, &QTableWidget::currentCellChanged, this, [this] { SetButtons(); });
    txtEntry->installEventFilter(this);

    connect(cmdEntry, &QPushButton::clicked, this, [this] { cmdEntry_Click(); });
    connect(UpDownUp, &QToolButton::clicked, this, [this] { UpDown_UpClick(); });
    connect(UpDownDown, &QToolButton::clicked, this, [this] { UpDown_DownClick(); });
    connect(cmdPrintSave, &QPushButton::clicked, this, [this] { cmdPrintSave_Click(); });
    connect(cmdClearRow, &QPushButton::clicked, this, [this] { cmdClearRow_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    connect(cmdPosted, &QPushButton::clicked, this, [this] { cmdPosted_Click(); });
    resize(TwipsToPixels(kReturnGridTwips + 900), TwipsToPixels(7800));
}

void frmReturn::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    RunFirstLoad(m_loaded, [this] { Form_Load(); });
}

QString frmReturn::stockLocation() const { return ReturnPosting::Location(m_isCSRMode); }

void frmReturn::Form_Load()
{
    ReturnValidated = ReturnWritten = ReturnPosted = false;
    const QString kind = m_isCSRMode ? QStringLiteral("Supplies") : QStringLiteral("Medicines");
    if (m_returnOrAdjustment == 1) setWindowTitle(QStringLiteral("Post Returned ") + kind);
    else if (m_returnOrAdjustment == 2) setWindowTitle(QStringLiteral("Adjust Posted ") + kind);
    if (m_inOrOut == 1) Label1[0]->setText(QStringLiteral("Admission No."));
    else if (m_inOrOut == 2) Label1[0]->setText(QStringLiteral("OPD No."));
    cmdPosted->setText(QStringLiteral("List of Posted ") + kind);

    flexMSEntry->clear();
    flexMSEntry->setRows(EntryRows + 1);
    flexMSEntry->setFormatString(QStringLiteral("<Charge Slip |<Code |<Product Description |<Qty. Issued |<Qty. Returned|<Stock |<Amount |"
                                                "<Remarks/Reason||||"));
    const int u = qRound(kReturnGridTwips / 16.0);
    const int widths[] = {2 * u - 150, u + 400, 5 * u, 2 * u - 150, 2 * u + 100, 2 * u - 500, 2 * u, 4 * u + 1700, 0, 0, 0, 0};
    for (int c = 0; c < 12; ++c) flexMSEntry->setColWidth(c, widths[c]);
    for (int c = Price; c <= Unused11; ++c) flexMSEntry->setColumnHidden(c, true);
    flexMSEntry->setEnabled(false);
    FillReturnPrintGrid();

    if (!m_patientID.isEmpty() && Session.PatientRecord && Session.PatientRecord->LoadInfo(m_patientID.trimmed())) {
        const Patient& p = *Session.PatientRecord;
        lblPatInfo[0]->setText(QLatin1Char(' ') + p.HospitalNumber);
        lblPatInfo[1]->setText(QLatin1Char(' ') + p.StationID + QStringLiteral(" - ") + p.Station);
        lblPatInfo[2]->setText(QLatin1Char(' ') + p.PatientName);
        lblPatInfo[3]->setText(QLatin1Char(' ') + p.Doctor);
        lblPatInfo[4]->setText(QLatin1Char(' ') + p.RoomNumber);
        lblPatInfo[7]->setText(QLatin1Char(' ') + p.Age);
        lblPatInfo[8]->setText(QLatin1Char(' ') + p.Sex.left(1));
        lblPatInfo[9]->setText(QLatin1Char(' ') + p.AdmissionNumber);
        if (Session.DrugCatalog)
            lblPatInfo[5]->setText(QLatin1Char(' ') + (m_returnOrAdjustment == 1 ? Session.DrugCatalog->CurrentCreditMemo()
                                                                                   : Session.DrugCatalog->CurrentAdjustmentSlip()));
        flexMSEntry->setEnabled(true);
        for (int r = 1; r <= EntryRows; ++r)
            for (int c = 0; c < 12; ++c) flexMSEntry->setTextMatrix(r, c, QString());
        flexMSEntry->HideBox();
        flexMSEntry->setCurrentCell(1, Code);
        ReturnWritten = ReturnPosted = false;
    }
    cmdPrintSave->setEnabled(false);
    cmdSave->setEnabled(false);
    cmdClearRow->setEnabled(false);
}

QString frmReturn::cell(int row, int col) const { return flexMSEntry->TextMatrix(row, col); }
void frmReturn::setCell(int row, int col, const QString& text) { flexMSEntry->setTextMatrix(row, col, text); }

bool frmReturn::CompleteRow(int row) const
{
    return Fmt::val(cell(row, QtyReturned)) > 0 && Fmt::val(cell(row, Amount)) > 0 && !cell(row, Code).trimmed().isEmpty() &&
        !cell(row, ChargeSlip).trimmed().isEmpty();
}

bool frmReturn::HasCompleteRow() const
{
    for (int r = 1; r <= EntryRows && r < flexMSEntry->Rows(); ++r)
        if (CompleteRow(r)) return true;
    return false;
}

bool frmReturn::IsBlankRow(int row) const
{
    for (int c = 1; c < 12; ++c)
        if (!cell(row, c).trimmed().isEmpty()) return false;
    return true;
}

QString frmReturn::TotalAmount() const
{
    double sum = 0;
    for (int r = 1; r <= EntryRows && r < flexMSEntry->Rows(); ++r) sum += Fmt::val(cell(r, Amount));
    return returnAmountText(sum);
}

int frmReturn::Check_Code(const QString& code, const QString& chargeSlip) const
{
    for (int r = 1; r <= EntryRows && r < flexMSEntry->Rows(); ++r)
        if (cell(r, ChargeSlip).trimmed() == chargeSlip.trimmed() && cell(r, Code).trimmed() == code.trimmed()) return r;
    return 0;
}

void frmReturn::SetButtons()
{
    const bool complete = HasCompleteRow();
    cmdPrintSave->setEnabled(complete);
    cmdSave->setEnabled(complete);
    const int row = flexMSEntry->Row();
    cmdClearRow->setEnabled(row >= 1 && row <= EntryRows && !IsBlankRow(row));
}

QString frmReturn::GetActualAmount(const QString& chargeSlip, const QString& itemID)
{
    QString result = QStringLiteral("0");
    try {
        const Recordset rs = SharedConnection().call(QStringLiteral("INVENTORY..Pharma_GetActualAmount"), {chargeSlip, itemID});
        if (!rs.isEmpty()) result = QString::number(rs.toDouble(QStringLiteral("Amount")), 'f', 12);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    return result;
}

void frmReturn::PickIssuedItem()
{
    const int row = flexMSEntry->Row();
    if (row < 1 || row > EntryRows || !Session.DrugCatalog || !Session.IssuedMedicineList) return;
    const QString id = m_patientID.trimmed();
    QString code = txtEntry->text().trimmed();
    const QString ownSlip = cell(row, ChargeSlip).trimmed();
    // A row that holds an item keeps its own slip and issued quantity.
    if (!code.isEmpty() && !ownSlip.isEmpty() && code == cell(row, Code).trimmed()) {
        flexMSEntry->MoveTo(row, QtyReturned);
        return;
    }
    try {
        if (!code.isEmpty() && Session.DrugCatalog->QuantityIssued(id, code) == 0)
            MsgBox(QStringLiteral("That medicine was not posted to the patient."), vbOKOnly | vbInformation, kReturnNotice);
        clsIssuedMedicines& list = *Session.IssuedMedicineList;
        QString slip;
        if (ownSlip.isEmpty()) {
            list.DrugsORCSR = !m_isCSRMode;
            code = list.ListIssuedbyDrugs(id, m_isCSRMode ? QStringLiteral("List of Issued Supplies") : QStringLiteral("List of Issued Medicines"))
                       .trimmed();
            slip = list.Chargeslip;
        } else {
            list.DrugsORCSR = !m_isCSRMode;
            code = list.ShowList(id, ownSlip, lblPatInfo[2]).trimmed();
            slip = ownSlip;
        }
        if (code.isEmpty()) {
            flexMSEntry->MoveTo(row, Code);
            return;
        }
        const int found = Check_Code(code, slip);
        if (found != 0 && found != row) {
            MsgBox(QStringLiteral("Drug code is already in line ") + QString::number(found) + QStringLiteral("."), vbOKOnly | vbInformation,
                   kReturnNotice);
            flexMSEntry->MoveTo(row, Code);
            return;
        }
        if (found == row) {
            flexMSEntry->MoveTo(row, QtyReturned);
            return;
        }
        if (!Session.DrugCatalog->SearchDrug(code, stockLocation())) {
            flexMSEntry->MoveTo(row, Code);
            return;
        }
        const DrugItem& item = Session.DrugCatalog->Drug;
        setCell(row, ChargeSlip, slip);
        setCell(row, Code, code);
        setCell(row, Description, item.DrugName + QLatin1Char(' ') + item.Description);
        setCell(row, Stock, QString::number(item.Invent.StockOnHand));
        setCell(row, Price, QString::number(item.Invent.SellingPriceIn));
        setCell(row, ActualAmount, list.IssuedQuantity > 0 ? GetActualAmount(slip.trimmed(), code) : QStringLiteral("0"));
        setCell(row, QtyIssued, QString::number(list.IssuedQuantity));
        // A new item starts without a quantity: the old one may exceed what this one was issued.
        setCell(row, QtyReturned, QString());
        setCell(row, Amount, returnAmountText(0));
        lblPatInfo[6]->setText(QLatin1Char(' ') + TotalAmount());
        flexMSEntry->MoveTo(row, QtyReturned);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    SetButtons();
}

bool frmReturn::StoreQuantity(int row, const QString& typed, bool tell)
{
    // the posting reads the cell as a number: "1.2.3" would post 1.2 under a slip that shows 1.2.3
    if (!typed.trimmed().isEmpty() && !kReturnedRange.accepts(typed)) {
        if (tell) MsgBox(kReturnedRange.message(), vbOKOnly | vbExclamation, kReturnNotice);
        return false;
    }
    const double q = Fmt::val(typed);
    if (q < 0 || q > Fmt::val(cell(row, QtyIssued))) {
        if (tell) MsgBox(kReturnTooMany, vbOKOnly | vbExclamation, kReturnNotice);
        return false;
    }
    setCell(row, QtyReturned, typed);
    setCell(row, Amount, returnAmountText(Fmt::val(cell(row, ActualAmount)) * q));
    lblPatInfo[6]->setText(QLatin1Char(' ') + TotalAmount());
    return true;
}

void frmReturn::moveToNextRow(int row)
{
    flexMSEntry->MoveTo(row < EntryRows ? row + 1 : row, Code);
}

void frmReturn::CommitCell()
{
    const int row = flexMSEntry->Row(), col = flexMSEntry->Col();
    if (row < 1 || row > EntryRows) return;
    if (col == Code) {
        PickIssuedItem();
        return;
    }
    if (col == QtyReturned) {
        if (!StoreQuantity(row, txtEntry->text(), true)) {
            txtEntry->setFocus();
            return;
        }
    } else if (col == Remarks) {
        setCell(row, Remarks, txtEntry->text());
    } else {
        return;
    }
    flexMSEntry->HideBox();
    moveToNextRow(row);
    SetButtons();
}

void frmReturn::UpDown_UpClick()
{
    txtEntry->setText(QString::number(Fmt::roundHalfEven(Fmt::val(txtEntry->text())) + 1));
}

void frmReturn::UpDown_DownClick()
{
    const double v = Fmt::val(txtEntry->text());
    // never below nothing returned
    if (Fmt::roundHalfEven(v) > 0) txtEntry->setText(QString::number(qMax(0.0, v - 1)));
}

void frmReturn::cmdClearRow_Click()
{
    const int row = flexMSEntry->Row();
    if (row < 1 || row > EntryRows || IsBlankRow(row)) return;
    if (MsgBox(QStringLiteral("Are you sure to delete the item?"), vbYesNo | vbQuestion, kReturnConfirm) != vbYes) return;
    for (int c = 0; c < 12; ++c) setCell(row, c, QString());
    lblPatInfo[6]->setText(QLatin1Char(' ') + TotalAmount());
    cmdClearRow->setEnabled(false);
    flexMSEntry->HideBox();
    if (flexMSEntry->isEnabled()) flexMSEntry->setFocus();
    FillReturnPrintGrid();
    SetButtons();
}

void frmReturn::cmdClose_Click()
{
    if (MsgBox(QStringLiteral("Are you sure to leave this window?"), vbYesNo | vbQuestion, kReturnConfirm) == vbYes) reject();
}

void frmReturn::reject()
{
    if (HasCompleteRow() &&
        MsgBox(QStringLiteral("You have unsaved entry.  Do you wish to exit?"), vbYesNo | vbQuestion, kReturnConfirm) != vbYes)
        return;
    QDialog::reject();
}

void frmReturn::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        cmdClose_Click();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool frmReturn::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == txtEntry && e->type() == QEvent::MouseButtonDblClick) {
        CommitCell();
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

void frmReturn::cmdPosted_Click()
{
    frmListPosted list(this);
    list.setIsCSRMode(m_isCSRMode);
    list.setIDNum(m_patientID.trimmed());
    runModal(&list);
}

void frmReturn::FillReturnPrintGrid()
{
    FlexGrid* g = mshflexReturnDrugs;
    g->clear();
    g->setRows(2);
    g->setFormatString(QStringLiteral("<Charge Slip |<Code |<Product Description |<Qty. Issued |<Qty. Returned|<Stock#|<Amount "));
    const int widths[] = {1000, 600, 2000, 1000, 1000, 1000, 1000};
    for (int c = 0; c < 7; ++c) g->setColWidth(c, widths[c]);
    for (int r = 1; r <= EntryRows && r < flexMSEntry->Rows(); ++r) {
        if (!CompleteRow(r)) continue;
        if (!g->TextMatrix(1, 0).trimmed().isEmpty()) g->setRows(g->Rows() + 1);
        for (int c = 0; c < 7; ++c) g->setTextMatrix(g->Rows() - 1, c, cell(r, c));
    }
}

void frmReturn::PostReturnedItems()
{
    Connection& c = SharedConnection();
    const QString idNum = m_patientID.trimmed();
    ReturnPosting::Return ret;
    QString userName;
    try {
        // The account of this window's own admission.
        if (IsAccountClosed(c, idNum, PatientTypeOfNumber(idNum))) return;
        const std::optional<ValidatedUser> validated =
            ValidateUser({.postOrCancel = 1,
                          .reasonMaxLength = ReasonRoom(QStringLiteral("STATION..tbBillAdjustInfo"), QStringLiteral("Remarks"), true),
                          .retryQuestion = QStringLiteral("Selected transaction(s) will not be saved. ") + QStringLiteral("\r\n") +
                                           QStringLiteral("Are you sure you want to return this medicine(s)?"),
                          .retryStyle = vbQuestion});
        if (!validated) return;
        ret.userID = validated->userID;
        userName = validated->userName;
        if (!ApproveBySupervisor(QStringLiteral("Selected transaction(s) will not be saved. ") + QStringLiteral("\r\n") +
                                     QStringLiteral("Are you sure you want to save/continue this transaction(s)?"),
                                 vbQuestion))
            return;
        // With the supervisor's approval the reason reads "Allowed " and the reason typed at the validation.
        ret.reason = DialogAnswers.CancelReason;
        ret.supervisorID = DialogAnswers.SupervisorUserID;
        if (ReturnPosted) return;
        cmdPrintSave->setEnabled(false);
        cmdSave->setEnabled(false);
        ReturnValidated = true;
        for (int r = 1; r <= EntryRows; ++r) {
            if (cell(r, QtyIssued).isEmpty() || cell(r, Description).isEmpty() || cell(r, Code).isEmpty() || cell(r, ChargeSlip).isEmpty() ||
                CompleteRow(r))
                continue;
            if (MsgBox(QStringLiteral("Row  ") + QString::number(r) +
                           QStringLiteral(" can't be saved. Please enter the quantity to be returned. Do you want to enter the quantity now?"),
                       vbYesNo | vbCritical, kReturnConfirm)
                == vbYes) {
                flexMSEntry->setFocus();
                flexMSEntry->MoveTo(r, QtyReturned);
                return;
            }
        }
        FillReturnPrintGrid();
        QList<int> rows;
        for (int r = 1; r <= EntryRows; ++r) {
            if (!CompleteRow(r)) continue;
            rows << r;
            ret.lines << ReturnPosting::Line{cell(r, ChargeSlip), cell(r, Code),     cell(r, Description), cell(r, QtyIssued),
                                             cell(r, QtyReturned), cell(r, Amount), cell(r, Remarks)};
        }
        if (ret.lines.isEmpty()) return;
        ret.supplies = m_isCSRMode;
        ret.hospNum = lblPatInfo[0]->text().trimmed();
        ret.idNum = idNum;
        ret.doctor = lblPatInfo[3]->text().trimmed();
        ret.room = lblPatInfo[4]->text().trimmed();
        ret.stationID = Session.CurrentStationID.toString();
        ret.noDirectReturn = StationParameters().NoDirectReturnSupplies();
        ret.when = GetServerDate();
        const QString cm = ReturnPosting::Post(c, ret);
        ReturnWritten = true;
        lblPatInfo[5]->setText(QLatin1Char(' ') + cm);
    } catch (const ReturnPosting::Refused& refused) {
        MsgBox(refused.message, vbOKOnly | vbExclamation, kReturnNotice);
        SetButtons();
        return;
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        SetButtons();
        return;
    }
    if (!ret.noDirectReturn) {
        try {
            PrepareReport(ReportFilePath(QStringLiteral("CMSlip.rpt")),
                          {lblPatInfo[2]->text().trimmed(), idNum, ret.room, ret.hospNum, QStringLiteral("INITIAL"), userName.trimmed(),
                           ret.userID.trimmed(), lblPatInfo[5]->text().trimmed(), Session.HospName, Session.HospAddress, ret.reason.trimmed()});
            ShowReport(false, QStringLiteral("Reprint Credit Memo Slip"), false, true);
        } catch (const std::exception& e) {
            ShowErrorNotice(e);
        }
    }
    ReturnPosted = true;
    try {
        Form_Load();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    lblPatInfo[6]->setText(QStringLiteral(" 0.00"));
}
