#include "sizing/NumberText.h"

#include "sizing/TypeText.h"

#include <charconv>

namespace Pulvane_V4::NumberText {

std::string DefaultDouble(double value)
{
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    std::string text(buf, res.ptr);
    TypeText::UpperCase(text); // exponent as "E"
    if (text == "-0")
        text = "0";
    return text;
}

std::string GroupedTwoDecimals(double value)
{
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 2);
    std::string text(buf, res.ptr);
    bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.erase(0, 1);
    const std::size_t point = text.find('.');
    std::string whole = text.substr(0, point);
    const std::string fraction = text.substr(point);
    std::string grouped;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            grouped += ',';
        grouped += whole[i];
    }
    if (negative && (grouped != "0" || fraction != ".00"))
        grouped.insert(0, "-");
    return grouped + fraction;
}

} // namespace Pulvane_V4::NumberText
