#include "patients/CensusChargingPrint.h"

#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#if __has_include("shared/packages/PackageLookups.h")
#include "shared/packages/PackageLookups.h"
#define CATHLAB_HAVE_PACKAGE_LOOKUPS 1
#endif
#if __has_include("shared/reports/modReports.h")
#include "shared/reports/modReports.h"
#define CATHLAB_HAVE_REPORTS 1
#endif

namespace CensusChargingPrint {

QString PackageDescription(const QString& packageID)
{
#ifdef CATHLAB_HAVE_PACKAGE_LOOKUPS
    return GetPackageName(packageID, StationParameters().MainRevenueID());
#else
    Q_UNUSED(packageID);
    return QString();
#endif
}

void Print(const QString& idNum, const QString& hospNum, const QString& refNum)
{
#ifdef CATHLAB_HAVE_REPORTS
    try {
        const QVariantList three{idNum, hospNum, refNum};
        PrepareReport(ReportFilePath(QStringLiteral("NHICensusCharging.rpt")), three);
        for (const char* sub : {"AddtionalSupplies.rpt", "AddtionalSupplies.rpt - 02", "AddtionalSupplies.rpt - 01",
                                "NHICensussUBrEPORT.rpt", "AddtionalSupplies.rpt - 01 - 01",
                                "AddtionalSupplies.rpt - 01 - 02", "AddtionalSupplies.rpt - 01 - 03"})
            PrepareSubreport(QString::fromLatin1(sub), three);
        PrepareSubreport(QStringLiteral("SubReturnedItems.rpt"), {idNum, refNum});
        ShowReport(false, QStringLiteral("NHI Census Charging"), false, false);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
#else
    Q_UNUSED(idNum);
    Q_UNUSED(hospNum);
    Q_UNUSED(refNum);
    ShowErrorNotice(QStringLiteral("The report runtime is not part of this build."));
#endif
}

} // namespace CensusChargingPrint
