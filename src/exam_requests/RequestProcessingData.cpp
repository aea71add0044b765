#include "exam_requests/RequestProcessingData.h"

#include "components/patient_search/PatientHeaderRecords.h"
#include "components/patient_search/clsPatientSearch.h"
#include "platform/db/Connection.h"
#include "platform/text/AdmissionNumber.h"

namespace RequestProcessingData {

Recordset OpenRequests(Connection& c, const QString& revenueID)
{
    return c.call(QStringLiteral("CLINICAL_AREA..CLRequestsCommunication"), {revenueID});
}

bool RevokeOpenRequest(Connection& c, const QString& requestNum, const QString& userID, const QString& reason)
{
    const Recordset rs = c.call(QStringLiteral("STATION..sp_Nurse_Revoke_Request"), {requestNum, userID, reason});
    return !rs.isEmpty() && rs.toInt(QStringLiteral("Revoked")) > 0;
}

void MarkPrinted(Connection& c, const QString& requestNum)
{
    c.execute(QStringLiteral("UPDATE STATION..tbNurseCommunicationFile SET Printed = 'P' WHERE RequestNum = ?"), {requestNum});
}

Recordset RequestsForProcessing(Connection& c, const QString& idNum, const QString& revenueID)
{
    return c.call(QStringLiteral("Clinical_Area..GetCLForProcessing"), {idNum, revenueID});
}

ProcessingHeader LoadProcessingHeader(Connection& c, const QString& idNum, const QString& hospNum)
{
    ProcessingHeader h;
    h.hospNum = hospNum;
    const auto birth = [](const QDateTime& d) { return d.isValid() ? d.toString(QStringLiteral("MM/dd/yyyy")) : QString(); };
    if (!IsOutPatientNumber(idNum)) {
        HeaderAdmission adm;
        if (!PatientHeaderRecords::ValidateAdmission(c, idNum.trimmed(), adm)) return h;
        clsAdmission account;
        account.load(&c, idNum);
        h.sex = adm.Patient.Sex;
        h.birthDate = birth(adm.Patient.BirthDate);
        h.admissionDate = adm.AdmissionDate.toString(QStringLiteral("MM/dd/yyyy"));
        h.age = adm.Age;
        h.room = adm.RoomID;
        h.company = account.Account.Company;
    } else {
        HeaderVisit visit;
        if (!PatientHeaderRecords::OpenOutPatient(c, idNum.trimmed(), hospNum, visit)) return h;
        clsOutPatient account;
        account.setConnection(&c);
        account.OpenOutPatient(idNum.trimmed(), hospNum);
        HeaderPatient patient;
        PatientHeaderRecords::LoadVisitPatient(c, hospNum, patient);
        h.admissionDate = visit.AdmissionDate.toString(QStringLiteral("MM/dd/yyyy"));
        h.company = account.Account.AccountNumber;
        h.sex = patient.Sex;
        h.birthDate = birth(patient.BirthDate);
        h.age = patient.Age;
        h.room = QStringLiteral("ER/OPD");
    }
    h.found = true;
    return h;
}

ProcessOutcome ProcessRequests(Connection& c, const QVector<ProcessRow>& rows, const QString& userID, const QDateTime& processDate,
                               const QString& doctorID, const QString& doctorName, bool markPrinted)
{
    ProcessOutcome out;
    TransactionGuard tx(c);
    for (const ProcessRow& row : rows) {
        // Only a request still open is processed: another workstation may have processed or
        // revoked it since the list was read.
        const int n = c.execute(QStringLiteral("UPDATE STATION..tbNurseCommunicationFile SET RecordStatus = 'X', CLForCharging = 'Y', "
                                               "RequestingDoctor = ?, RequestingDoctorName = ?, "
                                               "Printed = CASE WHEN ? = 1 THEN 'P' ELSE Printed END "
                                               "WHERE RequestNum = ? AND COALESCE(RecordStatus, '') = ''"),
                                {doctorID.trimmed(), doctorName.trimmed(), markPrinted ? 1 : 0, row.requestNum});
        if (n == 0) {
            out.changed << row;
            continue;
        }
        c.execute(QStringLiteral("UPDATE STATION..tbNurseLogBook SET RecordStatus = 'X', ProcessBy = ?, ProcessDate = ? WHERE RequestNum = ?"),
                  {userID, processDate, row.requestNum});
        out.processed << row;
    }
    tx.commit();
    return out;
}

Recordset ConfirmedSchedules(Connection& c)
{
    return c.call(QStringLiteral("SCHEDULE..sp_List_ConfirmedORSchedule"));
}

bool RevokeConfirmedSchedule(Connection& c, const QString& requestNo, const QString& idNum, const QString& employeeCode)
{
    const Recordset rs = c.call(QStringLiteral("SCHEDULE..sp_Revoke_Confirmed_ORSchedule"), {requestNo, idNum, employeeCode});
    return !rs.isEmpty() && rs.toInt(QStringLiteral("Revoked")) > 0;
}

} // namespace RequestProcessingData
