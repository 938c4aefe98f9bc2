#pragma once

#include <cstddef>
#include <string>

namespace Pulvane_V4 {

// Texts as a spec-sheet work book holds them. The library takes its texts as UTF-8; a byte that
// is not part of a UTF-8 sequence is read as Windows-1252, the code page of names that come from
// older files, so that whatever a caller passes the book stays readable.
class SheetText {
public:
    // What one cell holds at most, counted as the text is stored (escapes included).
    static constexpr std::size_t kCellLimit = 32767;

    // The text as valid UTF-8.
    static std::string Utf8(const std::string& text);
    // The text as valid UTF-8 with every character that XML cannot carry (control characters, CR,
    // U+FFFE, U+FFFF) written as the work book's escape _xHHHH_; a literal "_xHHHH_" in the text
    // gets its underscore escaped, so that it reads back as written.
    static std::string Escaped(const std::string& text);
    // Characters of the text, read as Utf8 reads it.
    static std::size_t Length(const std::string& text);
};

} // namespace Pulvane_V4
