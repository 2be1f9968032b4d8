#include "naming/naming_run.h"

#include "formanalysis/form_analysis.h"
#include "generic/paths.h"
#include "naming/component_names.h"
#include "naming/naming_lists.h"
#include "naming/prefix_table.h"
#include "naming/rename.h"
#include "naming/variable_case.h"
#include "project/project.h"
#include "source/code_unit.h"
#include "source/routine_analysers.h"

namespace sorvik {

namespace {

// The naming step of a unit: its form's component names, and in a rename run the renames
// of its form and lines.
void nameUnit(TProject& project, TCodeUnit& unit) {
  if (!project.NamingMode && !project.RenameMode) return;
  TFormCode* form = companionForm(project, unit.FilePath);
  if (!form) {
    if (project.RenameMode) ApplyRenames(project, unit);
    return;
  }
  project.CurrentFile = ResolvePath(form->FilePath);
  SuggestComponentNames(project, unit, *form);
  form->FlushHints();
  if (project.RenameMode) ApplyRenames(project, unit);
  project.CurrentFile = unit.FilePath;
}

}  // namespace

void attachNaming(AppContext& context) {
  LoadPrefixes(context.service<PrefixTable>(), context.config);
  auto& analysers = context.service<RoutineAnalysers>();
  analysers.onRoutine.push_back(CheckVariableCase);
  analysers.onUnit.push_back(nameUnit);
  analysers.afterUnit.push_back([](TProject& project, TCodeUnit& unit) {
    if (project.RenameMode) saveVariableCorrections(project, unit.FilePath);
  });
  context.hooks.afterUnits.push_back([](TProject& project) {
    if (project.RenameMode) RenameInProjectFile(project);
  });
  context.hooks.clearNamingLists = [](TProject& project) { namingLists(project).clear(); };
  context.hooks.isNamingSuggestionLine = [](TProject& project, const std::string& display) {
    return namingLists(project).isSuggestionLine(display);
  };
}

}  // namespace sorvik
