#include "shared/assessment/AssessmentNumbers.h"

#include "platform/db/Connection.h"
#include "platform/text/NumberMask.h"

QString AssessmentNumberText(qint64 counter, const QString& mask)
{
    const QString m = mask.trimmed();
    return QStringLiteral("CL") + (m.isEmpty() ? QString::number(counter) : FormatWithNumberMask(counter, m));
}

QString TakeAssessmentNumber(Connection& c, const QString& stationID, const QString& mask)
{
    for (;;) {
        const Recordset rs = c.query(QStringLiteral("UPDATE STATION..tbCLChargeSlip SET AssessNum = COALESCE(AssessNum, 1) + 1 "
                                                    "WHERE StationID = ? RETURNING AssessNum"),
                                     {stationID.trimmed()});
        if (rs.isEmpty())
            throw MissingAssessmentCounter(QStringLiteral("No assessment sequence number set for Station ") + stationID.trimmed() +
                                           QStringLiteral("."));
        const QString number = AssessmentNumberText(rs.toLong(QStringLiteral("AssessNum")) - 1, mask);
        // a counter set back over numbers in use moves on to a free one
        if (!c.query(QStringLiteral("SELECT 1 AS Used FROM STATION..tbCLAssessment WHERE AssessNum = ? LIMIT 1"), {number}).isEmpty())
            continue;
        c.execute(QStringLiteral("DELETE FROM STATION..tbCLAssessPrint WHERE AssessNum = ?"), {number});
        return number;
    }
}

QString TakeCashCMAdviceNumber(Connection& c)
{
    const Recordset rs = c.query(QStringLiteral("UPDATE BILLING..tbAssessmentNum SET CMAdvisenum = COALESCE(CMAdvisenum, 0) + 1 "
                                                "RETURNING CMAdvisenum"));
    if (rs.isEmpty())
        throw MissingAssessmentCounter(QStringLiteral("The credit memo advice counter (BILLING..tbAssessmentNum) has no row; "
                                                      "ask the IT department to add it."));
    if (rs.recordCount() > 1)
        throw DbError(QStringLiteral("The credit memo advice counter (BILLING..tbAssessmentNum) has more than one row; "
                                     "ask the IT department to keep one."));
    return QStringLiteral("OR") + QString::number(rs.toLong(QStringLiteral("CMAdvisenum")) - 1);
}
