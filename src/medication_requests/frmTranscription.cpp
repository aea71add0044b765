#include "medication_requests/frmTranscription.h"

#include "components/Drugs.h"
#include "components/StationComponents.h"
#include "components/patient_search/PatientHeaderRecords.h"
#include "components/login/clsCurrentuser.h"
#include "shared/orders/ExamPricing.h"
#include "medication_requests/MedicationRequestData.h"
#include "medication_requests/frmTranscriptionStatus.h"
#include "platform/db/DbError.h"
#include "platform/text/Format.h"
#include "platform/text/Twips.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/text/TextUtilities.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kTranscriptionTitle = QStringLiteral("MESSAGE");
constexpr int kGridTwips = 11000;
constexpr int kDefaultColumnTwips = 1500;
}

frmTranscription::frmTranscription(const RequestPatient& patient, QWidget* parent) : QDialog(parent), Patient(patient)
{
    setObjectName(QStringLiteral("frmTranscription"));
    setWindowTitle(QStringLiteral("PHARMACY TRANSCRIPTION NOTES"));
    setModal(true);
    auto* root = new QVBoxLayout(this);
    auto* header = new QGridLayout;
    const struct {
        QLineEdit** box;
        const char *name, *caption;
        QString value;
    } boxes[] = {{&txtPatient, "txtPatient", "Patient Name", patient.PatientName},
                 {&txtDoctor1, "txtDoctor1", "Admitting Dr.", patient.Doctor1},
                 {&txtDoctor2, "txtDoctor2", "Attending Dr.", patient.Doctor2},
                 {&txtPno, "txtPno", "Hospital #", patient.HospNum},
                 {&txtID, "txtID", "Admission #", patient.IDNum},
                 {&txtDateAdmitted, "txtDateAdmitted", "ADM Date", patient.DateAdmitted},
                 {&txtAccount, "txtAccount", "Account #", QString()},
                 {&txtDiagnosis, "txtDiagnosis", "Diagnosis", patient.AdmDiagnosis},
                 {&txtRoom, "txtRoom", "Room #", patient.Room},
                 {&txtStatus, "txtStatus", "Status", patient.Status},
                 {&txtSex, "txtSex", "Sex", patient.Sex},
                 {&txtAge, "txtAge", "Age", patient.Age},
                 {&txtAssessment, "txtAssessment", "Assessment #", QString()}};
    int i = 0;
    for (const auto& b : boxes) {
        *b.box = new QLineEdit(b.value, this);
        (*b.box)->setObjectName(QString::fromLatin1(b.name));
        (*b.box)->setReadOnly(true);
        auto* label = new QLabel(QString::fromLatin1(b.caption), this);
        label->setObjectName(QStringLiteral("lblInfo"));
        header->addWidget(label, i / 3, (i % 3) * 2);
        header->addWidget(*b.box, i / 3, (i % 3) * 2 + 1);
        ++i;
    }
    root->addLayout(header);
    try {
        HeaderMaster master;
        if (PatientHeaderRecords::LoadPatientMaster(SharedConnection(), patient.HospNum, master)) txtAccount->setText(master.AccountNumber);
    } catch (const std::exception& e) {
        LogPassedOverError(QStringLiteral("frmTranscription.Form_Load"), e); // the header shows what could be found
    }

    mshflexEntry = new EntryGrid(this);
    mshflexEntry->setObjectName(QStringLiteral("mshflexEntry"));
    txtEntry = mshflexEntry->txtEntry;
    mshflexEntry->setMinimumWidth(TwipsToPixels(kGridTwips));
    root->addWidget(mshflexEntry, 1);
    auto* instructions = new QGroupBox(QStringLiteral("Instructions"), this);
    auto* instructionsLayout = new QVBoxLayout(instructions);
    lblMessage = new QLabel(instructions);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    instructionsLayout->addWidget(lblMessage);
    root->addWidget(instructions);
    auto* buttons = new QHBoxLayout;
    cmdListTranscription = new QPushButton(QStringLiteral("List of Pending Transcription Notes Entered"), this);
    buttons->addWidget(cmdListTranscription);
    buttons->addStretch(1);
    const char* captions[] = {"&Save", "&Exit", "&Delete"};
    for (int b : {0, 2, 1}) {
        cmdMedOption[b] = new QPushButton(QString::fromLatin1(captions[b]), this);
        cmdMedOption[b]->setObjectName(QStringLiteral("cmdMedOption%1").arg(b));
        buttons->addWidget(cmdMedOption[b]);
        connect(cmdMedOption[b], &QPushButton::clicked, this, [this, b] { cmdMedOption_Click(b); });
    }
    for (QPushButton* b : findChildren<QPushButton*>()) b->setAutoDefault(false);
    connect(cmdListTranscription, &QPushButton::clicked, this, &frmTranscription::cmdListTranscription_Click);
    root->addLayout(buttons);

    EntryGrid* g = mshflexEntry;
    const int lengths[] = {0, 5, 35, 8, 3, 3, 30, 0, 0};
    for (int col = 0; col < 9; ++col) g->setColumnMaxLength(col, lengths[col]);
    g->setColumnKeys(4, EntryGrid::Keys::Numeric);
    g->setColumnKeys(5, EntryGrid::Keys::Numeric);
    // Only the amount is skipped at first; the description too once a code was confirmed.
    g->ExemptColumnTable = {0, 0, 5, 0, 0, 0, 0, 0};
    g->ExemptSearched = 6;
    g->exemptRule = [this](int col) { return mshflexEntry->ListedExempt(col) && cell(mshflexEntry->Row(), 1) != QLatin1String("00"); };
    g->setFormatString(QStringLiteral("<# |<Code |<Item Description    |<Dosage |<Quantity|<Amount |<Remarks    |"));
    g->setCols(9);
    g->setRows(2);
    setCell(1, 0, QStringLiteral("1"));
    const int quantity = kGridTwips / 11, number = kDefaultColumnTwips / 3 + 50;
    const int widths[] = {number, number + 500, (number + 500) * 4, number + 500, quantity, 1, quantity * 2 + 500, 1, 1};
    for (int col = 0; col < 9; ++col) g->setColWidth(col, widths[col]);
    g->setPromptLabel(lblMessage, EntryGrid::PromptMode::OnTyping);
    g->setColumnPrompt(1, QStringLiteral("Type Item Code or first 4 letters of Item Name then Press <Enter>...."));
    g->setColumnPrompt(3, QStringLiteral("Type Dosage Code or first letters of Dosage Name then Press <Enter>...."));
    g->setColumnPrompt(4, QStringLiteral("Type Quantity to request then Press <Enter>...."));
    g->setColumnPrompt(6, QStringLiteral("Type Addition Remarks and then Press <Enter>...."));
    g->completeRule = [this](int row) { return CompleteRow(row); };
    g->rowAdded = [this](int row) {
        ++RowNumberCounter;
        setCell(row, 0, QString::number(RowNumberCounter));
    };
    g->f3 = [this] {
        if (mshflexEntry->Row() >= 1) DeleteRow(mshflexEntry->Row());
    };
    g->EndLimitColumn = 6;
    g->keyDown = KeyHandlerWithNotice([this](int key) { return EnterTranscriptionItem(key); });
    g->setCurrentCell(1, 1);
    g->EnterCell();
    lblMessage->setText(QStringLiteral("Type Item Code or first 4 letters of Item Name then Press <Enter>...."));
}

