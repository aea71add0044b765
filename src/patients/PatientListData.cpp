#include "patients/PatientListData.h"

#include "platform/db/Connection.h"

namespace PatientListData {

Recordset StationPatients(Connection& conn, bool inPatients, const QString& lastName, const QString& hospNum,
                          const QString& idNum)
{
    return conn.call(QStringLiteral("STATION..sp_Get_CL_PatientList"),
                     {inPatients ? QStringLiteral("A") : QStringLiteral("O"), lastName, hospNum, idNum});
}

Recordset CathLabCases(Connection& conn, const QString& lastName, const QString& hospNum, const QString& idNum)
{
    return conn.call(QStringLiteral("CLINICAL_AREA..CL_LoadPatientList"), {lastName, hospNum, idNum});
}

Recordset PostedPackages(Connection& conn, const QString& idNum)
{
    return conn.query(QStringLiteral("SELECT DISTINCT PackageID, RefNum FROM Clinical_Area..tbCathLabLogBook "
                                     "WHERE IDNum = ? AND RecordStatus = 'X' AND COALESCE(PackageID, '') <> ''"),
                      {idNum.trimmed()});
}

} // namespace PatientListData
