#pragma once

#include <string>

namespace Pulvane_V4::TypeText {

// Upper-cases the text in place (the type setters hand the caller's variable back this way).
void UpperCase(std::string& text);

// Motor or profile type of an upper-cased text: 1 linear ("LINEAR", "TABLE"), 0 rotary
// ("ROTARY", "FRAMELESS"), -1 for anything else.
int MotionType(const std::string& upperText);

} // namespace Pulvane_V4::TypeText
