#include "platform/text/Format.h"

#include <QLocale>
#include <cmath>
#include <limits>
#include <QRegularExpression>

namespace Fmt {

namespace {
QString grouped(const QString& digits)
{
    QString out;
    const int n = digits.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += QLatin1Char(',');
        out += digits[i];
    }
    return out;
}

// Rounds half away from zero at the given decimals, working on the decimal text so that values
// such as 1.005 are not spoiled by their binary form.
QString fixed(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    double scaled = value * scale;
    // nudge by a relative epsilon so that 2.675 (stored as 2.67499999...) rounds as typed
    scaled += (scaled >= 0 ? 1 : -1) * std::fabs(scaled) * 1e-12;
    const double r = std::round(scaled) / scale;
    return QString::number(r == 0 ? 0.0 : r, 'f', decimals);
}
}

QString number(double value, const QString& pattern)
{
    const int dot = pattern.indexOf(QLatin1Char('.'));
    const int decimals = dot < 0 ? 0 : int(pattern.size() - dot - 1);
    const bool group = pattern.contains(QLatin1Char(','));
    QString s = fixed(value, decimals);
    bool negative = s.startsWith(QLatin1Char('-'));
    if (negative) s = s.mid(1);
    QString intPart = s, frac;
    const int p = s.indexOf(QLatin1Char('.'));
    if (p >= 0) { intPart = s.left(p); frac = s.mid(p); }
    if (group) intPart = grouped(intPart);
    if (negative && (intPart + frac).contains(QRegularExpression(QStringLiteral("[1-9]"))) == false) negative = false;
    return (negative ? QStringLiteral("-") : QString()) + intPart + frac;
}

QString amount(double value) { return number(value, QStringLiteral("#,##0.00")); }

QString serverDateText(const QDateTime& dt)
{
    return QLocale::c().toString(dt, QStringLiteral("MM/dd/yyyy hh:mm:ss AP"));
}

QString shortDate(const QDate& d) { return QLocale::c().toString(d, QStringLiteral("MM/dd/yyyy")); }

double val(const QString& text)
{
    // Val skips blanks, tabs and line feeds anywhere in the text.
    QString s;
    for (QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r')) s += c;
    int i = 0;
    const int n = s.size();
    QString num;
    if (i < n && (s[i] == QLatin1Char('-') || s[i] == QLatin1Char('+'))) num += s[i++];
    bool digits = false, dot = false;
    while (i < n) {
        if (s[i].isDigit() && s[i].unicode() < 128) { num += s[i++]; digits = true; }
        else if (s[i] == QLatin1Char('.') && !dot) { num += s[i++]; dot = true; }
        else break;
    }
    if (digits && i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        int j = i + 1;
        QString ex = QStringLiteral("e");
        if (j < n && (s[j] == QLatin1Char('-') || s[j] == QLatin1Char('+'))) ex += s[j++];
        bool expDigits = false;
        while (j < n && s[j].isDigit() && s[j].unicode() < 128) { ex += s[j++]; expDigits = true; }
        if (expDigits) num += ex;
    }
    if (!digits) return 0.0;
    bool ok = false;
    const double x = num.toDouble(&ok);
    return ok ? x : 0.0;
}

double roundHalfEven(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    const double fl = std::floor(scaled);
    const double diff = scaled - fl;
    // a tie within the error of the product itself; a relative 1e-9 would turn large whole numbers into ties
    const double eps = std::max(1e-9, 8 * std::numeric_limits<double>::epsilon() * std::fabs(scaled));
    double r;
    if (diff > 0.5 + eps) r = fl + 1;
    else if (diff < 0.5 - eps) r = fl;
    else r = std::fmod(fl, 2.0) == 0.0 ? fl : fl + 1;
    return r / scale;
}

bool isNumeric(const QString& text)
{
    const QString s = text.trimmed();
    if (s.isEmpty()) return false;
    bool ok = false;
    s.toDouble(&ok);
    if (ok) return true;
    QString t = s;
    t.remove(QLatin1Char(','));
    t.toDouble(&ok);
    return ok && !t.isEmpty();
}

} // namespace Fmt
