#include "naming/variable_case.h"

#include <string>
#include <string_view>
#include <vector>

#include "checks/statement_check.h"
#include "generic/strings.h"
#include "naming/naming_lists.h"
#include "naming/rename.h"
#include "project/project.h"
#include "project/results.h"
#include "source/code_unit.h"
#include "source/find_word.h"
#include "source/procedure_item.h"

namespace sorvik {

namespace {

constexpr int kVariableCaseKind = 301;

enum Convention { AsDeclared = 0, LowerCase = 1, Capitalised = 2, TypePrefix = 3 };

std::string expectedSpelling(Convention convention, const std::string& name) {
  switch (convention) {
    case LowerCase:
      return lowerCase(name);
    case Capitalised: {
      std::string text = lowerCase(name);
      if (!text.empty()) text[0] = upperChar(text[0]);
      return text;
    }
    case AsDeclared:
    case TypePrefix:
      break;
  }
  return name;
}

// The prefix of a variable's type for the type-prefix convention (the last entry of the
// list first), or "".
std::string typePrefix(const TSettings& settings, std::string_view type) {
  for (size_t i = settings.VarPrefixTypes.size(); i-- > 0;)
    if (sameText(settings.VarPrefixTypes[i], type))
      return i < settings.VarPrefixes.size() ? settings.VarPrefixes[i] : std::string();
  return {};
}

bool occursInRoutine(const TProcedureItem& routine, const std::string& upperName) {
  const TCodeUnit& unit = *routine.Unit;
  for (int line = routine.HeadingLine; line <= routine.EndLine; ++line)
    if (findCodeWord(upperName, unit.CompactUpperLines[static_cast<size_t>(line)]) != 0)
      return true;
  return false;
}

}  // namespace

void CheckVariableCase(TProject& project, TProcedureItem& routine) {
  const TSettings& settings = project.settings();
  if (!project.VarCaseMode || !settings.VarCheck || routine.BeginLine < 0) return;
  const auto convention = static_cast<Convention>(settings.VarSolution);
  const TVariableNames& variables =
      convention == TypePrefix ? routine.Locals.All : routine.AllVars.All;
  TCodeUnit& unit = *routine.Unit;
  NamingLists& lists = namingLists(project);
  const int first = convention == TypePrefix ? routine.HeadingLine : routine.BeginLine + 1;

  for (int i = 0; i < variables.Count; ++i) {
    const std::string entry = variables.Name(i);
    const std::string name = entry.substr(0, entry.find('='));
    const std::string upperName = upperCase(name);
    // A function's result is named by the function or "Result", in whatever case.
    if (upperName == "RESULT" || (routine.Kind == 0 && upperName == routine.Name)) continue;
    if (settings.VarApply && name.size() <= 1) continue;
    std::string prefix;
    if (convention == TypePrefix) {
      const size_t equals = entry.find('=');
      prefix = typePrefix(settings, equals == std::string::npos ? "" : entry.substr(equals + 1));
      if (!prefix.empty() &&
          (startsWithText(name, prefix) || routine.AllVars.All.Contains(prefix + name) ||
           occursInRoutine(routine, upperCase(prefix + name))))
        continue;
    }
    const std::string expected = prefix + expectedSpelling(convention, name);

    for (int line = first; line < routine.EndLine; ++line) {
      if (findCodeWord(upperName, unit.CompactUpperLines[static_cast<size_t>(line)]) == 0) continue;
      const std::vector<size_t> found = FindInSourceLine(routine, line, name, false);
      if (found.empty()) continue;
      const int fileLine = unit.LineMap[static_cast<size_t>(line)];
      const std::string written =
          unit.SourceLines[static_cast<size_t>(fileLine)].substr(found.front(), name.size());
      if (written == expected) continue;
      const std::string text =
          "Variable referenced as \"" + written + "\". It should be \"" + expected + "\"";
      AddResult(project, kVariableCaseKind, line, text, &routine);
      const std::string key = std::to_string(line) + unit.FilePath + "," + written;
      if (!project.RenameMode) {
        const std::string display = displayLine(project.CurrentFile, fileLine + 1, "):" + text);
        lists.addSuggestionLine(display);
        lists.addVariable({key, display});
      } else if (lists.hasVariable(key) && convention != TypePrefix) {
        // A prefix given on one line alone would leave the others naming a variable that
        // no longer exists; the case of a name changes nothing the compiler sees.
        correctVariableCase(project, unit.FilePath, fileLine, name, expected);
      }
      break;
    }
  }
}

}  // namespace sorvik
