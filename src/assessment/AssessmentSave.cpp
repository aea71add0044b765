#include "assessment/AssessmentSave.h"

#include "platform/db/Connection.h"
#include "platform/text/Format.h"
#include "components/login/clsCurrentuser.h"
#include "shared/assessment/AssessmentNumbers.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"

namespace {

// The number is held for this save only: the flag falls back however the save ends.
struct SlipNumberHeld {
    ~SlipNumberHeld() { DialogAnswers.SlipNumberTaken = false; }
};

QString cellOf(const QStringList& row, int col) { return row.value(col); }

void postLine(Connection& c, const AssessmentSaveInput& in, const QStringList& row, const QString& number, const QDateTime& at)
{
    QVariantList args{in.hospNum,  in.idNum,         in.patientName,  at,           cellOf(row, 2), cellOf(row, 4),
                      number,      cellOf(row, 6),   in.userId,       cellOf(row, 1), in.doctorId,  in.doctorName};
    if (in.clinical) args << cellOf(row, 16) << cellOf(row, 15);
    c.call(QStringLiteral("STATION..sp_CL_AssessmentEntry"), args);
    if (cellOf(row, 1).trimmed() == QLatin1String("OX") && Fmt::val(cellOf(row, 11).trimmed()) > 0)
        c.call(QStringLiteral("STATION..sp_Save_Oxygen_Monitoring"),
               {in.idNum.trimmed(), number, cellOf(row, 2).trimmed(), Fmt::val(cellOf(row, 12).trimmed()),
                Fmt::val(cellOf(row, 13).trimmed()), cellOf(row, 4).trimmed(), cellOf(row, 6).trimmed(), cellOf(row, 14).trimmed(),
                in.userId, QStringLiteral("CL")});
}

} // namespace

AssessmentSaveResult SaveAssessmentRows(Connection& c, const AssessmentSaveInput& in)
{
    AssessmentSaveResult result;
    if (in.rows.isEmpty()) return result;
    SlipNumberHeld held;
    TransactionGuard tx(c);
    const QDateTime at = c.serverDateTime();
    const QString number = TakeAssessmentNumber(c, in.counterStation, in.numberMask);
    DialogAnswers.SlipNumberTaken = true;
    for (const QStringList& row : in.rows) postLine(c, in, row, number, at);
    for (const QStringList& item : in.packageItems) {
        if (cellOf(item, 1).trimmed().isEmpty() && cellOf(item, 3).trimmed().isEmpty()) continue; // the empty grid's blank row
        c.call(QStringLiteral("Station..sp_CL_AssessmentEntry_PackageItems"),
               {in.hospNum, in.idNum, in.patientName, at, cellOf(item, 3), cellOf(item, 4), number, QStringLiteral("0.00"),
                in.employeeCode, cellOf(item, 1), cellOf(item, 7)});
    }
    tx.commit();
    result.assessmentNumber = number;
    result.serverDate = at;
    return result;
}

QString AppendSlipSummary(const QString& summary, const QString& department, const QString& remarks)
{
    const QString piece = QStringLiteral("FOR ") + department + QStringLiteral(": ") + remarks;
    return summary.trimmed().isEmpty() ? piece : summary + QStringLiteral(", ") + piece;
}

AssessmentSaveInput AssessmentSaveFor(const QString& hospNum, const QString& idNum, const QString& patientName, const QString& userId)
{
    AssessmentSaveInput in;
    in.hospNum = hospNum;
    in.idNum = idNum;
    in.patientName = patientName;
    in.userId = userId;
    in.employeeCode = Session.CurrentUser ? Session.CurrentUser->EmployeeCode() : QString();
    in.doctorId = DialogAnswers.RequestingDoctorID;
    in.doctorName = DialogAnswers.RequestingDoctorName;
    in.counterStation = Session.CurrentStationID.toString();
    in.numberMask = StationParameters().NewCSlipFormat();
    return in;
}
