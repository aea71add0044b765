// The charging window's packages: a package's item code typed on an empty grid loads the package's
// items, one row each, coloured, priced by the rate option and totalled with the package's own amount.
#include "charging/frmCharge.h"

#include "charging/ChargeEntryRow.h"
#include "charging/ChargePackages.h"
#include "charging/pickers/frmListPackage.h"
#include "platform/db/Connection.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/packages/PackageLookups.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>

using namespace ChargeEntryRow;

bool frmCharge::LoadPackageItems(const QString& packageCode, const QString& requestNum, int startRow)
{
    return loadPackage(packageCode, requestNum, startRow, QStringLiteral("No items added yet to the package."));
}

bool frmCharge::LoadConsignedPackageItems(const QString& packageCode, const QString& requestNum, int startRow)
{
    return loadPackage(packageCode, requestNum, startRow, QStringLiteral("No items built yet to the package."));
}

bool frmCharge::loadPackage(const QString& packageCode, const QString& requestNum, int startRow, const QString& noItemsMessage)
{
    // priced at this window's own class, never at whatever another window set meanwhile
    const PackageLoad load = ReadPackageLoad(SharedConnection(), packageCode, PricePatientClass);
    if (load.items.isEmpty()) {
        MsgBox(noItemsMessage, vbInformation, QStringLiteral("Notification"));
        return false;
    }
    WritePackageRows(*mshflexEntry, load, requestNum, startRow);
    return true;
}

bool frmCharge::HasOtherEquipmentPackage(int row) const
{
    Connection& c = SharedConnection();
    for (int r = 1; r < mshflexEntry->Rows(); ++r)
        if (r != row && IsEquipmentPackage(c, mshflexEntry->TextMatrix(r, ItemCode))) return true;
    return false;
}

void frmCharge::ColourPackageRows() { ::ColourPackageRows(*mshflexEntry); }

void frmCharge::enterPackage(int row, const QString& itemCode, const QString& packageCode, bool consigned)
{
    for (int r = 1; r < mshflexEntry->Rows(); ++r)
        if (CompleteRow(r)) {
            MsgBox(QStringLiteral("There are existing items on the grid. Please don't mix package with regular items."), vbInformation,
                   QStringLiteral("Notification"));
            return;
        }
    Connection& c = SharedConnection();
    const clsParameters& p = StationParameters();
    const QString revenue = consigned ? p.ConsignedPackagesRevenueID().trimmed().toUpper() : p.MainRevenueID().trimmed();
    // Either kind of package is billed under the department's own code: look where the save wrote it.
    if (IsPackageAlreadyCharged(c, itemCode, txtID->text(), p.MainRevenueID().trimmed())) {
        MsgBox(QStringLiteral("The same package was previously charged. Please double-check list of charges."), vbInformation,
               QStringLiteral("Notification"));
        return;
    }
    const bool loaded = consigned ? LoadConsignedPackageItems(packageCode, QString(), row) : LoadPackageItems(packageCode, QString(), row);
    if (!loaded) return;
    mshflexEntry->HideBox();
    ColourPackageRows();
    // consigned packages keep the amount they were loaded with
    if (!consigned) RepriceRows(RateOptionLetter());
    ComputeTotals();
    lblPackageName->setText(GetPackageName(c, itemCode, revenue));
    lblPackageName->show();
    mshflexEntry->setCurrentCell(row, Dept);
}

// A package the picker brought that the admission was charged before goes back out of the grid, as
// a typed one is refused; one that cannot be checked goes out too, never charged twice unseen.
void frmCharge::dropPackagesChargedBefore(const QSet<QString>& onGridBefore)
{
    EntryGrid& g = *mshflexEntry;
    QSet<QString> refused;
    QSet<QString> checked = onGridBefore;
    try {
        for (int r = 1; r < g.Rows(); ++r) {
            const QString package = cell(r, PackageCode).trimmed();
            if (package.isEmpty() || checked.contains(package)) continue;
            checked.insert(package);
            if (IsPackageAlreadyCharged(SharedConnection(), package, txtID->text(), StationParameters().MainRevenueID().trimmed()))
                refused.insert(package);
        }
        if (!refused.isEmpty())
            MsgBox(QStringLiteral("The same package was previously charged. Please double-check list of charges."), vbInformation,
                   QStringLiteral("Notification"));
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        refused = checked - onGridBefore;
    }
    if (refused.isEmpty()) return;
    for (int r = g.Rows() - 1; r >= 1; --r) {
        if (!refused.contains(cell(r, PackageCode).trimmed())) continue;
        if (g.Rows() > 2) g.RemoveItem(r);
        else g.ClearRow(r, 1, g.Cols() - 1);
    }
    for (int r = 1; r < g.Rows(); ++r) setCell(r, Number, QStringLiteral(" %1").arg(r));
}

void frmCharge::viewPackages()
{
    QSet<QString> onGridBefore;
    for (int r = 1; r < mshflexEntry->Rows(); ++r)
        if (!cell(r, PackageCode).trimmed().isEmpty()) onGridBefore.insert(cell(r, PackageCode).trimmed());
    frmListPackage* picker = frmListPackage::instance();
    picker->SourceGrid = mshflexEntry;
    picker->PackageGrid = mshflexPackageItems;
    picker->PricePatientClass = PricePatientClass;
    picker->ShowModal();
    dropPackagesChargedBefore(onGridBefore);
    ColourPackageRows();
    EntryGrid& g = *mshflexEntry;
    g.setCurrentCell(g.Rows() - 1, Dept);
    g.EnterCell();
    g.HideBox();
    // no rate option chosen: the rows keep the prices they came with
    if (!StationParameters().EnableOldPackageCharging()) {
        if (Option1[0]->isChecked()) RepriceRows(QStringLiteral("A"));
        else if (Option1[1]->isChecked()) RepriceRows(QStringLiteral("B"));
        else if (Option1[2]->isChecked()) RepriceRows(QStringLiteral("C"));
    }
    // the total counts the new rows whichever package scheme is on
    ComputeTotals();
}
