// Stand-ins of the procedure report's procedures: the angiogram result (read, save), the generic
// result row, the result inquiry's patient and exam lists, and the interpretation template list.
#include "hospital/CivilStatusText.h"
#include "hospital/procedures/ListDateText.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/LikePattern.h"
#include "platform/db/Procedures.h"

#include <QDate>

namespace {

// The result's columns in the save procedure's order of arguments, the mode (2nd) and the acting
// user (11th) left out of the row (the user is kept as UserID).
const char* const kResultColumns[] = {
    "RequestNum", nullptr, "DatePerformed", "TimeStarted", "TimeEnded", "ResultDate", "BSA", "Height", "Weight", "Race",
    "UserID", "OutOfCCL", "ReferringID", "Referring", "InterventionistID", "Interventionist", "RadTechID", "RadTech",
    "ScrubID", "Scrub", "CathLabRoom", "ResultRTF", "RVSCode", "CircID", "Circ", "PhysioID", "Physio", "AnesID", "Anes",
    "CaseNo", "RVSCode2", "RVSCode3"};

// Arguments: the 32 values of the result; the 2nd is the mode, "D" saved or "W" verified.
Recordset saveAngiogram(Connection& c, const ProcedureArgs& a)
{
    if (a.count() != 32) throw DbError(QStringLiteral("CLSaveAngiogram expects 32 arguments, %1 given.").arg(a.count()));
    const QString request = a.text(0).trimmed();
    const QString mode = a.text(1);
    if (mode != QLatin1String("D") && mode != QLatin1String("W"))
        throw DbError(QStringLiteral("CLSaveAngiogram: unknown mode \"%1\".").arg(mode));
    QStringList columns, sets, marks;
    QVariantList values;
    for (int i = 1; i < 32; ++i) {
        if (!kResultColumns[i]) continue;
        columns << QString::fromLatin1(kResultColumns[i]);
        sets << QString::fromLatin1(kResultColumns[i]) + QStringLiteral(" = ?");
        marks << QStringLiteral("?");
        values << a.at(i);
    }
    const bool exists = !c.query(QStringLiteral("SELECT 1 AS Found FROM CLINICAL_AREA..tbCL_Angiogram WHERE RequestNum = ?"), {request})
                             .isEmpty();
    if (exists)
        c.execute(QStringLiteral("UPDATE CLINICAL_AREA..tbCL_Angiogram SET ") + sets.join(QStringLiteral(", ")) +
                      QStringLiteral(", TransDate = GETDATE() WHERE RequestNum = ?"),
                  values + QVariantList{request});
    else
        c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCL_Angiogram (RequestNum, ") + columns.join(QStringLiteral(", ")) +
                      QStringLiteral(", TransDate) VALUES (?, ") + marks.join(QStringLiteral(", ")) + QStringLiteral(", GETDATE())"),
                  QVariantList{request} + values);
    if (mode == QLatin1String("W"))
        c.execute(QStringLiteral("UPDATE CLINICAL_AREA..tbCathLabMaster SET RequestStatus = 'W', "
                                 "ResultDate = COALESCE(ResultDate, GETDATE()), DateVerified = GETDATE(), VerifiedBy = ? "
                                 "WHERE RequestNum = ?"),
                  {a.at(10), request});
    else // saved again after a verification: a draft once more
        c.execute(QStringLiteral("UPDATE CLINICAL_AREA..tbCathLabMaster SET RequestStatus = 'D', ResultDate = GETDATE(), "
                                 "DateVerified = NULL, VerifiedBy = NULL WHERE RequestNum = ?"),
                  {request});
    return Recordset();
}

// Argument: the request number. The saved result with the request's verification date.
Recordset getAngiogramResult(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT A.*, M.DateVerified AS DateVerified, M.VerifiedBy AS VerifiedBy "
                                  "FROM CLINICAL_AREA..tbCL_Angiogram A "
                                  "LEFT JOIN CLINICAL_AREA..tbCathLabMaster M ON M.RequestNum = A.RequestNum "
                                  "WHERE A.RequestNum = ?"),
                   {a.text(0).trimmed()});
}

