#include "project/open_project.h"

#include <filesystem>

#include "generic/paths.h"
#include "project/project.h"
#include "project/project_files.h"
#include "project/prompter.h"

namespace sorvik {

std::unique_ptr<TProject> OpenProjectFile(AppContext& context, const std::string& path) {
  std::error_code error;
  const std::string absolute = std::filesystem::absolute(toInternalPath(path), error).string();
  const std::string onDisk = findExistingPath(error ? path : absolute);
  if (onDisk.empty() || !fileExists(onDisk)) {
    if (context.prompter) context.prompter->showError("File could not be found.\r\r" + path);
    return nullptr;
  }
  auto project = std::make_unique<TProject>(context, onDisk);

  if (!acceptDisclaimer(context)) return nullptr;

  std::vector<std::string> files;
  const bool read = ReadProjectFile(*project, onDisk, files);
  ClassifyFiles(*project, files);
  if (!read) return nullptr;
  return project;
}

bool acceptDisclaimer(AppContext& context) {
  if (!context.config.readBool("General", "Disclaimer", true)) return true;
  if (!context.prompter) return false;
  const auto answer = context.prompter->askDisclaimer();
  if (!answer.accepted) return false;
  if (answer.dontShowAgain) context.config.writeBool("General", "Disclaimer", false);
  return true;
}

}  // namespace sorvik
