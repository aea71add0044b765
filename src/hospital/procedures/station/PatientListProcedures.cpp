// Stand-in of the station's patient list: the in-patients ('A') or out-patients ('O') of the
// hospital, by last name, hospital number or admission number.
#include "hospital/procedures/ListDateText.h"
#include "hospital/procedures/PatientListFilter.h"
#include "hospital/StayTables.h"
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Result columns, in the order the lists show them: hospital number, admission number, name,
// admission, discharge and billing dates (text), cash-basis flag (1/0), cash-basis text (each
// section followed by a comma).
const char* const kInPatientColumns =
    "SELECT P.HospNum AS HospNum, P.IDNum AS IDNum, "
    "COALESCE(M.LastName, '') || ', ' || COALESCE(M.FirstName, '') || ' ' || COALESCE(M.MiddleName, '') AS PatientName, %1"
    "CASE WHEN P2.IDNum IS NOT NULL AND COALESCE(P2.OkeyCL, 0) = 0 THEN 1 ELSE 0 END AS CashBasis, "
    "CASE WHEN P2.IDNum IS NOT NULL AND COALESCE(P2.OkeyCL, 0) = 0 THEN RTRIM('CASH BASIS: CATHLAB, ' "
    "|| CASE WHEN COALESCE(P2.OkeyLab, 0) = 0 THEN 'LABORATORY, ' ELSE '' END "
    "|| CASE WHEN COALESCE(P2.OkeyXray, 0) = 0 THEN 'X-RAY, ' ELSE '' END "
    "|| CASE WHEN COALESCE(P2.OkeyUltra, 0) = 0 THEN 'ULTRASOUND, ' ELSE '' END "
    "|| CASE WHEN COALESCE(P2.OkeyCT, 0) = 0 THEN 'CT-SCAN, ' ELSE '' END "
    "|| CASE WHEN COALESCE(P2.OkeyHS, 0) = 0 THEN 'HEART STATION, ' ELSE '' END "
    "|| CASE WHEN COALESCE(P2.OkeyPH, 0) = 0 THEN 'PHARMACY, ' ELSE '' END "
    "|| CASE WHEN COALESCE(P2.OkeyCS, 0) = 0 THEN 'CENTRAL SUPPLY, ' ELSE '' END) ELSE '' END AS CashBasisText ";

const char* const kOutPatientColumns =
    "SELECT O.HospNum AS HospNum, O.IDNum AS IDNum, "
    "COALESCE(M.LastName, '') || ', ' || COALESCE(M.FirstName, '') || ' ' || COALESCE(M.MiddleName, '') AS PatientName, %1"
    "CASE WHEN COALESCE(O.OPDClass, '') = 'A' THEN 1 ELSE 0 END AS CashBasis, "
    "CASE WHEN COALESCE(O.OPDClass, '') = 'A' THEN 'OPD CASH REGISTRATION,' ELSE '' END AS CashBasisText ";

// The stay's three dates in the stored form. PostgreSQL sends them as that text: its driver's
// reading of a timestamp into a date and time costs more than the rest of a long list.
QString dateColumns(Engine engine, const QString& stay)
{
    QString out;
    for (const char* name : {"AdmDate", "DcrDate", "BillingDate"}) {
        const QString column = stay + QLatin1Char('.') + QLatin1String(name);
        out += engine == Engine::PostgreSQL ? QStringLiteral("to_char(%1, 'YYYY-MM-DD HH24:MI:SS')").arg(column) : column;
        out += QStringLiteral(" AS %1, ").arg(QLatin1String(name));
    }
    return out;
}

QString statement(Engine engine, bool inPatients, const PatientListFilter& f)
{
    const QString stay = inPatients ? QStringLiteral("P") : QStringLiteral("O");
    QString sql = QString::fromLatin1(inPatients ? kInPatientColumns : kOutPatientColumns).arg(dateColumns(engine, stay));
    const QString stayTable = (inPatients ? StayTables::InPatient() : StayTables::OutPatient()).stay + QLatin1Char(' ') + stay;
    // A name search starts from the master file's name index; the others from the stays.
    if (f.kind == PatientListFilter::ByLastName)
        sql += QStringLiteral("FROM PATIENT_DATA..tbMaster M JOIN %1 ON %2.HospNum = M.HospNum ").arg(stayTable, stay);
    else
        sql += QStringLiteral("FROM %1 LEFT JOIN PATIENT_DATA..tbMaster M ON M.HospNum = %2.HospNum ").arg(stayTable, stay);
    if (inPatients) sql += QStringLiteral("LEFT JOIN PATIENT_DATA..tbPatient2 P2 ON P2.IDNum = P.IDNum ");
    sql += QStringLiteral("WHERE ") +
           f.condition(stay + QStringLiteral(".IDNum"), stay + QStringLiteral(".HospNum"), QStringLiteral("M.LastName"),
                       stay + QStringLiteral(".DcrDate IS NULL"));
    sql += QStringLiteral(" ORDER BY M.LastName, M.FirstName, M.MiddleName, %1.AdmDate DESC").arg(stay);
    return sql;
}

// Arguments: kind ('A' in-patients, 'O' out-patients), last name, hospital number, admission number.
Recordset getPatientList(Connection& c, const ProcedureArgs& a)
{
    const bool inPatients = a.text(0).trimmed().toUpper() != QLatin1String("O");
    const PatientListFilter f = PatientListFilter::from(a.text(1), a.text(2), a.text(3));
    return ListDateText::withDateColumns(c.query(statement(c.engine(), inPatients, f), f.params), {3, 4, 5});
}

} // namespace

CATHLAB_PROCEDURE("STATION..sp_Get_CL_PatientList", getPatientList);
