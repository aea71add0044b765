#include "charging/ChargeSlipCounterRepair.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "shared/inventory/InventoryLookups.h"

#include <algorithm>

QString ChargeSlipCandidate(qint64 number) { return QStringLiteral("C") + QString::number(number) + QChar(0x00C3); }

std::optional<qint64> ReadChargeSlipCounter(Connection& c)
{
    const Recordset rs = c.query(QStringLiteral("SELECT Chargeslip FROM STATION..tbCLChargeSlip LIMIT 1"));
    if (rs.isEmpty()) return std::nullopt;
    return DbValue::toLong(rs.value(0));
}

std::optional<qint64> MoveChargeSlipCounterToFreeNumber(Connection& c, qint64 from)
{
    TransactionGuard tx(c);
    // holds the counter row until the commit: a save on another workstation waits for it
    c.execute(QStringLiteral("UPDATE STATION..tbCLChargeSlip SET Chargeslip = Chargeslip"));
    const std::optional<qint64> counter = ReadChargeSlipCounter(c);
    if (!counter) return std::nullopt;
    qint64 number = std::max(from, *counter);
    while (IsRefNumPosted(c, ChargeSlipCandidate(number))) ++number;
    c.execute(QStringLiteral("UPDATE STATION..tbCLChargeSlip SET Chargeslip = ? WHERE Chargeslip = ?"), {number, *counter});
    tx.commit();
    return number;
}
