#include "checks/comparison_checks.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checks/pascal_text.h"
#include "checks/statement_check.h"
#include "generic/strings.h"
#include "source/find_word.h"

namespace sorvik {

namespace {

constexpr int kConditionKind = 33;
constexpr int kZeroKind = 35;

// The statement's keyword as the message writes it.
std::string_view conditionKeyword(int kind) {
  switch (kind) {
    case kUntilStatement:
      return "Until";
    case kIfStatement:
      return "If";
    case kWhileStatement:
      return "While";
    default:
      return "";
  }
}

// The parenthesised groups of a condition; none when a group holds parentheses of its own,
// does not close, or the groups are joined with OR.
std::optional<std::vector<std::string>> conditionGroups(std::string_view condition) {
  std::vector<std::string> groups;
  std::string connector, group;
  bool inGroup = false, inLiteral = false;
  for (const char c : condition) {
    if (!inGroup) {
      if (c != '(') {
        connector += c;
        continue;
      }
      if (findCodeWord("OR", connector) > 0) return std::nullopt;
      connector.clear();
      inGroup = true;
      continue;
    }
    if (c == '\'') inLiteral = !inLiteral;
    if (!inLiteral && c == '(') return std::nullopt;
    if (!inLiteral && c == ')') {
      groups.push_back(std::move(group));
      group.clear();
      inGroup = false;
      continue;
    }
    group += c;
  }
  if (inGroup || findCodeWord("OR", connector) > 0) return std::nullopt;
  return groups;
}

bool isOperandChar(char c) {
  return isIdentChar(c) || c == '.' || c == '^';
}

// The operand and operator of a group that compares a name with NIL, NULL or a value that
// does not begin like a name: "OPERAND=" or "OPERAND<" or "OPERAND>".
std::optional<std::string> comparisonOf(std::string_view group) {
  if (group.starts_with("NOT ")) return std::nullopt;
  size_t at = 0;
  while (at < group.size() && isOperandChar(group[at])) ++at;
  if (at < group.size() && group[at] == '[') {
    const size_t close = group.find(']', at);
    if (close == std::string_view::npos) return std::nullopt;
    at = close + 1;
  }
  const std::string_view operand = group.substr(0, at);
  if (operand.empty()) return std::nullopt;
  while (at < group.size() && group[at] == ' ') ++at;
  if (at >= group.size()) return std::nullopt;
  const char op = group[at];
  if ((op != '=' && op != '<' && op != '>') || holdsAt(group, at, "<>")) return std::nullopt;
  const std::string rhs = trim(group.substr(at + 1));
  if (rhs != "NIL" && rhs != "NULL" && (rhs.empty() || isIdentChar(rhs.front())))
    return std::nullopt;
  return std::string(operand) + op;
}

// The operand tested twice in a row of AND-ed groups, or "".
std::string repeatedOperand(std::string_view condition) {
  const auto groups = conditionGroups(condition);
  if (!groups) return "";
  std::vector<std::string> seen;
  for (const std::string& group : *groups) {
    const std::optional<std::string> comparison = comparisonOf(group);
    if (!comparison) continue;
    for (const std::string& earlier : seen)
      if (earlier == *comparison) return comparison->substr(0, comparison->size() - 1);
    seen.push_back(*comparison);
  }
  return "";
}

// A number goes on after index `at`, so a comparison that ends there is a longer one.
bool numberGoesOn(std::string_view text, size_t at) {
  return at < text.size() && (isIdentChar(text[at]) || text[at] == '.');
}

// The ")" whose comparison `comparison` follows, when the call or group closed by it opens
// at or after `from`; npos when the next one is followed by something else.
size_t comparedParenthesis(std::string_view text, size_t from, std::string_view comparison) {
  const size_t open = text.find('(', from);
  if (open == std::string_view::npos) return std::string_view::npos;
  const size_t close = closingParen(text, open);
  if (close == std::string_view::npos || !holdsAt(text, close + 1, comparison) ||
      numberGoesOn(text, close + 1 + comparison.size()))
    return std::string_view::npos;
  return close;
}

// One form of a comparison with a constant that reads faster against zero.
struct ZeroComparison {
  std::string_view from, to, message;
  bool TLineProps::*sign;
};
constexpr ZeroComparison kGreaterThanMinusOne = {">-1", ">=0", "Faster to use >=0 than >-1",
                                                 &TLineProps::HasGreater};
constexpr ZeroComparison kLessThanOne = {"<1", "<=0", "Faster to use <=0 than <1",
                                         &TLineProps::HasLess};

bool mayCompareWithZero(const TLineProps& props, bool TLineProps::*sign) {
  return props.*sign && props.HasDot && props.HasDigit && props.HasMinus && props.HasParen;
}

// The first integer variable v with "(v" + comparison + ")" on the line followed by a call
// or group compared the same way: the line with that later comparison turned.
SuggestionLines turnedAfterVariable(std::string_view written,
                                    const std::vector<std::string>& integers,
                                    const ZeroComparison& comparison) {
  const std::string upper = upperCase(written);
  for (const std::string& name : integers) {
    const std::string pattern = "(" + name + std::string(comparison.from) + ")";
    const size_t at = upper.find(pattern);
    if (at == std::string::npos) continue;
    const size_t close = comparedParenthesis(written, at + pattern.size(), comparison.from);
    if (close == std::string::npos) continue;
    std::string edited(written);
    edited.replace(close + 1, comparison.from.size(), comparison.to);
    return std::vector<std::string>{std::move(edited)};
  }
  return std::nullopt;
}

std::vector<std::string> integerNames(const TProcedureItem& routine) {
  std::vector<std::string> names;
  for (const TVariableList* scope : {&routine.Locals, &routine.Params})
    for (int i = 0; i < scope->Integers.Count; ++i) names.push_back(scope->Integers.UpperName(i));
  return names;
}

}  // namespace

void CheckRepeatedComparison(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kConditionKind)) return;
  const TCodeUnit& unit = *routine.Unit;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    const std::string_view keyword = conditionKeyword(props.StatementKind);
    if (keyword.empty() || !props.HasParen) continue;
    const int line = statementLine(routine, k);
    const std::string_view text = lineOf(unit.CompactUpperLines, line);
    if (findCodeWord("AND", text) == 0 || text.size() < keyword.size()) continue;
    const std::string condition = trimLeft(std::string_view(text).substr(keyword.size()));
    if (!condition.starts_with('(')) continue;
    const std::string operand = repeatedOperand(condition);
    if (!operand.empty())
      reportStatement(
          project, routine, kConditionKind, line,
          std::string(keyword) + " statement could be improved for variable " + lowerCase(operand));
  }
}

