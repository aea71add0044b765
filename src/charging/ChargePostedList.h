#pragma once
// The list of charges the department has posted to an admission ("List of Charges Entered"): one
// grid row per posted line, reversals in red. The reprint and the revocation read its columns.
#include <QString>

class Connection;
class FlexGrid;
class Recordset;

namespace PostedChargeRow {
enum Column {
    Dept = 1,
    ItemCode = 2,
    Description = 3,
    Qty = 4,
    Amount = 5,      // a text starting with "-" is a reversal
    ChargeSlip = 6,
    PostedAt = 7,
    Location = 9,    // stock location of a medicine or supply; blank for services
    PackageID = 10,  // not blank on a line that belongs to a package
};
}

// The posted lines of the admission (STATION..List_All_CLCharges). Errors reach the caller.
Recordset LoadPostedCharges(Connection& c, const QString& hospNum, const QString& idNum, const QString& stationID);

// Lays the list out (header, widths from the grid's width, the amount hidden unless shown) and
// fills it: a row per posted line, fields from column 1 on, reversals in red. With no line the
// grid keeps its header and one blank row. True when there were lines.
bool FillPostedChargesGrid(FlexGrid& grid, const Recordset& lines, bool showAmount);
