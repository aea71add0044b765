#include "receivables/ReceivableRevocation.h"

#include "access/ActionApproval.h"
#include "access/UserValidation.h"
#include "charging/ChargeRevocation.h"
#include "platform/db/Connection.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "receivables/ReceivablePackageItems.h"
#include "receivables/ReceivableSaveSlip.h"
#include "shared/UserRights.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

namespace {
const QString kMessage = QStringLiteral("Message");
const QString kNothingLeft = QStringLiteral("Can't Cancel this Charges. The Total Amount is already Zero!");
const QString kRevokeQuestion = QStringLiteral("Are you sure you want to revoke this item?");
} // namespace

void CancelPackageItemsOfCharge(Connection& c, const ReceivableSlipHeader& header, const QString& userId, const QDateTime& when,
                                const QString& dept, const QString& item, const QString& slip)
{
    if (!IsPackageRevenue(c, dept)) return;
    const PackageItemRows items = ReadIssuedPackageItems(c, header.idNum, slip, item);
    PostPackageStockItems(c, {header.hospNum, header.idNum, header.room, userId, when}, slip, items, true);
}

bool RevokeReceivableCharge(Connection& c, const ReceivableSlipHeader& header, const FlexGrid& list, int row)
{
    if (row < 1 || row >= list.Rows()) return false;
    const PostedCharge charge = PostedCharge::FromList(list, row);
    if (charge.IsBlank()) return false; // the list shows no posted line
    try {
        const std::optional<double> left = ChargeRevocation::RemainingAmount(c, header.idNum, charge);
        if (left && *left <= 0) {
            MsgBox(kNothingLeft, vbOKOnly | vbCritical, kMessage);
            return false;
        }
        if (MsgBox(kRevokeQuestion, vbYesNo | vbQuestion) != vbYes) return false;
        const std::optional<ValidatedUser> validated =
            ValidateUser({.postOrCancel = 1, // a cancellation: the dialog asks for the reason
                          .reasonMaxLength = ReasonRoom(QStringLiteral("STATION..tbBillAdjustInfo"), QStringLiteral("Remarks"), true),
                          .retryQuestion = QStringLiteral("Item was not revoked! ") + QStringLiteral("\r\n") + kRevokeQuestion,
                          .retryTitle = kMessage});
        if (!validated) return false;
        const QString user = validated->userID;
        if (!HasUserRight(c, QStringLiteral("22"), user)) {
            MsgBox(QStringLiteral("Sorry, you don't have access right to revoke charges!"), vbInformation, kMessage);
            return false;
        }
        if (!ApproveBySupervisor(QStringLiteral("Selected charge(s) will not be cancelled! ") + QStringLiteral("\r\n") + kRevokeQuestion,
                                 vbInformation, kMessage))
            return false;
        ChargeRevocation::Reversal r;
        r.hospNum = header.hospNum;
        r.idNum = header.idNum;
        r.room = header.room;
        r.patientType = IsOutPatientNumber(header.idNum) ? QStringLiteral("O") : QStringLiteral("I");
        r.userID = user;
        r.supervisorID = DialogAnswers.SupervisorUserID;
        // With the supervisor's approval this reads "Allowed " and the reason typed at the validation.
        r.reason = DialogAnswers.CancelReason;
        r.when = GetServerDate();
        r.charge = charge;
        r.dosageID = list.Cols() > 11 ? list.TextMatrix(row, 11) : QString();
        r.lateCharge = true;
        ChargeRevocation::PackageReversals packages;
        packages.package = [&](Connection& conn, const ChargeRevocation::Reversal& rv) {
            CancelPackageItemsOfCharge(conn, header, user, rv.when, rv.charge.dept, rv.charge.item, rv.charge.slip);
        };
        if (ChargeRevocation::Post(c, r, packages) == ChargeRevocation::Outcome::NothingLeft) {
            MsgBox(kNothingLeft, vbOKOnly | vbCritical, kMessage);
            return false;
        }
        return true;
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return false;
    }
}
