#include "charging/ChargeRevocation.h"

#include "access/ActionApproval.h"
#include "access/UserValidation.h"
#include "charging/ChargePostedList.h"
#include "charging/ChargePricing.h"
#include "charging/frmCharge.h"
#include "components/Drugs.h"
#include "hospital/StayTables.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/UserRights.h"
#include "shared/clsParameters.h"
#include "shared/inventory/InventoryLookups.h"
#include "shared/inventory/StockCharges.h"
#include "shared/lookups/AccountChecks.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/orders/RequestChecks.h"
#include "shared/packages/PackageLookups.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
const QString kRevokeNotice = QStringLiteral("Notification");
const QString kNothingLeftToRevoke = QStringLiteral("Can't revoke this item. The Total Amount is already zero (0)!");

// A department named by a station parameter; an empty parameter names no department.
bool isRevocationParameterCode(const QString& department, const QString& parameter)
{
    return !parameter.trimmed().isEmpty() && department.trimmed() == parameter.trimmed();
}

// Two workstations revoking the same charge at once: the second waits for the first on the
// charge's lines and then finds nothing left (SQLite's write transaction already runs them one
// after the other).
void holdChargeLines(Connection& c, const QString& idNum, const QString& item)
{
    c.execute(QStringLiteral("UPDATE %1 SET ItemID = ItemID WHERE IDNum = ? AND ItemID = ?").arg(StayTables::Of(idNum).charges),
              {idNum.trimmed(), item.trimmed()});
}

// A medicine or supply goes back to its stock location: a stock-card line bringing the quantity
// back, the stock on hand raised, and a negative line on the account under the charge's own
// department, written as the save wrote the charge, so the charge's lines add up to nothing.
void returnToStock(Connection& c, const ChargeRevocation::Reversal& r, const QString& stockKind, double quantity, double amount,
                   const QString& arCode)
{
    const PostedCharge& ch = r.charge;
    // the same stock-card writer as the save, the movement the other way
    StockCardLine back;
    back.HospNum = r.hospNum.trimmed();
    back.IDNum = r.idNum.trimmed();
    back.ItemID = ch.item.trimmed();
    back.LocationID = ch.location.trimmed();
    back.StockSection = stockKind;
    back.TransDate = r.when;
    back.RefNum = ch.slip.trimmed();
    back.Quantity = -quantity;
    back.Amount = -amount;
    back.UserID = r.userID;
    back.DosageID = r.dosageID;
    back.RoomID = r.room.trimmed();
    back.PatientType = r.patientType;
    back.Reversal = true;
    PostStockCharge(c, back, ch.dept, arCode);
}
} // namespace

PostedCharge PostedCharge::FromList(const FlexGrid& list, int row)
{
    auto cell = [&](int col) { return col < list.Cols() ? list.TextMatrix(row, col) : QString(); };
    PostedCharge p;
    p.dept = cell(PostedChargeRow::Dept);
    p.item = cell(PostedChargeRow::ItemCode);
    p.description = cell(PostedChargeRow::Description);
    p.quantity = cell(PostedChargeRow::Qty);
    p.amount = cell(PostedChargeRow::Amount);
    p.slip = cell(PostedChargeRow::ChargeSlip);
    p.location = cell(PostedChargeRow::Location);
    p.packageID = cell(PostedChargeRow::PackageID);
    return p;
}

bool PostedCharge::IsBlank() const
{
    return dept.trimmed().isEmpty() && item.trimmed().isEmpty() && slip.trimmed().isEmpty();
}

namespace ChargeRevocation {

std::optional<double> RemainingAmount(Connection& c, const QString& idNum, const PostedCharge& charge)
{
    const Recordset rs = c.call(QStringLiteral("STATION..sp_VerifyCL_Charges"), {idNum, charge.item, charge.slip, charge.dept});
    if (rs.isEmpty()) return std::nullopt;
    return rs.toDouble(QStringLiteral("Amount"));
}

Outcome Post(Connection& c, const Reversal& r, const PackageReversals& packages)
{
    const PostedCharge& ch = r.charge;
    TransactionGuard tx(c);
    holdChargeLines(c, r.idNum, ch.item);
    const std::optional<double> left = RemainingAmount(c, r.idNum, ch);
    if (left && *left <= 0) return Outcome::NothingLeft;
    const double quantity = LeadingNumber(ch.quantity), amount = LeadingNumber(ch.amount);
    const QString arCode = GetARCode(c, ch.dept, QStringLiteral("CL"), QStringLiteral("2"));
    if (!ch.location.trimmed().isEmpty()) {
        const QString stockKind = GetInventoryType(c, ch.location) == QLatin1String("C") ? QStringLiteral("CS") : QStringLiteral("PH");
        returnToStock(c, r, stockKind, quantity, amount, arCode);
        c.call(QStringLiteral("Station..sp_Nurse_Append_tbBillAdjustInfo"),
               {r.idNum.trimmed(), stockKind, ch.item.trimmed(), -amount, r.supervisorID.trimmed(), -quantity, ch.slip,
                r.reason.trimmed()});
    } else {
        const QString room = IsOutPatientNumber(r.idNum) ? QStringLiteral("OPD/ER") : r.room;
        c.call(QStringLiteral("STATION..Nurse_UpdateCharging"),
               {r.hospNum, r.idNum, ch.item, ch.amount, ch.quantity, r.when, ch.dept, r.userID, r.patientType, QStringLiteral("C"), room,
                ch.slip, arCode, r.supervisorID.trimmed(), r.reason.trimmed()});
    }
    const clsParameters& p = StationParameters();
    if (r.lateCharge) {
        if (packages.package) packages.package(c, r);
    } else if (!p.EnableOldPackageCharging()) {
        // a consigned package is billed under the department's own code, its item linked as consigned
        const bool consignedPackage = isRevocationParameterCode(ch.dept, p.MainRevenueID())
                                      && !GetOtherLinkedPackageCode(c, ch.item.trimmed()).isEmpty();
        if (consignedPackage || !GetLinkedPackageCode(c, ch.item).isEmpty()) packages.package(c, r);
        if (isRevocationParameterCode(ch.dept, p.ConsignedPackagesRevenueID())) packages.consigned(c, r);
        if (isRevocationParameterCode(ch.dept, p.CLEquipmentRev()) && IsEquipmentPackage(c, ch.item.trimmed()))
            packages.included(c, r);
        c.call(QStringLiteral("Clinical_Area..CLDeleteCurrentReturned"), {r.idNum, ch.slip, r.userID});
    }
    tx.commit();
    return Outcome::Revoked;
}

} // namespace ChargeRevocation

