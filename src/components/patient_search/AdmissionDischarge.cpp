// The patient search's discharge of a stay and its room check.
#include "components/patient_search/clsPatientSearch.h"

#include "hospital/StayTables.h"
#include "platform/db/Connection.h"

bool clsAdmission::DischargePatient(const QString& idNum, const QDateTime& dischargeAt, const QString& resultCode,
                                    const QString& dispositionCode, const QString& employeeCode, const QString& room,
                                    const QString& doctorCode)
{
    Q_UNUSED(room);
    Q_UNUSED(doctorCode);
    DischargeRefusal.clear();
    if (!m_conn) return false;
    const QString id = idNum.trimmed();
    TransactionGuard tx(*m_conn);
    // A request entered at another station since the window checked still stops the discharge.
    if (!m_conn->call(QStringLiteral("STATION..List_PendingRequest"), {id}).isEmpty()) {
        DischargeRefusal = QStringLiteral("Patient Has Pending Request(s)! Can't Discharge this Patient.");
        return false;
    }
    const int changed = m_conn->execute(
        QStringLiteral("UPDATE %1 SET DcrDate = ?, DischargeResult = ?, Disposition = ?, DischargedBy = ? "
                       "WHERE IDNum = ? AND DcrDate IS NULL")
            .arg(StayTables::Of(id).stay),
        {dischargeAt, resultCode, dispositionCode, employeeCode, id});
    if (changed != 1) {
        DischargeRefusal = QStringLiteral("The patient was not discharged: the stay is no longer open.");
        return false;
    }
    tx.commit();
    if (id == IDNumber) Refresh();
    return true;
}

bool clsPatientSearch::ValidateRoom(const QString& roomID)
{
    if (!m_conn) return false;
    const Recordset rs = m_conn->query(QStringLiteral("SELECT R.RoomID, R.RoomClass, R.RoomRate, S.Station "
                                                      "FROM BUILD_FILE..tbCoRoom R "
                                                      "LEFT JOIN STATION..tbNurseStation S ON S.StationID = R.StationID "
                                                      "WHERE UPPER(R.RoomID) = UPPER(?) AND COALESCE(R.Status, 'A') = 'A'"),
                                       {roomID.trimmed()});
    if (rs.isEmpty()) return false;
    m_room.RoomID = rs.text(QStringLiteral("RoomID"));
    m_room.RoomClassID = rs.text(QStringLiteral("RoomClass"));
    m_room.RoomRate = rs.toDouble(QStringLiteral("RoomRate"));
    m_room.Station.Description = rs.text(QStringLiteral("Station"));
    return true;
}
