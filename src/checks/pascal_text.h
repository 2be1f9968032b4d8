// Reading a statement's text the way the string, literal and declaration checks need it:
// string literals with their doubled quotes, the parenthesis that closes a call, and the
// declared spelling of a variable named in the text.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "source/line_forms.h"

namespace sorvik {

class TProcedureItem;

// Entry `line` of one of a unit's parallel lists.
inline std::string_view lineOf(const LineList& lines, int line) {
  return lines[static_cast<size_t>(line)];
}

// `text` holds `pattern` at index `at` (false past the end, never throwing).
bool holdsAt(std::string_view text, size_t at, std::string_view pattern);

// The index of the quote that closes the literal whose opening quote is at `open`; a doubled
// quote inside the literal belongs to it. npos when the text ends first.
size_t literalEnd(std::string_view text, size_t open);
// The number of characters the literal from `open` to `close` (both quotes) stands for, a
// doubled quote counting once.
size_t literalLength(std::string_view text, size_t open, size_t close);

// The index of the ")" that closes the "(" at `open`, outside literals, with parentheses and
// brackets nested inside; npos when the text ends first.
size_t closingParen(std::string_view text, size_t open);

// The first of `patterns` that occurs as a word of the upper-case code text (outside
// literals); "" when none does.
std::string_view firstCodeWord(std::string_view text,
                               std::initializer_list<std::string_view> patterns);

// Only ASCII digits, and at least one.
bool isDigits(std::string_view text);

// The declared spelling of the string variable that `text` is (ignoring case), else `text`.
std::string declaredStringOr(const TProcedureItem& routine, const std::string& text);

}  // namespace sorvik
