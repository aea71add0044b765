#pragma once
// Revoking one posted charge: the reversal lines it posts, all in one transaction, with the check
// that something is left of the charge made again inside it. The window's part (refusals,
// questions, the user validation and the supervisor) is frmCharge::RevokeCharge.
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

class Connection;
class FlexGrid;

// A posted charge as the revocation reads it from a line of the posted list.
struct PostedCharge {
    QString dept, item, description, quantity, amount, slip, location, packageID;

    static PostedCharge FromList(const FlexGrid& list, int row);
    // The blank line of a list with nothing posted: nothing to revoke.
    bool IsBlank() const;
};

namespace ChargeRevocation {

// What is left of the charge after its reversals (STATION..sp_VerifyCL_Charges); nothing when the
// procedure finds no line of it. Errors reach the caller.
std::optional<double> RemainingAmount(Connection& c, const QString& idNum, const PostedCharge& charge);

// One revocation as the window hands it over: its own patient header, the acting (validated)
// user, the supervisor (empty without that step), the reason and the server's time.
struct Reversal {
    QString hospNum, idNum, room, patientType, userID, supervisorID, reason;
    QDateTime when;
    PostedCharge charge;
    QString dosageID;          // carried by a medicine's stock-card line back
    // A late charge of the receivable update: the charging window's package reversals and
    // returned items do not apply; PackageReversals::package reverses the stock items of a
    // package posted under the slip (it decides itself whether the line is a package).
    bool lateCharge = false;
};

// The reversal of what was used under the revoked charge (ChargePackageItems.cpp): the items of a
// package (back to stock, billed back, tagged with the package, marked revoked in the log book,
// the package's case marked revoked), the items used under a consigned package and the items
// included with an equipment package (back to stock, exactly as the save issued them). They run
// inside the revocation's transaction: a failure of theirs undoes the whole revocation.
void RevokePackage(Connection& c, const Reversal& r);
void RevokeConsignedItems(Connection& c, const Reversal& r);
void RevokeIncludedItems(Connection& c, const Reversal& r);

struct PackageReversals {
    std::function<void(Connection&, const Reversal&)> package = RevokePackage;
    std::function<void(Connection&, const Reversal&)> consigned = RevokeConsignedItems;
    std::function<void(Connection&, const Reversal&)> included = RevokeIncludedItems;
};

enum class Outcome { Revoked, NothingLeft };

// Posts the revocation in one transaction: the remaining amount checked again (NothingLeft, with
// nothing posted, when it is zero or less); a medicine or supply back on its stock card, with a
// negative line on the account and a bill-adjustment note; any other line reversed by
// STATION..Nurse_UpdateCharging; unless the older package charging is on, the package reversals
// that apply and the removal of the items recorded as returned under the slip. Any failure,
// a look-up's included, rolls everything back and reaches the caller.
Outcome Post(Connection& c, const Reversal& r, const PackageReversals& packages = {});

} // namespace ChargeRevocation
