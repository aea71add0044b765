#pragma once
// Credit memos of returned medicines and supplies. The two procedures go through named
// parameters and run in the caller's transaction: the caller opens a TransactionGuard around the
// number, the stock-card lines and these calls, and commits once. Failures reach the caller.
#include <QString>

class Connection;

// Removes what is staged for one credit memo of one admission under one user.
void EraseCreditMemo(Connection& c, const QString& userID, const QString& idNum, const QString& cmNumber);
// Stages one line of a credit memo for its print; the description is cut to 90 characters.
void AppendCreditMemo(Connection& c, const QString& userID, const QString& cmNumber, const QString& description, double quantity,
                      double amount, const QString& chargeSlip, int qtyIssued, const QString& idNum);
// Whether a stock-card line already carries this credit memo number (trimmed).
bool IsCreditMemoUsed(Connection& c, const QString& cmNumber);

// The next credit memo number: taken from the counter inside the caller's transaction, passing
// over numbers a stock-card line already carries, so two workstations never share one. A rollback
// gives the number back. Outside a transaction, or without the counter row, it is an error.
QString TakeCreditMemoNumber(Connection& conn);
