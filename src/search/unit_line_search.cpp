#include "search/unit_line_search.h"

#include <string.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "generic/paths.h"
#include "generic/strings.h"
#include "generic/text_file.h"
#include "search/line_matcher.h"
#include "search/search_options.h"
#include "source/comment_blanker.h"
#include "source/line_forms.h"
#include "source/uses_reader.h"

namespace sorvik {

namespace {

// The UTF-8 byte-order mark that reading a text file sets aside.
constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Eight bytes are read as one word, the first byte in the lowest bits.
static_assert(std::endian::native == std::endian::little);
constexpr uint64_t kOnes = 0x0101010101010101;
constexpr uint64_t kHighBits = 0x8080808080808080;

// 0x80 in each byte of `word` that is zero, 0 in the others.
uint64_t zeroBytes(uint64_t word) {
  const uint64_t lowNonZero = (word & ~kHighBits) + ~kHighBits;
  return ~(lowNonZero | word | ~kHighBits);
}

// `word` with its ASCII capitals made small letters.
uint64_t asciiLowerWord(uint64_t word) {
  const uint64_t low = word & ~kHighBits;
  const uint64_t fromA = low + kOnes * (0x80 - 'A');      // 0x80 where the byte is 'A' or above
  const uint64_t pastZ = low + kOnes * (0x80 - 'Z' - 1);  // 0x80 where it is above 'Z'
  return word | (((fromA & ~pastZ & ~word) & kHighBits) >> 2);
}

// A unit's text split into lines as reading a text file splits them (at CR, LF or CR LF; a
// last line end closes the last line rather than opening an empty one), and a copy of it in
// which ASCII letters are small, for finding words in any letter case: no other byte of
// Windows-1252 changes case into an ASCII letter. Both are made in one pass, eight bytes at
// a time where no line ends.
class UnitText {
 public:
  explicit UnitText(std::string_view text) : text_(text), folded_(text.size(), ' ') {
    starts_.push_back(0);
    size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
      uint64_t word;
      std::memcpy(&word, text.data() + i, 8);
      const uint64_t small = asciiLowerWord(word);
      std::memcpy(folded_.data() + i, &small, 8);
      // One bit (the top one of its byte) for every CR and LF of the word.
      for (uint64_t ends = zeroBytes(word ^ (kOnes * '\n')) | zeroBytes(word ^ (kOnes * '\r'));
           ends != 0; ends &= ends - 1)
        noteLineEnd(i + static_cast<size_t>(std::countr_zero(ends)) / 8);
    }
    for (; i < text.size(); ++i) {
      const char c = text[i];
      folded_[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
      noteLineEnd(i);
    }
    if (starts_.back() == text.size()) starts_.pop_back();
  }

  size_t count() const { return starts_.size(); }
  std::string_view folded() const { return folded_; }
  // Line i without its line end.
  std::string_view line(size_t i) const {
    const size_t start = starts_[i];
    size_t end = next(i);
    if (end > start && text_[end - 1] == '\n') --end;
    if (end > start && text_[end - 1] == '\r') --end;
    return text_.substr(start, end - start);
  }
  // Where the line after line i begins.
  size_t next(size_t i) const { return i + 1 < starts_.size() ? starts_[i + 1] : text_.size(); }
  // The line that holds the character at `position`.
  size_t lineAt(size_t position) const {
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), position);
    return static_cast<size_t>(after - starts_.begin()) - 1;
  }

 private:
  // A line begins after an LF, and after a CR that no LF follows.
  void noteLineEnd(size_t k) {
    const char c = text_[k];
    if (c == '\n' || (c == '\r' && (k + 1 == text_.size() || text_[k + 1] != '\n')))
      starts_.push_back(k + 1);
  }

  std::string_view text_;
  std::string folded_;
  std::vector<size_t> starts_;
};

// Calls `visit(i)` once for each line i, in order, that holds `word` (small ASCII letters,
// digits and "_") in any letter case.
template <class Visit>
void forEachLineHolding(const UnitText& lines, std::string_view word, Visit visit) {
  const std::string_view folded = lines.folded();
  size_t from = 0;
  while (from < folded.size()) {
    const void* found =
        memmem(folded.data() + from, folded.size() - from, word.data(), word.size());
    if (!found) return;
    const size_t i =
        lines.lineAt(static_cast<size_t>(static_cast<const char*>(found) - folded.data()));
    visit(i);
    from = lines.next(i);
  }
}

