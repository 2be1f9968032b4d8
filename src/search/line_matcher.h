// Matching the lines of a unit or a form against the current search: plain text, whole
// words or a regular expression, with the letter case the search asks for.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "search/search_utils.h"

namespace sorvik {

class TSearchOptions;

class LineMatcher {
 public:
  explicit LineMatcher(const TSearchOptions& options);

  // Whether the line matches; unless the search is case-sensitive the line is upper-cased in
  // full, literals too, so that a unit's line upper case outside its literals matches as the
  // line itself does. `givenUp` is set when a regular expression gave the line up.
  bool matches(std::string_view line, bool& givenUp);

 private:
  const TSearchOptions& options_;
  TSearchUtils plain_;
  std::optional<TSynSearchUtil> expression_;
  std::string upper_;  // the line upper-cased, its room kept from line to line
};

// The longest run of ASCII letters, digits and "_" in the text (the first of the longest):
// whatever the preparation of a unit's lines does (blanks compacted, comments blanked,
// letters upper-cased), such a run of a line it finds stands in the line as written, in
// some letter case.
std::string_view keyRun(std::string_view text);

}  // namespace sorvik
