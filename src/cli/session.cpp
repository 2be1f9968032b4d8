#include "cli/session.h"

#include <iostream>

#include "cli/sarif_output.h"
#include "project/open_project.h"
#include "project/program_folder.h"
#include "project/project.h"
#include "report/library_setup.h"

namespace sorvik {

Session::Session(const GlobalOptions& options, bool changesFiles)
    : options_(options), prompter_(changesFiles, options.yes) {}

bool Session::start() {
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
  context_->Jobs = options_.jobs;
  return true;
}

std::unique_ptr<TProject> Session::open(const std::string& path) {
  return OpenProjectFile(*context_, path);
}

OutputFormat Session::format() const {
  if (options_.format == "json") return OutputFormat::Json;
  if (options_.format == "sarif") return OutputFormat::Sarif;
  return OutputFormat::Text;
}

void Session::writeRun(const std::string& command, const TProject& project,
                       const ResultRows* rows) const {
  switch (format()) {
    case OutputFormat::Text:
      if (rows)
        writeRows(std::cout, *rows);
      else
        writeOutputList(std::cout, project);
      writeRunSummary(std::cerr, project);
      return;
    case OutputFormat::Sarif:
      writeSarifRun(std::cout, project);
      return;
    case OutputFormat::Json:
      writeJsonRun(std::cout, command, project, rows ? *rows : ResultRows());
      return;
  }
}

int Session::exitStatus(const TProject& project) const {
  if (prompter_.refused()) return kExitRefused;
  if (options_.failOn.empty()) return kExitOk;
  const int threshold = options_.failOn == "warning" ? 2 : 1;
  return worstSeverity(project) >= threshold ? kExitFailOn : kExitOk;
}

}  // namespace sorvik
