// Stand-ins of the SCHEDULE procedures behind the list of confirmed operation schedules.
#include "hospital/procedures/ListDateText.h"
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// No arguments. The confirmed operation schedules, soonest first. Columns by position: 0 patient,
// 1 procedure, 2 surgeon, 3 requesting station, 4 the schedule ("mm/dd/yyyy hh:mm:ss AM/PM"),
// 5 request number and 6 admission number (what the revoke takes), 7 hospital number, 8 remarks.
Recordset listConfirmedORSchedules(Connection& c, const ProcedureArgs&)
{
    const Recordset rs = c.query(QStringLiteral(
        "SELECT TRIM(COALESCE(M.LastName, '')) || ', ' || TRIM(COALESCE(M.FirstName, '')) AS Patient, "
        "COALESCE(R.Description, '') AS ProcedureName, COALESCE(D.LastName || ', ' || D.FirstName, R.SurgeonCode, '') AS Surgeon, "
        "COALESCE(R.StationID, '') AS Station, R.ScheduleDate, CAST(R.RequestID AS VARCHAR(20)) AS RequestNo, "
        "COALESCE(R.IDNum, '') AS IDNum, COALESCE(R.HospNum, '') AS HospNum, COALESCE(R.Remarks, '') AS Remarks "
        "FROM SCHEDULE..tbORRequest R "
        "LEFT JOIN PATIENT_DATA..tbMaster M ON M.HospNum = R.HospNum "
        "LEFT JOIN BUILD_FILE..tbCoDoctor D ON D.DoctorID = R.SurgeonCode "
        "WHERE R.RecordStatus = 'C' ORDER BY R.ScheduleDate, R.RequestID"));
    return ListDateText::withDateColumns(rs, {4});
}

// Arguments: request number, admission number, employee. Revokes the schedule only while it is
// confirmed and its time has not come: returns Revoked, the number revoked (0 or 1).
Recordset revokeConfirmedORSchedule(Connection& c, const ProcedureArgs& a)
{
    const QDateTime now = c.serverDateTime();
    const int n = c.execute(QStringLiteral("UPDATE SCHEDULE..tbORRequest SET RecordStatus = 'R', RevokedBy = ?, RevokeDate = ? "
                                           "WHERE CAST(RequestID AS VARCHAR(20)) = ? AND COALESCE(IDNum, '') = ? "
                                           "AND RecordStatus = 'C' AND ScheduleDate > ?"),
                            {a.text(2).trimmed(), now, a.text(0).trimmed(), a.text(1).trimmed(), now});
    Recordset out({QStringLiteral("Revoked")}, {});
    out.addRow({n});
    return out;
}

} // namespace

CATHLAB_PROCEDURE("SCHEDULE..sp_List_ConfirmedORSchedule", listConfirmedORSchedules);
CATHLAB_PROCEDURE("SCHEDULE..sp_Revoke_Confirmed_ORSchedule", revokeConfirmedORSchedule);
