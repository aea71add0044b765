// Stand-ins of the discharge order of an admission (STATION..TBNURSEDISCHARGENOTICE, one record
// per admission), the checks the discharge asks, the department's notice list and clearance, and
// the missing-information save of a stay's history.
#include "hospital/procedures/RowsAffected.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Procedures.h"

namespace {

// Argument: admission number. The status of the admission's discharge order (no row: none).
Recordset checkDischargeNotice(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT RecordStatus FROM STATION..TBNURSEDISCHARGENOTICE WHERE IDNum = ? "
                                  "ORDER BY NoticeID DESC LIMIT 1"),
                   {a.text(0).trimmed()});
}

// Argument: admission number. The stay's requests still waiting for their section.
Recordset listPendingRequest(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT RequestNum, RevenueID, ItemID, RequestDate FROM STATION..TBNURSECOMMUNICATIONFILE "
                                  "WHERE IDNum = ? AND COALESCE(RecordStatus, '') = '' ORDER BY RequestDate"),
                   {a.text(0).trimmed()});
}

// Argument: admission number. The admission's discharge order.
Recordset checkDcrNotice(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT IDNum, RecordStatus, OrderedDate, BillUpTo, OperationDate, Procedures, FinalDiagnosis, "
                                  "MedicalFees, Remarks, Noticedate FROM STATION..TBNURSEDISCHARGENOTICE WHERE IDNum = ? "
                                  "ORDER BY NoticeID DESC LIMIT 1"),
                   {a.text(0).trimmed()});
}

// Arguments: admission number, user, server date-time, order date-time, bill-up-to date,
// operation date-time (null: no operation), diagnosis, procedure, medical fees, remarks, status
// ("S" preliminary, "F" final), patient name, patient type. Writes the admission's one order.
Recordset sendDcrNotice(Connection& c, const ProcedureArgs& a)
{
    const QString id = a.text(0).trimmed();
    const QVariantList values{a.text(10).trimmed(), a.at(3), a.at(4), a.at(5), a.text(7), a.text(6), a.text(8), a.text(9),
                              a.at(2), a.text(1), a.text(11), a.text(12)};
    QVariantList update = values;
    update << id;
    const int changed = c.execute(QStringLiteral("UPDATE STATION..TBNURSEDISCHARGENOTICE SET RecordStatus = ?, OrderedDate = ?, "
                                                 "BillUpTo = ?, OperationDate = ?, Procedures = ?, FinalDiagnosis = ?, "
                                                 "MedicalFees = ?, Remarks = ?, Noticedate = ?, UserID = ?, PatientName = ?, "
                                                 "PatientType = ?, RevokedBy = NULL, RevokeDate = NULL, RevokeReason = NULL "
                                                 "WHERE IDNum = ?"),
                                  update);
    if (changed == 0) {
        QVariantList insert{id};
        insert << values;
        c.execute(QStringLiteral("INSERT INTO STATION..TBNURSEDISCHARGENOTICE (IDNum, RecordStatus, OrderedDate, BillUpTo, "
                                 "OperationDate, Procedures, FinalDiagnosis, MedicalFees, Remarks, Noticedate, UserID, "
                                 "PatientName, PatientType, HospNum) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                 "(SELECT HospNum FROM PATIENT_DATA..tbPatient WHERE IDNum = ? UNION "
                                 "SELECT HospNum FROM PATIENT_DATA..TBOUTPATIENT WHERE IDNum = ?))"),
                  insert << id << id);
    }
    return RowsAffected(1);
}

const char* const kNoticeJoins =
    "FROM STATION..TBNURSEDISCHARGENOTICE N "
    "LEFT JOIN PATIENT_DATA..tbPatient P ON P.IDNum = N.IDNum "
    "LEFT JOIN PATIENT_DATA..TBOUTPATIENT O ON O.IDNum = N.IDNum "
    "LEFT JOIN PATIENT_DATA..tbMaster M ON M.HospNum = COALESCE(P.HospNum, O.HospNum, N.HospNum) "
    "LEFT JOIN PASSWORD..tbPasswordMain E ON E.EmployeeID = N.UserID "
    "LEFT JOIN STATION..tbNurseDeptClearance K ON K.IDNum = N.IDNum AND K.DepartmentID = 'CL' ";

// No arguments. The orders sent to billing ("F", "P"), cleared by the department or not.
Recordset loadDischargeNotice(Connection& c, const ProcedureArgs&)
{
    return c.query(QStringLiteral("SELECT COALESCE(M.LastName, '') || ', ' || COALESCE(M.FirstName, '') || ' ' || "
                                  "COALESCE(M.MiddleName, '') AS PatientName, COALESCE(P.RoomID, '') AS RoomID, N.IDNum AS IDNum, "
                                  "COALESCE(E.LastName || ', ' || E.FirstName, N.UserID) AS DischargeNurse, N.Noticedate AS Noticedate, "
                                  "K.ClearDate AS ClearDate ") +
                   QString::fromLatin1(kNoticeJoins) +
                   QStringLiteral("WHERE N.RecordStatus IN ('F', 'P') ORDER BY N.Noticedate, N.IDNum"));
}

// Argument: admission number. The notice with the patient and the department's clearance.
Recordset loadDischargeNoticePatient(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT M.LastName AS LastName, M.FirstName AS FirstName, M.MiddleName AS MiddleName, "
                                  "COALESCE(P.HospNum, O.HospNum, N.HospNum) AS HospNum, N.IDNum AS IDNum, "
                                  "COALESCE(P.AdmDate, O.AdmDate) AS AdmDate, P.RoomID AS RoomID, "
                                  "CASE WHEN D.DoctorID IS NULL THEN '' ELSE 'DR. ' || COALESCE(D.LastName, '') || ', ' || "
                                  "COALESCE(D.FirstName, '') END AS Doctor, N.Noticedate AS Noticedate, N.OrderedDate AS OrderedDate, "
                                  "COALESCE(E.LastName || ', ' || E.FirstName, N.UserID) AS DischargeNurse, N.Remarks AS Remarks, "
                                  "K.ClearDate AS ClearDate, K.ClearedBy AS UserID, K.Remarks AS ClearRemarks ") +
                   QString::fromLatin1(kNoticeJoins) +
                   QStringLiteral("LEFT JOIN BUILD_FILE..tbCoDoctor D ON D.DoctorID = COALESCE(P.AttendingDr1, O.DoctorID1) "
                                  "WHERE N.IDNum = ? AND N.RecordStatus IN ('F', 'P')"),
                   {a.text(0).trimmed()});
}

