#include "checks/template_values.h"

#include <charconv>
#include <optional>

#include "generic/strings.h"

namespace sorvik {

namespace {

std::optional<int> readInteger(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

bool isAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// After these a digit starts a new number.
bool startsNumber(char c) {
  switch (c) {
    case ' ':
    case '(':
    case '*':
    case ',':
    case '/':
    case '=':
    case '[':
    case '\\':
      return true;
    default:
      return false;
  }
}

class ValueReader {
 public:
  void read(std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
      const char c = text[i];
      if (c == '\'') {
        inLiteral_ = !inLiteral_;
        literal_ += c;
      } else if (c >= '0' && c <= '9') {
        digit(text, i);
      } else {
        other(c);
      }
    }
    if (!literal_.empty()) values.literals.push_back(literal_);
    flushNumber();
  }

  LiteralValues values;

 private:
  void digit(std::string_view text, size_t i) {
    const char c = text[i];
    if (inLiteral_) {
      literal_ += c;
      return;
    }
    if (i == 0) {
      number_ += c;
      return;
    }
    const char before = text[i - 1];
    if (startsNumber(before))
      number_ = std::string(1, c);
    else if (before == '-')
      number_ = std::string("-") + c;
    else if (!isAsciiLetter(before) && before != '_')
      number_ += c;
  }

  void other(char c) {
    if (!number_.empty()) {
      flushNumber();
    } else if (inLiteral_) {
      literal_ += c;
    } else if (!literal_.empty()) {
      values.literals.push_back(literal_);
      literal_.clear();
    }
  }

  void flushNumber() {
    if (number_.empty()) return;
    if (const auto value = readInteger(number_)) values.integers.push_back({number_, *value});
    number_.clear();
  }

  bool inLiteral_ = false;
  std::string literal_, number_;
};

template <class T>
bool compare(char op, const T& a, const T& b, bool& outcome) {
  switch (op) {
    case '<':
      outcome = a < b;
      return true;
    case '=':
      outcome = a == b;
      return true;
    case '>':
      outcome = a > b;
      return true;
    case '{':
      outcome = a <= b;
      return true;
    case '}':
      outcome = a >= b;
      return true;
    default:
      return false;
  }
}

// One rule: none when it says nothing, else whether it holds.
std::optional<bool> testRule(std::string_view rule, const LiteralValues& values,
                             const std::vector<std::string>& characters) {
  if (rule.size() != 5) return std::nullopt;
  const char first = rule[1], second = rule[4];
  if (first == '0' || second == '0') return false;
  const char type = rule[0];
  if (type != 'C' && type != 'I') return std::nullopt;
  const size_t count = type == 'I' ? values.integers.size() : characters.size();
  const auto index = [count](char digit) -> std::optional<size_t> {
    if (digit < '1' || digit > '9') return std::nullopt;
    const size_t n = static_cast<size_t>(digit - '0');
    if (n > count) return std::nullopt;
    return n - 1;
  };
  const auto a = index(first), b = index(second);
  if (!a || !b) return false;
  bool outcome = false;
  if (type == 'I') {
    const int x = values.integers[*a].value, y = values.integers[*b].value;
    if (x == -1 || y == -1) return false;
    if (!compare(rule[2], x, y, outcome)) return std::nullopt;
  } else if (!compare(rule[2], characters[*a], characters[*b], outcome)) {
    return std::nullopt;
  }
  return outcome;
}

std::string numbered(std::string_view word, size_t n, std::string_view tail = "") {
  return "<" + std::string(word) + std::to_string(n) + std::string(tail) + ">";
}

}  // namespace

std::vector<std::string> LiteralValues::characters() const {
  std::vector<std::string> found;
  for (const auto& literal : literals)
    if (literal.size() == 3) found.push_back(literal);
  return found;
}

LiteralValues ReadLiteralValues(std::string_view text) {
  ValueReader reader;
  reader.read(text);
  return std::move(reader.values);
}

bool TestRules(std::string_view rule1, std::string_view rule2, const LiteralValues& values) {
  if (rule1.empty() || (values.literals.empty() && values.integers.empty())) return true;
  const std::vector<std::string> characters = values.characters();
  for (const std::string_view rule : {rule1, rule2})
    if (testRule(rule, values, characters) == false) return false;
  return true;
}

void FillValues(std::string_view rule1, std::string_view rule2, std::string_view source,
                std::string& target) {
  const LiteralValues values = ReadLiteralValues(source);
  for (size_t n = 0; n < values.literals.size(); ++n)
    target = replaceAllText(target, numbered("STRVALUE", n + 1), values.literals[n]);
  const std::vector<std::string> characters = values.characters();
  for (size_t m = 0; m < characters.size(); ++m)
    target = replaceAllText(target, numbered("CHARVALUE", m + 1), characters[m]);
  if (!TestRules(rule1, rule2, values) || findText(target, "<INTVALUE") == std::string::npos)
    return;
  for (size_t n = 0; n < values.integers.size(); ++n) {
    const auto& [text, value] = values.integers[n];
    const std::string above = std::to_string(static_cast<long long>(value) + 1);
    const std::string below = std::to_string(static_cast<long long>(value) - 1);
    if (value < 0) {
      target = replaceAllText(target, "-" + numbered("INTVALUE", n + 1), text);
      target = replaceAllText(target, "-" + numbered("INTVALUE", n + 1, "+1"), above);
      target = replaceAllText(target, "-" + numbered("INTVALUE", n + 1, "-1"), below);
    }
    target = replaceAllText(target, numbered("INTVALUE", n + 1), text);
    target = replaceAllText(target, numbered("INTVALUE", n + 1, "+1"), above);
    target = replaceAllText(target, numbered("INTVALUE", n + 1, "-1"), below);
  }
}

}  // namespace sorvik
