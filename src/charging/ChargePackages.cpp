#include "charging/ChargePackages.h"

#include "charging/ChargeEntryRow.h"
#include "charging/GridMarks.h"
#include "shared/orders/ExamPricing.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/text/Format.h"
#include "platform/ui/EntryGrid.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"

#include <QBrush>
#include <QColor>
#include <QTableWidgetItem>

using namespace ChargeEntryRow;

namespace {

const QColor kPackageRed(255, 192, 192);
const QColor kHospitalItemBlue(192, 192, 255);

QString numberText(const QString& text) { return AmountText(Fmt::val(text)); }

// A station parameter naming a department; an empty parameter never matches.
bool isDepartmentParameter(const QString& department, const QString& parameter)
{
    return !parameter.isEmpty() && department == parameter;
}

void colourRow(EntryGrid& g, int row, const QColor& back)
{
    for (int c = 1; c < g.Cols(); ++c) GridCell(g, row, c)->setBackground(back);
}

} // namespace

PackageLoad ReadPackageLoad(Connection& c, const QString& packageCode, const QString& priceClass)
{
    PackageLoad load;
    const Recordset rs = c.call(QStringLiteral("CLINICAL_AREA..CLGet_ADMPackage_Items"),
                                {packageCode.trimmed(), 12, priceClass});
    if (rs.isEmpty()) return load;
    if (rs.fieldCount() < 7) throw DbError(QStringLiteral("The package item list gives too few columns."));
    for (int r = 0; r < rs.recordCount(); ++r) {
        QString v[7];
        for (int k = 1; k <= 6; ++k) {
            const QVariant value = rs.valueAt(r, k);
            if (value.isNull()) throw DbError(QStringLiteral("Item %1 of package %2 lacks its code, department, description, quantity, price or location.")
                                  .arg(r + 1)
                                  .arg(packageCode.trimmed()));
            v[k] = DbValue::text(value).trimmed();
        }
        load.items.append({v[1], v[2], v[3], numberText(v[4]), numberText(v[5]), v[6]});
    }
    // The package's link and amount: the link by the trimmed code, the amount by the code as given.
    const Recordset link = c.query(QStringLiteral("SELECT NurseItemCode FROM STATION..tbCLPackage_CodeLink WHERE PackageCode = ? "
                                                  "ORDER BY LinkID LIMIT 1"),
                                   {packageCode.trimmed()});
    load.packageLink = link.isEmpty() ? QString() : DbValue::text(link.value(0)).trimmed();
    const Recordset rate = c.query(QStringLiteral("SELECT COALESCE(RateA, 0) AS Rate FROM BUILD_FILE..TBCOOTHERREVENUE "
                                                  "WHERE OtherSectionID = ? AND OtherRevenueID = ?"),
                                   {StationParameters().MainRevenueID(), packageCode});
    load.packageAmount = AmountText(rate.isEmpty() ? 0.0 : DbValue::toDouble(rate.value(0)));
    return load;
}

void WritePackageRow(EntryGrid& g, int row, const PackageRowTexts& t)
{
    g.setTextMatrix(row, Number, QStringLiteral(" %1").arg(g.Rows() - 1));
    g.setTextMatrix(row, Dept, t.department);
    g.setTextMatrix(row, ItemCode, t.itemCode);
    g.setTextMatrix(row, Description, t.description);
    g.setTextMatrix(row, Qty, t.quantity);
    g.setTextMatrix(row, UnitPrice, t.unitPrice);
    g.setTextMatrix(row, Amount, t.amount);
    g.setTextMatrix(row, Location, t.location);
    g.setTextMatrix(row, ARCode, QString());
    g.setTextMatrix(row, RequestNum, t.requestNum);
    g.setTextMatrix(row, BasePrice, t.basePrice);
    for (int c = 11; c <= 14; ++c) g.setTextMatrix(row, c, QString());
    g.setTextMatrix(row, PackageCode, t.packageCode);
    g.setTextMatrix(row, PackageAmount, t.packageAmount);
    g.setTextMatrix(row, PackageQty, t.quantity);
    g.setTextMatrix(row, DosageID, t.dosageID);
}

int WritePackageRows(EntryGrid& g, const PackageLoad& load, const QString& requestNum, int startRow)
{
    int row = startRow;
    for (const PackageItemLine& item : load.items) {
        const QString amount = AmountText(QuantityAmount(Fmt::val(item.quantity), Fmt::val(item.price)));
        // package rows keep the amount as their base price; it is not read again
        WritePackageRow(g, row, {item.department, item.itemCode, item.description, item.quantity, item.price, amount, item.location,
                                 requestNum, amount, load.packageLink, load.packageAmount, item.itemCode});
        g.setRows(g.Rows() + 1);
        g.setTextMatrix(g.Rows() - 1, Number, QStringLiteral(" %1").arg(g.Rows() - 1));
        ++row;
    }
    return row - startRow;
}

void ColourPackageRows(EntryGrid& g)
{
    const clsParameters& p = StationParameters();
    const QColor plain = g.palette().color(QPalette::ToolTipBase);
    for (int r = 1; r < g.Rows(); ++r) {
        const bool package = !g.TextMatrix(r, PackageCode).isEmpty();
        if (p.EnableOldPackageCharging()) {
            if (package) colourRow(g, r, kPackageRed);
            continue;
        }
        if (!package) {
            colourRow(g, r, plain);
            continue;
        }
        const QString d = g.TextMatrix(r, Dept);
        const bool hospitalItem = (isDepartmentParameter(d, p.CLHospitalMedsRev()) || isDepartmentParameter(d, p.CLHospitalSuppliesRev()))
                                  && !isDepartmentParameter(d, p.CLNHIMedicinesRev()) && !isDepartmentParameter(d, p.CLNHISuppliesRev());
        colourRow(g, r, hospitalItem ? kHospitalItemBlue : kPackageRed);
    }
    if (!p.EnableOldPackageCharging() || !p.HidePackageItemPrice()) return;
    // the prices stay in the cells; only their text takes the row's colour
    for (int r = 1; r < g.Rows(); ++r)
        if (!g.TextMatrix(r, PackageCode).isEmpty())
            for (int c : {int(UnitPrice), int(Amount)}) GridCell(g, r, c)->setForeground(kPackageRed);
}
