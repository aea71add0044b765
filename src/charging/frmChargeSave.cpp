// The save and the reprint of the charging window: the checks and questions of a save, the posting
// (ChargeSave), the slip after the commit and the new grid.
#include "charging/frmCharge.h"

#include "access/UserValidation.h"
#include "charging/ChargeEntryRow.h"
#include "charging/ChargeSave.h"
#include "charging/ChargeSlipNumber.h"
#include "charging/ChargeSlipPrint.h"
#include "charging/PackageItemPanel.h"
#include "components/Drugs.h"
#include "platform/db/Connection.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/EntrySaveFlow.h"
#include "shared/clsParameters.h"
#include "shared/doctors/DoctorChecks.h"
#include "shared/doctors/frmRequestingDoctor.h"
#include "shared/lookups/AccountChecks.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/packages/PackageLookups.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace ChargeEntryRow;

namespace {
const QString kNotice = QStringLiteral("Notification");

QString cellOf(const frmCharge& w, int row, int col) { return w.mshflexEntry->TextMatrix(row, col); }

bool ConsignedItemsMissing(const frmCharge& w)
{
    const QString consigned = StationParameters().ConsignedPackagesRevenueID();
    for (int r = 1; r < w.mshflexEntry->Rows(); ++r)
        if (IsStationDepartment(cellOf(w, r, Dept), consigned) && !cellOf(w, r, ItemCode).isEmpty())
            return !w.pctConsigned->HasItems();
    return false;
}

bool IncludedItemsMissing(const frmCharge& w, Connection& c)
{
    const QString equipment = StationParameters().CLEquipmentRev();
    for (int r = 1; r < w.mshflexEntry->Rows(); ++r)
        if (IsStationDepartment(cellOf(w, r, Dept), equipment) && !cellOf(w, r, ItemCode).isEmpty()
            && IsEquipmentPackage(c, cellOf(w, r, ItemCode)))
            return !w.pctEquipment->HasItems();
    return false;
}

// The refusal of the first pharmacy row without a dosage, naming that row's own item; "" when
// every row may be posted. A failed look-up reaches the caller.
QString DosageRefusal(const frmCharge& w, Connection& c)
{
    for (int r = 1; r < w.mshflexEntry->Rows(); ++r) {
        const QString refusal = DosageRefusal(c, cellOf(w, r, Dept), cellOf(w, r, ItemCode), cellOf(w, r, Location),
                                              cellOf(w, r, Description), cellOf(w, r, DosageID));
        if (!refusal.isEmpty()) return refusal;
    }
    return QString();
}

// The first regulated drug the requesting doctor may not order; -1 when none.
int UnlicensedRegulatedRow(const frmCharge& w, Connection& c, const QString& doctorID)
{
    if (!StationParameters().CheckS2LicenseForRegulatedDrugs()) return -1;
    for (int r = 1; r < w.mshflexEntry->Rows(); ++r)
        if (!cellOf(w, r, Dept).trimmed().isEmpty() && !cellOf(w, r, Location).trimmed().isEmpty()
            && IsRegulatedDrug(c, cellOf(w, r, ItemCode).trimmed()) && !DoctorHasS2License(c, doctorID))
            return r;
    return -1;
}

QString rateOptionCode(const frmCharge& w)
{
    if (w.Option1[0]->isChecked()) return QStringLiteral("R");
    if (w.Option1[1]->isChecked()) return QStringLiteral("V");
    if (w.Option1[2]->isChecked()) return QStringLiteral("O");
    return QString();
}

// The slip's particulars of the window's own patient.
ChargeSlipHeader slipHeader(const frmCharge& w, Connection& c, const QString& idNum)
{
    ChargeSlipHeader h;
    h.patientName = w.txtPatient->text();
    h.hospNum = w.txtPno->text();
    h.ageSex = w.txtAge->text().trimmed() + QStringLiteral(" / ") + w.txtSex->text().trimmed();
    h.company = GetPatientAccount(c, idNum);
    if (h.company.isEmpty()) h.company = QStringLiteral("PERSONAL");
    h.room = w.txtRoom->text();
    h.idNum = idNum;
    h.doctor = w.txtDoctor2->text();
    return h;
}

// A missing counter row is told in its own words; any other failure is the common notice.
void ShowSlipCounterOrError(const std::exception& e)
{
    if (const auto* missing = dynamic_cast<const MissingSlipCounter*>(&e)) MsgBox(missing->description(), vbInformation, kNotice);
    else ShowErrorNotice(e);
}
} // namespace

