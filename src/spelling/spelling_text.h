// Text as the speller reads it. Sources are single-byte (Windows-1252) text, but a unit,
// form or page saved in UTF-8 hands over its characters beyond ASCII as several bytes each;
// such text is decoded so that it gives the words of its single-byte twin.
#pragma once

#include <string>
#include <string_view>

namespace sorvik {

// A text that is valid UTF-8 and holds bytes beyond ASCII is decoded to Windows-1252; every
// blank-separated piece of it that holds a character Windows-1252 cannot hold (Cyrillic,
// Greek, CJK, most of Central Europe's letters) is blanked whole, since no single-byte
// dictionary can judge it. Any other text is returned as it is.
std::string decodeForSpelling(std::string_view text);

}  // namespace sorvik