std::string scanForm(std::string_view line) {
  return removeBlanks(upperOutsideLiterals(compactLine(line)));
}

// The last line whose scan form is "IMPLEMENTATION", or none. The scan form drops the blanks
// between letters too ("IMPLEMENT ATION" is such a line), but it keeps the first and the last
// character of the trimmed line, which only an "i" and an "n" in some letter case make upper
// case "I" and "N": the other lines need no scan form.
std::optional<size_t> implementationLine(const UnitText& lines) {
  std::optional<size_t> found;
  for (size_t i = 0; i < lines.count(); ++i) {
    const std::string_view trimmed = trimView(lines.line(i));
    if (trimmed.empty() || (trimmed.front() | 0x20) != 'i' || (trimmed.back() | 0x20) != 'n')
      continue;
    if (scanForm(trimmed) == "IMPLEMENTATION") found = i;
  }
  return found;
}

// The names of the unit's uses clauses, read as from the unit's compact lines. A line that
// does not hold "uses" in some letter case cannot open a clause, so only those are made
// upper case.
std::vector<std::string> usesOf(const UnitText& lines, int implLine) {
  if (implLine == 0) return {};
  std::vector<char> holdsUses(lines.count());
  forEachLineHolding(lines, "uses", [&](size_t i) { holdsUses[i] = 1; });
  int lastLine = 0;
  for (size_t i = lines.count(); i-- > 0;) {
    if (!scanForm(lines.line(i)).empty()) {
      lastLine = static_cast<int>(i);
      break;
    }
  }
  // The reader is done with a form before it asks for the next of the same kind.
  std::string upper, plain;
  return usesClauseNames(lines.count(), implLine, lastLine,
                         [&](size_t i, bool upperForm) -> std::string_view {
                           if (!upperForm) return plain = compactLine(lines.line(i));
                           if (!holdsUses[i]) return {};
                           return upper = upperOutsideLiterals(compactLine(lines.line(i)));
                         });
}

// Matches line i in the form the search reads: compacted when it ignores spacing (the
// matcher upper-cases what a search that is not case-sensitive reads).
void matchLine(const UnitText& lines, size_t i, const TSearchOptions& options, LineMatcher& matcher,
               UnitLineSearch& out) {
  const std::string_view line = lines.line(i);
  std::string compact;
  if (options.IgnoreSpacing) compact = compactLine(line);
  const std::string_view searched = options.IgnoreSpacing ? std::string_view(compact) : line;
  if (searched.empty()) return;
  bool givenUp = false;
  const bool hit = matcher.matches(searched, givenUp);
  const int n = static_cast<int>(i);
  if (givenUp) out.givenUp.push_back(n);
  if (hit) out.hits.push_back({n, options.IgnoreSpacing ? std::move(compact) : compactLine(line)});
}

}  // namespace

UnitLineSearch searchUnitFile(const std::string& path, const TSearchOptions& options,
                              bool useIfDefs, LineMatcher& matcher) {
  UnitLineSearch out;
  std::string text;
  if (std::optional<std::string> bytes = readFileBytes(path))
    text = std::move(*bytes);
  else
    out.errors.push_back("Problem opening file " + path);
  if (text.starts_with(kBom)) text.erase(0, kBom.size());
  if (options.IgnoreComments) out.comments = BlankPascalCommentsInText(text, useIfDefs);
  const UnitText lines(text);
  if (lines.count() == 0) {
    out.errors.push_back("Error loading file " + path);
    return out;
  }
  const std::optional<size_t> implementation = implementationLine(lines);
  if (!implementation && !sameText(extensionOf(path), ".dpr")) {
    out.errors.push_back("Implementation section not found in " + path);
    return out;
  }
  out.lineCount = static_cast<int>(lines.count());
  out.implLine = static_cast<int>(implementation.value_or(0));
  out.uses = usesOf(lines, out.implLine);

  // A line that lacks the key run of a plain text, in every letter case, cannot match.
  const std::string key = lowerCase(options.UseRegExpr ? "" : keyRun(options.SearchText));
  if (key.empty()) {
    for (size_t i = 0; i < lines.count(); ++i) matchLine(lines, i, options, matcher, out);
  } else {
    forEachLineHolding(lines, key, [&](size_t i) { matchLine(lines, i, options, matcher, out); });
  }
  return out;
}

}  // namespace sorvik
