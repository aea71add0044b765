#include "medication_requests/frmPHEntry.h"

#include "components/Drugs.h"
#include "components/StationComponents.h"
#include "shared/orders/ExamPricing.h"
#include "medication_requests/MedicationRequestData.h"
#include "platform/db/DbError.h"
#include "platform/text/Format.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/frmMessage.h"
#include "shared/inventory/InventoryLookups.h"
#include "shared/lookups/AccountChecks.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/orders/RequestChecks.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString kPharmacyNotice = QStringLiteral("Notification");

RequestEntryWindow::Kind pharmacyKind()
{
    RequestEntryWindow::Kind k;
    k.revenue = QStringLiteral("PH");
    k.department = QStringLiteral("Pharmacy");
    k.location = QStringLiteral("20");
    k.statColumn = 9;
    k.nothingEntered = QStringLiteral("Please enter medicines to request.");
    k.validationQuestion = QStringLiteral("Entered request(s) will not be saved! ") + QStringLiteral("\r\n") +
                           QStringLiteral("Do you want to save and send the request(s)?");
    k.errorText = QStringLiteral("Error While Saving Pharmacy Requests  ");
    k.errorTitle = kPharmacyNotice;
    k.errorIcon = vbInformation;
    k.formCaption = QStringLiteral("PHARMACY REQUEST FORM");
    k.quantityRefusal = QStringLiteral("Quantity should be greater than zero(0)!");
    k.statRefusal = QStringLiteral("Invalid entry! Please enter <Y> STAT and <N> Non STAT.");
    return k;
}

clsDrug& catalog()
{
    if (!Session.DrugCatalog) throw DbError(QStringLiteral("The drug catalogue is not available."));
    return *Session.DrugCatalog;
}
} // namespace

frmPHEntry::frmPHEntry(const RequestPatient& patient, QWidget* parent) : RequestEntryWindow(pharmacyKind(), parent)
{
    Patient = patient;
    setObjectName(QStringLiteral("frmPHEntry"));
    setWindowTitle(QStringLiteral("Pharmacy Request Entry"));
    LayOutColumns(QStringLiteral("<# |<Code |<Item Description    |<Dosage |<Quantity|<Amount |<Remarks    |"),
                  {0, 800, 4900, 800, 1000, 0, 2200, 1, 1, 600}, QStringLiteral("Pharmacy"));
    EntryGrid* g = mshflexEntry;
    // Amount, the generic flag and the unit price take no entry; the description none once a code was typed.
    g->ExemptColumnTable = {0, 0, 5, 7, 8, 0, 0, 0, 0, 0};
    g->ExemptSearched = 7;
    g->exemptRule = [this](int col) { return mshflexEntry->ListedExempt(col) && cell(mshflexEntry->Row(), 1) != QLatin1String("00"); };
    g->setColumnPrompt(1, QStringLiteral("Type Item Code or first 4 letters of Item Name then Press <Enter>."));
    g->setColumnPrompt(3, QStringLiteral("Type Dosage Code or first letters of Dosage Name then Press <Enter>."));
    g->setColumnPrompt(6, QStringLiteral("Type additional remarks and then press <Enter>."));
    g->keyDown = KeyHandlerWithNotice([this](int key) { return EnterPharmacyItem(key); });
    finishGrid();
    lblMessage->setText(QStringLiteral("Type Item Code or first 4 letters of Item Name then Press <Enter>...."));
}

bool frmPHEntry::EnterPharmacyItem(int key) { return EnterItem(key); }

