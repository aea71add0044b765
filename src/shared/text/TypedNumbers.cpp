#include "shared/text/TypedNumbers.h"

#include "hospital/Schema.h"
#include "platform/db/DbError.h"
#include "platform/ui/EntryGrid.h"

NumberRange QuantityRange() { return {QStringLiteral("Quantity"), 0, 9999, 2}; }

// Prices the program computes (a mark-up, a division) carry more decimals than anyone types.
NumberRange MoneyRange(const QString& label) { return {label, 0, 999999.99, 15}; }

NumberRange ColumnRange(const QString& label, const QString& houseTable, const QString& column)
{
    const HospitalSchema::ColumnType t = HospitalSchema::columnType(houseTable, column);
    if ((t.type != QLatin1String("NUMERIC") && t.type != QLatin1String("DECIMAL")) || t.length <= t.scale)
        throw DbError(QStringLiteral("The column %1 of %2 is no number of fixed digits.").arg(column, houseTable));
    // the largest value written out, so that it reads back as the same double as a typed one
    const QString largest = QString(t.length - t.scale, QLatin1Char('9')) + (t.scale > 0 ? QLatin1Char('.') + QString(t.scale, QLatin1Char('9')) : QString());
    return {label, 0, largest.toDouble(), t.scale};
}

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
