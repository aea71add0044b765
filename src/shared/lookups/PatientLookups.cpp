#include "shared/lookups/PatientLookups.h"

#include "hospital/StayTables.h"
#include "platform/db/Connection.h"
#include "platform/ui/MessageBox.h"
#include "shared/lookups/LookupSupport.h"
#include "shared/modGlobals.h"

using Lookup::call;
using Lookup::query;

QString GetRoomClassification(Connection& c, const QString& roomID)
{
    const Recordset rs = call(c, "STATION..sp_Nurse_Get_RoomClassification", {roomID.trimmed()});
    return rs.isEmpty() ? QString() : Lookup::textOf(rs.value(QStringLiteral("RoomClassID")));
}

QString GetOPDRateType(Connection& c, const QString& idNum)
{
    const Recordset rs = call(c, "PATIENT_DATA..sp_Get_OPD_Classification", {idNum.trimmed()});
    return rs.isEmpty() ? QString() : Lookup::textOf(rs.value(QStringLiteral("RateType")));
}

QString GetRateClass(Connection& c, const QString& idNum, const QString& patientType, const QString& roomID)
{
    const Recordset rs = call(c, "STATION..sp_Nurse_Get_PatientType", {idNum.trimmed(), patientType.trimmed()});
    if (rs.isEmpty()) return QStringLiteral("A");
    const QVariant special = rs.value(QStringLiteral("isSpecial"));
    if (special.isNull()) return GetRoomClassification(c, roomID);
    // Compared with the numbers 0 and 1 first: a value that is no number fails the look-up.
    const double n = Lookup::numberOf(special);
    if (n == 0) return patientType == QLatin1String("O") ? QStringLiteral("A") : GetRoomClassification(c, roomID);
    if (n == 1 || DbValue::text(special).trimmed() == QLatin1String("9") || n == 9) return QStringLiteral("F");
    return GetRoomClassification(c, roomID);
}

QString GetPackageRate(Connection& c, const QString& packageID, const QString& rateClass)
{
    const Recordset rs = query(c, QStringLiteral("SELECT * FROM INVENTORY..tbInvPackage WHERE PackageID = ?"), {packageID.trimmed()});
    if (rs.isEmpty()) return QString();
    const QString cls = rateClass.trimmed();
    static const QStringList classes = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
                                        QStringLiteral("E")};
    if (!classes.contains(cls)) return QString();
    return Lookup::signedNumberText(Lookup::numberOf(rs.value(QStringLiteral("Rate") + cls)));
}

QString GetHospNum(Connection& c, const QString& idNum)
{
    const QString table = StayTables::Of(idNum).stay;
    const Recordset rs = query(c, QStringLiteral("SELECT HospNum FROM %1 WHERE IDNum = ? LIMIT 1").arg(table), {idNum});
    return rs.isEmpty() ? QString() : rs.text(QStringLiteral("HospNum"));
}

QString GetCathLabNum(Connection& c, const QString& idNum)
{
    const Recordset rs = query(c, QStringLiteral("SELECT CathLabNum FROM Clinical_Area..tbCLPatient "
                                              "WHERE IDNum = ? AND RecordStatus = 'X'"),
                               {idNum});
    return rs.recordCount() < 1 ? QStringLiteral(" A U T O ") : Lookup::textOf(rs.value(QStringLiteral("CathLabNum")));
}

QString GetPrecautions(Connection& c, const QString& idNum)
{
    const QString table = StayTables::Of(idNum).history;
    const Recordset rs = query(c, QStringLiteral("SELECT Precautions FROM %1 WHERE IDNum = ?").arg(table), {idNum.trimmed()});
    return rs.isEmpty() ? QString() : rs.text(QStringLiteral("Precautions"));
}

QString GetPatientPackage(Connection& c, const QString& idNum, const QString& patientType)
{
    const QString table = patientType.trimmed() == QLatin1String("I") ? QStringLiteral("Patient_data..tbPatient2")
                                                                      : QStringLiteral("Patient_data..tbOutPatient");
    const Recordset rs = query(c, QStringLiteral("SELECT A.IDNum, COALESCE(B.Package, '') AS Package FROM %1 A "
                                              "LEFT OUTER JOIN Build_file..tbCoAdmPackage B ON A.PackageID = B.PackageID "
                                              "WHERE A.IDNum = ?").arg(table),
                               {idNum.trimmed()});
    return rs.isEmpty() ? QString() : Lookup::textOf(rs.value(QStringLiteral("Package")));
}

bool GetOkeyCL(Connection& c, const QString& idNum)
{
    const Recordset rs = query(c, QStringLiteral("SELECT COALESCE(OkeyCL, 0) AS OKeyCL FROM Patient_data..tbPatient2 WHERE IDNum = ?"),
                               {idNum.trimmed()});
    return rs.isEmpty() ? false : !Lookup::truthOf(rs.value(QStringLiteral("OKeyCL")));
}

bool GetPatientsMedFlag(Connection& c, const QString& idNum)
{
    const Recordset rs = query(c, QStringLiteral("SELECT COALESCE(PatientsMed, 0) AS PatientsMed FROM Patient_data..tbPatient2 "
                                              "WHERE IDNum = ?"),
                               {idNum.trimmed()});
    return rs.isEmpty() ? false : Lookup::truthOf(rs.value(QStringLiteral("PatientsMed")));
}

bool IsSeniorCitizen(Connection& c, const QString& idNum)
{
    return !call(c, "Station..sp_Nurse_Check_Patient_IsSeniorCitizen", {idNum.trimmed()}).isEmpty();
}

bool IsCurrentlyConfined(Connection& c, const QString& hospNum)
{
    const Recordset rs = query(c, QStringLiteral("SELECT 1 AS Found FROM PATIENT_DATA..tbPatient "
                                              "WHERE HospNum = ? AND DcrDate IS NULL LIMIT 1"),
                               {hospNum});
    return !rs.isEmpty();
}

bool HasOpenCathCase(Connection& c, const QString& hospNum)
{
    const Recordset rs = query(c, QStringLiteral("SELECT IDNum FROM clinical_area..tbclpatient "
                                              "WHERE HospNum = ? AND DateDischarged IS NULL AND RecordStatus <> 'R' "
                                              "ORDER BY CathLabNum"),
                               {hospNum});
    // Every open case counts: a stale case of a discharged stay must not hide a current one.
    for (int r = 0; r < rs.recordCount(); ++r)
        if (!IsDischarged(c, Lookup::textOf(rs.valueAt(r, QStringLiteral("IDNum"))))) return true;
    return false;
}

bool IsDischarged(Connection& c, const QString& idNum)
{
    const QString table = StayTables::Of(idNum).stay;
    return query(c, QStringLiteral("SELECT 1 AS Found FROM %1 WHERE IDNum = ? AND DcrDate IS NOT NULL").arg(table), {idNum})
               .recordCount() > 0;
}
