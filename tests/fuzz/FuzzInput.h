#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A fuzz input read as text: lines for names, whitespace-separated tokens for
// numbers. Reading past the end gives empty text or 0, so every input is usable.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size);

    // The next line without its line end (CR LF, LF or CR).
    std::string line();
    // The next token of the rest, as a number (strtod: "nan", "inf", "1e308" too).
    double number();
    bool flag() { return number() != 0; }
    // True while unread text remains.
    bool more() const;

private:
    std::string m_text;
    size_t m_pos = 0;
};
