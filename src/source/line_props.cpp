#include "source/line_props.h"

#include <utility>

#include "generic/strings.h"
#include "source/find_word.h"

namespace sorvik {

namespace {

using KindEntry = std::pair<std::string_view, int>;

// Lines that are exactly one of these texts.
constexpr KindEntry kWholeLineKinds[] = {
    {"BEGIN", 1},    {"END", 2},     {"END;", 3},      {"TRY", 4},        {"FINALLY", 5},
    {"FINALLY;", 5}, {"REPEAT", 6},  {"INHERITED", 7}, {"INHERITED;", 7}, {"EXCEPT", 8},
    {"THEN", 9},     {"FREE", 10},   {"FREE;", 10},    {"FREE();", 10},   {"FREE()", 10},
    {"ELSE", 11},    {"ELSE;", 11},  {"EXIT", 12},     {"EXIT;", 12},     {";", 13},
    {"BREAK", 14},   {"BREAK;", 14}, {"CONTINUE", 15},
};

// Lines whose leading word (the longest run of the letters A-Z) is one of these.
constexpr KindEntry kLeadingWordKinds[] = {
    {"UNTIL", 100},      {"DEC", 101},         {"INC", 102},         {"WITH", 103},
    {"FREEANDNIL", 104}, {"IF", 105},          {"WHILE", 106},       {"INHERITED", 7},
    {"EXCEPT", 108},     {"SETCURSOR", 109},   {"APPLICATION", 110}, {"FOR", 111},
    {"APPENDSTR", 112},  {"DELETE", 113},      {"CASE", 114},        {"THEN", 116},
    {"ELSE", 117},       {"SHOWMESSAGE", 118}, {"MESSAGEDLG", 119},  {"TRIM", 120},
    {"TRIMLEFT", 121},   {"TRIMRIGHT", 122},   {"TRY", 123},         {"FINALLY", 124},
};

int lookUp(std::string_view text, const auto& table) {
  for (const auto& [entry, kind] : table) {
    if (entry == text) return kind;
  }
  return 0;
}

std::string_view leadingWord(std::string_view key) {
  size_t end = 0;
  while (end < key.size() && key[end] >= 'A' && key[end] <= 'Z') ++end;
  return key.substr(0, end);
}

// Counts a character of interest: its flag, its first position and its count.
void note(bool& flag, int& firstPos, int& count, int pos) {
  flag = true;
  if (firstPos == 0) firstPos = pos;
  ++count;
}

}  // namespace

int RoutineKind(std::string_view text) {
  if (text.size() < 10) return 5;
  if (text.starts_with("CONSTRUCTOR ")) return 2;
  if (text.starts_with("DESTRUCTOR ")) return 3;
  if (text.starts_with("FUNCTION ")) return 0;
  if (text.starts_with("PROCEDURE ")) return 1;
  return 5;
}

TLineProps noScanProps() {
  return TLineProps();
}

TLineProps::TLineProps(std::string_view text, std::string_view key) {
  if (text.empty() && key == "<NOSCAN>") return;
  text = trimView(text);
  key = trimView(key);
  if (text.empty()) {
    IsEmpty = true;
    return;
  }
  // The longest whole-line text is "INHERITED;".
  if (key.size() <= 10) StatementKind = lookUp(key, kWholeLineKinds);
  if (StatementKind != 0) return;

  const std::string_view word = leadingWord(key);
  StatementKind = lookUp(word, kLeadingWordKinds);
  if (word == "ON" && findCodeWord("EXCEPTION", key) > 0) StatementKind = 125;
  scanCharacters(text, StatementKind != 0 ? word.size() : 0);
  EndsWithSemicolon = text.back() == ';';
  if (HasParen && HasComma && key.size() > 4) CopyPos = findCodeWord("COPY(", key);
}

void TLineProps::scanCharacters(std::string_view text, size_t from) {
  bool inLiteral = false;
  for (size_t i = from; i < text.size(); ++i) {
    const char c = text[i];
    const int pos = static_cast<int>(i) + 1;
    if (c == ')' && i > 0 && i + 2 == text.size() && text[i + 1] == ';') EndsWithCall = true;
    if (c == '\'') {
      if (inLiteral) note(HasString, StringEndPos, StringCount, pos);
      inLiteral = !inLiteral;
      continue;
    }
    if (inLiteral) continue;
    switch (c) {
      case ':':
        note(HasColon, ColonPos, ColonCount, pos);
        if (i + 1 < text.size() && text[i + 1] == '=') note(HasAssign, AssignPos, AssignCount, pos);
        break;
      case '=':
        note(HasEqual, EqualPos, EqualCount, pos);
        break;
      case '.':
        note(HasDot, DotPos, DotCount, pos);
        break;
      case '%':
        note(HasPercent, PercentPos, PercentCount, pos);
        break;
      case ',':
        note(HasComma, CommaPos, CommaCount, pos);
        break;
      case '(':
      case ')':
        HasParen = true;
        break;
      case '[':
      case ']':
        HasBracket = true;
        break;
      case '+':
        HasPlus = true;
        break;
      case '-':
        HasMinus = true;
        break;
      case '<':
        HasLess = true;
        break;
      case '>':
        HasGreater = true;
        break;
      case '*':
        HasStar = true;
        break;
      case '/':
        HasSlash = true;
        break;
      case '^':
        HasCaret = true;
        break;
      default:
        if (c >= '0' && c <= '9') {
          OnlyDigitIsOne = !HasDigit && c == '1';
          HasDigit = true;
        }
        break;
    }
  }
}

}  // namespace sorvik
