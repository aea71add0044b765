#include "medication_requests/MedicationRequestData.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/text/Format.h"

namespace MedicationRequestData {

QStringList SaveRequests(Connection& c, const RequestSave& in, const QList<RequestRow>& rows)
{
    QStringList numbers;
    TransactionGuard tx(c);
    // Every row of one save carries the same request date-time.
    const QDateTime now = c.serverDateTime();
    for (const RequestRow& r : rows) {
        const Recordset logged = c.call(
            QStringLiteral("STATION..Nurse_AppendNurseLogBook"),
            {in.hospNum, in.idNum, in.patientType, r.code, r.amount, r.quantity, r.dosage, QStringLiteral(" "), now, in.revenue,
             in.doctorId, QStringLiteral(" "), in.userId, r.remarks, r.description, in.stationId, r.stat, r.genericFlag.trimmed(),
             QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), 0, in.doctorName});
        const QString number = logged.isEmpty() ? QString() : logged.text(QStringLiteral("RequestNum")).trimmed();
        numbers << number;
        if (!in.supervisorUserId.trimmed().isEmpty())
            c.call(QStringLiteral("Station..sp_Nurse_Append_tbBillAdjustInfo"),
                   {in.idNum.trimmed(), in.revenue, r.code.trimmed(), Fmt::val(r.amount), in.supervisorUserId.trimmed(),
                    Fmt::val(r.quantity), number,
                    in.cancelReason.trimmed() + QStringLiteral(" Note: By pass Cash Basis Condition For STAT Request.")});
    }
    tx.commit();
    return numbers;
}

bool HasCompanyAccount(Connection& c, const QString& idNum)
{
    const QString table = IsOutPatientNumber(idNum) ? QStringLiteral("Patient_data..tboutpatient") : QStringLiteral("Patient_data..tbpatient");
    const Recordset rs = c.query(QStringLiteral("SELECT COALESCE(HospNum, '') AS HospNum, COALESCE(AccountNum, '') AS AccountNum "
                                                "FROM %1 WHERE IDNum = ?")
                                     .arg(table),
                                 {idNum});
    return !rs.isEmpty() && rs.text(QStringLiteral("AccountNum")) != rs.text(QStringLiteral("HospNum"));
}

std::optional<double> CompanyPrice(Connection& c, const QString& code, const QString& location)
{
    const Recordset rs = c.call(QStringLiteral("Inventory..sp_Get_CompanyPrice"), {code.trimmed(), location});
    if (rs.isEmpty()) return std::nullopt;
    return rs.toDouble(QStringLiteral("CompanyPrice"));
}

QString HighAlertNotice(Connection& c, const QString& code)
{
    const Recordset rs = c.call(QStringLiteral("Inventory..CheckHAlertRefrigerated"), {code});
    if (rs.isEmpty()) return QString();
    const bool highAlert = DbValue::toLong(rs.value(QStringLiteral("HighAlert"))) != 0;
    const bool refrigerated = DbValue::toLong(rs.value(QStringLiteral("Refrigerated"))) != 0;
    if (highAlert && refrigerated) return QStringLiteral("ITEM IS TAGGED AS HIGH ALERT AND REFRIGERATED!");
    if (highAlert) return QStringLiteral("ITEM IS TAGGED AS HIGH ALERT!");
    if (refrigerated) return QStringLiteral("ITEM IS TAGGED AS REFRIGERATED!");
    return QString();
}

void InsertPatientMedicines(Connection& c, const QString& idNum)
{
    c.call(QStringLiteral("STATION..sp_Nurse_InsertMedicines_Into_tbNursePatientMedicines"), {idNum.trimmed()});
}

Recordset RequestTransactions(Connection& c, const QString& revenue, const QString& idNum)
{
    return c.call(QStringLiteral("STATION..GetRequestByRevenueID"), {revenue, idNum, 1});
}

Recordset RequestItems(Connection& c, const QString& revenue, const QString& idNum, const QString& transactionKey)
{
    return c.call(QStringLiteral("STATION..GetRequestByRevenueID"), {revenue, idNum, 0, transactionKey});
}

QString SaveTranscriptionNotes(Connection& c, const TranscriptionSave& in, const QList<TranscriptionRow>& rows)
{
    TransactionGuard tx(c);
    const QDateTime now = c.serverDateTime();
    QString number;
    if (!rows.isEmpty()) {
        const Recordset counter = c.query(QStringLiteral("UPDATE BILLING..tbAssessmentNum SET AssessmentNum = COALESCE(AssessmentNum, 0) + 1 "
                                                         "RETURNING AssessmentNum"));
        if (counter.isEmpty())
            throw DbError(QStringLiteral("The transcription counter (BILLING..tbAssessmentNum) has no row; ask the IT department to add it."));
        if (counter.recordCount() > 1)
            throw DbError(QStringLiteral("The transcription counter (BILLING..tbAssessmentNum) has more than one row; ask the IT department to keep one."));
        // The number is the counter's value before this save raised it.
        number = QStringLiteral("AS") + QString::number(counter.toLong(QStringLiteral("AssessmentNum")) - 1);
    }
    for (const TranscriptionRow& r : rows)
        c.call(QStringLiteral("STATION..sp_Nurse_SaveTranscriptionNote"),
               {in.hospNum, in.idNum, QStringLiteral("I"), r.code, r.amount, r.quantity, r.dosage, QStringLiteral(" "), now,
                QStringLiteral("PH"), in.doctorCode, QStringLiteral(" "), in.userCode, r.remarks, r.description, in.stationId,
                QStringLiteral("Y"), r.genericFlag.trimmed(), number, in.room});
    tx.commit();
    return number;
}

Recordset TranscriptionStatus(Connection& c, const QString& idNum)
{
    return c.call(QStringLiteral("STATION..sp_Nurse_TranscriptionStatus"), {idNum.trimmed()});
}

void RevokeTranscriptionNote(Connection& c, const QString& idNum, const QString& code, const QString& number)
{
    c.call(QStringLiteral("STATION..sp_Nurse_RevokeTranscriptionNotes"), {idNum.trimmed(), code.trimmed(), number.trimmed()});
}

QString TranscriptionRevokeRefusal(const QString& status)
{
    const QString s = status.trimmed();
    if (s == QLatin1String("REVOKED")) return QStringLiteral("Can't Revoke this Transcription! It is already been REVOKED..");
    if (s.startsWith(QLatin1String("OR"))) return QStringLiteral("Can't Revoke this Transcription! It is already been PROCESSED BY the PHARMACY..");
    return QString();
}

} // namespace MedicationRequestData
