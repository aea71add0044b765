#include "platform/text/NumberRange.h"

#include <QLocale>
#include <QRegularExpression>

bool NumberRange::accepts(const QString& text) const
{
    static const QRegularExpression plain(QStringLiteral(R"(^(\d*)(?:\.(\d*))?$)"));
    const QRegularExpressionMatch m = plain.match(text.trimmed());
    if (!m.hasMatch() || (m.captured(1).isEmpty() && m.captured(2).isEmpty())) return false;
    if (m.captured(2).size() > decimals) return false;
    // a digit string of any length still reads as a double; the bounds decide
    const double value = text.trimmed().toDouble();
    return value >= min && value <= max;
}

int NumberRange::width() const
{
    return QString::number(static_cast<qint64>(max)).size() + (decimals > 0 ? 1 + decimals : 0);
}

QString NumberRange::message() const
{
    const QLocale c(QLocale::English, QLocale::UnitedStates);
    const auto shown = [&](double v) { return c.toString(v, 'f', QLocale::FloatingPointShortest); };
    return QStringLiteral("%1 must be %2 from %3 to %4.")
        .arg(label, decimals == 0 ? QStringLiteral("a whole number") : QStringLiteral("a number"), shown(min), shown(max));
}
