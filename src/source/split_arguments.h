// The argument splitter that the statement checks and the code speller share.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

// The arguments of a call's argument text: cut at `separator` where it stands outside
// string literals and outside nested parentheses and brackets. A closing bracket that has
// no opening one ends the list. Blanks before an argument's first character are dropped
// and each argument is trimmed on the right; an empty last argument is not added.
std::vector<std::string> SplitArguments(std::string_view text, char separator);

}  // namespace sorvik
