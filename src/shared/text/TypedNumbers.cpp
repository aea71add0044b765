#include "shared/text/TypedNumbers.h"

#include "platform/ui/EntryGrid.h"

NumberRange QuantityRange() { return {QStringLiteral("Quantity"), 0, 9999, 2}; }

// Prices the program computes (a mark-up, a division) carry more decimals than anyone types.
NumberRange MoneyRange(const QString& label) { return {label, 0, 999999.99, 15}; }

void BoundEntryNumbers(EntryGrid& grid, int quantityCol, int unitPriceCol, int amountCol)
{
    const auto bound = [&grid](int col, const NumberRange& range) {
        if (col >= 0) grid.setColumnRange(col, range);
    };
    if (quantityCol >= 0) grid.setColumnMaxLength(quantityCol, QuantityRange().width());
    bound(quantityCol, QuantityRange());
    bound(unitPriceCol, MoneyRange(QStringLiteral("Unit price")));
    bound(amountCol, MoneyRange(QStringLiteral("Amount")));
}
