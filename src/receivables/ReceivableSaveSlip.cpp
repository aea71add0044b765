#include "receivables/ReceivableSaveSlip.h"

#include "charging/ChargeSlipPrint.h"
#include "components/login/clsCurrentuser.h"
#include "platform/db/Connection.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"

QVariantList ReceivableSlipValues(const ReceivableSlipHeader& h, const QString& slip, const QString& postedAt,
                                  const QString& userCode, const QString& userName, const QString& copyMark)
{
    return {slip,
            h.patientName,
            h.hospNum,
            h.age.trimmed() + QStringLiteral(" / ") + h.sex.trimmed(),
            h.membership,
            h.company,
            h.room,
            h.idNum,
            postedAt,
            postedAt,
            h.doctor,
            h.admType,
            userName,
            QStringLiteral("(") + userCode.trimmed() + QStringLiteral(") ") + userName,
            userName,
            copyMark};
}

void PrintReceivableSlip(const ReceivableSlipHeader& h, const QString& slip, const QString& postedAt, const QString& userCode,
                         const QString& userName)
{
    if (!Session.HospitalInfo.IsPrintChargeSlip) return;
    const bool preprinted = MsgBox(QStringLiteral("Print Charge Slip! [YES] Pre-printed Form [NO] Blank Paper"),
                                   vbYesNo | vbInformation, QStringLiteral("Message"))
                            == vbYes;
    ShowChargeSlip(preprinted, ReceivableSlipValues(h, slip, postedAt, userCode, userName, QStringLiteral("ORIGINAL COPY")),
                   QStringLiteral("Print ChargeSlip"));
}

void ReprintReceivableSlip(Connection& c, const ReceivableSlipHeader& h, const QString& slip, const QString& postedAt)
{
    if (!Session.HospitalInfo.IsPrintChargeSlip || slip.trimmed().isEmpty()) return;
    c.call(QStringLiteral("STATION..sp_CL_ReprintChargeSlip"), {slip.trimmed()});
    const bool preprinted = MsgBox(QStringLiteral("Re-print Charge Slip! [YES] Pre-printed Form [NO] Blank Paper"),
                                   vbYesNo | vbInformation, QStringLiteral("Message"))
                            == vbYes;
    const QString code = Session.CurrentUser ? Session.CurrentUser->EmployeeCode() : QString();
    const QString name = Session.CurrentUser ? Session.CurrentUser->EmployeeName() : QString();
    ShowChargeSlip(preprinted,
                   ReceivableSlipValues(h, slip.trimmed(), ChargeSlipDateText(postedAt), code, name, QStringLiteral("REPRINTED COPY")),
                   QStringLiteral("RE-Print ChargeSlip"));
}
