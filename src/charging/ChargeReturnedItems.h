#pragma once
// The items of a charged package recorded as returned, per admission and charge slip: whether the
// package charge is still billed, the package's items with their returned marks, and the save that
// replaces the recorded set.
#include <QList>
#include <QString>

class Connection;

// One item of a charged package; `forReturn` is "1" when it is (to be) recorded as returned.
struct ReturnedItem {
    QString mark, revenue, code, description, quantity, unitPrice, amount, forReturn;
};

// Whether the admission's billing lines of the slip, department and item still add up to a
// positive quantity. Errors reach the caller.
bool IsChargeStillBilled(Connection& c, const QString& idNum, const QString& refNum, const QString& revenueID, const QString& itemID);
// "O" for an out-patient admission classified "A", "I" for every other.
QString ReturnedItemsPatientType(Connection& c, const QString& idNum);
// The package's items as charged on the slip, with the marks recorded so far. Errors reach the caller.
QList<ReturnedItem> ReadReturnedItems(Connection& c, const QString& idNum, const QString& refNum, const QString& packageCode,
                                      const QString& patientType);
// The amount of the items marked "1" (grouping commas ignored).
double ReturnedTotal(const QList<ReturnedItem>& items);
// Replaces the returned items recorded for the admission and slip by the marked ones, in one
// transaction. Errors reach the caller, with nothing changed.
void SaveReturnedItems(Connection& c, const QString& idNum, const QString& refNum, const QString& userID,
                       const QList<ReturnedItem>& items);
