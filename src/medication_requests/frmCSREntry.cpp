#include "medication_requests/frmCSREntry.h"

#include "components/Drugs.h"
#include "platform/db/DbError.h"
#include "platform/text/Format.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/orders/RequestChecks.h"

#include <QLabel>
#include <QLineEdit>

namespace {
const QString kSupplyNotice = QStringLiteral("Notification");
const QString kSupplyLocation = QStringLiteral("21");

RequestEntryWindow::Kind supplyKind()
{
    RequestEntryWindow::Kind k;
    k.revenue = QStringLiteral("CS");
    k.department = QStringLiteral("Central Supply");
    k.location = kSupplyLocation;
    k.statColumn = 8;
    k.nothingEntered = QStringLiteral("Please enter supplies to request.");
    k.validationQuestion = QStringLiteral("You entered invalid user information. Entered request(s) will not be saved! ") +
                           QStringLiteral("\r\n") + QStringLiteral("Do you want to save the request(s)?");
    k.errorText = QStringLiteral("Error while saving requested supplies.  ");
    k.errorTitle = QStringLiteral("Warning!");
    k.errorIcon = vbCritical;
    k.formCaption = QStringLiteral("CSSR REQUEST FORM");
    k.clearsDoctorOnClick = true;
    k.quantityRefusal = QStringLiteral("Quantity should be greater than zero(0).");
    k.statRefusal = QStringLiteral("Invalid entry! Please Enter <Y> STAT and <N> Non STAT.");
    return k;
}
} // namespace

frmCSREntry::frmCSREntry(const RequestPatient& patient, QWidget* parent) : RequestEntryWindow(supplyKind(), parent)
{
    Patient = patient;
    setObjectName(QStringLiteral("frmCSREntry"));
    setWindowTitle(QStringLiteral("Central Supply Request Entry"));
    LayOutColumns(QStringLiteral("<# |<Code |<Item Description    |<Dosage |<Quantity|<Amount |<Remarks "),
                  {0, 800, 4900, 0, 1000, 0, 2200, 1, 600}, QStringLiteral("Central Supplies"));
    EntryGrid* g = mshflexEntry;
    // The description, the (unused) dosage, the amount and the unit price take no entry.
    g->ExemptColumnTable = {0, 2, 3, 5, 7, 0, 0, 0};
    g->ExemptSearched = 6;
    const QString codePrompt = QStringLiteral("Type Item Code or first four letters of Item Name then Press <Enter>.");
    g->setColumnPrompt(1, codePrompt);
    g->setColumnPrompt(6, QStringLiteral("Type Addition Remarks and then Press <Enter>."));
    g->keyDown = [this](int key) {
        try {
            return EnterSupplyItem(key);
        } catch (const std::exception& e) {
            MsgBox(QStringLiteral("Error While Selecting Supply.  ") + ErrorDescription(e), vbInformation, kSupplyNotice);
            return true;
        }
    };
    finishGrid();
    lblMessage->setText(codePrompt);
}

bool frmCSREntry::EnterSupplyItem(int key) { return EnterItem(key); }

void frmCSREntry::EnterCode(int row)
{
    if (cell(row, 1).isEmpty()) setCell(row, 1, txtEntry->text());
    const bool typed = Fmt::val(txtEntry->text()) > 0;
    if (!typed) {
        clsListDrugs* list = Session.DrugListCSR;
        // Start-up connects the supply list only in generic mode; it lists over the run's connection.
        if (list && !list->isConnected()) list->setConnection(&SharedConnection());
        const QString chosen = list ? list->ShowList(txtEntry->text(), false, kSupplyLocation) : QString();
        if (chosen.isEmpty()) return;
        txtEntry->setText(chosen);
    }
    if (!Session.DrugCatalog) throw DbError(QStringLiteral("The drug catalogue is not available."));
    clsDrug& drugs = *Session.DrugCatalog;
    if (!drugs.SearchDrug(txtEntry->text(), kSupplyLocation)) {
        MsgBox(QStringLiteral("Code does not exist."), vbInformation, kSupplyNotice);
        return;
    }
    const DrugItem item = drugs.Drug;
    if (item.Status) {
        MsgBox(typed ? QStringLiteral("Record is inactive. Please check build of items.")
                     : QStringLiteral("Record is inactive. Please check build file of items."),
               vbExclamation, kSupplyNotice);
        return DeleteRow();
    }
    txtEntry->setText(item.DrugCode);
    if (Check_Code(item.DrugCode)) {
        MsgBox(typed ? QStringLiteral("Can't request the same supply.") : QStringLiteral("Can't Request the Same Supply."), vbInformation,
               kSupplyNotice);
        return DeleteRow();
    }
    Connection& c = SharedConnection();
    if (CheckExamRequestStatus(c, Patient.IDNum, item.DrugCode, QStringLiteral("CS"))) return DeleteRow();
    if (CheckExamProcessedToday(c, Patient.IDNum, item.DrugCode, QStringLiteral("CS"))) return DeleteRow();
    WriteItem(row, item, 7);
    setCell(row, 4, QStringLiteral("1"));
    if (RefusedForNoStock(item)) return;
    moveOn(1);
}

