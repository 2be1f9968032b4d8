#include "checks/dataset_checks.h"

#include <algorithm>
#include <string>
#include <vector>

#include "checks/check_text.h"
#include "checks/pascal_text.h"
#include "checks/statement_check.h"
#include "generic/strings.h"
#include "project/form_facts.h"
#include "project/project.h"

namespace sorvik {

namespace {

constexpr int kActiveKind = 23;
constexpr int kSelCountKind = 115;

// The datasets a routine can name: its Table and Query variables and those of its unit's
// form, as declared.
std::vector<std::string> datasetNames(TProject& project, const TProcedureItem& routine) {
  std::vector<std::string> names;
  const TVariableNames& others = routine.AllVars.Others;
  for (int i = 0; i < others.Count; ++i) {
    const std::string entry = others.Name(i);
    const size_t equal = entry.find('=');
    if (equal == std::string::npos) continue;
    const std::string type = upperCase(entry.substr(equal + 1));
    if (type == "TTABLE" || type == "TQUERY") names.push_back(entry.substr(0, equal));
  }
  if (const UnitFormFacts* form = formFacts(project).formOf(routine.Unit->FilePath))
    names.insert(names.end(), form->DatasetNames.begin(), form->DatasetNames.end());
  return names;
}

}  // namespace

void CheckOpenAndClose(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kActiveKind)) return;
  const std::vector<std::string> datasets = datasetNames(project, routine);
  if (datasets.empty()) return;
  const TCodeUnit& unit = *routine.Unit;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (isKeywordLine(props) || !props.HasDot || props.HasAssign || props.IsEmpty) continue;
    const int line = statementLine(routine, k);
    const std::string_view text = lineOf(unit.CompactUpperLines, line);
    const size_t dot = text.find('.');
    if (dot == std::string::npos) continue;
    const std::string_view head = std::string_view(text).substr(0, dot);
    const auto dataset =
        std::find_if(datasets.begin(), datasets.end(),
                     [&](const std::string& name) { return sameText(name, head); });
    if (dataset == datasets.end()) continue;
    const std::string_view call = std::string_view(text).substr(dot);
    if (call != ".OPEN;" && call != ".CLOSE;") continue;
    const std::string assignment =
        *dataset + (call == ".OPEN;" ? ".Active:=True;" : ".Active:=False;");
    reportStatement(project, routine, kActiveKind, line, "Use \"" + assignment + "\" instead",
                    std::vector<std::string>{Indentation(routine, line) + assignment});
  }
}

void CheckSelCount(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kSelCountKind)) return;
  const FormFacts& facts = formFacts(project);
  if (!facts.HasListBox) return;
  const TCodeUnit& unit = *routine.Unit;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (props.StatementKind != 0 || !props.HasDot || props.IsEmpty) continue;
    const int line = statementLine(routine, k);
    const std::string_view text = lineOf(unit.CompactUpperLines, line);
    const size_t dot = text.find('.');
    if (dot == std::string::npos || !holdsAt(text, dot + 1, "SELCOUNT")) continue;
    // The name is the identifier the first dot follows (N := ListBox1.SelCount names
    // ListBox1).
    const std::string name(identifierBefore(text, dot));
    const auto& listBoxes = facts.SingleSelectListBoxes;
    if (name.empty() || std::find(listBoxes.begin(), listBoxes.end(), name) == listBoxes.end())
      continue;
    reportStatement(project, routine, kSelCountKind, line,
                    "The result of " + name.substr(0, 1) + lowerCase(name.substr(1)) +
                        ".SelCount will always be -1 when MultiSelect=False");
  }
}

}  // namespace sorvik
