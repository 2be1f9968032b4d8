#include "web/suggestion_text.h"

#include <algorithm>

#include "generic/strings.h"

namespace sorvik {

namespace {

constexpr size_t kNone = std::string_view::npos;

// The 0-based place of a 1-based start position; positions below 1 start the line.
size_t startIndex(int position) {
  return position > 1 ? static_cast<size_t>(position - 1) : 0;
}

// `line` with the occurrences of `find` at `first` and, with `all`, after it replaced.
std::string replaced(const std::string& line, std::string_view find, std::string_view replacement,
                     size_t first, bool all) {
  std::string out = line.substr(0, first);
  size_t from = first;
  for (size_t at = first; at != kNone; at = all ? findText(line, find, from) : kNone) {
    out.append(line, from, at - from);
    out.append(replacement);
    from = at + find.size();
  }
  out.append(line, from);
  return out;
}

// The line with the occurrence of `find` at `first` replaced (with `all`, every later one
// too); none when not every occurrence is to be replaced and there is a second one.
SuggestionLines replaceFrom(std::string_view find, const std::string& line,
                            std::string_view replacement, size_t first, bool all) {
  if (!all && findText(line, find, first + 1) != kNone) return std::nullopt;
  return std::vector<std::string>{replaced(line, find, replacement, first, all)};
}

}  // namespace

SuggestionLines ReplaceOnce(std::string_view find, const std::string& line,
                            std::string_view replacement, int start) {
  const size_t first = find.empty() ? kNone : findText(line, find, startIndex(start));
  if (first == kNone) return std::nullopt;
  return replaceFrom(find, line, replacement, first, false);
}

NearbyReplacement ReplaceNearby(std::string_view find, int lineIndex, std::string_view replacement,
                                bool all, const std::vector<std::string>& lines, int column) {
  const int last = std::min(lineIndex + 5, static_cast<int>(lines.size()));
  for (int index = std::max(lineIndex, 0), from = column; index < last && !find.empty();
       ++index, from = 1) {
    const std::string& line = lines[static_cast<size_t>(index)];
    const size_t first = findText(line, find, startIndex(from));
    if (first != kNone) return {replaceFrom(find, line, replacement, first, all), index, from};
  }
  return {std::nullopt, lineIndex, column};
}

}  // namespace sorvik
