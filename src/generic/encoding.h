// Text for machine-readable output, which must be UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace sorvik {

bool isValidUtf8(std::string_view text);
// The text itself when it is valid UTF-8, else the text read as Windows-1252 and written
// in UTF-8 (sources are single-byte text; their bytes must not be lost in JSON).
std::string toUtf8(std::string_view text);

}  // namespace sorvik