// Arguments: result ID (request number), reference number, hospital number, admission number,
// revenue code, exam ID, remarks, user, interpretation, interpretation as RTF, format code.
Recordset genericSaveResult(Connection& c, const ProcedureArgs& a)
{
    const QVariantList key{a.text(0).trimmed(), a.text(4)};
    const QVariantList values{a.text(1), a.text(2), a.text(3), a.text(5), a.text(6), a.text(7), a.text(8), a.text(9), a.text(10)};
    if (c.execute(QStringLiteral("UPDATE CLINICAL_AREA..tbGenericResults SET RefNum = ?, HospNum = ?, IDNum = ?, ExamID = ?, "
                                 "Remarks = ?, UserID = ?, Interpretation = ?, InterpretationRTF = ?, FormatCode = ?, "
                                 "TransDate = GETDATE() WHERE ResultID = ? AND RevenueID = ?"),
                  values + key) == 0)
        c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbGenericResults (RefNum, HospNum, IDNum, ExamID, Remarks, UserID, "
                                 "Interpretation, InterpretationRTF, FormatCode, ResultID, RevenueID, TransDate) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, GETDATE())"),
                  values + key);
    return Recordset();
}

QString ageOn(const QDate& birth, const QDate& day)
{
    if (!birth.isValid()) return QString();
    int years = day.year() - birth.year();
    if (day.month() < birth.month() || (day.month() == birth.month() && day.day() < birth.day())) --years;
    return QString::number(qMax(0, years));
}

// Arguments: last name (its start), hospital number, admission number, request date
// ("mm/dd/yyyy", empty for all dates), status ("X": every request of the department with or
// without a result; another letter: the requests in that state). The patients of the matching
// requests: hospital number, admission number, name, admission date, sex, civil status, birth
// date, age, room.
Recordset getResultList(Connection& c, const ProcedureArgs& a)
{
    QString sql = QStringLiteral(
        "SELECT DISTINCT R.HospNum AS HospNum, R.IDNum AS IDNum, "
        "COALESCE(M.LastName, '') || ', ' || COALESCE(M.FirstName, '') || ' ' || COALESCE(M.MiddleName, '') AS PatientName, "
        "COALESCE(P.AdmDate, O.AdmDate) AS AdmDate, COALESCE(M.Sex, '') AS Sex, COALESCE(") +
        CivilStatusNameSql(QStringLiteral("M.CivilStatus")) + QStringLiteral(", '') AS CivilStatus, "
        "M.BirthDate AS BirthDate, CASE WHEN O.IDNum IS NOT NULL THEN 'ER/OPD' ELSE COALESCE(P.RoomID, '') END AS Room "
        "FROM (SELECT DISTINCT X.IDNum AS IDNum, COALESCE(P1.HospNum, O1.HospNum, X.HospNum) AS HospNum "
        "      FROM CLINICAL_AREA..tbCathLabMaster X "
        "      LEFT JOIN PATIENT_DATA..tbPatient P1 ON P1.IDNum = X.IDNum "
        "      LEFT JOIN PATIENT_DATA..TBOUTPATIENT O1 ON O1.IDNum = X.IDNum "
        "      WHERE X.RequestStatus IS NOT NULL");
    QVariantList params;
    const QString status = a.text(4).trimmed();
    if (status != QLatin1String("X") && !status.isEmpty()) {
        sql += QStringLiteral(" AND X.RequestStatus = ?");
        params << status;
    }
    const QDate day = QDate::fromString(a.text(3).trimmed(), QStringLiteral("MM/dd/yyyy"));
    if (day.isValid()) {
        sql += QStringLiteral(" AND X.RequestDate >= ? AND X.RequestDate < ?");
        params << QDateTime(day, QTime(0, 0)) << QDateTime(day.addDays(1), QTime(0, 0));
    }
    sql += QStringLiteral(") R LEFT JOIN PATIENT_DATA..tbMaster M ON M.HospNum = R.HospNum "
                          "LEFT JOIN PATIENT_DATA..tbPatient P ON P.IDNum = R.IDNum "
                          "LEFT JOIN PATIENT_DATA..TBOUTPATIENT O ON O.IDNum = R.IDNum WHERE 1 = 1");
    if (!a.text(0).isEmpty()) {
        sql += QStringLiteral(" AND UPPER(M.LastName) LIKE UPPER(?) ESCAPE '!'");
        params << Like::startsWith(a.text(0));
    }
    if (!a.text(1).isEmpty()) {
        sql += QStringLiteral(" AND R.HospNum = ?");
        params << a.text(1);
    }
    if (!a.text(2).isEmpty()) {
        sql += QStringLiteral(" AND R.IDNum = ?");
        params << a.text(2);
    }
    sql += QStringLiteral(" ORDER BY PatientName, IDNum");
    const Recordset rows = c.query(sql, params);
    Recordset out({QStringLiteral("HospNum"), QStringLiteral("IDNum"), QStringLiteral("PatientName"), QStringLiteral("AdmDate"),
                   QStringLiteral("Sex"), QStringLiteral("CivilStatus"), QStringLiteral("BirthDate"), QStringLiteral("Age"),
                   QStringLiteral("Room")},
                  {});
    const QDate today = c.serverDateTime().date();
    for (int i = 0; i < rows.recordCount(); ++i) {
        const QDateTime birth = DbValue::toDateTime(rows.valueAt(i, QStringLiteral("BirthDate")));
        out.addRow({rows.textAt(i, QStringLiteral("HospNum")), rows.textAt(i, QStringLiteral("IDNum")),
                    rows.textAt(i, QStringLiteral("PatientName")), ListDateText::format(rows.valueAt(i, QStringLiteral("AdmDate"))),
                    rows.textAt(i, QStringLiteral("Sex")), rows.textAt(i, QStringLiteral("CivilStatus")),
                    ListDateText::format(rows.valueAt(i, QStringLiteral("BirthDate"))), ageOn(birth.date(), today),
                    rows.textAt(i, QStringLiteral("Room"))});
    }
    return out;
}