void CheckIndexOf(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kZeroKind)) return;
  const TCodeUnit& unit = *routine.Unit;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    if (!mayCompareWithZero(routine.LineProps[k], kGreaterThanMinusOne.sign)) continue;
    const int line = statementLine(routine, k);
    const std::string_view written = lineOf(unit.Lines, line);
    if (written.find(">-1") == std::string::npos) continue;
    const size_t at = upperCase(written).find("INDEXOF");
    if (at == std::string::npos) continue;
    const size_t close = comparedParenthesis(written, at + 7, kGreaterThanMinusOne.from);
    if (close == std::string::npos) continue;
    std::string edited(written);
    edited.replace(close + 1, kGreaterThanMinusOne.from.size(), kGreaterThanMinusOne.to);
    reportStatement(project, routine, kZeroKind, line, std::string(kGreaterThanMinusOne.message),
                    std::vector<std::string>{std::move(edited)});
  }
}

void CheckComparisons(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kZeroKind)) return;
  const std::vector<std::string> integers = integerNames(routine);
  if (integers.empty()) return;
  const TCodeUnit& unit = *routine.Unit;
  for (const ZeroComparison& comparison : {kGreaterThanMinusOne, kLessThanOne}) {
    for (size_t k = 0; k < routine.LineProps.size(); ++k) {
      if (!mayCompareWithZero(routine.LineProps[k], comparison.sign)) continue;
      const int line = statementLine(routine, k);
      SuggestionLines suggestion =
          turnedAfterVariable(lineOf(unit.Lines, line), integers, comparison);
      if (suggestion)
        reportStatement(project, routine, kZeroKind, line, std::string(comparison.message),
                        std::move(suggestion));
    }
  }
}

}  // namespace sorvik
