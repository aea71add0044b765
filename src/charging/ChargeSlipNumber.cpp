#include "charging/ChargeSlipNumber.h"

#include "platform/db/Connection.h"
#include "platform/text/NumberMask.h"
#include "shared/inventory/InventoryLookups.h"

MissingSlipCounter::MissingSlipCounter(const QString& stationID)
    : DbError(QStringLiteral("No chargeslip sequence number set for Station ") + stationID.trimmed() + QStringLiteral("."))
{
}

QString ChargeSlipNumberText(qint64 counter, const QString& mask)
{
    const QString n = mask.isEmpty() ? QString::number(counter) : FormatWithNumberMask(counter, mask);
    return QStringLiteral("C") + n + QChar(0x00C3);
}

QString TakeChargeSlipNumber(Connection& c, const QString& stationID, const QString& mask)
{
    for (;;) {
        const Recordset rs = c.query(QStringLiteral("UPDATE STATION..tbCLChargeSlip SET Chargeslip = Chargeslip + 1 "
                                                    "WHERE StationID = ? RETURNING Chargeslip"),
                                     {stationID.trimmed()});
        if (rs.isEmpty()) throw MissingSlipCounter(stationID);
        const QString slip = ChargeSlipNumberText(rs.toLong(QStringLiteral("Chargeslip")) - 1, mask);
        if (IsRefNumPosted(c, slip)) continue; // used already (the counter was set back): the next one
        // The slip tool may have set the counter back over a number whose lines were printed once.
        c.execute(QStringLiteral("DELETE FROM STATION..tbCLChargePrint WHERE ChargeSlip = ?"), {slip});
        return slip;
    }
}
