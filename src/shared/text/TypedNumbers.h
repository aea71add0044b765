#pragma once
#include "platform/text/NumberRange.h"

class EntryGrid;

// The numbers an entry grid takes in one row. A quantity times the highest unit price still fits
// the NUMERIC(12,2) amounts of the billing, stock and slip lines.
NumberRange QuantityRange();
NumberRange MoneyRange(const QString& label);

// What a NUMERIC(p,s) column holds: 0 up to p - s whole digits and s decimals (throws DbError
// for a column of another type).
NumberRange ColumnRange(const QString& label, const QString& houseTable, const QString& column);

// Bounds the quantity, unit price and amount columns of an entry grid (-1: the grid has none):
// each refuses, on Enter, a number outside its range; the quantity also takes no longer text
// than its range's longest (a computed price may hold more decimals than a typed one).
void BoundEntryNumbers(EntryGrid& grid, int quantityCol, int unitPriceCol, int amountCol);
