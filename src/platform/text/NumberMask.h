#pragma once
#include <QString>

// A whole number laid into a number mask, as counter numbers are printed: "0" is a digit or a
// leading zero, "#" a digit or nothing, any other character stands as it is; digits beyond the
// mask go in front ("000000" makes 1523 "001523", "#" makes it "1523"). A mask without a digit
// placeholder is no number mask: the number is written plainly.
QString FormatWithNumberMask(qint64 value, const QString& mask);