void frmCharge::SaveCharges()
{
    EntryGrid& g = *mshflexEntry;
    const QString idNum = txtID->text(); // the account of the whole save
    std::optional<ValidatedUser> user;
    QString doctorID, doctorName;
    ChargeSaveResult saved;
    EntrySaveFlow f;
    f.isBlank = [&] { return g.Rows() == 2 && IsEntryGridEmpty(); };
    f.blank = {QStringLiteral("Can't save a blank data! Please enter charges first."), vbExclamation, kNotice};
    f.focusWhenBlank = &g;
    f.rowsPass = [&] {
        Connection& c = SharedConnection();
        if (IsAccountClosed(c, idNum, PatientTypeOfNumber(idNum))) return false;
        if (IsDepartmentCleared(c, idNum, QStringLiteral("CL"))) {
            MsgBox(QStringLiteral("Patient is already cleared by (CathLab Department). ")
                       + QStringLiteral("If you have charges to make, please notify the Billing staff")
                       + QStringLiteral(" immediately for further instructions."),
                   vbInformation, kNotice);
            return false;
        }
        QString described;
        for (int r = 1; r < g.Rows(); ++r) {
            if (!cellOf(*this, r, Description).isEmpty() && cellOf(*this, r, Qty).isEmpty()) {
                MsgBox(QStringLiteral("Please enter quantity to request for ") + cellOf(*this, r, Description) + QStringLiteral("."),
                       vbInformation, kNotice);
                g.HideBox();
                txtEntry->clear();
                return false;
            }
            // An item without an amount would be left out of the posting: it is refused here, by name.
            if (!cellOf(*this, r, Description).trimmed().isEmpty() && !CompleteRow(r)) {
                MsgBox(QStringLiteral("Please enter the amount to charge for ") + cellOf(*this, r, Description) + QStringLiteral("."),
                       vbInformation, kNotice);
                g.HideBox();
                txtEntry->clear();
                return false;
            }
            described += cellOf(*this, r, Description).trimmed();
        }
        if (described.trimmed().isEmpty()) {
            MsgBox(QStringLiteral("Can't save a blank data. Please enter charges first."), vbExclamation, kNotice);
            g.setFocus();
            return false;
        }
        if (HasDuplicateItems()) {
            MsgBox(QStringLiteral("Please double-check list for duplicate items."), vbInformation, kNotice);
            return false;
        }
        if (!StationParameters().EnableOldPackageCharging()) {
            if (ConsignedItemsMissing(*this)) {
                MsgBox(QStringLiteral("Please enter consigned items used."), vbInformation, kNotice);
                return false;
            }
            if (IncludedItemsMissing(*this, c)) {
                MsgBox(QStringLiteral("Please enter items included in equipment usage."), vbInformation, kNotice);
                return false;
            }
        }
        // Every row is checked before anything is posted.
        const QString dosage = DosageRefusal(*this, c);
        if (dosage.isEmpty()) return true;
        MsgBox(dosage, vbCritical, kNotice);
        return false;
    };
    f.confirm = {QStringLiteral("Please verify that the items entered are true and correct. ") + QStringLiteral("\n\r")
                     + QStringLiteral("Do you want to proceed in saving these charges?"),
                 vbInformation, QStringLiteral("Confirmation")};
    f.validate = [&] {
        user = ValidateUser({.retryQuestion = QStringLiteral("Selected charges will not be saved! ") + QStringLiteral("\r\n")
                                              + QStringLiteral("Are you sure you want to save these charges?")});
        return user.has_value();
    };
    f.askDoctor = [&] {
        // A dialog left without a doctor still saves, with no doctor.
        runModal(frmRequestingDoctor::forPatient(Patient.AttendingDoctorCode));
        doctorID = DialogAnswers.RequestingDoctorID;
        doctorName = DialogAnswers.RequestingDoctorName;
        const int regulated = UnlicensedRegulatedRow(*this, SharedConnection(), doctorID);
        if (regulated <= 0) return true;
        MsgBox(QStringLiteral("Sorry, can't save regulated drug ") + cellOf(*this, regulated, Description)
                   + QStringLiteral(" because S2 License Number of Dr. ") + doctorName + QStringLiteral(" was not found.")
                   + QStringLiteral("\r\n\r\n") + QStringLiteral("Please contact the concerned doctor."),
               vbInformation, kNotice);
        return false;
    };
    f.saveButton = Command1[0];
    f.post = [&] {
        ChargeSaveInput in;
        in.hospNum = txtPno->text();
        in.idNum = idNum;
        in.room = txtRoom->text();
        in.stationCode = lblDeptCode->text();
        in.patientType = PatientTypeOfNumber(idNum);
        in.userId = user->userID;
        in.doctorId = doctorID;
        in.doctorName = doctorName;
        in.rateOption = rateOptionCode(*this);
        in.counterStation = Session.CurrentStationID.toString();
        in.slipMask = StationParameters().NewCSlipFormat();
        in.ConsignedItems = pctConsigned->Lines();
        in.IncludedItems = pctEquipment->Lines();
        for (int r = 1; r < g.Rows(); ++r) {
            if (!CompleteRow(r)) continue; // a row without an item: nothing to post
            QStringList row;
            for (int col = 0; col < g.Cols(); ++col) row << cellOf(*this, r, col);
            in.rows << row;
        }
        saved = SaveChargeRows(SharedConnection(), in);
        if (saved.consignedPosted) SetupConsignedGrid();
        if (saved.includedPosted) SetupIncludedGrid();
        return true;
    };
    // rolled back: nothing posted, no number used, the rows stay on screen
    f.postFailed = ShowSlipCounterOrError;
    f.printBeforeReload = true;
    f.print = [&] {
        if (saved.slipNumber.isEmpty()) return;
        Session.ServerDate = saved.serverDate;
        CurrentSlipNumber = saved.slipNumber;
        g.HideBox();
        Connection& c = SharedConnection();
        PrintChargeSlip(c, slipHeader(*this, c, idNum), saved.slipNumber, saved.serverDate, user->userName);
    };
    f.reload = [&] {
        DialogAnswers.SlipNumberTaken = false;
        Form_Load();
        if (txtEntry->isVisible()) txtEntry->setFocus();
    };
    f.finish = [&] {
        if (!saved.slipNumber.isEmpty()) Q_EMIT chargesPosted();
    };
    RunEntrySave(f);
}

void frmCharge::ReprintChargeSlip()
{
    if (!Session.HospitalInfo.IsPrintChargeSlip) return;
    const int row = MSHFlexList->currentRow();
    const QString slip = row >= 1 ? MSHFlexList->TextMatrix(row, 6).trimmed() : QString();
    if (slip.isEmpty()) return; // the list shows no posted line
    try {
        Connection& c = SharedConnection();
        ::ReprintChargeSlip(c, slipHeader(*this, c, txtID->text()), slip, MSHFlexList->TextMatrix(row, 7));
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}
