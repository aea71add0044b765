#include "shared/oxygen/OxygenTanks.h"

#include "platform/db/Connection.h"
#include "platform/text/Format.h"

#include <limits>

OxygenTankUse LatestTankUse(Connection& c, const QString& itemCode, const QString& tankNum)
{
    const Recordset rs = c.query(QStringLiteral("SELECT TankNum, InitialR, LastR FROM INVENTORY..tbCSROxygen WHERE ItemID = ? AND TankNum = ? "
                                                "ORDER BY TransDate DESC, OxygenID DESC LIMIT 1"),
                                 {itemCode.trimmed(), tankNum.trimmed()});
    OxygenTankUse use;
    if (rs.isEmpty()) return use;
    use.found = true;
    use.tankNum = rs.text(QStringLiteral("TankNum"));
    use.initialR = rs.toDouble(QStringLiteral("InitialR"));
    use.lastR = rs.toDouble(QStringLiteral("LastR"));
    return use;
}

int ConsumedPressure(double initialReading, double lastReading)
{
    const double consumed = Fmt::roundHalfEven(initialReading - lastReading, 0);
    // the reading boxes take nine characters, so this bound is never reached by what can be typed
    if (consumed >= double(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (consumed <= double(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return int(consumed);
}
