#include "shared/orders/RequestChecks.h"

#include "platform/db/Connection.h"
#include "platform/text/Format.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"

namespace {

// A date the procedure answers, in the text the notices show.
QString dateText(const Recordset& rs, const QString& field)
{
    const QDateTime dt = rs.toDateTime(field);
    return dt.isValid() ? Fmt::serverDateText(dt) : rs.text(field).trimmed();
}

Recordset repeatCheck(const QString& procedure, const QString& idNum, const QString& itemCode, const QString& sectionCode)
{
    return SharedConnection().call(procedure, {idNum.trimmed(), itemCode.trimmed(), sectionCode.trimmed()});
}

bool askRepeat(const QString& idNum, const QString& itemCode, const QString& sectionCode, const QString& head,
               const QString& tail)
{
    Recordset rs = repeatCheck(QStringLiteral("STATION..Nurse_CheckExam_Posted"), idNum, itemCode, sectionCode);
    if (rs.isEmpty()) return false;
    const int answer = MsgBox(head + dateText(rs, QStringLiteral("ProcessDate")) + tail, vbYesNo | vbCritical,
                              QStringLiteral("Message "));
    return answer == vbNo;
}

} // namespace

bool CheckExamRequestStatus(const QString& idNum, const QString& itemCode, const QString& sectionCode)
{
    Recordset rs = repeatCheck(QStringLiteral("STATION..Nurse_CheckExamStatus"), idNum, itemCode, sectionCode);
    if (rs.isEmpty()) return false;
    MsgBox(Session.PendingExamMessageHead + dateText(rs, QStringLiteral("Requestdate")) + Session.PendingExamMessageTail, vbOKOnly,
           QStringLiteral("Message "));
    return true;
}

bool CheckExamProcessedToday(const QString& idNum, const QString& itemCode, const QString& sectionCode)
{
    return askRepeat(idNum, itemCode, sectionCode, QStringLiteral("This Request has been PROCCESSED TODAY AT "),
                     QStringLiteral("! Do you wish to REPEAT it ?"));
}

bool CheckItemPostedToday(const QString& idNum, const QString& itemCode, const QString& sectionCode)
{
    return askRepeat(idNum, itemCode, sectionCode, QStringLiteral("This item has been POSTED TODAY AT "),
                     QStringLiteral("! Do you wish to REPEAT it?"));
}

bool IsRequestClosed(const QString& refNum)
{
    Recordset rs = SharedConnection().call(QStringLiteral("STATION..sp_Nurse_Check_Request"), {refNum.trimmed()});
    if (rs.isEmpty()) return false;
    const QString station = rs.text(QStringLiteral("StationID"));
    const QString status = rs.text(QStringLiteral("RecordStatus"));
    auto stamp = [&rs](const char* field) {
        const QDateTime dt = rs.toDateTime(QString::fromLatin1(field));
        return dt.isValid() ? Fmt::serverDateText(dt) : QString();
    };
    QString text;
    if (DbValue::text(Session.CurrentStationID).trimmed() != station.trimmed())
        text = QStringLiteral("You can't revoked item(s)/exam(s) requested from station: ") + station;
    else if (status == QLatin1String("R"))
        text = QStringLiteral("Item(s)/exam(s) requested has been revoked By: ") + rs.text(QStringLiteral("RevokeBy"))
               + QStringLiteral(" at ") + stamp("RevokeDate");
    else if (status == QLatin1String("X"))
        text = QStringLiteral("Item(s)/exam(s) requested has been processed By: ") + rs.text(QStringLiteral("ProcessBy"))
               + QStringLiteral(" at ") + stamp("ProcessDate");
    else
        return false;
    MsgBox(text, vbInformation | vbOKOnly, QStringLiteral("Message"));
    return true;
}

bool HasNotAdministeredMeds(const QString& idNum, const QString& itemCode, int mode)
{
    Recordset rs = SharedConnection().call(QStringLiteral("STATION..Check_NotAdministeredMeds"),
                                           {idNum, itemCode, QString::number(mode)});
    return !rs.isEmpty() && rs.toDouble(QStringLiteral("Unused")) > 0;
}

bool IsCathRequestStatusDOrW(const QString& refNum)
{
    // A slip can carry several cases: any one with a result stops the revocation.
    Recordset rs = SharedConnection().query(
        QStringLiteral("SELECT 1 AS HasResult FROM Clinical_Area..tbCathLabMaster "
                       "WHERE RefNum = ? AND COALESCE(RequestStatus,'') IN ('D','W') LIMIT 1"),
        {refNum.trimmed()});
    return !rs.isEmpty();
}
