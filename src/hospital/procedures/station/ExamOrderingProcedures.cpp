// Stand-ins of the STATION procedures the ward's exam ordering calls: the exam price, the room
// check, the request log book with its STAT rows and billing notes, the reference numbers of the
// laboratory request, the direct charging of the sections, the request revocation and the
// assessment list.
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Procedures.h"

namespace {

QVariant nullIfBlank(const QString& s)
{
    return s.trimmed().isEmpty() ? QVariant() : QVariant(s.trimmed());
}

QVariant amountOf(const QString& s)
{
    bool ok = false;
    const double v = s.trimmed().toDouble(&ok);
    return ok ? QVariant(v) : QVariant();
}

QString requestNumber(Connection& c, const char* counter, const char* prefix)
{
    const qint64 n = takeNextNumber(c, QStringLiteral("STATION..tbNurseRequestCounter"), QStringLiteral("LastNumber"),
                                    QStringLiteral("CounterID"), QString::fromLatin1(counter));
    return QString::fromLatin1(prefix) + QString::number(n);
}

// Arguments: section, room class, exam code. One row (Amount) with the exam's price for the room
// class: the laboratory, x-ray and ultrasound catalogues for their sections, the other sections'
// services for the rest. No row when the exam is not priced.
Recordset examAmount(Connection& c, const ProcedureArgs& a)
{
    const QString section = a.text(0).trimmed();
    QString rateClass = a.text(1).trimmed().toUpper();
    static const QString classes = QStringLiteral("ABCDEFGH");
    if (rateClass.size() != 1 || !classes.contains(rateClass)) rateClass = QStringLiteral("A");
    const QString rate = QStringLiteral("Rate") + rateClass; // one of eight column names, never a value
    QString sql;
    QVariantList params{a.text(2).trimmed()};
    if (section == QLatin1String("LB"))
        sql = QStringLiteral("SELECT %1 AS Amount FROM BUILD_FILE..tbCoLabExam WHERE LabExamID = ?");
    else if (section == QLatin1String("XR"))
        sql = QStringLiteral("SELECT %1 AS Amount FROM BUILD_FILE..tbCoXrayExam WHERE XrayExamID = ?");
    else if (section == QLatin1String("US"))
        sql = QStringLiteral("SELECT %1 AS Amount FROM BUILD_FILE..tbCoUltraExam WHERE UltraExamID = ?");
    else {
        sql = QStringLiteral("SELECT %1 AS Amount FROM BUILD_FILE..TBCOOTHERREVENUE WHERE OtherRevenueID = ? AND OtherSectionID = ?");
        params << section;
    }
    return c.query(sql.arg(rate) + QStringLiteral(" AND %1 IS NOT NULL").arg(rate), params);
}

// Arguments: admission, hospital number, room shown. A row (RoomID, StationID) when the stay now
// lies in another room than the one shown; out-patient visits have no room.
Recordset checkPatientRoom(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT P.RoomID, COALESCE(R.StationID, '') AS StationID FROM PATIENT_DATA..tbPatient P "
                                  "LEFT JOIN BUILD_FILE..tbCoRoom R ON R.RoomID = P.RoomID "
                                  "WHERE P.IDNum = ? AND COALESCE(P.RoomID, '') <> ?"),
                   {a.text(0).trimmed(), a.text(2).trimmed()});
}

