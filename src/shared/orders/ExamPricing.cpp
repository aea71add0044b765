#include "shared/orders/ExamPricing.h"

#include "components/StationComponents.h"
#include "shared/clsParameters.h"
#include "shared/lookups/AccountChecks.h"
#include "shared/lookups/PatientLookups.h"
#include "shared/modGlobals.h"

#include <cmath>

namespace {
qint64 cents(double value) { return std::llround(value * 100.0); }
}

double InternationalRate(double rate)
{
    const qint64 c = cents(rate);
    // a tenth more, half a cent rounded away from zero
    const qint64 raised = c >= 0 ? (c * 11 + 5) / 10 : -((-c * 11 + 5) / 10);
    return double(raised) / 100.0;
}

double QuantityAmount(double quantity, double unitPrice)
{
    return double(std::llround(double(cents(unitPrice)) * quantity)) / 100.0;
}

QString AmountText(double amount)
{
    QString s = QString::number(double(cents(amount)) / 100.0, 'f', 2);
    while (s.endsWith(QLatin1Char('0'))) s.chop(1);
    if (s.endsWith(QLatin1Char('.'))) s.chop(1);
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

ExamPrice PriceExam(Connection& c, const CodeSearchRates& rates, const QString& idNum, const QString& patientType, const QString& room)
{
    ExamPrice price;
    const QVariant rate = rates.rate(GetRateClass(c, idNum, patientType, room).trimmed());
    if (rate.isNull()) return price;
    bool ok = false;
    price.unit = rate.toDouble(&ok);
    if (!ok) return ExamPrice{};
    price.priced = true;
    if (StationParameters().AllowInternationalRate() && IsInternationalPatient(c, idNum))
        price.unit = InternationalRate(price.unit);
    return price;
}
