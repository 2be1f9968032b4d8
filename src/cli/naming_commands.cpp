// naming and rename.
#include "changes/apply_naming_suggestions.h"
#include "cli/session.h"
#include "naming/naming_lists.h"
#include "project/project.h"
#include "project/scan_driver.h"

namespace sorvik {

namespace {

int runNaming(const GlobalOptions& options, const std::string& path, bool rename) {
  Session session(options, rename);
  if (!session.start()) return kExitUsage;
  auto project = session.open(path);
  if (!project) return session.refused() ? kExitRefused : kExitUsage;
  setModeFlags(*project, StartCommand::Naming);
  Start(*project);
  if (rename && !project->StopRequested) {
    project->Outside =
        options.allowOutside ? TProject::OutsideFiles::Allow : TProject::OutsideFiles::Refuse;
    // Every suggestion ticked, as the naming page offers them.
    const NamingLists& lists = namingLists(*project);
    const NamingChoice all{std::vector<bool>(lists.renames().size(), true),
                           std::vector<bool>(lists.variables().size(), true)};
    if (!ApplyNamingSuggestions(*project, &all) && session.refused()) return kExitRefused;
  }
  session.writeRun(rename ? "rename" : "naming", *project);
  return session.exitStatus(*project);
}

}  // namespace

void addNamingCommands(CommandSetup& setup) {
  auto project = std::make_shared<std::string>();
  auto* naming =
      setup.app.add_subcommand("naming", "propose component names and check variables' case");
  naming->add_option("PROJECT", *project, "the project file")->required();
  naming->callback([&setup, project] { setup.status = runNaming(setup.options, *project, false); });
  auto* rename = setup.app.add_subcommand(
      "rename", "apply every naming suggestion to the project's files (needs --yes)");
  rename->add_option("PROJECT", *project, "the project file")->required();
  rename->callback([&setup, project] { setup.status = runNaming(setup.options, *project, true); });
}

}  // namespace sorvik
