#include "source/split_comments.h"

#include <iterator>

#include "generic/strings.h"
#include "source/comment_blanker.h"

namespace sorvik {

namespace {

// The characters a comment can be marked with, one of which must not occur in the text.
constexpr char kMarkers[] = {'\xA3', '$', '^', '`', '&', '~', '\xA6', '?', '!'};

bool hasFreeMarker(const std::vector<std::string>& lines) {
  bool seen[std::size(kMarkers)] = {};
  for (const std::string& line : lines) {
    for (const char c : line) {
      for (size_t m = 0; m < std::size(kMarkers); ++m) seen[m] = seen[m] || c == kMarkers[m];
    }
  }
  for (const bool found : seen) {
    if (!found) return true;
  }
  return false;
}

bool keepDirective(std::string_view group, bool useIfDefs) {
  const std::string head = upperCase(trimView(group).substr(0, 8));
  if (head.starts_with("{$I")) return true;
  if (!useIfDefs) return false;
  for (std::string_view kept : {"{$IFEND", "{$ENDIF", "{$ELSE"}) {
    if (head.starts_with(kept)) return true;
  }
  return false;
}

}  // namespace

SplitText SplitComments(const std::vector<std::string>& lines, bool useIfDefs) {
  std::vector<std::string> code = lines;
  if (hasFreeMarker(lines)) {
    blankComments(code, false,
                  [useIfDefs](std::string_view group) { return keepDirective(group, useIfDefs); });
  }
  SplitText text;
  for (size_t n = 0; n < lines.size(); ++n) {
    if (n > 0) {
      text.code += "\r\n";
      text.comments += "\r\n";
    }
    text.code += code[n];
    // A character the blanker changed was a comment's; blanks in comments stay blanks.
    for (size_t i = 0; i < lines[n].size(); ++i)
      text.comments += code[n][i] != lines[n][i] ? lines[n][i] : ' ';
  }
  return text;
}

}  // namespace sorvik
