// What the charging entry needs beyond the catalogues: selling prices of the stock items (in-patient
// and cash out-patient), supplies of the department's stock room with numeric codes (typed without
// the pick list; one inactive, one out of stock), and the heart station's services in the list of
// departments that may be charged.
#include "hospital/DemoData.h"
#include "platform/db/Connection.h"

#include <QVariant>

namespace {

void chargingEntry(Connection& c, const DemoScale&)
{
    const QString item = QStringLiteral("INSERT INTO INVENTORY..TBINVMASTER (ItemID, ItemName, GenericName, ItemClassificationID, "
                                        "UnitOfMeasure, Status) VALUES (?, ?, ?, NULL, ?, ?) ON CONFLICT DO NOTHING");
    struct Item { const char *id, *name, *unit, *status, *location; int onHand; double in, out; };
    const Item items[] = {
        {"SUP0001", "GUIDE WIRE 0.035\"", "PC", "A", nullptr, 0, 1850, 1650},
        {"SUP0002", "INTRODUCER SHEATH 6FR", "PC", "A", nullptr, 0, 2400, 2150},
        {"SUP0003", "ANGIOGRAPHIC CATHETER 5FR", "PC", "A", nullptr, 0, 3200, 2900},
        {"SUP0004", "DRUG-ELUTING STENT 3.0X18", "PC", "A", nullptr, 0, 68000, 65000},
        {"100101", "GUIDE CATHETER JL4 6FR", "PC", "A", "35", 10, 4500, 4100.5},
        {"100102", "PTCA BALLOON 2.5X15", "PC", "I", "35", 4, 9800, 9300},
        {"100103", "INFLATION DEVICE", "PC", "A", "35", 0, 5200, 4800},
    };
    for (const Item& i : items) {
        c.execute(item, {QString::fromLatin1(i.id), QString::fromUtf8(i.name), QString::fromUtf8(i.name), QString::fromLatin1(i.unit),
                         QString::fromLatin1(i.status)});
        if (i.location)
            c.execute(QStringLiteral("INSERT INTO INVENTORY..tbInvLocationStock (LocationID, ItemID, OnHand, ReorderLevel) "
                                     "VALUES (?, ?, ?, 2)"),
                      {QString::fromLatin1(i.location), QString::fromLatin1(i.id), i.onHand});
        c.execute(QStringLiteral("INSERT INTO INVENTORY..tbInvSellingPrice (ItemID, SellingPriceIn, SellingPriceOut) VALUES (?, ?, ?)"),
                  {QString::fromLatin1(i.id), i.in, i.out});
    }
    const struct { const char* id; double in, out; } medicines[] = {
        {"MED0101", 320, 290}, {"MED0201", 410.75, 380}, {"MED0301", 2650, 2400}, {"MED0401", 85.5, 78}};
    for (const auto& m : medicines)
        c.execute(QStringLiteral("INSERT INTO INVENTORY..tbInvSellingPrice (ItemID, SellingPriceIn, SellingPriceOut) VALUES (?, ?, ?)"),
                  {QString::fromLatin1(m.id), m.in, m.out});
    c.execute(QStringLiteral("INSERT INTO STATION..tbCLChargingCodes (RevenueID, Description, Status) VALUES ('HS', 'HEART STATION', 'A')"));
}

} // namespace

CATHLAB_DEMO_SECTION(430, "charging entry: selling prices, stock-room supplies, heart station", chargingEntry,
                     "INVENTORY..tbInvSellingPrice");
