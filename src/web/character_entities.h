// Character references of page text: the character a numeric reference stands for, and
// the named entity of a character code.
#pragma once

#include <string>
#include <string_view>

namespace sorvik {

// The single-byte character of a numeric reference's code: 32 to 255 give themselves,
// every other code (and 160, the no-break space) a blank.
char CodeToChar(int code);
// The named entity of a code ("&eacute;" for 233), or "" when it has none. Codes 128 to
// 159 are read as the Windows-1252 characters of those bytes.
std::string_view CodeToEntity(int code);
// The text with every numeric reference ("&#", a decimal number, ";") replaced by its
// character; named entities stay as they are.
std::string DecodeCharacterReferences(std::string_view text);

}  // namespace sorvik
