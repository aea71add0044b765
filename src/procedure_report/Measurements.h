#pragma once
#include "platform/text/NumberRange.h"

#include <QString>

// The patient's height, weight and body surface area as the angiogram result entry shows and
// saves them: height typed in feet and inches and kept in centimetres, weight in kilograms, body
// surface area in square metres (Mosteller). Texts in, texts out, as the boxes hold them.
namespace Measurements {
struct FeetInches {
    QString feet, inches;
};
// Centimetres as stored -> whole feet and inches (total inches rounded half to even). A text that
// does not read as a number throws std::invalid_argument.
FeetInches HeightToFeetInches(const QString& centimetres);
// Feet and inches read leniently (leading number; empty or not a number counts 0) -> centimetres
// at full precision ("170.18"; "0" for nothing).
QString HeightToCentimeters(const QString& feet, const QString& inches);
// sqrt(cm x kg) / 60 rounded half to even to two decimals ("1.82", "0"); "" when either is blank.
QString ComputeBSA(const QString& centimetres, const QString& kilograms);
// The centimetres rounded half to even to whole centimetres (the result's height) and to two
// decimals (the history's height).
QString WholeCentimetres(const QString& centimetres);
QString CentimetresTwoDecimals(const QString& centimetres);

// What the boxes may hold when the result is saved: a person's height and weight.
NumberRange FeetRange();
NumberRange InchesRange();
NumberRange WeightRange();
}
