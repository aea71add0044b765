#include "assessment/AssessmentSlip.h"

#include "platform/db/Connection.h"
#include "shared/lookups/AccountChecks.h"
#include "shared/modGlobals.h"
#include "shared/reports/modReports.h"

QVariantList AssessmentSlipValues(const AssessmentSlipHeader& h, const QString& number, const QString& company,
                                  const QString& dateText, const QString& userId, const QString& userName, const QString& copyMark,
                                  const QString& summary)
{
    return {number,
            h.patientName,
            h.hospNum,
            h.age.trimmed() + QStringLiteral(" / ") + h.sex.trimmed(),
            ReportValues.SlipReportParam5,
            company,
            h.room,
            h.idNum,
            dateText,
            dateText,
            h.attendingDoctor,
            ReportValues.SlipReportParam12,
            userName,
            QStringLiteral("(") + userId.trimmed() + QStringLiteral(") ") + userName,
            userName,
            copyMark,
            summary};
}

void ShowAssessmentSlip(Connection& c, const AssessmentSlipHeader& h, const QString& number, const QString& dateText,
                        const QString& userId, const QString& userName, const QString& copyMark, const QString& summary,
                        const QString& caption)
{
    c.call(QStringLiteral("STATION..sp_CL_PrintAssessment"), {number});
    QString company = GetPatientAccount(c, h.idNum);
    if (company.isEmpty()) company = QStringLiteral("PERSONAL");
    PrepareReport(ReportFilePath(QStringLiteral("Assessment_Slip_BlankForm.rpt")),
                  AssessmentSlipValues(h, number, company, dateText, userId, userName, copyMark, summary));
    ShowReport(false, caption, false, false);
}
