// Turning a component's text into an identifier: "btn" and "&Save file" give "btnSaveFile".
#pragma once

#include <string>
#include <string_view>

namespace sorvik {

// Drops everything before the first ASCII letter and every character that is not a letter,
// digit, "_" or blank; blanks mark words, whose first letters are put in upper case. A text
// longer than 30 characters with more than `wordLimit` word marks is cut before the
// `wordLimit`-th mark. At most 250 characters.
std::string CleanName(std::string_view text, int wordLimit);

}  // namespace sorvik
