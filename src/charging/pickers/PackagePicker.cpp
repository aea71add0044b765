#include "charging/pickers/PackagePicker.h"

#include "charging/ChargeEntryRow.h"
#include "charging/ChargePackages.h"
#include "shared/orders/ExamPricing.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/text/Format.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/inventory/InventoryLookups.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <cmath>

using namespace ChargeEntryRow;

namespace {

QString pickerField(const Recordset& rs, int row, int position)
{
    return position < rs.fieldCount() ? DbValue::text(rs.valueAt(row, position)).trimmed() : QString();
}

QString pickerGridText(const EntryGrid& g, int row, int col) { return g.TextMatrix(row, col).trimmed(); }

bool isIncludedItem(const PickerItem& item) { return item.state.trimmed() == QLatin1String("1"); }

} // namespace

QList<PickerPackage> ReadPickerPackages(Connection& c)
{
    QList<PickerPackage> packages;
    const Recordset rs = c.call(QStringLiteral("STATION..sp_Get_AdmPackages"), {12});
    for (int r = 0; r < rs.recordCount(); ++r) {
        const QString gross = pickerField(rs, r, 2);
        packages.append({pickerField(rs, r, 0), pickerField(rs, r, 1), Fmt::isNumeric(gross) ? AmountText(Fmt::val(gross)) : gross});
    }
    return packages;
}

QList<PickerItem> ReadPickerItems(Connection& c, const QString& packageCode, const QString& priceClass)
{
    QList<PickerItem> items;
    const Recordset rs = c.call(QStringLiteral("CLINICAL_AREA..CLGet_ADMPackage_Items"), {packageCode.trimmed(), 12, priceClass});
    if (rs.isEmpty()) return items;
    if (rs.fieldCount() < 7) throw DbError(QStringLiteral("The package item list gives too few columns."));
    for (int r = 0; r < rs.recordCount(); ++r) {
        items.append({pickerField(rs, r, 0), pickerField(rs, r, 1), pickerField(rs, r, 2), pickerField(rs, r, 3), pickerField(rs, r, 4), pickerField(rs, r, 5),
                      pickerField(rs, r, 6), pickerField(rs, r, 7), pickerField(rs, r, 8), pickerField(rs, r, 9), pickerField(rs, r, 10)});
    }
    return items;
}

QString PickerUnitPrice(const QString& amount, const QString& quantity)
{
    if (!Fmt::isNumeric(quantity)) return QString();
    const double qty = Fmt::val(quantity);
    if (!(qty > 0)) return QString();
    const double unit = Fmt::val(amount) / qty;
    if (!std::isfinite(unit)) return QString();
    if (unit == 0) return QStringLiteral("0");
    // fifteen significant digits in plain notation, never an exponent
    const int whole = int(std::floor(std::log10(std::fabs(unit)))) + 1;
    QString s = QString::number(unit, 'f', qBound(0, 15 - whole, 30));
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0'))) s.chop(1);
        if (s.endsWith(QLatin1Char('.'))) s.chop(1);
    }
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

PickerRefusal CheckPackageAccept(const QList<PickerItem>& items, const EntryGrid& grid, const QString& packageCode,
                                 bool dontMixPackages)
{
    int left = int(items.size());
    for (const PickerItem& item : items)
        if (item.state.trimmed() == QLatin1String("2")) --left;
    if (left < 1) return {QStringLiteral("Please select package items."), vbCritical};
    const bool hasRow1 = grid.Rows() > 1;
    const QString firstPackage = hasRow1 ? pickerGridText(grid, 1, PackageCode) : QString();
    const QString firstDept = hasRow1 ? pickerGridText(grid, 1, Dept) : QString();
    if (dontMixPackages && firstPackage.isEmpty() && !firstDept.isEmpty())
        return {QStringLiteral("Please don't mix non-package and package items."), vbInformation};
    for (int r = 1; r < grid.Rows(); ++r)
        if (pickerGridText(grid, r, PackageCode) == packageCode.trimmed())
            return {QStringLiteral("Package was previously added to the list of charges."), vbInformation};
    if (dontMixPackages && !firstPackage.isEmpty())
        return {QStringLiteral("Please don't mix two or more packages in a single chargeslip."), vbInformation};
    // an included item without a quantity above zero has no unit price: nothing is written for it
    for (const PickerItem& item : items)
        if (isIncludedItem(item) && PickerUnitPrice(item.amount, item.quantity).isEmpty())
            return {QStringLiteral("The quantity of ") + item.description +
                        QStringLiteral(" is not a number above zero. The package cannot be added."),
                    vbCritical};
    return {};
}

int CopyPackageItems(EntryGrid& grid, const QList<PickerItem>& items, const PickerPackage& package)
{
    int written = 0;
    for (const PickerItem& item : items) {
        if (!isIncludedItem(item)) continue;
        int row;
        if (grid.Rows() > 1 && pickerGridText(grid, 1, Dept).isEmpty()) {
            row = 1;
        } else if (grid.Rows() > 1 && pickerGridText(grid, grid.Rows() - 1, Dept).isEmpty()) {
            row = grid.Rows() - 1;
        } else {
            grid.setRows(grid.Rows() + 1);
            row = grid.Rows() - 1;
        }
        const QString unit = PickerUnitPrice(item.amount, item.quantity);
        WritePackageRow(grid, row, {item.revenue, item.code, item.description, item.quantity, unit, item.amount, item.location, QString(),
                                    unit, package.code, package.gross, item.dosage});
        ++written;
    }
    return written;
}

bool IsOutOfStock(Connection& c, const PickerItem& item)
{
    const std::optional<QString> location = StockLocationOrNotice(c, item.revenue.trimmed());
    return location && OrErrorNotice(0, [&] { return GetDrugOnHand(c, *location, item.code); }) < 1;
}
