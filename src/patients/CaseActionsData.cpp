#include "patients/CaseActionsData.h"

#include "platform/db/Connection.h"

namespace CaseActionsData {

int TagForAdmission(Connection& conn, const QString& hospNum, const QString& idNum, const QString& userId)
{
    Recordset rs = conn.call(QStringLiteral("PATIENT_DATA..sp_ER_Save_Admitting_Communication"),
                             {hospNum.trimmed(), idNum.trimmed(), userId});
    return rs.isEmpty() ? 0 : rs.toInt(QStringLiteral("RowsAffected"));
}

int DischargeCase(Connection& conn, const QString& cathLabNum, const QString& userId)
{
    // Only an active case: one that another workstation discharged or revoked meanwhile stays so.
    return conn.execute(QStringLiteral("UPDATE CLINICAL_AREA..TBCLPATIENT SET RecordStatus = 'D', DateDischarged = GETDATE(), "
                                       "DischargedBy = ? WHERE CathLabNum = ? AND RecordStatus = 'X'"),
                        {userId, cathLabNum});
}

int RevokeRegistration(Connection& conn, const QString& idNum, const QString& userId)
{
    return conn.execute(QStringLiteral("UPDATE Clinical_Area..tbCLPatient SET DateDischarged = NULL, RecordStatus = 'R', "
                                       "RevokedBy = ?, DateRevoked = GETDATE() WHERE IDNum = ? AND RecordStatus <> 'R'"),
                        {userId, idNum});
}

} // namespace CaseActionsData
