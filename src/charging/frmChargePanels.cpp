// The charging window's package item panels: opened from the main window's "Minor Packages"
// pop-up over the entry grid, emptied after their items are posted.
#include "charging/frmCharge.h"

#include "charging/ChargeEntryRow.h"
#include "charging/ChargeSave.h"
#include "charging/PackageItemPanel.h"
#include "shared/MainWindowLinks.h"
#include "platform/ui/EntryGrid.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"

using namespace ChargeEntryRow;

void frmCharge::mshflexEntry_MouseDown(const QPoint& globalPos)
{
    const int row = mshflexEntry->Row();
    if (row < 1) return;
    const clsParameters& p = StationParameters();
    const QString department = mshflexEntry->TextMatrix(row, Dept).trimmed();
    if (department == p.ConsignedPackagesRevenueID().trimmed() && !department.isEmpty()
        && !mshflexEntry->TextMatrix(row, Description).trimmed().isEmpty() && !mshflexEntry->TextMatrix(row, ItemCode).trimmed().isEmpty())
        MainWindowLinks::PopupMinorPackageMenu(globalPos, MainWindowLinks::MinorPackageItem::ConsignedItems);
    // the equipment item looks at the department alone
    if (department == p.CLEquipmentRev().trimmed())
        MainWindowLinks::PopupMinorPackageMenu(globalPos, MainWindowLinks::MinorPackageItem::Equipment);
}

void frmCharge::LoadConsignedItems()
{
    const int row = mshflexEntry->Row();
    pctConsigned->Open(row >= 1 ? mshflexEntry->TextMatrix(row, Description) : QString());
}

void frmCharge::LoadEquipmentItems()
{
    const int row = mshflexEntry->Row();
    pctEquipment->Open(row >= 1 ? mshflexEntry->TextMatrix(row, Description) : QString());
}

void frmCharge::SetupConsignedGrid() { pctConsigned->Setup(); }
void frmCharge::SetupIncludedGrid() { pctEquipment->Setup(); }
