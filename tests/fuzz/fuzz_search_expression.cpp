// Any first line as a search text, used as a regular expression (with and without letter
// case) and as a plain pattern, on each further line: no crash, no hang (a runaway
// expression is given up within the engine's limits), and a plain hit lies within the line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "search/search_utils.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const size_t end = text.find('\n');
  const std::string pattern(text.substr(0, end));
  std::string_view rest = end == std::string_view::npos ? text : text.substr(end + 1);
  for (const bool caseSensitive : {false, true}) {
    sorvik::TSynSearchUtil expression(pattern, caseSensitive);
    sorvik::TSearchUtils plain(pattern);
    std::string_view lines = rest;
    while (true) {
      const size_t next = lines.find('\n');
      const std::string_view line = lines.substr(0, next);
      expression.Text = line;
      expression.MatchExpression(false);
      expression.MatchExpression(true);
      for (const bool inLiterals : {false, true}) {
        plain.Text = line;
        plain.InLiterals = inLiterals;
        for (const int found : {plain.FindPlain(1), plain.FindWholeWords(1), plain.FindPlain(3)})
          if (found < 0 || static_cast<size_t>(found) > line.size()) __builtin_trap();
      }
      if (next == std::string_view::npos) break;
      lines.remove_prefix(next + 1);
    }
  }
  return 0;
}
