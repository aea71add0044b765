#pragma once
// The items of a package as rows of the charging entry grid: read from the package item list at
// the window's price class, written one row per item, each row tagged with its package and the
// package's own amount; and the colours that mark package rows.
#include <QList>
#include <QString>

class Connection;
class EntryGrid;

// One item of a package (texts, trimmed; quantity and price as plain numbers).
struct PackageItemLine {
    QString itemCode, department, description, quantity, price, location;
};

// Everything the rows of one package carry: its items, the nurse item code that stands for the
// package (column 15, "" without a link) and the package's amount (column 16).
struct PackageLoad {
    QList<PackageItemLine> items;
    QString packageLink;
    QString packageAmount;
};

// Reads a package's items at a price class ("I" or "O") with its link and amount. Everything is read
// before any row is written, so that a failure (thrown) leaves the grid as it was; an item without
// a code, department, description, quantity, price or location is such a failure. No items: an
// empty list, link and amount not read.
PackageLoad ReadPackageLoad(Connection& c, const QString& packageCode, const QString& priceClass);

// The texts of one package row of the entry grid.
struct PackageRowTexts {
    QString department, itemCode, description, quantity, unitPrice, amount, location, requestNum, basePrice, packageCode,
        packageAmount, dosageID;
};
// Writes columns 0 to 18 of a package row (its number from the grid's row count; the quantity
// also as the package's quantity); columns 19 and 20 are left as they are.
void WritePackageRow(EntryGrid& g, int row, const PackageRowTexts& t);

// Writes the items from startRow on, one row each, and after each one appends a numbered row; from
// the grid's last row, the grid ends with one blank numbered row. Returns the rows written.
int WritePackageRows(EntryGrid& g, const PackageLoad& load, const QString& requestNum, int startRow);

// Row colours: with the current package scheme, package rows of hospital medicines or supplies
// light blue, other package rows light red, all other rows the tool-tip colour; with the old
// scheme package rows light red (their prices unreadable when the station hides them).
void ColourPackageRows(EntryGrid& g);
