// The standard credit-memo remarks the cancelling windows offer.
#include "hospital/DemoData.h"

#include "platform/db/Connection.h"

namespace {

void cmRemarks(Connection& c, const DemoScale&)
{
    const char* const rows[][3] = {
        {"CM01", "WRONG PATIENT CHARGED", "A"},
        {"CM02", "DUPLICATE CHARGE", "A"},
        {"CM03", "PROCEDURE CANCELLED BY PHYSICIAN", "A"},
        {"CM04", "ITEM NOT USED", "A"},
        {"CM05", "WRONG QUANTITY", "A"},
        {"CM06", "PATIENT'S REQUEST", "A"},
        {"CM07", "OLD PRICE LIST", "I"},
    };
    for (const auto& r : rows)
        c.execute(QStringLiteral("INSERT INTO STATION..tbNurseCMRemarks (RemarksCode, Remarks, Status) VALUES (?, ?, ?)"),
                  {QString::fromLatin1(r[0]), QString::fromLatin1(r[1]), QString::fromLatin1(r[2])});
}

} // namespace

CATHLAB_DEMO_SECTION(150, "credit-memo remarks", cmRemarks, "STATION..tbNurseCMRemarks");
