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

// The reversal of the items of a package, of a consigned package and of an equipment package's
// included items. Not built yet: these hooks post nothing. They run inside the revocation's
// transaction, so when they post, a failure of theirs undoes the whole revocation.
void RevokePackage(Connection& c, const QString& idNum, const QString& slip, const QString& item);
void RevokeConsignedItems(Connection& c, const QString& slip);
void RevokeIncludedItems(Connection& c, const QString& slip);

struct PackageReversals {
    std::function<void(Connection&, const QString& idNum, const QString& slip, const QString& item)> package = RevokePackage;
    std::function<void(Connection&, const QString& slip)> consigned = RevokeConsignedItems;
    std::function<void(Connection&, const QString& slip)> included = RevokeIncludedItems;
};

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

enum class Outcome { Revoked, NothingLeft };

// Posts the revocation in one transaction: the remaining amount checked again (NothingLeft, with
// nothing posted, when it is zero or less); a medicine or supply back on its stock card, with a
// negative line on the account and a bill-adjustment note; any other line reversed by
// STATION..Nurse_UpdateCharging; unless the older package charging is on, the package reversals
// that apply and the removal of the items recorded as returned under the slip. Any failure,
// a look-up's included, rolls everything back and reaches the caller.
Outcome Post(Connection& c, const Reversal& r, const PackageReversals& packages = {});

} // namespace ChargeRevocation
