// Which lines hold which of many texts, found in one pass over the lines whatever the
// number of texts (an Aho-Corasick automaton), so that looking up every constant of a large
// unit in every line of it stays linear.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

struct LinesHolding {
  int count = 0;       // the lines that hold the text, counted up to the limit asked for
  int firstLine = -1;  // the first of them; -1 when none does
};

// For each text (none empty), the lines that hold it of the `lineCount` lines that
// `lineAt` hands out.
std::vector<LinesHolding> findLinesHolding(const std::vector<std::string_view>& texts,
                                           size_t lineCount,
                                           const std::function<std::string_view(size_t)>& lineAt,
                                           int limit);

}  // namespace sorvik
