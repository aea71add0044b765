// Stand-ins of the CLINICAL_AREA procedures behind the department's communication file: the open
// requests other stations sent it, one patient's requests for processing, and the searches of the
// request and census reprints.
#include "hospital/procedures/ListDateText.h"
#include "platform/db/Connection.h"
#include "platform/db/LikePattern.h"
#include "platform/db/Procedures.h"

namespace {

// The patient's name as the lists show it: "LAST, FIRST MIDDLE".
const char* const kPatientName =
    "TRIM(COALESCE(M.LastName, '')) || ', ' || TRIM(COALESCE(M.FirstName, '')) || ' ' || TRIM(COALESCE(M.MiddleName, ''))";

// The description of a request: as the ward wrote it, else the department's catalogue name.
const char* const kRequestDescription = "COALESCE(NULLIF(F.Description, ''), O.OtherRevenue, F.ItemID)";

// Argument: the department's revenue code. Its open requests (a null status is open), oldest
// first. Columns by position: 0 admission, 1-3 last, first and middle name, 4 the item, 5 when it
// was requested, 6 the requesting station, 7 quantity, 8 revenue code, 9 item code, 10 request
// number, 11 printed mark, 12 STAT mark.
Recordset requestsCommunication(Connection& c, const ProcedureArgs& a)
{
    const Recordset rs = c.query(
        QStringLiteral("SELECT F.IDNum, COALESCE(M.LastName, '') AS LastName, COALESCE(M.FirstName, '') AS FirstName, "
                       "COALESCE(M.MiddleName, '') AS MiddleName, %1 AS Exam, F.RequestDate, "
                       "COALESCE(S.Station, F.StationID) AS Station, F.Quantity, F.RevenueID, F.ItemID, F.RequestNum, "
                       "COALESCE(F.Printed, '') AS Printed, COALESCE(F.Stat, '') AS Stat "
                       "FROM STATION..TBNURSECOMMUNICATIONFILE F "
                       "LEFT JOIN PATIENT_DATA..tbMaster M ON M.HospNum = F.HospNum "
                       "LEFT JOIN STATION..tbNurseStation S ON S.StationID = F.StationID "
                       "LEFT JOIN BUILD_FILE..TBCOOTHERREVENUE O ON O.OtherSectionID = F.RevenueID AND O.OtherRevenueID = F.ItemID "
                       "WHERE F.RevenueID = ? AND COALESCE(F.RecordStatus, '') = '' "
                       "ORDER BY F.RequestDate, F.RequestNum")
            .arg(QLatin1String(kRequestDescription)),
        {a.text(0).trimmed()});
    const Recordset dated = ListDateText::withDateColumns(rs, {5});
    QVector<QVector<QVariant>> rows;
    for (int r = 0; r < dated.recordCount(); ++r) {
        QVector<QVariant> row;
        for (int f = 0; f < dated.fieldCount(); ++f) row << dated.valueAt(r, f);
        rows << row;
    }
    return Recordset({QStringLiteral("Adm. No."), QStringLiteral("Last Name"), QStringLiteral("First Name"),
                      QStringLiteral("Middle Name"), QStringLiteral("Requested Exam/Item"), QStringLiteral("Date Requested"),
                      QStringLiteral("Requesting Station"), QStringLiteral("Qty"), QStringLiteral("Revenue"),
                      QStringLiteral("Item"), QStringLiteral("Request No."), QStringLiteral("Printed"), QStringLiteral("Stat")},
                     rows);
}

// Arguments: admission, the department's revenue code. The admission's open requests to the
// department. Columns by position: 0 item code, 1 description, 2 quantity, 3 amount to process,
// 4 request number, 5 revenue code, 6 requesting doctor, 7 when requested, 8 the requested amount.
Recordset requestsForProcessing(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT F.ItemID, %1 AS Description, COALESCE(F.Quantity, 1) AS Quantity, "
                                  "COALESCE(F.Amount, O.RateA * COALESCE(F.Quantity, 1), 0) AS Amount, F.RequestNum, F.RevenueID, "
                                  "COALESCE(F.RequestingDoctor, '') AS RequestingDoctor, F.RequestDate, "
                                  "COALESCE(F.Amount, O.RateA * COALESCE(F.Quantity, 1), 0) AS RequestedAmount "
                                  "FROM STATION..TBNURSECOMMUNICATIONFILE F "
                                  "LEFT JOIN BUILD_FILE..TBCOOTHERREVENUE O ON O.OtherSectionID = F.RevenueID AND O.OtherRevenueID = F.ItemID "
                                  "WHERE F.IDNum = ? AND F.RevenueID = ? AND COALESCE(F.RecordStatus, '') = '' "
                                  "ORDER BY F.RequestDate, F.RequestNum")
                       .arg(QLatin1String(kRequestDescription)),
                   {a.text(0).trimmed(), a.text(1).trimmed()});
}

