#include "shared/packages/PackageLookups.h"

#include "platform/db/Connection.h"
#include "platform/text/Format.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

namespace {

// The first column of the first row as text; "" without a row.
QString firstText(Connection& c, const QString& sql, const QVariantList& params)
{
    const Recordset rs = c.query(sql, params);
    return rs.isEmpty() ? QString() : DbValue::text(rs.value(0));
}

// A rate column of a service: its text read as a number, as the price boxes read it.
double rate(Connection& c, const QString& column, const QString& sectionID, const QString& otherRevenueID)
{
    return Fmt::val(firstText(c, QStringLiteral("SELECT COALESCE(%1,0) AS Rate FROM BUILD_FILE..TBCOOTHERREVENUE "
                                             "WHERE OtherSectionID = ? AND OtherRevenueID = ?").arg(column),
                              {sectionID, otherRevenueID}));
}

} // namespace

QString GetPackageName(Connection& c, const QString& packageID, const QString& sectionID)
{
    if (StationParameters().EnableOldPackageCharging())
        return firstText(c, QStringLiteral("SELECT Package FROM BUILD_FILE..tbCoAdmPackage WHERE PackageID = ?"),
                         {packageID});
    return firstText(c, QStringLiteral("SELECT OtherRevenue AS Package FROM BUILD_FILE..TBCOOTHERREVENUE "
                                    "WHERE OtherSectionID = ? AND OtherRevenueID = ?"),
                     {sectionID, packageID});
}

QString GetNurseItemCode(Connection& c, const QString& packageCode)
{
    return firstText(c, QStringLiteral("SELECT NurseItemCode FROM STATION..tbCLPackage_CodeLink WHERE PackageCode = ? "
                                    "ORDER BY LinkID LIMIT 1"),
                     {packageCode});
}

QString GetLinkedPackageCode(Connection& c, const QString& nurseItemCode)
{
    return firstText(c, QStringLiteral("SELECT PackageCode FROM STATION..tbCLPackage_CodeLink "
                                    "WHERE NurseItemCode = ? AND COALESCE(Status,'I') = 'A' ORDER BY LinkID LIMIT 1"),
                     {nurseItemCode});
}

QString GetOtherLinkedPackageCode(Connection& c, const QString& nurseItemCode)
{
    return firstText(c, QStringLiteral("SELECT PackageCode FROM Clinical_Area..tbCLOtherPackageLink "
                                    "WHERE NurseItemCode = ? AND COALESCE(Status,'I') = 'A' ORDER BY LinkID LIMIT 1"),
                     {nurseItemCode});
}

QString GetChargedPackageCode(Connection& c, const QString& nurseItemCode)
{
    const QString linked = GetLinkedPackageCode(c, nurseItemCode);
    return linked.isEmpty() ? GetOtherLinkedPackageCode(c, nurseItemCode) : linked;
}

bool IsPackageAlreadyCharged(Connection& c, const QString& packageCode, const QString& idNum, const QString& revenueID)
{
    // the procedure takes the admission first
    Recordset rs = c.call(QStringLiteral("Clinical_Area..CLCheckPackageAlreadyCharged"),
                                           {idNum, packageCode, revenueID});
    return !rs.isEmpty() && Fmt::val(rs.text(QStringLiteral("Amount"))) > 0;
}

bool IsEquipmentPackage(Connection& c, const QString& packageCode)
{
    return !c.query(QStringLiteral("SELECT 1 AS IsEquipment FROM Clinical_Area..tbCLEquipmentPackage WHERE PackageCode = ? LIMIT 1"),
                    {packageCode})
                .isEmpty();
}

double GetOtherRevenueRate(Connection& c, const QString& otherRevenueID)
{
    return rate(c, QStringLiteral("RateA"), StationParameters().MainRevenueID(), otherRevenueID);
}

double GetCathOverTimeRate(Connection& c, const QString& otherRevenueID)
{
    return rate(c, QStringLiteral("CathOverTimeRate"), StationParameters().MainRevenueID(), otherRevenueID);
}

double GetCathOnCallRate(Connection& c, const QString& otherRevenueID)
{
    return rate(c, QStringLiteral("CathOnCallRate"), StationParameters().MainRevenueID(), otherRevenueID);
}

double GetCathOverTimeRateFor(Connection& c, const QString& otherRevenueID, const QString& sectionID)
{
    return rate(c, QStringLiteral("CathOverTimeRate"), sectionID, otherRevenueID);
}

double GetCathOnCallRateFor(Connection& c, const QString& otherRevenueID, const QString& sectionID)
{
    return rate(c, QStringLiteral("CathOnCallRate"), sectionID, otherRevenueID);
}
