#pragma once

#include <QString>

// Number rounding and text forms of the curve code. Rounding works on the
// value's 15-significant-digit decimal form, so that shown values match the
// stored curves and earlier reports: 2.25 is a true half and 1.0005 rounds up.
namespace CurveNumbers {

// Rounding to a number of decimals, halves to the even digit (2.5 -> 2).
double roundHalfEven(double value, int decimals);
// Rounding to a number of decimals, halves away from zero (2.5 -> 3).
double roundHalfAway(double value, int decimals);
// The default text of a number: at most 15 significant digits, "." as the
// decimal separator whatever the locale, no trailing zeros.
QString toText(double value);
// A number through its default text and back (drops digits past the 15th).
double throughText(double value);

} // namespace CurveNumbers
