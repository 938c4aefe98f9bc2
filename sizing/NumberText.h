#pragma once

#include <string>

namespace Pulvane_V4::NumberText {

// A Double in the text form that stored sheets and reports hold: up to 15 significant digits,
// no trailing zeros, exponent form "1E+16" / "1.5E-07" for very large or small values. Locale independent.
std::string DefaultDouble(double value);

// A number with two decimals and digit grouping ("1,234.50"), as stored sheets show it on an
// English system.
std::string GroupedTwoDecimals(double value);

} // namespace Pulvane_V4::NumberText
