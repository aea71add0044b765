// Stand-ins of the department's procedure schedule (SCHEDULE..TBCLSCHEDULE): one save for the
// three steps of a request and the load of its lists.
#include "hospital/procedures/RowsAffected.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Procedures.h"

#include <QTime>

namespace {

// The start time as kept ("HH:mm:ss"), from a time or a date-time argument.
QString scheduleTimeText(const QVariant& v)
{
    if (v.metaType().id() == QMetaType::QTime) return v.toTime().toString(QStringLiteral("HH:mm:ss"));
    const QDateTime dt = DbValue::toDateTime(v);
    return dt.isValid() ? dt.time().toString(QStringLiteral("HH:mm:ss")) : DbValue::text(v).trimmed();
}

// Arguments by position (status in the 8th): "P" a new request (admission number, user, date,
// time, procedure, -, remarks, "P", -, -, user); "C" a confirmation (-, user, date, time,
// procedure, -, remarks, "C", key, -, -, user) of a request still pending; "R" a revoke (..., "R",
// key, -, -, -, date-time, user, reason) of a request not yet revoked. One row: the rows changed
// (0 when the request was no longer in that state).
Recordset saveCLScheduleRequest(Connection& c, const ProcedureArgs& a)
{
    const QString status = a.text(7).trimmed();
    if (status == QLatin1String("P")) {
        const QString id = a.text(0).trimmed();
        return RowsAffected(c.execute(
            QStringLiteral("INSERT INTO SCHEDULE..TBCLSCHEDULE (IDNum, HospNum, RequestedBy, ScheduleDate, StartTime, ProcedureName, "
                           "Remarks, RECORDSTATUS, RequestDate, StationID) VALUES (?, (SELECT HospNum FROM PATIENT_DATA..tbPatient "
                           "WHERE IDNum = ? UNION SELECT HospNum FROM PATIENT_DATA..TBOUTPATIENT WHERE IDNum = ?), ?, ?, ?, ?, ?, "
                           "'P', GETDATE(), 'CL')"),
            {id, id, id, a.text(10), a.at(2), scheduleTimeText(a.at(3)), a.text(4), a.text(6)}));
    }
    if (status == QLatin1String("C"))
        return RowsAffected(c.execute(QStringLiteral("UPDATE SCHEDULE..TBCLSCHEDULE SET ScheduleDate = ?, StartTime = ?, "
                                                    "ProcedureName = ?, Remarks = ?, ConfirmedBy = ?, ConfirmDate = GETDATE(), "
                                                    "RECORDSTATUS = 'C' WHERE ScheduleID = ? AND RECORDSTATUS = 'P'"),
                                     {a.at(2), scheduleTimeText(a.at(3)), a.text(4), a.text(6), a.text(11), DbValue::toLong(a.at(8))}));
    if (status == QLatin1String("R"))
        return RowsAffected(c.execute(QStringLiteral("UPDATE SCHEDULE..TBCLSCHEDULE SET RECORDSTATUS = 'R', RevokeDate = ?, "
                                                    "RevokedBy = ?, RevokeReason = ? WHERE ScheduleID = ? AND RECORDSTATUS <> 'R'"),
                                     {a.at(12), a.text(13), a.text(14), DbValue::toLong(a.at(8))}));
    throw DbError(QStringLiteral("Unknown schedule request status '%1'.").arg(status));
}

// Arguments: status ("P" or "C"), -, date, flag. Pending requests; confirmed schedules of the
// patients still in the hospital (flag "0") or of the schedule date (flag "1"). Columns 1 to 19 by
// position: station, room, admission number, patient name, schedule date, start time, procedure,
// remarks, requested in, requested by, key, hospital number, confirmed in, confirmed by, then
// revoke date, revoked by, reason, request status and the station code (column 0 is empty).
Recordset loadCLScheduleRequests(Connection& c, const ProcedureArgs& a)
{
    const QString status = a.text(0).trimmed();
    QString sql = QStringLiteral(
        "SELECT '' AS RowHeader, COALESCE(S2.Station, CASE WHEN O.IDNum IS NOT NULL THEN 'OPD' ELSE '' END) AS Station, "
        "COALESCE(P.RoomID, '') AS Room, T.IDNum AS IDNum, "
        "COALESCE(M.LastName, '') || ', ' || COALESCE(M.FirstName, '') || ' ' || COALESCE(M.MiddleName, '') AS PatientName, "
        "T.ScheduleDate AS ScheduleDate, T.StartTime AS StartTime, T.ProcedureName AS ProcedureName, T.Remarks AS Remarks, "
        "T.RequestDate AS RequestDate, T.RequestedBy AS RequestedBy, T.ScheduleID AS ScheduleID, T.HospNum AS HospNum, "
        "T.ConfirmDate AS ConfirmDate, T.ConfirmedBy AS ConfirmedBy, T.RevokeDate AS RevokeDate, T.RevokedBy AS RevokedBy, "
        "T.RevokeReason AS RevokeReason, T.RECORDSTATUS AS RecordStatus, T.StationID AS StationID "
        "FROM SCHEDULE..TBCLSCHEDULE T "
        "LEFT JOIN PATIENT_DATA..tbPatient P ON P.IDNum = T.IDNum "
        "LEFT JOIN PATIENT_DATA..TBOUTPATIENT O ON O.IDNum = T.IDNum "
        "LEFT JOIN PATIENT_DATA..tbMaster M ON M.HospNum = COALESCE(P.HospNum, O.HospNum, T.HospNum) "
        "LEFT JOIN BUILD_FILE..tbCoRoom R ON R.RoomID = P.RoomID "
        "LEFT JOIN STATION..tbNurseStation S2 ON S2.StationID = R.StationID "
        "WHERE T.RECORDSTATUS = ?");
    QVariantList params{status};
    if (status == QLatin1String("C")) {
        if (a.text(3).trimmed() == QLatin1String("1")) {
            const QDate day = DbValue::toDateTime(a.at(2)).date();
            sql += QStringLiteral(" AND T.ScheduleDate >= ? AND T.ScheduleDate < ?");
            params << QDateTime(day, QTime(0, 0)) << QDateTime(day.addDays(1), QTime(0, 0));
        } else {
            sql += QStringLiteral(" AND COALESCE(P.DcrDate, O.DcrDate) IS NULL AND (P.IDNum IS NOT NULL OR O.IDNum IS NOT NULL)");
        }
    }
    sql += QStringLiteral(" ORDER BY T.ScheduleDate, T.StartTime, T.ScheduleID");
    return c.query(sql, params);
}

} // namespace

CATHLAB_PROCEDURE("Schedule..SaveCLScheduleRequest", saveCLScheduleRequest);
CATHLAB_PROCEDURE("SCHEDULE..LoadCLScheduleRequests", loadCLScheduleRequests);
