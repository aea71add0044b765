#include "procedure_report/Measurements.h"

#include "platform/text/Format.h"

#include <cmath>
#include <stdexcept>

namespace Measurements {

namespace {
QString numberText(double v) { return QString::number(v, 'g', 15); }
}

FeetInches HeightToFeetInches(const QString& centimetres)
{
    if (!Fmt::isNumeric(centimetres))
        throw std::invalid_argument(QStringLiteral("The stored height \"%1\" is not a number.").arg(centimetres).toStdString());
    const double cm = Fmt::val(centimetres);
    const qint64 totalInches = static_cast<qint64>(Fmt::roundHalfEven(cm / 2.54, 0));
    return {QString::number(totalInches / 12), QString::number(totalInches % 12)};
}

QString HeightToCentimeters(const QString& feet, const QString& inches)
{
    return numberText((Fmt::val(feet) * 12 + Fmt::val(inches)) * 2.54);
}

QString ComputeBSA(const QString& centimetres, const QString& kilograms)
{
    if (centimetres.trimmed().isEmpty() || kilograms.trimmed().isEmpty()) return QString();
    const double product = Fmt::val(centimetres) * Fmt::val(kilograms);
    return numberText(Fmt::roundHalfEven(std::sqrt(std::max(0.0, product)) / 60.0, 2));
}

QString WholeCentimetres(const QString& centimetres) { return numberText(Fmt::roundHalfEven(Fmt::val(centimetres), 0)); }

QString CentimetresTwoDecimals(const QString& centimetres)
{
    return numberText(Fmt::roundHalfEven(Fmt::val(centimetres), 2));
}

NumberRange FeetRange() { return {QStringLiteral("Height (ft)"), 0, 8, 0}; }
NumberRange InchesRange() { return {QStringLiteral("Height (in)"), 0, 11, 0}; }
NumberRange WeightRange() { return {QStringLiteral("Weight (kg)"), 0.1, 500, 2}; }

} // namespace Measurements
