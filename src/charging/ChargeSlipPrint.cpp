#include "charging/ChargeSlipPrint.h"

#include "access/AccessCheck.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/text/Format.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/reports/modReports.h"

#include <QLocale>

namespace {
const QString kSlipReport = QStringLiteral("Charge_Slip_BlankForm.RPT");
const QString kPreprintedSlipReport = QStringLiteral("Charge_Slip_New.RPT");
}

void ShowChargeSlip(bool preprinted, const QVariantList& values, const QString& caption)
{
    PrepareReport(ReportFilePath(preprinted ? kPreprintedSlipReport : kSlipReport), values);
    ShowReport(false, caption, false, false);
}

QVariantList ChargeSlipValues(const ChargeSlipHeader& h, const QString& slip, const QString& postedAt, const QString& userName,
                              const QString& copyMark)
{
    return {slip,     h.patientName,  h.hospNum, h.ageSex, ReportValues.SlipReportParam5, h.company,
            h.room,   h.idNum,        postedAt,  postedAt, h.doctor,                      ReportValues.SlipReportParam12,
            userName, userName,       userName,  copyMark};
}

void PrintChargeSlip(Connection& c, const ChargeSlipHeader& h, const QString& slip, const QDateTime& postedAt,
                     const QString& userName)
{
    if (StationParameters().OnlyShowPackageCSlip()) c.call(QStringLiteral("STATION..sp_CL_ReprintChargeSlip"), {slip.trimmed()});
    if (!Session.HospitalInfo.IsPrintChargeSlip) return;
    PrepareReport(ReportFilePath(kSlipReport),
                  ChargeSlipValues(h, slip, Fmt::serverDateText(postedAt), userName, QStringLiteral("ORIGINAL COPY")));
    ShowReport(false, QStringLiteral("Print ChargeSlip"), false, true);
}

void ReprintChargeSlip(Connection& c, const ChargeSlipHeader& h, const QString& slip, const QString& postedAt)
{
    c.call(QStringLiteral("STATION..sp_CL_ReprintChargeSlip"), {slip.trimmed()});
    const QString user = ChargeSlipUserName(c, slip);
    PrepareReport(ReportFilePath(kSlipReport),
                  ChargeSlipValues(h, slip.trimmed(), ChargeSlipDateText(postedAt), user, QStringLiteral("REPRINTED COPY")));
    ShowReport(false, QStringLiteral("Reprint Charge Slip"), false, false);
}

QString ChargeSlipUserName(Connection& c, const QString& slip)
{
    // The log book takes a line for every row a save posts, by the validated user; later lines under
    // the same slip (returns) come after it.
    const Recordset rs = c.query(QStringLiteral("SELECT L.ProcessBy, U.EmployeeID, U.LastName, U.FirstName, U.MiddleName "
                                                "FROM STATION..tbNurseLogbook L "
                                                "LEFT JOIN PASSWORD..tbPasswordMain U ON U.EmployeeID = L.ProcessBy "
                                                "WHERE L.ReferenceNum = ? ORDER BY L.LogID LIMIT 1"),
                                 {slip.trimmed()});
    if (rs.isEmpty()) return QString();
    if (rs.text(QStringLiteral("EmployeeID")).isEmpty()) return rs.text(QStringLiteral("ProcessBy")).trimmed();
    return UserFullName(rs.text(QStringLiteral("LastName")), rs.text(QStringLiteral("FirstName")), rs.text(QStringLiteral("MiddleName")));
}

QString ChargeSlipDateText(const QString& postedAt)
{
    const QString t = postedAt.trimmed();
    const QLocale c = QLocale::c();
    for (const char* form : {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-ddTHH:mm:ss", "MM/dd/yyyy hh:mm:ss AP", "MM/dd/yyyy h:mm:ss AP",
                             "M/d/yyyy h:mm:ss AP", "MM/dd/yyyy HH:mm:ss", "MM/dd/yyyy HH:mm", "yyyy-MM-dd HH:mm"}) {
        const QDateTime dt = c.toDateTime(t, QString::fromLatin1(form));
        if (dt.isValid()) return Fmt::serverDateText(dt);
    }
    for (const char* form : {"yyyy-MM-dd", "MM/dd/yyyy", "M/d/yyyy"}) {
        const QDate d = c.toDate(t, QString::fromLatin1(form));
        if (d.isValid()) return Fmt::serverDateText(QDateTime(d, QTime(0, 0)));
    }
    return t;
}
