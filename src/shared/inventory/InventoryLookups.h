#pragma once

class Connection;
// Look-ups of departments (revenue codes), stock locations, items and reference numbers that the
// entry windows make while they price, post and revoke charges. All run on the connection they are given
// and write nothing. Failures reach the caller (the window shows the common error notice).
#include <QString>
#include <optional>

class FlexGrid;

// The AR code of a department for a system and mode (all trimmed); "" without a row. Failures
// reach the caller.
QString GetARCode(Connection& c, const QString& code, const QString& systemID, const QString& mode);
// The stock location of the department (trimmed), when it has one (a blank counts); none when the
// department has no location or no row.
std::optional<QString> LoadRevenueLocation(Connection& c, const QString& revenueID);
// The inventory type of a location (trimmed): its own, else "C" when its stock cards are held
// under "CS" and "P" under "PH". Failures reach the caller.
QString GetInventoryType(Connection& c, const QString& locationID);
// The revenue code under which a location (trimmed) holds its stock cards. Failures reach the caller.
QString GetStockCardRevenueID(Connection& c, const QString& locationID);
// Stock on hand of an item at a location; 0 when not listed.
int GetDrugOnHand(Connection& c, const QString& locationID, const QString& itemID);
// The laboratory section of a laboratory exam, trimmed.
QString GetLabSectionID(Connection& c, const QString& labExamID);
// The display name of a department.
QString GetRevenueItemName(Connection& c, const QString& revenueID);
// Whether the department's stock cards are held under pharmacy ("PH").
bool IsPharmacyRevenue(Connection& c, const QString& revenueID);
// Whether the item is on the national formulary list.
bool IsPNFItem(Connection& c, const QString& itemID);
// Whether the number (trimmed) is already used by a posted charge (in-patient or out-patient
// reference, out-patient charge slip) or a stock-card line. A failure reaches the caller: a number
// that could not be checked is never taken as free.
bool IsRefNumPosted(Connection& c, const QString& refNum);
// Whether a data row of the grid has the department "OR" in column 1 (trimmed, case counts).
// Failures reach the caller.
bool GridHasOR(const FlexGrid& grid);
