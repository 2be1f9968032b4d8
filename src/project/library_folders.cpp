// Where units and include files are looked for, and which IDE's settings apply. Both
// come from config.ini, which stands in for the IDE's own settings.
#include "generic/paths.h"
#include "generic/strings.h"
#include "project/config.h"
#include "project/project_files.h"

namespace sorvik {

std::vector<std::string> LibraryFolders(const Config& config) {
  std::vector<std::string> folders;
  for (const std::string& part : split(config.readString("General", "DelphiLibrary"), ';')) {
    std::string folder = toInternalPath(trimView(part));
    if (!folder.empty()) folders.push_back(std::move(folder));
  }
  return folders;
}

int IdeVersion(const Config& config) {
  return config.readInteger("General", "UseDelphiVersion", -1);
}

}  // namespace sorvik
