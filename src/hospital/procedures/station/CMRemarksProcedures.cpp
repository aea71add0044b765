// Stand-in of the STATION procedure that lists the standard credit-memo remarks.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Argument: 1 lists the active remarks, any other value every remark. Columns: RemarksCode,
// Remarks (the text the pickers take).
Recordset getCMRemarks(Connection& c, const ProcedureArgs& a)
{
    const bool activeOnly = a.text(0).trimmed() == QLatin1String("1");
    return c.query(QStringLiteral("SELECT RemarksCode, Remarks FROM STATION..tbNurseCMRemarks WHERE Status = 'A' OR ? = 0 "
                                  "ORDER BY RemarksCode"),
                   {activeOnly ? 1 : 0});
}

} // namespace

CATHLAB_PROCEDURE("STATION..sp_Nurse_Get_CMRemarks", getCMRemarks);
