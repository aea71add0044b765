#pragma once
#include <QString>

// What a typed number may be: plain digits with at most one point (no sign, no exponent, no
// grouping), at most `decimals` places after the point, from min to max. Boxes that store a
// number keep to the bounds of their column and of what a person can be.
struct NumberRange {
    QString label;    // the box's name as the user sees it: "Weight", "Quantity"
    double min = 0;
    double max = 0;
    int decimals = 2;

    // Whether the text is such a number (an empty or blank text is not).
    bool accepts(const QString& text) const;
    // The longest text such a number takes: the whole digits of max, the point and the decimals.
    int width() const;
    // The refusal: "Weight must be a number from 0 to 500." (whole numbers: "a whole number").
    QString message() const;
};
