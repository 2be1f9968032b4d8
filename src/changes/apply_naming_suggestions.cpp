#include "changes/apply_naming_suggestions.h"

#include <algorithm>

#include "changes/backups.h"
#include "naming/naming_lists.h"
#include "project/project.h"
#include "project/prompter.h"
#include "project/scan_driver.h"

namespace sorvik {

bool ApplyNamingSuggestions(TProject& project, const NamingChoice* ticked) {
  NamingLists& lists = namingLists(project);
  Prompter& prompter = *project.context().prompter;
  if (ticked) {
    if (lists.renames().empty() && lists.variables().empty()) {
      prompter.showInformation("There are no suggestions to apply.");
      return false;
    }
    const auto isSet = [](bool flag) { return flag; };
    if (std::none_of(ticked->renames.begin(), ticked->renames.end(), isSet) &&
        std::none_of(ticked->variables.begin(), ticked->variables.end(), isSet)) {
      prompter.showError("You have not selected any items to rename");
      return false;
    }
    if (!project.RenameMode) lists.keep(ticked->renames, ticked->variables);
    Config& config = project.context().config;
    if (!project.ChangesApplied && config.readBool("General", "Disclaimer", true)) {
      const Prompter::DisclaimerAnswer answer = prompter.askChangeWarning();
      if (!answer.accepted) return false;
      if (answer.dontShowAgain) config.writeBool("General", "Applychange", false);
      project.ChangesApplied = true;
    }
  }
  const bool rewrite = project.RewriteMode;
  if (project.ScanDone) project.ResetProject();
  setModeFlags(project, StartCommand::Rename);
  project.RewriteMode = rewrite;
  if (!PrepareBackupFolder(project)) return false;
  Start(project);
  return true;
}

}  // namespace sorvik
