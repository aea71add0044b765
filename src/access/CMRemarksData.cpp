#include "access/CMRemarksData.h"

#include "platform/db/Connection.h"
#include "shared/modGlobals.h"

Recordset GetCMRemarks(Connection& c)
{
    return c.call(QStringLiteral("STATION..sp_Nurse_Get_CMRemarks"), {1});
}
