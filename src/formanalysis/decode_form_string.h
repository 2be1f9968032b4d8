// Form string values as the readers keep them: the quoting and character codes of the
// form text turned into the characters they stand for.
#pragma once

#include <string>
#include <string_view>

namespace sorvik {

// Walks a value whose outer quotes are already removed: "#" and a decimal code of three
// or else two digits outside quotes becomes that character, quotes are dropped, and "+"
// is kept only inside quotes. "#169' 2008'" gives "© 2008"; a one-digit code such as "#9"
// stays as written.
std::string DecodeFormString(std::string_view text);

}  // namespace sorvik
