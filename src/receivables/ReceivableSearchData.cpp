#include "receivables/ReceivableSearchData.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

namespace ReceivableSearchData {

Recordset ReceivablePatients(Connection& c, const QString& kind, const QString& lastName, const QString& hospNum,
                             const QString& idNum)
{
    return c.call(QStringLiteral("STATION..sp_Get_Recievable_DRPatient"), {kind, lastName, hospNum, idNum});
}

bool IsCashBasis(Connection& c, const QString& idNum, const QString& patientType)
{
    return !c.call(QStringLiteral("Station..sp_Nurse_Check_Patient_If_CashBasis"), {idNum.trimmed(), patientType.trimmed()}).isEmpty();
}

}
