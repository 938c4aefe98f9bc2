#include "curves/CurveNumbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace CurveNumbers {

namespace {

enum class Halves { Even, AwayFromZero };

double roundDecimal(double value, int decimals, Halves halves)
{
    if (!std::isfinite(value) || value == 0.0)
        return value;
    // 15 significant digits: d.dddddddddddddde+XX
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 14);
    const std::string text(buffer, result.ptr);
    const std::size_t ePos = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, ePos - 2);
    const int exponent = std::atoi(text.c_str() + ePos + 1);

    // Digits kept: those before the decimal point and `decimals` after it.
    const int keep = exponent + 1 + decimals;
    if (keep < 0)
        return 0.0;
    if (keep >= static_cast<int>(digits.size()))
        return value;

    const char first = digits[static_cast<std::size_t>(keep)];
    const bool restNonZero = digits.find_first_not_of('0', static_cast<std::size_t>(keep) + 1) != std::string::npos;
    bool up = false;
    if (first > '5' || (first == '5' && restNonZero)) {
        up = true;
    } else if (first == '5') {
        if (halves == Halves::AwayFromZero) {
            up = true;
        } else {
            const int last = keep > 0 ? digits[static_cast<std::size_t>(keep) - 1] - '0' : 0;
            up = (last % 2) == 1;
        }
    }

    std::string kept = digits.substr(0, static_cast<std::size_t>(keep));
    if (kept.empty())
        kept = "0";
    if (up) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') {
            kept[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[static_cast<std::size_t>(i)];
    }
    // kept holds the value times 10^decimals as an integer.
    const std::string scaled = kept + "e" + std::to_string(-decimals);
    double rounded = 0.0;
    std::from_chars(scaled.data(), scaled.data() + scaled.size(), rounded);
    return value < 0 ? -rounded : rounded;
}

} // namespace

double roundHalfEven(double value, int decimals)
{
    return roundDecimal(value, decimals, Halves::Even);
}

double roundHalfAway(double value, int decimals)
{
    return roundDecimal(value, decimals, Halves::AwayFromZero);
}

QString toText(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    // QString::number never uses the locale's separator.
    return QString::number(value, 'g', 15);
}

double throughText(double value)
{
    return toText(value).toDouble();
}

} // namespace CurveNumbers