// Arguments: admission number, (unused), revenue code. The department's requests of the stay:
// charge slip, item code, description, request number, process date, processed by, date
// verified, verified by, result date (a result exists), format code, doctor code and name.
Recordset getPatientExams(Connection& c, const ProcedureArgs& a)
{
    const Recordset rs = c.query(
        QStringLiteral("SELECT COALESCE(X.RefNum, '') AS RefNum, COALESCE(X.ItemID, '') AS ItemID, "
                       "COALESCE(R.OtherRevenue, '') AS Description, X.RequestNum AS RequestNum, X.RequestDate AS ProcessDate, "
                       "COALESCE(E.LastName || ', ' || E.FirstName, X.ProcessedBy, '') AS ProcessedBy, "
                       "X.DateVerified AS DateVerified, COALESCE(V.LastName || ', ' || V.FirstName, X.VerifiedBy, '') AS VerifiedBy, "
                       "X.ResultDate AS ResultDate, COALESCE(R.ResultFormat, '') AS ResultFormat, "
                       "COALESCE(X.DoctorID, '') AS DoctorID, "
                       "COALESCE(D.LastName || ', ' || D.FirstName, '') AS DoctorName "
                       "FROM CLINICAL_AREA..tbCathLabMaster X "
                       "LEFT JOIN BUILD_FILE..TBCOOTHERREVENUE R ON R.OtherRevenueID = X.ItemID AND R.OtherSectionID = X.RevenueID "
                       "LEFT JOIN PASSWORD..tbPasswordMain E ON E.EmployeeID = X.ProcessedBy "
                       "LEFT JOIN PASSWORD..tbPasswordMain V ON V.EmployeeID = X.VerifiedBy "
                       "LEFT JOIN BUILD_FILE..tbCoDoctor D ON D.DoctorID = X.DoctorID "
                       "WHERE X.IDNum = ? AND X.RevenueID = ? AND X.RequestStatus IS NOT NULL "
                       "ORDER BY X.RequestDate, X.RequestNum"),
        {a.text(0), a.text(2)});
    return ListDateText::withDateColumns(rs, {4, 6, 8});
}

// Argument: the search text. The templates whose exam ID or description contain it: exam ID,
// description, exam name.
Recordset getInterpretations(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT T.ExamID AS ExamID, COALESCE(T.Description, '') AS Description, "
                                  "COALESCE(MAX(R.OtherRevenue), '') AS ExamName "
                                  "FROM CLINICAL_AREA..TBCLINTERPRETATION T "
                                  "LEFT JOIN BUILD_FILE..TBCOOTHERREVENUE R ON R.OtherRevenueID = T.ExamID "
                                  "WHERE UPPER(T.ExamID) LIKE UPPER(?) ESCAPE '!' OR UPPER(COALESCE(T.Description, '')) LIKE UPPER(?) ESCAPE '!' "
                                  "GROUP BY T.ExamID, T.Description ORDER BY T.Description, T.ExamID"),
                   {Like::contains(a.text(0)), Like::contains(a.text(0))});
}

} // namespace

CATHLAB_PROCEDURE("Clinical_Area..CLSaveAngiogram", saveAngiogram);
CATHLAB_PROCEDURE("Clinical_Area..GetAngiogramResult", getAngiogramResult);
CATHLAB_PROCEDURE("Clinical_Area..spGeneric_SaveResult", genericSaveResult);
CATHLAB_PROCEDURE("Clinical_Area..GetCL_ResultList", getResultList);
CATHLAB_PROCEDURE("Clinical_Area..GetCLPatientExams", getPatientExams);
CATHLAB_PROCEDURE("CLINICAL_AREA..CL_GetInterpretations", getInterpretations);