QString frmTranscription::cell(int row, int col) const { return mshflexEntry->TextMatrix(row, col); }
void frmTranscription::setCell(int row, int col, const QString& text) { mshflexEntry->setTextMatrix(row, col, text); }

bool frmTranscription::CompleteRow(int row) const
{
    for (int col : {1, 3, 4, 5})
        if (cell(row, col).isEmpty()) return false;
    return true;
}

bool frmTranscription::Check_Code(const QString& code) const
{
    for (int r = 1; r < mshflexEntry->Rows(); ++r)
        if (r != mshflexEntry->Row() && cell(r, 1).trimmed() == code.trimmed()) return true;
    return false;
}

void frmTranscription::DeleteRow(int row)
{
    mshflexEntry->F3FirstClearedColumn = 1;
    mshflexEntry->F3LastClearedColumn = 6;
    if (row > 1) --RowNumberCounter;
    mshflexEntry->DeleteRow(row);
}

bool frmTranscription::EnterTranscriptionItem(int key)
{
    if (key != Qt::Key_Return) return false; // the grid moves the cursor
    const int row = mshflexEntry->Row(), col = mshflexEntry->Col();
    if (row < 1) return true;
    const QString typed = txtEntry->text();
    switch (col) {
    case 1:
        if (!enterCode(row)) return true;
        break;
    case 2:
    case 6:
        setCell(row, col, typed);
        break;
    case 3: {
        clsCodeSearch* search = Session.CodeSearch;
        if (!search) throw DbError(QStringLiteral("The code search is not available."));
        if (!OrSearchWarning([&] { return search->SearchListing(typed, 16); })) {
            MsgBox(QStringLiteral("Dosage Code Does not Exist !"));
            return true;
        }
        setCell(row, 3, search->DosageRecord.ResultCode);
        setCell(row, 4, search->DosageRecord.Frequency);
        setCell(row, 5, AmountText(QuantityAmount(Fmt::val(cell(row, 4)), Fmt::val(cell(row, 8)))));
        break;
    }
    case 4:
        if (Fmt::val(typed) <= 0) {
            MsgBox(QStringLiteral("Quantity should be greater than zero!"));
            return true;
        }
        if (!IsAllDigits(typed)) {
            MsgBox(QStringLiteral("You are only allowed to enter whole number for quantity."));
            return true;
        }
        setCell(row, 4, typed);
        setCell(row, 5, AmountText(QuantityAmount(Fmt::val(typed), Fmt::val(cell(row, 8)))));
        break;
    default:
        break;
    }
    moveOn(col);
    return true;
}

