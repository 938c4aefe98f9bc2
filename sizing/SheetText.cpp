#include "sizing/SheetText.h"

#include <array>
#include <cstdint>

namespace Pulvane_V4 {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; every other byte is the code point of its value. The five
// bytes the code page leaves undefined stand for the control characters of the same number.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void Append(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Length of the well-formed UTF-8 sequence at position i (overlong forms, surrogates and code
// points above U+10FFFF are not), 0 when there is none.
std::size_t SequenceAt(const std::string& text, std::size_t i, char32_t& c)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b = byte(i);
    if (b < 0x80) {
        c = b;
        return 1;
    }
    std::size_t n;
    char32_t min;
    if ((b & 0xE0) == 0xC0) {
        n = 2, c = b & 0x1F, min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        n = 3, c = b & 0x0F, min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        n = 4, c = b & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + n > text.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return n;
}

bool XmlCarries(char32_t c)
{
    return c == 0x09 || c == 0x0A || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) || c >= 0x10000;
}

bool IsHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// "_xHHHH_" at position i, which a reader would take for an escape.
bool EscapeAt(const std::string& text, std::size_t i)
{
    if (i + 7 > text.size() || text[i] != '_' || text[i + 1] != 'x' || text[i + 6] != '_')
        return false;
    for (std::size_t k = i + 2; k < i + 6; ++k)
        if (!IsHex(text[k]))
            return false;
    return true;
}

void AppendEscape(std::string& out, char32_t c)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out += "_x";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += kDigits[(c >> shift) & 0xF];
    out += '_';
}

// Calls f with each character of the text, a byte outside a UTF-8 sequence read as Windows-1252,
// and the position of its first byte.
template <class F>
void ForEachCharacter(const std::string& text, F f)
{
    for (std::size_t i = 0; i < text.size();) {
        char32_t c;
        std::size_t n = SequenceAt(text, i, c);
        if (n == 0) {
            const auto b = static_cast<unsigned char>(text[i]);
            c = b >= 0x80 && b <= 0x9F ? kHigh[b - 0x80] : char32_t(b);
            n = 1;
        }
        f(c, i);
        i += n;
    }
}

} // namespace

std::string SheetText::Utf8(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    ForEachCharacter(text, [&](char32_t c, std::size_t) { Append(out, c); });
    return out;
}

std::string SheetText::Escaped(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    ForEachCharacter(text, [&](char32_t c, std::size_t i) {
        if (!XmlCarries(c) || EscapeAt(text, i))
            AppendEscape(out, c);
        else
            Append(out, c);
    });
    return out;
}

std::size_t SheetText::Length(const std::string& text)
{
    std::size_t n = 0;
    ForEachCharacter(text, [&](char32_t, std::size_t) { ++n; });
    return n;
}

} // namespace Pulvane_V4
