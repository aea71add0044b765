// Stand-ins of the STATION procedures behind the shared look-ups: charging codes, doctors' rates,
// room class, special-rate code, senior citizens, transplant and dialysis tags, department
// clearance, PHIC and international patients.
#include "hospital/StayTables.h"
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

#include <QDate>

namespace {

// An argument compared with '': declared with the default '', so a missing one counts as empty, not as NULL.
QString textArg(const ProcedureArgs& a, int i)
{
    const QString s = DbValue::text(a.optional(i));
    return s.isNull() ? QStringLiteral("") : s;
}

// Argument: a revenue code, or '' for all. Columns: the code, then its description.
Recordset chargingCodes(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT RevenueID, Description FROM STATION..tbCLChargingCodes "
                                  "WHERE (RevenueID = ? OR ? = '') AND COALESCE(Status, 'A') = 'A' ORDER BY RevenueID"),
                   {textArg(a, 0), textArg(a, 0)});
}

// Arguments: doctor code, rate class letter. One row (Amount) when the doctor has a fee for the class.
Recordset doctorsRate(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT Amount FROM BUILD_FILE..tbCoDoctorRate WHERE DoctorID = ? AND RateClass = ?"),
                   {a.text(0), a.text(1)});
}

// Argument: room. One row (RoomClassID) when the room exists.
Recordset roomClassification(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT RoomClass AS RoomClassID FROM BUILD_FILE..tbCoRoom WHERE RoomID = ?"), {a.text(0)});
}

// Arguments: admission number, patient type. One row (isSpecial: as its further data keep it, "0"
// when it has none) when the admission exists among the admissions of that type.
Recordset patientType(Connection& c, const ProcedureArgs& a)
{
    const QString table = (a.text(1) == QLatin1String("O") ? StayTables::OutPatient() : StayTables::InPatient()).stay;
    return c.query(QStringLiteral("SELECT CASE WHEN P2.IDNum IS NULL THEN '0' ELSE P2.IsSpecial END AS isSpecial FROM %1 A "
                                  "LEFT OUTER JOIN PATIENT_DATA..tbPatient2 P2 ON P2.IDNum = A.IDNum WHERE A.IDNum = ?")
                       .arg(table),
                   {a.text(0)});
}

// Argument: admission number. One row when the patient was 60 or older on the day of admission.
Recordset seniorCitizen(Connection& c, const ProcedureArgs& a)
{
    const QString idNum = a.text(0);
    const QString table = StayTables::Of(idNum).stay;
    Recordset rs = c.query(QStringLiteral("SELECT A.IDNum, A.AdmDate, M.BirthDate FROM %1 A "
                                          "JOIN PATIENT_DATA..tbMaster M ON M.HospNum = A.HospNum WHERE A.IDNum = ?")
                               .arg(table),
                           {idNum});
    Recordset out(QStringList{QStringLiteral("IDNum")}, {});
    if (rs.isEmpty()) return out;
    const QDate birth = rs.toDate(QStringLiteral("BirthDate"));
    const QDate admitted = rs.toDate(QStringLiteral("AdmDate"));
    if (!birth.isValid() || !admitted.isValid()) return out;
    int age = admitted.year() - birth.year();
    if (admitted.month() < birth.month() || (admitted.month() == birth.month() && admitted.day() < birth.day())) --age;
    if (age >= 60) out.addRow({idNum});
    return out;
}

// Arguments: admission number, transplant code, dialysis code, patient type. Stores both tags.
Recordset updateOtherInfo(Connection& c, const ProcedureArgs& a)
{
    // A stay without a row had every section open: the new row keeps them open. Two workstations
    // saving for the same stay at once make the row once.
    c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient2 (IDNum, OkeyCL, OkeyLab, OkeyXray, OkeyUltra, OkeyPH, OkeyCS, "
                             "OkeyCT, OkeyPT, OkeyHS, OkeyRTS, OkeyNU) VALUES (?, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1) "
                             "ON CONFLICT (IDNum) DO NOTHING"),
              {a.text(0)});
    c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatient2 SET transplantID = ?, dialysisID = ? WHERE IDNum = ?"),
              {a.text(1), a.text(2), a.text(0)});
    return {};
}

// Arguments: admission number, department. One row (ClearDate) when the department has a
// clearance row for the admission.
Recordset clearedDepartment(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT ClearDate, ClearedBy FROM STATION..tbNurseDeptClearance WHERE IDNum = ? AND DepartmentID = ?"),
                   {a.text(0), a.text(1)});
}

// Argument: admission number. One row when the admission has a valid PHIC membership.
Recordset validPHICPatient(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT IDNum, PHICNumber FROM MEDICARE..tbPHICMembership "
                                  "WHERE IDNum = ? AND COALESCE(Status, 'A') = 'A' AND COALESCE(PHICNumber, '') <> ''"),
                   {a.text(0)});
}

// Argument: admission number. One row (isInternational, null when the nationality is not on file)
// when the admission exists.
Recordset international(Connection& c, const ProcedureArgs& a)
{
    const QString idNum = a.text(0);
    const QString table = StayTables::Of(idNum).stay;
    return c.query(QStringLiteral("SELECT N.isInternational FROM %1 A "
                                  "JOIN PATIENT_DATA..tbMaster M ON M.HospNum = A.HospNum "
                                  "LEFT OUTER JOIN BUILD_FILE..tbCoNationality N ON N.NationalityID = M.NationalityID "
                                  "WHERE A.IDNum = ?")
                       .arg(table),
                   {idNum});
}

} // namespace

CATHLAB_PROCEDURE("STATION..sp_CL_ChargingCodes", chargingCodes);
CATHLAB_PROCEDURE("STATION..sp_Nurse_Get_Doctors_Rate", doctorsRate);
CATHLAB_PROCEDURE("STATION..sp_Nurse_Get_RoomClassification", roomClassification);
CATHLAB_PROCEDURE("STATION..sp_Nurse_Get_PatientType", patientType);
CATHLAB_PROCEDURE("STATION..sp_Nurse_Check_Patient_IsSeniorCitizen", seniorCitizen);
CATHLAB_PROCEDURE("STATION..sp_Nurse_Update_OtherInfo", updateOtherInfo);
CATHLAB_PROCEDURE("STATION..sp_Nurse_Check_ClearedDepartment", clearedDepartment);
CATHLAB_PROCEDURE("STATION..CheckIfValidPHICPatient", validPHICPatient);
CATHLAB_PROCEDURE("STATION..CheckIfInternational", international);
