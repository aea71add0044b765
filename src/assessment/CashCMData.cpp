#include "assessment/CashCMData.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/text/Format.h"
#include "shared/assessment/AssessmentNumbers.h"

Recordset CashCMPaidItems(Connection& c, const QString& idNum, const QString& orNumber)
{
    return c.call(QStringLiteral("PATIENT_DATA..sp_Get_Patient_CashCM"), {idNum.trimmed(), QStringLiteral("CL"), orNumber.trimmed()});
}

QString CashCMNumberText(double value) { return QString::number(value, 'g', 15); }

double CashCMUnitPrice(const CashCMItem& item)
{
    const double quantity = Fmt::val(item.quantity.trimmed());
    return quantity > 0 ? Fmt::val(item.amount.trimmed()) / quantity : 0;
}

QString CashCMItemRefusal(const CashCMItem& item)
{
    if (Fmt::val(item.quantity.trimmed()) <= 0)
        return QStringLiteral("%1 has no quantity to credit. Please ask the cashier to check the receipt.").arg(item.description.trimmed());
    return QString();
}

QString SaveCashCMAdvice(Connection& c, const QString& orNumber, const QString& patientName, const QString& userID,
                         const QList<CashCMItem>& items)
{
    for (const CashCMItem& i : items) {
        const QString refusal = CashCMItemRefusal(i);
        if (!refusal.isEmpty()) throw DbError(refusal);
    }
    TransactionGuard tx(c);
    const QString advice = TakeCashCMAdviceNumber(c);
    for (const CashCMItem& i : items) {
        const double quantity = Fmt::val(i.quantity.trimmed());
        const double amount = Fmt::val(i.amount.trimmed());
        // Numbers as the plain text of at most 15 digits, as the advice prints them.
        c.call(QStringLiteral("BILLING..spCash_SaveCMAdvise"),
               {i.item.trimmed(), advice, orNumber.trimmed(), patientName.trimmed(), i.department.trimmed(),
                CashCMNumberText(CashCMUnitPrice(i)).toDouble(), quantity, amount, userID.trimmed()});
    }
    tx.commit();
    return advice;
}
