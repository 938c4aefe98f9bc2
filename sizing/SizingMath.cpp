#include "sizing/SizingMath.h"

#include "sizing/SizingError.h"

#include <string>

namespace Pulvane_V4::SizingMath {

void Fail(const char* where, const char* what)
{
    throw SizingError(std::string(where) + ": " + what);
}

std::int64_t RoundHalfEven(double x, const char* where)
{
    if (!(x > -2147483648.5 && x < 2147483647.5))
        Fail(where, "overflow");
    const double lower = std::floor(x);
    const double diff = x - lower;
    double r = lower;
    if (diff > 0.5)
        r = lower + 1.0;
    else if (diff == 0.5)
        r = std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
    return static_cast<std::int64_t>(r);
}

} // namespace Pulvane_V4::SizingMath
