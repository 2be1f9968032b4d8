#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "cli/cli_prompter.h"
#include "cli/interrupt.h"
#include "cli/output.h"
#include "project/open_project.h"
#include "project/program_folder.h"
#include "project/project.h"
#include "project/scan_driver.h"
#include "report/library_setup.h"

namespace sorvik {

namespace {

struct GlobalOptions {
  std::string configDir;
  std::vector<std::string> sets;
  std::string format = "text";
  std::string failOn;
  bool yes = false;
};

OutputFormat formatOf(const std::string& name) {
  if (name == "json") return OutputFormat::Json;
  if (name == "sarif") return OutputFormat::Sarif;
  return OutputFormat::Text;
}

// One command's run: the context, the prompter and the observer of a terminal.
class Session {
 public:
  Session(const GlobalOptions& options, bool changesFiles)
      : options_(options), prompter_(changesFiles, options.yes) {}

  // Builds the context; false (message on stderr) when an override is malformed.
  bool start() {
    const std::string folder = chooseProgramFolder(options_.configDir);
    if (!prepareProgramFolder(folder))
      std::cerr << "warning: the program folder " << folder << " could not be created\n";
    Config config(folder + "config.ini");
    for (const auto& assignment : options_.sets) {
      if (!config.addOverride(assignment)) {
        std::cerr << "--set expects SECTION.KEY=VALUE, not: " << assignment << '\n';
        return false;
      }
    }
    context_ = makeAppContext(folder, std::move(config));
    context_->prompter = &prompter_;
    context_->observer = &observer_;
    return true;
  }

  std::unique_ptr<TProject> open(const std::string& path) {
    return OpenProjectFile(*context_, path);
  }

  OutputFormat format() const { return formatOf(options_.format); }

  int exitStatus(const TProject& project) const {
    if (prompter_.refused()) return kExitRefused;
    if (options_.failOn.empty()) return kExitOk;
    const int threshold = options_.failOn == "warning" ? 2 : 1;
    return worstSeverity(project) >= threshold ? kExitFailOn : kExitOk;
  }

 private:
  const GlobalOptions& options_;
  CliPrompter prompter_;
  InterruptObserver observer_;
  std::unique_ptr<AppContext> context_;
};

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
  } else {
    writeJsonRun(std::cout, "scan", *project);
  }
  return session.exitStatus(*project);
}

}  // namespace

int runCommandLine(int argc, char** argv) {
  CLI::App app{"sorvik: a static analyser for Delphi projects", "sorvik"};
  app.require_subcommand(1);
  GlobalOptions options;
  app.add_option("--config-dir", options.configDir, "the program folder (config.ini, ...)");
  app.add_option("--set", options.sets, "SECTION.KEY=VALUE: a config.ini value for this run");
  app.add_option("--format", options.format, "text, json or sarif")
      ->check(CLI::IsMember({"text", "json", "sarif"}));
  app.add_option("--fail-on", options.failOn, "exit 1 when a result of this severity exists")
      ->check(CLI::IsMember({"hint", "warning"}));
  app.add_flag("--yes", options.yes, "answer Yes to the questions of commands that change files");

  std::string project;
  int status = kExitOk;
  auto* files = app.add_subcommand("files", "list the units, forms and pages of a project");
  files->add_option("PROJECT", project, "the project file")->required();
  files->callback([&] { status = runFiles(options, project); });
  auto* scan = app.add_subcommand("scan", "scan the project for hints and warnings");
  scan->add_option("PROJECT", project, "the project file")->required();
  scan->callback([&] { status = runScan(options, project); });

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error);
    return code == 0 ? kExitOk : kExitUsage;
  }
  return status;
}

}  // namespace sorvik
