#include "checks/format_checks.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checks/check_text.h"
#include "checks/pascal_text.h"
#include "checks/statement_check.h"
#include "generic/strings.h"
#include "project/project.h"
#include "source/find_word.h"
#include "source/split_arguments.h"

namespace sorvik {

namespace {

constexpr int kInvalidFormatKind = 109;

// A formatting call: its name and how many arguments it takes.
struct FormatCall {
  std::string_view name;
  size_t arguments;
};
// Tried in this order; the first one written with a literal format string is the call.
constexpr std::array<FormatCall, 5> kFormatCalls = {{{"FORMAT", 2},
                                                     {"CREATEFMT", 2},
                                                     {"CREATERESFMT", 2},
                                                     {"CREATEFMTHELP", 3},
                                                     {"CREATERESFMTHELP", 3}}};

struct FoundCall {
  const FormatCall* call = nullptr;
  int position = 0;  // 1-based
};

std::optional<FoundCall> findFormatCall(std::string_view text) {
  for (const FormatCall& call : kFormatCalls) {
    const int at = findCodeWord(std::string(call.name) + "('", text);
    if (at > 0) return FoundCall{&call, at};
  }
  return std::nullopt;
}

enum class ValueType { Number, Integer, String };

// What a format string asks for: the value types in order, or the index specifiers.
struct FormatNeeds {
  std::vector<ValueType> expected;
  std::vector<int> indexes;
};

bool isLowerLetter(char c) {
  return c >= 'a' && c <= 'z';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Reads the specifiers of a format string; none when one of them cannot be read.
std::optional<FormatNeeds> readFormat(std::string_view format) {
  FormatNeeds needs;
  for (size_t i = 0; i + 1 < format.size(); ++i) {
    if (format[i] != '%') continue;
    // "%%" writes a percent sign and takes no value.
    if (format[i + 1] == '%') {
      ++i;
      continue;
    }
    size_t at = i + 1;
    size_t digitsFrom = at;
    for (; at < format.size(); ++at) {
      const char c = format[at];
      if (c == '*') {
        needs.expected.push_back(ValueType::Integer);
      } else if (c == ':') {
        needs.indexes.push_back(toInt(format.substr(digitsFrom, at - digitsFrom), -1));
      } else if (!isDigit(c) && c != ' ' && c != '-' && c != '.') {
        break;
      }
      if (!isDigit(c)) digitsFrom = at + 1;
    }
    // A conversion letter written in upper case is one this check does not know.
    if (at < format.size() && format[at] >= 'A' && format[at] <= 'Z') return std::nullopt;
    while (at < format.size() && !isLowerLetter(format[at])) ++at;
    if (at == format.size()) return std::nullopt;
    switch (format[at]) {
      case 'd':
      case 'e':
      case 'f':
      case 'g':
      case 'm':
      case 'n':
      case 'u':
        needs.expected.push_back(ValueType::Number);
        break;
      case 's':
        needs.expected.push_back(ValueType::String);
        break;
      case 'x':
        needs.expected.push_back(ValueType::Integer);
        break;
      default:
        return std::nullopt;
    }
    i = at;
  }
  return needs;
}

bool isIntegerLiteral(std::string_view text) {
  if (text.starts_with('$')) {
    text.remove_prefix(1);
    return !text.empty() && text.find_first_not_of("0123456789ABCDEF") == std::string_view::npos;
  }
  if (text.starts_with('-')) text.remove_prefix(1);
  return isDigits(text);
}

bool isFloatLiteral(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  const size_t exponent = text.find('E');
  if (exponent != std::string_view::npos) {
    std::string_view power = text.substr(exponent + 1);
    if (power.starts_with('-') || power.starts_with('+')) power.remove_prefix(1);
    if (!isDigits(power)) return false;
    text = text.substr(0, exponent);
  }
  const size_t point = text.find('.');
  if (point == std::string_view::npos) return isDigits(text);
  return isDigits(text.substr(0, point)) && isDigits(text.substr(point + 1));
}

// What a value passed to the call is, as far as the check can tell.
struct ValueKinds {
  bool string = false, integer = false, number = false;
  bool known() const { return string || integer || number; }
  bool fits(ValueType type) const {
    switch (type) {
      case ValueType::String:
        return string;
      case ValueType::Integer:
        return integer;
      case ValueType::Number:
        return number;
    }
    return false;
  }
};

ValueKinds kindsOf(const TProcedureItem& routine, const std::string& value) {
  ValueKinds kinds;
  kinds.string = !StartsWithVariable(routine, value, false, VariableClass::String).empty() ||
                 (value.size() >= 2 && value.front() == '\'' && value.back() == '\'');
  kinds.integer = !StartsWithVariable(routine, value, false, VariableClass::Integer).empty() ||
                  isIntegerLiteral(value);
  kinds.number = kinds.integer ||
                 !StartsWithVariable(routine, value, false, VariableClass::Float).empty() ||
                 isFloatLiteral(value);
  return kinds;
}

std::string_view expectation(ValueType type) {
  switch (type) {
    case ValueType::Number:
      return " is expected to be a decimal, not ";
    case ValueType::Integer:
      return " is expected to be an integer, not ";
    case ValueType::String:
      break;
  }
  return " is expected to be a string, not ";
}

// The fault of a call's arguments (the text after the call's "("), or none.
std::optional<std::string> argumentFault(const TProcedureItem& routine, std::string_view text,
                                         size_t argumentCount) {
  const std::vector<std::string> arguments = SplitArguments(text, ',');
  if (arguments.size() != argumentCount) return std::nullopt;
  const std::string format = StripQuotes(arguments[0]);
  if (arguments[0].size() != format.size() + 2 || format.find('\'') != std::string::npos)
    return std::nullopt;
  const std::string& list = arguments[1];
  if (list.size() < 2 || list.front() != '[' || list.back() != ']') return std::nullopt;
  const std::vector<std::string> values =
      SplitArguments(std::string_view(list).substr(1, list.size() - 2), ',');
  const std::optional<FormatNeeds> needs = readFormat(format);
  if (!needs) return std::nullopt;

  const std::string count = std::to_string(values.size());
  if (!needs->indexes.empty()) {
    for (const int index : needs->indexes) {
      if (index >= static_cast<int>(values.size()))
        return "Invalid format, Index specifier " + std::to_string(index) + " exceeds " + count +
               " values passed in (index is 0 based)";
    }
    return std::nullopt;
  }
  if (values.size() != needs->expected.size())
    return "Invalid format, " + count + " instead of " + std::to_string(needs->expected.size()) +
           " values passed in";
  for (size_t i = 0; i < values.size(); ++i) {
    const ValueKinds kinds = kindsOf(routine, values[i]);
    if (!kinds.known()) return std::nullopt;
    if (kinds.fits(needs->expected[i])) continue;
    std::string shown = StartsWithVariable(routine, values[i], true, VariableClass::Any);
    if (shown.empty()) shown = values[i];
    return "Parameter " + std::to_string(i + 1) + std::string(expectation(needs->expected[i])) +
           shown;
  }
  return std::nullopt;
}

// "FORMAT" -> "Format".
std::string firstLetterUpper(std::string_view name) {
  std::string text = lowerCase(name);
  if (!text.empty()) text[0] = upperChar(text[0]);
  return text;
}

}  // namespace

void CheckFormatArguments(TProject& project, TProcedureItem& routine) {
  const bool invalidOn = kindOn(project, kInvalidFormatKind);
  const bool unusedOn = kindOn(project, kUnusedResultKind);
  if (!invalidOn && !unusedOn) return;
  const TCodeUnit& unit = *routine.Unit;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (isKeywordLine(props) || props.IsEmpty || !props.HasBracket || !props.HasString) continue;
    const int line = statementLine(routine, k);
    const std::string_view text = lineOf(unit.CompactUpperLines, line);
    const std::optional<FoundCall> found = findFormatCall(text);
    if (!found) continue;
    if (found->position == 1 && beginsStatement(routine, k)) {
      if (unusedOn)
        reportStatement(project, routine, kUnusedResultKind, line,
                        "The result of " + firstLetterUpper(found->call->name) + " is ignored");
      ++k;  // the statement after a discarded call is not examined
      continue;
    }
    if (!invalidOn) continue;
    const size_t arguments = static_cast<size_t>(found->position) + found->call->name.size();
    if (const auto fault = argumentFault(routine, std::string_view(text).substr(arguments),
                                         found->call->arguments))
      reportStatement(project, routine, kInvalidFormatKind, line, *fault);
  }
}

}  // namespace sorvik
