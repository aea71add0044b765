// Stand-ins of the STATION procedures that the exam ordering and request checks call.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Argument: a laboratory exam code. One row per member when the exam is a profile (ExamID,
// ExamName, ProfileID, ProfileName), in the profile's order; no row otherwise.
Recordset getProfileList(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral(
        "SELECT m.LabExamID AS ExamID, e.LabExam AS ExamName, m.ProfileID AS ProfileID, p.LabExam AS ProfileName "
        "FROM BUILD_FILE..tbCoLabProfile m "
        "JOIN BUILD_FILE..tbCoLabExam p ON p.LabExamID = m.ProfileID "
        "LEFT JOIN BUILD_FILE..tbCoLabExam e ON e.LabExamID = m.LabExamID "
        "WHERE m.ProfileID = ? ORDER BY m.SortOrder, m.LabExamID"),
        {a.text(0)});
}

// Argument: a laboratory exam code. One row per specimen it may be taken from (Code, Description).
Recordset getLabExamSpecimen(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral(
        "SELECT s.SpecimenID AS Code, s.Specimen AS Description FROM BUILD_FILE..tbCoLabExamSpecimen x "
        "JOIN BUILD_FILE..tbCoLabSpecimen s ON s.SpecimenID = x.SpecimenID "
        "WHERE x.LabExamID = ? ORDER BY s.SpecimenID"),
        {a.text(0)});
}

// Arguments: admission, item, section. The open requests of the item (Requestdate), latest first.
Recordset checkExamStatus(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral(
        "SELECT RequestDate AS Requestdate, RequestNum FROM STATION..TBNURSECOMMUNICATIONFILE "
        "WHERE IDNum = ? AND ItemID = ? AND RevenueID = ? AND COALESCE(RecordStatus,'') = '' "
        "ORDER BY RequestDate DESC"),
        {a.text(0), a.text(1), a.text(2)});
}

// Arguments: admission, item, section. When the item was processed by its department or posted
// to the patient's bill today by the server's clock (ProcessDate), latest first.
Recordset checkExamPosted(Connection& c, const ProcedureArgs& a)
{
    const QDate today = c.serverDateTime().date();
    const QDateTime from(today, QTime(0, 0)), to(today.addDays(1), QTime(0, 0));
    const QString id = a.text(0), item = a.text(1), section = a.text(2);
    return c.query(QStringLiteral(
        "SELECT ProcessDate FROM STATION..tbNurseLogbook "
        "WHERE IDNum = ? AND ItemID = ? AND RevenueID = ? AND RecordStatus = 'X' AND ProcessDate >= ? AND ProcessDate < ? "
        "UNION ALL SELECT TransDate AS ProcessDate FROM BILLING..tbBillDailyBill "
        "WHERE IDNum = ? AND ItemID = ? AND RevenueID = ? AND Quantity > 0 AND TransDate >= ? AND TransDate < ? "
        "UNION ALL SELECT TransDate AS ProcessDate FROM BILLING..tbBillOPDailyOut "
        "WHERE IDNum = ? AND ItemID = ? AND RevenueID = ? AND Quantity > 0 AND TransDate >= ? AND TransDate < ? "
        "ORDER BY ProcessDate DESC"),
        {id, item, section, from, to, id, item, section, from, to, id, item, section, from, to});
}

// Argument: a request number. Who asked for it and what became of it: the request row gives the
// station and status, its log-book line who processed or revoked it and when.
Recordset checkRequest(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral(
        "SELECT f.StationID, f.RecordStatus, l.RevokeBy, l.RevokeDate, l.ProcessBy, l.ProcessDate "
        "FROM STATION..TBNURSECOMMUNICATIONFILE f LEFT JOIN STATION..tbNurseLogbook l ON l.RequestNum = f.RequestNum "
        "WHERE f.RequestNum = ? ORDER BY l.LogID LIMIT 1"),
        {a.text(0)});
}

// Arguments: admission, item, mode. Units issued to the patient and not yet administered (Unused):
// mode "1" counts every medicine of the admission, any other mode only the item.
Recordset checkNotAdministeredMeds(Connection& c, const ProcedureArgs& a)
{
    const bool wholeAdmission = a.text(2).trimmed() == QLatin1String("1");
    QString sql = QStringLiteral(
        "SELECT COALESCE(SUM(QtyIssued - COALESCE(QtyAdministered,0)),0) AS Unused "
        "FROM STATION..tbNursePatientMedicines WHERE IDNum = ? AND QtyIssued > COALESCE(QtyAdministered,0)");
    QVariantList params{a.text(0)};
    if (!wholeAdmission) {
        sql += QStringLiteral(" AND ItemID = ?");
        params << a.text(1);
    }
    return c.query(sql, params);
}

} // namespace

CATHLAB_PROCEDURE("STATION..sp_Nurse_Get_ProfileList", getProfileList);
CATHLAB_PROCEDURE("STATION..sp_Nurse_GetLabExam_Specimen", getLabExamSpecimen);
CATHLAB_PROCEDURE("STATION..Nurse_CheckExamStatus", checkExamStatus);
CATHLAB_PROCEDURE("STATION..Nurse_CheckExam_Posted", checkExamPosted);
CATHLAB_PROCEDURE("STATION..sp_Nurse_Check_Request", checkRequest);
CATHLAB_PROCEDURE("STATION..Check_NotAdministeredMeds", checkNotAdministeredMeds);
