#include "sizing/TypeText.h"

#include <cctype>

namespace Pulvane_V4::TypeText {

void UpperCase(std::string& text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

int MotionType(const std::string& upperText)
{
    if (upperText == "LINEAR" || upperText == "TABLE")
        return 1;
    if (upperText == "ROTARY" || upperText == "FRAMELESS")
        return 0;
    return -1;
}

} // namespace Pulvane_V4::TypeText