void frmPHEntry::EnterCode(int row)
{
    Connection& c = SharedConnection();
    if (txtEntry->text().trimmed() == QLatin1String("00")) {
        txtEntry->clear();
        moveOn(1);
        return;
    }
    mshflexEntry->ExemptColumnTable[1] = 2; // the description is taken from the catalogue from now on
    const bool typed = Fmt::val(txtEntry->text()) > 0;
    if (!typed) {
        const QString chosen = Session.DrugList ? Session.DrugList->ShowList(txtEntry->text(), false) : QString();
        if (chosen.isEmpty()) return;
        txtEntry->setText(chosen);
    }
    clsDrug& drugs = catalog();
    const bool genericMode = Session.HospitalInfo.Bygeneric;
    const bool generic = genericMode && drugs.Generic.Search(txtEntry->text());
    DrugItem item;
    if (!generic) {
        if (!drugs.SearchDrug(txtEntry->text())) {
            MsgBox(typed == genericMode ? QStringLiteral("Code does not exist.") : QStringLiteral("Code does not exist!"), vbInformation, kPharmacyNotice);
            return;
        }
        item = drugs.Drug;
        if (item.Status) {
            MsgBox(QStringLiteral("Item is inactive. Please check build file of items."), vbExclamation, kPharmacyNotice);
            if (typed || genericMode) DeleteRow();
            return;
        }
        txtEntry->setText(item.DrugCode);
        if (Check_Code(item.DrugCode)) {
            MsgBox(QStringLiteral("Can't request the same medicine! Please check previous requests."), vbInformation, kPharmacyNotice);
            DeleteRow();
            return;
        }
    }
    const QString code = txtEntry->text();
    const QString id = Patient.IDNum;
    if (CheckExamRequestStatus(c, id, code, QStringLiteral("PH"))) return DeleteRow();
    if (CheckExamProcessedToday(c, id, code, QStringLiteral("PH"))) {
        if (typed && genericMode) return DeleteRow();
        txtEntry->clear();
        setCell(row, 1, QString());
        return;
    }
    if (CheckUnadministeredMedicines(code)) return DeleteRow();
    if (!pnfAllows(code)) return;
    if (generic) {
        setCell(row, 1, code);
        setCell(row, 2, drugs.Generic.GenericName + QStringLiteral("(") + drugs.Generic.ClassificationName + QStringLiteral(")"));
        setCell(row, 5, QStringLiteral("0"));
        setCell(row, 8, QStringLiteral("0"));
        setCell(row, 7, QStringLiteral("1"));
        setCell(row, 9, QStringLiteral("N"));
    } else {
        WriteItem(row, item, 8);
        setCell(row, 3, QStringLiteral("PRN"));
        setCell(row, 4, QStringLiteral("1"));
        setCell(row, 6, QStringLiteral("PRN/REPLACEMENT"));
        setCell(row, 7, QStringLiteral("0"));
        if (RefusedForNoStock(item)) return;
    }
    if (Session.HospitalInfo.HighAlert) ShowHighAlertWarning(code);
    moveOn(1);
}

bool frmPHEntry::pnfAllows(const QString& code)
{
    Connection& c = SharedConnection();
    const clsParameters& p = StationParameters();
    if (!p.CheckPNF() || code.isEmpty()) return true;
    if (OrErrorNotice(false, [&] { return IsPNFItem(c, code); }) || !OrErrorNotice(true, [&] { return IsCF4Required(c, Patient.IDNum); })) return true;
    if (p.NoPNFByPass()) {
        MsgBox(QStringLiteral("Item is not under PNF list."), vbInformation, kPharmacyNotice);
        return false;
    }
    return MsgBox(QStringLiteral("Item is not under PNF list. Would you like to continue?"), vbYesNo | vbQuestion,
                  QStringLiteral("Confirmation")) == vbYes;
}

bool frmPHEntry::EnterDosage(int row)
{
    clsCodeSearch* search = Session.CodeSearch;
    if (!search) throw DbError(QStringLiteral("The code search is not available."));
    if (!OrSearchWarning([&] { return search->SearchListing(txtEntry->text(), 16); })) {
        MsgBox(QStringLiteral("Dosage code does not exist!"), vbInformation, kPharmacyNotice);
        return false;
    }
    setCell(row, 3, search->DosageRecord.ResultCode);
    setCell(row, 4, search->DosageRecord.Frequency);
    DrugItem item;
    if (Session.HospitalInfo.AllowZeroOnHand && RowItem(row, item) && Fmt::val(cell(row, 4)) > item.Invent.StockOnHand) {
        MsgBox(QStringLiteral("There is no enough stock left for ") + item.DrugName + QStringLiteral(". Remaining stock is ") +
                   AmountText(item.Invent.StockOnHand) + QStringLiteral(". The system can't process the specified item."),
               vbCritical, kPharmacyNotice);
        setCell(row, 3, QString());
        setCell(row, 4, QString());
        backTo(row, 3);
        return false;
    }
    setCell(row, 6, cell(row, 3).trimmed() == QLatin1String("PRN") ? QStringLiteral("PRN/REPLACEMENT") : QString());
    // The quantity now comes from the dosage, and the amount follows it.
    setCell(row, 5, AmountText(QuantityAmount(Fmt::val(cell(row, 4)), Fmt::val(cell(row, 8)))));
    return true;
}

bool frmPHEntry::CheckUnadministeredMedicines(const QString& code)
{
    if (!Session.NursingSettings.ValidateUnusedMedClearance) return false;
    Connection& c = SharedConnection();
    MedicationRequestData::InsertPatientMedicines(c, Patient.IDNum);
    if (!HasNotAdministeredMeds(c, Patient.IDNum, code, 2)) return false;
    MsgBox(QStringLiteral("Please administer previously requested medicines before requesting again. ") + QStringLiteral("\r\n") +
               QStringLiteral("Please check list of medicines for this patient."),
           vbInformation, kPharmacyNotice);
    return true;
}

void frmPHEntry::ShowHighAlertWarning(const QString& code)
{
    const QString notice = MedicationRequestData::HighAlertNotice(SharedConnection(), code);
    if (notice.isEmpty()) return;
    frmMessage box;
    box.cmdOption[1]->setText(QStringLiteral("OK"));
    box.cmdOption[0]->hide();
    box.lblMessage->setText(notice);
    box.lblMessage->setAlignment(Qt::AlignCenter);
    runModal(&box);
}

