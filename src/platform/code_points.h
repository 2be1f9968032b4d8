// Characters beyond single bytes: the code points of source text, and UTF-16, as text
// measurement, wide strings of binary forms and resource names need them.
#pragma once

#include <string>
#include <string_view>

namespace sorvik {

// Source text (Windows-1252, or UTF-8 when it is valid UTF-8) as code points.
std::u32string codePointsOfText(std::string_view text);
// Code points as UTF-16 units (a surrogate pair above U+FFFF).
std::u16string utf16OfCodePoints(std::u32string_view codes);
// UTF-16 units as code points; a surrogate pair is joined, a lone surrogate kept as it is.
std::u32string codePointsOfUtf16(std::u16string_view units);

}  // namespace sorvik
