#pragma once
// Revoking one posted late charge from the receivable update's posted list: the verification,
// the question, the user validation (with a reason), right "22" of the validated user, the
// supervisor where the hospital asks for one, then the reversal in one transaction (a medicine
// or supply back on its stock card with a bill-adjustment note, any other line through the
// charging update, a package's stock items back on the stock card).
#include <QDateTime>
#include <QString>

class Connection;
class FlexGrid;
struct ReceivableSlipHeader;

// Runs the revocation of the list's row with its messages and dialogs. True when the reversal
// was posted; every refusal, cancel or error (shown with the common error notice) posts nothing.
bool RevokeReceivableCharge(Connection& c, const ReceivableSlipHeader& header, const FlexGrid& list, int row);

// The reversal of a revoked package's stock items, inside the revocation's transaction: when the
// department is a package revenue, the items its code issued under the slip go back on the stock
// card with quantity and amount negated, each tagged with the package.
void CancelPackageItemsOfCharge(Connection& c, const ReceivableSlipHeader& header, const QString& userId, const QDateTime& when,
                                const QString& dept, const QString& item, const QString& slip);
