// The readable text of the string literals in an expression, as the code speller checks it.
#pragma once

#include <string>
#include <string_view>

namespace sorvik {

// The text held in the quoted literals of `expression` (quoted with the double quote when
// `doubleQuoted`, else with the apostrophe): everything outside the first and last quote is
// dropped; a character code of 32 to 255 written between two literals ('a'#233'b' or
// 'a'+#233+'b') becomes that character and joins them, the first occurrence of each code
// only; text outside the literals is dropped and the literals that follow one another are
// kept apart by one blank; an index with a quoted key (Values['Name']) is skipped whole.
std::string ExtractStringText(std::string_view expression, bool doubleQuoted);

}  // namespace sorvik
