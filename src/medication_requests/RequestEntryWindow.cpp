#include "medication_requests/RequestEntryWindow.h"

#include "access/UserValidation.h"
#include "components/Drugs.h"
#include "shared/orders/ExamPricing.h"
#include "medication_requests/MedicationRequestData.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/text/Format.h"
#include "platform/text/Twips.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/doctors/frmRequestingDoctor.h"
#include "shared/lookups/AccountChecks.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/modReports.h"
#include "shared/text/TextUtilities.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kEntryNotice = QStringLiteral("Notification");
}

RequestEntryWindow::RequestEntryWindow(const Kind& kind, QWidget* parent) : QDialog(parent), m_kind(kind)
{
    setModal(true);
    auto* root = new QVBoxLayout(this);
    lblMessage = new QLabel(this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    root->addWidget(lblMessage);
    mshflexEntry = new EntryGrid(this);
    mshflexEntry->setObjectName(QStringLiteral("mshflexEntry"));
    txtEntry = mshflexEntry->txtEntry;
    root->addWidget(mshflexEntry, 1);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    root->addWidget(Label1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdMedOption[0] = new QPushButton(Session.NursingSettings.PrintPHCSRequest ? QStringLiteral("Save/&Print") : QStringLiteral("&Save"), this);
    cmdMedOption[2] = new QPushButton(QStringLiteral("&Delete"), this);
    cmdMedOption[1] = new QPushButton(QStringLiteral("&Close"), this);
    for (int i : {0, 2, 1}) {
        cmdMedOption[i]->setObjectName(QStringLiteral("cmdMedOption%1").arg(i));
        cmdMedOption[i]->setAutoDefault(false);
        buttons->addWidget(cmdMedOption[i]);
        connect(cmdMedOption[i], &QPushButton::clicked, this, [this, i] { cmdMedOption_Click(i); });
    }
    root->addLayout(buttons);
    resize(TwipsToPixels(12600), 420);
}

void RequestEntryWindow::LayOutColumns(const QString& format, const QVector<int>& widths, const QString& notifiedDepartment)
{
    Label1->setText(QStringLiteral("Upon hitting the SAVE button, all entered requests will be shown in the list of pending requests "
                                   "(Nursing Activity) and %1 department will be notified. Once processed, requests will be "
                                   "transferred to list of processed requests.")
                        .arg(notifiedDepartment));
    EntryGrid* g = mshflexEntry;
    const int lengths[] = {0, 5, 35, 8, 3, 3, 30};
    for (int col = 0; col < 7; ++col) g->setColumnMaxLength(col, lengths[col]);
    if (pharmacy()) g->setColumnMaxLength(9, 1); // the supply STAT box takes any text and checks it on Enter
    g->setFormatString(format);
    g->setCols(m_kind.statColumn + 1);
    g->setTextMatrix(0, m_kind.statColumn, QStringLiteral("STAT"));
    for (int col = 0; col < 5; ++col) g->setColWidth(col, widths.value(col));
    LoadHospitalInfo();
    g->setColWidth(5, Session.HospitalInfo.IsShowAmount ? 800 : 0);
    for (int col = 6; col <= m_kind.statColumn; ++col) g->setColWidth(col, widths.value(col));
    // Every shown column at least as wide as its caption.
    for (int col = 1; col <= m_kind.statColumn; ++col)
        if (g->columnWidth(col) > 1) g->setColumnWidth(col, WholeColumnWidth(g, col, g->columnWidth(col)));
    g->setColumnPrompt(4, QStringLiteral("Type Quantity to request then Press <Enter>."));
    g->setColumnPrompt(m_kind.statColumn,
                       QStringLiteral("Type [Y]-YES if the medicine is STAT and [N]-NO if it is Routine and then Press <Enter>."));
}

void RequestEntryWindow::finishGrid()
{
    EntryGrid* g = mshflexEntry;
    g->setColumnKeys(4, EntryGrid::Keys::Numeric);
    g->setColumnKeys(5, EntryGrid::Keys::Numeric);
    g->setPromptLabel(lblMessage, EntryGrid::PromptMode::OnTyping);
    g->completeRule = [this](int row) { return CompleteRow(row); };
    // Only the code can be typed on a row without an item.
    g->openRule = [this](int col, int row) { return col <= 1 || !cell(row, 2).isEmpty(); };
    g->rowAdded = [this](int row) {
        ++RowNumberCounter;
        setCell(row, 0, QString::number(RowNumberCounter));
    };
    g->f3 = [this] { cmdMedOption_Click(2); };
    g->EndLimitColumn = 6; // End never reaches STAT
    g->setRows(2);
    setCell(1, 0, QStringLiteral("1"));
    g->WatchWindowKeys(this);
    g->setCurrentCell(1, 1);
    g->EnterCell();
}

QString RequestEntryWindow::cell(int row, int col) const { return mshflexEntry->TextMatrix(row, col); }
void RequestEntryWindow::setCell(int row, int col, const QString& text) { mshflexEntry->setTextMatrix(row, col, text); }

bool RequestEntryWindow::CompleteRow(int row) const
{
    const int dosage = pharmacy() ? 3 : -1; // the supply rows have no dosage
    for (int col : {1, dosage, 4, 5})
        if (col >= 0 && cell(row, col).isEmpty()) return false;
    return true;
}

bool RequestEntryWindow::AddRow(int row) { return mshflexEntry->AddRow(row); }

bool RequestEntryWindow::QualifiedRow(int row) const { return mshflexEntry->QualifiedRow(row); }

bool RequestEntryWindow::Check_Code(const QString& code) const
{
    // Every row but the one being entered, the last row included.
    for (int r = 1; r < mshflexEntry->Rows(); ++r)
        if (r != mshflexEntry->Row() && cell(r, 1).trimmed() == code.trimmed()) return true;
    return false;
}

bool RequestEntryWindow::HasCompanyAccount(const QString& idNum) const
{
    return MedicationRequestData::HasCompanyAccount(SharedConnection(), idNum);
}

void RequestEntryWindow::DeleteRow()
{
    EntryGrid* g = mshflexEntry;
    txtEntry->clear();
    const int row = g->Row();
    if (row != g->Rows() - 1 && g->Rows() > 2) {
        g->HideBox();
        g->RemoveItem(row);
    } else {
        g->ClearRow(row, 1, g->Cols() - 1);
    }
    g->MoveTo(g->Rows() - 1, 1);
}

void RequestEntryWindow::moveOn(int col)
{
    EntryGrid* g = mshflexEntry;
    const int row = g->Row();
    if (CompleteRow(row)) AddRow(row);
    if (col == m_kind.statColumn)
        g->MoveTo(row < g->Rows() - 1 ? row + 1 : row, 1);
    else
        g->MoveTo(row, g->NextOpenColumn(col, m_kind.statColumn));
}

void RequestEntryWindow::backTo(int row, int col)
{
    mshflexEntry->HideBox();
    mshflexEntry->MoveTo(row, col);
}

double RequestEntryWindow::SellingPrice(const DrugItem& item) const
{
    return IsOutPatientNumber(Patient.IDNum) ? item.Invent.SellingPriceOut : item.Invent.SellingPriceIn;
}

double RequestEntryWindow::UnitPrice(const DrugItem& item) const
{
    if (Session.HospitalInfo.IsCompanyPrice && HasCompanyAccount(Patient.IDNum))
        if (const auto company = MedicationRequestData::CompanyPrice(SharedConnection(), item.DrugCode, m_kind.location)) return *company;
    return SellingPrice(item);
}

bool RequestEntryWindow::RowItem(int row, DrugItem& item) const
{
    clsDrug* catalog = Session.DrugCatalog;
    const QString code = cell(row, 1).trimmed();
    // A generic is no item of the catalogue: it has no stock of its own.
    if (!catalog || code.isEmpty() || (pharmacy() && cell(row, 7).trimmed() == QLatin1String("1"))) return false;
    if (!catalog->SearchDrug(code, pharmacy() ? clsDrug::PharmacyLocation : m_kind.location)) return false;
    item = catalog->Drug;
    return true;
}

bool RequestEntryWindow::EnterQuantity(int row)
{
    const QString typed = txtEntry->text();
    QString refusal;
    if (Fmt::val(typed) <= 0) refusal = m_kind.quantityRefusal;
    else if (!IsAllDigits(typed)) refusal = QStringLiteral("You are only allowed to enter whole number for quantity.");
    if (!refusal.isEmpty()) {
        MsgBox(refusal, vbInformation, kEntryNotice);
        backTo(row, 4);
        return false;
    }
    DrugItem item;
    if (Session.HospitalInfo.AllowZeroOnHand && RowItem(row, item) && Fmt::val(typed) > item.Invent.StockOnHand) {
        MsgBox(QStringLiteral("Stock is not enough for the quantity entered. Remaining stock is: ") + AmountText(item.Invent.StockOnHand),
               vbInformation, kEntryNotice);
        setCell(row, 4, QString());
        backTo(row, 4);
        return false;
    }
    setCell(row, 4, typed);
    setCell(row, 5, AmountText(QuantityAmount(Fmt::val(typed), Fmt::val(cell(row, pharmacy() ? 8 : 7)))));
    return true;
}

bool RequestEntryWindow::EnterStat(int row)
{
    const QString typed = txtEntry->text();
    const QString flag = typed.trimmed().toUpper();
    if (flag != QLatin1String("Y") && flag != QLatin1String("N")) {
        MsgBox(m_kind.statRefusal, vbInformation, kEntryNotice);
        setCell(row, m_kind.statColumn, QStringLiteral("N"));
        return false;
    }
    setCell(row, m_kind.statColumn, typed);
    return true;
}

bool RequestEntryWindow::EnterItem(int key)
{
    if (key != Qt::Key_Return) return false; // the grid moves the cursor
    const int row = mshflexEntry->Row(), col = mshflexEntry->Col();
    if (row < 1) return true;
    if (col == 1) {
        EnterCode(row);
        return true;
    }
    bool accepted = true;
    if (col == 2 || col == 6) setCell(row, col, txtEntry->text());
    else if (col == 3) accepted = EnterDosage(row);
    else if (col == 4) accepted = EnterQuantity(row);
    else if (col == m_kind.statColumn) accepted = EnterStat(row);
    if (accepted) moveOn(col);
    return true;
}

void RequestEntryWindow::WriteItem(int row, const DrugItem& item, int unitPriceColumn)
{
    const QString price = AmountText(UnitPrice(item));
    setCell(row, 1, item.DrugCode);
    setCell(row, 2, item.DrugName + QStringLiteral(" ") + item.Description);
    setCell(row, 5, price); // one unit: the amount is the unit price times the quantity 1
    setCell(row, unitPriceColumn, price);
    setCell(row, m_kind.statColumn, QStringLiteral("N"));
}

bool RequestEntryWindow::RefusedForNoStock(const DrugItem& item)
{
    if (!Session.HospitalInfo.AllowZeroOnHand || item.Invent.StockOnHand > 0) return false;
    MsgBox(QStringLiteral("There is no stock left for ") + item.DrugName + QStringLiteral(". The system can't process the specified item."),
           vbCritical, kEntryNotice);
    DeleteRow();
    return true;
}

bool RequestEntryWindow::CheckRows()
{
    for (int r = 1; r < mshflexEntry->Rows(); ++r) {
        const QString description = cell(r, 2);
        QString refusal;
        if (pharmacy() && cell(r, 3).trimmed().isEmpty() && !description.trimmed().isEmpty())
            refusal = QStringLiteral("Please provide dosage for ") + description + QStringLiteral(".");
        else if (!description.isEmpty() && cell(r, 4).isEmpty())
            refusal = QStringLiteral("Please enter quantity to request for ") + description + QStringLiteral(".");
        // Any other row begun but not complete (a code that was not found, an amount missing) would
        // otherwise be left out of the save without a word.
        else if (QualifiedRow(r) && !CompleteRow(r))
            refusal = QStringLiteral("Please complete or delete the request for ") +
                      (description.trimmed().isEmpty() ? cell(r, 1).trimmed() : description) + QStringLiteral(".");
        if (refusal.isEmpty()) continue;
        MsgBox(refusal, vbInformation, kEntryNotice);
        mshflexEntry->HideBox();
        return false;
    }
    return true;
}

MedicationRequestData::RequestRow RequestEntryWindow::RequestRowOf(int r) const
{
    MedicationRequestData::RequestRow row;
    row.code = cell(r, 1);
    row.description = cell(r, 2);
    row.dosage = cell(r, 3);
    row.quantity = cell(r, 4);
    row.amount = cell(r, 5);
    row.remarks = cell(r, 6);
    row.stat = cell(r, m_kind.statColumn);
    if (pharmacy() && row.stat.trimmed().isEmpty()) row.stat = QStringLiteral("N");
    // Only a medicine asked by its generic name carries "1".
    row.genericFlag = pharmacy() && !cell(r, 7).trimmed().isEmpty() ? cell(r, 7).trimmed() : QStringLiteral("0");
    return row;
}

void RequestEntryWindow::cmdMedOption_Click(int index)
{
    if (m_kind.clearsDoctorOnClick) DialogAnswers.resetRequestingDoctor();
    switch (index) {
    case 0:
        return SaveRequests();
    case 1:
        reject();
        return;
    case 2:
        return deleteRequest();
    default:
        return;
    }
}

void RequestEntryWindow::deleteRequest()
{
    EntryGrid* g = mshflexEntry;
    const int row = g->Row();
    if (row < 1 || !QualifiedRow(row)) {
        MsgBox(QStringLiteral("Row cannot be deleted because there are no entries yet."), vbInformation, kEntryNotice);
        return;
    }
    if (MsgBox(QStringLiteral("Are you sure to delete the request?"), vbYesNo | vbQuestion, QStringLiteral("Confirmation")) != vbYes)
        return;
    if (g->Rows() > 2) {
        g->HideBox();
        g->RemoveItem(row);
        txtEntry->setText(cell(g->Row(), g->Col()));
    } else {
        txtEntry->clear();
        g->ClearRow(row, 1, g->Cols() - 1);
    }
    g->HideBox();
    for (int r = 1; r < g->Rows(); ++r) setCell(r, 0, QString::number(r));
    RowNumberCounter = g->Rows() - 1;
}


void RequestEntryWindow::SaveRequests()
{
    try {
        Connection& c = SharedConnection();
        const QString id = Patient.IDNum;
        if (IsAccountClosed(c, id, Patient.PatientType)) return;
        if (IsDepartmentCleared(c, id, m_kind.revenue)) {
            MsgBox(QStringLiteral("Patient is already cleared by (%1 Department). ").arg(m_kind.department) +
                       QStringLiteral("If you have requests to make, notify the Billing staff") +
                       QStringLiteral(" immediately for further instructions."),
                   vbInformation, kEntryNotice);
            return;
        }
        if (Session.NursingSettings.NoRequestingAfterFinalNotice && OrErrorNotice(true, [&] { return HasDischargeNotice(c, id); })) {
            MsgBox(QStringLiteral("Final discharge order was already sent for ") + Patient.PatientName + QStringLiteral(".") +
                       QStringLiteral("\r\n\r\n") + QStringLiteral("You have to revoke the discharge order to send additional requests."),
                   vbCritical, kEntryNotice);
            return;
        }
        if (cell(1, 2).isEmpty()) {
            MsgBox(m_kind.nothingEntered, vbInformation, kEntryNotice);
            return;
        }
        if (!CheckRows()) return;
        runModal(frmRequestingDoctor::forPatient(Patient.AttendingDoctorCode));
        // A posting: the dialog never keeps the cancelling mode another window left it in.
        const std::optional<ValidatedUser> validated =
            ValidateUser({.retryQuestion = m_kind.validationQuestion});
        if (!validated) return;

        MedicationRequestData::RequestSave in;
        in.hospNum = Patient.HospNum;
        in.idNum = Patient.IDNum;
        in.patientType = Patient.PatientType;
        in.revenue = m_kind.revenue;
        in.doctorId = DialogAnswers.RequestingDoctorID;
        in.doctorName = DialogAnswers.RequestingDoctorName;
        in.userId = validated->userID;
        in.stationId = Session.CurrentStationID.toString();
        // No supervisor approval is asked during this save, so no cash-basis bypass note is
        // written: an approval left by another window's action does not count here.
        QList<MedicationRequestData::RequestRow> rows;
        for (int r = 1; r < mshflexEntry->Rows(); ++r)
            if (CompleteRow(r)) rows << RequestRowOf(r);
        SavedRequestNumbers = MedicationRequestData::SaveRequests(c, in, rows);
    } catch (const std::exception& e) {
        MsgBox(m_kind.errorText + ErrorDescription(e), m_kind.errorIcon, m_kind.errorTitle);
        return;
    }
    if (Session.NursingSettings.PrintPHCSRequest) PrintRequestForm();
    accept();
}

void RequestEntryWindow::PrintRequestForm()
{
    try {
        PrepareReport(ReportFilePath(QStringLiteral("PHCSRequest.RPT")),
                      {QStringLiteral("ORIGINAL COPY"), Patient.PatientName, Patient.HospNum, Patient.Age + QStringLiteral("/") + Patient.Sex,
                       QString(), Patient.Account, Patient.Room, DialogAnswers.ValidatedUserName, m_kind.revenue, Patient.IDNum,
                       DialogAnswers.ValidatedUserID, false, QString()});
        ShowReport(false, m_kind.formCaption, false, true);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}
