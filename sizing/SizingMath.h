#pragma once

#include <cmath>
#include <cstdint>

namespace Pulvane_V4::SizingMath {

// The model's own constants with these digits (never M_PI), so that results match stored curves
// bit for bit.
inline constexpr double kPi = 3.1415927;
inline constexpr double kTwoPi = 6.2831854;
inline constexpr double kSqrt3 = 1.732050808;
inline constexpr double kOzInPerNm = 141.6;
inline constexpr double kOzInRpmPerW = 1352;
inline constexpr double kCopperCoeff = 0.00393;

// Throws SizingError naming the operation.
[[noreturn]] void Fail(const char* where, const char* what);

// Quotient that refuses a zero divisor or a result without a finite value.
inline double Div(double numerator, double denominator, const char* where)
{
    if (denominator == 0.0)
        Fail(where, "division by zero");
    const double q = numerator / denominator;
    if (!std::isfinite(q))
        Fail(where, "result out of range");
    return q;
}

// Square root that refuses a negative (or undefined) argument.
inline double Sqrt(double x, const char* where)
{
    if (!(x >= 0.0))
        Fail(where, "square root of a negative number");
    return std::sqrt(x);
}

// Nearest whole number, halves to the even neighbour, so that results match stored curves; a
// value outside the 32-bit range fails, since the model's whole numbers are 32-bit.
std::int64_t RoundHalfEven(double x, const char* where);

} // namespace Pulvane_V4::SizingMath
