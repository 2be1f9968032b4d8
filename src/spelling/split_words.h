// Cutting free text (a string literal, a caption, a page's text) into the words that are
// spell-checked.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

// The words of the text in order, repeats kept. Letters, digits, "-", "." and the codes
// 192 to 255 make up words; "!", "#", "$", "&", "*", "?", "^", "~", code 127 and the codes
// 128 to 191 are skipped inside a word; anything else ends it. A word loses its leading
// and trailing dots and is kept when it then has at least two characters and does not end
// with "-".
std::vector<std::string> SplitWords(std::string_view text);

}  // namespace sorvik
