#pragma once
#include <QString>

// Report files are named by the callers as the hospital's program folder spells them
// ("Charge_Slip_BlankForm.RPT", "RadioResult.rpt"); on disk the case may differ.
namespace ReportFiles {
// The path with "\" turned into "/".
QString normalized(const QString& path);
// The existing file that the path names, each part matched without regard to case when the exact
// spelling is not there; empty when there is none.
QString resolve(const QString& path);
}
