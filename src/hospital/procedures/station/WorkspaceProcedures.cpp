// Stand-ins of the STATION procedures behind the procedures workspace's header.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"
#include "platform/text/AdmissionNumber.h"

#include <QDate>

namespace {

// Argument: admission number. One row (Membership, ADMType) when the stay exists: the PHIC member
// type of the stay and its admission type.
Recordset admTypeMembership(Connection& c, const ProcedureArgs& a)
{
    const QString idNum = a.text(0).trimmed();
    if (IsOutPatientNumber(idNum))
        return c.query(QStringLiteral("SELECT M.MemberType AS Membership, 'OPD' AS ADMType FROM MEDICARE..tbPHICMembership M "
                                      "WHERE M.IDNum = ?"),
                       {idNum});
    return c.query(QStringLiteral("SELECT M.MemberType AS Membership, P.AdmType AS ADMType FROM PATIENT_DATA..tbPatient P "
                                  "JOIN MEDICARE..tbPHICMembership M ON M.IDNum = P.IDNum WHERE P.IDNum = ?"),
                   {idNum});
}

} // namespace

CATHLAB_PROCEDURE("STATION..sp_Get_Patient_ADMTypeMembership", admTypeMembership);

namespace {
// Arguments: admission number, 1 when clinical assessment needs no validation. Columns: RevenueID,
// ItemName of the clinical departments that may assess the stay.
Recordset clinicalDepartments(Connection& c, const ProcedureArgs& a)
{
    Q_UNUSED(a);
    return c.query(QStringLiteral("SELECT RevenueID, Description AS ItemName FROM STATION..tbCLChargingCodes "
                                  "WHERE COALESCE(Status, 'A') = 'A' ORDER BY RevenueID"));
}
}

CATHLAB_PROCEDURE("STATION..sp_Nurse_Get_Assess_ClinicalDeparment", clinicalDepartments);

namespace {
// Arguments: station ID, day ("mm/dd/yyyy"). The station's patients discharged that day, for the
// discharge report that follows.
Recordset dischargeList(Connection& c, const ProcedureArgs& a)
{
    const QDate day = QDate::fromString(a.text(1).trimmed(), QStringLiteral("MM/dd/yyyy"));
    return c.query(QStringLiteral("SELECT P.IDNum, P.HospNum, P.DcrDate, P.RoomID FROM PATIENT_DATA..tbPatient P "
                                  "JOIN BUILD_FILE..tbCoRoom R ON R.RoomID = P.RoomID WHERE R.StationID = ? "
                                  "AND P.DcrDate >= ? AND P.DcrDate < ?"),
                   {a.text(0).trimmed(), QDateTime(day, QTime(0, 0)), QDateTime(day.addDays(1), QTime(0, 0))});
}

// Arguments: day ("yyyy/mm/dd"), station ID. The station's census on that day.
Recordset censusByStation(Connection& c, const ProcedureArgs& a)
{
    const QDate day = QDate::fromString(a.text(0).trimmed(), QStringLiteral("yyyy/MM/dd"));
    return c.query(QStringLiteral("SELECT P.IDNum, P.RoomID FROM PATIENT_DATA..tbPatient P JOIN BUILD_FILE..tbCoRoom R "
                                  "ON R.RoomID = P.RoomID WHERE (R.StationID = ? OR ? = '') AND P.AdmDate < ? "
                                  "AND (P.DcrDate IS NULL OR P.DcrDate >= ?)"),
                   {a.text(1).trimmed(), a.text(1).trimmed(), QDateTime(day.addDays(1), QTime(0, 0)), QDateTime(day, QTime(0, 0))});
}
}

CATHLAB_PROCEDURE("STATION..Nurse_dischargeList", dischargeList);
CATHLAB_PROCEDURE("PATIENT_DATA..sp_Adm_CensusByStation", censusByStation);

namespace {
// Arguments: admission number, hospital number, diet code, date-time text, remarks, validated
// user's name, extra meal ("Y" or ""). Makes the stay's diet the new one, in its tbPatient2 row; a
// stay without one gets a row with every section open, which is what no row meant.
Recordset appendDiet(Connection& c, const ProcedureArgs& a)
{
    const QDateTime when = QDateTime::fromString(a.text(3).trimmed(), QStringLiteral("MM/dd/yyyy hh:mm:ss AP"));
    const QString id = a.text(0).trimmed();
    if (c.query(QStringLiteral("SELECT 1 FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ?"), {id}).isEmpty())
        c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient2 (IDNum, OkeyCL, OkeyLab, OkeyXray, OkeyUltra, OkeyPH, OkeyCS, "
                                 "OkeyCT, OkeyPT, OkeyHS, OkeyRTS, OkeyNU) VALUES (?, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1)"),
                  {id});
    c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatient2 SET DietID = ?, DietRemarks = ?, ExtraMeal = ?, DietDate = ?, "
                             "DietBy = ? WHERE IDNum = ?"),
              {a.text(2), a.text(4), a.text(6), when, a.text(5), id});
    return {};
}

// Arguments: admission number, remarks, user ID, station ID: one line of the station log.
Recordset saveStationLog(Connection& c, const ProcedureArgs& a)
{
    c.execute(QStringLiteral("INSERT INTO STATION..tbStationLogs (Idnum, Remarks, UserID, StationID, Transdate, Hostname) "
                             "VALUES (?, ?, ?, ?, GETDATE(), HOST_NAME())"),
              {a.text(0), a.text(1), a.text(2), a.text(3)});
    return {};
}
}

CATHLAB_PROCEDURE("STATION..Nurse_AppendDiet", appendDiet);
CATHLAB_PROCEDURE("STATION..sp_Save_Station_Logs", saveStationLog);