// The ward's log book: one request to its section, numbered from the request counter, with its
// log-book line. The exam orders send 25 arguments; the medicine and supply requests 23 (no
// portable machine, no reason of procedure), their dosage in the seventh and whether a medicine
// was asked by generic name in the eighteenth. The requests one user sends for an admission and
// department at one moment form one request transaction, keyed by its first request number.
// Returns the request's number (RequestNum).
Recordset appendNurseLogBook(Connection& c, const ProcedureArgs& a)
{
    if (a.count() != 23 && a.count() < 25)
        throw DbError(QStringLiteral("Nurse_AppendNurseLogBook expects 23 or 25 arguments, got %1.").arg(a.count()));
    const QString no = requestNumber(c, "REQUEST", "RQ");
    const QString id = a.text(1).trimmed(), dept = a.text(9).trimmed(), code = a.text(3).trimmed();
    const QVariant qty = amountOf(a.text(5)).isNull() ? QVariant(1) : amountOf(a.text(5));
    const Recordset same = c.query(QStringLiteral("SELECT TransactionKey FROM STATION..TBNURSECOMMUNICATIONFILE WHERE IDNum = ? "
                                                  "AND RevenueID = ? AND UserID = ? AND RequestDate = ? AND TransactionKey IS NOT NULL "
                                                  "LIMIT 1"),
                                   {id, dept, a.text(12).trimmed(), a.at(8)});
    const QString transaction = same.isEmpty() ? no : same.text(QStringLiteral("TransactionKey"));
    c.execute(QStringLiteral(
                  "INSERT INTO STATION..TBNURSECOMMUNICATIONFILE (RequestNum, IDNum, HospNum, RevenueID, ItemID, Quantity, "
                  "RequestDate, RequestingDoctor, StationID, UserID, RecordStatus, Description, Amount, SectionID, Stat, Remarks, "
                  "SpecimenID, TransplantID, DialysisID, AMPickUp, RequestingDoctorName, PortableMachine, ReasonOfProcedure, "
                  "PatientType, Dosage, GenericFlag, TransactionKey) "
                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, NULL, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              {no, id, a.text(0).trimmed(), dept, code, qty, a.at(8), nullIfBlank(a.text(10)), a.text(15).trimmed(),
               a.text(12).trimmed(), a.text(14), amountOf(a.text(4)), nullIfBlank(a.text(7)), nullIfBlank(a.text(16)),
               a.text(13), nullIfBlank(a.text(18)), a.text(19), a.text(20), a.at(21).toInt(), a.text(22), a.optional(23).toInt(),
               DbValue::text(a.optional(24)), a.text(2).trimmed(), nullIfBlank(a.text(6)), nullIfBlank(a.text(17)), transaction});
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurseLogbook (RequestNum, IDNum, RevenueID, ItemID, Quantity, StationID) "
                             "VALUES (?, ?, ?, ?, ?, ?)"),
              {no, id, dept, code, qty, a.text(15).trimmed()});
    Recordset out({QStringLiteral("RequestNum")}, {});
    out.addRow({no});
    return out;
}

// Arguments: exam, specimen, section, user, stat, station, date, session, admission, request
// number. One STAT row of the order's laboratory exams, kept under the session.
Recordset saveStatRequest(Connection& c, const ProcedureArgs& a)
{
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurse_StatRequest (ExamID, SpecimenID, SectionID, UserID, Stat, StationID, "
                             "RequestDate, SessionID, IDNum, RequestNum) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              {a.text(0).trimmed(), a.text(1).trimmed(), a.text(2).trimmed(), a.text(3).trimmed(), a.text(4).trimmed(),
               a.text(5).trimmed(), a.at(6), a.text(7), a.text(8).trimmed(), a.text(9).trimmed()});
    return Recordset();
}

// Arguments: admission, section, exam, amount, supervisor, quantity, request number, note.
Recordset appendBillAdjustInfo(Connection& c, const ProcedureArgs& a)
{
    c.execute(QStringLiteral("INSERT INTO STATION..tbBillAdjustInfo (IDNum, RevenueID, ItemID, Amount, SupervisorID, Quantity, "
                             "RequestNum, Remarks, TransDate) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              {a.text(0).trimmed(), a.text(1).trimmed(), a.text(2).trimmed(), DbValue::toDouble(a.at(3)), a.text(4).trimmed(),
               DbValue::toDouble(a.at(5)), a.text(6).trimmed(), a.text(7), c.serverDateTime()});
    return Recordset();
}

// Arguments: admission, user, request number, flag. With an empty flag: the latest open
// laboratory request of the admission made by the user (RequestNum). With "X": the open
// laboratory requests of the admission by that user that have no reference number get the next
// one (REFERENCENUM).
Recordset requestNumReferenceNum(Connection& c, const ProcedureArgs& a)
{
    const QString id = a.text(0).trimmed(), user = a.text(1).trimmed();
    if (a.text(3).trimmed() != QLatin1String("X"))
        return c.query(QStringLiteral("SELECT RequestNum FROM STATION..TBNURSECOMMUNICATIONFILE WHERE IDNum = ? AND UserID = ? "
                                      "AND RevenueID = 'LB' AND COALESCE(RecordStatus, '') = '' ORDER BY RequestNum DESC LIMIT 1"),
                       {id, user});
    const QVariant open = c.scalar(QStringLiteral("SELECT COUNT(*) FROM STATION..TBNURSECOMMUNICATIONFILE WHERE IDNum = ? AND "
                                                  "UserID = ? AND RevenueID = 'LB' AND COALESCE(RecordStatus, '') = '' AND "
                                                  "ReferenceNum IS NULL"),
                                   {id, user});
    if (DbValue::toLong(open) == 0) return Recordset();
    const QString ref = requestNumber(c, "REFERENCE", "LR");
    c.execute(QStringLiteral("UPDATE STATION..TBNURSECOMMUNICATIONFILE SET ReferenceNum = ? WHERE IDNum = ? AND UserID = ? AND "
                             "RevenueID = 'LB' AND COALESCE(RecordStatus, '') = '' AND ReferenceNum IS NULL"),
              {ref, id, user});
    Recordset out({QStringLiteral("REFERENCENUM")}, {});
    out.addRow({ref});
    return out;
}

