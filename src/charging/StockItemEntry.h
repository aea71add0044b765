#pragma once
// What the entry grid and the package item panels do alike when a medicine or supply is found for
// a row: the question before another item replaces the row's, and the price of the window's class.
#include <QString>

struct DrugItem;

// True when the row holds no item yet, holds this one, or the user answers Yes to replacing
// its description with the item found.
bool ReplacementConfirmed(const QString& currentCode, const QString& currentDescription, const DrugItem& found);
// The out-patient selling price for price class "O", else the in-patient one.
double StockSellingPrice(const DrugItem& item, const QString& priceClass);