bool frmTranscription::enterCode(int row)
{
    if (txtEntry->text().trimmed() == QLatin1String("00")) {
        txtEntry->clear();
        return true;
    }
    mshflexEntry->ExemptColumnTable[1] = 2;
    if (Fmt::val(txtEntry->text()) <= 0) {
        txtEntry->setText(Session.DrugList ? Session.DrugList->ShowList(txtEntry->text(), false) : QString());
        if (txtEntry->text().isEmpty()) return false;
    }
    if (!Session.DrugCatalog) throw DbError(QStringLiteral("The drug catalogue is not available."));
    clsDrug& drugs = *Session.DrugCatalog;
    const bool preFill = Session.HospitalInfo.Bygeneric;
    if (preFill && drugs.Generic.Search(txtEntry->text())) {
        setCell(row, 1, txtEntry->text());
        setCell(row, 2, drugs.Generic.GenericName + QStringLiteral("(") + drugs.Generic.ClassificationName + QStringLiteral(")"));
        setCell(row, 5, QStringLiteral("0"));
        setCell(row, 8, QStringLiteral("0"));
        setCell(row, 7, QStringLiteral("1"));
        return true;
    }
    if (!drugs.SearchDrug(txtEntry->text())) {
        MsgBox(QStringLiteral("Code Not Exists!"));
        return false;
    }
    const DrugItem item = drugs.Drug;
    if (item.Status) {
        MsgBox(QStringLiteral("Record is inactive...please reenter..."), vbExclamation, QStringLiteral("Message"));
        return false;
    }
    txtEntry->setText(item.DrugCode);
    if (Check_Code(item.DrugCode)) {
        MsgBox(QStringLiteral("Can't Request the Same Medicine!"));
        txtEntry->clear();
        return false;
    }
    setCell(row, 1, item.DrugCode);
    setCell(row, 2, item.DrugName);
    setCell(row, 8, AmountText(item.Invent.SellingPriceIn));
    setCell(row, 7, QStringLiteral("0"));
    if (preFill) {
        setCell(row, 3, QStringLiteral("PRN"));
        setCell(row, 4, QStringLiteral("1"));
    }
    // The amount is the unit price times the quantity (one unit while none is given).
    const double quantity = Fmt::val(cell(row, 4)) > 0 ? Fmt::val(cell(row, 4)) : 1;
    setCell(row, 5, AmountText(QuantityAmount(quantity, item.Invent.SellingPriceIn)));
    return true;
}

