#include "medication_requests/RequestEntryWindow.h"

#include "access/frmTransaction_UserValidation.h"
#include "components/Drugs.h"
#include "exam_requests/ExamPricing.h"
#include "medication_requests/MedicationRequestData.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/text/Format.h"
#include "platform/text/Twips.h"
#include "platform/ui/EntryGrid.h"
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
    resize(TwipsToPixels(11400), 420);
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
    const int dosage = m_kind.statColumn == 9 ? 3 : -1; // the supply rows have no dosage
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
    if (!catalog || code.isEmpty() || (m_kind.statColumn == 9 && cell(row, 7).trimmed() == QLatin1String("1"))) return false;
    if (!catalog->SearchDrug(code, m_kind.statColumn == 9 ? clsDrug::PharmacyLocation : m_kind.location)) return false;
    item = catalog->Drug;
    return true;
}

bool RequestEntryWindow::EnterQuantity(int row, int unitPriceColumn, const QString& notPositive)
{
    const QString typed = txtEntry->text();
    QString refusal;
    if (Fmt::val(typed) <= 0) refusal = notPositive;
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
    setCell(row, 5, AmountText(QuantityAmount(Fmt::val(typed), Fmt::val(cell(row, unitPriceColumn)))));
    return true;
}

bool RequestEntryWindow::EnterStat(int row, const QString& refusal)
{
    const QString typed = txtEntry->text();
    const QString flag = typed.trimmed().toUpper();
    if (flag != QLatin1String("Y") && flag != QLatin1String("N")) {
        MsgBox(refusal, vbInformation, kEntryNotice);
        setCell(row, m_kind.statColumn, QStringLiteral("N"));
        return false;
    }
    setCell(row, m_kind.statColumn, typed);
    return true;
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

bool RequestEntryWindow::validateUser()
{
    for (;;) {
        frmTransaction_UserValidation* v = frmTransaction_UserValidation::instance();
        runModal(v);
        if (!DialogAnswers.ValidatedUserID.isEmpty()) return true;
        if (MsgBox(m_kind.validationQuestion, vbYesNo | vbInformation, QStringLiteral("Confirmation")) != vbYes) return false;
    }
}

void RequestEntryWindow::SaveRequests()
{
    try {
        Connection& c = SharedConnection();
        const QString id = Patient.IDNum;
        if (IsAccountClosed(c)) return;
        if (IsDepartmentCleared(c, id, m_kind.revenue)) {
            MsgBox(QStringLiteral("Patient is already cleared by (%1 Department). ").arg(m_kind.department) +
                       QStringLiteral("If you have requests to make, notify the Billing staff") +
                       QStringLiteral(" immediately for further instructions."),
                   vbInformation, kEntryNotice);
            return;
        }
        if (Session.NursingSettings.NoRequestingAfterFinalNotice && HasDischargeNotice(c, id)) {
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
        runModal(frmRequestingDoctor::instance());
        if (!validateUser()) return;

        MedicationRequestData::RequestSave in;
        in.hospNum = Patient.HospNum;
        in.idNum = Patient.IDNum;
        in.patientType = Patient.PatientType;
        in.revenue = m_kind.revenue;
        in.doctorId = DialogAnswers.RequestingDoctorID;
        in.doctorName = DialogAnswers.RequestingDoctorName;
        in.userId = DialogAnswers.ValidatedUserID;
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
