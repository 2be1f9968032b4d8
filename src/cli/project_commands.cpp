// files, scan and rewrite.
#include <iostream>

#include "changes/rewrite.h"
#include "cli/cli_prompter.h"
#include "cli/sarif_output.h"
#include "cli/session.h"
#include "project/project.h"
#include "project/scan_driver.h"

namespace sorvik {

namespace {

int runFiles(const GlobalOptions& options, const std::string& path) {
  Session session(options, false);
  if (!session.start()) return kExitUsage;
  auto project = session.open(path);
  if (!project) return kExitUsage;
  if (session.format() == OutputFormat::Text)
    writeFileList(std::cout, *project);
  else
    writeJsonRun(std::cout, "files", *project);
  return kExitOk;
}

int runScan(const GlobalOptions& options, const std::string& path) {
  Session session(options, false);
  if (!session.start()) return kExitUsage;
  auto project = session.open(path);
  if (!project) return kExitUsage;
  setModeFlags(*project, StartCommand::Scan);
  Start(*project);
  session.writeRun("scan", *project);
  return session.exitStatus(*project);
}

int runRewrite(const GlobalOptions& options, const std::string& path, RewriteChoices choices) {
  Session session(options, true);
  if (!session.start()) return kExitUsage;
  auto project = session.open(path);
  if (!project) return session.refused() ? kExitRefused : kExitUsage;
  // No step named: all three, as the rewrite dialog offers them.
  if (!choices.optimizations && !choices.naming && !choices.varCase) choices = RewriteChoices{};
  project->Outside =
      options.allowOutside ? TProject::OutsideFiles::Allow : TProject::OutsideFiles::Refuse;
  const RewriteOutcome outcome = StartRewrite(*project, choices);
  if (outcome.declined) return kExitRefused;
  if (session.format() == OutputFormat::Text) {
    writeLines(std::cout, outcome.outputLines);
    std::cout << terminalText(outcome.completion);
    writeRunSummary(std::cerr, *project);
    return session.exitStatus(*project);
  }
  // The document alone on stdout; the completion message is a message like any other.
  session.context().prompter->showInformation(outcome.completion);
  if (session.format() == OutputFormat::Sarif)
    writeSarifRun(std::cout, *project);
  else
    writeJsonRun(std::cout, "rewrite", *project);
  return session.exitStatus(*project);
}

}  // namespace

void addProjectCommands(CommandSetup& setup) {
  auto project = std::make_shared<std::string>();
  auto* files = setup.app.add_subcommand("files", "list the units, forms and pages of a project");
  files->add_option("PROJECT", *project, "the project file")->required();
  files->callback([&setup, project] { setup.status = runFiles(setup.options, *project); });
  auto* scan = setup.app.add_subcommand("scan", "scan the project for hints and warnings");
  scan->add_option("PROJECT", *project, "the project file")->required();
  scan->callback([&setup, project] { setup.status = runScan(setup.options, *project); });
  auto choices = std::make_shared<RewriteChoices>(RewriteChoices{false, false, false});
  auto* rewrite = setup.app.add_subcommand(
      "rewrite", "apply the suggestions of a scan to the project's files (needs --yes)");
  rewrite->add_option("PROJECT", *project, "the project file")->required();
  rewrite->add_flag("--optimizations", choices->optimizations, "apply the scan's suggestions");
  rewrite->add_flag("--naming", choices->naming, "apply the naming suggestions");
  rewrite->add_flag("--varcase", choices->varCase, "give variables the case of their declaration");
  rewrite->callback(
      [&setup, project, choices] { setup.status = runRewrite(setup.options, *project, *choices); });
}

}  // namespace sorvik