void frmTranscription::moveOn(int col)
{
    EntryGrid* g = mshflexEntry;
    const int row = g->Row();
    if (col < 7 && CompleteRow(row)) g->AddRow(row);
    if (col == 6)
        g->MoveTo(row < g->Rows() - 1 ? row + 1 : row, 1);
    else
        g->MoveTo(row, g->NextOpenColumn(col, 6));
}

void frmTranscription::cmdMedOption_Click(int index)
{
    switch (index) {
    case 0:
        return SaveTranscriptionNotes();
    case 1:
        reject();
        return;
    case 2:
        return deleteButton();
    default:
        return;
    }
}

void frmTranscription::deleteButton()
{
    EntryGrid* g = mshflexEntry;
    const int row = g->Row();
    if (row < 1 || !g->QualifiedRow(row)) {
        MsgBox(QStringLiteral("Row cannot be deleted because there are no entries yet."), vbInformation, kTranscriptionTitle);
        return;
    }
    if (MsgBox(QStringLiteral("Are you sure to delete the request?"), vbYesNo | vbQuestion, kTranscriptionTitle) == vbYes) {
        if (g->Rows() > 2) {
            g->RemoveItem(row);
            --RowNumberCounter;
            txtEntry->setText(cell(g->Row(), g->Col()));
        } else {
            txtEntry->clear();
            g->ClearRow(row, 1, 8);
        }
    }
    for (int r = 1; r < g->Rows(); ++r) setCell(r, 0, QString::number(r));
}

void frmTranscription::SaveTranscriptionNotes()
{
    QString number;
    try {
        Connection& c = SharedConnection();
        MedicationRequestData::TranscriptionSave in;
        in.hospNum = Patient.HospNum;
        in.idNum = Patient.IDNum;
        HeaderAdmission admission;
        if (PatientHeaderRecords::ValidateAdmission(c, Patient.IDNum.trimmed(), admission)) in.doctorCode = admission.AttendingDoctor1.Code;
        in.userCode = Session.CurrentUser ? Session.CurrentUser->EmployeeCode() : QString();
        in.stationId = Session.CurrentStationID.toString();
        in.room = txtRoom->text();
        QList<MedicationRequestData::TranscriptionRow> rows;
        for (int r = 1; r < mshflexEntry->Rows(); ++r) {
            if (!CompleteRow(r)) continue;
            rows << MedicationRequestData::TranscriptionRow{cell(r, 1), cell(r, 2), cell(r, 3), cell(r, 4),
                                                             cell(r, 5), cell(r, 6), cell(r, 7)};
        }
        number = MedicationRequestData::SaveTranscriptionNotes(c, in, rows);
    } catch (const std::exception& e) {
        ShowErrorNotice(e); // rolled back: the rows stay for another try
        return;
    }
    txtAssessment->setText(number);
    if (!number.isEmpty()) MsgBox(QStringLiteral("DATA Successfully Save!!"));
    accept();
}

void frmTranscription::cmdListTranscription_Click()
{
    frmTranscriptionStatus status(Patient.IDNum, this);
    runModal(&status);
}