// The condition of a search by letter: "A" hospital number, "B" admission number, "C" last name
// starting with the key; any other letter finds nothing. The key is bound, never pasted.
QString searchCondition(const QString& letter, const QString& hospNum, const QString& idNum, QVariantList& params, const QString& key)
{
    if (letter == QLatin1String("A")) {
        params << key.trimmed();
        return hospNum + QStringLiteral(" = ?");
    }
    if (letter == QLatin1String("B")) {
        params << key.trimmed();
        return idNum + QStringLiteral(" = ?");
    }
    if (letter == QLatin1String("C")) {
        params << Like::startsWith(key.trimmed());
        return QStringLiteral("UPPER(M.LastName) LIKE UPPER(?) ESCAPE '!'");
    }
    return QStringLiteral("1 = 0");
}

// Arguments: search letter, key. The department's posted packages (its cases), latest first.
// Columns by position: 0 patient name, 1 hospital number, 2 admission number, 3 when posted,
// 4 the package, 5 the package's reference number.
Recordset searchCases(Connection& c, const ProcedureArgs& a)
{
    QVariantList params;
    const QString where = searchCondition(a.text(0).trimmed().toUpper(), QStringLiteral("L.HospNum"), QStringLiteral("L.IDNum"),
                                          params, a.text(1));
    const Recordset rs = c.query(
        QStringLiteral("SELECT %1 AS PatientName, L.HospNum, L.IDNum, L.TransDate, "
                       "COALESCE(P.Package, O.OtherRevenue, L.PackageID) AS Package, L.RefNum "
                       "FROM CLINICAL_AREA..tbCathLabLogBook L "
                       "LEFT JOIN PATIENT_DATA..tbMaster M ON M.HospNum = L.HospNum "
                       "LEFT JOIN BUILD_FILE..tbCoAdmPackage P ON P.PackageID = L.PackageID "
                       "LEFT JOIN BUILD_FILE..TBCOOTHERREVENUE O ON O.OtherRevenueID = L.PackageID AND O.OtherSectionID = 'CL' "
                       "WHERE L.RecordStatus = 'X' AND COALESCE(L.PackageID, '') <> '' AND %2 "
                       "ORDER BY L.TransDate DESC, L.LogID DESC")
            .arg(QLatin1String(kPatientName), where),
        params);
    return ListDateText::withDateColumns(rs, {3});
}

// Arguments: search letter, key, the department's revenue code. Every request to the department,
// whatever its state, latest first. Columns by position: 0 patient name, 1 hospital number,
// 2 admission number, 3 when requested, 4 item code, 5 description, 6 remarks, 7 requested by,
// 8 charge slip, 9 status ("" open, "X" processed, "R" revoked), 10 request number.
Recordset searchRequests(Connection& c, const ProcedureArgs& a)
{
    QVariantList params{a.text(2).trimmed()};
    const QString where = searchCondition(a.text(0).trimmed().toUpper(), QStringLiteral("F.HospNum"), QStringLiteral("F.IDNum"),
                                          params, a.text(1));
    const Recordset rs = c.query(
        QStringLiteral("SELECT %1 AS PatientName, F.HospNum, F.IDNum, F.RequestDate, F.ItemID, %2 AS Description, "
                       "COALESCE(F.Remarks, '') AS Remarks, COALESCE(F.UserID, '') AS RequestedBy, "
                       "COALESCE(F.ReferenceNum, '') AS RefNum, COALESCE(F.RecordStatus, '') AS Status, F.RequestNum "
                       "FROM STATION..TBNURSECOMMUNICATIONFILE F "
                       "LEFT JOIN PATIENT_DATA..tbMaster M ON M.HospNum = F.HospNum "
                       "LEFT JOIN BUILD_FILE..TBCOOTHERREVENUE O ON O.OtherSectionID = F.RevenueID AND O.OtherRevenueID = F.ItemID "
                       "WHERE F.RevenueID = ? AND %3 ORDER BY F.RequestDate DESC, F.RequestNum DESC")
            .arg(QLatin1String(kPatientName), QLatin1String(kRequestDescription), where),
        params);
    return ListDateText::withDateColumns(rs, {3});
}

} // namespace

CATHLAB_PROCEDURE("CLINICAL_AREA..CLRequestsCommunication", requestsCommunication);
CATHLAB_PROCEDURE("Clinical_Area..GetCLForProcessing", requestsForProcessing);
CATHLAB_PROCEDURE("CLINICAL_AREA..CLSearchCases", searchCases);
CATHLAB_PROCEDURE("CLINICAL_AREA..CLSearchRequest", searchRequests);
