// Stand-in of the department's case list: the cases of CLINICAL_AREA..TBCLPATIENT with their
// stays (in-patient admission or out-patient visit).
#include "hospital/procedures/ListDateText.h"
#include "hospital/procedures/PatientListFilter.h"
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Columns as the station's patient list gives them. The discharge date is the department's
// discharge when there is one, else the stay's. A case on cash basis: an in-patient whose
// Cathlab flag is off, an out-patient of an OPD cash registration.
const char* const kColumns =
    "SELECT C.HospNum AS HospNum, C.IDNum AS IDNum, "
    "COALESCE(M.LastName, '') || ', ' || COALESCE(M.FirstName, '') || ' ' || COALESCE(M.MiddleName, '') AS PatientName, "
    "COALESCE(P.AdmDate, O.AdmDate) AS AdmDate, COALESCE(C.DateDischarged, P.DcrDate, O.DcrDate) AS DcrDate, "
    "COALESCE(P.BillingDate, O.BillingDate) AS BillingDate, "
    "CASE WHEN P2.IDNum IS NOT NULL AND COALESCE(P2.OkeyCL, 0) = 0 THEN 1 "
    "     WHEN O.IDNum IS NOT NULL AND COALESCE(O.OPDClass, '') = 'A' THEN 1 ELSE 0 END AS CashBasis, "
    "CASE WHEN P2.IDNum IS NOT NULL AND COALESCE(P2.OkeyCL, 0) = 0 THEN 'CASH BASIS: CATHLAB,' "
    "     WHEN O.IDNum IS NOT NULL AND COALESCE(O.OPDClass, '') = 'A' THEN 'OPD CASH REGISTRATION,' ELSE '' END AS CashBasisText ";

QString statement(const PatientListFilter& f)
{
    QString sql = QString::fromLatin1(kColumns);
    if (f.kind == PatientListFilter::ByLastName)
        sql += QStringLiteral("FROM PATIENT_DATA..tbMaster M JOIN CLINICAL_AREA..TBCLPATIENT C ON C.HospNum = M.HospNum ");
    else
        sql += QStringLiteral("FROM CLINICAL_AREA..TBCLPATIENT C LEFT JOIN PATIENT_DATA..tbMaster M ON M.HospNum = C.HospNum ");
    sql += QStringLiteral("LEFT JOIN PATIENT_DATA..tbPatient P ON P.IDNum = C.IDNum "
                          "LEFT JOIN PATIENT_DATA..TBOUTPATIENT O ON O.IDNum = C.IDNum "
                          "LEFT JOIN PATIENT_DATA..tbPatient2 P2 ON P2.IDNum = C.IDNum ");
    // Revoked cases are never listed; without a search text only the active ones.
    sql += QStringLiteral("WHERE C.RecordStatus <> 'R' AND ") +
           f.condition(QStringLiteral("C.IDNum"), QStringLiteral("C.HospNum"), QStringLiteral("M.LastName"),
                       QStringLiteral("C.RecordStatus = 'X'"));
    sql += QStringLiteral(" ORDER BY M.LastName, M.FirstName, M.MiddleName, C.CathLabNum DESC");
    return sql;
}

// Arguments: last name, hospital number, admission number.
Recordset loadPatientList(Connection& c, const ProcedureArgs& a)
{
    const PatientListFilter f = PatientListFilter::from(a.text(0), a.text(1), a.text(2));
    return ListDateText::withDateColumns(c.query(statement(f), f.params), {3, 4, 5});
}

} // namespace

CATHLAB_PROCEDURE("CLINICAL_AREA..CL_LoadPatientList", loadPatientList);
