// The literal values of a code line that a template's value placeholders stand for: its
// quoted literals ("<STRVALUE" n ">", "<CHARVALUE" n ">") and its integers
// ("<INTVALUE" n ">" with its "+1" and "-1" forms), and the value rules that must hold
// before the integers are put in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

struct IntegerValue {
  std::string text;  // as written, a leading "-" included
  int value = 0;
};

struct LiteralValues {
  std::vector<std::string> literals;  // with their quotes, doubled quotes kept doubled
  std::vector<IntegerValue> integers;

  // The literals of one character between quotes, in order.
  std::vector<std::string> characters() const;
};

// Reads the values of `text` from left to right.
LiteralValues ReadLiteralValues(std::string_view text);

// Whether the rules hold for the values: true without a first rule or without values.
// Each rule is five characters: a type letter ("I" integers, "C" one-character literals),
// an index digit, an operator ("<", "=", ">", "{" for at most, "}" for at least), a
// character that is not read and a second index digit. A rule of another length, another
// type letter or another operator says nothing; an index of 0, not a digit or beyond the
// values, and an integer of -1, fail at once. Both rules must hold.
bool TestRules(std::string_view rule1, std::string_view rule2, const LiteralValues& values);

// Puts the values of `source` in for the value placeholders of `target`; the integer
// placeholders only when the rules hold.
void FillValues(std::string_view rule1, std::string_view rule2, std::string_view source,
                std::string& target);

}  // namespace sorvik
