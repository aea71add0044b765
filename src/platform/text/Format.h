#pragma once
#include <QDateTime>
#include <QList>
#include <QString>

// The number and date texts that the screens, slips and statements show.
namespace Fmt {
// "#,##0.00": thousands separated by commas, two decimals, half away from zero as the screen shows.
QString amount(double value);
// How a number exactly half-way between two texts is rounded: away from zero as the screens show
// it, or to the even digit as amounts are kept and printed.
enum class Rounding { HalfAwayFromZero, HalfEven };
// A number by a VB-style pattern: "#,##0.00", "0.00", "#,##0", "0". The value is taken as typed
// (2.675 is two point six seven five, not its binary neighbour), at any magnitude.
QString number(double value, const QString& pattern, Rounding rounding = Rounding::HalfAwayFromZero);
// The total of the values as typed, without the loss of adding doubles, by the pattern.
QString sum(const QList<double>& values, const QString& pattern, Rounding rounding = Rounding::HalfAwayFromZero);
// "mm/dd/yyyy hh:mm:ss AM/PM": the form in which the server's date-time is sent and compared.
QString serverDateText(const QDateTime& dt);
// "mm/dd/yyyy".
QString shortDate(const QDate& d);
// The leading number of a typed text, as Val reads it: blanks skipped, digits, one point, an
// exponent; "12abc" gives 12, "abc" gives 0, " 1 2" gives 12.
double val(const QString& text);
// Half-to-even rounding to the given number of decimals (banker's rounding).
double roundHalfEven(double value, int decimals = 0);
// Whether a text reads as a number as a whole (blanks around it allowed), like IsNumeric.
bool isNumeric(const QString& text);
}
