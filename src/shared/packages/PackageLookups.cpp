#include "shared/packages/PackageLookups.h"

#include "platform/db/Connection.h"
#include "platform/text/Format.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

namespace {

// The first column of the first row as text; "" without a row. A failure shows the notice.
QString firstText(const QString& sql, const QVariantList& params)
{
    QString result;
    try {
        Recordset rs = SharedConnection().query(sql, params);
        if (!rs.isEmpty()) result = DbValue::text(rs.value(0));
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    return result;
}

// A rate column of a service: its text read as a number, as the price boxes read it.
double rate(const QString& column, const QString& sectionID, const QString& otherRevenueID)
{
    return Fmt::val(firstText(QStringLiteral("SELECT COALESCE(%1,0) AS Rate FROM BUILD_FILE..TBCOOTHERREVENUE "
                                             "WHERE OtherSectionID = ? AND OtherRevenueID = ?").arg(column),
                              {sectionID, otherRevenueID}));
}

} // namespace

QString GetPackageName(const QString& packageID, const QString& sectionID)
{
    if (StationParameters().EnableOldPackageCharging())
        return firstText(QStringLiteral("SELECT Package FROM BUILD_FILE..tbCoAdmPackage WHERE PackageID = ?"),
                         {packageID});
    return firstText(QStringLiteral("SELECT OtherRevenue AS Package FROM BUILD_FILE..TBCOOTHERREVENUE "
                                    "WHERE OtherSectionID = ? AND OtherRevenueID = ?"),
                     {sectionID, packageID});
}

QString GetNurseItemCode(const QString& packageCode)
{
    return firstText(QStringLiteral("SELECT NurseItemCode FROM STATION..tbCLPackage_CodeLink WHERE PackageCode = ? "
                                    "ORDER BY LinkID LIMIT 1"),
                     {packageCode});
}

QString GetLinkedPackageCode(const QString& nurseItemCode)
{
    return firstText(QStringLiteral("SELECT PackageCode FROM STATION..tbCLPackage_CodeLink "
                                    "WHERE NurseItemCode = ? AND COALESCE(Status,'I') = 'A' ORDER BY LinkID"),
                     {nurseItemCode});
}

QString GetOtherLinkedPackageCode(const QString& nurseItemCode, const QString& consignedRevenueID)
{
    Q_UNUSED(consignedRevenueID);
    return firstText(QStringLiteral("SELECT PackageCode FROM Clinical_Area..tbCLOtherPackageLink "
                                    "WHERE NurseItemCode = ? AND COALESCE(Status,'I') = 'A' ORDER BY LinkID"),
                     {nurseItemCode});
}

bool IsPackageAlreadyCharged(const QString& packageCode, const QString& idNum, const QString& revenueID)
{
    // the procedure takes the admission first
    Recordset rs = SharedConnection().call(QStringLiteral("Clinical_Area..CLCheckPackageAlreadyCharged"),
                                           {idNum, packageCode, revenueID});
    return !rs.isEmpty() && Fmt::val(rs.text(QStringLiteral("Amount"))) > 0;
}

bool IsEquipmentPackage(const QString& packageCode)
{
    bool result = false;
    try {
        result = !SharedConnection()
                      .query(QStringLiteral("SELECT 1 AS IsEquipment FROM Clinical_Area..tbCLEquipmentPackage "
                                            "WHERE PackageCode = ? LIMIT 1"),
                             {packageCode})
                      .isEmpty();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    return result;
}

double GetOtherRevenueRate(const QString& otherRevenueID)
{
    return rate(QStringLiteral("RateA"), StationParameters().MainRevenueID(), otherRevenueID);
}

double GetCathOverTimeRate(const QString& otherRevenueID)
{
    return rate(QStringLiteral("CathOverTimeRate"), StationParameters().MainRevenueID(), otherRevenueID);
}

double GetCathOnCallRate(const QString& otherRevenueID)
{
    return rate(QStringLiteral("CathOnCallRate"), StationParameters().MainRevenueID(), otherRevenueID);
}

double GetCathOverTimeRateFor(const QString& otherRevenueID, const QString& sectionID)
{
    return rate(QStringLiteral("CathOverTimeRate"), sectionID, otherRevenueID);
}

double GetCathOnCallRateFor(const QString& otherRevenueID, const QString& sectionID)
{
    return rate(QStringLiteral("CathOnCallRate"), sectionID, otherRevenueID);
}
