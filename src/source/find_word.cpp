#include "source/find_word.h"

#include "generic/strings.h"

namespace sorvik {

namespace {

// The word's own ends count "$" as part of a name; the neighbours around a match are tested
// for letters, digits and "_" only.
bool isWordEnd(char c) {
  return isIdentChar(c) || c == '$';
}

bool matchesAt(std::string_view text, size_t at, std::string_view word, bool caseSensitive) {
  for (size_t i = 0; i < word.size(); ++i) {
    const char a = text[at + i];
    const char b = word[i];
    if (caseSensitive ? a != b : upperChar(a) != upperChar(b)) return false;
  }
  return true;
}

}  // namespace

WordSearch::WordSearch(std::string_view word, std::string_view text, bool caseSensitive,
                       bool inStrings)
    : word_(word), text_(text), caseSensitive_(caseSensitive), inStrings_(inStrings) {}

int WordSearch::next(int start) {
  const std::string_view word = word_, text = text_;
  const bool caseSensitive = caseSensitive_;
  if (text.empty() || word.empty() || text.size() < word.size()) return 0;
  if (static_cast<long>(text.size()) < static_cast<long>(start) + long(word.size()) - 1) return 0;
  if (text.size() == word.size() && matchesAt(text, 0, word, caseSensitive)) return 1;

  const bool firstIsWordEnd = isWordEnd(word.front());
  const bool lastIsWordEnd = isWordEnd(word.back());
  const auto followedByName = [&](size_t at) {
    const size_t after = at + word.size();
    return lastIsWordEnd && after < text.size() && isIdentChar(text[after]);
  };
  if (start <= 1 && matchesAt(text, 0, word, caseSensitive) && !followedByName(0)) return 1;

  const size_t first = start < 1 ? 0 : static_cast<size_t>(start - 1);
  const size_t last = text.size() - word.size();
  for (size_t at = first; at <= last; ++at) {
    if (caseSensitive) {
      at = text.find(word, at);
      if (at == std::string_view::npos || at > last) return 0;
    } else if (!matchesAt(text, at, word, false)) {
      continue;
    }
    if (!inStrings_) {
      // The quote that opens a literal is outside it; the one that closes it inside.
      for (; scanned_ < at; ++scanned_) {
        if (text[scanned_] == '\'') inLiteral_ = !inLiteral_;
      }
      if (inLiteral_) continue;
    }
    if (firstIsWordEnd && at > 0 && isIdentChar(text[at - 1])) continue;
    if (followedByName(at)) continue;
    return static_cast<int>(at) + 1;
  }
  return 0;
}

int FindWord(std::string_view word, std::string_view text, bool caseSensitive, bool inStrings,
             int start) {
  return WordSearch(word, text, caseSensitive, inStrings).next(start);
}

}  // namespace sorvik
