// Finding the exact place of a misspelled word in the lines of the file its text came from.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

struct WordPlace {
  int line = 0;    // 0-based
  int column = 0;  // 1-based
};

// The place of the `occurrence`-th whole-word occurrence (ignoring case, outside quotes) of
// `word`, searched from line `line` on:
// - in a form (file name ending ".dfm"): within the quotes of that line, which must hold
//   one, and of the lines that continue its string value ("'...' +" followed by "'...'");
// - in a page (".htm", ".html", ".aspx"): in that line and the five lines after it.
// None when it is not found there, and for files of other kinds.
std::optional<WordPlace> locateWord(const std::vector<std::string>& lines,
                                    std::string_view fileName, std::string_view word,
                                    int occurrence, int line);

}  // namespace sorvik
