// The whole-word search that the source model and the checks share.
#pragma once

#include <string_view>

namespace sorvik {

// The 1-based position of the first whole-word occurrence of `word` in `text` at or after
// `start`, or 0. Unless `inStrings`, occurrences inside string literals are passed over;
// unless `caseSensitive`, letters compare without regard to case.
int FindWord(std::string_view word, std::string_view text, bool caseSensitive, bool inStrings,
             int start);

// FindWord hit after hit: next(start) gives what FindWord would from `start`, but the text
// before a start already passed is not read again, so that finding every hit of a word
// stays linear in the text. Each start must lie past the previous one.
class WordSearch {
 public:
  WordSearch(std::string_view word, std::string_view text, bool caseSensitive, bool inStrings);
  int next(int start);

 private:
  std::string_view word_, text_;
  bool caseSensitive_, inStrings_;
  bool inLiteral_ = false;
  size_t scanned_ = 0;  // the literal state is known for the characters before this one
};

// FindWord as the model calls it: case-sensitive (the texts are upper-case already), outside
// literals, from the start.
inline int findCodeWord(std::string_view word, std::string_view text) {
  return FindWord(word, text, true, false, 1);
}

}  // namespace sorvik
