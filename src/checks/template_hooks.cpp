#include "checks/template_hooks.h"

#include <algorithm>
#include <exception>
#include <string>

#include "project/app_context.h"
#include "project/project.h"
#include "source/procedure_item.h"
#include "source/routine_analysers.h"

namespace sorvik {

void LoadUserTemplates(AppContext& context) {
  TCodeTemplate& templates = context.service<UserTemplates>().List;
  templates.LoadTemplates(context.programFolder, context.prompter);
  auto& switches = context.settings.Templates;
  switches.clear();
  for (size_t i = 0; i < templates.Templates.size(); ++i) {
    TTemplateItem& item = templates.Templates[i];
    item.Enabled = context.config.readBool("Template", std::to_string(i), true);
    switches.push_back({i < templates.CodeNames.size() ? templates.CodeNames[i] : std::string(),
                        item.IsWarning, item.Enabled});
  }
}

void attachCodeTemplates(AppContext& context) {
  LoadUserTemplates(context);
  context.service<RoutineAnalysers>().onRoutine.push_back(RunUserTemplates);
}

void RunUserTemplates(TProject& project, TProcedureItem& routine) {
  if (project.SpellMode || project.SearchMode || project.NamingMode || project.RenameMode ||
      project.OverviewMode)
    return;
  TCodeTemplate& templates = project.context().service<UserTemplates>().List;
  // The options may have switched templates on or off since they were loaded.
  const auto& switches = project.settings().Templates;
  bool anyEnabled = false;
  for (size_t i = 0; i < templates.Templates.size(); ++i) {
    TTemplateItem& item = templates.Templates[i];
    if (i < switches.size()) item.Enabled = switches[i].enabled;
    anyEnabled = anyEnabled || item.Enabled;
  }
  if (!anyEnabled) return;
  templates.Routine = &routine;
  try {
    templates.RunTemplates(project);
  } catch (const std::exception&) {
    project.addError("Error scanning template in " + project.CurrentFile);
  }
  templates.Routine = nullptr;
  templates.StringChooser.reset();
  templates.IntegerChooser.reset();
  templates.FirstLineProps.reset();
}

}  // namespace sorvik
