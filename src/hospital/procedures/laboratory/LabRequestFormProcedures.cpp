// Stand-ins of the LABORATORY procedures behind the ward's laboratory request form and the direct
// charging of its laboratory requests.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Arguments: employee, session. Empties the session's request-form lines.
Recordset cleanUpRequestForm(Connection& c, const ProcedureArgs& a)
{
    c.execute(QStringLiteral("DELETE FROM LABORATORY..tbLabRequestForm WHERE SessionID = ?"), {a.text(1)});
    return Recordset();
}

// Arguments: form type, exam, specimen, employee, section, employee, stat, account, request
// number, doctor, date, employee, session. One line of the session's request form.
Recordset saveRequestForm(Connection& c, const ProcedureArgs& a)
{
    c.execute(QStringLiteral("INSERT INTO LABORATORY..tbLabRequestForm (FormType, ExamID, SpecimenID, EmployeeID, SectionID, "
                             "EncodedBy, Stat, AccountNum, RequestNum, DoctorID, RequestDate, UserID, SessionID) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              {a.text(0), a.text(1), a.text(2), a.text(3), a.text(4), a.text(5), a.text(6), a.text(7), a.text(8),
               a.text(9), a.at(10), a.text(11), a.text(12)});
    return Recordset();
}

// Argument: admission. Charges the admission's open laboratory requests not yet charged.
Recordset nurseCharging(Connection& c, const ProcedureArgs& a)
{
    const QString id = a.text(0).trimmed();
    c.execute(QStringLiteral("INSERT INTO LABORATORY..tbLabNurseCharges (IDNum, RequestNum, ExamID, Amount, TransDate) "
                             "SELECT IDNum, RequestNum, ItemID, Amount, RequestDate FROM STATION..TBNURSECOMMUNICATIONFILE "
                             "WHERE IDNum = ? AND RevenueID = 'LB' AND COALESCE(RecordStatus, '') = '' AND CLForCharging IS NULL"),
              {id});
    c.execute(QStringLiteral("UPDATE STATION..TBNURSECOMMUNICATIONFILE SET CLForCharging = 'Y' WHERE IDNum = ? AND "
                             "RevenueID = 'LB' AND COALESCE(RecordStatus, '') = '' AND CLForCharging IS NULL"),
              {id});
    return Recordset();
}

} // namespace

CATHLAB_PROCEDURE("LABORATORY..Lab_CleanUp_tbLabRequestForm", cleanUpRequestForm);
CATHLAB_PROCEDURE("LABORATORY..Lab_SaveRequestForm", saveRequestForm);
CATHLAB_PROCEDURE("LABORATORY..Lab_NurseCharging2", nurseCharging);
