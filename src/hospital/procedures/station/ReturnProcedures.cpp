// Stand-in of the STATION procedure that records a return in the department's request record.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Arguments: hospital number, admission, revenue code of the return, item, quantity issued,
// quantity returned, amount, charge slip, credit memo, remarks, user, station. One communication
// file row and its log-book line under a new request number, both processed ("X"), so the return
// never shows among the open requests; the reference is the credit memo.
Recordset saveCreditMemoCommunicationFile(Connection& c, const ProcedureArgs& a)
{
    const QString requestNum = QStringLiteral("RQ%1").arg(takeNextNumber(c, QStringLiteral("STATION..tbNurseRequestCounter"),
                                                                         QStringLiteral("LastNumber"), QStringLiteral("CounterID"),
                                                                         QStringLiteral("REQUEST")));
    const QDateTime now = c.serverDateTime();
    const QVariant quantity = DbValue::toDouble(a.at(5)), amount = DbValue::toDouble(a.at(6));
    c.execute(QStringLiteral("INSERT INTO STATION..TBNURSECOMMUNICATIONFILE (RequestNum, HospNum, IDNum, RevenueID, ItemID, Quantity, "
                             "Amount, RequestDate, StationID, UserID, RecordStatus, ReferenceNum, Remarks) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'X', ?, ?)"),
              {requestNum, a.text(0).trimmed(), a.text(1).trimmed(), a.text(2).trimmed(), a.text(3).trimmed(), quantity, amount, now,
               a.text(11).trimmed(), a.text(10).trimmed(), a.text(8).trimmed(), a.text(9)});
    c.execute(QStringLiteral("INSERT INTO STATION..tbNurseLogbook (RequestNum, IDNum, RevenueID, ItemID, Quantity, RecordStatus, "
                             "ProcessBy, ProcessDate, ReferenceNum, StationID) VALUES (?, ?, ?, ?, ?, 'X', ?, ?, ?, ?)"),
              {requestNum, a.text(1).trimmed(), a.text(2).trimmed(), a.text(3).trimmed(), quantity, a.text(10).trimmed(), now,
               a.text(8).trimmed(), a.text(11).trimmed()});
    return Recordset();
}

} // namespace

CATHLAB_PROCEDURE("STATION..sp_Nurse_Save_CreditMemo_CommunicationFile", saveCreditMemoCommunicationFile);
