// What a charging save needs beyond the catalogues: the station's charge slip counter, the counter
// of the cases a charged package opens, and stock on hand in the department's stock room.
#include "hospital/DemoData.h"
#include "platform/db/Connection.h"

#include <QVariant>

namespace {

void chargeSave(Connection& c, const DemoScale&)
{
    c.execute(QStringLiteral("INSERT INTO STATION..tbCLChargeSlip (StationID, Chargeslip) VALUES ('CL', 1001)"));
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurseRequestCounter (CounterID, LastNumber) VALUES ('CLCASE', 100)"));
    const struct { const char* item; int onHand; } stock[] = {{"SUP0001", 25}, {"SUP0004", 4}, {"MED0201", 40}, {"MED0401", 60}};
    for (const auto& s : stock)
        c.execute(QStringLiteral("INSERT INTO INVENTORY..tbInvLocationStock (LocationID, ItemID, OnHand, ReorderLevel) VALUES ('35', ?, ?, 2) "
                                 "ON CONFLICT DO NOTHING"),
                  {QString::fromLatin1(s.item), s.onHand});
}

} // namespace

CATHLAB_DEMO_SECTION(431, "charging save: slip counter, case counter, stock-room stock", chargeSave, "STATION..tbCLChargeSlip");
