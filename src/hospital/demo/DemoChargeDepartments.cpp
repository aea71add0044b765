// The cath lab's own stock room gets a department code of its own ("SR"), so that "CL" is the
// department of the cath lab's services and packages, as the main revenue code is in a hospital.
#include "hospital/DemoData.h"
#include "platform/db/Connection.h"

namespace {

void chargeDepartments(Connection& c, const DemoScale&)
{
    c.execute(QStringLiteral("UPDATE BUILD_FILE..tbCoRevenueCode SET LocationID = '', StockCardRevenueID = '' WHERE RevenueID = 'CL'"));
    // a hospital adopted from before the sections were recorded may have had this section already
    c.execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoRevenueCode (RevenueID, ItemName, LocationID, StockCardRevenueID, Status) "
                             "SELECT 'SR', 'CATH LAB STOCK ROOM', '35', 'CS', 'A' "
                             "WHERE NOT EXISTS (SELECT 1 FROM BUILD_FILE..tbCoRevenueCode WHERE RevenueID = 'SR')"));
    c.execute(QStringLiteral("INSERT INTO STATION..tbCLChargingCodes (RevenueID, Description, Status) "
                             "SELECT 'SR', 'CATH LAB STOCK ROOM', 'A' "
                             "WHERE NOT EXISTS (SELECT 1 FROM STATION..tbCLChargingCodes WHERE RevenueID = 'SR')"));
}

} // namespace

CATHLAB_DEMO_SECTION(435, "charging: the stock room's own department code", chargeDepartments);
