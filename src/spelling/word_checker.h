// A checker of single words that a spelling run can use in place of the dictionary
// engine.
#pragma once

#include <string>
#include <vector>

namespace sorvik {

class WordChecker {
 public:
  virtual ~WordChecker() = default;
  // True when the word (single-byte Windows-1252 text) is spelled correctly.
  virtual bool check(const std::string& word) = 0;
  // Replacements for a misspelled word, best first; none for a word that is correct.
  virtual std::vector<std::string> suggestions(const std::string& word) = 0;
};

}  // namespace sorvik
