// The tank-reading dialog shared by the entries that charge oxygen by PSI.
#include "receivables/ReceivablePSI.h"

#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/oxygen/frmPSIReading.h"

void ShowPSIReading(const QString& code, const QString& description, EntryGrid* grid, int row)
{
    frmPSIReading* d = frmPSIReading::instance();
    d->Code = code;
    d->Description = description;
    d->Grid = grid;
    d->SelectedRow = row;
    runModal(d);
}
