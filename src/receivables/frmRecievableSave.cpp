// The save, the revocation, the reprint and the package items of the receivable update: the
// window's questions and refusals around the units that post (ReceivableSave,
// ReceivableRevocation, ReceivablePackageItems) and print (ReceivableSaveSlip).
#include "receivables/frmRecievable.h"

#include "access/UserValidation.h"
#include "charging/ChargeSlipNumber.h"
#include "platform/db/Connection.h"
#include "platform/text/Format.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "receivables/ReceivablePackageItems.h"
#include "receivables/ReceivableRevocation.h"
#include "receivables/ReceivableSave.h"
#include "receivables/ReceivableSaveSlip.h"
#include "receivables/ReceivableValues.h"
#include "shared/EntrySaveFlow.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

// The slip's particulars: the window's own header and the receivable patient's values.
ReceivableSlipHeader slipHeader(const frmRecievable& w)
{
    ReceivableSlipHeader h;
    h.patientName = w.txtPatient->text();
    h.hospNum = w.txtPno->text();
    h.age = w.txtAge->text();
    h.sex = w.txtSex->text();
    h.room = w.txtRoom->text();
    h.idNum = w.txtID->text();
    h.doctor = w.txtDoctor2->text();
    h.membership = Receivable.ReceivableMembership;
    h.company = Receivable.ReceivableCompany;
    h.admType = Receivable.ReceivableAdmType;
    return h;
}

} // namespace

void frmRecievable::cmdSave_Click()
{
    EntryGrid& g = *mshflexEntry;
    const ReceivableEntryRows rows = CollectEntryRows();
    std::optional<ValidatedUser> user;
    ReceivableSaveResult saved;
    EntrySaveFlow f;
    // Blank: no complete row, whatever the grid's size.
    f.isBlank = [&] { return rows.isEmpty(); };
    f.blank = {QStringLiteral("Can't Save a Blank Charge!! Enter a Charge first....."), vbExclamation, QString()};
    f.focusWhenBlank = &g;
    f.rowsPass = [&] {
        // Every row is checked before anything is asked or posted.
        const QString refusal = ReceivableRowsRefusal(SharedConnection(), rows);
        if (refusal.isEmpty()) return true;
        MsgBox(refusal, vbCritical, QStringLiteral("Notification"));
        return false;
    };
    f.confirm = {QStringLiteral("Please verify that the item(s) entered are true and correct. Especially the Department Code and the "
                                "Item Code of the Procedure/Item.")
                     + QStringLiteral("\n\r") + QStringLiteral("Do you want to proceed in saving this charge(s)?"),
                 vbInformation, QStringLiteral("Important Message")};
    f.validate = [&] {
        user = ValidateUser({.retryQuestion = QStringLiteral("Selected charge(s) will not be saved! ") + QStringLiteral("\r\n")
                                              + QStringLiteral("Are you sure you want to save this Charge(s)?"),
                             .retryTitle = QStringLiteral("Message")});
        return user.has_value();
    };
    f.saveButton = Command1[0];
    f.post = [&] {
        ReceivableSaveInput in;
        in.hospNum = txtPno->text();
        in.idNum = txtID->text();
        in.room = txtRoom->text();
        in.userId = user->userID;
        in.counterStation = Session.CurrentStationID.toString();
        in.slipMask = StationParameters().NewCSlipFormat();
        in.rows = rows;
        in.packageItems = PackageGridRows(*mshflexPackageItems);
        saved = SaveReceivableRows(SharedConnection(), in);
        return true;
    };
    // rolled back: nothing posted, no number used, the rows stay on screen
    f.postFailed = [](const std::exception& e) {
        if (const auto* missing = dynamic_cast<const MissingSlipCounter*>(&e))
            MsgBox(missing->description(), vbInformation, QStringLiteral("Notification"));
        else
            ShowErrorNotice(e);
    };
    f.reload = [&] {
        Session.ServerDate = saved.serverDate;
        // The next save starts from nothing: no row and no package item of this one stays.
        ClearPackageGrid(*mshflexPackageItems);
        ResetEntry();
        if (txtEntry->isVisible()) txtEntry->setFocus();
    };
    f.print = [&] {
        PrintReceivableSlip(slipHeader(*this), saved.slipNumber, Fmt::serverDateText(saved.serverDate), user->userID, user->userName);
    };
    f.finish = [this] { Q_EMIT chargesPosted(); };
    RunEntrySave(f);
}

void frmRecievable::cmdRevoke_Click()
{
    if (!MSHFlexList->isEnabled()) return;
    cmdOption[0]->setEnabled(false);
    cmdOption[1]->setEnabled(true);
    if (RevokeReceivableCharge(SharedConnection(), slipHeader(*this), *MSHFlexList, MSHFlexList->currentRow())) Q_EMIT chargesPosted();
}

void frmRecievable::cmdReprint_Click()
{
    const int row = MSHFlexList->currentRow();
    if (!MSHFlexList->isEnabled() || row < 1 || row >= MSHFlexList->Rows()) return;
    try {
        ReprintReceivableSlip(SharedConnection(), slipHeader(*this), MSHFlexList->TextMatrix(row, 6), MSHFlexList->TextMatrix(row, 7));
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmRecievable::Check_If_Package(const QString& department, const QString& itemCode, FlexGrid* packageGrid)
{
    if (packageGrid) ::Check_If_Package(SharedConnection(), department, itemCode, *packageGrid);
}

void frmRecievable::Remove_PackageItems(const QString& department, const QString& itemCode, FlexGrid* packageGrid)
{
    if (!packageGrid) return;
    try {
        ::Remove_PackageItems(SharedConnection(), department, itemCode, *packageGrid);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}
