#pragma once
// The price of a requested exam: the class rate of the patient's rate letter, raised by a tenth
// for an international patient when the station allows it, in whole cents.
#include <QString>

class Connection;

struct CodeSearchRates;

struct ExamPrice {
    bool priced = false; // false: the letter is outside "A" to "H" or the catalogue has no rate
    double unit = 0;
};

// Looks up the rate letter (and, when the station allows international rates, whether the patient
// is international). A failed look-up throws: the caller stops that row instead of guessing.
ExamPrice PriceExam(Connection& c, const CodeSearchRates& rates, const QString& idNum, const QString& patientType, const QString& room);
// The international rate: the rate times 1.1, rounded to cents (350 gives 385).
double InternationalRate(double rate);
// Quantity times unit price, rounded to cents.
double QuantityAmount(double quantity, double unitPrice);
// An amount as a plain decimal text without trailing zeros: 385, 32.5, 1732.73.
QString AmountText(double amount);
