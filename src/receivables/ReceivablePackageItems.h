#pragma once
// The stock items of the packages entered in the receivable update: the two hidden package grids
// (the items of the packages typed by code, and the items of a revoked package to reverse), their
// filling and pruning, and the stock-card lines and unused-item records a save or a revocation
// makes of them.
#include "receivables/ReceivableEntryRow.h"

#include <QDateTime>
#include <QList>
#include <QString>

class Connection;
class FlexGrid;

// One stock item of a package, as a row of a package grid (columns 1 to 7; texts as read).
struct PackageItemsRow {
    enum Column : int { RevenueID = 1, SummaryCode, ItemID, Quantity, Amount, LocationID, PackageID, ColumnCount };
    QString revenueID, summaryCode, itemID, quantity, amount, locationID, packageID;
};
using PackageItemRows = QList<PackageItemsRow>;

// A package grid as the window lays it out: hidden, 2 rows and 8 columns, row 0 and column 0
// fixed, its one data row blank.
void SetUpPackageGrid(FlexGrid& g);
// The grid's items (rows whose item column 1 is not blank), in grid order.
PackageItemRows PackageGridRows(const FlexGrid& g);
// Back to one blank data row.
void ClearPackageGrid(FlexGrid& g);
// Appends items after the grid's own; the first fills the blank data row of an empty grid.
void AppendPackageGridRows(FlexGrid& g, const PackageItemRows& rows);

// Whether the department's item codes are packages (BUILD_FILE..tbCoRevenueCode.Ispackage).
// Errors reach the caller.
bool IsPackageRevenue(Connection& c, const QString& revenueID);
// The located stock items of a package, in table order; an item lacking a field other than its
// amount is an error (thrown) and nothing is returned.
PackageItemRows ReadPackageStockItems(Connection& c, const QString& packageCode);

// A package code accepted in the entry grid: when its department is a package revenue, its
// located stock items are appended to the grid. Everything is read before the grid changes; a
// failure shows the common error notice and leaves the grid as it was.
void Check_If_Package(Connection& c, const QString& revenueID, const QString& itemCode, FlexGrid& grid);
// An entry row deleted: when its department is a package revenue, the grid's rows of that package
// (column 7 = the trimmed item code) go; the last data row is blanked, never removed. Errors reach
// the caller.
void Remove_PackageItems(Connection& c, const QString& revenueID, const QString& itemCode, FlexGrid& grid);

// True when some entry row came from the package dialog (a non-blank package column).
bool HasPackageEntryRows(const ReceivableEntryRows& rows);

// What a save does with the package grid's items. A package whose items the user picked through
// the package dialog (entry rows carrying that package) keeps the items picked on their own rows
// and leaves the others unused; a package only typed by its code is issued whole.
struct PackageItemsOfSave {
    PackageItemRows issued, unused;
};
PackageItemsOfSave SortPackageItems(const PackageItemRows& grid, const ReceivableEntryRows& rows);

// The account and the acting user of package stock-card lines.
struct PackageStockPosting {
    QString hospNum, idNum, room, userId;
    QDateTime when;
};
// One stock-card line per item under the slip (quantity and amount negated for a reversal), each
// tagged with its package through the sequence number the stock card gives back. Runs inside the
// caller's transaction; errors reach the caller.
void PostPackageStockItems(Connection& c, const PackageStockPosting& p, const QString& slip, const PackageItemRows& rows,
                           bool reversal);
// Records each item as unused with the slip (STATION..sp_Save_PackageItems_Unused). Errors reach
// the caller.
void SaveUnusedPackageItems(Connection& c, const QString& idNum, const QString& userId, const QString& slip,
                            const PackageItemRows& rows);
// The stock items a package issued under a slip to the admission and not yet brought back: what a
// revocation of the package reverses. Items charged on their own rows under the package's code
// are not the package's issue. Errors reach the caller.
PackageItemRows ReadIssuedPackageItems(Connection& c, const QString& idNum, const QString& slip, const QString& packageCode);
