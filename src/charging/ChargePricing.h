#pragma once
// The prices of a charge row: the class rate of the patient's rate letter, the over-time and
// on-call rates of a department's item, the mark-up and the international rate, in whole cents,
// and the leniently read numbers of the grid's cells.
#include <QString>
#include <optional>

class Connection;
struct CodeSearchRates;

// The leading number of a cell's text ("12abc" is 12, "abc" is 0).
double LeadingNumber(const QString& text);

// The rate letter of the account: an out-patient case (number ending "B") by its out-patient rate
// type, an in-patient by its room's class. A failed look-up throws.
QString ChargeRateClass(Connection& c, const QString& idNum, const QString& room);
// The rate of a letter "A" to "H"; every other letter, the empty one included, takes rate A. An
// empty rate counts 0.
double ChargeClassRate(const CodeSearchRates& rates, const QString& letter);

// 0 Regular, 1 Over Time, 2 On-Call.
enum class RateOption { Regular = 0, OverTime = 1, OnCall = 2 };
// The item's over-time or on-call rate in a department (0 when not set); Regular gives -1 (keep the
// class rate). A failed look-up throws.
double ChargeOptionRate(Connection& c, RateOption option, const QString& itemCode, const QString& department);

// Mark-up operation 1 multiplies by (1 + value), 2 adds the value; a value of 0 or less or any
// other operation leaves the price. Rounded to cents.
double ApplyChargeMarkup(double price, int operation, double value);

// The unit price of an amount charged for a quantity; none for a quantity of 0 or less (nothing to
// divide by).
std::optional<double> UnitPriceFromAmount(double amount, double quantity);

// The refusal of a typed quantity ("" when it is taken).
QString QuantityRefusal(const QString& text);
