#include "workspace/ChartRequestData.h"

#include "hospital/StayTables.h"
#include "platform/db/Connection.h"
#include "shared/modGlobalsRoutines.h"

namespace ChartRequestData {

QTime ReadStartTime(const QString& typed)
{
    const QString t = typed.trimmed();
    for (const char* f : {"h:mm:ss AP", "h:mm AP"}) {
        const QTime time = QTime::fromString(t, QString::fromLatin1(f));
        if (time.isValid()) return time;
    }
    return {};
}

QString ScheduleText(const ORRequest& r)
{
    return r.date.toString(QStringLiteral("MM/dd/yyyy ")) + r.startTime;
}

QString ScheduleDescription(const ORRequest& r)
{
    return QStringLiteral("Patient Name :") + r.patientName + QStringLiteral(" ") + QStringLiteral("Procedure :") + r.procedureName +
           QStringLiteral(" ") + QStringLiteral("Surgeon:") + r.surgeonName + QStringLiteral(" ") + QStringLiteral("Anesthesiologist :") +
           r.anesthesiologistName + QStringLiteral(" ");
}

ORSaveResult SaveORRequest(Connection& c, const ORRequest& r, QDateTime& serverTime)
{
    TransactionGuard tx(c);
    Recordset t = c.call(QStringLiteral("SCHEDULE..sp_Get_TransactionDate"));
    serverTime = t.toDateTime(QStringLiteral("Tdate"));
    const QTime time = ReadStartTime(r.startTime);
    QDateTime now = serverTime;
    now.setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
    if (!time.isValid() || QDateTime(r.date, time) <= now) return ORSaveResult::TimeRefused; // rolled back, nothing sent
    const QString when = ScheduleText(r);
    c.call(QStringLiteral("SCHEDULE..sp_Save_RequestORSchedule"),
           {when, ScheduleDescription(r), when, r.idNum, r.employeeCode, r.procedureCode, r.surgeonCode, r.anesthesiologistCode,
            r.hospNum, r.stationID, r.remarks});
    tx.commit();
    return ORSaveResult::Saved;
}

CurrentDiet ReadCurrentDiet(Connection& c, const QString& idNum)
{
    // The stay's diet is kept in its tbPatient2 row; the header and the diet list read it there too.
    CurrentDiet d;
    Recordset rs = c.query(QStringLiteral("SELECT DietID, DietRemarks FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?"),
                           {idNum.trimmed()});
    if (rs.isEmpty()) return d;
    d.found = true;
    d.dietID = rs.text(QStringLiteral("DietID"));
    d.remarks = rs.text(QStringLiteral("DietRemarks"));
    return d;
}

bool DietNameMatches(Connection& c, const QString& dietID, const QString& dietName)
{
    return !c.query(QStringLiteral("SELECT 1 FROM BUILD_FILE..tbCoDiet WHERE DietID = ? AND Diet = ?"), {dietID, dietName.trimmed()})
                .isEmpty();
}

void SaveDiet(Connection& c, const DietChange& d)
{
    QString remarks = d.remarks;
    remarks.replace(QLatin1Char('\''), QLatin1Char('`'));
    TransactionGuard tx(c);
    c.call(QStringLiteral("STATION..Nurse_AppendDiet"),
           {d.idNum, d.hospNum, d.dietID, d.when.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP")), remarks, d.validatedUserName,
            d.extraMeal});
    c.call(QStringLiteral("STATION..sp_Save_Station_Logs"), {d.idNum.trimmed(), d.logRemarks, d.validatedUserID, d.stationID});
    tx.commit();
}

bool SavePrecautions(Connection& c, const QString& idNum, const QString& text, const QString& userID, const QString& stationID)
{
    const QString id = idNum.trimmed();
    const QString table = StayTables::Of(id).history;
    TransactionGuard tx(c);
    // Bound as typed, so an apostrophe is stored intact.
    if (c.execute(QStringLiteral("UPDATE %1 SET Precautions = ? WHERE IDNum = ?").arg(table), {text, id}) == 0)
        return false; // no history row: no change to report or to log
    // A refused log line is dropped under its own savepoint (and reported to the error log); the update still stands.
    WriteStationLog(idNum, QStringLiteral("UPDATE PRECAUTIONS: ") + text, userID, stationID);
    tx.commit();
    return true;
}

} // namespace ChartRequestData
