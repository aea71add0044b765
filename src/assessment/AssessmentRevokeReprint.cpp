#include "assessment/AssessmentRevokeReprint.h"

#include "assessment/AssessmentSave.h"
#include "access/ActionApproval.h"
#include "access/UserValidation.h"
#include "platform/db/Connection.h"
#include "platform/text/Format.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/UserRights.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QLocale>
#include <QPushButton>

namespace {

const QString kNotice = QStringLiteral("Notification");

QString listCell(const FlexGrid* list, int col)
{
    const int row = list->currentRow();
    return row >= 1 && row < list->Rows() && col < list->Cols() ? list->TextMatrix(row, col) : QString();
}

// Validation until a user passes or the user gives up. With a reason for a cancellation.
bool validate(bool withReason, const QString& retryQuestion)
{
    return ValidateUser({.postOrCancel = withReason ? 1 : 0,
                         .reasonMaxLength = ReasonRoom(QStringLiteral("STATION..tbCLAssessment"), QStringLiteral("RevokeReason"), false),
                         .retryQuestion = retryQuestion})
        .has_value();
}

// The list's date as the slip prints it.
QString slipDate(const QString& listed)
{
    const QString t = listed.trimmed();
    for (const char* form : {"MM/dd/yyyy hh:mm:ss AP", "MM/dd/yyyy h:mm:ss AP", "yyyy-MM-dd HH:mm:ss", "MM/dd/yyyy"}) {
        const QDateTime dt = QLocale::c().toDateTime(t, QString::fromLatin1(form));
        if (dt.isValid()) return Fmt::serverDateText(dt);
    }
    return t;
}

} // namespace

const AssessmentListTexts& CashAssessmentTexts()
{
    static const AssessmentListTexts t{
        QStringLiteral("You can't print this assessment. This assessment is already REVOKED."),
        QStringLiteral("Reprint Assessment Slip"),
        QStringLiteral("Can't revoke this assessment! It is already been PROCESSED by the CASHIER."),
        QStringLiteral("Can't revoke this assessment! It is already been REVOKED."),
        vbQuestion,
        false,
        QStringLiteral("Selected Assessment(s) will not be cancelled! \r\nAre you sure you want to revoke this assessment?"),
        QStringLiteral("Sorry, you don't have access right to revoke assessments!"),
        false};
    return t;
}

const AssessmentListTexts& ClinicalAssessmentTexts()
{
    static const AssessmentListTexts t{
        QStringLiteral("Can't reprint this asssessment! It is already been REVOKED."),
        QStringLiteral("RE-Print Assessment Slip"),
        QStringLiteral("Can't revoke this Assessment! It is already been PROCESSED BY the CASHIER."),
        QStringLiteral("Can't revoke this asssessment! It is already been REVOKED."),
        vbInformation,
        true,
        QStringLiteral("Selected Assessment(s) were not revoked! \r\nAre you sure you want to revoke this Assessment(s)?"),
        QStringLiteral("Sorry, you don't have access right to revoke Assessment(s)!"),
        true};
    return t;
}

void ReprintAssessmentSlip(const AssessmentListWindow& w, const AssessmentListTexts& t)
{
    if (!w.list || w.list->currentRow() < 1) return;
    if (listCell(w.list, 11).trimmed() == QLatin1String("REVOKED")) {
        MsgBox(t.reprintRefusal, vbExclamation, kNotice);
        return;
    }
    const QString number = listCell(w.list, 6).trimmed();
    const QString date = slipDate(listCell(w.list, 9));
    if (!validate(false, QStringLiteral("Can't reprint this assessment! \r\nAre you sure you want to reprint this assessment?"))) return;
    if (!Session.HospitalInfo.IsPrintChargeSlip) return;
    QString summary;
    if (t.clinicalSummary)
        for (int r = 1; r < w.list->Rows(); ++r)
            if (w.list->TextMatrix(r, 6).trimmed() == number)
                summary = AppendSlipSummary(summary, w.list->TextMatrix(r, 3), w.list->TextMatrix(r, 12));
    try {
        ShowAssessmentSlip(SharedConnection(), w.header, number, date, DialogAnswers.ValidatedUserID, DialogAnswers.ValidatedUserName,
                           QStringLiteral("REPRINTED COPY"), summary, t.reprintCaption);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

bool RevokeAssessment(const AssessmentListWindow& w, const AssessmentListTexts& t)
{
    if (!w.list || w.list->currentRow() < 1) return false;
    // only a pending assessment may be revoked: a paid one never
    const QString status = listCell(w.list, 11).trimmed();
    if (status == QLatin1String("REVOKED")) {
        MsgBox(t.revokedRefusal, vbExclamation, kNotice);
        return false;
    }
    if (status.toUpper() != QLatin1String("PENDING")) {
        MsgBox(t.givenRefusal, vbExclamation, kNotice);
        return false;
    }
    const QString key = listCell(w.list, 1);
    if (MsgBox(QStringLiteral("Are you sure you want to revoke ") + listCell(w.list, 8).trimmed() + QStringLiteral("?"),
               vbYesNo | t.confirmIcon, QStringLiteral("Confirmation"))
        != vbYes) {
        if (t.reloadOnNo && w.reload) w.reload();
        return false;
    }
    if (!validate(true, t.retryQuestion)) return false;
    const QString userID = DialogAnswers.ValidatedUserID, reason = DialogAnswers.CancelReason;
    Recordset answer;
    try {
        Connection& c = SharedConnection();
        if (!HasUserRight(c, QStringLiteral("22"), userID)) {
            MsgBox(t.rightRefusal, vbInformation, kNotice);
            return false;
        }
        TransactionGuard tx(c);
        answer = c.call(QStringLiteral("STATION..sp_Nurse_Revoke_Assessment"), {w.header.idNum, key, userID, reason});
        tx.commit();
    } catch (const std::exception& e) {
        ShowErrorNotice(e); // rolled back: nothing revoked
        return false;
    }
    const bool revoked = !answer.isEmpty() && answer.toInt(QStringLiteral("Revoked")) == 1;
    if (!revoked) {
        // the cashier or another workstation was quicker than the list
        const QString now = answer.isEmpty() ? QString() : answer.text(QStringLiteral("Status")).trimmed();
        MsgBox(now == QLatin1String("REVOKED") ? t.revokedRefusal
               : now.isEmpty()                 ? QStringLiteral("This assessment is no longer on file. Nothing was revoked.")
                                               : t.givenRefusal,
               vbExclamation, kNotice);
    }
    if (w.revokeButton && revoked) w.revokeButton->setEnabled(false);
    if (w.list) w.list->update();
    if (w.reload) w.reload();
    return revoked;
}
