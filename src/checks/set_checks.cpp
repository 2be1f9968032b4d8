#include "checks/set_checks.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "checks/pascal_text.h"
#include "checks/statement_check.h"
#include "generic/strings.h"
#include "project/project.h"
#include "source/global_vars.h"
#include "source/line_forms.h"

namespace sorvik {

namespace {

constexpr int kIncludeKind = 29;
constexpr int kFunctionRoutine = 0;

// Font styles are set through a property, which Include and Exclude cannot take.
bool isFontStyle(std::string_view element) {
  constexpr std::array<std::string_view, 4> kStyles = {"FSBOLD", "FSUNDERLINE", "FSITALIC",
                                                       "FSSTRIKEOUT"};
  for (const std::string_view style : kStyles)
    if (element == style) return true;
  return false;
}

// The names declared in the unit's var sections before its first routine (the interface
// part's too), upper case.
std::vector<std::string> unitVariables(const TCodeUnit& unit) {
  const TGlobalVars globals(unit, unit.ImplLine, true);
  std::vector<std::string> names;
  bool inVar = false;
  for (const std::string& line : globals.DeclLines) {
    std::string_view rest = line;
    for (const std::string_view section : {"VAR", "CONST", "TYPE"}) {
      if (rest == section || rest.starts_with(std::string(section) + " ")) {
        inVar = section == "VAR";
        rest.remove_prefix(std::min(rest.size(), section.size() + 1));
      }
    }
    const size_t colon = rest.find(':');
    if (!inVar || colon == std::string_view::npos) continue;
    for (const std::string_view name : splitOutsideLiterals(rest.substr(0, colon), ','))
      names.push_back(trim(name));
  }
  return names;
}

// Include and Exclude change a variable: a parameter, a local, Result, or a variable of the
// unit. A property (ControlStyle) cannot be passed to them, nor can a function's name.
bool isKnownVariable(const TProcedureItem& routine, const std::string& upperName) {
  if (routine.AllVars.All.Contains(upperName))
    return !(routine.Kind == kFunctionRoutine && upperName == routine.Name);
  const std::vector<std::string> globals = unitVariables(*routine.Unit);
  return std::find(globals.begin(), globals.end(), upperName) != globals.end();
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
    const std::string_view text = lineOf(unit.CompactUpperLines, line);
    const size_t assign = static_cast<size_t>(props.AssignPos - 1);
    const std::string set(text.substr(0, assign));
    const std::string prefix = set + ":=" + set + operation + "[";
    if (!text.starts_with(prefix) || text.size() < prefix.size() + 2 ||
        text[text.size() - 2] != ']')
      continue;
    const std::string element(text.substr(prefix.size(), text.size() - 2 - prefix.size()));
    // Several elements (a list or a range) need one call each.
    if ((props.HasPlus && props.HasMinus) || props.HasComma ||
        element.find("..") != std::string::npos) {
      reportStatement(project, routine, kIncludeKind, line, "Include and exclude are faster");
      continue;
    }
    if (element.empty() || isFontStyle(element)) continue;
    const std::string_view written = lineOf(unit.CompactLines, line);
    const std::string name(written.substr(0, assign));
    const std::string call = operation == '+' ? "Include" : "Exclude";
    // A bracket in the element means more sets than one ("[a] - [b]").
    SuggestionLines suggestion;
    if (element.find_first_of("[]") == std::string::npos && isKnownVariable(routine, set))
      suggestion = std::vector<std::string>{
          Indentation(routine, line) + call + "(" + name + "," +
          std::string(written.substr(prefix.size(), element.size())) + ");"};
    reportStatement(project, routine, kIncludeKind, line,
                    call + " is faster for set '" + name + "' if it is not a property",
                    std::move(suggestion));
  }
}

}  // namespace sorvik
