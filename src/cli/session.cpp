#include "cli/session.h"

#include <iostream>

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

int Session::exitStatus(const TProject& project) const {
  if (prompter_.refused()) return kExitRefused;
  if (options_.failOn.empty()) return kExitOk;
  const int threshold = options_.failOn == "warning" ? 2 : 1;
  return worstSeverity(project) >= threshold ? kExitFailOn : kExitOk;
}

}  // namespace sorvik
