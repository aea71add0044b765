#include "charging/ChargeReturnedItems.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/text/Format.h"
#include "shared/lookups/PatientLookups.h"

namespace {

double returnedNumber(const QString& text)
{
    QString plain = text;
    return Fmt::val(plain.remove(QLatin1Char(',')));
}

bool isOutPatientAdmission(const QString& idNum) { return idNum.trimmed().endsWith(QLatin1Char('B')); }

} // namespace

bool IsChargeStillBilled(Connection& c, const QString& idNum, const QString& refNum, const QString& revenueID, const QString& itemID)
{
    const QString table = isOutPatientAdmission(idNum) ? QStringLiteral("BILLING..TBBILLOPDAILYOUT") : QStringLiteral("BILLING..TBBILLDAILYBILL");
    const QVariant quantity = c.scalar(QStringLiteral("SELECT SUM(QUANTITY) AS Qty FROM %1 WHERE IDNUM = ? AND REFNUM = ? AND REVENUEID = ? "
                                                      "AND ITEMID = ?")
                                           .arg(table),
                                       {idNum, refNum, revenueID, itemID});
    return !quantity.isNull() && DbValue::toDouble(quantity) > 0;
}

QString ReturnedItemsPatientType(Connection& c, const QString& idNum)
{
    const bool cash = isOutPatientAdmission(idNum) && GetOPDRateType(c, idNum.trimmed()).trimmed() == QLatin1String("A");
    return cash ? QStringLiteral("O") : QStringLiteral("I");
}

QList<ReturnedItem> ReadReturnedItems(Connection& c, const QString& idNum, const QString& refNum, const QString& packageCode,
                                      const QString& patientType)
{
    QList<ReturnedItem> items;
    const Recordset rs = c.call(QStringLiteral("CLINICAL_AREA..CLReturnedPlusDefaultItems"), {idNum, refNum, packageCode, patientType});
    for (int r = 0; r < rs.recordCount(); ++r) {
        QString v[8];
        for (int k = 0; k < 8 && k < rs.fieldCount(); ++k) v[k] = DbValue::text(rs.valueAt(r, k));
        items.append({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]});
    }
    return items;
}

double ReturnedTotal(const QList<ReturnedItem>& items)
{
    double total = 0;
    for (const ReturnedItem& item : items)
        if (item.forReturn == QLatin1String("1")) total += returnedNumber(item.amount);
    return total;
}

void SaveReturnedItems(Connection& c, const QString& idNum, const QString& refNum, const QString& userID, const QList<ReturnedItem>& items)
{
    TransactionGuard tx(c);
    c.call(QStringLiteral("Clinical_Area..CLDeleteCurrentReturned"), {idNum, refNum, userID});
    for (const ReturnedItem& item : items) {
        if (item.forReturn.trimmed() != QLatin1String("1")) continue;
        c.execute(QStringLiteral("INSERT INTO Clinical_Area..tbCLReturnedItems (IDNum, RefNum, RevenueID, ItemID, Quantity, UnitPrice, Amount, "
                                 "Transdate, UserID) VALUES (?, ?, ?, ?, ?, ?, ?, GETDATE(), ?)"),
                  {idNum, refNum, item.revenue, item.code, returnedNumber(item.quantity), returnedNumber(item.unitPrice),
                   returnedNumber(item.amount), userID});
    }
    tx.commit();
}
