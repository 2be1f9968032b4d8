// The colour names a page may give where a colour is expected.
#pragma once

#include <string_view>

namespace sorvik {

// `name` (lower case) is one of the named colours; both spellings of the grey colours
// ("lightgray" and "lightgrey", "slategray" and "slategrey", ...) are names.
bool IsColourName(std::string_view name);

}  // namespace sorvik
