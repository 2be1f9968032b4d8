// Single-byte source text (Windows-1252) and UTF-8: for machine-readable output, which
// must be UTF-8, and for the editor of the windows, which holds UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorvik {

bool isValidUtf8(std::string_view text);
// The text itself when it is valid UTF-8, else the text read as Windows-1252 and written
// in UTF-8 (sources are single-byte text; their bytes must not be lost in JSON).
std::string toUtf8(std::string_view text);
// Every byte read as Windows-1252 (the five unassigned codes keep their C1 values, so
// that the way back gives the same bytes).
std::string windows1252ToUtf8(std::string_view text);
// The way back: a character that Windows-1252 cannot hold becomes "?"; bytes that are
// not valid UTF-8 are kept as they are.
std::string utf8ToWindows1252(std::string_view text);
// The code points of UTF-8 text; a byte that is not valid UTF-8 is read as Windows-1252.
std::u32string utf8CodePoints(std::string_view text);
// The Windows-1252 byte of a code point; none when Windows-1252 cannot hold it.
std::optional<char> windows1252Char(char32_t code);
// Code points as Windows-1252 bytes; one that Windows-1252 cannot hold becomes "?".
std::string codePointsToWindows1252(std::u32string_view codes);

}  // namespace sorvik
