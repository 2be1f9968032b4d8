#include "spelling/spell_check.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <utility>

#include "generic/compressed_list.h"
#include "generic/strings.h"

namespace sorvik {

namespace {

// Each accented letter of Windows-1250 to its base letter of the same case, and the
// no-break space to a blank; every other code maps to itself. Suggestions for a word look
// at the words that begin with its first letter folded this way, and at those beginning
// with any letter that folds to the same one.
struct FoldRange {
  unsigned char from, to;
  char base;
};

constexpr FoldRange kFoldRanges[] = {
    {138, 138, 'S'}, {140, 140, 'S'}, {170, 170, 'S'}, {141, 141, 'T'}, {222, 222, 'T'},
    {142, 143, 'Z'}, {175, 175, 'Z'}, {163, 163, 'L'}, {188, 188, 'L'}, {197, 197, 'L'},
    {165, 165, 'A'}, {193, 196, 'A'}, {192, 192, 'R'}, {216, 216, 'R'}, {198, 200, 'C'},
    {201, 204, 'E'}, {205, 206, 'I'}, {207, 208, 'D'}, {209, 210, 'N'}, {211, 214, 'O'},
    {217, 220, 'U'}, {221, 221, 'Y'}, {154, 154, 's'}, {156, 156, 's'}, {186, 186, 's'},
    {157, 157, 't'}, {254, 254, 't'}, {158, 159, 'z'}, {191, 191, 'z'}, {185, 185, 'a'},
    {225, 228, 'a'}, {190, 190, 'l'}, {229, 229, 'l'}, {224, 224, 'r'}, {248, 248, 'r'},
    {230, 232, 'c'}, {233, 236, 'e'}, {237, 238, 'i'}, {239, 240, 'd'}, {241, 242, 'n'},
    {243, 246, 'o'}, {249, 252, 'u'}, {253, 253, 'y'}, {160, 160, ' '},
};

constexpr std::array<unsigned char, 256> makeFoldTable() {
  std::array<unsigned char, 256> table{};
  for (int c = 0; c < 256; ++c) table[c] = static_cast<unsigned char>(c);
  for (const FoldRange& range : kFoldRanges) {
    for (int c = range.from; c <= range.to; ++c) table[c] = static_cast<unsigned char>(range.base);
  }
  return table;
}

constexpr std::array<unsigned char, 256> kFold = makeFoldTable();

bool isAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// "readme.txt": five characters or more, the first "." fourth from the end and three
// letters after it.
bool isFileName(std::string_view word) {
  const size_t n = word.size();
  return n >= 5 && word.find('.') == n - 4 && isAsciiLetter(word[n - 3]) &&
         isAsciiLetter(word[n - 2]) && isAsciiLetter(word[n - 1]);
}

// The edit distances of one word against many: a matrix of (word length + 1) rows by
// (longest candidate + 1) columns, made once, whose first row and column never change.
class EditDistance {
 public:
  EditDistance(std::string_view word, size_t longest)
      : word_(word), columns_(longest + 1), cells_((word.size() + 1) * columns_) {
    for (size_t j = 0; j < columns_; ++j) cells_[j] = static_cast<uint32_t>(j);
    for (size_t i = 0; i <= word.size(); ++i) cells_[i * columns_] = static_cast<uint32_t>(i);
  }

  // `other` is at most `longest` long.
  uint32_t to(std::string_view other) {
    for (size_t i = 1; i <= word_.size(); ++i) {
      for (size_t j = 1; j <= other.size(); ++j) {
        const uint32_t substitution = at(i - 1, j - 1) + (word_[i - 1] == other[j - 1] ? 0 : 1);
        at(i, j) = std::min({at(i - 1, j) + 1, at(i, j - 1) + 1, substitution});
      }
    }
    return at(word_.size(), other.size());
  }

 private:
  uint32_t& at(size_t row, size_t column) { return cells_[row * columns_ + column]; }

