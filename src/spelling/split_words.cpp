#include "spelling/split_words.h"

namespace sorvik {

namespace {

enum class CharClass { Word, Skipped, Separator };

CharClass classify(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
      c == '.' || c >= 192) {
    return CharClass::Word;
  }
  switch (c) {
    case '!':
    case '#':
    case '$':
    case '&':
    case '*':
    case '?':
    case '^':
    case '~':
    case 127:
      return CharClass::Skipped;
    default:
      return c >= 128 ? CharClass::Skipped : CharClass::Separator;
  }
}

// Word characters hold no blanks, so nothing is left to trim. Once the dots at both ends
// are gone no two-character word can hold a dot, which leaves the length and the final
// hyphen to test.
void addWord(std::string_view word, std::vector<std::string>& words) {
  const size_t first = word.find_first_not_of('.');
  if (first == std::string_view::npos) return;
  word = word.substr(first, word.find_last_not_of('.') - first + 1);
  if (word.size() >= 2 && word.back() != '-') words.emplace_back(word);
}

}  // namespace

std::vector<std::string> SplitWords(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : text) {
    switch (classify(static_cast<unsigned char>(c))) {
      case CharClass::Word:
        word += c;
        break;
      case CharClass::Skipped:
        break;
      case CharClass::Separator:
        addWord(word, words);
        word.clear();
        break;
    }
  }
  addWord(word, words);
  return words;
}

}  // namespace sorvik
