#include "checks/pascal_text.h"

#include "source/find_word.h"
#include "source/procedure_item.h"

namespace sorvik {

bool holdsAt(std::string_view text, size_t at, std::string_view pattern) {
  return at <= text.size() && text.substr(at).starts_with(pattern);
}

size_t literalEnd(std::string_view text, size_t open) {
  for (size_t i = open + 1; i < text.size(); ++i) {
    if (text[i] != '\'') continue;
    if (i + 1 < text.size() && text[i + 1] == '\'') {
      ++i;
      continue;
    }
    return i;
  }
  return std::string_view::npos;
}

size_t literalLength(std::string_view text, size_t open, size_t close) {
  size_t length = 0;
  for (size_t i = open + 1; i < close; ++i) {
    if (text[i] == '\'') ++i;
    ++length;
  }
  return length;
}

size_t closingParen(std::string_view text, size_t open) {
  int depth = 0;
  for (size_t i = open; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\'') {
      i = literalEnd(text, i);
      if (i == std::string_view::npos) break;
    } else if (c == '(' || c == '[') {
      ++depth;
    } else if (c == ')' || c == ']') {
      if (--depth == 0) return c == ')' ? i : std::string_view::npos;
    }
  }
  return std::string_view::npos;
}

std::string_view firstCodeWord(std::string_view text,
                               std::initializer_list<std::string_view> patterns) {
  for (const std::string_view pattern : patterns)
    if (findCodeWord(pattern, text) != 0) return pattern;
  return {};
}

bool isDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string declaredStringOr(const TProcedureItem& routine, const std::string& text) {
  std::string name = StartsWithVariable(routine, text, true, VariableClass::String);
  return name.size() == text.size() ? name : text;
}

}  // namespace sorvik
