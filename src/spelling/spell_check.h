// The dictionary engine: decides whether a single word is spelled correctly and proposes
// replacements for one that is not. Its word list is a dictionary file merged with the
// user's own words (user.dic in the program folder), sorted by byte value and indexed by
// first byte, so that a lookup is a binary search within the words of one first letter.
// Words are single-byte (Windows-1252) text; lower and upper case come from the case
// tables of generic/strings.h.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

// Suggestions were asked for before a dictionary was loaded.
class ENoDictionaryLoaded : public std::runtime_error {
 public:
  ENoDictionaryLoaded() : std::runtime_error("No dictionary is loaded.") {}
};

class TSpellCheck {
 public:
  // `programFolder` is where user.dic is looked for.
  explicit TSpellCheck(std::string programFolder);

  // Whether LoadDictionary merges user.dic; set it before loading.
  bool UseUserDictionary = true;

  // Loads the dictionary file (a compressed list of lower-case words) and, when it exists
  // and UseUserDictionary is set, user.dic. A missing or damaged file leaves its words out.
  // Empty lines are skipped, and a word listed twice is kept once. Returns the files that
  // are there but could not be read, so that the owner can say that their words are lost.
  std::vector<std::string> LoadDictionary(const std::string& fileName);

  // True when the word is accepted: an empty word, a word with a digit, a file name with a
  // three-letter extension ("readme.txt"), a word of nothing but characters up to "-", or
  // a word whose lower-case form is in the list.
  bool CheckWord(std::string_view word) const;

  // The words of the list with the same accent-folded first letter, at most two characters
  // longer or shorter and at most two edits away from the lower-cased word, in list order,
  // each put in the case of the word asked about. Throws ENoDictionaryLoaded before a load.
  std::vector<std::string> GetSuggestions(std::string_view word) const;

 private:
  // The words that begin with one byte: [begin, end) in words_; empty when begin == end.
  struct Group {
    size_t begin = 0;
    size_t end = 0;
  };

  bool contains(const std::string& word) const;
  void buildIndex();

  std::string userDictionary_;
  std::vector<std::string> words_;  // sorted by byte value
  std::array<Group, 256> index_{};
  size_t longestWord_ = 0;
  bool loaded_ = false;
};

}  // namespace sorvik
