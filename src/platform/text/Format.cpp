#include "platform/text/Format.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <string>
#include <iterator>
#include <limits>

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

// The value as typed: the shortest decimal text that reads back as the same double ("2.675",
// "319999999996800"), so no digit of its binary form leaks into the rounding.
std::string typedDigits(double value)
{
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    return std::string(buf, r.ptr);
}

// A decimal text (digits, at most one point, no sign) rounded at the given decimals, with the tie
// broken as asked.
QString rounded(const std::string& text, bool negative, int decimals, Rounding rounding)
{
    const std::size_t dot = text.find('.');
    const std::string whole = dot == std::string::npos ? text : text.substr(0, dot);
    std::string frac = dot == std::string::npos ? std::string() : text.substr(dot + 1);
    if (int(frac.size()) < decimals) frac.append(std::size_t(decimals - int(frac.size())), '0');
    std::string digits = whole + frac.substr(0, std::size_t(decimals)); // the kept digits, point left out
    const std::string dropped = frac.substr(std::size_t(decimals));
    bool up = false;
    if (!dropped.empty()) {
        const bool pastHalf = dropped.find_first_not_of('0', 1) != std::string::npos;
        if (dropped[0] > '5' || (dropped[0] == '5' && pastHalf)) up = true;
        else if (dropped[0] == '5')
            up = rounding == Rounding::HalfAwayFromZero || (digits.back() - '0') % 2 == 1;
    }
    if (up) {
        int i = int(digits.size()) - 1;
        while (i >= 0 && digits[std::size_t(i)] == '9') digits[std::size_t(i--)] = '0';
        if (i < 0) digits.insert(digits.begin(), '1');
        else ++digits[std::size_t(i)];
    }
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    QString out = QString::fromLatin1(digits.data(), qsizetype(digits.size()));
    if (decimals > 0) out.insert(out.size() - decimals, QLatin1Char('.'));
    return negative && !zero ? QLatin1Char('-') + out : out;
}

// The typed value rounded at the given decimals; exact at every magnitude a double holds.
QString fixed(double value, int decimals, Rounding rounding)
{
    if (!std::isfinite(value)) return QString::number(value, 'f', decimals);
    return rounded(typedDigits(std::fabs(value)), value < 0, decimals, rounding);
}

// "-1234.50" by the pattern's grouping.
QString patterned(QString s, bool group)
{
    const bool negative = s.startsWith(QLatin1Char('-'));
    if (negative) s = s.mid(1);
    QString intPart = s, frac;
    const int p = s.indexOf(QLatin1Char('.'));
    if (p >= 0) { intPart = s.left(p); frac = s.mid(p); }
    if (group) intPart = grouped(intPart);
    return (negative ? QStringLiteral("-") : QString()) + intPart + frac;
}

int patternDecimals(const QString& pattern)
{
    const int dot = pattern.indexOf(QLatin1Char('.'));
    return dot < 0 ? 0 : int(pattern.size() - dot - 1);
}
}

QString number(double value, const QString& pattern, Rounding rounding)
{
    return patterned(fixed(value, patternDecimals(pattern), rounding), pattern.contains(QLatin1Char(',')));
}

QString sum(const QList<double>& values, const QString& pattern, Rounding rounding)
{
    // Each value as typed, as a whole number of units of its finest decimal, added without loss.
    int scale = 0;
    QList<std::string> texts;
    for (double v : values) {
        if (!std::isfinite(v)) continue;
        texts << typedDigits(v);
        const std::size_t dot = texts.last().find('.');
        if (dot != std::string::npos) scale = std::max(scale, int(texts.last().size() - dot - 1));
    }
    scale = std::min(scale, 18);
    __int128 total = 0;
    for (const std::string& t : texts) {
        __int128 units = 0;
        int decimals = -1;
        for (char ch : t) {
            if (ch == '.') { decimals = 0; continue; }
            if (ch < '0' || ch > '9' || decimals >= scale) continue;
            units = units * 10 + (ch - '0');
            if (decimals >= 0) ++decimals;
        }
        for (int d = std::max(decimals, 0); d < scale; ++d) units *= 10;
        total += t.front() == '-' ? -units : units;
    }
    const bool negative = total < 0;
    std::string digits;
    for (__int128 n = negative ? -total : total; n > 0 || int(digits.size()) <= scale; n /= 10) digits.insert(digits.begin(), char('0' + int(n % 10)));
    if (scale > 0) digits.insert(digits.end() - scale, '.');
    return patterned(rounded(digits, negative, patternDecimals(pattern), rounding), pattern.contains(QLatin1Char(',')));
}

QString amount(double value) { return number(value, QStringLiteral("#,##0.00")); }

QString serverDateText(const QDateTime& dt)
{
    // "MM/dd/yyyy hh:mm:ss AP" written by hand: lists format thousands, and the locale's
    // formatter costs more than the statement that read them
    if (!dt.isValid()) return QString();
    const QDate d = dt.date();
    const QTime t = dt.time();
    if (d.year() < 1 || d.year() > 9999) return QLocale::c().toString(dt, QStringLiteral("MM/dd/yyyy hh:mm:ss AP"));
    const int h12 = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
    char16_t out[] = u"00/00/0000 00:00:00 AM";
    auto put = [&out](int at, int value, int width) {
        for (int i = at + width - 1; i >= at; --i, value /= 10) out[i] = char16_t(u'0' + value % 10);
    };
    put(0, d.month(), 2);
    put(3, d.day(), 2);
    put(6, d.year(), 4);
    put(11, h12, 2);
    put(14, t.minute(), 2);
    put(17, t.second(), 2);
    if (t.hour() >= 12) out[20] = u'P';
    return QString(reinterpret_cast<const QChar*>(out), qsizetype(std::size(out) - 1));
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
