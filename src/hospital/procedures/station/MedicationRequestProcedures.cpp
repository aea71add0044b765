// Stand-ins of the STATION procedures behind the medicine and supply requests: the patient's
// medicine list, the request transactions of the reprint, and the pharmacy transcription notes
// with their status and revocation.
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Procedures.h"

#include <QDateTime>

namespace {

QVariant numberOrNull(const QString& s)
{
    bool ok = false;
    const double v = s.trimmed().toDouble(&ok);
    return ok ? QVariant(v) : QVariant();
}

// Argument: admission. Every medicine that pharmacy has issued on a request of the admission
// joins the patient's medicine list once, with the quantity issued and nothing administered yet.
Recordset insertPatientMedicines(Connection& c, const ProcedureArgs& a)
{
    c.execute(QStringLiteral("INSERT INTO STATION..tbNursePatientMedicines (IDNum, ItemID, RequestNum, QtyIssued, QtyAdministered, "
                             "DateIssued) SELECT f.IDNum, f.ItemID, f.RequestNum, f.Quantity, 0, f.RequestDate "
                             "FROM STATION..TBNURSECOMMUNICATIONFILE f WHERE f.IDNum = ? AND f.RevenueID = 'PH' "
                             "AND f.RecordStatus = 'X' AND NOT EXISTS (SELECT 1 FROM STATION..tbNursePatientMedicines m "
                             "WHERE m.RequestNum = f.RequestNum)"),
              {a.text(0).trimmed()});
    return Recordset();
}

QVariant dateTimeText(const QVariant& v)
{
    const QDateTime when = DbValue::toDateTime(v);
    return when.isValid() ? QVariant(when.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP"))) : QVariant();
}

// Arguments: department, admission, mode, transaction key. Mode 1: one row per request
// transaction of the admission and department (date-time, requesting user, number of items,
// key), latest first. Mode 0: the requests of the transaction (code, description, dosage,
// quantity, remarks).
Recordset requestsByRevenue(Connection& c, const ProcedureArgs& a)
{
    const QString revenue = a.text(0).trimmed(), id = a.text(1).trimmed();
    if (a.text(2).trimmed() == QLatin1String("1")) {
        const Recordset rs = c.query(
            QStringLiteral("SELECT MIN(f.RequestDate) AS RequestDate, f.UserID, COUNT(*) AS Items, f.TransactionKey "
                           "FROM STATION..TBNURSECOMMUNICATIONFILE f WHERE f.IDNum = ? AND f.RevenueID = ? "
                           "AND f.TransactionKey IS NOT NULL GROUP BY f.TransactionKey, f.UserID "
                           "ORDER BY MIN(f.RequestDate) DESC, f.TransactionKey DESC"),
            {id, revenue});
        Recordset out({QStringLiteral("DateRequested"), QStringLiteral("RequestingNurse"), QStringLiteral("NoOfItems"),
                       QStringLiteral("TransactionKey")},
                      {});
        for (int r = 0; r < rs.recordCount(); ++r)
            out.addRow({dateTimeText(rs.valueAt(r, 0)), rs.valueAt(r, 1), rs.valueAt(r, 2), rs.valueAt(r, 3)});
        return out;
    }
    return c.query(QStringLiteral("SELECT ItemID AS Code, Description, COALESCE(Dosage, '') AS Frequency, Quantity, "
                                  "COALESCE(Remarks, '') AS Remarks FROM STATION..TBNURSECOMMUNICATIONFILE "
                                  "WHERE IDNum = ? AND RevenueID = ? AND TransactionKey = ? ORDER BY RequestNum"),
                   {id, revenue, a.text(3).trimmed()});
}

// The twenty values of one transcribed medicine: hospital number, admission, patient type, code,
// amount, quantity, dosage, (blank), date-time, department, doctor, (blank), user, remarks,
// description, station, STAT, generic flag, transcription number, room.
Recordset saveTranscriptionNote(Connection& c, const ProcedureArgs& a)
{
    if (a.count() != 20)
        throw DbError(QStringLiteral("sp_Nurse_SaveTranscriptionNote expects 20 arguments, got %1.").arg(a.count()));
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurseTranscriptionNote (HospNum, IDNum, PatientType, ItemID, Amount, Quantity, "
                             "Dosage, TransDate, RevenueID, DoctorID, UserID, Remarks, Description, StationID, Stat, GenericFlag, "
                             "AssessNum, RoomID, Status) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '')"),
              {a.text(0).trimmed(), a.text(1).trimmed(), a.text(2).trimmed(), a.text(3).trimmed(), numberOrNull(a.text(4)),
               numberOrNull(a.text(5)), a.text(6).trimmed(), a.at(8), a.text(9).trimmed(), a.text(10).trimmed(),
               a.text(12).trimmed(), a.text(13), a.text(14), a.text(15).trimmed(), a.text(16).trimmed(), a.text(17).trimmed(),
               a.text(18).trimmed(), a.text(19).trimmed()});
    return Recordset();
}

// Argument: admission. Every transcription note of the admission: note number, patient, code,
// description, transcription number, amount and status ("PENDING", "REVOKED", or the order
// number pharmacy gave it, which starts with "OR").
Recordset transcriptionStatus(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT n.NoteID AS TRANSNUM, COALESCE(m.LastName, '') || ', ' || COALESCE(m.FirstName, '') "
                                  "AS PATIENTNAME, n.ItemID AS CODE, n.Description AS DESCRIPTION, n.AssessNum AS ASSESSNUM, "
                                  "n.Amount AS AMOUNT, CASE WHEN COALESCE(n.Status, '') = '' THEN 'PENDING' ELSE n.Status END "
                                  "AS STATUS FROM STATION..tbNurseTranscriptionNote n "
                                  "LEFT JOIN PATIENT_DATA..tbMaster m ON m.HospNum = n.HospNum "
                                  "WHERE n.IDNum = ? ORDER BY n.NoteID"),
                   {a.text(0).trimmed()});
}

// Arguments: admission, code, transcription number. The pending notes of that medicine under that
// number are revoked; processed or revoked notes stay as they are.
Recordset revokeTranscriptionNotes(Connection& c, const ProcedureArgs& a)
{
    c.execute(QStringLiteral("UPDATE STATION..tbNurseTranscriptionNote SET Status = 'REVOKED', RevokeDate = ? "
                             "WHERE IDNum = ? AND ItemID = ? AND COALESCE(AssessNum, '') = ? "
                             "AND COALESCE(Status, '') <> 'REVOKED' AND COALESCE(Status, '') NOT LIKE 'OR%'"),
              {c.serverDateTime(), a.text(0).trimmed(), a.text(1).trimmed(), a.text(2).trimmed()});
    return Recordset();
}

} // namespace

CATHLAB_PROCEDURE("STATION..sp_Nurse_InsertMedicines_Into_tbNursePatientMedicines", insertPatientMedicines);
CATHLAB_PROCEDURE("STATION..GetRequestByRevenueID", requestsByRevenue);
CATHLAB_PROCEDURE("STATION..sp_Nurse_SaveTranscriptionNote", saveTranscriptionNote);
CATHLAB_PROCEDURE("STATION..sp_Nurse_TranscriptionStatus", transcriptionStatus);
CATHLAB_PROCEDURE("STATION..sp_Nurse_RevokeTranscriptionNotes", revokeTranscriptionNotes);