// Arguments: date, station. Marks the station's requests of that moment as sent to the ward
// printer; returns nothing the ward uses.
Recordset printToWard(Connection& c, const ProcedureArgs& a)
{
    c.execute(QStringLiteral("UPDATE STATION..TBNURSECOMMUNICATIONFILE SET Printed = 'Y' WHERE StationID = ? AND RequestDate = ?"),
              {a.text(1).trimmed(), a.at(0)});
    return Recordset();
}

// Arguments: admission, user. The section's open requests of the admission not yet charged are
// marked for charging.
Recordset sectionCharging(Connection& c, const ProcedureArgs& a, const char* revenue)
{
    c.execute(QStringLiteral("UPDATE STATION..TBNURSECOMMUNICATIONFILE SET CLForCharging = 'Y' WHERE IDNum = ? AND RevenueID = ? "
                             "AND COALESCE(RecordStatus, '') = '' AND CLForCharging IS NULL"),
              {a.text(0).trimmed(), QString::fromLatin1(revenue)});
    return Recordset();
}

// Arguments: session, admission, employee, reference number. The laboratory request lines of
// the session's last order (SectionID, Stat, ExamID, SpecimenID, RequestNum), in order.
Recordset labStatRequestNumbers(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT SectionID, Stat, ExamID, SpecimenID, RequestNum FROM STATION..tbNurse_StatRequest "
                                  "WHERE SessionID = ? AND IDNum = ? ORDER BY StatID"),
                   {a.text(3), a.text(0).trimmed()});
}

// Arguments: request number, revoking user, reason. Revokes the request only while it is open:
// returns Revoked, the number of requests revoked (0 or 1).
Recordset revokeRequest(Connection& c, const ProcedureArgs& a)
{
    const QString no = a.text(0).trimmed();
    const QDateTime now = c.serverDateTime();
    const int n = c.execute(QStringLiteral("UPDATE STATION..TBNURSECOMMUNICATIONFILE SET RecordStatus = 'R', RevokeReason = ? "
                                           "WHERE RequestNum = ? AND COALESCE(RecordStatus, '') = ''"),
                            {a.text(2), no});
    if (n > 0)
        c.execute(QStringLiteral("UPDATE STATION..tbNurseLogbook SET RecordStatus = 'R', RevokeBy = ?, RevokeDate = ? WHERE RequestNum = ?"),
                  {a.text(1).trimmed(), now, no});
    Recordset out({QStringLiteral("Revoked")}, {});
    out.addRow({n});
    return out;
}

} // namespace

CATHLAB_PROCEDURE("STATION..Nurse_GetExamAmount", examAmount);
CATHLAB_PROCEDURE("STATION..Nurse_CheckPatientRoom", checkPatientRoom);
CATHLAB_PROCEDURE("STATION..Nurse_AppendNurseLogBook", appendNurseLogBook);
CATHLAB_PROCEDURE("STATION..sp_Nurse_SaveStatRequest", saveStatRequest);
CATHLAB_PROCEDURE("STATION..sp_Nurse_Append_tbBillAdjustInfo", appendBillAdjustInfo);
CATHLAB_PROCEDURE("STATION..sp_Nurse_Get_RequestNum_ReferenceNum", requestNumReferenceNum);
CATHLAB_PROCEDURE("STATION..spNurse_PrintToWard", printToWard);
CATHLAB_PROCEDURE("STATION..sp_Nurse_Save_XRCharging", [](Connection& c, const ProcedureArgs& a) { return sectionCharging(c, a, "XR"); });
CATHLAB_PROCEDURE("STATION..sp_Nurse_Save_USCharging", [](Connection& c, const ProcedureArgs& a) { return sectionCharging(c, a, "US"); });
CATHLAB_PROCEDURE("STATION..sp_Nurse_Save_CTCharging", [](Connection& c, const ProcedureArgs& a) { return sectionCharging(c, a, "CT"); });
CATHLAB_PROCEDURE("STATION..sp_Nurse_Save_HSCharging", [](Connection& c, const ProcedureArgs& a) { return sectionCharging(c, a, "HS"); });
CATHLAB_PROCEDURE("STATION..sp_Nurse__GetLabStatRequest_RequestNumber", labStatRequestNumbers);
CATHLAB_PROCEDURE("STATION..sp_Nurse_Revoke_Request", revokeRequest);
