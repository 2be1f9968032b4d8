#include "search/form_line_search.h"

#include <string.h>

#include <algorithm>

#include "formanalysis/form_file_reader.h"
#include "generic/strings.h"
#include "search/line_matcher.h"
#include "search/search_options.h"

namespace sorvik {

FormLineSearch searchFormFile(const std::string& path, const TSearchOptions& options,
                              LineMatcher& matcher) {
  FormLineSearch out;
  FormFileText text = readFormFileText(path);
  out.error = std::move(text.error);
  if (!text.lines) return out;
  const std::vector<std::string>& lines = *text.lines;
  out.lineCount = static_cast<int>(lines.size());
  // A line that lacks the key run of a plain text, in every letter case, cannot match.
  const std::string key = lowerCase(options.UseRegExpr ? "" : keyRun(options.SearchText));
  std::string folded;
  const auto mayMatch = [&](const std::string& line) {
    if (key.empty()) return true;
    folded.resize(line.size());
    std::transform(line.begin(), line.end(), folded.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return memmem(folded.data(), folded.size(), key.data(), key.size()) != nullptr;
  };
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].empty() || !mayMatch(lines[i])) continue;
    bool givenUp = false;
    const bool hit = matcher.matches(lines[i], givenUp);
    const int n = static_cast<int>(i);
    if (givenUp) out.givenUp.push_back(n);
    if (hit) out.hits.push_back({n, lines[i]});
  }
  return out;
}

}  // namespace sorvik
