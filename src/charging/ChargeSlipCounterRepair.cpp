#include "charging/ChargeSlipCounterRepair.h"

#include "charging/ChargeSlipNumber.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "shared/inventory/InventoryLookups.h"

#include <algorithm>

QString ChargeSlipCandidate(qint64 number) { return ChargeSlipNumberText(number, QString()); }

std::optional<qint64> ReadChargeSlipCounter(Connection& c, const QString& stationID)
{
    const Recordset rs = c.query(QStringLiteral("SELECT Chargeslip FROM STATION..tbCLChargeSlip WHERE StationID = ?"), {stationID.trimmed()});
    if (rs.isEmpty()) return std::nullopt;
    return DbValue::toLong(rs.value(0));
}

std::optional<qint64> MoveChargeSlipCounterToFreeNumber(Connection& c, const QString& stationID, qint64 from)
{
    TransactionGuard tx(c);
    // holds the counter row until the commit: a save on another workstation waits for it
    c.execute(QStringLiteral("UPDATE STATION..tbCLChargeSlip SET Chargeslip = Chargeslip WHERE StationID = ?"), {stationID.trimmed()});
    const std::optional<qint64> counter = ReadChargeSlipCounter(c, stationID);
    if (!counter) return std::nullopt;
    qint64 number = std::max(from, *counter);
    while (IsRefNumPosted(c, ChargeSlipCandidate(number))) ++number;
    c.execute(QStringLiteral("UPDATE STATION..tbCLChargeSlip SET Chargeslip = ? WHERE StationID = ?"), {number, stationID.trimmed()});
    tx.commit();
    return number;
}
