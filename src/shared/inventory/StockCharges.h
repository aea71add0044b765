#pragma once
// A medicine or supply charged to a patient, and its reversal: one writer for the charging save,
// the late charges and the revocation, so that every stock charge is on the bill exactly as it is
// on the stock card.
#include <QString>

class Connection;
struct StockCardLine;

// Writes the stock-card line and the patient's bill line under the charge's department, with the
// card's slip, time, user, room, quantity and amount (a reversal: both negative). Returns the
// sequence number of the stock-card line. Errors reach the caller, whose transaction undoes them.
qint64 PostStockCharge(Connection& c, const StockCardLine& card, const QString& revenueID, const QString& arCode);
