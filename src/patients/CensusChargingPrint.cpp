#include "patients/CensusChargingPrint.h"

#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/packages/PackageLookups.h"
#include "shared/reports/modReports.h"

namespace CensusChargingPrint {

QString PackageDescription(const QString& packageID)
{
    return GetPackageName(SharedConnection(), packageID, StationParameters().MainRevenueID());
}

void Print(const QString& idNum, const QString& hospNum, const QString& refNum, bool modalViewer)
{
    try {
        const QVariantList three{idNum, hospNum, refNum};
        PrepareReport(ReportFilePath(QStringLiteral("NHICensusCharging.rpt")), three);
        for (const char* sub : {"AddtionalSupplies.rpt", "AddtionalSupplies.rpt - 02", "AddtionalSupplies.rpt - 01",
                                "NHICensussUBrEPORT.rpt", "AddtionalSupplies.rpt - 01 - 01",
                                "AddtionalSupplies.rpt - 01 - 02", "AddtionalSupplies.rpt - 01 - 03"})
            PrepareSubreport(QString::fromLatin1(sub), three);
        PrepareSubreport(QStringLiteral("SubReturnedItems.rpt"), {idNum, refNum});
        ShowReport(false, QStringLiteral("NHI Census Charging"), false, modalViewer);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

} // namespace CensusChargingPrint
