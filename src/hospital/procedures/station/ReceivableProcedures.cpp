// Stand-ins of the procedures behind the receivable patient search: the discharged patients of a
// search key, and whether an account is under cash basis for the department.
#include "platform/db/Connection.h"
#include "platform/db/LikePattern.h"
#include "platform/db/Procedures.h"
#include "platform/text/Format.h"

namespace {

QVariant dateCell(const QVariant& v)
{
    const QDateTime when = DbValue::toDateTime(v);
    return when.isValid() ? QVariant(Fmt::serverDateText(when)) : QVariant(QString());
}

// Arguments: kind ("A" in-patients, "O" out-patients), last name (start of), hospital number,
// admission number; an empty key is not used. The discharged stays, newest discharge first, in
// the columns the search lists.
Recordset receivablePatients(Connection& c, const ProcedureArgs& a)
{
    const bool outPatients = a.text(0).trimmed().toUpper() == QLatin1String("O");
    const QString stay = outPatients ? QStringLiteral("PATIENT_DATA..TBOUTPATIENT") : QStringLiteral("PATIENT_DATA..tbPatient");
    const QString sql = QStringLiteral(
        "SELECT P.HospNum AS HospNum, P.IDNum AS IDNum, "
        "COALESCE(M.LastName, '') || ' ,' || COALESCE(M.FirstName, '') || ' ' || COALESCE(M.MiddleName, '') AS PatientName, "
        "P.AdmDate AS AdmDate, P.DcrDate AS DcrDate, P.BillingDate AS BillingDate "
        "FROM %1 P LEFT OUTER JOIN PATIENT_DATA..tbMaster M ON M.HospNum = P.HospNum "
        "WHERE P.DcrDate IS NOT NULL "
        "AND (? = '' OR UPPER(M.LastName) LIKE UPPER(?) ESCAPE '!') "
        "AND (? = '' OR P.HospNum = ?) AND (? = '' OR P.IDNum = ?) "
        "ORDER BY P.DcrDate DESC, P.IDNum")
                              .arg(stay);
    const QString last = a.text(1).trimmed(), hosp = a.text(2).trimmed(), id = a.text(3).trimmed();
    const Recordset rs = c.query(sql, {last, Like::startsWith(last), hosp, hosp, id, id});
    Recordset out({QStringLiteral("Hospital #"), QStringLiteral("Admission #"), QStringLiteral("Patient Name"),
                   QStringLiteral("Admission Date"), QStringLiteral("Discharged Date"), QStringLiteral("Billing Date")},
                  {});
    for (int r = 0; r < rs.recordCount(); ++r)
        out.addRow({rs.valueAt(r, 0), rs.valueAt(r, 1), rs.valueAt(r, 2), dateCell(rs.valueAt(r, 3)), dateCell(rs.valueAt(r, 4)),
                    dateCell(rs.valueAt(r, 5))});
    return out;
}

// Arguments: admission number, patient type ("I" or "O"). One row when the account is under cash
// basis: an in-patient whose department flag OkeyCL is clear, an out-patient of class "A".
Recordset cashBasis(Connection& c, const ProcedureArgs& a)
{
    if (a.text(1).trimmed().toUpper() == QLatin1String("O"))
        return c.query(QStringLiteral("SELECT O.IDNum FROM PATIENT_DATA..TBOUTPATIENT O "
                                      "JOIN BUILD_FILE..tbCoOPDClass C ON C.OPDClassID = O.OPDClass "
                                      "WHERE O.IDNum = ? AND C.RateType = 'A'"),
                       {a.text(0).trimmed()});
    return c.query(QStringLiteral("SELECT IDNum FROM PATIENT_DATA..tbPatient2 WHERE IDNum = ? AND COALESCE(OkeyCL, 1) = 0"),
                   {a.text(0).trimmed()});
}

} // namespace

CATHLAB_PROCEDURE("STATION..sp_Get_Recievable_DRPatient", receivablePatients);
CATHLAB_PROCEDURE("Station..sp_Nurse_Check_Patient_If_CashBasis", cashBasis);
