#include "project/scan_driver.h"

#include <chrono>
#include <exception>

#include "generic/paths.h"
#include "generic/strings.h"
#include "project/project.h"
#include "project/project_files.h"
#include "project/prompter.h"

namespace sorvik {

namespace {

// Pass 1 keeps the companion forms, which naming reads and a rename run rewrites: a rename
// run takes it even when string constants are not collected.
bool isTwoPassRun(const TProject& project) {
  return (project.settings().CheckStringConst || project.NamingMode || project.RenameMode) &&
         !project.SearchMode;
}

// One unit of the second pass; false ends the unit walk.
bool walkUnit(TProject& project, const std::string& file) {
  project.CurrentFile = ResolvePath(file);
  project.IsProjectFile =
      project.SearchMode && project.Search.coversCode && sameText(extensionOf(file), ".dpr");
  project.observer().fileLabel(project.CurrentFile);
  const auto& walk =
      project.Search.walkLines ? project.Search.walkLines : project.context().hooks.walkUnit;
  if (walk && !walk(project, project.IsProjectFile)) return false;
  // Every unit is a point where the front end repaints and "Stop" is noticed, whether or
  // not the unit reported anything.
  project.pollEvents();
  if (project.StopRequested) return false;
  project.report().Step();
  return true;
}

// Tells the analysers which units the pass walks, in its order, so that they can prepare
// them ahead; the list grows no further than it stands when the pass begins.
void planUnits(TProject& project, bool ending) {
  const auto& plan =
      project.Search.planLines ? project.Search.planLines : project.context().hooks.planUnits;
  if (!plan) return;
  std::vector<std::string> paths;
  if (!ending) {
    paths.reserve(project.UnitFiles.size());
    for (const std::string& file : project.UnitFiles) paths.push_back(ResolvePath(file));
  }
  plan(project, paths);
}

}  // namespace

void setModeFlags(TProject& project, StartCommand command) {
  // The variable-case check replaces the statement checks: only the naming runs and the
  // renames that apply them keep it.
  if (command != StartCommand::Naming && command != StartCommand::Rename)
    project.VarCaseMode = false;
  switch (command) {
    case StartCommand::Scan:
    case StartCommand::Overview:
    case StartCommand::Search:
      project.SpellMode = project.ExeMode = project.NamingMode = project.RenameMode = false;
      project.OverviewMode = command == StartCommand::Overview;
      project.SearchMode = command == StartCommand::Search;
      project.RewriteMode = false;
      break;
    case StartCommand::SpellCheck:
    case StartCommand::SpellCheckExe:
      project.SpellMode = true;
      project.ExeMode = command == StartCommand::SpellCheckExe;
      project.NamingMode = project.RenameMode = project.OverviewMode = false;
      project.SearchMode = project.RewriteMode = false;
      break;
    case StartCommand::Naming:
      project.NamingMode = project.VarCaseMode = true;
      project.SpellMode = project.ExeMode = project.RenameMode = false;
      project.OverviewMode = project.SearchMode = project.RewriteMode = false;
      break;
    case StartCommand::Rename:
      project.RenameMode = true;
      project.SpellMode = project.ExeMode = project.NamingMode = project.OverviewMode = false;
      break;
  }
}

void Start(TProject& project) {
  auto& hooks = project.context().hooks;
  if (!project.RenameMode && hooks.clearNamingLists) hooks.clearNamingLists(project);
  auto& report = project.report();
  if (!report.Results.empty()) {
    report.ClearResults();
    project.observer().outputCleared();
    project.observer().fileLabel("");
    project.observer().resultsLabel("");
  }
  project.StopRequested = false;

  const auto began = std::chrono::steady_clock::now();
  try {
    const auto& scanExecutable = project.context().hooks.scanExecutable;
    if (!project.ExeMode)
      ScanProject(project);
    else if (scanExecutable)
      scanExecutable(project);
  } catch (const std::exception& failure) {
    project.addError(std::string("Error scanning project : ") + failure.what());
    project.addError("  Error occurred with file : " + project.CurrentFile);
    if (project.context().prompter) project.context().prompter->showError(failure.what());
  }
  project.ScanDone = true;
  project.report().Counts.RunTime =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
}

void ScanProject(TProject& project) {
  if (!(project.RewriteMode && project.ScanDone)) project.report().Reset();

  std::vector<std::string> pendingForms = project.FormFiles;
  const bool twoPass = isTwoPassRun(project);
  if (twoPass) CollectGlobals(project, pendingForms);
  const std::vector<std::string> pendingWeb = project.WebFiles;
  if (project.SearchMode) GroupProgramFiles(project);

  const auto& hooks = project.context().hooks;
  planUnits(project, false);
  for (size_t i = 0; i < project.UnitFiles.size() && !project.StopRequested; ++i) {
    const std::string file = project.UnitFiles[i];  // the walk may append to the list
    if (!walkUnit(project, file)) break;
  }
  planUnits(project, true);

  for (const auto& after : hooks.afterUnits) after(project);

  const bool formsInThisPass =
      (!twoPass || project.SearchMode) && !project.NamingMode && !project.RenameMode;
  if (formsInThisPass) {
    for (const auto& form : pendingForms) {
      if (hooks.analyseForm) hooks.analyseForm(project, form, true, false);
      project.report().Step();
    }
  }
  for (const auto& page : pendingWeb) {
    if (hooks.analysePage) hooks.analysePage(project, page);
    project.report().Step();
  }
}

void CollectGlobals(TProject& project, std::vector<std::string>& pendingForms) {
  auto& observer = project.observer();
  const auto& hooks = project.context().hooks;
  observer.progressHeading("Retrieving globals ... (Pass 1 of 2)");
  observer.progressMaximum(static_cast<int>(pendingForms.size()) + project.UnitCount +
                           project.WebCount);

  planUnits(project, false);
  for (size_t i = 0; i < project.UnitFiles.size(); ++i) {
    project.CurrentFile = ResolvePath(project.UnitFiles[i]);
    if (hooks.collectUnit) hooks.collectUnit(project, pendingForms);
    project.report().Step();
    project.pollEvents();
    if (project.StopRequested) break;
  }
  planUnits(project, true);

  if (!project.NamingMode && !project.RenameMode) {
    for (const auto& form : pendingForms) {
      if (hooks.analyseForm) hooks.analyseForm(project, form, false, true);
      project.report().Step();
    }
  }

  project.report().restartProgress();
  if (hooks.buildCrossUnitCollections) hooks.buildCrossUnitCollections(project);
  observer.progressHeading("Scanning your project... (Pass 2 of 2)");
}

}  // namespace sorvik
