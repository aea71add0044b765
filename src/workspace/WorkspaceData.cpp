#include "workspace/WorkspaceData.h"

#include "components/patient_search/PatientHeaderRecords.h"
#include "platform/db/Connection.h"

namespace WorkspaceData {

Philhealth MasterPhilhealth(Connection& c, const QString& hospNum)
{
    Philhealth p;
    Recordset rs = c.query(QStringLiteral("SELECT COALESCE(Philhealth, '0') AS Philhealth FROM PATIENT_DATA..tbMaster2 WHERE HospNum = ?"),
                           {hospNum});
    if (rs.isEmpty()) return p;
    p.found = true;
    p.value = rs.text(QStringLiteral("Philhealth"));
    return p;
}

QList<QPair<QString, QString>> DepartmentRows(Connection& c, const QString& procedure, const QVariantList& args)
{
    QList<QPair<QString, QString>> rows;
    Recordset rs = c.call(procedure, args);
    for (int r = 0; r < rs.recordCount(); ++r)
        rows.append({rs.textAt(r, QStringLiteral("RevenueID")), DbValue::text(rs.valueAt(r, 1))});
    return rows;
}

QList<QPair<QString, QString>> NurseReportList(Connection& c)
{
    QList<QPair<QString, QString>> rows;
    Recordset rs = c.query(QStringLiteral("SELECT ReportType, ReportName FROM STATION..tbNurse_ReportList "
                                          "WHERE RecordStatus = 1 ORDER BY ReportName"));
    for (int r = 0; r < rs.recordCount(); ++r)
        rows.append({rs.textAt(r, QStringLiteral("ReportType")), rs.textAt(r, QStringLiteral("ReportName"))});
    return rows;
}

PersonalInfo ReadPersonalInfo(Connection& c, const QString& hospNum)
{
    PersonalInfo p;
    HeaderMaster m;
    if (!PatientHeaderRecords::LoadPatientMaster(c, hospNum, m)) return p;
    p.address = m.CompleteAddress;
    p.nationality = m.Nationality;
    p.civilStatus = m.CivilStatus;
    Recordset rs = c.query(QStringLiteral("SELECT BirthPlace, Religion, SpouseName, FatherName, MotherName "
                                          "FROM PATIENT_DATA..tbMasterPersonal WHERE HospNum = ?"),
                           {hospNum});
    if (!rs.isEmpty()) {
        p.birthPlace = rs.text(QStringLiteral("BirthPlace"));
        p.religion = rs.text(QStringLiteral("Religion"));
        p.spouse = rs.text(QStringLiteral("SpouseName"));
        p.father = rs.text(QStringLiteral("FatherName"));
        p.mother = rs.text(QStringLiteral("MotherName"));
    }
    return p;
}

QString HospNumOfAdmission(Connection& c, const QString& idNum)
{
    const Recordset rs = c.query(QStringLiteral("SELECT HospNum FROM PATIENT_DATA..tbPatient WHERE IDNum = ?"), {idNum});
    return rs.isEmpty() ? QString() : rs.text(QStringLiteral("HospNum"));
}

void PrepareCensusByStation(Connection& c, const QDate& day, const QString& stationID)
{
    c.call(QStringLiteral("PATIENT_DATA..sp_Adm_CensusByStation"), {day.toString(QStringLiteral("yyyy/MM/dd")), stationID});
}

void PrepareDischargeList(Connection& c, const QString& stationID, const QDate& day)
{
    c.call(QStringLiteral("STATION..Nurse_dischargeList"), {stationID, day.toString(QStringLiteral("MM/dd/yyyy"))});
}

QStringList OperatingRooms(Connection& c)
{
    const Recordset rooms = c.call(QStringLiteral("SCHEDULE..sp_List_ORRooms"));
    QStringList names;
    for (int r = 0; r < rooms.recordCount(); ++r) names << DbValue::text(rooms.valueAt(r, 0));
    return names;
}

ScheduleLayout ReadScheduleLayout(Connection& c)
{
    ScheduleLayout l;
    const Recordset app =
        c.query(QStringLiteral("SELECT StartTime, DayLength, ScheduleIncrement FROM SCHEDULE..tbORApplication"));
    if (app.isEmpty()) return l;
    l.found = true;
    l.start = app.toDateTime(QStringLiteral("StartTime"));
    l.dayLength = app.value(QStringLiteral("DayLength")).toInt();
    l.increment = app.value(QStringLiteral("ScheduleIncrement")).toInt();
    return l;
}

Recordset ScheduleOfDay(Connection& c, const QDate& day)
{
    return c.call(QStringLiteral("SCHEDULE..sp_Get_ORSCHEDULE"), {day.toString(QStringLiteral("MM/dd/yyyy "))});
}

} // namespace WorkspaceData
