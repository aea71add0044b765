#pragma once
#include <QDateTime>
#include <QString>

class Connection;

// One line of an account's charges. A charge is a positive line; its reversal a negative line
// (quantity and amount) of the same department, item and charge slip.
struct BillingLine {
    QString hospNum, idNum, revenueID, itemID, chargeSlip, userID, roomID, arCode;
    QDateTime when;
    double quantity = 0, amount = 0;
};

// Appends the line to the charges table of the admission's kind (StayTables::Of): an out-patient
// line also carries the hospital number and the slip in ChargeSlip. Errors reach the caller.
void AppendBillingLine(Connection& c, const BillingLine& line);
