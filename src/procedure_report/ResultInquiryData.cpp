#include "procedure_report/ResultInquiryData.h"

#include "platform/db/Connection.h"
#include "platform/text/Format.h"

#include <QDateTime>

namespace ResultInquiryData {

Recordset SearchPatients(Connection& c, const QString& lastName, const QString& hospNum, const QString& idNum,
                         const QString& date, const QString& status)
{
    return c.call(QStringLiteral("Clinical_Area..GetCL_ResultList"), {lastName, hospNum, idNum, date, status});
}

Recordset LoadPatientExams(Connection& c, const QString& idNum, const QString& mainRevenueID)
{
    return c.call(QStringLiteral("Clinical_Area..GetCLPatientExams"), {idNum, QString(), mainRevenueID});
}

QString ShortDateOf(const QString& listDate)
{
    const QDateTime dt = QDateTime::fromString(listDate, QStringLiteral("MM/dd/yyyy hh:mm:ss AP"));
    if (dt.isValid()) return Fmt::shortDate(dt.date());
    const QDate d = QDate::fromString(listDate.left(10), QStringLiteral("MM/dd/yyyy"));
    return d.isValid() ? Fmt::shortDate(d) : listDate;
}

}