// Arguments: admission number, user, remarks. Clears the admission for discharge on the
// department's side; an admission without a notice sent to billing cannot be cleared.
Recordset clearPatientForDischarge(Connection& c, const ProcedureArgs& a)
{
    const QString id = a.text(0).trimmed();
    if (c.query(QStringLiteral("SELECT 1 AS Found FROM STATION..TBNURSEDISCHARGENOTICE WHERE IDNum = ? AND RecordStatus IN ('F', 'P')"),
                {id})
            .isEmpty())
        throw DbError(QStringLiteral("Admission %1 has no discharge notice to clear.").arg(id));
    const int changed = c.execute(QStringLiteral("UPDATE STATION..tbNurseDeptClearance SET ClearDate = GETDATE(), ClearedBy = ?, "
                                                 "Remarks = ? WHERE IDNum = ? AND DepartmentID = 'CL' AND ClearDate IS NULL"),
                                  {a.text(1), a.text(2), id});
    if (changed == 0)
        c.execute(QStringLiteral("INSERT INTO STATION..tbNurseDeptClearance (IDNum, DepartmentID, ClearDate, ClearedBy, Remarks) "
                                 "SELECT ?, 'CL', GETDATE(), ?, ? WHERE NOT EXISTS (SELECT 1 FROM STATION..tbNurseDeptClearance "
                                 "WHERE IDNum = ? AND DepartmentID = 'CL')"),
                  {id, a.text(1), a.text(2), id});
    return {};
}

// Arguments: admission number, diet code, admitting diagnosis, chief complaint. Writes the stay's
// history (made when it has none) and, with a diet code, the stay's diet.
Recordset updatePatientHistory(Connection& c, const ProcedureArgs& a)
{
    const QString id = a.text(0).trimmed();
    if (c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatientHistory SET AdmittingDiagnosis = ?, ChiefComplaint = ? WHERE IDNum = ?"),
                  {a.text(2), a.text(3), id}) == 0)
        c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatientHistory (IDNum, AdmittingDiagnosis, ChiefComplaint) VALUES (?, ?, ?)"),
                  {id, a.text(2), a.text(3)});
    if (!a.text(1).trimmed().isEmpty()) {
        if (c.execute(QStringLiteral("UPDATE PATIENT_DATA..tbPatient2 SET DietID = ? WHERE IDNum = ?"), {a.text(1).trimmed(), id}) == 0)
            c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient2 (IDNum, DietID) VALUES (?, ?)"), {id, a.text(1).trimmed()});
    }
    return {};
}

} // namespace

CATHLAB_PROCEDURE("STATION..Nurse_CheckDischargeNotice", checkDischargeNotice);
CATHLAB_PROCEDURE("STATION..List_PendingRequest", listPendingRequest);
CATHLAB_PROCEDURE("STATION..Nurse_CheckDcrNotice", checkDcrNotice);
CATHLAB_PROCEDURE("STATION..Nurse_SendDcrNotice", sendDcrNotice);
CATHLAB_PROCEDURE("STATION..spCL_LoadDischargeNotice", loadDischargeNotice);
CATHLAB_PROCEDURE("STATION..spCL_LoadDischargeNoticePatient", loadDischargeNoticePatient);
CATHLAB_PROCEDURE("STATION..spCL_ClearPatientForDischarge", clearPatientForDischarge);
CATHLAB_PROCEDURE("STATION..Nurse_UpdatePatientHistory", updatePatientHistory);
