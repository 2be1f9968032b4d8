// Text of any shape keeps its lines and their lengths through the comment blanker; only
// blanks are put in.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "generic/text_file.h"
#include "source/comment_blanker.h"

namespace {

void checkOnlyBlanked(const std::vector<std::string>& before,
                      const std::vector<std::string>& after) {
  if (before.size() != after.size()) __builtin_trap();
  for (size_t n = 0; n < before.size(); ++n) {
    if (before[n].size() != after[n].size()) __builtin_trap();
    for (size_t i = 0; i < before[n].size(); ++i) {
      if (after[n][i] != before[n][i] && after[n][i] != ' ') __builtin_trap();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // As a file's lines, and as one line that still holds its line breaks.
  for (const std::vector<std::string>& lines :
       {sorvik::splitText(text).lines, std::vector<std::string>{std::string(text)}}) {
    for (const bool cStyle : {false, true}) {
      for (const bool useIfDefs : {false, true}) {
        std::vector<std::string> blanked = lines;
        if (sorvik::BlankPascalComments(blanked, cStyle, useIfDefs) < 0) __builtin_trap();
        checkOnlyBlanked(lines, blanked);
      }
    }
    std::vector<std::string> braces = lines;
    sorvik::BlankBraces(braces);
    checkOnlyBlanked(lines, braces);
  }
  return 0;
}
