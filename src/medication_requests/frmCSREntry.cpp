#include "medication_requests/frmCSREntry.h"

#include "components/Drugs.h"
#include "exam_requests/ExamPricing.h"
#include "medication_requests/MedicationRequestData.h"
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
    return k;
}
} // namespace

frmCSREntry::frmCSREntry(const RequestPatient& patient, QWidget* parent) : RequestEntryWindow(supplyKind(), parent)
{
    Patient = patient;
    setObjectName(QStringLiteral("frmCSREntry"));
    setWindowTitle(QStringLiteral("Central Supply Request Entry"));
    Label1->setText(QStringLiteral("Upon hitting the SAVE button, all entered requests will be shown in the list of pending requests "
                                   "(Nursing Activity) and Central Supplies department will be notified. Once processed, requests "
                                   "will be transferred to list of processed requests."));
    EntryGrid* g = mshflexEntry;
    const int lengths[] = {0, 5, 35, 8, 3, 3, 30, 0, 0};
    for (int col = 0; col < 9; ++col) g->setColumnMaxLength(col, lengths[col]);
    // The description, the (unused) dosage, the amount and the unit price take no entry.
    g->ExemptColumnTable = {0, 2, 3, 5, 7, 0, 0, 0};
    g->ExemptSearched = 6;
    g->setFormatString(QStringLiteral("<# |<Code |<Item Description    |<Dosage |<Quantity|<Amount |<Remarks "));
    g->setCols(9);
    const int widths[] = {0, 800, 4900, 0, 1000};
    for (int col = 0; col < 5; ++col) g->setColWidth(col, widths[col]);
    LoadHospitalInfo();
    g->setColWidth(5, Session.HospitalInfo.IsShowAmount ? 800 : 0);
    g->setColWidth(6, 2200);
    g->setColWidth(7, 1);
    g->setTextMatrix(0, 8, QStringLiteral("STAT"));
    g->setColWidth(8, 600);
    const QString codePrompt = QStringLiteral("Type Item Code or first four letters of Item Name then Press <Enter>.");
    g->setColumnPrompt(1, codePrompt);
    g->setColumnPrompt(4, QStringLiteral("Type Quantity to request then Press <Enter>."));
    g->setColumnPrompt(6, QStringLiteral("Type Addition Remarks and then Press <Enter>."));
    g->setColumnPrompt(8, QStringLiteral("Type [Y]-YES if the medicine is STAT and [N]-NO if it is Routine and then Press <Enter>."));
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

bool frmCSREntry::EnterSupplyItem(int key)
{
    if (key != Qt::Key_Return) return false; // the grid moves the cursor
    const int row = mshflexEntry->Row(), col = mshflexEntry->Col();
    if (row < 1) return true;
    switch (col) {
    case 1:
        enterCode(row);
        return true;
    case 4:
        if (!EnterQuantity(row, 7, QStringLiteral("Quantity should be greater than zero(0)."))) return true;
        break;
    case 6:
        setCell(row, 6, txtEntry->text());
        break;
    case 8:
        if (!EnterStat(row, QStringLiteral("Invalid entry! Please Enter <Y> STAT and <N> Non STAT."))) return true;
        break;
    default:
        break;
    }
    moveOn(col);
    return true;
}

void frmCSREntry::enterCode(int row)
{
    if (cell(row, 1).isEmpty()) setCell(row, 1, txtEntry->text());
    const bool typed = Fmt::val(txtEntry->text()) > 0;
    if (!typed) {
        const QString chosen = Session.DrugListCSR ? Session.DrugListCSR->ShowList(txtEntry->text(), false, kSupplyLocation) : QString();
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
    const QString price = AmountText(UnitPrice(item));
    setCell(row, 1, item.DrugCode);
    setCell(row, 2, item.DrugName + QStringLiteral(" ") + item.Description);
    setCell(row, 5, price); // one unit: the amount is the unit price times the quantity 1
    setCell(row, 7, price);
    setCell(row, 4, QStringLiteral("1"));
    setCell(row, 8, QStringLiteral("N"));
    if (Session.HospitalInfo.AllowZeroOnHand && item.Invent.StockOnHand <= 0) {
        MsgBox(QStringLiteral("There is no stock left for ") + item.DrugName + QStringLiteral(". The system can't process the specified item."),
               vbCritical, kSupplyNotice);
        return DeleteRow();
    }
    moveOn(1);
}

bool frmCSREntry::CheckRows()
{
    for (int r = 1; r < mshflexEntry->Rows(); ++r)
        if (!cell(r, 2).isEmpty() && cell(r, 4).isEmpty()) {
            MsgBox(QStringLiteral("Please enter quantity to request for ") + cell(r, 2) + QStringLiteral("."), vbInformation, kSupplyNotice);
            mshflexEntry->HideBox();
            return false;
        }
    return true;
}

MedicationRequestData::RequestRow frmCSREntry::RequestRowOf(int r) const
{
    MedicationRequestData::RequestRow row;
    row.code = cell(r, 1);
    row.description = cell(r, 2);
    row.dosage = cell(r, 3);
    row.quantity = cell(r, 4);
    row.amount = cell(r, 5);
    row.remarks = cell(r, 6);
    row.stat = cell(r, 8);
    row.genericFlag = QStringLiteral("0");
    return row;
}
