// The tank-reading dialog is not part of this build yet: no reading is taken, so the row is
// priced as one unit and not marked as read in PSI.
#include "receivables/ReceivablePSI.h"

void ShowPSIReading(const QString&, const QString&, EntryGrid*, int) {}
