// files and scan.
#include <iostream>

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
  if (session.format() == OutputFormat::Text) {
    writeOutputList(std::cout, *project);
    writeRunSummary(std::cerr, *project);
  } else if (session.format() == OutputFormat::Sarif) {
    writeSarifRun(std::cout, *project);
  } else {
    writeJsonRun(std::cout, "scan", *project);
  }
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
}

}  // namespace sorvik
