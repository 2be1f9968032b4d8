// The replacement lines the HTML checks offer: a page line with one text in it changed.
// Positions are 1-based, as page columns are.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "project/result.h"

namespace sorvik {

// `line` with `find` (ignoring case) replaced by `replacement`, when `find` occurs exactly
// once in it from position `start` on; none otherwise.
SuggestionLines ReplaceOnce(std::string_view find, const std::string& line,
                            std::string_view replacement, int start);

struct NearbyReplacement {
  SuggestionLines suggestion;
  int lineIndex = 0;  // the line it was found in (0-based)
  int column = 0;     // where the search in that line began
};
// Looks for `find` (ignoring case) in lines[lineIndex] from position `column`, then in
// each following line from position 1, five lines at most. In the first line that holds
// it the first occurrence is replaced, with `all` every further one too; without `all` a
// second occurrence there means no suggestion. Not found: no suggestion, and the line
// index and column as given.
NearbyReplacement ReplaceNearby(std::string_view find, int lineIndex, std::string_view replacement,
                                bool all, const std::vector<std::string>& lines, int column);

}  // namespace sorvik
