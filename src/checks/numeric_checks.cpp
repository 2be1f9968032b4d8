#include "checks/numeric_checks.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>

#include "checks/pascal_text.h"
#include "checks/statement_check.h"
#include "generic/strings.h"
#include "source/find_word.h"

namespace sorvik {

namespace {

constexpr int kReciprocalKind = 28;
constexpr int kSinCosKind = 17;

// A division by a whole number written as a float ("2.0", "4."): the divisor as written, its
// whole part and the reciprocal's text.
struct Reciprocal {
  std::string_view written;
  std::string_view divisor;
  std::string value;
};

// The shortest decimal text of 1 / divisor.
std::string reciprocalText(int divisor) {
  char buffer[64];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, 1.0 / divisor, std::chars_format::fixed);
  return error == std::errc() ? std::string(buffer, end) : std::string();
}

// The number after the "/" at `slash`, when it is a divisor that has a short reciprocal.
std::optional<Reciprocal> reciprocalAt(std::string_view text, size_t slash) {
  size_t from = slash + 1;
  while (from < text.size() && text[from] == ' ') ++from;
  size_t to = from;
  while (to < text.size() && ((text[to] >= '0' && text[to] <= '9') || text[to] == '.')) ++to;
  // An exponent or a name right after the digits makes them part of something else.
  if (to < text.size() && isIdentChar(text[to])) return std::nullopt;
  const std::string_view written = text.substr(from, to - from);
  const size_t point = written.find('.');
  if (point == std::string_view::npos ||
      written.find_first_not_of('0', point + 1) != std::string_view::npos)
    return std::nullopt;
  const std::string_view divisor = written.substr(0, point);
  if (divisor.size() >= 5 || !isDigits(divisor)) return std::nullopt;
  const int value = toInt(divisor, 0);
  if (value == 0) return std::nullopt;
  std::string reciprocal = reciprocalText(value);
  if (reciprocal.empty() || reciprocal.size() >= 7) return std::nullopt;
  return Reciprocal{written, divisor, std::move(reciprocal)};
}

// The first "/" outside literals that divides by a number with a short reciprocal.
std::optional<Reciprocal> findReciprocal(std::string_view text) {
  bool inLiteral = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\'') inLiteral = !inLiteral;
    if (inLiteral || text[i] != '/') continue;
    if (auto found = reciprocalAt(text, i)) return found;
  }
  return std::nullopt;
}

// The argument of `target := name(argument);` with a float argument, in its declared
// spelling; "" when the statement is not such a call.
std::string trigArgument(const TProcedureItem& routine, std::string_view text,
                         const std::string& target, std::string_view name) {
  const std::string prefix = target + ":=" + std::string(name) + "(";
  if (findCodeWord(name, text) == 0 || !text.starts_with(prefix)) return "";
  std::string argument = StartsWithVariable(routine, std::string_view(text).substr(prefix.size()),
                                            true, VariableClass::Float);
  if (argument.empty() || text != prefix + upperCase(argument) + ");") return "";
  return argument;
}

// The processed line is the only statement of its file line.
bool standsAlone(const TCodeUnit& unit, int line) {
  const size_t at = static_cast<size_t>(line);
  const int fileLine = unit.LineMap[at];
  return (at == 0 || unit.LineMap[at - 1] != fileLine) &&
         (at + 1 >= unit.LineMap.size() || unit.LineMap[at + 1] != fileLine);
}

struct SineStatement {
  int line;
  std::string target;
  std::string argument;
};

}  // namespace

void CheckReciprocals(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kReciprocalKind)) return;
  const TCodeUnit& unit = *routine.Unit;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (!props.HasDigit || !props.HasSlash) continue;
    const int line = statementLine(routine, k);
    const std::optional<Reciprocal> found = findReciprocal(lineOf(unit.CompactUpperLines, line));
    if (!found) continue;
    reportWholeLine(project, routine, kReciprocalKind, line,
                    "Change /" + std::string(found->divisor) + " to *" + found->value,
                    ReplaceOnceInSourceLine(routine, line, "/" + std::string(found->written), false,
                                            "*" + found->value));
  }
}

void CheckSinAndCos(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kSinCosKind)) return;
  const TCodeUnit& unit = *routine.Unit;
  // The call names its unit, which must be in the uses list.
  const bool usesMath = usesUnit(unit, "Math");
  std::optional<SineStatement> sine;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (isKeywordLine(props) || props.IsEmpty || !props.HasParen || !props.HasAssign ||
        !props.EndsWithSemicolon) {
      sine.reset();
      continue;
    }
    const std::string& target = routine.FloatTargets[k];
    if (target.empty()) continue;
    const int line = statementLine(routine, k);
    const std::string_view text = lineOf(unit.CompactUpperLines, line);
    if (std::string argument = trigArgument(routine, text, target, "SIN"); !argument.empty()) {
      // A sine that overwrites its own angle leaves nothing for the cosine to share.
      if (upperCase(argument) == target)
        sine.reset();
      else
        sine = SineStatement{line, target, std::move(argument)};
      continue;
    }
    if (!sine || trigArgument(routine, text, target, "COS") != sine->argument) continue;
    // Two lines become one call only when they are the two file lines that hold the two
    // statements and nothing else.
    const bool adjacent = standsAlone(unit, sine->line) && standsAlone(unit, line) &&
                          unit.LineMap[static_cast<size_t>(line)] ==
                              unit.LineMap[static_cast<size_t>(sine->line)] + 1;
    if (adjacent && usesMath) {
      const std::string call =
          Indentation(routine, sine->line) + "Math.SinCos(" + sine->argument + "," +
          StartsWithVariable(routine, sine->target, true, VariableClass::Float) + "," +
          StartsWithVariable(routine, target, true, VariableClass::Float) + ");";
      reportStatement(project, routine, kSinCosKind, sine->line, "Use SinCos instead",
                      std::vector<std::string>{call}, 2);
    } else {
      reportStatement(project, routine, kSinCosKind, sine->line, "Use SinCos instead");
    }
    sine.reset();
  }
}

}  // namespace sorvik
