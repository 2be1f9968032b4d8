#include "spelling/locate_word.h"

#include <algorithm>

#include "generic/strings.h"
#include "source/find_word.h"

namespace sorvik {

namespace {

// Counts the occurrences of the word in one line; the place of the one that reaches
// `occurrence`.
std::optional<WordPlace> countIn(std::string_view text, int index, std::string_view word,
                                 int occurrence, int& hits) {
  WordSearch search(word, text, false, false);
  for (int at = search.next(1); at > 0; at = search.next(at + 1)) {
    if (++hits == occurrence) return WordPlace{index, at};
  }
  return std::nullopt;
}

// The text between the first and the last quote of a line, the rest blanked so that
// positions stay those of the line.
std::string quotedPart(const std::string& line) {
  std::string text = line;
  const size_t first = text.find('\'');
  const size_t last = text.rfind('\'');
  std::fill(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(first) + 1, ' ');
  std::fill(text.begin() + static_cast<std::ptrdiff_t>(last), text.end(), ' ');
  return text;
}

// A string value is continued on the next line when its line ends with "+" and the next
// one opens a literal. Each line is looked at once, so the search stays linear even in a
// string list whose items all begin with a quote.
bool continuesOn(const std::vector<std::string>& lines, size_t next) {
  return endsWith(trimRight(lines[next - 1]), "+") && startsWith(trimLeft(lines[next]), "'");
}

std::optional<WordPlace> locateInForm(const std::vector<std::string>& lines, std::string_view word,
                                      int occurrence, size_t line) {
  if (lines[line].find('\'') == std::string::npos) return std::nullopt;
  int hits = 0;
  for (size_t i = line; i < lines.size() && (i == line || continuesOn(lines, i)); ++i) {
    if (const auto place =
            countIn(quotedPart(lines[i]), static_cast<int>(i), word, occurrence, hits))
      return place;
  }
  return std::nullopt;
}

std::optional<WordPlace> locateInPage(const std::vector<std::string>& lines, std::string_view word,
                                      int occurrence, size_t line) {
  constexpr size_t kLinesAfter = 5;
  int hits = 0;
  for (size_t i = line; i < lines.size() && i <= line + kLinesAfter; ++i) {
    if (const auto place = countIn(lines[i], static_cast<int>(i), word, occurrence, hits))
      return place;
  }
  return std::nullopt;
}

}  // namespace

std::optional<WordPlace> locateWord(const std::vector<std::string>& lines,
                                    std::string_view fileName, std::string_view word,
                                    int occurrence, int line) {
  if (line < 0 || static_cast<size_t>(line) >= lines.size()) return std::nullopt;
  const auto at = static_cast<size_t>(line);
  if (endsWithText(fileName, ".dfm")) return locateInForm(lines, word, occurrence, at);
  if (endsWithText(fileName, ".htm") || endsWithText(fileName, ".html") ||
      endsWithText(fileName, ".aspx"))
    return locateInPage(lines, word, occurrence, at);
  return std::nullopt;
}

}  // namespace sorvik