// ---- the revocation on the charging window ----

void frmCharge::RevokeCharge()
{
    if (!MSHFlexList->isEnabled()) return;
    const int row = qMax(1, MSHFlexList->currentRow());
    if (row >= MSHFlexList->Rows()) return;
    const PostedCharge charge = PostedCharge::FromList(*MSHFlexList, row);
    if (charge.IsBlank()) return;
    Connection& c = SharedConnection();
    const clsParameters& p = StationParameters();
    // The window's own header names the account and its kind, whatever the lists select meanwhile.
    const QString idNum = txtID->text();
    const QString patientType = PatientTypeOfNumber(idNum);
    const bool package = !charge.packageID.trimmed().isEmpty();
    try {
        if (IsAccountClosed(c, idNum, patientType)) return;
        if (IsDepartmentCleared(c, idNum, QStringLiteral("CL"))) {
            MsgBox(QStringLiteral("Patient is already cleared by (Cathlab Department). ") +
                       QStringLiteral("If you have charges to make, notify the Billing staff") +
                       QStringLiteral(" immediately for further instructions."),
                   vbOKOnly | vbInformation, kRevokeNotice);
            return;
        }
        if (p.NoPackageItemExclude() && package) {
            MsgBox(QStringLiteral("Sorry, you are not allowed to revoke package items."), vbInformation, kRevokeNotice);
            return;
        }
        if (Session.HospClientName == QLatin1String("QOLTA") && LeadingNumber(charge.amount) == 0 && package) {
            MsgBox(QStringLiteral("Sorry, this package is already revoked."), vbInformation, kRevokeNotice);
            return;
        }
        cmdOption[0]->setEnabled(false);
        cmdOption[1]->setEnabled(true);
        const std::optional<double> left = ChargeRevocation::RemainingAmount(c, idNum, charge);
        if (left && *left <= 0) {
            MsgBox(kNothingLeftToRevoke, vbOKOnly | vbCritical, QStringLiteral("Message"));
            return;
        }
        if (IsCathRequestStatusDOrW(c, charge.slip)) {
            MsgBox(QStringLiteral("Can't proceed to revoke exam. Result already exist."), vbInformation, kRevokeNotice);
            Get_Charges();
            return;
        }
        if (MsgBox(QStringLiteral("Are you sure you want to revoke ") + charge.description + QStringLiteral("?"), vbYesNo | vbQuestion,
                   QStringLiteral("Confirmation"))
            != vbYes)
            return;
        const std::optional<ValidatedUser> validated =
            ValidateUser({.postOrCancel = 1,
                          .reasonMaxLength = ReasonRoom(QStringLiteral("STATION..tbBillAdjustInfo"), QStringLiteral("Remarks"), true),
                          .retryQuestion = QStringLiteral("Selected charge(s) will not be revoked! ") + QStringLiteral("\r\n") +
                                           QStringLiteral("Are you sure you want to revoke this charge?")});
        if (!validated) return;
        const QString user = validated->userID;
        if (!HasUserRight(c, QStringLiteral("22"), user)) {
            MsgBox(QStringLiteral("Sorry, you don't have access right to revoke charges."), vbInformation, kRevokeNotice);
            return;
        }
        // Revoking a package needs right 38 of the user who revokes, the one just validated.
        if (p.CheckRevokePackageRight() && package && !HasUserRight(c, QStringLiteral("38"), user)) {
            MsgBox(QStringLiteral("Sorry, you are not allowed to revoke packages."), vbInformation, kRevokeNotice);
            return;
        }
        if (!ApproveBySupervisor(QStringLiteral("Selected charge was not revoked! ") + QStringLiteral("\r\n") +
                                     QStringLiteral("Are you sure you want to revoke this charge?"),
                                 vbInformation))
            return;
        ChargeRevocation::Reversal r;
        r.hospNum = txtPno->text();
        r.idNum = idNum;
        r.room = txtRoom->text();
        r.patientType = patientType;
        r.userID = user;
        r.supervisorID = DialogAnswers.SupervisorUserID;
        // With the supervisor's approval this reads "Allowed " and the reason typed at the validation.
        r.reason = DialogAnswers.CancelReason;
        r.when = GetServerDate();
        r.charge = charge;
        if (ChargeRevocation::Post(c, r) == ChargeRevocation::Outcome::NothingLeft)
            MsgBox(kNothingLeftToRevoke, vbOKOnly | vbCritical, QStringLiteral("Message"));
        Get_Charges();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}
