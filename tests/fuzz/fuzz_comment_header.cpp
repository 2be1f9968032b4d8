// A unit of any shape takes a comment header in every mode and language without harm: the
// header stands on top, the lines after the code's start are kept as they were, and mode 1
// keeps every line below the header.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "changes/apply_comment_headers.h"
#include "generic/text_file.h"

namespace {

const std::vector<std::string> kHeader = {"{ ******** }", "{ header   }", "{ ******** }"};

bool endsWith(const std::vector<std::string>& lines, const std::vector<std::string>& tail) {
  return lines.size() >= tail.size() && std::equal(tail.rbegin(), tail.rend(), lines.rbegin());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const sorvik::TextFile file = sorvik::splitText(text);
  for (const auto language : {sorvik::CommentLanguage::Delphi, sorvik::CommentLanguage::Cpp}) {
    for (const auto mode : {sorvik::CommentMode::WhenNoComments, sorvik::CommentMode::AllFiles,
                            sorvik::CommentMode::ReplaceComments}) {
      const auto changed =
          sorvik::withCommentHeader(file, "/fuzz/Unit1.pas", kHeader, mode, language, false);
      if (!changed) {
        if (mode == sorvik::CommentMode::AllFiles && !file.lines.empty()) __builtin_trap();
        continue;
      }
      const auto& lines = changed->lines;
      if (lines.size() < kHeader.size() ||
          !std::equal(kHeader.begin(), kHeader.end(), lines.begin()) ||
          lines.size() > file.lines.size() + kHeader.size())
        __builtin_trap();
      if (mode != sorvik::CommentMode::ReplaceComments && !endsWith(lines, file.lines))
        __builtin_trap();
      if (changed->bom != file.bom || changed->finalLineEnd != file.finalLineEnd) __builtin_trap();
    }
  }
  return 0;
}
