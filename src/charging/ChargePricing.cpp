#include "charging/ChargePricing.h"

#include "components/StationComponents.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "shared/lookups/PatientLookups.h"
#include "shared/text/TextUtilities.h"

#include <cmath>

namespace {
qint64 chargeCents(double value) { return std::llround(value * 100.0); }
}

double LeadingNumber(const QString& text)
{
    const QString t = text.trimmed();
    int end = 0;
    bool point = false, digits = false;
    if (end < t.size() && (t[end] == QLatin1Char('-') || t[end] == QLatin1Char('+'))) ++end;
    for (; end < t.size(); ++end) {
        if (t[end].isDigit()) digits = true;
        else if (t[end] == QLatin1Char('.') && !point) point = true;
        else break;
    }
    if (!digits) return 0;
    return t.left(end).toDouble();
}

QString ChargeRateClass(Connection& c, const QString& idNum, const QString& room)
{
    if (idNum.trimmed().endsWith(QLatin1Char('B'))) return GetOPDRateType(c, idNum).trimmed();
    return GetRoomClassification(c, room).trimmed();
}

double ChargeClassRate(const CodeSearchRates& rates, const QString& letter)
{
    QVariant rate = rates.rate(letter);
    if (rate.isNull()) rate = rates.RateA;
    return rate.isNull() ? 0.0 : DbValue::toDouble(rate);
}

double ChargeOptionRate(Connection& c, RateOption option, const QString& itemCode, const QString& department)
{
    if (option == RateOption::Regular) return -1;
    const QString column = option == RateOption::OverTime ? QStringLiteral("CathOverTimeRate") : QStringLiteral("CathOnCallRate");
    const QVariant v = c.scalar(QStringLiteral("SELECT %1 FROM BUILD_FILE..TBCOOTHERREVENUE WHERE OtherSectionID = ? AND OtherRevenueID = ?")
                                   .arg(column),
                               {department, itemCode});
    return v.isNull() ? 0.0 : DbValue::toDouble(v);
}

double ApplyChargeMarkup(double price, int operation, double value)
{
    if (value <= 0) return price;
    if (operation == 1) return double(std::llround(double(chargeCents(price)) * (value + 1))) / 100.0;
    if (operation == 2) return double(chargeCents(price) + chargeCents(value)) / 100.0;
    return price;
}

std::optional<double> UnitPriceFromAmount(double amount, double quantity)
{
    if (!(quantity > 0)) return std::nullopt;
    return amount / quantity;
}

QString QuantityRefusal(const QString& text)
{
    if (LeadingNumber(text) <= 0) return QStringLiteral("Quantity should be greater than Zero(0).");
    if (!IsAllDigits(text)) return QStringLiteral("You are only allowed to enter whole number for quantity.");
    return QString();
}