  std::string_view word_;
  size_t columns_;
  std::vector<uint32_t> cells_;
};

// The proposal in the case of the word asked about: all upper case when that word is,
// a capital first letter when its first letter is one, else as listed (lower case).
std::string adaptCase(std::string proposal, std::string_view asked) {
  if (upperCase(asked) == asked) return upperCase(proposal);
  if (upperChar(asked[0]) == asked[0]) proposal[0] = upperChar(proposal[0]);
  return proposal;
}

}  // namespace

TSpellCheck::TSpellCheck(std::string programFolder)
    : userDictionary_((std::filesystem::path(std::move(programFolder)) / "user.dic").string()) {}

std::vector<std::string> TSpellCheck::LoadDictionary(const std::string& fileName) {
  std::vector<std::string> unreadable;
  CompressedListFile dictionary = ReadCompressedListFile(fileName);
  if (dictionary.state == CompressedListFile::State::Damaged) unreadable.push_back(fileName);
  words_ = std::move(dictionary.lines);
  if (UseUserDictionary && dictionary.state != CompressedListFile::State::Missing) {
    CompressedListFile user = ReadCompressedListFile(userDictionary_);
    if (user.state == CompressedListFile::State::Damaged) unreadable.push_back(userDictionary_);
    words_.insert(words_.end(), std::make_move_iterator(user.lines.begin()),
                  std::make_move_iterator(user.lines.end()));
  }
  std::erase(words_, std::string());
  std::sort(words_.begin(), words_.end());
  // A word in both lists, or twice in one, would otherwise be proposed twice.
  words_.erase(std::unique(words_.begin(), words_.end()), words_.end());
  longestWord_ = 0;
  for (const std::string& word : words_) longestWord_ = std::max(longestWord_, word.size());
  buildIndex();
  loaded_ = true;
  return unreadable;
}

void TSpellCheck::buildIndex() {
  index_.fill(Group{});
  for (size_t i = 0; i < words_.size();) {
    const unsigned char key = static_cast<unsigned char>(words_[i][0]);
    Group& group = index_[key];
    group.begin = i;
    while (i < words_.size() && static_cast<unsigned char>(words_[i][0]) == key) ++i;
    group.end = i;
  }
}

bool TSpellCheck::contains(const std::string& word) const {
  const Group& group = index_[static_cast<unsigned char>(word[0])];
  return std::binary_search(words_.begin() + static_cast<ptrdiff_t>(group.begin),
                            words_.begin() + static_cast<ptrdiff_t>(group.end), word);
}

bool TSpellCheck::CheckWord(std::string_view word) const {
  if (word.empty()) return true;
  if (word.find_first_of("0123456789") != std::string_view::npos) return true;
  if (isFileName(word)) return true;
  if (std::all_of(word.begin(), word.end(),
                  [](char c) { return static_cast<unsigned char>(c) <= '-'; })) {
    return true;
  }
  return contains(lowerCase(word));
}

std::vector<std::string> TSpellCheck::GetSuggestions(std::string_view word) const {
  if (!loaded_) throw ENoDictionaryLoaded();
  if (trimView(word).empty()) return {};
  const std::string asked = lowerCase(word);
  // Only words within two characters of its length can be proposed.
  if (asked.size() > longestWord_ + 2) return {};
  const unsigned char base = kFold[static_cast<unsigned char>(asked[0])];
  std::vector<unsigned char> keys{base};
  for (int c = 128; c <= 254; ++c) {
    if (c != base && kFold[c] == base) keys.push_back(static_cast<unsigned char>(c));
  }

  EditDistance distance(asked, longestWord_);
  std::vector<std::string> proposals;
  for (const unsigned char key : keys) {
    const Group& group = index_[key];
    for (size_t i = group.begin; i < group.end; ++i) {
      const std::string& candidate = words_[i];
      const size_t shorter = std::min(candidate.size(), asked.size());
      const size_t longer = std::max(candidate.size(), asked.size());
      if (longer - shorter <= 2 && distance.to(candidate) <= 2) {
        proposals.push_back(adaptCase(candidate, word));
      }
    }
  }
  return proposals;
}

}  // namespace sorvik
