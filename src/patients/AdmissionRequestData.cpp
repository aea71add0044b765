#include "patients/AdmissionRequestData.h"

#include "platform/db/Connection.h"

namespace AdmissionRequestData {

Recordset PatientsForAdmission(Connection& conn)
{
    return conn.query(QStringLiteral("SELECT * FROM Clinical_Area..CLPatientsForAdmission"));
}

std::optional<QString> RequestStatus(Connection& conn, const QString& opdIdNum)
{
    // A visit can have several requests (one revoked, a later one pending): an admitted one
    // decides first, then a pending one.
    Recordset rs = conn.query(QStringLiteral(
        "SELECT COALESCE(RecordStatus, '') AS Status FROM Patient_data..tbER_Admitting_Communication WHERE OPDIDNum = ? "
        "ORDER BY CASE WHEN RecordStatus = 'A' THEN 0 WHEN COALESCE(RecordStatus, '') = '' THEN 1 ELSE 2 END"),
        {opdIdNum});
    if (rs.isEmpty()) return std::nullopt;
    return rs.text(QStringLiteral("Status"));
}

int RevokePendingRequests(Connection& conn, const QString& opdIdNum)
{
    return conn.execute(QStringLiteral("UPDATE PATIENT_DATA..tbER_Admitting_Communication SET RecordStatus = 'R' "
                                       "WHERE OPDIDNum = ? AND COALESCE(RecordStatus, '') = ''"),
                        {opdIdNum});
}

} // namespace AdmissionRequestData
