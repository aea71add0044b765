#pragma once
// What the package picker reads and decides, apart from its window: the packages and a package's
// items, the checks before the items go to the caller's grid, and the copy itself. Nothing here
// writes to the database or keeps state between uses.
#include <QList>
#include <QString>

class Connection;
class EntryGrid;

// One package of the list: code, description and gross amount (texts, trimmed).
struct PickerPackage {
    QString code, description, gross;
};

// One item of a package as the picker lists it. `state` is "1" included, "2" excluded; any other
// value is neither copied nor counted as excluded. `amount` is the line's amount (the whole quantity).
struct PickerItem {
    QString marker, code, revenue, description, quantity, amount, location, state, specimen, labSection, dosage;
};

// The department's packages. Errors reach the caller.
QList<PickerPackage> ReadPickerPackages(Connection& c);
// The items of a package at a price class ("I" or "O"). Errors reach the caller.
QList<PickerItem> ReadPickerItems(Connection& c, const QString& packageCode, const QString& priceClass);

// The unit price of a line: amount over quantity, plain decimal text of up to 15 significant
// digits, no grouping (100 over 3 gives 33.3333333333333). "" when the quantity is not a number above zero.
QString PickerUnitPrice(const QString& amount, const QString& quantity);

// A refusal of Accept: its text and icon (MsgBox flags); an empty text lets the copy go ahead.
struct PickerRefusal {
    QString text;
    int icon = 0;
};
// The checks, in their order: something included, no ordinary items under a package (only when
// packages may not be mixed), the package not already in the grid, no second package (ditto), and
// every included item priceable.
PickerRefusal CheckPackageAccept(const QList<PickerItem>& items, const EntryGrid& grid, const QString& packageCode,
                                 bool dontMixPackages);
// Writes every included item into the caller's grid, one row each: the first empty row 1, else an
// empty last row, else a new row at the end. Returns the rows written.
int CopyPackageItems(EntryGrid& grid, const QList<PickerItem>& items, const PickerPackage& package);

// Whether an item of a stock-keeping department has nothing on hand at the department's location
// (a failed stock look-up counts as nothing on hand; a failed location look-up as no location).
bool IsOutOfStock(Connection& c, const PickerItem& item);
