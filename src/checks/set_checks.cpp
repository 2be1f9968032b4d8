#include "checks/set_checks.h"

#include <array>
#include <string>
#include <vector>

#include "checks/pascal_text.h"
#include "checks/statement_check.h"
#include "project/project.h"

namespace sorvik {

namespace {

constexpr int kIncludeKind = 29;

// Font styles are set through a property, which Include and Exclude cannot take.
bool isFontStyle(std::string_view element) {
  constexpr std::array<std::string_view, 4> kStyles = {"FSBOLD", "FSUNDERLINE", "FSITALIC",
                                                       "FSSTRIKEOUT"};
  for (const std::string_view style : kStyles)
    if (element == style) return true;
  return false;
}

}  // namespace

void CheckIncludeExclude(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kIncludeKind)) return;
  const TCodeUnit& unit = *routine.Unit;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (props.IsEmpty || props.StatementKind != 0 || !props.HasBracket || !props.HasAssign ||
        !props.EndsWithSemicolon || props.AssignPos < 2)
      continue;
    char operation;
    if (props.HasPlus)
      operation = '+';
    else if (props.HasMinus)
      operation = '-';
    else
      continue;
    const int line = statementLine(routine, k);
    const std::string& text = lineOf(unit.CompactUpperLines, line);
    const size_t assign = static_cast<size_t>(props.AssignPos - 1);
    const std::string set = text.substr(0, assign);
    const std::string prefix = set + ":=" + set + operation + "[";
    if (!text.starts_with(prefix) || text.size() < prefix.size() + 2 ||
        text[text.size() - 2] != ']')
      continue;
    const std::string element = text.substr(prefix.size(), text.size() - 2 - prefix.size());
    // Several elements (a list or a range) need one call each.
    if ((props.HasPlus && props.HasMinus) || props.HasComma ||
        element.find("..") != std::string::npos) {
      reportStatement(project, routine, kIncludeKind, line, "Include and exclude are faster");
      continue;
    }
    if (element.empty() || isFontStyle(element)) continue;
    const std::string& written = lineOf(unit.CompactLines, line);
    const std::string name = written.substr(0, assign);
    const std::string call = operation == '+' ? "Include" : "Exclude";
    reportStatement(project, routine, kIncludeKind, line,
                    call + " is faster for set '" + name + "' if it is not a property",
                    std::vector<std::string>{Indentation(routine, line) + call + "(" + name + "," +
                                             written.substr(prefix.size(), element.size()) + ");"});
  }
}

}  // namespace sorvik
